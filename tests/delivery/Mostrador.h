#pragma once
// Delivery counters on one embedded database ENTREGA in a temporary folder: the database made from the
// schema in db/, vouchers, stock lines and control rows put in by SQL, and any number of workstations,
// each with its own context, scripted dialogs and delivery screen.
#include "companion/Contexto.h"
#include "core/Fecha.h"
#include "delivery/FrmEntregaMercaderia.h"
#include "support/EntornoDePrueba.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include <ostream>

// Texts in test failures read as texts.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace entrega::prueba {

// One workstation: its own connection to the database in `carpeta`, signed in as `usuario`.
class Estacion {
  public:
    Estacion(const QString& carpeta, const QString& usuario) {
        contexto.carpetaPrograma = contexto.carpetaDatos = carpeta;
        contexto.UsuarioSistema = usuario;
        contexto.sesion.Servidor = QStringLiteral("local");
        contexto.sesion.BaseDatos = QStringLiteral("ENTREGA");
        contexto.sesion.Conectar(false, 3, {}, true, true);
        EXPECT_TRUE(contexto.sesion.Conectado()) << qPrintable(contexto.sesion.motivo());
        pantalla = std::make_unique<FrmEntregaMercaderia>(contexto);
        pantalla->Encolumnar(lista());
    }
    ~Estacion() { EXPECT_EQ(dialogos.inesperados(), 0) << "a dialog nobody expected was shown"; }

    QLineEdit* caja(const char* campo) const { return pantalla->campo(QLatin1String(campo)); }
    // Keys the voucher into the boxes (as typed: no padding) and clicks "&Buscar".
    void buscar(const QString& tc, const QString& sucursal, const QString& numero, const QString& letra,
                const QString& complemento = {}) {
        caja("BTC")->setText(tc);
        caja("BSUCURSAL")->setText(sucursal);
        caja("BNUMERO")->setText(numero);
        caja("BLETRA")->setText(letra);
        caja("BCOMPLEMENTO")->setText(complemento);
        contexto.sesion.Conexion().traza().limpiar();
        pantalla->findChild<QPushButton*>(QStringLiteral("CmdBuscar"))->click();
    }
    QTreeWidget* lista() const { return pantalla->findChild<QTreeWidget*>(QStringLiteral("ListView1")); }
    // The voucher numbers the day's list shows.
    QStringList listados() const {
        QStringList ids;
        for (int i = 0; i < lista()->topLevelItemCount(); ++i)
            ids << lista()->topLevelItem(i)->text(2);
        return ids;
    }
    QStringList sentencias() { return contexto.sesion.Conexion().traza().escritas(); }

    DialogosDePrueba dialogos;
    Contexto contexto{dialogos};
    std::unique_ptr<FrmEntregaMercaderia> pantalla;
};

class Mostrador {
  public:
    Mostrador() { ejecutarSql(archivo(), esquema(QStringLiteral("entrega.sql"))); }

    QString carpeta() const { return QDir::toNativeSeparators(m_carpeta.path()); }
    QString archivo() const { return m_carpeta.filePath(QStringLiteral("ENTREGA.sqlite")); }
    QString ruta(const QString& nombre) const { return m_carpeta.filePath(nombre); }

    void sql(const QString& texto) { ejecutarSql(archivo(), texto); }
    QStringList consultar(const QString& texto) const { return filas(archivo(), texto); }

    // A voucher of Ferreteria Sur; `fechaEntrega` stored as "yyyy-mm-dd hh:mm:ss", empty for none.
    void comprobante(const QString& tc, const QString& id, const QString& fechaEntrega = {}) {
        const QString entrega =
            fechaEntrega.isEmpty() ? QStringLiteral("NULL") : u'\'' + fechaEntrega + u'\'';
        sql(QStringLiteral("INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, Cuenta, nombre, "
                           "Domicilio, Localidad) VALUES ('%1', '%2', '2026-04-20 00:00:00', %3, 'C0042', "
                           "'Ferreteria Sur', 'Calle 1', 'Rosario')")
                .arg(tc, id, entrega));
    }
    // A stock line of the voucher under complement `complemento`.
    void parte(const QString& tc, const QString& id, int complemento) {
        sql(QStringLiteral("INSERT INTO V_MV_STOCK (tc, idcomprobante, IDCOMPLEMENTO, Renglon, IdArticulo, "
                           "Cantidad) VALUES ('%1', '%2', %3, 1, 'ART1', 2)")
                .arg(tc, id)
                .arg(complemento));
    }
    QString fechaEntrega(const QString& tc, const QString& id) const {
        return consultar(QStringLiteral("SELECT FECHAENTREGA FROM v_mv_cpte WHERE tc='%1' AND "
                                        "idcomprobante='%2'")
                             .arg(tc, id))
            .value(0);
    }
    // Control rows as "TC|SUCURSAL|NUMERO|LETRA|IDCOMPLEMENTO|USUARIO|FechaEnvioMail".
    QStringList controles() const {
        return consultar(QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO, USUARIO, "
                                        "FechaEnvioMail FROM V_MV_CTROL_CPTE ORDER BY ID"));
    }

  private:
    QTemporaryDir m_carpeta;
};

// The stored form of the current second, to bracket a stamp taken from the server's clock.
inline QString ahoraIso() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace entrega::prueba
