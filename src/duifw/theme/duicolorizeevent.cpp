// SPDX-License-Identifier: MIT
#include "duicolorizeevent.h"

const int DuiColorizeEvent::EventType = QEvent::registerEventType();

DuiColorizeEvent::DuiColorizeEvent(QRgb color)
    : QEvent(QEvent::Type(EventType))
    , m_color(color)
{
}

DuiColorizeEvent::DuiColorizeEvent(const DuiColorizeEvent &other) = default;

DuiColorizeEvent &DuiColorizeEvent::operator=(const DuiColorizeEvent &other) = default;

DuiColorizeEvent::~DuiColorizeEvent() = default;

DuiColorizeEvent *DuiColorizeEvent::clone() const
{
    return new DuiColorizeEvent(*this);
}

QRgb DuiColorizeEvent::color() const
{
    return m_color;
}
