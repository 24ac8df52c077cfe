// SPDX-License-Identifier: MIT
// What a screen reader gets from a window built from XML: the tree of controls, their roles,
// names, states, values, text and actions, and the events they raise, read and driven through
// QAccessible as an assistive technology does.
//
// Qt switches accessibility on only when an assistive technology is there: the test runs itself
// again under a private Xvfb server and D-Bus session with the AT-SPI bus started and
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON set, so that Qt's own AT-SPI bridge turns it on as on a
// desktop with a screen reader. Where Xvfb, dbus-run-session or at-spi2-core is missing it skips.

#include <duifw.h>

#include "../platform/xvfbtestutil.h"
#include "../tools/gallerytestutil.h"

#include <QtCore/qfileinfo.h>
#include <QtDBus/qdbusconnection.h>
#include <QtDBus/qdbusconnectioninterface.h>
#include <QtGui/qaccessible.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qlineedit.h>
#include <QtWidgets/qtextedit.h>

#include <cstdio>

namespace {

const char kChildFlag[] = "DUI_ACCESSIBLE_TEST_CHILD";

const char kWindowXml[] = R"(<xmlui>
  <DuiFrameWindow objectName="window" title="Accessible window" fixSize="640,470">
    <DuiWidget layout="VBox" margins="10,34,10,10" spacing="4">
      <DuiWidget layout="HBox" spacing="6" fixHeight="26">
        <DuiPushButton objectName="plainButton" text="Save" fixSize="70,24"/>
        <DuiPushButton objectName="tippedButton" text="Send" toolTip="Send the message now" fixSize="70,24"/>
        <DuiPushButton objectName="namedButton" text="X" accessibleName="Close the panel" fixSize="40,24"/>
        <DuiPushButton objectName="toggleButton" text="Bold" buttonStyle="ButtonCheckable" fixSize="60,24"/>
        <DuiCheckBox objectName="check" text="Remember me" fixSize="120,20"/>
        <DuiRadioButton objectName="radio" text="Online" fixSize="80,20"/>
      </DuiWidget>
      <DuiWidget layout="HBox" spacing="6" fixHeight="18">
        <DuiLabelWidget objectName="label" text="Hello" fixWidth="200"/>
        <DuiLabelWidget objectName="link" text="Help" acceptClick="true" fixWidth="60"/>
      </DuiWidget>
      <DuiLineEdit objectName="lineEdit" placeholderText="Nickname" fixHeight="24"/>
      <DuiTextEdit objectName="textEdit" accessibleName="Notes" fixHeight="50"/>
      <DuiProgressBar objectName="progress" accessibleName="Download" minimum="0" maximum="200" value="50" fixHeight="14"/>
      <DuiSliderWidget objectName="slider" accessibleName="Volume" fixHeight="20"/>
      <DuiWidget layout="HBox" spacing="6" fixHeight="24">
        <DuiComboBoxOrg objectName="comboOrg" fixSize="120,24">
          <ComboData><item text="Red"/><item text="Green"/></ComboData>
        </DuiComboBoxOrg>
        <DuiComboBox objectName="combo" fixSize="120,24"/>
      </DuiWidget>
      <DuiTab objectName="tabs" fixSize="300,28">
        <TabData><tab text="General"/><tab text="Network"/><tab text="About"/></TabData>
      </DuiTab>
      <DuiWidget layout="HBox" spacing="6" fixHeight="110">
        <DuiListWidget objectName="list" fixSize="150,110"/>
        <DuiTreeWidget objectName="tree" fixSize="150,110"/>
        <DuiListCtrl objectName="listCtrl" fixSize="200,110"/>
      </DuiWidget>
    </DuiWidget>
  </DuiFrameWindow>
</xmlui>)";

struct Recorded
{
    QAccessible::Event type;
    QObject *object;
    int child;
    QAccessible::State changed;
    QVariant value;
};

QList<Recorded> g_events;
QString g_skipReason;

void recordEvent(QAccessibleEvent *event)
{
    Recorded r{event->type(), event->object(), event->child(), {}, {}};
    if (event->type() == QAccessible::StateChanged)
        r.changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    else if (event->type() == QAccessible::ValueChanged && event->object())
        r.value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
    if (!r.object && event->accessibleInterface())
        r.object = event->accessibleInterface()->object();
    g_events.append(r);
}

