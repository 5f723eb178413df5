#pragma once
// Where the program's own files are. A build or a copied folder keeps Data, Skin, help and translations beside
// the executable; an installed program has them in ../share/dualexicon, seen from the executable's folder.
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

} // namespace dlx
