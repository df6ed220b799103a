#include "core/Cp932.h"

#include <QList>

namespace kemurina {

QByteArray encodeCp932(const QString& text) {
    // A lone surrogate is no character: some converters drop it, others mark it.
    if (text.isValidUtf16()) {
        if (auto bytes = convertToCp932(text))
            return *bytes;
    }
    // Systems differ in what they put for a character the code page lacks; say the same.
    QByteArray out;
    for (const char32_t c : text.toUcs4())
        out += convertToCp932(QString::fromUcs4(&c, 1)).value_or(QByteArrayLiteral("?"));
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
