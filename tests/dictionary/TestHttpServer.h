#pragma once
// A small HTTP/1.1 server on 127.0.0.1 inside the test process. It answers each path with a canned reply, or
// with silence, and records what it was asked. The blocking GET waits in a local event loop of the same
// thread, which also serves these sockets.
#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

namespace dlx::test {

class TestHttpServer {
public:
    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray headers;     ///< extra header lines, each ending in \r\n
        bool silent = false;    ///< accept the request and never answer
        bool withLength = true; ///< false: no Content-Length, the end of the body is the closed connection
        qint64 announced = -1;  ///< a Content-Length other than the body's, for a body cut short
    };

    QHash<QString, Reply> routes; ///< by path; any other path gets 404 with a page of its own
    QStringList paths;            ///< every path asked for, in order
    bool busyCursorWhileAsked = false;

    TestHttpServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    bool listen() { return server_.listen(QHostAddress::LocalHost, 0); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

private:
    void serve(QTcpSocket *socket) {
        QByteArray &request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        pending_.remove(socket);
        paths << path;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busyCursorWhileAsked = cursor && cursor->shape() == Qt::WaitCursor;
        Reply reply = routes.value(path, Reply{404, "<html><body>no such file</body></html>", {}, false, true});
        if (reply.silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n";
        if (reply.withLength)
            head +=
                "Content-Length: " + QByteArray::number(reply.announced >= 0 ? reply.announced : reply.body.size()) +
                "\r\n";
        head += reply.headers + "Connection: close\r\n\r\n";
        socket->write(head);
        socket->write(reply.body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket *, QByteArray> pending_;
};

} // namespace dlx::test
