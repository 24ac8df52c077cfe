// SPDX-License-Identifier: MIT
#include "duipipe_p.h"

#include <cstring>

// The parts of the socket that do not depend on the system: buffers, state and the user's calls.
// Listening, connecting and the I/O itself live in duipipe_unix.cpp and duipipe_win.cpp.
//
// Locking: the read lock guards the read buffer, the write lock the write buffer; a change of the
// handle or of the Connected/Listening/Closed state holds both, the read lock first. Signals are
// emitted with no lock held, so a slot may call back into any socket from any thread.

Q_LOGGING_CATEGORY(lcDuiIpc, "dui.ipc", QtWarningMsg)

DuiPipeSocket::DuiPipeSocket(QObject *parent)
    : QObject(parent)
    , d(new DuiPipeSocketPrivate)
{
    d->select = qobject_cast<DuiPipeSelect *>(parent);
    if (!d->select)
        qCWarning(lcDuiIpc) << "a pipe socket needs a DuiPipeSelect as parent; this one stays closed";
    d->system = duiPipeCreateSocketSystem();
}

DuiPipeSocket::~DuiPipeSocket()
{
    if (d->select)
        d->select->socketDestroy(this);
    shutDown();
    duiPipeDestroySocketSystem(d->system);
    delete d;
}

bool DuiPipeSocket::listen(const QString &name)
{
    if (!(d->state.loadAcquire() & Closed))
        return true;
    if (!d->select)
        return false;
    const QSharedPointer<DuiPipeEndpoint> endpoint = DuiPipeEndpoint::open(d->select, name);
    return endpoint && listenOn(endpoint);
}

int DuiPipeSocket::write(const char *data, int length)
{
    if (!data || length <= 0)
        return 0;
    bool allSent = false;
    bool pending = false;
    {
        QMutexLocker lock(&d->writeMutex);
        const int state = d->state.loadAcquire();
        if ((state & (Closed | Listening)) || d->writeFailed)
            return 0;
        // Nothing queued and nothing waited for: the bytes may go straight out, uncopied.
        pending = state & WritePending;
        const int sent = d->unsent() == 0 && !pending ? sendDirect(data, length) : 0;
        allSent = sent == length;
        if (!allSent) {
            d->compactWrite();
            d->writeBuffer.append(data + sent, length - sent);
        }
    }
    if (allSent)
        Q_EMIT writeAvailable(); // the queue is empty, as after any completed write
    else if (!pending) // else the system's write turn under way takes the new bytes too
        startSyncWrite(false);
    return length;
}

int DuiPipeSocket::read(char *destination, int maximum)
{
    if (!destination || maximum <= 0)
        return 0;
    int count = 0;
    {
        QMutexLocker lock(&d->readMutex);
        count = qMin(maximum, d->readable());
        if (count == 0) // nothing buffered: take what waits in the system, uncopied
            return receiveDirect(destination, maximum);
        std::memcpy(destination, d->readBuffer.constData() + d->readOffset, size_t(count));
        d->readOffset += count;
        if (d->readable() == 0) {
            DuiPipeSocketPrivate::empty(d->readBuffer);
            d->readOffset = 0;
        }
    }
    resumeReading();
    return count;
}

QByteArray DuiPipeSocket::readAll()
{
    QByteArray taken;
    {
        QMutexLocker lock(&d->readMutex);
        if (d->readable() == 0) {
            // Nothing buffered: take what waits in the system, as read() does.
            if (const int waiting = waitingInSystem()) {
                taken.resize(waiting);
                taken.resize(receiveDirect(taken.data(), waiting));
            }
            return taken;
        }
        if (d->readOffset == 0) {
            taken.swap(d->readBuffer);
        } else {
            taken = d->readBuffer.mid(d->readOffset);
            d->readBuffer.clear();
        }
        d->readOffset = 0;
    }
    resumeReading();
    return taken;
}

