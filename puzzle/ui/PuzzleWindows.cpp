#include "PuzzleWindows.h"

namespace dlx {
void showFrmPuzzle(QWidget *, const AppContext &) {}
} // namespace dlx
