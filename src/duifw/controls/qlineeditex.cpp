// SPDX-License-Identifier: MIT
#include "qlineeditex_p.h"

#include <QtGui/qevent.h>

QLineEditEx::QLineEditEx(QWidget *parent)
    : QLineEdit(parent)
{
}

void QLineEditEx::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
    if (echoMode() == QLineEdit::Password && event->key() == Qt::Key_CapsLock)
        Q_EMIT capsLockChanged();
}

void QLineEditEx::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT leftButtonClicked();
}

void QLineEditEx::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT focusOut();
}

void QLineEditEx::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT focusIn();
}

void QLineEditEx::contextMenuEvent(QContextMenuEvent *event)
{
    event->ignore();
}
