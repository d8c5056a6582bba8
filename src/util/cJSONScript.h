#pragma once
// Evaluates a small script written in JSON and returns the text it produces. A script is an array whose
// elements are literal texts or objects of commands: "alert", "input", "switch", "set", "get", "if",
// "return"; any other key writes a template marker "<%KEY(parameters)%>" for another program to fill in.
// Values of the wrong kind raise a Falla to the caller of Eval.
#include "dialogs/ServicioDialogos.h"
#include "util/ValorJson.h"

#include <QHash>
#include <QString>
#include <cstdint>

namespace entrega {

class cStringBuilder;

class cJSONScript {
  public:
    explicit cJSONScript(ServicioDialogos& dialogos) : m_dialogos(dialogos) {}

    // A text that does not parse cleanly shows the parser's faults and produces nothing.
    QString Eval(const QString& sJSON);
    // The text one script value produces; nesting deeper than 41 calls produces an error text instead.
    QString ExecCommand(const ValorJson& obj);

  private:
    void escribir(const ValorJson& obj, cStringBuilder& salida);
    void ejecutarComandos(const Mapa& comandos, cStringBuilder& salida);
    QString alert(const ValorJson& valor);
    QString input(const ValorJson& valor);
    QString elegir(const ValorJson& valor);
    QString asignar(const ValorJson& valor);
    QString leer(const ValorJson& valor);
    QString comparar(const ValorJson& valor);

    ServicioDialogos& m_dialogos;
    QHash<QString, QString> m_variables; // kept for the evaluator's life, across Eval calls
    std::int32_t m_depth = 0;
};

} // namespace entrega
