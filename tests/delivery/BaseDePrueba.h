#pragma once
// An embedded working database made from the schema in a temporary folder, with vouchers put in by SQL.
#include <QString>
#include <QTemporaryDir>

class BaseDePrueba {
  public:
    explicit BaseDePrueba(const QString& nombre);

    QString carpeta() const;
    void ejecutar(const QString& sql);
    // A voucher; `fechaEntrega` in the stored form "yyyy-mm-dd hh:mm:ss", or empty for one not delivered.
    void comprobante(const QString& tc, const QString& id, const QString& fechaEntrega,
                     const QString& domicilio = QStringLiteral("'Calle 1'"));

  private:
    QTemporaryDir m_carpeta;
    QString m_archivo;
};
