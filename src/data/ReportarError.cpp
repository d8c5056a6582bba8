#include "data/ReportarError.h"

#include "companion/Contexto.h"
#include "core/Texto.h"
#include "dialogs/ServicioDialogos.h"

#include <QDir>
#include <QFile>

namespace entrega {

namespace {

QString nombreDeRespuesta(int respuesta) {
    switch (respuesta) {
    case respuesta::Reintentar:
        return QStringLiteral("Reintentar");
    case respuesta::Ignorar:
        return QStringLiteral("Ignorar");
    case respuesta::Anular:
        return QStringLiteral("Abortar");
    case respuesta::Cancelar:
        return QStringLiteral("Cancelar");
    case respuesta::Si:
        return QStringLiteral("Sí");
    case respuesta::No:
        return QStringLiteral("No");
    default:
        return {};
    }
}

// The one date text of the client that is month first.
QString lineaDelRegistro(const QDateTime& momento, const QString& rutina, const QString& mensaje,
                         int respuesta) {
    return momento.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) + QStringLiteral(" Rutina: ") +
           texto::recortar(rutina) + QStringLiteral(" Mensaje ") + texto::recortar(mensaje) +
           QStringLiteral(" Respondió : ") + nombreDeRespuesta(respuesta) + QStringLiteral("\r\n");
}

} // namespace

QString carpetaDelRegistro(Contexto& contexto) {
    QString carpeta;
    if (!qEnvironmentVariable("TEMP").isEmpty())
        carpeta = qEnvironmentVariable("TMP");
    carpeta = texto::recortar(carpeta);
    if (carpeta.isEmpty())
        carpeta = contexto.equipo.CarpetaTemporal();
    carpeta = contexto.util.NormalizarCarpeta(carpeta);
    if (!carpeta.endsWith(QDir::separator()))
        carpeta += QDir::separator();
    return carpeta;
}

int ReportarError(Contexto& contexto, const Falla& error, std::optional<int> botones, const QString& rutina) {
    const std::int32_t numero = error.numero();
    // Opened before anything is shown, so the log exists even when nothing is written to it; a log that
    // cannot be opened does not keep the dialog from showing.
    QFile registro(carpetaDelRegistro(contexto) + QStringLiteral("KVERR.LOG"));
    registro.open(QIODevice::WriteOnly | QIODevice::Append);
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(numero) +
                            QStringLiteral(") ") + texto::recortar(error.descripcion());
    const QString parteRutina = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    const QString titulo = error.origen() + parteRutina + QStringLiteral(" Aviso al operador!!! - 2 ");
    const int estiloDialogo = botones.value_or(estilo::AnularReintentarIgnorar + estilo::Critico);
    if (numero == 0)
        return 0;
    const int respuesta = contexto.dialogos.mensaje(mensaje, estiloDialogo, titulo);
    if (registro.isOpen())
        registro.write(lineaDelRegistro(contexto.reloj(), parteRutina, mensaje, respuesta).toUtf8());
    return respuesta;
}

} // namespace entrega
