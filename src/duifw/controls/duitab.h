// SPDX-License-Identifier: MIT
#ifndef DUITAB_H
#define DUITAB_H

#include "duiframeitem.h"
#include "duiwidget.h"

#include <QtCore/qvariant.h>

class DuiTabPrivate;

// A horizontal tab bar: the tabs share its width equally, each a nine-piece frame with a text and
// an optional icon, drawn from four bar-wide state images (normal, hover, pressed, selected).
// Pair it with a DuiStackedWidget by connecting selectChanged(int) to setCurrentIndex(int).
class DUI_EXPORT DuiTab : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(int tabCount READ tabCount)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)
    Q_PROPERTY(QString tabImage READ tabImage WRITE setTabImage)
    Q_PROPERTY(QList<QVariant> data READ dataList WRITE setData)
    Q_PROPERTY(ColorizeWidgetFlag colorizePolicy READ getColorizePolicy WRITE setColorizePolicy)

public:
    explicit DuiTab(QGraphicsItem *parent = nullptr);
    ~DuiTab() override;

    using DuiWidget::insertItem;
    // Inserts a tab before `index` (-1 or past the end appends); `imagePath` is "normal|selected"
    // icon paths. Answers the number of tabs after the insertion.
    Q_INVOKABLE int insertItem(int index, const QString &text, const QString &imagePath, const QString &toolTip);
    // `marginTop`, when not 0, pins the text's top inside the tab; `offset` shifts the tab's frame.
    Q_INVOKABLE int insertItem(int index, const QString &text, const QString &imagePath, const QString &toolTip,
                               quint32 marginTop, qint32 offset);
    // Removing the current tab selects the tab that takes its place (or the one before it), without
    // a signal.
    Q_INVOKABLE void removeTab(int index);

    int tabCount() const;
    int currentIndex() const;
    // Selects a tab and emits selectChanged; an index outside the tabs is remembered for tabs that
    // arrive later (XML sets the attribute before the TabData children).
    void setCurrentIndex(int index);
    QString itemText(int index) const;
    // The tab under a point in the bar's coordinates, by the laid-out tab edges; -1 for none.
    int tabAt(const QPointF &pos) const;
    // The tab's frame, for tests and hosts that decorate tabs; null outside the tabs.
    DuiFrameItem *tabFrame(int index) const;

    // "normal|hover|pressed|selected"; parts left out keep their image.
    void setTabImage(const QString &images);
    QString tabImage() const;
    // Appends one tab per map ("text", "imagePath", "toolTip", "marginTop", "offset") and selects
    // the first tab, or the one asked for before the tabs existed.
    void setData(const QList<QVariant> &tabs);
    using QGraphicsItem::setData;
    // The tabs are not read back as data: always empty.
    QList<QVariant> dataList() const { return {}; }

    void setDrawStyle(DuiFrameItem::DrawStyle style);
    // Attaches every tab's frame, with the tab's tooltip text, to the bar's tooltip; false
    // detaches them.
    void setEnableToolTip(bool enable);

    // The bar itself is never tinted; the policy given here goes to the frames of later tabs.
    ColorizeWidgetFlag getColorizePolicy() const;
    void setColorizePolicy(ColorizeWidgetFlag policy) override;
    void colorize(QRgb rgb) override;

Q_SIGNALS:
    void selectChanged(int newIndex);

protected:
    void doColorize(QRgb rgb) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;

private:
    void relayout();
    void placeTab(int index, const QRectF &slot);
    void select(int index);
    void setHovered(int index);
    void attachToolTip(int index);

    Q_DISABLE_COPY(DuiTab)
    Q_DECLARE_PRIVATE(DuiTab)
    DUI_DECLARE_WIDGET_CREATOR(DuiTab)
};

#endif // DUITAB_H
