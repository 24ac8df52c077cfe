// SPDX-License-Identifier: MIT
#include "messengerhost.h"

#include "contacts.h"
#include "conversation.h"
#include "settingsdialog.h"
#include "trace.h"

#include <duicategoryitem.h>
#include <duicomboboxorg.h>
#include <duiframewindow.h>
#include <duiimagewidget.h>
#include <duilabelwidget.h>
#include <duimenu.h>
#include <duipushbutton.h>
#include <duitheme.h>
#include <duitooltip.h>
#include <duitreewidget.h>
#include <duixmlui.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qtimer.h>
#include <QtGui/qimagereader.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qfiledialog.h>

namespace {

const QString kMyName = QStringLiteral("Sam Taylor");
const QColor kMyColour(0x2A, 0x7F, 0xD4);
constexpr int kSkinRows = 9;
// A decoration picture file above this size is not read at all.
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

Contact::Presence presenceOfStatus(int index)
{
    switch (index) {
    case 0:
        return Contact::Online;
    case 1:
    case 2:
        return Contact::Away;
    default:
        break;
    }
    return Contact::Offline;
}

} // namespace

MessengerHost::MessengerHost()
{
    m_main = DuiXmlUI::createFromFile(QStringLiteral("layout/main.xml"), nullptr);
    if (!m_main)
        return;
    // Frame windows delete themselves on closing; this one is kept (and deleted) by its owner.
    m_main->setAttribute(Qt::WA_DeleteOnClose, false);
    m_tips = new DuiToolTip(m_main);
    connect(m_tips, &DuiToolTip::readyToShowToolTip, this, [](DuiWidget *widget) {
        trace::say(QStringLiteral("tooltip ") + widget->toolTip());
    });
    for (DuiWidget *widget : m_main->findChildren<DuiWidget *>()) {
        if (!widget->toolTip().isEmpty())
            m_tips->attatchWidget(widget);
    }
    m_tree = m_main->findChild<DuiTreeWidget *>(QStringLiteral("contactTree"));
    if (m_tree) {
        // Newest first: contacts, then the category headers.
        m_tree->addItemPrototype(new DuiCategoryHeaderItem);
        m_tree->addItemPrototype(new ContactRow(m_tips));
    }
    if (auto *status = m_main->findChild<DuiComboBoxOrg *>(QStringLiteral("statusCombo")))
        status->setCurrentIndex(0);
    on_statusCombo_currentIndexChanged(0);
    fillContacts(QString());
    DuiXmlUI::connectSignalSlotByName(m_main, this, true);
}

MessengerHost::~MessengerHost()
{
    qDeleteAll(m_conversations);
    delete m_settings;
    delete m_main;
}

bool MessengerHost::isValid() const
{
    return m_main != nullptr;
}

DuiFrameWindow *MessengerHost::mainWindow() const
{
    return m_main;
}

void MessengerHost::showMainWindow()
{
    if (!m_main)
        return;
    if (!m_main->isVisible())
        m_main->move(40, 40);
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
    QTimer::singleShot(0, this, [this] {
        if (!trace::enabled())
            return;
        trace::rect(QStringLiteral("main.window"), m_main->geometry());
        trace::item(QStringLiteral("main.menuButton"), m_main, m_main->findChild<DuiPushButton *>(QStringLiteral("menuButton")));
        reportRows();
        trace::say(QStringLiteral("shown main"));
    });
}

void MessengerHost::fillContacts(const QString &filter)
{
    if (!m_tree)
        return;
    QStandardItemModel *previous = m_tree->model();
    m_tree->setModel(contacts::buildModel(filter));
    delete previous;
    m_tree->expandAll();

    int shown = 0;
    int online = 0;
    for (const Contact &contact : contacts::all()) {
        if (!contacts::matches(contact, filter))
            continue;
        ++shown;
        online += contact.presence == Contact::Online ? 1 : 0;
    }
    if (auto *footer = m_main->findChild<DuiLabelWidget *>(QStringLiteral("footerLabel"))) {
        footer->setText(filter.isEmpty() ? QStringLiteral("%1 contacts · %2 online").arg(shown).arg(online)
                                         : QStringLiteral("%1 of %2 contacts match").arg(shown).arg(contacts::all().size()));
    }
}

void MessengerHost::reportRows()
{
    if (!m_tree)
        return;
    for (int i = 0; i < m_tree->viewItemCount(); ++i) {
        DuiTreeViewItem *row = m_tree->treeItemAt(i);
        if (auto *contact = qobject_cast<ContactRow *>(row))
            trace::item(QStringLiteral("row:") + contact->modelItem()->data(contacts::IdRole).toString(), m_main, contact);
    }
}

Conversation *MessengerHost::openConversation(const QString &contactId)
{
    const Contact *contact = contacts::find(contactId);
    if (!contact) {
        trace::say(QStringLiteral("unknown contact ") + contactId);
        return nullptr;
    }
    Conversation *conversation = m_conversations.value(contactId);
    if (!conversation) {
        conversation = new Conversation(*contact, this);
        if (!conversation->window()) {
            delete conversation;
            return nullptr;
        }
        m_conversations.insert(contactId, conversation);
    }
    // New windows open beside the contact list, each a little lower than the one before.
    const QRect main = m_main->frameGeometry();
    const int cascade = int(m_conversations.size() - 1) % 6;
    conversation->present(QPoint(main.right() + 12 + cascade * 24, main.top() + cascade * 24));
    trace::say(QStringLiteral("opened conversation ") + contactId);
    return conversation;
}

