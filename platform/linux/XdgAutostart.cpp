#include "platform/linux/XdgAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace kemurina {

namespace {

const QString kLauncherName = QStringLiteral("kemurina-launch");
const QString kEntryName = QStringLiteral("jp.example.kemurina.desktop");

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// One argument of the Exec key, quoted where the desktop entry format asks for it.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    QString out = argument;
    out.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (std::none_of(out.begin(), out.end(), [](QChar c) { return reserved.contains(c); }))
        return out;
    QString quoted;
    for (const QChar c : std::as_const(out)) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A string value: its backslashes escaped once more (control characters never get here).
QString stringValue(QString value) {
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

QString canonical(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(path) : c;
}

} // namespace

std::optional<AutostartCommand> autostartCommand(const QString& appDir, const QString& launcher,
                                                 const QString& launcherFolder,
                                                 const QString& program) {
    AutostartCommand command;
    if (!launcher.isEmpty() && canonical(appDir) == canonical(launcherFolder))
        command.program = launcher;
    else
        command = {program, appDir};
    if (command.program.isEmpty() || hasControlCharacter(command.program) ||
        hasControlCharacter(command.workingFolder))
        return std::nullopt;
    return command;
}

QByteArray autostartEntry(const AutostartCommand& command) {
    QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=ケムリナ"),
        QStringLiteral("Comment=ログインしたときにケムリナを起動します"),
        QStringLiteral("Icon=kemurina"),
        // Without the program (removed with its package) the desktop passes the entry over.
        QStringLiteral("TryExec=") + stringValue(command.program),
        QStringLiteral("Exec=") + stringValue(execArgument(command.program)),
    };
    if (!command.workingFolder.isEmpty())
        lines << QStringLiteral("Path=") + stringValue(command.workingFolder);
    lines << QStringLiteral("Terminal=false") << QStringLiteral("X-GNOME-Autostart-enabled=true");
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QString XdgAutostart::entryPath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart/") + kEntryName);
}

bool XdgAutostart::enabled() {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(64 * 1024);
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l == "Hidden=true" || l == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

std::optional<AutostartCommand> XdgAutostart::command() const {
    const QString here = QCoreApplication::applicationDirPath();
    QString launcher = QStandardPaths::findExecutable(kLauncherName, {here});
    if (launcher.isEmpty())
        launcher = QStandardPaths::findExecutable(kLauncherName);
    const QString launcherFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("kemurina"));
    return autostartCommand(m_appDir, launcher, launcherFolder,
                            QCoreApplication::applicationFilePath());
}

bool XdgAutostart::setEnabled(bool on) const {
    const QString path = entryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    const auto cmd = command();
    if (!cmd || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray bytes = autostartEntry(*cmd);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kemurina
