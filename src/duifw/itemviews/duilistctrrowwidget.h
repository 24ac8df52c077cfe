// SPDX-License-Identifier: MIT
#ifndef DUILISTCTRROWWIDGET_H
#define DUILISTCTRROWWIDGET_H

#include "duiframeitemex.h"

#include <memory>

class DuiListCtrRowWidgetPrivate;

// One row of a DuiListCtrl: a frame image that shows the row's state (normal, active under the
// pointer, chosen) and, in the normal state, alternates between two images by row number. The
// application puts its own widgets on it.
class DUI_EXPORT DuiListCtrRowWidget : public DuiFrameItemEx
{
    Q_OBJECT

public:
    enum Status : int { Normal = 0, Active = 1, Chosen = 2 };
    Q_ENUM(Status)

    explicit DuiListCtrRowWidget(QGraphicsItem *parent = nullptr);
    ~DuiListCtrRowWidget() override;

    int rowNumber() const;
    // A new number takes the even or odd normal image.
    void setRowNumber(int row);
    int status() const;
    void setStatus(int status);

    // The images of the even and odd normal rows, the active row and the chosen row. An empty
    // path draws nothing in that state.
    void setRowImages(const QString &normal2, const QString &normal1, const QString &active, const QString &chosen);
    QString normal2Image() const;
    QString normal1Image() const;
    QString activeImage() const;
    QString chosenImage() const;

Q_SIGNALS:
    void list_row_pressed(int row);
    void list_row_actived(int row);
    void list_row_unactived(int row);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void applyLook();

    // The frame item with signals keeps its state in a private part it allocates itself, so the
    // row keeps its own beside it.
    const std::unique_ptr<DuiListCtrRowWidgetPrivate> rowd;
    friend class DuiListCtrl;
    friend class DuiListCtrlPrivate;
    Q_DISABLE_COPY(DuiListCtrRowWidget)
};

#endif // DUILISTCTRROWWIDGET_H
