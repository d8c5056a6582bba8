#pragma once
// Small services of the companion: field values, numbers, texts, the password encoding, error display.
#include "ado/Recordset.h"
#include "core/Falla.h"
#include "core/Variant.h"

#include <QString>

namespace entrega {

class ServicioDialogos;

class cUtil {
public:
    explicit cUtil(ServicioDialogos& dialogos) : m_dialogos(dialogos) {}

    // A field's value, never Null (a Null column gives empty text); a plain value comes back unchanged.
    Variant ValorCampo(const ado::Field& campo) const;
    Variant ValorCampo(const Variant& valor) const;
    std::int64_t ValorNumerico(const QString& texto) const; // currency, ten-thousandths; 0 when no number
    QString Recortar(const QString& texto, int largo) const;
    QString CompletarCodigo(const QString& codigo, int ancho = 4) const;
    int ContarPalabras(const QString& texto) const;
    QString QuitarCaracter(const QString& texto, const QString& caracter) const;
    QString Codificar(const QString& plano) const;
    QString Decodificar(const QString& codificado) const;
    QString NormalizarCarpeta(const QString& carpeta) const;
    // Shows the failure (Retry / Ignore / Abort) and returns the answer code: 4 retry, 5 ignore, else abandon.
    int MostrarError(const Falla& falla) const;

private:
    ServicioDialogos& m_dialogos;
};

} // namespace entrega
