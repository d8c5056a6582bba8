#include "util/cStringBuilder.h"

#include "core/Falla.h"

#include <gtest/gtest.h>
#include <limits>

using namespace entrega;

namespace {
cStringBuilder con(const QString& contenido) {
    cStringBuilder b;
    b.Append(contenido);
    return b;
}

// The failure number of a call, or 0 when it succeeds.
template <typename F> int numeroDeFalla(F llamada) {
    try {
        llamada();
    } catch (const Falla& f) {
        return f.numero();
    }
    return 0;
}
} // namespace

TEST(cStringBuilder, ANewBuilderIsEmpty) {
    cStringBuilder b;
    EXPECT_EQ(b.Length(), 0);
    EXPECT_EQ(b.Capacity(), 0);
    EXPECT_EQ(b.ChunkSize(), 8192);
    EXPECT_EQ(b.toString(), QString());
}

TEST(cStringBuilder, GrowsByWholeChunks) {
    struct Caso {
        int largo;
        int capacidad;
    } casos[] = {{0, 0}, {1, 8192}, {8192, 8192}, {8193, 16384}, {20000, 24576}};
    for (const Caso& c : casos) {
        cStringBuilder b;
        b.Append(QString(c.largo, u'x'));
        EXPECT_EQ(b.Capacity(), c.capacidad) << c.largo;
        EXPECT_EQ(b.Length(), c.largo);
    }
}

TEST(cStringBuilder, ManyAppendsGiveTheJoinedText) {
    cStringBuilder b;
    QString esperado;
    for (int i = 0; i < 5000; ++i) {
        const QString pieza = QString::number(i * 7919) + QString::fromUtf16(i % 3 ? u"," : u"\r\n");
        b.Append(pieza);
        esperado += pieza;
    }
    b.AppendByVal(QStringLiteral("fin"));
    esperado += QStringLiteral("fin");
    EXPECT_EQ(b.toString(), esperado);
    EXPECT_EQ(b.Length(), esperado.size());
    EXPECT_EQ(b.Capacity() % 8192, 0);
    EXPECT_LT(b.Capacity() - b.Length(), 8192);
}

TEST(cStringBuilder, AppendNLAddsCarriageReturnAndLineFeed) {
    cStringBuilder b;
    b.AppendNL(u"abc");
    EXPECT_EQ(b.Length(), 5);
    EXPECT_EQ(b.toString(), QStringLiteral("abc\r\n"));
}

TEST(cStringBuilder, InsertAtAnOffsetWithinTheContent) {
    struct Caso {
        int indice;
        const char16_t* resultado;
        int falla;
    } casos[] = {
        {0, u"XYabc", 0}, {1, u"aXYbc", 0}, {3, u"abcXY", 0}, {4, u"abc", 9}, {-1, u"abc", 9},
    };
    for (const Caso& c : casos) {
        cStringBuilder b = con(QStringLiteral("abc"));
        EXPECT_EQ(numeroDeFalla([&] { b.Insert(c.indice, u"XY"); }), c.falla) << c.indice;
        EXPECT_EQ(b.toString(), QString::fromUtf16(c.resultado)) << c.indice;
        b.InsertByVal(0, QStringLiteral(">"));
        EXPECT_EQ(b.toString(), u'>' + QString::fromUtf16(c.resultado));
    }
}

TEST(cStringBuilder, InsertGrowsAcrossAChunk) {
    cStringBuilder b = con(QString(8190, u'a'));
    b.Insert(1, u"0123");
    EXPECT_EQ(b.Capacity(), 16384);
    EXPECT_EQ(b.toString(), u'a' + QStringLiteral("0123") + QString(8189, u'a'));
}

