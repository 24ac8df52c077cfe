// SPDX-License-Identifier: MIT
#include "duipushbutton.h"
#include "duipushbutton_p.h"

#include "duiaccessibleevents_p.h"
#include "duicolorizeeffect_p.h"
#include "duiframeitem.h"
#include "duilabelwidget.h"
#include "duiparent_p.h"

#include <QtGui/qcursor.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicssceneevent.h>

#include <optional>

DUI_REGISTER_WIDGET(DuiPushButton)

namespace {
const QString kNormal = QStringLiteral(":/theme/duifw/button_normal.png");
const QString kHover = QStringLiteral(":/theme/duifw/button_hover.png");
const QString kPressed = QStringLiteral(":/theme/duifw/button_pressdown.png");
const QString kDisabled = QStringLiteral(":/theme/duifw/button_disable.png");
} // namespace

DuiPushButton::DuiPushButton(QGraphicsItem *parent, DuiFrameItemDrawer::FrameType frameType)
    : DuiWidget(*new DuiPushButtonPrivate, parent)
{
    Q_D(DuiPushButton);
    setAcceptedMouseButtons(Qt::LeftButton);
    setDragPolicy(NotDragWindow);
    d->frameItem = new DuiFrameItem(kNormal, frameType, this);
    d->frameItem->setImage(kNormal, kHover, kPressed, kDisabled, QString());
    d->frameItem->setAcceptHoverEvents(true);
    d->frameItem->setThemeColorType(DuiTheme::DarkestColor);
    setContentsMargins(2, 2, 2, 2);
    DuiWidget::setLayout(HBox);
}

DuiPushButton::~DuiPushButton() = default;

DuiFrameItem *DuiPushButton::frameItem() const
{
    return d_func()->frameItem;
}

DuiImageWidget *DuiPushButton::iconWidget() const
{
    return d_func()->icon;
}

DuiLabelWidget *DuiPushButton::textLabel() const
{
    return d_func()->label;
}

void DuiPushButton::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiPushButton);
    DuiWidget::resizeEvent(event);
    d->frameItem->resize(event->newSize());
    if (d->label)
        d->label->setMaximumSize(event->newSize());
}

void DuiPushButton::setFrameItemGeometry(const QRect &rect)
{
    d_func()->frameItem->setGeometry(rect);
}

void DuiPushButton::ensureLabel()
{
    Q_D(DuiPushButton);
    if (d->label)
        return;
    d->label = new DuiLabelWidget(this);
    duiSetParent(d->label, this);
    if (d->pendingFont)
        d->label->setFont(*d->pendingFont);
    if (d->textColorSet && isEnabled())
        d->label->setTextColor(d->textColor);
    else if (!d->textColorSet)
        d->textColor = d->label->textColor();
    addItem(d->label);
    d->label->setAlignment(Qt::AlignCenter);
    d->label->setMaximumSize(size());
    if (!isEnabled())
        d->label->setTextColor(Qt::gray);
}

void DuiPushButton::setText(const QString &text)
{
    Q_D(DuiPushButton);
    if (!d->label) {
        if (text.isEmpty())
            return;
        ensureLabel();
    }
    d->label->setText(text);
}

QString DuiPushButton::text() const
{
    Q_D(const DuiPushButton);
    return d->label ? d->label->text() : QString();
}

void DuiPushButton::applyIconColouring()
{
    Q_D(DuiPushButton);
    if (!d->icon)
        return;
    if (d->buttonStyle & ButtonIconColorable) {
        d->icon->setThemeColorType(DuiTheme::DarkestColor);
        d->icon->setColorizePolicy(ColorableFlag);
    } else {
        d->icon->setColorizePolicy(UnColorableFlag);
    }
}

void DuiPushButton::createIcon()
{
    Q_D(DuiPushButton);
    d->icon = new DuiImageWidget(this);
    duiSetParent(d->icon, this);
    d->icon->setAcceptHoverEvents(false);
    d->icon->setAcceptedMouseButtons(Qt::NoButton);
    applyIconColouring();
    if (d->pendingScalePolicy)
        d->icon->setScalePolicy(*d->pendingScalePolicy);
    if (d->buttonStyle & ButtonTextUnderIcon)
        insertItem(0, d->icon);
    else if (!(d->buttonStyle & ButtonTextOnly))
        addItem(d->icon);
}

void DuiPushButton::setIcon(const QString &path)
{
    Q_D(DuiPushButton);
    if (!d->icon && path.isEmpty())
        return;
    const bool created = !d->icon;
    if (created)
        createIcon();
    d->icon->setImagePath(path);
    if (created && d->pendingIconScale > 0)
        setIconScale(d->pendingIconScale);
}

