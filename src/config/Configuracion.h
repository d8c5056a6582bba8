#pragma once
// The suite's key/value configuration table. Cfg and GrabaDfg work on the main session and on the table
// named by Contexto::TablaConfiguracion; CfgKV and GrabaCfgKV on the statistics session and always on
// TA_CONFIGURACION, selecting by key alone. The group "DATOS" (any case) selects by key alone too.
//
// Readers: a key with no row reads as " " (its auxiliary value as ""), an empty or Null value as "";
// "THEME" reads as "1" when blank. A failure goes to ReportarError ("Cfg" / "CfgKV"): Ignore goes on with
// the next step, Retry runs the step again in CfgKV but abandons in Cfg, anything else abandons and the
// reader returns "" (the auxiliary value keeps what it had been given so far).
// Writers report nothing: a failing step is skipped.
#include "core/Variant.h"

#include <QString>

namespace entrega {

class Contexto;

QString Cfg(Contexto& contexto, const QString& clave, QString& valorAux,
            const QString& grupo = QStringLiteral("DATOS"));
QString CfgKV(Contexto& contexto, const QString& clave, QString& valorAux);

// Inserts the key when it has no row, else updates the first row found (or deletes it when `borrar`).
// The key is stored trimmed and upper-cased; the value trimmed when `recortar`; an empty auxiliary value
// leaves VALORAUX as it was.
void GrabaDfg(Contexto& contexto, const QString& clave, const Variant& valor, const QString& valorAux,
              bool politicaNegocio, const QString& grupo, bool recortar, bool borrar);
// GrabaDfg on the statistics session, by key alone, never deleting; the auxiliary value is always trimmed.
void GrabaCfgKV(Contexto& contexto, const QString& clave, const Variant& valor, const QString& valorAux,
                bool politicaNegocio, const QString& grupo, bool recortar);

} // namespace entrega
