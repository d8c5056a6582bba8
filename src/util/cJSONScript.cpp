#include "util/cJSONScript.h"

#include "core/Falla.h"
#include "util/JSON.h"
#include "util/cStringBuilder.h"

#include <QStringList>

namespace entrega {

namespace {
constexpr std::int32_t profundidadMaxima = 40;

// A plain value as the scripts write it: numbers always with "." as the decimal point.
QString textoHoja(const Variant& v) {
    switch (v.tipo()) {
    case Variant::Tipo::Null:
        return QStringLiteral("null");
    case Variant::Tipo::Boolean:
        return v.aBooleano() ? QStringLiteral("true") : QStringLiteral("false");
    case Variant::Tipo::Date:
    case Variant::Tipo::Text:
        return v.aTexto();
    default:
        return v.aTexto().replace(u',', u'.');
    }
}

// A member read as text without evaluating it: a map or list there is a type mismatch.
QString comoTexto(const ValorJson& v) {
    if (!v.esHoja())
        throw fallaDePlataforma(errores::TiposIncompatibles);
    return textoHoja(v.hoja());
}

bool esTexto(const ValorJson& v) {
    return v.esHoja() && v.hoja().tipo() == Variant::Tipo::Text;
}

// A command whose value is a text or a list has no members: each one reads as empty, like a missing one.
const ValorJson& miembro(const ValorJson& comando, const QString& nombre) {
    static const ValorJson vacio;
    return comando.esMapa() ? comando.mapa()[nombre] : vacio;
}

// "<%" KEY "(" parameters ")%>": a text value is the parameters, a map gives its values joined by ",".
QString marcador(const QString& clave, const ValorJson& valor) {
    QString parametros;
    if (esTexto(valor)) {
        parametros = valor.hoja().aTexto();
    } else if (valor.esMapa()) {
        QStringList textos;
        for (const Mapa::Miembro& m : valor.mapa().miembros())
            textos << comoTexto(m.second);
        parametros = textos.join(u',');
    }
    return QStringLiteral("<%") + clave.toUpper() + u'(' + parametros + QStringLiteral(")%>");
}

// Counts one level for as long as an evaluation runs, however it ends.
class Nivel {
  public:
    explicit Nivel(std::int32_t& profundidad) : m_profundidad(profundidad) { ++m_profundidad; }
    ~Nivel() { --m_profundidad; }
    Nivel(const Nivel&) = delete;
    Nivel& operator=(const Nivel&) = delete;

