// SPDX-License-Identifier: MIT
#ifndef GIFPOOL_P_H
#define GIFPOOL_P_H

#include "gifpool.h"

#include <QtCore/qbuffer.h>
#include <QtCore/qtimer.h>
#include <QtGui/qmovie.h>

#include <memory>

constexpr qint64 kDefaultGifPoolPixels = 64 * 1000 * 1000;

struct GifEntry
{
    QString key;
    QByteArray bytes; // the movie's private copy
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QMovie> movie;
    qint64 pixels = 0; // declared frame size
    int elapsed = 0;
    int refCount = 1;
    bool stalled = false; // cannot advance any more
};

class GifPoolPrivate
{
public:
    // A movie over a copy of `data`, its first frame decoded; null when refused.
    std::unique_ptr<GifEntry> makeEntry(const QString &key, const QByteArray &data, qint64 freedPixels) const;
    QHash<QString, GifEntry *>::iterator remove(QHash<QString, GifEntry *>::iterator it);

    QHash<QString, GifEntry *> gifs;
    QTimer timer;
    bool enableUpdate = true;
    qint64 pixelBudget = kDefaultGifPoolPixels;
    qint64 pixelsInUse = 0;
    int liveCount = 0; // entries not stalled
};

#endif // GIFPOOL_P_H
