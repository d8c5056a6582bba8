// The T-SQL scripts for a SQL Server test database keep step with the embedded schema: the same tables,
// the same columns in the same order, the same indexes.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Objetos {
    QMap<QString, QStringList> columnas; // table (lower case) -> its columns in order (lower case)
    QStringList indices;
};

Objetos leer(const QString& archivo) {
    QFile f(QStringLiteral(ENTREGA_DB_DIR "/") + archivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << archivo.toStdString();
    Objetos o;
    QString tabla;
    static const QRegularExpression crearTabla(QStringLiteral(R"(^CREATE TABLE (\w+) \($)"));
    static const QRegularExpression crearIndice(QStringLiteral(R"(^CREATE (UNIQUE )?INDEX (\w+) ON)"));
    static const QStringList noColumnas = {QStringLiteral("constraint"), QStringLiteral("primary"),
                                           QStringLiteral("foreign"),    QStringLiteral("check"),
                                           QStringLiteral("unique"),     QStringLiteral("--")};
    for (const QString& linea : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const QString l = linea.trimmed();
        if (const auto m = crearTabla.match(l); m.hasMatch()) {
            tabla = m.captured(1).toLower();
            o.columnas[tabla];
        } else if (const auto i = crearIndice.match(l); i.hasMatch()) {
            o.indices.append(i.captured(2).toLower());
        } else if (l.startsWith(u')')) {
            tabla.clear();
        } else if (!tabla.isEmpty() && !l.isEmpty()) {
            const QString primera = l.section(u' ', 0, 0).toLower();
            if (!noColumnas.contains(primera) && !primera.startsWith(QStringLiteral("--")))
                o.columnas[tabla].append(primera);
        }
    }
    return o;
}

std::string texto(const QStringList& nombres) { return nombres.join(QStringLiteral(", ")).toStdString(); }

TEST(EsquemaSqlServerTest, MirrorsTheEmbeddedSchema) {
    const QList<std::pair<QString, QString>> pares = {
        {QStringLiteral("entrega.sql"), QStringLiteral("sqlserver.sql")},
        {QStringLiteral("estadisticas.sql"), QStringLiteral("sqlserver-estadisticas.sql")}};
    for (const auto& [embebido, servidor] : pares) {
        const Objetos a = leer(embebido), b = leer(servidor);
        EXPECT_FALSE(a.columnas.isEmpty());
        EXPECT_EQ(texto(a.columnas.keys()), texto(b.columnas.keys())) << servidor.toStdString();
        for (auto it = a.columnas.begin(); it != a.columnas.end(); ++it)
            EXPECT_EQ(texto(it.value()), texto(b.columnas.value(it.key()))) << it.key().toStdString();
        EXPECT_EQ(texto(a.indices), texto(b.indices)) << servidor.toStdString();
    }
}

} // namespace
