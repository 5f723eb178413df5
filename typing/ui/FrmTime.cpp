#include "FrmTime.h"

#include "FrmPim.h"
#include "TimeLimit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dlx {

FrmTime::FrmTime(FrmPim &drill, std::int16_t &timeLimit, QWidget *parent)
    : QDialog(parent), drill_(drill), timeLimit_(timeLimit) {
    setObjectName(drill.drill().twin() == DrillTwin::English ? "FrmTime1" : "FrmTime2");
    setWindowTitle("กรุณาใส่เวลาที่ต้องการ");

    auto *label1 = new QLabel("กรุณาใส่เวลาสูงสุด ในการพิมพ์ :", this);
    label1->setObjectName("Label1");
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setMaxLength(2);
    text1_->setFixedWidth(text1_->fontMetrics().horizontalAdvance("000") + 16);
    text1_->installEventFilter(this);
    auto *label2 = new QLabel("นาที", this);
    label2->setObjectName("Label2");
    command1_ = new QPushButton("ตกลง", this);
    command1_->setObjectName("Command1");
    // Enter in the box confirms through the filter below; a default button would confirm a second time.
    command1_->setAutoDefault(false);
    connect(command1_, &QPushButton::clicked, this, [this] { confirm(); });

    auto *row = new QHBoxLayout;
    row->addWidget(label1);
    row->addWidget(text1_);
    row->addWidget(label2);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(command1_, 0, Qt::AlignRight);
    text1_->setFocus();
}

bool FrmTime::confirm() {
    const auto minutes = parseTimeLimit(text1_->text().toStdU32String());
    if (!minutes)
        return false;
    timeLimit_ = *minutes;
    accept();
    drill_.startTimedRun();
    return true;
}

bool FrmTime::eventFilter(QObject *watched, QEvent *event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && confirm())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dlx
