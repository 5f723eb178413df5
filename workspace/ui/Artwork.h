#pragma once
// The program's own pictures, drawn with QPainter: toolbar and menu pictures, the translate button's icon, the
// splash picture, the tip banner and the about window's pictures.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace dlx::art {

/// The 24 x 24 picture of toolbar button ImgTool(index), 1..12.
QPixmap toolbarPicture(int index);

/// The menu picture Image1..Image12 at its own size (Image1 15 x 14, Image4 12 x 7, ...).
QPixmap menuPicture(int imageNumber);
QSize menuPictureSize(int imageNumber);

QIcon translateIcon();
QIcon programIcon();
QPixmap splashPicture(const QSize &size);
QPixmap tipBanner(); ///< 210 x 47
QPixmap aboutPanel(const QSize &size);

} // namespace dlx::art
