#pragma once
// What every window receives from main(): the program folder and the host services. Tests build their own
// with a temp folder and fakes.
#include <QString>

namespace dlx {

class Dialogs;
class SettingsStore;
class ProfileStrings;
class KeyboardLayouts;

struct AppContext {
    QString programFolder;               ///< folder of the executable, without trailing separator
    Dialogs *dialogs = nullptr;
    SettingsStore *settings = nullptr;
    ProfileStrings *profile = nullptr;
    KeyboardLayouts *keyboard = nullptr;

    QString dataFolder() const { return programFolder + "/Data"; }
};

} // namespace dlx
