#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kemurina {

namespace {
constexpr char kCodecName[] = "windows-31j";
}

QByteArray encodeCp932(const QString& text) {
    QStringEncoder encoder(kCodecName);
    return encoder.encode(text);
}

std::optional<QString> decodeCp932(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

bool roundTripsInCp932(char32_t codePoint) {
    const QString original = QString::fromUcs4(&codePoint, 1);
    QStringEncoder encoder(kCodecName);
    const QByteArray bytes = encoder.encode(original);
    if (encoder.hasError() || bytes.isEmpty())
        return false;
    const auto back = decodeCp932(bytes);
    return back && *back == original;
}

} // namespace kemurina
