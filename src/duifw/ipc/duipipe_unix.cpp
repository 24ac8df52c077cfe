// SPDX-License-Identifier: MIT
#include "duipipe_p.h"

// The channel on Linux: a Unix domain stream socket in the user's runtime folder (mode 0700), the
// socket file itself 0600, and both ends check that the peer runs as the same user. Every call is
// non-blocking; "pending" is EAGAIN, and the select thread waits for readiness with poll, woken by
// an eventfd when the set of watched descriptors changes.

#include <QtCore/qcryptographichash.h>
#include <QtCore/qfile.h>
#include <QtCore/qstandardpaths.h>
#include <QtCore/qvarlengtharray.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

bool makeAddress(const QByteArray &path, sockaddr_un *address, socklen_t *length)
{
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    *length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size()) + 1);
    return true;
}

int newSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

int connectTo(int fd, const sockaddr_un &address, socklen_t length)
{
    int rc;
    do {
        rc = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length);
    } while (rc < 0 && errno == EINTR);
    return rc;
}

// The peer of a connected socket runs as this process's user.
bool peerIsSameUser(int fd)
{
    ucred credentials {};
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) < 0)
        return false;
    return credentials.uid == ::geteuid();
}

// Holds an exclusive lock on the folder of a socket path, so that the test for a stale socket,
// its removal and the new bind happen as one step among processes.
class FolderLock
{
public:
    explicit FolderLock(const QByteArray &path)
    {
        const int slash = int(path.lastIndexOf('/'));
        const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray("/");
        m_fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd >= 0) {
            int rc;
            do {
                rc = ::flock(m_fd, LOCK_EX);
            } while (rc < 0 && errno == EINTR);
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd = -1;
};

// Something listens at the address (a connection was taken, or the queue is full).
bool answers(const sockaddr_un &address, socklen_t length)
{
    const int probe = newSocket();
    if (probe < 0)
        return true; // cannot tell: leave the file alone
    const bool live = connectTo(probe, address, length) == 0 || errno == EAGAIN;
    ::close(probe);
    return live;
}

} // namespace

QString duiPipeAddress(const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    const QByteArray base = QFile::encodeName(folder);
    const size_t room = sizeof(sockaddr_un::sun_path);
    QByteArray path = base + "/dui-pipe-" + name.toUtf8().toPercentEncoding();
    if (size_t(path.size()) >= room) {
        // '#' never appears in a percent-encoded name, so a hashed name meets no spelled-out one.
        path = base + "/dui-pipe-#" + QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    }
    if (size_t(path.size()) >= room)
        return QString();
    return QFile::decodeName(path);
}

// ---- Endpoint: the bound, listening socket of a name ----

QSharedPointer<DuiPipeEndpoint> DuiPipeEndpoint::open(DuiPipeSelect *select, const QString &name)
{
    const QByteArray path = QFile::encodeName(duiPipeAddress(name));
    sockaddr_un address;
    socklen_t length = 0;
    if (!makeAddress(path, &address, &length)) {
        qCWarning(lcDuiIpc) << "no socket path for pipe name" << name;
        return {};
    }

    FolderLock lock(path);
    struct stat info;
    if (::lstat(path.constData(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode) || info.st_uid != ::geteuid()) {
            qCWarning(lcDuiIpc) << "not listening on" << path << "(something else stands there; left alone)";
            return {};
        }
        if (answers(address, length)) {
            qCDebug(lcDuiIpc) << "pipe" << name << "is served already";
            return {};
        }
        ::unlink(path.constData()); // ours and stale: nothing answers
    }

    const int fd = newSocket();
    if (fd < 0) {
        qCWarning(lcDuiIpc) << "cannot create a socket:" << std::strerror(errno);
        return {};
    }
    // The mode of the socket becomes the mode of its file: owner only from the start.
    ::fchmod(fd, 0600);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) < 0) {
        qCWarning(lcDuiIpc) << "cannot bind" << path << ":" << std::strerror(errno);
        ::close(fd);
        return {};
    }
    if (::chmod(path.constData(), 0600) < 0 || ::listen(fd, SOMAXCONN) < 0
        || ::lstat(path.constData(), &info) < 0) {
        qCWarning(lcDuiIpc) << "cannot listen on" << path << ":" << std::strerror(errno);
        ::unlink(path.constData());
        ::close(fd);
        return {};
    }

    QSharedPointer<DuiPipeEndpoint> endpoint(new DuiPipeEndpoint);
    endpoint->select = select;
    endpoint->name = name;
    endpoint->handle = fd;
    endpoint->path = path;
    endpoint->device = quint64(info.st_dev);
    endpoint->inode = quint64(info.st_ino);
    return endpoint;
}

