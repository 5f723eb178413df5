#pragma once
// What every window receives from main(): the program folder and the host services. Tests build their own
// with a temp folder and fakes.
#include <QString>

namespace dlx {

class Dialogs;
class SettingsStore;
class ProfileStrings;
class KeyboardLayouts;
class HttpGet;

struct AppContext {
    QString programFolder; ///< folder of the executable, without trailing separator
    Dialogs *dialogs = nullptr;
    SettingsStore *settings = nullptr;
    ProfileStrings *profile = nullptr;
    KeyboardLayouts *keyboard = nullptr;
    HttpGet *http = nullptr; ///< the download's GET; nullptr: the window makes a QtHttpGet
    QString printPdfFile;    ///< when set, printing writes this PDF file instead of the default printer

    QString dataFolder() const { return programFolder + "/Data"; }
};

} // namespace dlx
