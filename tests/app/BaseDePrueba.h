#pragma once
// Reading an embedded database in tests straight through SQLite, without the client's layers.
#include <QString>
#include <QStringList>
#include <sqlite3.h>

class BaseDePrueba {
  public:
    explicit BaseDePrueba(const QString& archivo);
    ~BaseDePrueba();
    BaseDePrueba(const BaseDePrueba&) = delete;
    BaseDePrueba& operator=(const BaseDePrueba&) = delete;

    // Every row, its columns joined by "|" (Null as "<null>"). A failing statement fails the test.
    QStringList filas(const QString& sql);
    QString valor(const QString& sql); // first column of the first row
    // The query plan as SQLite explains it, one line per step.
    QString plan(const QString& sql);
    // Runs a statement; returns SQLite's extended result code.
    int ejecutar(const QString& sql);

  private:
    QString m_archivo;
    sqlite3* m_bd = nullptr;
};
