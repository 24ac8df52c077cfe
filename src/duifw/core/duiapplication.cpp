// SPDX-License-Identifier: MIT
#include "duiapplication.h"

#include "duilogging_p.h"
#include "mxutility.h"

#include <QtCore/qdir.h>
#include <QtCore/qlibraryinfo.h>

DuiApplication::DuiApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    const QString appPlugins = MxUtility::appRootPath() + QStringLiteral("/imageformats");
    if (QDir(appPlugins).exists()) {
        const QString qtPlugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        removeLibraryPath(qtPlugins);
        qCDebug(lcDuiCore) << "plug-ins from" << appPlugins << "only; dropped" << qtPlugins;
    }
}

DuiApplication::~DuiApplication() = default;

QString DuiApplication::currentVersionZKAppPath()
{
    return QString();
}

QString DuiApplication::currentZKUserAppPath()
{
    return QString();
}
