#include "util/JSON.h"

#include "core/Falla.h"
#include "util/Decimal28.h"
#include "util/cStringBuilder.h"

namespace entrega::JSON {

namespace {
QString g_errores;

int cifraHex(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Deeper nesting than this runs out of stack: it fails like any other member or element.
constexpr int anidamientoMaximo = 1000;

// The reader of one text. Positions are 0-based here and written 1-based in the messages.
class Lector {
  public:
    explicit Lector(const QString& texto) : m_texto(texto) {}

    std::optional<ValorJson> raiz() {
        SkipBlanks();
        if (caracter() == u'{')
            return ReadObject();
        if (caracter() == u'[')
            return ReadArray();
        g_errores = QStringLiteral("Invalid JSON");
        return std::nullopt;
    }

  private:
    bool alFinal() const { return m_pos >= m_texto.size(); }
    // The character at the position; a NUL stands for none past the end.
    QChar caracter() const { return alFinal() ? QChar() : m_texto[m_pos]; }
    QString posicion() const { return QString::number(m_pos + 1); }
    QString resto() const { return m_texto.mid(m_pos); }
    QString siguientes20() const { return m_texto.mid(m_pos, 20); }
    QString ultimos20() const { return m_texto.right(20); }
    void anotar(const QString& linea) { g_errores += linea + QStringLiteral("\r\n"); }

    void SkipBlanks();
    ValorJson ReadValue();
    Mapa ReadObject();
    Lista ReadArray();
    QString ReadKey();
    QString ReadString();
    Variant ReadNumber();
    Variant ReadBoolean();
    Variant ReadNull();
    bool sigue(QStringView palabra) const { return QStringView(m_texto).mid(m_pos).startsWith(palabra); }

    const QString& m_texto;
    qsizetype m_pos = 0;
    int m_anidamiento = 0;
    cStringBuilder m_cadena; // collects each string literal in turn
};

// Blanks are line ends, tabs, spaces and round brackets; "/" and "*" open and close comments.
void Lector::SkipBlanks() {
    bool pendiente = false, comentario = false, bloque = false;
    for (; !alFinal(); ++m_pos) {
        switch (m_texto[m_pos].unicode()) {
        case u'\r':
        case u'\n':
            if (!bloque)
                pendiente = comentario = false;
            break;
        case u'\t':
        case u' ':
        case u'(':
        case u')':
            break;
        case u'/':
            if (!bloque) {
                if (pendiente) {
                    pendiente = false;
                    comentario = true;
                } else {
                    pendiente = true;
                    comentario = bloque = false;
                }
            } else if (pendiente) {
                bloque = pendiente = comentario = false;
            }
            break;
        case u'*':
            if (pendiente) {
                pendiente = false;
                comentario = bloque = true;
            } else {
                pendiente = true;
            }
            break;
        default:
            if (!comentario)
                return;
        }
    }
}

ValorJson Lector::ReadValue() {
    SkipBlanks();
    switch (caracter().unicode()) {
    case u'{':
    case u'[': {
        if (m_anidamiento >= anidamientoMaximo)
            throw fallaDePlataforma(errores::SinPila);
        ++m_anidamiento;
        ValorJson v = caracter() == u'{' ? ValorJson(ReadObject()) : ValorJson(ReadArray());
        --m_anidamiento;
        return v;
    }
    case u'"':
    case u'\'':
        return Variant(ReadString());
    case u't':
    case u'f':
        return ReadBoolean();
    case u'n':
        return ReadNull();
    default:
        return ReadNumber();
    }
}

Mapa Lector::ReadObject() {
    Mapa mapa;
    SkipBlanks();
    if (caracter() != u'{') {
        anotar(QStringLiteral("Invalid Object at position ") + posicion() + QStringLiteral(" : ") + resto());
        return mapa;
    }
    ++m_pos;
    for (;;) {
        SkipBlanks();
        if (caracter() == u'}') {
            ++m_pos;
            return mapa;
        }
        if (caracter() == u',') {
            ++m_pos;
            SkipBlanks();
        } else if (alFinal()) {
            anotar(QStringLiteral("Missing '}': ") + ultimos20());
            return mapa;
        }
        const QString clave = ReadKey();
        try {
            mapa.agregar(clave, ReadValue());
        } catch (const Falla& f) {
            anotar(f.descripcion() + QStringLiteral(": ") + clave);
            return mapa;
        }
    }
}

// An element that is read without moving on (a faulty true, false or null) ends the array: reading it
// again would never get further.
Lista Lector::ReadArray() {
    Lista lista;
    SkipBlanks();
    if (caracter() != u'[') {
        anotar(QStringLiteral("Invalid Array at position ") + posicion() + QStringLiteral(" : ") +
               siguientes20());
        return lista;
    }
    ++m_pos;
    for (;;) {
        SkipBlanks();
        if (caracter() == u']') {
            ++m_pos;
            return lista;
        }
        if (caracter() == u',') {
            ++m_pos;
            SkipBlanks();
        } else if (alFinal()) {
            anotar(QStringLiteral("Missing ']': ") + ultimos20());
            return lista;
        }
        const qsizetype antes = m_pos;
        try {
            ValorJson v = ReadValue();
            if (m_pos == antes && !alFinal()) {
                anotar(QStringLiteral("Invalid Array at position ") + posicion() + QStringLiteral(" : ") +
                       siguientes20());
                return lista;
            }
            lista.push_back(std::move(v));
        } catch (const Falla& f) {
            anotar(f.descripcion() + QStringLiteral(": ") + siguientes20());
            return lista;
        }
    }
}

// Quotes are never part of a key and blanks are dropped even inside them.
QString Lector::ReadKey() {
    SkipBlanks();
    bool enDobles = false, enSimples = false;
    QString clave;
    while (!alFinal()) {
        const QChar c = m_texto[m_pos];
        if (c == u'"' || c == u'\'') {
            ++m_pos;
            bool& dentro = c == u'"' ? enDobles : enSimples;
            dentro = !dentro;
            if (!dentro) {
                SkipBlanks();
                if (caracter() != u':') {
                    anotar(QStringLiteral("Invalid Key at position ") + posicion() + QStringLiteral(" : ") +
                           clave);
                    return clave;
                }
            }
        } else if (c == u':') {
            ++m_pos;
            if (!enDobles && !enSimples)
                return clave;
            clave += c;
        } else {
            if (c != u'\r' && c != u'\n' && c != u'\t' && c != u' ')
                clave += c;
            ++m_pos;
        }
    }
    return clave;
}

// An unclosed string ends with the text. "\u" takes the longest hexadecimal prefix of the next four
// characters as one UTF-16 unit and always moves on four.
QString Lector::ReadString() {
    SkipBlanks();
    const QChar comilla = m_texto[m_pos++];
    m_cadena.Remove(0, m_cadena.Length());
    while (!alFinal()) {
        qsizetype fin = m_pos;
        while (fin < m_texto.size() && m_texto[fin] != u'\\' && m_texto[fin] != comilla)
            ++fin;
        m_cadena.Append(QStringView(m_texto).mid(m_pos, fin - m_pos));
        m_pos = fin;
        if (alFinal())
            break;
        if (m_texto[m_pos] == comilla) {
            ++m_pos;
            break;
        }
        ++m_pos; // the backslash
        switch (caracter().unicode()) {
        case u'"':
        case u'\\':
        case u'/':
        case u'\'':
            m_cadena.Append(QStringView(m_texto).mid(m_pos++, 1));
            break;
        case u'b':
            m_cadena.Append(u"\b"), ++m_pos;
            break;
        case u'f':
            m_cadena.Append(u"\f"), ++m_pos;
            break;
        case u'n':
            m_cadena.Append(u"\n"), ++m_pos;
            break;
        case u'r':
            m_cadena.Append(u"\r"), ++m_pos;
            break;
        case u't':
            m_cadena.Append(u"\t"), ++m_pos;
            break;
        case u'u': {
            ++m_pos;
            char16_t unidad = 0;
            for (qsizetype i = m_pos; i < m_pos + 4 && i < m_texto.size() && cifraHex(m_texto[i]) >= 0; ++i)
                unidad = static_cast<char16_t>(unidad * 16 + cifraHex(m_texto[i]));
            m_pos += 4;
            m_cadena.Append(QStringView(&unidad, 1));
            break;
        }
        default:
            break; // taken next as an ordinary character
        }
    }
    return m_cadena.toString();
}

Variant Lector::ReadNumber() {
    SkipBlanks();
    const qsizetype inicio = m_pos;
    while (!alFinal() && QStringView(u"+-0123456789.eE").contains(m_texto[m_pos]))
        ++m_pos;
    if (alFinal())
        return {};
    return Variant::decimal(decimal28::desdeTexto(QStringView(m_texto).mid(inicio, m_pos - inicio)));
}

Variant Lector::ReadBoolean() {
    SkipBlanks();
    if (sigue(u"true")) {
        m_pos += 4;
        return true;
    }
    if (sigue(u"false")) {
        m_pos += 5;
        return false;
    }
    anotar(QStringLiteral("Invalid Boolean at position ") + posicion() + QStringLiteral(" : ") + resto());
    return false;
}

Variant Lector::ReadNull() {
    SkipBlanks();
    if (sigue(u"null")) {
        m_pos += 4;
        return Variant::nulo();
    }
    anotar(QStringLiteral("Invalid null value at position ") + posicion() + QStringLiteral(" : ") + resto());
    return {};
}
} // namespace

std::optional<ValorJson> ParseText(const QString& texto) {
    g_errores.clear();
    return Lector(texto).raiz();
}

QString ParserErrors() {
    return g_errores;
}

} // namespace entrega::JSON
