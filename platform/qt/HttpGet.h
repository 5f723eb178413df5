#pragma once
// One blocking HTTP GET, as the download window needs it: the user interface waits (busy cursor, no user
// input handled) but never hangs, because the request has a deadline, a redirect limit and a body limit.
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <string>

class QDeadlineTimer;
class QNetworkAccessManager;

namespace dlx {

/// Why a GET has no answer.
enum class HttpFailure {
    None,
    InvalidUrl,  ///< not an http or https address with a host
    Unreachable, ///< refused, unknown host, reset, ...
    TimedOut,    ///< no whole answer within the time limit
    TooLarge,    ///< the body is over the size limit
    OtherHost,   ///< a redirect to another server, which is not followed
    CutShort,    ///< the connection ended before the announced body had arrived
    Other,       ///< too many redirects and whatever else the network layer reports
};

struct HttpResponse {
    bool answered = false;       ///< a server sent an HTTP status line and a body (a 404 is answered, with its body)
    int status = 0;              ///< the HTTP status code when answered
    std::string body;            ///< read as it arrives, so a large body is held once
    qint64 announcedLength = -1; ///< the Content-Length the server announced, -1 when none
    HttpFailure failure = HttpFailure::None;
    QString error;       ///< the network layer's own words when there is no answer
    QByteArray location; ///< the Location header of a redirect
};

class HttpGet {
public:
    virtual ~HttpGet() = default;
    virtual HttpResponse get(const QUrl &url) = 0;
};

/// HttpGet through QNetworkAccessManager and a local event loop that ignores user input while it waits. Redirects
/// are followed only to the same scheme, host and port.
class QtHttpGet : public HttpGet {
public:
    struct Limits {
        int timeoutMs = 20000; ///< for the whole exchange, redirects included
        int maxRedirects = 3;
        qint64 maxBodyBytes = 16 * 1024 * 1024;
    };
    QtHttpGet() = default;
    explicit QtHttpGet(Limits limits) : limits_(limits) {}
    HttpResponse get(const QUrl &url) override;
    const Limits &limits() const { return limits_; }

private:
    /// One request and its answer, redirects not followed.
    HttpResponse exchange(QNetworkAccessManager &manager, const QUrl &url, const QDeadlineTimer &deadline);

    Limits limits_;
};

} // namespace dlx
