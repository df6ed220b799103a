#include "platform/Platform.h"

#include "core/Cp932.h"

namespace kemurina {

namespace {

constexpr int kTipChars = 64;
constexpr int kTipBytes = 64;

void appendLittleEndian(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFFu));
}

} // namespace

QByteArray NotifyIconData::toBytes() const {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(kSize));
    appendLittleEndian(out, cbSize);
    appendLittleEndian(out, static_cast<std::uint32_t>(hWnd & 0xFFFFFFFFu));
    appendLittleEndian(out, uID);
    appendLittleEndian(out, uFlags);
    appendLittleEndian(out, uCallbackMessage);
    appendLittleEndian(out, hIcon.isNull() ? 0u : static_cast<std::uint32_t>(hIcon.cacheKey()));

    // A fixed field of 64 characters: the text, a NUL, then spaces; the shell stops at the NUL.
    QString field = szTip.left(kTipChars - 1) + QChar(u'\0');
    field = field.leftJustified(kTipChars, QLatin1Char(' '));
    QByteArray tip = encodeCp932(field).left(kTipBytes);
    tip = tip.leftJustified(kTipBytes, ' ');
    out.append(tip);
    return out;
}

} // namespace kemurina
