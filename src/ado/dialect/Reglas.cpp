#include "ado/dialect/Reglas.h"

#include "core/Fecha.h"

#include <QRegularExpression>

namespace entrega::ado::dialecto {

using namespace Qt::StringLiterals;

void unirComparaciones(QList<Token>& t) {
    static const QStringList unidos = {u">="_s, u"<="_s, u"!="_s, u"<>"_s};
    for (qsizetype i = 0; i + 2 < t.size(); ++i) {
        if (t[i].clase != Token::Simbolo || t[i + 1].clase != Token::Blanco ||
            t[i + 2].clase != Token::Simbolo)
            continue;
        const QString junto = t[i].texto + t[i + 2].texto;
        if (unidos.contains(junto)) {
            t[i].texto = junto;
            t.remove(i + 1, 2);
        }
    }
}

namespace {
bool esSugerencia(const Token& token) {
    static const QStringList sugerencias = {u"NOLOCK"_s,   u"READUNCOMMITTED"_s, u"ROWLOCK"_s, u"UPDLOCK"_s,
                                            u"HOLDLOCK"_s, u"READPAST"_s,        u"TABLOCK"_s, u"TABLOCKX"_s,
                                            u"PAGLOCK"_s,  u"XLOCK"_s,           u"NOWAIT"_s};
    return token.clase == Token::Palabra && sugerencias.contains(token.texto.toUpper());
}

// The ")" ending a list of table hints that opens at i, or -1 when what opens there is something else.
qsizetype finDeSugerencias(const QList<Token>& t, qsizetype i) {
    if (i >= t.size() || !t[i].esSimbolo(u"("))
        return -1;
    bool alguna = false;
    for (qsizetype j = siguiente(t, i); j < t.size(); j = siguiente(t, j)) {
        if (t[j].esSimbolo(u")"))
            return alguna ? j : -1;
        if (esSugerencia(t[j]))
            alguna = true;
        else if (!t[j].esSimbolo(u","))
            return -1;
    }
    return -1;
}

bool esNombre(const Token& token) {
    return token.clase == Token::Palabra || token.clase == Token::Nombre;
}
} // namespace

void quitarSugerenciasDeTabla(QList<Token>& t) {
    for (qsizetype i = 0; i < t.size(); ++i) {
        qsizetype fin = -1;
        if (t[i].esPalabra(u"WITH"))
            fin = finDeSugerencias(t, siguiente(t, i));
        else if (t[i].esSimbolo(u"(") && anterior(t, i) >= 0 && esNombre(t[anterior(t, i)]))
            fin = finDeSugerencias(t, i);
        if (fin < 0)
            continue;
        const qsizetype inicio = i > 0 && t[i - 1].clase == Token::Blanco ? i - 1 : i;
        t.remove(inicio, fin - inicio + 1);
        i = inicio - 1;
    }
}

void getDateALiteral(QList<Token>& t, const std::optional<QDateTime>& ahora) {
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t[i].esPalabra(u"GETDATE"))
            continue;
        const qsizetype abre = siguiente(t, i);
        const qsizetype cierra = siguiente(t, abre);
        if (cierra < t.size() && t[abre].esSimbolo(u"(") && t[cierra].esSimbolo(u")")) {
            t[i] = literal(ahora.value_or(QDateTime::currentDateTime()).toString(u"yyyy-MM-dd HH:mm:ss"_s));
            t.remove(i + 1, cierra - i);
        }
    }
}

void fechasAIso(QList<Token>& t) {
    static const QRegularExpression diaPrimero(
        uR"(^\d{1,2}/\d{1,2}/(\d{2}|\d{4})( \d{1,2}:\d{2}(:\d{2})?)?$)"_s);
    for (Token& token : t) {
        if (token.clase != Token::Literal)
            continue;
        const QString contenido = token.contenido();
        if (!diaPrimero.match(contenido).hasMatch())
            continue;
        if (const auto f = fecha::leer(contenido))
            token = literal(fecha::textoIso(*f));
    }
}

namespace {
bool esComparacion(const Token& token) {
    return token.esSimbolo(u"=") || token.esSimbolo(u"<>") || token.esSimbolo(u"!=");
}
} // namespace

void recortarLiteralesComparados(QList<Token>& t) {
    // In an UPDATE, "=" between SET and WHERE (outside parentheses) assigns rather than compares.
    const bool esUpdate = siguiente(t, -1) < t.size() && t[siguiente(t, -1)].esPalabra(u"UPDATE");
    bool asignando = false;
    int profundidad = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        Token& token = t[i];
        if (token.esSimbolo(u"("))
            ++profundidad;
        else if (token.esSimbolo(u")"))
            --profundidad;
        else if (esUpdate && profundidad == 0 && token.esPalabra(u"SET"))
            asignando = true;
        else if (profundidad == 0 && token.esPalabra(u"WHERE"))
            asignando = false;
        if (token.clase != Token::Literal || (asignando && profundidad == 0))
            continue;
        const qsizetype a = anterior(t, i);
        const qsizetype s = siguiente(t, i);
        if ((a < 0 || !esComparacion(t[a])) && (s >= t.size() || !esComparacion(t[s])))
            continue;
        QString contenido = token.contenido();
        qsizetype largo = contenido.size();
        while (largo > 0 && contenido[largo - 1] == u' ')
            --largo;
        if (largo < contenido.size())
            token = literal(contenido.left(largo));
    }
}

void topALimit(QList<Token>& t) {
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t[i].esPalabra(u"TOP"))
            continue;
        qsizetype a = anterior(t, i);
        if (a >= 0 && (t[a].esPalabra(u"DISTINCT") || t[a].esPalabra(u"ALL")))
            a = anterior(t, a);
        if (a < 0 || !t[a].esPalabra(u"SELECT"))
            continue;
        // TOP n, or TOP (n)
        qsizetype n = siguiente(t, i);
        qsizetype fin = n;
        if (n < t.size() && t[n].esSimbolo(u"(")) {
            n = siguiente(t, n);
            fin = siguiente(t, n);
            if (fin >= t.size() || !t[fin].esSimbolo(u")"))
                continue;
        }
        if (n >= t.size() || t[n].clase != Token::Numero)
            continue;
        const qsizetype despues = siguiente(t, fin);
        if (despues < t.size() && t[despues].esPalabra(u"PERCENT"))
            continue;
        const QString cantidad = t[n].texto;
        // LIMIT goes at the end of this SELECT: before the ")" that closes it, or after the statement's
        // last significant token.
        int profundidad = 0;
        qsizetype donde = t.size();
        qsizetype ultimo = fin;
        for (qsizetype j = fin + 1; j < t.size(); ++j) {
            if (t[j].esSimbolo(u"(")) {
                ++profundidad;
            } else if (t[j].esSimbolo(u")") && --profundidad < 0) {
                donde = j;
                break;
            }
            if (t[j].significativo())
                ultimo = j;
        }
        if (donde == t.size())
            donde = ultimo + 1;
        const Token limite[] = {{Token::Blanco, u" "_s},
                                {Token::Palabra, u"LIMIT"_s},
                                {Token::Blanco, u" "_s},
                                {Token::Numero, cantidad}};
        for (qsizetype k = 0; k < 4; ++k)
            t.insert(donde + k, limite[k]);
        const qsizetype quitarHasta = fin + 1 < t.size() && t[fin + 1].clase == Token::Blanco ? fin + 1 : fin;
        t.remove(i, quitarHasta - i + 1);
    }
}

} // namespace entrega::ado::dialecto