void DuiPushButton::setIcon(const QPixmap &pixmap)
{
    Q_D(DuiPushButton);
    if (!d->icon && pixmap.isNull())
        return;
    const bool created = !d->icon;
    if (created)
        createIcon();
    d->icon->setPixmap(pixmap);
    if (created && d->pendingIconScale > 0)
        setIconScale(d->pendingIconScale);
}

QString DuiPushButton::icon() const
{
    Q_D(const DuiPushButton);
    return d->icon ? d->icon->imagePath() : QString();
}

void DuiPushButton::setImage(const QString &normal, const QString &hover, const QString &pressed, const QString &disabled)
{
    Q_D(DuiPushButton);
    d->disableMode = disabled.isEmpty() ? DisableColorize : DisablePixmap;
    d->frameItem->setImage(normal, hover, pressed, disabled, QString());
}

void DuiPushButton::setImagePath(const QString &paths)
{
    if (paths.isEmpty()) {
        setImage(QString(), QString(), QString(), QString());
        return;
    }
    const QStringList parts = paths.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    auto part = [&parts](int i) { return i < parts.size() ? parts.at(i) : QString(); };
    setImage(part(0), part(1), part(2), part(3));
}

void DuiPushButton::setIconSize(const QSizeF &size)
{
    Q_D(DuiPushButton);
    d->iconSize = size;
    if (d->icon)
        d->icon->setFixSize(size);
}

QSizeF DuiPushButton::iconSize() const
{
    return d_func()->iconSize;
}

void DuiPushButton::setButtonStyle(ButtonStyles style)
{
    Q_D(DuiPushButton);
    if (style & ButtonTextOnly) {
        if (d->icon)
            removeItem(d->icon);
    } else if (style & ButtonIconOnly) {
        if (d->label)
            removeItem(d->label);
    }
    d->buttonStyle = style;
    applyIconColouring();
    QGraphicsLinearLayout *box = d->box(this);
    if (!box)
        return;
    if (style & ButtonTextBesideIcon) {
        box->setOrientation(Qt::Horizontal);
    } else if (style & ButtonTextUnderIcon) {
        box->setOrientation(Qt::Vertical);
        if (d->icon) {
            removeItem(d->icon);
            insertItem(0, d->icon);
        }
    }
}

DuiPushButton::ButtonStyles DuiPushButton::buttonStyle() const
{
    return d_func()->buttonStyle;
}

void DuiPushButton::setTextColor(const QColor &color)
{
    Q_D(DuiPushButton);
    d->textColor = color;
    d->textColorSet = true;
    if (d->label && isEnabled())
        d->label->setTextColor(color);
}

QColor DuiPushButton::textColor() const
{
    Q_D(const DuiPushButton);
    return d->label ? d->label->textColor() : d->textColor;
}

void DuiPushButton::setFont(const QFont &font)
{
    Q_D(DuiPushButton);
    if (d->label)
        d->label->setFont(font);
    else
        d->pendingFont = font;
}

QFont DuiPushButton::font() const
{
    Q_D(const DuiPushButton);
    if (d->label)
        return d->label->font();
    return d->pendingFont.value_or(QGraphicsWidget::font());
}

void DuiPushButton::setIconScale(double width)
{
    Q_D(DuiPushButton);
    if (!d->icon) {
        d->pendingIconScale = width;
        return;
    }
    const qreal pixmapWidth = d->icon->pixmap().deviceIndependentSize().width();
    if (pixmapWidth > 0)
        d->icon->setScale(width / pixmapWidth);
}

double DuiPushButton::iconScale() const
{
    return 0;
}

void DuiPushButton::setIconScalePolicy(DuiImageWidget::ImageScalePolicy policy)
{
    Q_D(DuiPushButton);
    if (d->icon)
        d->icon->setScalePolicy(policy);
    else
        d->pendingScalePolicy = policy;
}

DuiImageWidget::ImageScalePolicy DuiPushButton::iconScalePolicy() const
{
    Q_D(const DuiPushButton);
    if (d->icon)
        return d->icon->scalePolicy();
    return d->pendingScalePolicy.value_or(DuiImageWidget::ScaleWidgetCenter);
}

void DuiPushButton::setIconRotate(double degrees)
{
    if (DuiImageWidget *icon = d_func()->icon)
        icon->setRotate(degrees);
}

void DuiPushButton::setIconEffectColor(const QColor &color)
{
    if (DuiImageWidget *icon = d_func()->icon)
        icon->setEffectColor(color);
}

