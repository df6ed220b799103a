#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kemurina {

// Windows code page 932 (Japanese ANSI), used only at the data-file boundary. Both give the
// same bytes and text on every system.
QByteArray encodeCp932(const QString& text);              // what it cannot hold becomes '?'
std::optional<QString> decodeCp932(QByteArrayView bytes); // nullopt on invalid bytes

// True when the code point survives encoding and decoding unchanged.
bool roundTripsInCp932(char32_t codePoint);

// The system's own converter, one per system in platform/<system>/Cp932Converter.cpp:
// nullopt for text the code page cannot hold and for bytes that are no text in it.
std::optional<QByteArray> convertToCp932(QStringView text);
std::optional<QString> convertFromCp932(QByteArrayView bytes);

} // namespace kemurina
