// SPDX-License-Identifier: MIT
#include "duipipe_p.h"

// The channel on Windows: the named pipe "\\.\pipe\NAME" in byte mode with overlapped I/O. Each
// operation that does not complete at once is pending; its OVERLAPPED event is what the select
// thread waits for. The pipe's access list grants the creating user (and the system) only, and
// remote clients are rejected.

#include <QtCore/qcryptographichash.h>
#include <QtCore/qvarlengtharray.h>

#include <windows.h>
#include <sddl.h>

namespace {

// Owner and LocalSystem only, protected from inherited entries.
const wchar_t PipeSecurity[] = L"D:P(A;;GA;;;OW)(A;;GA;;;SY)";

std::wstring pipePath(const QString &name)
{
    return duiPipeAddress(name).toStdWString();
}

HANDLE createInstance(const std::wstring &path, DWORD flags, int inSize, int outSize)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(PipeSecurity, SDDL_REVISION_1, &descriptor, nullptr))
        return INVALID_HANDLE_VALUE;
    SECURITY_ATTRIBUTES attributes {};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = descriptor;
    attributes.bInheritHandle = FALSE;
    const HANDLE pipe = CreateNamedPipeW(path.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | flags,
                                         PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                                         PIPE_UNLIMITED_INSTANCES, DWORD(outSize), DWORD(inSize),
                                         NMPWAIT_WAIT_FOREVER, &attributes);
    LocalFree(descriptor);
    return pipe;
}

} // namespace

QString duiPipeAddress(const QString &name)
{
    if (name.isEmpty())
        return QString();
    QString leaf = name;
    leaf.replace(QLatin1Char('\\'), QLatin1String("%5C")); // a backslash would open a sub-name
    if (leaf.size() > 240)
        leaf = QLatin1Char('#') + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex());
    return QStringLiteral("\\\\.\\pipe\\") + leaf;
}

// ---- Endpoint: only the name, checked once ----

QSharedPointer<DuiPipeEndpoint> DuiPipeEndpoint::open(DuiPipeSelect *select, const QString &name)
{
    const QString address = duiPipeAddress(name);
    if (address.isEmpty())
        return {};
    // Only the first instance of a name may carry this flag: it fails while another server lives.
    const HANDLE probe = createInstance(address.toStdWString(), FILE_FLAG_FIRST_PIPE_INSTANCE, 4096, 4096);
    if (probe == INVALID_HANDLE_VALUE) {
        qCDebug(lcDuiIpc) << "pipe" << name << "is served already or cannot be created";
        return {};
    }
    CloseHandle(probe);
    QSharedPointer<DuiPipeEndpoint> endpoint(new DuiPipeEndpoint);
    endpoint->select = select;
    endpoint->name = name;
    return endpoint;
}

DuiPipeEndpoint::~DuiPipeEndpoint() = default;

void DuiPipeEndpoint::setAccepting(bool)
{
    // Every instance is a socket of its own: when none listens, clients find the pipe busy.
}

// ---- Socket ----

struct DuiPipeSocketSystem
{
    OVERLAPPED readOverlapped {};
    OVERLAPPED writeOverlapped {};
    QByteArray readChunk;
    QByteArray writeChunk;
    bool readIssued = false;  // an overlapped read (or connect) is under way
    bool writeIssued = false; // an overlapped write is under way
};

DuiPipeSocketSystem *duiPipeCreateSocketSystem()
{
    auto *system = new DuiPipeSocketSystem;
    system->readOverlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    system->writeOverlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return system;
}

void duiPipeDestroySocketSystem(DuiPipeSocketSystem *system)
{
    CloseHandle(system->readOverlapped.hEvent);
    CloseHandle(system->writeOverlapped.hEvent);
    delete system;
}

static void resetOverlapped(OVERLAPPED &overlapped)
{
    const HANDLE event = overlapped.hEvent;
    ZeroMemory(&overlapped, sizeof overlapped);
    overlapped.hEvent = event;
    ResetEvent(event);
}

