// SPDX-License-Identifier: MIT
#include "menupainter.h"

#include "canvas.h"

#include <QtGui/qcolor.h>
#include <QtGui/qpainter.h>
#include <QtGui/qpainterpath.h>

namespace skin {

namespace {

struct MenuRow
{
    int image; // number in the background image's name
    QColor background;
    QColor border;
    QColor selection;
    QColor separator;
};

// The menus' colours per row. Row 6 wears row 7's colours and image.
const MenuRow kMenuTable[kMenuRows] = {
    {0, QColor(247, 251, 255), QColor(119, 176, 227), QColor(60, 175, 255), QColor(215, 235, 255)},
    {1, QColor(255, 248, 250), QColor(227, 118, 171), QColor(255, 80, 166), QColor(255, 215, 234)},
    {2, QColor(253, 245, 255), QColor(207, 118, 227), QColor(218, 53, 255), QColor(250, 215, 255)},
    {3, QColor(255, 252, 247), QColor(227, 188, 119), QColor(245, 175, 43), QColor(255, 229, 175)},
    {4, QColor(249, 255, 240), QColor(181, 217, 128), QColor(144, 213, 37), QColor(222, 237, 193)},
    {5, QColor(245, 253, 255), QColor(121, 209, 224), QColor(51, 216, 244), QColor(189, 229, 241)},
    {7, QColor(255, 249, 245), QColor(227, 158, 118), QColor(217, 98, 28), QColor(229, 190, 168)},
    {7, QColor(255, 249, 245), QColor(227, 158, 118), QColor(217, 98, 28), QColor(229, 190, 168)},
    {8, QColor(251, 251, 251), QColor(173, 173, 173), QColor(173, 173, 173), QColor(228, 228, 228)},
};

// The icon column ends where separators begin (their left margin).
constexpr int kGutterWidth = 28;

QString rgba(const QColor &c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

QString menuBackgroundName(int row)
{
    return QStringLiteral("menuitem_background_%1.png").arg(kMenuTable[row].image);
}

QImage menuBackgroundImage(int row)
{
    const MenuRow &r = kMenuTable[row];
    QImage image = canvas(kGutterWidth, 4, QImage::Format_ARGB32);
    // A faint wash of the border colour over the menu's ground, edged by the separator colour.
    image.fill(mix(r.background, r.border, 0.08));
    QPainter p(&image);
    p.fillRect(QRectF(kGutterWidth - 1, 0, 1, 4), r.separator);
    return image;
}

QImage menuCheckedImage()
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(7.5, 12.2);
    tick.lineTo(10.6, 15.3);
    tick.lineTo(16.5, 8.7);
    // The slate of the check boxes: dark enough on the pale ground and on every selection colour.
    p.setPen(QPen(QColor(0x3D, 0x4B, 0x5C), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

QByteArray menuStyleSheet(int row)
{
    const MenuRow &r = kMenuTable[row];
    const QString sheet = QStringLiteral(
        "QMenu {\n"
        "    background-image: url(:/theme/duifw/css/%1);\n"
        "    background-repeat: repeat-y;\n"
        "    background-color: %2;\n"
        "    margin: 0px;\n"
        "    padding: 2px 0px 2px 0px;\n"
        "    border: 1px solid %3;\n"
        "}\n"
        "QMenu::item {\n"
        "    height: 20px;\n"
        "    padding: 0px 30px 0px 36px;\n"
        "    border: 1px solid transparent;\n"
        "}\n"
        "QMenu::item:disabled {\n"
        "    color: rgb(172, 172, 172);\n"
        "}\n"
        "QMenu::item:selected {\n"
        "    color: white;\n"
        "    border-color: transparent;\n"
        "    background-color: %4;\n"
        "}\n"
        "QMenu::icon:checked {\n"
        "    background: gray;\n"
        "    border: 1px inset gray;\n"
        "    position: absolute;\n"
        "    top: 1px;\n"
        "    right: 1px;\n"
        "    bottom: 1px;\n"
        "    left: 1px;\n"
        "}\n"
        "QMenu::separator {\n"
        "    height: 1px;\n"
        "    background: %5;\n"
        "    margin-left: 28px;\n"
        "    margin-right: 2px;\n"
        "    margin-top: 2px;\n"
        "    margin-bottom: 2px;\n"
        "}\n"
        "QMenu::indicator {\n"
        "    width: 24px;\n"
        "    height: 24px;\n"
        "}\n"
        "QMenu::indicator:non-exclusive:checked {\n"
        "    image: url(:/theme/duifw/css/menu_checked.png);\n"
        "}\n"
        "QMenu::icon {\n"
        "    padding: 2px 2px 2px 6px;\n"
        "}\n")
                              .arg(menuBackgroundName(row), rgba(r.background), rgba(r.border), rgba(r.selection), rgba(r.separator));
    return sheet.toLatin1();
}

} // namespace skin
