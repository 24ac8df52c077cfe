// SPDX-License-Identifier: MIT
#include "duicomboboxorg.h"
#include "duicomboboxorg_p.h"

#include "duiaccessibleevents_p.h"
#include "duiframeitem.h"
#include "duilineedit.h"
#include "duipushbutton.h"
#include "duitheme.h"

#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qgraphicssceneevent.h>

DUI_REGISTER_WIDGET(DuiComboBoxOrg)

DuiComboBoxOrgPrivate::~DuiComboBoxOrgPrivate()
{
    DuiComboBoxListWindowBase::dispose(listWindow);
}

DuiComboBoxListWindowOrg *DuiComboBoxOrgPrivate::window()
{
    Q_Q(DuiComboBoxOrg);
    if (!listWindow) {
        listWindow = new DuiComboBoxListWindowOrg(q);
        QObject::connect(listWindow, &DuiComboBoxListWindowBase::comboxlist_itemClicked, q,
                         &DuiComboBoxOrg::onDropDownListClicked);
        QObject::connect(listWindow, &DuiComboBoxListWindowBase::focusOut, q, &DuiComboBoxOrg::onComboxlistFocusOut);
    }
    return listWindow;
}

DuiComboBoxOrg::DuiComboBoxOrg(QGraphicsItem *parent)
    : DuiComboBoxOrg(*new DuiComboBoxOrgPrivate, parent)
{
}

DuiComboBoxOrg::DuiComboBoxOrg(DuiComboBoxOrgPrivate &dd, QGraphicsItem *parent)
    : DuiWidget(dd, parent)
{
    init();
}

DuiComboBoxOrg::~DuiComboBoxOrg()
{
    Q_D(DuiComboBoxOrg);
    // The window goes before the parts it reports to.
    DuiComboBoxListWindowBase::dispose(d->listWindow);
}

void DuiComboBoxOrg::init()
{
    Q_D(DuiComboBoxOrg);
    setDragPolicy(NotDragWindow);
    DuiWidget::setColorizePolicy(ColorableFlag);
    const DuiComboCommon::Parts parts =
        DuiComboCommon::makeParts(this, QStringLiteral(":/theme/duifw/combobox_dropdown_disable.png"));
    d->frame = parts.frame;
    d->edit = parts.edit;
    d->button = parts.button;
    d->edit->setObjectName(QStringLiteral("comboBoxEdit"));
    d->frame->setObjectName(QStringLiteral("comboBoxFrame"));
    d->button->setObjectName(QStringLiteral("comboBoxDropDownButton"));
    const QString background = QStringLiteral(":/theme/duifw/combobox_background.png");
    d->frame->setImage(background, background, background,
                       QStringLiteral(":/theme/duifw/combobox_background_disable.png"), QString());
    connect(d->button, &DuiPushButton::clicked, this, &DuiComboBoxOrg::onDropDownButtonClicked);
    connect(d->edit, &DuiLineEdit::textEdited, this, &DuiComboBoxOrg::onEditTextChanged);
    connect(d->edit, &DuiLineEdit::leftButtonClicked, this, &DuiComboBoxOrg::onEditLeftButtonClicked);
    connect(d->edit, &DuiLineEdit::focusOut, this, &DuiComboBoxOrg::onEditFocusOut);
    d->window();
}

void DuiComboBoxOrg::setModel(QStandardItemModel *model)
{
    if (model)
        d_func()->window()->listWidget()->setModel(model);
}

QStandardItemModel *DuiComboBoxOrg::model() const
{
    Q_D(const DuiComboBoxOrg);
    return d->listWindow ? d->listWindow->listWidget()->model() : nullptr;
}

void DuiComboBoxOrg::setData(const QList<QVariant> &items)
{
    if (items.isEmpty())
        return;
    auto *model = new QStandardItemModel;
    for (const QVariant &entry : items) {
        const QVariantMap map = entry.toMap();
        auto *item = new QStandardItem(map.value(QStringLiteral("text")).toString());
        const QString icon = map.value(QStringLiteral("icon")).toString();
        if (!icon.isEmpty())
            item->setIcon(QIcon(DuiTheme::getImage(icon, true)));
        model->appendRow(item);
    }
    setModel(model);
}

void DuiComboBoxOrg::addItemPrototype(DuiAbstractViewItem *prototype)
{
    d_func()->window()->listWidget()->addItemPrototype(prototype);
}

void DuiComboBoxOrg::setDisplayMode(DuiListWidget::DisplayMode mode)
{
    d_func()->window()->listWidget()->setDisplayMode(mode);
}

int DuiComboBoxOrg::count() const
{
    const QStandardItemModel *m = model();
    return m ? m->rowCount() : 0;
}

int DuiComboBoxOrg::currentIndex() const
{
    Q_D(const DuiComboBoxOrg);
    return d->listWindow ? d->listWindow->listCurrent() : -1;
}

void DuiComboBoxOrg::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    d_func()->window()->setListCurrent(index);
    selectItem(index);
}

QString DuiComboBoxOrg::currentText() const
{
    const int index = currentIndex();
    if (index < 0 || index >= count())
        return QString();
    const QStandardItem *item = model()->item(index, 0);
    return item ? item->text() : QString();
}

bool DuiComboBoxOrg::isEditable() const
{
    return !d_func()->edit->isReadOnly();
}

