#pragma once
// Open, save and paste-with-message of the workspace. The main window keeps one FileCommands for its life
// because the file name of the last file dialog carries over to the next: after opening "letter.txt" the save
// dialogs propose "letter.txt".
#include "AppContext.h"
#include "Pane.h"

#include <QObject>
#include <QString>

#include <functional>

class QTextEdit;
class QWidget;

namespace dlx {

/// Name filters of the three file dialogs: text documents first, then every file.
extern const QString kTextFileFilter;

/// mnuPaste: pastes into the pane and gives it the focus; a failure is reported with the exclamation icon and
/// the title "โปรแกรมผิดพลาด".
void pasteWithMessage(const AppContext &context, QWidget *window, QTextEdit &pane);

class FileCommands : public QObject {
public:
    FileCommands(const AppContext &context, QWidget *window);

    /// Where a long open says how far it is ("เปิดแฟ้ม 40 %", percent -1 for none); an empty text when done.
    void setStatus(std::function<void(const QString &text, int percent)> status) { status_ = std::move(status); }

    /// mnuOpen: "เปิดต้นฉบับ", then the chosen file into Text1. Text2 is never touched.
    void open(QTextEdit &text1);
    /// mnuSave1 (the original, "บันทึกต้นฉบับ") and mnuSave2 (the translation, "บันทึกงานแปล"). No question
    /// before an existing file is replaced; the name is used as typed.
    void save(const QTextEdit &pane, Pane which);

private:
    /// Loads a file into the pane: plain text in its encoding, rich text with its formatting. A file that is
    /// gone, unreadable or not a text is reported and leaves the pane as it was. Returns whether it loaded.
    bool loadInto(QTextEdit &pane, const QString &path);
    void showStatus(const QString &text, int percent);

    AppContext context_;
    QWidget *window_;
    QString fileName_; ///< the common dialog's file name, kept from one dialog to the next
    std::function<void(const QString &text, int percent)> status_;
};

} // namespace dlx
