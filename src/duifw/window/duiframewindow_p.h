// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEWINDOW_P_H
#define DUIFRAMEWINDOW_P_H

#include "duiframewindow.h"

#include <QtCore/qlist.h>
#include <QtCore/qpointer.h>

#include <memory>

class DuiBackgroundItem;
class DuiFrameStyle;
class DuiNonClientHelper;
class DuiRootItem;
class MXAbstractWinEvenFilter;
class QGraphicsScene;
class QPropertyAnimation;

class DUI_AUTOTEST_EXPORT DuiFrameWindowPrivate
{
    Q_DECLARE_PUBLIC(DuiFrameWindow)
public:
    DuiFrameWindowPrivate();
    virtual ~DuiFrameWindowPrivate();

    bool constructed = false;
    std::unique_ptr<DuiFrameStyle> style;
    QGraphicsScene *scene = nullptr;
    DuiRootItem *rootItem = nullptr;
    DuiBackgroundItem *background = nullptr;
    DuiTitlebar *titlebar = nullptr;
    DuiWidget *rootWidget = nullptr;
    bool closeOnEscape = false;
    QPropertyAnimation *moveAnimation = nullptr;
    DuiFrameWindow::FrameStyles frameStyle;
    QList<QPointer<MXAbstractWinEvenFilter>> windowFilters;
    DuiFrameWindow *q_ptr = nullptr;
#ifdef Q_OS_WIN
    HBRUSH classBrush = nullptr;
#else
    // Turns mouse and window events into native messages where the system does not send them.
    DuiNonClientHelper *nonClient = nullptr;
#endif
};

// Process-wide counter behind the default object names "NoNameFrame<n>".
DUI_AUTOTEST_EXPORT int &duiNoNameFrameCounter();

#endif // DUIFRAMEWINDOW_P_H
