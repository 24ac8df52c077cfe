// SPDX-License-Identifier: MIT
#ifndef DUIBACKGROUNDITEM_H
#define DUIBACKGROUNDITEM_H

#include "duiglobal.h"
#include "duitheme.h"

#include <QtCore/qobject.h>
#include <QtCore/qscopedpointer.h>
#include <QtGui/qcolor.h>
#include <QtGui/qpixmap.h>

class DuiBackgroundItemPrivate;
class QPainter;

// What a frame window paints behind its scene: a background image, or the theme's (or the
// window's own) decoration picture over its colour; then the mask image and the border shadow.
class DUI_EXPORT DuiBackgroundItem : public QObject
{
    Q_OBJECT
public:
    explicit DuiBackgroundItem(QObject *parent = nullptr);
    ~DuiBackgroundItem() override;

    void setBackgroundImage(const QString &path);
    QString backgroundImage() const;
    // The window's own decoration picture, faded out towards its edges; its dominant colour
    // becomes the fill colour.
    void setDecorationImage(const QString &path);
    bool hasDecorationImage() const;
    QColor decorationColor() const;
    // Chooses the mask image: 0 main frame, 1 thick title, 2 dialog, 3 popup; others: none.
    void setGradientType(int type);
    QPixmap maskPixmap() const;
    void setShowBorderShadow(bool show);
    bool showBorderShadow() const;

    void paint(QPainter *painter, const QRect &rect) const;

private:
    QScopedPointer<DuiBackgroundItemPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiBackgroundItem)
};

#endif // DUIBACKGROUNDITEM_H
