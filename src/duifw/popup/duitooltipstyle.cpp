// SPDX-License-Identifier: MIT
#include "duitooltipstyle.h"

#include "duiwidget.h"

#include <QtCore/qpointer.h>
#include <QtCore/qrect.h>
#include <QtGui/qguiapplication.h>

class ToolTipStyleData : public QSharedData
{
public:
    QString backGroundImage;
    QColor startColor{255, 255, 255, 255};
    QColor endColor{229, 241, 249, 255};
    int blurRadius = 5;
    int shadowOffset = 2;
    QColor fontColor{72, 72, 72, 255};
    QFont font = QGuiApplication::font();
    DuiToolTipStyle::Direction direction = DuiToolTipStyle::TipBelow;
    DuiToolTipStyle::HidePolicy hidePolicy = DuiToolTipStyle::HideWhenCursorMoves;
    QRect reserved;
    int trangleHeight = 0;
    int roundRect = 2;
    QTextOption::WrapMode wrapMode = QTextOption::NoWrap;
    QPointer<DuiWidget> widget;
    QColor borderColor{113, 139, 165, 255};
};

DuiToolTipStyle::DuiToolTipStyle() = default;
DuiToolTipStyle::DuiToolTipStyle(const DuiToolTipStyle &other) = default;
DuiToolTipStyle &DuiToolTipStyle::operator=(const DuiToolTipStyle &other) = default;
DuiToolTipStyle::~DuiToolTipStyle() = default;

void DuiToolTipStyle::init()
{
    data();
}

bool DuiToolTipStyle::isNull() const
{
    return !d;
}

ToolTipStyleData *DuiToolTipStyle::data()
{
    if (!d)
        d = new ToolTipStyleData;
    return d.data();
}

QString DuiToolTipStyle::backGroundImage() const { return d ? d->backGroundImage : QString(); }
void DuiToolTipStyle::setBackGroundImage(const QString &path) { data()->backGroundImage = path; }
bool DuiToolTipStyle::hasBackGroundImage() const { return d && !d->backGroundImage.isEmpty(); }
QColor DuiToolTipStyle::backGroundStartColor() const { return d ? d->startColor : QColor(); }
void DuiToolTipStyle::setBackGroundStartColor(const QColor &color) { data()->startColor = color; }
QColor DuiToolTipStyle::backGroundEndColor() const { return d ? d->endColor : QColor(); }
void DuiToolTipStyle::setBackGroundEndColor(const QColor &color) { data()->endColor = color; }
int DuiToolTipStyle::blurRadius() const { return d ? d->blurRadius : 0; }
int DuiToolTipStyle::shadowOffset() const { return d ? d->shadowOffset : 0; }

void DuiToolTipStyle::setShadowEffect(int blurRadius, int offset)
{
    data()->blurRadius = blurRadius;
    d->shadowOffset = offset;
}

QColor DuiToolTipStyle::fontColor() const { return d ? d->fontColor : QColor(); }
void DuiToolTipStyle::setFontColor(const QColor &color) { data()->fontColor = color; }
QFont DuiToolTipStyle::font() const { return d ? d->font : QFont(); }
void DuiToolTipStyle::setFont(const QFont &font) { data()->font = font; }
DuiToolTipStyle::Direction DuiToolTipStyle::direction() const { return d ? d->direction : TipBelow; }
void DuiToolTipStyle::setDirection(Direction direction) { data()->direction = direction; }
DuiToolTipStyle::HidePolicy DuiToolTipStyle::hidePolicy() const { return d ? d->hidePolicy : HideWhenCursorMoves; }
void DuiToolTipStyle::setHidePolicy(HidePolicy policy) { data()->hidePolicy = policy; }
int DuiToolTipStyle::trangleHeight() const { return d ? d->trangleHeight : 0; }
void DuiToolTipStyle::setTrangleHeight(int height) { data()->trangleHeight = height; }
int DuiToolTipStyle::roundRectSize() const { return d ? d->roundRect : 0; }
void DuiToolTipStyle::setRoundRect(int radius) { data()->roundRect = radius; }
QTextOption::WrapMode DuiToolTipStyle::wordWrapMode() const { return d ? d->wrapMode : QTextOption::NoWrap; }
void DuiToolTipStyle::setWordWrap(QTextOption::WrapMode mode) { data()->wrapMode = mode; }
DuiWidget *DuiToolTipStyle::widget() const { return d ? d->widget.data() : nullptr; }
void DuiToolTipStyle::setWidget(DuiWidget *widget) { data()->widget = widget; }
QColor DuiToolTipStyle::borderColor() const { return d ? d->borderColor : QColor(); }
void DuiToolTipStyle::setBorderColor(const QColor &color) { data()->borderColor = color; }
