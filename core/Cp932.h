#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kemurina {

// Windows code page 932 (Japanese ANSI), used only at the data-file boundary.
QByteArray encodeCp932(const QString& text);              // text must be representable
std::optional<QString> decodeCp932(QByteArrayView bytes); // nullopt on invalid bytes

// True when the code point survives encoding and decoding unchanged.
bool roundTripsInCp932(char32_t codePoint);

} // namespace kemurina
