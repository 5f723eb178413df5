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

public slots:
    void done(int result) override;

private:
    void showTip();

    SettingsStore &settings_;
    TipRotation rotation_;
    QLabel *lblTip_ = nullptr;
    QPushButton *command1_ = nullptr; ///< "ลูกเล่นถัดไป >"
    QPushButton *command2_ = nullptr; ///< "ปิด"
    QCheckBox *check1_ = nullptr; ///< "แสดงลูกเล่นเมื่อเปิดโปรแกรม"
};

} // namespace dlx
