#include "TextFile.h"

#include "Codec874.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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
    std::string tmpl = path + ".XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return IoError::fromErrno(path);
    ::fchmod(fd, 0644);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        IoError e = IoError::fromErrno(path);
        ::close(fd);
        ::unlink(tmpl.c_str());
        return e;
    }
    if (::close(fd) != 0 || ::rename(tmpl.c_str(), path.c_str()) != 0) {
        IoError e = IoError::fromErrno(path);
        ::unlink(tmpl.c_str());
        return e;
    }
    return {};
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
