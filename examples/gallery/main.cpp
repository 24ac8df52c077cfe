// SPDX-License-Identifier: MIT
// The gallery host: shows gallery.xml like duiview does, and answers its buttons. A host gets
// its slots connected by naming them on_<objectName>_<signal>.
#include "previewer.h"

#include <duianimationwidget.h>
#include <duicombobox.h>
#include <duicomboboxorg.h>
#include <duidialog.h>
#include <duiframewindow.h>
#include <duihtmllabelwidget.h>
#include <duilabelwidget.h>
#include <duilistctrl.h>
#include <duilistctrrowwidget.h>
#include <duilistitem.h>
#include <duilistwidget.h>
#include <duimenu.h>
#include <duipushbutton.h>
#include <duisettingpagebuttontree.h>
#include <duispaceritem.h>
#include <duistackedwidget.h>
#include <duitab.h>
#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitheme.h>
#include <duitooltip.h>
#include <duixmlui.h>

#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimer.h>
#include <QtGui/qpainter.h>
#include <QtGui/qstandarditemmodel.h>

#include <cstdio>

namespace {

// A contact row of the fish-eye list: an application draws its own rows by subclassing DuiListItem.
// A row under the pointer asks the list to select it; the list then grows it and its neighbours.
class ContactItem : public DuiListItem
{
public:
    explicit ContactItem(QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr)
        : DuiListItem(modelItem, parent)
    {
        setAcceptHoverEvents(true);
    }

    DuiAbstractViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override
    {
        if (!item || item->text().isEmpty())
            return nullptr;
        return new ContactItem(item, parent);
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const QRectF r = rect();
        painter->setRenderHint(QPainter::Antialiasing);
        if (isSelected())
            painter->fillRect(r, QColor::fromRgba(DuiTheme::getColor(DuiTheme::LightestColor)));
        const qreal side = qMax<qreal>(r.height() - 8, 8);
        const QRectF avatar(r.left() + 6, r.top() + (r.height() - side) / 2, side, side);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor::fromRgba(DuiTheme::getColor(DuiTheme::BaseColor)));
        painter->drawEllipse(avatar);
        const QString text = modelItem() ? modelItem()->text() : QString();
        painter->setPen(Qt::white);
        QFont initial = painter->font();
        initial.setBold(true);
        initial.setPixelSize(int(side * 0.5));
        painter->setFont(initial);
        painter->drawText(avatar, Qt::AlignCenter, text.section(QLatin1Char(' '), -1).left(1));
        QFont name = painter->font();
        name.setBold(isSelected());
        name.setPixelSize(isSelected() ? 14 : 12);
        painter->setFont(name);
        painter->setPen(QColor(40, 52, 64));
        painter->drawText(r.adjusted(side + 14, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override
    {
        DuiListItem::hoverEnterEvent(event);
        Q_EMIT itemSelected();
    }
};

// A few hundred rows, as an application's contact or history list would hold.
QStandardItemModel *rowsModel(QObject *parent, const QString &prefix)
{
    auto *model = new QStandardItemModel(parent);
    static const char *const names[] = {"Alice", "Bao", "Carmen", "Dmitri", "Emeka", "Fatima", "Gustav", "Hana"};
    for (int i = 0; i < 300; ++i)
        model->appendRow(new QStandardItem(QStringLiteral("%1 %2 — %3").arg(prefix).arg(i + 1).arg(QLatin1String(names[i % 8]))));
    return model;
}

// The lists of the gallery's lists page take their rows from the host.
void fillLists(DuiFrameWindow *window)
{
    if (auto *plain = window->findChild<DuiListWidget *>(QStringLiteral("plainList")))
        plain->setModel(rowsModel(plain, QStringLiteral("Row")));
    if (auto *fishEye = window->findChild<DuiListWidget *>(QStringLiteral("fishEyeList"))) {
        fishEye->addItemPrototype(new ContactItem);
        fishEye->setDisplayMode(DuiListWidget::FishEye);
        fishEye->setModel(rowsModel(fishEye, QStringLiteral("Contact")));
        // Selected once the window is laid out, so that the list scrolls with its real height.
        QTimer::singleShot(0, fishEye, [fishEye] { fishEye->selectIndex(0); });
    }
}

// The reply box starts with an animated GIF, drawn by the skin generator, that the editor's pool
// moves.
void addAnimatedGif(DuiFrameWindow *window)
{
    if (auto *reply = window->findChild<DuiTextEdit *>(QStringLiteral("replyEdit"))) {
        DuiTextCursor cursor = reply->textCursor();
        cursor.insertImage(QStringLiteral(":/theme/duifw/busy.gif"));
        cursor.insertText(QStringLiteral(" Working on it"));
    }
}

// The combo box that keeps its own items and the list control take their rows from the host.
void fillCombosAndTasks(DuiFrameWindow *window)
{
    if (auto *colours = window->findChild<DuiComboBoxOrg *>(QStringLiteral("colourCombo")))
        colours->setCurrentIndex(1);
    if (auto *cities = window->findChild<DuiComboBox *>(QStringLiteral("cityCombo"))) {
        static const char *const names[] = {"Amsterdam", "Berlin", "Cairo", "Delhi", "Edinburgh",
                                            "Florence", "Geneva", "Hanoi", "Istanbul", "Jakarta"};
        for (int i = 0; i < 10; ++i)
            cities->insert(i, QString::fromLatin1(names[i]), i);
        cities->setPlaceholderText(QStringLiteral("City"));
        cities->setCurrentIndex(0);
    }
    auto *tasks = window->findChild<DuiListCtrl *>(QStringLiteral("taskList"));
    if (!tasks)
        return;
    static const char *const names[] = {"Write report", "Call Bao", "Review patch", "Book trip", "Pay invoice", "Plan sprint"};
    for (const char *name : names) {
        const int row = tasks->rowCount();
        DuiListCtrRowWidget *rowWidget = tasks->insertRow(-1, 28);
        // The row's own layout keeps the button at its right end when the scroll bar shows.
        rowWidget->setLayout(DuiWidget::HBox);
        rowWidget->setMargins(QMargins(6, 3, 4, 3));
        auto *label = new DuiLabelWidget;
        label->setText(QString::fromUtf8(name));
        tasks->addItem(row, label, QSize(150, 22));
        rowWidget->addItem(new DuiSpacerItem(rowWidget));
        auto *done = new DuiPushButton;
        done->setText(QStringLiteral("Done"));
        tasks->addItem(row, done, QSize(44, 22));
        // The row goes once the button has finished its click.
        const QPointer<DuiListCtrRowWidget> guard(rowWidget);
        QObject::connect(done, &DuiPushButton::clicked, tasks, [tasks, guard] {
            QMetaObject::invokeMethod(tasks, [tasks, guard] {
                if (guard)
                    tasks->removeRow(guard->rowNumber());
            }, Qt::QueuedConnection);
        });
    }
}

// A tab bar named "<name>Tabs" turns the pages of the stacked widget named "<name>Pages".
// Every control that carries a toolTip text shows it in the framework's bubble. The controller
// belongs to the window, so it goes with it.
void attachToolTips(DuiFrameWindow *window)
{
    auto *tips = new DuiToolTip(window);
    for (DuiWidget *widget : window->findChildren<DuiWidget *>()) {
        if (!widget->toolTip().isEmpty())
            tips->attatchWidget(widget);
    }
}

void pairTabsWithPages(DuiFrameWindow *window)
{
    for (DuiTab *tabs : window->findChildren<DuiTab *>()) {
        QString name = tabs->objectName();
        if (!name.endsWith(QLatin1String("Tabs")))
            continue;
        name.replace(name.size() - 4, 4, QStringLiteral("Pages"));
        if (auto *pages = window->findChild<DuiStackedWidget *>(name))
            QObject::connect(tabs, &DuiTab::selectChanged, pages, &DuiStackedWidget::setCurrentIndex);
    }
}

} // namespace

class GalleryHost : public QObject
{
    Q_OBJECT
public:
    explicit GalleryHost(Previewer *previewer)
        : m_previewer(previewer)
    {
    }

public Q_SLOTS:
    void on_openDialogButton_clicked()
    {
        DuiFrameWindow *window = m_previewer->window();
        auto *dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), window));
        if (!dialog)
            return;
        if (auto *title = dialog->findChild<DuiLabelWidget *>(QStringLiteral("titleText")))
            title->setText(QStringLiteral("Gallery"));
        if (auto *text = dialog->findChild<DuiHtmlLabelWidget *>(QStringLiteral("content_text")))
            text->setText(QStringLiteral("This prompt is the framework's own <b>commonDlg.xml</b>."));
        dialog->showModal();
        std::printf("gallery: the dialog closed with result %d\n", dialog->result());
    }

    // The settings window: a page row shows its page (the widget named by the row's page name)
    // and hides the others.
    void on_settingsButton_clicked()
    {
        const QString file = QFileInfo(QStringLiteral(DUI_GALLERY_XML)).dir().filePath(QStringLiteral("settings.xml"));
        DuiFrameWindow *settings = DuiXmlUI::createFromFile(file, m_previewer->window());
        if (!settings)
            return;
        auto *nav = settings->findChild<DuiSettingPageButtonTree *>(QStringLiteral("settingsNav"));
        auto *pages = settings->findChild<DuiWidget *>(QStringLiteral("settingsPages"));
        if (nav && pages) {
            const auto showPage = [nav, pages](const QModelIndex &index) {
                const QString name = nav->pageName(index);
                if (name.isEmpty())
                    return;
                for (QGraphicsItem *item : pages->childItems()) {
                    if (auto *page = qobject_cast<DuiWidget *>(item->toGraphicsObject()))
                        page->setVisible(page->objectName() == name);
                }
            };
            QObject::connect(nav, &DuiTreeWidget::leftButtonClicked, nav, showPage);
            nav->expandItem(QStringLiteral("startupPage"));
        }
        settings->show();
    }

    void on_nextThemeButton_clicked()
    {
        const int next = (qMax(DuiTheme::getColorTheme(), 0) + 1) % 9;
        DuiTheme::setColorTheme(next);
    }

    // A menu button: the menu opens below the button, or above it when the screen ends first.
    // Each opening makes a new menu, so it wears the skin chosen last.
    void on_menuButton_clicked()
    {
        DuiFrameWindow *window = m_previewer->window();
        auto *button = window ? window->findChild<DuiPushButton *>(QStringLiteral("menuButton")) : nullptr;
        if (!button)
            return;
        DuiMenu *menu = DuiMenu::createPopupMenu();
        menu->createFromFile(QStringLiteral("menu.xml"), this);
        const QRect inView = window->mapFromScene(button->sceneBoundingRect()).boundingRect();
        menu->popup(QRect(window->viewport()->mapToGlobal(inView.topLeft()), inView.size()), Qt::AlignBottom);
    }

    // The plain list's context menu, at the cursor.
    void on_plainList_rightButtonClicked(int index)
    {
        m_row = index;
        DuiMenu *menu = DuiMenu::createPopupMenu();
        menu->createFromFile(QStringLiteral("rowmenu.xml"), this);
        menu->popup();
    }

    void on_newWindow_triggered(bool) { say("New window"); }
    void on_openFile_triggered(bool) { say("Open"); }
    void on_showGrid_triggered(bool checked) { say(checked ? "Show grid: on" : "Show grid: off"); }
    void on_nextSkin_triggered(bool) { on_nextThemeButton_clicked(); }
    void on_about_triggered(bool) { say("About the gallery"); }
    void on_openRow_triggered(bool) { say("Open row", m_row); }
    void on_copyRow_triggered(bool) { say("Copy row", m_row); }
    void on_removeRow_triggered(bool) { say("Remove row", m_row); }

private:
    static void say(const char *what, int row = -1)
    {
        if (row < 0)
            std::printf("gallery: %s\n", what);
        else
            std::printf("gallery: %s %d\n", what, row + 1);
        std::fflush(stdout);
    }

    Previewer *m_previewer;
    int m_row = -1;
};

int main(int argc, char **argv)
{
    // The gallery file sits next to the sources, unless another file is named.
    GalleryHost *host = nullptr;
    const int code = runPreviewer(argc, argv, QStringLiteral("duigallery"), QStringLiteral(DUI_GALLERY_XML),
                                  [&host](Previewer &previewer) {
                                      host = new GalleryHost(&previewer);
                                      previewer.addSlotReceiver(host);
                                      // Animations play from start(); the gallery starts every one.
                                      QObject::connect(&previewer, &Previewer::windowBuilt, [](DuiFrameWindow *window) {
                                          for (DuiAnimationWidget *animation : window->findChildren<DuiAnimationWidget *>())
                                              animation->start();
                                          fillLists(window);
                                          fillCombosAndTasks(window);
                                          addAnimatedGif(window);
                                          pairTabsWithPages(window);
                                          attachToolTips(window);
                                      });
                                  });
    delete host;
    return code;
}

#include "main.moc"
