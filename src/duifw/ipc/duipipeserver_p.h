// SPDX-License-Identifier: MIT
#ifndef DUIPIPESERVER_P_H
#define DUIPIPESERVER_P_H

#include "duipipesocket_p.h"

#include <QtCore/qlist.h>
#include <QtCore/qobject.h>
#include <QtCore/qset.h>
#include <QtCore/qsharedpointer.h>
#include <QtCore/qstring.h>

class DuiPipeEndpoint;

// Keeps a few sockets listening under one name and announces each client that connects. Its
// parent must be a DuiPipeSelect, which also parents every socket the server creates; a socket
// passed by accept() belongs to the receiver from then on.
class DUI_AUTOTEST_EXPORT DuiPipeServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int ListeningSockets = 5;
    static constexpr int DefaultMaxConnections = 255;

    explicit DuiPipeServer(QObject *parent);
    ~DuiPipeServer() override;

    // False when the name cannot be served: another live server holds it, something that is not
    // our socket stands at its path, or the name cannot be made into a path.
    bool listen(const QString &name);
    QString name() const;

    // Accepted connections that are still open count against this limit; at the limit no socket
    // listens and further clients find the channel busy.
    void setMaxConnections(int count);
    int maxConnections() const;
    int connectionCount() const;
    int listeningCount() const;

Q_SIGNALS:
    void accept(DuiPipeSocket *socket);

public Q_SLOTS:
    void hasConnected();

private:
    void refill();
    void connectionEnded(QObject *socket);

    QString m_name;
    QSharedPointer<DuiPipeEndpoint> m_endpoint;
    QList<DuiPipeSocket *> m_pendingSockets;
    QSet<QObject *> m_connections;
    int m_maxConnections = DefaultMaxConnections;
    Q_DISABLE_COPY(DuiPipeServer)
};

#endif // DUIPIPESERVER_P_H
