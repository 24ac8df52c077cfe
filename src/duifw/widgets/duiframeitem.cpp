// SPDX-License-Identifier: MIT
#include "duiframeitem.h"
#include "duiframeitem_p.h"

#include "duilogging_p.h"
#include "duitheme.h"
#include "mxxmldocument.h"

#include <QtCore/qfile.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qtextstream.h>
#include <QtGui/qbrush.h>
#include <QtWidgets/qstyleoption.h>

DUI_REGISTER_WIDGET(DuiFrameItem)

namespace {

bool isGradientPath(const QString &path)
{
    return path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

// A gradient file has no pixels: it is not asked for as an image, which would only report it
// missing.
QPixmap framePixmap(const QString &path)
{
    return isGradientPath(path) ? QPixmap() : DuiTheme::getImage(path, true);
}

// The largest offscreen layer the base colour is composed in; beyond it the layer is skipped
// rather than allocating gigabytes for an absurd item size.
constexpr qint64 kMaxLayerPixels = 16 * 1024 * 1024;

// Gradient files are a few lines; anything larger is no gradient file.
constexpr qint64 kMaxGradientFileBytes = 1024 * 1024;

bool readPair(const std::wstring &text, QPointF &point)
{
    const QStringList parts = QString::fromStdWString(text).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return false;
    point = QPointF(parts.at(0).toFloat(), parts.at(1).toFloat());
    return true;
}

int readInt(const std::wstring &text)
{
    return QString::fromStdWString(text).trimmed().toInt();
}

} // namespace

int DuiFrameItemPrivate::stateSlot(const QStyleOptionGraphicsItem *option, bool forBrush) const
{
    if (!paths[Disabled].isEmpty() && !enabled)
        return Disabled;
    if (!paths[Pressed].isEmpty() && pressed && (forBrush || enabled))
        return Pressed;
    if (!paths[Checked].isEmpty() && checked && enabled)
        return Checked;
    const bool mouseOver = (option && (option->state & QStyle::State_MouseOver)) || hovered;
    if (!paths[Hover].isEmpty() && mouseOver)
        return enabled ? Hover : Normal;
    return Normal;
}

DuiFrameItem::DuiFrameItem(QGraphicsItem *parent)
    : DuiFrameItem(*new DuiFrameItemPrivate, parent)
{
}

DuiFrameItem::DuiFrameItem(const QString &imagePath, DuiFrameItemDrawer::FrameType type, QGraphicsItem *parent)
    : DuiFrameItem(*new DuiFrameItemPrivate, imagePath, type, parent)
{
}

DuiFrameItem::DuiFrameItem(DuiFrameItemPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiFrameItem::DuiFrameItem(DuiFrameItemPrivate &dd, const QString &imagePath, DuiFrameItemDrawer::FrameType type,
                           QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
    dd.paths[DuiFrameItemPrivate::Normal] = imagePath;
    dd.pixmaps[DuiFrameItemPrivate::Normal] = framePixmap(imagePath);
    dd.frameType = type;
}

DuiFrameItem::~DuiFrameItem() = default;

void DuiFrameItem::init()
{
    setColorizePolicy(ColorableFlag);
    setFocusPolicy(Qt::NoFocus);
}

void DuiFrameItem::setImage(const QString &normal)
{
    Q_D(DuiFrameItem);
    d->paths[DuiFrameItemPrivate::Normal] = normal;
    d->pixmaps[DuiFrameItemPrivate::Normal] = framePixmap(normal);
    if (isGradientPath(normal))
        d->drawStyle = LinearGradientDrawStyle;
    _updateGradientBrushes();
    update();
}

void DuiFrameItem::setImage(const QString &normal, const QString &hover, const QString &pressed,
                            const QString &disabled, const QString &checked)
{
    Q_D(DuiFrameItem);
    const QString paths[DuiFrameItemPrivate::SlotCount] = {normal, hover, pressed, disabled,
                                                          checked.isEmpty() ? pressed : checked};
    bool gradient = false;
    for (int i = 0; i < DuiFrameItemPrivate::SlotCount; ++i) {
        d->paths[i] = paths[i];
        d->pixmaps[i] = framePixmap(paths[i]);
        gradient = gradient || isGradientPath(paths[i]);
    }
    if (gradient)
        d->drawStyle = LinearGradientDrawStyle;
    _updateGradientBrushes();
    update();
}

QString DuiFrameItem::imagePath() const
{
    return d_func()->paths[DuiFrameItemPrivate::Normal];
}

void DuiFrameItem::setFrameType(int type)
{
    d_func()->frameType = type;
    update();
}

void DuiFrameItem::setFrameType(const QString &name)
{
    setFrameType(int(DuiFrameItemDrawer::frameTypeFromName(name)));
}

int DuiFrameItem::frameType() const
{
    return d_func()->frameType;
}

void DuiFrameItem::setMargin(const QMargins &margins)
{
    d_func()->margins = margins;
    update();
}

void DuiFrameItem::setPressed(bool pressed)
{
    d_func()->pressed = pressed;
    update();
}

bool DuiFrameItem::isPressed() const
{
    return d_func()->pressed;
}

void DuiFrameItem::setChecked(bool checked)
{
    d_func()->checked = checked;
    update();
}

bool DuiFrameItem::isChecked() const
{
    return d_func()->checked;
}

void DuiFrameItem::setHovered(bool hovered)
{
    d_func()->hovered = hovered;
    update();
}

bool DuiFrameItem::isHovered() const
{
    return d_func()->hovered;
}

void DuiFrameItem::setEnable(bool enable)
{
    Q_D(DuiFrameItem);
    d->enabled = enable;
    // A disabled item loses its tint; an enabled one takes its saved policy back.
    DuiWidget::setColorizePolicy(enable ? d->savedColorizePolicy : UnColorableFlag);
    colorize(DuiTheme::getColor(DuiTheme::DarkestColor));
    update();
}

void DuiFrameItem::setDrawStyle(DrawStyle style)
{
    Q_D(DuiFrameItem);
    if (d->drawStyle == style)
        return;
    d->drawStyle = style;
    _updateGradientBrushes();
    update();
}

DuiFrameItem::DrawStyle DuiFrameItem::drawStyle() const
{
    return d_func()->drawStyle;
}

void DuiFrameItem::setBaseColor(const QColor &color)
{
    d_func()->baseColor = color;
    update();
}

QColor DuiFrameItem::baseColor() const
{
    return d_func()->baseColor;
}

void DuiFrameItem::setComposeMode(QPainter::CompositionMode mode)
{
    d_func()->composeMode = mode;
    update();
}

QPainter::CompositionMode DuiFrameItem::composeMode() const
{
    return d_func()->composeMode;
}

void DuiFrameItem::setBackgroundMask(const QString &path)
{
    d_func()->backgroundMask = path;
    update();
}

QString DuiFrameItem::backgroundMask() const
{
    return d_func()->backgroundMask;
}

void DuiFrameItem::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiFrameItem);
    DuiWidget::setColorizePolicy(policy);
    if (d->enabled)
        d->savedColorizePolicy = policy;
}

void DuiFrameItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_UNUSED(widget);
    Q_D(DuiFrameItem);
    if (d->baseColor.alpha() != 0 && d->drawStyle == PixmapDrawStyle) {
        const QSize layerSize = size().toSize();
        if (!layerSize.isEmpty() && qint64(layerSize.width()) * layerSize.height() <= kMaxLayerPixels) {
            // At the device's pixel density, so the mask's edges stay as sharp as the skin's.
            const qreal ratio = painter->device() ? qBound(1.0, painter->device()->devicePixelRatio(), 4.0) : 1.0;
            QPixmap layer(layerSize * ratio);
            layer.setDevicePixelRatio(ratio);
            layer.fill(Qt::transparent);
            {
                QPainter layerPainter(&layer);
                const QRect area(QPoint(0, 0), layerSize);
                layerPainter.fillRect(area, d->baseColor);
                if (!d->backgroundMask.isEmpty()) {
                    // The colour keeps only the mask's shape.
                    layerPainter.setCompositionMode(QPainter::CompositionMode_DestinationAtop);
                    DuiFrameItemDrawer(d->backgroundMask, DuiFrameItemDrawer::FrameType(d->frameType))
                        .draw(area, &layerPainter, d->margins);
                }
            }
            DuiFrameItemDrawer(layer, DuiFrameItemDrawer::FrameType(d->frameType))
                .draw(rect().toRect(), painter, d->margins);
        } else if (!layerSize.isEmpty()) {
            qCWarning(lcDuiTheme) << "frame item" << objectName() << "too large for its base colour layer:" << layerSize;
        }
    }
    painter->setCompositionMode(d->composeMode);
    if (d->drawStyle == LinearGradientDrawStyle)
        drawBrushBackground(painter, option);
    else
        drawPixmatBackground(painter, option);
}

void DuiFrameItem::drawPixmatBackground(QPainter *painter, const QStyleOptionGraphicsItem *option)
{
    Q_D(DuiFrameItem);
    const QPixmap pixmap = _getDrawPixmap(option);
    if (pixmap.isNull())
        return;
    DuiFrameItemDrawer(pixmap, DuiFrameItemDrawer::FrameType(d->frameType)).draw(rect().toRect(), painter, d->margins);
}

