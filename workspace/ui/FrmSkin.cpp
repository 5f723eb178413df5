#include "FrmSkin.h"

#include "Dialogs.h"
#include "SkinNames.h"
#include "Skins.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>

namespace dlx {
namespace {

constexpr int px(double twips) {
    return static_cast<int>(twips / 15.0);
}
constexpr int kPathRole = Qt::UserRole;
const QString kErrorTitle = QStringLiteral("โปรแกรมผิดพลาด");

QString cleanFolder(const QString &path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

FrmSkin::FrmSkin(const AppContext &context, ApplySkin applySkin, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      context_(context), applySkin_(std::move(applySkin)) {
    setObjectName(QStringLiteral("FrmSkin"));
    setWindowTitle(QStringLiteral("เปลี่ยนหน้าตาโปรแกรม"));
    setFixedSize(px(4815), px(3015));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);
    setAutoFillBackground(true);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(px(870), px(210), px(3135), px(330));
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(px(240), px(720), px(2085), px(2010));
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(px(2490), px(750), px(2085), px(1980));

    fillDrives();
    setFolder(QDir::currentPath());

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0)
            chooseDrive(Drive1->itemData(index, kPathRole).toString());
    });
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(kPathRole).toString()); });
    connect(File1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { chooseFile(item->text()); });
}

void FrmSkin::report(const QString &text, const QString &title) {
    context_.dialogs.message(this, text, title, MsgIcon::Exclamation);
}

void FrmSkin::fillDrives() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    filling_ = true;
    Drive1->clear();
    for (const QStorageInfo &v : volumes) {
        if (!v.isValid() || Drive1->findData(v.rootPath(), kPathRole) >= 0)
            continue;
        const QString name = v.displayName();
        Drive1->addItem(name == v.rootPath() ? name : QStringLiteral("%1 [%2]").arg(v.rootPath(), name));
        Drive1->setItemData(Drive1->count() - 1, v.rootPath(), kPathRole);
    }
    filling_ = false;
}

void FrmSkin::showDriveOf(const QString &path) {
    const QString root = QStorageInfo(path).rootPath();
    filling_ = true;
    int index = Drive1->findData(root, kPathRole);
    if (index < 0 && !root.isEmpty()) {
        Drive1->addItem(root);
        index = Drive1->count() - 1;
        Drive1->setItemData(index, root, kPathRole);
    }
    Drive1->setCurrentIndex(index);
    filling_ = false;
}

void FrmSkin::chooseDrive(const QString &rootPath) {
    const QStorageInfo volume(rootPath);
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(rootPath).isReadable()) {
        report(QStringLiteral("ไดรฟ์ \"%1\" ยังไม่พร้อมใช้งาน").arg(rootPath), kErrorTitle);
        showDriveOf(folder_);
        return;
    }
    if (!setFolder(rootPath))
        showDriveOf(folder_);
}

bool FrmSkin::setFolder(const QString &path) {
    const QString folder = cleanFolder(path);
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        report(QStringLiteral("เปิดโฟลเดอร์ \"%1\" ไม่ได้").arg(folder), kErrorTitle);
        return false;
    }
    const QDir dir(folder);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);

    folder_ = folder;
    // Like a folder tree opened down to the current folder: its ancestors first, then its subfolders.
    Dir1->clear();
    QStringList chain;
    for (QDir up(folder);;) {
        chain.prepend(up.absolutePath());
        if (!up.cdUp())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, u' ') + name, Dir1);
        item->setData(kPathRole, p);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    for (const QString &s : subfolders) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, u' ') + s, Dir1);
        item->setData(kPathRole, dir.absoluteFilePath(s));
    }
    File1->clear();
    File1->addItems(files);
    showDriveOf(folder_);
    return true;
}

void FrmSkin::chooseFile(const QString &fileName) {
    if (!isSkinPictureName(fileName.toStdU32String())) {
        report(QStringLiteral("ต้องเป็นภาพที่นามสกุลเป็น (*.bmp), (*.jpg), (*.gif) เท่านั้น"), QStringLiteral("ไม่ใช่ภาพ"));
        return;
    }
    const QString path = QString::fromStdU32String(joinSkinPath(folder_.toStdU32String(), fileName.toStdU32String()));
    storeSkinPath(context_, path);
    const QString error = applySkin_ ? applySkin_(path) : QString();
    if (!error.isEmpty()) {
        report(error, kErrorTitle);
        return;
    }
    accept();
}

} // namespace dlx
