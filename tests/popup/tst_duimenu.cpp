// SPDX-License-Identifier: MIT
// Menus built from menu files, their slots, their sheets and their placement. The offscreen
// platform runs with two screens, the second left of the primary at negative coordinates.
#include <duimenu.h>
#include <duitheme.h>
#include <duixmldiagnostics.h>

#include "twoscreens.h"
#include "duimenu_p.h"

#include <QtCore/qregularexpression.h>
#include <QtCore/qtemporarydir.h>
#include <QtCore/qtimer.h>
#include <QtGui/qcursor.h>
#include <QtGui/qscreen.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>

#include <sys/stat.h>

namespace {

const QRect kPrimary = TwoScreens::primary;
const QRect kLeft = TwoScreens::left;

void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

QStringList names(const QMenu *menu)
{
    QStringList result;
    for (const QAction *a : menu->actions())
        result << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return result;
}

const QByteArray kEditMenu = "<xmlui>\n"
                             "<ActionGroup>\n"
                             "  <Action objectName=\"cut\" text=\"Cut\" shortcut=\"Ctrl+X\" toolTip=\"tip\"/>\n"
                             "  <Action objectName=\"copy\" text=\"Copy\" enabled=\"false\" />\n"
                             "  <Separator objectName=\"line\"/>\n"
                             "  <ActionGroup objectName=\"more\" text=\"More\">\n"
                             "    <Action objectName=\"deep\" text=\"Deep\"/>\n"
                             "    <Action objectName=\"cut\" text=\"Second cut\"/>\n"
                             "  </ActionGroup>\n"
                             "  <Action objectName=\"wrap\" text=\"Wrap\" checked=\"true\" checkable=\"true\"/>\n"
                             "  <Action objectName=\"under_score\" text=\"U\"/>\n"
                             "</ActionGroup>\n"
                             "</xmlui>\n";

// Slot names follow on_<action>_triggered(bool); the base's slot is inherited and not connected.
class BaseReceiver : public QObject
{
    Q_OBJECT
public:
    int inherited = 0;
public Q_SLOTS:
    void on_copy_triggered(bool) { ++inherited; }
};

class Receiver : public BaseReceiver
{
    Q_OBJECT
public:
    QStringList calls;
public Q_SLOTS:
    void on_cut_triggered(bool) { calls << QStringLiteral("cut"); }
    void on_deep_triggered(bool) { calls << QStringLiteral("deep"); }
    void on_wrap_triggered(bool checked) { calls << (checked ? QStringLiteral("wrap on") : QStringLiteral("wrap off")); }
    void on_under_score_triggered(bool) { calls << QStringLiteral("under"); }
    void on_paste_triggered(bool) { calls << QStringLiteral("paste"); }
    void on_plain() { calls << QStringLiteral("plain"); }
};

} // namespace

class tst_DuiMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void buildsTreeFromFile();
    void checkableGoesFirst_data();
    void checkableGoesFirst();
    void slotsFireOnceAcrossFiles();
    void lookupAndRemoveByName();
    void invokableByName();
    void badFiles_data();
    void badFiles();
    void iconNamingAPipe();
    void sheetOfRowAtCreation();
    void sheetsNameTheirImages();
    void renderedColoursFollowRow();
    void placement_data();
    void placement();
    void cursorOverloadsForgetTheRectangle();
    void screenForPointOffEveryScreen();

private:
    QString file(const QString &name, const QByteArray &text)
    {
        const QString path = m_dir.filePath(name);
        writeFile(path, text);
        return path;
    }
    QTemporaryDir m_dir;
};

