#include "support/EntornoDePrueba.h"

#include "core/Falla.h"
#include "startup/CrearArchivoConsultas.h"

using namespace entrega;

namespace {

QByteArray relleno(const QByteArray& texto, int largo) {
    return texto + QByteArray(largo - texto.size(), ' ');
}

QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta.toStdString();
    return f.readAll();
}

class ArchivoConsultas : public ::testing::Test {
  protected:
    void SetUp() override {
        contexto.aplicacion.ArchivoConsultas = entorno.ruta(QStringLiteral("consultas.kvn"));
    }
    prueba::Entorno entorno;
    Contexto& contexto = entorno.contexto;
};

TEST_F(ArchivoConsultas, OnceRegistrosDeLargoFijo) {
    CrearArchivoConsultas(contexto);
    const QByteArray bytes = leer(contexto.aplicacion.ArchivoConsultas);
    ASSERT_EQ(bytes.size(), 13222);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    for (int n = 0; n < 11; ++n) {
        SCOPED_TRACE(n + 1);
        const QByteArray registro = bytes.mid(n * 1202, 1202);
        EXPECT_EQ(registro.mid(700, 500), QByteArray(500, ' '));
        EXPECT_EQ(registro.right(2), QByteArray("\r\n"));
    }
    const QByteArray noveno = bytes.mid(8 * 1202, 1202);
    EXPECT_EQ(noveno.left(100), relleno("TAREAS", 100));
    EXPECT_EQ(noveno.mid(100, 100), relleno("V_TA_Tareas", 100));
    EXPECT_EQ(noveno.mid(200, 500), relleno("|Descripcion|IdTarea|", 500));

    QStringList nombres;
    for (int n = 0; n < 11; ++n)
        nombres << QString::fromLatin1(bytes.mid(n * 1202, 100)).trimmed();
    EXPECT_EQ(nombres,
              (QStringList{"ARTICULOS", "CLIENTES", "PROVEEDORES", "CONTACTOS", "VENDEDORES", "TECNICOS",
                           "MANTENIMIENTOS", "CUENTAS", "TAREAS", "UnidadNegocio", "DEPOSITO"}));
    EXPECT_EQ(bytes.mid(3 * 1202 + 200, 500),
              relleno("|Nombre_y_Apellido|Domicilio|Localidad|Telefono|", 500));
}

TEST_F(ArchivoConsultas, LosRegistrosVanTrasElUltimoCompleto) {
    // A file another program left with one record and a cut one: the cut one is written over.
    const QByteArray primero = relleno("PROPIO", 1200) + "\r\n";
    {
        QFile f(contexto.aplicacion.ArchivoConsultas);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(primero + "cortado");
    }
    CrearArchivoConsultas(contexto);
    const QByteArray bytes = leer(contexto.aplicacion.ArchivoConsultas);
    ASSERT_EQ(bytes.size(), 12 * 1202);
    EXPECT_EQ(bytes.left(1202), primero);
    EXPECT_EQ(bytes.mid(1202, 100), relleno("ARTICULOS", 100));
}

TEST_F(ArchivoConsultas, UnaCarpetaDondeNoSePuedeEscribirFalla) {
    // Below a regular file nothing can be created, whoever runs the test (root included).
    QFile archivo(entorno.ruta(QStringLiteral("no-es-carpeta")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    contexto.aplicacion.ArchivoConsultas = archivo.fileName() + QStringLiteral("/consultas.kvn");
    try {
        CrearArchivoConsultas(contexto);
        FAIL() << "no failure";
    } catch (const Falla& falla) {
        EXPECT_EQ(falla.numero(), errores::AccesoARuta);
    }
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

} // namespace
