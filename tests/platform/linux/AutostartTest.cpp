#include "platform/linux/XdgAutostart.h"
#include "support/Files.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

// The launcher only where it starts the program in the same folder; a folder a line break
// would split across lines of the entry gives none.
TEST(Autostart, CommandKeepsTheSameData) {
    const QString data = "/home/u/.local/share/kemurina", launcher = "/usr/bin/kemurina-launch";
    const auto command = [&](const QString& appDir, const QString& withLauncher) {
        const auto c = autostartCommand(appDir, withLauncher, data, "/usr/bin/kemurina");
        return c ? c->program + "|" + c->workingFolder : QString("none");
    };
    EXPECT_EQ(command(data + "/", launcher), launcher + "|");
    EXPECT_EQ(command("/home/u/src", launcher), "/usr/bin/kemurina|/home/u/src");
    EXPECT_EQ(command(data, ""), "/usr/bin/kemurina|" + data);
    EXPECT_EQ(command("/home/u/a\nb", ""), "none");
}

TEST(Autostart, ExecQuotesWhatTheFormatReserves) {
    const QByteArray entry = autostartEntry({"/opt/my apps/50%$\\kemurina", "/srv/a\\b"});
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/my apps/50%%\\\\$\\\\\\\\kemurina\"\n"))
        << entry.constData();
    EXPECT_TRUE(entry.contains("\nPath=/srv/a\\\\b\n")) << entry.constData();
    EXPECT_TRUE(autostartEntry({"/usr/bin/kemurina-launch", ""})
                    .contains("\nExec=/usr/bin/kemurina-launch\n"));
}

class AutostartOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        m_saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_saved); }

    QTemporaryDir config;
    QTemporaryDir appDir;

  private:
    QByteArray m_saved;
};

TEST_F(AutostartOnDisk, WrittenValidatedAndRemoved) {
    const XdgAutostart autostart(appDir.path());
    const QString path = config.path() + "/autostart/jp.example.kemurina.desktop";
    EXPECT_EQ(XdgAutostart::entryPath(), path);
    EXPECT_FALSE(autostart.enabled());
    ASSERT_TRUE(autostart.setEnabled(true));
    EXPECT_TRUE(autostart.enabled());
    EXPECT_TRUE(fileBytes(path).contains("\nPath=" + appDir.path().toUtf8() + "\n"));

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess p;
        p.start(validator, {path});
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitCode(), 0) << p.readAll().constData();
    }

    // Switched off by hand or by a desktop's own settings.
    ASSERT_TRUE(writeBytes(path, fileBytes(path) + "Hidden=true\n"));
    EXPECT_FALSE(autostart.enabled());
    ASSERT_TRUE(autostart.setEnabled(false));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(autostart.setEnabled(false)) << "nothing to remove is no failure";
}

} // namespace
