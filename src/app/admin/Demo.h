#pragma once
// A realistic demo: the working database filled with vouchers of several types over many days, their stock
// lines and delivered parts, customers, settings, a business unit and a demo operator; the statistics
// database with its time-out setting.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace entrega::admin {

// The demo operator, as the client is started with.
inline const QString usuarioDemo = QStringLiteral("DEMO");
inline const QString claveDemo = QStringLiteral("demo");

struct OpcionesDemo {
    long long comprobantes = 20000;
    long long entregadosHoy = 12; // RM vouchers already delivered today
    bool reemplazar = false;
    QDateTime ahora = QDateTime::currentDateTime(); // today, and the latest delivery time written
};

struct ResumenDemo {
    long long comprobantes = 0;
    long long lineasStock = 0;
    long long partesEntregadas = 0; // control rows
    long long pendientesHoy = 0;    // today's RM vouchers waiting for delivery
    QStringList clavesParaProbar;   // scannable keys of some of them; a 17-character one names a part
};

// Receives the share of the work done, 0 to 100, each time it grows.
using Progreso = std::function<void(int porcentaje)>;

// Creates both databases in the folder (refusing existing ones unless `reemplazar`). Throws
// std::runtime_error on any failure, and std::invalid_argument for counts that make no demo.
ResumenDemo crearDemo(const QString& carpeta, const OpcionesDemo& opciones, const Progreso& progreso = {});

// The parameter string that starts the client on the demo as its operator.
QString cadenaParametrosDemo();

} // namespace entrega::admin
