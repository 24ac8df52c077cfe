// SPDX-License-Identifier: MIT
#include "duitooltip_p.h"

#include "duilogging_p.h"
#include "duimenu_p.h"
#include "duitextedit.h"
#include "duitooltipview_p.h"
#include "duiwidget.h"

#include <QtCore/qatomic.h>
#include <QtGui/qcursor.h>
#include <QtGui/qfontmetrics.h>
#include <QtGui/qscreen.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

QAtomicPointer<ToolTip> s_instance;

// Runs while the application object is being destroyed, before its widgets go: the engine and
// its view must not outlive it.
void destroyEngine()
{
    delete s_instance.fetchAndStoreOrdered(nullptr);
}

QRect screenRectFor(const QPoint &point)
{
    const QScreen *screen = DuiMenuPlacement::screenFor(point);
    return screen ? screen->geometry() : QRect();
}

QRect keptOnScreen(const QRect &rect, const QPoint &point)
{
    const QRect screen = screenRectFor(point);
    return screen.isValid() ? DuiMenuPlacement::keptOn(rect, screen) : rect;
}

QRect globalRectOf(const DuiWidget *widget)
{
    const QGraphicsScene *scene = widget->scene();
    if (!scene || scene->views().isEmpty())
        return QRect();
    const QGraphicsView *view = scene->views().first();
    const QRect inView = view->mapFromScene(widget->sceneBoundingRect()).boundingRect();
    return QRect(view->viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

} // namespace

ToolTip *ToolTip::instance()
{
    if (ToolTip *existing = s_instance.loadAcquire())
        return existing;
    auto *fresh = new ToolTip;
    if (s_instance.testAndSetOrdered(nullptr, fresh)) {
        qAddPostRoutine(destroyEngine);
        return fresh;
    }
    delete fresh; // another thread published first
    return s_instance.loadAcquire();
}

ToolTip *ToolTip::existing()
{
    return s_instance.loadAcquire();
}

ToolTip::ToolTip()
{
    m_hideTimer.setSingleShot(false);
    m_showTimer.setSingleShot(true);
    m_hoverTimer.setSingleShot(false);
    connect(&m_hideTimer, &QTimer::timeout, this, &ToolTip::on_hideTimer_timeout);
    connect(&m_showTimer, &QTimer::timeout, this, &ToolTip::on_showTimer_timeout);
    connect(&m_hoverTimer, &QTimer::timeout, this, &ToolTip::on_checkHoveTimer_timerout);
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ToolTip::on_app_aboutToQuit);
    m_style.init();
}

ToolTip::~ToolTip()
{
    // No event loop follows: delete the view now rather than on close.
    delete m_view.data();
}

void ToolTip::registerController(DuiToolTip *controller)
{
    if (!m_controllers.contains(controller))
        m_controllers.append(controller);
}

void ToolTip::unregisterController(DuiToolTip *controller)
{
    m_controllers.removeAll(controller);
    for (DuiWidget *widget : controller->targets()) {
        updateFilter(widget);
        if (widget == m_target)
            hideAndStop();
    }
}

bool ToolTip::wanted(DuiWidget *widget) const
{
    for (DuiToolTip *controller : m_controllers) {
        if (controller->isToolTipEnabled() && controller->targets().contains(widget))
            return true;
    }
    return false;
}

void ToolTip::updateFilter(DuiWidget *widget)
{
    if (!widget)
        return;
    // installEventFilter moves an installed filter to the front rather than adding a second.
    if (wanted(widget)) {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, &ToolTip::onWidgetDestroyed, Qt::UniqueConnection);
    } else {
        widget->removeEventFilter(this);
        disconnect(widget, &QObject::destroyed, this, &ToolTip::onWidgetDestroyed);
        if (widget == m_target)
            hideAndStop();
    }
}

void ToolTip::onWidgetDestroyed(QObject *object)
{
    if (object == m_targetKey) {
        m_targetKey = nullptr;
        hideAndStop();
    }
}

bool ToolTip::nearRestPoint() const
{
    const QPoint d = QCursor::pos() - m_restPoint;
    return qAbs(d.x()) <= RestDistance && qAbs(d.y()) <= RestDistance;
}

void ToolTip::stopTimers()
{
    m_hideTimer.stop();
    m_showTimer.stop();
    m_hoverTimer.stop();
}

void ToolTip::startHideTimer()
{
    // Every policy but NeverAutoHide needs the check: HideWhenCursorLeavesRect too, or nothing
    // would ever hide its tip.
    if (m_style.hidePolicy() == DuiToolTipStyle::NeverAutoHide)
        return;
    m_hideTimer.start(m_hideDelay > 0 ? m_hideDelay : DefaultHideInterval);
}

