#include "BaseDePrueba.h"

#include "support/SqliteDePrueba.h"

#include <gtest/gtest.h>

BaseDePrueba::BaseDePrueba(const QString& archivo) : m_archivo(archivo) {
    const int r = sqlite3_open_v2(archivo.toUtf8().constData(), &m_bd, SQLITE_OPEN_READWRITE, nullptr);
    EXPECT_EQ(r, SQLITE_OK) << archivo.toStdString();
    sqlite3_extended_result_codes(m_bd, 1);
    sqlite3_exec(m_bd, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
}

BaseDePrueba::~BaseDePrueba() {
    sqlite3_close(m_bd);
}

QStringList BaseDePrueba::filas(const QString& sql) {
    return entrega::prueba::filas(m_archivo, sql);
}

QString BaseDePrueba::valor(const QString& sql) {
    const QStringList r = filas(sql);
    return r.isEmpty() ? QString() : r.first().section(u'|', 0, 0);
}

QString BaseDePrueba::plan(const QString& sql) {
    QStringList pasos;
    for (const QString& fila : filas(QStringLiteral("EXPLAIN QUERY PLAN ") + sql))
        pasos << fila.section(u'|', 3);
    return pasos.join(u'\n');
}

int BaseDePrueba::ejecutar(const QString& sql) {
    return sqlite3_exec(m_bd, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
}
