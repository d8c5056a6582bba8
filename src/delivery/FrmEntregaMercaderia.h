#pragma once
// The delivery screen: the voucher key boxes at the top (a scanned key is split into them and looked up at
// once) with "&Buscar" to deliver the voucher keyed, the list of the RM vouchers delivered on the day in the
// date box below them, "Cargar" to list another day and "Salir" to end the program.
#include <QList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QKeyEvent;
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
    // The voucher lookup and delivery confirmation; it answers its own failures.
    void CmdBuscar_Click();

    // The key boxes' handlers, each told the box's index in txtfields.
    void txtfields_GotFocus(int indice);
    void txtfields_LostFocus(int indice);
    // `caracter` may come back changed, or null when the box refuses it.
    void txtfields_KeyPress(int indice, QChar& caracter);
    // `tecla` comes back 0 when the key left the box (the box must not see it).
    void txtfields_KeyDown(int indice, int& tecla, Qt::KeyboardModifiers shift);
    // A whole key (15 or 17 characters) in one of the four key boxes is split into them and looked up.
    void CampoValida(QLineEdit* caja);

    // The text boxes, in control-array order; each carries its field name in the "DataField" property.
    const QList<QLineEdit*>& txtfields() const { return m_txtfields; }
    // The box with that field name, ignoring case; error 9 when there is none.
    QLineEdit* campo(const QString& nombre) const;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    // The boxes' key events, in the order the handlers expect: KeyDown, then KeyPress for a character.
    bool teclaEnCaja(int indice, QKeyEvent* evento);
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