QList<Recorded> eventsOf(QAccessible::Event type, QObject *object)
{
    QList<Recorded> out;
    for (const Recorded &r : std::as_const(g_events)) {
        if (r.type == type && r.object == object)
            out.append(r);
    }
    return out;
}

QAccessibleInterface *ifaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The signals a control emitted with their arguments, signal by signal (points left out: a
// click's place is not part of what it does).
class SignalLog : public QObject
{
public:
    explicit SignalLog(QObject *sender)
    {
        const QMetaObject *meta = sender->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal)
                m_spies.append(new QSignalSpy(sender, method));
        }
    }
    ~SignalLog() override { qDeleteAll(m_spies); }

    QStringList entries() const
    {
        QStringList out;
        for (QSignalSpy *spy : m_spies) {
            for (const QList<QVariant> &args : std::as_const(*spy)) {
                QStringList values;
                for (const QVariant &arg : args)
                    values << (arg.canConvert<QPointF>() ? QStringLiteral("point") : arg.toString());
                out << QString::fromLatin1(spy->signal()) + QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
            }
        }
        return out;
    }

private:
    QList<QSignalSpy *> m_spies;
};

} // namespace

class tst_DuiAccessible : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void tree_data();
    void tree();
    void pressActsAsClick_data();
    void pressActsAsClick();
    void tabsAndCombos();
    void rows_data();
    void rows();
    void text_data();
    void text();
    void values();
    void changeEvents_data();
    void changeEvents();
    void focusEvents();
    void dialog();
    void galleryTreeIsConsistent();
    void pressAfterARowWentAway();

private:
    template<typename T = DuiWidget>
    T *find(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    // Where a user clicks the control: a label takes clicks on its text only.
    QPoint centreOnViewport(QGraphicsWidget *widget) const
    {
        const QGraphicsItem *target = widget;
        if (auto *label = qobject_cast<DuiLabelWidget *>(widget))
            target = label->textItem();
        return m_window->mapFromScene(target->sceneBoundingRect().center());
    }

    DuiFrameWindow *m_window = nullptr;
};

