// SPDX-License-Identifier: MIT
#include "duitheme.h"
#include "duitheme_p.h"

#include "duicolorizeevent.h"
#include "duiglobalinstance_p.h"
#include "duilogging_p.h"
#include "duiresourceloader.h"
#include "duiwindef.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qmutex.h>
#include <QtCore/qthread.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qpainter.h>
#include <QtGui/qregion.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qdrawutil.h>
#include <QtWidgets/qwidget.h>

#include <cfloat>
#include <cmath>

namespace {

// Whether every pixel of `area` of `pixmap` is fully transparent; remembered per pixmap.
bool middleIsTransparent(const QPixmap &pixmap, const QRect &area)
{
    if (!pixmap.hasAlphaChannel() || area.isEmpty())
        return false;
    static QMutex mutex;
    static QHash<qint64, bool> known;
    const QMutexLocker locker(&mutex);
    const auto found = known.constFind(pixmap.cacheKey());
    if (found != known.constEnd())
        return found.value();
    const QImage image = pixmap.copy(area).toImage().convertToFormat(QImage::Format_ARGB32);
    bool transparent = true;
    for (int y = 0; y < image.height() && transparent; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                transparent = false;
                break;
            }
        }
    }
    if (known.size() > 256)
        known.clear();
    known.insert(pixmap.cacheKey(), transparent);
    return transparent;
}

constexpr int kRowCount = 10;
constexpr int kColorCount = 10;
constexpr int kPresetCount = 9;

// Rows are theme indices, columns ColorType; types 0, 4 and 6 are black in every row.
constexpr QRgb themePalette[kRowCount][kColorCount] = {
    { 0xFF000000, 0xFFF4F9FF, 0xFFB0E1FD, 0xFFBAD5E7, 0xFF000000, 0xFF22B6FF, 0xFF000000, 0xFF00A1FF, 0xFF5093E4, 0xFF005B9C },
    { 0xFF000000, 0xFFFFF8FA, 0xFFFFBDDD, 0xFFEDCADB, 0xFF000000, 0xFFFB5CAA, 0xFF000000, 0xFFFF2590, 0xFFD9237B, 0xFF9C004B },
    { 0xFF000000, 0xFFFDF5FF, 0xFFF09BFF, 0xFFE4BFEC, 0xFF000000, 0xFFDF4FFF, 0xFF000000, 0xFFC62CE8, 0xFFBF48D6, 0xFF963B9A },
    { 0xFF000000, 0xFFFFFBF2, 0xFFFFE47F, 0xFFE8D2A2, 0xFF000000, 0xFFFFC342, 0xFF000000, 0xFFF6AA0D, 0xFFC28400, 0xFF8C5F00 },
    { 0xFF000000, 0xFFF9FFF0, 0xFFC4E88E, 0xFFC9E69E, 0xFF000000, 0xFF98D63A, 0xFF000000, 0xFF82C024, 0xFF77B021, 0xFF387722 },
    { 0xFF000000, 0xFFF5FDFF, 0xFFB1EFFA, 0xFFBCE1E8, 0xFF000000, 0xFF47DBF5, 0xFF000000, 0xFF2CCBE8, 0xFF29BED9, 0xFF00849C },
    { 0xFF000000, 0xFFFFF9F5, 0xFFEDA77E, 0xFFE8CCBC, 0xFF000000, 0xFFDA6F32, 0xFF000000, 0xFFBD5619, 0xFFA84C16, 0xFF9C3900 },
    { 0xFF000000, 0xFFFFF9F5, 0xFFEDA77E, 0xFFE8CCBC, 0xFF000000, 0xFFD96F32, 0xFF000000, 0xFFBD5619, 0xFFA84C16, 0xFF9C3900 },
    { 0xFF000000, 0xFFF7F7F7, 0xFFD7D7D7, 0xFFCDCDCD, 0xFF000000, 0xFFAAAAAA, 0xFF000000, 0xFF8C8C8C, 0xFF6E6E6E, 0xFF505050 },
    { 0xFF000000, 0xFFFEF3F4, 0xFFEE9B9D, 0xFFF25A5E, 0xFF000000, 0xFFFD1A1F, 0xFF000000, 0xFFDD171B, 0xFFC01417, 0xFFA51114 },
};

constexpr QRgb presetColors[kPresetCount] = {
    0xFF22B6FF, 0xFFFB5CAA, 0xFFDF4FFF, 0xFFFFC342, 0xFF98D63A,
    0xFF47DBF5, 0xFFDA6F32, 0xFFD96F32, 0xFFAAAAAA,
};

const char kFadeOutMaskPath[] = ":/theme/common/decorate_fadeout.png";

DuiGlobalInstance<DuiThemeData> s_themeData;

// Pixmaps need a QGuiApplication and its thread; outside them the mask is loaded on first use.
bool canUsePixmaps()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
           && QThread::currentThread() == QCoreApplication::instance()->thread();
}

