#pragma once
// The start-up wait window: shown without blocking, closed by the sign-in or the failure handling.
#include <QPointer>
#include <QString>

class QWidget;
class QLabel;

namespace entrega {

class cEspera {
public:
    cEspera();
    ~cEspera();
    void Mensaje(const QString& texto, int = 0);
    void Mostrar(int, const QString& linea1, const QString& linea2, const QString& linea3);
    void Cerrar();
    bool visible() const;
    QString textoMostrado() const; // what the window shows, for tests

private:
    QString m_mensaje;
    QPointer<QWidget> m_ventana;
};

} // namespace entrega
