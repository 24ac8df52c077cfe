// SPDX-License-Identifier: MIT
#include "duilistctrl.h"
#include "duilistctrl_p.h"

#include "duiabstractitemcontainer_p.h"
#include "duiframeitem.h"
#include "duiframeitemex.h"
#include "duiparent_p.h"
#include "duiscrollbar.h"

#include <QtCore/qmath.h>
#include <QtCore/qpointer.h>
#include <QtGui/qevent.h>
#include <QtWidgets/qgraphicssceneevent.h>


DUI_REGISTER_WIDGET(DuiListCtrl)

qreal DuiListCtrlPrivate::rowWidth() const
{
    return qMax<qreal>(0, content->size().width() - 2 * margin);
}

void DuiListCtrlPrivate::markDirty(int from)
{
    dirtyFrom = qMin(dirtyFrom, from);
}

void DuiListCtrlPrivate::placeRows()
{
    Q_Q(DuiListCtrl);
    qreal y = margin;
    if (dirtyFrom > 0 && dirtyFrom <= rows.size()) {
        const LIST_ROW_DATA *before = rows.at(dirtyFrom - 1);
        y = before->widget->y() + before->height;
    }
    // Placing and numbering share one pass, so that a burst of deferred inserts costs one.
    for (int i = qMax(dirtyFrom, 0); i < rows.size(); ++i) {
        DuiListCtrRowWidget *widget = rows.at(i)->widget;
        widget->setRowNumber(i);
        widget->setPos(margin, y);
        y += rows.at(i)->height;
    }
    dirtyFrom = int(rows.size());
    if (!rows.isEmpty()) {
        const LIST_ROW_DATA *last = rows.constLast();
        y = last->widget->y() + last->height;
    }
    // The content fills the list at least, so that its background image covers it.
    content->resize(content->size().width(), qMax(y + margin, q->size().height()));
    q->updateScrollBar(q->size().height());
}

void DuiListCtrlPrivate::dropRow(int index)
{
    delete rows.takeAt(index);
    for (int *row : {&selectedRow, &activeRow}) {
        if (*row == index)
            *row = -1;
        else if (*row > index)
            --*row;
    }
    markDirty(index);
}

DuiListCtrRowWidget *DuiListCtrlPrivate::takeRow(int index)
{
    Q_Q(DuiListCtrl);
    DuiListCtrRowWidget *widget = rows.at(index)->widget;
    dropRow(index);
    widget->rowd->list = nullptr;
    QObject::disconnect(widget, nullptr, q, nullptr);
    return widget;
}

void DuiListCtrlPrivate::dispose(DuiListCtrRowWidget *widget)
{
    if (widget->rowd->pressing) {
        // The row is inside its own press handler: take it off the screen now and delete it
        // once the event is done with it.
        widget->hide();
        widget->deleteLater();
        return;
    }
    delete widget;
}

void DuiListCtrlPrivate::forgetDestroyed(QObject *object)
{
    // The row is half destroyed: only its address is of use.
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i)->widget == object) {
            dropRow(i);
            placeRows();
            return;
        }
    }
}

void DuiListCtrlPrivate::choose(int row)
{
    Q_Q(DuiListCtrl);
    // Any receiver may delete the list; nothing after an emit touches it then.
    const QPointer<DuiListCtrl> self(q);
    const int old = selectedRow;
    if (DuiListCtrRowWidget *widget = this->widget(old))
        widget->setStatus(DuiListCtrRowWidget::Normal);
    selectedRow = row;
    if (DuiListCtrRowWidget *widget = this->widget(row)) {
        widget->setStatus(DuiListCtrRowWidget::Chosen);
        Q_EMIT q->rowSelected(row);
        if (!self)
            return;
    }
    Q_EMIT q->rowUnSelected(old);
}

void DuiListCtrlPrivate::scrollIntoView(int row)
{
    Q_Q(DuiListCtrl);
    if (!valid(row))
        return;
    if (dirtyFrom <= row)
        placeRows();
    const DuiListCtrRowWidget *widget = rows.at(row)->widget;
    const qreal top = widget->y();
    const qreal bottom = top + rows.at(row)->height;
    const qreal pos = scrollBar->sliderPosition();
    const qreal height = q->size().height();
    if (top < pos)
        q->setScrollPos(qFloor(top));
    else if (bottom > pos + height)
        q->setScrollPos(qCeil(bottom - height));
}

DuiListCtrl::DuiListCtrl(QGraphicsItem *parent)
    : DuiListCtrl(*new DuiListCtrlPrivate, parent)
{
}

