// Dualexicon: the oval splash, then the workspace window. Only wiring here: the real host services go into
// the AppContext every window receives.
#include "AppContext.h"
#include "Artwork.h"
#include "Dialogs.h"
#include "FrmLogo.h"
#include "FrmMain.h"
#include "HostServices.h"
#include "HttpGet.h"
#include "ProgramPaths.h"
#include "Settings.h"
#include "TextFile.h"
#include "Translations.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

int main(int argc, char *argv[]) {
    // Answered before QApplication, which wants a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("dualexicon %s\n", dlx::programVersion());
            return 0;
        }
    QApplication app(argc, argv);
    app.setWindowIcon(dlx::art::programIcon());
    // Before any window: Qt's dialogs and menus read their texts as they are made.
    if (!dlx::installThaiTranslation(QCoreApplication::applicationDirPath()))
        qWarning("Thai catalogue of Qt's texts not found; dialogs will show English");

    dlx::QtDialogs dialogs;
    dlx::IniSettingsStore settings(dlx::IniSettingsStore::defaultPath());
    dlx::IniProfileStrings profile(dlx::IniProfileStrings::defaultPath());
    dlx::X11KeyboardLayouts keyboard;
    dlx::QtHttpGet http;
    const dlx::ProgramPaths paths = dlx::locateProgram(dlx::executableFolder());
    const dlx::RunFolders folders = dlx::runFoldersOf(paths);
    dlx::AppContext context(QString::fromStdString(paths.dataRoot), dialogs, settings, profile, keyboard, http);
    context.place(folders);
    context.userDataFolder = dlx::defaultUserDataFolder();
    // Installed, the work files go to the user's cache folder, made here (a failure is said by the first run).
    if (paths.installed) {
        std::error_code ignored;
        std::filesystem::create_directories(folders.work, ignored);
    }
    // A save killed half-way leaves its marked temporary file beside the letter files; it is never a user's file.
    dlx::removeStaleTemporaryFiles(folders.data.user);

    std::unique_ptr<FrmMain> workspace;
    dlx::FrmLogo logo;
    QObject::connect(&logo, &dlx::FrmLogo::timeUp, [&] {
        workspace = std::make_unique<FrmMain>(context);
        workspace->show();
    });
    logo.show();
    return app.exec();
}
