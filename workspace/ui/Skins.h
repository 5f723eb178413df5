#pragma once
// Skins: the picture stretched behind the workspace and the full-screen view, chosen by the user and kept in
// the settings store under "Skin"/"My Skin".
#include "AppContext.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace dlx {

/// The program folder followed by "/Skin/Default.bmp".
QString defaultSkinPath(const QString &programFolder);

/// The stored skin path, or the default skin when none is stored (or when there is no settings store).
QString storedSkinPath(const AppContext &context);
void storeSkinPath(const AppContext &context, const QString &path);

struct SkinLoad {
    QPixmap picture;
    QString error; ///< empty when the picture loaded; otherwise a Thai description naming the file
    bool ok() const { return error.isEmpty(); }
};

/// Reads the picture by its content (BMP, JPEG, GIF, PNG …), whatever its name says.
SkinLoad loadSkinPicture(const QString &path);

/// The start-up skin of a window: reads the stored path into skinPath and loads that picture. A picture that
/// cannot be loaded gives its error and no picture; the window reports it (Stop icon, "โปรแกรมผิดพลาด") once it
/// is on the screen.
SkinLoad loadStartupSkin(const AppContext &context, QString &skinPath);

/// A picture stretched to the widget's whole size, aspect ratio not kept; transparent to the mouse, so it can
/// lie behind other controls.
class SkinPicture : public QWidget {
public:
    explicit SkinPicture(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

} // namespace dlx
