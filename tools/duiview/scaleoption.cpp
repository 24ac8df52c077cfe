// SPDX-License-Identifier: MIT
#include "scaleoption.h"

#include <QtCore/qdir.h>
#include <QtCore/qfile.h>

bool validScale(const QString &text)
{
    bool ok = false;
    const double scale = text.toDouble(&ok);
    return ok && scale >= 1.0 && scale <= 4.0;
}

ScaleEnvironment::ScaleEnvironment(int argc, char **argv)
    : m_dir(QDir::tempPath() + QStringLiteral("/duiview-XXXXXX"))
{
    QString factor;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--scale") == 0 && validScale(QString::fromLocal8Bit(argv[i + 1])))
            factor = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (factor.isEmpty())
        return;
    qputenv("QT_SCALE_FACTOR", factor.toLocal8Bit());
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !m_dir.isValid())
        return;
    const double scale = factor.toDouble();
    QFile file(m_dir.filePath(QStringLiteral("screens.json")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral("{\"screens\": [{\"name\": \"dense\", \"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                              "\"logicalDpi\": 96, \"dpr\": 1}]}")
                   .arg(qRound(800 * scale))
                   .arg(qRound(600 * scale))
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
}
