#include "ado/odbc/ParametrosOdbc.h"

#include "ado/odbc/TextoOdbc.h"
#include "core/Fecha.h"

#include <cmath>

namespace entrega::ado::odbc {

namespace {

QString textoMoneda(std::int64_t diezmilesimos) {
    const bool negativo = diezmilesimos < 0;
    const std::uint64_t a = negativo ? static_cast<std::uint64_t>(-(diezmilesimos + 1)) + 1
                                     : static_cast<std::uint64_t>(diezmilesimos);
    return QStringLiteral("%1%2.%3")
        .arg(negativo ? QStringLiteral("-") : QString())
        .arg(a / 10000)
        .arg(a % 10000, 4, 10, QChar(u'0'));
}

SQLULEN digitos(const QString& decimal) {
    SQLULEN n = 0;
    for (QChar c : decimal)
        n += c.isDigit() ? 1 : 0;
    return n;
}

} // namespace

SQL_TIMESTAMP_STRUCT momentoOdbc(double fecha) {
    constexpr qint64 MsDia = 86'400'000;
    const double dias = std::trunc(fecha);
    qint64 ms = std::llround(std::fabs(fecha - dias) * MsDia);
    QDate dia = QDate(1899, 12, 30).addDays(static_cast<qint64>(dias));
    if (ms >= MsDia) { // rounding reached the next midnight
        ms -= MsDia;
        dia = dia.addDays(fecha >= 0 ? 1 : -1);
    }
    SQL_TIMESTAMP_STRUCT m{};
    m.year = static_cast<SQLSMALLINT>(dia.year());
    m.month = static_cast<SQLUSMALLINT>(dia.month());
    m.day = static_cast<SQLUSMALLINT>(dia.day());
    m.hour = static_cast<SQLUSMALLINT>(ms / 3'600'000);
    m.minute = static_cast<SQLUSMALLINT>(ms / 60'000 % 60);
    m.second = static_cast<SQLUSMALLINT>(ms / 1000 % 60);
    m.fraction = static_cast<SQLUINTEGER>(ms % 1000 * 1'000'000);
    return m;
}

ParametrosOdbc::ParametrosOdbc(SQLHSTMT sentencia, const QList<Variant>& valores, Dialecto dialecto) {
    for (qsizetype i = 0; i < valores.size() && exito(m_resultado); ++i)
        m_resultado = enlazar(sentencia, static_cast<SQLUSMALLINT>(i + 1), valores.at(i), dialecto);
}

SQLRETURN ParametrosOdbc::enlazar(SQLHSTMT s, SQLUSMALLINT n, const Variant& v, Dialecto dialecto) {
    Enlace& e = m_enlaces.emplace_back();
    const auto comoTexto = [&](const QString& texto, SQLSMALLINT tipoSql, SQLULEN tamano,
                               SQLSMALLINT escala) {
        e.texto = texto;
        e.indicador = static_cast<SQLLEN>(texto.size() * sizeof(SQLWCHAR));
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_WCHAR, tipoSql, std::max<SQLULEN>(tamano, 1),
                                escala, aSqlW(e.texto), e.indicador, &e.indicador);
    };
    switch (v.tipo()) {
    case Variant::Tipo::Empty:
    case Variant::Tipo::Null:
        e.indicador = SQL_NULL_DATA;
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 1, 0, aSqlW(e.texto), 0,
                                &e.indicador);
    case Variant::Tipo::Boolean:
        e.bit = v.aBooleano() ? 1 : 0;
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_BIT, SQL_BIT, 1, 0, &e.bit, 0, nullptr);
    case Variant::Tipo::Integer:
        e.corto = v.aEntero();
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_SSHORT, SQL_SMALLINT, 5, 0, &e.corto, 0,
                                nullptr);
    case Variant::Tipo::Long:
        e.largo = v.aLargo();
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 10, 0, &e.largo, 0, nullptr);
    case Variant::Tipo::Double:
        e.doble = v.aDoble();
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &e.doble, 0, nullptr);
    case Variant::Tipo::Currency:
        return comoTexto(textoMoneda(v.monedaCruda()), SQL_DECIMAL, 19, 4);
    case Variant::Tipo::Decimal: {
        const QString& d = v.decimalCrudo();
        const qsizetype punto = d.indexOf(u'.');
        const auto escala = static_cast<SQLSMALLINT>(punto < 0 ? 0 : digitos(d.mid(punto)));
        return comoTexto(d, SQL_DECIMAL, std::max<SQLULEN>(digitos(d), 1), escala);
    }
    case Variant::Tipo::Date: {
        if (dialecto == Dialecto::Sqlite) {
            const QString iso = fecha::textoIso(v.aFecha());
            return comoTexto(iso, SQL_WVARCHAR, static_cast<SQLULEN>(iso.size()), 0);
        }
        e.momento = momentoOdbc(v.aFecha());
        return SQLBindParameter(s, n, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3,
                                &e.momento, 0, nullptr);
    }
    case Variant::Tipo::Text: {
        const QString texto = v.aTexto();
        // Beyond 4000 characters SQL Server needs nvarchar(max).
        const SQLSMALLINT tipo = texto.size() > 4000 ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
        return comoTexto(texto, tipo, static_cast<SQLULEN>(texto.size()), 0);
    }
    }
    return SQL_ERROR;
}

} // namespace entrega::ado::odbc
