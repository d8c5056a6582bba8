#include "core/Fecha.h"

#include <QRegularExpression>
#include <cmath>

namespace entrega::fecha {

namespace {
const QDate kCero(1899, 12, 30);
constexpr double kSegundosDia = 86400.0;

std::optional<double> componer(int dia, int mes, int anio, int h, int m, int s) {
    const QDate d(anio, mes, dia);
    const QTime t(h, m, s);
    if (!d.isValid() || !t.isValid())
        return std::nullopt;
    return desde(d, t);
}
} // namespace

double desde(const QDate& dia, const QTime& hora) {
    const double dias = static_cast<double>(kCero.daysTo(dia));
    const double fraccion = hora.msecsSinceStartOfDay() / 1000.0 / kSegundosDia;
    // Before the zero day the fraction still counts forward from midnight, away from zero.
    return dias >= 0 ? dias + fraccion : dias - fraccion;
}

double desde(const QDateTime& momento) { return desde(momento.date(), momento.time()); }

QDateTime aMomento(double fecha) {
    const double dias = std::trunc(fecha);
    const double fraccion = std::fabs(fecha - dias);
    qint64 segundos = std::llround(fraccion * kSegundosDia);
    QDate dia = kCero.addDays(static_cast<qint64>(dias));
    if (segundos >= 86400) { // rounding reached the next midnight
        segundos -= 86400;
        dia = dia.addDays(fecha >= 0 ? 1 : -1);
    }
    return QDateTime(dia, QTime(0, 0).addSecs(static_cast<int>(segundos)));
}

QString texto(double fecha) {
    const QDateTime m = aMomento(fecha);
    if (m.time() == QTime(0, 0))
        return m.date().toString(QStringLiteral("dd/MM/yyyy"));
    return m.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QString textoDia(double fecha) { return aMomento(fecha).date().toString(QStringLiteral("dd/MM/yyyy")); }
QString textoCorto(double fecha) { return aMomento(fecha).toString(QStringLiteral("dd/MM/yy HH:mm")); }
QString textoIso(double fecha) { return aMomento(fecha).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

std::optional<double> leer(const QString& texto) {
    static const QRegularExpression patron(QStringLiteral(
        R"(^\s*(\d{1,2})([/.-])(\d{1,2})\2(\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto r = patron.match(texto);
    if (!r.hasMatch())
        return std::nullopt;
    int anio = r.captured(4).toInt();
    if (r.captured(4).size() == 2)
        anio += anio < 30 ? 2000 : 1900;
    return componer(r.captured(1).toInt(), r.captured(3).toInt(), anio, r.captured(5).toInt(),
                    r.captured(6).toInt(), r.captured(7).toInt());
}

std::optional<double> leerIso(const QString& texto) {
    static const QRegularExpression patron(QStringLiteral(
        R"(^\s*(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?\s*$)"));
    const auto r = patron.match(texto);
    if (!r.hasMatch())
        return std::nullopt;
    return componer(r.captured(3).toInt(), r.captured(2).toInt(), r.captured(1).toInt(), r.captured(4).toInt(),
                    r.captured(5).toInt(), r.captured(6).toInt());
}

} // namespace entrega::fecha
