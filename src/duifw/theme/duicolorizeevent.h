// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEEVENT_H
#define DUICOLORIZEEVENT_H

#include "duiglobal.h"

#include <QtCore/qcoreevent.h>
#include <QtGui/qrgb.h>

// Carries a new base colour to a top-level window, which recolours its widgets with it. Posted
// by the theme whenever the skin changes.
class DUI_EXPORT DuiColorizeEvent : public QEvent
{
public:
    // Registered with QEvent::registerEventType() when the library is loaded.
    static const int EventType;

    explicit DuiColorizeEvent(QRgb color);
    DuiColorizeEvent(const DuiColorizeEvent &other);
    DuiColorizeEvent &operator=(const DuiColorizeEvent &other);
    ~DuiColorizeEvent() override;

    DuiColorizeEvent *clone() const override;

    QRgb color() const;

private:
    QRgb m_color;
};

#endif // DUICOLORIZEEVENT_H
