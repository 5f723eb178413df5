#include "HttpGet.h"

#include <QApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

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

} // namespace

HttpResponse QtHttpGet::get(const QUrl &url) {
    HttpResponse response;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty()) {
        response.error = QStringLiteral("invalid URL: ") + url.toString();
        return response;
    }

    BusyCursor busy;
    QNetworkAccessManager manager;
    if (isLoopback(url))
        manager.setProxy(QNetworkProxy::NoProxy);

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply *reply = manager.get(request);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (!tooLarge && (received > limits_.maxBodyBytes || total > limits_.maxBodyBytes)) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(limits_.timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    if (timedOut) {
        response.error = QStringLiteral("no answer within %1 ms").arg(limits_.timeoutMs);
    } else if (tooLarge) {
        response.error = QStringLiteral("body larger than %1 bytes").arg(limits_.maxBodyBytes);
    } else {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const QNetworkReply::NetworkError error = reply->error();
        // An HTTP error status still carries the server's page; anything else (refused, reset, too many
        // redirects, a cut-off body) is no answer at all.
        const bool httpError =
            (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
            (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
        if (status.isValid() && (error == QNetworkReply::NoError || httpError)) {
            response.body = reply->readAll();
            if (response.body.size() > limits_.maxBodyBytes) {
                response.body.clear();
                response.error = QStringLiteral("body larger than %1 bytes").arg(limits_.maxBodyBytes);
            } else {
                response.answered = true;
                response.status = status.toInt();
            }
        } else {
            response.error = reply->errorString();
        }
    }
    delete reply;
    return response;
}

} // namespace dlx
