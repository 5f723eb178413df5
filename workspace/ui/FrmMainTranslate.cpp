// The translate button Command1 (and the pane menu's "แปลงาน"): a thin wrapper around runTranslation that
// supplies the window's SaveText, progress bar, event-loop yields and message box.
#include "FrmMain.h"

#include "Dialogs.h"
#include "PaneCharacters.h"
#include "PicBar.h"
#include "TranslateRun.h"
#include "TranslationProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {
namespace {

const PhraseRewriter &rewriter() {
    static const PhraseRewriter instance;
    return instance;
}

} // namespace

void FrmMain::setRunState(RunState state) {
    runState_ = state;
    // A cancelled run in its finishing steps already reads "แปล".
    const bool cancellable = state == RunState::Running;
    command1_->setText(cancellable ? QString::fromUtf8("ยกเลิก") : QString::fromUtf8("แปล"));
    command1_->setToolTip(cancellable ? QString::fromUtf8("กดปุ่มนี้เมื่อต้องการยกเลิก")
                                      : QString::fromUtf8("กดปุ่มนี้เมื่อต้องการแปล"));
}

void FrmMain::Command1_Click() {
    // A click while a cancelled run finishes must not start a second run inside it, nor wake its phrase
    // rewriting up again: it is ignored until that run has ended.
    if (runState_ == RunState::Finishing)
        return;

    beginRun(state_);
    if (runState_ == RunState::Running) {
        state_.Translating = false;
        setRunState(RunState::Finishing);
        return;
    }
    setRunState(RunState::Running);

    const QTextCursor selection = text1_->textCursor();
    const QString source =
        paneCharacters(selection.hasSelection() ? selection.selectedText() : text1_->document()->toRawText());

    QElapsedTimer clock;
    clock.start();
    // Window events are let in at most every few milliseconds, so a long text is not slowed down by one yield
    // per line, while a cancel click is still seen within a moment and always between two lines.
    YieldThrottle throttle([&clock] { return clock.elapsed(); }, yieldIntervalMs_);

    TranslateRunHooks hooks;
    hooks.saveText = [this](const std::u32string &text, const std::string &path) {
        return SaveText(QString::fromStdU32String(text), fromFsPath(path));
    };
    hooks.progress = [this](int percent) { picBar_->drawProgress(percent); };
    hooks.yield = [&throttle] {
        if (throttle.due())
            QCoreApplication::processEvents();
    };
    hooks.showTranslation = [this](const std::u32string &translation) {
        text2_->setPlainText(QString::fromStdU32String(translation));
        text2_->moveCursor(QTextCursor::Start);
    };
    hooks.failure = [this](const std::string &description) {
        context_.dialogs.error(messageParent_, QString::fromStdString(description));
    };

    RunOutcome outcome = RunOutcome::Failed;
    try {
        outcome = runTranslation(*translator_, rewriter(), withCrLf(source.toStdU32String()),
                                 toFsPath(context_.programFolder), hooks);
    } catch (const std::exception &e) {
        hooks.failure(std::string("การแปลหยุดลงเพราะเกิดข้อผิดพลาด: ") + e.what());
    } catch (...) {
        hooks.failure("การแปลหยุดลงเพราะเกิดข้อผิดพลาดที่ไม่รู้จัก");
    }

    picBar_->clear();
    state_.Translating = false;
    setRunState(RunState::Idle);
    if (outcome == RunOutcome::Finished || outcome == RunOutcome::Cancelled)
        text1_->setFocus();
}

} // namespace dlx
