#pragma once
// FrmSkin: the skin chooser. A drive list (the mounted volumes), a folder list and a file list; a click on a
// picture file makes it the skin at once and closes the chooser. The path is stored in "Skin"/"My Skin" before
// the picture is loaded, so a file that then fails to load is still remembered (and reported at the next start).
#include "AppContext.h"

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QListWidget;

namespace dlx {

class FrmSkin : public QDialog {
public:
    /// Puts the chosen picture behind the workspace (and sets the workspace's SkinPath); returns the failure's
    /// description, or an empty string when the picture is shown.
    using ApplySkin = std::function<QString(const QString &path)>;

    FrmSkin(const AppContext &context, ApplySkin applySkin, QWidget *parent = nullptr);

    /// Dir1's path.
    const QString &folder() const { return folder_; }
    /// Shows the folder in Dir1 and its files in File1; an unreadable folder is reported and nothing changes.
    bool setFolder(const QString &path);
    /// What a click on a file in File1 does.
    void chooseFile(const QString &fileName);
    /// Selects the drive whose root is given (what Drive1's change does).
    void chooseDrive(const QString &rootPath);

private:
    void fillDrives();
    void showDriveOf(const QString &path);
    void fail(const QString &text);

    AppContext context_;
    ApplySkin applySkin_;
    QComboBox *drive1_ = nullptr;
    QListWidget *dir1_ = nullptr;
    QListWidget *file1_ = nullptr;
    QString folder_;
    bool filling_ = false;
};

} // namespace dlx
