#include "ado/sqlite/TiposSqlite.h"

#include "core/Fecha.h"

#include <limits>
#include <optional>
#include <sqlite3.h>

namespace entrega::ado::sqlite {

using namespace Qt::StringLiterals;

TipoSqlite tipoDeclarado(const QString& declarado) {
    const QString base = declarado.section(u'(', 0, 0).trimmed().toUpper();
    if (base.isEmpty())
        return TipoSqlite::SinTipo;
    if (base == u"DATETIME" || base == u"DATE" || base == u"SMALLDATETIME" || base == u"DATETIME2")
        return TipoSqlite::Fecha;
    if (base == u"BIT")
        return TipoSqlite::Booleano;
    if (base == u"SMALLINT" || base == u"TINYINT")
        return TipoSqlite::Entero;
    if (base == u"INT" || base == u"INTEGER")
        return TipoSqlite::Largo;
    if (base == u"MONEY" || base == u"SMALLMONEY")
        return TipoSqlite::Moneda;
    if (base == u"DECIMAL" || base == u"NUMERIC" || base == u"BIGINT")
        return TipoSqlite::Decimal;
    if (base == u"FLOAT" || base == u"REAL" || base == u"DOUBLE" || base == u"DOUBLE PRECISION")
        return TipoSqlite::Doble;
    return TipoSqlite::Texto;
}

Variant::Tipo tipoVariant(TipoSqlite tipo) {
    switch (tipo) {
    case TipoSqlite::SinTipo:
        return Variant::Tipo::Empty;
    case TipoSqlite::Fecha:
        return Variant::Tipo::Date;
    case TipoSqlite::Booleano:
        return Variant::Tipo::Boolean;
    case TipoSqlite::Entero:
        return Variant::Tipo::Integer;
    case TipoSqlite::Largo:
        return Variant::Tipo::Long;
    case TipoSqlite::Moneda:
        return Variant::Tipo::Currency;
    case TipoSqlite::Decimal:
        return Variant::Tipo::Decimal;
    case TipoSqlite::Doble:
        return Variant::Tipo::Double;
    case TipoSqlite::Texto:
        return Variant::Tipo::Text;
    }
    return Variant::Tipo::Empty;
}

namespace {

int digitos(const unsigned char* s, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// Exactly "yyyy-mm-dd hh:mm:ss", the form the engine stores; read without building texts.
std::optional<double> fechaGuardada(const unsigned char* s, int largo) {
    if (largo != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':')
        return std::nullopt;
    const QDate dia(digitos(s, 4), digitos(s + 5, 2), digitos(s + 8, 2));
    const QTime hora(digitos(s + 11, 2), digitos(s + 14, 2), digitos(s + 17, 2));
    if (!dia.isValid() || !hora.isValid())
        return std::nullopt;
    return fecha::desde(dia, hora);
}

QString texto(sqlite3_stmt* st, int i) {
    const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
    return QString::fromUtf8(s, sqlite3_column_bytes(st, i));
}

Variant entero(sqlite3_int64 v) {
    if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(v));
    return Variant::decimal(QString::number(v));
}

Variant porClase(sqlite3_stmt* st, int i, bool fechas) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL:
        return Variant::nulo();
    case SQLITE_INTEGER:
        return entero(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(st, i));
    default:
        if (fechas)
            if (const auto f = fechaGuardada(sqlite3_column_text(st, i), sqlite3_column_bytes(st, i)))
                return Variant::fecha(*f);
        return Variant(texto(st, i));
    }
}

} // namespace

Variant leerValor(sqlite3_stmt* st, int i, TipoSqlite tipo) {
    const int clase = sqlite3_column_type(st, i);
    if (clase == SQLITE_NULL)
        return Variant::nulo();
    const bool numero = clase == SQLITE_INTEGER || clase == SQLITE_FLOAT;
    switch (tipo) {
    case TipoSqlite::SinTipo:
        return porClase(st, i, true);
    case TipoSqlite::Texto:
        return Variant(texto(st, i));
    case TipoSqlite::Fecha:
        if (clase == SQLITE_TEXT) {
            if (const auto f = fechaGuardada(sqlite3_column_text(st, i), sqlite3_column_bytes(st, i)))
                return Variant::fecha(*f);
            if (const auto f = fecha::leerIso(texto(st, i)))
                return Variant::fecha(*f);
        }
        break;
    case TipoSqlite::Booleano:
        if (numero)
            return Variant(sqlite3_column_int64(st, i) != 0);
        break;
    case TipoSqlite::Entero:
        if (clase == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_column_int64(st, i);
            if (v >= std::numeric_limits<std::int16_t>::min() &&
                v <= std::numeric_limits<std::int16_t>::max())
                return Variant::entero(static_cast<std::int16_t>(v));
            return entero(v);
        }
        break;
    case TipoSqlite::Largo:
        if (clase == SQLITE_INTEGER)
            return entero(sqlite3_column_int64(st, i));
        break;
    case TipoSqlite::Moneda:
        if (clase == SQLITE_INTEGER)
            return Variant::moneda(sqlite3_column_int64(st, i) * 10000);
        if (clase == SQLITE_FLOAT)
            return Variant::monedaDesde(sqlite3_column_double(st, i));
        break;
    case TipoSqlite::Decimal:
        if (numero)
            return Variant::decimal(texto(st, i));
        break;
    case TipoSqlite::Doble:
        if (numero)
            return Variant(sqlite3_column_double(st, i));
        break;
    }
    return porClase(st, i, false);
}

void enlazar(sqlite3_stmt* st, int p, const Variant& v) {
    switch (v.tipo()) {
    case Variant::Tipo::Empty:
    case Variant::Tipo::Null:
        sqlite3_bind_null(st, p);
        break;
    case Variant::Tipo::Boolean:
        sqlite3_bind_int(st, p, v.aBooleano() ? 1 : 0);
        break;
    case Variant::Tipo::Integer:
    case Variant::Tipo::Long:
        sqlite3_bind_int(st, p, v.aLargo());
        break;
    case Variant::Tipo::Double:
        sqlite3_bind_double(st, p, v.aDoble());
        break;
    case Variant::Tipo::Currency:
        if (v.monedaCruda() % 10000 == 0)
            sqlite3_bind_int64(st, p, v.monedaCruda() / 10000);
        else
            sqlite3_bind_double(st, p, static_cast<double>(v.monedaCruda()) / 10000.0);
        break;
    case Variant::Tipo::Decimal:
    case Variant::Tipo::Date:
    case Variant::Tipo::Text: {
        const QString texto = v.tipo() == Variant::Tipo::Date      ? fecha::textoIso(v.aFecha())
                              : v.tipo() == Variant::Tipo::Decimal ? v.decimalCrudo()
                                                                   : v.aTexto();
        const QByteArray utf8 = texto.toUtf8();
        sqlite3_bind_text(st, p, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace entrega::ado::sqlite