const QPixmap &fadeOutMask(DuiThemeData *data)
{
    if (data->fadeOutMask.isNull() && canUsePixmaps()) {
        data->fadeOutMask = QPixmap(QString::fromLatin1(kFadeOutMaskPath));
        if (data->fadeOutMask.isNull())
            qCWarning(lcDuiTheme) << "missing fade-out mask" << kFadeOutMaskPath;
    }
    return data->fadeOutMask;
}

struct Lab
{
    double l;
    double a;
    double b;
};

double linearised(int channel)
{
    const double c = qMin(channel, 255) / 255.0;
    return (c > 0.04045 ? std::pow((c + 0.055) / 1.055, 2.4) : c / 12.92) * 100.0;
}

double labCurve(double t)
{
    return t > 0.008856 ? std::pow(t, 0.33333) : 7.787 * t + 0.13793;
}

Lab toLab(QRgb rgb)
{
    const double r = linearised(qRed(rgb));
    const double g = linearised(qGreen(rgb));
    const double b = linearised(qBlue(rgb));
    const double x = 0.4124 * r + 0.3576 * g + 0.1805 * b;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = 0.0193 * r + 0.1192 * g + 0.9505 * b;
    const double fx = labCurve(x / 95.047);
    const double fy = labCurve(y / 100.0);
    const double fz = labCurve(z / 108.88);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

void drawMasked(QPainter *painter, const QRect &rect, const char *maskPath)
{
    painter->fillRect(rect, QColor::fromRgba(DuiTheme::getColor(DuiTheme::BaseColor)));
    DuiTheme::drawNinePiecesBoarder(painter, rect, DuiTheme::getImage(QString::fromLatin1(maskPath), true));
}

} // namespace

DuiThemeData::DuiThemeData()
{
    if (canUsePixmaps())
        fadeOutMask = QPixmap(QString::fromLatin1(kFadeOutMaskPath));
}

DuiThemeData *duiThemeData()
{
    return s_themeData.get();
}

QRgb duiPresetColor(int index)
{
    return (index >= 0 && index < kPresetCount) ? presetColors[index] : 0;
}

void broadcastThemeColor()
{
    const QRgb color = DuiTheme::getColor(DuiTheme::BaseColor);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QCoreApplication::postEvent(window, new DuiColorizeEvent(color));
}

int nearestThemeIndex(QRgb color)
{
    const Lab target = toLab(color);
    double best = DBL_MAX;
    int bestRow = 0;
    for (int row = 0; row < kRowCount; ++row) {
        const Lab candidate = toLab(themePalette[row][DuiTheme::BaseColor]);
        const double da = target.a - candidate.a;
        const double db = target.b - candidate.b;
        const double distance = da * da + db * db;
        if (distance < best) {
            best = distance;
            bestRow = row;
        }
    }
    return bestRow;
}

QRgb DuiTheme::getColor(ColorType type)
{
    return getColor(duiThemeData()->themeIndex, type);
}

QRgb DuiTheme::getColor(int themeIndex, ColorType type)
{
    const int row = (themeIndex >= 0 && themeIndex < kRowCount) ? themeIndex : kRowCount - 1;
    const int column = int(type);
    if (column < 0 || column >= kColorCount)
        return 0xFF000000;
    return themePalette[row][column];
}

int DuiTheme::getColorTheme()
{
    return duiThemeData()->themeIndex;
}

bool DuiTheme::setColorThemeOnly(int index)
{
    if (index < 0 || index > 15)
        index = 0;
    DuiThemeData *data = duiThemeData();
    if (index == data->themeIndex)
        return false;
    data->themeIndex = index;
    return true;
}

bool DuiTheme::setColorTheme(int index)
{
    if (!setColorThemeOnly(index))
        return false;
    broadcastThemeColor();
    // The picture step looks at the index asked for, not the one stored.
    if (index < 0 || index >= kPresetCount)
        return false;
    const QString path = QStringLiteral(":/theme/common/window_decorate_%1.jpg").arg(index);
    const QImage image(path);
    if (image.isNull())
        qCWarning(lcDuiTheme) << "missing decoration picture" << path;
    else
        setDecorationImage(image, QColor::fromRgba(presetColors[index]), FadeOut);
    return true;
}

QRgb DuiTheme::getCurrentPerceptualColor()
{
    return duiThemeData()->perceptualColor.rgba();
}

void DuiTheme::setCurrentPerceptualColor(const QColor &color)
{
    duiThemeData()->perceptualColor = color;
}

QPixmap DuiTheme::decorationImage()
{
    return duiThemeData()->decorationPixmap;
}

QColor DuiTheme::decorationBackgroundColor()
{
    return duiThemeData()->perceptualColor;
}