bool DuiPipeSocket::listenOn(const QSharedPointer<DuiPipeEndpoint> &endpoint)
{
    bool connected = false;
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        if (!(d->state.loadAcquire() & Closed))
            return true;
        if (!d->select || !endpoint)
            return false;
        const HANDLE pipe = createInstance(pipePath(endpoint->name), 0, d->inBufferSize, d->outBufferSize);
        if (pipe == INVALID_HANDLE_VALUE)
            return false;
        d->resetBuffers();
        d->system->readChunk.clear();
        d->system->writeChunk.clear();
        d->handle = qintptr(pipe);
        d->endpoint = endpoint;
        resetOverlapped(d->system->readOverlapped);
        if (ConnectNamedPipe(pipe, &d->system->readOverlapped)) {
            connected = true;
        } else if (GetLastError() == ERROR_IO_PENDING) {
            d->system->readIssued = true;
        } else if (GetLastError() == ERROR_PIPE_CONNECTED) {
            connected = true; // the client came between creation and the wait
        } else {
            CloseHandle(pipe);
            d->handle = -1;
            d->endpoint.reset();
            return false;
        }
        d->state.storeRelease(Listening);
        if (!connected)
            d->select->watch(this, DuiPipeSelect::Connect, qintptr(d->system->readOverlapped.hEvent));
    }
    if (connected)
        QMetaObject::invokeMethod(this, "finishSyncConnect", Qt::QueuedConnection);
    else
        Q_EMIT selectConnect();
    return true;
}

bool DuiPipeSocket::connectToServer(const QString &name)
{
    if (!(d->state.loadAcquire() & Closed))
        return true;
    if (!d->select)
        return false;
    const std::wstring path = pipePath(name);
    if (path.empty())
        return false;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 2 && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        pipe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (pipe != INVALID_HANDLE_VALUE)
            break;
        if (GetLastError() != ERROR_PIPE_BUSY || attempt == 1 || !WaitNamedPipeW(path.c_str(), 100))
            return false;
    }
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        d->resetBuffers();
        d->handle = qintptr(pipe);
        d->state.storeRelease(Connected);
    }
    startSyncRead(false);
    return true;
}

void DuiPipeSocket::finishSyncConnect()
{
    {
        QMutexLocker readLock(&d->readMutex);
        QMutexLocker writeLock(&d->writeMutex);
        if (!(d->state.loadAcquire() & Listening))
            return;
        d->system->readIssued = false;
        d->endpoint.reset();
        d->state.storeRelease(Connected);
    }
    startSyncRead(false);
    Q_EMIT hasConnect();
}

