#include "DictionaryWindows.h"

namespace dlx {
void showFrmAdd(QWidget *, const AppContext &) {}
void showFrmUpdate(QWidget *, const AppContext &) {}
} // namespace dlx
