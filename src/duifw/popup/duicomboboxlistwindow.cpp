// SPDX-License-Identifier: MIT
#include "duicomboboxlistwindow_p.h"

#include "duiaccessibleevents_p.h"
#include "duicombobox.h"
#include "duiframeitem.h"
#include "duilineedit.h"
#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duilistwidget.h"
#include "duimenu_p.h"
#include "duipushbutton.h"
#include "duitheme.h"

#include <QtCore/qmath.h>
#include <QtGui/qevent.h>
#include <QtGui/qscreen.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtGui/qwindow.h>
#include <QtWidgets/qgraphicsscene.h>

namespace DuiComboCommon {

QRect dropDownGeometry(const QRect &combo, int listHeight)
{
    const QScreen *screen = DuiMenuPlacement::screenFor(combo.center());
    const QRect avail = screen ? screen->availableGeometry() : QRect(combo.x(), combo.y(), 1 << 20, 1 << 20);
    // The list plus a one-pixel border all round, one pixel away from the combo box.
    const int height = qMax(0, listHeight) + 4;
    const int belowTop = combo.bottom() + 2;
    const int aboveBottom = combo.top() - 2;
    const int roomBelow = avail.bottom() - belowTop + 1;
    const int roomAbove = aboveBottom - avail.top() + 1;
    QRect window(combo.left(), 0, combo.width(), height);
    if (height <= roomBelow || (height > roomAbove && roomBelow >= roomAbove)) {
        window.setHeight(qMin(height, qMax(roomBelow, 0)));
        window.moveTop(belowTop);
    } else {
        window.setHeight(qMin(height, qMax(roomAbove, 0)));
        window.moveBottom(aboveBottom);
    }
    if (window.width() > avail.width())
        window.setWidth(avail.width());
    return DuiMenuPlacement::keptOn(window, avail);
}

QRect globalRect(const QGraphicsWidget *widget)
{
    const QGraphicsScene *scene = widget ? widget->scene() : nullptr;
    if (!scene || scene->views().isEmpty())
        return QRect();
    const QGraphicsView *view = scene->views().constFirst();
    const QPoint topLeft = view->viewport()->mapToGlobal(view->mapFromScene(widget->scenePos()));
    return QRect(topLeft, widget->size().toSize());
}

int hitTest(const DuiWidget *combo, const DuiPushButton *button, const DuiLineEdit *edit, const QPoint &globalPos)
{
    const QGraphicsScene *scene = combo->scene();
    if (!scene || scene->views().isEmpty())
        return 0;
    const QGraphicsView *view = scene->views().constFirst();
    const QPointF scenePos = view->mapToScene(view->viewport()->mapFromGlobal(globalPos));
    const QPointF local = combo->mapFromScene(scenePos);
    if (button && button->isVisible() && button->geometry().contains(local))
        return 1;
    if (edit && edit->geometry().contains(local))
        return 2;
    return 0;
}

Parts makeParts(DuiWidget *combo, const QString &buttonDisabledImage)
{
    Parts parts;
    parts.frame = new DuiFrameItem(QStringLiteral(":/theme/duifw/combobox_background.png"), DuiFrameItemDrawer::NinePieces,
                                   combo);
    parts.frame->setParent(combo);
    parts.frame->setThemeColorType(DuiTheme::DarkestColor);
    parts.frame->setZValue(-1);

    parts.edit = new DuiLineEdit(combo);
    parts.edit->setParent(combo);
    parts.edit->setFrame(false);
    parts.edit->setReadOnly(true);
    // Not editable is the combo box's normal state, not a disabled field.
    parts.edit->setDisableStatus(false);

    parts.button = new DuiPushButton(combo, DuiFrameItemDrawer::NinePieces);
    parts.button->setParent(combo);
    parts.button->setThemeColorType(DuiTheme::DarkestColor);
    parts.button->setFixSize(QSizeF(24, 24));
    parts.button->setButtonStyle(DuiPushButton::ButtonCheckable);
    parts.button->setImage(QStringLiteral(":/theme/duifw/combobox_dropdown_normal.png"),
                           QStringLiteral(":/theme/duifw/combobox_dropdown_hover.png"),
                           QStringLiteral(":/theme/duifw/combobox_dropdown_pressdown.png"), buttonDisabledImage);
    combo->setMaximumHeight(24);
    return parts;
}

int listHeight(int rows, int extra, int maxHeight)
{
    const int height = rows > 0 ? rows * 24 + extra : 96;
    return qMin(height, maxHeight);
}

} // namespace DuiComboCommon

