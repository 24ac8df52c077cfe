// SPDX-License-Identifier: MIT
#include "canvas.h"

namespace skin {

namespace {

int s_scale = 1;

} // namespace

int scale()
{
    return s_scale;
}

void setScale(int scale)
{
    s_scale = scale;
}

QImage canvas(int w, int h, QImage::Format format)
{
    QImage image(w * s_scale, h * s_scale, format);
    image.setDevicePixelRatio(s_scale);
    image.fill(Qt::transparent);
    return image;
}

QRectF logicalRect(const QImage &image)
{
    return QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

QString scaledName(const QString &name)
{
    if (s_scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(s_scale) + name.mid(dot);
}

} // namespace skin
