// SPDX-License-Identifier: MIT
#ifndef DUITITLEBAR_H
#define DUITITLEBAR_H

#include "duiwidget.h"

// The strip at the top of a frame window. So far it carries only the names of the title-bar
// actions and buttons, which system-command requests and frame windows share; the bar's items
// and layout come with the frame window.
class DUI_EXPORT DuiTitlebar : public DuiWidget
{
    Q_OBJECT

public:
    enum titlebarClick { TitleMinimize = 0, TitleMaximize = 1, TitleRestore = 2, TitleClose = 3 };
    Q_ENUM(titlebarClick)
    enum TitlebarButton { TitleMinButton = 0, TitleMaxButton = 1, TitleRestoreButton = 2, TitleCloseButton = 3 };
    Q_ENUM(TitlebarButton)

    explicit DuiTitlebar(QGraphicsItem *parent = nullptr);
    ~DuiTitlebar() override;

Q_SIGNALS:
    void buttonClicked(DuiTitlebar::titlebarClick click);

private:
    Q_DISABLE_COPY(DuiTitlebar)
};

#endif // DUITITLEBAR_H
