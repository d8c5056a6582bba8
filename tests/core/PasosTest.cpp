#include "core/Pasos.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace entrega;

namespace {
// Three steps; the second fails `fallas` times before it succeeds. Records which steps ran.
struct Rutina {
    int fallas;
    QStringList corridos;
    Pasos construir(Pasos pasos) {
        pasos.paso([this] { corridos << "1"; })
            .paso([this] {
                corridos << "2";
                if (fallas-- > 0)
                    throw Falla(1001, "falló", "prueba");
            })
            .paso([this] { corridos << "3"; })
            .cierre([this] { corridos << "cierre"; });
        return pasos;
    }
};
} // namespace

TEST(Pasos, ReportedPolicyFollowsTheAnswer) {
    struct Caso { int respuesta; bool completa; const char* corridos; } casos[] = {
        {respuesta::Reintentar, true, "1,2,2,3,cierre"},
        {respuesta::Ignorar, true, "1,2,3,cierre"},
        {respuesta::Anular, false, "1,2"},
        {respuesta::Cancelar, false, "1,2"},
    };
    for (const Caso& c : casos) {
        Rutina r{1, {}};
        QList<int> numeros;
        const bool completa = r.construir(Pasos::reportados([&](const Falla& f) {
                                  numeros << f.numero();
                                  return c.respuesta;
                              })).ejecutar();
        EXPECT_EQ(completa, c.completa) << c.respuesta;
        EXPECT_EQ(r.corridos.join(","), c.corridos) << c.respuesta;
        EXPECT_EQ(numeros, QList<int>{1001});
    }
}

TEST(Pasos, IgnoredPolicySkipsTheFailingStep) {
    Rutina r{5, {}};
    EXPECT_TRUE(r.construir(Pasos::ignorados()).ejecutar());
    EXPECT_EQ(r.corridos.join(","), "1,2,3,cierre");
}

TEST(Pasos, PropagatedPolicyHandsTheFailureToTheCaller) {
    Rutina r{1, {}};
    EXPECT_THROW(r.construir(Pasos::propagados()).ejecutar(), Falla);
    EXPECT_EQ(r.corridos.join(","), "1,2");
}

TEST(Pasos, AStepCanJumpToTheClosingStep) {
    QStringList corridos;
    Pasos::ignorados()
        .paso([&] { corridos << "1"; Pasos::irAlCierre(); })
        .paso([&] { corridos << "2"; })
        .cierre([&] { corridos << "cierre"; })
        .ejecutar();
    EXPECT_EQ(corridos.join(","), "1,cierre");
}

TEST(Pasos, OtherExceptionsAreNotSwallowed) {
    EXPECT_THROW(Pasos::ignorados().paso([] { throw std::logic_error("fallo del programa"); }).ejecutar(),
                 std::logic_error);
}
