// SPDX-License-Identifier: MIT
// The gallery as the tools' tests use it: built in the test's own process from its files on disk
// (relative paths resolved beside them, as duiview does), and duiview run as a separate process.
#ifndef GALLERYTESTUTIL_H
#define GALLERYTESTUTIL_H

#include <duiframewindow.h>
#include <duiresourcehandler.h>
#include <duiresourceloader.h>
#include <duixmlui.h>
#include <mxxmldocument.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qprocess.h>

namespace gallery {

inline QString dir()
{
    return QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples/gallery");
}

inline QString file()
{
    return dir() + QStringLiteral("/gallery.xml");
}

class DirHandler : public DuiResourceHandler
{
public:
    bool loadImage(const QString &path, QPixmap &pixmap) override { return relative(path) && pixmap.load(at(path)); }
    bool loadXml(const QString &path, MXXmlDocument &document) override
    {
        return relative(path) && document.loadFromFile(at(path).toStdWString());
    }
    bool loadRawData(const QString &path, QByteArray &data) override
    {
        QFile file(at(path));
        if (!relative(path) || !file.open(QIODevice::ReadOnly))
            return false;
        data = file.readAll();
        return true;
    }

private:
    static bool relative(const QString &path) { return QDir::isRelativePath(path) && !path.startsWith(QLatin1Char(':')); }
    static QString at(const QString &path) { return QDir(dir()).filePath(path); }
};

// The gallery window, built here; null when it cannot be built.
inline DuiFrameWindow *build()
{
    static DirHandler handler;
    static const bool installed = (getResourceLoader()->installResourceHandler(&handler), true);
    Q_UNUSED(installed);
    return DuiXmlUI::createFromFile(file(), nullptr);
}

// Runs duiview offscreen; its exit code, -1 when it did not finish within a minute.
inline int duiview(const QStringList &args, QByteArray *output = nullptr)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/duiview/duiview"), args);
    const bool finished = process.waitForFinished(60000);
    if (output)
        *output = process.readAll();
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace gallery

#endif // GALLERYTESTUTIL_H