void tst_DuiMenu::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void tst_DuiMenu::buildsTreeFromFile()
{
    DuiMenu menu;
    DuiXmlDiagnostics diagnostics;
    QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
    QCOMPARE(names(&menu), (QStringList{"cut", "copy", "-", "more", "wrap", "under_score"}));

    QAction *cut = menu.actionByIndex(0);
    QCOMPARE(cut->text(), QStringLiteral("Cut"));
    QCOMPARE(cut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    QCOMPARE(cut->toolTip(), QStringLiteral("tip"));
    QVERIFY(!menu.actionByIndex(1)->isEnabled());
    QVERIFY(menu.actionByIndex(2)->isSeparator());
    QCOMPARE(menu.actionByIndex(2)->objectName(), QStringLiteral("line"));
    QVERIFY(diagnostics.isEmpty());

    // The sub-menu is a DuiMenu child of its menu; it and its action share the name.
    QAction *more = menu.actionByIndex(3);
    auto *sub = qobject_cast<DuiMenu *>(more->menu());
    QVERIFY(sub);
    QCOMPARE(sub->parent(), &menu);
    QCOMPARE(sub->objectName(), QStringLiteral("more"));
    QCOMPARE(more->text(), QStringLiteral("More"));
    QCOMPARE(names(sub), (QStringList{"deep", "cut"}));
    QCOMPARE(menu.actionByName(QStringLiteral("more")), more);
    QCOMPARE(menu.actionByName(QStringLiteral("deep")), sub->actionByIndex(0));
    QCOMPARE(menu.actionByIndex(-1), nullptr);
    QCOMPARE(menu.actionByIndex(6), nullptr);
    QCOMPARE(menu.actionByName(QStringLiteral("absent")), nullptr);

    // A second file appends to what is there. Unknown attributes stay on the action for the
    // host, and the diagnostics name them.
    QVERIFY(menu.createFromFile(file(QStringLiteral("second.xml"), "<xmlui><ActionGroup>\n<Action objectName=\"paste\" note=\"x\"/></ActionGroup></xmlui>")));
    QCOMPARE(menu.actions().size(), 7);
    QCOMPARE(menu.actionByIndex(6)->property("note").toString(), QStringLiteral("x"));
    const QList<DuiXmlDiagnostics::Record> unknown = diagnostics.records(DuiXmlDiagnostics::UnknownAttribute);
    QCOMPARE(unknown.size(), 1);
    QCOMPARE(unknown.first().line, 2);
    QCOMPARE(diagnostics.count(), 1);
}

void tst_DuiMenu::checkableGoesFirst_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<bool>("checked");
    QTest::newRow("checkable first") << QByteArray("checkable=\"true\" checked=\"true\"") << true;
    QTest::newRow("checked first") << QByteArray("checked=\"true\" checkable=\"true\"") << true;
    QTest::newRow("unchecked") << QByteArray("checked=\"false\" checkable=\"true\"") << false;
    QTest::newRow("not checkable") << QByteArray("checked=\"true\"") << false;
}

void tst_DuiMenu::checkableGoesFirst()
{
    QFETCH(QByteArray, attributes);
    QFETCH(bool, checked);
    DuiMenu menu;
    QVERIFY(menu.createFromFile(file(QStringLiteral("check.xml"), "<xmlui><ActionGroup><Action " + attributes + "/></ActionGroup></xmlui>")));
    QCOMPARE(menu.actionByIndex(0)->isChecked(), checked);
}

void tst_DuiMenu::slotsFireOnceAcrossFiles()
{
    DuiMenu menu;
    Receiver receiver;
    QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu), &receiver));

    menu.actionByIndex(0)->trigger(); // cut
    menu.actionByName(QStringLiteral("deep"))->trigger();
    menu.actionByName(QStringLiteral("wrap"))->trigger(); // checked: goes off
    menu.actionByName(QStringLiteral("under_score"))->trigger();
    menu.actionByIndex(1)->setEnabled(true);
    menu.actionByIndex(1)->trigger(); // copy: only the base class has the slot
    QCOMPARE(receiver.calls, (QStringList{"cut", "deep", "wrap off"}));
    QCOMPARE(receiver.inherited, 0);

    // A second file connects its own actions and leaves the first file's alone.
    receiver.calls.clear();
    QVERIFY(menu.createFromFile(file(QStringLiteral("paste.xml"), "<xmlui><ActionGroup><Action objectName=\"paste\"/></ActionGroup></xmlui>"),
                                &receiver));
    menu.actionByIndex(0)->trigger();
    menu.actionByName(QStringLiteral("paste"))->trigger();
    QCOMPARE(receiver.calls, (QStringList{"cut", "paste"}));

    // Queued connections wait for the event loop.
    DuiMenu queued;
    Receiver later;
    QVERIFY(queued.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu), &later, Qt::QueuedConnection));
    queued.actionByIndex(0)->trigger();
    QVERIFY(later.calls.isEmpty());
    QTRY_COMPARE(later.calls, QStringList{"cut"});
}

