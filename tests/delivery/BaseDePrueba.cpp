#include "BaseDePrueba.h"

#include "support/SqliteDePrueba.h"

BaseDePrueba::BaseDePrueba(const QString& nombre)
    : m_archivo(m_carpeta.filePath(nombre + QStringLiteral(".sqlite"))) {
    ejecutar(entrega::prueba::esquema(QStringLiteral("entrega.sql")));
}

QString BaseDePrueba::carpeta() const {
    return QDir::toNativeSeparators(m_carpeta.path());
}

void BaseDePrueba::ejecutar(const QString& sql) {
    entrega::prueba::ejecutarSql(m_archivo, sql);
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
