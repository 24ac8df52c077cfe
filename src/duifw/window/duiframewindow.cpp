// SPDX-License-Identifier: MIT
#include "duiframewindow.h"
#include "duiframewindow_p.h"

#include "duibackgrounditem.h"
#include "duicolorizeevent.h"
#include "duicolorizepass_p.h"
#include "duiframestyle_p.h"
#include "duilogging_p.h"
#include "duirootitem.h"
#include "duispaceritem.h"
#include "duisyscommandrequest.h"
#include "duiwinapi.h"
#include "mxabstractwinevenfilter.h"

#ifndef Q_OS_WIN
#include "duinonclienthelper_p.h"
#include "duiparent_p.h"
#endif

#include <QtCore/qeasingcurve.h>
#include <QtCore/qpropertyanimation.h>
#include <QtGui/qevent.h>
#include <QtWidgets/qgraphicsscene.h>

const DuiFrameTypeRegister DuiFrameWindow::s_registerDuiFrameWindow(
    getframeCreateFuncPointerDataHeader(), "DuiFrameWindow", &DuiFrameWindow::dynamicCreateObjectDuiFrameWindow);

int &duiNoNameFrameCounter()
{
    static int counter = 0;
    return counter;
}

DuiFrameWindowPrivate::DuiFrameWindowPrivate() = default;

DuiFrameWindowPrivate::~DuiFrameWindowPrivate()
{
#ifdef Q_OS_WIN
    if (classBrush)
        ::DeleteObject(classBrush);
#endif
}

DuiFrameWindow::DuiFrameWindow(QWidget *parent, FrameStyles style)
    : DuiFrameWindow(*new DuiFrameWindowPrivate, parent, style)
{
}

DuiFrameWindow::DuiFrameWindow(DuiFrameWindowPrivate &dd, QWidget *parent, FrameStyles style)
    : QGraphicsView(parent)
    , d_data(&dd)
{
    Q_D(DuiFrameWindow);
    d->q_ptr = this;
    d->frameStyle = style;
    setupScene();
}

DuiFrameWindow::~DuiFrameWindow()
{
    Q_D(DuiFrameWindow);
    // The style and the helper look at the window; let them go while it is still whole.
    d->style.reset();
}

DuiFrameWindow *DuiFrameWindow::dynamicCreateObjectDuiFrameWindow(QWidget *parent)
{
    return new DuiFrameWindow(parent, Window);
}

void DuiFrameWindow::setupScene()
{
    Q_D(DuiFrameWindow);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    // The scene fills the view exactly, origin at the top-left corner.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);

    d->scene = new QGraphicsScene(this);
    // A window's items are laid out and moved together, and a repaint walks them in order anyway:
    // a spatial index would be rebuilt after every layout pass for nothing.
    d->scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(d->scene);

    d->rootItem = new DuiRootItem;
    d->rootItem->setParent(d->scene);
    d->scene->addItem(d->rootItem);

    d->background = new DuiBackgroundItem(this);

    d->titlebar = new DuiTitlebar(d->rootItem);
    duiSetParent(d->titlebar, d->rootItem);
    d->titlebar->setWindowId(this);
    d->titlebar->setZValue(1);
    connect(d->titlebar, &DuiTitlebar::buttonClicked, this, &DuiFrameWindow::onTitleButtonClicked);

    auto *content = new DuiSpacerItem(d->rootItem);
    duiSetParent(content, d->rootItem);
    content->setDragPolicy(DuiWidget::DragWindow);
    content->setLayout(DuiWidget::VBox);
    d->rootWidget = content;

    int &counter = duiNoNameFrameCounter();
    setObjectName(QStringLiteral("NoNameFrame%1").arg(counter));
    ++counter;
}

DuiWidget *DuiFrameWindow::rootWidget() const
{
    return d_func()->rootWidget;
}

DuiTitlebar *DuiFrameWindow::titlebar() const
{
    return d_func()->titlebar;
}

quint32 DuiFrameWindow::hwnd() const
{
    return quint32(winId());
}

