-- The statistics database of the embedded engine (QE_FJLSALXCENKK.sqlite): the suite's second database,
-- read here only for its settings (the command time-out "TimeOut", group "BaseDeDatos").
-- Declared types and text comparison as in entrega.sql.

CREATE TABLE TA_CONFIGURACION (
    ID              INTEGER PRIMARY KEY,
    CLAVE           VARCHAR(60)  COLLATE NOCASE NOT NULL CHECK (trim(CLAVE) <> ''),
    GRUPO           VARCHAR(30)  COLLATE NOCASE,
    VALOR           VARCHAR(255) COLLATE NOCASE,
    VALORAUX        VARCHAR(255) COLLATE NOCASE,
    PoliticaNegocio BIT          NOT NULL DEFAULT 0
);

-- INDEXES
CREATE INDEX IX_TA_CONFIGURACION_clave ON TA_CONFIGURACION (CLAVE);
