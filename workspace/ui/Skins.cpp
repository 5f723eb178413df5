#include "Skins.h"

#include "Dialogs.h"
#include "Settings.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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
    if (path.isEmpty() || !info.exists()) {
        r.error = QStringLiteral("ไม่พบไฟล์ภาพ \"%1\"").arg(path);
        return r;
    }
    if (!info.isFile() || !info.isReadable()) {
        r.error = QStringLiteral("อ่านไฟล์ภาพ \"%1\" ไม่ได้").arg(path);
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

bool loadStartupSkin(const AppContext &context, QWidget *window, QString &skinPath, QPixmap &picture) {
    skinPath = storedSkinPath(context);
    SkinLoad load = loadSkinPicture(skinPath);
    if (!load.ok()) {
        picture = QPixmap();
        context.dialogs.error(window, load.error);
        return false;
    }
    picture = load.picture;
    return true;
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
