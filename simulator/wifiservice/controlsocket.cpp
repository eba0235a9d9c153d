#include "controlsocket.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// hostapd reads requests into a buffer of this size.
constexpr int maxRequestBytes = 8192;

sockaddr_un addressFor(const QByteArray &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

// True when a process has the path bound: a datagram socket connects to it.
bool someoneListens(const QByteArray &path)
{
    const int probe = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const sockaddr_un address = addressFor(path);
    const bool connected
        = ::connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(probe);
    return connected;
}

} // namespace

ControlSocket::ControlSocket(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{ }

ControlSocket::~ControlSocket()
{
    close();
}

int ControlSocket::maxPathBytes()
{
    return int(sizeof(sockaddr_un::sun_path)) - 1;
}

bool ControlSocket::listen(const QString &path)
{
    close();
    m_errorString.clear();
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() > maxPathBytes()) {
        m_errorString = QStringLiteral("the socket path %1 is %2 bytes long; a UNIX socket takes "
                                       "at most %3, so the device root must be shorter")
                            .arg(path)
                            .arg(encoded.size())
                            .arg(maxPathBytes());
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).path())) {
        m_errorString = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        if (someoneListens(encoded)) {
            m_errorString = QStringLiteral("another process answers on %1").arg(path);
            return false;
        }
        ::unlink(encoded.constData());
    }

    m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const sockaddr_un address = addressFor(encoded);
    if (m_fd < 0
        || ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        m_errorString = QStringLiteral("cannot bind %1: %2")
                            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_path = encoded;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ControlSocket::readRequests);
    return true;
}

void ControlSocket::close()
{
    if (m_fd < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_path.constData());
    m_path.clear();
}

void ControlSocket::readRequests()
{
    QByteArray buffer(maxRequestBytes, '\0');
    for (;;) {
        sockaddr_un from {};
        socklen_t fromLength = sizeof from;
        const ssize_t received = ::recvfrom(m_fd, buffer.data(), size_t(buffer.size()), 0,
            reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (received < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            if (error != EAGAIN && error != EWOULDBLOCK)
                qWarning() << "ControlSocket: receiving failed:" << std::strerror(error);
            return;
        }
        const QByteArray request = buffer.left(int(received));
        const QByteArray reply = m_handler(request);
        qDebug() << "ControlSocket:" << request << "->" << reply.size() << "bytes";
        if (fromLength <= socklen_t(sizeof from.sun_family)) {
            qWarning() << "ControlSocket: a client without an address sent" << request
                       << "- no reply possible";
            continue;
        }
        if (::sendto(m_fd, reply.constData(), size_t(reply.size()), MSG_DONTWAIT,
                reinterpret_cast<const sockaddr *>(&from), fromLength)
            < 0) {
            const QByteArray client(from.sun_path,
                int(qstrnlen(from.sun_path, fromLength - offsetof(sockaddr_un, sun_path))));
            qWarning() << "ControlSocket: cannot reply to" << client << "-" << std::strerror(errno);
        }
    }
}
