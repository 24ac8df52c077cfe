// SPDX-License-Identifier: MIT
#ifndef DUIDIALOG_H
#define DUIDIALOG_H

#include "duiframewindow.h"

class DuiDialogPrivate;

// A frame window that runs modally in its own event loop and returns an integer result. Return
// accepts and Escape rejects (both can be switched off); buttons named "buttonAccept" and
// "buttonReject" in its XML file are connected to accept and reject by name.
class DUI_EXPORT DuiDialog : public DuiFrameWindow
{
    Q_OBJECT
public:
    explicit DuiDialog(QWidget *parent = nullptr);
    ~DuiDialog() override;

    void setTitle(const QString &title);

    // Shows the dialog and returns when it has closed; the dialog deletes itself afterwards.
    Q_INVOKABLE void showModal(bool bActive = true, bool isCenter = true);
    Q_INVOKABLE void endDialog(int result);
    Q_INVOKABLE void setAcceptEnter(bool accept);
    void setAcceptEscape(bool accept);
    // The result given to done(); -1 until then.
    Q_INVOKABLE int result() const;
    // Added to the centre point when the dialog is centred.
    Q_INVOKABLE void setDialogPositionOffset(int x, int y);

    static void closeAll();
    // Closes the listed dialogs that have `widget` among their ancestors (all of them for null).
    static void closeAllOf(QWidget *widget);
    // The dialogs running showModal, most recent first.
    static QList<DuiDialog *> instances();

    static DuiFrameWindow *dynamicCreateObjectDuiDialog(QWidget *parent);

Q_SIGNALS:
    void accepted();
    void rejected();
    void dialogShow();

public Q_SLOTS:
    void on_buttonAccept_clicked();
    void on_buttonReject_clicked();
    void onShowEffectFrameChanged(int frame);
    void onShowEffectFinished();
    void onHideEffectFrameChanged(int frame);
    void onHideEffectFinished();

protected:
    virtual void done(int result);
    virtual void accept();
    virtual void reject();
    void onEnterPressed(Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void doCenter();
    void runShowEffect();
    void runHideEffect();
    void effectFrame(int frame, bool showing);

    Q_DISABLE_COPY(DuiDialog)
    Q_DECLARE_PRIVATE_D(d_data, DuiDialog)
    static const DuiFrameTypeRegister s_registerDuiDialog;
};

#endif // DUIDIALOG_H
