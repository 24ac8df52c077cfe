// SPDX-License-Identifier: MIT
#ifndef DUIDIALOG_P_H
#define DUIDIALOG_P_H

#include "duidialog.h"
#include "duiframewindow_p.h"

#include <QtCore/qtimeline.h>

class QEventLoop;

class DuiDialogPrivate : public DuiFrameWindowPrivate
{
    Q_DECLARE_PUBLIC(DuiDialog)
public:
    int result = -1;
    QTimeLine effectTimeLine{1000};
    QEventLoop *eventLoop = nullptr;
    bool acceptEnter = true;
    bool acceptEscape = true;
    int offsetX = 0;
    int offsetY = 0;
};

#endif // DUIDIALOG_P_H
