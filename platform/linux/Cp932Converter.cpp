#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Qt's converters come from ICU here, which knows code page 932 by its IANA name.
namespace kemurina {

namespace {
constexpr char kCodecName[] = "windows-31j";
}

std::optional<QByteArray> convertToCp932(QStringView text) {
    QStringEncoder encoder(kCodecName);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> convertFromCp932(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace kemurina
