// SPDX-License-Identifier: MIT
#ifndef DUIPIPESELECT_P_H
#define DUIPIPESELECT_P_H

#include "duiglobal.h"

#include <QtCore/qthread.h>

class DuiPipeSocket;
struct DuiPipeSelectPrivate;

// The waiting thread of the pipe channel: it waits until the sockets that are its children can
// read, write or accept, and hands each readiness back to its socket, queued, so that reading and
// accepting run in the thread this object lives in, where the signals are emitted. A write that
// the system could not take at once is completed by the system's side: on Windows the overlapped
// write, on Linux this thread, which sends the socket's queue when there is room and then posts
// the completion to the socket's thread. The owner starts it with QThread::start(); the destructor
// stops it and deletes the sockets and servers it parents.
class DUI_AUTOTEST_EXPORT DuiPipeSelect : public QThread
{
    Q_OBJECT
public:
    DuiPipeSelect();
    ~DuiPipeSelect() override;

    // Operations waited for right now (for diagnostics and tests).
    int watchCount() const;

public Q_SLOTS:
    void selectRead();
    void selectWrite();
    void selectConnect();
    void socketDestroy(DuiPipeSocket *socket);

protected:
    void run() override;

private:
    enum Kind { Read, Write, Connect };
    // Both are safe from any thread; the socket calls them with its own lock held, so that a
    // descriptor is never watched after it was released. On Linux watch() arms the wait itself
    // and does not wake the thread.
    void watch(DuiPipeSocket *socket, Kind kind, qintptr handle);
    void forget(DuiPipeSocket *socket, qintptr retiredHandle);
    void wake();

    friend class DuiPipeSocket;
    friend class DuiPipeEndpoint;
    DuiPipeSelectPrivate *const d;
    Q_DISABLE_COPY(DuiPipeSelect)
};

#endif // DUIPIPESELECT_P_H
