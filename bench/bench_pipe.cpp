// SPDX-License-Identifier: MIT
// The pipe channel against a raw socketpair in the same process: 256 MB in 4 KiB and in 64 KiB
// writes, and a 64-byte ping-pong. The streams run twice: with both ends in this thread (a
// non-blocking raw pair driven by one loop), and with the writing end in a thread of its own (a
// blocking raw pair with a writer thread), which is how two processes meet. The channel adds its
// buffers, its locks and the hand-over between the waiting thread and the socket's thread.

#include "benchutil.h"

#include <duipipeselect_p.h>
#include <duipipeserver_p.h>
#include <duipipesocket_p.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qelapsedtimer.h>
#include <QtCore/qeventloop.h>
#include <QtCore/qthread.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <cerrno>
#include <cstdio>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr qint64 Total = 256LL << 20;

// Raw: a non-blocking socketpair driven from one thread, sending until the kernel is full and
// then receiving all that waits.
void rawStream(int writeSize)
{
    int fds[2];
    ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds);
    QByteArray out(writeSize, 'x');
    QByteArray in(64 * 1024, Qt::Uninitialized);
    qint64 sent = 0;
    qint64 received = 0;
    while (received < Total) {
        while (sent < Total) {
            const ssize_t n = ::send(fds[0], out.constData(), size_t(qMin<qint64>(writeSize, Total - sent)), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += n;
        }
        for (;;) {
            const ssize_t n = ::recv(fds[1], in.data(), size_t(in.size()), 0);
            if (n <= 0)
                break;
            received += n;
        }
    }
    ::close(fds[0]);
    ::close(fds[1]);
}

// Raw ping-pong: a thread answers each 64-byte message, both sides blocking.
void rawPingPong(int rounds)
{
    int fds[2];
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, fds);
    std::thread echo([fd = fds[1], rounds] {
        char message[64];
        for (int i = 0; i < rounds; ++i) {
            if (::recv(fd, message, sizeof message, MSG_WAITALL) != sizeof message)
                return;
            ::send(fd, message, sizeof message, MSG_NOSIGNAL);
        }
    });
    char message[64] = {};
    for (int i = 0; i < rounds; ++i) {
        ::send(fds[0], message, sizeof message, MSG_NOSIGNAL);
        ::recv(fds[0], message, sizeof message, MSG_WAITALL);
    }
    echo.join();
    ::close(fds[0]);
    ::close(fds[1]);
}

struct Channel
{
    DuiPipeSelect select;
    DuiPipeSocket *client = nullptr;
    DuiPipeSocket *peer = nullptr;