bool ToolTip::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneHoverEnter:
        if (auto *widget = qobject_cast<DuiWidget *>(watched)) {
            m_restPoint = QCursor::pos();
            m_target = widget;
            m_targetKey = widget;
            stopTimers();
            m_hoverTimer.start(HoverCheckInterval);
        }
        break;
    case QEvent::GraphicsSceneHoverLeave:
        if (watched != m_targetKey) {
            hide();
        } else {
            on_hideTimer_timeout();
            m_target = nullptr;
            m_targetKey = nullptr;
            m_hoverTimer.stop();
            m_showTimer.stop();
        }
        break;
    case QEvent::GraphicsSceneMousePress:
        if (m_style.hidePolicy() != DuiToolTipStyle::NeverAutoHide)
            hideAndStop();
        break;
    default:
        break;
    }
    return false;
}

void ToolTip::on_checkHoveTimer_timerout()
{
    if (nearRestPoint()) {
        m_hoverTimer.stop();
        m_showTimer.start(ShowDelay);
    } else {
        m_restPoint = QCursor::pos();
    }
}

void ToolTip::on_showTimer_timeout()
{
    if (!m_target)
        return;
    m_showTimer.stop();
    if (!nearRestPoint())
        return;
    DuiWidget *target = m_target;
    m_shownAtRect = false;
    Q_EMIT readyToShowToolTip(target);
    if (m_shownAtRect) {
        m_shownAtRect = false;
        return;
    }
    if (!m_target)
        return; // deleted by a receiver
    m_targetRect = globalRectOf(target);
    if (DuiWidget *content = m_style.widget()) {
        showWidget(content, QRect());
    } else {
        const QString text = target->toolTip();
        if (text.isEmpty())
            return;
        showTextAtCursor(text);
    }
    startHideTimer();
}

void ToolTip::on_hideTimer_timeout()
{
    if (!m_view)
        return;
    const QPoint cursor = QCursor::pos();
    if (m_target && m_target->scene() && !m_target->scene()->views().isEmpty()) {
        const QWidget *under = QApplication::topLevelAt(cursor);
        const QWidget *targetWindow = m_target->scene()->views().first()->window();
        // The tip's own window counts as inside, or no policy could keep it open under the cursor.
        if (under != targetWindow && under != m_view) {
            hideAndStop();
            return;
        }
    }
    const QRect tip = m_view->geometry();
    switch (m_style.hidePolicy()) {
    case DuiToolTipStyle::HideWhenCursorMoves:
        if (!nearRestPoint())
            hideAndStop();
        break;
    case DuiToolTipStyle::HideWhenCursorLeavesTip: {
        const QPoint r(RestDistance, RestDistance);
        if (!tip.contains(cursor) && !QRect(m_restPoint - r, m_restPoint + r).contains(cursor))
            hideAndStop();
        break;
    }
    case DuiToolTipStyle::HideWhenCursorLeavesRect:
        if (!m_targetRect.contains(cursor) && !tip.contains(cursor))
            hideAndStop();
        break;
    case DuiToolTipStyle::HideWhenCursorMovesOnce:
        if (!nearRestPoint()) {
            hide();
            m_hideTimer.stop();
        }
        break;
    case DuiToolTipStyle::NeverAutoHide:
        break;
    }
}

void ToolTip::on_app_aboutToQuit()
{
    if (m_view)
        m_view->close();
}

void ToolTip::hide()
{
    if (!m_view)
        return;
    m_target = nullptr;
    m_targetKey = nullptr;
    m_restPoint = QPoint(0, 0);
    ToolTipView *view = m_view;
    m_view = nullptr;
    view->close();
}

void ToolTip::hideAndStop()
{
    hide();
    stopTimers();
}

void ToolTip::prepareView()
{
    if (m_view) {
        ToolTipView *old = m_view;
        m_view = nullptr;
        old->close();
    }
    m_view = new ToolTipView;
    m_view->setObjectName(QStringLiteral("toolTips"));
    m_view->item()->setStyle(m_style);
}

QRect ToolTip::placeAtCursor(const QSize &size, const QPoint &cursor, int direction)
{
    const int w = size.width();
    const int h = size.height();
    QPoint topLeft = cursor;
    switch (direction) {
    case DuiToolTipStyle::TipAbove: topLeft = QPoint(cursor.x(), cursor.y() - h); break;
    case DuiToolTipStyle::TipLeft: topLeft = QPoint(cursor.x() - w, cursor.y()); break;
    case DuiToolTipStyle::TipRight: topLeft = QPoint(cursor.x() + w, cursor.y()); break;
    case DuiToolTipStyle::TipBelow: topLeft = QPoint(cursor.x(), cursor.y() + 20); break;
    default: break;
    }
    // The screen is read at every show: screens come and go, and the cursor may be on any.
    return keptOnScreen(QRect(topLeft, size), cursor);
}

