// SPDX-License-Identifier: MIT
#ifndef DUIFRAMEWINDOW_H
#define DUIFRAMEWINDOW_H

#include "duitheme.h"
#include "duititlebar.h"
#include "duiframetyperegister.h"
#include "duiwidget.h"
#include "duiwindef.h"
#include "i18nstring.h"

#include <QtCore/qscopedpointer.h>
#include <QtWidgets/qgraphicsview.h>

class DuiColorizeEvent;
class DuiFrameWindowPrivate;
class DuiSysCommandRequest;
class MXAbstractWinEvenFilter;

// The framework's top-level window: a frameless graphics view whose own scene holds the title
// bar and the window's widget tree, painting its own background and taking over the native
// frame through a frame style. System commands (minimise, maximise, restore, close) from the
// title bar, the system menu, Escape and dialogs all pass through the cancellable sysCommand().
class DUI_EXPORT DuiFrameWindow : public QGraphicsView
{
    Q_OBJECT
    Q_PROPERTY(FrameStyles frameStyle READ frameStyle WRITE setFrameStyle)
    Q_PROPERTY(QString backgroundImage READ backgroundImage WRITE setBackgroundImage)
    Q_PROPERTY(QString decorationImage READ decorationImage WRITE setDecorationImage)
    Q_PROPERTY(I18nString title READ title WRITE setTitle)
    Q_PROPERTY(bool closeOnEscape READ closeOnEscape WRITE setCloseOnEscape)
    Q_PROPERTY(QRect realFrameGeometry READ realFrameGeometry WRITE setRealFrameGeometry)
    Q_PROPERTY(QSize fixSize READ fixSize WRITE setFixSize)
    Q_PROPERTY(I18nString windowTitle READ windowTitle WRITE setWindowTitle)
    Q_PROPERTY(quint32 hwnd READ hwnd)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible2)
    Q_PROPERTY(bool showBorderShadow READ showBorderShadow WRITE setShowBorderShadow)

public:
    enum FrameStyle : int {
        Null = 0x0,
        FrameLess = 0x1,
        Resizable = 0x2,
        CloseButton = 0x4,
        MinButton = 0x8,
        MaxButton = 0x10,
        AppWindow = 0x20,
        ToolWindow = 0x40,
        Popup = 0x80,
        ToolTip = 0x100,
        Window = 0x1f,
        Dialog = 0x5,
        MainWindow = 0x3f
    };
    Q_DECLARE_FLAGS(FrameStyles, FrameStyle)
    Q_FLAG(FrameStyles)

    explicit DuiFrameWindow(QWidget *parent = nullptr, FrameStyles style = Window);
    ~DuiFrameWindow() override;

    DuiWidget *rootWidget() const;
    DuiTitlebar *titlebar() const;
    quint32 hwnd() const;

    // The title bar's text and the native window title; reads as empty.
    void setTitle(const I18nString &title);
    void setTitle(const QString &title);
    I18nString title() const;
    void setWindowTitle(const I18nString &title);
    void setWindowTitle(const QString &title);
    I18nString windowTitle() const;

    // Stored; applied by doConstruct.
    void setFrameStyle(FrameStyles style);
    FrameStyles frameStyle() const;
    void setFixSize(const QSize &size);
    QSize fixSize() const;
    QRect realFrameGeometry() const;
    void setRealFrameGeometry(const QRect &rect);

    Q_INVOKABLE void show();
    Q_INVOKABLE void hide();
    Q_INVOKABLE void showMinimized();
    Q_INVOKABLE void showMaximized();
    Q_INVOKABLE void animatedMoveTo(QRect rc, int ms);
    Q_INVOKABLE void showMinNoActive();
    bool isVisible() const;
    void setVisible2(bool visible);

    void setBackgroundImage(const QString &path, DuiWidget::ColorizeWidgetFlag flag = DuiWidget::FollowParent);
    QString backgroundImage() const;
    void setDecorationImage(const QString &path);
    QString decorationImage() const;
    void setGradientType(DuiTheme::LinearGradientType type);
    void setShowBorderShadow(bool show);
    bool showBorderShadow() const;
    void setResizable(bool resizable);
    void setCloseOnEscape(bool close);
    bool closeOnEscape() const;

    void installWinEvenFilter(MXAbstractWinEvenFilter *filter);
    void removeWinEvenFilter(MXAbstractWinEvenFilter *filter);
    // Emits captionAreaClicked() for WM_NCLBUTTONDOWN; the frameless style calls it.
    void filterNcMessage(MSG *msg);

    static DuiFrameWindow *dynamicCreateObjectDuiFrameWindow(QWidget *parent);

Q_SIGNALS:
    void captionAreaClicked();
    void aboutToClose();
    void enterPressed(Qt::KeyboardModifiers modifiers);
    void sysCommand(DuiSysCommandRequest *ev);
    void resized();
    void onACTIVATE(bool val);

public Q_SLOTS:
    void onTitleButtonClicked(DuiTitlebar::titlebarClick click);

protected:
    DuiFrameWindow(DuiFrameWindowPrivate &dd, QWidget *parent, FrameStyles style);

    // Applies the frame style, once; the XML UI builder calls it when the window is built.
    void doConstruct();
    virtual void construct();
    QRect clientAreaRect() const;
    virtual void onEnterPressed(Qt::KeyboardModifiers modifiers);
    virtual void colorizeEvent(DuiColorizeEvent *event);
    // The window's native-message handler, in Win32 terms on every system.
    virtual bool winEvent(MSG *msg, long *result);

    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

    QScopedPointer<DuiFrameWindowPrivate> d_data;

private:
    void setupScene();
    void systemButtonClicked(DuiTitlebar::titlebarClick click);
    // Places the title bar in the client rectangle: across it with a title, over the buttons
    // at its right edge without.
    void layoutTitlebar(const QRect &client);
    void _colorizeWidgets(QRgb color);
    void trimWorkingSet();

    Q_DISABLE_COPY(DuiFrameWindow)
    Q_DECLARE_PRIVATE_D(d_data, DuiFrameWindow)
    friend class DuiXmlUI;
    static const DuiFrameTypeRegister s_registerDuiFrameWindow;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DuiFrameWindow::FrameStyles)

#endif // DUIFRAMEWINDOW_H
