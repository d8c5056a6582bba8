#include "support/EntornoDePrueba.h"

#include <QDesktopServices>
#include <QUrl>

using namespace entrega;

namespace {

// Receives the addresses the desktop would open.
class Manejador : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> abiertas;
  public slots:
    void abrir(const QUrl& url) { abiertas.append(url); }
};

TEST(Equipo, UsuarioYCarpetaTemporalSalenDelEntorno) {
    prueba::Entorno entorno;
    const prueba::VariableDeEntorno usuario("USER", "jperez");
    const prueba::VariableDeEntorno temporal("TMPDIR", QFile::encodeName(entorno.carpeta.path()));
    EXPECT_EQ(entorno.contexto.equipo.UsuarioEquipo(), QStringLiteral("jperez"));
    EXPECT_EQ(entorno.contexto.equipo.CarpetaTemporal(), QDir::toNativeSeparators(entorno.carpeta.path()));
    EXPECT_FALSE(entorno.contexto.equipo.NombreEquipo().isEmpty());
}

TEST(Equipo, EjecutarDocumentoAbreLaDireccionConElManejadorDelEscritorio) {
    prueba::Entorno entorno;
    Manejador manejador;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &manejador, "abrir");
    entorno.contexto.equipo.EjecutarDocumento(QStringLiteral("https://ayuda.example/entrega"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(manejador.abiertas.size(), 1);
    EXPECT_EQ(manejador.abiertas.front(), QUrl(QStringLiteral("https://ayuda.example/entrega")));
}

} // namespace

#include "cEquipoTest.moc"
