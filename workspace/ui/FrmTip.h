#pragma once
// FrmTip, the tip of the day: one of the fifteen tips, "ลูกเล่นถัดไป >" for the next one, "ปิด" to close, and
// the check box that decides whether the tip is shown at start ("Tip"/"My Tip").
#include "Tips.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace dlx {

class SettingsStore;

class FrmTip : public QDialog {
    Q_OBJECT
public:
    /// random in [0, 1) picks the first tip.
    FrmTip(SettingsStore &settings, double random, QWidget *parent = nullptr);

    int currentTip() const { return rotation_.current(); }

    QLabel *LblTip = nullptr;
    QPushButton *Command1 = nullptr; ///< "ลูกเล่นถัดไป >"
    QPushButton *Command2 = nullptr; ///< "ปิด"
    QCheckBox *Check1 = nullptr; ///< "แสดงลูกเล่นเมื่อเปิดโปรแกรม"

public slots:
    void done(int result) override;

private:
    void showTip();

    SettingsStore &settings_;
    TipRotation rotation_;
};

} // namespace dlx
