#include "core/Falla.h"

namespace entrega {

Falla::Falla(std::int32_t numero, QString descripcion, QString origen)
    : m_numero(numero), m_descripcion(std::move(descripcion)), m_origen(std::move(origen)),
      m_utf8(QString(QString::number(numero) + u' ' + m_descripcion).toStdString()) {}

QString textoDeError(std::int32_t numero) {
    switch (numero) {
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 28: return QStringLiteral("Out of stack space");
    case 52: return QStringLiteral("Bad file name or number");
    case 53: return QStringLiteral("File not found");
    case 55: return QStringLiteral("File already open");
    case 62: return QStringLiteral("Input past end of file");
    case 70: return QStringLiteral("Permission denied");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 91: return QStringLiteral("Object variable or With block variable not set");
    case 94: return QStringLiteral("Invalid use of Null");
    case 424: return QStringLiteral("Object required");
    case 457: return QStringLiteral("This key is already associated with an element of this collection");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

Falla fallaDePlataforma(std::int32_t numero, const QString& origen) {
    return Falla(numero, textoDeError(numero), origen);
}

} // namespace entrega
