#include "companion/Contexto.h"

#include <QDir>

namespace entrega {

Contexto::Contexto(ServicioDialogos& dialogos_)
    : sesion(*this), estadisticas(*this), util(dialogos_), dialogos(dialogos_) {}

void Contexto::terminar() {
    m_terminado = true;
    if (alTerminar)
        alTerminar();
    throw ProgramaTerminado{};
}

void Contexto::tomarCarpetas(const QString& carpetaEjecutable) {
    const QString programa = qEnvironmentVariable("ENTREGA_PROGRAMA");
    carpetaPrograma = QDir::toNativeSeparators(programa.isEmpty() ? carpetaEjecutable : programa);
    const QString datos = qEnvironmentVariable("ENTREGA_DATOS");
    carpetaDatos = QDir::toNativeSeparators(datos.isEmpty() ? carpetaPrograma : datos);
    ini.setCarpeta(carpetaPrograma);
}

} // namespace entrega