DuiComboBoxListWindowBase::DuiComboBoxListWindowBase(DuiWidget *owner, DuiWidget *list)
    : QGraphicsView(static_cast<QWidget *>(nullptr))
    , m_scene(new QGraphicsScene(this))
    , m_owner(owner)
    , m_list(list)
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QGraphicsView { border-color: black; border-width: 0px; border-style: none; }"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScene(m_scene);
    // The scene shows round the list as a one-pixel border.
    m_scene->setBackgroundBrush(QColor::fromRgb(DuiTheme::getColor(DuiTheme::DarkColor)));
    m_scene->addItem(list);
    list->setObjectName(QStringLiteral("comboxList"));
    list->setBackgroundColor(QColor::fromRgb(DuiTheme::getColor(DuiTheme::LightestColor)));
}

DuiComboBoxListWindowBase::~DuiComboBoxListWindowBase() = default;

void DuiComboBoxListWindowBase::setListCurrent(int row)
{
    m_previous = m_current;
    m_current = row;
}

void DuiComboBoxListWindowBase::rowInserted(int row)
{
    for (int *index : {&m_current, &m_previous, &m_openCurrent}) {
        if (*index >= row)
            ++*index;
    }
}

void DuiComboBoxListWindowBase::dropDown(const QRect &geometry)
{
    m_openCurrent = m_current;
    m_chosen = false;
    setGeometry(geometry);
    if (m_owner && m_owner->scene() && !m_owner->scene()->views().isEmpty()) {
        // Stacked for the window manager with the combo box's window, which does not own it.
        QWidget *host = m_owner->scene()->views().constFirst()->window();
        if (QWindow *handle = host->windowHandle()) {
            winId();
            windowHandle()->setTransientParent(handle);
        }
    }
    show();
    showCurrent(m_current);
    notifyExpanded();
}

void DuiComboBoxListWindowBase::notifyExpanded()
{
    if (!m_owner)
        return;
    QAccessible::State changed;
    changed.expanded = true;
    duiAccessibleStateChanged(m_owner, changed);
}

void DuiComboBoxListWindowBase::colorizeList(QRgb rgb, QColor listColor, QColor sceneColor)
{
    m_list->setBackgroundColor(listColor);
    m_scene->setBackgroundBrush(sceneColor);
    const QList<QGraphicsItem *> items = m_scene->items();
    for (QGraphicsItem *item : items) {
        if (item->isWidget()) {
            if (auto *widget = qobject_cast<DuiWidget *>(static_cast<QGraphicsWidget *>(item)))
                widget->colorize(rgb);
        }
    }
}

void DuiComboBoxListWindowBase::dispose(DuiComboBoxListWindowBase *window)
{
    if (!window)
        return;
    window->disconnect();
    window->m_owner = nullptr;
    if (window->m_reporting > 0) {
        window->hide();
        window->deleteLater();
    } else {
        delete window;
    }
}

void DuiComboBoxListWindowBase::on_comboxlist_itemClicked(int index)
{
    // The previous index is the one before the list opened, whatever the keys went through.
    m_previous = isVisible() ? m_openCurrent : m_current;
    m_current = index;
    m_chosen = true;
    ++m_reporting;
    hide();
    Q_EMIT comboxlist_itemClicked(index);
    --m_reporting;
}

void DuiComboBoxListWindowBase::moveTo(int row)
{
    if (row < 0 || row >= rowCount() || row == m_current)
        return;
    setListCurrent(row);
    showCurrent(row);
}

bool DuiComboBoxListWindowBase::event(QEvent *event)
{
    // Presses outside a popup come to the window itself, not to its viewport.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!rect().contains(mouse->position().toPoint())) {
            const QPoint global = mouse->globalPosition().toPoint();
            setAttribute(Qt::WA_NoMouseReplay, swallowOutsidePress(global));
            hide();
            event->accept();
            return true;
        }
    }
    return QGraphicsView::event(event);
}

void DuiComboBoxListWindowBase::keyPressEvent(QKeyEvent *event)
{
    const int count = rowCount();
    switch (event->key()) {
    case Qt::Key_Escape:
        hide();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0 && m_current < count)
            on_comboxlist_itemClicked(m_current);
        break;
    case Qt::Key_Home:
        moveTo(0);
        break;
    case Qt::Key_End:
        moveTo(count - 1);
        break;
    case Qt::Key_Up:
        // From no current row, Up goes to the first row: never below it.
        moveTo(m_current <= 0 ? 0 : m_current - 1);
        break;
    case Qt::Key_Down:
        moveTo(m_current + 1);
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DuiComboBoxListWindowBase::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    const QSize size = event->size();
    m_scene->setSceneRect(0, 0, size.width(), size.height());
    m_list->setGeometry(QRectF(1, 1, qMax(0, size.width() - 2), qMax(0, size.height() - 2)));
}

