// SPDX-License-Identifier: MIT
#ifndef DUITEXTEDIT_P_H
#define DUITEXTEDIT_P_H

#include "duitextedit.h"
#include "duiwidget_p.h"

#include <QtCore/qpointer.h>

class DuiFrameItem;
class DuiMenu;
class QGraphicsProxyWidget;
class RichTextEdit;
class ZKTextCopyPasteHandler;

class DuiTextEditPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiTextEdit)
public:
    RichTextEdit *richEdit = nullptr; // owned through the proxy
    QGraphicsProxyWidget *proxy = nullptr;
    DuiFrameItem *frameItem = nullptr;
    ZKTextCopyPasteHandler *defaultHandler = nullptr;
    QString frameImageSpec;
    bool defaultContextMenuEnabled = true;
    bool delayUpdate = false;
    bool geometryPending = false;
    QRectF pendingGeometry;
    bool customScrollBarStyle = false;
    QPointer<DuiMenu> contextMenu; // the open one, if any
};

#endif // DUITEXTEDIT_P_H
