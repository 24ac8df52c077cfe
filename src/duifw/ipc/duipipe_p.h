// SPDX-License-Identifier: MIT
#ifndef DUIPIPE_P_H
#define DUIPIPE_P_H

// What the pipe classes share between the common code and the system files (duipipe_unix.cpp,
// duipipe_win.cpp).

#include "duipipeselect_p.h"
#include "duipipesocket_p.h"

#include <QtCore/qatomic.h>
#include <QtCore/qloggingcategory.h>
#include <QtCore/qmutex.h>
#include <QtCore/qpointer.h>
#include <QtCore/qsharedpointer.h>

Q_DECLARE_LOGGING_CATEGORY(lcDuiIpc)

// The address a name is served at: on Linux the socket path "<runtime folder>/dui-pipe-<NAME,
// percent-encoded>", or "<runtime folder>/dui-pipe-#<SHA-1 of NAME>" when that would not fit a
// socket address; on Windows "\\.\pipe\NAME". Empty when the name cannot be served.
DUI_AUTOTEST_EXPORT QString duiPipeAddress(const QString &name);

struct DuiPipeSocketSystem; // the system's per-socket records (Windows: overlapped I/O)

// A name being served. On Linux the one bound, listening socket that every listening
// DuiPipeSocket of a server accepts from; on Windows only the name, each socket being an instance
// of the pipe.
class DuiPipeEndpoint
{
public:
    static QSharedPointer<DuiPipeEndpoint> open(DuiPipeSelect *select, const QString &name);
    ~DuiPipeEndpoint();

    // Lets clients queue for the endpoint or, when false, finds them the channel busy.
    void setAccepting(bool accepting);

    QPointer<DuiPipeSelect> select;
    QString name;
    qintptr handle = -1;
    QByteArray path;
    quint64 device = 0;
    quint64 inode = 0;

private:
    DuiPipeEndpoint() = default;
};

struct DuiPipeSocketPrivate
{
    static constexpr int ReadChunk = 64 * 1024;   // one receive at most
    static constexpr int ReadTurn = 256 * 1024;   // then the other sockets get their turn
    static constexpr int WriteChunk = 256 * 1024; // one send at most

    DuiPipeSelect *select = nullptr;
    QAtomicInt state = DuiPipeSocket::Closed;
    qintptr handle = -1;
    QSharedPointer<DuiPipeEndpoint> endpoint; // while listening
    DuiPipeSocketSystem *system = nullptr;

    int inBufferSize = 4096;
    int outBufferSize = 4096;
    int readLimit = DuiPipeSocket::DefaultReadBufferLimit;

    // The front `readOffset` bytes of readBuffer were already taken, likewise for writing.
    mutable QRecursiveMutex readMutex;
    QByteArray readBuffer;
    int readOffset = 0;
    // While a read turn announces bytes that still wait in the system: how many of them the
    // receivers have not taken yet (see startSyncRead).
    int announcedInSystem = 0;
    // Since that announcement a receiver found the system holding nothing more (Linux): the turn
    // then only waits again, without a receive of its own that would find nothing either.
    mutable bool systemSeenEmpty = false;
    mutable QRecursiveMutex writeMutex;
    QByteArray writeBuffer;
    int writeOffset = 0;
    bool writeFailed = false; // the peer is gone: writes are dropped until the reading side ends
    // Bytes taken from the queue by the system's own write turn and not yet sent (on Linux the
    // select thread's; see duipipe_unix.cpp). They count as unsent for bytesToWrite().
    int writeInFlight = 0;


    static constexpr int KeptCapacity = 1 << 20; // a buffer up to this size keeps its memory

    // Empties a buffer; one of ordinary size keeps its memory for the next turn, so that a steady
    // stream does not allocate, and fault in, fresh pages for every turn.
    static void empty(QByteArray &buffer)
    {
        if (buffer.capacity() <= KeptCapacity)
            buffer.resize(0);
        else
            buffer.clear();
    }

    int readable() const { return int(readBuffer.size()) - readOffset; }
    int unsent() const { return int(writeBuffer.size()) - writeOffset; }
    void compactRead()
    {
        if (readOffset > 0 && readOffset >= readable()) {
            readBuffer.remove(0, readOffset);
            readOffset = 0;
        }
    }
    void compactWrite()
    {
        if (writeOffset > 0 && writeOffset >= unsent()) {
            writeBuffer.remove(0, writeOffset);
            writeOffset = 0;
        }
    }
    void resetBuffers()
    {
        readBuffer.clear();
        readOffset = 0;
        writeBuffer.clear();
        writeOffset = 0;
        writeFailed = false;
        writeInFlight = 0;
    }
};

// Set up and tear down the system records of a socket (duipipe_unix.cpp / duipipe_win.cpp).
DuiPipeSocketSystem *duiPipeCreateSocketSystem();
void duiPipeDestroySocketSystem(DuiPipeSocketSystem *system);

#endif // DUIPIPE_P_H