void tst_DuiAccessible::initTestCase()
{
    if (!g_skipReason.isEmpty())
        QSKIP(qPrintable(g_skipReason));
    // The accessibility bus that a desktop session starts; Qt's bridge connects once it is there.
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY2(bus.isConnected(), "no D-Bus session bus");
    const QDBusReply<void> started = bus.interface()->startService(QStringLiteral("org.a11y.Bus"));
    if (!started.isValid())
        QSKIP(qPrintable(QStringLiteral("the AT-SPI bus does not start: ") + started.error().message()));
    QAccessible::installUpdateHandler(recordEvent);
    if (!waitFor([] { return QAccessible::isActive(); }, 10000))
        QSKIP("Qt's AT-SPI bridge did not switch accessibility on");

    m_window = DuiXmlUI::createFromMemory(kWindowXml, nullptr);
    QVERIFY(m_window);
    auto *model = new QStandardItemModel(m_window);
    for (const char *text : {"Alpha", "Beta", "Gamma"})
        model->appendRow(new QStandardItem(QString::fromLatin1(text)));
    find<DuiListWidget>("list")->setModel(model);

    auto *treeModel = new QStandardItemModel(m_window);
    auto *folder = new DuiTreeModelItem(QStringLiteral("Friends"));
    folder->setType(DuiCategoryHeaderItem::ModelItemType);
    for (const char *text : {"Ann", "Bob"}) {
        auto *leaf = new DuiTreeModelItem(QString::fromLatin1(text));
        leaf->setType(DuiCategoryItem::ModelItemType);
        folder->appendRow(leaf);
    }
    auto *root = new DuiTreeModelItem(QStringLiteral("root"));
    root->appendRow(folder);
    treeModel->appendRow(root);
    auto *tree = find<DuiTreeWidget>("tree");
    tree->addItemPrototype(new DuiCategoryItem);
    tree->addItemPrototype(new DuiCategoryHeaderItem);
    tree->setModel(treeModel);

    auto *listCtrl = find<DuiListCtrl>("listCtrl");
    for (int row = 0; row < 2; ++row) {
        listCtrl->insertRow(-1, 30);
        auto *label = new DuiLabelWidget(listCtrl);
        label->setText(QStringLiteral("Task %1").arg(row + 1));
        listCtrl->addItem(row, label, QRectF(4, 4, 80, 20));
        auto *button = new DuiPushButton(listCtrl);
        button->setText(QStringLiteral("Stop"));
        listCtrl->addItem(row, button, QRectF(120, 3, 50, 24));
    }
    find<DuiComboBoxOrg>("comboOrg")->setCurrentIndex(0);
    auto *combo = find<DuiComboBox>("combo");
    combo->insert(0, QStringLiteral("Paris"));
    combo->insert(1, QStringLiteral("Rome"));
    combo->setCurrentIndex(0);

    m_window->move(40, 30);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_DuiAccessible::init()
{
    g_events.clear();
}

void tst_DuiAccessible::cleanupTestCase()
{
    delete m_window;
    QAccessible::installUpdateHandler(nullptr);
}

void tst_DuiAccessible::tree_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");

    const auto row = [](const char *object, QAccessible::Role role, const QString &name) {
        QTest::newRow(object) << QString::fromLatin1(object) << int(role) << name;
    };
    row("plainButton", QAccessible::PushButton, QStringLiteral("Save"));
    // Named by its text; the tooltip describes it.
    row("tippedButton", QAccessible::PushButton, QStringLiteral("Send"));
    row("namedButton", QAccessible::PushButton, QStringLiteral("Close the panel"));
    row("toggleButton", QAccessible::PushButton, QStringLiteral("Bold"));
    row("check", QAccessible::CheckBox, QStringLiteral("Remember me"));
    row("radio", QAccessible::RadioButton, QStringLiteral("Online"));
    row("label", QAccessible::StaticText, QStringLiteral("Hello"));
    row("link", QAccessible::Link, QStringLiteral("Help"));
    row("lineEdit", QAccessible::EditableText, QStringLiteral("Nickname"));
    row("textEdit", QAccessible::EditableText, QStringLiteral("Notes"));
    row("progress", QAccessible::ProgressBar, QStringLiteral("Download"));
    row("slider", QAccessible::Slider, QStringLiteral("Volume"));
    row("comboOrg", QAccessible::ComboBox, QStringLiteral("Red"));
    row("combo", QAccessible::ComboBox, QStringLiteral("Paris"));
    row("tabs", QAccessible::PageTabList, QString());
    row("list", QAccessible::List, QString());
    row("tree", QAccessible::Tree, QString());
    row("listCtrl", QAccessible::List, QString());
    // Title-bar buttons show pictures; their tooltips name them.
    row("minimizeButton", QAccessible::PushButton, QStringLiteral("最小化"));
    row("maximizeButton", QAccessible::PushButton, QStringLiteral("最大化"));
    row("closeButton", QAccessible::PushButton, QStringLiteral("关闭"));
}

