// SPDX-License-Identifier: MIT
#include <duipipe_p.h>
#include <duipipeselect_p.h>
#include <duipipeserver_p.h>
#include <duipipesocket_p.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qelapsedtimer.h>
#include <QtCore/qfile.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtimer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <utility>

#include <poll.h>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A fixed pseudo-random byte stream: byte i of every connection is pattern[i % size]. Receivers
// compare what arrives against it at the position they have reached, so a lost, doubled or
// reordered byte fails at once.
class Pattern
{
public:
    static const Pattern &instance()
    {
        static const Pattern pattern;
        return pattern;
    }
    void fill(qint64 position, char *out, int size) const
    {
        while (size > 0) {
            const int offset = int(position % m_bytes.size());
            const int n = qMin(size, int(m_bytes.size()) - offset);
            std::memcpy(out, m_bytes.constData() + offset, size_t(n));
            out += n;
            position += n;
            size -= n;
        }
    }
    bool matches(qint64 position, const char *data, int size) const
    {
        while (size > 0) {
            const int offset = int(position % m_bytes.size());
            const int n = qMin(size, int(m_bytes.size()) - offset);
            if (std::memcmp(data, m_bytes.constData() + offset, size_t(n)) != 0)
                return false;
            data += n;
            position += n;
            size -= n;
        }
        return true;
    }

private:
    Pattern()
    {
        m_bytes.resize((1 << 20) + 13);
        std::mt19937 random(7);
        for (char &c : m_bytes)
            c = char(random());
    }
    QByteArray m_bytes;
};

// Writes `total` bytes of the pattern in writes of random size (1 to 64 KiB), keeping at most
// `queue` bytes waiting in the socket. Safe against the writeAvailable() that write() emits itself.
struct Writer
{
    DuiPipeSocket *socket = nullptr;
    qint64 total = 0;
    qint64 queued = 0;
    int queue = 128 * 1024;
    std::mt19937 random;
    bool pumping = false;

    void pump()
    {
        if (pumping)
            return;
        pumping = true;
        QByteArray slice;
        while (queued < total && socket->bytesToWrite() < queue && socket->isConnected()) {
            const int size = int(qMin<qint64>(total - queued, 1 + random() % 65536));
            slice.resize(size);
            Pattern::instance().fill(queued, slice.data(), size);
            if (socket->write(slice.constData(), size) != size)
                break;
            queued += size;
        }
        pumping = false;
    }
    qint64 sent() const { return queued - socket->bytesToWrite(); }
};

// Takes everything that arrives and checks it against the pattern.
struct Reader
{
    qint64 received = 0;
    bool intact = true;
    QByteArray events; // 'r' per readAvailable that brought bytes, 'd' for hasDisconnect

    void take(DuiPipeSocket *socket)
    {
        const QByteArray data = socket->readAll();
        if (data.isEmpty())
            return;
        intact = intact && Pattern::instance().matches(received, data.constData(), int(data.size()));
        received += data.size();
        events += 'r';
    }
    void attach(DuiPipeSocket *socket)
    {
        QObject::connect(socket, &DuiPipeSocket::readAvailable, socket, [this, socket] { take(socket); });
        QObject::connect(socket, &DuiPipeSocket::hasDisconnect, socket, [this, socket] {
            take(socket);
            events += 'd';
        });
    }
};

QByteArray socketPath(const QString &name)
{
    return QFile::encodeName(duiPipeAddress(name));
}

// A raw socket bound at `path`; listening or not, closed by the caller.
int bindRaw(const QByteArray &path, bool listening)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0
        || (listening && ::listen(fd, 4) < 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// Child mode: connects to `name`, streams the pattern and, once 1 MiB has reached the kernel,
// prints how many bytes did and queues 8 MiB more, to be killed in the middle of sending them.
int runKilledWriter(const QString &name)
{
    DuiPipeSelect select;
    select.start();
    auto *socket = new DuiPipeSocket(&select);
    if (!socket->connectToServer(name))
        return 2;
    Writer writer{socket, 1LL << 40, 0, 128 * 1024, std::mt19937(uint(::getpid())), false};
    bool reported = false;
    QTimer pump;
    QObject::connect(&pump, &QTimer::timeout, [&] {
        if (reported)
            return;
        writer.pump();
        if (writer.sent() >= (1 << 20)) {
            std::printf("SENT %lld\n", writer.sent());
            std::fflush(stdout);
            reported = true;
            writer.queue = 8 << 20;
            writer.pump();
        }
    });
    pump.start(1);
    return QCoreApplication::exec();
}

} // namespace

