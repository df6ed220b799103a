#include "core/Cp932.h"

#include <QList>

namespace kemurina {

QByteArray encodeCp932(const QString& text) {
    // Only bytes that read back as the text: converters differ in their best fits and in
    // what they put for a character the code page lacks, and a lone surrogate is no character.
    if (text.isValidUtf16()) {
        if (auto bytes = convertToCp932(text); bytes && decodeCp932(*bytes) == text)
            return *bytes;
    }
    QByteArray out;
    for (const char32_t c : text.toUcs4())
        out += roundTripsInCp932(c) ? *convertToCp932(QString::fromUcs4(&c, 1)) : "?";
    return out;
}

std::optional<QString> decodeCp932(QByteArrayView bytes) {
    auto text = convertFromCp932(bytes);
    if (!text || text->contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

bool roundTripsInCp932(char32_t codePoint) {
    const QString original = QString::fromUcs4(&codePoint, 1);
    const auto bytes = convertToCp932(original);
    if (!bytes || bytes->isEmpty())
        return false;
    const auto back = decodeCp932(*bytes);
    return back && *back == original;
}

} // namespace kemurina
