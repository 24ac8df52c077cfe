// SPDX-License-Identifier: MIT
#include "duititlebar.h"
#include "duititlebar_p.h"

#include "duiframeitemdrawer.h"
#include "duiparent_p.h"
#include "duipushbutton.h"
#include "duitooltip.h"
#include "duiwinapi.h"

#include <QtCore/qpointer.h>
#include <QtGui/qfont.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qwidget.h>

namespace {

DuiPushButton *makeButton(DuiTitlebar *bar, const char *name, const char *image, qreal width, const QString &tip)
{
    auto *button = new DuiPushButton(bar, DuiFrameItemDrawer::NinePieces);
    duiSetParent(button, bar);
    button->setObjectName(QLatin1String(name));
    const QString base = QStringLiteral(":/theme/duifw/%1_").arg(QLatin1String(image));
    button->setImage(base + QStringLiteral("normal.png"), base + QStringLiteral("hover.png"),
                     base + QStringLiteral("down.png"), QString());
    button->setFixSize(QSizeF(width, 22));
    button->setColorizePolicy(DuiWidget::UnColorableFlag);
    button->setToolTip(tip);
    return button;
}

} // namespace

DuiTitlebar::DuiTitlebar(QGraphicsItem *parent)
    : DuiWidget(*new DuiTitlebarPrivate, parent)
{
    Q_D(DuiTitlebar);
    setAcceptHoverEvents(false);
    setPreferredHeight(24);
    setDragPolicy(DragWindow);

    d->minimize = makeButton(this, "minimizeButton", "min", 28, QStringLiteral("最小化"));
    d->maximize = makeButton(this, "maximizeButton", "max", 28, QStringLiteral("最大化"));
    d->restore = makeButton(this, "restoreButton", "restore", 28, QStringLiteral("还原"));
    d->close = makeButton(this, "closeButton", "close", 44, QStringLiteral("关闭"));
    connect(d->minimize, &DuiPushButton::clicked, this, &DuiTitlebar::on_minimizeButton_clicked);
    connect(d->maximize, &DuiPushButton::clicked, this, &DuiTitlebar::on_maxmizeButton_clicked);
    connect(d->restore, &DuiPushButton::clicked, this, &DuiTitlebar::on_restoreButton_clicked);
    connect(d->close, &DuiPushButton::clicked, this, &DuiTitlebar::on_closeButton_clicked);
    d->restore->hide();
    for (DuiPushButton *button : {d->minimize, d->maximize, d->restore, d->close})
        d->toolTip.attatchWidget(button);

    d->titleItem = new QGraphicsTextItem(this);
    d->titleItem->setPos(6, 0);
    auto *shadow = new QGraphicsDropShadowEffect;
    shadow->setColor(QColor(73, 73, 73, 255));
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(3);
    d->titleItem->setGraphicsEffect(shadow);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    d->titleItem->setFont(font);
    d->titleItem->setDefaultTextColor(QColor(243, 249, 252, 255));
}

DuiTitlebar::~DuiTitlebar() = default;

void DuiTitlebar::setTitle(const QString &title)
{
    Q_D(DuiTitlebar);
    QFont font(QStringLiteral("arial"));
    font.setPointSize(8);
    font.setBold(true);
    d->titleItem->setFont(font);
    d->titleItem->setPlainText(title);
}

QString DuiTitlebar::title() const
{
    return d_func()->titleItem->toPlainText();
}

void DuiTitlebar::setMaximized(bool maximized)
{
    Q_D(DuiTitlebar);
    if (d->maximized == maximized)
        return;
    d->maximized = maximized;
    if (d->hasMaximizeButton) {
        d->maximize->setVisible(!maximized);
        d->restore->setVisible(maximized);
    }
    reLayout(size());
}

bool DuiTitlebar::isMaximized() const
{
    return d_func()->maximized;
}

void DuiTitlebar::updateStyleBits(bool add, unsigned int bits)
{
    Q_D(DuiTitlebar);
    if (!d->window)
        return;
    const auto hwnd = uint(d->window->winId());
    if (add)
        DuiWinAPI::addWindowStyle(hwnd, bits);
    else
        DuiWinAPI::removeWindowStyle(hwnd, bits);
}

