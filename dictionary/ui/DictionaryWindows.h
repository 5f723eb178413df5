#pragma once
// Entry points the main window uses to open the dictionary editor (FrmAdd) and the download (FrmUpdate).
#include "AppContext.h"
#include "LetterFile.h"

class QWidget;

namespace dlx {
void showFrmAdd(QWidget *parent, const AppContext &context);
/// The editor opened on a word: with `existing`, on its letter with that line selected; otherwise ready to add it.
void showFrmAddOn(QWidget *parent, const AppContext &context, const DictionaryEntry &entry, bool existing);
void showFrmUpdate(QWidget *parent, const AppContext &context);
} // namespace dlx
