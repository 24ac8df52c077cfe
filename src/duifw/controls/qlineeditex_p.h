// SPDX-License-Identifier: MIT
#ifndef QLINEEDITEX_P_H
#define QLINEEDITEX_P_H

#include "duiglobal.h"

#include <QtWidgets/qlineedit.h>

// The editor inside DuiLineEdit: a QLineEdit that reports focus changes, left clicks and Caps
// Lock (in password mode), and leaves context menus to whoever hosts it.
class DUI_AUTOTEST_EXPORT QLineEditEx : public QLineEdit
{
    Q_OBJECT
public:
    explicit QLineEditEx(QWidget *parent = nullptr);

Q_SIGNALS:
    void focusOut();
    void leftButtonClicked();
    void focusIn();
    void capsLockChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

#endif // QLINEEDITEX_P_H
