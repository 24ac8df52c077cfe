// SPDX-License-Identifier: MIT
#include "duicolorizeeffectmanager.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qcoreevent.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

DuiColorizeEffectManager::DuiColorizeEffectManager(QObject *parent)
    : QObject(parent)
    , m_currentColor(0xFF14A0FF)
    , m_colorizeEventType(QEvent::registerEventType())
    , m_gradient({0.7, 0.9})
{
}

DuiColorizeEffectManager::~DuiColorizeEffectManager() = default;

void DuiColorizeEffectManager::setNewColor(QRgb color)
{
    if (color == m_currentColor)
        return;
    m_currentColor = color;
    _saveColorValue();
    notifyWindows();
}

QRgb DuiColorizeEffectManager::currentColor() const
{
    return m_currentColor;
}

int DuiColorizeEffectManager::colorizeEventType() const
{
    return m_colorizeEventType;
}

void DuiColorizeEffectManager::setGradientValue(const QList<double> &values)
{
    m_gradient = values;
    notifyWindows();
}

QList<double> DuiColorizeEffectManager::gradientValue() const
{
    return m_gradient;
}

void DuiColorizeEffectManager::loadColorizeEffect()
{
}

void DuiColorizeEffectManager::_saveColorValue()
{
}

void DuiColorizeEffectManager::notifyWindows() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QCoreApplication::postEvent(window, new QEvent(QEvent::Type(m_colorizeEventType)));
}