void DuiPushButton::setEnabled(bool enabled)
{
    Q_D(DuiPushButton);
    QGraphicsWidget::setEnabled(enabled);
    if (d->disableMode == DisablePixmap) {
        if (enabled) {
            d->frameItem->colorize(DuiTheme::getColor(DuiTheme::DarkestColor));
            if (d->label)
                d->label->setTextColor(d->textColor);
        } else {
            d->frameItem->setGraphicsEffect(nullptr);
            if (d->label)
                d->label->setTextColor(Qt::gray);
        }
        d->frameItem->setEnable(enabled);
    } else {
        d->frameItem->setEnable(enabled);
        doColorize(0);
    }
}

void DuiPushButton::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb); // the button's parts take fixed theme colours, not the one offered
    Q_D(DuiPushButton);
    if (isEnabled()) {
        if (d->label)
            d->label->setTextColor(d->textColor);
        if (d->icon) {
            if (d->buttonStyle & ButtonIconColorable) {
                auto *effect = qobject_cast<QGraphicsColorizeEffect *>(d->icon->graphicsEffect());
                if (!effect) {
                    effect = new DuiColorizeEffect(d->icon);
                    d->icon->setGraphicsEffect(effect);
                }
                effect->setColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::DarkestColor)));
            } else {
                d->icon->setGraphicsEffect(nullptr);
            }
        }
    } else {
        if (d->label)
            d->label->setTextColor(Qt::gray);
        if (d->icon) {
            auto *grey = new DuiColorizeEffect(d->icon);
            grey->setColor(Qt::gray);
            d->icon->setGraphicsEffect(grey);
        }
    }
}

void DuiPushButton::setDisableMode(DisableMode mode)
{
    d_func()->disableMode = mode;
}

DuiPushButton::DisableMode DuiPushButton::disableMode() const
{
    return d_func()->disableMode;
}

void DuiPushButton::setBackgroundEnable(bool enable)
{
    d_func()->frameItem->setEnable(enable);
}

void DuiPushButton::setBackgroundColorable(ColorizeWidgetFlag policy)
{
    d_func()->frameItem->setColorizePolicy(policy);
}

DuiWidget::ColorizeWidgetFlag DuiPushButton::backgroundColorable() const
{
    return d_func()->frameItem->colorizePolicy();
}

void DuiPushButton::setColorizePolicy(ColorizeWidgetFlag policy)
{
    // The button itself follows its parent; only the background takes a policy.
    d_func()->frameItem->setColorizePolicy(policy);
}

void DuiPushButton::setBackgroundThemeColorType(DuiTheme::ColorType type)
{
    d_func()->frameItem->setThemeColorType(type);
}

void DuiPushButton::setChecked(bool checked)
{
    Q_D(DuiPushButton);
    const bool changed = d->checked != checked;
    d->checked = checked;
    d->frameItem->setPressed(checked);
    if (changed)
        duiAccessibleCheckedChanged(this);
}

bool DuiPushButton::checked() const
{
    return d_func()->checked;
}

void DuiPushButton::click()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void DuiPushButton::setAcceptCursor(bool accept)
{
    d_func()->acceptCursor = accept;
    setCursor(accept ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool DuiPushButton::acceptCursor() const
{
    return d_func()->acceptCursor;
}

void DuiPushButton::setFrameType(DuiFrameItemDrawer::FrameType type)
{
    d_func()->frameItem->setFrameType(int(type));
}

void DuiPushButton::setTextGraphicsEffect(QGraphicsEffect *effect)
{
    Q_D(DuiPushButton);
    if (d->label)
        d->label->setGraphicsEffect(effect);
    else
        delete effect; // nothing to carry it; do not leak it
}

QString DuiPushButton::toolTip() const
{
    const QString own = DuiWidget::toolTip();
    return own.isEmpty() ? text() : own;
}

void DuiPushButton::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    d_func()->frameItem->setPressed(true);
    Q_EMIT pressed(event->pos());
}

void DuiPushButton::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiPushButton);
    if (rect().contains(event->pos()))
        return;
    const bool checkedCheckable = (d->buttonStyle & ButtonCheckable) && d->checked;
    if (d->frameItem->isPressed() && !checkedCheckable)
        d->frameItem->setPressed(false);
}

void DuiPushButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    Q_D(DuiPushButton);
    if (!rect().contains(event->pos()))
        return;
    if (!(d->buttonStyle & ButtonCheckable)) {
        d->frameItem->setPressed(false);
    } else if (d->checked) {
        d->checked = false;
        d->frameItem->setPressed(false);
    } else {
        // The press may have left the button and come back, which dropped the pressed look.
        d->checked = true;
        d->frameItem->setPressed(true);
    }
    if (d->buttonStyle & ButtonCheckable)
        duiAccessibleCheckedChanged(this);
    Q_EMIT released(event->pos());
    Q_EMIT clicked();
}

void DuiPushButton::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    DuiWidget::hoverMoveEvent(event);
}
