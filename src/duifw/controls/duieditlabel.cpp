// SPDX-License-Identifier: MIT
#include "duieditlabel.h"
#include "duieditlabel_p.h"

#include "duilabelwidget.h"
#include "duilineedit.h"
#include "duiparent_p.h"
#include "duitheme.h"

#include <QtCore/qpointer.h>
#include <QtGui/qevent.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qgraphicsview.h>

DUI_REGISTER_WIDGET(DuiEditLabel)

DuiEditLabel::DuiEditLabel(QGraphicsItem *parent)
    : DuiWidget(*new DuiEditLabelPrivate, parent)
{
    Q_D(DuiEditLabel);
    setDragPolicy(NotDragWindow);
    d->label = new DuiLabelWidget(this);
    duiSetParent(d->label, this);
    d->label->setAcceptClick(true);
    connect(d->label, &DuiLabelWidget::clicked, this, &DuiEditLabel::onLabelClicked);
}

DuiEditLabel::~DuiEditLabel() = default;

DuiLabelWidget *DuiEditLabel::label() const
{
    return d_func()->label;
}

DuiLineEdit *DuiEditLabel::editor() const
{
    return d_func()->edit.data();
}

QGraphicsView *DuiEditLabel::firstView() const
{
    if (!scene() || scene()->views().isEmpty())
        return nullptr;
    return scene()->views().first();
}

void DuiEditLabel::setText(const QString &text)
{
    Q_D(DuiEditLabel);
    d->label->setText(text);
    d->label->setGeometry(QRectF(QPointF(0, 0), size()));
}

QString DuiEditLabel::text() const
{
    return d_func()->label->text();
}

void DuiEditLabel::setFont(const QFont &font)
{
    Q_D(DuiEditLabel);
    d->label->setFont(font);
    d->font = font;
}

void DuiEditLabel::setMaxLenght(int length)
{
    Q_D(DuiEditLabel);
    d->maxLength = length;
    if (d->edit)
        d->edit->setMaxLength(length);
}

void DuiEditLabel::setLableAlignment(Qt::Alignment alignment)
{
    d_func()->label->setAlignment(alignment);
}

Qt::Alignment DuiEditLabel::lableAlignment() const
{
    return d_func()->label->alignment();
}

void DuiEditLabel::setLabelBold(bool bold)
{
    d_func()->label->setBold(bold);
}

bool DuiEditLabel::labelBold() const
{
    return d_func()->label->bold();
}

void DuiEditLabel::setTextColor(const QColor &color)
{
    d_func()->label->setTextColor(color);
}

QColor DuiEditLabel::textColor() const
{
    return d_func()->label->textColor();
}

void DuiEditLabel::onLabelClicked()
{
    Q_D(DuiEditLabel);
    if (d->edit)
        return; // already editing
    auto *edit = new DuiLineEdit(this);
    d->edit = edit;
    connect(edit, &DuiLineEdit::menuAboutToShow, this, &DuiEditLabel::onEditMenuAboutToShow);
    connect(edit, &DuiLineEdit::menuAboutToHide, this, &DuiEditLabel::onEditMenuAboutToHide);
    edit->setGeometry(d->label->geometry());
    if (d->maxLength != -1)
        edit->setMaxLength(d->maxLength);
    edit->setText(d->label->text());
    edit->setFocus(true);
    edit->selectAll();
    edit->lineEdit()->setFont(d->font);
    d->label->hide();
    connect(edit, &DuiLineEdit::editingFinished, this, &DuiEditLabel::on_edit_editingFinished);
    if (QGraphicsView *view = firstView()) {
        // The frame window tells when its caption is clicked; other views do not.
        if (view->metaObject()->indexOfSignal("captionAreaClicked()") >= 0)
            connect(view, SIGNAL(captionAreaClicked()), this, SLOT(on_frameWindow_captionAreaClicked()));
    }
}

void DuiEditLabel::on_edit_editingFinished()
{
    Q_D(DuiEditLabel);
    if (!d->edit || d->menuShown)
        return;
    DuiLineEdit *edit = d->edit;
    d->edit = nullptr;
    d->label->setPos(0, 0);
    d->label->show();
    edit->hide();
    edit->deleteLater();
    if (edit->text() != d->label->text()) {
        d->label->setText(edit->text());
        Q_EMIT submit();
    }
    if (QGraphicsView *view = firstView())
        disconnect(view, nullptr, this, nullptr);
}

void DuiEditLabel::on_frameWindow_captionAreaClicked()
{
    on_edit_editingFinished();
}

void DuiEditLabel::on_edit_editingCanceled()
{
    Q_D(DuiEditLabel);
    d->label->show();
    if (DuiLineEdit *edit = d->edit) {
        d->edit = nullptr;
        edit->hide();
        edit->deleteLater();
    }
}

void DuiEditLabel::onEditMenuAboutToShow()
{
    d_func()->menuShown = true;
}

void DuiEditLabel::onEditMenuAboutToHide()
{
    d_func()->menuShown = false;
}

void DuiEditLabel::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    Q_D(DuiEditLabel);
    DuiWidget::resizeEvent(event);
    d->label->setGeometry(QRectF(QPointF(0, 0), event->newSize()));
    if (d->edit)
        d->edit->resize(event->newSize());
}

void DuiEditLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        on_edit_editingCanceled();
        event->accept();
        return;
    }
    DuiWidget::keyPressEvent(event);
}

void DuiEditLabel::doColorize(QRgb rgb)
{
    Q_UNUSED(rgb);
    setTextColor(QColor::fromRgba(DuiTheme::getColor(DuiTheme::ColorType(themeColorType()))));
}
