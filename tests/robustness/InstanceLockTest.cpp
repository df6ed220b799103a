// The real program under a private Xvfb: a killed instance never blocks the next start, and
// of two starts at once exactly one keeps running while the other says so and ends.

#include "core/DataFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

namespace kemurina::testing {
namespace {

constexpr int kMainWindowWidth = 375;
constexpr int kMainWindowHeight = 222;

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// Runs a command to its end; its standard output, or nullopt when it failed.
std::optional<QString> run(const QString& program, const QStringList& arguments,
                           const QProcessEnvironment& environment) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

class InstanceLock : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QProcess xvfb;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<QProcess>> programs;

    void SetUp() override {
        if (tool("Xvfb").isEmpty() || tool("xdotool").isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool (scripts/install-deps.sh --ci)";
        startXvfb();
        if (IsSkipped() || HasFatalFailure())
            return;
        // The data of a user past the first run, and a temporary folder of its own, where the
        // instance lock lives.
        const DataStore store(dir.path());
        ASSERT_TRUE(store.saveQuitProfile({2009, 5, 17, 21, 30, 20, 300, 85}));
        Options o;
        o.setupDone = 1;
        ASSERT_TRUE(store.saveOptions(o));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("tmp")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("xdg")));
        QFile::setPermissions(dir.filePath(QStringLiteral("xdg")), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
        environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("xdg")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Only matters when the program was built with sanitizers.
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           QStringLiteral("suppressions=" KEMURINA_LSAN_SUPPRESSIONS));
    }

    void TearDown() override {
        for (auto& p : programs) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        if (xvfb.state() != QProcess::NotRunning) {
            xvfb.terminate();
            xvfb.waitForFinished(5000);
        }
    }

    // A display of our own on a free number; the abstract socket keeps it reachable.
    void startXvfb() {
        for (int attempt = 0; attempt < 10; ++attempt) {
            const int display = 300 + static_cast<int>(QRandomGenerator::global()->bounded(600));
            if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)))
                continue;
            xvfb.start(tool("Xvfb"), {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"),
                                      QStringLiteral("0"), QStringLiteral("1024x768x24"),
                                      QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                      // No reset when the last client goes (the killed
                                      // instance): the next start would find no display.
                                      QStringLiteral("-noreset"), QStringLiteral("-listen"),
                                      QStringLiteral("local")});
            environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
            xvfb.waitForStarted(5000);
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 5000 && xvfb.state() == QProcess::Running) {
                if (run(tool("xdotool"), {QStringLiteral("getdisplaygeometry")}, environment))
                    return;
                QThread::msleep(50);
            }
            xvfb.kill();
            xvfb.waitForFinished(2000);
        }
        GTEST_SKIP() << "Xvfb could not be started";
    }

    QProcess& startProgram() {
        auto& p = programs.emplace_back(std::make_unique<QProcess>());
        p->setProcessEnvironment(environment);
        p->setWorkingDirectory(dir.path());
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(KEMURINA_BINARY), {});
        EXPECT_TRUE(p->waitForStarted(5000));
        return *p;
    }

    struct Window {
        QString id;
        int width = 0;
        int height = 0;
        bool isMainWindow() const {
            return width == kMainWindowWidth && height == kMainWindowHeight;
        }
    };

    // The program's visible window once it has one (waiting up to ten seconds).
    std::optional<Window> visibleWindow(const QProcess& program) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && program.state() == QProcess::Running) {
            const auto ids = run(tool("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--pid"), QString::number(program.processId())},
                                 environment);
            const QString id =
                ids ? ids->split(QLatin1Char('\n'), Qt::SkipEmptyParts).value(0) : QString();
            if (!id.isEmpty()) {
                const auto shell =
                    run(tool("xdotool"),
                        {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id},
                        environment);
                Window w{id};
                for (const QString& line : shell.value_or(QString()).split(QLatin1Char('\n'))) {
                    if (line.startsWith(QLatin1String("WIDTH=")))
                        w.width = line.mid(6).toInt();
                    if (line.startsWith(QLatin1String("HEIGHT=")))
                        w.height = line.mid(7).toInt();
                }
                return w;
            }
            QThread::msleep(50);
        }
        return std::nullopt;
    }

    // Answers the message box as a user would: focus it and press Enter.
    void acknowledge(const Window& box) {
        run(tool("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), box.id},
            environment);
        run(tool("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--window"), box.id, QStringLiteral("Return")},
            environment);
    }

    // Still running after a second in which it could have ended.
    static bool keepsRunning(QProcess& program) { return !program.waitForFinished(1000); }
};

TEST_F(InstanceLock, AStartAfterTheFirstInstanceWasKilledRunsNormally) {
    QProcess& first = startProgram();
    const auto firstWindow = visibleWindow(first);
    ASSERT_TRUE(firstWindow && firstWindow->isMainWindow());
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(5000));

    QProcess& next = startProgram();
    const auto window = visibleWindow(next);
    ASSERT_TRUE(window) << "the new start showed no window";
    EXPECT_TRUE(window->isMainWindow())
        << "a " << window->width << "x" << window->height << " window instead of the main window";
    EXPECT_TRUE(keepsRunning(next));
}

TEST_F(InstanceLock, OfTwoStartsAtOnceExactlyOneKeepsRunning) {
    QProcess& a = startProgram();
    QProcess& b = startProgram();
    const auto windowA = visibleWindow(a);
    const auto windowB = visibleWindow(b);
    ASSERT_TRUE(windowA && windowB) << "each start must show a window or the message";
    ASSERT_NE(windowA->isMainWindow(), windowB->isMainWindow())
        << "exactly one must show the main window";
    QProcess& winner = windowA->isMainWindow() ? a : b;
    QProcess& loser = windowA->isMainWindow() ? b : a;
    acknowledge(windowA->isMainWindow() ? *windowB : *windowA);
    ASSERT_TRUE(loser.waitForFinished(5000)) << "the second instance did not end after its message";
    EXPECT_EQ(loser.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(loser.exitCode(), 0);
    EXPECT_TRUE(keepsRunning(winner));
}

} // namespace
} // namespace kemurina::testing
