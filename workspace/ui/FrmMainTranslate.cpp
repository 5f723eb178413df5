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
#include <QFile>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {
namespace {

const QString kCancelCaption = QString::fromUtf8("ยกเลิก");
const QString kCancelTip = QString::fromUtf8("กดปุ่มนี้เมื่อต้องการยกเลิก");
const QString kIdleCaption = QString::fromUtf8("แปล");
const QString kIdleTip = QString::fromUtf8("กดปุ่มนี้เมื่อต้องการแปล");
const QString kErrorTitle = QString::fromUtf8("โปรแกรมผิดพลาด");

const PhraseRewriter &rewriter() {
    static const PhraseRewriter instance;
    return instance;
}

} // namespace

void FrmMain::Command1_Click() {
    // A cancelled run that is still in its finishing steps reads "แปล" already; a click then must not start a
    // second run inside it, nor wake its phrase rewriting up again. It is ignored until that run has ended.
    if (runActive_ && command1_->text() != kCancelCaption)
        return;

    beginRun(state_);
    if (command1_->text() == kCancelCaption) {
        state_.Translating = false;
        command1_->setText(kIdleCaption);
        command1_->setToolTip(kIdleTip);
        return;
    }
    command1_->setText(kCancelCaption);
    command1_->setToolTip(kCancelTip);
    runActive_ = true;

    const QTextCursor selection = text1_->textCursor();
    const QString source =
        paneCharacters(selection.hasSelection() ? selection.selectedText() : text1_->document()->toRawText());

    QElapsedTimer clock;
    clock.start();
    // Window events are let in at most every few milliseconds, so a long text is not slowed down by one yield
    // per line, while a cancel click is still seen within a moment and always between two lines.
    YieldThrottle throttle([&clock] { return clock.elapsed(); }, yieldIntervalMs_);

    TranslateRunHooks hooks;
    hooks.saveText = [this](const std::u32string &text, const std::string &path) -> std::optional<bool> {
        SaveText(QString::fromStdU32String(text), QString::fromStdString(path));
        if (!lastSaveOk_)
            return std::nullopt;
        return lastSaveUtf8_;
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
        context_.dialogs.message(this, QString::fromStdString(description), kErrorTitle, MsgIcon::Stop, MsgButtons::Ok);
    };

    RunOutcome outcome = RunOutcome::Failed;
    try {
        outcome = runTranslation(*translator_, rewriter(), withCrLf(source.toStdU32String()),
                                 QFile::encodeName(context_.programFolder).toStdString(), hooks);
    } catch (const std::exception &e) {
        hooks.failure(std::string("การแปลหยุดลงเพราะเกิดข้อผิดพลาด: ") + e.what());
    } catch (...) {
        hooks.failure("การแปลหยุดลงเพราะเกิดข้อผิดพลาดที่ไม่รู้จัก");
    }

    command1_->setText(kIdleCaption);
    command1_->setToolTip(kIdleTip);
    picBar_->clear();
    state_.Translating = false;
    runActive_ = false;
    if (outcome == RunOutcome::Finished || outcome == RunOutcome::Cancelled)
        text1_->setFocus();
}

} // namespace dlx
