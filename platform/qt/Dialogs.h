#pragma once
// Message boxes, the input prompt and the common dialogs, behind one interface so that windows never call
// QMessageBox or QFileDialog directly and tests can answer every question without a modal loop.
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

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
};

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
