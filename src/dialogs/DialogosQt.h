#pragma once
// The real dialogs: QMessageBox and QInputDialog with Spanish button texts.
#include "dialogs/ServicioDialogos.h"

class QWidget;

namespace entrega {

class DialogosQt : public ServicioDialogos {
public:
    explicit DialogosQt(QWidget* padre = nullptr) : m_padre(padre) {}
    int mensaje(const QString& texto, int estilo, const QString& titulo) override;
    QString entrada(const QString& pregunta, const QString& titulo, const QString& predeterminado) override;

private:
    QWidget* m_padre;
};

} // namespace entrega
