#include "core/Texto.h"

#include "core/Falla.h"

#include <cmath>
#include <limits>

namespace entrega::texto {

QString recortarIzquierda(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    return s.mid(i);
}

QString recortarDerecha(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

QString recortar(const QString& s) { return recortarIzquierda(recortarDerecha(s)); }

QString medio(const QString& s, int inicio, int largo) {
    if (inicio < 1 || largo < -1)
        throw fallaDePlataforma(errores::LlamadaInvalida);
    if (inicio > s.size())
        return {};
    return largo == -1 ? s.mid(inicio - 1) : s.mid(inicio - 1, largo);
}

QString izquierda(const QString& s, int largo) {
    if (largo < 0)
        throw fallaDePlataforma(errores::LlamadaInvalida);
    return s.left(largo);
}

QString derecha(const QString& s, int largo) {
    if (largo < 0)
        throw fallaDePlataforma(errores::LlamadaInvalida);
    return s.right(largo);
}

double valor(const QString& s) {
    QString limpio;
    for (QChar c : s)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            limpio.append(c);
    if (limpio.startsWith(u"&H", Qt::CaseInsensitive)) {
        qsizetype n = 2;
        while (n < limpio.size() && isxdigit(limpio.at(n).toLatin1()))
            ++n;
        bool ok = false;
        const qlonglong v = limpio.mid(2, n - 2).toLongLong(&ok, 16);
        return ok ? static_cast<double>(v) : 0.0;
    }
    // Longest prefix of the form [+-]digits[.digits][E[+-]digits].
    qsizetype i = 0;
    auto digitos = [&] {
        const qsizetype desde = i;
        while (i < limpio.size() && limpio.at(i).isDigit() && limpio.at(i).unicode() < 128)
            ++i;
        return i > desde;
    };
    if (i < limpio.size() && (limpio.at(i) == u'+' || limpio.at(i) == u'-'))
        ++i;
    bool hay = digitos();
    if (i < limpio.size() && limpio.at(i) == u'.') {
        ++i;
        hay = digitos() || hay;
    }
    if (!hay)
        return 0.0;
    qsizetype fin = i;
    if (i < limpio.size() && (limpio.at(i) == u'E' || limpio.at(i) == u'e' || limpio.at(i) == u'D' ||
                              limpio.at(i) == u'd')) {
        ++i;
        if (i < limpio.size() && (limpio.at(i) == u'+' || limpio.at(i) == u'-'))
            ++i;
        if (digitos())
            fin = i;
    }
    QString numero = limpio.left(fin);
    numero.replace(u'D', u'E').replace(u'd', u'E');
    return numero.toDouble();
}

namespace {
double redondearPar(double v) { return std::nearbyint(v); } // default rounding mode: half to even

template <typename T> T convertir(double v) {
    const double r = redondearPar(v);
    if (std::isnan(r) || r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max())
        throw fallaDePlataforma(errores::Desbordamiento);
    return static_cast<T>(r);
}
} // namespace

std::int16_t aEntero(double v) { return convertir<std::int16_t>(v); }
std::int32_t aLargo(double v) { return convertir<std::int32_t>(v); }

double aNumero(const QString& s) {
    bool ok = false;
    const double v = recortar(s).toDouble(&ok);
    if (!ok)
        throw fallaDePlataforma(errores::TiposIncompatibles);
    return v;
}

QString plegar(const QString& s) {
    const QString descompuesto = s.normalized(QString::NormalizationForm_D);
    QString resultado;
    resultado.reserve(descompuesto.size());
    for (QChar c : descompuesto)
        if (c.category() != QChar::Mark_NonSpacing)
            resultado.append(c);
    return resultado.toCaseFolded();
}

bool igualesSinMayusculas(const QString& a, const QString& b) { return plegar(a) == plegar(b); }

QString formatoCeros(const QString& s, int ancho) {
    const QString t = recortar(s);
    if (t.isEmpty())
        return s;
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok) {
        const double d = t.toDouble(&ok);
        if (!ok)
            return s;
        return QStringLiteral("%1").arg(std::llround(d), ancho, 10, QChar(u'0'));
    }
    if (n < 0)
        return u'-' + QStringLiteral("%1").arg(-n, ancho, 10, QChar(u'0'));
    return QStringLiteral("%1").arg(n, ancho, 10, QChar(u'0'));
}

} // namespace entrega::texto
