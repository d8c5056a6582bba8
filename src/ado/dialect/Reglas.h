#pragma once
// The rewriting rules, each on the tokens of one statement (see Dialecto.h for what each one does).
#include "ado/dialect/Dialecto.h"
#include "ado/dialect/Lexico.h"

namespace entrega::ado::dialecto {

QList<QList<Token>> separarSentencias(const QList<Token>& tokens);

void unirComparaciones(QList<Token>& t);
void quitarSugerenciasDeTabla(QList<Token>& t);
void getDateALiteral(QList<Token>& t, const std::optional<QDateTime>& ahora);
void fechasAIso(QList<Token>& t);
void recortarLiteralesComparados(QList<Token>& t);
void concatenarTextos(QList<Token>& t, const TiposDeColumnas& tipos);
void topALimit(QList<Token>& t);

// Index of the previous / next significant token; -1 / t.size() when there is none.
qsizetype anterior(const QList<Token>& t, qsizetype i);
qsizetype siguiente(const QList<Token>& t, qsizetype i);
// Index of the ")" that closes the "(" at i; t.size() when it is not closed.
qsizetype cierre(const QList<Token>& t, qsizetype i);

} // namespace entrega::ado::dialecto
