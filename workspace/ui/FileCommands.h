#pragma once
// Open, save and paste-with-message of the workspace. One FileCommands lives on each main window (as its
// child, found with FileCommands::of) because the file name of the last file dialog carries over to the next:
// after opening "letter.txt" the save dialogs propose "letter.txt".
#include "AppContext.h"

#include <QObject>
#include <QString>

class QTextEdit;
class QWidget;

namespace dlx {

/// Name filters of the three file dialogs: text documents first, then every file.
extern const QString kTextFileFilter;

/// mnuPaste: pastes into the pane and gives it the focus; a failure is reported with the exclamation icon and
/// the title "โปรแกรมผิดพลาด". No pane (none had the focus yet): nothing happens.
void pasteWithMessage(const AppContext &context, QWidget *window, QTextEdit *pane);

class FileCommands : public QObject {
public:
    FileCommands(const AppContext &context, QWidget *window);

    /// The window's FileCommands, made on first use.
    static FileCommands *of(QWidget *window, const AppContext &context);

    /// mnuOpen: "เปิดต้นฉบับ", then the chosen file into Text1. Text2 is never touched.
    void open(QTextEdit *text1);
    /// mnuSave1 (paneNumber 1, "บันทึกต้นฉบับ") and mnuSave2 (2, "บันทึกงานแปล"). No question before an
    /// existing file is replaced; the name is used as typed.
    void save(QTextEdit *pane, int paneNumber);

    /// Loads a file into the pane: plain text in its encoding, rich text with its formatting. A file that is
    /// gone, unreadable or not a text is reported and leaves the pane as it was. Returns whether it loaded.
    bool loadInto(QTextEdit *pane, const QString &path);

    const QString &fileName() const { return fileName_; }

private:
    AppContext context_;
    QWidget *window_;
    QString fileName_; ///< the common dialog's file name, kept from one dialog to the next
};

} // namespace dlx
