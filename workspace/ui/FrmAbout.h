#pragma once
// FrmAbout: the program's name and version, its makers, the name of the user it runs for, and "ตกลง".
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace dlx {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    /// getUser supplies the logged-in user's name (the system's by default).
    explicit FrmAbout(QWidget *parent = nullptr, std::function<QString()> getUser = {});

    /// The user's name as asked for (NUL-terminated names are cut at the NUL).
    QString GetUser() const;
    static QString TrimTxt(const QString &text);

    /// The name on show, whole, whatever its length.
    QString userName() const { return userName_; }

private:
    std::function<QString()> getUser_;
    QString userName_;
    QLabel *label4_ = nullptr; ///< "Dualexicon 1.5"
    QLabel *lblUser_ = nullptr;
    QPushButton *command1_ = nullptr; ///< a plain button under the user-name frame, without action
    QPushButton *command2_ = nullptr; ///< "ตกลง"
};

} // namespace dlx
