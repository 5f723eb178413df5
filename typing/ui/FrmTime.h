#pragma once
// The time-limit window of a timed typing run: FrmTime1 serves FrmPimEng, FrmTime2 serves FrmPimThai.
#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace dlx {

class FrmPim;

class FrmTime : public QDialog {
    Q_OBJECT
public:
    FrmTime(FrmPim &drill, std::int16_t &timeLimit, QWidget *parent = nullptr);

    /// Command1 "ตกลง", and Enter in Text1: a valid entry sets TimeLimit, closes this window and starts the drill's
    /// clock from 00:00. An invalid one is ignored without a word; the result tells which it was.
    bool confirm();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmPim &drill_;
    std::int16_t &timeLimit_;
    QLineEdit *text1_ = nullptr;
    QPushButton *command1_ = nullptr;
};

} // namespace dlx
