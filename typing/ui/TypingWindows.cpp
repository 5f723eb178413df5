#include "TypingWindows.h"

#include "Dialogs.h"
#include "FrmHistory.h"
#include "FrmPim.h"
#include "SqlDrillRecords.h"

#include <memory>

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

void showFrmHistory(QWidget *parent, const AppContext &context, DrillRecords *records) {
    std::unique_ptr<SqlDrillRecords> own;
    if (!records) {
        own = openDrillRecords(context, parent);
        if (!own)
            return;
        records = own.get();
    }
    const auto runs = records->runs();
    if (!runs) {
        context.dialogs.error(parent, describeFailure("อ่านสถิติย้อนหลังไม่ได้", runs.error()));
        return;
    }
    FrmHistory window(*runs, parent);
    window.exec();
}

} // namespace dlx
