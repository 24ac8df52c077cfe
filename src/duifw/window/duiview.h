// SPDX-License-Identifier: MIT
#ifndef DUIVIEW_H
#define DUIVIEW_H

#include "duiwidget.h"
#include "i18nstring.h"

class DuiViewPrivate;

// A page inside a window: one content widget, with a title and an icon for whoever presents
// the page (a tab bar, a navigation list).
class DUI_EXPORT DuiView : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(I18nString title READ titleText WRITE setTitle)
    Q_PROPERTY(QString icon READ icon WRITE setIcon)

public:
    explicit DuiView(QGraphicsItem *parent = nullptr);
    ~DuiView() override;

    // Replaces the content; the old content is deleted. Null removes the content and the layout.
    void setWidget(QGraphicsWidget *widget);
    QGraphicsWidget *widget() const;
    QString title() const;
    void setTitle(const QString &title);
    void setTitle(const I18nString &title);
    QString icon() const;
    void setIcon(const QString &icon);

    virtual void onActivated();
    virtual void onDeactivated();

protected:
    DuiView(DuiViewPrivate &dd, QGraphicsItem *parent);
    void construct() override;

private:
    I18nString titleText() const { return I18nString(title()); }

    Q_DISABLE_COPY(DuiView)
    Q_DECLARE_PRIVATE(DuiView)
    DUI_DECLARE_WIDGET_CREATOR(DuiView)
};

#endif // DUIVIEW_H