// Every control is reachable from the window by child navigation, back again by parent, with its
// role, its name and its place on the screen.
void tst_DuiAccessible::tree()
{
    QFETCH(QString, object);
    QFETCH(int, role);
    QFETCH(QString, name);

    auto *widget = m_window->findChild<DuiWidget *>(object);
    QVERIFY(widget);
    QAccessibleInterface *iface = ifaceOf(widget);
    QVERIFY(iface && iface->isValid());
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    if (object == QLatin1String("tippedButton"))
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Send the message now"));
    QVERIFY(!iface->state().invisible);

    QAccessibleInterface *window = ifaceOf(m_window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Accessible window"));
    QAccessibleInterface *at = iface;
    int depth = 0;
    while (at != window && depth++ < 10) {
        QAccessibleInterface *up = at->parent();
        QVERIFY2(up, qPrintable(at->text(QAccessible::Name)));
        const int index = up->indexOfChild(at);
        QVERIFY(index >= 0);
        QCOMPARE(up->child(index), at);
        at = up;
    }
    QCOMPARE(at, window);

    // Screen coordinates: the window's origin plus the widget's place in the scene.
    const QRect expected = widget->sceneBoundingRect().toAlignedRect().translated(m_window->mapToGlobal(QPoint(0, 0)));
    QVERIFY2(qAbs(iface->rect().x() - expected.x()) <= 1 && qAbs(iface->rect().y() - expected.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(iface->rect().x()).arg(iface->rect().y()).arg(expected.x()).arg(expected.y())));
    QCOMPARE(iface->rect().size(), expected.size());
    QVERIFY(window->rect().contains(iface->rect()));

    // Hit testing from the window down passes through the control at its centre (and may go on
    // to a tab or row of it).
    const QPoint centre = iface->rect().center();
    QAccessibleInterface *hit = window->childAt(centre.x(), centre.y());
    while (hit && hit != iface)
        hit = hit->childAt(centre.x(), centre.y());
    QCOMPARE(hit, iface);
}

void tst_DuiAccessible::pressActsAsClick_data()
{
    QTest::addColumn<QString>("object");
    QTest::newRow("push button") << QStringLiteral("plainButton");
    QTest::newRow("checkable push button") << QStringLiteral("toggleButton");
    QTest::newRow("check box") << QStringLiteral("check");
    QTest::newRow("radio button") << QStringLiteral("radio");
    QTest::newRow("clickable label") << QStringLiteral("link");
}

// The press action does what a click of the mouse does from the same state: same checked state
// after it, same signals as often and with the same arguments.
void tst_DuiAccessible::pressActsAsClick()
{
    QFETCH(QString, object);
    auto *widget = m_window->findChild<DuiWidget *>(object);
    QVERIFY(widget);
    QAccessibleInterface *iface = ifaceOf(widget);
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    const auto setChecked = [widget](bool checked) {
        if (auto *button = qobject_cast<DuiPushButton *>(widget))
            button->setChecked(checked);
        else if (auto *box = qobject_cast<DuiCheckBox *>(widget))
            box->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    };

    for (int round = 0; round < 2; ++round) {
        // Round 0 starts unchecked, round 1 from the state the first click left.
        if (round == 0)
            setChecked(false);
        const bool before = iface->state().checked;
        QStringList mouseSignals;
        bool afterMouse = false;
        {
            SignalLog log(widget);
            QTest::mouseClick(m_window->viewport(), Qt::LeftButton, {}, centreOnViewport(widget));
            mouseSignals = log.entries();
            afterMouse = iface->state().checked;
        }
        QVERIFY(!mouseSignals.isEmpty() || round == 1);
        // Back to where the mouse started, then the same through the action.
        setChecked(before);
        SignalLog log(widget);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(log.entries(), mouseSignals);
        QCOMPARE(iface->state().checked, afterMouse);
    }
    if (iface->state().checkable) {
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        const bool before = iface->state().checked;
        actions->doAction(QAccessibleActionInterface::toggleAction());
        if (iface->role() != QAccessible::RadioButton)
            QCOMPARE(iface->state().checked, !before);
    }
}

// Tabs are children of the tab bar and are pressed like the mouse presses them; a combo box
// opens and closes its list through its action, and says so.
void tst_DuiAccessible::tabsAndCombos()
{
    auto *tabs = find<DuiTab>("tabs");
    QAccessibleInterface *bar = ifaceOf(tabs);
    QCOMPARE(bar->childCount(), 3);
    QAccessibleInterface *network = bar->child(1);
    QCOMPARE(network->role(), QAccessible::PageTab);
    QCOMPARE(network->text(QAccessible::Name), QStringLiteral("Network"));
    QCOMPARE(network->parent(), bar);
    QCOMPARE(bar->indexOfChild(network), 1);
    QVERIFY(bar->rect().contains(network->rect()));
    QVERIFY(!network->rect().intersects(bar->child(0)->rect()));
    QCOMPARE(bar->childAt(network->rect().center().x(), network->rect().center().y()), network);
    QVERIFY(bar->child(0)->state().selected);
    QVERIFY(!network->state().selected);
    QSignalSpy selected(tabs, &DuiTab::selectChanged);
    network->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(selected.count(), 1);
    QVERIFY(network->state().selected);
    QVERIFY(!bar->child(0)->state().selected);
    QCOMPARE(eventsOf(QAccessible::Selection, tabs).size(), 1);
    QCOMPARE(eventsOf(QAccessible::Selection, tabs).constFirst().child, 1);

    for (const char *name : {"comboOrg", "combo"}) {
        auto *combo = find(name);
        QAccessibleInterface *iface = ifaceOf(combo);
        QVERIFY(iface->state().expandable);
        QVERIFY(!iface->state().expanded);
        QCOMPARE(iface->text(QAccessible::Value), iface->text(QAccessible::Name));
        g_events.clear();
        const QString current = iface->text(QAccessible::Value);
        iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QVERIFY2(iface->state().expanded, name);
        QCOMPARE(iface->text(QAccessible::Value), current);
        QList<Recorded> changes = eventsOf(QAccessible::StateChanged, combo);
        QCOMPARE(changes.size(), 1);
        QVERIFY(changes.constFirst().changed.expanded);
        iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QVERIFY2(!iface->state().expanded, name);
        QCOMPARE(eventsOf(QAccessible::StateChanged, combo).size(), 2);
    }
}

void tst_DuiAccessible::rows_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("rowRole");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("list") << QStringLiteral("list") << int(QAccessible::ListItem)
                          << QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
    QTest::newRow("tree") << QStringLiteral("tree") << int(QAccessible::TreeItem)
                          << QStringList{QStringLiteral("Friends"), QStringLiteral("Ann"), QStringLiteral("Bob")};
    QTest::newRow("list control") << QStringLiteral("listCtrl") << int(QAccessible::ListItem)
                                  << QStringList{QStringLiteral("Task 1 Stop"), QStringLiteral("Task 2 Stop")};
}

