#pragma once
// ODBC connection strings: "key=value;" attributes, a value in braces when it holds ";" or braces.
#include <QList>
#include <QPair>
#include <QString>

namespace entrega::ado::odbc {

using Atributo = QPair<QString, QString>;

// The attributes in order, keys trimmed, braced values unwrapped ("}}" inside braces is one "}").
QList<Atributo> leerCadena(const QString& cadena);
// The value of the first attribute with that key (ignoring case); empty when there is none.
QString valorDe(const QString& cadena, const QString& clave);
// "key=value;", braced when the value could not stand bare.
QString atributo(const QString& clave, const QString& valor);
// The cadena's password (PWD or Password), to keep it out of every text the connection hands out.
QString claveDe(const QString& cadena);

} // namespace entrega::ado::odbc
