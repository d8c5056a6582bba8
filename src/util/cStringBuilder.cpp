#include "util/cStringBuilder.h"

#include "core/Falla.h"

#include <algorithm>
#include <limits>

namespace entrega {

namespace {
constexpr std::int64_t maximo = std::numeric_limits<std::int32_t>::max();

std::int32_t comoLargo32(std::int64_t n) {
    if (n > maximo)
        throw fallaDePlataforma(errores::Desbordamiento);
    return static_cast<std::int32_t>(n);
}

std::int32_t largoDe(QStringView s) {
    return comoLargo32(s.size());
}
} // namespace

void cStringBuilder::ChunkSize(std::int32_t iChunkSize) {
    if (iChunkSize < 1)
        throw fallaDePlataforma(errores::LlamadaInvalida);
    m_chunkSize = iChunkSize;
}

QString cStringBuilder::toString() const {
    return m_length < 1 ? QString() : m_buffer.left(m_length);
}

void cStringBuilder::TheString(QStringView sThis) {
    if (sThis.isEmpty()) {
        Clear();
        return;
    }
    const std::int32_t largo = largoDe(sThis);
    crecerHasta(largo);
    std::copy(sThis.begin(), sThis.end(), m_buffer.data());
    m_length = largo;
}

void cStringBuilder::Clear() {
    m_buffer.clear();
    m_length = 0;
    m_capacity = 0;
}

void cStringBuilder::AppendNL(QStringView sThis) {
    const std::int64_t necesario = std::int64_t{m_length} + sThis.size() + 2;
    crecerHasta(necesario);
    Append(sThis);
    Append(u"\r\n");
}

void cStringBuilder::Append(QStringView sThis) {
    if (sThis.isEmpty())
        return;
    const std::int64_t necesario = std::int64_t{m_length} + sThis.size();
    crecerHasta(necesario);
    std::copy(sThis.begin(), sThis.end(), m_buffer.data() + m_length);
    m_length = static_cast<std::int32_t>(necesario);
}

void cStringBuilder::Insert(std::int32_t iIndex, QStringView sThis) {
    if (iIndex < 0 || iIndex > m_length)
        throw fallaDePlataforma(errores::FueraDeRango);
    const std::int64_t necesario = std::int64_t{m_length} + sThis.size();
    crecerHasta(necesario);
    QChar* datos = m_buffer.data();
    std::copy_backward(datos + iIndex, datos + m_length, datos + necesario);
    std::copy(sThis.begin(), sThis.end(), datos + iIndex);
    m_length = static_cast<std::int32_t>(necesario);
}

void cStringBuilder::Remove(std::int32_t iIndex, std::int32_t lLen) {
    if (iIndex < 0 || iIndex > m_length)
        throw fallaDePlataforma(errores::FueraDeRango);
    const std::int32_t fin = comoLargo32(std::int64_t{iIndex} + lLen);
    if (lLen < 0 || fin > m_length)
        throw fallaDePlataforma(errores::FueraDeRango);
    QChar* datos = m_buffer.data();
    std::copy(datos + fin, datos + m_length, datos + iIndex);
    m_length -= lLen;
}

std::int32_t cStringBuilder::Find(QStringView sToFind, std::int32_t lStartIndex, Comparacion compare) const {
    const std::int32_t inicio = std::max(lStartIndex, 1);
    if (sToFind.isEmpty())
        return inicio <= m_length ? inicio : 0;
    if (inicio > m_length)
        return 0;
    const Qt::CaseSensitivity cs = compare == Comparacion::Texto ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const qsizetype encontrado = QStringView(m_buffer).left(m_length).indexOf(sToFind, inicio - 1, cs);
    return static_cast<std::int32_t>(encontrado + 1);
}

void cStringBuilder::HeapMinimize() {
    const std::int64_t libre = std::int64_t{m_capacity} - m_length;
    if (libre <= m_chunkSize)
        return;
    const std::int64_t sobrantes = (libre - 1) / m_chunkSize; // whole chunks that leave at most one free
    m_capacity = static_cast<std::int32_t>(m_capacity - sobrantes * m_chunkSize);
    m_buffer.truncate(m_capacity);
    m_buffer.squeeze();
}

// Adds whole chunks of spaces at the end until the capacity reaches the needed size. The storage below
// grows geometrically, so a long run of appends reallocates only a logarithmic number of times.
void cStringBuilder::crecerHasta(std::int64_t necesario) {
    if (necesario <= m_capacity)
        return;
    const std::int64_t chunks = (necesario - m_capacity + m_chunkSize - 1) / m_chunkSize;
    const std::int32_t nueva = comoLargo32(m_capacity + chunks * m_chunkSize);
    if (m_buffer.capacity() < nueva)
        m_buffer.reserve(std::max<qsizetype>(nueva, 2 * m_buffer.capacity()));
    m_buffer.resize(nueva, u' ');
    m_capacity = nueva;
}

} // namespace entrega
