// SPDX-License-Identifier: MIT
#ifndef DUIEDITLABEL_H
#define DUIEDITLABEL_H

#include "duiwidget.h"

#include <QtGui/qfont.h>

class DuiEditLabelPrivate;
class DuiLabelWidget;
class DuiLineEdit;
class QGraphicsView;

// A label that becomes a line edit when clicked, and a label again when editing ends; `submit()`
// tells that the text changed. Escape cancels the edit.
class DUI_EXPORT DuiEditLabel : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment lableAlignment READ lableAlignment WRITE setLableAlignment)
    Q_PROPERTY(bool bold READ labelBold WRITE setLabelBold)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    explicit DuiEditLabel(QGraphicsItem *parent = nullptr);
    ~DuiEditLabel() override;

    Q_INVOKABLE void setText(const QString &text);
    QString text() const;
    void setFont(const QFont &font);
    void setMaxLenght(int length);
    Q_INVOKABLE void setLableAlignment(Qt::Alignment alignment);
    Qt::Alignment lableAlignment() const;
    void setLabelBold(bool bold);
    bool labelBold() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;

    DuiLabelWidget *label() const;
    // The line edit while editing, null otherwise.
    DuiLineEdit *editor() const;

Q_SIGNALS:
    void submit();

public Q_SLOTS:
    void onLabelClicked();
    void on_edit_editingFinished();
    void on_edit_editingCanceled();
    void on_frameWindow_captionAreaClicked();
    void onEditMenuAboutToShow();
    void onEditMenuAboutToHide();

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void doColorize(QRgb rgb) override;

private:
    QGraphicsView *firstView() const;

    Q_DISABLE_COPY(DuiEditLabel)
    Q_DECLARE_PRIVATE(DuiEditLabel)
    DUI_DECLARE_WIDGET_CREATOR(DuiEditLabel)
};

#endif // DUIEDITLABEL_H
