// SPDX-License-Identifier: MIT
// Both combo boxes and their drop-down windows, driven by real mouse and key events through the
// views. The offscreen platform runs with two screens, the second left of the primary at negative
// coordinates; a client under a private Xvfb repeats the open-and-close round with X input.
#include <duicombobox.h>
#include <duicomboboxlistwindow_p.h>
#include <duicomboboxorg.h>
#include <duilabelwidget.h>
#include <duilineedit.h>
#include <duilistctrl.h>
#include <duilistctrrowwidget.h>
#include <duilistwidget.h>
#include <duipushbutton.h>
#include <duixmlui.h>

#include "twoscreens.h"
#include "../platform/xvfbtestutil.h"

#include <QtCore/qfile.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qscreen.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsview.h>

namespace {

const QRect kPrimary = TwoScreens::primary;
const QRect kLeft = TwoScreens::left;

// A view at `topLeft` (global) holding one combo box of either kind at (20, 20), 160 x 24.
struct Fixture
{
    QGraphicsScene scene;
    QGraphicsView view{&scene};
    QPointer<DuiWidget> combo;
    QPointer<DuiComboBox> box;
    QPointer<DuiComboBoxOrg> org;

    Fixture(bool modelBased, int items, const QPoint &topLeft = QPoint(200, 200))
    {
        if (modelBased) {
            org = new DuiComboBoxOrg;
            combo = org;
            if (items > 0) {
                auto *model = new QStandardItemModel;
                for (int i = 0; i < items; ++i)
                    model->appendRow(new QStandardItem(QStringLiteral("Item %1").arg(i)));
                org->setModel(model);
            }
        } else {
            box = new DuiComboBox;
            combo = box;
            for (int i = 0; i < items; ++i)
                box->insert(i, QStringLiteral("Item %1").arg(i), i * 10);
        }
        scene.addItem(combo);
        combo->setGeometry(20, 20, 160, 24);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setSceneRect(0, 0, 200, 64);
        view.setGeometry(QRect(topLeft, QSize(200, 64)));
    }
    ~Fixture() { delete combo.data(); }
    bool show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    DuiPushButton *button() const { return combo->findChild<DuiPushButton *>(); }
    DuiLineEdit *edit() const { return combo->findChild<DuiLineEdit *>(); }
    DuiComboBoxListWindowBase *window() const
    {
        const QList<QWidget *> tops = QApplication::topLevelWidgets();
        for (QWidget *w : tops) {
            auto *window = qobject_cast<DuiComboBoxListWindowBase *>(w);
            if (window && window->owner() == combo)
                return window;
        }
        return nullptr;
    }
    bool open() const { return window() && window()->isVisible(); }
    int current() const { return box ? box->currentIndex() : org->currentIndex(); }
    QPoint inView(const QGraphicsWidget *w, QPointF local = QPointF(-1, -1)) const
    {
        if (local.x() < 0)
            local = w->rect().center();
        return view.mapFromScene(w->mapToScene(local));
    }
    // A real press and release through the view's window, as the platform delivers them.
    void clickButton() { QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, inView(button())); }
    void clickRow(int row)
    {
        DuiComboBoxListWindowBase *w = window();
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, QPoint(30, 1 + 2 + 24 * row + 12));
    }
    void key(Qt::Key k) { QTest::keyClick(window(), k); }
};

// Deletes its target from whatever signal it is connected to.
class Deleter : public QObject
{
    Q_OBJECT
public:
    QPointer<DuiWidget> target;
public Q_SLOTS:
    void kill() { delete target.data(); }
};

int g_itemsAlive = 0;

class CountingItem : public IDuiComboBoxItem
{
public:
    CountingItem() { ++g_itemsAlive; }
    ~CountingItem() override { --g_itemsAlive; }
    void initItemWidget(DuiWidget *row, const QString &text, const QVariant &) override { rows << qMakePair(row, text); }
    void attach(DuiComboBox *box) override { attached << box; }
    void itemSelected(DuiComboBox *, const QString &text, const QVariant &data) override { selected << text + data.toString(); }
    QList<QPair<DuiWidget *, QString>> rows;
    QList<DuiComboBox *> attached;
    QStringList selected;
};

