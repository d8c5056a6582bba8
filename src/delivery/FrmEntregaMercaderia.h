#pragma once
// The delivery screen: the voucher key boxes at the top, the list of the RM vouchers delivered on the day
// in the date box below them, "Cargar" to list another day and "Salir" to end the program.
#include <QList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace entrega {

class Contexto;

class FrmEntregaMercaderia : public QWidget {
    Q_OBJECT
  public:
    explicit FrmEntregaMercaderia(Contexto& ctx, QWidget* padre = nullptr);

    // Theming, start-up, the list's columns, the operation date and the day's list; a failing step is
    // skipped.
    void Form_Load();
    // Gives the list its sixteen columns, measured in the screen's font.
    void Encolumnar(QTreeWidget* lista);
    // Lists the RM vouchers delivered on the day in the FECHA box. Failures go to the caller.
    void CargarEntregadosDiario();
    void CmdCargar_Click();
    // Ends the program at once.
    void CmdSalir_Click();

    // The text boxes, in control-array order; each carries its field name in the "DataField" property.
    const QList<QLineEdit*>& txtfields() const { return m_txtfields; }
    // The box with that field name, ignoring case.
    QLineEdit* campo(const QString& nombre) const;

  private:
    void construir();
    QLineEdit* crearCaja(QWidget* padre, int indice, const QString& campo, int largoMaximo,
                         const QRect& lugar);
    // The "Cargar" button: a list that does not load is told to the operator, and the screen stays.
    void cargarPedidoPorOperador();
    void ponerFechaOperacion();

    Contexto& m_ctx;
    QList<QLineEdit*> m_txtfields;
    QGroupBox* m_frame1 = nullptr;
    QPushButton* m_cmdBuscar = nullptr;
    QLabel* m_lblEntregados = nullptr;
    QTreeWidget* m_listView1 = nullptr;
    QPushButton* m_cmdCargar = nullptr;
    QPushButton* m_cmdSalir = nullptr;
};

} // namespace entrega
