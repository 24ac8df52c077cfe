// SPDX-License-Identifier: MIT
// The settings window of layout/settings.xml: a page tree beside pages that slide, and the
// framework's prompt dialog for the one setting that needs a confirmation.
#ifndef MESSENGER_SETTINGSDIALOG_H
#define MESSENGER_SETTINGSDIALOG_H

#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>

class DuiFrameWindow;
class DuiStackedWidget;
class QModelIndex;

class SettingsDialog : public QObject
{
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget *owner, QObject *parent = nullptr);
    ~SettingsDialog() override;

    DuiFrameWindow *window() const;
    void present();
    // Shows the page of that name, sliding it in.
    void showPage(const QString &pageName);

    // The framework's prompt (":/theme/commonDlg.xml"), modal; true when accepted. With an empty
    // `reject` the prompt has one button.
    static bool confirm(QWidget *owner, const QString &title, const QString &html, const QString &accept,
                        const QString &reject);

Q_SIGNALS:
    void historyCleared();

public Q_SLOTS:
    void on_settingsNav_leftButtonClicked(const QModelIndex &index);
    void on_volumeSlider_valueChanged(qreal value);
    void on_clearHistoryButton_clicked();
    void on_closeSettingsButton_clicked();
    void on_appearanceTabs_selectChanged(int index);

private:
    void reportGeometry();
    void reportPageWhenSettled(const QString &pageName);

    QPointer<QWidget> m_owner;
    DuiFrameWindow *m_window = nullptr;
    DuiStackedWidget *m_pages = nullptr;
    bool m_fromNav = false;
};

#endif // MESSENGER_SETTINGSDIALOG_H
