#include "support/EntornoDePrueba.h"

#include "config/CargarConfiguracion.h"
#include "config/DatosUnidadNegocio.h"

using namespace entrega;

namespace {

class CargaDeAjustes : public ::testing::Test {
  protected:
    void SetUp() override {
        entorno.conectarPrincipal();
        contexto.nombreEjecutable = QStringLiteral("entrega");
        contexto.UsuarioSistema = QStringLiteral("operador");
    }
    void sql(const QString& texto) {
        prueba::ejecutarSql(entorno.archivoDeBase(QStringLiteral("ENTREGA")), texto);
    }
    QStringList filas(const QString& texto) {
        return prueba::filas(entorno.archivoDeBase(QStringLiteral("ENTREGA")), texto);
    }
    void clave(const QString& clave, const QString& valor) {
        sql(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'; "
                           "INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES ('%1', 'DATOS', '%2')")
                .arg(clave, valor));
    }
    void usuario(const QString& nombre, const QString& unegocio, bool verproforma, const QString& clases) {
        sql(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, UNegocio, verproforma, clasepusa) "
                           "VALUES ('%1', 'VENTAS', '%2', %3, '%4')")
                .arg(QString(nombre).replace(u'\'', QStringLiteral("''")), unegocio,
                     verproforma ? QStringLiteral("1") : QStringLiteral("0"), clases));
    }
    void cargar() {
        contexto.sesion.Conexion().traza().limpiar();
        CargarConfiguracion(contexto, carpeta());
    }
    QString carpeta() const { return contexto.util.NormalizarCarpeta(contexto.carpetaPrograma); }
    QStringList escritas() { return contexto.sesion.Conexion().traza().escritas(); }

    prueba::Entorno entorno;
    Contexto& contexto = entorno.contexto;
    const Ajustes& a = entorno.contexto.ajustes;
};

