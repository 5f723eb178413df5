#include "FrmPuzzle.h"

#include "Settings.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>

namespace dlx {
namespace {

const QString kProfileSection = "Dualexicon";
const QString kScoreKey = "HiScore PuzzleGame";

QLabel *namedLabel(const QString &name, const QString &caption, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

FrmPuzzle::FrmPuzzle(const AppContext &context, std::unique_ptr<RandomSource> random, QWidget *parent)
    : KeyedDialog(context, parent), random_(random ? std::move(random)
                                                   : std::make_unique<SeededRandom>(static_cast<std::uint64_t>(
                                                         std::chrono::system_clock::now().time_since_epoch().count()))),
      game_(QFile::encodeName(context.dataFolder()).toStdString(), *random_) {
    setObjectName("FrmPuzzle");
    setWindowTitle("เกมส์ Puzzle");

    const auto addItem = [this](const char *name, const QString &caption) { return addMenuItem(name, caption); };
    connect(addItem("mnuHi", "คะแนนสูงสุด"), &QAction::triggered, this, &FrmPuzzle::mnuHi);
    connect(addItem("mnuSave", "บันทึกคะแนน"), &QAction::triggered, this, &FrmPuzzle::mnuSave);
    addItem("mnuHelp", "วิธีเล่น");
    connect(addItem("mnuExit", "ออก"), &QAction::triggered, this, &QDialog::close);

    auto *slotRow = new QHBoxLayout;
    slotRow->setSpacing(4);
    for (int k = 0; k < PuzzleGame::kSlotCount; ++k) {
        auto *label = namedLabel(QString("LblBlank(%1)").arg(k), "_", this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(28);
        QFont f = label->font();
        f.setPointSize(f.pointSize() + 8);
        label->setFont(f);
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
        lblBlank_[k] = label;
        slotRow->addWidget(label);
    }

    auto *clues = new QGridLayout;
    clues->addWidget(namedLabel("Label2", "ความหมาย :", this), 0, 0);
    lblMean_ = namedLabel("lblMean", "", this);
    lblMean_->setWordWrap(true);
    clues->addWidget(lblMean_, 0, 1);
    clues->addWidget(namedLabel("Label1", "คุณสมบัติ :", this), 1, 0);
    lblProp_ = namedLabel("lblProp", "", this);
    clues->addWidget(lblProp_, 1, 1);
    clues->setColumnStretch(1, 1);

    auto *status = new QHBoxLayout;
    status->addWidget(namedLabel("Label4", "จำนวนครั้งที่เหลือ", this));
    lblCnt_ = namedLabel("LblCnt", "5", this);
    status->addWidget(lblCnt_);
    status->addSpacing(24);
    status->addWidget(namedLabel("Label3", "คะแนน :", this));
    lblScore_ = namedLabel("LblScore", "0", this);
    status->addWidget(lblScore_);
    status->addStretch();
    cmdNext_ = new QPushButton("Next >>", this);
    cmdNext_->setObjectName("CmdNext");
    cmdNext_->setAutoDefault(false);
    QSizePolicy nextPolicy = cmdNext_->sizePolicy();
    nextPolicy.setRetainSizeWhenHidden(true);
    cmdNext_->setSizePolicy(nextPolicy);
    cmdNext_->hide();
    connect(cmdNext_, &QPushButton::clicked, this, &FrmPuzzle::CmdNextClick);
    status->addWidget(cmdNext_);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar());
    layout->addLayout(slotRow);
    layout->addSpacing(12);
    layout->addLayout(clues);
    layout->addLayout(status);
}

FrmPuzzle::~FrmPuzzle() = default;

bool FrmPuzzle::load() {
    NewWord();
    if (game_.word().empty()) {
        message("ไม่พบคำศัพท์ในพจนานุกรม กรุณาตรวจสอบแฟ้มในโฟลเดอร์ Data", "โปรแกรมผิดพลาด", MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FrmPuzzle::NewWord() {
    game_.newWord();
    showTurn();
}

void FrmPuzzle::showTurn() {
    lblMean_->setText(QString::fromStdU32String(game_.meaning()));
    lblProp_->setText(QString::fromStdU32String(game_.label()));
    for (int k = 0; k < PuzzleGame::kSlotCount; ++k) {
        const auto letter = game_.slotAt(k);
        lblBlank_[k]->setText(letter ? QString::fromUcs4(&*letter, 1) : QString("_"));
        lblBlank_[k]->setVisible(k < game_.length());
    }
    lblCnt_->setText(QString::number(game_.triesLeft()));
    lblScore_->setText(QString::number(game_.score()));
    cmdNext_->setVisible(game_.turnOver());
}

void FrmPuzzle::CmdNextClick() {
    cmdNext_->hide();
    NewWord();
    // The button had the focus; the keys of the new turn belong to the window.
    setFocus();
}

void FrmPuzzle::pressKey(char32_t key) {
    if (game_.press(key) != PuzzleGame::KeyOutcome::Ignored)
        showTurn();
}

void FrmPuzzle::mnuHi() {
    const int saved = context_.profile.readInt(kProfileSection, kScoreKey);
    message(QString("คะแนนสูงสุด : %1   คะแนน").arg(saved), "Dualexicon", MsgIcon::None);
}

void FrmPuzzle::mnuSave() {
    const int savedScore = game_.score();
    // Written before the message so that a failed write is never announced as saved.
    if (context_.profile.writeString(kProfileSection, kScoreKey, QString::number(savedScore)))
        message("บันทึกคะแนนสูงสุดไว้แล้ว!", "คะแนนสูงสุด", MsgIcon::Information);
    else
        message("บันทึกคะแนนไม่สำเร็จ", "โปรแกรมผิดพลาด", MsgIcon::Stop);
}

} // namespace dlx