void DuiComboBoxListWindowBase::hideEvent(QHideEvent *event)
{
    QGraphicsView::hideEvent(event);
    notifyExpanded();
    if (event->spontaneous())
        return;
    if (!m_chosen && m_current != m_openCurrent) {
        // Closed without a choice: what the keys moved through does not count.
        m_current = m_openCurrent;
        showCurrent(m_current);
    }
    m_chosen = true;
    Q_EMIT focusOut();
}

// ---- DuiComboBoxListWindowOrg

DuiComboBoxListWindowOrg::DuiComboBoxListWindowOrg(DuiWidget *owner)
    : DuiComboBoxListWindowBase(owner, new DuiListWidget)
{
    DuiListWidget *list = listWidget();
    connect(list, &DuiListWidget::leftButtonClicked, this, &DuiComboBoxListWindowBase::on_comboxlist_itemClicked);
    connect(list, &DuiListWidget::rightButtonClicked, this, &DuiComboBoxListWindowBase::on_comboxlist_itemClicked);
}

DuiListWidget *DuiComboBoxListWindowOrg::listWidget() const
{
    return static_cast<DuiListWidget *>(list());
}

void DuiComboBoxListWindowOrg::setColorizePolicy(DuiWidget::ColorizeWidgetFlag policy)
{
    m_colorizePolicy = policy;
    const QList<QGraphicsItem *> items = listScene()->items();
    for (QGraphicsItem *item : items) {
        if (item->isWidget()) {
            if (auto *widget = qobject_cast<DuiWidget *>(static_cast<QGraphicsWidget *>(item)))
                widget->setColorizePolicy(policy);
        }
    }
    if (policy == DuiWidget::UnColorableFlag) {
        list()->setBackgroundColor(QColor(247, 247, 247));
        listScene()->setBackgroundBrush(QColor(110, 110, 110));
    } else {
        list()->setBackgroundColor(QColor::fromRgb(DuiTheme::getColor(DuiTheme::LightestColor)));
        listScene()->setBackgroundBrush(QColor::fromRgb(DuiTheme::getColor(DuiTheme::DarkColor)));
    }
}

int DuiComboBoxListWindowOrg::rowCount() const
{
    return listWidget()->model() ? listWidget()->model()->rowCount() : 0;
}

void DuiComboBoxListWindowOrg::showCurrent(int row)
{
    listWidget()->selectIndex(row);
}

bool DuiComboBoxListWindowOrg::swallowOutsidePress(const QPoint &) const
{
    return true;
}

// ---- DuiComboBoxListWindow

DuiComboBoxListWindow::DuiComboBoxListWindow(DuiWidget *owner)
    : DuiComboBoxListWindowBase(owner, new DuiListCtrl)
{
    DuiListCtrl *list = listCtrl();
    list->enableRowSelect(false);
    connect(list, &DuiListCtrl::rowPressed, this, &DuiComboBoxListWindowBase::on_comboxlist_itemClicked);
    // One highlighted row: the pointer's row takes over from the current one.
    connect(list, &DuiListCtrl::rowActived, this, [this](int row) {
        if (row != listCurrent())
            listCtrl()->unActivateRow(listCurrent());
    });
}

DuiListCtrl *DuiComboBoxListWindow::listCtrl() const
{
    return static_cast<DuiListCtrl *>(list());
}

int DuiComboBoxListWindow::rowCount() const
{
    return listCtrl()->rowCount();
}

void DuiComboBoxListWindow::showCurrent(int row)
{
    DuiListCtrl *list = listCtrl();
    for (int i = 0; i < list->rowCount(); ++i) {
        if (i != row)
            list->unActivateRow(i);
    }
    list->activateRow(row);
    if (DuiListCtrRowWidget *widget = list->getRowBkCtrl(row)) {
        const qreal top = widget->y() - 2;
        const qreal bottom = widget->y() + widget->size().height() + 2;
        const qreal pos = list->scrollPos();
        if (top < pos)
            list->setScrollPos(qFloor(top));
        else if (bottom > pos + list->size().height())
            list->setScrollPos(qCeil(bottom - list->size().height()));
    }
}

bool DuiComboBoxListWindow::swallowOutsidePress(const QPoint &globalPos) const
{
    const auto *box = qobject_cast<const DuiComboBox *>(owner());
    return box && box->hitTestGlobal(globalPos) == 1;
}
