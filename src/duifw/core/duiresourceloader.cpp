// SPDX-License-Identifier: MIT
#include "duiresourceloader.h"
#include "duiresourceloader_p.h"
#include "duiresourcehandler.h"
#include "duiresourcehandlers_p.h"

#include "duiglobalinstance_p.h"
#include "duilogging_p.h"
#include "mxutility.h"
#include "mxxmldocument.h"

#include <QtCore/qcache.h>
#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qmutex.h>
#include <QtCore/qfile.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qregularexpression.h>
#include <QtGui/qguiapplication.h>

#include <memory>

namespace {

// Resources are read whole, so only regular files of a sane size are read: a device such as
// /dev/zero or a named pipe would never end, and a huge file would exhaust memory.
constexpr qint64 kMaxResourceBytes = 256 * 1024 * 1024;

bool isSaneFile(const QString &fileName)
{
    if (fileName.startsWith(QLatin1Char(':')))
        return true;
    const QFileInfo info(fileName);
    if (info.isFile() && info.size() <= kMaxResourceBytes)
        return true;
    if (info.exists())
        qCWarning(lcDuiResource) << "not reading" << fileName << "(not a regular file, or larger than"
                                 << kMaxResourceBytes << "bytes)";
    return false;
}

// On a screen of more than one device pixel per logical pixel, "name@2x.png" beside
// "name.png" is the same image drawn at twice the size. Empty when no such twin is wanted.
QString denseTwin(const QString &fileName)
{
    if (!qGuiApp || qGuiApp->devicePixelRatio() <= 1.0)
        return QString();
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        return QString();
    static const QRegularExpression densityMark(QStringLiteral("@[1-9]x$"));
    const QString base = fileName.left(dot);
    if (densityMark.match(base).hasMatch())
        return QString();
    return base + QStringLiteral("@2x") + fileName.mid(dot);
}

bool loadTwinOrImage(const QString &fileName, const QString &twin, QPixmap &pixmap)
{
    if (!twin.isEmpty() && pixmap.load(twin)) {
        // Margins and sizes of the image stay in logical pixels.
        pixmap.setDevicePixelRatio(2.0);
        return true;
    }
    return pixmap.load(fileName);
}

// Images too: opening a named pipe would wait for a writer for ever.
bool loadImageFile(const QString &fileName, QPixmap &pixmap)
{
    if (!isSaneFile(fileName))
        return false;
    const QString twin = denseTwin(fileName);
    return loadTwinOrImage(fileName, isSaneFile(twin) ? twin : QString(), pixmap);
}

bool readWholeFile(const QString &fileName, QByteArray &data)
{
    if (!isSaneFile(fileName))
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return true;
}

QString belowAppRoot(const QString &path)
{
    return MxUtility::appRootPath() + QLatin1Char('/') + path;
}

bool isAbsolute(const QString &path)
{
    return !QDir::isRelativePath(path);
}

// Decoded compiled-in images, emptied when the application object goes, while pixmaps may still
// be freed.
QCache<QString, QPixmap> &decodedResourceImages()
{
    static auto *cache = [] {
        auto *c = new QCache<QString, QPixmap>(32 * 1024);
        qAddPostRoutine([] { decodedResourceImages().clear(); });
        return c;
    }();
    return *cache;
}

// The handlers live for the whole process; the loader only holds guarded pointers to them.
template <typename Handler>
Handler *handlerInstance()
{
    static const std::unique_ptr<Handler> handler(new Handler);
    return handler.get();
}

} // namespace

DuiResourceHandler::DuiResourceHandler(QObject *parent)
    : QObject(parent)
{
}

DuiResourceHandler::~DuiResourceHandler() = default;

DuiQtHandler *DuiQtHandler::instance()
{
    return handlerInstance<DuiQtHandler>();
}

bool DuiQtHandler::loadImage(const QString &path, QPixmap &pixmap)
{
    if (!path.startsWith(QLatin1Char(':')))
        return false;
    // Compiled-in images do not change while the program runs, and every control of a kind asks
    // for the same few: each is decoded once and shared (at most 32 MB of them are kept). A
    // missing one is not remembered, so a resource registered later is found.
    static QMutex mutex;
    static QCache<QString, QPixmap> &decoded = decodedResourceImages();
    const QString twin = denseTwin(path);
    // The twin is what a dense screen shows, so it is also what the cache keeps under its name.
    const QString &key = twin.isEmpty() ? path : twin;
    {
        const QMutexLocker locker(&mutex);
        if (const QPixmap *cached = decoded.object(key)) {
            pixmap = *cached;
            return true;
        }
    }
    // A resource image is settled here even when it is missing: no other handler reads ":" paths.
    if (!loadTwinOrImage(path, QFile::exists(twin) ? twin : QString(), pixmap)) {
        qCWarning(lcDuiResource) << "missing resource image" << path;
        return true;
    }
    const QMutexLocker locker(&mutex);
    decoded.insert(key, new QPixmap(pixmap), int(qMin<qint64>(pixmap.width() * qint64(pixmap.height()) * pixmap.depth() / 8192 + 1, 32 * 1024)));
    return true;
}

