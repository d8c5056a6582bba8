#pragma once
// What the driver manager knows: the data source names (user and system) and the installed drivers.
#include <QStringList>

namespace entrega::ado::odbc {

QStringList fuentesDeDatos();
QStringList controladoresInstalados();

} // namespace entrega::ado::odbc