// The data rows of a test that runs for both kinds of combo box.
void bothKinds()
{
    QTest::addColumn<bool>("modelBased");
    QTest::newRow("DuiComboBox") << false;
    QTest::newRow("DuiComboBoxOrg") << true;
}

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform cannot raise windows or grab the keyboard and says so on every popup.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")) && g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

class tst_DuiComboBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void placement_data();
    void placement();
    void opensOnTheComboScreen_data();
    void opensOnTheComboScreen();
    void buttonOpensAndCloses_data();
    void buttonOpensAndCloses();
    void listHeights();
    void chooseByClick_data();
    void chooseByClick();
    void keysAndEscape_data();
    void keysAndEscape();
    void insertKeepsCurrent();
    void itemInterfaceOwnership();
    void receiverDeletesCombo_data();
    void receiverDeletesCombo();
    void orgWithoutModel();
    void orgFromXml();
    void editableAndHitTest();
    void xvfbOpenAndClose();
};

void tst_DuiComboBox::initTestCase()
{
    // After the test library's own handler, which this one passes the rest to.
    g_previousHandler = qInstallMessageHandler(quietPlatform);
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void tst_DuiComboBox::placement_data()
{
    QTest::addColumn<QRect>("combo");
    QTest::addColumn<int>("listHeight");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("below") << QRect(100, 100, 150, 24) << 196 << QRect(100, 125, 150, 200);
    QTest::newRow("bottom edge: above") << QRect(100, 770, 150, 24) << 196 << QRect(100, 569, 150, 200);
    QTest::newRow("left screen, below") << QRect(-900, 300, 150, 24) << 96 << QRect(-900, 325, 150, 100);
    // Room enough below on the primary screen, not on the lower left one, whose bottom is 867.
    QTest::newRow("left screen bottom: above") << QRect(-900, 700, 150, 24) << 196 << QRect(-900, 499, 150, 200);
    QTest::newRow("neither fits, more below") << QRect(100, 300, 150, 24) << 2000 << QRect(100, 325, 150, 475);
    QTest::newRow("neither fits, more above") << QRect(100, 500, 150, 24) << 2000 << QRect(100, 0, 150, 499);
    QTest::newRow("right edge") << QRect(1200, 100, 150, 24) << 48 << QRect(1130, 125, 150, 52);
    QTest::newRow("across the seam") << QRect(-100, 300, 150, 24) << 48 << QRect(-150, 325, 150, 52);
    QTest::newRow("wider than the screen") << QRect(-1100, 300, 1200, 24) << 48 << QRect(-1024, 325, 1024, 52);
}

void tst_DuiComboBox::placement()
{
    QFETCH(QRect, combo);
    QFETCH(int, listHeight);
    QFETCH(QRect, expected);
    const QRect placed = DuiComboCommon::dropDownGeometry(combo, listHeight);
    QCOMPARE(placed, expected);
    const QRect screen = combo.center().x() < 0 ? kLeft : kPrimary;
    QVERIFY(screen.contains(placed));
    QVERIFY(!placed.intersects(combo));
}

void tst_DuiComboBox::opensOnTheComboScreen_data()
{
    QTest::addColumn<bool>("modelBased");
    QTest::addColumn<QPoint>("viewPos");
    QTest::addColumn<bool>("above");
    QTest::newRow("list control, left screen, middle") << false << QPoint(-700, 300) << false;
    QTest::newRow("list control, left screen, bottom edge") << false << QPoint(-700, 867 - 64) << true;
    QTest::newRow("list widget, primary, bottom edge") << true << QPoint(500, 800 - 64) << true;
    QTest::newRow("list widget, left screen, top") << true << QPoint(-300, 100) << false;
}

void tst_DuiComboBox::opensOnTheComboScreen()
{
    QFETCH(bool, modelBased);
    QFETCH(QPoint, viewPos);
    QFETCH(bool, above);
    Fixture f(modelBased, 10, viewPos);
    QVERIFY(f.show());
    f.clickButton();
    QTRY_VERIFY(f.open());
    const QRect combo(f.view.mapToGlobal(QPoint(20, 20)), QSize(160, 24));
    const QRect window = f.window()->geometry();
    QCOMPARE(window.size(), QSize(160, 200));
    QCOMPARE(window.left(), combo.left());
    if (above)
        QCOMPARE(window.bottom(), combo.top() - 2);
    else
        QCOMPARE(window.top(), combo.bottom() + 2);
    QVERIFY((viewPos.x() < 0 ? kLeft : kPrimary).contains(window));
}

void tst_DuiComboBox::buttonOpensAndCloses_data()
{
    bothKinds();
}

void tst_DuiComboBox::buttonOpensAndCloses()
{
    QFETCH(bool, modelBased);
    Fixture f(modelBased, 3);
    QVERIFY(f.show());
    QSignalSpy about(f.combo.data(), SIGNAL(aboutToDropDown()));
    f.clickButton();
    QTRY_VERIFY(f.open());
    QVERIFY(f.button()->checked());
    QCOMPARE(about.count(), 1);

    // The press on the button while the list is open lands on the popup, which closes; it
    // must not reach the button and open the list again.
    f.clickButton();
    QTRY_VERIFY(!f.open());
    QTest::qWait(50);
    QVERIFY(!f.open());
    QVERIFY(!f.button()->checked());

    // A press elsewhere in the window closes the list too.
    f.clickButton();
    QTRY_VERIFY(f.open());
    QTest::mouseClick(f.view.windowHandle(), Qt::LeftButton, {}, QPoint(190, 55));
    QTRY_VERIFY(!f.open());
    QVERIFY(!f.button()->checked());

    // And the button's own click, where no popup stands in between, closes it as well.
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.button()->setChecked(false);
    QMetaObject::invokeMethod(f.combo, "onDropDownButtonClicked");
    QVERIFY(!f.open());
}

void tst_DuiComboBox::listHeights()
{
    struct Case
    {
        bool modelBased;
        int items;
        int maxHeight;
        int windowHeight;
    } const cases[] = {{false, 0, 196, 100}, {false, 10, 196, 200}, {false, 2, 196, 52},
                       {true, 3, 196, 76},   {true, 10, 100, 104}};
    for (const Case &c : cases) {
        Fixture f(c.modelBased, c.items);
        if (f.box)
            f.box->setMaxdropDownListHeight(c.maxHeight);
        else
            f.org->setMaxdropDownListHeight(c.maxHeight);
        QVERIFY(f.show());
        f.clickButton();
        QTRY_VERIFY(f.open());
        QCOMPARE(f.window()->height(), c.windowHeight);
        QCOMPARE(f.window()->list()->size(), QSizeF(158, c.windowHeight - 2));
    }
}

void tst_DuiComboBox::chooseByClick_data()
{
    bothKinds();
}

void tst_DuiComboBox::chooseByClick()
{
    QFETCH(bool, modelBased);
    Fixture f(modelBased, 5);
    QVERIFY(f.show());
    QSignalSpy activated(f.combo.data(), SIGNAL(activated(int)));
    QSignalSpy changed(f.combo.data(), SIGNAL(currentIndexChanged(int)));
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.clickRow(2);
    QVERIFY(!f.open());
    QVERIFY(!f.button()->checked());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toInt(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(f.current(), 2);
    QCOMPARE(f.edit()->text(), QStringLiteral("Item 2"));

    // The current item again: always activated; changed only for the model-based box.
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.clickRow(2);
    QCOMPARE(activated.count(), 2);
    QCOMPARE(changed.count(), modelBased ? 2 : 1);

    // Setting the index from code selects the text and emits nothing.
    if (f.box)
        f.box->setCurrentIndex(4);
    else
        f.org->setCurrentIndex(4);
    QCOMPARE(f.edit()->text(), QStringLiteral("Item 4"));
    QCOMPARE(activated.count(), 2);
    QCOMPARE(changed.count(), modelBased ? 2 : 1);
    if (f.box)
        f.box->setCurrentIndex(5);
    else
        f.org->setCurrentIndex(-1);
    QCOMPARE(f.current(), 4);
}

void tst_DuiComboBox::keysAndEscape_data()
{
    bothKinds();
}

void tst_DuiComboBox::keysAndEscape()
{
    QFETCH(bool, modelBased);
    Fixture f(modelBased, 12);
    QVERIFY(f.show());
    QSignalSpy changed(f.combo.data(), SIGNAL(currentIndexChanged(int)));

    // From no current item, Up stops at the first row.
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.key(Qt::Key_Up);
    QCOMPARE(f.current(), 0);
    f.key(Qt::Key_Up);
    QCOMPARE(f.current(), 0);
    f.key(Qt::Key_Escape);
    QVERIFY(!f.open());
    QCOMPARE(f.current(), -1);
    QVERIFY(!f.button()->checked());

    if (f.box)
        f.box->setCurrentIndex(1);
    else
        f.org->setCurrentIndex(1);
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Down);
    QCOMPARE(f.current(), 3);
    f.key(Qt::Key_Escape);
    QCOMPARE(f.current(), 1);
    QCOMPARE(f.edit()->text(), QStringLiteral("Item 1"));
    QCOMPARE(changed.count(), 0);

    f.clickButton();
    QTRY_VERIFY(f.open());
    f.key(Qt::Key_End);
    QCOMPARE(f.current(), 11);
    f.key(Qt::Key_Down);
    QCOMPARE(f.current(), 11);
    // The last row scrolled into view in the 196-pixel list.
    if (f.box) {
        const auto *list = static_cast<DuiListCtrl *>(f.window()->list());
        QCOMPARE(list->getRowBkCtrl(11)->status(), int(DuiListCtrRowWidget::Active));
        QVERIFY(list->scrollPos() > 0);
    } else {
        QCOMPARE(static_cast<DuiListWidget *>(f.window()->list())->indexSelected(), 11);
    }
    f.key(Qt::Key_Home);
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Return);
    QVERIFY(!f.open());
    QCOMPARE(f.current(), 1);
    QCOMPARE(changed.count(), modelBased ? 1 : 0); // 1 was current before the list opened
    f.clickButton();
    QTRY_VERIFY(f.open());
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Enter);
    QCOMPARE(f.current(), 2);
    QCOMPARE(f.edit()->text(), QStringLiteral("Item 2"));
}

