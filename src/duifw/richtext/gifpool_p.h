// SPDX-License-Identifier: MIT
#ifndef GIFPOOL_P_H
#define GIFPOOL_P_H

#include "duiglobal.h"

#include <QtCore/qhash.h>
#include <QtCore/qlist.h>
#include <QtCore/qmetatype.h>
#include <QtCore/qobject.h>
#include <QtCore/qtimer.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>

class QBuffer;
class QMovie;

// A new frame of one pooled animation.
struct GifUpdateData
{
    QString name;
    QPixmap pixmap;
};
Q_DECLARE_METATYPE(GifUpdateData)

// The animated images of one text edit: a movie per key, all advanced by one 100 ms timer, the
// changed frames reported together. Movies read private copies of their bytes, which are read
// through the same guarded path as every other document resource.
//
// This is the part of the pool the editor relies on: keyed insertion from files and bytes,
// frame stepping, the recount after deletions and clearing. Counting of repeated file
// insertions and the custom text objects build on it.
class DUI_AUTOTEST_EXPORT GifPool : public QObject
{
    Q_OBJECT
public:
    explicit GifPool(QObject *parent = nullptr);
    ~GifPool() override;

    // A file name ending in ".gif", in any case.
    static bool isAnimationGif(const QString &path);
    // Bytes that start with a GIF signature ("GIF87a" or "GIF89a") and hold more than it.
    static bool isAnimationGif(const QByteArray &data, int);

    // False when the key exists or the bytes are no readable animation.
    bool insertKeyImage(const QString &key, const QString &path);
    bool insertKeyImage(const QString &key, const QByteArray &data);
    // Gives an existing key the movie of another file; counts and timing stay.
    void replaceKeyImage(const QString &key, const QString &path);
    // Keeps only the keys counted, with their counts.
    void updateGifPool(const QHash<QString, int> &counts);
    void deleteAll();
    bool contain(const QString &key) const;
    int refCount(const QString &key) const;
    // The movie's current frame; a blank 28 x 28 image for an unknown key.
    QImage currentImage(const QString &key) const;
    void setEnableUpdate(bool enable);
    bool isTimerActive() const;

Q_SIGNALS:
    void updateGifImage(const QList<GifUpdateData> &updateList);

private:
    struct Entry;
    void on_timeout();
    void updateTimer();
    static Entry *makeEntry(const QString &key, const QByteArray &data);

    QHash<QString, Entry *> m_gifs;
    QTimer m_timer;
    bool m_enableUpdate = true;
    Q_DISABLE_COPY(GifPool)
};

#endif // GIFPOOL_P_H
