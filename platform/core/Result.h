#pragma once
// The one way a file or system operation reports failure: a value, or an error that says which path failed and
// why (the errno the system gave). Every layer passes these up unchanged; only a window turns one into a message.
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <variant>

namespace dlx {

struct IoError {
    int code = 0;       ///< errno of the failing call (0 when the failure is not the system's, e.g. bad content)
    std::string path;   ///< the file or folder concerned; may be empty
    std::string detail; ///< a description when code is 0, otherwise empty

    /// The system's own words for the failure: "No space left on device".
    std::string reason() const { return code != 0 ? std::string(std::strerror(code)) : detail; }

    /// The error of the call that just failed: IoError::fromErrno("/tmp/a.pal").
    static IoError fromErrno(std::string path) { return IoError{errno, std::move(path), {}}; }
};

/// A value or an IoError. `if (auto r = readFileBytes(p)) use(*r); else show(r.error());`
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(IoError error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &operator*() { return std::get<0>(v_); }
    const T &operator*() const { return std::get<0>(v_); }
    T *operator->() { return &std::get<0>(v_); }
    const T *operator->() const { return &std::get<0>(v_); }
    T &value() { return std::get<0>(v_); }
    const T &value() const { return std::get<0>(v_); }
    const IoError &error() const { return std::get<1>(v_); }

private:
    std::variant<T, IoError> v_;
};

/// Result of an operation with nothing to give back but success.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(IoError error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const IoError &error() const { return error_; }

private:
    IoError error_;
    bool failed_ = false;
};

using Status = Result<void>;

/// How the bytes of a text file are encoded.
enum class TextEncoding {
    Windows874, ///< the program's own format: Thai code page, CR LF
    Utf8,       ///< UTF-8 without a byte-order mark
    Utf8Bom,    ///< UTF-8 with a byte-order mark (what the program writes when Windows-874 cannot hold the text)
    Utf16LE,    ///< read only: UTF-16 with a little-endian byte-order mark
    Utf16BE,    ///< read only: UTF-16 with a big-endian byte-order mark
};

} // namespace dlx
