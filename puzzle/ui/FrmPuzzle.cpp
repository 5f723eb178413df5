#include "FrmPuzzle.h"

#include "HelpWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dlx {
namespace {

const QString kScoreKey = "HiScore PuzzleGame";

} // namespace

FrmPuzzle::FrmPuzzle(const AppContext &context, std::unique_ptr<RandomSource> random, QWidget *parent)
    : GameWindow(context, std::move(random), parent), game_(dataFolder(), this->random()) {
    setObjectName("FrmPuzzle");
    setWindowTitle("เกมส์ Puzzle");

    const auto addItem = [this](const char *name, const QString &caption) { return addMenuItem(name, caption); };
    connect(addItem("mnuHi", "คะแนนสูงสุด"), &QAction::triggered, this, &FrmPuzzle::mnuHi);
    connect(addItem("mnuSave", "บันทึกคะแนน"), &QAction::triggered, this, &FrmPuzzle::mnuSave);
    connect(addItem("mnuHelp", "วิธีเล่น"), &QAction::triggered, this,
            [this] { showHelpWindow(this, context_, "puzzle"); });
    connect(addItem("mnuExit", "ออก"), &QAction::triggered, this, &QDialog::close);

    auto *slotRow = new QHBoxLayout;
    slotRow->setSpacing(4);
    for (int k = 0; k < PuzzleGame::kSlotCount; ++k) {
        lblBlank_[k] = addSlotLabel(QString("LblBlank(%1)").arg(k), "_");
        slotRow->addWidget(lblBlank_[k]);
    }

    auto *clues = new QGridLayout;
    clues->addWidget(addLabel("Label2", "ความหมาย :"), 0, 0);
    lblMean_ = addLabel("lblMean", "");
    lblMean_->setWordWrap(true);
    clues->addWidget(lblMean_, 0, 1);
    clues->addWidget(addLabel("Label1", "คุณสมบัติ :"), 1, 0);
    lblProp_ = addLabel("lblProp", "");
    clues->addWidget(lblProp_, 1, 1);
    clues->setColumnStretch(1, 1);

    auto *status = new QHBoxLayout;
    status->addWidget(addLabel("Label4", "จำนวนครั้งที่เหลือ"));
    lblCnt_ = addLabel("LblCnt", "5");
    status->addWidget(lblCnt_);
    status->addSpacing(24);
    status->addWidget(addLabel("Label3", "คะแนน :"));
    lblScore_ = addLabel("LblScore", "0");
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
        tellNoWords();
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
    const int saved = savedHighScore(kScoreKey);
    message(QString("คะแนนสูงสุด : %1   คะแนน").arg(saved), "Dualexicon", MsgIcon::None);
}

void FrmPuzzle::mnuSave() {
    saveHighScore({{kScoreKey, game_.score()}}, "บันทึกคะแนนไม่สำเร็จ");
}

} // namespace dlx