// An item view's rows are its children, in order, named by their text; pressing a row selects
// it in the view and the selection shows in the rows' states and in events.
void tst_DuiAccessible::rows()
{
    QFETCH(QString, object);
    QFETCH(int, rowRole);
    QFETCH(QStringList, names);

    auto *view = m_window->findChild<DuiWidget *>(object);
    QAccessibleInterface *iface = ifaceOf(view);
    QAccessibleInterface *folder = iface->child(0);
    if (rowRole == QAccessible::TreeItem) {
        // A closed folder shows no rows of its own; its toggle action opens it.
        QVERIFY(folder->state().expandable);
        QVERIFY(!folder->state().expanded);
        QCOMPARE(iface->childCount(), 1);
        folder->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(folder->state().expanded);
        const QList<Recorded> changes = eventsOf(QAccessible::StateChanged, folder->object());
        QCOMPARE(changes.size(), 1);
        QVERIFY(changes.constFirst().changed.expanded);
        g_events.clear();
    }
    QCOMPARE(iface->childCount(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface *row = iface->child(i);
        QCOMPARE(int(row->role()), rowRole);
        QCOMPARE(row->text(QAccessible::Name), names.at(i));
        QCOMPARE(row->parent(), iface);
        QVERIFY(row->state().selectable);
    }
    QAccessibleInterface *second = iface->child(1);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(second->state().selected);
    QVERIFY(!iface->child(0)->state().selected);
    QCOMPARE(eventsOf(QAccessible::SelectionAdd, second->object()).size(), 1);
    if (auto *list = qobject_cast<DuiListWidget *>(view))
        QCOMPARE(list->indexSelected(), 1);
    else if (auto *ctrl = qobject_cast<DuiListCtrl *>(view))
        QCOMPARE(ctrl->selectedRow(), 1);

    if (object == QLatin1String("listCtrl")) {
        // A row's own controls are its children.
        QAccessibleInterface *row = iface->child(0);
        QCOMPARE(row->childCount(), 2);
        QCOMPARE(row->child(1)->role(), QAccessible::PushButton);
        QCOMPARE(row->child(1)->parent(), row);
    }
    if (rowRole == QAccessible::TreeItem) {
        folder->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!folder->state().expanded);
        QCOMPARE(iface->childCount(), 1);
    }
}

void tst_DuiAccessible::text_data()
{
    QTest::addColumn<QString>("object");
    QTest::newRow("line edit") << QStringLiteral("lineEdit");
    QTest::newRow("text edit") << QStringLiteral("textEdit");
}

