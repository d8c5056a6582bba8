#include "companion/cIni.h"

#include "core/Texto.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace entrega {

namespace {

QString decodificar(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    if (!utf8.hasError())
        return texto;
    QStringDecoder windows1252("windows-1252");
    return windows1252(bytes);
}

// Blanks and tabs around names and values, as the platform's INI reader drops them.
QString limpio(const QString& s) {
    return s.trimmed();
}

} // namespace

QString cIni::rutaDe(const QString& archivo) const {
    const QDir carpeta(m_carpeta);
    if (carpeta.exists(archivo))
        return carpeta.filePath(archivo);
    for (const QString& nombre : carpeta.entryList(QDir::Files))
        if (nombre.compare(archivo, Qt::CaseInsensitive) == 0)
            return carpeta.filePath(nombre);
    return {};
}

QString cIni::LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                      const QString& predeterminado) const {
    const QString ruta = rutaDe(archivo);
    QFile fichero(ruta);
    if (ruta.isEmpty() || !fichero.open(QIODevice::ReadOnly))
        return predeterminado;
    const QStringList lineas = decodificar(fichero.readAll()).split(u'\n');
    bool enSeccion = false;
    for (const QString& cruda : lineas) {
        const QString linea = limpio(cruda);
        if (linea.isEmpty() || linea.startsWith(u';'))
            continue;
        if (linea.startsWith(u'[')) {
            const qsizetype cierre = linea.indexOf(u']');
            enSeccion =
                cierre > 0 && texto::igualesSinMayusculas(limpio(linea.mid(1, cierre - 1)), limpio(seccion));
            continue;
        }
        const qsizetype igual = linea.indexOf(u'=');
        if (!enSeccion || igual < 0 || !texto::igualesSinMayusculas(limpio(linea.left(igual)), limpio(clave)))
            continue;
        QString valor = limpio(linea.mid(igual + 1));
        if (valor.size() >= 2 && valor.startsWith(u'"') && valor.endsWith(u'"'))
            valor = valor.mid(1, valor.size() - 2);
        return valor;
    }
    return predeterminado;
}

} // namespace entrega
