#pragma once
// Readable texts and values in the failures of these tests.
#include "core/Variant.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}

namespace entrega {
inline void PrintTo(const Variant& v, std::ostream* os) {
    *os << "Variant(tipo " << static_cast<int>(v.tipo()) << ", "
        << (v.esNulo() ? std::string("Null") : v.aTexto().toStdString()) << ')';
}
} // namespace entrega