DuiTheme::FillMode DuiTheme::decorationFillMode()
{
    return duiThemeData()->fillMode;
}

void DuiTheme::setDecorationImage(const QImage &image, QColor color, FillMode mode)
{
    if (image.isNull()) {
        qCWarning(lcDuiTheme) << "null decoration picture ignored";
        return;
    }
    QImage copy = image;
    if (!copy.hasAlphaChannel() || copy.depth() != 32)
        copy = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    DuiThemeData *data = duiThemeData();
    const QRgb dominant = dominantColor(copy);
    data->perceptualColor = QColor::fromRgba(dominant);
    data->themeIndex = nearestThemeIndex(color.isValid() ? color.rgba() : dominant);

    if (mode == FadeOut) {
        const QPixmap &mask = fadeOutMask(data);
        if (!mask.isNull()) {
            QPainter painter(&copy);
            painter.setCompositionMode(QPainter::CompositionMode_DestinationAtop);
            drawNinePiecesBoarder(&painter, copy.rect(), mask);
        }
    }
    data->fillMode = mode;
    data->decorationPixmap = QPixmap::fromImage(copy);
    broadcastThemeColor();
}

QPixmap DuiTheme::getImage(const QString &path, bool useHandlers)
{
    if (path.isEmpty())
        return QPixmap();
    return getResourceLoader()->loadImage(path, useHandlers);
}

QImage DuiTheme::colorizeImage(const QImage &image, QColor color)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage source = image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QImage result(source.size(), source.format());
    if (result.isNull())
        return result;
    result.setDevicePixelRatio(image.devicePixelRatio());
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.drawImage(0, 0, source);
        painter.setCompositionMode(QPainter::CompositionMode_Screen);
        painter.fillRect(result.rect(), color);
    }
    if (alpha)
        result.setAlphaChannel(source.convertToFormat(QImage::Format_Alpha8));
    return result;
}

void DuiTheme::drawNinePiecesBoarder(QPainter *painter, const QRect &rect, const QPixmap &pixmap)
{
    if (!painter || pixmap.isNull() || rect.isEmpty())
        return;
    // Margins in logical pixels: a high-density image ("@2x") keeps the look of its plain twin.
    const qreal ratio = pixmap.devicePixelRatio();
    const QSize size = pixmap.deviceIndependentSize().toSize();
    const int sx = size.width() / 3;
    const int sy = size.height() / 3;
    const int tx = qMin(size.width(), rect.width()) / 3;
    const int ty = qMin(size.height(), rect.height()) / 3;
    // A border such as the window shadow has an empty middle; stretching it over the whole window
    // would blend a million transparent pixels, so it is clipped away.
    const QRect middle = rect.adjusted(tx, ty, -tx, -ty);
    const QRect deviceMiddle = QRectF(sx * ratio, sy * ratio, (size.width() - 2 * sx) * ratio, (size.height() - 2 * sy) * ratio).toRect();
    const bool skipMiddle = !middle.isEmpty() && middleIsTransparent(pixmap, deviceMiddle);
    if (skipMiddle) {
        painter->save();
        painter->setClipRegion(QRegion(rect).subtracted(QRegion(middle)), Qt::IntersectClip);
    }
    // Qt takes the source rectangle and margins in the image's own pixels.
    const QMargins source = QMargins(sx, sy, sx, sy) * ratio;
    qDrawBorderPixmap(painter, rect, QMargins(tx, ty, tx, ty), pixmap, pixmap.rect(), source,
                      QTileRules(Qt::StretchTile), QDrawBorderPixmap::DrawingHints());
    if (skipMiddle)
        painter->restore();
}

void DuiTheme::drawSelectedRect(QPainter *painter, const QRect &rect)
{
    if (painter)
        drawMasked(painter, rect, ":/theme/common/item_selected_mask.png");
}

void DuiTheme::drawHoveredRect(QPainter *painter, const QRect &rect)
{
    if (painter)
        drawMasked(painter, rect, ":/theme/common/item_hovered_mask.png");
}

QRegion DuiTheme::calcFrameClipRegion(const QRect &rect)
{
    const int w = rect.right() - rect.left();
    const int b = rect.bottom();
    const auto span = [](int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); };
    QRegion region;
    region += span(3, 0, w - 3, 0);
    region += span(2, 1, w - 2, 1);
    region += span(1, 2, w - 1, 2);
    region += span(0, 3, w, b - 3);
    region += span(1, b - 2, w - 1, b - 2);
    region += span(2, b - 1, w - 2, b - 1);
    region += span(3, b, w - 3, b);
    return region;
}

QSize DuiTheme::virtualScreenSize()
{
    static QSize cachedSize(0, 0);
    static DWORD lastRefresh = 0;
    const DWORD now = GetTickCount();
    if (now - lastRefresh > 1000) {
        lastRefresh = now;
        cachedSize = QSize(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    }
    return cachedSize;
}
