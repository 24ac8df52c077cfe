// SPDX-License-Identifier: MIT
#include "scrollbarpainter.h"

#include "canvas.h"

#include <QtGui/qcolor.h>
#include <QtGui/qpainter.h>

namespace skin {

namespace {

// The accent of each colour row (the menus' border colours); row 6 wears row 7's.
const QColor kAccent[kScrollBarRows] = {
    QColor(119, 176, 227), QColor(227, 118, 171), QColor(207, 118, 227), QColor(227, 188, 119), QColor(181, 217, 128),
    QColor(121, 209, 224), QColor(227, 158, 118), QColor(227, 158, 118), QColor(173, 173, 173),
};

constexpr int kHandleWidth = 8;
constexpr int kHandleHeight = 24;
// Rounded ends: the sheet keeps this many pixels at each end unstretched.
constexpr int kHandleSlice = 4;

} // namespace

QString scrollBarHandleName(int row, bool hovered)
{
    return QStringLiteral("scrollbar_handle_%1%2.png").arg(hovered ? QStringLiteral("hover_") : QString()).arg(row);
}

QImage scrollBarHandleImage(int row, bool hovered)
{
    QImage image = canvas(kHandleWidth, kHandleHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = kAccent[row];
    // Resting, the bar stays quiet beside the text; under the pointer it takes the full accent.
    fill.setAlpha(hovered ? 255 : 150);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 0.5, kHandleWidth - 2, kHandleHeight - 1), 3, 3);
    return image;
}

QByteArray scrollBarStyleSheet(int row)
{
    const QString sheet = QStringLiteral(
        "QScrollBar:vertical {\n"
        "    background: transparent;\n"
        "    width: 10px;\n"
        "    margin: 2px 1px 2px 1px;\n"
        "}\n"
        "QScrollBar::handle:vertical {\n"
        "    min-height: 24px;\n"
        "    border-image: url(:/theme/duifw/css/%1) %3 0 %3 0 stretch stretch;\n"
        "    border-width: %3px 0px %3px 0px;\n"
        "}\n"
        "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed {\n"
        "    border-image: url(:/theme/duifw/css/%2) %3 0 %3 0 stretch stretch;\n"
        "}\n"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {\n"
        "    height: 0px;\n"
        "    border: none;\n"
        "    background: none;\n"
        "}\n"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {\n"
        "    background: none;\n"
        "}\n")
                              .arg(scrollBarHandleName(row, false), scrollBarHandleName(row, true))
                              .arg(kHandleSlice);
    return sheet.toLatin1();
}

} // namespace skin
