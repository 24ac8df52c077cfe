// SPDX-License-Identifier: MIT
// Drives the read path of a connected pair of pipe sockets, through their public methods only.
// The input is a script of one-byte operations, most with an argument byte:
//   0  the client writes the next (argument / 4 + 1) input bytes
//   1  the client writes (argument + 1) KiB of a counting pattern
//   2  the server reads at most (argument * 16 + 1) bytes
//   3  the server reads all
//   4  one pass of the event loop
//   5  the server's read buffer limit becomes argument KiB (the socket keeps at least 4 KiB)
//   6  the server reads in its readAvailable slot from now on, at most (argument + 1) bytes a call
//   7  the server stops reading in its slot
// At the end the server reads until the client's bytes are all in, the client closes, and what
// the server received must be exactly what the client wrote.

#include "fuzzharness.h"

#include <duipipeselect_p.h>
#include <duipipesocket_p.h>

#include <QtCore/qbytearray.h>
#include <QtCore/qcoreapplication.h>
#include <QtCore/qobject.h>

namespace {

DuiPipeSelect *s_select = nullptr;
const QString kName = QStringLiteral("fuzz");
constexpr qsizetype kMaxSent = 1 << 20;
constexpr int kWaitMs = 20000; // a wait this long means bytes went missing, not a slow machine

struct Session
{
    DuiPipeSocket *server = nullptr;
    DuiPipeSocket *client = nullptr;
    QByteArray sent;
    QByteArray received;
    int slotRead = 0; // bytes a readAvailable slot takes per call; 0: the slot does not read

    void write(const char *data, int size)
    {
        if (sent.size() + size > kMaxSent)
            return;
        if (client->write(data, size) != size)
            duifuzz::fail("a connected socket did not queue a whole write");
        sent.append(data, size);
    }
    void read(int maximum)
    {
        QByteArray buffer(maximum, Qt::Uninitialized);
        const int n = server->read(buffer.data(), maximum);
        if (n < 0 || n > maximum)
            duifuzz::fail("read returned more than asked, or less than nothing");
        received.append(buffer.constData(), n);
    }
};

} // namespace

void duifuzz::prepare()
{
    s_select = new DuiPipeSelect; // lives for the whole run
    s_select->start();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Session s;
    s.server = new DuiPipeSocket(s_select);
    s.client = new DuiPipeSocket(s_select);
    if (!s.server->listen(kName) || !s.client->connectToServer(kName))
        duifuzz::fail("cannot connect the pair");
    if (!duifuzz::pumpUntil([&s] { return s.server->isConnected(); }, kWaitMs))
        duifuzz::fail("the server never saw the client");
    QObject::connect(s.server, &DuiPipeSocket::readAvailable, s.server, [&s] {
        if (s.slotRead > 0)
            s.read(s.slotRead);
    });

    QByteArray pattern;
    for (size_t at = 0; at < size;) {
        const uint8_t op = data[at++] % 8;
        const int argument = at < size ? data[at++] : 0;
        switch (op) {
        case 0: {
            const int n = int(qMin<size_t>(size_t(argument / 4 + 1), size - at));
            if (n > 0)
                s.write(reinterpret_cast<const char *>(data + at), n);
            at += size_t(n);
            break;
        }
        case 1:
            pattern.resize((argument + 1) * 1024);
            for (qsizetype i = 0; i < pattern.size(); ++i)
                pattern[i] = char((s.sent.size() + i) % 251);
            s.write(pattern.constData(), int(pattern.size()));
            break;
        case 2:
            s.read(argument * 16 + 1);
            break;
        case 3:
            s.received += s.server->readAll();
            break;
        case 4:
            QCoreApplication::processEvents();
            break;
        case 5:
            s.server->setReadBufferLimit(argument * 1024);
            break;
        case 6:
            s.slotRead = argument + 1;
            break;
        default:
            s.slotRead = 0;
            break;
        }
        if (s.server->bytesAvailable() < 0 || s.client->bytesToWrite() < 0)
            duifuzz::fail("a negative byte count");
    }

    s.slotRead = 1 << 16;
    if (!duifuzz::pumpUntil([&s] { s.read(1 << 16); return s.received.size() >= s.sent.size(); }, kWaitMs))
        duifuzz::fail("written bytes never arrived");
    s.client->close();
    if (!duifuzz::pumpUntil([&s] { return s.server->isClosed(); }, kWaitMs))
        duifuzz::fail("the server never saw the client close");
    s.received += s.server->readAll();
    if (s.received != s.sent)
        duifuzz::fail("the server received other bytes than the client wrote");
    delete s.client;
    delete s.server;
    return 0;
}