void DuiComboBoxOrg::setEditable(bool editable)
{
    Q_D(DuiComboBoxOrg);
    d->edit->setReadOnly(!editable);
    d->edit->setDisableStatus(false);
}

int DuiComboBoxOrg::maxdropDownListHeight() const
{
    return d_func()->maxListHeight;
}

void DuiComboBoxOrg::setMaxdropDownListHeight(int height)
{
    d_func()->maxListHeight = height;
}

DuiLineEdit *DuiComboBoxOrg::lineEdit() const
{
    return d_func()->edit;
}

void DuiComboBoxOrg::setPlaceholderText(const QString &text)
{
    d_func()->edit->setPlaceholderText(text);
}

int DuiComboBoxOrg::hitTestGlobal(const QPoint &globalPos) const
{
    Q_D(const DuiComboBoxOrg);
    return DuiComboCommon::hitTest(this, d->button, d->edit, globalPos);
}

void DuiComboBoxOrg::SetHOffset(int offset, int addWidth)
{
    Q_D(DuiComboBoxOrg);
    d->hOffset = offset;
    d->addWidth = addWidth;
}

void DuiComboBoxOrg::setEnabled(bool enabled)
{
    Q_D(DuiComboBoxOrg);
    QGraphicsWidget::setEnabled(enabled);
    d->frame->setColorizePolicy(enabled ? colorizePolicy() : UnColorableFlag);
    d->frame->setEnable(enabled);
    d->frame->colorize(DuiTheme::getColor(DuiTheme::DarkestColor));
    d->edit->setDisableStatus(!enabled);
    d->button->setEnabled(enabled);
}

void DuiComboBoxOrg::setColorizePolicy(ColorizeWidgetFlag policy)
{
    Q_D(DuiComboBoxOrg);
    DuiWidget::setColorizePolicy(policy);
    d->frame->setColorizePolicy(policy);
    d->edit->setColorizePolicy(policy);
    d->button->setColorizePolicy(policy);
    d->window()->setColorizePolicy(policy);
}

bool DuiComboBoxOrg::isListVisible() const
{
    Q_D(const DuiComboBoxOrg);
    return d->listWindow && d->listWindow->isVisible();
}

void DuiComboBoxOrg::onDropDownButtonClicked()
{
    Q_D(DuiComboBoxOrg);
    const QPointer<DuiComboBoxOrg> self(this);
    Q_EMIT aboutToDropDown();
    if (!self)
        return;
    DuiComboBoxListWindowOrg *window = d->window();
    if (!d->button->checked() || !model()) {
        // Without a model there is nothing to open, and the button must not stay down.
        d->button->setChecked(false);
        window->hide();
        return;
    }
    QRect rect = DuiComboCommon::globalRect(this);
    rect.setLeft(rect.left() + d->hOffset);
    rect.setWidth(rect.width() + d->addWidth);
    const int rows = count();
    int extra = 0;
    if (window->listWidget()->displayMode() == DuiListWidget::FishEye && rows > 0)
        extra = rows == 1 ? 20 : rows == 2 ? 30 : 40;
    const int height = DuiComboCommon::listHeight(rows, extra, d->maxListHeight);
    window->dropDown(DuiComboCommon::dropDownGeometry(rect, height));
}

void DuiComboBoxOrg::onDropDownListClicked(int index)
{
    Q_D(DuiComboBoxOrg);
    const QPointer<DuiComboBoxOrg> self(this);
    Q_EMIT activated(index);
    if (!self || !d->listWindow)
        return;
    selectItem(d->listWindow->listCurrent());
    Q_EMIT currentIndexChanged(index);
}

void DuiComboBoxOrg::onEditTextChanged(const QString &text)
{
    Q_EMIT editTextChanged(text);
}

void DuiComboBoxOrg::onEditLeftButtonClicked()
{
    Q_D(DuiComboBoxOrg);
    if (!d->edit->isReadOnly() || d->button->checked())
        return;
    d->button->setChecked(true);
    onDropDownButtonClicked();
}

void DuiComboBoxOrg::onComboxlistFocusOut()
{
    d_func()->button->setChecked(false);
}

void DuiComboBoxOrg::onEditFocusOut()
{
    d_func()->edit->home(false);
}

void DuiComboBoxOrg::selectItem(int index)
{
    if (index < 0 || index >= count())
        return;
    Q_D(DuiComboBoxOrg);
    const QStandardItem *item = model()->item(index, 0);
    d->edit->setText(item ? item->text() : QString());
    d->edit->home(false);
    duiAccessibleValueChanged(this, d->edit->text());
}

void DuiComboBoxOrg::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    DuiWidget::resizeEvent(event);
    Q_D(DuiComboBoxOrg);
    const QSizeF size = event->newSize();
    d->frame->setGeometry(QRectF(QPointF(0, 0), size));
    d->edit->setGeometry(QRectF(0, 0, qMax<qreal>(0, size.width() - 24), size.height()));
    d->button->setGeometry(QRectF(size.width() - 24, 0, 24, 24));
}

void DuiComboBoxOrg::doColorize(QRgb rgb)
{
    Q_D(DuiComboBoxOrg);
    if (d->listWindow)
        d->listWindow->colorizeList(rgb, QColor::fromRgb(DuiTheme::getColor(DuiTheme::LightestColor)),
                                    QColor::fromRgb(DuiTheme::getColor(DuiTheme::DarkColor)));
}
