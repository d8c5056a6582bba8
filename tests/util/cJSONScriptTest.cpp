#include "util/cJSONScript.h"

#include "ArbolJson.h"
#include "core/Falla.h"
#include "dialogs/DialogosGuionados.h"

#include <gtest/gtest.h>

using namespace entrega;

namespace {
class Guion : public testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(m_dialogos.inesperados(), 0);
        EXPECT_EQ(m_dialogos.pendientes(), 0);
    }

    int numeroDeFalla(const QString& guion) {
        try {
            m_script.Eval(guion);
        } catch (const Falla& f) {
            return f.numero();
        }
        return 0;
    }

    // A text nested inside `niveles` lists below the root list.
    static QString anidado(int niveles) {
        return u'[' + QString(niveles, u'[') + QStringLiteral("'x'") + QString(niveles, u']') + u']';
    }

    DialogosGuionados m_dialogos;
    cJSONScript m_script{m_dialogos};
};

struct Caso {
    const char16_t* guion;
    const char16_t* salida;
};

void comprobar(cJSONScript& script, const Caso& c) {
    const QString guion = QString::fromUtf16(c.guion);
    EXPECT_EQ(script.Eval(guion), QString::fromUtf16(c.salida)) << guion.toStdString();
}
} // namespace

TEST_F(Guion, ProducesTextFromValuesAndCommands) {
    const Caso casos[] = {
        {u"['Hello ', null]", u"Hello null"},
        {u"[[1.5,' ',-2,true,false,null]]", u"1.5 -2truefalsenull"},
        {u"[{'return':'<b>'},{'RETURN':'x'}]", u"<b>x"},
        {u"[{'fecha':'dd/mm'}]", u"<%FECHA(dd/mm)%>"},
        {u"[{'Suma':{'a':1,'b':2.50}}]", u"<%SUMA(1,2.5)%>"},
        {u"[{'lista':[1,2]},{'vacio':{}}]", u"<%LISTA()%><%VACIO()%>"},
        {u"[{'a':'1','b':'2'}]", u"<%A(1)%><%B(2)%>"},
        {u"{'return':'one object'}", u"one object"},
        {u"[]", u""},
    };
    for (const Caso& c : casos)
        comprobar(m_script, c);
}

TEST_F(Guion, VariablesAreSetAndRead) {
    const Caso casos[] = {
        {u"[{'set':{'name':'x','value':'7'}},{'get':{'name':'x','default':'0'}}]", u"7"},
        {u"[{'get':{'name':'never','default':'0'}}]", u"0"},
        {u"[{'get':{'name':'X','default':'case counts'}}]", u"case counts"},
        {u"[{'set':{'name':'x','value':[{'get':{'name':'x'}},'8']}},{'get':{'name':'x'}}]", u"78"},
        {u"[{'set':{'name':'e','value':''}},{'get':{'name':'e','default':{'return':'d'}}}]", u"d"},
        {u"[{'set':{'name':'n','value':1.0}},{'get':{'name':'n'}}]", u"1"},
    };
    for (const Caso& c : casos)
        comprobar(m_script, c);
    cJSONScript otro(m_dialogos);
    EXPECT_EQ(otro.Eval(QStringLiteral("[{'get':{'name':'x','default':'own'}}]")), QStringLiteral("own"));
}

TEST_F(Guion, IfComparesTexts) {
    const Caso casos[] = {
        {u"[{'if':{'value1':'b','value2':'a','type':'gt','true':'yes','false':'no'}}]", u"yes"},
        {u"[{'if':{'value1':'A','value2':'a','type':'EQ','true':'yes','false':'no'}}]", u"yes"},
        {u"[{'if':{'value1':'A','value2':'a','type':'lt','true':'yes','false':'no'}}]", u"yes"},
        {u"[{'if':{'value1':'a','value2':'a','type':'gte','true':'yes','false':'no'}}]", u"yes"},
        {u"[{'if':{'value1':'b','value2':'a','type':'lte','true':'yes','false':'no'}}]", u"no"},
        {u"[{'if':{'value1':'10','value2':'9','type':'gt','true':'yes','false':'no'}}]", u"no"},
        {u"[{'if':{'value1':'a','value2':'a','type':'ne','true':'yes','false':'no'}}]", u"no"},
        {u"[{'if':{'value1':{'return':'z'},'value2':'y','type':'gt','true':{'fecha':'x'}}}]",
         u"<%FECHA(x)%>"},
    };
    for (const Caso& c : casos)
        comprobar(m_script, c);
}

TEST_F(Guion, SwitchChoosesTheFirstMatchingItem) {
    const Caso casos[] = {
        {u"[{'switch':{'default':'?','case':'B','items':[{'case':'a','return':'1'},{'case':'b','return':'2'}]"
         u"}}]",
         u"2"},
        {u"[{'switch':{'default':'?','case':'c','items':[{'case':'a','return':'1'}]}}]", u"?"},
        {u"[{'switch':{'default':'?','case':'1','items':[{'case':1,'return':'one'},{'case':'1','return':'two'"
         u"}]}}]",
         u"one"},
        {u"[{'switch':{'default':'?','case':{'return':'A'},'items':[{'case':'A','return':{'k':'v'}}]}}]",
         u"<%K(v)%>"},
        {u"[{'switch':{'default':'?','case':'a'}}]", u"?"},
    };
    for (const Caso& c : casos)
        comprobar(m_script, c);
}

