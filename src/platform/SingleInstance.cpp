// Single instance through a lock file and a local socket, both named after the settings path.
#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace tintor {

SingleInstance::SingleInstance(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(key).toUtf8(), QCryptographicHash::Sha1).toHex();
    // The socket and the lock live in the user's runtime directory, not loose in /tmp.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    name_ = dir + QStringLiteral("/tintor-") + QString::fromLatin1(hash.left(16));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    lock_ = std::make_unique<QLockFile>(name_ + ".lock");
    lock_->setStaleLockTime(0); // a lock left by a crashed copy is recognised by its dead owner
    if (!lock_->tryLock(0)) {
        // Another copy runs: ask it to come to the front.
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(1000)) {
            socket.write("activate\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (activate_) activate_();
        }
    });
    server_->listen(name_);
    return true;
}

} // namespace tintor
