#pragma once
// Message boxes, the input prompt and the common dialogs, behind one interface so that windows never call
// QMessageBox or QFileDialog directly and tests can answer every question without a modal loop.
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "Result.h"

class QWidget;

namespace dlx {

enum class MsgIcon { None, Information, Exclamation, Stop, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok) = 0;
    /// The input prompt; nothing when the user cancels.
    virtual std::optional<QString> prompt(QWidget *parent, const QString &text, const QString &title,
                                          const QString &defaultText = {}) = 0;
    /// File dialogs give the chosen path, or an empty string when cancelled. filter is a Qt name-filter list
    /// separated by ";;".
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &startPath,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &startPath,
                                 const QString &filter) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;

    /// The program's error box: `text` under the title "โปรแกรมผิดพลาด", with the Stop icon unless told.
    void error(QWidget *parent, const QString &text, MsgIcon icon = MsgIcon::Stop);
};

/// A path as the file system wants it (the local 8-bit encoding Qt uses for file names), and back.
std::string toFsPath(const QString &path);
QString fromFsPath(const std::string &path);

/// A failure in Thai for the user: what failed, the common reasons in Thai (disk full, no permission, read-only,
/// not found), then the system's own words.  ("บันทึกไม่สำเร็จ", {ENOSPC, "/x/A.pal"}) =>
/// "บันทึกไม่สำเร็จ: /x/A.pal\nพื้นที่ดิสก์เต็ม (No space left on device)"
QString describeFailure(const QString &what, const IoError &error);

/// The real dialogs: QMessageBox, QInputDialog, QFileDialog, QFontDialog, QColorDialog.
class QtDialogs : public Dialogs {
public:
    MsgAnswer message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> prompt(QWidget *parent, const QString &text, const QString &title,
                                  const QString &defaultText) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &startPath,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &startPath,
                         const QString &filter) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
};

} // namespace dlx
