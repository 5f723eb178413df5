#include "TextFile.h"

#include "Codec874.h"
#include "Utf8.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dlx {
namespace {

std::string sysError() {
    return std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

constexpr std::string_view kTemporaryMark = ".dlx-";
constexpr std::size_t kRandomLength = 6;

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

/// The file a path names once its symbolic links are followed, so that a save through a link replaces the file it
/// points to rather than the link. A path that does not exist (yet) is its own answer.
Result<std::string> resolveLinks(const std::string &path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0)
            return errno == ENOENT ? Result<std::string>(current) : Result<std::string>(IoError::fromErrno(current));
        if (!S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return IoError::fromErrno(current);
        target.resize(static_cast<std::size_t>(n));
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    errno = ELOOP;
    return IoError::fromErrno(path);
}

/// Creates "<folder>/.<name>.dlx-XXXXXX" beside the target, with the mode a new file gets (0666 less the umask).
/// The name marks it as ours, so that one left by a save that was killed can be recognised and removed.
int createTemporary(const std::string &target, std::string &name) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()));
    const std::size_t slash = target.find_last_of('/');
    const std::string prefix = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + "." +
                               target.substr(slash == std::string::npos ? 0 : slash + 1) + std::string(kTemporaryMark);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (std::size_t i = 0; i < kRandomLength; ++i)
            name += kChars[random() % (sizeof kChars - 1)];
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

/// Makes the rename itself durable; a folder that cannot be synced is no reason to call the save failed.
void syncFolderOf(const std::string &path) {
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

} // namespace

Result<std::string> readFileBytes(const std::string &path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return IoError::fromErrno(path);
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            IoError e = IoError::fromErrno(path);
            ::close(fd);
            return e;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Status writeFileBytes(const std::string &path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return IoError::fromErrno(path);
    if (!writeAll(fd, bytes)) {
        IoError e = IoError::fromErrno(path);
        ::close(fd);
        return e;
    }
    if (::close(fd) != 0)
        return IoError::fromErrno(path);
    return {};
}

Status writeFileAtomically(const std::string &path, std::string_view bytes) {
    auto resolved = resolveLinks(path);
    if (!resolved)
        return resolved.error();
    const std::string &target = *resolved;
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;

    std::string tmp;
    const int fd = createTemporary(target, tmp);
    if (fd < 0)
        return IoError::fromErrno(target);
    // Held until the file is closed: a stale-file sweep never takes a file that is still being written.
    ::flock(fd, LOCK_EX);
    auto fail = [&](const std::string &where) {
        IoError e = IoError::fromErrno(where);
        ::unlink(tmp.c_str());
        ::close(fd);
        return e;
    };
    if (replacing) {
        // The new file keeps the old one's owner, group and mode. Changing the owner needs privileges an ordinary
        // user lacks; the group alone may still be allowed. Either refusal leaves the saver's own, which is fine.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return fail(target);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return fail(target);
    if (::rename(tmp.c_str(), target.c_str()) != 0)
        return fail(target);
    syncFolderOf(target);
    if (::close(fd) != 0)
        return IoError::fromErrno(target);
    return {};
}

bool isTemporaryFileName(std::string_view name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    return name.size() > 1 && name.front() == '.' && mark != std::string_view::npos && mark > 1 &&
           name.size() == mark + kTemporaryMark.size() + kRandomLength;
}

std::size_t removeStaleTemporaryFiles(const std::string &folder) {
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    std::size_t removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isTemporaryFileName(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat opened {
        }, named{};
        // Unlocked means its writer is gone; the name must still be the file that was locked.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev &&
            ::unlink(path.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

std::string saveTextBytes(std::u32string_view text, bool allowUtf8Fallback, bool *usedUtf8) {
    const bool utf8 = allowUtf8Fallback && !representable874(text);
    if (usedUtf8)
        *usedUtf8 = utf8;
    std::string bytes = utf8 ? "\xEF\xBB\xBF" + toUtf8(text) : encode874(text);
    bytes += "\r\n";
    return bytes;
}

std::vector<std::u32string> splitLines(std::u32string_view text) {
    std::vector<std::u32string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace dlx
