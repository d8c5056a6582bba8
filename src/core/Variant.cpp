#include "core/Variant.h"

#include "core/Falla.h"
#include "core/Fecha.h"
#include "core/Texto.h"

#include <cmath>

namespace entrega {

Variant Variant::nulo() { Variant v; v.m_valor = Nulo{}; return v; }
Variant Variant::entero(std::int16_t n) { Variant v; v.m_valor = Entero16{n}; return v; }
Variant Variant::moneda(std::int64_t diezmilesimos) { Variant v; v.m_valor = Moneda{diezmilesimos}; return v; }
Variant Variant::monedaDesde(double d) { return moneda(std::llround(d * 10000.0)); }
Variant Variant::decimal(const QString& exacto) { Variant v; v.m_valor = Decimal{exacto}; return v; }
Variant Variant::fecha(double automatizacion) { Variant v; v.m_valor = Fecha{automatizacion}; return v; }

Variant::Tipo Variant::tipo() const { return static_cast<Tipo>(m_valor.index()); }

bool Variant::esNumero() const {
    switch (tipo()) {
    case Tipo::Integer: case Tipo::Long: case Tipo::Double: case Tipo::Currency: case Tipo::Decimal: return true;
    default: return false;
    }
}

namespace {
QString textoDoble(double d) {
    if (d == std::trunc(d) && std::fabs(d) < 1e15)
        return QString::number(static_cast<qlonglong>(d));
    return QString::number(d, 'g', 15);
}

QString textoMoneda(std::int64_t m) {
    const bool negativo = m < 0;
    const std::uint64_t a = negativo ? static_cast<std::uint64_t>(-(m + 1)) + 1 : static_cast<std::uint64_t>(m);
    QString s = QString::number(a / 10000);
    std::uint64_t resto = a % 10000;
    if (resto) {
        QString decimales = QStringLiteral("%1").arg(resto, 4, 10, QChar(u'0'));
        while (decimales.endsWith(u'0'))
            decimales.chop(1);
        s += u'.' + decimales;
    }
    return negativo ? u'-' + s : s;
}
} // namespace

QString Variant::aTexto() const {
    switch (tipo()) {
    case Tipo::Empty: return {};
    case Tipo::Null: throw fallaDePlataforma(errores::UsoInvalidoDeNull);
    case Tipo::Boolean: return std::get<bool>(m_valor) ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    case Tipo::Integer: return QString::number(std::get<Entero16>(m_valor).n);
    case Tipo::Long: return QString::number(std::get<std::int32_t>(m_valor));
    case Tipo::Double: return textoDoble(std::get<double>(m_valor));
    case Tipo::Currency: return textoMoneda(std::get<Moneda>(m_valor).diezmilesimos);
    case Tipo::Decimal: return std::get<Decimal>(m_valor).texto;
    case Tipo::Date: return fecha::texto(std::get<Fecha>(m_valor).dias);
    case Tipo::Text: return std::get<QString>(m_valor);
    }
    return {};
}

double Variant::aDoble() const {
    switch (tipo()) {
    case Tipo::Empty: return 0;
    case Tipo::Null: throw fallaDePlataforma(errores::UsoInvalidoDeNull);
    case Tipo::Boolean: return std::get<bool>(m_valor) ? -1 : 0; // the platform's True is -1
    case Tipo::Integer: return std::get<Entero16>(m_valor).n;
    case Tipo::Long: return std::get<std::int32_t>(m_valor);
    case Tipo::Double: return std::get<double>(m_valor);
    case Tipo::Currency: return static_cast<double>(std::get<Moneda>(m_valor).diezmilesimos) / 10000.0;
    case Tipo::Decimal: return std::get<Decimal>(m_valor).texto.toDouble();
    case Tipo::Date: return std::get<Fecha>(m_valor).dias;
    case Tipo::Text: return texto::aNumero(std::get<QString>(m_valor));
    }
    return 0;
}

std::int16_t Variant::aEntero() const { return texto::aEntero(aDoble()); }
std::int32_t Variant::aLargo() const { return texto::aLargo(aDoble()); }

std::int64_t Variant::aMoneda() const {
    if (tipo() == Tipo::Currency)
        return std::get<Moneda>(m_valor).diezmilesimos;
    const double d = aDoble() * 10000.0;
    if (std::fabs(d) > 9.2e18)
        throw fallaDePlataforma(errores::Desbordamiento);
    return std::llround(d);
}

bool Variant::aBooleano() const {
    if (tipo() == Tipo::Boolean)
        return std::get<bool>(m_valor);
    if (tipo() == Tipo::Text) {
        const QString t = texto::recortar(std::get<QString>(m_valor));
        if (texto::igualesSinMayusculas(t, QStringLiteral("true")) || texto::igualesSinMayusculas(t, QStringLiteral("verdadero")))
            return true;
        if (texto::igualesSinMayusculas(t, QStringLiteral("false")) || texto::igualesSinMayusculas(t, QStringLiteral("falso")))
            return false;
    }
    return aDoble() != 0;
}

double Variant::aFecha() const {
    switch (tipo()) {
    case Tipo::Date: return std::get<Fecha>(m_valor).dias;
    case Tipo::Text: {
        const QString& t = std::get<QString>(m_valor);
        if (auto d = fecha::leer(t))
            return *d;
        if (auto d = fecha::leerIso(t))
            return *d;
        throw fallaDePlataforma(errores::TiposIncompatibles);
    }
    default: return aDoble();
    }
}

} // namespace entrega
