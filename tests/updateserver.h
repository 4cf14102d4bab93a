#pragma once

// A local stand-in for the update server. The program asks for https:// addresses on
// the real host; the test makes this server the application's HTTP proxy, accepts the
// CONNECT tunnel, speaks TLS with a certificate for that host (made trusted for the
// test) and answers GET requests from a table of paths.

#include <QFile>
#include <QHash>
#include <QList>
#include <QNetworkProxy>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>

class UpdateServer : public QTcpServer
{
public:
    struct Route
    {
        QByteArray body;
        int status = 200;
        bool withLength = true; ///< false: no Content-Length, the body ends at close
        bool hold = false; ///< answer only on release()
        bool drop = false; ///< close the connection without an answer
    };

    /// Listens on the loopback interface and becomes the application's proxy; the
    /// certificate and key are PEM files for the host the program asks for.
    bool start(const QString &certificateFile, const QString &keyFile)
    {
        const auto certificates = QSslCertificate::fromPath(certificateFile);
        QFile keyIn(keyFile);
        if (certificates.size() != 1 || !keyIn.open(QIODevice::ReadOnly))
            return false;
        certificate = certificates.first();
        key = QSslKey(keyIn.readAll(), QSsl::Rsa);
        if (key.isNull() || !listen(QHostAddress::LocalHost))
            return false;
        QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
        trusted.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusted);
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), serverPort()));
        return true;
    }

    /// Answers the requests held so far.
    void release()
    {
        const auto waiting = held;
        held.clear();
        for (const auto &h : waiting)
            if (h.socket)
                respond(h.socket, h.route);
    }

    void reset()
    {
        routes.clear();
        requests.clear();
        tunnels.clear();
        held.clear();
    }

    QHash<QString, Route> routes; ///< by path, e.g. "/upgrade/pedal/version.json"
    QStringList requests; ///< the paths asked for, in order
    QStringList tunnels; ///< the CONNECT targets, in order

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(certificate);
        socket->setPrivateKey(key);
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QSslSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }

private:
    struct Held
    {
        QPointer<QSslSocket> socket;
        Route route;
    };

    void onReadyRead(QSslSocket *socket)
    {
        QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            socket->setProperty("buffer", buffer);
            return;
        }
        socket->setProperty("buffer", buffer.mid(end + 4));
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        if (requestLine.size() < 2) {
            socket->abort();
            return;
        }
        if (!socket->isEncrypted() && requestLine[0] == "CONNECT") {
            tunnels << QString::fromLatin1(requestLine[1]);
            socket->write("HTTP/1.1 200 Connection established\r\n\r\n");
            socket->startServerEncryption();
            return;
        }
        const QString path = QString::fromLatin1(requestLine[1]);
        requests << path;
        const auto found = routes.constFind(path);
        Route route = found != routes.cend() ? *found : Route {"not found", 404};
        if (route.drop) {
            socket->disconnectFromHost();
        } else if (route.hold) {
            held.push_back({socket, route});
        } else {
            respond(socket, route);
        }
    }

    static void respond(QSslSocket *socket, const Route &route)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status)
            + (route.status == 200 ? " OK" : " Error") + "\r\nConnection: close\r\n";
        if (route.withLength)
            head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        socket->write(head + "\r\n" + route.body);
        socket->disconnectFromHost();
    }

    QSslCertificate certificate;
    QSslKey key;
    QList<Held> held;
};
