#include "ProgramPaths.h"

#include <filesystem>
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

} // namespace dlx