int DuiPipeSocket::bytesAvailable() const
{
    QMutexLocker lock(&d->readMutex);
    // As read(): what is buffered, or when nothing is, what waits in the system.
    const int buffered = d->readable();
    return buffered > 0 ? buffered : waitingInSystem();
}

int DuiPipeSocket::bytesToWrite() const
{
    QMutexLocker lock(&d->writeMutex);
    return d->unsent() + d->writeInFlight;
}

bool DuiPipeSocket::isConnected() const
{
    return d->state.loadAcquire() & Connected;
}

bool DuiPipeSocket::isClosed() const
{
    return d->state.loadAcquire() & Closed;
}

int DuiPipeSocket::state() const
{
    return d->state.loadAcquire();
}

void DuiPipeSocket::setReadBufferLimit(int bytes)
{
    {
        QMutexLocker lock(&d->readMutex);
        d->readLimit = qMax(bytes, 4096);
    }
    resumeReading();
}

int DuiPipeSocket::readBufferLimit() const
{
    QMutexLocker lock(&d->readMutex);
    return d->readLimit;
}

void DuiPipeSocket::close()
{
    if (shutDown())
        QMetaObject::invokeMethod(this, [this] { Q_EMIT hasDisconnect(); }, Qt::QueuedConnection);
}

// Enters Closed and releases the handle; bytes already received stay readable, bytes not yet sent
// are dropped. False when the socket was closed already.
bool DuiPipeSocket::shutDown()
{
    QMutexLocker readLock(&d->readMutex);
    QMutexLocker writeLock(&d->writeMutex);
    if (d->state.loadAcquire() & Closed)
        return false;
    releaseHandle();
    d->state.storeRelease(Closed);
    d->writeBuffer.clear();
    d->writeOffset = 0;
    d->writeInFlight = 0;
    return true;
}

void DuiPipeSocket::closeAfterError()
{
    qCDebug(lcDuiIpc) << "pipe connection ended" << this;
    close();
}

// A read or write turn runs on a connected socket, and when asked for by the user (`bSync` false)
// only if that side is not waiting for the system already.
bool DuiPipeSocket::mayStartTurn(bool bSync, int pendingBit) const
{
    const int state = d->state.loadAcquire();
    return !(state & (Closed | Listening)) && (bSync || !(state & pendingBit));
}

// The end of a write turn, with the write lock held: after a failure the queue is dropped and
// writing stops; an empty queue keeps its memory. True when the queue is empty and healthy.
bool DuiPipeSocket::settleWriteQueue(bool failed)
{
    if (failed) {
        d->writeFailed = true;
        d->writeBuffer.clear();
        d->writeOffset = 0;
        return false;
    }
    if (d->unsent() > 0) {
        d->compactWrite();
        return false;
    }
    DuiPipeSocketPrivate::empty(d->writeBuffer);
    d->writeOffset = 0;
    return true;
}

// What a read turn reports, with no lock held: hasDisconnect() (queued by close) comes after the
// readAvailable() of the last bytes.
void DuiPipeSocket::announceRead(bool waiting, int received, bool ended)
{
    if (waiting)
        Q_EMIT selectRead();
    if (received > 0)
        Q_EMIT readAvailable();
    if (ended)
        closeAfterError();
}

// What a write turn reports, with no lock held. After a failed write the reading side delivers
// the bytes the peer sent before it went, then meets the end and closes.
void DuiPipeSocket::announceWrite(bool waiting, bool sent, bool drained, bool failed)
{
    if (waiting)
        Q_EMIT selectWrite();
    if (drained || (waiting && sent))
        Q_EMIT writeAvailable();
    if (failed)
        resumeReading();
}

void DuiPipeSocket::setStateBits(int bits)
{
    d->state.fetchAndOrOrdered(bits);
}

void DuiPipeSocket::clearStateBits(int bits)
{
    d->state.fetchAndAndOrdered(~bits);
}
