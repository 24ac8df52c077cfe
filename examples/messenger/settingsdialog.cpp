// SPDX-License-Identifier: MIT
#include "settingsdialog.h"

#include "trace.h"

#include <duidialog.h>
#include <duiframewindow.h>
#include <duihtmllabelwidget.h>
#include <duilabelwidget.h>
#include <duiprogressbar.h>
#include <duipushbutton.h>
#include <duisettingpagebuttontree.h>
#include <duisliderwidget.h>
#include <duistackedwidget.h>
#include <duixmlui.h>

#include <QtCore/qtimer.h>
#include <QtGui/qscreen.h>
#include <QtGui/qstandarditemmodel.h>

SettingsDialog::SettingsDialog(QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_owner(owner)
{
    m_window = DuiXmlUI::createFromFile(QStringLiteral("layout/settings.xml"), owner);
    if (!m_window)
        return;
    // Frame windows delete themselves on closing; this one is kept (and deleted) by its owner.
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_pages = m_window->findChild<DuiStackedWidget *>(QStringLiteral("settingsPages"));
    DuiXmlUI::connectSignalSlotByName(m_window, this, true);
    if (auto *nav = m_window->findChild<DuiSettingPageButtonTree *>(QStringLiteral("settingsNav")))
        nav->expandItem(QStringLiteral("startupPage"));
}

SettingsDialog::~SettingsDialog()
{
    delete m_window;
}

DuiFrameWindow *SettingsDialog::window() const
{
    return m_window;
}

void SettingsDialog::present()
{
    if (!m_window)
        return;
    if (!m_window->isVisible() && m_owner) {
        // Centred over the window that opened it, and whole on that window's screen.
        const QRect over = m_owner->frameGeometry();
        QRect placed(over.center() - QPoint(m_window->width() / 2, m_window->height() / 2), m_window->size());
        if (const QScreen *screen = m_owner->screen()) {
            const QRect room = screen->availableGeometry();
            placed.moveLeft(qBound(room.left(), placed.left(), qMax(room.left(), room.right() - placed.width())));
            placed.moveTop(qBound(room.top(), placed.top(), qMax(room.top(), room.bottom() - placed.height())));
        }
        m_window->move(placed.topLeft());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    QTimer::singleShot(0, this, [this] {
        reportGeometry();
        trace::say(QStringLiteral("shown settings"));
    });
}

void SettingsDialog::showPage(const QString &pageName)
{
    if (!m_pages)
        return;
    // The tree marks the page too, unless a click on it is what brought us here.
    auto *nav = m_window->findChild<DuiSettingPageButtonTree *>(QStringLiteral("settingsNav"));
    if (nav && !m_fromNav)
        nav->expandItem(pageName);
    const int index = m_pages->widgetIndex(m_pages->widgetAtByName(pageName));
    if (index < 0)
        return;
    m_pages->setCurrentIndex(index);
    trace::say(QStringLiteral("settings page ") + pageName);
    if (trace::enabled())
        reportPageWhenSettled(pageName);
}

// Once the page has slid in, where its parts are.
void SettingsDialog::reportPageWhenSettled(const QString &pageName)
{
    if (m_pages->isAnimating()) {
        QTimer::singleShot(50, this, [this, pageName] { reportPageWhenSettled(pageName); });
        return;
    }
    reportGeometry();
    trace::say(QStringLiteral("settings page ready ") + pageName);
}

void SettingsDialog::on_settingsNav_leftButtonClicked(const QModelIndex &index)
{
    auto *nav = m_window->findChild<DuiSettingPageButtonTree *>(QStringLiteral("settingsNav"));
    if (!nav)
        return;
    m_fromNav = true;
    showPage(nav->pageName(index));
    m_fromNav = false;
}

void SettingsDialog::on_volumeSlider_valueChanged(qreal value)
{
    // The level meter follows the slider.
    if (auto *level = m_window->findChild<DuiProgressBar *>(QStringLiteral("volumeLevel")))
        level->setValue(qRound(value * 100));
    trace::say(QStringLiteral("volume %1").arg(qRound(value * 100)));
}

void SettingsDialog::on_clearHistoryButton_clicked()
{
    if (!confirm(m_window, QStringLiteral("Clear history"),
                 QStringLiteral("Remove the messages of <b>every</b> conversation from this computer?"),
                 QStringLiteral("Clear"), QStringLiteral("Keep")))
        return;
    if (auto *used = m_window->findChild<DuiProgressBar *>(QStringLiteral("historyUsed")))
        used->setValue(0);
    Q_EMIT historyCleared();
    trace::say(QStringLiteral("history cleared"));
}

void SettingsDialog::on_closeSettingsButton_clicked()
{
    m_window->hide();
}

void SettingsDialog::on_appearanceTabs_selectChanged(int index)
{
    if (auto *pages = m_window->findChild<DuiStackedWidget *>(QStringLiteral("appearancePages")))
        pages->setCurrentIndex(index);
}

void SettingsDialog::reportGeometry()
{
    if (!trace::enabled() || !m_window)
        return;
    trace::rect(QStringLiteral("settings.window"), m_window->geometry());
    trace::item(QStringLiteral("settings.volumeSlider"), m_window, m_window->findChild<DuiSliderWidget *>(QStringLiteral("volumeSlider")));
    if (auto *nav = m_window->findChild<DuiSettingPageButtonTree *>(QStringLiteral("settingsNav"))) {
        for (int i = 0; i < nav->viewItemCount(); ++i) {
            DuiTreeViewItem *row = nav->treeItemAt(i);
            const QString page = row->modelItem() ? row->modelItem()->data(DuiSettingPageButtonTree::PageNameRole).toString() : QString();
            if (!page.isEmpty())
                trace::item(QStringLiteral("settings.page:") + page, m_window, row);
        }
    }
}

bool SettingsDialog::confirm(QWidget *owner, const QString &title, const QString &html, const QString &accept,
                             const QString &reject)
{
    auto *dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), owner));
    if (!dialog)
        return false;
    dialog->setWindowTitle(title);
    if (auto *text = dialog->findChild<DuiLabelWidget *>(QStringLiteral("titleText")))
        text->setText(title);
    if (auto *content = dialog->findChild<DuiHtmlLabelWidget *>(QStringLiteral("content_text")))
        content->setText(html);
    if (auto *yes = dialog->findChild<DuiPushButton *>(QStringLiteral("buttonAccept")))
        yes->setText(accept);
    if (auto *no = dialog->findChild<DuiPushButton *>(QStringLiteral("buttonReject"))) {
        no->setText(reject);
        no->setVisible(!reject.isEmpty());
    }
    trace::say(QStringLiteral("prompt ") + title);
    dialog->showModal();
    return dialog->result() == 1;
}
