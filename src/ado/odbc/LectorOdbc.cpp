#include "ado/odbc/LectorOdbc.h"

#include "ado/odbc/DiagnosticoOdbc.h"
#include "ado/odbc/TextoOdbc.h"
#include "core/Fecha.h"

#include <array>
#include <limits>
#include <optional>

namespace entrega::ado::odbc {

namespace {

QString atributoTexto(SQLHSTMT s, SQLUSMALLINT n, SQLUSMALLINT campo) {
    std::array<SQLWCHAR, 256> texto{};
    SQLSMALLINT bytes = 0;
    if (!exito(
            SQLColAttributeW(s, n, campo, texto.data(), sizeof(texto) - sizeof(SQLWCHAR), &bytes, nullptr)))
        return {};
    const qsizetype longitud = std::min<qsizetype>(bytes / 2, texto.size() - 1);
    return desdeSqlW(texto.data(), longitud);
}

// "123.4500", "-0.5", ".25" in ten-thousandths; nothing when the text is no plain decimal number.
std::optional<std::int64_t> diezmilesimos(const QString& texto) {
    const QString t = texto.trimmed();
    const bool negativo = t.startsWith(u'-');
    const QString cifras = negativo ? t.mid(1) : t;
    const qsizetype punto = cifras.indexOf(u'.');
    const QString entera = punto < 0 ? cifras : cifras.left(punto);
    QString fraccion = punto < 0 ? QString() : cifras.mid(punto + 1);
    bool ok = true;
    const qlonglong unidades = entera.isEmpty() ? 0 : entera.toLongLong(&ok);
    if (!ok || (entera.isEmpty() && fraccion.isEmpty()))
        return std::nullopt;
    fraccion = (fraccion + QStringLiteral("0000")).left(4);
    const qlonglong partes = fraccion.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const std::int64_t valor = unidades * 10000 + partes;
    return negativo ? -valor : valor;
}

QString decimalNormal(QString texto) {
    if (texto.startsWith(u'.'))
        texto.prepend(u'0');
    else if (texto.startsWith(QStringLiteral("-.")))
        texto.insert(1, u'0');
    return texto;
}

} // namespace

LectorOdbc::LectorOdbc(std::shared_ptr<SentenciaOdbc> sentencia, Circunstancia circunstancia)
    : m_sentencia(std::move(sentencia)), m_circunstancia(std::move(circunstancia)) {
    describir();
}

LectorOdbc::Lectura LectorOdbc::lecturaDe(SQLSMALLINT tipoSql, const QString& nombreTipo,
                                          SQLSMALLINT escala) {
    const QString tipo = nombreTipo.toLower();
    if (tipo == u"money" || tipo == u"smallmoney")
        return Lectura::Moneda;
    // The SQLite driver reports a declared DECIMAL(p,s) as text; its name still says what it holds.
    if (tipo.startsWith(u"decimal") || tipo.startsWith(u"numeric"))
        return Lectura::Decimal;
    switch (tipoSql) {
    case SQL_BIT:
        return Lectura::Booleano;
    case SQL_TINYINT:
    case SQL_SMALLINT:
        return Lectura::Entero;
    case SQL_INTEGER:
        return Lectura::Largo;
    case SQL_BIGINT:
        return Lectura::Grande;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return Lectura::Doble;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return escala == 4 && tipo.contains(u"money") ? Lectura::Moneda : Lectura::Decimal;
    case SQL_DATE:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
        return Lectura::Fecha;
    case SQL_TIME:
    case SQL_TYPE_TIME:
    case -154: // SQL Server's time(n)
        return Lectura::Hora;
    default:
        return Lectura::Texto;
    }
}

Variant::Tipo LectorOdbc::tipoDe(Lectura lectura) {
    switch (lectura) {
    case Lectura::Texto:
        return Variant::Tipo::Text;
    case Lectura::Booleano:
        return Variant::Tipo::Boolean;
    case Lectura::Entero:
        return Variant::Tipo::Integer;
    case Lectura::Largo:
    case Lectura::Grande:
        return Variant::Tipo::Long;
    case Lectura::Doble:
        return Variant::Tipo::Double;
    case Lectura::Moneda:
        return Variant::Tipo::Currency;
    case Lectura::Decimal:
        return Variant::Tipo::Decimal;
    case Lectura::Fecha:
    case Lectura::Hora:
        return Variant::Tipo::Date;
    case Lectura::TextoOFecha:
        return Variant::Tipo::Empty;
    }
    return Variant::Tipo::Empty;
}

void LectorOdbc::describir() {
    const SQLHSTMT s = m_sentencia->manejador;
    SQLSMALLINT cuantas = 0;
    if (!exito(SQLNumResultCols(s, &cuantas)))
        fallar();
    for (SQLUSMALLINT n = 1; n <= cuantas; ++n) {
        std::array<SQLWCHAR, 256> nombre{};
        SQLSMALLINT longitud = 0, tipo = 0, escala = 0, nulos = 0;
        SQLULEN tamano = 0;
        if (!exito(SQLDescribeColW(s, n, nombre.data(), static_cast<SQLSMALLINT>(nombre.size()), &longitud,
                                   &tipo, &tamano, &escala, &nulos)))
            fallar();
        ColumnaOdbc c;
        c.columna.nombre = desdeSqlW(nombre.data(), std::min<qsizetype>(longitud, nombre.size() - 1));
        c.columna.tabla = atributoTexto(s, n, SQL_DESC_BASE_TABLE_NAME);
        if (c.columna.tabla.isEmpty())
            c.columna.tabla = atributoTexto(s, n, SQL_DESC_TABLE_NAME);
        c.lectura = lecturaDe(tipo, atributoTexto(s, n, SQL_DESC_TYPE_NAME), escala);
        c.columna.tipo = tipoDe(c.lectura);
        // As the embedded engine: an expression has no declared type, and a date is known by its text.
        if (m_circunstancia.dialecto == Dialecto::Sqlite && c.columna.tabla.isEmpty()) {
            c.columna.tipo = Variant::Tipo::Empty;
            if (c.lectura == Lectura::Texto)
                c.lectura = Lectura::TextoOFecha;
        }
        m_columnas.append(c);
    }
}

QList<Columna> LectorOdbc::columnas() const {
    QList<Columna> lista;
    for (const ColumnaOdbc& c : m_columnas)
        lista.append(c.columna);
    return lista;
}

bool LectorOdbc::siguiente() {
    m_fila.clear();
    if (!m_pendientes.empty()) {
        m_fila = std::move(m_pendientes.front());
        m_pendientes.pop_front();
        return true;
    }
    if (!m_sentencia->abierta())
        return false;
    const SQLRETURN rc = SQLFetch(m_sentencia->manejador);
    if (rc == SQL_NO_DATA) {
        terminar();
        return false;
    }
    if (!exito(rc))
        fallar();
    m_fila = leerFila();
    return true;
}

QList<Variant> LectorOdbc::leerFila() {
    QList<Variant> fila;
    for (qsizetype i = 0; i < m_columnas.size(); ++i)
        fila.append(leer(static_cast<SQLUSMALLINT>(i + 1), m_columnas.at(i).lectura));
    return fila;
}

void LectorOdbc::materializar() {
    while (m_sentencia->abierta()) {
        const SQLRETURN rc = SQLFetch(m_sentencia->manejador);
        if (rc == SQL_NO_DATA)
            break;
        if (!exito(rc))
            fallar();
        m_pendientes.push_back(leerFila());
    }
    terminar();
}

void LectorOdbc::terminar() {
    m_sentencia->cerrar();
}

Variant LectorOdbc::valor(int columna) const {
    return columna >= 0 && columna < m_fila.size() ? m_fila.at(columna) : Variant();
}

Variant LectorOdbc::leer(SQLUSMALLINT n, Lectura lectura) {
    const SQLHSTMT s = m_sentencia->manejador;
    SQLLEN indicador = 0;
    const auto obtener = [&](SQLSMALLINT tipoC, void* destino, SQLLEN tamano) {
        if (!exito(SQLGetData(s, n, tipoC, destino, tamano, &indicador)))
            fallar();
        return indicador != SQL_NULL_DATA;
    };
    switch (lectura) {
    case Lectura::Texto:
        return leerTexto(n);
    case Lectura::TextoOFecha: {
        const Variant texto = leerTexto(n);
        if (texto.esNulo() || texto.aTexto().size() != 19)
            return texto;
        const auto dia = fecha::leerIso(texto.aTexto());
        return dia ? Variant::fecha(*dia) : texto;
    }
    case Lectura::Booleano: {
        unsigned char bit = 0;
        return obtener(SQL_C_BIT, &bit, sizeof bit) ? Variant(bit != 0) : Variant::nulo();
    }
    case Lectura::Entero: {
        SQLSMALLINT corto = 0;
        return obtener(SQL_C_SSHORT, &corto, sizeof corto) ? Variant::entero(corto) : Variant::nulo();
    }
    case Lectura::Largo: {
        SQLINTEGER largo = 0;
        return obtener(SQL_C_SLONG, &largo, sizeof largo) ? Variant(static_cast<std::int32_t>(largo))
                                                          : Variant::nulo();
    }
    case Lectura::Grande: {
        SQLBIGINT grande = 0;
        if (!obtener(SQL_C_SBIGINT, &grande, sizeof grande))
            return Variant::nulo();
        if (grande >= std::numeric_limits<std::int32_t>::min() &&
            grande <= std::numeric_limits<std::int32_t>::max())
            return Variant(static_cast<std::int32_t>(grande));
        return Variant::decimal(QString::number(grande));
    }
    case Lectura::Doble: {
        double doble = 0;
        return obtener(SQL_C_DOUBLE, &doble, sizeof doble) ? Variant(doble) : Variant::nulo();
    }
    case Lectura::Moneda: {
        const Variant texto = leerTexto(n);
        if (texto.esNulo())
            return texto;
        const auto m = diezmilesimos(texto.aTexto());
        return m ? Variant::moneda(*m) : texto;
    }
    case Lectura::Decimal: {
        const Variant texto = leerTexto(n);
        return texto.esNulo() ? texto : Variant::decimal(decimalNormal(texto.aTexto()));
    }
    case Lectura::Fecha: {
        SQL_TIMESTAMP_STRUCT m{};
        if (!obtener(SQL_C_TYPE_TIMESTAMP, &m, sizeof m))
            return Variant::nulo();
        const QTime hora(m.hour, m.minute, m.second, static_cast<int>(m.fraction / 1000000));
        return Variant::fecha(fecha::desde(QDate(m.year, m.month, m.day), hora));
    }
    case Lectura::Hora: {
        SQL_TIME_STRUCT h{};
        if (!obtener(SQL_C_TYPE_TIME, &h, sizeof h))
            return Variant::nulo();
        return Variant::fecha(fecha::desde(QDate(1899, 12, 30), QTime(h.hour, h.minute, h.second)));
    }
    }
    return Variant::nulo();
}

// Texts come in pieces: the driver says how much is left by returning "truncated" until the last one.
Variant LectorOdbc::leerTexto(SQLUSMALLINT n) {
    std::array<SQLWCHAR, 1024> trozo; // the driver fills it: no need to clear 2 KB per value
    QString texto;
    for (;;) {
        SQLLEN indicador = 0;
        const SQLRETURN rc =
            SQLGetData(m_sentencia->manejador, n, SQL_C_WCHAR, trozo.data(), sizeof trozo, &indicador);
        if (rc == SQL_NO_DATA)
            return texto;
        if (!exito(rc))
            fallar();
        if (indicador == SQL_NULL_DATA)
            return Variant::nulo();
        const qsizetype cabe = static_cast<qsizetype>(trozo.size()) - 1;
        const qsizetype llegaron =
            indicador == SQL_NO_TOTAL ? cabe : std::min<qsizetype>(indicador / 2, cabe);
        texto += desdeSqlW(trozo.data(), llegaron);
        if (rc == SQL_SUCCESS)
            return texto;
    }
}

void LectorOdbc::fallar() {
    const ErrorMotor e =
        fallaOdbc(SQL_HANDLE_STMT, m_sentencia->manejador, fallas::ErrorDeServidor, m_circunstancia);
    terminar();
    throw e;
}

} // namespace entrega::ado::odbc
