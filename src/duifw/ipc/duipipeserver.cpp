// SPDX-License-Identifier: MIT
#include "duipipeserver_p.h"

#include "duipipe_p.h"

#include <utility>

DuiPipeServer::DuiPipeServer(QObject *parent)
    : QObject(parent)
{
    if (!qobject_cast<DuiPipeSelect *>(parent))
        qCWarning(lcDuiIpc) << "a pipe server needs a DuiPipeSelect as parent; this one never listens";
}

DuiPipeServer::~DuiPipeServer()
{
    qDeleteAll(std::exchange(m_pendingSockets, {}));
    m_endpoint.reset(); // the last reference: closes the listening socket and removes its file
}

bool DuiPipeServer::listen(const QString &name)
{
    if (m_endpoint)
        return name == m_name;
    auto *select = qobject_cast<DuiPipeSelect *>(parent());
    if (!select)
        return false;
    m_endpoint = DuiPipeEndpoint::open(select, name);
    if (!m_endpoint)
        return false;
    m_name = name;
    refill();
    if (m_pendingSockets.isEmpty() && m_maxConnections > 0) {
        m_endpoint.reset();
        return false;
    }
    return true;
}

QString DuiPipeServer::name() const
{
    return m_name;
}

void DuiPipeServer::setMaxConnections(int count)
{
    m_maxConnections = qMax(count, 0);
    if (m_endpoint)
        refill();
}

int DuiPipeServer::maxConnections() const
{
    return m_maxConnections;
}

int DuiPipeServer::connectionCount() const
{
    return int(m_connections.size());
}

int DuiPipeServer::listeningCount() const
{
    return int(m_pendingSockets.size());
}

void DuiPipeServer::hasConnected()
{
    auto *socket = qobject_cast<DuiPipeSocket *>(sender());
    if (!socket || !m_pendingSockets.removeOne(socket))
        return;
    disconnect(socket, nullptr, this, nullptr);
    m_connections.insert(socket);
    connect(socket, &DuiPipeSocket::hasDisconnect, this, [this, socket] { connectionEnded(socket); });
    connect(socket, &QObject::destroyed, this, &DuiPipeServer::connectionEnded);
    refill();
    Q_EMIT accept(socket);
}

// Keeps ListeningSockets sockets listening while the open connections leave room for them.
void DuiPipeServer::refill()
{
    auto *select = qobject_cast<DuiPipeSelect *>(parent());
    const int wanted = qMin(int(ListeningSockets), m_maxConnections - int(m_connections.size()));
    while (select && m_pendingSockets.size() < wanted) {
        auto *socket = new DuiPipeSocket(select);
        if (!socket->listenOn(m_endpoint)) {
            delete socket;
            break;
        }
        connect(socket, &DuiPipeSocket::hasConnect, this, &DuiPipeServer::hasConnected);
        // A listening socket closes only when accepting fails for good; it is not replaced then,
        // so that a lasting failure does not turn into a loop.
        connect(socket, &DuiPipeSocket::hasDisconnect, this, [this, socket] {
            if (m_pendingSockets.removeOne(socket))
                socket->deleteLater();
        });
        m_pendingSockets.append(socket);
    }
    m_endpoint->setAccepting(!m_pendingSockets.isEmpty());
}

void DuiPipeServer::connectionEnded(QObject *socket)
{
    if (m_connections.remove(socket) && m_endpoint)
        refill();
}
