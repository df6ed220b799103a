#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kemurina {

// What the desktop runs at login. An empty working folder leaves it to the program.
struct AutostartCommand {
    QString program;
    QString workingFolder;
};

// The menu's launcher when it starts the program in appDir (its own data folder), otherwise
// the program itself started in appDir, so that the data stays the same either way.
// nullopt when no path can be written into an entry (a control character in it).
std::optional<AutostartCommand> autostartCommand(const QString& appDir, const QString& launcher,
                                                 const QString& launcherFolder,
                                                 const QString& program);

// The desktop entry that starts the command at login.
QByteArray autostartEntry(const AutostartCommand& command);

// The XDG autostart entry in $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).
class XdgAutostart {
  public:
    explicit XdgAutostart(QString appDir) : m_appDir(std::move(appDir)) {}

    static QString entryPath();
    // The entry is there and no desktop tool has switched it off.
    static bool enabled();
    // Writes or removes the entry; false when that failed or no command can be written.
    bool setEnabled(bool on) const;
    // The command this program would be started with at login.
    std::optional<AutostartCommand> command() const;

  private:
    QString m_appDir;
};

} // namespace kemurina