// The editors' text, caret and selection through the text interfaces, read and changed, with
// character boxes on the screen where the characters are.
void tst_DuiAccessible::text()
{
    QFETCH(QString, object);
    auto *widget = m_window->findChild<DuiWidget *>(object);
    auto *line = qobject_cast<DuiLineEdit *>(widget);
    auto *rich = qobject_cast<DuiTextEdit *>(widget);
    QVERIFY(line || rich);
    const auto content = [&] { return line ? line->text() : rich->toPlainText(); };
    const auto selected = [&] {
        return line ? line->selectedText() : qobject_cast<QTextEdit *>(rich->realWidget())->textCursor().selectedText();
    };
    if (line)
        line->setText(QStringLiteral("hello world"));
    else
        rich->setText(QStringLiteral("hello world"));

    QAccessibleInterface *iface = ifaceOf(widget);
    QAccessibleTextInterface *text = iface->textInterface();
    QAccessibleEditableTextInterface *editable = iface->editableTextInterface();
    QVERIFY(text && editable);
    QVERIFY(iface->state().editable);
    QCOMPARE(iface->state().multiLine, rich != nullptr);
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("hello world"));
    QCOMPARE(text->characterCount(), 11);
    QCOMPARE(text->text(6, 11), QStringLiteral("world"));
    int wordStart = -1;
    int wordEnd = -1;
    QCOMPARE(text->textAtOffset(7, QAccessible::WordBoundary, &wordStart, &wordEnd), QStringLiteral("world"));
    QCOMPARE(wordStart, 6);

    text->setSelection(0, 6, 11);
    QCOMPARE(selected(), QStringLiteral("world"));
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(start, 6);
    QCOMPARE(end, 11);
    QCOMPARE(text->selectionCount(), 1);
    text->removeSelection(0);
    QCOMPARE(text->selectionCount(), 0);
    QVERIFY(selected().isEmpty());

    g_events.clear();
    text->setCursorPosition(3);
    QCOMPARE(text->cursorPosition(), 3);
    QCOMPARE(line ? line->cursorPosition() : rich->textCursor().position(), 3);
    QVERIFY(!eventsOf(QAccessible::TextCaretMoved, widget).isEmpty());

    // Character boxes lie inside the control, left to right, and lead back to their offsets.
    const QRect first = text->characterRect(0);
    const QRect fifth = text->characterRect(4);
    QVERIFY2(iface->rect().contains(first.center()), qPrintable(QStringLiteral("%1,%2").arg(first.x()).arg(first.y())));
    QVERIFY(fifth.left() > first.left());
    QCOMPARE(fifth.top(), first.top());
    QCOMPARE(text->offsetAtPoint(fifth.center()), 4);

    g_events.clear();
    editable->insertText(5, QStringLiteral(","));
    QCOMPARE(content(), QStringLiteral("hello, world"));
    QVERIFY(!eventsOf(QAccessible::TextUpdated, widget).isEmpty());
    editable->replaceText(7, 12, QStringLiteral("there"));
    QCOMPARE(content(), QStringLiteral("hello, there"));
    editable->deleteText(0, 7);
    QCOMPARE(content(), QStringLiteral("there"));

    // Read-only text is read, not changed.
    line ? line->setReadOnly(true) : rich->setReadOnly(true);
    QVERIFY(iface->state().readOnly);
    QVERIFY(!iface->state().editable);
    editable->insertText(0, QStringLiteral("x"));
    QCOMPARE(content(), QStringLiteral("there"));
    line ? line->setReadOnly(false) : rich->setReadOnly(false);
}

// A progress bar reports its value, a slider also takes one.
void tst_DuiAccessible::values()
{
    auto *progress = find<DuiProgressBar>("progress");
    QAccessibleValueInterface *bar = ifaceOf(progress)->valueInterface();
    QVERIFY(bar);
    QCOMPARE(bar->minimumValue().toInt(), 0);
    QCOMPARE(bar->maximumValue().toInt(), 200);
    QCOMPARE(bar->currentValue().toInt(), 50);
    QCOMPARE(ifaceOf(progress)->text(QAccessible::Value), QStringLiteral("25%"));
    bar->setCurrentValue(10);
    QCOMPARE(progress->value(), 50);

    auto *slider = find<DuiSliderWidget>("slider");
    QAccessibleValueInterface *value = ifaceOf(slider)->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->minimumValue().toDouble(), 0.0);
    QCOMPARE(value->maximumValue().toDouble(), 1.0);
    QSignalSpy changed(slider, &DuiSliderBase::valueChanged);
    value->setCurrentValue(0.25);
    QCOMPARE(slider->value(), 0.25);
    QCOMPARE(changed.count(), 1);
    value->setCurrentValue(3.0);
    QCOMPARE(value->currentValue().toDouble(), 1.0);
}

