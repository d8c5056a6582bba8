#pragma once
// A workstation for one test: a temporary folder that is program and data folder at once, scripted dialogs,
// a fixed clock and a context. Databases are real SQLite files made from the embedded schema in db/.
#include "companion/Contexto.h"
#include "dialogs/DialogosGuionados.h"
#include "support/SqliteDePrueba.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace entrega::prueba {

// Sets an environment variable for one test and puts back what it was.
class VariableDeEntorno {
  public:
    VariableDeEntorno(const char* nombre, const QByteArray& valor)
        : m_nombre(nombre), m_antes(qgetenv(nombre)), m_habia(qEnvironmentVariableIsSet(nombre)) {
        qputenv(nombre, valor);
    }
    ~VariableDeEntorno() {
        if (m_habia)
            qputenv(m_nombre, m_antes);
        else
            qunsetenv(m_nombre);
    }
    VariableDeEntorno(const VariableDeEntorno&) = delete;
    VariableDeEntorno& operator=(const VariableDeEntorno&) = delete;

  private:
    const char* m_nombre;
    QByteArray m_antes;
    bool m_habia;
};

// Scripted dialogs that can also act while a box is up, as an operator who fixes something before answering.
class DialogosDePrueba : public DialogosGuionados {
  public:
    std::function<void()> alMostrar;
    int mensaje(const QString& texto, int estilo, const QString& titulo) override {
        if (alMostrar)
            alMostrar();
        return DialogosGuionados::mensaje(texto, estilo, titulo);
    }
};

class Entorno {
  public:
    Entorno() : contexto(dialogos) {
        contexto.carpetaPrograma = QDir::toNativeSeparators(carpeta.path());
        contexto.carpetaDatos = contexto.carpetaPrograma;
        contexto.ini.setCarpeta(contexto.carpetaPrograma);
        contexto.reloj = [this] { return ahora; };
    }
    ~Entorno() { EXPECT_EQ(dialogos.inesperados(), 0) << "a dialog nobody expected was shown"; }

    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }
    QString archivoDeBase(const QString& base) const { return ruta(base + QStringLiteral(".sqlite")); }

    // Creates the database from a schema file of db/ and connects the session to it on the server `local`.
    void conectar(cSesion& sesion, const QString& base, const QString& archivoEsquema) {
        ejecutarSql(archivoDeBase(base), esquema(archivoEsquema));
        sesion.Servidor = QStringLiteral("local");
        sesion.BaseDatos = base;
        sesion.Conectar(false, 3, {}, true, true);
        ASSERT_TRUE(sesion.Conectado()) << sesion.motivo().toStdString();
    }
    void conectarPrincipal() {
        conectar(contexto.sesion, QStringLiteral("ENTREGA"), QStringLiteral("entrega.sql"));
    }
    void conectarEstadisticas() {
        conectar(contexto.estadisticas, QStringLiteral("QE_FJLSALXCENKK"),
                 QStringLiteral("estadisticas.sql"));
    }

    QTemporaryDir carpeta;
    // The temporary folder, and with it KVERR.LOG, is the test's own.
    VariableDeEntorno tmpdir{"TMPDIR", QFile::encodeName(carpeta.path())};
    VariableDeEntorno temp{"TEMP", ""};
    DialogosDePrueba dialogos;
    QDateTime ahora{QDate(2024, 3, 7), QTime(9, 5, 30)};
    Contexto contexto;
};

} // namespace entrega::prueba
