// SPDX-License-Identifier: MIT
#include "duitooltipview_p.h"

#include "duiframeitem.h"
#include "duiframeitemdrawer.h"
#include "duilogging_p.h"
#include "duiparent_p.h"
#include "duitextedit.h"

#include <QtGui/qevent.h>
#include <QtGui/qfontmetrics.h>
#include <QtGui/qpainter.h>
#include <QtGui/qtextcursor.h>
#include <QtGui/qtextdocument.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>

ToolTipItem::ToolTipItem(QGraphicsItem *parent)
    : DuiWidget(parent)
{
    setObjectName(QStringLiteral("toolTipItem"));
    m_edit = new DuiTextEdit(this);
    duiSetParent(m_edit, this);
    m_edit->setObjectName(QStringLiteral("toolTipEdit"));
    m_edit->setReadOnly(true);
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->realWidget()->setFocusPolicy(Qt::NoFocus);
    m_edit->setFocusPolicy(Qt::NoFocus);
    m_edit->setStyleSheet(QStringLiteral("QTextEdit{border-style: none; background: transparent}"));
    m_shadow = new QGraphicsDropShadowEffect(this);
    setGraphicsEffect(m_shadow);
}

void ToolTipItem::setStyle(const DuiToolTipStyle &style)
{
    m_style = style;
    if (m_style.hasBackGroundImage()) {
        if (!m_background) {
            m_background = new DuiFrameItem(this);
            duiSetParent(m_background, this);
            m_background->setZValue(-1);
        }
        m_background->setImage(m_style.backGroundImage());
        m_background->setFrameType(DuiFrameItemDrawer::NinePieces);
        m_background->show();
    } else if (m_background) {
        m_background->hide();
    }
    m_edit->setFont(m_style.font());
    m_edit->setTextColor(m_style.fontColor());
    m_edit->setWordWrapMode(m_style.wordWrapMode());
    m_shadow->setBlurRadius(m_style.blurRadius());
    m_shadow->setOffset(m_style.shadowOffset(), m_style.shadowOffset());
    relayout();
}

void ToolTipItem::setText(const QString &text)
{
    m_text = text;
    m_edit->clear();
    // Set as plain text in the style's font and colour: a tooltip never interprets markup.
    QTextCharFormat format;
    format.setFont(m_style.font());
    format.setForeground(m_style.fontColor());
    QTextCursor cursor(m_edit->document());
    cursor.insertText(text, format);
}

void ToolTipItem::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    const QSizeF size = event->newSize();
    if (size.width() > DuiToolTipMaxExtent || size.height() > DuiToolTipMaxExtent)
        return;
    relayout();
}

void ToolTipItem::relayout()
{
    const qreal w = size().width();
    const qreal h = size().height();
    const int t = m_style.trangleHeight();
    QRectF body(0, 0, w, h);
    switch (m_style.direction()) {
    case DuiToolTipStyle::TipAbove: body.setBottom(h - t); break;
    case DuiToolTipStyle::TipBelow: body.setTop(t); break;
    case DuiToolTipStyle::TipLeft: body.setRight(w - t); break;
    case DuiToolTipStyle::TipRight: body.setLeft(t); break;
    }
    m_edit->setGeometry(body);
    m_outline = QPainterPath();
    if (m_style.hasBackGroundImage()) {
        m_background->setGeometry(QRectF(QPointF(0, 0), size()));
        return;
    }
    if (body.isEmpty())
        return;
    // Half a pixel in, so that the 1-pixel outline falls on whole pixels.
    QPainterPath path;
    const int radius = m_style.roundRectSize();
    path.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QPolygonF arrow;
    const qreal bw = body.width();
    switch (m_style.direction()) {
    case DuiToolTipStyle::TipAbove:
        arrow << QPointF(10, h) << QPointF(10, h - t) << QPointF(10 + t, h - t);
        break;
    case DuiToolTipStyle::TipBelow: {
        // Under the cursor, kept inside the body so that the arrow never hangs off its edge.
        qreal b = m_anchor.isNull() ? 20 : m_anchor.x() - m_topLeft.x();
        b = qMax<qreal>(b, t);
        if (b > bw - t)
            b = bw - t;
        arrow << QPointF(b, 0) << QPointF(b - t, t) << QPointF(b + t, t);
        break;
    }
    // Beside the cursor: the arrow points sideways from the body's top corner.
    case DuiToolTipStyle::TipLeft:
        arrow << QPointF(bw - 0.5, 10) << QPointF(w, 10) << QPointF(bw - 0.5, 10 + t);
        break;
    case DuiToolTipStyle::TipRight:
        arrow << QPointF(t + 0.5, 10) << QPointF(0, 10) << QPointF(t + 0.5, 10 + t);
        break;
    }
    if (t > 0) {
        QPainterPath arrowPath;
        arrowPath.addPolygon(arrow);
        arrowPath.closeSubpath();
        path = path.united(arrowPath);
    }
    m_outline = path.simplified();
    update();
}

void ToolTipItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    DuiWidget::paint(painter, option, widget);
    if (m_style.hasBackGroundImage() || m_outline.isEmpty())
        return;
    QLinearGradient gradient(0, 0, 0, size().height());
    gradient.setColorAt(0, m_style.backGroundStartColor());
    gradient.setColorAt(1, m_style.backGroundEndColor());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(m_outline, gradient);
    painter->setPen(QPen(m_style.borderColor(), 1));
    painter->drawPath(m_outline);
    painter->restore();
}

ToolTipView::ToolTipView()
    : QGraphicsView(static_cast<QWidget *>(nullptr))
    , m_scene(new QGraphicsScene(this))
    , m_item(new ToolTipItem)
{
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setStyleSheet(QStringLiteral("QGraphicsView { border-style: none; background: transparent}"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_scene->addItem(m_item);
    setScene(m_scene);
}

ToolTipView::~ToolTipView()
{
    releaseContent();
}

void ToolTipView::setContentWidget(DuiWidget *widget)
{
    releaseContent();
    m_content = widget;
    if (!widget)
        return;
    m_item->hide();
    m_scene->addItem(widget);
    widget->setPos(0, 0);
    widget->show();
    connect(widget, &QObject::destroyed, this, &ToolTipView::on_contentWidget_destroyed);
}

// The content belongs to the application: take it out of the scene before the scene deletes
// its items.
void ToolTipView::releaseContent()
{
    if (!m_content)
        return;
    disconnect(m_content, &QObject::destroyed, this, &ToolTipView::on_contentWidget_destroyed);
    if (m_content->scene() == m_scene)
        m_scene->removeItem(m_content);
    m_content = nullptr;
}

void ToolTipView::on_contentWidget_destroyed(QObject *)
{
    m_content = nullptr;
}

void ToolTipView::closeEvent(QCloseEvent *event)
{
    releaseContent();
    QGraphicsView::closeEvent(event);
}

void ToolTipView::resizeEvent(QResizeEvent *event)
{
    const QSize size = event->size();
    if (size.width() > DuiToolTipMaxExtent || size.height() > DuiToolTipMaxExtent) {
        qCCritical(lcDuiControls, "Invalid size event for ToolTipView %s (%d,%d). Ignored.\n",
                   qPrintable(objectName()), size.width(), size.height());
        event->accept();
        return;
    }
    QGraphicsView::resizeEvent(event);
    m_scene->setSceneRect(0, 0, size.width(), size.height());
    if (m_content) {
        m_content->setPos(0, 0);
    } else {
        const int blur = m_item->style().blurRadius();
        m_item->setGeometry(0, 0, size.width() - blur, size.height() - blur);
    }
}
