// SPDX-License-Identifier: MIT
#include "duitheme.h"
#include "duitheme_p.h"

#include "duiresourceloader.h"
#include "duiwindef.h"

#include <QtCore/qatomic.h>

namespace {

constexpr int kRowCount = 10;
constexpr int kColorCount = 10;

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

QAtomicPointer<DuiThemeData> s_themeData;

struct DuiThemeDataCleanup
{
    ~DuiThemeDataCleanup() { delete s_themeData.fetchAndStoreOrdered(nullptr); }
} s_themeDataCleanup;

} // namespace

DuiThemeData *duiThemeData()
{
    DuiThemeData *data = s_themeData.loadAcquire();
    if (data)
        return data;
    auto *fresh = new DuiThemeData;
    if (s_themeData.testAndSetOrdered(nullptr, fresh))
        return fresh;
    delete fresh; // another thread published first
    return s_themeData.loadAcquire();
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

unsigned int DuiTheme::getCurrentPerceptualColor()
{
    return duiThemeData()->perceptualColor.rgba();
}

QPixmap DuiTheme::getImage(const QString &path, bool useHandlers)
{
    if (path.isEmpty())
        return QPixmap();
    return getResourceLoader()->loadImage(path, useHandlers);
}
