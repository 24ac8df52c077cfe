// SPDX-License-Identifier: MIT
#ifndef GIFPOOL_H
#define GIFPOOL_H

#include "duiglobal.h"

#include <QtCore/qhash.h>
#include <QtCore/qlist.h>
#include <QtCore/qmetatype.h>
#include <QtCore/qobject.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>

class GifPoolPrivate;

// A new frame of one pooled animation.
struct GifUpdateData
{
    QString name;
    QPixmap pixmap;
};
Q_DECLARE_METATYPE(GifUpdateData)

// The animated images of one text edit: a movie per key, all advanced by one 100 ms timer, the
// frames that changed reported together in one signal. A frame with delay d > 0 stays for
// (ceil(d / 100) + 1) ticks, a frame with delay 0 for one tick.
//
// Movies read private copies of their bytes, read through the same guarded path as every other
// document resource. A movie whose first frame does not decode, whose declared size exceeds
// 16 million pixels, or that would take the pool past its pixel budget is refused; a movie that
// cannot advance (a single frame, its loops done, truncated data) is no longer ticked, and the
// timer runs only while some movie can still move.
class DUI_EXPORT GifPool : public QObject
{
    Q_OBJECT
public:
    explicit GifPool(QObject *parent = nullptr);
    ~GifPool() override;

    // A file name ending in ".gif", in any case.
    static bool isAnimationGif(const QString &path);
    // Bytes that start with a GIF signature ("GIF87a" or "GIF89a") and hold more than it.
    static bool isAnimationGif(const QByteArray &data, int);
    // True when `pool` holds `key`; otherwise whether `data`, read as a path, names a ".gif".
    static bool isAnimationGif(GifPool *pool, const QString &key, const QByteArray &data);

    // Counts one more use of `path`, loading it as a new key on first use.
    void addGifImage(const QString &path);
    // False when the key exists or the bytes are no readable animation.
    bool insertKeyImage(const QString &key, const QString &path);
    bool insertKeyImage(const QString &key, const QByteArray &data);
    // Gives an existing key the movie of another file; counts and timing stay.
    void replaceKeyImage(const QString &key, const QString &path);
    // One use less; the key goes at zero.
    void deleteGif(const QString &key);
    // Keeps only the keys counted, with their counts.
    void updateGifPool(const QHash<QString, int> &counts);
    // Empties the pool and stops the timer.
    void deleteAll();
    bool contain(const QString &key) const;
    int refCount(const QString &key) const;
    QStringList keys() const;
    int count() const;
    // The movie's current frame; a transparent 28 x 28 image for an unknown key.
    QImage currentImage(const QString &key) const;
    void setEnableUpdate(bool enable);
    bool isTimerActive() const;
    // Starts or stops the timer by the enable flag and the movies that can still move.
    void updateTimer();

    // Frame pixels (declared width x height, summed over the movies) the pool may hold;
    // 64 million by default.
    void setPixelBudget(qint64 pixels);
    qint64 pixelBudget() const;
    qint64 pixelsInUse() const;

Q_SIGNALS:
    void updateGifImage(const QList<GifUpdateData> &updateList);

public Q_SLOTS:
    // One 100 ms step of every movie.
    void on_timeout();

private:
    Q_DECLARE_PRIVATE_D(d_ptr, GifPool)
    GifPoolPrivate *d_ptr;
    Q_DISABLE_COPY(GifPool)
};

#endif // GIFPOOL_H