QRect ToolTip::placeBeside(const QSize &size, const QRect &rect, int direction)
{
    const QRect screen = screenRectFor(rect.center());
    const int w = size.width();
    const int h = size.height();
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    QRect placed(rect.topLeft(), size);
    switch (direction) {
    case DuiToolTipStyle::TipAbove:
        placed.moveTop(rect.top() - h < screen.top() ? bottom : rect.top() - h);
        break;
    case DuiToolTipStyle::TipLeft:
        placed.moveLeft(rect.left() - w < screen.left() ? right : rect.left() - w);
        break;
    case DuiToolTipStyle::TipRight:
        placed.moveLeft(right + w > screen.x() + screen.width() ? rect.left() - w : right);
        break;
    case DuiToolTipStyle::TipBelow:
        placed.moveTop(bottom + h > screen.y() + screen.height() ? rect.top() - h : bottom);
        break;
    default:
        return rect;
    }
    return screen.isValid() ? DuiMenuPlacement::keptOn(placed, screen) : placed;
}

void ToolTip::showTextAtCursor(const QString &text)
{
    if (text.isEmpty())
        return;
    prepareView();
    const QPoint cursor = QCursor::pos();
    m_restPoint = cursor;
    ToolTipItem *item = m_view->item();
    item->setAnchor(cursor);
    item->setText(text);

    const int t = m_style.trangleHeight();
    const int blur = m_style.blurRadius();
    QSize size = item->textEdit()->fontMetrics().size(Qt::TextExpandTabs, text) + QSize(10, 10);
    const int direction = m_style.direction();
    if (direction == DuiToolTipStyle::TipAbove || direction == DuiToolTipStyle::TipBelow)
        size.rheight() += t;
    else if (direction == DuiToolTipStyle::TipLeft || direction == DuiToolTipStyle::TipRight)
        size.rwidth() += t;
    size += QSize(blur, blur);

    const QRect placed = placeAtCursor(size, cursor, direction);
    item->setTopLeft(placed.topLeft() + QPoint(2, 2));
    m_view->setGeometry(placed);
    m_view->show();
    startHideTimer();
}

void ToolTip::showTextAt(const QString &text, const QPoint &pt)
{
    if (text.isEmpty())
        return;
    prepareView();
    ToolTipItem *item = m_view->item();
    item->setAnchor(pt);
    item->setText(text);
    const int blur = m_style.blurRadius();
    const QSize size = item->textEdit()->fontMetrics().size(Qt::TextExpandTabs, text) + QSize(10 + blur, 10 + blur);
    QRect rect(pt, size);
    switch (m_style.direction()) {
    case DuiToolTipStyle::TipLeft: rect.moveLeft(pt.x()); break;
    case DuiToolTipStyle::TipRight: rect.moveRight(pt.x()); break;
    default: rect.moveBottom(pt.y()); break;
    }
    item->setTopLeft(rect.topLeft() + QPoint(2, 2));
    m_view->setGeometry(rect);
    m_view->show();
    startHideTimer();
    m_restPoint = QCursor::pos();
}

void ToolTip::showTextInRect(const QString &text, const QRect &rect)
{
    prepareView();
    m_shownAtRect = true;
    ToolTipItem *item = m_view->item();
    item->setStyle(m_style);
    item->setAnchor(QPoint(0, 0));
    item->setTopLeft(rect.topLeft() + QPoint(2, 2));
    m_view->setGeometry(rect);
    item->setText(text);
    m_view->show();
}

void ToolTip::showWidget(DuiWidget *widget, const QRect &rect)
{
    if (!widget)
        return;
    QSize size = widget->size().toSize();
    if (size.isEmpty())
        size = widget->effectiveSizeHint(Qt::PreferredSize).toSize();
    const bool besideRect = m_style.hidePolicy() == DuiToolTipStyle::HideWhenCursorLeavesRect && !rect.isEmpty();
    if (size.width() > DuiToolTipMaxExtent || size.height() > DuiToolTipMaxExtent) {
        if (besideRect)
            qCCritical(lcDuiControls,
                       "Invalid size of custom widget in tooltip. Widget name:%s, wiget size:(%d,%d), target size:(%d,%d). Ignored.\n",
                       qPrintable(widget->objectName()), size.width(), size.height(), rect.width(), rect.height());
        else
            qCCritical(lcDuiControls, "Invalid size of custom widget in tooltip. Widget name:%s, size:(%d,%d). Ignored.\n",
                       qPrintable(widget->objectName()), size.width(), size.height());
        return;
    }
    prepareView();
    const QPoint cursor = QCursor::pos();
    m_restPoint = cursor;
    m_view->item()->setAnchor(cursor);
    QRect placed;
    if (besideRect) {
        m_targetRect = rect;
        placed = placeBeside(size, rect, m_style.direction());
    } else {
        placed = placeAtCursor(size, cursor, m_style.direction());
    }
    widget->resize(size);
    m_view->setContentWidget(widget);
    m_view->setGeometry(placed);
    m_view->show();
    startHideTimer();
}
