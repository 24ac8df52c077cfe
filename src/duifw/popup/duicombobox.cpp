// SPDX-License-Identifier: MIT
#include "duicombobox.h"
#include "duicombobox_p.h"

#include "duiaccessibleevents_p.h"
#include "duiframeitem.h"
#include "duilabelwidget.h"
#include "duilineedit.h"
#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duipushbutton.h"
#include "duitheme.h"

#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiComboBox)

DuiComboBoxPrivate::~DuiComboBoxPrivate()
{
    DuiComboBoxListWindowBase::dispose(listWindow);
}

DuiComboBoxListWindow *DuiComboBoxPrivate::window()
{
    Q_Q(DuiComboBox);
    if (!listWindow) {
        listWindow = new DuiComboBoxListWindow(q);
        QObject::connect(listWindow, &DuiComboBoxListWindowBase::comboxlist_itemClicked, q,
                         &DuiComboBox::onDropDownListClicked);
        QObject::connect(listWindow, &DuiComboBoxListWindowBase::focusOut, q, &DuiComboBox::onComboxlistFocusOut);
    }
    return listWindow;
}

DuiComboBox::DuiComboBox(QGraphicsItem *parent, IDuiComboBoxItem *item)
    : DuiComboBox(*new DuiComboBoxPrivate, parent, item)
{
}

DuiComboBox::DuiComboBox(DuiComboBoxPrivate &dd, QGraphicsItem *parent, IDuiComboBoxItem *item)
    : DuiWidget(dd, parent)
{
    init(item);
}

DuiComboBox::~DuiComboBox()
{
    Q_D(DuiComboBox);
    // The window goes before the parts it reports to.
    DuiComboBoxListWindowBase::dispose(d->listWindow);
}

void DuiComboBox::init(IDuiComboBoxItem *item)
{
    Q_D(DuiComboBox);
    setDragPolicy(NotDragWindow);
    const DuiComboCommon::Parts parts = DuiComboCommon::makeParts(this, QString());
    d->frame = parts.frame;
    d->edit = parts.edit;
    d->button = parts.button;
    d->layout = new QGraphicsLinearLayout(Qt::Horizontal);
    d->layout->setContentsMargins(0, 0, 0, 0);
    d->layout->setSpacing(0);
    d->layout->addItem(d->edit);
    d->layout->addItem(d->button);
    QGraphicsWidget::setLayout(d->layout);
    connect(d->button, &DuiPushButton::clicked, this, &DuiComboBox::onDropDownButtonClicked);
    connect(d->edit, &DuiLineEdit::textEdited, this, &DuiComboBox::onEditTextChanged);
    d->window();
    if (item)
        setComboBoxItem(item);
}

int DuiComboBox::count() const
{
    return int(d_func()->comboItems.size());
}

void DuiComboBox::insert(int index, const QString &text, const QVariant &data)
{
    Q_D(DuiComboBox);
    if (index < 0 || index > count())
        return;
    DuiComboBoxListWindow *window = d->window();
    DuiListCtrRowWidget *row = window->listCtrl()->insertRow(index, 24);
    if (!row)
        return;
    row->setLayout(DuiWidget::HBox);
    row->setMargins(QMargins(6, 0, 6, 0));
    row->setRowImages(QString(), QString(), QStringLiteral(":/theme/duifw/KelvoCtrls/comboBox_row_active.png"),
                      QStringLiteral(":/theme/duifw/KelvoCtrls/comboBox_row_active.png"));
    auto *label = new DuiLabelWidget(row);
    label->setParent(row);
    label->setObjectName(QStringLiteral("Label"));
    label->setText(text);
    label->setFixHeight(24);
    row->addItem(label);
    if (d->item)
        d->item->initItemWidget(row, text, data);
    d->comboItems.insert(index, qMakePair(text, data));
    window->rowInserted(index);
}

QString DuiComboBox::itemText(int index) const
{
    Q_D(const DuiComboBox);
    return index >= 0 && index < d->comboItems.size() ? d->comboItems.at(index).first : QString();
}

QVariant DuiComboBox::itemData(int index) const
{
    Q_D(const DuiComboBox);
    return index >= 0 && index < d->comboItems.size() ? d->comboItems.at(index).second : QVariant();
}

int DuiComboBox::currentIndex() const
{
    Q_D(const DuiComboBox);
    return d->listWindow ? d->listWindow->listCurrent() : -1;
}

