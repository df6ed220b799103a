#include "ui/main/Pictures.h"

#include <QImageReader>

namespace kemurina {

namespace {

QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString highDensityPath(const QString& path) {
    QString twin = path;
    return twin.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

QPixmap loadPngPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QImage twin = readPng(highDensityPath(path));
        if (!twin.isNull()) {
            twin.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(twin));
        }
    }
    return QPixmap::fromImage(readPng(path));
}

QIcon loadProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(loadPngPicture(QStringLiteral(":/icons/kemurina-%1.png").arg(size), 1.0));
    return icon;
}

} // namespace kemurina
