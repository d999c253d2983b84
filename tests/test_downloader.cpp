// The Qt Network downloader against a small HTTP server on the loopback address that the
// test runs itself, in the same event loop as the download's wait.
#include "platform/qt_downloader.h"
#include "support/fixtures.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QByteArray kPage = "<html><head><title>凡特睿 最新版本v1.4</title></head></html>\r\n";
constexpr qint64 kMiB = 1 << 20;

// Answers by the request's path:
//   /page          the page above
//   /missing       404 with a body
//   /choices       300 with the page as its body and nowhere to go
//   /hop/N         302 to /hop/N-1 (with a body of its own), /hop/0 is the page
//   /size/N        N bytes, announced
//   /silent        never a byte
//   /trickle       a 1000-byte body announced, sent a byte at a time on a timer
//   /endless       an unannounced body sent without end
class LocalServer : public QObject {
public:
    LocalServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, &LocalServer::accept);
    }
    QString url(const QString& path) const {
        return u"http://127.0.0.1:%1%2"_s.arg(server_.serverPort()).arg(path);
    }
    // Closes the port, so that connecting to it is refused.
    void close() { server_.close(); }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QByteArray path = request.split(' ').value(1);
        pending_.remove(socket);
        answer(socket, path);
    }

    static void reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& headers,
                      const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n" + headers + "\r\n" + body);
        socket->disconnectFromHost();
    }

    void answer(QTcpSocket* socket, const QByteArray& path) {
        if (path == "/page") {
            reply(socket, "200 OK", "Content-Type: text/html\r\n", kPage);
        } else if (path == "/missing") {
            reply(socket, "404 Not Found", {}, "no such page");
        } else if (path == "/choices") {
            reply(socket, "300 Multiple Choices", {}, kPage);
        } else if (path.startsWith("/hop/")) {
            const int left = path.mid(5).toInt();
            if (left == 0)
                reply(socket, "200 OK", {}, kPage);
            else
                reply(socket, "302 Found", "Location: /hop/" + QByteArray::number(left - 1) + "\r\n",
                      "moved on");
        } else if (path.startsWith("/size/")) {
            reply(socket, "200 OK", {}, QByteArray(path.mid(6).toLongLong(), 'x'));
        } else if (path == "/trickle") {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
            timer->start(10);
        } else if (path == "/endless") {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            const auto more = [socket] {
                if (socket->bytesToWrite() < 64 * 1024) socket->write(QByteArray(64 * 1024, 'x'));
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, more);
            more();
        }
        // "/silent": nothing, ever.
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

class DownloaderTest : public testing::Test {
protected:
    // Straight to the loopback server, whatever proxy the machine is set up with.
    DownloaderTest() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    // A leftover of an earlier run lies where the page goes.
    QString stalePath() {
        const QString path = dir.filePath(u"version.txt"_s);
        writeFile(path, "left from before");
        return path;
    }

    QTemporaryDir dir;
    LocalServer server;
};

TEST_F(DownloaderTest, SavesWholePagesAndFailsEverythingElseWithoutAFile) {
    const DownloadLimits quick{300ms};
    const struct {
        const char* what;
        QString path;
        DownloadLimits limits;
        std::optional<QByteArray> page;
    } cases[] = {
        {"a page", u"/page"_s, {}, kPage},
        {"an error status", u"/missing"_s, {}, std::nullopt},
        {"a status that is no success", u"/choices"_s, {}, std::nullopt},
        {"five redirects", u"/hop/5"_s, {}, kPage},
        {"six redirects", u"/hop/6"_s, {}, std::nullopt},
        {"a body of exactly the limit", u"/size/%1"_s.arg(kMiB), {}, QByteArray(kMiB, 'x')},
        {"one byte over the limit", u"/size/%1"_s.arg(kMiB + 1), {}, std::nullopt},
        {"ten MiB", u"/size/%1"_s.arg(10 * kMiB), {}, std::nullopt},
        {"a body without end", u"/endless"_s, {}, std::nullopt},
        {"a server that never answers", u"/silent"_s, quick, std::nullopt},
        {"a body that trickles past the time limit", u"/trickle"_s, quick, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = stalePath();
        QtDownloader downloader(c.limits);
        EXPECT_EQ(downloader.DownloadToFile(server.url(c.path), path), c.page);
        if (c.page)
            EXPECT_EQ(readFile(path), *c.page);
        else
            EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(DownloaderTest, RefusedConnectionFails) {
    const QString url = server.url(u"/page"_s);
    server.close();
    const QString path = stalePath();
    EXPECT_EQ(QtDownloader().DownloadToFile(url, path), std::nullopt);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DownloaderTest, FolderThatRefusesTheFileStillGivesThePage) {
    const QString path = dir.filePath(u"version.txt"_s);
    WriteProtected readOnly(dir.path());
    if (!readOnly.effective()) GTEST_SKIP() << "this file system lets the folder be written";
    EXPECT_EQ(QtDownloader().DownloadToFile(server.url(u"/page"_s), path), kPage);
    EXPECT_FALSE(QFile::exists(path));
}

// Records the key presses and update requests that reach it.
class Recorder : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::UpdateRequest)
            return QObject::event(event);
        received << event->type();
        return true;
    }
    QList<QEvent::Type> received;
};

TEST_F(DownloaderTest, WaitDropsInputKeepsOtherEventsAndEndsOnAbort) {
    QtDownloader downloader;  // ten seconds: only abort() ends this wait soon
    Recorder window;
    const auto send = [&window](QEvent::Type type) {
        if (type == QEvent::KeyPress) {
            QKeyEvent key(type, Qt::Key_A, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &key);
        } else {
            QEvent event(type);
            QCoreApplication::sendEvent(&window, &event);
        }
    };
    QTimer::singleShot(0, &window, [&] {
        send(QEvent::KeyPress);
        send(QEvent::UpdateRequest);
        downloader.abort();
    });
    const QString path = dir.filePath(u"version.txt"_s);
    EXPECT_EQ(downloader.DownloadToFile(server.url(u"/silent"_s), path), std::nullopt);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(window.received, QList{QEvent::UpdateRequest});

    send(QEvent::KeyPress);
    EXPECT_EQ(window.received, (QList{QEvent::UpdateRequest, QEvent::KeyPress}));
}

} // namespace
