// SPDX-License-Identifier: MIT
// The gallery host: shows gallery.xml like duiview does, and answers its buttons. A host gets
// its slots connected by naming them on_<objectName>_<signal>.
#include "previewer.h"

#include <duianimationwidget.h>
#include <duidialog.h>
#include <duiframewindow.h>
#include <duihtmllabelwidget.h>
#include <duilabelwidget.h>
#include <duilistitem.h>
#include <duilistwidget.h>
#include <duimenu.h>
#include <duipushbutton.h>
#include <duitheme.h>
#include <duixmlui.h>

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
                                      });
                                  });
    delete host;
    return code;
}

#include "main.moc"
