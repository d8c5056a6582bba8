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
    // The text's leading number as currency, in ten-thousandths; 0 when there is none; error 6 out of range.
    std::int64_t ValorNumerico(const QString& texto) const;
    // At most `largo` characters from the left (error 5 for a negative length).
    QString Recortar(const QString& texto, int largo) const;
    // The code trimmed and right-aligned with blanks to `ancho` characters, as the tables store codes
    // ("1" gives "   1"); a longer code is kept whole.
    QString CompletarCodigo(const QString& codigo, int ancho = 4) const;
    int ContarPalabras(const QString& texto) const;
    // For a text made of `caracter` and a value ("=SRV01", " = SRV01") the value without the character and
    // the blanks around it; any other text comes back unchanged. Further occurrences inside the value stay,
    // so a password such as "a=b" survives.
    QString QuitarCaracter(const QString& texto, const QString& caracter) const;
    QString Codificar(const QString& plano) const;
    QString Decodificar(const QString& codificado) const;
    // The folder with native separators ("\" and "/" both read as separators), ending with one; an empty
    // folder stays empty rather than becoming the root.
    QString NormalizarCarpeta(const QString& carpeta) const;
    // Shows the failure (Abort / Retry / Ignore, critical) and returns the answer code: 4 retry, 5 ignore,
    // anything else abandon.
    int MostrarError(const Falla& falla) const;

  private:
    ServicioDialogos& m_dialogos;
};

} // namespace entrega