DuiListCtrl::DuiListCtrl(DuiListCtrlPrivate &dd, QGraphicsItem *parent)
    : DuiScrollArea(dd, parent)
{
    init();
}

DuiListCtrl::~DuiListCtrl()
{
    // Rows go first, while the list is whole: their destruction must find nothing to report to.
    clear();
}

void DuiListCtrl::init()
{
    Q_D(DuiListCtrl);
    setContentsMargins(2, 2, 2, 2);
    setColorizePolicy(UnColorableFlag);
    setFocusPolicy(Qt::ClickFocus);
    setDragPolicy(NotDragWindow);
    d->content = new DuiFrameItemEx(this);
    d->content->setObjectName(QStringLiteral("ListCtrlContent"));
    d->content->setFrameType(int(DuiFrameItemDrawer::NinePieces));
    d->rowParent = duiNewRowParent(d->content);
    d->rowParent->setParent(d->content);
    setContentWidget(d->content);
    connect(d->content, &QGraphicsWidget::widthChanged, this, [d] {
        const qreal width = d->rowWidth();
        for (const LIST_ROW_DATA *row : std::as_const(d->rows))
            row->widget->setFixSize(QSizeF(width, row->height));
    });
    scrollbar()->setSingleStep(24);
}

DuiListCtrRowWidget *DuiListCtrl::insertRow(int index, uint height, DuiListCtrRowWidget *widget, bool deferLayout)
{
    Q_D(DuiListCtrl);
    const int count = int(d->rows.size());
    if (index < -1 || index > count)
        return nullptr;
    if (widget && (widget->rowd->list || widget->isAncestorOf(this)))
        return nullptr;
    if (index == -1)
        index = count;
    if (!widget)
        widget = new DuiListCtrRowWidget;
    widget->rowd->list = this;
    connect(widget, &DuiListCtrRowWidget::list_row_pressed, this, &DuiListCtrl::rowClicked);
    connect(widget, &DuiListCtrRowWidget::list_row_actived, this, &DuiListCtrl::rowCtrlActived);
    connect(widget, &DuiListCtrRowWidget::list_row_unactived, this, &DuiListCtrl::rowCtrlUnActived);
    connect(widget, &QObject::destroyed, this, [d](QObject *object) { d->forgetDestroyed(object); });
    widget->setParentItem(d->rowParent);
    widget->setParent(this);
    widget->setFixSize(QSizeF(d->rowWidth(), height));
    widget->setPos(DuiListCtrlPrivate::margin, 0);
    d->rows.insert(index, new LIST_ROW_DATA{height, widget});
    if (d->selectedRow >= index)
        ++d->selectedRow;
    if (d->activeRow >= index)
        ++d->activeRow;
    // The rows from here on are numbered and placed by the next layout pass.
    d->markDirty(index);
    if (!deferLayout) {
        d->placeRows();
    } else if (!d->layoutPosted) {
        d->layoutPosted = true;
        QMetaObject::invokeMethod(this, &DuiListCtrl::layoutRows, Qt::QueuedConnection);
    }
    return widget;
}

void DuiListCtrl::layoutRows()
{
    Q_D(DuiListCtrl);
    d->layoutPosted = false;
    if (d->dirtyFrom < d->rows.size() || d->rows.isEmpty())
        d->placeRows();
}

void DuiListCtrl::removeRow(int index)
{
    Q_D(DuiListCtrl);
    if (!d->valid(index))
        return;
    DuiListCtrRowWidget *widget = d->takeRow(index);
    d->placeRows();
    d->dispose(widget);
}

void DuiListCtrl::clear()
{
    Q_D(DuiListCtrl);
    QList<LIST_ROW_DATA *> rows;
    rows.swap(d->rows);
    d->selectedRow = -1;
    d->activeRow = -1;
    d->dirtyFrom = 0;
    // Back to front: taking the last child of an item moves no other.
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        DuiListCtrRowWidget *widget = rows.at(i)->widget;
        delete rows.at(i);
        widget->rowd->list = nullptr;
        disconnect(widget, nullptr, this, nullptr);
        d->dispose(widget);
    }
    if (d->content)
        d->placeRows();
}

int DuiListCtrl::rowCount() const
{
    return int(d_func()->rows.size());
}

DuiListCtrRowWidget *DuiListCtrl::getRowBkCtrl(int index) const
{
    return d_func()->widget(index);
}

void DuiListCtrl::addItem(int row, DuiWidget *widget, const QRectF &geometry)
{
    DuiListCtrRowWidget *rowWidget = d_func()->widget(row);
    if (!rowWidget || !widget || widget->isAncestorOf(rowWidget) || widget == rowWidget)
        return;
    duiSetParent(widget, rowWidget);
    widget->setGeometry(geometry);
}

