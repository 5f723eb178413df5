#pragma once
// The dictionary editor window "เพิ่มศัพท์". The rules live in EditorModel; this class maps the widgets
// (Combo1, List1, Text1, Text2, Combo2, Command1-4, lblCnt) to the model and back.
#include "AppContext.h"
#include "Dialogs.h"
#include "DictionaryDialog.h"
#include "EditorModel.h"

#include <functional>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dlx {

class FrmAdd : public DictionaryDialog {
    Q_OBJECT
public:
    explicit FrmAdd(const AppContext &context, QWidget *parent = nullptr);
    ~FrmAdd() override;

    const EditorModel &model() const { return model_; }

    /// Opens on a word: with `existing`, its letter with that line selected; otherwise its letter with the word
    /// filled in, ready for a meaning.
    void goToWord(const DictionaryEntry &entry, bool existing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    /// The user's-own-copy line and "คืนค่าเดิม", under the list; shown only for a layered dictionary.
    void buildRestoreRow(QBoxLayout *column);
    void restoreShipped();
    void run(const std::function<EditorOutcome()> &operation);
    void pullFields();
    void showModel();
    void showList();
    void updateTooltips();
    void moveFocus(EditorFocus focus);
    /// Before another letter replaces the list: unsaved edits are saved or dropped as the user answers. False when
    /// the user stays with the letter.
    bool leaveLetter(const QString &next);

    EditorModel model_;
    Dialogs &dialogs_;
    std::vector<std::u32string> shownLines_;
    std::u32string declinedLetter_; ///< a letter the user chose not to go to for the word typed

    QComboBox *combo1_ = nullptr;
    QListWidget *list1_ = nullptr;
    QLineEdit *text1_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QComboBox *combo2_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    QPushButton *command3_ = nullptr;
    QPushButton *command4_ = nullptr;
    QLabel *lblCnt_ = nullptr;
    QLabel *lblOwn_ = nullptr;          ///< says the letter is the user's own copy (layered dictionary only)
    QPushButton *cmdRestore_ = nullptr; ///< back to the shipped letter file
};

} // namespace dlx
