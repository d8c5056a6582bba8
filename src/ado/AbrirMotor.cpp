#include "ado/Connection.h"
#include "ado/odbc/CadenaOdbc.h"
#include "ado/odbc/MotorOdbc.h"
#include "ado/sqlite/MotorSqlite.h"

namespace entrega::ado {

using namespace Qt::StringLiterals;

// "Provider=SQLite;..." is the embedded engine; "DSN=...", "FILEDSN=..." or "Driver=..." go to the driver
// manager as they stand.
std::unique_ptr<Motor> abrirMotor(const QString& cadena, int tiempoEspera, int tiempoConexion) {
    bool odbc = false;
    for (const auto& [clave, valor] : odbc::leerCadena(cadena)) {
        const QString k = clave.toLower();
        if (k == u"provider" && valor.compare(u"SQLite"_s, Qt::CaseInsensitive) == 0)
            return std::make_unique<sqlite::MotorSqlite>(odbc::valorDe(cadena, u"Data Source"_s),
                                                         odbc::valorDe(cadena, u"Database"_s), tiempoEspera);
        odbc = odbc || k == u"dsn" || k == u"filedsn" || k == u"driver";
    }
    if (odbc) {
        auto motor = std::make_unique<odbc::MotorOdbc>(cadena, tiempoConexion);
        motor->fijarTiempoEspera(tiempoEspera);
        return motor;
    }
    // The description is not repeated: it may carry a password.
    throw ErrorMotor(
        {{fallas::NoConecta, 0, u"IM002"_s,
          u"The connection description names no engine: it needs \"Provider=SQLite\", \"DSN=\" or "
          "\"Driver=\"."_s,
          u"Entrega.ADO"_s}});
}

} // namespace entrega::ado
