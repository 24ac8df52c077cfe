// SPDX-License-Identifier: MIT
#include "duipipe_p.h"

// The channel on Linux: a Unix domain stream socket in the user's runtime folder (mode 0700), the
// socket file itself 0600, and both ends check that the peer runs as the same user. Every call is
// non-blocking; "pending" is EAGAIN. The select thread waits for readiness with epoll, each wait
// armed once (EPOLLONESHOT) by whichever thread starts it, so that starting a wait never has to
// wake the select thread; an eventfd wakes it only to stop or to close released descriptors.
//
// Who does the I/O: a socket reads in its own thread, straight into the receiver's memory when the
// receiver reads in its readAvailable() slot. Writing starts in the writer's thread, straight from
// the caller's bytes while the kernel has room; once the kernel is full, the select thread sends
// the queue itself whenever there is room again, as an overlapped write does on Windows, and only
// reports progress to the socket's thread.

#include <QtCore/qcryptographichash.h>
#include <QtCore/qfile.h>
#include <QtCore/qstandardpaths.h>
#include <QtCore/qvarlengtharray.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <linux/sockios.h>
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

// A stream socket sends as many bytes ahead of its reader as its send buffer holds. Every time
// that buffer fills, both ends pass through their select threads; a larger buffer means fewer of
// those rounds per megabyte. The system caps the request at its own maximum (net.core.wmem_max,
// 208 KiB on a stock system) and books twice the figure for its bookkeeping, so a connection
// holds at most 2 MiB in the kernel where the system allows that much.
constexpr int SendBuffer = 1024 * 1024;

void enlargeSendBuffer(int fd)
{
    if (fd >= 0)
        (void)::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &SendBuffer, sizeof SendBuffer);
}

int newSocket()
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    enlargeSendBuffer(fd);
    return fd;
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

// Small writes while the peer has not yet read what was sent before wait for the select thread,
// which sends them together with those that follow meanwhile: a stream of small writes then costs
// a send and a wake of the reader per batch rather than per write. A write to an idle peer (the
// reply of a request, say) still goes out at once. Larger writes always go at once.
constexpr int CorkBelow = 16 * 1024;

