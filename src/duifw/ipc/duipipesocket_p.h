// SPDX-License-Identifier: MIT
#ifndef DUIPIPESOCKET_P_H
#define DUIPIPESOCKET_P_H

#include "duiglobal.h"

#include <QtCore/qbytearray.h>
#include <QtCore/qobject.h>
#include <QtCore/qstring.h>

class DuiPipeSelect;
class DuiPipeServer;
class DuiPipeEndpoint;
struct DuiPipeSocketPrivate;

// One end of a local byte-stream channel between processes. Its QObject parent must be the
// DuiPipeSelect that waits for its I/O; completions are processed in that object's thread, where
// the signals are emitted. read(), write() and readAll() may be called from any thread.
//
// On Linux the channel is a Unix domain stream socket in the user's runtime folder, reachable by
// the same user only; on Windows it is the named pipe "\\.\pipe\NAME".
class DUI_AUTOTEST_EXPORT DuiPipeSocket : public QObject
{
    Q_OBJECT
public:
    enum State {
        Listening = 1,
        ReadPending = 4,  // waiting for bytes to arrive
        WritePending = 8, // waiting for room to send
        Closed = 16,
        Connected = 32
    };

    static constexpr int DefaultReadBufferLimit = 1 << 20;

    explicit DuiPipeSocket(QObject *parent);
    ~DuiPipeSocket() override;

    bool listen(const QString &name);
    bool connectToServer(const QString &name);

    // Queues `length` bytes and starts sending; returns `length`, or 0 when not connected or when
    // `length` is not positive.
    int write(const char *data, int length);
    // Moves at most `maximum` buffered bytes to `destination` and returns their count. Bytes that
    // arrived before the peer closed stay readable after the socket is closed.
    int read(char *destination, int maximum);
    QByteArray readAll();

    int bytesAvailable() const;
    int bytesToWrite() const;
    bool isConnected() const;
    bool isClosed() const;
    int state() const;

    // Reading pauses while this many bytes wait unread, so that the kernel holds back a writer
    // that is faster than the reader. At least 4096; 1 MiB by default.
    void setReadBufferLimit(int bytes);
    int readBufferLimit() const;

    void close();

Q_SIGNALS:
    void readAvailable();
    void writeAvailable();
    void hasConnect();
    void hasDisconnect();
    void selectRead();
    void selectWrite();
    void selectConnect();

private:
    Q_INVOKABLE void startSyncRead(bool bSync);
    Q_INVOKABLE void startSyncWrite(bool bSync);
    Q_INVOKABLE void finishSyncConnect();

    bool listenOn(const QSharedPointer<DuiPipeEndpoint> &endpoint);
    int sendDirect(const char *data, int length);
    int receiveDirect(char *destination, int maximum);
    int waitingInSystem() const;
    void resumeReading();
    bool mayStartTurn(bool bSync, int pendingBit) const;
    bool settleWriteQueue(bool failed);
    void announceRead(bool waiting, int received, bool ended);
    void announceWrite(bool waiting, bool sent, bool drained, bool failed);
    void watchAgain();
    bool shutDown();
    void closeAfterError();
    void releaseHandle();
    void setStateBits(int bits);
    void clearStateBits(int bits);

    friend class DuiPipeSelect;
    friend class DuiPipeServer;
    DuiPipeSocketPrivate *const d;
    Q_DISABLE_COPY(DuiPipeSocket)
};

#endif // DUIPIPESOCKET_P_H
