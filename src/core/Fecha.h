#pragma once
// The automation date: days since 30/12/1899 00:00:00 (zero), the fraction being the time of day.
// Texts the system writes and reads are day first.
#include <QDateTime>
#include <QString>
#include <optional>

namespace entrega::fecha {

double desde(const QDateTime& momento);
double desde(const QDate& dia, const QTime& hora = QTime(0, 0));
QDateTime aMomento(double fecha); // to the nearest second

// "dd/mm/yyyy hh:mm:ss", or "dd/mm/yyyy" when the time is exactly midnight.
QString texto(double fecha);
// "dd/mm/yyyy"
QString textoDia(double fecha);
// "dd/mm/yy hh:mm"
QString textoCorto(double fecha);
// "yyyy-mm-dd hh:mm:ss", the sortable form the embedded engine stores.
QString textoIso(double fecha);

// Day-first reading: d/m/yyyy or d/m/yy (years 30..99 are 19xx, 00..29 are 20xx), separators "/", "-" or ".",
// optionally followed by h:mm or h:mm:ss. Refuses anything else, and days that do not exist (31/02).
std::optional<double> leer(const QString& texto);
// The ISO form "yyyy-mm-dd[ hh:mm[:ss]]" (also with "T"), as the engine stores dates.
std::optional<double> leerIso(const QString& texto);

} // namespace entrega::fecha
