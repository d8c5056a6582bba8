#include "BaseDePrueba.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

BaseDePrueba::BaseDePrueba(const QString& nombre) {
    const QString archivo = m_carpeta.filePath(nombre + QStringLiteral(".sqlite"));
    if (sqlite3_open(qUtf8Printable(archivo), &m_base) != SQLITE_OK)
        ADD_FAILURE() << "cannot create " << qPrintable(archivo);
    QFile esquema(QStringLiteral(ENTREGA_ESQUEMA));
    if (!esquema.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "no schema at " ENTREGA_ESQUEMA;
    ejecutar(QString::fromUtf8(esquema.readAll()));
}

BaseDePrueba::~BaseDePrueba() {
    sqlite3_close(m_base);
}

QString BaseDePrueba::carpeta() const {
    return QDir::toNativeSeparators(m_carpeta.path());
}

void BaseDePrueba::ejecutar(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_base, qUtf8Printable(sql), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << error << "\n" << qPrintable(sql);
        sqlite3_free(error);
    }
}

void BaseDePrueba::comprobante(const QString& tc, const QString& id, const QString& fechaEntrega,
                               const QString& domicilio) {
    const QString entrega = fechaEntrega.isEmpty() ? QStringLiteral("NULL") : u'\'' + fechaEntrega + u'\'';
    ejecutar(
        QStringLiteral("INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, Cuenta, nombre, "
                       "Domicilio, Localidad, idpalm, IdVendedor, FechaEstInicio, IdDeposito, Total) VALUES "
                       "('%1', '%2', '2026-04-20 00:00:00', %3, 'C0042', 'Ferreteria Sur', %4, 'Rosario', "
                       "'Z3', 7, '2026-04-21 08:30:00', 2, 1234.5)")
            .arg(tc, id, entrega, domicilio));
}
