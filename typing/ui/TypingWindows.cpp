#include "TypingWindows.h"

#include "FrmPim.h"

namespace dlx {
namespace {

/// TimeLimit: one value for both drills, 0 at start, kept while the program runs.
std::int16_t &programTimeLimit() {
    static std::int16_t minutes = 0;
    return minutes;
}

void showDrill(DrillTwin twin, QWidget *parent, const AppContext &context) {
    FrmPim window(twin, context, programTimeLimit(), nullptr, parent);
    if (window.load())
        window.exec();
}

} // namespace

void showFrmPimEng(QWidget *parent, const AppContext &context) {
    showDrill(DrillTwin::English, parent, context);
}
void showFrmPimThai(QWidget *parent, const AppContext &context) {
    showDrill(DrillTwin::Thai, parent, context);
}

} // namespace dlx
