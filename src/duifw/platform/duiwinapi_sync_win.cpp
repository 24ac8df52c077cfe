// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

unsigned int DuiWinAPI::createMutex(const QString &name)
{
    return uint(quintptr(::CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()))));
}

void DuiWinAPI::releaseMutex(unsigned int handle) { ::CloseHandle(HANDLE(quintptr(handle))); }

bool DuiWinAPI::isMutexExist(const QString &name)
{
    HANDLE h = ::CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()));
    const bool exists = !h || ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (h)
        ::CloseHandle(h);
    return exists;
}

int DuiWinAPI::GlobalAddAtomW(const QString &name)
{
    return ::GlobalAddAtomW(reinterpret_cast<LPCWSTR>(name.utf16()));
}

void DuiWinAPI::GlobalDeleteAtom(int atom) { ::GlobalDeleteAtom(ATOM(atom)); }
