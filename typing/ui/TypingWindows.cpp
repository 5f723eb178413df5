#include "TypingWindows.h"

namespace dlx {
void showFrmPimEng(QWidget *, const AppContext &) {}
void showFrmPimThai(QWidget *, const AppContext &) {}
} // namespace dlx
