// SPDX-License-Identifier: MIT
#ifndef DUIBUTTONGROUP_H
#define DUIBUTTONGROUP_H

#include "duiwidget.h"

class DuiButtonGroupPrivate;
class DuiRadioButton;

// Makes the radio buttons inside it exclusive: checking one unchecks the others.
class DUI_EXPORT DuiButtonGroup : public DuiWidget
{
    Q_OBJECT
public:
    explicit DuiButtonGroup(QGraphicsItem *parent = nullptr);
    ~DuiButtonGroup() override;

    void addItem(DuiWidget *item) override;
    void removeItem(DuiWidget *item) override;

    // The radio buttons taking part, in the order they joined.
    QList<DuiRadioButton *> buttons() const;

Q_SIGNALS:
    void radioSelected(QObject *button);

protected:
    void construct() override;
    void childEvent(QChildEvent *event) override;
    void addRadioButton(DuiRadioButton *button);
    void connectChildrenSignal(QObject *object);

private Q_SLOTS:
    void onRadionButtonStateChanged(bool bSelected);

private:
    Q_DISABLE_COPY(DuiButtonGroup)
    Q_DECLARE_PRIVATE(DuiButtonGroup)
    DUI_DECLARE_WIDGET_CREATOR(DuiButtonGroup)
};

#endif // DUIBUTTONGROUP_H
