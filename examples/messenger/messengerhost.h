// SPDX-License-Identifier: MIT
// The messenger's host object: the contact list window of layout/main.xml and its menu, the open
// conversations and the settings window. Its on_<objectName>_<signal> slots are connected by name
// to the main window's controls.
#ifndef MESSENGER_MESSENGERHOST_H
#define MESSENGER_MESSENGERHOST_H

#include <QtCore/qhash.h>
#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>
#include <QtCore/qstringlist.h>

class Conversation;
class DuiFrameWindow;
class DuiMenu;
class DuiToolTip;
class DuiTreeWidget;
class QModelIndex;
class SettingsDialog;

class MessengerHost;

// The receiver of layout/mainmenu.xml's on_<objectName>_triggered(bool) slots. It is apart from
// the host so that the main window's slots and the menu's are each matched against their own file.
class MainMenuActions : public QObject
{
    Q_OBJECT
public:
    explicit MainMenuActions(MessengerHost *host);

public Q_SLOTS:
    void on_openSettings_triggered(bool checked);
    void on_choosePicture_triggered(bool checked);
    void on_about_triggered(bool checked);
    void on_quit_triggered(bool checked);

private:
    MessengerHost *m_host;
};

class MessengerHost : public QObject
{
    Q_OBJECT
public:
    // A decoration picture above this many pixels is refused rather than decoded.
    static constexpr qint64 MaxPicturePixels = 16 * 1024 * 1024;

    MessengerHost();
    ~MessengerHost() override;

    // False when the main window's file could not be built.
    bool isValid() const;
    DuiFrameWindow *mainWindow() const;
    void showMainWindow();

    Conversation *openConversation(const QString &contactId);
    SettingsDialog *openSettings();
    // Rows 0..8; the menu's check marks and the settings follow.
    void setSkinRow(int row);
    // Installs the picture as the decoration; false (and the skin unchanged) for a file that is
    // not an image, or one above MaxPicturePixels.
    bool setDecorationPicture(const QString &path);

    // What a second instance handed over: "--open ID" opens that conversation; nothing raises
    // the main window.
    void handleCommandLine(const QStringList &arguments);

public Q_SLOTS:
    // The main window.
    void on_menuButton_clicked();
    void on_searchEdit_textChanged(const QString &text);
    void on_statusCombo_currentIndexChanged(int index);
    void on_contactTree_leftButtonDoubleClicked(const QModelIndex &index);
    void on_mainWindow_aboutToClose();

private:
    friend class MainMenuActions;
    void fillContacts(const QString &filter);
    void reportRows();
    void choosePicture();
    void about();
    void quit();

    DuiFrameWindow *m_main = nullptr;
    DuiTreeWidget *m_tree = nullptr;
    DuiToolTip *m_tips = nullptr;
    QHash<QString, Conversation *> m_conversations;
    SettingsDialog *m_settings = nullptr;
    MainMenuActions m_menuActions{this};
    bool m_quitting = false;
};

#endif // MESSENGER_MESSENGERHOST_H