void DuiFrameWindow::doConstruct()
{
    Q_D(DuiFrameWindow);
    if (d->constructed)
        return;
    const FrameStyles flags = d->frameStyle;
    // Changing the window flags hides a shown window (an XML file may say visible="true"
    // before the style is applied); it is shown again once built.
    const bool wasShown = QWidget::isVisible();
    if (flags & FrameLess)
        d->style = std::make_unique<DuiFrameStyle_WinXP>(this);
    else if (flags & ToolTip)
        d->style = std::make_unique<DuiFrameStyle_Tooltip>(this);
    else
        d->style = std::make_unique<DuiFrameStyle_System>(this);
    d->style->popup = flags.testFlag(Popup);
    d->style->resizable = flags.testFlag(Resizable);
    d->style->toolWindow = flags.testFlag(ToolWindow);
    d->style->ncMessageFilter = [this](MSG *msg) { filterNcMessage(msg); };
    d->style->install();
#ifndef Q_OS_WIN
    if (!d->nonClient)
        d->nonClient = new DuiNonClientHelper(this);
#endif

    if (!(flags & CloseButton))
        d->titlebar->hide();
    d->titlebar->setHasMaximizeButton(flags.testFlag(MaxButton));
    d->titlebar->setHasMinimizeButton(flags.testFlag(MinButton));

    if (!(flags & ToolWindow) && (flags & (MinButton | MaxButton))) {
        unsigned int bits = WS_SYSMENU;
        if (flags & MinButton)
            bits |= WS_MINIMIZEBOX;
        if (flags & MaxButton)
            bits |= WS_MAXIMIZEBOX;
        DuiWinAPI::addWindowStyle(hwnd(), bits);
    }

    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, flags.testFlag(AppWindow));

    d->constructed = true;
    if (!d->moveAnimation)
        d->moveAnimation = new QPropertyAnimation(this, "realFrameGeometry", this);

#ifdef Q_OS_WIN
    d->classBrush = ::CreateSolidBrush(RGB(64, 0, 64));
    ::SetClassLongPtrW(HWND(winId()), GCLP_HBRBACKGROUND, LONG_PTR(d->classBrush));
#endif

    construct();
    _colorizeWidgets(DuiTheme::getColor(DuiTheme::BaseColor));
    if (wasShown && !QWidget::isVisible())
        show();
}

void DuiFrameWindow::construct()
{
}

void DuiFrameWindow::setTitle(const I18nString &title)
{
    setTitle(title.toString());
}

void DuiFrameWindow::setTitle(const QString &title)
{
    Q_D(DuiFrameWindow);
    const bool hadTitle = !d->titlebar->title().isEmpty();
    d->titlebar->setTitle(title);
    QWidget::setWindowTitle(title);
    // The bar spans the window only while it has a title; a title given to a window already
    // laid out would otherwise be drawn over the buttons until the next resize.
    if (hadTitle != !title.isEmpty() && !size().isEmpty()) {
        const QRect whole(QPoint(0, 0), size());
        layoutTitlebar(d->style ? d->style->clientRect(whole) : whole);
    }
}

I18nString DuiFrameWindow::title() const
{
    return I18nString();
}

void DuiFrameWindow::setWindowTitle(const I18nString &title)
{
    QWidget::setWindowTitle(title.toString());
}

void DuiFrameWindow::setWindowTitle(const QString &title)
{
    QWidget::setWindowTitle(title);
}

I18nString DuiFrameWindow::windowTitle() const
{
    return I18nString(QWidget::windowTitle());
}

void DuiFrameWindow::setFrameStyle(FrameStyles style)
{
    d_func()->frameStyle = style;
}

DuiFrameWindow::FrameStyles DuiFrameWindow::frameStyle() const
{
    return d_func()->frameStyle;
}

void DuiFrameWindow::setFixSize(const QSize &size)
{
    resize(size);
    setMinimumSize(size);
    setMaximumSize(size);
}

QSize DuiFrameWindow::fixSize() const
{
    return minimumSize();
}

QRect DuiFrameWindow::realFrameGeometry() const
{
    return frameGeometry();
}

void DuiFrameWindow::setRealFrameGeometry(const QRect &rect)
{
    setGeometry(rect);
    update();
}

void DuiFrameWindow::show()
{
    QWidget::show();
    DuiWinAPI::ShowWindow(HWND(winId()), SW_SHOW);
}

void DuiFrameWindow::hide()
{
    DuiWinAPI::ShowWindow(HWND(winId()), SW_HIDE);
    trimWorkingSet();
}

void DuiFrameWindow::showMinimized()
{
    DuiWinAPI::ShowWindow(HWND(winId()), SW_MINIMIZE);
    trimWorkingSet();
}

void DuiFrameWindow::showMaximized()
{
    DuiWinAPI::ShowWindow(HWND(winId()), SW_MAXIMIZE);
}

void DuiFrameWindow::animatedMoveTo(QRect rc, int ms)
{
    Q_D(DuiFrameWindow);
    if (!d->moveAnimation)
        d->moveAnimation = new QPropertyAnimation(this, "realFrameGeometry", this);
    d->moveAnimation->stop();
    d->moveAnimation->setStartValue(realFrameGeometry());
    d->moveAnimation->setEndValue(rc);
    d->moveAnimation->setDuration(qMax(0, ms));
    d->moveAnimation->setEasingCurve(QEasingCurve::Linear);
    d->moveAnimation->start();
}

