#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <utility>

// Qt's converters come from ICU here, which knows code page 932 by its IANA name.
namespace kemurina {

namespace {

constexpr char kCodecName[] = "windows-31j";

// ICU's table is IBM's, which swaps three control codes (byte 0x1A reads as U+001C, 0x1C as
// U+007F, 0x7F as U+001A); Windows maps every byte below 0x80 to itself.
constexpr std::array<std::pair<char16_t, char16_t>, 3> kIcuControlSwap{
    {{u'\x1A', u'\x1C'}, {u'\x1C', u'\x7F'}, {u'\x7F', u'\x1A'}}};

QString swapControls(QString text, bool toIcu) {
    for (QChar& c : text) {
        for (const auto& [windows, icu] : kIcuControlSwap) {
            if (c.unicode() == (toIcu ? windows : icu)) {
                c = QChar(toIcu ? icu : windows);
                break;
            }
        }
    }
    return text;
}

} // namespace

std::optional<QByteArray> convertToCp932(QStringView text) {
    QStringEncoder encoder(kCodecName);
    QByteArray bytes = encoder.encode(swapControls(text.toString(), true));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> convertFromCp932(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return swapControls(std::move(text), false);
}

} // namespace kemurina