void tst_DuiComboBox::insertKeepsCurrent()
{
    auto *item = new CountingItem;
    DuiComboBox box(nullptr, item);
    box.insert(0, QStringLiteral("b"), 2);
    box.insert(0, QStringLiteral("a"), 1);
    box.insert(2, QStringLiteral("d"), 4);
    box.insert(-1, QStringLiteral("x"));
    box.insert(4, QStringLiteral("x"));
    QCOMPARE(box.count(), 3);
    QCOMPARE(item->rows.size(), 3);
    QCOMPARE(item->rows.at(1).second, QStringLiteral("a"));
    QCOMPARE(item->rows.at(1).first->findChild<DuiLabelWidget *>(QStringLiteral("Label"))->text(), QStringLiteral("a"));

    box.setCurrentIndex(1);
    QCOMPARE(box.currentText(), QStringLiteral("b"));
    QCOMPARE(item->selected, QStringList{QStringLiteral("b2")});
    box.insert(1, QStringLiteral("c"), 3); // at the current item
    QCOMPARE(box.currentIndex(), 2);
    QCOMPARE(box.currentText(), QStringLiteral("b"));
    box.insert(0, QStringLiteral("0"), 0); // before it
    QCOMPARE(box.currentIndex(), 3);
    box.insert(4, QStringLiteral("e"), 5); // after it
    QCOMPARE(box.currentIndex(), 3);
    QCOMPARE(box.currentText(), QStringLiteral("b"));
    QCOMPARE(box.itemData(3), QVariant(2));
}