void DuiFrameWindow::showMinNoActive()
{
    setWindowState(Qt::WindowMinimized);
    show();
}

bool DuiFrameWindow::isVisible() const
{
    return QWidget::isVisible();
}

void DuiFrameWindow::setVisible2(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void DuiFrameWindow::trimWorkingSet()
{
    DuiWinAPI::setWorkingSetSize(0, 0);
}

void DuiFrameWindow::setBackgroundImage(const QString &path, DuiWidget::ColorizeWidgetFlag flag)
{
    Q_UNUSED(flag);
    d_func()->background->setBackgroundImage(path);
    resetCachedContent();
    viewport()->update();
}

QString DuiFrameWindow::backgroundImage() const
{
    return d_func()->background->backgroundImage();
}

void DuiFrameWindow::setDecorationImage(const QString &path)
{
    d_func()->background->setDecorationImage(path);
    resetCachedContent();
    viewport()->update();
}

QString DuiFrameWindow::decorationImage() const
{
    return QString();
}

void DuiFrameWindow::setGradientType(DuiTheme::LinearGradientType type)
{
    d_func()->background->setGradientType(int(type));
    viewport()->update();
}

void DuiFrameWindow::setShowBorderShadow(bool show)
{
    d_func()->background->setShowBorderShadow(show);
    viewport()->update();
}

bool DuiFrameWindow::showBorderShadow() const
{
    return d_func()->background->showBorderShadow();
}

void DuiFrameWindow::setResizable(bool resizable)
{
    Q_D(DuiFrameWindow);
    if (d->style)
        d->style->resizable = resizable;
}

void DuiFrameWindow::setCloseOnEscape(bool close)
{
    d_func()->closeOnEscape = close;
}

bool DuiFrameWindow::closeOnEscape() const
{
    return d_func()->closeOnEscape;
}

void DuiFrameWindow::installWinEvenFilter(MXAbstractWinEvenFilter *filter)
{
    Q_D(DuiFrameWindow);
    d->windowFilters.removeAll(QPointer<MXAbstractWinEvenFilter>());
    d->windowFilters.removeAll(filter);
    if (filter)
        d->windowFilters.append(filter);
}

void DuiFrameWindow::removeWinEvenFilter(MXAbstractWinEvenFilter *filter)
{
    Q_D(DuiFrameWindow);
    for (QPointer<MXAbstractWinEvenFilter> &entry : d->windowFilters) {
        if (entry == filter)
            entry = nullptr;
    }
}

void DuiFrameWindow::filterNcMessage(MSG *msg)
{
    if (msg && msg->message == WM_NCLBUTTONDOWN)
        Q_EMIT captionAreaClicked();
}

QRect DuiFrameWindow::clientAreaRect() const
{
    return rect().adjusted(1, 1, -1, -1);
}

void DuiFrameWindow::onEnterPressed(Qt::KeyboardModifiers modifiers)
{
    Q_EMIT enterPressed(modifiers);
}

void DuiFrameWindow::onTitleButtonClicked(DuiTitlebar::titlebarClick click)
{
    systemButtonClicked(click);
}

void DuiFrameWindow::systemButtonClicked(DuiTitlebar::titlebarClick click)
{
    Q_D(DuiFrameWindow);
    DuiSysCommandRequest request(click);
    Q_EMIT sysCommand(&request);
    if (!request.accepted())
        return;
    switch (click) {
    case DuiTitlebar::TitleMinimize:
        if (d->frameStyle & ToolWindow)
            hide();
        else
            showMinimized();
        break;
    case DuiTitlebar::TitleMaximize:
        showMaximized();
        break;
    case DuiTitlebar::TitleRestore:
        DuiWinAPI::ShowWindow(HWND(winId()), SW_RESTORE);
        break;
    case DuiTitlebar::TitleClose:
        QWidget::close();
        break;
    }
}

bool DuiFrameWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (eventType == DuiNativeMessageEventType && message) {
        long answer = 0;
        const bool handled = winEvent(static_cast<MSG *>(message), &answer);
        if (handled && result)
            *result = answer;
        return handled;
    }
    return QGraphicsView::nativeEvent(eventType, message, result);
}

