#pragma once
// What every window receives: the program folder and the host services. The services are never missing: the
// program wires the real ones in main(), tests wire fakes in tests/support/TestContext.h, and nothing else makes
// one.
#include "ProgramPaths.h"

#include <QFile>
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

    /// The shipped dictionary: Data in the program folder.
    QString dataFolder() const { return programFolder + "/Data"; }
    /// Where the work files of a translation and of printing go.
    QString workFolder() const { return workFolder_.isEmpty() ? programFolder : workFolder_; }
    /// The dictionary as it is read and saved: the shipped Data alone, or layered over the user's own folder.
    DataFolders dictionary() const {
        const std::string shipped = QFile::encodeName(dataFolder()).toStdString();
        return userDictionaryFolder_.isEmpty()
                   ? DataFolders(shipped)
                   : DataFolders(shipped, QFile::encodeName(userDictionaryFolder_).toStdString());
    }
    /// Puts the work files and the user's dictionary where the run's folders say (main() does, for the program
    /// as it finds itself). Unplaced, both stay in the program folder.
    void place(const RunFolders &folders) {
        workFolder_ = QFile::decodeName(folders.work.c_str());
        userDictionaryFolder_ = QFile::decodeName(folders.data.user.c_str());
    }

private:
    QString workFolder_;
    QString userDictionaryFolder_;
};

} // namespace dlx
