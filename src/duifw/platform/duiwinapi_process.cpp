// SPDX-License-Identifier: MIT
#include "duiwinapi.h"
#include "duiwinapi_p.h"

#include <QtCore/qfile.h>
#include <QtCore/qstringlist.h>

#include <cerrno>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Processes started with posix_spawn; this process answers for its own windows only.

extern char **environ;

unsigned long DuiWinAPI::ProcessIdFromWindow(HWND hwnd)
{
    return duiWidgetFromHwnd(hwnd) ? (unsigned long)(::getpid()) : 0;
}

bool DuiWinAPI::CreateProcessW(const QString &application, const QString &commandLine, uint creationFlags,
                               uint &processId)
{
    Q_UNUSED(creationFlags);
    if (commandLine.size() > 4096)
        return false;
    QStringList args = duiSplitWindowsCommandLine(commandLine);
    const QString program = application.isEmpty() ? (args.isEmpty() ? QString() : args.first()) : application;
    if (program.isEmpty())
        return false;
    if (args.isEmpty())
        args << program;
    QList<QByteArray> encoded;
    for (const QString &a : std::as_const(args))
        encoded << QFile::encodeName(a);
    std::vector<char *> argv;
    for (QByteArray &a : encoded)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray path = QFile::encodeName(program);
    pid_t pid = 0;
    // Windows searches for a program named by the command line, never for `application`.
    const int rc = (application.isEmpty() && !path.contains('/'))
                       ? ::posix_spawnp(&pid, path.constData(), nullptr, nullptr, argv.data(), environ)
                       : ::posix_spawn(&pid, path.constData(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0)
        return false;
    processId = uint(pid);
    // The caller holds no handle to wait with, so the child is reaped here when it ends.
    std::thread([pid]() {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

void DuiWinAPI::setWorkingSetSize(uint min, uint max)
{
    Q_UNUSED(min);
    Q_UNUSED(max);
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}
