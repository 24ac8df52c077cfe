// SPDX-License-Identifier: MIT
#ifndef DUIFRAMESTYLE_P_H
#define DUIFRAMESTYLE_P_H

#include "duiwindef.h"

#include <QtCore/qrect.h>

#include <functional>

class QResizeEvent;
class QWidget;

// What depends on the kind of native window: Qt flags and attributes, the window's shape, the
// answers to the non-client messages, and the client rectangle. A frame window creates one style
// in doConstruct, sets the three flags, calls install(), and afterwards reaches it only through
// the virtual operations. The window may be any QWidget; the caption test looks into its scene
// when it is a QGraphicsView.
class DUI_AUTOTEST_EXPORT DuiFrameStyle
{
public:
    explicit DuiFrameStyle(QWidget *window);
    virtual ~DuiFrameStyle();

    // The scale at which the frame is drawn; 1.0 in every style so far.
    virtual qreal scaleFactor() const;
    // Applies window flags, attributes and the transparent style sheet.
    virtual void install() = 0;
    // Called first in every resize of the window.
    virtual void updateRegion(QResizeEvent *event) = 0;
    // Native-message hook; true when the style handled the message (*result is the answer).
    virtual bool handleMessage(MSG *msg, long *result) = 0;
    // The rectangle given to the window's root content widget.
    virtual QRect clientRect(const QRect &windowRect) const = 0;

    // The style sheet that every style sets on its window.
    static QString transparentStyleSheet();

    bool toolWindow = false;
    bool resizable = false;
    bool popup = false;
    QWidget *window;
    // Receives WM_NCLBUTTONDOWN before the style answers it; the frame window sets it to its
    // filterNcMessage (which emits captionAreaClicked). Unset, nothing is called.
    std::function<void(MSG *)> ncMessageFilter;

private:
    Q_DISABLE_COPY(DuiFrameStyle)
};

// Frameless windows: rounded region, resize borders, caption dragging, maximising to the work area.
class DUI_AUTOTEST_EXPORT DuiFrameStyle_WinXP : public DuiFrameStyle
{
public:
    explicit DuiFrameStyle_WinXP(QWidget *window);

    void install() override;
    void updateRegion(QResizeEvent *event) override;
    bool handleMessage(MSG *msg, long *result) override;
    QRect clientRect(const QRect &windowRect) const override;

    // Which border of a w x h window the point (window coordinates) lies on, for the border
    // widths; HTCLIENT when none or when the window is maximised. The bottom-right grip reaches
    // 10 pixels further left and up than the borders.
    static int resizeBorderHitTest(const QPoint &pos, const QSize &size, bool maximized, int left, int top,
                                   int right, int bottom);
    // HTCAPTION when the DuiWidget under the point (window coordinates), or the first ancestor
    // its DragWithParentFlag policy hands the question to, drags the window; else HTCLIENT.
    int frameCaptionHitTest(const QPoint &pos) const;
};

// Tooltip windows: tool, frameless, on top, translucent; handles no message.
class DUI_AUTOTEST_EXPORT DuiFrameStyle_Tooltip : public DuiFrameStyle
{
public:
    explicit DuiFrameStyle_Tooltip(QWidget *window);

    void install() override;
    void updateRegion(QResizeEvent *event) override;
    bool handleMessage(MSG *msg, long *result) override;
    QRect clientRect(const QRect &windowRect) const override;
};

// Windows that keep the native frame: translucent, glass over the whole window where the
// system has it, client area 7 pixels in from every side.
class DUI_AUTOTEST_EXPORT DuiFrameStyle_System : public DuiFrameStyle
{
public:
    explicit DuiFrameStyle_System(QWidget *window);

    void install() override;
    void updateRegion(QResizeEvent *event) override;
    bool handleMessage(MSG *msg, long *result) override;
    QRect clientRect(const QRect &windowRect) const override;
};

#endif // DUIFRAMESTYLE_P_H