  private:
    std::int32_t& m_profundidad;
};
} // namespace

QString cJSONScript::Eval(const QString& sJSON) {
    const std::optional<ValorJson> raiz = JSON::ParseText(sJSON);
    if (!JSON::ParserErrors().isEmpty() || !raiz) {
        m_dialogos.mensaje(JSON::ParserErrors(), estilo::Aceptar + estilo::Exclamacion,
                           QStringLiteral("Parser Error"));
        return {};
    }
    cStringBuilder salida;
    if (raiz->esMapa()) { // a script that is one object of commands
        escribir(*raiz, salida);
        return salida.toString();
    }
    for (const ValorJson& elemento : raiz->lista()) {
        if (!elemento.esHoja())
            escribir(elemento, salida);
        else if (elemento.hoja().esNulo() || esTexto(elemento))
            salida.Append(textoHoja(elemento.hoja()));
        else
            throw fallaDePlataforma(errores::ObjetoRequerido);
    }
    return salida.toString();
}

QString cJSONScript::ExecCommand(const ValorJson& obj) {
    if (obj.esHoja() && m_depth <= profundidadMaxima) // the same text and count, without a buffer
        return textoHoja(obj.hoja());
    cStringBuilder salida;
    escribir(obj, salida);
    return salida.toString();
}

// Appends what one value produces to the evaluation's text; each call is one level of nesting.
void cJSONScript::escribir(const ValorJson& obj, cStringBuilder& salida) {
    if (m_depth > profundidadMaxima) {
        salida.Append(u"ERROR: Nesting level exceeded.");
        return;
    }
    const Nivel nivel(m_depth);
    if (obj.esHoja()) {
        salida.Append(textoHoja(obj.hoja()));
    } else if (obj.esLista()) {
        for (const ValorJson& elemento : obj.lista())
            escribir(elemento, salida);
    } else {
        ejecutarComandos(obj.mapa(), salida);
    }
}

// Each key is one command, in the order written; names are compared in lower case.
void cJSONScript::ejecutarComandos(const Mapa& comandos, cStringBuilder& salida) {
    for (const auto& [clave, valor] : comandos.miembros()) {
        if (!esTexto(valor) && valor.esHoja())
            throw fallaDePlataforma(errores::ObjetoRequerido);
        const QString comando = clave.toLower();
        if (comando == u"alert")
            salida.Append(alert(valor));
        else if (comando == u"input")
            salida.Append(input(valor));
        else if (comando == u"switch")
            salida.Append(elegir(valor));
        else if (comando == u"set")
            salida.Append(asignar(valor));
        else if (comando == u"get")
            salida.Append(leer(valor));
        else if (comando == u"if")
            salida.Append(comparar(valor));
        else if (comando == u"return")
            salida.Append(comoTexto(valor));
        else
            salida.Append(marcador(clave, valor));
    }
}

QString cJSONScript::alert(const ValorJson& valor) {
    const QString mensaje = ExecCommand(miembro(valor, QStringLiteral("message")));
    const QString titulo = ExecCommand(miembro(valor, QStringLiteral("title")));
    m_dialogos.mensaje(mensaje, estilo::Aceptar + estilo::Informacion, titulo);
    return {};
}

QString cJSONScript::input(const ValorJson& valor) {
    const QString pregunta = ExecCommand(miembro(valor, QStringLiteral("prompt")));
    const QString titulo = ExecCommand(miembro(valor, QStringLiteral("title")));
    const QString predeterminado = ExecCommand(miembro(valor, QStringLiteral("default")));
    return m_dialogos.entrada(pregunta, titulo, predeterminado);
}

// The first item whose "case" (as written, lower-cased) equals the evaluated "case" gives its "return".
QString cJSONScript::elegir(const ValorJson& valor) {
    QString resultado = ExecCommand(miembro(valor, QStringLiteral("default")));
    const QString caso = ExecCommand(miembro(valor, QStringLiteral("case"))).toLower();
    const ValorJson& items = miembro(valor, QStringLiteral("items"));
    if (!items.esLista())
        return resultado;
    for (const ValorJson& item : items.lista()) {
        if (comoTexto(miembro(item, QStringLiteral("case"))).toLower() == caso)
            return ExecCommand(miembro(item, QStringLiteral("return")));
    }
    return resultado;
}

QString cJSONScript::asignar(const ValorJson& valor) {
    const QString nombre = comoTexto(miembro(valor, QStringLiteral("name")));
    m_variables.insert(nombre, ExecCommand(miembro(valor, QStringLiteral("value"))));
    return {};
}

QString cJSONScript::leer(const ValorJson& valor) {
    const QString nombre = comoTexto(miembro(valor, QStringLiteral("name")));
    const auto variable = m_variables.constFind(nombre);
    const QString resultado =
        ExecCommand(variable == m_variables.cend() ? ValorJson() : ValorJson(Variant(*variable)));
    return resultado.isEmpty() ? ExecCommand(miembro(valor, QStringLiteral("default"))) : resultado;
}

// "eq" ignores letter case; the ordering tests compare character codes.
QString cJSONScript::comparar(const ValorJson& valor) {
    const QString a = ExecCommand(miembro(valor, QStringLiteral("value1")));
    const QString b = ExecCommand(miembro(valor, QStringLiteral("value2")));
    const QString tipo = comoTexto(miembro(valor, QStringLiteral("type"))).toLower();
    const int orden = QString::compare(a, b, Qt::CaseSensitive);
    bool cierto = false;
    if (tipo == u"eq")
        cierto = a.toLower() == b.toLower();
    else if (tipo == u"gt")
        cierto = orden > 0;
    else if (tipo == u"lt")
        cierto = orden < 0;
    else if (tipo == u"gte")
        cierto = orden >= 0;
    else if (tipo == u"lte")
        cierto = orden <= 0;
    return ExecCommand(miembro(valor, cierto ? QStringLiteral("true") : QStringLiteral("false")));
}

} // namespace entrega
