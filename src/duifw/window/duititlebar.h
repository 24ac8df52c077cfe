// SPDX-License-Identifier: MIT
#ifndef DUITITLEBAR_H
#define DUITITLEBAR_H

#include "duiwidget.h"

class DuiPushButton;
class DuiTitlebarPrivate;
class DuiToolTip;

// The strip at the top of a frame window: the title and the minimise, maximise, restore and
// close buttons. Its clicks reach the window as titlebarClick actions.
class DUI_EXPORT DuiTitlebar : public DuiWidget
{
    Q_OBJECT

public:
    enum titlebarClick : int { TitleMinimize = 0, TitleMaximize = 1, TitleRestore = 2, TitleClose = 3 };
    Q_ENUM(titlebarClick)
    enum TitlebarButton : int { TitleMinButton = 0, TitleMaxButton = 1, TitleRestoreButton = 2, TitleCloseButton = 3 };
    Q_ENUM(TitlebarButton)

    explicit DuiTitlebar(QGraphicsItem *parent = nullptr);
    ~DuiTitlebar() override;

    void setTitle(const QString &title);
    QString title() const;
    void setMaximized(bool maximized);
    bool isMaximized() const;
    void setHasMinimizeButton(bool has);
    bool hasMinimizeButton() const;
    void setHasMaximizeButton(bool has);
    bool hasMaximizeButton() const;
    // Puts `widget` right of the close button.
    void addItemAtEnd(DuiWidget *widget);
    DuiPushButton *titleButton(TitlebarButton which) const;
    // The window whose native styles follow the buttons shown.
    void setWindowId(QWidget *window);
    // (0, 0, 10 + the widths of the visible buttons and extra widget, preferred height).
    QRect actualSize() const;
    void reLayout(const QSizeF &size);
    DuiToolTip *toolTipObject() const;

Q_SIGNALS:
    void buttonClicked(DuiTitlebar::titlebarClick click);

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private Q_SLOTS:
    void on_minimizeButton_clicked();
    void on_maxmizeButton_clicked();
    void on_restoreButton_clicked();
    void on_closeButton_clicked();

private:
    void updateStyleBits(bool add, unsigned int bits);
    void followWindowState(bool requested);

    Q_DISABLE_COPY(DuiTitlebar)
    Q_DECLARE_PRIVATE(DuiTitlebar)
};

#endif // DUITITLEBAR_H
