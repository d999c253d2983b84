#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QByteArrayView kShow = "show\n";
constexpr QByteArrayView kShown = "shown\n";

} // namespace

QString instanceKey(const QString& dataFile) {
    // The data file may not exist yet; its folder does, and names it without links.
    const QFileInfo file(dataFile);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    const QByteArray id = (folder + u'/' + file.fileName() + u'\n' + QDir::homePath()).toUtf8();
    return u"vantrel-"_s +
           QString::fromLatin1(QCryptographicHash::hash(id, QCryptographicHash::Sha1).toHex().left(20));
}

SingleInstance::SingleInstance(const QString& dataFile, QObject* parent)
    : QObject(parent),
      key_(instanceKey(dataFile)),
      lock_(QDir::temp().filePath(key_ + u".lock"_s)) {
    // Held for the whole run; only a dead holder makes it stale, never its age.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::Claim SingleInstance::claim() {
    if (lock_.tryLock(0)) {
        // A socket left behind by a program that died would refuse the name.
        QLocalServer::removeServer(key_);
        server_.listen(key_);
        return Claim::First;
    }
    // The running program listens from its first moments on and answers once its event
    // loop runs; give it a few seconds before giving up.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(key_);
        if (socket.waitForConnected(250)) {
            socket.write(kShow.data(), kShow.size());
            socket.waitForBytesWritten(1000);
            while (socket.bytesAvailable() < kShown.size() && socket.waitForReadyRead(5000)) {}
            return socket.readLine() == kShown ? Claim::HandedOver : Claim::Unanswered;
        }
        QThread::msleep(100);
    }
    return Claim::Unanswered;
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) return;
    if (socket->readLine() != kShow) {
        socket->disconnectFromServer();
        return;
    }
    Q_EMIT showRequested();
    socket->write(kShown.data(), kShown.size());
    socket->flush();
    socket->disconnectFromServer();
}
