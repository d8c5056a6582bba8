#pragma once
// A compact text of a parsed tree for tables of cases: {key:value,...}, [value,...], 'text', numbers as
// their decimal text, True, False, null, and "empty" for a value that could not be read.
#include "util/ValorJson.h"

#include <QStringList>
#include <ostream>

// Failed comparisons of texts show the texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline QString describir(const entrega::ValorJson& v) {
    using entrega::Variant;
    QStringList partes;
    if (v.esMapa()) {
        for (const auto& [clave, valor] : v.mapa().miembros())
            partes << clave + u':' + describir(valor);
        return u'{' + partes.join(u',') + u'}';
    }
    if (v.esLista()) {
        for (const entrega::ValorJson& e : v.lista())
            partes << describir(e);
        return u'[' + partes.join(u',') + u']';
    }
    switch (v.hoja().tipo()) {
    case Variant::Tipo::Empty:
        return QStringLiteral("empty");
    case Variant::Tipo::Null:
        return QStringLiteral("null");
    case Variant::Tipo::Boolean:
        return v.hoja().aBooleano() ? QStringLiteral("True") : QStringLiteral("False");
    case Variant::Tipo::Text:
        return u'\'' + v.hoja().aTexto() + u'\'';
    case Variant::Tipo::Decimal:
        return v.hoja().decimalCrudo();
    default:
        return QStringLiteral("?") + v.hoja().aTexto();
    }
}
