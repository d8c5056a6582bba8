#include "BaseDePrueba.h"

#include <gtest/gtest.h>

BaseDePrueba::BaseDePrueba(const QString& archivo) {
    const int r = sqlite3_open_v2(archivo.toUtf8().constData(), &m_bd, SQLITE_OPEN_READWRITE, nullptr);
    EXPECT_EQ(r, SQLITE_OK) << archivo.toStdString();
    sqlite3_extended_result_codes(m_bd, 1);
    sqlite3_exec(m_bd, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
}

BaseDePrueba::~BaseDePrueba() {
    sqlite3_close(m_bd);
}

QStringList BaseDePrueba::filas(const QString& sql) {
    QStringList resultado;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(m_bd, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(m_bd) << " in " << sql.toStdString();
        return resultado;
    }
    while (sqlite3_step(s) == SQLITE_ROW) {
        QStringList columnas;
        for (int i = 0; i < sqlite3_column_count(s); ++i)
            columnas << (sqlite3_column_type(s, i) == SQLITE_NULL
                             ? QStringLiteral("<null>")
                             : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i))));
        resultado << columnas.join(u'|');
    }
    sqlite3_finalize(s);
    return resultado;
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