void tst_DuiMenu::lookupAndRemoveByName()
{
    DuiMenu menu;
    Receiver receiver;
    QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
    QVERIFY(menu.connectMenuAction(QStringLiteral("deep"), &receiver, SLOT(on_cut_triggered(bool))));
    QVERIFY(!menu.connectMenuAction(QStringLiteral("absent"), &receiver, SLOT(on_cut_triggered(bool))));
    QVERIFY(!menu.connectMenuAction(QStringLiteral("cut"), &receiver, SLOT(noSuchSlot(bool))));
    menu.actionByName(QStringLiteral("deep"))->trigger();
    QCOMPARE(receiver.calls, QStringList{"cut"});

    // Both "cut" actions go, at every depth; removed actions are not deleted.
    QPointer<QAction> first = menu.actionByIndex(0);
    menu.removeAction(QStringLiteral("cut"));
    QCOMPARE(names(&menu), (QStringList{"copy", "-", "more", "wrap", "under_score"}));
    QCOMPARE(names(menu.actionByName(QStringLiteral("more"))->menu()), QStringList{"deep"});
    QVERIFY(first);
    // Removing a sub-menu's action leaves its items unsearched.
    menu.removeAction(QStringLiteral("more"));
    QCOMPARE(menu.actionByName(QStringLiteral("deep")), nullptr);
}

void tst_DuiMenu::invokableByName()
{
    DuiMenu menu;
    QAction *action = nullptr;
    QVERIFY(QMetaObject::invokeMethod(&menu, "addAction", Q_RETURN_ARG(QAction *, action), Q_ARG(QString, QStringLiteral("Open"))));
    QVERIFY(action);
    QAction *separator = nullptr;
    QVERIFY(QMetaObject::invokeMethod(&menu, "insertSeparator", Q_RETURN_ARG(QAction *, separator), Q_ARG(QAction *, action)));
    QMenu *sub = nullptr;
    QVERIFY(QMetaObject::invokeMethod(&menu, "addMenu", Q_RETURN_ARG(QMenu *, sub), Q_ARG(QString, QStringLiteral("Sub"))));
    QCOMPARE(menu.actions(), (QList<QAction *>{separator, action, sub->menuAction()}));
    QVERIFY(separator->isSeparator());
}

