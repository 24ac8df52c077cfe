// SPDX-License-Identifier: MIT
#ifndef DUISTACKEDWIDGET_H
#define DUISTACKEDWIDGET_H

#include "duiwidget.h"

#include <QtCore/qabstractanimation.h>

class DuiStackedWidgetPrivate;

// Pages of which one shows at a time, optionally sliding in from the side when the page changes.
// XML child elements become pages, hidden until the first setCurrentIndex.
class DUI_EXPORT DuiStackedWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(EffectType effectType READ effectType WRITE setEffectType)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    enum EffectType : int { NullEffect = 0, SlideInOutEffect = 1 };
    Q_ENUM(EffectType)
    // fixedMode: pages take the stack's size; adjustMode: the stack takes the current page's.
    enum ChildWidgetSizeMode : int { fixedMode = 0, adjustMode = 1 };
    Q_ENUM(ChildWidgetSizeMode)

    explicit DuiStackedWidget(QGraphicsItem *parent = nullptr);
    ~DuiStackedWidget() override;

    void addItem(DuiWidget *page) override;
    void insertItem(quint32 index, DuiWidget *page) override;
    // Takes the page out of the stack (and hides it when it was showing); a removed current page
    // hands over to the page after it, or before it at the end.
    void removeItem(DuiWidget *page) override;
    void removeItem(int index);

    int count() const;
    int currentIndex() const;
    DuiWidget *widgetAt(int index) const; // null outside the pages
    DuiWidget *widgetAtByName(const QString &name) const;
    int widgetIndex(const DuiWidget *page) const;
    Q_INVOKABLE void setCurrentWidget(const DuiWidget *page);

    EffectType effectType() const;
    void setEffectType(EffectType type);
    void setChildWidgetSizeMode(ChildWidgetSizeMode mode);

    // The stack never has a layout: its pages overlap.
    using DuiWidget::setLayout;
    void setLayout(QGraphicsLayout *layout) override;
    QGraphicsLayout *layout() const override;

    // Whether a page is sliding in.
    bool isAnimating() const;

public Q_SLOTS:
    // An index beyond the pages, as XML gives it before the child pages exist, is shown once the
    // stack is built.
    void setCurrentIndex(int index);

protected Q_SLOTS:
    void onAnimationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState);
    void onAnimationFinished();

protected:
    void construct() override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    int insertWidget(int index, DuiWidget *page);
    void pageDestroyed(QObject *page);
    void takePage(int index, bool alive);
    void _resetLayout();

    Q_DISABLE_COPY(DuiStackedWidget)
    Q_DECLARE_PRIVATE(DuiStackedWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiStackedWidget)
};

#endif // DUISTACKEDWIDGET_H