DuiPipeEndpoint::~DuiPipeEndpoint()
{
    if (!path.isEmpty()) {
        // Remove the file only while it is still ours: a successor may have bound the name.
        FolderLock lock(path);
        struct stat info;
        if (::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode)
            && quint64(info.st_dev) == device && quint64(info.st_ino) == inode) {
            ::unlink(path.constData());
        }
    }
    if (handle >= 0) {
        if (select)
            select->forget(nullptr, handle);
        else
            ::close(int(handle));
    }
}

void DuiPipeEndpoint::setAccepting(bool accepting)
{
    // Listening again only changes the queue length. With none, one client at most waits and
    // every further one is told EAGAIN, which clients take for "busy".
    if (handle >= 0)
        ::listen(int(handle), accepting ? SOMAXCONN : 0);
}

// ---- Socket ----

struct DuiPipeSocketSystem
{
};

DuiPipeSocketSystem *duiPipeCreateSocketSystem()
{
    return nullptr;
}

void duiPipeDestroySocketSystem(DuiPipeSocketSystem *)
{
}

bool DuiPipeSocket::listenOn(const QSharedPointer<DuiPipeEndpoint> &endpoint)
{
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        if (!(d->state.loadAcquire() & Closed))
            return true;
        if (!d->select || !endpoint || endpoint->handle < 0)
            return false;
        d->resetBuffers();
        d->endpoint = endpoint;
        d->state.storeRelease(Listening);
        d->select->watch(this, DuiPipeSelect::Connect, endpoint->handle);
    }
    Q_EMIT selectConnect();
    return true;
}

bool DuiPipeSocket::connectToServer(const QString &name)
{
    if (!(d->state.loadAcquire() & Closed))
        return true;
    if (!d->select)
        return false;
    sockaddr_un address;
    socklen_t length = 0;
    if (!makeAddress(QFile::encodeName(duiPipeAddress(name)), &address, &length))
        return false;

    int fd = -1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        fd = newSocket();
        if (fd < 0)
            return false;
        if (connectTo(fd, address, length) == 0)
            break;
        const int error = errno;
        ::close(fd);
        fd = -1;
        if (error != EAGAIN || attempt == 1) {
            qCDebug(lcDuiIpc) << "cannot connect to pipe" << name << ":" << std::strerror(error);
            return false;
        }
        QThread::msleep(100); // every place in the server's queue is taken: wait once
    }
    if (!peerIsSameUser(fd)) {
        qCWarning(lcDuiIpc) << "pipe" << name << "is served by another user; not connecting";
        ::close(fd);
        return false;
    }
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        if (!(d->state.loadAcquire() & Closed)) { // opened meanwhile from another thread
            ::close(fd);
            return true;
        }
        d->resetBuffers();
        d->handle = fd;
        d->state.storeRelease(Connected | ReadPending);
        d->select->watch(this, DuiPipeSelect::Read, fd);
    }
    Q_EMIT selectRead();
    return true;
}

void DuiPipeSocket::finishSyncConnect()
{
    bool connected = false;
    bool waiting = false;
    bool failed = false;
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        if (!(d->state.loadAcquire() & Listening) || !d->endpoint)
            return;
        const int listener = int(d->endpoint->handle);
        int fd;
        do {
            fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        const int error = fd < 0 ? errno : 0;
        bool refused = false;
        if (fd >= 0 && !peerIsSameUser(fd)) {
            qCWarning(lcDuiIpc) << "refused a client of another user on pipe" << d->endpoint->name;
            ::close(fd);
            fd = -1;
            refused = true;
        }
        if (fd >= 0) {
            d->endpoint.reset();
            d->handle = fd;
            d->state.storeRelease(Connected | ReadPending);
            d->select->watch(this, DuiPipeSelect::Read, fd);
            connected = true;
        } else if (refused || error == EAGAIN || error == EWOULDBLOCK || error == ECONNABORTED
                   || error == EPROTO || error == EPERM) {
            // Another listening socket took the client, the client left, or it was refused.
            d->select->watch(this, DuiPipeSelect::Connect, listener);
            waiting = true;
        } else {
            qCWarning(lcDuiIpc) << "accepting on pipe" << d->endpoint->name << "failed:" << std::strerror(error);
            failed = true;
        }
    }
    if (connected) {
        Q_EMIT selectRead();
        Q_EMIT hasConnect();
    }
    if (waiting)
        Q_EMIT selectConnect();
    if (failed)
        closeAfterError();
}