SettingsDialog *MessengerHost::openSettings()
{
    if (!m_settings) {
        m_settings = new SettingsDialog(m_main);
        if (!m_settings->window()) {
            delete m_settings;
            m_settings = nullptr;
            return nullptr;
        }
    }
    m_settings->present();
    return m_settings;
}

void MessengerHost::setSkinRow(int row)
{
    if (row < 0 || row >= kSkinRows)
        return;
    DuiTheme::setColorTheme(row);
    trace::say(QStringLiteral("skin %1").arg(row));
}

bool MessengerHost::setDecorationPicture(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kMaxPictureFileBytes) {
        trace::say(QStringLiteral("picture refused ") + path);
        return false;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxPicturePixels) {
        trace::say(QStringLiteral("picture refused ") + path);
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        trace::say(QStringLiteral("picture refused ") + path);
        return false;
    }
    DuiTheme::setDecorationImage(image, QColor(), DuiTheme::FadeOut);
    trace::say(QStringLiteral("picture %1 row %2").arg(path).arg(DuiTheme::getColorTheme()));
    return true;
}

void MessengerHost::handleCommandLine(const QStringList &arguments)
{
    trace::say(QStringLiteral("command line ") + arguments.join(QLatin1Char(' ')));
    const qsizetype open = arguments.indexOf(QStringLiteral("--open"));
    if (open >= 0 && open + 1 < arguments.size()) {
        openConversation(arguments.at(open + 1));
        return;
    }
    showMainWindow();
}

void MessengerHost::on_menuButton_clicked()
{
    auto *button = m_main->findChild<DuiPushButton *>(QStringLiteral("menuButton"));
    if (!button)
        return;
    // A new menu each time, so that it wears the skin chosen last; it deletes itself on closing.
    DuiMenu *menu = DuiMenu::createPopupMenu();
    menu->setObjectName(QStringLiteral("mainMenu"));
    if (!menu->createFromFile(QStringLiteral("layout/mainmenu.xml"), &m_menuActions)) {
        delete menu;
        return;
    }
    const int current = DuiTheme::getColorTheme();
    for (int row = 0; row < kSkinRows; ++row) {
        QAction *action = menu->actionByName(QStringLiteral("skin%1").arg(row));
        if (!action)
            continue;
        action->setChecked(row == current);
        connect(action, &QAction::triggered, this, [this, row] { setSkinRow(row); });
    }
    if (auto *skins = menu->findChild<QMenu *>(QStringLiteral("skinMenu")))
        connect(skins, &QMenu::aboutToShow, skins, [skins] { trace::menuActions(skins); });
    const QRect inView = m_main->mapFromScene(button->sceneBoundingRect()).boundingRect();
    menu->popup(QRect(m_main->viewport()->mapToGlobal(inView.topLeft()), inView.size()), Qt::AlignBottom);
    trace::menuActions(menu);
}

void MessengerHost::on_searchEdit_textChanged(const QString &text)
{
    fillContacts(text.trimmed());
    trace::say(QStringLiteral("filter ") + text.trimmed());
    QTimer::singleShot(0, this, &MessengerHost::reportRows);
}

void MessengerHost::on_statusCombo_currentIndexChanged(int index)
{
    if (auto *avatar = m_main->findChild<DuiImageWidget *>(QStringLiteral("myAvatar")))
        avatar->setPixmap(contacts::avatar(kMyName, kMyColour, presenceOfStatus(index), 46));
    if (index > 0)
        trace::say(QStringLiteral("status %1").arg(index));
}

void MessengerHost::on_contactTree_leftButtonDoubleClicked(const QModelIndex &index)
{
    const QString id = index.data(contacts::IdRole).toString();
    if (!id.isEmpty())
        openConversation(id);
}

void MessengerHost::on_mainWindow_aboutToClose()
{
    quit();
}

MainMenuActions::MainMenuActions(MessengerHost *host)
    : m_host(host)
{
}

void MainMenuActions::on_openSettings_triggered(bool)
{
    m_host->openSettings();
}

void MainMenuActions::on_choosePicture_triggered(bool)
{
    m_host->choosePicture();
}

void MainMenuActions::on_about_triggered(bool)
{
    m_host->about();
}

void MainMenuActions::on_quit_triggered(bool)
{
    m_host->quit();
}

void MessengerHost::choosePicture()
{
    const QString path = QFileDialog::getOpenFileName(m_main, QStringLiteral("Choose a decoration picture"), QDir::homePath(),
                                                      QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (path.isEmpty())
        return;
    if (!setDecorationPicture(path))
        SettingsDialog::confirm(m_main, QStringLiteral("Decoration picture"),
                                QStringLiteral("That file is not a picture the messenger can use."), QStringLiteral("OK"), QString());
}

void MessengerHost::about()
{
    SettingsDialog::confirm(m_main, QStringLiteral("About Messenger"),
                            QStringLiteral("<b>Messenger</b>, an example of duifw: every window is an XML file."),
                            QStringLiteral("OK"), QString());
}

void MessengerHost::quit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    trace::say(QStringLiteral("quit"));
    for (Conversation *conversation : std::as_const(m_conversations))
        conversation->window()->hide();
    if (m_settings && m_settings->window())
        m_settings->window()->hide();
    m_main->hide();
    QCoreApplication::quit();
}
