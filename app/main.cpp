#include "platform/DesktopPlatform.h"
#include "platform/GraphicalSession.h"
#include "ui/main/AppController.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A clear word instead of Qt's abort when started from a console without a desktop.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!kemurina::graphicalSessionAvailable(QProcessEnvironment::systemEnvironment(), arguments)) {
        std::fputs(kemurina::kNoGraphicalSessionMessage, stderr);
        return 1;
    }

    QApplication app(argc, argv);
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
