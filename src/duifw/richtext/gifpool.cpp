// SPDX-License-Identifier: MIT
#include "gifpool_p.h"

#include "duitextresource_p.h"

#include <QtCore/qbuffer.h>
#include <QtGui/qmovie.h>

#include <memory>

struct GifPool::Entry
{
    QString key;
    QByteArray bytes;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QMovie> movie;
    int elapsed = 0;
    int refCount = 1;
};

GifPool::GifPool(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &GifPool::on_timeout);
}

GifPool::~GifPool()
{
    qDeleteAll(m_gifs);
}

bool GifPool::isAnimationGif(const QString &path)
{
    return path.right(4).toLower() == QLatin1String(".gif");
}

bool GifPool::isAnimationGif(const QByteArray &data, int)
{
    return data.size() >= 7 && (data.startsWith("GIF89a") || data.startsWith("GIF87a"));
}

GifPool::Entry *GifPool::makeEntry(const QString &key, const QByteArray &data)
{
    if (!isAnimationGif(data, 0) || !duiTextImageSizeAllowed(data))
        return nullptr;
    auto entry = std::make_unique<Entry>();
    entry->key = key;
    entry->bytes = data;
    entry->buffer = std::make_unique<QBuffer>(&entry->bytes);
    entry->buffer->open(QIODevice::ReadOnly);
    entry->movie = std::make_unique<QMovie>(entry->buffer.get());
    // A valid signature is not enough: the first frame must decode.
    if (!entry->movie->isValid() || !entry->movie->jumpToFrame(0) || entry->movie->currentImage().isNull())
        return nullptr;
    return entry.release();
}

bool GifPool::insertKeyImage(const QString &key, const QString &path)
{
    if (m_gifs.contains(key))
        return false;
    return insertKeyImage(key, duiTextResourceBytes(path));
}

bool GifPool::insertKeyImage(const QString &key, const QByteArray &data)
{
    if (m_gifs.contains(key))
        return false;
    Entry *entry = makeEntry(key, data);
    if (entry)
        m_gifs.insert(key, entry);
    updateTimer();
    return entry;
}

void GifPool::replaceKeyImage(const QString &key, const QString &path)
{
    Entry *old = m_gifs.value(key);
    if (!old)
        return;
    Entry *entry = makeEntry(key, duiTextResourceBytes(path));
    if (!entry)
        return;
    entry->refCount = old->refCount;
    entry->elapsed = old->elapsed;
    delete old;
    m_gifs.insert(key, entry);
}

void GifPool::updateGifPool(const QHash<QString, int> &counts)
{
    for (auto it = m_gifs.begin(); it != m_gifs.end();) {
        const auto count = counts.constFind(it.key());
        if (count == counts.cend()) {
            delete it.value();
            it = m_gifs.erase(it);
        } else {
            it.value()->refCount = count.value();
            ++it;
        }
    }
    updateTimer();
}

void GifPool::deleteAll()
{
    qDeleteAll(m_gifs);
    m_gifs.clear();
}

bool GifPool::contain(const QString &key) const
{
    return m_gifs.contains(key);
}

int GifPool::refCount(const QString &key) const
{
    const Entry *entry = m_gifs.value(key);
    return entry ? entry->refCount : 0;
}

QImage GifPool::currentImage(const QString &key) const
{
    if (const Entry *entry = m_gifs.value(key))
        return entry->movie->currentImage();
    QImage blank(28, 28, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

void GifPool::setEnableUpdate(bool enable)
{
    m_enableUpdate = enable;
    updateTimer();
}

bool GifPool::isTimerActive() const
{
    return m_timer.isActive();
}

void GifPool::updateTimer()
{
    if (m_enableUpdate && !m_gifs.isEmpty()) {
        if (!m_timer.isActive())
            m_timer.start();
    } else if (m_timer.isActive()) {
        m_timer.stop();
    }
}

// A frame with delay d is shown for whole ticks: it advances on the first tick at which the
// time already spent on it reaches d.
void GifPool::on_timeout()
{
    QList<GifUpdateData> changed;
    for (Entry *entry : std::as_const(m_gifs)) {
        const int delay = entry->movie->nextFrameDelay();
        if (entry->elapsed < delay) {
            entry->elapsed += 100;
            continue;
        }
        entry->elapsed = 0;
        if (entry->movie->jumpToNextFrame())
            changed.append({entry->key, entry->movie->currentPixmap()});
    }
    if (!changed.isEmpty())
        Q_EMIT updateGifImage(changed);
}