void tst_DuiComboBox::itemInterfaceOwnership()
{
    g_itemsAlive = 0;
    auto *first = new CountingItem;
    QPointer<DuiComboBoxListWindowBase> window;
    {
        Fixture f(false, 2);
        f.box->setComboBoxItem(first);
        QCOMPARE(first->attached, QList<DuiComboBox *>{f.box.data()});
        f.box->setComboBoxItem(first); // the same object: kept, not attached twice
        QCOMPARE(g_itemsAlive, 1);
        QCOMPARE(first->attached.size(), 1);
        QCOMPARE(f.box->comboBoxItem(), first);
        f.box->setComboBoxItem(new CountingItem);
        QCOMPARE(g_itemsAlive, 1);
        window = f.window();
        QVERIFY(window);
    }
    // The box deleted its item and its window.
    QCOMPARE(g_itemsAlive, 0);
    QVERIFY(!window);

    // A window deleted behind the box's back is made again.
    Fixture f(false, 0);
    delete f.window();
    f.box->insert(0, QStringLiteral("again"));
    QVERIFY(f.window());
    QCOMPARE(f.box->count(), 1);
}

void tst_DuiComboBox::receiverDeletesCombo_data()
{
    QTest::addColumn<bool>("modelBased");
    QTest::addColumn<QByteArray>("signal");
    for (bool modelBased : {false, true}) {
        const char *kind = modelBased ? "org" : "box";
        QTest::addRow("%s, aboutToDropDown", kind) << modelBased << QByteArray(SIGNAL(aboutToDropDown()));
        QTest::addRow("%s, activated", kind) << modelBased << QByteArray(SIGNAL(activated(int)));
        QTest::addRow("%s, currentIndexChanged", kind) << modelBased << QByteArray(SIGNAL(currentIndexChanged(int)));
    }
}

