#include "platform/DesktopPlatform.h"
#include "platform/GraphicalSession.h"
#include "ui/main/AppController.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    // A clear word instead of Qt's abort when started without a desktop, or with one that is
    // gone (a terminal left over from an earlier session).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const kemurina::GraphicalSession display = kemurina::findGraphicalSession(
        QProcessEnvironment::systemEnvironment(), arguments, &kemurina::displayServerAnswers);
    if (!display.available) {
        std::fputs(kemurina::kNoGraphicalSessionMessage, stderr);
        return 1;
    }
    // Qt is told only what can work, so it never tries a server that is not there.
    std::vector<char*> qtArguments(argv, argv + argc);
    QByteArray platformOption("-platform");
    QByteArray platforms = display.platforms.toLocal8Bit();
    if (!platforms.isEmpty()) {
        qtArguments.push_back(platformOption.data());
        qtArguments.push_back(platforms.data());
    }
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);

    QApplication app(qtArgumentCount, qtArguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("kemurina"));

    // Qt's own dialogs (colour choice, message box buttons) in Japanese like the rest of the UI.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslations);

    // The data folder lives under the directory the program was started from.
    kemurina::Session session(QDir::currentPath());
    kemurina::DesktopPlatform platform;
    kemurina::AppController controller(session, platform);
    QApplication::setWindowIcon(controller.programIcon());
    if (!controller.start())
        return 0;
    return app.exec();
}
