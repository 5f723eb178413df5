#pragma once
// The puzzle game window "เกมส์ Puzzle": one slot per letter of a random dictionary word, the meaning and the part
// of speech as clues, five tries, "Next >>" once the turn is over.
#include "GameWindow.h"
#include "PuzzleGame.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace dlx {

class FrmPuzzle : public GameWindow {
    Q_OBJECT
public:
    /// Without a random source the window seeds its own from the clock.
    FrmPuzzle(const AppContext &context, std::unique_ptr<RandomSource> random = nullptr, QWidget *parent = nullptr);
    ~FrmPuzzle() override;

    /// Draws the first word. False, after telling the user, when the dictionary has no word to play; the window is
    /// then not to be shown.
    bool load();

    void NewWord();
    void CmdNextClick();
    void mnuHi();
    void mnuSave();

    const PuzzleGame &game() const { return game_; }

private:
    void pressKey(char32_t key) override;
    void showTurn();

    PuzzleGame game_;

    std::array<QLabel *, PuzzleGame::kSlotCount> lblBlank_{};
    QLabel *lblMean_ = nullptr;
    QLabel *lblProp_ = nullptr;
    QLabel *lblCnt_ = nullptr;
    QLabel *lblScore_ = nullptr;
    QPushButton *cmdNext_ = nullptr;
};

} // namespace dlx
