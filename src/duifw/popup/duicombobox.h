// SPDX-License-Identifier: MIT
#ifndef DUICOMBOBOX_H
#define DUICOMBOBOX_H

#include "duiwidget.h"

#include <QtCore/qvariant.h>

class DuiComboBox;
class DuiComboBoxPrivate;
class DuiLineEdit;

// Lets an application decorate the rows of a DuiComboBox and follow its choices. The combo box
// owns the object it is given and deletes it.
class DUI_EXPORT IDuiComboBoxItem
{
public:
    virtual ~IDuiComboBoxItem() = default;
    // Called after a row has been inserted, to add to or change what the row shows.
    virtual void initItemWidget(DuiWidget *row, const QString &text, const QVariant &data) = 0;
    // Called when the object becomes the combo box's item interface.
    virtual void attach(DuiComboBox *box) = 0;
    // Called whenever an item is selected into the line edit.
    virtual void itemSelected(DuiComboBox *box, const QString &text, const QVariant &data) = 0;
};

// A combo box that keeps its own (text, data) items and drops down a list control whose rows
// the application may decorate through IDuiComboBoxItem. The drop-down button stays pressed while
// the list is open; the list opens below the box, or above it where the screen has no room.
class DUI_EXPORT DuiComboBox : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(bool editable READ isEditable WRITE setEditable)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)

public:
    explicit DuiComboBox(QGraphicsItem *parent = nullptr, IDuiComboBoxItem *item = nullptr);
    ~DuiComboBox() override;

    int count() const;
    // Inserts an item at 0..count(); other indexes are refused. Inserting at or before the
    // current item keeps the same item current.
    void insert(int index, const QString &text, const QVariant &data = QVariant());
    QString itemText(int index) const;
    QVariant itemData(int index) const;

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

    // Deletes the previous item interface (not when it is `item` again) and attaches `item`.
    void setComboBoxItem(IDuiComboBoxItem *item);
    IDuiComboBoxItem *comboBoxItem() const;

    void setEnabled(bool enabled);
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
    void onComboxlistFocusOut();

protected:
    DuiComboBox(DuiComboBoxPrivate &dd, QGraphicsItem *parent, IDuiComboBoxItem *item);

    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void doColorize(QRgb rgb) override;

private:
    void init(IDuiComboBoxItem *item);
    void selectItem(int index);

    Q_DISABLE_COPY(DuiComboBox)
    Q_DECLARE_PRIVATE(DuiComboBox)
    DUI_DECLARE_WIDGET_CREATOR(DuiComboBox)
};

#endif // DUICOMBOBOX_H
