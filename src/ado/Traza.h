#pragma once
// Every statement a connection sent: as the client wrote it, and as the engine received it.
#include <QList>
#include <QString>

namespace entrega::ado {

struct SentenciaTrazada {
    QString escrita;
    QString recibida;
};

class Traza {
  public:
    void anotar(const QString& escrita, const QString& recibida) { m_items.append({escrita, recibida}); }
    const QList<SentenciaTrazada>& items() const { return m_items; }
    QStringList escritas() const;
    void limpiar() { m_items.clear(); }

  private:
    QList<SentenciaTrazada> m_items;
};

} // namespace entrega::ado
