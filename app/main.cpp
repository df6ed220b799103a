#include "ui/main/AppController.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kemurina"));

    // The data folder lives under the directory the program was started from.
    kemurina::AppController controller(QDir::currentPath());
    QApplication::setWindowIcon(kemurina::AppController::programIcon());
    if (!controller.start())
        return 0;
    return app.exec();
}
