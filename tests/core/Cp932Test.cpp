#include "core/Cp932.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

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
