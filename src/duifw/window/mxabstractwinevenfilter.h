// SPDX-License-Identifier: MIT
#ifndef MXABSTRACTWINEVENFILTER_H
#define MXABSTRACTWINEVENFILTER_H

#include "duiwindef.h"

#include <QtCore/qobject.h>

// Base of the native-message filters that applications install on a frame window. The window
// calls the live filters in installation order; a filter returning true stops the filters after
// it (the message still goes on to the window's own handling).
class DUI_EXPORT MXAbstractWinEvenFilter : public QObject
{
public:
    explicit MXAbstractWinEvenFilter(QObject *parent);
    ~MXAbstractWinEvenFilter() override;

    virtual bool winEventFilter(MSG *msg, long *result) = 0;

private:
    Q_DISABLE_COPY(MXAbstractWinEvenFilter)
};

#endif // MXABSTRACTWINEVENFILTER_H
