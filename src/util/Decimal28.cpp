#include "util/Decimal28.h"

#include "core/Falla.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <optional>
#include <string>

namespace entrega::decimal28 {

namespace {
using boost::multiprecision::cpp_int;

constexpr int escalaMaxima = 28;
constexpr int digitosMaximos = 29; // 2^96 - 1 has 29 digits
// Digits beyond these cannot change the rounding; a nonzero tail stands in as one more digit.
constexpr std::size_t digitosUtiles = 60;

// sign, significant digits (no leading or trailing zeros) and power of ten: value = digits x 10^exponente.
struct Numero {
    bool negativo = false;
    std::string digitos;
    std::int64_t exponente = 0;
};

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<Numero> leer(QStringView s) {
    Numero n;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        n.negativo = s[i++] == u'-';
    qsizetype cifras = 0, decimales = 0;
    for (; i < s.size() && esDigito(s[i]); ++i, ++cifras)
        n.digitos += static_cast<char>(s[i].unicode());
    if (i < s.size() && s[i] == u'.')
        for (++i; i < s.size() && esDigito(s[i]); ++i, ++cifras, ++decimales)
            n.digitos += static_cast<char>(s[i].unicode());
    if (cifras == 0)
        return std::nullopt;
    std::int64_t exponente = 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool negativo = false;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            negativo = s[i++] == u'-';
        if (i == s.size())
            return std::nullopt;
        for (; i < s.size() && esDigito(s[i]); ++i) // saturates far beyond any range that matters
            exponente = std::min<std::int64_t>(exponente * 10 + (s[i].unicode() - u'0'), 1'000'000'000'000);
        if (negativo)
            exponente = -exponente;
    }
    if (i != s.size())
        return std::nullopt;
    n.exponente = exponente - decimales;
    const auto primera = n.digitos.find_first_not_of('0');
    if (primera == std::string::npos) {
        n.digitos.clear();
        return n;
    }
    const auto ultima = n.digitos.find_last_not_of('0');
    n.exponente += static_cast<std::int64_t>(n.digitos.size() - 1 - ultima);
    n.digitos = n.digitos.substr(primera, ultima - primera + 1);
    return n;
}

// digits with `escala` of them after the point, without needless zeros.
QString escribir(bool negativo, std::string digitos, int escala) {
    if (escala > 0) {
        if (digitos.size() <= static_cast<std::size_t>(escala))
            digitos.insert(0, static_cast<std::size_t>(escala) + 1 - digitos.size(), '0');
        digitos.insert(digitos.size() - static_cast<std::size_t>(escala), 1, '.');
        digitos.erase(digitos.find_last_not_of('0') + 1);
        if (digitos.back() == '.')
            digitos.pop_back();
    }
    if (digitos == "0")
        negativo = false;
    return QString::fromLatin1((negativo ? "-" : "") + digitos);
}

cpp_int potenciaDeDiez(std::int64_t k) {
    return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(k));
}

// digitos x 10^desplazamiento as a whole number, halves to even.
cpp_int redondear(const cpp_int& digitos, std::int64_t desplazamiento) {
    if (desplazamiento >= 0)
        return digitos * potenciaDeDiez(desplazamiento);
    const cpp_int divisor = potenciaDeDiez(-desplazamiento);
    cpp_int cociente, resto;
    boost::multiprecision::divide_qr(digitos, divisor, cociente, resto);
    const cpp_int doble = resto * 2;
    if (doble > divisor || (doble == divisor && boost::multiprecision::bit_test(cociente, 0)))
        ++cociente;
    return cociente;
}

// The digits of a mantissa below 2^96, in two pieces that fit 64 bits (cpp_int's own text conversion trips
// a false -Wrestrict warning in GCC 12).
std::string digitosDe(const cpp_int& mantisa) {
    const cpp_int base = potenciaDeDiez(18);
    cpp_int alta, baja;
    boost::multiprecision::divide_qr(mantisa, base, alta, baja);
    std::string bajos = std::to_string(baja.convert_to<std::uint64_t>());
    if (alta == 0)
        return bajos;
    return std::to_string(alta.convert_to<std::uint64_t>()) + std::string(18 - bajos.size(), '0') + bajos;
}

// The exact value needs more places or digits than the type has: round to the most places that fit.
QString ajustar(const Numero& n) {
    std::string digitos = n.digitos;
    std::int64_t exponente = n.exponente;
    if (digitos.size() > digitosUtiles) { // the last digit is nonzero, so the tail is never all zeros
        exponente += static_cast<std::int64_t>(digitos.size() - digitosUtiles - 1);
        digitos.resize(digitosUtiles);
        digitos += '1';
    }
    const cpp_int valor(digitos);
    const cpp_int maximo = (cpp_int(1) << 96) - 1;
    for (int escala = static_cast<int>(std::clamp<std::int64_t>(-exponente, 0, escalaMaxima)); escala >= 0;
         --escala) {
        const cpp_int mantisa = redondear(valor, exponente + escala);
        if (mantisa <= maximo)
            return escribir(n.negativo, digitosDe(mantisa), escala);
    }
    throw fallaDePlataforma(errores::Desbordamiento);
}
} // namespace

QString desdeTexto(QStringView s) {
    const std::optional<Numero> n = leer(s);
    if (!n)
        throw fallaDePlataforma(errores::TiposIncompatibles);
    if (n->digitos.empty())
        return QStringLiteral("0");
    const std::int64_t cifras = static_cast<std::int64_t>(n->digitos.size());
    const std::int64_t enteras = cifras + n->exponente; // digits before the point
    if (enteras > digitosMaximos)
        throw fallaDePlataforma(errores::Desbordamiento);
    if (enteras < -escalaMaxima) // below half of the smallest step
        return QStringLiteral("0");
    if (cifras <= escalaMaxima && n->exponente >= -escalaMaxima && enteras <= escalaMaxima) {
        std::string digitos = n->digitos; // fits as it is
        if (n->exponente > 0)
            digitos.append(static_cast<std::size_t>(n->exponente), '0');
        return escribir(n->negativo, digitos, static_cast<int>(std::max<std::int64_t>(-n->exponente, 0)));
    }
    return ajustar(*n);
}

} // namespace entrega::decimal28
