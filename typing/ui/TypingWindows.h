#pragma once
// Entry points the main window uses to open the English and the Thai typing drill and their history.
#include "AppContext.h"

class QWidget;

namespace dlx {

class DrillRecords;

void showFrmPimEng(QWidget *parent, const AppContext &context);
void showFrmPimThai(QWidget *parent, const AppContext &context);
/// The history of timed runs from the given records, or from the user's own when none is given.
void showFrmHistory(QWidget *parent, const AppContext &context, DrillRecords *records = nullptr);
} // namespace dlx