void DuiComboBox::setCurrentIndex(int index)
{
    Q_D(DuiComboBox);
    if (index < 0 || index >= count())
        return;
    d->window()->setListCurrent(index);
    selectItem(index);
}

QString DuiComboBox::currentText() const
{
    return itemText(currentIndex());
}

bool DuiComboBox::isEditable() const
{
    return !d_func()->edit->isReadOnly();
}

void DuiComboBox::setEditable(bool editable)
{
    Q_D(DuiComboBox);
    d->edit->setReadOnly(!editable);
    d->edit->setDisableStatus(false);
}

int DuiComboBox::maxdropDownListHeight() const
{
    return d_func()->maxListHeight;
}

void DuiComboBox::setMaxdropDownListHeight(int height)
{
    d_func()->maxListHeight = height;
}

DuiLineEdit *DuiComboBox::lineEdit() const
{
    return d_func()->edit;
}

void DuiComboBox::setPlaceholderText(const QString &text)
{
    d_func()->edit->setPlaceholderText(text);
}

int DuiComboBox::hitTestGlobal(const QPoint &globalPos) const
{
    Q_D(const DuiComboBox);
    return DuiComboCommon::hitTest(this, d->button, d->edit, globalPos);
}

void DuiComboBox::setComboBoxItem(IDuiComboBoxItem *item)
{
    Q_D(DuiComboBox);
    if (item == d->item.get())
        return;
    d->item.reset(item);
    if (item)
        item->attach(this);
}

IDuiComboBoxItem *DuiComboBox::comboBoxItem() const
{
    return d_func()->item.get();
}

void DuiComboBox::setEnabled(bool enabled)
{
    QGraphicsWidget::setEnabled(enabled);
    // The rows take the theme's base colour again once the box is usable.
    doColorize(DuiTheme::getColor(DuiTheme::BaseColor));
}

bool DuiComboBox::isListVisible() const
{
    Q_D(const DuiComboBox);
    return d->listWindow && d->listWindow->isVisible();
}

void DuiComboBox::onDropDownButtonClicked()
{
    Q_D(DuiComboBox);
    const QPointer<DuiComboBox> self(this);
    Q_EMIT aboutToDropDown();
    if (!self)
        return;
    DuiComboBoxListWindow *window = d->window();
    if (!d->button->checked()) {
        window->hide();
        return;
    }
    const int height = DuiComboCommon::listHeight(count(), 0, d->maxListHeight);
    window->listCtrl()->selectRow(-1);
    window->dropDown(DuiComboCommon::dropDownGeometry(DuiComboCommon::globalRect(this), height));
}

void DuiComboBox::onDropDownListClicked(int index)
{
    Q_D(DuiComboBox);
    const QPointer<DuiComboBox> self(this);
    Q_EMIT activated(index);
    if (!self || !d->listWindow)
        return;
    if (d->listWindow->listCurrent() == d->listWindow->listPrevious())
        return;
    selectItem(d->listWindow->listCurrent());
    Q_EMIT currentIndexChanged(index);
}

void DuiComboBox::onEditTextChanged(const QString &text)
{
    Q_EMIT editTextChanged(text);
}

void DuiComboBox::onComboxlistFocusOut()
{
    d_func()->button->setChecked(false);
}

void DuiComboBox::selectItem(int index)
{
    Q_D(DuiComboBox);
    if (index < 0 || index >= count())
        return;
    const QPair<QString, QVariant> entry = d->comboItems.at(index);
    d->edit->setText(entry.first);
    d->edit->home(false);
    duiAccessibleValueChanged(this, entry.first);
    if (d->item)
        d->item->itemSelected(this, entry.first, entry.second);
}

void DuiComboBox::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    Q_D(DuiComboBox);
    const QSizeF size = event->newSize();
    d->frame->setGeometry(QRectF(QPointF(0, 0), size));
    d->edit->setFixHeight(int(size.height()));
}

void DuiComboBox::doColorize(QRgb rgb)
{
    Q_D(DuiComboBox);
    if (!isEnabled()) {
        setDisableStatus();
        return;
    }
    setGraphicsEffect(nullptr);
    if (d->listWindow)
        d->listWindow->colorizeList(rgb, QColor::fromRgb(DuiTheme::getColor(DuiTheme::LightestColor)),
                                    QColor::fromRgb(DuiTheme::getColor(DuiTheme::DarkColor)));
}
