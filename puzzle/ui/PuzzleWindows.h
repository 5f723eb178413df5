#pragma once
// Entry point the main window uses to open the puzzle game.
#include "AppContext.h"

class QWidget;

namespace dlx {
void showFrmPuzzle(QWidget *parent, const AppContext &context);
} // namespace dlx
