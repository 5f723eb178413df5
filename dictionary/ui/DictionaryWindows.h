#pragma once
// Entry points the main window uses to open the dictionary editor (FrmAdd) and the download (FrmUpdate).
#include "AppContext.h"

class QWidget;

namespace dlx {
void showFrmAdd(QWidget *parent, const AppContext &context);
void showFrmUpdate(QWidget *parent, const AppContext &context);
} // namespace dlx
