#pragma once
// The platform's text and number habits that many routines depend on.
#include <QString>
#include <cstdint>

namespace entrega::texto {

// Trimming removes blanks (character 32) only, never tabs or line ends.
QString recortar(const QString& s);
QString recortarIzquierda(const QString& s);
QString recortarDerecha(const QString& s);

// A piece of a text, counting from 1. A start below 1 or a negative length raises error 5.
QString medio(const QString& s, int inicio, int largo = -1);
QString izquierda(const QString& s, int largo); // error 5 when largo < 0
QString derecha(const QString& s, int largo);   // error 5 when largo < 0

// The text's leading number, blanks ignored anywhere, up to the first other character; 0 when none.
// Reads "&H" hexadecimal too, as the platform does.
double valor(const QString& s);

// Conversion to 16- and 32-bit integers: halves round to even; out of range raises error 6.
std::int16_t aEntero(double v);
std::int32_t aLargo(double v);
// A text that must be a number: error 13 when it is not one.
double aNumero(const QString& s);

// Comparing ignoring case also folds accented letters (á = Á, ñ = Ñ).
QString plegar(const QString& s);
bool igualesSinMayusculas(const QString& a, const QString& b);

// Number format "0000" / "00000000": a text that reads as a whole number gets zeros in front up to the width
// (a longer number keeps all its digits); any other text is returned unchanged.
QString formatoCeros(const QString& s, int ancho);

} // namespace entrega::texto
