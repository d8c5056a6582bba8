-- The statistics database QE_FJLSALXCENKK on a SQL Server: the objects of estadisticas.sql in T-SQL.
-- Run it in that database (its login, by the suite's convention, carries the database's own name):
--   sqlcmd -S srv01 -d QE_FJLSALXCENKK -U QE_FJLSALXCENKK -P ... -i db/sqlserver-estadisticas.sql

CREATE TABLE TA_CONFIGURACION (
    ID              INT IDENTITY NOT NULL CONSTRAINT PK_TA_CONFIGURACION PRIMARY KEY,
    CLAVE           VARCHAR(60)  NOT NULL CONSTRAINT CK_TA_CONFIGURACION_CLAVE CHECK (LTRIM(RTRIM(CLAVE)) <> ''),
    GRUPO           VARCHAR(30)  NULL,
    VALOR           VARCHAR(255) NULL,
    VALORAUX        VARCHAR(255) NULL,
    PoliticaNegocio BIT          NOT NULL CONSTRAINT DF_TA_CONFIGURACION_PoliticaNegocio DEFAULT 0
);

CREATE INDEX IX_TA_CONFIGURACION_clave ON TA_CONFIGURACION (CLAVE);
