#include "DictionaryWindows.h"

#include "FrmAdd.h"
#include "FrmUpdate.h"

namespace dlx {

void showFrmAdd(QWidget *parent, const AppContext &context) {
    FrmAdd window(context, parent);
    window.exec();
}

void showFrmAddOn(QWidget *parent, const AppContext &context, const DictionaryEntry &entry, bool existing) {
    FrmAdd window(context, parent);
    window.goToWord(entry, existing);
    window.exec();
}

void showFrmUpdate(QWidget *parent, const AppContext &context) {
    FrmUpdate window(context, parent);
    window.exec();
}

} // namespace dlx