// A command whose value is a text reads every member as empty.
TEST_F(Guion, ACommandWithATextValueHasNoMembers) {
    const Caso casos[] = {
        {u"[{'set':{'name':'','value':'unnamed'}},{'get':'x'}]", u"unnamed"},
        {u"[{'if':'x'},{'switch':'x'},{'get':[1]},{'set':'x'},{'get':{'name':'','default':'cleared'}}]",
         u"unnamedcleared"},
    };
    for (const Caso& c : casos)
        comprobar(m_script, c);
}

TEST_F(Guion, AlertAndInputGoThroughTheDialogService) {
    m_dialogos.responder(respuesta::Aceptar).responderTexto(QStringLiteral("B"));
    const QString guion = QStringLiteral(
        "[{'alert':{'message':['Hola ',{'return':'mundo'}],'title':'Aviso'}},"
        "{'switch':{'default':'?','case':{'input':{'prompt':'Letra','title':'Elegir','default':'a'}},"
        "'items':[{'case':'a','return':'1'},{'case':'b','return':'2'}]}}]");
    EXPECT_EQ(m_script.Eval(guion), QStringLiteral("2"));
    ASSERT_EQ(m_dialogos.vistos().size(), 2);
    const DialogoVisto& alerta = m_dialogos.vistos()[0];
    EXPECT_EQ(alerta.clase, DialogoVisto::Clase::Mensaje);
    EXPECT_EQ(alerta.texto, QStringLiteral("Hola mundo"));
    EXPECT_EQ(alerta.estilo, estilo::Informacion);
    EXPECT_EQ(alerta.titulo, QStringLiteral("Aviso"));
    const DialogoVisto& entrada = m_dialogos.vistos()[1];
    EXPECT_EQ(entrada.clase, DialogoVisto::Clase::Entrada);
    EXPECT_EQ(entrada.texto, QStringLiteral("Letra"));
    EXPECT_EQ(entrada.titulo, QStringLiteral("Elegir"));
    EXPECT_EQ(entrada.predeterminado, QStringLiteral("a"));
}

TEST_F(Guion, ACancelledInputGivesEmptyText) {
    m_dialogos.responderTexto(QString());
    EXPECT_EQ(m_script.Eval(QStringLiteral("['[',{'input':{'prompt':'?'}},']']")), QStringLiteral("[]"));
}

TEST_F(Guion, AParseFaultIsShownAndProducesNothing) {
    struct Caso {
        const char16_t* guion;
        const char16_t* mensaje;
    } casos[] = {
        {u"[{'return':'x'}", u"Missing ']': [{'return':'x'}\r\n"},
        {u"5", u"Invalid JSON"},
    };
    for (const auto& c : casos) {
        m_dialogos.olvidar();
        m_dialogos.responder(respuesta::Aceptar);
        EXPECT_EQ(m_script.Eval(QString::fromUtf16(c.guion)), QString());
        ASSERT_EQ(m_dialogos.vistos().size(), 1);
        EXPECT_EQ(m_dialogos.vistos()[0].texto, QString::fromUtf16(c.mensaje));
        EXPECT_EQ(m_dialogos.vistos()[0].estilo, estilo::Exclamacion);
        EXPECT_EQ(m_dialogos.vistos()[0].titulo, QStringLiteral("Parser Error"));
    }
}

TEST_F(Guion, ValuesOfTheWrongKindFail) {
    struct Caso {
        const char16_t* guion;
        int numero;
    } casos[] = {
        {u"[1]", errores::ObjetoRequerido},
        {u"[true]", errores::ObjetoRequerido},
        {u"[{'fecha':5}]", errores::ObjetoRequerido},
        {u"[{'set':null}]", errores::ObjetoRequerido},
        {u"[{'return':{'a':'b'}}]", errores::TiposIncompatibles},
        {u"[{'marca':{'a':{'b':1}}}]", errores::TiposIncompatibles},
        {u"[{'get':{'name':['x']}}]", errores::TiposIncompatibles},
    };
    for (const auto& c : casos)
        EXPECT_EQ(numeroDeFalla(QString::fromUtf16(c.guion)), c.numero)
            << QString::fromUtf16(c.guion).toStdString();
}

// The calls Eval makes are the first level; the 42nd nested call gives the error text in its place.
TEST_F(Guion, NestingDeeperThanTheLimitGivesAnErrorText) {
    EXPECT_EQ(m_script.Eval(anidado(40)), QStringLiteral("x"));
    EXPECT_EQ(m_script.Eval(anidado(41)), QStringLiteral("ERROR: Nesting level exceeded."));
    EXPECT_EQ(m_script.Eval(QStringLiteral("[[[[{'return':'a'}]]],") + anidado(41).mid(1)),
              QStringLiteral("aERROR: Nesting level exceeded."));
}

TEST_F(Guion, TheNestingCountRecoversAfterAFailure) {
    EXPECT_EQ(numeroDeFalla(QStringLiteral("[[[[[[{'x':5}]]]]]]")), errores::ObjetoRequerido);
    EXPECT_EQ(m_script.Eval(anidado(40)), QStringLiteral("x"));
}
