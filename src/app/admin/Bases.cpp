#include "Bases.h"

#include "BaseSqlite.h"
#include "EsquemasIncluidos.h"

#include <QDir>
#include <QFile>
#include <stdexcept>
#include <string>

namespace entrega::admin {

namespace {

constexpr const char* marcaIndices = "-- INDEXES";

Esquema partir(std::string_view texto) {
    const auto marca = texto.find(marcaIndices);
    if (marca == std::string_view::npos)
        throw std::logic_error("schema without its -- INDEXES line");
    return {texto.substr(0, marca), texto.substr(marca)};
}

} // namespace

QString archivoBase(const QString& carpeta, const QString& nombre) {
    return QDir::toNativeSeparators(QDir(carpeta).filePath(nombre + QStringLiteral(".sqlite")));
}

Esquema esquemaTrabajo() {
    return partir(incluido::esquemaTrabajo);
}
Esquema esquemaEstadisticas() {
    return partir(incluido::esquemaEstadisticas);
}

void prepararArchivo(const QString& archivo, bool reemplazar) {
    if (QFile::exists(archivo)) {
        if (!reemplazar)
            throw std::runtime_error(
                QStringLiteral("ya existe %1 (use --force para reemplazarla)").arg(archivo).toStdString());
        if (!QFile::remove(archivo))
            throw std::runtime_error(QStringLiteral("no se puede borrar %1").arg(archivo).toStdString());
    }
    for (const char* sufijo : {"-wal", "-shm", "-journal"})
        QFile::remove(archivo + QLatin1String(sufijo));
}

void crearBasesVacias(const QString& carpeta, bool reemplazar) {
    if (!QDir().mkpath(carpeta))
        throw std::runtime_error(
            QStringLiteral("no se puede crear la carpeta %1").arg(carpeta).toStdString());
    const QString trabajo = archivoBase(carpeta, baseTrabajo);
    const QString estadisticas = archivoBase(carpeta, baseEstadisticas);
    // Both are checked before either is touched, so a refusal leaves the folder as it was.
    if (!reemplazar)
        for (const QString& archivo : {trabajo, estadisticas})
            prepararArchivo(archivo, false);
    for (const auto& [archivo, esquema] :
         {std::pair{trabajo, esquemaTrabajo()}, std::pair{estadisticas, esquemaEstadisticas()}}) {
        prepararArchivo(archivo, reemplazar);
        BaseSqlite base(archivo, true);
        base.ejecutar("PRAGMA journal_mode=WAL");
        base.ejecutar(esquema.tablas);
        base.ejecutar(esquema.indices);
    }
}

} // namespace entrega::admin