TEST_F(CargaDeAjustes, TablaVaciaDaLosValoresPredeterminadosYEscribeLosColores) {
    cargar();
    EXPECT_EQ(contexto.TablaConfiguracion, QStringLiteral("ta_configuracion"));
    for (bool si :
         {a.MostrarStockenConsultas, a.EXIGECLAVECONSULTALIKEARTICULOS, a.UsaConsultaLike,
          a.SS_CONFIDENCIALIDAD, a.UsaMultilesMonedas, a.UsaFacturaProforma, a.USACCOSTO,
          a.USA_STK_STOCK_UDKG, a.RazonSocialPorUneg, a.VALIDACODIGOBARRA, a.SS_BloqueoActivo,
          contexto.UtilizarFechaDia, a.AsignacionAutomaticaDeLoteING, a.AsignacionAutomaticaDeLoteINGOP})
        EXPECT_FALSE(si);
    for (bool puesto : {a.V_ModificaCPrecio, a.C_ModificaCPrecio, a.MADERERA, a.PideClave_StockNeg,
                        a.PideClave_MarkUpBase, a.PideClave_LimiteCredito})
        EXPECT_FALSE(puesto);
    EXPECT_TRUE(a.ModuloOrdenDeTrabajo);
    EXPECT_EQ(a.TituloClientes, QString());
    EXPECT_EQ(a.CantidadDecimales, QStringLiteral(" ")) << "raw: a missing key reads one blank";
    EXPECT_EQ(a.ArchivoDocTareas, carpeta() + QStringLiteral("KVDOCTareas.kvn"));
    EXPECT_EQ(a.UNegocio, QStringLiteral("   1"));
    EXPECT_EQ(a.PERIODO, 0);
    EXPECT_EQ(a.MaxDto, 0);
    EXPECT_EQ(a.Top_Default, QStringLiteral("1000"));
    EXPECT_EQ(a.CONDIVAEMPRESA, 1);
    EXPECT_EQ(a.CondicionIvaUN, QStringLiteral(" "));
    EXPECT_EQ(contexto.ColorFondo, 16774118);
    EXPECT_EQ(contexto.ColorLetra, 0);
    EXPECT_EQ(filas(QStringLiteral(
                  "SELECT CLAVE, GRUPO, VALOR, PoliticaNegocio FROM TA_CONFIGURACION ORDER BY ID")),
              (QStringList{QStringLiteral("CFONDO|DATOS|16774118|0"), QStringLiteral("CLETRA|DATOS|0|0")}));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());

    // Every key is one read, the user's row one more, the unit lookup one more, the two colours a read and
    // an insert each: 59 statements on the main connection.
    const QStringList sentencias = escritas();
    EXPECT_EQ(sentencias.size(), 59) << sentencias.join(u'\n').toStdString();
    EXPECT_EQ(sentencias.value(0),
              QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  "
                             "WHERE CLAVE = 'MostrarStockenConsultas'"));
    EXPECT_TRUE(sentencias.contains(
        QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = 'operador'")));
    EXPECT_FALSE(sentencias.join(u'\n').contains(QStringLiteral("CantidadDecimalesVentas")))
        << "the delivery client is no sales program";

    // The next start reads the colours it wrote and writes nothing.
    cargar();
    EXPECT_EQ(contexto.ColorFondo, 16774118);
    EXPECT_EQ(filas(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")),
              QStringList{QStringLiteral("2")});
    EXPECT_EQ(escritas().size(), 55);
}

TEST_F(CargaDeAjustes, ElUsuarioAcotaLaFacturaProforma) {
    clave(QStringLiteral("UsaFacturaProforma"), QStringLiteral("si"));

    cargar(); // no row for the user
    EXPECT_TRUE(a.UsaFacturaProforma);
    EXPECT_EQ(a.UNegocio, QStringLiteral("   1"));

    usuario(QStringLiteral("operador"), QStringLiteral("   3"), false, QStringLiteral(" ,A,B "));
    cargar();
    EXPECT_FALSE(a.UsaFacturaProforma);
    EXPECT_EQ(a.UNegocio, QStringLiteral("   3"));
    EXPECT_EQ(a.clasepusa, QStringLiteral("A,B"));

    // The user can narrow the setting, never turn it on.
    sql(QStringLiteral("UPDATE TA_USUARIOS SET verproforma = 1"));
    clave(QStringLiteral("UsaFacturaProforma"), QStringLiteral("NO"));
    cargar();
    EXPECT_FALSE(a.UsaFacturaProforma);
}

TEST_F(CargaDeAjustes, UnNombreConComillaEncuentraSuFila) {
    contexto.UsuarioSistema = QStringLiteral("D'Angelo");
    usuario(contexto.UsuarioSistema, QStringLiteral("   5"), true, QString());
    cargar();
    EXPECT_EQ(a.UNegocio, QStringLiteral("   5"));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(CargaDeAjustes, FondoCianPasaACelesteSoloEnMemoria) {
    clave(QStringLiteral("CFondo"), QStringLiteral("16776960"));
    clave(QStringLiteral("CLetra"), QStringLiteral("255"));
    cargar();
    EXPECT_EQ(contexto.ColorFondo, 16774118);
    EXPECT_EQ(contexto.ColorLetra, 255);
    EXPECT_EQ(filas(QStringLiteral("SELECT CLAVE, VALOR FROM TA_CONFIGURACION ORDER BY ID")),
              (QStringList{QStringLiteral("CFondo|16776960"), QStringLiteral("CLetra|255")}));

    clave(QStringLiteral("CFondo"), QStringLiteral("0"));
    cargar();
    EXPECT_EQ(contexto.ColorFondo, 15072511) << "a black background becomes cream";
}

TEST_F(CargaDeAjustes, ModosDeLectura) {
    struct Caso {
        const char* clave;
        const char* valor; // nullptr: no row
        const bool Ajustes::*ajuste;
        bool esperado;
    };
    const Caso casos[] = {
        {"V_ModificaCPrecio", "no", &Ajustes::V_ModificaCPrecio, false},
        {"V_ModificaCPrecio", "No", &Ajustes::V_ModificaCPrecio, false},
        {"V_ModificaCPrecio", "X", &Ajustes::V_ModificaCPrecio, true},
        {"V_ModificaCPrecio", "  ", &Ajustes::V_ModificaCPrecio, false},
        {"V_ModificaCPrecio", nullptr, &Ajustes::V_ModificaCPrecio, false},
        {"MADERERA", " NO", &Ajustes::MADERERA, true}, // "set" compares the value as read
        {"ModuloOrdenDeTrabajo", " no ", &Ajustes::ModuloOrdenDeTrabajo, false},
        {"ModuloOrdenDeTrabajo", "", &Ajustes::ModuloOrdenDeTrabajo, true},
        {"ModuloOrdenDeTrabajo", nullptr, &Ajustes::ModuloOrdenDeTrabajo, true},
        {"ModuloOrdenDeTrabajo", "cualquiera", &Ajustes::ModuloOrdenDeTrabajo, true},
        {"UsaConsultaLike", "Si", &Ajustes::UsaConsultaLike, true},
        {"UsaConsultaLike", " SI", &Ajustes::UsaConsultaLike, false},
        {"VALIDACODIGOBARRA", " SI ", &Ajustes::VALIDACODIGOBARRA, true},
        {"MostrarStockenConsultas", "sí", &Ajustes::MostrarStockenConsultas, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.clave) + " = " + (caso.valor ? caso.valor : "(no row)"));
        const QString clave = QString::fromUtf8(caso.clave);
        sql(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(clave));
        if (caso.valor)
            this->clave(clave, QString::fromUtf8(caso.valor));
        cargar();
        EXPECT_EQ(a.*caso.ajuste, caso.esperado);
    }
}

TEST_F(CargaDeAjustes, NumerosTextosEImportes) {
    clave(QStringLiteral("PERIODO"), QStringLiteral(" 1 2abc"));
    clave(QStringLiteral("MaxDto"), QStringLiteral(" 12.5 "));
    clave(QStringLiteral("CantidadDecimales"), QStringLiteral(" 2 "));
    clave(QStringLiteral("TituloClientes"), QStringLiteral("  Clientes  "));
    clave(QStringLiteral("Top_Default"), QStringLiteral(" 50 "));
    clave(QStringLiteral("UTILIZARFECHADIA"), QStringLiteral("si"));
    cargar();
    EXPECT_EQ(a.PERIODO, 12);
    EXPECT_EQ(a.MaxDto, 125000);
    EXPECT_EQ(a.CantidadDecimales, QStringLiteral(" 2 "));
    EXPECT_EQ(a.TituloClientes, QStringLiteral("Clientes"));
    EXPECT_EQ(a.Top_Default, QStringLiteral(" 50 "));
    EXPECT_TRUE(contexto.UtilizarFechaDia);

    // A number beyond 16 bits fails its own step only: the setting keeps what it had.
    clave(QStringLiteral("PERIODO"), QStringLiteral("40000"));
    cargar();
    EXPECT_EQ(a.PERIODO, 12);
    EXPECT_EQ(a.Top_Default, QStringLiteral(" 50 "));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(CargaDeAjustes, LosProgramasDeVentaTomanSusDecimales) {
    clave(QStringLiteral("CantidadDecimales"), QStringLiteral("2"));
    clave(QStringLiteral("CantidadDecimalesVentas"), QStringLiteral("3"));
    contexto.nombreEjecutable = QStringLiteral("FACTURACION");
    cargar();
    EXPECT_EQ(a.CantidadDecimales, QStringLiteral("3"));

    clave(QStringLiteral("CantidadDecimalesVentas"), QStringLiteral("0"));
    cargar();
    EXPECT_EQ(a.CantidadDecimales, QStringLiteral("2"));
}

TEST_F(CargaDeAjustes, CondicionDeIvaDeLaEmpresaODeCondiva) {
    clave(QStringLiteral("CONDIVA"), QStringLiteral("5"));
    cargar();
    EXPECT_EQ(a.CONDIVAEMPRESA, 5) << "CONDIVAEMPRESA 0 takes CONDIVA; the missing key then is no number";

    clave(QStringLiteral("CONDIVAEMPRESA"), QStringLiteral("3"));
    cargar();
    EXPECT_EQ(a.CONDIVAEMPRESA, 3);
    EXPECT_EQ(a.CondicionIvaUN, QStringLiteral("3"));
}

class UnidadDeNegocio : public CargaDeAjustes {
  protected:
    void SetUp() override {
        CargaDeAjustes::SetUp();
        usuario(QStringLiteral("operador"), QStringLiteral("   7"), true, QString());
        for (const auto& [k, v] :
             {std::pair{"NOMBRE", "Empresa Central"}, std::pair{"cuit", "30-11111111-1"},
              std::pair{"CONDIVAEMPRESA", "2"}, std::pair{"INICIOACTIVIDADES", " 01/02/2003 "},
              std::pair{"NROINGRESOSBRUTOS", " 901-1 "}, std::pair{"CALLE", "Belgrano"},
              std::pair{"NUMERO", "250"}, std::pair{"PISO", "3"}, std::pair{"Departamento", "B"},
              std::pair{"INICIO_ACTIVIDADES_UN_7", " 05/06/2010 "}, std::pair{"INGRESOS_BRUTOS_UN_7", "77-7"},
              std::pair{"CONDICIONIVA_UN_7", " 6 "}, std::pair{"DOMICILIO_UN_7", " Ruta 8 km 30 "}})
            clave(QString::fromUtf8(k), QString::fromUtf8(v));
    }
    void unidad(const QString& cuit) {
        sql(QStringLiteral("INSERT INTO v_ta_unidadNegocio (codigo, Descripcion, razon_social, Cuit, PDV) "
                           "VALUES ('   7', 'Norte', 'Sucursal Norte SRL', '%1', ' 0003 ')")
                .arg(cuit));
    }
};

TEST_F(UnidadDeNegocio, SinNumeroFiscalUsaLosDatosDeLaEmpresa) {
    unidad(QString());
    DatosDeUnidad datos;
    DatosUnidadNegocio(contexto, QStringLiteral("   7"), datos);
    EXPECT_EQ(datos.razonSocial, QStringLiteral("Empresa Central"));
    EXPECT_EQ(datos.cuit, QStringLiteral("30-11111111-1"));
    EXPECT_EQ(datos.inicioActividades, QStringLiteral("01/02/2003"));
    EXPECT_EQ(datos.ingresosBrutos, QStringLiteral("901-1"));
    EXPECT_EQ(datos.condicionIva, QStringLiteral("2"));
    EXPECT_EQ(datos.domicilio, QStringLiteral("Belgrano 250  3 B"));
    EXPECT_EQ(datos.puntoDeVenta, QStringLiteral("0003")) << "the point of sale is the unit's all the same";
    EXPECT_EQ(a.CondicionIvaUN, QStringLiteral("2"));
    EXPECT_EQ(a.CONDIVAEMPRESA, 2);
}

TEST_F(UnidadDeNegocio, ConNumeroFiscalUsaLasClavesDeLaUnidad) {
    unidad(QStringLiteral("30-22222222-2"));
    DatosDeUnidad datos;
    DatosUnidadNegocio(contexto, QStringLiteral(" 7"), datos);
    EXPECT_EQ(datos.razonSocial, QStringLiteral("Sucursal Norte SRL"));
    EXPECT_EQ(datos.cuit, QStringLiteral("30-22222222-2"));
    EXPECT_EQ(datos.inicioActividades, QStringLiteral("05/06/2010"));
    EXPECT_EQ(datos.ingresosBrutos, QStringLiteral("77-7"));
    EXPECT_EQ(datos.condicionIva, QStringLiteral("6"));
    EXPECT_EQ(datos.domicilio, QStringLiteral("Ruta 8 km 30"));
    EXPECT_EQ(datos.puntoDeVenta, QStringLiteral("0003"));

    cargar();
    EXPECT_EQ(a.CondicionIvaUN, QStringLiteral("6"));
    EXPECT_EQ(a.CONDIVAEMPRESA, 6);
}

TEST_F(UnidadDeNegocio, UnaCondicionQueNoEsNumeroDejaLaDeLaTabla) {
    unidad(QStringLiteral("30-22222222-2"));
    clave(QStringLiteral("CONDICIONIVA_UN_7"), QStringLiteral("Responsable Inscripto"));
    cargar();
    EXPECT_EQ(a.CondicionIvaUN, QStringLiteral("Responsable Inscripto"));
    EXPECT_EQ(a.CONDIVAEMPRESA, 2);

    clave(QStringLiteral("CONDIVAEMPRESA"), QStringLiteral("0"));
    cargar();
    EXPECT_EQ(a.CONDIVAEMPRESA, 1);
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

} // namespace