void DuiListCtrl::addItem(int row, DuiWidget *widget, const QSize &size)
{
    DuiListCtrRowWidget *rowWidget = d_func()->widget(row);
    if (!rowWidget || !widget || widget->isAncestorOf(rowWidget) || widget == rowWidget)
        return;
    duiSetParent(widget, rowWidget);
    rowWidget->addItem(widget);
    widget->setFixSize(size);
}

DuiWidget *DuiListCtrl::getItem(int row, const char *name) const
{
    DuiListCtrRowWidget *rowWidget = d_func()->widget(row);
    if (!rowWidget || !name)
        return nullptr;
    return rowWidget->findChild<DuiWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void DuiListCtrl::removeItem(int row, const char *name)
{
    delete getItem(row, name);
}

void DuiListCtrl::enableRowSelect(bool enable)
{
    Q_D(DuiListCtrl);
    d->rowSelectEnabled = enable;
    if (!enable)
        unselectRow(d->selectedRow);
}

bool DuiListCtrl::isRowSelectEnabled() const
{
    return d_func()->rowSelectEnabled;
}

int DuiListCtrl::selectedRow() const
{
    return d_func()->selectedRow;
}

int DuiListCtrl::activeRow() const
{
    return d_func()->activeRow;
}

void DuiListCtrl::unselectRow(int row)
{
    Q_D(DuiListCtrl);
    if (row == d->selectedRow && d->valid(row))
        d->widget(row)->setStatus(DuiListCtrRowWidget::Normal);
}

void DuiListCtrl::activateRow(int row)
{
    if (DuiListCtrRowWidget *widget = d_func()->widget(row))
        widget->setStatus(DuiListCtrRowWidget::Active);
}

void DuiListCtrl::unActivateRow(int row)
{
    if (DuiListCtrRowWidget *widget = d_func()->widget(row))
        widget->setStatus(DuiListCtrRowWidget::Normal);
}

QString DuiListCtrl::bkImagePath() const
{
    return d_func()->content->imagePath();
}

void DuiListCtrl::setBkImage(const QString &path)
{
    Q_D(DuiListCtrl);
    d->content->setImage(path);
    d->content->setFrameType(int(DuiFrameItemDrawer::NinePieces));
}

void DuiListCtrl::rowClicked(int row)
{
    Q_D(DuiListCtrl);
    if (!d->rowSelectEnabled) {
        Q_EMIT rowPressed(row);
        return;
    }
    if (d->valid(row))
        d->choose(row == d->selectedRow ? -1 : row);
}

void DuiListCtrl::selectRow(int row)
{
    Q_D(DuiListCtrl);
    if (row == d->selectedRow || row < -1 || row >= d->rows.size())
        return;
    if (DuiListCtrRowWidget *widget = d->widget(d->selectedRow))
        widget->setStatus(DuiListCtrRowWidget::Normal);
    if (DuiListCtrRowWidget *widget = d->widget(row))
        widget->setStatus(DuiListCtrRowWidget::Active);
    d->selectedRow = row;
}

void DuiListCtrl::rowCtrlActived(int row)
{
    Q_D(DuiListCtrl);
    if (row == d->activeRow)
        return;
    d->activeRow = row;
    Q_EMIT rowActived(row);
}

void DuiListCtrl::rowCtrlUnActived(int row)
{
    Q_D(DuiListCtrl);
    if (row != d->activeRow)
        return;
    d->activeRow = -1;
    Q_EMIT rowUnActived(row);
}

void DuiListCtrl::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiScrollArea::resizeEvent(event);
    Q_D(DuiListCtrl);
    d->content->setMinimumHeight(event->newSize().height());
    d->placeRows();
}

void DuiListCtrl::keyPressEvent(QKeyEvent *event)
{
    Q_D(DuiListCtrl);
    const QPointer<DuiListCtrl> self(this);
    const int count = int(d->rows.size());
    if (count == 0) {
        DuiScrollArea::keyPressEvent(event);
        return;
    }
    const int current = d->selectedRow;
    const int page = qMax(1, int(size().height() / qMax<uint>(1, d->rows.at(qMax(current, 0))->height)));
    int target = current;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current < 0 ? 0 : current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default:
        DuiScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    target = qBound(0, target, count - 1);
    if (d->rowSelectEnabled && target != current)
        d->choose(target);
    // The list may be gone if a receiver deleted it.
    if (self)
        d->scrollIntoView(target);
}