void DuiPipeSocket::startSyncRead(bool bSync)
{
    int received = 0;
    bool waiting = false;
    bool ended = false;
    {
        QMutexLocker lock(&d->readMutex);
        if (!mayStartTurn(bSync, ReadPending))
            return;
        DuiPipeSocketSystem *system = d->system;
        const HANDLE pipe = HANDLE(d->handle);
        if (bSync && system->readIssued) {
            DWORD count = 0;
            if (GetOverlappedResult(pipe, &system->readOverlapped, &count, FALSE)) {
                d->compactRead();
                d->readBuffer.append(system->readChunk.constData(), int(count));
                received += int(count);
                system->readIssued = false;
            } else if (GetLastError() == ERROR_IO_INCOMPLETE) {
                d->select->watch(this, DuiPipeSelect::Read, qintptr(system->readOverlapped.hEvent));
                return; // a stale wake-up: the read is still under way
            } else {
                system->readIssued = false;
                ended = true;
            }
        }
        clearStateBits(ReadPending);
        while (!ended && !system->readIssued) {
            const int room = d->readLimit - d->readable();
            if (room <= 0 || received >= DuiPipeSocketPrivate::ReadTurn)
                break;
            DWORD waitingBytes = 0;
            PeekNamedPipe(pipe, nullptr, 0, nullptr, &waitingBytes, nullptr);
            const int want = qMin(room, waitingBytes ? int(qMin<DWORD>(waitingBytes, DuiPipeSocketPrivate::ReadChunk)) : d->inBufferSize);
            system->readChunk.resize(want);
            resetOverlapped(system->readOverlapped);
            DWORD count = 0;
            if (ReadFile(pipe, system->readChunk.data(), DWORD(want), &count, &system->readOverlapped)) {
                d->compactRead();
                d->readBuffer.append(system->readChunk.constData(), int(count));
                received += int(count);
            } else if (GetLastError() == ERROR_IO_PENDING) {
                system->readIssued = true;
                setStateBits(ReadPending);
                d->select->watch(this, DuiPipeSelect::Read, qintptr(system->readOverlapped.hEvent));
                waiting = true;
            } else {
                ended = true; // ERROR_BROKEN_PIPE: the peer closed; everything before is in
            }
        }
    }
    announceRead(waiting, received, ended);
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
        DuiPipeSocketSystem *system = d->system;
        const HANDLE pipe = HANDLE(d->handle);
        if (system->writeIssued) {
            DWORD count = 0;
            if (GetOverlappedResult(pipe, &system->writeOverlapped, &count, FALSE)) {
                d->writeOffset += int(count);
                sent = count > 0;
                system->writeIssued = false;
            } else if (GetLastError() == ERROR_IO_INCOMPLETE) {
                d->select->watch(this, DuiPipeSelect::Write, qintptr(system->writeOverlapped.hEvent));
                return;
            } else {
                failed = true;
                system->writeIssued = false;
            }
        }
        clearStateBits(WritePending);
        while (!failed && d->unsent() > 0) {
            const int size = qMin(d->unsent(), d->outBufferSize);
            system->writeChunk = d->writeBuffer.mid(d->writeOffset, size);
            resetOverlapped(system->writeOverlapped);
            DWORD count = 0;
            if (WriteFile(pipe, system->writeChunk.constData(), DWORD(size), &count, &system->writeOverlapped)) {
                d->writeOffset += int(count);
                sent = true;
            } else if (GetLastError() == ERROR_IO_PENDING) {
                // The bytes stay queued until the system confirms them.
                system->writeIssued = true;
                setStateBits(WritePending);
                d->select->watch(this, DuiPipeSelect::Write, qintptr(system->writeOverlapped.hEvent));
                waiting = true;
                break;
            } else {
                failed = true;
            }
        }
        drained = settleWriteQueue(failed);
    }
    announceWrite(waiting, sent, drained, failed);
}

int DuiPipeSocket::sendDirect(const char *, int)
{
    return 0; // every write goes through the overlapped queue
}

int DuiPipeSocket::receiveDirect(char *, int)
{
    return 0;
}

int DuiPipeSocket::waitingInSystem() const
{
    return 0; // read() takes only what the overlapped reads delivered
}

// Restarts a read that paused at the buffer limit, in the socket's own thread.
void DuiPipeSocket::resumeReading()
{
    QMutexLocker lock(&d->readMutex);
    const int state = d->state.loadAcquire();
    if ((state & Connected) && !(state & ReadPending) && !d->system->readIssued && d->readable() < d->readLimit)
        QMetaObject::invokeMethod(this, "startSyncRead", Qt::QueuedConnection, Q_ARG(bool, false));
}

void DuiPipeSocket::watchAgain()
{
    QMutexLocker readLock(&d->readMutex);
    QMutexLocker writeLock(&d->writeMutex);
    const int state = d->state.loadAcquire();
    if (state & Listening)
        d->select->watch(this, DuiPipeSelect::Connect, qintptr(d->system->readOverlapped.hEvent));
    if (state & ReadPending)
        d->select->watch(this, DuiPipeSelect::Read, qintptr(d->system->readOverlapped.hEvent));
    if (state & WritePending)
        d->select->watch(this, DuiPipeSelect::Write, qintptr(d->system->writeOverlapped.hEvent));
}

// Called with both locks held: cancels what is under way and waits for it, so that no system
// write lands in a chunk or an OVERLAPPED record after this.
void DuiPipeSocket::releaseHandle()
{
    if (d->select)
        d->select->forget(this, -1);
    const HANDLE pipe = HANDLE(d->handle);
    if (d->handle != -1 && pipe != INVALID_HANDLE_VALUE) {
        CancelIoEx(pipe, nullptr);
        DWORD count = 0;
        if (d->system->readIssued)
            GetOverlappedResult(pipe, &d->system->readOverlapped, &count, TRUE);
        if (d->system->writeIssued)
            GetOverlappedResult(pipe, &d->system->writeOverlapped, &count, TRUE);
        CloseHandle(pipe);
    }
    d->system->readIssued = false;
    d->system->writeIssued = false;
    d->handle = -1;
    d->endpoint.reset();
}

