#pragma once
// Answers message boxes, prompts and common dialogs from queues and records every question, so window tests
// never block on a modal loop.
#include "Dialogs.h"
#include "HostServices.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace dlx::test {

struct ShownMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeDialogs : public Dialogs {
public:
    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> answers;                    ///< used in order; Ok/Yes when empty
    std::deque<std::optional<QString>> promptAnswers; ///< nothing = cancelled
    std::deque<QString> fileAnswers;                  ///< empty string = cancelled
    QStringList fileTitles, fileStartPaths, fileFilters, promptTexts;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;

    MsgAnswer message(QWidget *, const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    std::optional<QString> prompt(QWidget *, const QString &text, const QString &, const QString &) override {
        promptTexts << text;
        if (promptAnswers.empty())
            return std::nullopt;
        auto a = promptAnswers.front();
        promptAnswers.pop_front();
        return a;
    }
    QString openFileName(QWidget *, const QString &title, const QString &start, const QString &filter) override {
        return nextFile(title, start, filter);
    }
    QString saveFileName(QWidget *, const QString &title, const QString &start, const QString &filter) override {
        return nextFile(title, start, filter);
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override {
        if (fontAnswers.empty())
            return std::nullopt;
        auto a = fontAnswers.front();
        fontAnswers.pop_front();
        return a;
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override {
        if (colorAnswers.empty())
            return std::nullopt;
        auto a = colorAnswers.front();
        colorAnswers.pop_front();
        return a;
    }

private:
    QString nextFile(const QString &title, const QString &start, const QString &filter) {
        fileTitles << title;
        fileStartPaths << start;
        fileFilters << filter;
        if (fileAnswers.empty())
            return {};
        QString a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

/// Records layout requests without touching the desktop.
class FakeKeyboardLayouts : public KeyboardLayouts {
public:
    QStringList requests;
    void load(const QString &id) override {
        last_ = id;
        requests << id;
    }
};

} // namespace dlx::test
