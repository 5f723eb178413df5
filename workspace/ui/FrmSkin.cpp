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
#include <cerrno>

namespace dlx {
namespace {

constexpr int px(double twips) {
    return static_cast<int>(twips / 15.0);
}
constexpr int kPathRole = Qt::UserRole;

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

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(px(870), px(210), px(3135), px(330));
    dir1_ = new QListWidget(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(px(240), px(720), px(2085), px(2010));
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(px(2490), px(750), px(2085), px(1980));

    fillDrives();
    setFolder(QDir::currentPath());

    connect(drive1_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0)
            chooseDrive(drive1_->itemData(index, kPathRole).toString());
    });
    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(kPathRole).toString()); });
    connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { chooseFile(item->text()); });
}

void FrmSkin::fail(const QString &text) {
    context_.dialogs.error(this, text, MsgIcon::Exclamation);
}

void FrmSkin::fillDrives() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    filling_ = true;
    drive1_->clear();
    for (const QStorageInfo &v : volumes) {
        if (!v.isValid() || drive1_->findData(v.rootPath(), kPathRole) >= 0)
            continue;
        const QString name = v.displayName();
        drive1_->addItem(name == v.rootPath() ? name : QStringLiteral("%1 [%2]").arg(v.rootPath(), name));
        drive1_->setItemData(drive1_->count() - 1, v.rootPath(), kPathRole);
    }
    filling_ = false;
}

void FrmSkin::showDriveOf(const QString &path) {
    const QString root = QStorageInfo(path).rootPath();
    filling_ = true;
    int index = drive1_->findData(root, kPathRole);
    if (index < 0 && !root.isEmpty()) {
        drive1_->addItem(root);
        index = drive1_->count() - 1;
        drive1_->setItemData(index, root, kPathRole);
    }
    drive1_->setCurrentIndex(index);
    filling_ = false;
}

void FrmSkin::chooseDrive(const QString &rootPath) {
    const QStorageInfo volume(rootPath);
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(rootPath).isReadable()) {
        fail(QStringLiteral("ไดรฟ์ \"%1\" ยังไม่พร้อมใช้งาน").arg(rootPath));
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
        const int why = !info.exists() ? ENOENT : !info.isDir() ? ENOTDIR : EACCES;
        fail(describeFailure(QStringLiteral("เปิดโฟลเดอร์ไม่ได้"), IoError{why, toFsPath(folder), {}}));
        return false;
    }
    const QDir dir(folder);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);

    folder_ = folder;
    // Like a folder tree opened down to the current folder: its ancestors first, then its subfolders.
    dir1_->clear();
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
        auto *item = new QListWidgetItem(open, QString(depth * 2, u' ') + name, dir1_);
        item->setData(kPathRole, p);
        ++depth;
    }
    dir1_->setCurrentRow(dir1_->count() - 1);
    for (const QString &s : subfolders) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, u' ') + s, dir1_);
        item->setData(kPathRole, dir.absoluteFilePath(s));
    }
    file1_->clear();
    file1_->addItems(files);
    showDriveOf(folder_);
    return true;
}

void FrmSkin::chooseFile(const QString &fileName) {
    if (!isSkinPictureName(fileName.toStdU32String())) {
        context_.dialogs.message(this, QStringLiteral("ต้องเป็นภาพที่นามสกุลเป็น (*.bmp), (*.jpg), (*.gif) เท่านั้น"),
                                 QStringLiteral("ไม่ใช่ภาพ"), MsgIcon::Exclamation);
        return;
    }
    const QString path = QString::fromStdU32String(joinSkinPath(folder_.toStdU32String(), fileName.toStdU32String()));
    storeSkinPath(context_, path);
    const QString error = applySkin_ ? applySkin_(path) : QString();
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    accept();
}

} // namespace dlx
