// SPDX-License-Identifier: MIT
#ifndef DUICHECKBOX_H
#define DUICHECKBOX_H

#include "duiwidget.h"

#include <QtGui/qfont.h>

class DuiCheckBoxPrivate;

// A check image (three check states by four visual states) beside a plain text.
class DUI_EXPORT DuiCheckBox : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(Qt::CheckState checkState READ checkState WRITE setCheckState)
    Q_PROPERTY(QString imagePath READ imagePathText WRITE setImagePath)
    Q_PROPERTY(bool enable READ isEnabled WRITE setEnabled)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)

public:
    explicit DuiCheckBox(QGraphicsItem *parent = nullptr);
    ~DuiCheckBox() override;

    void setText(const QString &text);
    QString text() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;
    void setFont(const QFont &font);
    QFont font() const;
    void setSpacing(int spacing);
    int spacing() const;
    void setCheckState(Qt::CheckState state);
    Qt::CheckState checkState() const;
    // Checked normal, hover, pressed, disabled, then unchecked normal, hover, pressed, disabled.
    void setImage(const QString &checkedNormal, const QString &checkedHover, const QString &checkedPressed,
                  const QString &checkedDisabled, const QString &uncheckedNormal, const QString &uncheckedHover,
                  const QString &uncheckedPressed, const QString &uncheckedDisabled);
    // The same eight paths joined by "|".
    void setImagePath(const QString &paths);
    void setEnabled(bool enabled);

    QString toolTip() const override;

Q_SIGNALS:
    void stateChanged(bool bSelected);
    void stateSelected(bool bSelected);

protected:
    DuiCheckBox(DuiCheckBoxPrivate &dd, QGraphicsItem *parent);

    void doColorize(QRgb rgb) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    QString imagePathText() const { return QString(); }
    void init();
    void refreshImage();
    void relayout();

    Q_DISABLE_COPY(DuiCheckBox)
    Q_DECLARE_PRIVATE(DuiCheckBox)
    DUI_DECLARE_WIDGET_CREATOR(DuiCheckBox)
    friend class DuiRadioButton;
};

#endif // DUICHECKBOX_H
