#include "companion/cEquipo.h"

#include <QDesktopServices>
#include <QDir>
#include <QSysInfo>
#include <QUrl>

namespace entrega {

QString cEquipo::NombreEquipo() const {
    return QSysInfo::machineHostName();
}

QString cEquipo::UsuarioEquipo() const {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString usuario = qEnvironmentVariable(variable);
        if (!usuario.isEmpty())
            return usuario;
    }
    return {};
}

QString cEquipo::CarpetaTemporal() const {
    return QDir::toNativeSeparators(QDir::tempPath());
}

void cEquipo::EjecutarDocumento(const QString& documento) const {
    QDesktopServices::openUrl(QUrl::fromUserInput(documento, QDir::currentPath(), QUrl::AssumeLocalFile));
}

} // namespace entrega
