// SPDX-License-Identifier: MIT
#include "mxutility.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qurl.h>
#include <QtGui/qdesktopservices.h>

namespace MxUtility {

QString appRootPath()
{
    QString dir;
    if (QCoreApplication::instance()) {
        dir = QCoreApplication::applicationDirPath();
    } else {
#ifdef Q_OS_LINUX
        // Before the application object exists Qt cannot tell; the kernel can.
        dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        dir = QFileInfo(dir).absolutePath();
#endif
    }
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

bool openUrl(const std::wstring &url)
{
    const QUrl target(QString::fromStdWString(url), QUrl::TolerantMode);
    if (!target.isValid() || !QCoreApplication::instance())
        return false;
    return QDesktopServices::openUrl(target);
}

} // namespace MxUtility
