#include "support/EntornoDePrueba.h"

using namespace entrega;

namespace {

class Ini : public ::testing::Test {
  protected:
    void escribir(const QString& nombre, const QByteArray& contenido) {
        QFile f(entorno.ruta(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }
    QString leer(const QString& seccion, const QString& clave) {
        return entorno.contexto.ini.LeerIni(QStringLiteral("RB512pr.INI"), seccion, clave,
                                            QStringLiteral("pred"));
    }
    prueba::Entorno entorno;
};

TEST_F(Ini, SinArchivoDaElPredeterminado) {
    EXPECT_EQ(leer(u"A"_qs, u"B"_qs), u"pred"_qs);
}

TEST_F(Ini, SeccionesYClavesIgnoranMayusculas) {
    escribir(QStringLiteral("RB512pr.INI"), "; comentario\r\n"
                                            "[Otra]\r\n"
                                            "Servidor=equivocado\r\n"
                                            "[PC01|JPEREZBaseDeDatos]\r\n"
                                            "  Servidor = SRV01 \r\n"
                                            "DbName=\r\n"
                                            "Usuario=\"con comillas\"\r\n"
                                            "Clave=a=b\r\n"
                                            ";Puerto=1433\r\n"
                                            "[Ultima]\r\n"
                                            "Puerto=99\r\n");
    EXPECT_EQ(leer(u"pc01|jperezbasededatos"_qs, u"SERVIDOR"_qs), u"SRV01"_qs);
    EXPECT_EQ(leer(u"PC01|JPEREZBaseDeDatos"_qs, u"DbName"_qs), QString()) << "an empty value is a value";
    EXPECT_EQ(leer(u"PC01|JPEREZBaseDeDatos"_qs, u"usuario"_qs), u"con comillas"_qs);
    EXPECT_EQ(leer(u"PC01|JPEREZBaseDeDatos"_qs, u"Clave"_qs), u"a=b"_qs);
    EXPECT_EQ(leer(u"PC01|JPEREZBaseDeDatos"_qs, u"Puerto"_qs), u"pred"_qs)
        << "commented out, and in another section";
    EXPECT_EQ(leer(u"NoHay"_qs, u"Servidor"_qs), u"pred"_qs);
    EXPECT_EQ(leer(u"Ultima"_qs, u"puerto"_qs), u"99"_qs);
}

TEST_F(Ini, ElNombreDelArchivoIgnoraMayusculas) {
    escribir(QStringLiteral("rb512PR.ini"), "[S]\nK=v\n");
    EXPECT_EQ(leer(u"s"_qs, u"k"_qs), u"v"_qs);
}

TEST_F(Ini, LeeWindows1252YUtf8) {
    escribir(QStringLiteral("RB512pr.INI"), "[Fuentes]\r\nNombre=Pe\xf1"
                                            "a \x80\r\n[Se\xf1or]\r\nK=1\r\n");
    EXPECT_EQ(leer(u"Fuentes"_qs, u"Nombre"_qs), u"Peña €"_qs);
    EXPECT_EQ(leer(u"SEÑOR"_qs, u"k"_qs), u"1"_qs);
    escribir(QStringLiteral("RB512pr.INI"), "\xef\xbb\xbf[Fuentes]\nNombre=Pe\xc3\xb1"
                                            "a\n");
    EXPECT_EQ(leer(u"fuentes"_qs, u"Nombre"_qs), u"Peña"_qs);
}

} // namespace