void DuiTitlebar::setHasMinimizeButton(bool has)
{
    Q_D(DuiTitlebar);
    if (d->hasMinimizeButton != has) {
        d->hasMinimizeButton = has;
        d->minimize->setVisible(has);
        reLayout(size());
    }
    updateStyleBits(has, WS_MINIMIZEBOX | WS_SYSMENU);
}

bool DuiTitlebar::hasMinimizeButton() const
{
    return d_func()->hasMinimizeButton;
}

void DuiTitlebar::setHasMaximizeButton(bool has)
{
    Q_D(DuiTitlebar);
    if (d->hasMaximizeButton != has) {
        d->hasMaximizeButton = has;
        d->maximize->setVisible(has && !d->maximized);
        d->restore->setVisible(has && d->maximized);
        reLayout(size());
    }
    updateStyleBits(has, WS_MAXIMIZEBOX | WS_SYSMENU);
}

bool DuiTitlebar::hasMaximizeButton() const
{
    return d_func()->hasMaximizeButton;
}

void DuiTitlebar::addItemAtEnd(DuiWidget *widget)
{
    Q_D(DuiTitlebar);
    if (!widget)
        return;
    d->extra = widget;
    duiSetParent(widget, this);
    d->toolTip.attatchWidget(widget);
    reLayout(size());
}

DuiPushButton *DuiTitlebar::titleButton(TitlebarButton which) const
{
    Q_D(const DuiTitlebar);
    switch (which) {
    case TitleMinButton:
        return d->minimize;
    case TitleMaxButton:
        return d->maximize;
    case TitleRestoreButton:
        return d->restore;
    case TitleCloseButton:
        return d->close;
    }
    return nullptr;
}

void DuiTitlebar::setWindowId(QWidget *window)
{
    d_func()->window = window;
}

DuiToolTip *DuiTitlebar::toolTipObject() const
{
    return &const_cast<DuiTitlebarPrivate *>(d_func())->toolTip;
}

QRect DuiTitlebar::actualSize() const
{
    Q_D(const DuiTitlebar);
    qreal width = 10;
    for (const DuiWidget *item : {static_cast<const DuiWidget *>(d->minimize), static_cast<const DuiWidget *>(d->maximize),
                                  static_cast<const DuiWidget *>(d->restore), static_cast<const DuiWidget *>(d->close),
                                  static_cast<const DuiWidget *>(d->extra.data())}) {
        if (item && item->isVisible())
            width += item->maximumWidth();
    }
    return QRect(0, 0, int(width), int(preferredHeight()));
}

void DuiTitlebar::reLayout(const QSizeF &size)
{
    Q_D(DuiTitlebar);
    QList<DuiWidget *> order;
    if (d->extra)
        order << d->extra;
    order << d->close;
    if (d->hasMaximizeButton)
        order << (d->maximized ? d->restore : d->maximize);
    if (d->hasMinimizeButton)
        order << d->minimize;
    qreal x = size.width() - 1;
    for (DuiWidget *item : std::as_const(order)) {
        const qreal w = item->maximumWidth();
        x -= w;
        item->setGeometry(QRectF(x, 0, w, item->maximumHeight()));
    }
}

void DuiTitlebar::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    reLayout(event->newSize());
}

void DuiTitlebar::on_minimizeButton_clicked()
{
    Q_EMIT buttonClicked(TitleMinimize);
}

void DuiTitlebar::on_maxmizeButton_clicked()
{
    Q_EMIT buttonClicked(TitleMaximize);
    followWindowState(true);
}

void DuiTitlebar::on_restoreButton_clicked()
{
    Q_EMIT buttonClicked(TitleRestore);
    followWindowState(false);
}

void DuiTitlebar::followWindowState(bool requested)
{
    // The window may have refused the command (a sysCommand receiver rejected it): show the
    // state it is in rather than the one asked for.
    Q_D(DuiTitlebar);
    setMaximized(d->window ? d->window->isMaximized() : requested);
}

void DuiTitlebar::on_closeButton_clicked()
{
    Q_EMIT buttonClicked(TitleClose);
}
