#include "core/Cp932.h"

#include <limits>

#include <windows.h>

// Qt without ICU has no Shift_JIS converter; Windows has code page 932 itself.
namespace kemurina {

namespace {

constexpr UINT kCodePage = 932;

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Windows reads 0x80, 0xA0 and 0xFD to 0xFF as characters of its own (U+0080, private use);
// they stand for nothing in code page 932's tables, and other systems refuse them.
bool hasUnassignedSingleByte(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD)
            return true;
        if (isLeadByte(byte))
            ++i;
    }
    return false;
}

bool fitsInInt(qsizetype size) {
    return size <= std::numeric_limits<int>::max();
}

} // namespace

std::optional<QByteArray> convertToCp932(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    if (!fitsInInt(text.size()))
        return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int wideSize = static_cast<int>(text.size());
    // No best fit: Windows would otherwise write ¥ as a backslash and — as a dash.
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, wideSize, nullptr,
                                         0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, wideSize, bytes.data(), size,
                            nullptr, &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return bytes;
}

std::optional<QString> convertFromCp932(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    if (!fitsInInt(bytes.size()) || hasUnassignedSingleByte(bytes))
        return std::nullopt;
    const int byteCount = static_cast<int>(bytes.size());
    const int size =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), byteCount, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), byteCount,
                            reinterpret_cast<wchar_t*>(text.data()), size) != size)
        return std::nullopt;
    return text;
}

} // namespace kemurina