void DuiPipeSocket::startSyncRead(bool bSync)
{
    int received = 0;
    int announced = 0;
    bool waiting = false;
    bool ended = false;
    {
        QMutexLocker lock(&d->readMutex);
        if (!mayStartTurn(bSync, ReadPending))
            return;
        clearStateBits(ReadPending);
        // With nothing buffered, what waits in the kernel is announced before it is taken: a
        // receiver that reads in its slot gets it straight into its own memory. Whatever it
        // leaves is buffered below as usual and not announced twice.
        if (d->readable() == 0)
            announced = d->announcedInSystem = waitingInSystem();
    }
    if (announced > 0)
        Q_EMIT readAvailable();
    {
        QMutexLocker lock(&d->readMutex);
        announced = d->announcedInSystem; // the part the receivers left in the kernel
        d->announcedInSystem = 0;
        if (!mayStartTurn(true, 0))
            return; // closed meanwhile
        const int fd = int(d->handle);
        d->compactRead();
        d->readBuffer.reserve(d->readBuffer.size() + qMin(d->readLimit - d->readable(), int(DuiPipeSocketPrivate::ReadTurn)));
        for (;;) {
            const int room = d->readLimit - d->readable();
            if (room <= 0)
                break; // paused until the reader takes bytes; the kernel holds the writer back
            if (received >= DuiPipeSocketPrivate::ReadTurn) {
                waiting = true; // readable still: poll answers at once, after the others
                break;
            }
            const int want = qMin(room, DuiPipeSocketPrivate::ReadChunk);
            const qsizetype old = d->readBuffer.size();
            d->readBuffer.resize(old + want);
            const ssize_t n = ::recv(fd, d->readBuffer.data() + old, size_t(want), MSG_DONTWAIT);
            d->readBuffer.resize(old + qMax<qsizetype>(n, 0));
            if (n > 0) {
                received += int(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                waiting = true;
                break;
            }
            ended = true; // 0: the peer closed; an error: it vanished. Either way all data is in.
            break;
        }
        if (waiting) {
            setStateBits(ReadPending);
            d->select->watch(this, DuiPipeSelect::Read, fd);
        }
    }
    announceRead(waiting, received - qMin(received, announced), ended);
}

void DuiPipeSocket::startSyncWrite(bool bSync)
{
    bool sent = false;
    bool waiting = false;
    bool drained = false;
    bool failed = false;
    {
        QMutexLocker lock(&d->writeMutex);
        if (!mayStartTurn(bSync, WritePending))
            return;
        clearStateBits(WritePending);
        const int fd = int(d->handle);
        while (d->unsent() > 0) {
            const size_t size = size_t(qMin(d->unsent(), DuiPipeSocketPrivate::WriteChunk));
            const ssize_t n = ::send(fd, d->writeBuffer.constData() + d->writeOffset, size,
                                     MSG_DONTWAIT | MSG_NOSIGNAL);
            if (n > 0) {
                d->writeOffset += int(n);
                sent = true;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                setStateBits(WritePending);
                d->select->watch(this, DuiPipeSelect::Write, fd);
                waiting = true;
            } else {
                failed = true; // EPIPE, ECONNRESET: the peer is gone (MSG_NOSIGNAL spares us SIGPIPE)
            }
            break;
        }
        drained = settleWriteQueue(failed);
    }
    announceWrite(waiting, sent, drained, failed);
}

// The fast paths of write() and read(), with the write or read lock held: as much as the kernel
// takes or has right now. Errors and the end of the stream are left to the watched paths, which
// meet them again and end the connection in order.
int DuiPipeSocket::sendDirect(const char *data, int length)
{
    if (!(d->state.loadAcquire() & Connected))
        return 0;
    int sent = 0;
    while (sent < length) {
        const ssize_t n = ::send(int(d->handle), data + sent, size_t(length - sent), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0)
            sent += int(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return sent;
}

int DuiPipeSocket::receiveDirect(char *destination, int maximum)
{
    if (!(d->state.loadAcquire() & Connected))
        return 0;
    ssize_t n;
    do {
        n = ::recv(int(d->handle), destination, size_t(maximum), MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return 0;
    d->announcedInSystem = qMax(0, d->announcedInSystem - int(n));
    return int(n);
}

// With the read lock held: bytes the kernel holds for this socket.
int DuiPipeSocket::waitingInSystem() const
{
    if (!(d->state.loadAcquire() & Connected) || d->handle < 0)
        return 0;
    int count = 0;
    return ::ioctl(int(d->handle), FIONREAD, &count) == 0 ? count : 0;
}

void DuiPipeSocket::resumeReading()
{
    {
        QMutexLocker lock(&d->readMutex);
        const int state = d->state.loadAcquire();
        if (!(state & Connected) || (state & ReadPending) || d->readable() >= d->readLimit)
            return;
        setStateBits(ReadPending);
        d->select->watch(this, DuiPipeSelect::Read, d->handle);
    }
    Q_EMIT selectRead();
}

void DuiPipeSocket::watchAgain()
{
    QMutexLocker readLock(&d->readMutex);
    QMutexLocker writeLock(&d->writeMutex);
    const int state = d->state.loadAcquire();
    if ((state & Listening) && d->endpoint)
        d->select->watch(this, DuiPipeSelect::Connect, d->endpoint->handle);
    if (state & ReadPending)
        d->select->watch(this, DuiPipeSelect::Read, d->handle);
    if (state & WritePending)
        d->select->watch(this, DuiPipeSelect::Write, d->handle);
}

// Called with both locks held. The descriptor goes to the select thread, which closes it once it
// is out of poll, so that its number cannot be reused while poll still watches it.
void DuiPipeSocket::releaseHandle()
{
    if (d->select)
        d->select->forget(this, d->handle);
    d->handle = -1;
    d->endpoint.reset();
}

// ---- Select thread ----

struct DuiPipeSelectPrivate
{
    struct Watch
    {
        int read = -1; // readable, or a connection to accept when `connect`
        int write = -1;
        bool connect = false;
    };

    mutable QRecursiveMutex mutex;
    QHash<DuiPipeSocket *, Watch> watches;
    QList<int> retired; // descriptors to close once poll has returned
    int wakeFd = -1;
    QAtomicInt stop = 0;
    bool polling = false;     // the thread runs: retired descriptors wait for it
    bool sleeping = false;    // it is inside poll with the list it built
    bool wakePending = false; // the eventfd was written since

    // With the mutex held: a changed list matters only to a thread asleep on the old one.
    void wakeSleeper()
    {
        if (!sleeping || wakePending)
            return;
        wakePending = true;
        const quint64 one = 1;
        (void)::write(wakeFd, &one, sizeof one);
    }

    void closeRetired()
    {
        for (int fd : std::as_const(retired))
            ::close(fd);
        retired.clear();
    }
};

DuiPipeSelect::DuiPipeSelect()
    : d(new DuiPipeSelectPrivate)
{
    d->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (d->wakeFd < 0)
        qCWarning(lcDuiIpc) << "no eventfd for the pipe select thread:" << std::strerror(errno);
}

DuiPipeSelect::~DuiPipeSelect()
{
    d->stop.storeRelease(1);
    wake();
    wait();
    // The sockets and servers go first: they leave the tables below as they are destroyed.
    while (!children().isEmpty())
        delete children().constFirst();
    {
        QMutexLocker lock(&d->mutex);
        d->closeRetired();
        d->watches.clear();
    }
    if (d->wakeFd >= 0)
        ::close(d->wakeFd);
    delete d;
}

int DuiPipeSelect::watchCount() const
{
    QMutexLocker lock(&d->mutex);
    int count = 0;
    for (const DuiPipeSelectPrivate::Watch &w : std::as_const(d->watches))
        count += (w.read >= 0) + (w.write >= 0);
    return count;
}

void DuiPipeSelect::watch(DuiPipeSocket *socket, Kind kind, qintptr handle)
{
    {
        QMutexLocker lock(&d->mutex);
        DuiPipeSelectPrivate::Watch &w = d->watches[socket];
        if (kind == Write) {
            w.write = int(handle);
        } else {
            w.read = int(handle);
            w.connect = kind == Connect;
        }
        d->wakeSleeper();
    }
}

void DuiPipeSelect::forget(DuiPipeSocket *socket, qintptr retiredHandle)
{
    QMutexLocker lock(&d->mutex);
    if (socket)
        d->watches.remove(socket);
    if (retiredHandle < 0)
        return;
    if (d->polling) {
        d->retired.append(int(retiredHandle));
        d->wakeSleeper(); // the peer learns of the close only once the descriptor is closed
    } else {
        ::close(int(retiredHandle));
    }
}

void DuiPipeSelect::wake()
{
    const quint64 one = 1;
    if (d->wakeFd >= 0)
        (void)::write(d->wakeFd, &one, sizeof one);
}

void DuiPipeSelect::run()
{
    struct Target
    {
        DuiPipeSocket *socket;
        Kind kind;
    };
    std::vector<pollfd> fds;
    std::vector<Target> targets;
    {
        QMutexLocker lock(&d->mutex);
        d->polling = true;
    }
    for (;;) {
        fds.clear();
        targets.clear();
        fds.push_back({d->wakeFd, POLLIN, 0});
        targets.push_back({nullptr, Read});
        {
            QMutexLocker lock(&d->mutex);
            d->closeRetired();
            if (d->stop.loadAcquire())
                break;
            for (auto it = d->watches.cbegin(); it != d->watches.cend(); ++it) {
                if (it->read >= 0) {
                    fds.push_back({it->read, POLLIN, 0});
                    targets.push_back({it.key(), it->connect ? Connect : Read});
                }
                if (it->write >= 0) {
                    fds.push_back({it->write, POLLOUT, 0});
                    targets.push_back({it.key(), Write});
                }
            }
            d->sleeping = true;
        }
        const int ready = ::poll(fds.data(), nfds_t(fds.size()), 10000);
        const int pollError = errno;
        QMutexLocker lock(&d->mutex);
        d->sleeping = false;
        if (d->wakePending) {
            quint64 count;
            (void)::read(d->wakeFd, &count, sizeof count);
            d->wakePending = false;
        }
        if (d->stop.loadAcquire())
            break;
        if (ready <= 0) {
            if (ready < 0 && pollError != EINTR) {
                qCWarning(lcDuiIpc) << "poll failed:" << std::strerror(pollError);
                lock.unlock();
                QThread::msleep(10);
            }
            continue;
        }

        // One client wakes every socket listening on its endpoint; one of them is enough.
        QVarLengthArray<int, 8> acceptingFrom;
        for (size_t i = 1; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            DuiPipeSocket *socket = targets[i].socket;
            const Kind kind = targets[i].kind;
            const int fd = fds[i].fd;
            // The entry may have changed since poll began: only what is still watched counts.
            auto it = d->watches.find(socket);
            if (it == d->watches.end())
                continue;
            if (kind == Write) {
                if (it->write != fd)
                    continue;
                it->write = -1;
                QMetaObject::invokeMethod(socket, [socket] { socket->startSyncWrite(true); }, Qt::QueuedConnection);
            } else {
                if (it->read != fd || it->connect != (kind == Connect))
                    continue;
                if (kind == Connect) {
                    if (acceptingFrom.contains(fd))
                        continue;
                    acceptingFrom.append(fd);
                }
                it->read = -1;
                it->connect = false;
                if (kind == Connect)
                    QMetaObject::invokeMethod(socket, [socket] { socket->finishSyncConnect(); }, Qt::QueuedConnection);
                else
                    QMetaObject::invokeMethod(socket, [socket] { socket->startSyncRead(true); }, Qt::QueuedConnection);
            }
            if (it->read < 0 && it->write < 0)
                d->watches.erase(it);
        }
    }
    QMutexLocker lock(&d->mutex);
    d->polling = false;
    d->sleeping = false;
    d->closeRetired();
}
