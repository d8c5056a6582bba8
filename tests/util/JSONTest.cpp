#include "util/JSON.h"

#include "ArbolJson.h"

#include <gtest/gtest.h>
#include <string_view>

using namespace entrega;
using namespace std::literals;

namespace {
struct Caso {
    std::u16string_view texto;
    std::u16string_view arbol; // empty: no root
    std::u16string_view errores;
};

void comprobar(const Caso& c) {
    const QString texto = QStringView(c.texto).toString();
    const std::optional<ValorJson> raiz = JSON::ParseText(texto);
    SCOPED_TRACE(texto.toStdString());
    if (!c.arbol.empty()) {
        ASSERT_TRUE(raiz.has_value());
        EXPECT_EQ(describir(*raiz), QStringView(c.arbol).toString());
    } else {
        EXPECT_FALSE(raiz.has_value());
    }
    EXPECT_EQ(JSON::ParserErrors(), QStringView(c.errores).toString());
}
} // namespace

TEST(JSON, ReadsObjectsArraysAndValues) {
    const Caso casos[] = {
        {u"{'a':1,'b':[true,null,'x']}", u"{a:1,b:[True,null,'x']}", u""},
        {u"{\"a\":false,\"b\":{},\"c\":[]}", u"{a:False,b:{},c:[]}", u""},
        {u"[{'a':[[1],[]]},'y']", u"[{a:[[1],[]]},'y']", u""},
        {u"\t\r\n{ 'a' : 1 , 'b' : 'two words' }", u"{a:1,b:'two words'}", u""},
        {u"{'a':'it\"s',\"b\":\"it's\"}", u"{a:'it\"s',b:'it's'}", u""},
        {u"[1] trailing {", u"[1]", u""},
        {u"([1])", u"[1]", u""},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

TEST(JSON, KeysNeedNoQuotesAndLoseTheirBlanks) {
    const Caso casos[] = {
        {u"{a:1}", u"{a:1}", u""},
        {u"{'first name':1}", u"{firstname:1}", u""},
        {u"{\"a\tb\r\nc\":1}", u"{abc:1}", u""},
        {u"{'a:b':1}", u"{a:b:1}", u""},
        {u"{'a':1 'b':2}", u"{a:1,b:2}", u""},
        {u"{'a':1,'A':2}", u"{a:1,A:2}", u""},
        {u"{'a':1,,'b':2}", u"{a:1,,b:2}", u""},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

TEST(JSON, CommentsAndBracketsAreBlanks) {
    const Caso casos[] = {
        {u"/* before */ {'a':1} // after", u"{a:1}", u""},
        {u"/* one\r\n two */[1]", u"[1]", u""},
        {u"// line\n[1, // one\n 2]", u"[1,2]", u""},
        {u"{/*k*/'a'/**/:/*v*/1}", u"{a:1}", u""},
        {u"/[1]", u"[1]", u""},             // a lone "/" is skipped
        {u"*/ not read\n[1]", u"[1]", u""}, // "*/" outside a comment starts a line comment
        {u"// a / [1]", u"[1]", u""},       // a "/" ends a line comment
        {u"/* a *x/ [1]", u"[1]", u""},     // a "*" waits for the "/" that ends the block
        {u"[(1),(2)]", u"[1,2]", u""},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

TEST(JSON, StringEscapes) {
    const Caso casos[] = {
        {u"{'a':'\\u00e9\\n'}", u"{a:'é\n'}", u""},
        {u"['\\\"\\\\\\/\\'\\b\\f\\n\\r\\t']", u"['\"\\/'\b\f\n\r\t']", u""},
        {u"['\\q']", u"['q']", u""},     // an unknown escape is an ordinary character
        {u"['\\u41'x']", u"['A']", u""}, // the hexadecimal prefix, then four characters on
        {u"['\\uZZZZ.']", u"['\0.']"sv, u""},
        {u"['\\uD83D\\uDE00']", u"['😀']", u""}, // UTF-16 units, a pair makes one character
        {u"['\\uFFFF']", u"['\uFFFF']", u""},
        {u"['open", u"['open']", u"Missing ']': ['open\r\n"}, // an unclosed string is no fault of its own
        {u"['a\\", u"['a']", u"Missing ']': ['a\\\r\n"},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

// Numbers are the 28-digit decimal type, written with "." whatever the regional settings say.
TEST(JSON, NumbersAreExactDecimals) {
    const Caso casos[] = {
        {u"[0,-0,+7,1.50,.5,5.,-2.5E-3,1e3,1E+2]", u"[0,0,7,1.5,0.5,5,-0.0025,1000,100]", u""},
        {u"[79228162514264337593543950335,-79228162514264337593543950335]",
         u"[79228162514264337593543950335,-79228162514264337593543950335]", u""},
        {u"[1234567890.1234567890123456789]", u"[1234567890.1234567890123456789]", u""},
        {u"[0.12345678901234567890123456789]", u"[0.1234567890123456789012345679]", u""},
        {u"[1.00000000000000000000000000005,1.00000000000000000000000000015]",
         u"[1,1.0000000000000000000000000002]", u""},
        {u"[0.00000000000000000000000000005,0.000000000000000000000000000051]",
         u"[0,0.0000000000000000000000000001]", u""},
        {u"[1e-400,0e999999999999,7.9228162514264337593543950335e28]", u"[0,0,79228162514264337593543950335]",
         u""},
        {u"[79228162514264337593543950336]", u"[]", u"Overflow: ]\r\n"},
        {u"[1e29]", u"[]", u"Overflow: ]\r\n"},
        {u"{'n':1-2}", u"{}", u"Type mismatch: n\r\n"},
        {u"{'a':}", u"{}", u"Type mismatch: a\r\n"},
        {u"[1,e5,2]", u"[1]", u"Type mismatch: ,2]\r\n"},
        {u"[1,x]", u"[1]", u"Type mismatch: x]\r\n"},
        {u"[1,.]", u"[1]", u"Type mismatch: ]\r\n"},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

TEST(JSON, FaultsAreRecordedAndTheTreeSoFarReturned) {
    const Caso casos[] = {
        {u"5", {}, u"Invalid JSON"},
        {u"", {}, u"Invalid JSON"},
        {u"{'a':1,'a':2}", u"{a:1}",
         u"This key is already associated with an element of this collection: a\r\n"},
        {u"{'a':tru}", u"{a:False,tru}:empty}",
         u"Invalid Boolean at position 6 : tru}\r\nMissing '}': {'a':tru}\r\n"},
        {u"{'a':nul}", u"{a:empty,nul}:empty}",
         u"Invalid null value at position 6 : nul}\r\nMissing '}': {'a':nul}\r\n"},
        {u"{'a':1", u"{a:empty}", u"Missing '}': {'a':1\r\n"},
        {u"{'a':1,", u"{a:1,:empty}", u"Missing '}': {'a':1,\r\n"},
        {u"[1,2", u"[1,empty]", u"Missing ']': [1,2\r\n"},
        {u"['abcdefghijklmnopqrstuvwxyz',", u"['abcdefghijklmnopqrstuvwxyz',empty]",
         u"Missing ']': ijklmnopqrstuvwxyz',\r\n"},
        {u"{\"a\" 1}", u"{a:1}", u"Invalid Key at position 6 : a\r\n"},
        {u"{'a':[1,'b':2]}", u"{a:[1,'b'],:2,]}:empty}",
         u"Type mismatch: :2]}\r\nMissing '}': {'a':[1,'b':2]}\r\n"},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

// A faulty true, false or null inside an array is read without moving on: the array ends there.
TEST(JSON, AFaultyElementEndsItsArray) {
    const Caso casos[] = {
        {u"[tru]", u"[]", u"Invalid Boolean at position 2 : tru]\r\nInvalid Array at position 2 : tru]\r\n"},
        {u"[1,nul,2]", u"[1]",
         u"Invalid null value at position 4 : nul,2]\r\nInvalid Array at position 4 : nul,2]\r\n"},
        {u"[[fals],3]", u"[[]]",
         u"Invalid Boolean at position 3 : fals],3]\r\nInvalid Array at position 3 : fals],3]\r\n"
         u"Invalid Boolean at position 3 : fals],3]\r\nInvalid Array at position 3 : fals],3]\r\n"},
        {u"[true,false,null]", u"[True,False,null]", u""},
    };
    for (const Caso& c : casos)
        comprobar(c);
}

TEST(JSON, EachParseStartsWithNoFaults) {
    JSON::ParseText(QStringLiteral("{'a':"));
    EXPECT_FALSE(JSON::ParserErrors().isEmpty());
    JSON::ParseText(QStringLiteral("{'a':1}"));
    EXPECT_EQ(JSON::ParserErrors(), QString());
}

// Nesting past what the stack would hold fails like any other element, and the parse goes on.
TEST(JSON, VeryDeepNestingEndsWithAFaultInsteadOfACrash) {
    const QString texto = QString(1200, u'[') + QString(1200, u']');
    const std::optional<ValorJson> raiz = JSON::ParseText(texto);
    ASSERT_TRUE(raiz);
    EXPECT_TRUE(
        JSON::ParserErrors().startsWith(QStringLiteral("Out of stack space: [[[[[[[[[[[[[[[[[[[[\r\n")));
    int profundidad = 0;
    for (const ValorJson* v = &*raiz; v->esLista() && !v->lista().empty(); v = &v->lista().front())
        ++profundidad;
    EXPECT_EQ(profundidad, 1000);
}
