// SPDX-License-Identifier: MIT
// The messenger example as a user runs it: its layout files pass the linter, it renders its
// windows offscreen, and under Xvfb real X input (XTEST) drives the program end to end.
#include "../platform/xvfbtestutil.h"

#include <QtCore/qdir.h>
#include <QtCore/qhash.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qimage.h>
#include <QtGui/qpixmap.h>
#include <QtGui/qscreen.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>

namespace {

QString buildDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}

QString messenger()
{
    return buildDir() + QStringLiteral("/examples/messenger/messenger");
}

QString duiview()
{
    return buildDir() + QStringLiteral("/tools/duiview/duiview");
}

// X keysyms of what the test types.
constexpr unsigned long kReturn = 0xff0d;
constexpr unsigned long kShift = 0xffe1;

// The running messenger: its trace lines ("rect NAME x y w h" and events), read as they come.
class MessengerProcess
{
public:
    ~MessengerProcess() { stop(); }

    bool start(const QStringList &args)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(messenger(), args);
        return m_process.waitForStarted(5000);
    }

    // Ends the program if it is still running: a failed check never leaves it behind.
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(3000);
    }

    QProcess &process() { return m_process; }

    // Waits for an event line equal to `line` (or starting with it, with `prefix`) that came after
    // the first `from` lines; returns its index or -1.
    int waitLine(const QString &line, int ms = 8000, int from = 0, bool prefix = false)
    {
        int found = -1;
        waitFor([&] {
            read();
            for (int i = from; i < m_events.size(); ++i) {
                if (m_events.at(i) == line || (prefix && m_events.at(i).startsWith(line))) {
                    found = i;
                    return true;
                }
            }
            return m_process.state() == QProcess::NotRunning;
        }, ms);
        return found;
    }

    QRect rect(const QString &name)
    {
        read();
        return m_rects.value(name);
    }
    int eventCount()
    {
        read();
        return int(m_events.size());
    }
    QString event(int i) const { return m_events.value(i); }
    QString log()
    {
        read();
        QString text = m_events.join(QLatin1Char('\n'));
        for (auto it = m_rects.cbegin(); it != m_rects.cend(); ++it)
            text += QStringLiteral("\n%1 at %2,%3 %4x%5").arg(it.key()).arg(it->x()).arg(it->y()).arg(it->width()).arg(it->height());
        return text + QStringLiteral("\nstderr:\n") + m_stderr;
    }

private:
    void read()
    {
        m_pending += m_process.readAllStandardOutput();
        m_stderr += QString::fromUtf8(m_process.readAllStandardError());
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.size() == 6 && words.first() == QLatin1String("rect"))
                m_rects.insert(words.at(1), QRect(words.at(2).toInt(), words.at(3).toInt(), words.at(4).toInt(), words.at(5).toInt()));
            else
                m_events << line;
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_events;
    QString m_stderr;
    QHash<QString, QRect> m_rects;
};

QImage grab(const QRect &r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

// The share of pixels that differ between two grabs of one rectangle.
double changedShare(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    qint64 changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return double(changed) / (qint64(a.width()) * a.height());
}

struct XInput
{
    XTestInput x;

    void click(const QPoint &at)
    {
        x.moveTo(at.x(), at.y());
        QTest::qWait(60);
        x.button(1, true);
        QTest::qWait(30);
        x.button(1, false);
        QTest::qWait(60);
    }
    void doubleClick(const QPoint &at)
    {
        x.moveTo(at.x(), at.y());
        QTest::qWait(60);
        for (int i = 0; i < 2; ++i) {
            x.button(1, true);
            QTest::qWait(20);
            x.button(1, false);
            QTest::qWait(40);
        }
    }
    void type(const QString &text)
    {
        for (QChar c : text) {
            x.key(c.unicode(), true);
            x.key(c.unicode(), false);
            QTest::qWait(15);
        }
    }
    void key(unsigned long keysym, unsigned long modifier = 0)
    {
        if (modifier)
            x.key(modifier, true);
        x.key(keysym, true);
        x.key(keysym, false);
        if (modifier)
            x.key(modifier, false);
        QTest::qWait(30);
    }
};

#define CHECK(condition, what)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FAIL: %s\n--- messenger trace ---\n%s\n", what, qPrintable(app.log())); \
            return 1;                                                                              \
        }                                                                                          \
    } while (false)

