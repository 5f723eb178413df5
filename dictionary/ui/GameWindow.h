#pragma once
// What the typing drill (FrmPim) and the puzzle (FrmPuzzle) windows share: typed keys (KeyedDialog), a random
// source seeded from the clock unless a test passes one, the big letter slots, the high scores in the profile
// strings and the message for a dictionary without a word to play.
#include "KeyedDialog.h"
#include "RandomEntry.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

class QLabel;

namespace dlx {

class GameWindow : public KeyedDialog {
public:
    GameWindow(const AppContext &context, std::unique_ptr<RandomSource> random, QWidget *parent);

protected:
    RandomSource &random() { return *random_; }
    /// The dictionary folder as the file system names it.
    DataFolders dataFolder() const;

    /// A named label of the window.
    QLabel *addLabel(const QString &name, const QString &caption);
    /// One letter slot of a word row: large, centred, and keeping its place in the row while hidden.
    QLabel *addSlotLabel(const QString &name, const QString &caption);

    /// "ไม่พบคำศัพท์ในพจนานุกรม ..." when the dictionary holds no word the game can play.
    void tellNoWords();
    /// Stores each (key, value) in the profile section "Dualexicon", then confirms; a store that fails is reported
    /// with `failure` instead, never announced as saved.
    bool saveHighScore(std::initializer_list<std::pair<QString, int>> values, const QString &failure);
    /// A stored high score; 0 when there is none.
    int savedHighScore(const QString &key) const;

private:
    std::unique_ptr<RandomSource> random_;
};

} // namespace dlx