bool corked(int fd, int length)
{
    if (length <= 0 || length >= CorkBelow)
        return false;
    int unread = 0; // bytes sent on this socket that the peer has not received yet
    return ::ioctl(fd, SIOCOUTQ, &unread) == 0 && unread > 0;
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

// What the select thread needs of a socket to send its queue. The select thread keeps a reference
// while it works on the socket, so the record outlives a socket deleted meanwhile.
struct DuiPipeSocketSystem
{
    QAtomicInt references = 1; // the socket's own, plus one per registration and per send turn
    // Guards `owner`: the select thread holds it while it touches the socket's queue, and the
    // socket's destructor clears `owner` under it.
    QMutex ownerLock;
    DuiPipeSocket *owner = nullptr;
    // Counts the releases of the handle (with both socket locks held): bytes taken under an older
    // count belong to a connection that is gone.
    quint32 generation = 0;
    // Bytes the select thread took from the write queue and sends without holding the write lock;
    // only the select thread touches them. They come before everything in the queue.
    QByteArray sending;
    int sendingOffset = 0;
    quint32 sendingGeneration = 0;
    // A writeAvailable() is on its way to the socket's thread; one is enough.
    QAtomicInt writeNotice = 0;

    // The bytes in hand go unsent: the connection ended, or they belong to one that did.
    void dropSending()
    {
        sending.clear();
        sendingOffset = 0;
    }

    void release()
    {
        if (!references.deref())
            delete this;
    }
};

DuiPipeSocketSystem *duiPipeCreateSocketSystem()
{
    return new DuiPipeSocketSystem;
}

static void setOwner(DuiPipeSocketSystem *system, DuiPipeSocket *socket)
{
    QMutexLocker lock(&system->ownerLock);
    system->owner = socket;
}

void duiPipeDestroySocketSystem(DuiPipeSocketSystem *system)
{
    {
        QMutexLocker lock(&system->ownerLock);
        system->owner = nullptr; // a send turn of the select thread under way drops its bytes
    }
    system->release();
}

// The select thread's tables. Each connected socket has one registration of its descriptor with
// epoll, armed for reading, writing or both, and disarmed by the kernel when it reports (one-shot);
// the thread that starts a wait arms it again, directly: epoll_ctl takes effect at once, even
// while the select thread sleeps, so it is never woken for that. A listening endpoint has one
// registration that all the sockets waiting to accept on it share.
struct DuiPipeSelectPrivate
{
    struct Registration
    {
        int fd = -1;
        quint32 armed = 0;                     // EPOLLIN and EPOLLOUT waited for now
        DuiPipeSocket *socket = nullptr;       // a connected socket, or
        DuiPipeSocketSystem *system = nullptr; // (its record, one reference held)
        QList<DuiPipeSocket *> acceptors;      // those waiting to accept on a listening endpoint
    };

    QMutex mutex;
    int epollFd = -1;
    int wakeFd = -1;
    quint64 nextToken = 1; // 0 stands for the eventfd
    QHash<quint64, Registration> registrations;
    QHash<DuiPipeSocket *, quint64> connected; // socket -> its registration
    QHash<int, quint64> listeners;             // listening descriptor -> its registration
    QHash<DuiPipeSocket *, int> accepting;     // listening socket -> the descriptor it waits on
    QHash<DuiPipeSocket *, int> handedClient;  // listening socket told of a client, not yet accepted
    QList<int> retired;                        // descriptors to close between two waits
    QAtomicInt stop = 0;
    bool running = false;     // the thread runs: retired descriptors wait for it
    bool sleeping = false;    // it is inside epoll_wait
    bool wakePending = false; // the eventfd was written since

    // With the mutex held: tells the kernel what `r` waits for. A registration waiting for nothing
    // stays disarmed, so that a hung-up socket nobody reads cannot report again and again.
    void arm(quint64 token, const Registration &r)
    {
        if (!r.armed)
            return;
        epoll_event event {};
        event.events = r.armed | EPOLLONESHOT;
        event.data.u64 = token;
        if (::epoll_ctl(epollFd, EPOLL_CTL_MOD, r.fd, &event) < 0)
            qCWarning(lcDuiIpc) << "cannot watch descriptor" << r.fd << ":" << std::strerror(errno);
    }

    quint64 add(int fd, Registration r)
    {
        const quint64 token = nextToken++;
        r.fd = fd;
        epoll_event event {};
        event.events = r.armed | EPOLLONESHOT; // disarmed unless it waits for something
        event.data.u64 = token;
        if (::epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &event) < 0)
            qCWarning(lcDuiIpc) << "cannot watch descriptor" << fd << ":" << std::strerror(errno);
        registrations.insert(token, std::move(r));
        return token;
    }

    void remove(quint64 token)
    {
        const auto it = registrations.find(token);
        if (it == registrations.end())
            return;
        ::epoll_ctl(epollFd, EPOLL_CTL_DEL, it->fd, nullptr); // the descriptor is still open here
        if (it->system)
            it->system->release();
        registrations.erase(it);
    }

    // With the mutex held: the sockets still waiting on a listening descriptor wait again.
    void armListener(int fd)
    {
        const auto found = listeners.constFind(fd);
        if (found == listeners.cend())
            return;
        Registration &r = registrations[*found];
        r.armed = r.acceptors.isEmpty() ? 0 : quint32(EPOLLIN);
        arm(*found, r);
    }

    // With the mutex held: only a thread asleep in epoll_wait needs waking, and once.
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
        setOwner(d->system, this);
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
        setOwner(d->system, this);
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
            enlargeSendBuffer(fd);
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
        // The select thread handed the readiness to this socket alone: the others waiting on the
        // endpoint wait again, for the next client.
        QMutexLocker selectLock(&d->select->d->mutex);
        d->select->d->handedClient.remove(this);
        d->select->d->armListener(listener);
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
        d->systemSeenEmpty = false;
    }
    if (announced > 0)
        Q_EMIT readAvailable();
    {
        QMutexLocker lock(&d->readMutex);
        const bool allTaken = announced > 0 && d->announcedInSystem == 0 && d->systemSeenEmpty;
        announced = d->announcedInSystem; // the part the receivers left in the kernel
        d->announcedInSystem = 0;
        if (!mayStartTurn(true, 0))
            return; // closed meanwhile
        const int fd = int(d->handle);
        if (allTaken && d->readable() == 0) {
            // The receivers took every byte and saw the kernel empty: wait again at once. Bytes
            // or an end that came since are reported as soon as the wait is armed.
            setStateBits(ReadPending);
            d->select->watch(this, DuiPipeSelect::Read, fd);
            lock.unlock();
            announceRead(true, 0, false);
            return;
        }
        d->compactRead();
        d->readBuffer.reserve(d->readBuffer.size() + qMin(d->readLimit - d->readable(), int(DuiPipeSocketPrivate::ReadTurn)));
        for (;;) {
            const int room = d->readLimit - d->readable();
            if (room <= 0)
                break; // paused until the reader takes bytes; the kernel holds the writer back
            if (received >= DuiPipeSocketPrivate::ReadTurn) {
                waiting = true; // readable still: the wait reports at once, after the others
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

// A write turn in the socket's (or the writer's) thread: sends the queue while the kernel takes
// it. Once the kernel is full the socket is WritePending and the select thread owns the queue: it
// sends the rest whenever there is room (see DuiPipeSelect::run), so a turn asked for meanwhile
// has nothing to do, whatever `bSync` says.
void DuiPipeSocket::startSyncWrite(bool)
{
    bool sent = false;
    bool waiting = false;
    bool drained = false;
    bool failed = false;
    {
        QMutexLocker lock(&d->writeMutex);
        if (!mayStartTurn(false, WritePending))
            return;
        const int fd = int(d->handle);
        if (corked(fd, d->unsent())) {
            // The select thread sends these bytes together with those that follow meanwhile.
            setStateBits(WritePending);
            d->select->watch(this, DuiPipeSelect::Write, fd);
            lock.unlock();
            announceWrite(true, false, false, false);
            return;
        }
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
    if (!(d->state.loadAcquire() & Connected) || corked(int(d->handle), length))
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
    if (n <= 0) {
        d->systemSeenEmpty = true; // nothing, or the end: either way the wait reports what comes
        return 0;
    }
    d->announcedInSystem = qMax(0, d->announcedInSystem - int(n));
    return int(n);
}

// With the read lock held: bytes the kernel holds for this socket.
int DuiPipeSocket::waitingInSystem() const
{
    if (!(d->state.loadAcquire() & Connected) || d->handle < 0)
        return 0;
    int count = 0;
    if (::ioctl(int(d->handle), FIONREAD, &count) != 0)
        count = 0;
    if (count == 0)
        d->systemSeenEmpty = true;
    return count;
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

// Called with both locks held. The descriptor goes to the select thread, which closes it between
// two of its waits, when it is sure not to be sending on it, so that its number cannot be reused
// while the select thread still uses it.
void DuiPipeSocket::releaseHandle()
{
    ++d->system->generation; // what the select thread holds of the queue is dropped
    d->writeInFlight = 0;
    if (d->select)
        d->select->forget(this, d->handle);
    d->handle = -1;
    d->endpoint.reset();
}

// ---- Select thread ----

DuiPipeSelect::DuiPipeSelect()
    : d(new DuiPipeSelectPrivate)
{
    d->epollFd = ::epoll_create1(EPOLL_CLOEXEC);
    d->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (d->epollFd < 0 || d->wakeFd < 0) {
        qCWarning(lcDuiIpc) << "no epoll or eventfd for the pipe select thread:" << std::strerror(errno);
        return;
    }
    epoll_event event {};
    event.events = EPOLLIN;
    event.data.u64 = 0;
    ::epoll_ctl(d->epollFd, EPOLL_CTL_ADD, d->wakeFd, &event);
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
        const QList<quint64> tokens = d->registrations.keys();
        for (quint64 token : tokens)
            d->remove(token);
        d->connected.clear();
        d->listeners.clear();
        d->accepting.clear();
        d->handedClient.clear();
    }
    if (d->wakeFd >= 0)
        ::close(d->wakeFd);
    if (d->epollFd >= 0)
        ::close(d->epollFd);
    delete d;
}

int DuiPipeSelect::watchCount() const
{
    QMutexLocker lock(&d->mutex);
    int count = 0;
    for (const DuiPipeSelectPrivate::Registration &r : std::as_const(d->registrations)) {
        if (r.socket)
            count += bool(r.armed & EPOLLIN) + bool(r.armed & EPOLLOUT);
        else
            count += int(r.acceptors.size());
    }
    return count;
}

// Arms the wait at once, from the calling thread; the select thread is not woken.
void DuiPipeSelect::watch(DuiPipeSocket *socket, Kind kind, qintptr handle)
{
    const int fd = int(handle);
    if (fd < 0 || d->epollFd < 0)
        return;
    QMutexLocker lock(&d->mutex);
    if (kind == Connect) {
        quint64 token = d->listeners.value(fd);
        if (!token) {
            token = d->add(fd, {});
            d->listeners.insert(fd, token);
        }
        DuiPipeSelectPrivate::Registration &r = d->registrations[token];
        if (!r.acceptors.contains(socket))
            r.acceptors.append(socket);
        d->accepting.insert(socket, fd);
        r.armed = EPOLLIN;
        d->arm(token, r);
        return;
    }
    const quint32 bit = kind == Write ? quint32(EPOLLOUT) : quint32(EPOLLIN);
    quint64 token = d->connected.value(socket);
    if (token && d->registrations.value(token).fd != fd) { // a new connection of the same socket
        d->remove(token);
        token = 0;
    }
    if (!token) {
        DuiPipeSelectPrivate::Registration r;
        r.socket = socket;
        r.system = socket->d->system;
        r.system->references.ref();
        token = d->add(fd, std::move(r));
        d->connected.insert(socket, token);
    }
    DuiPipeSelectPrivate::Registration &r = d->registrations[token];
    r.armed |= bit;
    d->arm(token, r);
}

void DuiPipeSelect::forget(DuiPipeSocket *socket, qintptr retiredHandle)
{
    QMutexLocker lock(&d->mutex);
    if (socket) {
        if (const quint64 token = d->connected.take(socket))
            d->remove(token);
        // A listening socket that was handed a client and goes without accepting it: the others
        // waiting on that endpoint wait again, so that the client is not left in the queue.
        if (d->handedClient.contains(socket)) {
            const int listener = d->handedClient.take(socket);
            d->armListener(listener);
        }
        const auto waiting = d->accepting.constFind(socket);
        if (waiting != d->accepting.cend()) {
            if (const quint64 token = d->listeners.value(*waiting)) {
                DuiPipeSelectPrivate::Registration &r = d->registrations[token];
                r.acceptors.removeAll(socket);
            }
            d->accepting.erase(waiting);
        }
    }
    if (retiredHandle < 0)
        return;
    if (const quint64 token = d->listeners.take(int(retiredHandle)))
        d->remove(token); // an endpoint closes
    if (d->running) {
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
    if (d->epollFd < 0)
        return;

    // Tells the socket's thread that its queue moved on, emptied, or failed. One notice at a time
    // is enough: the slots look at the queue as it is when they run.
    auto notify = [](DuiPipeSocket *socket, DuiPipeSocketSystem *system) {
        if (!system->writeNotice.testAndSetOrdered(0, 1))
            return;
        QMetaObject::invokeMethod(socket, [socket] {
            socket->d->system->writeNotice.storeRelease(0);
            bool failed;
            {
                QMutexLocker lock(&socket->d->writeMutex);
                failed = socket->d->writeFailed;
            }
            if (failed)
                socket->resumeReading(); // the reading side delivers the last bytes, then ends
            else
                Q_EMIT socket->writeAvailable();
        }, Qt::QueuedConnection);
    };

    // A write turn of the select thread: takes the socket's queue under its write lock, sends it
    // with no lock held (the writer keeps appending meanwhile), and settles under the lock again.
    // The descriptor stays open throughout: released descriptors are closed only between waits.
    auto sendQueue = [&](DuiPipeSocketSystem *system) {
        for (;;) {
            int fd = -1;
            {
                QMutexLocker ownerLock(&system->ownerLock);
                DuiPipeSocket *socket = system->owner;
                if (!socket)
                    break;
                DuiPipeSocketPrivate *sd = socket->d;
                QMutexLocker lock(&sd->writeMutex);
                const int state = sd->state.loadAcquire();
                if ((state & (DuiPipeSocket::Closed | DuiPipeSocket::Listening))
                    || !(state & DuiPipeSocket::WritePending) || sd->writeFailed) {
                    system->dropSending();
                    break;
                }
                if (system->sendingGeneration != system->generation) // left from an earlier connection
                    system->dropSending();
                if (system->sendingOffset >= system->sending.size()) {
                    if (sd->unsent() == 0) { // all sent: the writer may send directly again
                        socket->clearStateBits(DuiPipeSocket::WritePending);
                        sd->writeInFlight = 0;
                        DuiPipeSocketPrivate::empty(sd->writeBuffer);
                        sd->writeOffset = 0;
                        notify(socket, system);
                        break;
                    }
                    // Take the whole queue; the writer gets the emptied buffer, with its memory.
                    DuiPipeSocketPrivate::empty(system->sending);
                    system->sending.swap(sd->writeBuffer);
                    system->sendingOffset = sd->writeOffset;
                    system->sendingGeneration = system->generation;
                    sd->writeOffset = 0;
                }
                sd->writeInFlight = int(system->sending.size()) - system->sendingOffset;
                fd = int(sd->handle);
            }

            int error = 0;
            bool sent = false;
            while (system->sendingOffset < system->sending.size()) {
                const size_t size = size_t(qMin(int(system->sending.size()) - system->sendingOffset,
                                                DuiPipeSocketPrivate::WriteChunk));
                const ssize_t n = ::send(fd, system->sending.constData() + system->sendingOffset, size,
                                         MSG_DONTWAIT | MSG_NOSIGNAL);
                if (n > 0) {
                    system->sendingOffset += int(n);
                    sent = true;
                } else if (n < 0 && errno == EINTR) {
                    continue;
                } else {
                    error = n < 0 ? errno : EPIPE;
                    break;
                }
            }

            QMutexLocker ownerLock(&system->ownerLock);
            DuiPipeSocket *socket = system->owner;
            if (!socket)
                break;
            DuiPipeSocketPrivate *sd = socket->d;
            QMutexLocker lock(&sd->writeMutex);
            const int state = sd->state.loadAcquire();
            if ((state & (DuiPipeSocket::Closed | DuiPipeSocket::Listening)) || system->sendingGeneration != system->generation) {
                system->dropSending(); // closed meanwhile: the rest is dropped, as by close()
                break;
            }
            sd->writeInFlight = int(system->sending.size()) - system->sendingOffset;
            if (error == EAGAIN || error == EWOULDBLOCK) {
                // The kernel is full: wait for room, with the rest in hand.
                watch(socket, Write, fd);
                if (sent)
                    notify(socket, system);
                break;
            }
            if (error) { // the peer is gone (MSG_NOSIGNAL spares us SIGPIPE)
                system->dropSending();
                sd->writeInFlight = 0;
                socket->settleWriteQueue(true);
                socket->clearStateBits(DuiPipeSocket::WritePending);
                notify(socket, system);
                break;
            }
            // All in hand went out: take what the writer queued meanwhile.
        }
        system->release();
    };

    {
        QMutexLocker lock(&d->mutex);
        d->running = true;
    }
    epoll_event events[64];
    for (;;) {
        QVarLengthArray<DuiPipeSocketSystem *, 64> writable; // each with a reference held
        {
            QMutexLocker lock(&d->mutex);
            d->closeRetired();
            if (d->stop.loadAcquire())
                break;
            d->sleeping = true;
        }
        const int ready = ::epoll_wait(d->epollFd, events, int(std::size(events)), -1);
        const int waitError = errno;
        {
            QMutexLocker lock(&d->mutex);
            d->sleeping = false;
            if (d->stop.loadAcquire())
                break;
            if (ready < 0 && waitError != EINTR) {
                qCWarning(lcDuiIpc) << "epoll_wait failed:" << std::strerror(waitError);
                lock.unlock();
                QThread::msleep(10);
                continue;
            }
            for (int i = 0; i < ready; ++i) {
                const quint64 token = events[i].data.u64;
                if (token == 0) {
                    quint64 count;
                    (void)::read(d->wakeFd, &count, sizeof count);
                    d->wakePending = false;
                    continue;
                }
                // A registration removed since the kernel reported it is gone from the table;
                // its descriptor number may belong to another file by now, but not its token.
                const auto it = d->registrations.find(token);
                if (it == d->registrations.end())
                    continue;
                if (!it->socket) {
                    // A client for a listening endpoint: one of the waiting sockets accepts it.
                    it->armed = 0;
                    if (!it->acceptors.isEmpty()) {
                        DuiPipeSocket *socket = it->acceptors.takeFirst();
                        d->accepting.remove(socket);
                        d->handedClient.insert(socket, it->fd);
                        QMetaObject::invokeMethod(socket, [socket] { socket->finishSyncConnect(); }, Qt::QueuedConnection);
                    }
                    continue;
                }
                const quint32 happened = events[i].events;
                quint32 fired = 0;
                if (happened & (EPOLLIN | EPOLLERR | EPOLLHUP))
                    fired |= EPOLLIN;
                if (happened & (EPOLLOUT | EPOLLERR | EPOLLHUP))
                    fired |= EPOLLOUT;
                fired &= it->armed;
                it->armed &= ~fired;
                d->arm(token, *it); // the one-shot report disarmed the other direction too
                DuiPipeSocket *socket = it->socket;
                if (fired & EPOLLIN) // posted under the mutex: the socket cannot be deleted meanwhile
                    QMetaObject::invokeMethod(socket, [socket] { socket->startSyncRead(true); }, Qt::QueuedConnection);
                if (fired & EPOLLOUT) {
                    it->system->references.ref();
                    writable.append(it->system);
                }
            }
        }
        for (DuiPipeSocketSystem *system : std::as_const(writable))
            sendQueue(system); // releases the reference taken above
    }
    QMutexLocker lock(&d->mutex);
    d->running = false;
    d->sleeping = false;
    d->closeRetired();
}
