#include "ado/sqlite/MotorSqlite.h"

#include "ado/sqlite/CursorSqlite.h"

#include <sqlite3.h>

namespace entrega::ado::sqlite {

using namespace Qt::StringLiterals;

MotorSqlite::MotorSqlite(const QString& carpeta, const QString& base, int tiempoEspera)
    : m_carpeta(carpeta), m_nombre(base), m_tiempoEspera(tiempoEspera),
      m_base(BaseSqlite::abrir(carpeta, base, tiempoEspera)) {}

QString MotorSqlite::proveedor() const {
    return u"SQLite "_s + QString::fromUtf8(sqlite3_libversion());
}

BaseSqlite& MotorSqlite::base() {
    if (!m_base)
        throw ErrorMotor({{fallas::ObjetoCerrado, 0, u"08003"_s, textoFallaAdo(fallas::ObjetoCerrado), {}}});
    return *m_base;
}

std::unique_ptr<Cursor> MotorSqlite::ejecutar(const QString& sql, const QList<Variant>& parametros) {
    QByteArray texto = sql.toUtf8();
    sqlite3_stmt* sentencia = base().tomar(texto);
    auto cursor = std::make_unique<CursorSqlite>(m_base, std::move(texto), sentencia);
    cursor->ejecutar(parametros);
    return cursor;
}

QStringList MotorSqlite::clavePrimaria(const QString& tabla) {
    auto cursor = ejecutar(u"select name from pragma_table_info(?) where pk > 0 order by pk"_s, {tabla});
    QStringList clave;
    while (cursor->siguiente())
        clave.append(cursor->valor(0).aTexto());
    return clave;
}

void MotorSqlite::fijarTiempoEspera(int segundos) {
    m_tiempoEspera = segundos;
    base().fijarTiempoEspera(segundos);
}

void MotorSqlite::fijarBaseDeDatos(const QString& nombre) {
    m_base = BaseSqlite::abrir(m_carpeta, nombre, m_tiempoEspera);
    m_nombre = nombre;
}

} // namespace entrega::ado::sqlite
