#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kemurina {

// A PNG from the resources, its "@2x" twin on high-density screens. The built-in PNG reader
// is named outright: format detection would load every image plugin installed, a sizeable
// share of the start-up for two small pictures.
QPixmap loadPngPicture(const QString& path, qreal devicePixelRatio);

// The program's icon at 16, 32 and 48 pixels; the tray takes the 16-pixel one.
QIcon loadProgramIcon();

} // namespace kemurina
