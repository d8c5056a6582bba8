// SQLite's failures told the way SQL Server tells them, so callers that test native numbers (2627 for a
// duplicate key, 547 for a constraint conflict) behave alike on both engines.
#include "ado/dialect/Dialecto.h"

#include <QRegularExpression>

namespace entrega::ado::dialecto {

using namespace Qt::StringLiterals;

namespace {

// SQLite's result codes, primary and extended, as the C API numbers them.
constexpr int Ocupada = 5;
constexpr int Bloqueada = 6;
constexpr int Restriccion = 19;
constexpr int RestriccionCheck = Restriccion | (1 << 8);
constexpr int RestriccionForanea = Restriccion | (3 << 8);
constexpr int RestriccionNoNula = Restriccion | (5 << 8);
constexpr int RestriccionPrimaria = Restriccion | (6 << 8);
constexpr int RestriccionUnica = Restriccion | (8 << 8);

constexpr int Terminada = 3621;

QString despuesDeDosPuntos(const QString& mensaje) {
    const qsizetype i = mensaje.indexOf(u':');
    return i < 0 ? QString() : mensaje.mid(i + 1).trimmed();
}

// "T.a, T.b" -> T
QString tablaDe(const QString& columnas) {
    return columnas.section(u'.', 0, 0).trimmed();
}

QString verbo(const QString& sentencia) {
    static const QRegularExpression palabra(u"[A-Za-z]+"_s);
    return palabra.match(sentencia).captured().toUpper();
}

QString descripcion(int nativo, int codigo, const QString& mensaje, const QString& sentencia) {
    const QString detalle = despuesDeDosPuntos(mensaje);
    switch (nativo) {
    case 2627: {
        const QString tabla = tablaDe(detalle);
        if (codigo == RestriccionPrimaria)
            return u"Violation of PRIMARY KEY constraint 'PK_%1'. Cannot insert duplicate key in object '%1'."_s
                .arg(tabla);
        return u"Violation of UNIQUE KEY constraint 'UQ_%1'. Cannot insert duplicate key in object '%1'."_s
            .arg(tabla);
    }
    case 547:
        if (codigo == RestriccionCheck || mensaje.contains(u"CHECK"))
            return u"The %1 statement conflicted with the CHECK constraint \"%2\"."_s.arg(verbo(sentencia),
                                                                                          detalle);
        if (verbo(sentencia) == u"DELETE")
            return u"The DELETE statement conflicted with the REFERENCE constraint."_s;
        return u"The %1 statement conflicted with the FOREIGN KEY constraint."_s.arg(verbo(sentencia));
    case 515:
        return u"Cannot insert the value NULL into column '%1', table '%2'; column does not allow nulls. %3 fails."_s
            .arg(detalle.section(u'.', 1), tablaDe(detalle), verbo(sentencia));
    case 208:
        return u"Invalid object name '%1'."_s.arg(detalle);
    case 207: {
        const qsizetype i = mensaje.indexOf(u"no column named");
        const QString columna = i >= 0 ? mensaje.mid(i + 15).trimmed() : detalle.section(u'.', -1);
        return u"Invalid column name '%1'."_s.arg(columna);
    }
    case 102: {
        static const QRegularExpression cerca(uR"x(near "(.*)": syntax error)x"_s);
        const auto r = cerca.match(mensaje);
        const QString junto = r.hasMatch() ? r.captured(1) : sentencia.trimmed().section(u' ', -1);
        return u"Incorrect syntax near '%1'."_s.arg(junto);
    }
    default:
        return mensaje;
    }
}

QString estadoSql(int nativo) {
    switch (nativo) {
    case 2627:
    case 547:
    case 515:
        return u"23000"_s;
    case 208:
        return u"42S02"_s;
    case 207:
        return u"42S22"_s;
    case 102:
        return u"42000"_s;
    default:
        return u"HY000"_s;
    }
}

} // namespace

int nativoSqlServer(int codigo, const QString& mensaje) {
    const int primario = codigo & 0xff;
    if (primario == Restriccion) {
        if (codigo == RestriccionPrimaria || codigo == RestriccionUnica || mensaje.startsWith(u"UNIQUE"))
            return 2627;
        if (codigo == RestriccionForanea || codigo == RestriccionCheck ||
            mensaje.startsWith(u"FOREIGN KEY") || mensaje.startsWith(u"CHECK"))
            return 547;
        if (codigo == RestriccionNoNula || mensaje.startsWith(u"NOT NULL"))
            return 515;
    }
    if (primario == Ocupada || primario == Bloqueada)
        return 0;
    if (mensaje.startsWith(u"no such table") || mensaje.startsWith(u"no such view"))
        return 208;
    if (mensaje.startsWith(u"no such column") || mensaje.contains(u"has no column named"))
        return 207;
    if (mensaje.contains(u"syntax error") || mensaje.startsWith(u"incomplete input") ||
        mensaje.startsWith(u"unrecognized token"))
        return 102;
    return codigo;
}

QList<ErrorProveedor> erroresComoSqlServer(int codigo, const QString& mensaje, const QString& sentencia) {
    const QString origen = QString::fromUtf16(origenSqlite);
    const int primario = codigo & 0xff;
    if (primario == Ocupada || primario == Bloqueada)
        return {{fallas::TiempoAgotado, 0, u"HYT00"_s, u"Query timeout expired"_s, origen}};
    const int nativo = nativoSqlServer(codigo, mensaje);
    QList<ErrorProveedor> registros = {{fallas::ErrorDeServidor, nativo, estadoSql(nativo),
                                        descripcion(nativo, codigo, mensaje, sentencia), origen}};
    if (nativo == 2627 || nativo == 547 || nativo == 515)
        registros.append({fallas::ErrorDeServidor, Terminada, u"01000"_s,
                          u"The statement has been terminated."_s, origen});
    return registros;
}

} // namespace entrega::ado::dialecto
