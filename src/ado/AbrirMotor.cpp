#include "ado/Connection.h"
#include "ado/sqlite/MotorSqlite.h"

#include <QHash>

namespace entrega::ado {

using namespace Qt::StringLiterals;

namespace {
// "Key=Value;Key=Value", keys without regard to case.
QHash<QString, QString> partes(const QString& cadena) {
    QHash<QString, QString> p;
    for (const QString& parte : cadena.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype igual = parte.indexOf(u'=');
        if (igual > 0)
            p.insert(parte.left(igual).trimmed().toLower(), parte.mid(igual + 1).trimmed());
    }
    return p;
}
} // namespace

std::unique_ptr<Motor> abrirMotor(const QString& cadena, int tiempoEspera) {
    const QHash<QString, QString> p = partes(cadena);
    if (p.value(u"provider"_s).compare(u"SQLite"_s, Qt::CaseInsensitive) == 0)
        return std::make_unique<sqlite::MotorSqlite>(p.value(u"data source"_s), p.value(u"database"_s),
                                                     tiempoEspera);
    throw ErrorMotor({{fallas::NoConecta, 0, u"IM002"_s,
                       u"ODBC not available yet: no engine opens \"%1\"."_s.arg(cadena), u"Entrega.ADO"_s}});
}

} // namespace entrega::ado
