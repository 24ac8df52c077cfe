// SPDX-License-Identifier: MIT
#ifndef DUISCROLLWIDGET_H
#define DUISCROLLWIDGET_H

#include "duiscrollarea.h"

class DuiScrollWidgetPrivate;

// The scroll area of XML UI files. It makes its own content widget ("ScrollWidgetContent"):
// child elements, the layout type, its spacing and margins all go to the content, and a content
// with a layout is as tall as its layout needs (at least as tall as the area).
class DUI_EXPORT DuiScrollWidget : public DuiScrollArea
{
    Q_OBJECT
    Q_PROPERTY(int scrollBarPolicy READ getScrollBarPolicyEX WRITE setScrollBarPolicyEX)
    Q_PROPERTY(DuiWidget::LayoutType layout READ contentLayoutType WRITE setContentLayoutType)
    Q_PROPERTY(int spacing READ contentSpacing WRITE setContentSpacing)
    Q_PROPERTY(QMargins margins READ contentMargins WRITE setContentMargins)

public:
    explicit DuiScrollWidget(QGraphicsItem *parent = nullptr);
    ~DuiScrollWidget() override;

    int getScrollBarPolicyEX() const;
    void setScrollBarPolicyEX(int policy);

    void setLayout(QGraphicsLayout *layout) override;
    void setLayout(LayoutType type);
    QGraphicsLayout *layout() const override;
    void insertItem(quint32 index, DuiWidget *item) override;
    void removeItem(DuiWidget *item) override;

    DuiWidget::LayoutType contentLayoutType() const;
    void setContentLayoutType(DuiWidget::LayoutType type);
    int contentSpacing() const;
    void setContentSpacing(int spacing);
    QMargins contentMargins() const;
    void setContentMargins(const QMargins &margins);

protected:
    DuiScrollWidget(DuiScrollWidgetPrivate &dd, QGraphicsItem *parent);

    DuiWidget *getXmlNode() override;
    void construct() override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void init();
    void fitContent();

    Q_DISABLE_COPY(DuiScrollWidget)
    Q_DECLARE_PRIVATE(DuiScrollWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiScrollWidget)
};

#endif // DUISCROLLWIDGET_H
