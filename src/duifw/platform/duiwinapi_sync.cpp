// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

// Named mutexes as lock files in the user's runtime folder, atoms in a process-wide table.

#include <QtCore/qcryptographichash.h>
#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qhash.h>
#include <QtCore/qmutex.h>
#include <QtCore/qstandardpaths.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct MutexTable
{
    QMutex lock;
    QHash<uint, int> fds; // handle -> file descriptor (-1 for an unnamed mutex)
    uint next = 1;
};

MutexTable &mutexTable()
{
    static MutexTable table;
    return table;
}

QString mutexFilePath(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QByteArray encoded = name.toUtf8().toPercentEncoding();
    if (encoded.size() > 200)
        encoded = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/dui-mutex-") + QString::fromLatin1(encoded) + QStringLiteral(".lock");
}

int openMutexFile(const QString &name)
{
    const QByteArray path = QFile::encodeName(mutexFilePath(name));
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

unsigned int DuiWinAPI::createMutex(const QString &name)
{
    int fd = -1;
    if (!name.isEmpty()) {
        fd = openMutexFile(name);
        if (fd < 0)
            return 0;
        // Every open handle holds a shared lock; existence is someone holding one.
        int rc;
        do {
            rc = ::flock(fd, LOCK_SH);
        } while (rc < 0 && errno == EINTR);
        if (rc < 0) {
            ::close(fd);
            return 0;
        }
    }
    MutexTable &table = mutexTable();
    QMutexLocker locker(&table.lock);
    const uint handle = table.next++;
    table.fds.insert(handle, fd);
    return handle;
}

void DuiWinAPI::releaseMutex(unsigned int handle)
{
    MutexTable &table = mutexTable();
    QMutexLocker locker(&table.lock);
    const auto it = table.fds.constFind(handle);
    if (it == table.fds.constEnd())
        return;
    if (*it >= 0)
        ::close(*it);
    table.fds.erase(it);
}

bool DuiWinAPI::isMutexExist(const QString &name)
{
    if (name.isEmpty())
        return false;
    const int fd = openMutexFile(name);
    if (fd < 0)
        return true; // as on Windows: a creation that fails counts as existing
    const bool exists = ::flock(fd, LOCK_EX | LOCK_NB) < 0;
    ::close(fd);
    return exists;
}

namespace {

struct AtomTable
{
    QMutex lock;
    struct Entry
    {
        QString name;
        int refs;
    };
    QHash<int, Entry> atoms;
    QHash<QString, int> byName; // case-folded name -> atom
};

AtomTable &atomTable()
{
    static AtomTable table;
    return table;
}

constexpr int FirstStringAtom = 0xC000;

} // namespace

int DuiWinAPI::GlobalAddAtomW(const QString &name)
{
    if (name.isEmpty() || name.size() > 255)
        return 0;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const int value = name.mid(1).toInt(&ok);
        return (ok && value > 0 && value < FirstStringAtom) ? value : 0;
    }
    AtomTable &table = atomTable();
    QMutexLocker locker(&table.lock);
    const QString key = name.toCaseFolded();
    const auto found = table.byName.constFind(key);
    if (found != table.byName.constEnd()) {
        ++table.atoms[*found].refs;
        return *found;
    }
    for (int atom = FirstStringAtom; atom <= 0xFFFF; ++atom) {
        if (!table.atoms.contains(atom)) {
            table.atoms.insert(atom, {name, 1});
            table.byName.insert(key, atom);
            return atom;
        }
    }
    return 0;
}

void DuiWinAPI::GlobalDeleteAtom(int atom)
{
    if (atom < FirstStringAtom)
        return;
    AtomTable &table = atomTable();
    QMutexLocker locker(&table.lock);
    const auto it = table.atoms.find(atom);
    if (it == table.atoms.end())
        return;
    if (--it->refs <= 0) {
        table.byName.remove(it->name.toCaseFolded());
        table.atoms.erase(it);
    }
}
