// SPDX-License-Identifier: MIT
#include "duicolorizeeffectmanager.h"
#include "duicolorizeeffectmanager_p.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qcoreevent.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

DuiColorizeEffectManager::DuiColorizeEffectManager(QObject *parent)
    : QObject(parent)
    , d_data(new DuiColorizeEffectManagerPrivate(this))
{
}

DuiColorizeEffectManager::~DuiColorizeEffectManager() = default;

void DuiColorizeEffectManager::setNewColor(QRgb color)
{
    Q_D(DuiColorizeEffectManager);
    if (color == d->currentColor)
        return;
    d->currentColor = color;
    _saveColorValue();
    notifyWindows();
}

QRgb DuiColorizeEffectManager::currentColor() const
{
    Q_D(const DuiColorizeEffectManager);
    return d->currentColor;
}

int DuiColorizeEffectManager::colorizeEventType() const
{
    Q_D(const DuiColorizeEffectManager);
    return d->colorizeEventType;
}

void DuiColorizeEffectManager::setGradientValue(const QList<double> &values)
{
    Q_D(DuiColorizeEffectManager);
    d->gradient = values;
    notifyWindows();
}

QList<double> DuiColorizeEffectManager::gradientValue() const
{
    Q_D(const DuiColorizeEffectManager);
    return d->gradient;
}

void DuiColorizeEffectManager::loadColorizeEffect()
{
}

void DuiColorizeEffectManager::_saveColorValue()
{
}

void DuiColorizeEffectManager::notifyWindows() const
{
    Q_D(const DuiColorizeEffectManager);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QCoreApplication::postEvent(window, new QEvent(QEvent::Type(d->colorizeEventType)));
}
