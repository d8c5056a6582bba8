#include "ado/sqlite/TiposSqlite.h"

#include "core/Fecha.h"

#include <charconv>
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

// Days from 1970-01-01 to a day of the proleptic Gregorian calendar.
long long diasDesde1970(int anio, int mes, int dia) {
    anio -= mes <= 2;
    const int era = (anio >= 0 ? anio : anio - 399) / 400;
    const int anioDeEra = anio - era * 400;
    const int diaDelAnio = (153 * (mes > 2 ? mes - 3 : mes + 9) + 2) / 5 + dia - 1;
    const int diaDeEra = anioDeEra * 365 + anioDeEra / 4 - anioDeEra / 100 + diaDelAnio;
    return era * 146097LL + diaDeEra - 719468;
}

bool bisiesto(int anio) {
    return (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0;
}

// Exactly "yyyy-mm-dd hh:mm:ss", the form the engine stores, read without building texts (a day list reads
// thousands of them). The same value fecha::desde gives.
std::optional<double> fechaGuardada(const unsigned char* s, int largo) {
    if (largo != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':')
        return std::nullopt;
    for (int p : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18})
        if (static_cast<unsigned>(s[p] - '0') > 9)
            return std::nullopt;
    const auto dos = [s](int p) { return (s[p] - '0') * 10 + (s[p + 1] - '0'); };
    const int anio = dos(0) * 100 + dos(2), mes = dos(5), dia = dos(8);
    const int hora = dos(11), minuto = dos(14), segundo = dos(17);
    static constexpr int diasDelMes[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (anio < 1 || mes < 1 || mes > 12 || dia < 1 ||
        dia > diasDelMes[mes - 1] + (mes == 2 && bisiesto(anio)) || hora > 23 || minuto > 59 || segundo > 59)
        return std::nullopt;
    constexpr long long cero = 25569; // 30/12/1899 is 25,569 days before 1970-01-01
    const double dias = static_cast<double>(diasDesde1970(anio, mes, dia) + cero);
    const double fraccion = (hora * 3600 + minuto * 60 + segundo) / 86400.0;
    // Before the zero day the fraction still counts forward from midnight, away from zero.
    return dias >= 0 ? dias + fraccion : dias - fraccion;
}

// A stored number as a decimal text: at most 15 significant digits, as the engine itself renders them,
// without the engine's trailing ".0".
QString textoDecimal(sqlite3_stmt* st, int i) {
    if (sqlite3_column_type(st, i) == SQLITE_INTEGER)
        return QString::number(sqlite3_column_int64(st, i));
    char texto[32];
    const auto r = std::to_chars(texto, texto + sizeof texto, sqlite3_column_double(st, i),
                                 std::chars_format::general, 15);
    return QString::fromLatin1(texto, r.ptr - texto);
}

// Most stored texts are plain ASCII, widened here without the general UTF-8 decoder.
QString desdeUtf8(const unsigned char* s, int largo) {
    QString texto(largo, Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (int k = 0; k < largo; ++k) {
        if (s[k] >= 0x80)
            return QString::fromUtf8(reinterpret_cast<const char*>(s), largo);
        destino[k] = s[k];
    }
    return texto;
}

QString texto(sqlite3_stmt* st, int i) {
    const unsigned char* s = sqlite3_column_text(st, i);
    return desdeUtf8(s, sqlite3_column_bytes(st, i));
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
    if (tipo == TipoSqlite::Texto) {
        const unsigned char* s = sqlite3_column_text(st, i);
        return s ? Variant(desdeUtf8(s, sqlite3_column_bytes(st, i))) : Variant::nulo();
    }
    if (tipo == TipoSqlite::Fecha) {
        const unsigned char* s = sqlite3_column_text(st, i);
        if (!s)
            return Variant::nulo();
        const int largo = sqlite3_column_bytes(st, i);
        if (const auto f = fechaGuardada(s, largo))
            return Variant::fecha(*f);
        QString texto = desdeUtf8(s, largo);
        if (const auto f = fecha::leerIso(texto))
            return Variant::fecha(*f);
        return Variant(std::move(texto));
    }
    const int clase = sqlite3_column_type(st, i);
    if (clase == SQLITE_NULL)
        return Variant::nulo();
    const bool numero = clase == SQLITE_INTEGER || clase == SQLITE_FLOAT;
    switch (tipo) {
    case TipoSqlite::SinTipo:
        return porClase(st, i, true);
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
            return Variant::decimal(textoDecimal(st, i));
        break;
    case TipoSqlite::Doble:
        if (numero)
            return Variant(sqlite3_column_double(st, i));
        break;
    case TipoSqlite::Texto:
    case TipoSqlite::Fecha:
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
