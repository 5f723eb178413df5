#pragma once
// What every window receives: the program folder and the host services. The services are never missing: the
// program wires the real ones in main(), tests wire fakes in tests/support/TestContext.h, and nothing else makes
// one.
#include <QString>

namespace dlx {

class Dialogs;
class SettingsStore;
class ProfileStrings;
class KeyboardLayouts;
class HttpGet;

struct AppContext {
    AppContext(QString programFolder, Dialogs &dialogs, SettingsStore &settings, ProfileStrings &profile,
               KeyboardLayouts &keyboard, HttpGet &http)
        : programFolder(std::move(programFolder)), dialogs(dialogs), settings(settings), profile(profile),
          keyboard(keyboard), http(http) {}

    QString programFolder; ///< folder of the executable, without trailing separator
    Dialogs &dialogs;
    SettingsStore &settings;
    ProfileStrings &profile;
    KeyboardLayouts &keyboard;
    HttpGet &http;        ///< the download's GET
    QString printPdfFile; ///< when set, printing writes this PDF file instead of the default printer
    /// The user's own data folder (the typing drill's records live there); main() sets defaultUserDataFolder(),
    /// tests a temporary folder.
    QString userDataFolder;

    QString dataFolder() const { return programFolder + "/Data"; }
};

} // namespace dlx
