-- The working database of the embedded engine (ENTREGA.sqlite).
--
-- Declared types are the ones the client reads by: DATETIME is a date, BIT a Boolean, SMALLINT and INT
-- 16- and 32-bit integers, MONEY a currency amount, DECIMAL a decimal, VARCHAR text. Dates are stored as
-- the sortable text 'yyyy-mm-dd hh:mm:ss' (the CHECKs refuse any other form, so a date written in the
-- wrong shape fails loudly instead of vanishing from the day's list). Texts compare ignoring case, as on
-- the server.
--
-- The client names v_mv_cpte and V_MV_CTROL_CPTE as views but writes through them (the delivery date of a
-- voucher through an updatable result set, the control row of a voucher part by INSERT), so here they are
-- tables: a table has the primary key the optimistic update names the row by, and takes an INSERT with no
-- trigger to keep in step.

-- Vouchers with their customer data. FECHAENTREGA is null until the voucher is delivered.
CREATE TABLE v_mv_cpte (
    tc             VARCHAR(4)   COLLATE NOCASE NOT NULL,
    idcomprobante  VARCHAR(13)  COLLATE NOCASE NOT NULL, -- branch (4) + number (8) + letter (1)
    fecha          DATETIME     NOT NULL
        CHECK (fecha GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    FECHAENTREGA   DATETIME
        CHECK (FECHAENTREGA GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    Cuenta         VARCHAR(15)  COLLATE NOCASE,
    nombre         VARCHAR(60)  COLLATE NOCASE,
    Domicilio      VARCHAR(60)  COLLATE NOCASE,
    Localidad      VARCHAR(40)  COLLATE NOCASE,
    idpalm         VARCHAR(10)  COLLATE NOCASE, -- delivery zone
    IdVendedor     INT,
    FechaEstInicio DATETIME
        CHECK (FechaEstInicio GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    IdDeposito     SMALLINT,
    Total          MONEY,
    PRIMARY KEY (tc, idcomprobante)
);

-- Stock movements: the lines of each voucher; a voucher delivered in parts has its lines under
-- complements 5, 10, ... instead of 0. Kept in key order (WITHOUT ROWID), which is the order the lookup of
-- a voucher part reads them in, so the table needs no index of its own.
CREATE TABLE V_MV_STOCK (
    tc             VARCHAR(4)   COLLATE NOCASE NOT NULL,
    idcomprobante  VARCHAR(13)  COLLATE NOCASE NOT NULL,
    IDCOMPLEMENTO  INT          NOT NULL DEFAULT 0,
    Renglon        SMALLINT     NOT NULL,
    IdArticulo     VARCHAR(15)  COLLATE NOCASE NOT NULL,
    Descripcion    VARCHAR(60)  COLLATE NOCASE,
    Cantidad       DECIMAL(18,4) NOT NULL,
    IdDeposito     SMALLINT,
    PRIMARY KEY (tc, idcomprobante, IDCOMPLEMENTO, Renglon),
    FOREIGN KEY (tc, idcomprobante) REFERENCES v_mv_cpte (tc, idcomprobante)
) WITHOUT ROWID;

-- One control row per delivered voucher part. The client compares sucursal+numero+letra with the
-- 13-character voucher number, so the three are texts kept at their full widths (4, 8, 1).
CREATE TABLE V_MV_CTROL_CPTE (
    ID             INTEGER PRIMARY KEY,
    TC             VARCHAR(4)   COLLATE NOCASE NOT NULL,
    SUCURSAL       VARCHAR(4)   COLLATE NOCASE NOT NULL,
    NUMERO         VARCHAR(8)   COLLATE NOCASE NOT NULL,
    LETRA          VARCHAR(1)   COLLATE NOCASE NOT NULL,
    IDCOMPLEMENTO  INT          NOT NULL,
    USUARIO        VARCHAR(30)  COLLATE NOCASE,
    FechaEnvioMail DATETIME
        CHECK (FechaEnvioMail GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    -- The voucher the part belongs to; a part of a voucher that does not exist is refused.
    IdComprobante  VARCHAR(13)  COLLATE NOCASE GENERATED ALWAYS AS (SUCURSAL || NUMERO || LETRA) VIRTUAL,
    FOREIGN KEY (TC, IdComprobante) REFERENCES v_mv_cpte (tc, idcomprobante)
);

-- Trail of actions on vouchers (failed sign-ins among them).
CREATE TABLE V_MV_CPTEACCIONES (
    ID             INTEGER PRIMARY KEY,
    TC             VARCHAR(4)   COLLATE NOCASE,
    IdComprobante  VARCHAR(13)  COLLATE NOCASE,
    IdComplemento  INT,
    Tipo_accion    VARCHAR(2)   COLLATE NOCASE,
    FECHAHORA      DATETIME
        CHECK (FECHAHORA GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    Usuario        VARCHAR(30)  COLLATE NOCASE,
    PC             VARCHAR(50)  COLLATE NOCASE,
    SYSTEMUSER     VARCHAR(255) COLLATE NOCASE,
    Proceso        VARCHAR(255) COLLATE NOCASE,
    ProcesoLote    VARCHAR(25)  COLLATE NOCASE,
    Cuenta         VARCHAR(15)  COLLATE NOCASE
);

-- Failed scripts.
CREATE TABLE AUX_ERR (
    ID             INTEGER PRIMARY KEY,
    Proceso        VARCHAR(50)  COLLATE NOCASE,
    fecha          DATETIME
        CHECK (fecha GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    Error          INT,
    Descripcion    VARCHAR(250) COLLATE NOCASE,
    Sql            TEXT         COLLATE NOCASE,
    PC             VARCHAR(50)  COLLATE NOCASE,
    Usuario        VARCHAR(30)  COLLATE NOCASE
);

-- The suite's settings: one row per key (and group). Values are texts.
CREATE TABLE TA_CONFIGURACION (
    ID              INTEGER PRIMARY KEY,
    CLAVE           VARCHAR(60)  COLLATE NOCASE NOT NULL CHECK (trim(CLAVE) <> ''),
    GRUPO           VARCHAR(30)  COLLATE NOCASE,
    VALOR           VARCHAR(255) COLLATE NOCASE,
    VALORAUX        VARCHAR(255) COLLATE NOCASE,
    PoliticaNegocio BIT          NOT NULL DEFAULT 0
);

-- Application users. PassWord holds the encoded form.
CREATE TABLE TA_USUARIOS (
    NOMBRE          VARCHAR(30)  COLLATE NOCASE NOT NULL,
    SISTEMA         VARCHAR(10)  COLLATE NOCASE NOT NULL,
    PassWord        VARCHAR(200) COLLATE NOCASE,
    Administrador   BIT          NOT NULL DEFAULT 0,
    UNegocio        VARCHAR(4)   COLLATE NOCASE,
    verproforma     BIT          NOT NULL DEFAULT 0,
    clasepusa       VARCHAR(100) COLLATE NOCASE,
    PRIMARY KEY (NOMBRE, SISTEMA)
);

-- Menu entries of the suite and the tasks granted to each user.
CREATE TABLE TA_MENU (
    Clave           VARCHAR(10)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Proceso         VARCHAR(255) COLLATE NOCASE,
    Nombre          VARCHAR(60)  COLLATE NOCASE
);

CREATE TABLE TA_TAREAS (
    USUARIO         VARCHAR(30)  COLLATE NOCASE NOT NULL,
    TAREA           VARCHAR(10)  COLLATE NOCASE NOT NULL REFERENCES TA_MENU (Clave),
    PRIMARY KEY (USUARIO, TAREA)
);

-- One row per entry into a program of the suite.
CREATE TABLE Control_Acceso (
    ID              INTEGER PRIMARY KEY,
    Maquina         VARCHAR(50)  COLLATE NOCASE,
    Usuario         VARCHAR(30)  COLLATE NOCASE,
    Formulario      VARCHAR(50)  COLLATE NOCASE,
    Tarea           VARCHAR(60)  COLLATE NOCASE,
    Ingreso         DATETIME
        CHECK (Ingreso GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    NombreUsuario   VARCHAR(30)  COLLATE NOCASE
);

-- Business units; codigo is the four-character code the tables store ("   1").
CREATE TABLE v_ta_unidadNegocio (
    codigo          VARCHAR(4)   COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion     VARCHAR(60)  COLLATE NOCASE,
    razon_social    VARCHAR(60)  COLLATE NOCASE,
    Cuit            VARCHAR(13)  COLLATE NOCASE,
    PDV             VARCHAR(4)   COLLATE NOCASE
);

-- Indexes the client's queries search by. entrega-admin builds them after a bulk fill, so they live in
-- their own file section, after the marker line below.
-- INDEXES
-- The day's list: tc='RM' and fechaentrega between the day's first and last second.
CREATE INDEX IX_v_mv_cpte_entrega ON v_mv_cpte (tc, FECHAENTREGA);
-- One control row per voucher part; the lookup names the voucher as sucursal||numero||letra.
CREATE UNIQUE INDEX UX_V_MV_CTROL_CPTE_parte ON V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO);
CREATE INDEX IX_V_MV_CTROL_CPTE_numero ON V_MV_CTROL_CPTE (TC, (SUCURSAL || NUMERO || LETRA), IDCOMPLEMENTO);
CREATE INDEX IX_TA_CONFIGURACION_clave ON TA_CONFIGURACION (CLAVE);
