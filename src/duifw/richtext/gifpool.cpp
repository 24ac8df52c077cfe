// SPDX-License-Identifier: MIT
#include "gifpool_p.h"

#include "duilogging_p.h"
#include "duitextresource_p.h"

#include <QtGui/qimagereader.h>

namespace {

// The logical screen size a GIF declares, read before anything is decoded.
QSize declaredSize(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "gif").size();
}

} // namespace

std::unique_ptr<GifEntry> GifPoolPrivate::makeEntry(const QString &key, const QByteArray &data,
                                                    qint64 freedPixels) const
{
    if (!GifPool::isAnimationGif(data, 0))
        return nullptr;
    const QSize declared = declaredSize(data);
    const qint64 pixels = declared.isValid() ? qint64(declared.width()) * declared.height() : 0;
    if (pixels > kMaxTextImagePixels || !duiTextImageSizeAllowed(data)) {
        qCWarning(lcDuiControls) << "GIF" << key << "of" << declared << "pixels refused";
        return nullptr;
    }
    if (pixelsInUse - freedPixels + pixels > pixelBudget) {
        qCWarning(lcDuiControls) << "GIF" << key << "refused: the pool's pixel budget is spent";
        return nullptr;
    }
    auto entry = std::make_unique<GifEntry>();
    entry->key = key;
    entry->bytes = data;
    entry->buffer = std::make_unique<QBuffer>(&entry->bytes);
    entry->buffer->open(QIODevice::ReadOnly);
    entry->movie = std::make_unique<QMovie>(entry->buffer.get(), QByteArray("gif"));
    entry->movie->setCacheMode(QMovie::CacheNone);
    // A valid signature is not enough: the first frame must decode, within the declared size.
    if (!entry->movie->isValid() || !entry->movie->jumpToFrame(0) || entry->movie->currentImage().isNull())
        return nullptr;
    const QSize frame = entry->movie->currentImage().size();
    entry->pixels = qMax(pixels, qint64(frame.width()) * frame.height());
    if (entry->pixels > kMaxTextImagePixels || pixelsInUse - freedPixels + entry->pixels > pixelBudget)
        return nullptr;
    entry->stalled = entry->movie->frameCount() == 1;
    return entry;
}

QHash<QString, GifEntry *>::iterator GifPoolPrivate::remove(QHash<QString, GifEntry *>::iterator it)
{
    GifEntry *entry = it.value();
    pixelsInUse -= entry->pixels;
    if (!entry->stalled)
        --liveCount;
    delete entry;
    return gifs.erase(it);
}

GifPool::GifPool(QObject *parent)
    : QObject(parent)
    , d_ptr(new GifPoolPrivate)
{
    Q_D(GifPool);
    d->timer.setInterval(100);
    connect(&d->timer, &QTimer::timeout, this, &GifPool::on_timeout);
}

GifPool::~GifPool()
{
    qDeleteAll(d_ptr->gifs);
    delete d_ptr;
}

bool GifPool::isAnimationGif(const QString &path)
{
    return path.right(4).toLower() == QLatin1String(".gif");
}

bool GifPool::isAnimationGif(const QByteArray &data, int)
{
    return data.size() >= 7 && (data.startsWith("GIF89a") || data.startsWith("GIF87a"));
}

bool GifPool::isAnimationGif(GifPool *pool, const QString &key, const QByteArray &data)
{
    if (pool && pool->contain(key))
        return true;
    return isAnimationGif(QString::fromUtf8(data));
}

void GifPool::addGifImage(const QString &path)
{
    Q_D(GifPool);
    if (GifEntry *entry = d->gifs.value(path)) {
        ++entry->refCount;
        return;
    }
    insertKeyImage(path, path);
}

bool GifPool::insertKeyImage(const QString &key, const QString &path)
{
    if (contain(key))
        return false;
    return insertKeyImage(key, duiTextResourceBytes(path));
}

bool GifPool::insertKeyImage(const QString &key, const QByteArray &data)
{
    Q_D(GifPool);
    if (d->gifs.contains(key))
        return false;
    std::unique_ptr<GifEntry> entry = d->makeEntry(key, data, 0);
    if (!entry)
        return false;
    d->pixelsInUse += entry->pixels;
    if (!entry->stalled)
        ++d->liveCount;
    d->gifs.insert(key, entry.release());
    updateTimer();
    return true;
}

