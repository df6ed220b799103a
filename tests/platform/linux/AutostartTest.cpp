#include "platform/linux/XdgAutostart.h"
#include "support/Files.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

TEST(Autostart, CommandKeepsTheSameData) {
    const QString data = "/home/u/.local/share/kemurina";
    const struct {
        const char* name;
        QString appDir, launcher;
        std::optional<AutostartCommand> expected;
    } cases[] = {
        {"the menu's folder", data + "/", "/usr/bin/kemurina-launch",
         AutostartCommand{"/usr/bin/kemurina-launch", ""}},
        {"another folder", "/home/u/src", "/usr/bin/kemurina-launch",
         AutostartCommand{"/usr/bin/kemurina", "/home/u/src"}},
        {"no launcher", data, "", AutostartCommand{"/usr/bin/kemurina", data}},
        {"a line break in the folder", "/home/u/a\nb", "", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = autostartCommand(c.appDir, c.launcher, data, "/usr/bin/kemurina");
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (got) {
            EXPECT_EQ(got->program, c.expected->program) << c.name;
            EXPECT_EQ(got->workingFolder, c.expected->workingFolder) << c.name;
        }
    }
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
