#pragma once
// The start-up wait window: a small frameless window with three lines and a message, shown without blocking
// (the start-up goes on while it is on screen) and closed by the sign-in or the failure handling.
#include <QPointer>
#include <QString>

class QWidget;

namespace entrega {

class cEspera {
  public:
    cEspera();
    ~cEspera();
    cEspera(const cEspera&) = delete;
    cEspera& operator=(const cEspera&) = delete;

    // The message under the three lines; kept for the next Mostrar when the window is not shown.
    void Mensaje(const QString& texto, int = 0);
    void Mostrar(int, const QString& linea1, const QString& linea2, const QString& linea3);
    void Cerrar();
    bool visible() const;
    QString textoMostrado() const; // the lines and the message, one per line; empty when closed

  private:
    void ponerTexto(const char* nombre, const QString& texto);

    QString m_mensaje;
    QPointer<QWidget> m_ventana;
};

} // namespace entrega