void tst_DuiMenu::badFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("built");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("actions");

    QTest::newRow("malformed") << QByteArray("<xmlui>\n<ActionGroup>\n<Action>\n</xmlui>") << false << int(DuiXmlDiagnostics::DocumentNotLoaded) << 4 << 0;
    QTest::newRow("empty file") << QByteArray() << false << int(DuiXmlDiagnostics::DocumentNotLoaded) << 0 << 0;
    QTest::newRow("other root") << QByteArray("<menu><ActionGroup/></menu>") << false << int(DuiXmlDiagnostics::MissingRootElement) << 1 << 0;
    QTest::newRow("empty xmlui") << QByteArray("<xmlui>\n</xmlui>") << false << int(DuiXmlDiagnostics::MissingRootElement) << 1 << 0;
    QTest::newRow("first child no group") << QByteArray("<xmlui>\n<Action/></xmlui>") << true << int(DuiXmlDiagnostics::UnknownElement) << 2 << 0;
    QTest::newRow("unknown item") << QByteArray("<xmlui><ActionGroup>\n<Action/>\n<Item/>\n<Action/></ActionGroup></xmlui>")
                                  << true << int(DuiXmlDiagnostics::UnknownElement) << 3 << 2;
    QTest::newRow("second child of xmlui") << QByteArray("<xmlui><ActionGroup><Action/></ActionGroup>\n<ActionGroup/></xmlui>")
                                           << true << int(DuiXmlDiagnostics::UnknownElement) << 2 << 1;
    QTest::newRow("refused value") << QByteArray("<xmlui><ActionGroup>\n<Action priority=\"loud\"/></ActionGroup></xmlui>")
                                   << true << int(DuiXmlDiagnostics::RejectedValue) << 2 << 1;

    QByteArray deep = "<xmlui><ActionGroup>";
    for (int i = 0; i < 10000; ++i)
        deep += "<ActionGroup objectName=\"g\">";
    for (int i = 0; i < 10000; ++i)
        deep += "</ActionGroup>";
    deep += "</ActionGroup></xmlui>";
    QTest::newRow("10000 deep") << deep << true << int(DuiXmlDiagnostics::DepthLimit) << 1 << 1;
}

void tst_DuiMenu::badFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, built);
    QFETCH(int, kind);
    QFETCH(int, line);
    QFETCH(int, actions);

    DuiMenu menu;
    menu.addAction(QStringLiteral("kept"));
    DuiXmlDiagnostics diagnostics;
    const QString path = file(QStringLiteral("bad.xml"), text);
    QCOMPARE(menu.createFromFile(path), built);
    QCOMPARE(menu.actions().size(), 1 + actions);
    const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::Kind(kind));
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().file, path);
    QCOMPARE(records.first().line, line);
    QCOMPARE(records.first().severity, built ? DuiXmlDiagnostics::Warning : DuiXmlDiagnostics::Error);

    if (kind == DuiXmlDiagnostics::DepthLimit) {
        int depth = 0;
        for (QMenu *m = menu.actionByIndex(1)->menu(); m; m = m->actions().isEmpty() ? nullptr : m->actions().first()->menu())
            ++depth;
        QCOMPARE(depth, DuiXmlDiagnostics::maxDepth);
    }
}

void tst_DuiMenu::iconNamingAPipe()
{
    const QString fifo = m_dir.filePath(QStringLiteral("icon.fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString icon = m_dir.filePath(QStringLiteral("icon.png"));
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(icon));

    DuiMenu menu;
    DuiXmlDiagnostics diagnostics;
    // Opening the pipe would wait for a writer for ever; the loader refuses it instead.
    QVERIFY(menu.createFromFile(file(QStringLiteral("icons.xml"),
                                     "<xmlui><ActionGroup>\n<Action icon=\"" + fifo.toUtf8() + "\"/>\n<Action icon=\"" + icon.toUtf8()
                                         + "\"/>\n<ActionGroup icon=\"" + fifo.toUtf8() + "\"/></ActionGroup></xmlui>")));
    QVERIFY(menu.actionByIndex(0)->icon().isNull());
    QCOMPARE(menu.actionByIndex(1)->icon().pixmap(16, 16).toImage().pixel(8, 8), qRgb(255, 0, 0));
    QVERIFY(menu.actionByIndex(2)->icon().isNull());
    const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::RejectedValue);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).line, 2);
    QCOMPARE(records.at(1).line, 4);
}

