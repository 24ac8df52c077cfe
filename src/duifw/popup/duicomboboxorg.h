// SPDX-License-Identifier: MIT
#ifndef DUICOMBOBOXORG_H
#define DUICOMBOBOXORG_H

#include "duilistwidget.h"
#include "duiwidget.h"

#include <QtCore/qvariant.h>

class DuiAbstractViewItem;
class DuiComboBoxOrgPrivate;
class DuiLineEdit;
class QStandardItemModel;

// A combo box over a QStandardItemModel, or over the items of its `data` property (a ComboData
// element in XML: one element per item with "text" and "icon" attributes). Its drop-down is a
// list widget; Up, Down, Home, End and Return work in the open list, Escape closes it and keeps
// the item that was current when it opened.
class DUI_EXPORT DuiComboBoxOrg : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(bool editable READ isEditable WRITE setEditable)
    Q_PROPERTY(QList<QVariant> data READ dataList WRITE setData)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    explicit DuiComboBoxOrg(QGraphicsItem *parent = nullptr);
    ~DuiComboBoxOrg() override;

    // The drop-down list takes ownership of the model.
    void setModel(QStandardItemModel *model);
    QStandardItemModel *model() const;
    // One item per map, with its "text" and, when not empty, the icon at its "icon" path. An
    // empty list keeps the model there is.
    void setData(const QList<QVariant> &items);
    using QGraphicsItem::setData;
    void addItemPrototype(DuiAbstractViewItem *prototype);
    void setDisplayMode(DuiListWidget::DisplayMode mode);

    int count() const;
    int currentIndex() const;
    // Ignored out of range; emits nothing.
    void setCurrentIndex(int index);
    QString currentText() const;

    bool isEditable() const;
    void setEditable(bool editable);
    int maxdropDownListHeight() const;
    void setMaxdropDownListHeight(int height);
    Q_INVOKABLE DuiLineEdit *lineEdit() const;
    void setPlaceholderText(const QString &text);
    // 1 on the drop-down button, 2 on the line edit, 0 elsewhere.
    int hitTestGlobal(const QPoint &globalPos) const;
    // The drop-down window is moved right by `offset` and made `addWidth` wider than the box.
    Q_INVOKABLE void SetHOffset(int offset, int addWidth);

    void setEnabled(bool enabled);
    void setColorizePolicy(ColorizeWidgetFlag policy) override;
    bool isListVisible() const;

Q_SIGNALS:
    void aboutToDropDown();
    void activated(int index);
    void currentIndexChanged(int index);
    void editTextChanged(const QString &text);

public Q_SLOTS:
    void onDropDownButtonClicked();
    void onDropDownListClicked(int index);
    void onEditTextChanged(const QString &text);
    void onEditLeftButtonClicked();
    void onComboxlistFocusOut();
    void onEditFocusOut();

protected:
    DuiComboBoxOrg(DuiComboBoxOrgPrivate &dd, QGraphicsItem *parent);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void doColorize(QRgb rgb) override;

private:
    // The property reads back empty; the items live in the model.
    QList<QVariant> dataList() const { return {}; }
    void init();
    void selectItem(int index);

    Q_DISABLE_COPY(DuiComboBoxOrg)
    Q_DECLARE_PRIVATE(DuiComboBoxOrg)
    DUI_DECLARE_WIDGET_CREATOR(DuiComboBoxOrg)
};

#endif // DUICOMBOBOXORG_H
