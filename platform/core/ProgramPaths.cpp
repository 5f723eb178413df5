#include "ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace dlx {

namespace fs = std::filesystem;

const char *programVersion() {
    return DLX_VERSION;
}

std::string executableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path())
        return ".";
    return exe.parent_path().string();
}

bool isInstalledLayout(bool dataBesideExecutable, bool dataRootWritable) {
    return !dataBesideExecutable || !dataRootWritable;
}

ProgramPaths locateProgram(const std::string &exeFolder) {
    std::error_code error;
    const auto holdsData = [&](const fs::path &root) { return fs::is_directory(root / "Data", error); };
    ProgramPaths paths;
    paths.programFolder = exeFolder;
    paths.dataRoot = exeFolder;
    bool beside = true;
    if (!holdsData(exeFolder)) {
        const fs::path shared = (fs::path(exeFolder) / ".." / "share" / "dualexicon").lexically_normal();
        if (holdsData(shared)) {
            paths.dataRoot = shared.string();
            beside = false;
        }
    }
    paths.installed = isInstalledLayout(beside, ::access(paths.dataRoot.c_str(), W_OK) == 0);
    return paths;
}

RunFolders chooseRunFolders(const ProgramPaths &paths, const std::string &home, const char *cacheHome,
                            const char *dataHome) {
    const std::string shippedData = paths.dataRoot + "/Data";
    if (!paths.installed)
        return {DataFolders(shippedData), paths.dataRoot};
    const auto base = [&](const char *xdg, const char *fallback) {
        return xdg && xdg[0] == '/' ? std::string(xdg) : home + fallback;
    };
    return {DataFolders(shippedData, base(dataHome, "/.local/share") + "/Dualexicon/Data"),
            base(cacheHome, "/.cache") + "/Dualexicon"};
}

RunFolders runFoldersOf(const ProgramPaths &paths) {
    std::string home;
    if (const char *env = std::getenv("HOME"); env && env[0] == '/')
        home = env;
    else if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        home = pw->pw_dir;
    else
        home = "/tmp";
    return chooseRunFolders(paths, home, std::getenv("XDG_CACHE_HOME"), std::getenv("XDG_DATA_HOME"));
}

} // namespace dlx