// ---- Select thread ----

struct DuiPipeSelectPrivate
{
    struct Entry
    {
        DuiPipeSocket *socket;
        int kind;
    };
    mutable QRecursiveMutex mutex;
    QHash<HANDLE, Entry> events;
    HANDLE wakeEvent = nullptr; // auto-reset: a set that comes before the wait is not lost
    QAtomicInt stop = 0;
    int rotation = 0;
};

DuiPipeSelect::DuiPipeSelect()
    : d(new DuiPipeSelectPrivate)
{
    d->wakeEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

DuiPipeSelect::~DuiPipeSelect()
{
    d->stop.storeRelease(1);
    wake();
    wait();
    while (!children().isEmpty())
        delete children().constFirst();
    {
        QMutexLocker lock(&d->mutex);
        d->events.clear();
    }
    CloseHandle(d->wakeEvent);
    delete d;
}

int DuiPipeSelect::watchCount() const
{
    QMutexLocker lock(&d->mutex);
    return int(d->events.size());
}

void DuiPipeSelect::watch(DuiPipeSocket *socket, Kind kind, qintptr handle)
{
    {
        QMutexLocker lock(&d->mutex);
        d->events.insert(HANDLE(handle), {socket, int(kind)});
    }
    wake();
}

void DuiPipeSelect::forget(DuiPipeSocket *socket, qintptr)
{
    QMutexLocker lock(&d->mutex);
    for (auto it = d->events.begin(); it != d->events.end();) {
        if (it->socket == socket)
            it = d->events.erase(it);
        else
            ++it;
    }
    wake();
}

void DuiPipeSelect::wake()
{
    SetEvent(d->wakeEvent);
}

void DuiPipeSelect::run()
{
    // A wait takes 64 handles at most: with more, the events are waited for in turns of 63
    // (after the wake event), each turn briefly, so that every one of them is seen.
    QVarLengthArray<HANDLE, MAXIMUM_WAIT_OBJECTS> handles;
    while (!d->stop.loadAcquire()) {
        handles.clear();
        handles.append(d->wakeEvent);
        bool crowded = false;
        {
            QMutexLocker lock(&d->mutex);
            const QList<HANDLE> all = d->events.keys();
            crowded = all.size() > MAXIMUM_WAIT_OBJECTS - 1;
            const int start = crowded ? d->rotation++ % int(all.size()) : 0;
            for (int i = 0; i < all.size() && handles.size() < MAXIMUM_WAIT_OBJECTS; ++i)
                handles.append(all.at((start + i) % all.size()));
        }
        const DWORD result = WaitForMultipleObjects(DWORD(handles.size()), handles.constData(), FALSE,
                                                    crowded ? 10 : 10000);
        if (d->stop.loadAcquire())
            break;
        if (result == WAIT_FAILED) {
            // A handle closed under the wait: drop those that no longer exist.
            QMutexLocker lock(&d->mutex);
            for (auto it = d->events.begin(); it != d->events.end();) {
                DWORD flags = 0;
                if (!GetHandleInformation(it.key(), &flags))
                    it = d->events.erase(it);
                else
                    ++it;
            }
            continue;
        }
        if (result < WAIT_OBJECT_0 + 1 || result >= WAIT_OBJECT_0 + DWORD(handles.size()))
            continue;
        const HANDLE event = handles.at(int(result - WAIT_OBJECT_0));
        QMutexLocker lock(&d->mutex);
        const auto it = d->events.constFind(event);
        if (it == d->events.cend())
            continue;
        DuiPipeSocket *socket = it->socket;
        const int kind = it->kind;
        d->events.erase(it);
        if (kind == Write)
            QMetaObject::invokeMethod(socket, [socket] { socket->startSyncWrite(true); }, Qt::QueuedConnection);
        else if (kind == Connect)
            QMetaObject::invokeMethod(socket, [socket] { socket->finishSyncConnect(); }, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(socket, [socket] { socket->startSyncRead(true); }, Qt::QueuedConnection);
    }
}
