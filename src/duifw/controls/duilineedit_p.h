// SPDX-License-Identifier: MIT
#ifndef DUILINEEDIT_P_H
#define DUILINEEDIT_P_H

#include "duilineedit.h"
#include "duiwidget_p.h"

#include <QtWidgets/qgraphicsproxywidget.h>

class DuiFrameItem;
class DuiLineEditPrivate;
class QLineEditEx;
class QRegularExpressionValidator;

// The child item that hosts the editor. A window of a thousand controls shows a few hundred
// fields that are never touched, and a QLineEdit embedded in a proxy costs several kilobytes and
// tens of microseconds each, so the editor is only made when the field is first hovered,
// pressed, focused or asked for something only the editor knows. Until then this item draws the
// text, placeholder and base colour the way the editor would.
class DUI_AUTOTEST_EXPORT DuiLineEditProxy : public QGraphicsProxyWidget
{
public:
    DuiLineEditProxy(DuiLineEditPrivate *owner, QGraphicsItem *parent);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    bool sceneEvent(QEvent *event) override;

private:
    DuiLineEditPrivate *m_owner; // outlives every event and paint of this child
};

class DuiLineEditPrivate : public DuiWidgetPrivate
{
    Q_DECLARE_PUBLIC(DuiLineEdit)
public:
    // The editor, made on first use with everything set so far.
    QLineEditEx *editor() const;
    void paintWithoutEditor(QPainter *painter, const QRectF &rect) const;
    void setPendingText(const QString &text);

    DuiFrameItem *frameItem = nullptr;
    DuiLineEditProxy *proxy = nullptr;
    mutable QLineEditEx *edit = nullptr; // null until first use; then owned by the proxy
    QRegularExpressionValidator *validator = nullptr; // owned by the widget, installed on demand

    // What the editor will be given when it is made; unused afterwards.
    struct Pending
    {
        QString text;
        QString placeholder;
        QMargins textMargins;
        QColor base = Qt::white;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QLineEdit::EchoMode echoMode = QLineEdit::Normal;
        int maxLength = 32767;
        bool readOnly = false;
        bool modified = false;
        bool validatorInstalled = false;
    };
    mutable Pending pending;
};

#endif // DUILINEEDIT_P_H