void tst_DuiComboBox::receiverDeletesCombo()
{
    QFETCH(bool, modelBased);
    QFETCH(QByteArray, signal);
    Fixture f(modelBased, 3);
    QVERIFY(f.show());
    Deleter deleter;
    deleter.target = f.combo;
    QVERIFY(QObject::connect(f.combo, signal.constData(), &deleter, SLOT(kill())));
    const QPointer<DuiComboBoxListWindowBase> window = f.window();
    f.clickButton();
    if (f.combo) {
        QTRY_VERIFY(f.open());
        f.clickRow(1);
    }
    QVERIFY(!f.combo);
    QVERIFY(!window);
    QCoreApplication::processEvents();
}

void tst_DuiComboBox::orgWithoutModel()
{
    Fixture f(true, 0);
    QVERIFY(f.show());
    QCOMPARE(f.org->count(), 0);
    QCOMPARE(f.org->currentText(), QString());
    f.clickButton();
    QTest::qWait(20);
    QVERIFY(!f.open());
    QVERIFY(!f.button()->checked());

    f.org->setData({QVariantMap{{"text", "one"}, {"icon", ""}}, QVariantMap{{"text", "two"}, {"icon", ":/theme/duifw/busy.gif"}}});
    QStandardItemModel *model = f.org->model();
    QCOMPARE(f.org->count(), 2);
    QVERIFY(!model->item(1)->icon().isNull());
    f.org->setData({});
    QCOMPARE(f.org->model(), model);
    QCOMPARE(f.org->property("data").toList(), QVariantList());
    f.org->setProperty("currentIndex", 1);
    QCOMPARE(f.org->currentText(), QStringLiteral("two"));
}