// Opens the main menu and clicks the named action of it, or of the skin sub-menu on its way.
bool chooseFromMenu(MessengerProcess &app, XInput &input, const QStringList &path)
{
    int from = app.eventCount();
    input.click(app.rect(QStringLiteral("main.menuButton")).center());
    if (app.waitLine(QStringLiteral("menu shown mainMenu"), 5000, from) < 0)
        return false;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QRect action = app.rect(QStringLiteral("action:") + path.at(i));
        if (action.isEmpty())
            return false;
        from = app.eventCount();
        input.click(action.center());
        if (i + 1 < path.size() && app.waitLine(QStringLiteral("menu shown ") + path.at(i), 5000, from) < 0)
            return false;
    }
    return true;
}

// The client half: runs the messenger under this X server and plays a user's session.
int runSessionClient()
{
    XInput input;
    QString why;
    if (!input.x.open(&why)) {
        std::printf("%s\n", qPrintable(why));
        return XClientSkipped;
    }
    MessengerProcess app;
    if (!app.start({QStringLiteral("--trace")}))
        return fail("the messenger did not start");

    // The contact list shows; resting on a contact shows who it is, a double click on a contact
    // opens the conversation.
    CHECK(app.waitLine(QStringLiteral("shown main"), 15000) >= 0, "the main window did not show");
    const QRect bob = app.rect(QStringLiteral("row:bob"));
    CHECK(!bob.isEmpty(), "no row for bob");
    input.x.moveTo(bob.center().x(), bob.center().y());
    QTest::qWait(50);
    input.x.moveTo(bob.center().x() + 2, bob.center().y());
    CHECK(app.waitLine(QStringLiteral("tooltip Bob Okafor — Online\\nShipping"), 5000, 0, true) >= 0,
          "resting on a contact showed no tooltip");
    const QRect alice = app.rect(QStringLiteral("row:alice"));
    CHECK(!alice.isEmpty(), "no row for alice");
    input.doubleClick(alice.center());
    CHECK(app.waitLine(QStringLiteral("shown conversation alice")) >= 0, "the double click opened no conversation");

    // Typing: Shift+Enter is a new line, Enter sends; the echo answers.
    input.click(app.rect(QStringLiteral("alice.input")).center());
    input.type(QStringLiteral("hello"));
    input.key(kReturn, kShift);
    input.type(QStringLiteral("world"));
    input.key(kReturn);
    CHECK(app.waitLine(QStringLiteral("sent alice hello\\nworld")) >= 0, "Enter did not send the two lines");
    CHECK(app.waitLine(QStringLiteral("received alice Echo: hello\\nworld")) >= 0, "no echo came back");

    // An emoticon from the picker goes into the message and keeps moving in the history.
    input.click(app.rect(QStringLiteral("alice.gifButton")).center());
    CHECK(app.waitLine(QStringLiteral("shown picker")) >= 0, "the picker did not open");
    input.click(app.rect(QStringLiteral("gif:sun")).center());
    CHECK(app.waitLine(QStringLiteral("inserted gif alice sun")) >= 0, "the picker inserted nothing");
    input.key(kReturn);
    CHECK(app.waitLine(QStringLiteral("received alice Echo: [gif:sun]")) >= 0, "the GIF message was not echoed");
    const QRect history = app.rect(QStringLiteral("alice.history"));
    CHECK(!history.isEmpty(), "no history rectangle");
    QTest::qWait(200);
    const QImage first = grab(history);
    bool moved = false;
    for (int i = 0; i < 12 && !moved; ++i) {
        QTest::qWait(150);
        moved = changedShare(first, grab(history)) > 0;
    }
    CHECK(moved, "the GIF in the history does not animate");

    // A skin colour from the menu recolours the main window.
    const QRect main = app.rect(QStringLiteral("main.window"));
    const QImage before = grab(main);
    CHECK(chooseFromMenu(app, input, {QStringLiteral("skinMenu"), QStringLiteral("skin4")}), "the skin menu did not work");
    CHECK(app.waitLine(QStringLiteral("skin 4")) >= 0, "choosing Green did not switch the skin");
    double share = 0;
    waitFor([&] { return (share = changedShare(before, grab(main))) > 0.2; }, 5000);
    CHECK(share > 0.2, qPrintable(QStringLiteral("only %1 % of the main window changed colour").arg(share * 100)));

    // Settings: the page tree slides the Notifications page in; clicking near the right end of
    // its volume slider moves the slider there.
    CHECK(chooseFromMenu(app, input, {QStringLiteral("openSettings")}), "Settings… was not in the menu");
    CHECK(app.waitLine(QStringLiteral("shown settings")) >= 0, "the settings window did not show");
    const QRect pageRow = app.rect(QStringLiteral("settings.page:notificationsPage"));
    CHECK(!pageRow.isEmpty(), "no Notifications row in the settings tree");
    int from = app.eventCount();
    input.click(pageRow.center());
    CHECK(app.waitLine(QStringLiteral("settings page ready notificationsPage"), 8000, from) >= 0,
          "the Notifications page did not come");
    const QRect slider = app.rect(QStringLiteral("settings.volumeSlider"));
    CHECK(!slider.isEmpty(), "no volume slider");
    from = app.eventCount();
    input.click(QPoint(slider.left() + slider.width() * 9 / 10, slider.center().y()));
    const int volume = app.waitLine(QStringLiteral("volume "), 5000, from, true);
    CHECK(volume >= 0, "the slider did not move");
    const int level = app.event(volume).mid(7).toInt();
    CHECK(level >= 75 && level <= 100, qPrintable(QStringLiteral("the slider went to %1").arg(level)));

    // A second launch hands its command line to the first and exits.
    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(messenger(), {QStringLiteral("--open"), QStringLiteral("bob")});
    const bool secondDone = second.waitForFinished(10000);
    if (!secondDone) {
        second.kill();
        second.waitForFinished(2000);
    }
    CHECK(secondDone && second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0,
          "the second instance did not exit cleanly");
    CHECK(second.readAll().contains("handed over"), "the second instance did not hand over");
    CHECK(app.waitLine(QStringLiteral("shown conversation bob")) >= 0, "the handed-over --open bob opened nothing");

    // Quit from the menu ends the program.
    CHECK(chooseFromMenu(app, input, {QStringLiteral("quit")}), "Quit was not in the menu");
    // (waitForFinished is false for a process that has already ended.)
    CHECK(app.process().state() == QProcess::NotRunning || app.process().waitForFinished(10000),
          "the messenger still runs after Quit");
    CHECK(app.process().exitStatus() == QProcess::NormalExit && app.process().exitCode() == 0,
          "the messenger did not exit cleanly");
    std::printf("OK\n");
    return 0;
}

} // namespace

