#include "core/Cp932.h"

#include <QCryptographicHash>
#include <QList>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

// What the whole table's digest below cannot show: strings of several characters, a pair of
// surrogates as one character, a lone one as none. Single characters, the signs where
// converters differ among them, are the digest's.
// The same bytes must come out of every build, whichever converter the system lends.
TEST(Cp932, EncodesEveryKindAlike) {
    const struct {
        const char* kind;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"ASCII, kana and kanji, one from IBM's extension", "A\\~あケ卒髙",
         "A\\~\x82\xa0\x83\x50\x91\xb2\xfb\xfc"},
        {"NEC's specials and half-width kana", "①Ⅰ㈱ｱﾟ", "\x87\x40\x87\x54\x87\x8a\xb1\xdf"},
        {"what code page 932 cannot hold", "¥—〜−€é😀", "???????"},
        {"a lone surrogate", QString(QChar(0xD800)), "?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeCp932(c.text).toHex(' ').toStdString(), c.bytes.toHex(' ').toStdString())
            << c.kind;
        const bool holdable = !c.bytes.contains('?');
        if (holdable) {
            EXPECT_EQ(decodeCp932(c.bytes), c.text) << c.kind;
        }
        for (const char32_t codePoint : c.text.toUcs4())
            EXPECT_EQ(roundTripsInCp932(codePoint), holdable) << c.kind;
    }
}

// All single bytes, every lead byte with every trail byte and every code point of the basic
// plane, each in a line of a listing whose digest is fixed: a difference anywhere between two
// systems' converters changes it, in what a byte sequence reads as or in which it refuses.
TEST(Cp932, WholeTableAlike) {
    QCryptographicHash decoded(QCryptographicHash::Sha256);
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = -1; trail < 0x100; ++trail) {
            QByteArray bytes(1, static_cast<char>(lead));
            if (trail >= 0)
                bytes.append(static_cast<char>(trail));
            decoded.addData(decodeCp932(bytes).value_or("!").toUtf8() + '\n');
        }
    }
    QCryptographicHash encoded(QCryptographicHash::Sha256);
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c < 0xD800 || c > 0xDFFF)
            encoded.addData(encodeCp932(QString::fromUcs4(&c, 1)) + '\n');
    }
    EXPECT_EQ(decoded.result().toHex().toStdString(),
              "6e4bf3f8f01838ed55c20b2d3e483d200348fce1a1ebf475b7b0a739ace7fc37");
    EXPECT_EQ(encoded.result().toHex().toStdString(),
              "55dbc88b3d903ee15fed8dd580473abbee1b9375835a55e0f8d7034fbc38ba55");
}

} // namespace
