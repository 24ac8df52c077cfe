// SPDX-License-Identifier: MIT
#ifndef DUIIMAGEWIDGET_P_H
#define DUIIMAGEWIDGET_P_H

#include "duiimagewidget.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>
#include <QtWidgets/qgraphicseffect.h>

class QGraphicsPixmapItem;

class DUI_AUTOTEST_EXPORT DuiImageWidgetPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiImageWidget)
public:
    QGraphicsPixmapItem *pixmapItem = nullptr;
    QString imagePath;
    double rotate = 0;
    double scale = 0;
    bool handHover = false;
    bool acceptClick = true;
    QColor effectColor = QColor(Qt::transparent);
    QColor borderColor;
    DuiImageWidget::ImageScalePolicy scalePolicy = DuiImageWidget::ScaleWidgetCenter;
    // The tint the hover glow displaced (invalid: none), put back when the cursor leaves.
    QColor tintUnderGlow;
    qreal tintStrengthUnderGlow = 1.0;
    // The hover glow while it is the widget's effect; guarded, since the widget's effect may be
    // replaced (and so deleted) at any time.
    QPointer<QGraphicsDropShadowEffect> glow;
};

// Draws the thin rounded frame that image and animation widgets put around their picture.
void duiDrawImageBorder(QPainter *painter, const QRectF &rect, const QColor &color);

#endif // DUIIMAGEWIDGET_P_H
