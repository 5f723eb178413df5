#pragma once
// Entry points the main window uses to open the English and the Thai typing drill.
#include "AppContext.h"

class QWidget;

namespace dlx {
void showFrmPimEng(QWidget *parent, const AppContext &context);
void showFrmPimThai(QWidget *parent, const AppContext &context);
} // namespace dlx
