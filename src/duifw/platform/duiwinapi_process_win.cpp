// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

#include <string>

unsigned long DuiWinAPI::ProcessIdFromWindow(HWND hwnd)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

bool DuiWinAPI::CreateProcessW(const QString &application, const QString &commandLine, uint creationFlags,
                               uint &processId)
{
    if (commandLine.size() > 4096)
        return false;
    // One more than the limit, so that a command line of exactly 4096 characters keeps its NUL.
    wchar_t buffer[4097] = {};
    commandLine.toWCharArray(buffer);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const std::wstring app = application.toStdWString();
    const BOOL ok = ::CreateProcessW(application.isEmpty() ? nullptr : app.c_str(), buffer, nullptr, nullptr,
                                     FALSE, creationFlags, nullptr, nullptr, &startup, &info);
    if (ok) {
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
        processId = info.dwProcessId;
    }
    return ok != 0;
}

void DuiWinAPI::setWorkingSetSize(uint min, uint max)
{
    ::SetProcessWorkingSetSize(::GetCurrentProcess(), min ? min : 0x100000, max ? max : 0x200000);
}
