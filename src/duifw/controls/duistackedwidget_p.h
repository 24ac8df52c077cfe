// SPDX-License-Identifier: MIT
#ifndef DUISTACKEDWIDGET_P_H
#define DUISTACKEDWIDGET_P_H

#include "duistackedwidget.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class QParallelAnimationGroup;

class DuiStackedWidgetPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiStackedWidget)
public:
    // Pages leave the list when they are destroyed, so every entry is a live page.
    QList<DuiWidget *> pages;
    int current = -1;
    int requested = -1;
    QPointer<QParallelAnimationGroup> slide;
    DuiStackedWidget::EffectType effectType = DuiStackedWidget::NullEffect;
    DuiStackedWidget::ChildWidgetSizeMode sizeMode = DuiStackedWidget::fixedMode;
};

#endif // DUISTACKEDWIDGET_P_H