void tst_DuiComboBox::orgFromXml()
{
    DuiWidget root;
    QVERIFY(DuiXmlUI::createFromMemory("<xmlui><DuiComboBoxOrg objectName='org' editable='true' fixSize='140,24'>"
                                       "<ComboData><i text='red'/><i text='green'/><i text='blue'/></ComboData>"
                                       "</DuiComboBoxOrg>"
                                       "<DuiComboBox objectName='box' currentIndex='3'/></xmlui>",
                                       &root));
    auto *org = root.findChild<DuiComboBoxOrg *>(QStringLiteral("org"));
    QVERIFY(org);
    QCOMPARE(org->count(), 3);
    QVERIFY(org->isEditable());
    org->setCurrentIndex(2);
    QCOMPARE(org->lineEdit()->text(), QStringLiteral("blue"));
    auto *box = root.findChild<DuiComboBox *>(QStringLiteral("box"));
    QVERIFY(box);
    QVERIFY(!box->comboBoxItem());
    QCOMPARE(box->currentIndex(), -1); // no items: the index was refused
}

void tst_DuiComboBox::editableAndHitTest()
{
    Fixture f(false, 2);
    QVERIFY(f.show());
    QVERIFY(!f.box->isEditable());
    QVERIFY(f.edit()->isReadOnly());
    f.box->setEditable(true);
    QVERIFY(!f.edit()->isReadOnly());
    QSignalSpy edited(f.box.data(), &DuiComboBox::editTextChanged);
    QTest::keyClicks(f.edit()->lineEdit(), QStringLiteral("ab"));
    QCOMPARE(edited.count(), 2);
    QCOMPARE(edited.last().at(0).toString(), QStringLiteral("ab"));

    const QPoint origin = f.view.mapToGlobal(QPoint(0, 0));
    QCOMPARE(f.box->hitTestGlobal(origin + f.inView(f.button())), 1);
    QCOMPARE(f.box->hitTestGlobal(origin + QPoint(40, 30)), 2);
    QCOMPARE(f.box->hitTestGlobal(origin + QPoint(5, 5)), 0);

    f.box->setEnabled(false);
    QVERIFY(f.box->graphicsEffect());
    f.box->setEnabled(true);
    QVERIFY(!f.box->graphicsEffect());
    // A click on the read-only field of the model-based box opens its list as the button does.
    Fixture g(true, 3);
    QVERIFY(g.show());
    QTest::mouseClick(g.view.windowHandle(), Qt::LeftButton, {}, g.inView(g.edit()));
    QTRY_VERIFY(g.open());
    QVERIFY(g.button()->checked());
}

// The client half of the Xvfb test: real X input opens the list and closes it with the button.
int runXvfbClient()
{
    XTestInput input;
    QString why;
    if (!input.open(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return XClientSkipped;
    }
    for (bool modelBased : {false, true}) {
        Fixture f(modelBased, 4, QPoint(100, 100));
        if (!f.show())
            return fail("view not exposed");
        QTest::qWait(200);
        const QPoint onButton = f.view.mapToGlobal(f.inView(f.button()));
        const auto click = [&] {
            input.moveTo(onButton.x(), onButton.y());
            QTest::qWait(50);
            input.button(1, true);
            QTest::qWait(30);
            input.button(1, false);
        };
        click();
        if (!waitFor([&] { return f.open(); }))
            return fail("the button did not open the list");
        QTest::qWait(200);
        click();
        if (!waitFor([&] { return !f.open(); }))
            return fail("the button did not close the list");
        QTest::qWait(300);
        if (f.open() || f.button()->checked())
            return fail("the list opened again, or the button stayed down");
        // Choosing with the pointer.
        click();
        if (!waitFor([&] { return f.open(); }))
            return fail("the list did not open a second time");
        const QPoint row = f.window()->mapToGlobal(QPoint(30, 1 + 2 + 24 + 12));
        input.moveTo(row.x(), row.y());
        QTest::qWait(50);
        input.button(1, true);
        input.button(1, false);
        if (!waitFor([&] { return !f.open() && f.current() == 1; }))
            return fail("clicking a row did not choose it");
    }
    std::printf("OK\n");
    return 0;
}

void tst_DuiComboBox::xvfbOpenAndClose()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-combo-client");
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-combo-client") == 0) {
        QApplication app(argc, argv);
        return runXvfbClient();
    }
    QTemporaryDir config;
    if (!TwoScreens::use(config))
        return 1;
    QApplication app(argc, argv);
    tst_DuiComboBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duicombobox.moc"
