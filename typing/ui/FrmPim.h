#pragma once
// The typing drill window. One class serves both twins: FrmPimEng (type the English word) and FrmPimThai (type the
// Thai meaning); DrillTwin picks the caption, the keyboard layout, the fields, the clock timer's name, the
// time-limit window and the profile keys.
#include "GameWindow.h"
#include "TypingDrill.h"

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QLabel;
class QTimer;

namespace dlx {

class SqlDrillRecords;

class FrmPim : public GameWindow {
    Q_OBJECT
public:
    /// timeLimit is the program-wide TimeLimit shared by both drills and both time-limit windows. Without a random
    /// source the window seeds its own from the clock.
    FrmPim(DrillTwin twin, const AppContext &context, std::int16_t &timeLimit,
           std::unique_ptr<RandomSource> random = nullptr, QWidget *parent = nullptr);
    ~FrmPim() override;

    /// The opening steps: activate the twin's keyboard layout and draw the first word. False, after telling the
    /// user, when the dictionary has no word to type; the window is then not to be shown.
    bool load();

    void NewWord();
    /// The clock timer's event: one second more, and the time check.
    void clockTick();
    /// Called by the time-limit window on a valid entry: the clock restarts from 00:00 and runs.
    void startTimedRun();

    void mnuStart();
    void mnuView();
    void mnuSave();
    /// Practice of the missed words on or off; either way a new word is drawn.
    void mnuPractice(bool on);
    void mnuHistory();

    const TypingDrill &drill() const { return drill_; }
    QTimer *clockTimer() const { return timer_; }

protected:
    void done(int result) override;

private:
    void pressKey(char32_t key) override;
    void showWord();
    void showScore();
    void showClock();
    void showSpeed();
    void showPractice();
    void storeTimedRun();
    QString scoreKey() const;
    QString timeKey() const;

    DrillTwin twin_;
    std::int16_t &timeLimit_;
    TypingDrill drill_;

    std::array<QLabel *, TypingDrill::kSlotCount> lblBlank1_{};
    std::array<QLabel *, TypingDrill::kSlotCount> lblBlank2_{};
    std::array<QLabel *, TypingDrill::kSlotCount> lblWrong_{};
    std::array<QLabel *, 4> lblTime_{};
    QLabel *lblScore_ = nullptr;
    QLabel *lblSpeed_ = nullptr; ///< pace of the current or last timed run
    QLabel *lblMean_ = nullptr;
    QLabel *lblProp_ = nullptr;
    QLabel *lblPractice_ = nullptr;            ///< the missed words left, while practising them
    std::unique_ptr<SqlDrillRecords> records_; ///< none when the user's records cannot be opened
    QTimer *timer_ = nullptr;
};

} // namespace dlx