class TestDuiPipe : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DuiPipeSelect> m_select;
    int m_serial = 0;

    QString uniqueName() { return QStringLiteral("test-%1").arg(++m_serial); }

    // A server on `name`, one client connected to it, and the server's end of that connection.
    struct Pair
    {
        DuiPipeServer *server = nullptr;
        DuiPipeSocket *client = nullptr;
        DuiPipeSocket *accepted = nullptr;
    };
    Pair connectPair(const QString &name)
    {
        Pair pair;
        pair.server = new DuiPipeServer(m_select.get());
        if (!pair.server->listen(name))
            return pair;
        QObject::connect(pair.server, &DuiPipeServer::accept, pair.server,
                         [&pair](DuiPipeSocket *socket) { pair.accepted = socket; });
        pair.client = new DuiPipeSocket(m_select.get());
        if (pair.client->connectToServer(name))
            (void)QTest::qWaitFor([&pair] { return pair.accepted != nullptr; }, 5000);
        QObject::disconnect(pair.server, &DuiPipeServer::accept, pair.server, nullptr);
        return pair;
    }

private Q_SLOTS:
    void init()
    {
        m_select = std::make_unique<DuiPipeSelect>();
        m_select->start();
    }
    void cleanup() { m_select.reset(); }

    // Names become one file in the runtime folder, owner-only, whatever they hold.
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << QStringLiteral("plain") << QStringLiteral("dui-pipe-plain");
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("dui-pipe-a%2Fb");
        QTest::newRow("dots") << QStringLiteral("..") << QStringLiteral("dui-pipe-..");
        QTest::newRow("climbing") << QStringLiteral("../../x") << QStringLiteral("dui-pipe-..%2F..%2Fx");
        QTest::newRow("unicode") << QStringLiteral("ü") << QStringLiteral("dui-pipe-%C3%BC");
        QTest::newRow("300 characters") << QString(300, QLatin1Char('n')) << QString();
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
        const QFileInfo address(duiPipeAddress(name));
        QCOMPARE(address.absolutePath(), QFileInfo(runtime).absoluteFilePath());
        if (fileName.isEmpty())
            QVERIFY(address.fileName().startsWith(QLatin1String("dui-pipe-#")));
        else
            QCOMPARE(address.fileName(), fileName);
        QVERIFY(address.filePath().toLocal8Bit().size() < int(sizeof(sockaddr_un::sun_path)));

        Pair pair = connectPair(name);
        QVERIFY(pair.accepted);
        struct stat info;
        QCOMPARE(::lstat(socketPath(name).constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        QCOMPARE(pair.client->write("ping", 4), 4);
        QTRY_COMPARE(pair.accepted->bytesAvailable(), 4);
        QCOMPARE(pair.accepted->readAll(), QByteArray("ping"));

        delete pair.server; // closes the listening socket and removes its file
        QVERIFY(!QFileInfo::exists(address.filePath()));
        QCOMPARE(duiPipeAddress(QString()), QString());
    }

    // One client: accepted once, the server keeps listening, bytes go both ways, reads and
    // writes of odd sizes do what they say.
    void exchange()
    {
        const QString name = uniqueName();
        auto *server = new DuiPipeServer(m_select.get());
        QSignalSpy accepted(server, &DuiPipeServer::accept);
        QVERIFY(server->listen(name));
        QCOMPARE(server->listeningCount(), DuiPipeServer::ListeningSockets);

        auto *client = new DuiPipeSocket(m_select.get());
        QVERIFY(client->isClosed());
        QCOMPARE(client->write("x", 1), 0); // not connected
        QVERIFY(client->connectToServer(name));
        QVERIFY(client->isConnected());
        QTRY_COMPARE(accepted.size(), 1);
        auto *peer = accepted.at(0).at(0).value<DuiPipeSocket *>();
        QVERIFY(peer->isConnected());
        QCOMPARE(server->listeningCount(), DuiPipeServer::ListeningSockets);
        QCOMPARE(server->connectionCount(), 1);

        QByteArray sent(10000, Qt::Uninitialized);
        Pattern::instance().fill(0, sent.data(), int(sent.size()));
        QSignalSpy written(client, &DuiPipeSocket::writeAvailable);
        QCOMPARE(client->write(sent.constData(), int(sent.size())), 10000);
        QTRY_VERIFY(!written.isEmpty());
        QCOMPARE(client->bytesToWrite(), 0);
        QTRY_COMPARE(peer->bytesAvailable(), 10000);

        char buffer[20000];
        QCOMPARE(peer->read(buffer, -1), 0);
        QCOMPARE(peer->read(nullptr, 10), 0);
        QCOMPARE(peer->read(buffer, 0), 0);
        QCOMPARE(peer->read(buffer, 4000), 4000);
        QCOMPARE(peer->read(buffer + 4000, 20000), 6000); // only what is there
        QCOMPARE(QByteArray(buffer, 10000), sent);
        QCOMPARE(peer->bytesAvailable(), 0);

        QCOMPARE(peer->write(sent.constData(), -5), 0);
        QCOMPARE(peer->write(nullptr, 5), 0);
        QCOMPARE(peer->write("back", 4), 4);
        QTRY_COMPARE(client->bytesAvailable(), 4);
        QCOMPARE(client->readAll(), QByteArray("back"));
        QCOMPARE(accepted.size(), 1);
    }

    // Bytes sent just before the peer closes are announced, then the disconnect, and they stay
    // readable on the closed socket.
    void tailBeforeDisconnect()
    {
        Pair pair = connectPair(uniqueName());
        QVERIFY(pair.accepted);
        QByteArray events;
        connect(pair.accepted, &DuiPipeSocket::readAvailable, this, [&] { events += 'r'; });
        connect(pair.accepted, &DuiPipeSocket::hasDisconnect, this, [&] { events += 'd'; });
        QCOMPARE(pair.client->write("last words", 10), 10);
        pair.client->close();
        QTRY_VERIFY(events.endsWith('d'));
        QCOMPARE(events, QByteArray("rd"));
        QVERIFY(pair.accepted->isClosed());
        QCOMPARE(pair.accepted->bytesAvailable(), 10);
        char buffer[16];
        QCOMPARE(pair.accepted->read(buffer, 4), 4);
        QCOMPARE(pair.accepted->readAll(), QByteArray(" words"));
        QCOMPARE(pair.accepted->write("x", 1), 0);
        QTRY_COMPARE(pair.server->connectionCount(), 0);
    }

    // A receiver that waits for a whole record leaves the first pieces where they are: each
    // piece is announced once, with everything that arrived so far counted, and nothing twice.
    void recordInPieces()
    {
        Pair pair = connectPair(uniqueName());
        QVERIFY(pair.accepted);
        QList<int> seen; // bytesAvailable() at each readAvailable
        connect(pair.accepted, &DuiPipeSocket::readAvailable, this,
                [&] { seen.append(pair.accepted->bytesAvailable()); });
        const QByteArray pieces[] = {"abc", "defg", "hi"};
        QList<int> expected;
        int total = 0;
        for (const QByteArray &piece : pieces) {
            QCOMPARE(pair.client->write(piece.constData(), int(piece.size())), int(piece.size()));
            total += int(piece.size());
            expected.append(total);
            QTRY_COMPARE(seen, expected);
            QTest::qWait(20);
            QCOMPARE(seen, expected); // not announced again
        }
        QCOMPARE(pair.accepted->readAll(), QByteArray("abcdefghi"));
        QCOMPARE(pair.accepted->bytesAvailable(), 0);
    }

    // What already stands at a name's path decides whether listen may take it.
    void occupiedPath_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::addColumn<bool>("listens");
        QTest::newRow("stale socket of ours") << "stale" << true;
        QTest::newRow("live server") << "live" << false;
        QTest::newRow("regular file") << "file" << false;
        QTest::newRow("symbolic link") << "link" << false;
        QTest::newRow("folder") << "folder" << false;
    }
    void occupiedPath()
    {
        QFETCH(QString, occupant);
        QFETCH(bool, listens);
        const QString name = uniqueName();
        const QByteArray path = socketPath(name);
        int raw = -1;
        DuiPipeServer *live = nullptr;
        if (occupant == QLatin1String("stale")) {
            raw = bindRaw(path, false);
            ::close(raw); // the file stays and nothing answers
        } else if (occupant == QLatin1String("live")) {
            live = new DuiPipeServer(m_select.get());
            QVERIFY(live->listen(name));
        } else if (occupant == QLatin1String("file")) {
            QFile file(QFile::decodeName(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        } else if (occupant == QLatin1String("link")) {
            QVERIFY(QFile::link(QStringLiteral("/nonexistent"), QFile::decodeName(path)));
        } else {
            QVERIFY(QDir().mkdir(QFile::decodeName(path)));
        }
        struct stat before;
        QCOMPARE(::lstat(path.constData(), &before), 0);

        DuiPipeServer server(m_select.get());
        DuiPipeSocket lone(m_select.get());
        QCOMPARE(server.listen(name), listens);
        if (listens) {
            auto *client = new DuiPipeSocket(m_select.get());
            QVERIFY(client->connectToServer(name));
            delete client;
        } else {
            QVERIFY(!lone.listen(name));
            struct stat after;
            QCOMPARE(::lstat(path.constData(), &after), 0);
            QCOMPARE(after.st_ino, before.st_ino); // left alone
            if (occupant == QLatin1String("file")) {
                QFile file(QFile::decodeName(path));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), QByteArray("keep me"));
            }
            if (live) {
                auto *client = new DuiPipeSocket(m_select.get());
                QVERIFY(client->connectToServer(name)); // the first server still serves
                delete client;
            }
        }
        delete live;
        ::unlink(path.constData());
        ::rmdir(path.constData());
    }

    // Past the connection limit nobody listens: one client may wait in the queue, the next ones
    // find the channel busy; a closed connection lets the waiting client in.
    void connectionLimit()
    {
        const QString name = uniqueName();
        auto *server = new DuiPipeServer(m_select.get());
        server->setMaxConnections(2);
        QList<DuiPipeSocket *> accepted;
        connect(server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) { accepted << s; });
        QVERIFY(server->listen(name));
        QCOMPARE(server->listeningCount(), 2);
        DuiPipeSocket first(m_select.get()), second(m_select.get()), waiting(m_select.get()),
            busy(m_select.get());
        QVERIFY(first.connectToServer(name));
        QVERIFY(second.connectToServer(name));
        QTRY_COMPARE(accepted.size(), 2);
        QCOMPARE(server->listeningCount(), 0);

        QVERIFY(waiting.connectToServer(name));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!busy.connectToServer(name));
        QVERIFY(timer.elapsed() >= 90); // it waited once before giving up
        QTest::qWait(50);
        QCOMPARE(accepted.size(), 2);

        accepted.at(0)->close();
        QTRY_COMPARE(accepted.size(), 3);
        QCOMPARE(server->connectionCount(), 2);
        QCOMPARE(waiting.write("in", 2), 2);
        QTRY_COMPARE(accepted.at(2)->bytesAvailable(), 2);
        QCOMPARE(accepted.at(2)->readAll(), QByteArray("in"));
    }

    // Reading pauses at the buffer limit, so a receiver that never reads holds a bounded amount
    // and the kernel stops the writers; reading again lets them go on.
    void receiverThatNeverReads_data()
    {
        QTest::addColumn<int>("clients");
        QTest::addColumn<int>("limit");
        QTest::newRow("one client, default limit") << 1 << int(DuiPipeSocket::DefaultReadBufferLimit);
        QTest::newRow("200 clients") << 200 << 256 * 1024;
    }
    void receiverThatNeverReads()
    {
        QFETCH(int, clients);
        QFETCH(int, limit);
        const QString name = uniqueName();
        auto *server = new DuiPipeServer(m_select.get());
        QList<DuiPipeSocket *> peers;
        connect(server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) {
            if (limit != DuiPipeSocket::DefaultReadBufferLimit)
                s->setReadBufferLimit(limit);
            peers << s;
        });
        QVERIFY(server->listen(name));
        const long residentBefore = residentKb();
        // Far more than the receiver's buffer and the kernel (at most a few megabytes per
        // connection) can hold together.
        const qint64 total = 4LL * limit + (8 << 20);

        std::vector<std::unique_ptr<Writer>> writers;
        for (int i = 0; i < clients; ++i) {
            auto *client = new DuiPipeSocket(m_select.get());
            QVERIFY(client->connectToServer(name));
            writers.push_back(std::make_unique<Writer>(Writer{client, total, 0, 64 * 1024, std::mt19937(uint(i)), false}));
            Writer *writer = writers.back().get();
            connect(client, &DuiPipeSocket::writeAvailable, this, [writer] { writer->pump(); });
            writer->pump();
        }
        QTRY_COMPARE_WITH_TIMEOUT(peers.size(), clients, 10000);
        // Settled: every receiver is full and nothing moves any more.
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(peers.cbegin(), peers.cend(),
                                             [&](DuiPipeSocket *s) { return s->bytesAvailable() >= limit; }),
                                 20000);
        for (DuiPipeSocket *peer : std::as_const(peers))
            QCOMPARE(peer->bytesAvailable(), limit);
        QTRY_VERIFY(std::all_of(writers.cbegin(), writers.cend(), [](const auto &w) {
            return (w->socket->state() & DuiPipeSocket::WritePending) != 0; // the kernel is full too
        }));
        // A write turn dispatched just before the receivers filled up may still send once; then
        // nothing moves for good, with every writer held back short of its total.
        auto totalSent = [&] {
            qint64 sum = 0;
            for (const auto &w : writers)
                sum += w->sent();
            return sum;
        };
        qint64 sent = totalSent();
        QTRY_VERIFY_WITH_TIMEOUT([&] {
            QTest::qWait(100);
            const qint64 now = std::exchange(sent, totalSent());
            return now == sent;
        }(), 10000);
        for (const auto &w : writers) {
            QVERIFY(w->queued < w->total); // held back
            QVERIFY(w->socket->bytesToWrite() > 0);
        }
        const long grownKb = residentKb() - residentBefore;
        qInfo("%d clients, limit %d KiB: resident size grew by %ld KiB", clients, limit / 1024, grownKb);
        QVERIFY(grownKb < clients * 3L * limit / 1024 + 64 * 1024);

        Reader reader;
        DuiPipeSocket *first = peers.first();
        reader.attach(first);
        reader.take(first);
        QTRY_VERIFY_WITH_TIMEOUT(reader.received == total, 20000); // one writer finishes
        QVERIFY(reader.intact);
    }

    // Many clients stream 10 MB each through an echoing server; both ends check every byte.
    void load()
    {
        const int clients = 50;
        const qint64 total = 10 * 1000 * 1000;
        const QString name = uniqueName();
        auto *server = new DuiPipeServer(m_select.get());
        std::vector<std::unique_ptr<Reader>> serverSide;
        connect(server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) {
            serverSide.push_back(std::make_unique<Reader>());
            Reader *reader = serverSide.back().get();
            connect(s, &DuiPipeSocket::readAvailable, s, [reader, s] {
                const QByteArray data = s->readAll();
                reader->intact = reader->intact && Pattern::instance().matches(reader->received, data.constData(), int(data.size()));
                reader->received += data.size();
                s->write(data.constData(), int(data.size()));
            });
        });
        QVERIFY(server->listen(name));

        QElapsedTimer timer;
        timer.start();
        std::vector<std::unique_ptr<Writer>> writers;
        std::vector<std::unique_ptr<Reader>> echoes;
        for (int i = 0; i < clients; ++i) {
            auto *client = new DuiPipeSocket(m_select.get());
            QVERIFY(client->connectToServer(name));
            writers.push_back(std::make_unique<Writer>(Writer{client, total, 0, 256 * 1024, std::mt19937(uint(i)), false}));
            echoes.push_back(std::make_unique<Reader>());
            Writer *writer = writers.back().get();
            Reader *echo = echoes.back().get();
            connect(client, &DuiPipeSocket::writeAvailable, this, [writer] { writer->pump(); });
            connect(client, &DuiPipeSocket::readAvailable, this, [echo, client] { echo->take(client); });
            writer->pump();
        }
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(echoes.cbegin(), echoes.cend(),
                                             [&](const auto &e) { return e->received >= total; }),
                                 45000);
        const double seconds = timer.nsecsElapsed() / 1e9;
        QCOMPARE(int(serverSide.size()), clients);
        for (int i = 0; i < clients; ++i) {
            QCOMPARE(serverSide[size_t(i)]->received, total);
            QVERIFY(serverSide[size_t(i)]->intact);
            QCOMPARE(echoes[size_t(i)]->received, total);
            QVERIFY(echoes[size_t(i)]->intact);
        }
        qInfo("load: %d clients x %lld bytes each way in %.2f s (%.0f MB/s through the server each way)",
              clients, total, seconds, clients * total / 1e6 / seconds);
    }

    // Writers in other processes die by SIGKILL in the middle of a write: every byte they handed
    // to the kernel arrives, then the disconnect; the server's own writes to them fail quietly.
    void killedWriters()
    {
        const int children = 4;
        const QString name = uniqueName();
        auto *server = new DuiPipeServer(m_select.get());
        std::vector<std::unique_ptr<Reader>> readers;
        const QByteArray flood(4 << 20, 'f');
        connect(server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) {
            readers.push_back(std::make_unique<Reader>());
            readers.back()->attach(s);
            s->write(flood.constData(), int(flood.size())); // never read: stays pending
            // An answer to every arrival: after the kill these meet a vanished reader.
            connect(s, &DuiPipeSocket::readAvailable, s, [s] { s->write("a", 1); });
        });
        QVERIFY(server->listen(name));

        std::vector<std::unique_ptr<QProcess>> processes;
        qint64 reported = 0;
        for (int i = 0; i < children; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            QProcess *child = processes.back().get();
            connect(child, &QProcess::readyReadStandardOutput, this, [child, &reported] {
                const QByteArray line = child->readAllStandardOutput();
                if (line.startsWith("SENT ")) {
                    reported += line.mid(5).trimmed().toLongLong();
                    child->kill();
                }
            });
            child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--killed-writer"), name});
        }
        for (const auto &child : processes)
            QVERIFY(child->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(processes.cbegin(), processes.cend(),
                                             [](const auto &p) { return p->state() == QProcess::NotRunning; }),
                                 20000);
        for (const auto &child : processes)
            QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        QTRY_COMPARE_WITH_TIMEOUT(int(readers.size()), children, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(readers.cbegin(), readers.cend(),
                                             [](const auto &r) { return r->events.endsWith('d'); }),
                                 10000);
        qint64 received = 0;
        for (const auto &r : readers) {
            QVERIFY(r->intact);
            QCOMPARE(r->events.count('d'), 1);
            received += r->received;
        }
        QVERIFY2(received >= reported, qPrintable(QStringLiteral("%1 < %2").arg(received).arg(reported)));
        qInfo("%d writers killed: %lld bytes known sent before the kill, %lld received intact",
              children, reported, received);
        QTRY_COMPARE(server->connectionCount(), 0);
    }

    // Closing from another thread while the socket waits in poll never lets its descriptor
    // number, once reused, carry another connection's I/O.
    void closeFromAnotherThread()
    {
        const QString name = uniqueName();
        Pair pair = connectPair(name);
        QVERIFY(pair.accepted);
        const QByteArray flood(1 << 20, 'f');
        for (int round = 0; round < 20; ++round) {
            auto *client = new DuiPipeSocket(m_select.get());
            DuiPipeSocket *peer = nullptr;
            auto link = connect(pair.server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) { peer = s; });
            QVERIFY(client->connectToServer(name));
            QTRY_VERIFY(peer);
            disconnect(link);
            client->write(flood.constData(), int(flood.size())); // pending: nobody reads yet
            std::thread closer([client] { client->close(); });
            QCoreApplication::processEvents();
            closer.join();
            QVERIFY(client->isClosed());
            // All of the flood that left, then the end; read, as what the kernel holds may pass
            // the peer's buffer limit.
            connect(peer, &DuiPipeSocket::readAvailable, peer, [peer] { peer->readAll(); });
            peer->readAll();
            QTRY_VERIFY(peer->isClosed());
            delete client;
            delete peer;
            // A fresh connection probably reuses the numbers; it carries exactly its own bytes.
            QCOMPARE(pair.client->write("ok", 2), 2);
            QTRY_COMPARE(pair.accepted->bytesAvailable(), 2);
            QCOMPARE(pair.accepted->readAll(), QByteArray("ok"));
        }
        QTRY_COMPARE(m_select->watchCount(), DuiPipeServer::ListeningSockets + 2);
    }

    // Tearing down with writes pending: the peers see the end, the file goes, nothing crashes.
    void teardownWithPendingWrites_data()
    {
        QTest::addColumn<bool>("wholeSelect");
        QTest::newRow("server and its connection") << false;
        QTest::newRow("select thread with everything") << true;
    }
    void teardownWithPendingWrites()
    {
        QFETCH(bool, wholeSelect);
        const QString name = uniqueName();
        auto other = std::make_unique<DuiPipeSelect>();
        other->start();
        auto *server = new DuiPipeServer(other.get());
        DuiPipeSocket *peer = nullptr;
        connect(server, &DuiPipeServer::accept, this, [&](DuiPipeSocket *s) { peer = s; });
        QVERIFY(server->listen(name));
        auto *client = new DuiPipeSocket(m_select.get());
        QVERIFY(client->connectToServer(name));
        QTRY_VERIFY(peer);
        const QByteArray flood(8 << 20, 'f');
        peer->write(flood.constData(), int(flood.size()));
        QTRY_VERIFY(peer->state() & DuiPipeSocket::WritePending);
        QSignalSpy ended(client, &DuiPipeSocket::hasDisconnect);
        if (wholeSelect) {
            other.reset();
        } else {
            delete peer;
            delete server;
        }
        QVERIFY(!QFileInfo::exists(duiPipeAddress(name)));
        client->readAll();
        QTRY_COMPARE(ended.size(), 1);
        QVERIFY(!client->connectToServer(name));
    }

    // Both ends refuse a peer running as another user. The other user is a child process that
    // keeps root's file access (fsuid 0) but runs as "nobody", so only the credential check
    // stands in its way.
    void anotherUserIsRefused()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to run a peer as another user");
        const QString name = uniqueName();
        const QByteArray path = socketPath(name);
        auto becomeNobody = [] {
            if (::setresgid(-1, 65534, -1) < 0 || ::setresuid(-1, 65534, -1) < 0)
                ::_exit(10);
            ::setfsuid(0);
        };

        // A server of ours is reached by a client running as nobody.
        {
            DuiPipeServer server(m_select.get());
            QSignalSpy accepted(&server, &DuiPipeServer::accept);
            QVERIFY(server.listen(name));
            const pid_t child = ::fork();
            if (child == 0) {
                becomeNobody();
                const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                sockaddr_un address {};
                address.sun_family = AF_UNIX;
                std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
                if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0)
                    ::_exit(11);
                pollfd p{fd, POLLIN, 0};
                char c;
                ::_exit(::poll(&p, 1, 5000) == 1 && ::recv(fd, &c, 1, 0) == 0 ? 0 : 12);
            }
            int status = -1;
            QVERIFY(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 10000));
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0); // connected, then closed by the server
            QCOMPARE(accepted.size(), 0);
            QCOMPARE(server.listeningCount(), DuiPipeServer::ListeningSockets);
        }

        // A server run by nobody at our name is not trusted by our client.
        const pid_t child = ::fork();
        if (child == 0) {
            becomeNobody();
            if (bindRaw(path, true) < 0)
                ::_exit(11);
            ::sleep(20);
            ::_exit(0);
        }
        struct stat info;
        QTRY_VERIFY(::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_uid, uid_t(0)); // fsuid made the file: only the credentials differ
        DuiPipeSocket client(m_select.get());
        QVERIFY(!client.connectToServer(name));
        QVERIFY(client.isClosed());
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::unlink(path.constData());
    }
};

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--killed-writer") == 0) {
        QCoreApplication app(argc, argv);
        return runKilledWriter(QString::fromLocal8Bit(argv[2]));
    }
    // A vanished peer must never end the process: SIGPIPE keeps its default action here.
    std::signal(SIGPIPE, SIG_DFL);
    QCoreApplication app(argc, argv);
    TestDuiPipe test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duipipe.moc"