bool DuiFrameWindow::winEvent(MSG *msg, long *result)
{
    Q_D(DuiFrameWindow);
    if (!msg)
        return false;
    long dummy = 0;
    if (!result)
        result = &dummy;

    // The low word is the activation state; the high word only says whether the window is
    // minimised, so a minimised window losing activation still reports false.
    if (msg->message == WM_ACTIVATE)
        Q_EMIT onACTIVATE(LOWORD(msg->wParam) != WA_INACTIVE);

#ifdef Q_OS_WIN
    if (msg->message == WM_IME_COMPOSITION && (msg->lParam & GCS_COMPSTR) && !(msg->lParam & GCS_RESULTSTR)) {
        // Input methods that do not draw at the caret get no composition string from us.
        if (!(::ImmGetProperty(::GetKeyboardLayout(0), IGP_PROPERTY) & IME_PROP_AT_CARET))
            return true;
    }
#endif

    // A filter may stop the filters after it; the message still goes on below.
    const QList<QPointer<MXAbstractWinEvenFilter>> filters = d->windowFilters;
    for (const QPointer<MXAbstractWinEvenFilter> &filter : filters) {
        if (filter && filter->winEventFilter(msg, result))
            break;
    }

    if (msg->message == WM_SIZE) {
        if (msg->wParam == SIZE_MAXIMIZED)
            d->titlebar->setMaximized(true);
        else if (msg->wParam == SIZE_RESTORED)
            d->titlebar->setMaximized(false);
    }

    const bool handled = d->style ? d->style->handleMessage(msg, result) : false;

    if (msg->message == WM_SYSCOMMAND) {
        switch (msg->wParam) {
        case SC_MINIMIZE:
            systemButtonClicked(DuiTitlebar::TitleMinimize);
            return true;
        case SC_MAXIMIZE:
            systemButtonClicked(DuiTitlebar::TitleMaximize);
            return true;
        case SC_RESTORE:
            systemButtonClicked(DuiTitlebar::TitleRestore);
            return true;
        case SC_CLOSE:
            systemButtonClicked(DuiTitlebar::TitleClose);
            return true;
        default:
            return false;
        }
    }

    if (msg->message == WM_SIZE)
        trimWorkingSet();
    return handled;
}

bool DuiFrameWindow::event(QEvent *event)
{
    if (event->type() == DuiColorizeEvent::EventType) {
        colorizeEvent(static_cast<DuiColorizeEvent *>(event));
        return true;
    }
    return QGraphicsView::event(event);
}

void DuiFrameWindow::colorizeEvent(DuiColorizeEvent *event)
{
    _colorizeWidgets(event->color());
}

void DuiFrameWindow::_colorizeWidgets(QRgb color)
{
    duiColorizeItems(items(), color);
    QWidget::update();
    viewport()->update();
}

void DuiFrameWindow::resizeEvent(QResizeEvent *event)
{
    Q_D(DuiFrameWindow);
    if (d->style)
        d->style->updateRegion(event);
    QGraphicsView::resizeEvent(event);
    const QSize size = event->size();
    const QRect whole(0, 0, size.width(), size.height());
    d->scene->setSceneRect(whole);
    d->rootItem->setGeometry(whole);
    const QRect client = d->style ? d->style->clientRect(whole) : whole;
    d->rootWidget->setGeometry(client);
    layoutTitlebar(client);
    Q_EMIT resized();
}

void DuiFrameWindow::layoutTitlebar(const QRect &client)
{
    Q_D(DuiFrameWindow);
    const QRect actual = d->titlebar->actualSize();
    const int left = d->titlebar->title().isEmpty() ? client.right() - (actual.width() - 1) : client.left() + 1;
    // Inclusive corners: the bar ends one pixel right of the client rectangle.
    const QRect bar(QPoint(left, client.top() + 1), QPoint(client.right() + 1, client.top() + actual.height()));
    d->titlebar->setGeometry(bar);
    d->titlebar->reLayout(d->titlebar->size());
}

void DuiFrameWindow::keyPressEvent(QKeyEvent *event)
{
    Q_D(DuiFrameWindow);
    if (event->key() == Qt::Key_Escape && d->closeOnEscape)
        systemButtonClicked(DuiTitlebar::TitleClose);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        onEnterPressed(event->modifiers() & ~Qt::KeypadModifier);
    QGraphicsView::keyPressEvent(event);
}

void DuiFrameWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT aboutToClose();
    event->accept();
    QGraphicsView::closeEvent(event);
    trimWorkingSet();
}

void DuiFrameWindow::drawBackground(QPainter *painter, const QRectF &rect)
{
    Q_UNUSED(rect); // the whole window is painted: the masks are nine-piece borders of it
    d_func()->background->paint(painter, QRect(QPoint(0, 0), size()));
}