TEST(cStringBuilder, RemoveWithinTheContent) {
    constexpr int maximo = std::numeric_limits<std::int32_t>::max();
    struct Caso {
        int indice, largo;
        const char16_t* resultado;
        int falla;
    } casos[] = {
        {0, 0, u"abcdef", 0},  {6, 0, u"abcdef", 0},  {1, 2, u"adef", 0},
        {0, 6, u"", 0},        {5, 2, u"abcdef", 9},  {7, 0, u"abcdef", 9},
        {-1, 1, u"abcdef", 9}, {2, -1, u"abcdef", 9}, {1, maximo, u"abcdef", 6},
    };
    for (const Caso& c : casos) {
        cStringBuilder b = con(QStringLiteral("abcdef"));
        EXPECT_EQ(numeroDeFalla([&] { b.Remove(c.indice, c.largo); }), c.falla) << c.indice << "," << c.largo;
        EXPECT_EQ(b.toString(), QString::fromUtf16(c.resultado)) << c.indice << "," << c.largo;
        EXPECT_EQ(b.Capacity(), 8192);
    }
}

TEST(cStringBuilder, TheStringReplacesTheContentAndEmptyClears) {
    cStringBuilder b = con(QString(9000, u'x'));
    b.TheString(u"nuevo");
    EXPECT_EQ(b.toString(), QStringLiteral("nuevo"));
    EXPECT_EQ(b.Capacity(), 16384);
    b.TheString(u"");
    EXPECT_EQ(b.Length(), 0);
    EXPECT_EQ(b.Capacity(), 0);
}

TEST(cStringBuilder, ClearKeepsTheChunkSize) {
    cStringBuilder b;
    b.ChunkSize(4);
    b.Append(u"abcde");
    EXPECT_EQ(b.Capacity(), 8);
    b.Clear();
    EXPECT_EQ(b.Length(), 0);
    EXPECT_EQ(b.Capacity(), 0);
    EXPECT_EQ(b.ChunkSize(), 4);
    b.Append(u"a");
    EXPECT_EQ(b.Capacity(), 4);
}

TEST(cStringBuilder, AChunkSizeBelowOneIsRefused) {
    cStringBuilder b;
    EXPECT_EQ(numeroDeFalla([&] { b.ChunkSize(0); }), 5);
    EXPECT_EQ(numeroDeFalla([&] { b.ChunkSize(-8); }), 5);
    EXPECT_EQ(b.ChunkSize(), 8192);
}

TEST(cStringBuilder, HeapMinimizeLeavesAtMostOneFreeChunk) {
    struct Caso {
        int antes, largo, despues;
    } casos[] = {{24576, 10, 8192}, {24576, 8192, 16384}, {16384, 8192, 16384}, {8192, 0, 8192}};
    for (const Caso& c : casos) {
        cStringBuilder b = con(QString(c.antes, u'z'));
        b.Remove(0, c.antes - c.largo);
        b.HeapMinimize();
        EXPECT_EQ(b.Capacity(), c.despues) << c.antes << "," << c.largo;
        EXPECT_EQ(b.toString(), QString(c.largo, u'z'));
    }
}

// Only matches that lie wholly inside the content count: the free capacity (spaces) is no part of it.
TEST(cStringBuilder, FindReportsMatchesInsideTheContent) {
    using C = cStringBuilder::Comparacion;
    struct Caso {
        const char16_t* buscado;
        int inicio;
        C modo;
        int posicion;
    } casos[] = {
        {u"mundo", 1, C::Binaria, 9}, {u"o", 0, C::Binaria, 2},  {u"o", -5, C::Binaria, 2},
        {u"o", 3, C::Binaria, 13},    {u"o ", 1, C::Binaria, 0}, {u"MUNDO", 1, C::Binaria, 0},
        {u"MUNDO", 1, C::Texto, 9},   {u"ÑA", 1, C::Texto, 6},   {u"x", 1, C::Binaria, 0},
        {u"", 4, C::Binaria, 4},      {u"H", 14, C::Binaria, 0},
    };
    const cStringBuilder b = con(QStringLiteral("Hola ña mundo"));
    for (const Caso& c : casos)
        EXPECT_EQ(b.Find(c.buscado, c.inicio, c.modo), c.posicion)
            << QString::fromUtf16(c.buscado).toStdString() << c.inicio;
}
