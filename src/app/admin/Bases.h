#pragma once
// The two embedded databases of a data folder and how they are created.
#include <QString>
#include <string_view>

namespace entrega::admin {

class BaseSqlite;

// Database names: the client connects to them as @DbName and through the statistics link.
inline const QString baseTrabajo = QStringLiteral("ENTREGA");
inline const QString baseEstadisticas = QStringLiteral("QE_FJLSALXCENKK");

// <folder>/<name>.sqlite, the file the embedded engine opens for a database name.
QString archivoBase(const QString& carpeta, const QString& nombre);

// A schema file split at its "-- INDEXES" line: the tables, then the indexes (built after a bulk fill).
struct Esquema {
    std::string_view tablas;
    std::string_view indices;
};
Esquema esquemaTrabajo();
Esquema esquemaEstadisticas();

// Creates the folder when missing and both database files with their schema, tables and indexes, empty.
// Refuses (std::runtime_error) when either file exists, unless `reemplazar` is set.
void crearBasesVacias(const QString& carpeta, bool reemplazar);

// Removes what stands in the way of a new database at this path (the file and its journal files), or
// refuses when `reemplazar` is not set.
void prepararArchivo(const QString& archivo, bool reemplazar);

} // namespace entrega::admin