    Channel()
    {
        select.start();
        auto *server = new DuiPipeServer(&select);
        QObject::connect(server, &DuiPipeServer::accept, server, [this](DuiPipeSocket *s) { peer = s; });
        server->listen(QStringLiteral("bench-%1").arg(::getpid()));
        client = new DuiPipeSocket(&select);
        client->connectToServer(QStringLiteral("bench-%1").arg(::getpid()));
        while (!peer)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

// The channel: the client writes pieces of `writeSize` bytes while less than 256 KiB waits in
// its queue; the server's end reads everything that arrives into a 64 KiB buffer.
void channelStream(Channel &channel, int writeSize)
{
    QByteArray out(writeSize, 'x');
    QByteArray in(64 * 1024, Qt::Uninitialized);
    qint64 queued = 0;
    qint64 received = 0;
    bool pumping = false;
    QEventLoop loop;
    auto pump = [&] {
        if (pumping)
            return;
        pumping = true;
        while (queued < Total && channel.client->bytesToWrite() < 256 * 1024)
            queued += channel.client->write(out.constData(), int(qMin<qint64>(writeSize, Total - queued)));
        pumping = false;
    };
    auto a = QObject::connect(channel.client, &DuiPipeSocket::writeAvailable, pump);
    auto b = QObject::connect(channel.peer, &DuiPipeSocket::readAvailable, [&] {
        while (int n = channel.peer->read(in.data(), int(in.size())))
            received += n;
        if (received >= Total)
            loop.quit();
    });
    pump();
    loop.exec();
    QObject::disconnect(a);
    QObject::disconnect(b);
}

void channelPingPong(Channel &channel, int rounds)
{
    char message[64] = {};
    int done = 0;
    QEventLoop loop;
    auto a = QObject::connect(channel.peer, &DuiPipeSocket::readAvailable, [&] {
        char in[64];
        while (channel.peer->bytesAvailable() >= 64) {
            channel.peer->read(in, 64);
            channel.peer->write(in, 64);
        }
    });
    auto b = QObject::connect(channel.client, &DuiPipeSocket::readAvailable, [&] {
        while (channel.client->bytesAvailable() >= 64) {
            channel.client->read(message, 64);
            if (++done == rounds)
                loop.quit();
            else
                channel.client->write(message, 64);
        }
    });
    channel.client->write(message, 64);
    loop.exec();
    QObject::disconnect(a);
    QObject::disconnect(b);
}

// Raw, two threads: a thread writes into a blocking socketpair, this one reads, as two
// processes would.
void rawStreamThreaded(int writeSize)
{
    int fds[2];
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, fds);
    std::thread writer([fd = fds[0], writeSize] {
        QByteArray out(writeSize, 'x');
        for (qint64 sent = 0; sent < Total;) {
            const ssize_t n = ::send(fd, out.constData(), size_t(qMin<qint64>(writeSize, Total - sent)), MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += n;
        }
    });
    QByteArray in(64 * 1024, Qt::Uninitialized);
    for (qint64 received = 0; received < Total;) {
        const ssize_t n = ::recv(fds[1], in.data(), size_t(in.size()), 0);
        if (n <= 0)
            break;
        received += n;
    }
    writer.join();
    ::close(fds[0]);
    ::close(fds[1]);
}

// The channel, two threads: the client end and its select thread live in a worker thread with an
// event loop of its own and write there; the server end reads in this thread.
struct RemoteClient
{
    QThread thread;
    QObject context;
    DuiPipeSelect *select = nullptr;
    DuiPipeSocket *client = nullptr;
    DuiPipeSocket *peer = nullptr;

    RemoteClient()
    {
        DuiPipeSelect *local = new DuiPipeSelect;
        local->start();
        auto *server = new DuiPipeServer(local);
        QObject::connect(server, &DuiPipeServer::accept, server, [this](DuiPipeSocket *s) { peer = s; });
        const QString name = QStringLiteral("bench-remote-%1").arg(::getpid());
        server->listen(name);
        thread.start();
        context.moveToThread(&thread);
        QMetaObject::invokeMethod(&context, [this, name] {
            select = new DuiPipeSelect;
            select->start();
            client = new DuiPipeSocket(select);
            client->connectToServer(name);
        }, Qt::BlockingQueuedConnection);
        while (!peer)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    ~RemoteClient()
    {
        QMetaObject::invokeMethod(&context, [this] { delete select; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    void stream(int writeSize)
    {
        QMetaObject::invokeMethod(&context, [this, writeSize] {
            auto out = std::make_shared<QByteArray>(writeSize, 'x');
            auto queued = std::make_shared<qint64>(0);
            auto pumping = std::make_shared<bool>(false);
            auto pump = [this, out, queued, pumping, writeSize] {
                if (*pumping)
                    return;
                *pumping = true;
                while (*queued < Total && client->bytesToWrite() < 256 * 1024)
                    *queued += client->write(out->constData(), int(qMin<qint64>(writeSize, Total - *queued)));
                if (*queued >= Total)
                    QObject::disconnect(client, &DuiPipeSocket::writeAvailable, &context, nullptr);
                *pumping = false;
            };
            QObject::connect(client, &DuiPipeSocket::writeAvailable, &context, pump);
            pump();
        });
        QByteArray in(64 * 1024, Qt::Uninitialized);
        qint64 received = 0;
        QEventLoop loop;
        auto link = QObject::connect(peer, &DuiPipeSocket::readAvailable, [&] {
            while (int n = peer->read(in.data(), int(in.size())))
                received += n;
            if (received >= Total)
                loop.quit();
        });
        loop.exec();
        QObject::disconnect(link);
    }
};

double mbPerSecond(double ns)
{
    return Total / 1e6 / (ns / 1e9);
}

// One case: `rounds` runs of each side (after one warm-up run of each), raw and pipe taking turns
// (the raw pair first in even rounds, the pipe first in odd ones), so that both meet the same
// load when other work shares the machine. A side left out (--raw, --pipe) is skipped.
struct Paired
{
    double rawNs = 0;   // median
    double pipeNs = 0;  // median
    double ratio = 0;   // median of the per-round ratios pipe / raw
    double minRatio = 0;
};

template <typename Raw, typename Pipe>
Paired measure(bool rawSide, bool pipeSide, int rounds, Raw &&raw, Pipe &&pipe)
{
    auto timed = [](auto &&fn) {
        QElapsedTimer timer;
        timer.start();
        fn();
        return double(timer.nsecsElapsed());
    };
    if (rawSide)
        raw();
    if (pipeSide)
        pipe();
    std::vector<double> raws, pipes, ratios;
    for (int i = 0; i < rounds; ++i) {
        double r = 0, p = 0;
        if (i % 2 == 0) {
            r = rawSide ? timed(raw) : 0;
            p = pipeSide ? timed(pipe) : 0;
        } else {
            p = pipeSide ? timed(pipe) : 0;
            r = rawSide ? timed(raw) : 0;
        }
        raws.push_back(r);
        pipes.push_back(p);
        if (r > 0 && p > 0)
            ratios.push_back(p / r);
    }
    auto median = [](std::vector<double> v) {
        if (v.empty())
            return 0.0;
        std::sort(v.begin(), v.end());
        return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    Paired result;
    result.rawNs = median(raws);
    result.pipeNs = median(pipes);
    result.ratio = median(ratios);
    result.minRatio = ratios.empty() ? 0 : *std::min_element(ratios.begin(), ratios.end());
    return result;
}

void print(const char *what, const Paired &m, const char *rawName)
{
    std::printf("%-48s %12.3f ms   %-32s %12.3f ms   ratio %.2f (rounds: median %.2f, best %.2f)\n", what,
                m.pipeNs / 1e6, rawName, m.rawNs / 1e6, m.rawNs > 0 ? m.pipeNs / m.rawNs : 0.0, m.ratio,
                m.minRatio);
}

void printStream(const char *what, const Paired &m, const char *rawName)
{
    print(what, m, rawName);
    std::printf("    %.0f MB/s against %.0f MB/s\n", m.pipeNs > 0 ? mbPerSecond(m.pipeNs) : 0.0,
                m.rawNs > 0 ? mbPerSecond(m.rawNs) : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Optional arguments pick cases: "one" (or "one4", "one64"), "two" (or "two4", "two64"),
    // "ping"; all by default. "--raw" or "--pipe" runs only that side, so that a profiler or
    // `perf stat` sees one side of one case alone.
    QStringList picked = app.arguments().mid(1);
    const bool rawSide = !picked.removeAll(QStringLiteral("--pipe"));
    const bool pipeSide = !picked.removeAll(QStringLiteral("--raw"));
    auto runs = [&](const QString &which) {
        return picked.isEmpty() || picked.contains(which) || picked.contains(which.left(3));
    };
    std::unique_ptr<Channel> channel;
    if (pipeSide)
        channel = std::make_unique<Channel>();

    for (const int size : {4096, 65536}) {
        if (!runs(QStringLiteral("one%1").arg(size / 1024)))
            continue;
        const Paired m = measure(rawSide, pipeSide, 5, [&] { rawStream(size); },
                                 [&] { channelStream(*channel, size); });
        char what[64];
        std::snprintf(what, sizeof what, "one thread: pipe 256 MB in %d KiB writes", size / 1024);
        printStream(what, m, "raw socketpair, one thread");
    }

    if (runs(QStringLiteral("two4")) || runs(QStringLiteral("two64"))) {
        std::unique_ptr<RemoteClient> remote;
        if (pipeSide)
            remote = std::make_unique<RemoteClient>();
        for (const int size : {4096, 65536}) {
            if (!runs(QStringLiteral("two%1").arg(size / 1024)))
                continue;
            const Paired m = measure(rawSide, pipeSide, 5, [&] { rawStreamThreaded(size); },
                                     [&] { remote->stream(size); });
            char what[64];
            std::snprintf(what, sizeof what, "two threads: pipe 256 MB in %d KiB writes", size / 1024);
            printStream(what, m, "raw socketpair, two threads");
        }
    }

    if (!runs(QStringLiteral("ping")))
        return 0;
    const int rounds = 20000;
    const Paired m = measure(rawSide, pipeSide, 3, [&] { rawPingPong(rounds); },
                             [&] { channelPingPong(*channel, rounds); });
    print("pipe 64-byte ping-pong x 20000", m, "raw socketpair, two threads");
    std::printf("    %.1f us against %.1f us a round trip\n", m.pipeNs / rounds / 1e3, m.rawNs / rounds / 1e3);
    return 0;
}