void tst_DuiMenu::sheetOfRowAtCreation()
{
    DuiTheme::setColorThemeOnly(0);
    DuiMenu before;
    QVERIFY(before.styleSheet().contains(QLatin1String("rgba(60, 175, 255, 255)")));

    // A skin change styles the menus made after it; a menu keeps the sheet it was made with.
    QVERIFY(DuiTheme::setColorTheme(4));
    DuiMenu after;
    QVERIFY(after.styleSheet().contains(QLatin1String("rgba(144, 213, 37, 255)")));
    QVERIFY(after.styleSheet().contains(QLatin1String("menuitem_background_4.png")));
    QVERIFY(before.styleSheet().contains(QLatin1String("rgba(60, 175, 255, 255)")));
    // Sub-menus of a file take the sheet of their own making, the current row.
    QVERIFY(after.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
    QCOMPARE(after.actionByName(QStringLiteral("more"))->menu()->styleSheet(), after.styleSheet());

    // Row 9 has no sheet: Qt's plain menu.
    DuiTheme::setColorThemeOnly(9);
    QVERIFY(DuiMenu().styleSheet().isEmpty());
    DuiTheme::setColorThemeOnly(0);
}

void tst_DuiMenu::sheetsNameTheirImages()
{
    for (int row = 0; row < 9; ++row) {
        QFile sheet(QStringLiteral(":/theme/duifw/menu_%1.css").arg(row));
        QVERIFY2(sheet.open(QIODevice::ReadOnly), qPrintable(sheet.fileName()));
        const QString text = QString::fromLatin1(sheet.readAll());
        static const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
        int urls = 0;
        for (const QRegularExpressionMatch &m : url.globalMatch(text)) {
            QVERIFY2(!QImage(m.captured(1)).isNull(), qPrintable(m.captured(1)));
            ++urls;
        }
        QCOMPARE(urls, 2);
    }
    // Row 6 wears row 7's colours.
    QFile six(QStringLiteral(":/theme/duifw/menu_6.css"));
    QFile seven(QStringLiteral(":/theme/duifw/menu_7.css"));
    QVERIFY(six.open(QIODevice::ReadOnly) && seven.open(QIODevice::ReadOnly));
    QCOMPARE(six.readAll(), seven.readAll());
}

void tst_DuiMenu::renderedColoursFollowRow()
{
    struct Row
    {
        int index;
        QRgb border;
        QRgb selection;
    };
    for (const Row &row : {Row{0, qRgb(119, 176, 227), qRgb(60, 175, 255)}, Row{3, qRgb(227, 188, 119), qRgb(245, 175, 43)}}) {
        DuiTheme::setColorThemeOnly(row.index);
        DuiMenu menu;
        QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
        menu.popup(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(menu.actionByIndex(0));
        const QImage image = menu.grab().toImage();
        const QRect item = menu.actionGeometry(menu.actionByIndex(0));
        QCOMPARE(image.pixel(0, image.height() / 2), row.border);
        QCOMPARE(image.pixel(item.right() - 4, item.center().y()), row.selection);
        // The checked item shows the check mark: dark pixels inside the indicator column.
        const QRect wrap = menu.actionGeometry(menu.actionByName(QStringLiteral("wrap")));
        int dark = 0;
        for (int y = wrap.top(); y <= wrap.bottom(); ++y) {
            for (int x = wrap.left(); x < wrap.left() + 28; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        }
        QVERIFY(dark > 4);
        menu.hide();
    }
    DuiTheme::setColorThemeOnly(0);
}

// Where the menu must end up, checked against the target and the screen.
enum Expect { Below, Above, AtTopLeft, OnRightEdge, OnTopEdge };

void tst_DuiMenu::placement_data()
{
    QTest::addColumn<QRect>("target");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("expect");

    QTest::newRow("below") << QRect(200, 300, 80, 24) << int(Qt::AlignBottom) << kPrimary << int(Below);
    QTest::newRow("above") << QRect(200, 600, 80, 24) << int(Qt::AlignTop) << kPrimary << int(Above);
    QTest::newRow("other alignment keeps Qt's place") << QRect(200, 300, 80, 24) << int(Qt::AlignLeft) << kPrimary << int(AtTopLeft);
    QTest::newRow("above, no room: pushed down") << QRect(200, 10, 80, 24) << int(Qt::AlignTop) << kPrimary << int(OnTopEdge);
    QTest::newRow("below at right edge") << QRect(1250, 300, 20, 24) << int(Qt::AlignBottom) << kPrimary << int(OnRightEdge);
    QTest::newRow("left screen, below") << QRect(-900, 300, 80, 24) << int(Qt::AlignBottom) << kLeft << int(Below);
    QTest::newRow("left screen, above") << QRect(-900, 600, 80, 24) << int(Qt::AlignTop) << kLeft << int(Above);
    // Near the seam: the menu stays whole on the negative screen instead of spilling over.
    QTest::newRow("left screen, right edge") << QRect(-40, 300, 30, 24) << int(Qt::AlignBottom) << kLeft << int(OnRightEdge);
    QTest::newRow("left screen, above, no room") << QRect(-600, 120, 80, 24) << int(Qt::AlignTop) << kLeft << int(OnTopEdge);
}

void tst_DuiMenu::placement()
{
    QFETCH(QRect, target);
    QFETCH(int, alignment);
    QFETCH(QRect, screen);
    QFETCH(int, expect);

    DuiMenu menu;
    QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
    menu.popup(target, Qt::Alignment(alignment));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const QRect g = menu.geometry();
    QVERIFY2(screen.contains(g), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
    switch (Expect(expect)) {
    case Below:
        QCOMPARE(g.topLeft(), QPoint(target.left(), target.bottom()));
        break;
    case Above:
        QCOMPARE(g.bottomLeft(), QPoint(target.left(), target.top() - 1));
        break;
    case AtTopLeft:
        QCOMPARE(g.topLeft(), target.topLeft());
        break;
    case OnRightEdge:
        QCOMPARE(g.right(), screen.right());
        break;
    case OnTopEdge:
        QCOMPARE(g.top(), screen.top());
        break;
    }
    menu.hide();
}

void tst_DuiMenu::cursorOverloadsForgetTheRectangle()
{
    DuiMenu menu;
    QVERIFY(menu.createFromFile(file(QStringLiteral("edit.xml"), kEditMenu)));
    menu.popup(QRect(200, 300, 80, 24), Qt::AlignBottom);
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.hide();

    // At the cursor on the left screen, not beside the old button.
    QCursor::setPos(QPoint(-700, 400));
    QCOMPARE(QCursor::pos(), QPoint(-700, 400));
    menu.popup();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(menu.geometry().topLeft(), QPoint(-700, 400));
    menu.hide();

    // exec() forgets it too, the screen as well; the timer closes the modal loop.
    menu.popup(QRect(200, 300, 80, 24), Qt::AlignBottom);
    menu.hide();
    QCursor::setPos(QPoint(-300, 500));
    QPoint shownAt;
    QTimer::singleShot(0, &menu, [&] {
        shownAt = menu.geometry().topLeft();
        menu.close();
    });
    menu.exec();
    QCOMPARE(shownAt, QPoint(-300, 500));

    // exec(rect, alignment) places against the rectangle, whatever the cursor.
    QTimer::singleShot(0, &menu, [&] {
        shownAt = menu.geometry().topLeft();
        menu.close();
    });
    menu.exec(QRect(-900, 300, 80, 24), Qt::AlignBottom);
    QCOMPARE(shownAt, QPoint(-900, 323));
}

void tst_DuiMenu::screenForPointOffEveryScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *left = screens.at(0)->geometry() == kLeft ? screens.at(0) : screens.at(1);
    QScreen *primary = left == screens.at(0) ? screens.at(1) : screens.at(0);
    // Above the left screen (it starts at y = 100) and off every screen: the nearest one.
    QCOMPARE(DuiMenuPlacement::screenFor(QPoint(-500, 20)), left);
    QCOMPARE(DuiMenuPlacement::screenFor(QPoint(5000, 5000)), primary);
}

int main(int argc, char **argv)
{
    QTemporaryDir config;
    if (!TwoScreens::use(config))
        return 1;
    QApplication app(argc, argv);
    tst_DuiMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duimenu.moc"
