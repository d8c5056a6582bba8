#include "delivery/FrmEntregaMercaderia.h"

#include "companion/Contexto.h"
#include "config/FechaOperacion.h"
#include "core/Fecha.h"
#include "core/Pasos.h"
#include "core/Texto.h"
#include "delivery/EntregaDeComprobante.h"
#include "dialogs/ServicioDialogos.h"
#include "startup/IniciarAplicacion.h"
#include "ui/AplicarTema.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

namespace entrega {

namespace {

// The screen is drawn in twips, 15 to a pixel.
QRect twips(int izquierda, int arriba, int ancho, int alto) {
    auto px = [](int t) { return (t + 7) / 15; };
    return QRect(px(izquierda), px(arriba), px(ancho), px(alto));
}

constexpr int LargoClave = 17; // a whole scanned key fits in any key box
constexpr int LargoFecha = 10; // dd/mm/yyyy: a date-time assigned to the box keeps its date

struct Columna {
    const char16_t* titulo;
    int equis; // width in capital X's of the screen's font; 0 hides the column
};

constexpr Columna columnas[] = {
    {u"", 0},
    {u"TC  ", 8},
    {u"Nº Comprobante", 14},
    {u"Fecha", 10},
    {u"Fecha Entrega", 14},
    {u"Cuenta", 10},
    {u"Razon Social", 18},
    {u"Complemento", 0},
    {u"Domicilio", 15},
    {u"Localidad", 15},
    {u"Zona", 15},
    {u"Vendedor", 5},
    {u"Fecha Entrega", 18},
    {u"Deposito", 10},
    {u"DESTINO", 10},
    {u"TOTAL", 10},
};

// The row's fields under columns 2 to 14; an empty name is a column left blank.
constexpr const char16_t* camposDeFila[] = {
    u"TC",        u"IdComprobante", u"fecha",  u"FECHAENTREGA", u"Cuenta",         u"nombre",     u"",
    u"Domicilio", u"Localidad",     u"idpalm", u"IdVendedor",   u"FechaEstInicio", u"IdDeposito",
};

const QString tituloAviso = QStringLiteral("Aviso al Operador");

// The boxes a whole scanned key may be typed into, and that it fills.
constexpr const char16_t* camposDeClave[] = {u"BTC", u"BSUCURSAL", u"BNUMERO", u"BLETRA"};

} // namespace

FrmEntregaMercaderia::FrmEntregaMercaderia(Contexto& ctx, QWidget* padre) : QWidget(padre), m_ctx(ctx) {
    construir();
}

QLineEdit* FrmEntregaMercaderia::crearCaja(QWidget* padre, int indice, const QString& campo, int largoMaximo,
                                           const QRect& lugar) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(QStringLiteral("txtfields"));
    caja->setProperty("Index", indice);
    caja->setProperty("DataField", campo);
    caja->setMaxLength(largoMaximo);
    caja->setGeometry(lugar);
    caja->installEventFilter(this);
    m_txtfields[indice] = caja;
    return caja;
}