void DuiFrameItem::drawBrushBackground(QPainter *painter, const QStyleOptionGraphicsItem *option)
{
    Q_D(DuiFrameItem);
    const QBrush brush = _getDrawBrush(option);
    if (brush.style() == Qt::NoBrush)
        return;
    QRectF area = rect();
    if (!d->margins.isNull())
        area = area.marginsRemoved(QMarginsF(d->margins));
    painter->fillRect(area, brush);
}

QPixmap DuiFrameItem::_getDrawPixmap(const QStyleOptionGraphicsItem *option) const
{
    Q_D(const DuiFrameItem);
    return d->pixmaps.value(d->stateSlot(option, false));
}

QBrush DuiFrameItem::_getDrawBrush(const QStyleOptionGraphicsItem *option) const
{
    Q_D(const DuiFrameItem);
    return d->brushes[d->stateSlot(option, true)];
}

QBrush DuiFrameItem::loadBrush(const QString &path) const
{
    if (path.isEmpty())
        return QBrush();
    // Only regular files are read: opening a named pipe would wait for a writer for ever, and a
    // device would never end.
    if (!path.startsWith(QLatin1Char(':'))) {
        const QFileInfo info(path);
        if (info.exists() && (!info.isFile() || info.size() > kMaxGradientFileBytes)) {
            qCWarning(lcDuiTheme) << "not reading gradient file" << path << "(not a regular file, or larger than"
                                  << kMaxGradientFileBytes << "bytes)";
            return QBrush();
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcDuiTheme) << "cannot open gradient file" << path;
        return QBrush();
    }
    QTextStream stream(&file);
    MXXmlDocument document;
    if (!document.loadFromString(stream.readAll().toStdWString()) || !document.rootElement()) {
        qCWarning(lcDuiTheme).noquote() << "gradient file" << path << "is not XML:"
                                        << QString::fromStdWString(document.errorMessage());
        return QBrush();
    }
    const MXXmlElement *gradient = document.rootElement()->child(0);
    if (!gradient)
        return QBrush();

    const QColor base = QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(readInt(gradient->attribute(L"themeColorType")))));
    QPointF start, finalStop;
    if (!readPair(gradient->attribute(L"start"), start) || !readPair(gradient->attribute(L"finalStop"), finalStop)) {
        qCWarning(lcDuiTheme) << "gradient file" << path << "needs start and finalStop as two numbers";
        return QBrush();
    }
    if (gradient->childCount() == 0)
        return QBrush();

    QLinearGradient linear(start, finalStop);
    linear.setCoordinateMode(QGradient::ObjectBoundingMode);
    int h = 0, s = 0, l = 0;
    base.getHsl(&h, &s, &l);
    for (int i = 0; i < gradient->childCount(); ++i) {
        const MXXmlElement *stop = gradient->child(i);
        // Summed in 64 bits: an offset may be any int, and int + int would overflow.
        const int hue = int(qBound(qint64(0), qint64(h) + readInt(stop->attribute(L"h")), qint64(359)));
        const int sat = int(qBound(qint64(0), qint64(s) + readInt(stop->attribute(L"s")), qint64(255)));
        const int light = int(qBound(qint64(0), qint64(l) + readInt(stop->attribute(L"l")), qint64(255)));
        const qreal pos = qBound(0.0, qreal(QString::fromStdWString(stop->attribute(L"pos")).toFloat()), 1.0);
        linear.setColorAt(pos, QColor::fromHsl(hue, sat, light, 255));
    }
    return QBrush(linear);
}

void DuiFrameItem::_updateGradientBrushes()
{
    Q_D(DuiFrameItem);
    if (d->drawStyle != LinearGradientDrawStyle)
        return;
    for (int i = 0; i < DuiFrameItemPrivate::SlotCount; ++i)
        d->brushes[i] = loadBrush(d->paths[i]);
}

void DuiFrameItem::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    update();
}

void DuiFrameItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverLeaveEvent(event);
    update();
}

void DuiFrameItem::polishEvent()
{
    DuiWidget::polishEvent();
    _colorizeSelf();
}

void DuiFrameItem::_colorizeSelf()
{
    colorize(DuiTheme::getColor(DuiTheme::BaseColor));
}

void DuiFrameItem::doColorize(QRgb rgb)
{
    Q_D(DuiFrameItem);
    if (d->drawStyle == LinearGradientDrawStyle) {
        _updateGradientBrushes();
        update();
    } else if (d->baseColor.alpha() != 0) {
        d->baseColor = QColor::fromRgba(DuiTheme::getCurrentPerceptualColor());
        update();
    } else {
        DuiWidget::doColorize(rgb);
    }
}
