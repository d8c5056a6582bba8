#pragma once
// One value as the database layer hands it out: Empty, Null, Boolean, 16- and 32-bit integers, Double,
// Currency (four decimals, kept as an integer count of ten-thousandths), Decimal (kept as its exact text),
// Date (the automation date) and Text.
#include <QString>
#include <cstdint>
#include <variant>

namespace entrega {

class Variant {
public:
    enum class Tipo { Empty, Null, Boolean, Integer, Long, Double, Currency, Decimal, Date, Text };

    Variant() = default; // Empty
    Variant(bool b) : m_valor(b) {}
    Variant(std::int32_t n) : m_valor(n) {}
    Variant(double d) : m_valor(d) {}
    Variant(const QString& s) : m_valor(s) {}
    Variant(QString&& s) : m_valor(std::move(s)) {}
    Variant(const char16_t* s) : m_valor(QString::fromUtf16(s)) {}

    static Variant nulo();
    static Variant entero(std::int16_t n);
    static Variant moneda(std::int64_t diezmilesimos);
    static Variant monedaDesde(double d);
    static Variant decimal(const QString& exacto);
    static Variant fecha(double automatizacion);

    Tipo tipo() const;
    bool esVacio() const { return tipo() == Tipo::Empty; }
    bool esNulo() const { return tipo() == Tipo::Null; }
    bool esNumero() const;

    // Conversions with the platform's rules: Null raises 94, a text that is no number raises 13,
    // integers out of range raise 6.
    QString aTexto() const;       // Empty gives ""; dates in the day-first form; numbers with "."
    double aDoble() const;
    std::int16_t aEntero() const;
    std::int32_t aLargo() const;
    std::int64_t aMoneda() const; // ten-thousandths
    bool aBooleano() const;
    double aFecha() const;        // a date, or a day-first text that reads as one (else 13)

    // The stored value as it is, without conversion (for drivers binding parameters).
    std::int64_t monedaCruda() const { return std::get<Moneda>(m_valor).diezmilesimos; }
    const QString& decimalCrudo() const { return std::get<Decimal>(m_valor).texto; }

    bool operator==(const Variant& otro) const = default;

private:
    struct Nulo { bool operator==(const Nulo&) const = default; };
    struct Entero16 { std::int16_t n; bool operator==(const Entero16&) const = default; };
    struct Moneda { std::int64_t diezmilesimos; bool operator==(const Moneda&) const = default; };
    struct Decimal { QString texto; bool operator==(const Decimal&) const = default; };
    struct Fecha { double dias; bool operator==(const Fecha&) const = default; };
    std::variant<std::monostate, Nulo, bool, Entero16, std::int32_t, double, Moneda, Decimal, Fecha, QString> m_valor;
};

} // namespace entrega
