#include "FrmPim.h"

#include "FrmTime.h"
#include "HelpWindow.h"
#include "HostServices.h"
#include "SqlDrillRecords.h"
#include "TypingWindows.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace dlx {
namespace {

QString character(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

} // namespace

FrmPim::FrmPim(DrillTwin twin, const AppContext &context, std::int16_t &timeLimit, std::unique_ptr<RandomSource> random,
               QWidget *parent)
    : GameWindow(context, std::move(random), parent), twin_(twin), timeLimit_(timeLimit),
      drill_(twin, dataFolder(), this->random(), timeLimit) {
    const bool english = twin == DrillTwin::English;
    setObjectName(english ? "FrmPimEng" : "FrmPimThai");
    setWindowTitle(english ? "ฝึกพิมพ์ภาษาอังกฤษ" : "ฝึกพิมพ์ไทย");

    const auto addItem = [this](const char *name, const QString &caption) { return addMenuItem(name, caption); };
    connect(addItem("mnuStart", "เริ่มพิมพ์จับเวลา"), &QAction::triggered, this, &FrmPim::mnuStart);
    connect(addItem("mnuView", "ความเร็วที่บันทึกไว้"), &QAction::triggered, this, &FrmPim::mnuView);
    connect(addItem("mnuSave", "บันทึกสถิติการพิมพ์"), &QAction::triggered, this, &FrmPim::mnuSave);
    QAction *practice = addItem("mnuPractice", "ฝึกคำที่พิมพ์ผิด");
    practice->setCheckable(true);
    connect(practice, &QAction::toggled, this, &FrmPim::mnuPractice);
    connect(addItem("mnuHistory", "สถิติย้อนหลัง"), &QAction::triggered, this, &FrmPim::mnuHistory);
    connect(addItem("mnuHelp", "วิธีใช้"), &QAction::triggered, this,
            [this] { showHelpWindow(this, context_, "typing"); });
    connect(addItem("mnuExit", "ออก"), &QAction::triggered, this, &QDialog::close);

    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(4);
    for (int k = 0; k < TypingDrill::kSlotCount; ++k) {
        lblBlank1_[k] = addSlotLabel(QString("LblBlank1(%1)").arg(k), "_");
        lblWrong_[k] = addSlotLabel(QString("LblWrong(%1)").arg(k), "X");
        lblWrong_[k]->setStyleSheet("color: red;");
        lblWrong_[k]->hide();
        lblBlank2_[k] = addSlotLabel(QString("LblBlank2(%1)").arg(k), "_");
        rows->addWidget(lblBlank1_[k], 0, k);
        rows->addWidget(lblWrong_[k], 1, k);
        rows->addWidget(lblBlank2_[k], 2, k);
    }

    auto *fields = new QGridLayout;
    fields->addWidget(addLabel("Label1", english ? "ความหมาย :" : "คำศัพท์ :"), 0, 0);
    lblMean_ = addLabel("Lblmean", "");
    lblMean_->setWordWrap(true);
    fields->addWidget(lblMean_, 0, 1);
    fields->addWidget(addLabel("Label2", "คุณสมบัติ :"), 1, 0);
    lblProp_ = addLabel("LblProp", "");
    fields->addWidget(lblProp_, 1, 1);
    lblPractice_ = addLabel("LblPractice", "");
    lblPractice_->hide();
    fields->addWidget(lblPractice_, 2, 0, 1, 2);
    fields->setColumnStretch(1, 1);

    auto *status = new QHBoxLayout;
    status->addWidget(addLabel("Label3", "จำนวนคำ"));
    lblScore_ = addLabel("LblScore", "0");
    status->addWidget(lblScore_);
    status->addSpacing(16);
    lblSpeed_ = addLabel("LblSpeed", "");
    status->addWidget(lblSpeed_);
    status->addStretch();
    status->addWidget(addLabel("Label5", "เวลา"));
    for (int i = 0; i < 4; ++i)
        lblTime_[i] = addLabel(QString("LblTime(%1)").arg(i), "0");
    status->addWidget(lblTime_[3]);
    status->addWidget(lblTime_[2]);
    status->addWidget(addLabel("Label4", ":"));
    status->addWidget(lblTime_[1]);
    status->addWidget(lblTime_[0]);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar());
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(fields);
    layout->addLayout(status);

    timer_ = new QTimer(this);
    timer_->setObjectName(english ? "Timer1" : "Timer2");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &FrmPim::clockTick);
}

FrmPim::~FrmPim() = default;

bool FrmPim::load() {
    context_.keyboard.load(twin_ == DrillTwin::English ? "00000409" : "0000041E");
    NewWord();
    if (drill_.slotsInUse() == 0) {
        tellNoWords();
        return false;
    }
    records_ = openDrillRecords(context_, this);
    drill_.setRecords(records_.get());
    showScore();
    showClock();
    return true;
}

void FrmPim::NewWord() {
    drill_.newWord();
    showWord();
}

