#pragma once
// The folders the dictionary is read from and saved to. Usually one folder. Layered (an installed program): a
// file of the user's own folder (a letter file, Idiom.pal) is read in place of the shipped file of the same name,
// every save goes to the user's folder, and the shipped folder is never written.
#include <string>
#include <utility>

namespace dlx {

struct DataFolders {
    /// One folder for reading and saving.
    DataFolders(std::string folder) : shipped(folder), user(std::move(folder)) {}
    DataFolders(const char *folder) : DataFolders(std::string(folder)) {}
    DataFolders(std::string shippedFolder, std::string userFolder)
        : shipped(std::move(shippedFolder)), user(std::move(userFolder)) {}

    std::string shipped; ///< the files that came with the program
    std::string user;    ///< the user's own copies, and where every save goes; the same as shipped when not layered

    bool layered() const { return shipped != user; }
};

} // namespace dlx
