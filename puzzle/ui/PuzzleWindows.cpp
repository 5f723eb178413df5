#include "PuzzleWindows.h"

#include "FrmPuzzle.h"

namespace dlx {

void showFrmPuzzle(QWidget *parent, const AppContext &context) {
    FrmPuzzle window(context, nullptr, parent);
    if (window.load())
        window.exec();
}

} // namespace dlx
