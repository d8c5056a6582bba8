#include "support/EntornoDePrueba.h"

#include "startup/IniciarAplicacion.h"

#include <QProcess>

using namespace entrega;

namespace {

// A workstation with the working database ENTREGA and, unless a test drops it, the statistics database.
class ArranqueConBases : public ::testing::Test {
  protected:
    void SetUp() override {
        prueba::ejecutarSql(entorno.archivoDeBase(QStringLiteral("ENTREGA")),
                            prueba::esquema(QStringLiteral("entrega.sql")));
        prueba::ejecutarSql(estadisticas(), prueba::esquema(QStringLiteral("estadisticas.sql")));
        preparar(contexto);
    }
    void preparar(Contexto& otro) {
        otro.carpetaPrograma = otro.carpetaDatos = contexto.carpetaPrograma;
        otro.nombreEjecutable = QStringLiteral("entrega");
    }
    QString estadisticas() const { return entorno.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK")); }
    void tiempoGuardado(const QString& valor) {
        prueba::ejecutarSql(estadisticas(),
                            QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                                           "VALUES ('TimeOut', 'BaseDeDatos', '%1')")
                                .arg(valor));
    }
    // Runs the start-up; true when it ended the program.
    static bool iniciar(Contexto& ctx) {
        QString cadena = QStringLiteral("@server=local; @dbname= ENTREGA; @usuario= juan;"), conexion;
        try {
            IniciarAplicacion(ctx, false, cadena, conexion, 3);
            return false;
        } catch (const ProgramaTerminado&) {
            return true;
        }
    }
    QString consultas() const { return entorno.ruta(QStringLiteral("consultas.kvn")); }
    QByteArray bytesDeConsultas() const {
        QFile f(consultas());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    prueba::Entorno entorno;
    Contexto& contexto = entorno.contexto;
};

TEST_F(ArranqueConBases, ElTiempoDeEsperaDeLaConexionPrincipalSaleDeLasEstadisticas) {
    struct Caso {
        const char* guardado; // nullptr: no row; "-": no statistics database
        int tiempo;
    };
    for (const Caso& caso :
         {Caso{nullptr, 45}, Caso{"120", 120}, Caso{"lento", 45}, Caso{"40000", 45}, Caso{"-", 45}}) {
        SCOPED_TRACE(caso.guardado ? caso.guardado : "(no row)");
        prueba::Entorno otro;
        prueba::ejecutarSql(otro.archivoDeBase(QStringLiteral("ENTREGA")),
                            prueba::esquema(QStringLiteral("entrega.sql")));
        const QString archivo = otro.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK"));
        if (!caso.guardado || QByteArray(caso.guardado) != "-")
            prueba::ejecutarSql(archivo, prueba::esquema(QStringLiteral("estadisticas.sql")));
        if (caso.guardado && QByteArray(caso.guardado) != "-")
            prueba::ejecutarSql(archivo, QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                                                        "VALUES ('TimeOut', 'BaseDeDatos', '%1')")
                                             .arg(QString::fromUtf8(caso.guardado)));
        otro.contexto.nombreEjecutable = QStringLiteral("entrega");
        ASSERT_FALSE(iniciar(otro.contexto));
        EXPECT_EQ(otro.contexto.TiempoEspera, caso.tiempo);
        EXPECT_EQ(otro.contexto.sesion.Conexion().CommandTimeout(), caso.tiempo);
        EXPECT_EQ(otro.contexto.sesion.Conexion().IsolationLevel(), 256);
        EXPECT_TRUE(otro.dialogos.vistos().isEmpty());
    }
}

TEST_F(ArranqueConBases, ElArchivoDeConsultasSeCreaUnaSolaVez) {
    ASSERT_FALSE(iniciar(contexto));
    const QByteArray primero = bytesDeConsultas();
    ASSERT_EQ(primero.size(), 13222);
    EXPECT_TRUE(primero.endsWith("\r\n"));
    EXPECT_EQ(primero.mid(8 * 1202 + 100, 100), QByteArray("V_TA_Tareas").leftJustified(100, ' '));
    EXPECT_EQ(primero.mid(8 * 1202 + 200, 500), QByteArray("|Descripcion|IdTarea|").leftJustified(500, ' '));
    for (int n = 0; n < 11; ++n)
        EXPECT_EQ(primero.mid(n * 1202 + 700, 500), QByteArray(500, ' ')) << "record " << n + 1;

    // The next start finds the file and neither rewrites nor extends it, whatever it holds.
    const QByteArray propio = primero.left(1202);
    {
        QFile f(consultas());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(propio);
    }
    Contexto segundo(entorno.dialogos);
    preparar(segundo);
    ASSERT_FALSE(iniciar(segundo));
    EXPECT_EQ(bytesDeConsultas(), propio);
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(ArranqueConBases, UnaCarpetaDeProgramaBajoUnArchivoTerminaSinMensaje) {
    // Below a regular file nothing can be created, by root or anyone else.
    QFile archivo(entorno.ruta(QStringLiteral("programa")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    contexto.carpetaPrograma = QDir::toNativeSeparators(archivo.fileName() + QStringLiteral("/instalado"));
    int finales = 0;
    contexto.alTerminar = [&] { ++finales; };

    EXPECT_TRUE(iniciar(contexto));
    EXPECT_EQ(finales, 1);
    EXPECT_TRUE(contexto.sesion.Conectado()) << "the failure came after the connection";
    EXPECT_FALSE(contexto.espera.visible());
    EXPECT_TRUE(contexto.TablaConfiguracion.isEmpty()) << "the settings load did not run";
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

// A program folder that refuses writes: immutable (chattr +i) where the file system and the user allow it,
// else without write permission for a user who is not root.
class CarpetaDeSoloLectura {
  public:
    explicit CarpetaDeSoloLectura(const QString& ruta) : m_ruta(ruta) {
        QDir().mkpath(ruta);
        m_inmutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), ruta}) == 0;
        if (!m_inmutable)
            QFile::setPermissions(ruta, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~CarpetaDeSoloLectura() {
        if (m_inmutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_ruta});
        QFile::setPermissions(m_ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool rechazaEscrituras() const {
        QFile prueba(m_ruta + QStringLiteral("/prueba"));
        const bool escribio = prueba.open(QIODevice::WriteOnly);
        prueba.remove();
        return !escribio;
    }

  private:
    QString m_ruta;
    bool m_inmutable = false;
};

TEST_F(ArranqueConBases, UnaCarpetaDeProgramaDeSoloLecturaTerminaSinMensaje) {
    const CarpetaDeSoloLectura carpeta(entorno.ruta(QStringLiteral("programa")));
    if (!carpeta.rechazaEscrituras())
        GTEST_SKIP() << "this file system lets this user write in any folder";
    contexto.carpetaPrograma = QDir::toNativeSeparators(entorno.ruta(QStringLiteral("programa")));

    EXPECT_TRUE(iniciar(contexto));
    EXPECT_TRUE(contexto.terminado());
    EXPECT_FALSE(contexto.espera.visible());
    EXPECT_TRUE(contexto.TablaConfiguracion.isEmpty()) << "the settings load did not run";
    EXPECT_FALSE(QFile::exists(entorno.ruta(QStringLiteral("programa/consultas.kvn"))));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(ArranqueConBases, SentenciasDelArranque) {
    tiempoGuardado(QStringLiteral("120"));
    ASSERT_FALSE(iniciar(contexto));
    // The statistics session reads its time-out, and that is all it sends.
    EXPECT_EQ(contexto.estadisticas.Conexion().traza().escritas(),
              QStringList{QStringLiteral(
                  "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'")});
    // On the main session, up to the settings load's last read: every configuration key, the user's row,
    // the business unit and its company-wide keys, and the two colours written back.
    const QStringList principal = contexto.sesion.Conexion().traza().escritas();
    const qsizetype ultima = principal.indexOf(QStringLiteral(
        "SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'Top_Default'"));
    EXPECT_EQ(ultima + 1, 59) << principal.join(u'\n').toStdString();
    RecordProperty("sentencias_principal", static_cast<int>(principal.size()));
}

} // namespace
