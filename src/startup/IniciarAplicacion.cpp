#include "startup/IniciarAplicacion.h"

#include "companion/Contexto.h"
#include "config/CargarConfiguracion.h"
#include "core/Pasos.h"
#include "core/Texto.h"
#include "startup/CadenaParametros.h"
#include "startup/ConectarEstadisticas.h"
#include "startup/CrearArchivoConsultas.h"
#include "startup/IngresoUsuario.h"
#include "startup/NombreServidor.h"

#include <QDir>
#include <QFileInfo>

namespace entrega {

namespace {

// An invalid argument (a value cut with a negative length) is passed over: the value keeps what it held.
// Anything else ends the program silently. Either way the wait window goes.
Pasos::Reportero politicaDeArranque(Contexto& ctx) {
    return [&ctx](const Falla& falla) -> int {
        ctx.espera.Cerrar();
        if (falla.numero() == errores::LlamadaInvalida)
            return respuesta::Ignorar;
        ctx.terminar();
    };
}

class Arranque {
  public:
    Arranque(Contexto& ctx, bool usarIni, QString& cadena, QString& conexionExplicita, std::int32_t modo)
        : m_ctx(ctx), m_usarIni(usarIni), m_cadena(cadena), m_conexionExplicita(conexionExplicita),
          m_modo(modo) {}

    void ejecutar() {
        bool yaConectado = false;
        pasos()
            .paso([&] { mostrarEspera(); })
            .paso([&] { apuntarAyuda(); })
            .paso([&] { coloresIniciales(); })
            .paso([&] { tomarCadena(); })
            .paso([&] { cadenaDesdeIni(); })
            .paso([&] { yaConectado = m_ctx.sesion.Conectado(); })
            .ejecutar();
        if (!yaConectado) {
            leerParametros();
            pasos().paso([&] { marcaOracle(); }).ejecutar();
            abrirSesion();
        }
        prepararSesion();
    }

  private:
    Pasos pasos() const { return Pasos::reportados(politicaDeArranque(m_ctx)); }

    void mostrarEspera() {
        m_ctx.espera.Mensaje(QStringLiteral("Conectando Base de Datos"), 0);
        m_ctx.espera.Mostrar(0, QStringLiteral("Iniciando Aplicacion"), m_ctx.nombreEjecutable,
                             QStringLiteral("Espere por favor"));
    }

    void apuntarAyuda() {
        m_carpeta = m_ctx.util.NormalizarCarpeta(m_ctx.carpetaPrograma);
        m_ctx.archivoAyuda = m_carpeta + QDir::toNativeSeparators(QStringLiteral("htmlhelp/zazorezavuv.chm"));
    }

    void coloresIniciales() {
        m_ctx.ColorLetra = 0;
        m_ctx.ColorFondo = 0xFFFFFF;
    }

    void tomarCadena() { m_parametros = m_cadena.isEmpty() ? m_ctx.lineaDeComandos : m_cadena; }

    void cadenaDesdeIni() {
        if (texto::recortar(m_parametros).isEmpty() && m_usarIni)
            m_parametros = CadenaDesdeIni(m_ctx);
    }

    // Each key is a step of its own, so one value with no ";" after it leaves only that value empty.
    void leerParametros() {
        std::optional<QString> logeado;
        auto valor = [&](const QString& clave, std::optional<int> largoSinFin = {}) {
            return ValorParametro(m_ctx.util, m_parametros, clave, largoSinFin);
        };
        pasos()
            .paso([&] {
                // A last value with no ";" after it: the writers always close it, and this key is read
                // for as many characters as its own name has.
                m_ctx.ParametroAdicional =
                    valor(clave::ParametroAdicional, static_cast<int>(clave::ParametroAdicional.size()))
                        .value_or(QString());
            })
            .paso([&] { valor(clave::Menu); })
            .paso([&] { m_servidor = valor(clave::Servidor).value_or(QString()); })
            .paso([&] { m_baseDatos = valor(clave::BaseDatos).value_or(QString()); })
            .paso([&] { m_usuario = valor(clave::Usuario).value_or(QString()); })
            .paso([&] { logeado = valor(clave::UsuarioLogeado); })
            .paso([&] {
                m_ctx.UsuarioSistema = logeado && !logeado->isEmpty() ? *logeado : texto::recortar(m_usuario);
            })
            .paso([&] {
                const std::optional<QString> clave = valor(clave::Clave);
                if (!clave)
                    return;
                m_clave = *clave;
                m_ctx.ClaveUsuario =
                    texto::igualesSinMayusculas(m_clave, m_baseDatos) ? QStringLiteral("* *") : m_clave;
            })
            .paso([&] { valor(clave::Caja); })
            .ejecutar();
    }