void GifPool::replaceKeyImage(const QString &key, const QString &path)
{
    Q_D(GifPool);
    const auto it = d->gifs.find(key);
    if (it == d->gifs.end())
        return;
    GifEntry *old = it.value();
    std::unique_ptr<GifEntry> entry = d->makeEntry(key, duiTextResourceBytes(path), old->pixels);
    if (!entry)
        return;
    entry->refCount = old->refCount;
    entry->elapsed = old->elapsed;
    d->pixelsInUse += entry->pixels - old->pixels;
    d->liveCount += int(!entry->stalled) - int(!old->stalled);
    delete old;
    it.value() = entry.release();
    updateTimer();
}

void GifPool::deleteGif(const QString &key)
{
    Q_D(GifPool);
    const auto it = d->gifs.find(key);
    if (it == d->gifs.end())
        return;
    if (--it.value()->refCount <= 0)
        d->remove(it);
    updateTimer();
}

void GifPool::updateGifPool(const QHash<QString, int> &counts)
{
    Q_D(GifPool);
    for (auto it = d->gifs.begin(); it != d->gifs.end();) {
        const auto count = counts.constFind(it.key());
        if (count == counts.cend()) {
            it = d->remove(it);
        } else {
            it.value()->refCount = count.value();
            ++it;
        }
    }
    updateTimer();
}

void GifPool::deleteAll()
{
    Q_D(GifPool);
    qDeleteAll(d->gifs);
    d->gifs.clear();
    d->pixelsInUse = 0;
    d->liveCount = 0;
    d->timer.stop();
}

bool GifPool::contain(const QString &key) const
{
    return d_ptr->gifs.contains(key);
}

int GifPool::refCount(const QString &key) const
{
    const GifEntry *entry = d_ptr->gifs.value(key);
    return entry ? entry->refCount : 0;
}

QStringList GifPool::keys() const
{
    return d_ptr->gifs.keys();
}

int GifPool::count() const
{
    return int(d_ptr->gifs.size());
}

QImage GifPool::currentImage(const QString &key) const
{
    if (const GifEntry *entry = d_ptr->gifs.value(key))
        return entry->movie->currentImage();
    QImage blank(28, 28, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

void GifPool::setEnableUpdate(bool enable)
{
    d_func()->enableUpdate = enable;
    updateTimer();
}

bool GifPool::isTimerActive() const
{
    return d_ptr->timer.isActive();
}

void GifPool::updateTimer()
{
    Q_D(GifPool);
    if (d->enableUpdate && d->liveCount > 0) {
        if (!d->timer.isActive())
            d->timer.start();
    } else if (d->timer.isActive()) {
        d->timer.stop();
    }
}

void GifPool::setPixelBudget(qint64 pixels)
{
    d_func()->pixelBudget = pixels;
}

qint64 GifPool::pixelBudget() const
{
    return d_ptr->pixelBudget;
}

qint64 GifPool::pixelsInUse() const
{
    return d_ptr->pixelsInUse;
}

// A frame with delay d is shown for whole ticks: it advances on the first tick at which the
// time already spent on it reaches d. A step that does not reach another frame means the movie
// is done (one frame, its loops over, or data cut short): it is sent nothing and ticked no more.
void GifPool::on_timeout()
{
    Q_D(GifPool);
    QList<GifUpdateData> changed;
    for (GifEntry *entry : std::as_const(d->gifs)) {
        if (entry->stalled)
            continue;
        QMovie *movie = entry->movie.get();
        if (entry->elapsed < movie->nextFrameDelay()) {
            entry->elapsed += 100;
            continue;
        }
        entry->elapsed = 0;
        const int before = movie->currentFrameNumber();
        if (movie->jumpToNextFrame() && movie->currentFrameNumber() != before) {
            changed.append({entry->key, movie->currentPixmap()});
        } else {
            entry->stalled = true;
            --d->liveCount;
        }
    }
    updateTimer();
    if (!changed.isEmpty())
        Q_EMIT updateGifImage(changed);
}
