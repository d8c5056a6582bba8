-- The working database on a SQL Server: the objects of entrega.sql in T-SQL, for a site that wants a test
-- database on its own server. Run it in an empty database, for example:
--   sqlcmd -S srv01 -d ENTREGA -U ENTREGA -P ... -i db/sqlserver.sql
-- Each statement ends with ";" and stands on its own: no batch separators are needed.
--
-- As in the embedded schema, v_mv_cpte and V_MV_CTROL_CPTE are tables here (the client writes through them),
-- and texts compare under the database's default collation, which on SQL Server ignores case.

-- Vouchers with their customer data. FECHAENTREGA is null until the voucher is delivered.
CREATE TABLE v_mv_cpte (
    tc             VARCHAR(4)    NOT NULL,
    idcomprobante  VARCHAR(13)   NOT NULL, -- branch (4) + number (8) + letter (1)
    fecha          DATETIME      NOT NULL,
    FECHAENTREGA   DATETIME      NULL,
    Cuenta         VARCHAR(15)   NULL,
    nombre         VARCHAR(60)   NULL,
    Domicilio      VARCHAR(60)   NULL,
    Localidad      VARCHAR(40)   NULL,
    idpalm         VARCHAR(10)   NULL, -- delivery zone
    IdVendedor     INT           NULL,
    FechaEstInicio DATETIME      NULL,
    IdDeposito     SMALLINT      NULL,
    Total          MONEY         NULL,
    CONSTRAINT PK_v_mv_cpte PRIMARY KEY (tc, idcomprobante)
);

-- Stock movements: the lines of each voucher; a voucher delivered in parts has its lines under
-- complements 5, 10, ... instead of 0. Clustered in key order, the order the lookup of a voucher part reads
-- them in, so the table needs no index of its own.
CREATE TABLE V_MV_STOCK (
    tc             VARCHAR(4)    NOT NULL,
    idcomprobante  VARCHAR(13)   NOT NULL,
    IDCOMPLEMENTO  INT           NOT NULL CONSTRAINT DF_V_MV_STOCK_IDCOMPLEMENTO DEFAULT 0,
    Renglon        SMALLINT      NOT NULL,
    IdArticulo     VARCHAR(15)   NOT NULL,
    Descripcion    VARCHAR(60)   NULL,
    Cantidad       DECIMAL(18,4) NOT NULL,
    IdDeposito     SMALLINT      NULL,
    CONSTRAINT PK_V_MV_STOCK PRIMARY KEY CLUSTERED (tc, idcomprobante, IDCOMPLEMENTO, Renglon),
    CONSTRAINT FK_V_MV_STOCK_cpte FOREIGN KEY (tc, idcomprobante) REFERENCES v_mv_cpte (tc, idcomprobante)
);

-- One control row per delivered voucher part. The client compares sucursal+numero+letra with the
-- 13-character voucher number, so the three are texts kept at their full widths (4, 8, 1).
CREATE TABLE V_MV_CTROL_CPTE (
    ID             INT IDENTITY  NOT NULL CONSTRAINT PK_V_MV_CTROL_CPTE PRIMARY KEY,
    TC             VARCHAR(4)    NOT NULL,
    SUCURSAL       VARCHAR(4)    NOT NULL,
    NUMERO         VARCHAR(8)    NOT NULL,
    LETRA          VARCHAR(1)    NOT NULL,
    IDCOMPLEMENTO  INT           NOT NULL,
    USUARIO        VARCHAR(30)   NULL,
    FechaEnvioMail DATETIME      NULL,
    -- The voucher the part belongs to; a part of a voucher that does not exist is refused.
    IdComprobante  AS CAST(SUCURSAL + NUMERO + LETRA AS VARCHAR(13)) PERSISTED NOT NULL,
    CONSTRAINT FK_V_MV_CTROL_CPTE_cpte FOREIGN KEY (TC, IdComprobante) REFERENCES v_mv_cpte (tc, idcomprobante)
);

-- Trail of actions on vouchers (failed sign-ins among them).
CREATE TABLE V_MV_CPTEACCIONES (
    ID             INT IDENTITY  NOT NULL CONSTRAINT PK_V_MV_CPTEACCIONES PRIMARY KEY,
    TC             VARCHAR(4)    NULL,
    IdComprobante  VARCHAR(13)   NULL,
    IdComplemento  INT           NULL,
    Tipo_accion    VARCHAR(2)    NULL,
    FECHAHORA      DATETIME      NULL,
    Usuario        VARCHAR(30)   NULL,
    PC             VARCHAR(50)   NULL,
    SYSTEMUSER     VARCHAR(255)  NULL,
    Proceso        VARCHAR(255)  NULL,
    ProcesoLote    VARCHAR(25)   NULL,
    Cuenta         VARCHAR(15)   NULL
);

