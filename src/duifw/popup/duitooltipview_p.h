// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIPVIEW_P_H
#define DUITOOLTIPVIEW_P_H

#include "duitooltipstyle.h"
#include "duiwidget.h"

#include <QtCore/qpointer.h>
#include <QtGui/qpainterpath.h>
#include <QtWidgets/qgraphicsview.h>

class DuiFrameItem;
class DuiTextEdit;
class QGraphicsDropShadowEffect;

// The bubble: a rounded body with an optional arrow, filled with the style's gradient and
// outlined, or a nine-piece background image; the text sits in a read-only text edit.
class DUI_AUTOTEST_EXPORT ToolTipItem : public DuiWidget
{
    Q_OBJECT
public:
    explicit ToolTipItem(QGraphicsItem *parent = nullptr);

    void setStyle(const DuiToolTipStyle &style);
    DuiToolTipStyle style() const { return m_style; }
    void setText(const QString &text);
    QString text() const { return m_text; }
    // The window's top-left (global) and the point the arrow aims at (global; (0, 0) for none).
    void setTopLeft(const QPoint &topLeft) { m_topLeft = topLeft; }
    void setAnchor(const QPoint &anchor) { m_anchor = anchor; }
    DuiTextEdit *textEdit() const { return m_edit; }
    QPainterPath outline() const { return m_outline; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    void relayout();

    DuiTextEdit *m_edit = nullptr;
    DuiFrameItem *m_background = nullptr;
    DuiToolTipStyle m_style;
    QPoint m_topLeft;
    QPoint m_anchor;
    QPainterPath m_outline;
    QGraphicsDropShadowEffect *m_shadow = nullptr;
    QString m_text;
};

// The tooltip window: a translucent, frameless tooltip-flagged view that deletes itself on close.
// It shows either its bubble item or the application's content widget, which it never deletes.
class DUI_AUTOTEST_EXPORT ToolTipView : public QGraphicsView
{
    Q_OBJECT
public:
    ToolTipView();
    ~ToolTipView() override;

    ToolTipItem *item() const { return m_item; }
    DuiWidget *contentWidget() const { return m_content; }
    void setContentWidget(DuiWidget *widget);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void on_contentWidget_destroyed(QObject *object);

private:
    void releaseContent();

    QGraphicsScene *m_scene;
    ToolTipItem *m_item;
    QPointer<DuiWidget> m_content;
};

// Bounds for tooltip sizes; anything larger is a fault of the caller and is refused.
constexpr int DuiToolTipMaxExtent = 10000;

#endif // DUITOOLTIPVIEW_P_H
