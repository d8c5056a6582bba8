#include "ado/odbc/CadenaOdbc.h"

namespace entrega::ado::odbc {

QList<Atributo> leerCadena(const QString& cadena) {
    QList<Atributo> atributos;
    qsizetype i = 0;
    const qsizetype n = cadena.size();
    while (i < n) {
        const qsizetype igual = cadena.indexOf(u'=', i);
        const qsizetype puntoYComa = cadena.indexOf(u';', i);
        if (igual < 0 || (puntoYComa >= 0 && puntoYComa < igual)) { // a piece without "=": skip it
            if (puntoYComa < 0)
                break;
            i = puntoYComa + 1;
            continue;
        }
        const QString clave = cadena.mid(i, igual - i).trimmed();
        qsizetype j = igual + 1;
        while (j < n && cadena.at(j) == u' ')
            ++j;
        QString valor;
        if (j < n && cadena.at(j) == u'{') {
            for (++j; j < n; ++j) {
                if (cadena.at(j) == u'}') {
                    if (j + 1 < n && cadena.at(j + 1) == u'}') {
                        valor += u'}';
                        ++j;
                        continue;
                    }
                    ++j;
                    break;
                }
                valor += cadena.at(j);
            }
            const qsizetype fin = cadena.indexOf(u';', j);
            i = fin < 0 ? n : fin + 1;
        } else {
            const qsizetype fin = cadena.indexOf(u';', j);
            valor = cadena.mid(j, fin < 0 ? -1 : fin - j).trimmed();
            i = fin < 0 ? n : fin + 1;
        }
        if (!clave.isEmpty())
            atributos.append({clave, valor});
    }
    return atributos;
}

QString valorDe(const QString& cadena, const QString& clave) {
    for (const Atributo& a : leerCadena(cadena))
        if (a.first.compare(clave, Qt::CaseInsensitive) == 0)
            return a.second;
    return {};
}

QString atributo(const QString& clave, const QString& valor) {
    const bool desnudo =
        !valor.contains(u';') && !valor.contains(u'{') && !valor.contains(u'}') && valor == valor.trimmed();
    if (desnudo)
        return clave + u'=' + valor + u';';
    QString escapado = valor;
    escapado.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return clave + QStringLiteral("={") + escapado + QStringLiteral("};");
}

QString claveDe(const QString& cadena) {
    const QString pwd = valorDe(cadena, QStringLiteral("PWD"));
    return pwd.isEmpty() ? valorDe(cadena, QStringLiteral("Password")) : pwd;
}

} // namespace entrega::ado::odbc