-- Failed scripts.
CREATE TABLE AUX_ERR (
    ID             INT IDENTITY  NOT NULL CONSTRAINT PK_AUX_ERR PRIMARY KEY,
    Proceso        VARCHAR(50)   NULL,
    fecha          DATETIME      NULL,
    Error          INT           NULL,
    Descripcion    VARCHAR(250)  NULL,
    Sql            VARCHAR(MAX)  NULL,
    PC             VARCHAR(50)   NULL,
    Usuario        VARCHAR(30)   NULL
);

-- The suite's settings: one row per key (and group). Values are texts.
CREATE TABLE TA_CONFIGURACION (
    ID              INT IDENTITY NOT NULL CONSTRAINT PK_TA_CONFIGURACION PRIMARY KEY,
    CLAVE           VARCHAR(60)  NOT NULL CONSTRAINT CK_TA_CONFIGURACION_CLAVE CHECK (LTRIM(RTRIM(CLAVE)) <> ''),
    GRUPO           VARCHAR(30)  NULL,
    VALOR           VARCHAR(255) NULL,
    VALORAUX        VARCHAR(255) NULL,
    PoliticaNegocio BIT          NOT NULL CONSTRAINT DF_TA_CONFIGURACION_PoliticaNegocio DEFAULT 0
);

-- Application users. PassWord holds the encoded form.
CREATE TABLE TA_USUARIOS (
    NOMBRE          VARCHAR(30)  NOT NULL,
    SISTEMA         VARCHAR(10)  NOT NULL,
    PassWord        VARCHAR(200) NULL,
    Administrador   BIT          NOT NULL CONSTRAINT DF_TA_USUARIOS_Administrador DEFAULT 0,
    UNegocio        VARCHAR(4)   NULL,
    verproforma     BIT          NOT NULL CONSTRAINT DF_TA_USUARIOS_verproforma DEFAULT 0,
    clasepusa       VARCHAR(100) NULL,
    CONSTRAINT PK_TA_USUARIOS PRIMARY KEY (NOMBRE, SISTEMA)
);

-- Menu entries of the suite and the tasks granted to each user.
CREATE TABLE TA_MENU (
    Clave           VARCHAR(10)  NOT NULL CONSTRAINT PK_TA_MENU PRIMARY KEY,
    Proceso         VARCHAR(255) NULL,
    Nombre          VARCHAR(60)  NULL
);

CREATE TABLE TA_TAREAS (
    USUARIO         VARCHAR(30)  NOT NULL,
    TAREA           VARCHAR(10)  NOT NULL CONSTRAINT FK_TA_TAREAS_TA_MENU REFERENCES TA_MENU (Clave),
    CONSTRAINT PK_TA_TAREAS PRIMARY KEY (USUARIO, TAREA)
);

-- One row per entry into a program of the suite.
CREATE TABLE Control_Acceso (
    ID              INT IDENTITY NOT NULL CONSTRAINT PK_Control_Acceso PRIMARY KEY,
    Maquina         VARCHAR(50)  NULL,
    Usuario         VARCHAR(30)  NULL,
    Formulario      VARCHAR(50)  NULL,
    Tarea           VARCHAR(60)  NULL,
    Ingreso         DATETIME     NULL,
    NombreUsuario   VARCHAR(30)  NULL
);

-- Business units; codigo is the four-character code the tables store ("   1").
CREATE TABLE v_ta_unidadNegocio (
    codigo          VARCHAR(4)   NOT NULL CONSTRAINT PK_v_ta_unidadNegocio PRIMARY KEY,
    Descripcion     VARCHAR(60)  NULL,
    razon_social    VARCHAR(60)  NULL,
    Cuit            VARCHAR(13)  NULL,
    PDV             VARCHAR(4)   NULL
);

-- Indexes the client's queries search by.
-- The day's list: tc='RM' and fechaentrega between the day's first and last second.
CREATE INDEX IX_v_mv_cpte_entrega ON v_mv_cpte (tc, FECHAENTREGA);
-- One control row per voucher part; the lookup names the voucher as sucursal+numero+letra.
CREATE UNIQUE INDEX UX_V_MV_CTROL_CPTE_parte ON V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO);
CREATE INDEX IX_V_MV_CTROL_CPTE_numero ON V_MV_CTROL_CPTE (TC, IdComprobante, IDCOMPLEMENTO);
CREATE INDEX IX_TA_CONFIGURACION_clave ON TA_CONFIGURACION (CLAVE);
