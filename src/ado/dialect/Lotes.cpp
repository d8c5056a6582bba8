// A batch of the client is cut where SQL Server would see the next statement begin: at ";" and at a line
// end followed by a word that can only start a statement there. A trigger's body keeps its own ";" and
// line ends until the END that closes it.
#include "ado/dialect/Reglas.h"

namespace entrega::ado::dialecto {

using namespace Qt::StringLiterals;

namespace {

// What the cutter knows of the statement it is collecting.
struct Sentencia {
    QList<Token> tokens;
    QString primera; // first word, upper case
    QString ultima;  // last significant token, words upper case
    int profundidad = 0;
    int bloques = 0;
    bool disparador = false;
    bool cerroBloque = false;
    bool hayValues = false;

    bool hayTexto() const { return !primera.isEmpty(); }
    bool fueraDeBloque() const { return !disparador || (bloques == 0 && cerroBloque); }

    void anotar(const Token& token) {
        const QString palabra = token.clase == Token::Palabra ? token.texto.toUpper() : QString();
        if (primera.isEmpty())
            primera = palabra.isEmpty() ? u"?"_s : palabra;
        if (token.esSimbolo(u"("))
            ++profundidad;
        else if (token.esSimbolo(u")"))
            --profundidad;
        else if (palabra == u"VALUES")
            hayValues = true;
        else if (palabra == u"TRIGGER" && primera == u"CREATE")
            disparador = true;
        else if (disparador && (palabra == u"BEGIN" || palabra == u"CASE"))
            ++bloques;
        else if (disparador && palabra == u"END" && --bloques == 0)
            cerroBloque = true;
        ultima = palabra.isEmpty() ? token.texto : palabra;
    }

    // Whether the word after a line end starts the next statement rather than continuing this one.
    bool terminaAntesDe(const Token& siguiente) const {
        static const QStringList abren = {u"SELECT"_s, u"INSERT"_s, u"UPDATE"_s,   u"DELETE"_s,
                                          u"BEGIN"_s,  u"COMMIT"_s, u"ROLLBACK"_s, u"CREATE"_s,
                                          u"DROP"_s,   u"ALTER"_s,  u"PRAGMA"_s,   u"SAVE"_s};
        static const QStringList continuanSelect = {u"AS"_s,     u"UNION"_s,     u"ALL"_s,
                                                    u"EXCEPT"_s, u"INTERSECT"_s, u"("_s};
        if (!hayTexto() || profundidad != 0 || !fueraDeBloque() || siguiente.clase != Token::Palabra)
            return false;
        const QString palabra = siguiente.texto.toUpper();
        if (!abren.contains(palabra) || ultima == u"ON")
            return false;
        if (palabra == u"SELECT")
            return !continuanSelect.contains(ultima) && !(primera == u"INSERT" && !hayValues);
        return true;
    }
};

} // namespace

QList<QList<Token>> separarSentencias(const QList<Token>& t) {
    QList<QList<Token>> sentencias;
    Sentencia actual;
    auto cerrar = [&] {
        if (actual.hayTexto())
            sentencias.append(actual.tokens);
        actual = {};
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].esSimbolo(u";") && actual.profundidad == 0 && actual.fueraDeBloque()) {
            cerrar();
            continue;
        }
        actual.tokens.append(t[i]);
        const qsizetype k = siguiente(t, i);
        if (t[i].tieneFinDeLinea() && k < t.size() && actual.terminaAntesDe(t[k]))
            cerrar();
        else if (t[i].significativo())
            actual.anotar(t[i]);
    }
    cerrar();
    return sentencias;
}

} // namespace entrega::ado::dialecto
