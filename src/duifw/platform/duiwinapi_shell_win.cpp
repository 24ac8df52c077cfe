// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>

QString DuiWinAPI::GetSpecialFolderPath(SpecialFolderType type)
{
    int csidl;
    switch (type) {
    case PersonalFolder: csidl = CSIDL_PERSONAL; break;
    case AppDataFolder: csidl = CSIDL_APPDATA; break;
    case AudioFolder: csidl = 13; break;
    default: return QString();
    }
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE))
        return QString();
    return QDir(QString::fromWCharArray(path)).absolutePath() + u'/';
}

static bool shellOpen(const QString &file, const QString &parameters)
{
    const std::wstring f = file.toStdWString();
    const std::wstring p = parameters.toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOZONECHECKS;
    info.lpVerb = L"open";
    info.lpFile = f.c_str();
    info.lpParameters = parameters.isEmpty() ? nullptr : p.c_str();
    info.nShow = SW_SHOWDEFAULT;
    return ::ShellExecuteExW(&info) != 0;
}

bool DuiWinAPI::openFolderWithSelectFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return shellOpen(QStringLiteral("explorer.exe"), QStringLiteral(" /select,") + QDir::toNativeSeparators(path));
    return shellOpen(QStringLiteral("explorer.exe"), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

unsigned long DuiWinAPI::openFile(const QString &path)
{
    return shellOpen(QDir::toNativeSeparators(path), QString()) ? 0 : ::GetLastError();
}
