#include "companion/cUtil.h"

#include "companion/Codificacion.h"
#include "core/Texto.h"
#include "dialogs/ServicioDialogos.h"

#include <QDir>
#include <cmath>

namespace entrega {

Variant cUtil::ValorCampo(const ado::Field& campo) const {
    const Variant valor = campo.Value();
    return valor.esNulo() ? Variant(QString()) : valor;
}

Variant cUtil::ValorCampo(const Variant& valor) const {
    return valor;
}

std::int64_t cUtil::ValorNumerico(const QString& texto) const {
    constexpr double maximoMoneda = 922337203685477.5807;
    const double numero = texto::valor(texto);
    if (!(std::fabs(numero) <= maximoMoneda))
        throw fallaDePlataforma(errores::Desbordamiento);
    return Variant::monedaDesde(numero).monedaCruda();
}

QString cUtil::Recortar(const QString& texto, int largo) const {
    return texto::izquierda(texto, largo);
}

QString cUtil::CompletarCodigo(const QString& codigo, int ancho) const {
    return texto::recortar(codigo).rightJustified(ancho, u' ');
}

int cUtil::ContarPalabras(const QString& texto) const {
    return static_cast<int>(texto.split(u' ', Qt::SkipEmptyParts).size());
}

QString cUtil::QuitarCaracter(const QString& texto, const QString& caracter) const {
    const QString sinBlancos = texto::recortarIzquierda(texto);
    if (caracter.isEmpty() || !sinBlancos.startsWith(caracter))
        return texto;
    return texto::recortar(sinBlancos.mid(caracter.size()));
}

QString cUtil::Codificar(const QString& plano) const {
    return codificar(plano);
}

QString cUtil::Decodificar(const QString& codificado) const {
    return decodificar(codificado);
}

QString cUtil::NormalizarCarpeta(const QString& carpeta) const {
    if (texto::recortar(carpeta).isEmpty())
        return {};
    QString normal = carpeta;
    normal.replace(u'\\', u'/');
    normal = QDir::toNativeSeparators(normal);
    if (!normal.endsWith(QDir::separator()))
        normal += QDir::separator();
    return normal;
}

int cUtil::MostrarError(const Falla& falla) const {
    const QString texto =
        QStringLiteral("Se produjo un error y la operación no pudo completarse.\n\n"
                       "Error %1: %2\nOrigen: %3\n\n"
                       "Reintentar repite el paso que falló, Ignorar sigue con el paso siguiente "
                       "y Anular abandona la operación.")
            .arg(falla.numero())
            .arg(texto::recortar(falla.descripcion()),
                 falla.origen().isEmpty() ? QStringLiteral("(desconocido)") : falla.origen());
    return m_dialogos.mensaje(texto, estilo::AnularReintentarIgnorar + estilo::Critico,
                              QStringLiteral("Aviso al Operador"));
}

} // namespace entrega
