#pragma once
// An embedded working database made from the schema in a temporary folder, with vouchers put in by SQL.
#include <QString>
#include <QTemporaryDir>

struct sqlite3;

class BaseDePrueba {
  public:
    explicit BaseDePrueba(const QString& nombre);
    ~BaseDePrueba();
    BaseDePrueba(const BaseDePrueba&) = delete;
    BaseDePrueba& operator=(const BaseDePrueba&) = delete;

    QString carpeta() const;
    void ejecutar(const QString& sql);
    // A voucher; `fechaEntrega` in the stored form "yyyy-mm-dd hh:mm:ss", or empty for one not delivered.
    void comprobante(const QString& tc, const QString& id, const QString& fechaEntrega,
                     const QString& domicilio = QStringLiteral("'Calle 1'"));

  private:
    QTemporaryDir m_carpeta;
    sqlite3* m_base = nullptr;
};
