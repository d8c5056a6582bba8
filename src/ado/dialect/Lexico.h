#pragma once
// The client's T-SQL cut into tokens that join back into exactly the text they came from, so a rewrite
// touches only the tokens it means to and leaves every other character as written.
#include <QList>
#include <QString>

namespace entrega::ado::dialecto {

struct Token {
    enum Clase { Blanco, Comentario, Palabra, Numero, Literal, Nombre, Simbolo };
    Clase clase;
    QString texto;

    bool significativo() const { return clase != Blanco && clase != Comentario; }
    bool esPalabra(QStringView palabra) const {
        return clase == Palabra && texto.compare(palabra, Qt::CaseInsensitive) == 0;
    }
    bool esSimbolo(QStringView simbolo) const { return clase == Simbolo && texto == simbolo; }
    bool tieneFinDeLinea() const {
        return clase == Blanco && (texto.contains(u'\n') || texto.contains(u'\r'));
    }
    // A literal's content, apostrophes undoubled.
    QString contenido() const;
    // An identifier as the catalog names it: brackets and double quotes removed.
    QString identificador() const;
};

// Literals keep their doubled apostrophes; an unterminated literal runs to the end of the text.
QList<Token> tokenizar(const QString& sql);
QString unir(const QList<Token>& tokens);
Token literal(const QString& contenido);

} // namespace entrega::ado::dialecto
