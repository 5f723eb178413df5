#pragma once
// The one place tests wire host services: fake dialogs and keyboard, settings and profile strings in files of
// the program folder, the user's data folder "user" inside it, and the real HTTP GET (tests serve on 127.0.0.1). A
// window test builds one per case.
#include "AppContext.h"
#include "FakeDialogs.h"
#include "HttpGet.h"
#include "Settings.h"

#include <QDir>
#include <QString>

namespace dlx::test {

struct TestContext {
    explicit TestContext(const QString &programFolder, QtHttpGet::Limits httpLimits = {})
        : settings(QDir(programFolder).filePath(QStringLiteral("settings.ini"))),
          profile(QDir(programFolder).filePath(QStringLiteral("profile.ini"))), http(httpLimits),
          context(programFolder, dialogs, settings, profile, keyboard, http) {
        context.userDataFolder = QDir(programFolder).filePath(QStringLiteral("user"));
    }
    TestContext(const TestContext &) = delete;
    TestContext &operator=(const TestContext &) = delete;

    FakeDialogs dialogs;
    IniSettingsStore settings;
    IniProfileStrings profile;
    FakeKeyboardLayouts keyboard;
    QtHttpGet http;
    AppContext context;
};

} // namespace dlx::test
