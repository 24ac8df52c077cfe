// SPDX-License-Identifier: MIT
// Test support for popups: the offscreen platform with two screens, the primary at the origin
// and one left of it, lower, at negative x, so that placement is checked where screens meet and
// where coordinates are negative.
#ifndef TWOSCREENS_H
#define TWOSCREENS_H

#include <QtCore/qfile.h>
#include <QtCore/qrect.h>
#include <QtCore/qtemporarydir.h>

namespace TwoScreens {

inline const QRect primary(0, 0, 1280, 800);
inline const QRect left(-1024, 100, 1024, 768);

// Points QT_QPA_PLATFORM at the two screens; call before the application object is made. The
// configuration file lives in `dir`, which must outlive the application.
inline bool use(const QTemporaryDir &dir)
{
    QFile file(dir.filePath(QStringLiteral("screens.json")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"({"windowFrameMargins": false, "screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "dpr": 1},
        {"name": "left", "x": -1024, "y": 100, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
    return true;
}

} // namespace TwoScreens

#endif // TWOSCREENS_H