void tst_DuiAccessible::changeEvents_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<int>("event");

    const auto row = [](const char *name, const char *object, const char *property, const QVariant &before,
                        const QVariant &after, QAccessible::Event event) {
        QTest::newRow(name) << QString::fromLatin1(object) << QByteArray(property) << before << after << int(event);
    };
    row("progress value", "progress", "value", 50, 120, QAccessible::ValueChanged);
    row("slider value", "slider", "value", 0.5, 0.75, QAccessible::ValueChanged);
    row("check box", "check", "checkState", QVariant::fromValue(Qt::Unchecked), QVariant::fromValue(Qt::Checked),
        QAccessible::StateChanged);
    row("checkable button", "toggleButton", "checked", false, true, QAccessible::StateChanged);
    row("name", "label", "accessibleName", QString(), QStringLiteral("Greeting"), QAccessible::NameChanged);
    row("line edit text", "lineEdit", "text", QString(), QStringLiteral("abc"), QAccessible::TextUpdated);
    row("combo box choice", "comboOrg", "currentIndex", 0, 1, QAccessible::ValueChanged);
}

// A change made by the program is reported once, for the control that changed, with what it
// changed to.
void tst_DuiAccessible::changeEvents()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QFETCH(int, event);

    auto *widget = m_window->findChild<DuiWidget *>(object);
    QAccessibleInterface *iface = ifaceOf(widget);
    QVERIFY(widget->setProperty(property.constData(), before));
    g_events.clear();
    QVERIFY(widget->setProperty(property.constData(), after));
    const QList<Recorded> seen = eventsOf(QAccessible::Event(event), widget);
    QCOMPARE(seen.size(), 1);
    switch (event) {
    case QAccessible::ValueChanged:
        if (QAccessibleValueInterface *values = iface->valueInterface()) {
            QCOMPARE(seen.constFirst().value.toDouble(), after.toDouble());
            QCOMPARE(values->currentValue().toDouble(), after.toDouble());
        } else {
            QCOMPARE(seen.constFirst().value.toString(), iface->text(QAccessible::Value));
            QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Green"));
        }
        break;
    case QAccessible::StateChanged:
        QVERIFY(seen.constFirst().changed.checked);
        QVERIFY(iface->state().checked);
        break;
    case QAccessible::NameChanged:
        QCOMPARE(iface->text(QAccessible::Name), after.toString());
        break;
    default:
        QCOMPARE(iface->text(QAccessible::Value), after.toString());
    }
}

// Focus moving between controls inside the one view is reported for each control, and the
// window's focus child follows it.
void tst_DuiAccessible::focusEvents()
{
    auto *line = find<DuiLineEdit>("lineEdit");
    auto *rich = find<DuiTextEdit>("textEdit");
    QAccessibleInterface *window = ifaceOf(m_window);
    line->setFocus(true);
    QTRY_COMPARE(window->focusChild(), ifaceOf(line));
    QCOMPARE(eventsOf(QAccessible::Focus, line).size(), 1);
    QVERIFY(ifaceOf(line)->state().focused);

    g_events.clear();
    rich->setFocus();
    QTRY_COMPARE(window->focusChild(), ifaceOf(rich));
    QCOMPARE(eventsOf(QAccessible::Focus, rich).size(), 1);
    QVERIFY(eventsOf(QAccessible::Focus, line).isEmpty());
    QVERIFY(!ifaceOf(line)->state().focused);
    QVERIFY(ifaceOf(rich)->state().focused);
}

// A dialog says it is one, and its accept button is the default one, pressed through its action.
void tst_DuiAccessible::dialog()
{
    auto *dialog = qobject_cast<DuiDialog *>(DuiXmlUI::createFromFile(QStringLiteral(":/theme/commonDlg.xml"), nullptr));
    QVERIFY(dialog);
    QScopedPointer<DuiDialog> owner(dialog);
    dialog->setTitle(QStringLiteral("Confirm"));
    dialog->show();
    QAccessibleInterface *iface = ifaceOf(dialog);
    QCOMPARE(iface->role(), QAccessible::Dialog);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Confirm"));
    auto *accept = dialog->findChild<DuiPushButton *>(QStringLiteral("buttonAccept"));
    auto *reject = dialog->findChild<DuiPushButton *>(QStringLiteral("buttonReject"));
    QVERIFY(ifaceOf(accept)->state().defaultButton);
    QVERIFY(!ifaceOf(reject)->state().defaultButton);
    QVERIFY(!ifaceOf(m_window->findChild<DuiPushButton *>(QStringLiteral("plainButton")))->state().defaultButton);
    QSignalSpy accepted(dialog, &DuiDialog::accepted);
    ifaceOf(accept)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(accepted.count(), 1);
}

