// "+" between texts. A chain a + b + c is one expression: SQL Server converts every operand to the type of
// highest precedence, so a single number among them makes it an addition, and texts alone make it a
// concatenation. An operand whose type cannot be told (a parameter, a parenthesised expression, an unknown
// column) decides nothing.
#include "ado/dialect/Reglas.h"

#include <QSet>

namespace entrega::ado::dialecto {

using namespace Qt::StringLiterals;

namespace {

enum class Tipo { Desconocido, Texto, Numero };

Tipo tipoDeclarado(const QString& declarado) {
    const QString d = declarado.toUpper();
    if (d.isEmpty())
        return Tipo::Desconocido;
    if (d.contains(u"CHAR") || d.contains(u"TEXT") || d.contains(u"CLOB"))
        return Tipo::Texto;
    return Tipo::Numero;
}

bool esNombre(const Token& token) {
    return token.clase == Token::Palabra || token.clase == Token::Nombre;
}

class Cadenas {
  public:
    Cadenas(QList<Token>& t, const TiposDeColumnas& tipos) : m_t(t), m_tipos(tipos) {
        for (qsizetype i = 0; i < t.size(); ++i)
            if (t[i].significativo())
                m_s.append(i);
        leerTablas();
    }

    void reescribir() {
        QSet<qsizetype> vistos;
        for (qsizetype p = 0; p < m_s.size(); ++p) {
            qsizetype fin = finDeOperando(p);
            if (fin < 0 || !esMas(fin) || vistos.contains(fin))
                continue;
            QList<std::pair<qsizetype, qsizetype>> operandos = {{p, fin}};
            QList<qsizetype> signos;
            while (esMas(fin)) {
                const qsizetype otro = finDeOperando(fin + 1);
                if (otro < 0)
                    break;
                signos.append(fin);
                vistos.insert(fin);
                operandos.append({fin + 1, otro});
                fin = otro;
            }
            if (esConcatenacion(operandos))
                for (qsizetype signo : signos)
                    m_t[m_s[signo]].texto = u"||"_s;
        }
    }

  private:
    const Token& at(qsizetype p) const { return m_t[m_s[p]]; }
    bool esMas(qsizetype p) const { return p < m_s.size() && at(p).esSimbolo(u"+"); }

    // The operand that starts at p (a literal, a number, a possibly qualified name, a function call or a
    // parenthesised expression); returns the position after it, or -1 when no operand starts there.
    qsizetype finDeOperando(qsizetype p) const {
        if (p >= m_s.size())
            return -1;
        if (at(p).clase == Token::Literal || at(p).clase == Token::Numero)
            return p + 1;
        if (at(p).esSimbolo(u"("))
            return finDeParentesis(p);
        if (!esNombre(at(p)))
            return -1;
        qsizetype q = p + 1;
        while (q + 1 < m_s.size() && at(q).esSimbolo(u".") && esNombre(at(q + 1)))
            q += 2;
        if (q < m_s.size() && at(q).esSimbolo(u"("))
            return finDeParentesis(q);
        return q;
    }

    qsizetype finDeParentesis(qsizetype p) const {
        int profundidad = 0;
        for (qsizetype q = p; q < m_s.size(); ++q) {
            if (at(q).esSimbolo(u"("))
                ++profundidad;
            else if (at(q).esSimbolo(u")") && --profundidad == 0)
                return q + 1;
        }
        return -1;
    }

    bool esConcatenacion(const QList<std::pair<qsizetype, qsizetype>>& operandos) {
        bool texto = false;
        for (const auto& [inicio, fin] : operandos) {
            const Tipo tipo = tipoDe(inicio, fin);
            if (tipo == Tipo::Numero)
                return false;
            texto = texto || tipo == Tipo::Texto;
        }
        return texto;
    }

    Tipo tipoDe(qsizetype inicio, qsizetype fin) {
        static const QStringList funcionesDeTexto = {
            u"LTRIM"_s,     u"RTRIM"_s,  u"TRIM"_s,    u"UPPER"_s,     u"LOWER"_s, u"LEFT"_s, u"RIGHT"_s,
            u"SUBSTRING"_s, u"SUBSTR"_s, u"REPLACE"_s, u"REPLICATE"_s, u"SPACE"_s, u"CHAR"_s, u"STR"_s};
        const Token& primero = at(inicio);
        if (primero.clase == Token::Literal)
            return Tipo::Texto;
        if (primero.clase == Token::Numero)
            return Tipo::Numero;
        if (primero.esSimbolo(u"("))
            return Tipo::Desconocido;
        if (at(fin - 1).esSimbolo(u")")) {
            const QString funcion = primero.texto.toUpper();
            if (funcionesDeTexto.contains(funcion))
                return Tipo::Texto;
            if (funcion == u"CAST" || funcion == u"CONVERT")
                for (qsizetype q = inicio + 1; q < fin; ++q)
                    if (at(q).clase == Token::Palabra && at(q).texto.toUpper().contains(u"CHAR"))
                        return Tipo::Texto;
            return Tipo::Desconocido;
        }
        return tipoDeColumna(at(fin - 1).identificador().toLower());
    }

    Tipo tipoDeColumna(const QString& columna) {
        if (!m_tipos)
            return Tipo::Desconocido;
        for (const QString& tabla : std::as_const(m_tablas)) {
            if (!m_columnas.contains(tabla))
                m_columnas.insert(tabla, m_tipos(tabla));
            const auto& columnas = m_columnas[tabla];
            if (const auto it = columnas.find(columna); it != columnas.end())
                return tipoDeclarado(*it);
        }
        return Tipo::Desconocido;
    }

    // The tables the statement names: after FROM, JOIN, INTO and UPDATE, and after each "," of a FROM list.
    void leerTablas() {
        bool enFrom = false;
        for (qsizetype p = 0; p + 1 < m_s.size(); ++p) {
            const Token& token = at(p);
            const bool antecede = token.esPalabra(u"FROM") || token.esPalabra(u"JOIN") ||
                                  token.esPalabra(u"INTO") || token.esPalabra(u"UPDATE") ||
                                  (enFrom && token.esSimbolo(u","));
            if (token.esPalabra(u"FROM"))
                enFrom = true;
            else if (token.esPalabra(u"WHERE") || token.esPalabra(u"GROUP") || token.esPalabra(u"ORDER"))
                enFrom = false;
            if (!antecede || !esNombre(at(p + 1)))
                continue;
            qsizetype q = p + 1;
            while (q + 2 < m_s.size() && at(q + 1).esSimbolo(u".") && esNombre(at(q + 2)))
                q += 2;
            m_tablas.append(at(q).identificador());
        }
    }

    QList<Token>& m_t;
    const TiposDeColumnas& m_tipos;
    QList<qsizetype> m_s; // positions of the significant tokens
    QStringList m_tablas;
    QHash<QString, QHash<QString, QString>> m_columnas;
};

} // namespace

void concatenarTextos(QList<Token>& t, const TiposDeColumnas& tipos) {
    bool hayMas = false;
    for (const Token& token : t)
        hayMas = hayMas || token.esSimbolo(u"+");
    if (hayMas)
        Cadenas(t, tipos).reescribir();
}

} // namespace entrega::ado::dialecto
