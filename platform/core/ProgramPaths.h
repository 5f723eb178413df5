#pragma once
// Where the program's own files are. A build or a copied folder keeps Data, Skin, help and translations beside
// the executable; an installed program has them in ../share/dualexicon, seen from the executable's folder.
#include "DataFolders.h"

#include <string>

namespace dlx {

struct ProgramPaths {
    std::string programFolder; ///< folder of the executable, without trailing separator
    std::string dataRoot;      ///< folder holding Data, Skin, help and translations
    /// The shipped files are not ours to change: they sit in a share folder, or their folder cannot be written.
    /// Work files and the user's dictionary changes then belong in the user's own folders.
    bool installed = false;
};

/// The program's version as the build states it: "1.0".
const char *programVersion();

/// Folder of the running executable (symbolic links resolved); "." when the system does not say.
std::string executableFolder();

/// The decision behind ProgramPaths::installed, apart from the file system so it can be checked as any user.
bool isInstalledLayout(bool dataBesideExecutable, bool dataRootWritable);

/// Looks for Data beside exeFolder, then in exeFolder/../share/dualexicon. When neither holds a Data folder the
/// files are expected beside the executable, so messages about them name the folder the program has always used.
ProgramPaths locateProgram(const std::string &exeFolder);

/// Where one run of the program reads and writes.
struct RunFolders {
    DataFolders data; ///< the dictionary: Data beside the files the program ships, layered over the user's own
    std::string work; ///< the work files of a translation (Original.pal, Translate.pal) and of printing
};

/// From a folder it can write, the program keeps everything there: the work files beside the executable, the
/// dictionary in its Data, read and saved. Installed, the work files go to the user's cache folder
/// ($XDG_CACHE_HOME/Dualexicon, else ~/.cache/Dualexicon) and the dictionary is layered over the user's data folder
/// ($XDG_DATA_HOME/Dualexicon/Data, else ~/.local/share/Dualexicon/Data). A relative or empty XDG variable is
/// ignored, as the XDG base directories say. `home` is the user's home folder.
RunFolders chooseRunFolders(const ProgramPaths &paths, const std::string &home, const char *cacheHome,
                            const char *dataHome);

/// chooseRunFolders with this process's HOME (or the password database's home) and XDG variables.
RunFolders runFoldersOf(const ProgramPaths &paths);

} // namespace dlx
