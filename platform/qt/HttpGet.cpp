#include "HttpGet.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace dlx {
namespace {

// Restores the cursor on every way out of get().
struct BusyCursor {
    BusyCursor() {
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            QApplication::restoreOverrideCursor();
    }
};

bool isLoopback(const QUrl &url) {
    const QString host = url.host();
    if (host.compare("localhost", Qt::CaseInsensitive) == 0)
        return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}

int effectivePort(const QUrl &url) {
    return url.port(url.scheme().compare("https", Qt::CaseInsensitive) == 0 ? 443 : 80);
}

bool sameServer(const QUrl &a, const QUrl &b) {
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0 &&
           a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && effectivePort(a) == effectivePort(b);
}

HttpFailure failureOf(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::SslHandshakeFailedError:
        return HttpFailure::Unreachable;
    case QNetworkReply::TimeoutError:
        return HttpFailure::TimedOut;
    default:
        return HttpFailure::Other;
    }
}

} // namespace

HttpResponse QtHttpGet::get(const QUrl &url) {
    HttpResponse response;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty()) {
        response.failure = HttpFailure::InvalidUrl;
        response.error = QStringLiteral("invalid URL: ") + url.toString();
        return response;
    }

    BusyCursor busy;
    QNetworkAccessManager manager;
    if (isLoopback(url))
        manager.setProxy(QNetworkProxy::NoProxy);
    const QDeadlineTimer deadline(limits_.timeoutMs, Qt::PreciseTimer);

    // Redirects are followed here, one request at a time, so that each target is checked and counted.
    QUrl target = url;
    for (int redirects = 0;; ++redirects) {
        response = exchange(manager, target, deadline);
        if (!response.answered || response.status < 300 || response.status >= 400)
            return response;
        const QByteArray location = response.location;
        response = {};
        if (location.isEmpty() || redirects == limits_.maxRedirects) {
            response.failure = HttpFailure::Other;
            response.error = location.isEmpty() ? QStringLiteral("redirect without a location")
                                                : QStringLiteral("more than %1 redirects").arg(limits_.maxRedirects);
            return response;
        }
        const QUrl next = target.resolved(QUrl::fromEncoded(location));
        if (!sameServer(url, next)) {
            response.failure = HttpFailure::OtherHost;
            response.error = QStringLiteral("redirected to another host: ") + next.host();
            return response;
        }
        target = next;
    }
}

HttpResponse QtHttpGet::exchange(QNetworkAccessManager &manager, const QUrl &url, const QDeadlineTimer &deadline) {
    HttpResponse response;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept-Encoding", "identity");
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    // The body is taken out of the reply as it arrives, so that it is never held twice.
    auto takeBody = [&] {
        if (tooLarge)
            return;
        if (response.body.empty()) {
            const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
            if (announced > limits_.maxBodyBytes) {
                tooLarge = true;
                reply->abort();
                return;
            }
            if (announced > 0)
                response.body.reserve(static_cast<std::size_t>(announced));
        }
        const QByteArray chunk = reply->readAll();
        if (response.body.size() + static_cast<std::size_t>(chunk.size()) >
            static_cast<std::size_t>(limits_.maxBodyBytes)) {
            tooLarge = true;
            reply->abort();
            return;
        }
        response.body.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, takeBody);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(std::max<qint64>(0, deadline.remainingTime()));
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    takeBody();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const QNetworkReply::NetworkError error = reply->error();
    // An HTTP error status still carries the server's page; anything else (refused, reset, a cut-off body) is no
    // answer at all.
    const bool httpError =
        (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    if (length.isValid())
        response.announcedLength = length.toLongLong();
    if (timedOut) {
        response.failure = HttpFailure::TimedOut;
        response.error = QStringLiteral("no answer within %1 ms").arg(limits_.timeoutMs);
    } else if (tooLarge) {
        response.failure = HttpFailure::TooLarge;
        response.error = QStringLiteral("body larger than %1 bytes").arg(limits_.maxBodyBytes);
    } else if (status.isValid() && status.toInt() < 200) {
        response.failure = HttpFailure::Other;
        response.error = QStringLiteral("no final answer (HTTP %1)").arg(status.toInt());
    } else if (status.isValid() && (error == QNetworkReply::NoError || httpError)) {
        response.answered = true;
        response.status = status.toInt();
        response.location = reply->rawHeader("Location");
    } else if (status.isValid() && length.isValid() && error == QNetworkReply::RemoteHostClosedError) {
        response.failure = HttpFailure::CutShort;
        response.error = reply->errorString();
    } else {
        response.failure = failureOf(error);
        response.error = reply->errorString();
    }
    if (!response.answered && response.failure != HttpFailure::CutShort)
        response.body = {};
    return response;
}

} // namespace dlx
