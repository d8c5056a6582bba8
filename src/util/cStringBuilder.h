#pragma once
// Assembles a long text from many small pieces. The buffer is larger than the content and grows by whole
// chunks, so appending copies only the new piece. Counts and positions are 32-bit: a size that leaves that
// range raises error 6, an offset beyond the content error 9, and a failed call leaves the content as it was.
#include <QString>
#include <QStringView>
#include <cstdint>

namespace entrega {

class cStringBuilder {
  public:
    enum class Comparacion { Binaria, Texto };

    std::int32_t Length() const { return m_length; }
    std::int32_t Capacity() const { return m_capacity; }
    std::int32_t ChunkSize() const { return m_chunkSize; }
    // A chunk below 1 would never let the buffer reach a needed size: refused with error 5.
    void ChunkSize(std::int32_t iChunkSize);
    QString toString() const;
    void TheString(QStringView sThis);

    void Clear();
    void AppendNL(QStringView sThis);
    void Append(QStringView sThis);
    void AppendByVal(QString sThis) { Append(sThis); }
    // iIndex is a 0-based offset into the content.
    void Insert(std::int32_t iIndex, QStringView sThis);
    void InsertByVal(std::int32_t iIndex, QString sThis) { Insert(iIndex, sThis); }
    void Remove(std::int32_t iIndex, std::int32_t lLen);
    // 1-based position of the first match that lies wholly inside the content at or after lStartIndex
    // (a start below 1 searches from the first character); 0 when there is none.
    std::int32_t Find(QStringView sToFind, std::int32_t lStartIndex = 1,
                      Comparacion compare = Comparacion::Binaria) const;
    void HeapMinimize();

  private:
    void crecerHasta(std::int64_t necesario);

    // The first m_length characters are the content; the rest, up to m_capacity, is free.
    QString m_buffer;
    std::int32_t m_length = 0;
    std::int32_t m_capacity = 0;
    std::int32_t m_chunkSize = 8192;
};

} // namespace entrega