bool DuiQtHandler::loadXml(const QString &path, MXXmlDocument &document)
{
    QByteArray data;
    if (!loadRawData(path, data))
        return false;
    return document.loadFromString(data.constData(), int(data.size()));
}

bool DuiQtHandler::loadRawData(const QString &path, QByteArray &data)
{
    if (!path.startsWith(QLatin1String(":/")))
        return false;
    return readWholeFile(path, data);
}

DuiDefaultHandler *DuiDefaultHandler::instance()
{
    return handlerInstance<DuiDefaultHandler>();
}

bool DuiDefaultHandler::accepts(const QString &path)
{
    static const QRegularExpression forbidden(QStringLiteral("[*?|<>\":]"));
    return QDir::isRelativePath(path) && !path.contains(forbidden);
}

bool DuiDefaultHandler::loadImage(const QString &path, QPixmap &pixmap)
{
    return accepts(path) && loadImageFile(belowAppRoot(path), pixmap);
}

bool DuiDefaultHandler::loadXml(const QString &path, MXXmlDocument &document)
{
    return accepts(path) && document.loadFromFile(belowAppRoot(path).toStdWString());
}

bool DuiDefaultHandler::loadRawData(const QString &path, QByteArray &data)
{
    return accepts(path) && readWholeFile(belowAppRoot(path), data);
}

DuiAbsoluteHandler *DuiAbsoluteHandler::instance()
{
    return handlerInstance<DuiAbsoluteHandler>();
}

bool DuiAbsoluteHandler::loadImage(const QString &path, QPixmap &pixmap)
{
    return isAbsolute(path) && loadImageFile(path, pixmap);
}

bool DuiAbsoluteHandler::loadXml(const QString &path, MXXmlDocument &document)
{
    return isAbsolute(path) && document.loadFromFile(path.toStdWString());
}

bool DuiAbsoluteHandler::loadRawData(const QString &path, QByteArray &data)
{
    return isAbsolute(path) && readWholeFile(path, data);
}

DuiResourceLoader::DuiResourceLoader()
    : d_data(new DuiResourceLoaderPrivate(this))
{
    Q_D(DuiResourceLoader);
    d->handlers.append(DuiQtHandler::instance());
    d->handlers.append(DuiDefaultHandler::instance());
    d->handlers.append(DuiAbsoluteHandler::instance());
}

DuiResourceLoader::~DuiResourceLoader() = default;

void DuiResourceLoader::installResourceHandler(DuiResourceHandler *handler)
{
    Q_D(DuiResourceLoader);
    if (handler)
        d->handlers.append(handler);
}

QPixmap DuiResourceLoader::loadImage(const QString &path, bool useHandlers)
{
    Q_D(DuiResourceLoader);
    QPixmap pixmap;
    if (!useHandlers) {
        const QByteArray data = loadRawData(path);
        if (!data.isEmpty())
            pixmap.loadFromData(data);
        return pixmap;
    }
    for (const QPointer<DuiResourceHandler> &handler : std::as_const(d->handlers)) {
        if (handler && handler->loadImage(path, pixmap))
            return pixmap;
    }
    qCWarning(lcDuiResource) << "no handler could load image" << path;
    return QPixmap();
}

QByteArray DuiResourceLoader::loadRawData(const QString &path)
{
    Q_D(DuiResourceLoader);
    QByteArray data;
    for (const QPointer<DuiResourceHandler> &handler : std::as_const(d->handlers)) {
        if (handler && handler->loadRawData(path, data))
            return data;
    }
    qCWarning(lcDuiResource) << "no handler could read" << path;
    return QByteArray();
}

bool DuiResourceLoader::loadXml(const QString &path, MXXmlDocument &document)
{
    Q_D(DuiResourceLoader);
    for (const QPointer<DuiResourceHandler> &handler : std::as_const(d->handlers)) {
        if (handler && handler->loadXml(path, document))
            return true;
    }
    qCWarning(lcDuiResource) << "no handler could load XML" << path;
    return false;
}

namespace {

DuiGlobalInstance<DuiResourceLoader> s_loader;

} // namespace

DuiResourceLoader *getResourceLoader()
{
    return s_loader.get();
}