// The whole gallery, every page, walked from its window: each node's children name it as their
// parent at the index it gives them, no node appears twice, and every control outside another
// control is reached.
void tst_DuiAccessible::galleryTreeIsConsistent()
{
    QScopedPointer<DuiFrameWindow> window(gallery::build());
    QVERIFY(window);
    window->show();
    QSet<QObject *> reached;
    QList<QAccessibleInterface *> pending{ifaceOf(window.data())};
    int nodes = 0;
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeLast();
        ++nodes;
        QVERIFY(node->role() != QAccessible::NoRole);
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            QVERIFY(child);
            QCOMPARE(child->parent(), node);
            QCOMPARE(node->indexOfChild(child), i);
            if (child->object())
                QVERIFY2(!reached.contains(child->object()), qPrintable(child->object()->objectName()));
            reached.insert(child->object());
            pending.append(child);
        }
    }
    const auto isLeafControl = [](const QObject *o) {
        return qobject_cast<const DuiPushButton *>(o) || qobject_cast<const DuiCheckBox *>(o)
               || qobject_cast<const DuiLineEdit *>(o) || qobject_cast<const DuiTextEdit *>(o)
               || qobject_cast<const DuiComboBox *>(o) || qobject_cast<const DuiComboBoxOrg *>(o)
               || qobject_cast<const DuiSliderBase *>(o) || qobject_cast<const DuiProgressBar *>(o)
               || qobject_cast<const DuiLabelWidget *>(o) || qobject_cast<const DuiTab *>(o)
               || qobject_cast<const DuiScrollText *>(o);
    };
    int controls = 0;
    const QList<DuiWidget *> widgets = window->findChildren<DuiWidget *>();
    for (DuiWidget *widget : widgets) {
        if (!isLeafControl(widget))
            continue;
        bool inside = false;
        for (QGraphicsItem *up = widget->parentItem(); up && !inside; up = up->parentItem())
            inside = up->isWidget() && (isLeafControl(static_cast<QGraphicsWidget *>(up))
                                        || qobject_cast<DuiListCtrl *>(static_cast<QGraphicsWidget *>(up)));
        if (inside)
            continue;
        ++controls;
        QVERIFY2(reached.contains(widget), qPrintable(QString::fromLatin1(widget->metaObject()->className())
                                                      + QLatin1Char(' ') + widget->objectName()));
    }
    QVERIFY(controls > 20);
    QVERIFY(nodes > controls);
}

// A list keeps the place of a row whose item was deleted from outside; pressing a later row still
// selects that row, not the one its position among the remaining children names. (Last: it
// changes the shared window's list.)
void tst_DuiAccessible::pressAfterARowWentAway()
{
    auto *list = m_window->findChild<DuiListWidget *>(QStringLiteral("list"));
    QVERIFY(list);
    QVERIFY(list->container()->itemCount() >= 3);
    delete list->viewItemAt(0);
    QCOMPARE(list->viewItemAt(0), nullptr);
    QAccessibleInterface *iface = ifaceOf(list);
    QAccessibleInterface *first = iface->child(0); // the list's second row
    QCOMPARE(first->object(), list->viewItemAt(1));
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(list->indexSelected(), 1);
}

// Runs the tests under a private X server and D-Bus session; the child is this program again.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildFlag)) {
        QApplication app(argc, argv);
        tst_DuiAccessible test;
        return QTest::qExec(&test, argc, argv);
    }

    QString why;
    XvfbServer server;
    const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    if (session.isEmpty())
        why = QStringLiteral("dbus-run-session is not installed (Debian package dbus-daemon)");
    else if (!QFileInfo::exists(QStringLiteral("/usr/libexec/at-spi-bus-launcher")))
        why = QStringLiteral("the AT-SPI bus launcher is not installed (Debian package at-spi2-core)");
    else if (server.start(&why)) {
        qputenv(kChildFlag, "1");
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        QStringList args{QStringLiteral("--"), QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath()};
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        QByteArray output;
        const int code = server.runClient(session, args, &output, 120000);
        std::fwrite(output.constData(), 1, size_t(output.size()), stdout);
        return code;
    }
    g_skipReason = why;
    QApplication app(argc, argv);
    tst_DuiAccessible test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duiaccessible.moc"
