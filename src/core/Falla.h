#pragma once
// A run-time failure: number, description and source, as the platform's error object carries them.
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace entrega {

class Falla : public std::exception {
public:
    Falla(std::int32_t numero, QString descripcion, QString origen = {});

    std::int32_t numero() const { return m_numero; }
    const QString& descripcion() const { return m_descripcion; }
    const QString& origen() const { return m_origen; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    std::int32_t m_numero;
    QString m_descripcion;
    QString m_origen;
    std::string m_utf8;
};

// The platform's own run-time errors the routines meet, with its texts.
namespace errores {
constexpr std::int32_t LlamadaInvalida = 5;     // "Invalid procedure call or argument"
constexpr std::int32_t Desbordamiento = 6;      // "Overflow"
constexpr std::int32_t FueraDeRango = 9;        // "Subscript out of range"
constexpr std::int32_t TiposIncompatibles = 13; // "Type mismatch"
constexpr std::int32_t SinPila = 28;            // "Out of stack space"
constexpr std::int32_t ArchivoInvalido = 52;    // "Bad file name or number"
constexpr std::int32_t ArchivoNoEncontrado = 53;
constexpr std::int32_t FinDeArchivo = 62;
constexpr std::int32_t PermisoDenegado = 70;
constexpr std::int32_t AccesoARuta = 75;
constexpr std::int32_t UsoInvalidoDeNull = 94;
constexpr std::int32_t ErrorDeAplicacion = -2147221504; // the base of the program's own error numbers
constexpr std::int32_t ObjetoRequerido = 424;
constexpr std::int32_t ClaveDuplicada = 457; // a key already in a map
} // namespace errores

// The platform's text for one of its run-time error numbers ("Application-defined or object-defined error" otherwise).
QString textoDeError(std::int32_t numero);

// A failure with the platform's own text for its number.
Falla fallaDePlataforma(std::int32_t numero, const QString& origen = {});

} // namespace entrega
