#include "Demo.h"

#include "BaseSqlite.h"
#include "Bases.h"
#include "DatosDemo.h"
#include "companion/Codificacion.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace entrega::admin {

namespace {

// splitmix64: fast, and the same demo for the same counts and day.
class Azar {
  public:
    explicit Azar(std::uint64_t semilla) : m_estado(semilla) {}
    std::uint64_t siguiente() {
        std::uint64_t z = (m_estado += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int entre(int desde, int hasta) {
        return desde + static_cast<int>(siguiente() % static_cast<std::uint64_t>(hasta - desde + 1));
    }
    bool porCiento(int probabilidad) { return entre(0, 99) < probabilidad; }
    template <typename T> const T& uno(std::span<const T> lista) {
        return lista[static_cast<std::size_t>(entre(0, static_cast<int>(lista.size()) - 1))];
    }
    template <typename T, std::size_t N> int pesado(const std::array<T, N>& pesos) {
        int total = 0;
        for (const T& p : pesos)
            total += p;
        int tirada = entre(0, total - 1);
        for (std::size_t i = 0; i < N; ++i)
            if ((tirada -= pesos[i]) < 0)
                return static_cast<int>(i);
        return 0;
    }

  private:
    std::uint64_t m_estado;
};

struct TipoComprobante {
    const char* tc;
    const char* letras;
    int entregados; // percentage of past vouchers of the type with a delivery date
};
constexpr std::array<TipoComprobante, 5> tipos = {
    {{"RM", "R", 97}, {"FA", "A", 70}, {"FB", "B", 70}, {"NC", "AB", 0}, {"ND", "A", 0}}};
constexpr std::array<int, 5> pesoTipo = {45, 25, 15, 10, 5};
constexpr int tipoRM = 0;
constexpr int tipoFA = 1;
constexpr std::array<const char*, 3> sucursales = {"0001", "0002", "0003"};
constexpr std::array<int, 3> pesoSucursal = {60, 30, 10};
constexpr const char* letras = "ABR";

constexpr int segundosDelDia = 24 * 3600;
constexpr int ochoHoras = 8 * 3600;

struct Cliente {
    std::string cuenta;
    std::string nombre;
    std::string domicilio; // empty: no address on file (stored as Null)
    std::string localidad;
    std::string zona;
};

struct Comprobante {
    int tipo = tipoRM;
    int sucursal = 0;
    char letra = 'R';
    int dia = 0;         // index into the calendar
    int diaEntrega = -1; // -1: not delivered
    int horaEntrega = 0; // seconds since midnight
    bool enPartes = false;
    bool partesEntregadas = false;
};

std::string utf8(const QString& s) {
    return s.toStdString();
}

class Relleno {
  public:
    Relleno(BaseSqlite& base, const OpcionesDemo& opciones, const Progreso& progreso)
        : m_base(base), m_opciones(opciones), m_progreso(progreso),
          m_azar(0x454E545245474Aull ^ static_cast<std::uint64_t>(opciones.comprobantes)),
          m_insComprobante(
              base.handle(),
              "INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, Cuenta, nombre, Domicilio, "
              "Localidad, idpalm, IdVendedor, FechaEstInicio, IdDeposito, Total) "
              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"),
          m_insLinea(base.handle(),
                     "INSERT INTO V_MV_STOCK (tc, idcomprobante, IDCOMPLEMENTO, Renglon, IdArticulo, "
                     "Descripcion, Cantidad, IdDeposito) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
          m_insParte(base.handle(),
                     "INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO, USUARIO, "
                     "FechaEnvioMail) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)") {}

    ResumenDemo llenar();

  private:
    void planificar();
    void crearCalendario();
    void crearClientes();
    void escribirAjustes();
    void escribirPasados();
    void escribirHoy();
    std::string escribir(Comprobante c);
    void escribirLineas(const char* tc, const char* id, int complemento, int& renglon, int lineas,
                        int deposito);
    void escribirParte(const char* tc, const char* id, int complemento, int dia);
    Comprobante pasado(int dia);
    std::string momento(int dia, int segundos) const;
    void avanzar();

    BaseSqlite& m_base;
    const OpcionesDemo& m_opciones;
    const Progreso& m_progreso;
    Azar m_azar;
    ResumenDemo m_resumen;
    int m_porcentaje = -1;

    long long m_pasados = 0;
    long long m_pendientesHoy = 0;
    long long m_otrosHoy = 0;
    int m_dias = 0; // days of history; the calendar's index m_dias is today
    std::vector<std::string> m_calendario;
    std::vector<Cliente> m_clientes;
    std::array<std::array<std::array<int, 3>, sucursales.size()>, tipos.size()> m_numeros{};
    Sentencia m_insComprobante;
    Sentencia m_insLinea;
    Sentencia m_insParte;
};

ResumenDemo Relleno::llenar() {
    planificar();
    crearCalendario();
    crearClientes();
    avanzar();
    escribirAjustes();
    escribirPasados();
    escribirHoy();
    return m_resumen;
}

// Today gets the delivered RM vouchers asked for, some RM vouchers still waiting (a few of them in parts)
// and a few invoices; the rest spreads over the days before.
void Relleno::planificar() {
    const long long n = m_opciones.comprobantes;
    const long long m = m_opciones.entregadosHoy;
    m_pendientesHoy = std::min(n - m, std::clamp(n / 5000, 6LL, 40LL));
    m_otrosHoy = std::min(n - m - m_pendientesHoy, m_pendientesHoy / 2);
    m_pasados = n - m - m_pendientesHoy - m_otrosHoy;
    m_dias = static_cast<int>(std::clamp(n / 400, 30LL, 730LL));
}

void Relleno::crearCalendario() {
    const QDate hoy = m_opciones.ahora.date();
    for (int i = 0; i <= m_dias + 7; ++i)
        m_calendario.push_back(utf8(hoy.addDays(i - m_dias).toString(QStringLiteral("yyyy-MM-dd"))));
}

void Relleno::crearClientes() {
    namespace d = datos;
    const long long cantidad = std::clamp(m_opciones.comprobantes / 20, 50LL, 5000LL);
    for (long long i = 0; i < cantidad; ++i) {
        Cliente c;
        char cuenta[32];
        std::snprintf(cuenta, sizeof cuenta, "11%06lld", 1000 + i * 7);
        c.cuenta = cuenta;
        if (m_azar.porCiento(55))
            c.nombre = std::string(m_azar.uno(d::apellidos())) + ", " + m_azar.uno(d::nombres()) +
                       (m_azar.porCiento(30) ? std::string(" ") + m_azar.uno(d::nombres()) : std::string());
        else {
            const std::string sociedad = m_azar.uno(d::sociedades());
            c.nombre = std::string(m_azar.uno(d::rubros())) + " " +
                       (m_azar.porCiento(50) ? m_azar.uno(d::fantasias()) : m_azar.uno(d::apellidos())) +
                       (sociedad.empty() ? "" : " " + sociedad);
        }
        if (!m_azar.porCiento(3))
            c.domicilio = std::string(m_azar.uno(d::calles())) + " " + std::to_string(m_azar.entre(1, 4999));
        const int lugar = m_azar.entre(0, static_cast<int>(d::localidades().size()) - 1);
        c.localidad = d::localidades()[static_cast<std::size_t>(lugar)];
        c.zona = d::zonas()[static_cast<std::size_t>(lugar)];
        m_clientes.push_back(std::move(c));
    }
}

// Settings as the session load reads them, the business unit, the users and the client's menu task.
void Relleno::escribirAjustes() {
    const QDate hoy = m_opciones.ahora.date();
    const std::string periodo = std::to_string(hoy.year());
    const std::string fechaHasta = utf8(hoy.toString(QStringLiteral("dd/MM/yyyy")));
    const std::pair<const char*, std::string> ajustes[] = {{"MostrarStockenConsultas", "SI"},
                                                           {"TituloClientes", "Clientes"},
                                                           {"TituloProveedores", "Proveedores"},
                                                           {"EXIGECLAVECONSULTALIKEARTICULOS", "NO"},
                                                           {"UsaConsultaLike", "SI"},
                                                           {"CantidadDecimales", "2"},
                                                           {"CantidadDecimalesVentas", "2"},
                                                           {"SS_CONFIDENCIALIDAD", "NO"},
                                                           {"UsaMultilesMonedas", "NO"},
                                                           {"UsaFacturaProforma", "SI"},
                                                           {"USACCOSTO", "NO"},
                                                           {"USA_STK_STOCK_UDKG", "NO"},
                                                           {"UNIDADDEMEDIDA_M3", "M3"},
                                                           {"UNIDADDEMEDIDA_BL", "BL"},
                                                           {"UNIDADDEMEDIDA_KG", "KG"},
                                                           {"PERIODO", periodo},
                                                           {"RazonSocialPorUneg", "NO"},
                                                           {"VALIDACODIGOBARRA", "SI"},
                                                           {"CFondo", "16774118"},
                                                           {"CLetra", "0"},
                                                           {"ModuloOrdenDeTrabajo", "NO"},
                                                           {"V_ModificaCPrecio", "NO"},
                                                           {"C_ModificaCPrecio", "NO"},
                                                           {"MADERERA", "NO"},
                                                           {"CuentaCtroDist", "11001000"},
                                                           {"MaxDto", "10"},
                                                           {"MaxDtoProforma", "15"},
                                                           {"PideClave_StockNeg", "SI"},
                                                           {"PideClave_MarkUpBase", "NO"},
                                                           {"PideClave_LimiteCredito", "SI"},
                                                           {"SS_BloqueoActivo", "NO"},
                                                           {"UTILIZARFECHADIA", "NO"},
                                                           {"FECHAOPERHASTA", fechaHasta},
                                                           {"AsignacionAutomaticaDeLoteING", "NO"},
                                                           {"AsignacionAutomaticaDeLoteINGOP", "NO"},
                                                           {"CONDIVAEMPRESA", "1"},
                                                           {"CONDIVA", "1"},
                                                           {"Top_Default", "1000"},
                                                           {"THEME", "1"},
                                                           {"NOMBRE", "Distribuidora Los Andes S.A."},
                                                           {"cuit", "30712345679"},
                                                           {"INICIOACTIVIDADES", "01/03/2005"},
                                                           {"NROINGRESOSBRUTOS", "270-123456-7"},
                                                           {"CALLE", "Av. Colón"},
                                                           {"NUMERO", "1234"},
                                                           {"PISO", ""},
                                                           {"Departamento", ""},
                                                           {"INICIO_ACTIVIDADES_UN_1", "01/03/2005"},
                                                           {"INGRESOS_BRUTOS_UN_1", "270-123456-7"},
                                                           {"CONDICIONIVA_UN_1", "1"},
                                                           {"DOMICILIO_UN_1", "Av. Colón 1234, Córdoba"}};
    auto ajuste = m_base.preparar("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, VALORAUX, "
                                  "PoliticaNegocio) VALUES (?1, 'DATOS', ?2, '', 0)");
    for (const auto& [clave, valor] : ajustes)
        ajuste.texto(1, clave).texto(2, valor).ejecutar();

    m_base.ejecutar("INSERT INTO v_ta_unidadNegocio (codigo, Descripcion, razon_social, Cuit, PDV) "
                    "VALUES ('   1', 'Casa Central', 'Distribuidora Los Andes S.A.', '30712345679', '0001')");

    struct Usuario {
        QString nombre, clave;
        bool administrador;
    };
    const Usuario usuarios[] = {{usuarioDemo, claveDemo, false},
                                {QStringLiteral("JPEREZ"), QStringLiteral("jperez"), false},
                                {QStringLiteral("MGOMEZ"), QStringLiteral("mgomez"), false},
                                {QStringLiteral("LSOSA"), QStringLiteral("lsosa"), false},
                                {QStringLiteral("SUPERVISOR"), QStringLiteral("supervisor"), true}};
    auto usuario =
        m_base.preparar("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, PassWord, Administrador, UNegocio, "
                        "verproforma, clasepusa) VALUES (?1, 'rb512pr', ?2, ?3, '   1', 1, '')");
    auto tarea = m_base.preparar("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES (?1, ?2)");
    m_base.ejecutar("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES "
                    "('ENT01', 'ENTREGA', 'Entrega de Mercaderia'), "
                    "('VEN01', 'FACTURACION', 'Facturacion'), "
                    "('STK01', 'CONSULTASTOCK', 'Consulta de Stock')");
    for (const Usuario& u : usuarios) {
        usuario.texto(1, utf8(u.nombre))
            .texto(2, utf8(codificar(u.clave)))
            .entero(3, u.administrador)
            .ejecutar();
        tarea.texto(1, utf8(u.nombre)).texto(2, "ENT01").ejecutar();
        if (u.administrador)
            for (const char* otra : {"VEN01", "STK01"})
                tarea.texto(1, utf8(u.nombre)).texto(2, otra).ejecutar();
    }
}

void Relleno::escribirPasados() {
    for (long long i = 0; i < m_pasados; ++i)
        escribir(pasado(static_cast<int>(i * m_dias / m_pasados)));
}

// A voucher of a past day. Deliveries fall up to three days after the voucher, never today: today's
// deliveries are exactly the ones asked for.
Comprobante Relleno::pasado(int dia) {
    Comprobante c;
    c.tipo = m_azar.pesado(pesoTipo);
    c.sucursal = m_azar.pesado(pesoSucursal);
    const TipoComprobante& tipo = tipos[static_cast<std::size_t>(c.tipo)];
    c.letra = tipo.letras[m_azar.entre(0, static_cast<int>(std::char_traits<char>::length(tipo.letras)) - 1)];
    c.dia = dia;
    const bool reciente = m_dias - dia <= 3;
    c.enPartes = c.tipo == tipoRM && m_azar.porCiento(8);
    c.partesEntregadas = c.enPartes;
    if (!c.enPartes && m_azar.porCiento(reciente ? tipo.entregados * 6 / 10 : tipo.entregados)) {
        c.diaEntrega = std::min(dia + m_azar.entre(0, 3), m_dias - 1);
        c.horaEntrega = m_azar.entre(ochoHoras, 19 * 3600);
    }
    return c;
}

void Relleno::escribirHoy() {
    const int ahora = m_opciones.ahora.time().msecsSinceStartOfDay() / 1000;
    const int desde = ahora >= ochoHoras + 1800 ? ochoHoras : 0;
    const long long entregados = m_opciones.entregadosHoy;
    for (long long k = 0; k < entregados; ++k) {
        Comprobante c;
        c.sucursal = m_azar.pesado(pesoSucursal);
        c.dia = m_dias;
        c.diaEntrega = m_dias;
        c.horaEntrega = desde + static_cast<int>((ahora - desde) * (k + 1) / (entregados + 1));
        escribir(c);
    }
    for (long long k = 0; k < m_pendientesHoy; ++k) {
        Comprobante c;
        c.sucursal = m_azar.pesado(pesoSucursal);
        c.dia = m_dias;
        c.enPartes = k < m_pendientesHoy / 3;
        const std::string clave = escribir(c);
        // A few keys to scan in the demo: one part, whole vouchers after it.
        if (m_resumen.clavesParaProbar.size() < 4 && (!c.enPartes || m_resumen.clavesParaProbar.isEmpty()))
            m_resumen.clavesParaProbar
                << QString::fromStdString(clave) + (c.enPartes ? QStringLiteral("05") : QString());
    }
    for (long long k = 0; k < m_otrosHoy; ++k) {
        Comprobante c;
        c.tipo = tipoFA;
        c.letra = 'A';
        c.dia = m_dias;
        escribir(c);
    }
}

std::string Relleno::escribir(Comprobante c) {
    const TipoComprobante& tipo = tipos[static_cast<std::size_t>(c.tipo)];
    const std::size_t serie =
        static_cast<std::size_t>(std::char_traits<char>::find(letras, 3, c.letra) - letras);
    const int numero =
        ++m_numeros[static_cast<std::size_t>(c.tipo)][static_cast<std::size_t>(c.sucursal)][serie];
    char id[24];
    std::snprintf(id, sizeof id, "%s%08d%c", sucursales[static_cast<std::size_t>(c.sucursal)], numero,
                  c.letra);
    const Cliente& cliente =
        m_clientes[static_cast<std::size_t>(m_azar.entre(0, static_cast<int>(m_clientes.size()) - 1))];
    const int deposito = m_azar.entre(1, 3);

    m_insComprobante.texto(1, tipo.tc).texto(2, id).texto(3, momento(c.dia, 0));
    if (c.diaEntrega >= 0)
        m_insComprobante.texto(4, momento(c.diaEntrega, c.horaEntrega));
    else
        m_insComprobante.nulo(4);
    m_insComprobante.texto(5, cliente.cuenta).texto(6, cliente.nombre);
    if (cliente.domicilio.empty())
        m_insComprobante.nulo(7);
    else
        m_insComprobante.texto(7, cliente.domicilio);
    m_insComprobante.texto(8, cliente.localidad)
        .texto(9, cliente.zona)
        .entero(10, m_azar.entre(1, 12))
        .texto(11, momento(c.dia + m_azar.entre(1, 3), 0))
        .entero(12, deposito)
        .doble(13, m_azar.entre(150000, 45000000) / 100.0)
        .ejecutar();

    int renglon = 0;
    if (!c.enPartes)
        escribirLineas(tipo.tc, id, 0, renglon, m_azar.entre(1, 4), deposito);
    else {
        const int partes = m_azar.porCiento(30) ? 3 : 2;
        for (int k = 1; k <= partes; ++k) {
            escribirLineas(tipo.tc, id, 5 * k, renglon, m_azar.entre(1, 2), deposito);
            // Parts of past vouchers were delivered on the following days (the recent ones only the first).
            const bool entregada = c.partesEntregadas && (k == 1 || m_dias - c.dia > 3);
            if (entregada)
                escribirParte(tipo.tc, id, 5 * k, std::min(c.dia + k - 1 + m_azar.entre(0, 1), m_dias - 1));
        }
    }
    ++m_resumen.comprobantes;
    if (c.dia == m_dias && c.tipo == tipoRM && c.diaEntrega < 0)
        ++m_resumen.pendientesHoy;
    avanzar();
    return tipo.tc + std::string(id);
}

void Relleno::escribirLineas(const char* tc, const char* id, int complemento, int& renglon, int lineas,
                             int deposito) {
    for (int i = 0; i < lineas; ++i) {
        const datos::Articulo& articulo = m_azar.uno(datos::articulos());
        const double cantidad = articulo.fraccionable ? m_azar.entre(5, 300) / 10.0 : m_azar.entre(1, 60);
        m_insLinea.texto(1, tc)
            .texto(2, id)
            .entero(3, complemento)
            .entero(4, ++renglon)
            .texto(5, articulo.codigo)
            .texto(6, articulo.descripcion)
            .doble(7, cantidad)
            .entero(8, deposito)
            .ejecutar();
        ++m_resumen.lineasStock;
    }
}

void Relleno::escribirParte(const char* tc, const char* id, int complemento, int dia) {
    const std::string_view numero(id);
    m_insParte.texto(1, tc)
        .texto(2, numero.substr(0, 4))
        .texto(3, numero.substr(4, 8))
        .texto(4, numero.substr(12, 1))
        .entero(5, complemento)
        .texto(6, m_azar.uno(datos::operadores()))
        .texto(7, momento(dia, m_azar.entre(ochoHoras, 19 * 3600)))
        .ejecutar();
    ++m_resumen.partesEntregadas;
}

std::string Relleno::momento(int dia, int segundos) const {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%s %02d:%02d:%02d",
                  m_calendario[static_cast<std::size_t>(dia)].c_str(), segundos / 3600, segundos / 60 % 60,
                  segundos % 60);
    return texto;
}

void Relleno::avanzar() {
    const int porcentaje =
        static_cast<int>(90 * m_resumen.comprobantes / std::max(1LL, m_opciones.comprobantes));
    if (porcentaje != m_porcentaje && m_progreso)
        m_progreso(porcentaje);
    m_porcentaje = porcentaje;
}

void llenarEstadisticas(const QString& archivo) {
    BaseSqlite base(archivo, true);
    const Esquema esquema = esquemaEstadisticas();
    base.ejecutar("PRAGMA journal_mode=WAL");
    base.ejecutar(esquema.tablas);
    base.ejecutar(esquema.indices);
    base.ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, VALORAUX, PoliticaNegocio) "
                  "VALUES ('TIMEOUT', 'BaseDeDatos', '30', '', 0)");
}

// The bulk fill runs with no journal and no syncing in one transaction; the indexes come after the rows,
// which builds them faster than keeping them up to date row by row. The file is then reopened as the client
// finds it: write-ahead log, the usual safety.
void llenarTrabajo(const QString& archivo, const OpcionesDemo& opciones, const Progreso& progreso,
                   ResumenDemo& resumen) {
    const Esquema esquema = esquemaTrabajo();
    {
        BaseSqlite base(archivo, true);
        base.ejecutar("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE;"
                      "PRAGMA temp_store=MEMORY; PRAGMA cache_size=-262144");
        base.ejecutar(esquema.tablas);
        base.ejecutar("BEGIN");
        {
            Relleno relleno(base, opciones, progreso);
            resumen = relleno.llenar();
        }
        base.ejecutar("COMMIT");
        // One index at a time, so the progress keeps moving through the last stretch.
        const std::vector<std::string> indices = base.separar(esquema.indices);
        for (std::size_t i = 0; i < indices.size(); ++i) {
            base.ejecutar(indices[i]);
            if (progreso)
                progreso(90 + static_cast<int>(10 * (i + 1) / (indices.size() + 1)));
        }
    }
    BaseSqlite base(archivo, false);
    base.ejecutar("PRAGMA journal_mode=WAL");
}

} // namespace

ResumenDemo crearDemo(const QString& carpeta, const OpcionesDemo& opciones, const Progreso& progreso) {
    if (opciones.comprobantes < 1)
        throw std::invalid_argument("--vouchers debe ser al menos 1");
    if (opciones.entregadosHoy < 0 || opciones.entregadosHoy > opciones.comprobantes)
        throw std::invalid_argument("--today debe estar entre 0 y --vouchers");
    if (!QDir().mkpath(carpeta))
        throw std::runtime_error(
            QStringLiteral("no se puede crear la carpeta %1").arg(carpeta).toStdString());
    const QString trabajo = archivoBase(carpeta, baseTrabajo);
    const QString estadisticas = archivoBase(carpeta, baseEstadisticas);
    for (const QString& archivo : {trabajo, estadisticas})
        prepararArchivo(archivo, opciones.reemplazar);
    ResumenDemo resumen;
    try {
        llenarEstadisticas(estadisticas);
        llenarTrabajo(trabajo, opciones, progreso, resumen);
    } catch (...) {
        // No half-made demo stays behind to be taken for a good one.
        for (const QString& archivo : {trabajo, estadisticas})
            prepararArchivo(archivo, true);
        throw;
    }
    if (progreso)
        progreso(100);
    return resumen;
}

QString cadenaParametrosDemo() {
    return QStringLiteral(
               "@Server=local;@DbName=%1;@Usuario=%2;@Password=%3;@ParametroAdicional=;@Caja=1;duno@")
        .arg(baseTrabajo, usuarioDemo, claveDemo);
}

} // namespace entrega::admin
