// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include "duipipeselect_p.h"
#include "duipipeserver_p.h"
#include "duipipesocket_p.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdeadlinetimer.h>
#include <QtCore/qloggingcategory.h>
#include <QtCore/qsharedpointer.h>
#include <QtCore/qthread.h>

Q_LOGGING_CATEGORY(lcMessenger, "messenger", QtWarningMsg)

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_select(new DuiPipeSelect)
{
    m_select->start();
}

SingleInstance::~SingleInstance()
{
    // Stops the waiting thread, then deletes the server and every socket.
    delete m_select;
}

QByteArray SingleInstance::encode(const QStringList &arguments)
{
    QByteArray bytes;
    for (const QString &argument : arguments)
        bytes += argument.toUtf8() + '\0';
    return bytes;
}

QStringList SingleInstance::decode(const QByteArray &bytes)
{
    QStringList arguments;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\0'); end >= 0; end = bytes.indexOf('\0', start)) {
        arguments << QString::fromUtf8(bytes.constData() + start, end - start);
        start = end + 1;
    }
    // An unterminated tail was cut off on the way: it is not an argument.
    return arguments;
}

bool SingleInstance::claim(const QStringList &arguments, bool *handedOver)
{
    *handedOver = false;
    // Two attempts: a server that goes away between our connect and our listen, or an instance
    // that starts at the same moment, is met on the second round.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (handOver(arguments)) {
            *handedOver = true;
            return false;
        }
        auto *server = new DuiPipeServer(m_select);
        if (server->listen(m_name)) {
            m_server = server;
            connect(server, &DuiPipeServer::accept, this, &SingleInstance::accepted);
            return true;
        }
        delete server;
        QThread::msleep(50);
    }
    qCWarning(lcMessenger) << "cannot serve or reach the pipe" << m_name << "; running without the single-instance rule";
    return false;
}

bool SingleInstance::handOver(const QStringList &arguments)
{
    auto *socket = new DuiPipeSocket(m_select);
    if (!socket->connectToServer(m_name)) {
        delete socket;
        return false;
    }
    const QByteArray bytes = encode(arguments);
    if (bytes.size() > MaxCommandBytes || socket->write(bytes.constData(), int(bytes.size())) != bytes.size()) {
        delete socket;
        return false;
    }
    // Most writes go to the kernel at once; a queued rest is sent by the waiting thread.
    const QDeadlineTimer deadline(3000);
    while (socket->bytesToWrite() > 0 && socket->isConnected() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    const bool sent = socket->bytesToWrite() == 0;
    socket->close();
    delete socket;
    return sent;
}

void SingleInstance::accepted(DuiPipeSocket *socket)
{
    // The sender closes after writing; the command line is complete at the end of the stream.
    auto received = QSharedPointer<QByteArray>::create();
    connect(socket, &DuiPipeSocket::readAvailable, this, [socket, received] {
        if (received->size() > MaxCommandBytes)
            return;
        *received += socket->readAll();
        if (received->size() > MaxCommandBytes) {
            qCWarning(lcMessenger) << "a command line of more than" << MaxCommandBytes << "bytes was dropped";
            socket->close();
        }
    });
    connect(socket, &DuiPipeSocket::hasDisconnect, this, [this, socket, received] {
        *received += socket->readAll();
        if (received->size() <= MaxCommandBytes)
            Q_EMIT commandLineReceived(decode(*received));
        socket->deleteLater();
    });
}
