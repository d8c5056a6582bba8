#include "ado/dialect/Dialecto.h"

#include "ado/dialect/Reglas.h"

namespace entrega::ado::dialecto {

QStringList reescribirParaSqlite(const QString& tsql, const TiposDeColumnas& tipos,
                                 const std::optional<QDateTime>& ahora) {
    QStringList sentencias;
    for (QList<Token>& t : separarSentencias(tokenizar(tsql))) {
        unirComparaciones(t);
        quitarSugerenciasDeTabla(t);
        getDateALiteral(t, ahora);
        fechasAIso(t);
        recortarLiteralesComparados(t);
        concatenarTextos(t, tipos);
        topALimit(t);
        const QString texto = unir(t).trimmed();
        if (!texto.isEmpty())
            sentencias.append(texto);
    }
    return sentencias;
}

qsizetype anterior(const QList<Token>& t, qsizetype i) {
    for (qsizetype j = i - 1; j >= 0; --j)
        if (t[j].significativo())
            return j;
    return -1;
}

qsizetype siguiente(const QList<Token>& t, qsizetype i) {
    for (qsizetype j = i + 1; j < t.size(); ++j)
        if (t[j].significativo())
            return j;
    return t.size();
}

qsizetype cierre(const QList<Token>& t, qsizetype i) {
    int profundidad = 0;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t[j].esSimbolo(u"("))
            ++profundidad;
        else if (t[j].esSimbolo(u")") && --profundidad == 0)
            return j;
    }
    return t.size();
}

} // namespace entrega::ado::dialecto