class tst_Messenger : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutsPassLint_data();
    void layoutsPassLint();
    void screenshotsFollowTheColourRow();
    void sessionUnderXvfb();
};

void tst_Messenger::initTestCase()
{
    if (!QFileInfo(messenger()).isExecutable())
        QSKIP("the messenger example is not built (DUIFW_BUILD_TOOLS=OFF)");
}

void tst_Messenger::layoutsPassLint_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"main.xml", "mainmenu.xml", "conversation.xml", "picker.xml", "settings.xml"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every attribute and element of the shipped layouts is understood by the builder.
void tst_Messenger::layoutsPassLint()
{
    QFETCH(QString, file);
    if (!QFileInfo(duiview()).isExecutable())
        QSKIP("duiview is not built");
    QProcess lint;
    lint.setProcessChannelMode(QProcess::MergedChannels);
    lint.setWorkingDirectory(buildDir() + QStringLiteral("/examples/messenger"));
    lint.start(duiview(), {QStringLiteral("--lint"), QStringLiteral("layout/") + file});
    if (!lint.waitForFinished(60000))
        lint.kill();
    const QByteArray out = lint.readAll();
    QCOMPARE(lint.exitCode(), 0);
    QVERIFY2(out.contains("0 finding(s), 0 error(s)"), out.constData());
}

// The three windows build from their files, and the colour row reaches every one of them.
void tst_Messenger::screenshotsFollowTheColourRow()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess shots;
    shots.setProcessChannelMode(QProcess::MergedChannels);
    shots.start(messenger(), {QStringLiteral("--screenshots"), dir.path()});
    if (!shots.waitForFinished(60000)) {
        shots.kill();
        shots.waitForFinished(2000);
        QFAIL("the messenger did not finish its screenshots");
    }
    const QByteArray out = shots.readAll();
    QVERIFY2(shots.exitStatus() == QProcess::NormalExit && shots.exitCode() == 0, out.constData());
    for (const char *window : {"main", "conversation", "settings"}) {
        const QImage row0(dir.filePath(QStringLiteral("messenger-%1-row0.png").arg(QLatin1String(window))));
        const QImage row4(dir.filePath(QStringLiteral("messenger-%1-row4.png").arg(QLatin1String(window))));
        QVERIFY2(!row0.isNull() && !row4.isNull(), window);
        QCOMPARE(row0.size(), row4.size());
        // Sky blue and green: the skin parts, the decoration picture and the background change.
        QVERIFY2(changedShare(row0, row4) > 0.05, window);
    }
}

void tst_Messenger::sessionUnderXvfb()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-session-client");
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-session-client") == 0) {
        QApplication app(argc, argv);
        return runSessionClient();
    }
    QApplication app(argc, argv);
    tst_Messenger test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_messenger.moc"
