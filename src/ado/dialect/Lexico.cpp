#include "ado/dialect/Lexico.h"

namespace entrega::ado::dialecto {

using namespace Qt::StringLiterals;

namespace {
bool esInicioDePalabra(QChar c) {
    return c.isLetter() || c == u'_' || c == u'@' || c == u'#';
}
bool esDePalabra(QChar c) {
    return esInicioDePalabra(c) || c.isDigit() || c == u'$';
}

// Index just past the run that starts at i with the given closing character (doubled closers stay inside).
qsizetype finEntre(const QString& s, qsizetype i, QChar cierre) {
    qsizetype j = i + 1;
    while (j < s.size()) {
        if (s[j] == cierre) {
            if (j + 1 < s.size() && s[j + 1] == cierre) {
                j += 2;
                continue;
            }
            return j + 1;
        }
        ++j;
    }
    return s.size();
}

qsizetype finDeNumero(const QString& s, qsizetype i) {
    qsizetype j = i;
    while (j < s.size() && (s[j].isDigit() || s[j] == u'.'))
        ++j;
    if (j < s.size() && (s[j] == u'e' || s[j] == u'E')) {
        qsizetype k = j + 1;
        if (k < s.size() && (s[k] == u'+' || s[k] == u'-'))
            ++k;
        if (k < s.size() && s[k].isDigit()) {
            j = k;
            while (j < s.size() && s[j].isDigit())
                ++j;
        }
    }
    return j;
}

qsizetype finDeSimbolo(const QString& s, qsizetype i) {
    static const QStringList dobles = {u"<="_s, u">="_s, u"<>"_s, u"!="_s,
                                       u"||"_s, u"!<"_s, u"!>"_s, u"=="_s};
    if (i + 1 < s.size() && dobles.contains(s.mid(i, 2)))
        return i + 2;
    return i + 1;
}
} // namespace

QString Token::contenido() const {
    QString s = texto.mid(1, texto.endsWith(u'\'') && texto.size() > 1 ? texto.size() - 2 : -1);
    return s.replace(u"''"_s, u"'"_s);
}

QString Token::identificador() const {
    if (clase == Nombre && texto.size() >= 2)
        return texto.mid(1, texto.size() - 2);
    return texto;
}

Token literal(const QString& contenido) {
    QString s = contenido;
    return {Token::Literal, u'\'' + s.replace(u'\'', u"''"_s) + u'\''};
}

QList<Token> tokenizar(const QString& sql) {
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        const QChar siguiente = i + 1 < n ? sql[i + 1] : QChar();
        Token::Clase clase;
        qsizetype fin;
        if (c.isSpace()) {
            clase = Token::Blanco;
            fin = i;
            while (fin < n && sql[fin].isSpace())
                ++fin;
        } else if (c == u'-' && siguiente == u'-') {
            clase = Token::Comentario;
            fin = sql.indexOf(u'\n', i);
            fin = fin < 0 ? n : fin;
        } else if (c == u'/' && siguiente == u'*') {
            clase = Token::Comentario;
            fin = sql.indexOf(u"*/"_s, i + 2);
            fin = fin < 0 ? n : fin + 2;
        } else if (c == u'\'') {
            clase = Token::Literal;
            fin = finEntre(sql, i, u'\'');
        } else if (c == u'"') {
            clase = Token::Nombre;
            fin = finEntre(sql, i, u'"');
        } else if (c == u'[') {
            clase = Token::Nombre;
            fin = finEntre(sql, i, u']');
        } else if (c.isDigit() || (c == u'.' && siguiente.isDigit())) {
            clase = Token::Numero;
            fin = finDeNumero(sql, i);
        } else if (esInicioDePalabra(c)) {
            clase = Token::Palabra;
            fin = i + 1;
            while (fin < n && esDePalabra(sql[fin]))
                ++fin;
        } else {
            clase = Token::Simbolo;
            fin = finDeSimbolo(sql, i);
        }
        tokens.append({clase, sql.mid(i, fin - i)});
        i = fin;
    }
    return tokens;
}

QString unir(const QList<Token>& tokens) {
    QString s;
    for (const Token& t : tokens)
        s += t.texto;
    return s;
}

} // namespace entrega::ado::dialecto
