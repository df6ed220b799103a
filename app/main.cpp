#include "ui/main/AppController.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kemurina"));

    // Qt's own dialogs (colour choice, message box buttons) in Japanese like the rest of the UI.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslations);

    // The data folder lives under the directory the program was started from.
    kemurina::AppController controller(QDir::currentPath());
    QApplication::setWindowIcon(controller.programIcon());
    if (!controller.start())
        return 0;
    return app.exec();
}
