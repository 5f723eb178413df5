// The translate button Command1 (and the pane menu's "แปลงาน"): a thin wrapper around runTranslation that
// supplies the window's SaveText, progress bar and status, busy cursor, event-loop yields and message box.
#include "FrmMain.h"
#include "PhraseRules.h"

#include "BusyWork.h"
#include "Dialogs.h"
#include "PaneCharacters.h"
#include "PicBar.h"
#include "SaveText.h"
#include "TranslateRun.h"
#include "TranslationProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {
namespace {

// The user's own phrase rules that a fresh reading of Idiom.pal refused, said once in Thai.
QString refusedRulesText(const PhraseRulesNews &news) {
    QString text;
    if (news.readError)
        text += describeFailure(QStringLiteral("อ่านแฟ้มกฎวลี Idiom.pal ไม่ได้ จึงใช้เฉพาะกฎที่มากับโปรแกรม"), *news.readError);
    for (const RefusedPhraseRule &rule : news.refused) {
        if (!text.isEmpty())
            text += '\n';
        text +=
            QStringLiteral("ไม่ใช้กฎบรรทัดที่ %1 ของ Idiom.pal \"%2\" เพราะ%3")
                .arg(rule.line)
                .arg(QString::fromStdU32String(rule.text), rule.why == RefusedPhraseRule::Why::EmptySearch
                                                               ? QStringLiteral("ไม่มีคำที่จะค้นหา")
                                                               : QStringLiteral("คำที่แทนมีคำค้นหาอยู่ในตัว จะแทนที่ไม่มีวันจบ"));
    }
    return text;
}

// What the progress bar says in the steps that have no lines to count.
QString statusOf(RunPhase phase, int percent) {
    switch (phase) {
    case RunPhase::Saving:
        return QString::fromUtf8("บันทึกงาน...");
    case RunPhase::Counting:
        return QString::fromUtf8("นับบรรทัด...");
    case RunPhase::Writing:
        return QString::fromUtf8("เขียนงานแปล...");
    case RunPhase::Rewriting:
        return QString::fromUtf8("เรียบเรียง %1 %").arg(std::max(percent, 0));
    case RunPhase::Showing:
        return percent < 0 ? QString::fromUtf8("แสดงงานแปล...") : QString::fromUtf8("แสดงงานแปล %1 %").arg(percent);
    case RunPhase::Translating:
        break;
    }
    return {};
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
    const BusyCursor busy;
    picBar_->showStatus(statusOf(RunPhase::Saving, -1));

    const QTextCursor selection = text1_->textCursor();
    const QString source =
        paneCharacters(selection.hasSelection() ? selection.selectedText() : text1_->document()->toRawText());

    QElapsedTimer clock;
    clock.start();
    // Window events are let in at most every few milliseconds, so a long text is not slowed down by one yield
    // per line, while a cancel click is still seen within a moment and always between two lines.
    YieldThrottle throttle([&clock] { return clock.elapsed(); }, yieldIntervalMs_);
    const auto yield = [&throttle] {
        if (throttle.due())
            QCoreApplication::processEvents();
    };
    const AsideWork aside = [](const std::function<void()> &work) { runAside(work); };

    TranslateRunHooks hooks;
    hooks.saveText = [this, &aside](const std::u32string &text, const std::string &path) {
        return saveTextFile(context_.dialogs, messageParent_, text, fromFsPath(path), aside);
    };
    hooks.progress = [this](RunPhase phase, int percent) {
        if (phase == RunPhase::Translating)
            picBar_->drawProgress(percent);
        else
            picBar_->showStatus(statusOf(phase, percent), percent);
    };
    hooks.yield = yield;
    hooks.aside = aside;
    hooks.showTranslation = [this, &yield](const std::u32string &translation) {
        fillPane(*text2_, QString::fromStdU32String(translation), [&](int percent) {
            picBar_->showStatus(statusOf(RunPhase::Showing, percent), percent);
            yield();
        });
        text2_->moveCursor(QTextCursor::Start);
    };
    hooks.failure = [this](const std::string &what, const IoError &why) {
        const ArrowCursor arrow;
        context_.dialogs.error(messageParent_, describeFailure(QString::fromStdString(what), why));
    };

    RunOutcome outcome = RunOutcome::Failed;
    try {
        std::u32string crLfSource;
        aside([&] { crLfSource = withCrLf(source.toStdU32String()); });
        PhraseRulesNews news;
        const std::shared_ptr<const PhraseRewriter> rules = translator_->lexicon().phraseRules().current(&news);
        if (const QString refused = refusedRulesText(news); !refused.isEmpty()) {
            const ArrowCursor arrow;
            context_.dialogs.error(messageParent_, refused, MsgIcon::Exclamation);
        }
        hooks.growthHeldBack = [this, &rules] {
            if (growthToldFor_.lock() == rules) // once for each reading of the rules
                return;
            growthToldFor_ = rules;
            const ArrowCursor arrow;
            context_.dialogs.error(messageParent_,
                                   QStringLiteral("กฎวลีใน Idiom.pal ที่แทนที่ต่อกันเป็นทอด ๆ ถูกหยุดไว้ "
                                                  "ก่อนวลีจะยาวเกินสี่เท่าของเดิม"),
                                   MsgIcon::Exclamation);
        };
        readingRunStarts();
        outcome = runTranslation(*translator_, *rules, crLfSource, toFsPath(context_.workFolder()), hooks);
    } catch (const std::exception &e) {
        hooks.failure("การแปลหยุดลงเพราะเกิดข้อผิดพลาด", IoError{0, {}, e.what()});
    } catch (...) {
        hooks.failure("การแปลหยุดลงเพราะเกิดข้อผิดพลาดที่ไม่รู้จัก", IoError{});
    }

    readingRunEnded();
    picBar_->clear();
    state_.Translating = false;
    setRunState(RunState::Idle);
    if (outcome == RunOutcome::Finished || outcome == RunOutcome::Cancelled)
        text1_->setFocus();
}

} // namespace dlx
