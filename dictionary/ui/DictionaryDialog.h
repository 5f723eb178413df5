#pragma once
// What the editor (FrmAdd) and the download (FrmUpdate) have in common: Enter clicks the button that has the focus
// and nothing else (no default button), and Escape does nothing, because closing would discard what is not saved.
#include <QDialog>
#include <QString>
#include <string_view>

class QPushButton;

namespace dlx {

inline QString toQt(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

class DictionaryDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    /// A named button that Enter reaches only when it has the focus.
    QPushButton *addButton(const char *name, const QString &caption);
};

} // namespace dlx
