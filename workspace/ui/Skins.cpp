#include "Skins.h"

#include "Dialogs.h"
#include "Settings.h"

#include <QFileInfo>

#include <QImageReader>
#include <QPainter>
#include <cerrno>

namespace dlx {
namespace {
const QString kSection = QStringLiteral("Skin");
const QString kKey = QStringLiteral("My Skin");
} // namespace

QString defaultSkinPath(const QString &programFolder) {
    return programFolder + "/Skin/Default.bmp";
}

QString storedSkinPath(const AppContext &context) {
    const QString fallback = defaultSkinPath(context.programFolder);
    return context.settings.value(kSection, kKey, fallback);
}

void storeSkinPath(const AppContext &context, const QString &path) {
    context.settings.setValue(kSection, kKey, path);
}

SkinLoad loadSkinPicture(const QString &path) {
    SkinLoad r;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile() || !info.isReadable()) {
        const int why = path.isEmpty() || !info.exists() ? ENOENT : info.isDir() ? EISDIR : EACCES;
        r.error = describeFailure(QStringLiteral("เปิดไฟล์ภาพไม่ได้"), IoError{why, toFsPath(path), {}});
        return r;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        r.error = QStringLiteral("ไฟล์ \"%1\" ไม่ใช่ภาพที่โปรแกรมเปิดได้").arg(path);
        return r;
    }
    r.picture = QPixmap::fromImage(image);
    return r;
}

SkinLoad loadStartupSkin(const AppContext &context, QString &skinPath) {
    skinPath = storedSkinPath(context);
    return loadSkinPicture(skinPath);
}

SkinPicture::SkinPicture(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("ImgSkin"));
}

void SkinPicture::setPicture(const QPixmap &picture) {
    picture_ = picture;
    update();
}

void SkinPicture::paintEvent(QPaintEvent *) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

} // namespace dlx