void FrmPim::showWord() {
    lblMean_->setText(QString::fromStdU32String(drill_.shownField()));
    lblProp_->setText(QString::fromStdU32String(drill_.label()));
    for (int k = 0; k < TypingDrill::kSlotCount; ++k) {
        const bool inUse = k < drill_.slotsInUse();
        const auto target = drill_.targetAt(k);
        const auto typed = drill_.typedAt(k);
        lblBlank1_[k]->setText(target ? character(*target) : "_");
        lblBlank2_[k]->setText(typed ? character(*typed) : "_");
        lblBlank1_[k]->setVisible(inUse);
        lblBlank2_[k]->setVisible(inUse);
        lblWrong_[k]->setVisible(inUse && drill_.wrongAt(k));
    }
}

void FrmPim::showScore() {
    lblScore_->setText(QString::number(drill_.score()));
}

void FrmPim::showClock() {
    const DrillClock &c = drill_.clock();
    lblTime_[0]->setText(QString::number(c.secondsUnits));
    lblTime_[1]->setText(QString::number(c.secondsTens));
    lblTime_[2]->setText(QString::number(c.minutesUnits));
    lblTime_[3]->setText(QString::number(c.minutesTens));
    showSpeed();
}

void FrmPim::showSpeed() {
    const DrillSpeed &s = drill_.speed();
    const auto accuracy = s.accuracyPercent();
    lblSpeed_->setText(QString("%1 ตัว/นาที  %2 คำ/นาที  ความแม่นยำ %3")
                           .arg(s.charactersPerMinute())
                           .arg(s.wordsPerMinute())
                           .arg(accuracy ? QString("%1%").arg(*accuracy) : QString("-")));
}

void FrmPim::pressKey(char32_t key) {
    if (drill_.press(key) == TypingDrill::KeyOutcome::Scored) {
        showScore();
        if (const auto &failure = drill_.recordsFailure()) {
            // Told once; the drill goes on without its records.
            drill_.setRecords(nullptr);
            records_.reset();
            context_.dialogs.error(this, describeFailure("บันทึกคำที่พิมพ์ผิดไม่สำเร็จ", *failure));
        }
        showPractice();
    }
    showWord();
    showSpeed();
}

void FrmPim::clockTick() {
    const bool over = drill_.tick();
    showClock();
    if (!over)
        return;
    // The timer stops before the message: a tick arriving while the box is open must not ask again.
    timer_->stop();
    storeTimedRun();
    message(QString("หมดเวลา คุณพิมพ์ได้ %1 / %2 นาที").arg(drill_.score()).arg(timeLimit_), "หมดเวลา", MsgIcon::Stop);
}

void FrmPim::storeTimedRun() {
    if (!records_)
        return;
    if (auto stored = drill_.recordTimedRun(QDateTime::currentSecsSinceEpoch()); !stored)
        context_.dialogs.error(this, describeFailure("บันทึกสถิติย้อนหลังไม่สำเร็จ", stored.error()));
}

void FrmPim::mnuPractice(bool on) {
    drill_.setPractising(on);
    NewWord();
    showPractice();
}

void FrmPim::showPractice() {
    lblPractice_->setVisible(drill_.practising());
    if (!drill_.practising())
        return;
    int left = 0;
    if (records_)
        if (const auto missed = records_->missedWords(twin_))
            left = static_cast<int>(missed->size());
    lblPractice_->setText(left > 0 ? QString("ฝึกคำที่พิมพ์ผิด: เหลือ %1 คำ").arg(left)
                                   : QString("ฝึกคำที่พิมพ์ผิด: ไม่มีคำที่พิมพ์ผิดเหลือแล้ว สุ่มคำจากพจนานุกรม"));
}

void FrmPim::mnuHistory() {
    showFrmHistory(this, context_, records_.get());
}

void FrmPim::startTimedRun() {
    drill_.startClock();
    showClock();
    timer_->start();
}

void FrmPim::mnuStart() {
    FrmTime frmTime(*this, timeLimit_, this);
    frmTime.exec();
}

QString FrmPim::scoreKey() const {
    return twin_ == DrillTwin::English ? "HiScore PimEng" : "HiScore PimThai";
}
QString FrmPim::timeKey() const {
    return twin_ == DrillTwin::English ? "HiTime PimEng" : "HiTime PimThai";
}

void FrmPim::mnuSave() {
    saveHighScore({{scoreKey(), drill_.score()}, {timeKey(), timeLimit_}}, "บันทึกสถิติการพิมพ์ไม่สำเร็จ");
}

void FrmPim::mnuView() {
    const int savedScore = savedHighScore(scoreKey());
    const int savedTime = savedHighScore(timeKey());
    message(QString("ความเร็วสูงสุดในการพิมพ์ %1 / %2 นาที").arg(savedScore).arg(savedTime), "หมดเวลา", MsgIcon::Stop);
}

void FrmPim::done(int result) {
    timer_->stop();
    drill_.stopClock();
    QDialog::done(result);
}

} // namespace dlx