void FrmEntregaMercaderia::construir() {
    setObjectName(QStringLiteral("FrmEntregaMercaderia"));
    setWindowTitle(QStringLiteral("Entrega de Mercaderia"));
    setFixedSize(twips(0, 0, 10830, 5415).size());
    // The screen was laid out for an 8-point font; the desktop's larger default would clip its captions.
    QFont fuente = font();
    fuente.setPointSize(8);
    setFont(fuente);
    m_txtfields = QList<QLineEdit*>(6, nullptr);

    m_frame1 = new QGroupBox(QStringLiteral("Entregar Pedidos Pendientes"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twips(0, 0, 10770, 855));

    auto etiqueta = [](QWidget* padre, const char* nombre, const QString& texto, const QRect& lugar) {
        auto* label = new QLabel(texto, padre);
        label->setObjectName(QLatin1String(nombre));
        label->setGeometry(lugar);
        return label;
    };
    etiqueta(m_frame1, "Label1", QStringLiteral("Comprobante:"), twips(120, 390, 1035, 255))
        ->setProperty("Index", 9);
    auto* tc = crearCaja(m_frame1, 0, QStringLiteral("BTC"), LargoClave, twips(1200, 360, 495, 285));
    etiqueta(m_frame1, "Label1", QStringLiteral("Numero"), twips(1800, 390, 675, 255))
        ->setProperty("Index", 10);
    auto* sucursal =
        crearCaja(m_frame1, 1, QStringLiteral("BSUCURSAL"), LargoClave, twips(2430, 360, 495, 285));
    auto* numero = crearCaja(m_frame1, 2, QStringLiteral("BNUMERO"), LargoClave, twips(2925, 360, 855, 285));
    auto* letra = crearCaja(m_frame1, 3, QStringLiteral("BLETRA"), LargoClave, twips(3780, 360, 255, 285));
    auto* complemento =
        crearCaja(m_frame1, 5, QStringLiteral("BCOMPLEMENTO"), LargoClave, twips(4200, 360, 495, 285));
    m_cmdBuscar = new QPushButton(QStringLiteral("&Buscar"), m_frame1);
    m_cmdBuscar->setObjectName(QStringLiteral("CmdBuscar"));
    m_cmdBuscar->setGeometry(twips(5040, 360, 1095, 360));

    m_lblEntregados =
        etiqueta(this, "LblEntregados", QStringLiteral("Entregados del dia"), twips(20, 840, 10770, 255));
    QPalette colores = m_lblEntregados->palette();
    colores.setColor(QPalette::Window, QColor(255, 192, 128));
    m_lblEntregados->setPalette(colores);
    m_lblEntregados->setAutoFillBackground(true);
    m_lblEntregados->setFont(QFont(QStringLiteral("Tahoma"), 9));

    m_listView1 = new QTreeWidget(this);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setGeometry(twips(20, 1080, 10770, 3690));
    m_listView1->setRootIsDecorated(false);
    m_listView1->setItemsExpandable(false);
    m_listView1->setUniformRowHeights(true);

    etiqueta(this, "Label3", QStringLiteral("Fecha"), twips(120, 4800, 2055, 255));
    auto* fecha = crearCaja(this, 4, QStringLiteral("FECHA"), LargoFecha, twips(120, 5040, 1095, 285));
    m_cmdCargar = new QPushButton(QStringLiteral("Cargar"), this);
    m_cmdCargar->setObjectName(QStringLiteral("CmdCargar"));
    m_cmdCargar->setGeometry(twips(1680, 4980, 1335, 375));
    m_cmdSalir = new QPushButton(QStringLiteral("Salir"), this);
    m_cmdSalir->setObjectName(QStringLiteral("CmdSalir"));
    m_cmdSalir->setGeometry(twips(9360, 4920, 1335, 375));

    const QList<QWidget*> orden = {tc,          sucursal, numero,      letra,      complemento,
                                   m_cmdBuscar, fecha,    m_cmdCargar, m_cmdSalir, m_listView1};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    tc->setFocus();

    connect(m_cmdBuscar, &QPushButton::clicked, this, &FrmEntregaMercaderia::CmdBuscar_Click);
    connect(m_cmdCargar, &QPushButton::clicked, this, &FrmEntregaMercaderia::cargarPedidoPorOperador);
    connect(m_cmdSalir, &QPushButton::clicked, this, &FrmEntregaMercaderia::CmdSalir_Click);
}

QLineEdit* FrmEntregaMercaderia::campo(const QString& nombre) const {
    const int indice = m_ctx.campos.IndiceCampo(nombre, m_txtfields);
    if (indice < 0)
        throw fallaDePlataforma(errores::FueraDeRango);
    return m_txtfields.at(indice);
}

void FrmEntregaMercaderia::Form_Load() {
    Pasos::ignorados()
        .paso([&] { AplicarTema(m_ctx, *this, true); })
        .paso([&] {
            QString cadena, conexionExplicita;
            IniciarAplicacion(m_ctx, false, cadena, conexionExplicita, 3);
        })
        .paso([&] { m_ctx.aplicacion.Proveedor = m_ctx.sesion.Proveedor(); })
        .paso([&] { Encolumnar(m_listView1); })
        .paso([&] { ponerFechaOperacion(); })
        .paso([&] { CargarEntregadosDiario(); })
        .ejecutar();
}

void FrmEntregaMercaderia::Encolumnar(QTreeWidget* lista) {
    lista->clear();
    lista->setColumnCount(0);
    QStringList titulos;
    for (const Columna& c : columnas)
        titulos << QString::fromUtf16(c.titulo);
    lista->setHeaderLabels(titulos);
    lista->header()->setMinimumSectionSize(0); // a width of no X's hides the column
    const QFontMetrics medida(font());
    for (int i = 0; i < lista->columnCount(); ++i)
        lista->setColumnWidth(i, medida.horizontalAdvance(QString(columnas[i].equis, QLatin1Char('X'))));
}

// The date box keeps the date part of the operation date-time (its maximum length cuts the time off).
void FrmEntregaMercaderia::ponerFechaOperacion() {
    campo(QStringLiteral("FECHA"))->setText(fecha::texto(FechaOperacion(m_ctx)));
}

void FrmEntregaMercaderia::CargarEntregadosDiario() {
    m_listView1->clear();
    QLineEdit* fecha = campo(QStringLiteral("FECHA"));
    if (texto::recortar(fecha->text()).isEmpty())
        ponerFechaOperacion();
    const QString dia = fecha::textoDia(Variant(fecha->text()).aFecha());
    const QString sql = QStringLiteral("Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '") +
                        dia + QStringLiteral(" 00:00:00' and fechaentrega <='") + dia +
                        QStringLiteral(" 23:59:59')");

    ado::Recordset rs;
    m_ctx.sesion.AbrirConsulta(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    if (!rs.BOF()) {
        m_lblEntregados->setText(QStringLiteral("Entregados del dia ") + texto::recortar(fecha->text()));
        for (; !rs.EOF(); rs.MoveNext()) {
            auto* fila = new QTreeWidgetItem(m_listView1);
            int columna = 1;
            for (const char16_t* nombre : camposDeFila) {
                const QString campoFila = QString::fromUtf16(nombre);
                if (!campoFila.isEmpty())
                    fila->setText(columna, m_ctx.util.ValorCampo(rs.Fields(campoFila)).aTexto());
                ++columna;
            }
        }
    }
    m_ctx.sesion.CerrarConsulta(rs);
}

void FrmEntregaMercaderia::CmdCargar_Click() {
    CargarEntregadosDiario();
}

void FrmEntregaMercaderia::cargarPedidoPorOperador() {
    try {
        CmdCargar_Click();
    } catch (const Falla& falla) {
        const QString causa =
            falla.numero() == errores::TiposIncompatibles
                ? QStringLiteral("\"%1\" no es una fecha valida; escribala como dd/mm/aaaa.")
                      .arg(campo(QStringLiteral("FECHA"))->text())
                : falla.descripcion();
        m_ctx.dialogos.mensaje(QStringLiteral("No se pudo cargar la lista de entregas del dia.\r\n") + causa,
                               estilo::Aceptar + estilo::Exclamacion, tituloAviso);
    }
}

void FrmEntregaMercaderia::CmdSalir_Click() {
    m_ctx.terminar();
}

void FrmEntregaMercaderia::CmdBuscar_Click() {
    EntregaDeComprobante(m_ctx, *this).ejecutar();
}

bool FrmEntregaMercaderia::eventFilter(QObject* objeto, QEvent* evento) {
    const int indice = static_cast<int>(m_txtfields.indexOf(qobject_cast<QLineEdit*>(objeto)));
    if (indice < 0)
        return QWidget::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::FocusIn:
        txtfields_GotFocus(indice);
        break;
    case QEvent::FocusOut:
        txtfields_LostFocus(indice);
        break;
    case QEvent::KeyPress:
        return teclaEnCaja(indice, static_cast<QKeyEvent*>(evento));
    default:
        break;
    }
    return false;
}

bool FrmEntregaMercaderia::teclaEnCaja(int indice, QKeyEvent* evento) {
    int tecla = evento->key();
    txtfields_KeyDown(indice, tecla, evento->modifiers());
    if (tecla == 0)
        return true;
    const QString escrito = evento->text();
    if (escrito.size() != 1)
        return false;
    QChar caracter = escrito.at(0);
    txtfields_KeyPress(indice, caracter);
    if (caracter == escrito.at(0))
        return false;
    if (!caracter.isNull())
        m_txtfields.at(indice)->insert(QString(caracter));
    return true;
}

void FrmEntregaMercaderia::txtfields_GotFocus(int indice) {
    QLineEdit* caja = m_txtfields.at(indice);
    QPalette colores = caja->palette();
    colores.setColor(QPalette::Base, QColor(0, 255, 255));
    caja->setPalette(colores);
    // The trimmed length: a text with leading blanks is not selected to its end.
    caja->setSelection(0, static_cast<int>(texto::recortar(caja->text()).size()));
}

void FrmEntregaMercaderia::txtfields_LostFocus(int indice) {
    QLineEdit* caja = m_txtfields.at(indice);
    QPalette colores = caja->palette();
    colores.setColor(QPalette::Base, QColor(255, 255, 255));
    caja->setPalette(colores);
}

void FrmEntregaMercaderia::txtfields_KeyPress(int indice, QChar& caracter) {
    if (caracter == QChar(27))
        return;
    m_ctx.campos.ValidarTecla(m_txtfields.at(indice), caracter);
}

void FrmEntregaMercaderia::txtfields_KeyDown(int indice, int& tecla, Qt::KeyboardModifiers) {
    if (!m_ctx.campos.TeclaSalida(tecla))
        return;
    CampoValida(m_txtfields.at(indice));
    m_ctx.campos.PasarFoco(tecla);
    tecla = 0;
}

void FrmEntregaMercaderia::CampoValida(QLineEdit* caja) {
    QLineEdit* tipo = nullptr;
    try {
        const QString clave = texto::recortar(caja->text());
        const QString nombre = caja->property(cCampos::propiedadCampo).toString();
        const bool esCajaDeClave =
            std::any_of(std::begin(camposDeClave), std::end(camposDeClave), [&](const char16_t* c) {
                return texto::igualesSinMayusculas(nombre, QString::fromUtf16(c));
            });
        if (!esCajaDeClave || (clave.size() != 15 && clave.size() != 17))
            return;
        tipo = campo(QStringLiteral("BTC"));
        tipo->setText(texto::medio(clave, 1, 2));
        campo(QStringLiteral("BSUCURSAL"))->setText(texto::medio(clave, 3, 4));
        campo(QStringLiteral("BNUMERO"))->setText(texto::medio(clave, 7, 8));
        campo(QStringLiteral("BLETRA"))->setText(texto::medio(clave, 15, 1));
        if (clave.size() == 17) {
            QString complemento = texto::medio(clave, 16, 2);
            if (complemento.startsWith(u'0'))
                complemento.remove(0, 1);
            campo(QStringLiteral("BCOMPLEMENTO"))->setText(complemento);
        }
    } catch (const Falla& falla) {
        m_ctx.dialogos.mensaje(QStringLiteral("No se pudo tomar la clave del comprobante.\r\n") +
                                   falla.descripcion(),
                               estilo::Aceptar + estilo::Informacion, QStringLiteral("Aviso al operador..."));
        caja->setFocus(Qt::OtherFocusReason);
        return;
    }
    CmdBuscar_Click();
    // The next scan replaces the whole key: back to the type box, its text selected.
    m_ctx.campos.VolverA(tipo);
}

} // namespace entrega
