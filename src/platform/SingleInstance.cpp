// Single instance through a lock file and a Unix socket, both named after the settings path.
// The lock decides which copy runs (a crashed owner's lock is taken over); the socket carries
// a second start's request to come to the front.
#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tintor {

namespace {

// The socket address of a path, or false when the path is too long for one.
bool SocketAddress(const QByteArray& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Asks the copy listening at path to come to the front. The connection waits in its queue
// until that copy takes it, also after this one has ended; a full queue is not waited for.
void RequestActivation(const QByteArray& path) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        static constexpr char Request[] = "activate\n";
        [[maybe_unused]] const ssize_t sent = ::send(fd, Request, sizeof Request - 1, MSG_NOSIGNAL);
    }
    ::close(fd);
}

} // namespace

SingleInstance::SingleInstance(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(key).toUtf8(), QCryptographicHash::Sha1).toHex();
    // The socket and the lock live in the user's runtime directory, not loose in /tmp.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    name_ = dir + QStringLiteral("/tintor-") + QString::fromLatin1(hash.left(16));
}

SingleInstance::~SingleInstance() {
    if (listenFd_ < 0) return;
    delete notifier_;
    ::close(listenFd_);
    ::unlink(QFile::encodeName(name_).constData());
}

bool SingleInstance::Acquire() {
    const QByteArray path = QFile::encodeName(name_);
    lock_ = std::make_unique<QLockFile>(name_ + ".lock");
    lock_->setStaleLockTime(0); // a lock left by a crashed copy is recognised by its dead owner
    if (!lock_->tryLock(0)) {
        RequestActivation(path);
        return false;
    }
    // A socket left by a crashed copy goes; without a socket this copy still runs alone.
    sockaddr_un address;
    if (!SocketAddress(path, address)) return true;
    ::unlink(path.constData());
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return true;
    if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 4) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return true;
    }
    notifier_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept() {
    int peer;
    while ((peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        // Every connection is a request to come to the front; its content is not needed.
        ::close(peer);
        if (activate_) activate_();
    }
}

} // namespace tintor