    void marcaOracle() {
        const QString servidor = texto::recortar(m_servidor);
        if (servidor.isEmpty() || !servidor.startsWith(QLatin1Char('#')))
            return;
        m_servidor = servidor.mid(1);
        if (m_conexionExplicita.isEmpty())
            m_conexionExplicita = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + m_baseDatos +
                                  QStringLiteral(";User Id=") + m_usuario + QStringLiteral(";Password=") +
                                  m_clave + QStringLiteral(";");
    }

    // Steps 9 to 11: the suite's login convention (the database's own name as user and password), the
    // connection, then the statistics link and the main connection's tuning.
    void abrirSesion() {
        pasos()
            .paso([&] {
                m_ctx.sesion.Usuario = m_baseDatos;
                m_ctx.sesion.BaseDatos = m_baseDatos;
                m_ctx.sesion.Clave = m_baseDatos;
                m_ctx.sesion.Servidor = NombreServidor(m_servidor);
            })
            .paso([&] {
                const bool preguntar =
                    texto::recortar(m_servidor).isEmpty() || texto::recortar(m_usuario).isEmpty();
                m_ctx.sesion.Conectar(preguntar, m_modo, m_conexionExplicita, true, true);
                if (!m_ctx.sesion.Conectado()) {
                    m_ctx.espera.Cerrar();
                    m_ctx.terminar();
                }
            })
            .paso([&] { ConectarEstadisticas(m_ctx); })
            .paso([&] { m_ctx.sesion.Conexion().setCommandTimeout(m_ctx.TiempoEspera); })
            .paso([&] { m_ctx.sesion.Conexion().setIsolationLevel(ado::adXactReadUncommitted); })
            .ejecutar();
    }

    // Steps 12 and 13: the session's files and settings, then the sign-in.
    void prepararSesion() {
        cSesion& sesion = m_ctx.sesion;
        if (!sesion.BaseDatos.isEmpty()) {
            pasos()
                .paso([&] { m_ctx.auxRuta.Ruta = m_carpeta; })
                .paso([&] { sesion.Conexion().setDefaultDatabase(sesion.BaseDatos); })
                .paso([&] {
                    m_ctx.aplicacion.Proveedor = sesion.Proveedor();
                    m_ctx.aplicacion.Iniciada = true;
                })
                .paso(
                    [&] { m_ctx.aplicacion.ArchivoConsultas = m_carpeta + QStringLiteral("consultas.kvn"); })
                .paso([&] {
                    if (!QFileInfo(m_ctx.aplicacion.ArchivoConsultas).isFile())
                        CrearArchivoConsultas(m_ctx);
                })
                .paso([&] { sesion.Conexion().setDefaultDatabase(sesion.BaseDatos); })
                .paso([&] {
                    if (!sesion.BaseDatos.isEmpty())
                        CargarConfiguracion(m_ctx, m_carpeta);
                })
                .ejecutar();
        }
        pasos().paso([&] { IngresoUsuario(m_ctx); }).ejecutar();
    }

    Contexto& m_ctx;
    bool m_usarIni;
    QString& m_cadena;
    QString& m_conexionExplicita;
    std::int32_t m_modo;

    QString m_carpeta;
    QString m_parametros;
    QString m_servidor;
    QString m_baseDatos;
    QString m_usuario;
    QString m_clave;
};

} // namespace

void IniciarAplicacion(Contexto& ctx, bool usarIni, QString& cadena, QString& conexionExplicita,
                       std::int32_t modoConexion) {
    Arranque(ctx, usarIni, cadena, conexionExplicita, modoConexion).ejecutar();
}

} // namespace entrega
