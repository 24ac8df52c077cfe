// SPDX-License-Identifier: MIT
#include "duipipe_p.h"

// The slots a socket's selectRead(), selectWrite() and selectConnect() signals may be connected
// to. The sockets themselves enter their waits directly, under their own lock (see watch()); these
// re-enter whatever the sending socket is waiting for.

void DuiPipeSelect::selectRead()
{
    if (auto *socket = qobject_cast<DuiPipeSocket *>(sender()))
        socket->watchAgain();
}

void DuiPipeSelect::selectWrite()
{
    if (auto *socket = qobject_cast<DuiPipeSocket *>(sender()))
        socket->watchAgain();
}

void DuiPipeSelect::selectConnect()
{
    if (auto *socket = qobject_cast<DuiPipeSocket *>(sender()))
        socket->watchAgain();
}

void DuiPipeSelect::socketDestroy(DuiPipeSocket *socket)
{
    forget(socket, -1);
}
