#include "platform/GraphicalSession.h"

#include <algorithm>

namespace kemurina {

namespace {

// The platform plugins that talk to a display server; every other one brings its own screen.
bool needsDisplayServer(const QString& platform) {
    const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
    return name.isEmpty() || name == QLatin1String("xcb") ||
           name.startsWith(QLatin1String("wayland"));
}

// Qt tries the platforms of a semicolon-separated list in turn. arguments[0] is the program.
QStringList chosenPlatforms(const QProcessEnvironment& environment, const QStringList& arguments) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform"))
            return arguments[i + 1].split(QLatin1Char(';'));
    }
    return environment.value(QStringLiteral("QT_QPA_PLATFORM")).split(QLatin1Char(';'));
}

} // namespace

bool graphicalSessionAvailable(const QProcessEnvironment& environment,
                               const QStringList& arguments) {
    const QStringList platforms = chosenPlatforms(environment, arguments);
    if (!std::all_of(platforms.begin(), platforms.end(), needsDisplayServer))
        return true;
    return !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

} // namespace kemurina
