#pragma once
// One blocking HTTP GET, as the download window needs it: the user interface waits (busy cursor, no user
// input handled) but never hangs, because the request has a deadline, a redirect limit and a body limit.
#include <QByteArray>
#include <QString>
#include <QUrl>

namespace dlx {

struct HttpResponse {
    bool answered = false; ///< a server sent an HTTP status line and the whole body arrived
    int status = 0;        ///< the HTTP status code when answered (a 404 is answered, with its body)
    QByteArray body;
    QString error; ///< why there is no answer: timeout, refused connection, too large, ...
};

class HttpGet {
public:
    virtual ~HttpGet() = default;
    virtual HttpResponse get(const QUrl &url) = 0;
};

/// HttpGet through QNetworkAccessManager and a local event loop that ignores user input while it waits.
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
    Limits limits_;
};

} // namespace dlx
