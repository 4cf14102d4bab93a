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

#include <algorithm>
#include <memory>

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
        QByteArray location {}; ///< with a 3xx status: where the answer sends the client
        /// Blanks sent before the body, made as the client takes them, so that a huge
        /// answer costs the server no memory; their count is in `streamed`.
        qint64 padding = 0;
    };

    /// Listens on the loopback interface and becomes the application's proxy; the
    /// certificate and key are PEM files for the host the program asks for.
    bool start(const QString &certificateFile, const QString &keyFile)
    {
        if (!useCertificate(certificateFile, keyFile, true) || !listen(QHostAddress::LocalHost))
            return false;
        defaultCertificate = certificate;
        defaultKey = key;
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), serverPort()));
        return true;
    }

    /// Answers tunnels from now on with another certificate; `trusted` makes the
    /// application trust it (as the issuer of itself).
    bool useCertificate(const QString &certificateFile, const QString &keyFile, bool trusted)
    {
        const auto certificates = QSslCertificate::fromPath(certificateFile);
        QFile keyIn(keyFile);
        if (certificates.size() != 1 || !keyIn.open(QIODevice::ReadOnly))
            return false;
        certificate = certificates.first();
        key = QSslKey(keyIn.readAll(), QSsl::Rsa);
        if (key.isNull())
            return false;
        if (trusted) {
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.addCaCertificate(certificate);
            QSslConfiguration::setDefaultConfiguration(configuration);
        }
        return true;
    }

    /// Answers the requests held so far, or only those for `path`.
    void release(const QString &path = QString())
    {
        QList<Held> waiting;
        for (auto it = held.begin(); it != held.end();) {
            if (path.isEmpty() || it->path == path) {
                waiting << *it;
                it = held.erase(it);
            } else {
                ++it;
            }
        }
        for (const auto &h : waiting)
            if (h.socket)
                respond(h.socket, h.route, h.path);
    }

    void reset()
    {
        routes.clear();
        requests.clear();
        tunnels.clear();
        held.clear();
        streamed.clear();
        certificate = defaultCertificate;
        key = defaultKey;
    }

    QHash<QString, Route> routes; ///< by path, e.g. "/upgrade/pedal/version.json"
    QStringList requests; ///< the paths asked for, in order (absolute for plain http)
    QStringList tunnels; ///< the CONNECT targets, in order
    QHash<QString, qint64> streamed; ///< padding bytes handed to the connection, by path

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
        QString path;
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
            held.push_back({socket, route, path});
        } else {
            respond(socket, route, path);
        }
    }

    void respond(QSslSocket *socket, const Route &route, const QString &path)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status)
            + (route.status == 200 ? " OK" : " Error") + "\r\nConnection: close\r\n";
        if (route.withLength)
            head += "Content-Length: " + QByteArray::number(route.padding + route.body.size())
                + "\r\n";
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        socket->write(head + "\r\n");
        if (route.padding == 0) {
            socket->write(route.body);
            socket->disconnectFromHost();
            return;
        }
        // Never more than a few chunks waiting in the connection: the rest is made only
        // once the client has taken those.
        auto left = std::make_shared<qint64>(route.padding);
        const auto pump = [this, socket, left, body = route.body, path] {
            constexpr qint64 chunk = 64 * 1024;
            while (*left > 0
                   && socket->bytesToWrite() + socket->encryptedBytesToWrite() < 4 * chunk) {
                const qint64 n = std::min(chunk, *left);
                socket->write(QByteArray(n, ' '));
                *left -= n;
                streamed[path] += n;
            }
            if (*left == 0) {
                *left = -1;
                socket->write(body);
                socket->disconnectFromHost();
            }
        };
        connect(socket, &QSslSocket::encryptedBytesWritten, socket, pump);
        pump();
    }

    QSslCertificate certificate;
    QSslKey key;
    QSslCertificate defaultCertificate;
    QSslKey defaultKey;
    QList<Held> held;
};
