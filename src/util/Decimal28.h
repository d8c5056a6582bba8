#pragma once
// Numbers of the JSON tools are the platform's 28-digit decimal type: a 96-bit whole number with 0 to 28
// decimal places (largest 79228162514264337593543950335). They are kept as their exact text.
#include <QString>
#include <QStringView>

namespace entrega::decimal28 {

// A number text as the decimal type holds it: optional sign, digits with "." as the decimal point, optional
// exponent ("1.5e3"). Digits beyond the type's precision round half to even. The result is plain and
// shortest ("1500", "-0.25", "0"). A text that is not a number raises error 13; one out of range error 6.
QString desdeTexto(QStringView s);

} // namespace entrega::decimal28
