// SPDX-License-Identifier: MIT
#ifndef DUICOLORIZEEFFECTMANAGER_H
#define DUICOLORIZEEFFECTMANAGER_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qobject.h>
#include <QtCore/qscopedpointer.h>
#include <QtGui/qrgb.h>

class DuiColorizeEffectManagerPrivate;

// Holds an application's colorize colour and gradient values. Each change posts a plain event of
// the manager's own type to every top-level widget, for application code to react to.
class DUI_EXPORT DuiColorizeEffectManager : public QObject
{
    Q_OBJECT
public:
    explicit DuiColorizeEffectManager(QObject *parent = nullptr);
    ~DuiColorizeEffectManager() override;

    // Stores the colour and notifies, unless it is the current colour.
    void setNewColor(QRgb color);
    QRgb currentColor() const;
    // The event type of this manager's notifications, distinct from every other event type.
    int colorizeEventType() const;
    // Stores the values and always notifies.
    void setGradientValue(const QList<double> &values);
    QList<double> gradientValue() const;
    // Persistence hooks; the framework keeps no state across runs, so both do nothing.
    void loadColorizeEffect();

private:
    void _saveColorValue();
    void notifyWindows() const;

    QScopedPointer<DuiColorizeEffectManagerPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiColorizeEffectManager)
    Q_DISABLE_COPY(DuiColorizeEffectManager)
};

#endif // DUICOLORIZEEFFECTMANAGER_H
