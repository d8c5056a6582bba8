#include "companion/Codificacion.h"

#include <QByteArray>
#include <QStringDecoder>
#include <array>

namespace entrega {

namespace {

constexpr QByteArray::Base64Options formaBase64 =
    QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

const QByteArray alfabeto =
    QByteArrayLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");

constexpr std::array<unsigned char, 11> clave = {0x4B, 0x72, 0x9D, 0x11, 0xE6, 0x3A,
                                                 0x58, 0xC4, 0x07, 0xB3, 0x6F};
constexpr unsigned char semilla = 0x5A;

// Each byte is mixed with the key and with the byte encoded before it, so repeated letters do not show.
QByteArray mezclar(const QByteArray& plano) {
    QByteArray salida(plano.size(), '\0');
    unsigned char anterior = semilla;
    for (qsizetype i = 0; i < plano.size(); ++i) {
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(plano[i]) ^
                                                  clave[i % clave.size()] ^ anterior);
        salida[i] = static_cast<char>(c);
        anterior = c;
    }
    return salida;
}

QByteArray desmezclar(const QByteArray& mezclado) {
    QByteArray salida(mezclado.size(), '\0');
    unsigned char anterior = semilla;
    for (qsizetype i = 0; i < mezclado.size(); ++i) {
        const auto c = static_cast<unsigned char>(mezclado[i]);
        salida[i] = static_cast<char>(c ^ clave[i % clave.size()] ^ anterior);
        anterior = c;
    }
    return salida;
}

// One leading character that tells an encoded text from any other.
char control(const QByteArray& plano) {
    unsigned suma = static_cast<unsigned>(plano.size());
    for (char c : plano)
        suma = suma * 31 + static_cast<unsigned char>(c);
    return alfabeto[suma % 64];
}

} // namespace

QString codificar(const QString& texto) {
    if (texto.isEmpty())
        return {};
    const QByteArray plano = texto.toUtf8();
    return QString::fromLatin1(control(plano) + mezclar(plano).toBase64(formaBase64));
}

QString decodificar(const QString& codificado) {
    if (codificado.size() < 2)
        return codificado;
    const QByteArray ascii = codificado.toLatin1();
    for (char c : ascii)
        if (!alfabeto.contains(c))
            return codificado;
    const auto cuerpo =
        QByteArray::fromBase64Encoding(ascii.mid(1), formaBase64 | QByteArray::AbortOnBase64DecodingErrors);
    if (!cuerpo)
        return codificado;
    const QByteArray plano = desmezclar(*cuerpo);
    if (plano.isEmpty() || control(plano) != ascii[0])
        return codificado;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(plano);
    return utf8.hasError() ? codificado : texto;
}

} // namespace entrega
