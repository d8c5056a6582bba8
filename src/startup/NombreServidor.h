#pragma once
#include <QString>

namespace entrega {

// The host part of a server text: "TCP/SRV01:1433" gives "SRV01"; a named instance "SRV01\INST" stays whole.
QString NombreServidor(const QString& servidor);

} // namespace entrega
