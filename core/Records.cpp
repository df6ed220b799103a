#include "core/Records.h"

namespace kemurina {

void QuitProfile::setQuitMoment(const DateTimeParts& m) {
    quitYear = m.year;
    quitMonth = m.month;
    quitDay = m.day;
    quitHour = m.hour;
    quitMinute = m.minute;
}

QuitProfile QuitProfile::defaultsAt(const DateTimeParts& now) {
    QuitProfile p;
    p.setQuitMoment(now);
    return p;
}

Rgb Rgb::fromWindowsColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return {static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
            static_cast<int>((v >> 16) & 0xFFu)};
}

std::int32_t Rgb::toWindowsColor() const {
    const auto clamp = [](int c) {
        return static_cast<std::uint32_t>(c < 0 ? 0 : c > 255 ? 255 : c);
    };
    return static_cast<std::int32_t>(clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16));
}

} // namespace kemurina
