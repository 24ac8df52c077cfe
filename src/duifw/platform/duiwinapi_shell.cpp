// SPDX-License-Identifier: MIT
#include "duiwinapi.h"

#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qstandardpaths.h>
#include <QtCore/qurl.h>
#include <QtGui/qdesktopservices.h>

#ifdef DUI_HAVE_DBUS
#  include <QtDBus/qdbusconnection.h>
#  include <QtDBus/qdbusmessage.h>
#endif

// Special folders from QStandardPaths, files and folders opened by the desktop.

QString DuiWinAPI::GetSpecialFolderPath(SpecialFolderType type)
{
    QStandardPaths::StandardLocation location;
    switch (type) {
    case PersonalFolder:
        location = QStandardPaths::DocumentsLocation;
        break;
    case AppDataFolder:
        location = QStandardPaths::GenericDataLocation;
        break;
    case AudioFolder:
        location = QStandardPaths::MusicLocation;
        break;
    default:
        return QString();
    }
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty() || !QDir().mkpath(path))
        return QString();
    return QDir(path).absolutePath() + u'/';
}

#ifdef DUI_HAVE_DBUS
// Asks the desktop's file manager to show the file selected in its folder.
static bool showItemInFileManager(const QString &file)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
#endif

bool DuiWinAPI::openFolderWithSelectFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists()) {
#ifdef DUI_HAVE_DBUS
        if (showItemInFileManager(path))
            return true;
#endif
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absolutePath()));
}

unsigned long DuiWinAPI::openFile(const QString &path)
{
    if (path.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    QUrl url;
    if (path.contains(QStringLiteral("://")))
        url = QUrl(path);
    else if (QFileInfo::exists(path))
        url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    else
        return ERROR_FILE_NOT_FOUND;
    return QDesktopServices::openUrl(url) ? ERROR_SUCCESS : ERROR_NO_ASSOCIATION;
}
