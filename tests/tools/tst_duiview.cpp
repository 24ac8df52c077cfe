// SPDX-License-Identifier: MIT
// duiview and the gallery host as a user runs them: as separate processes, on files on disk.
#include "../platform/xvfbtestutil.h"

#include <QtCore/qdir.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qimage.h>
#include <QtTest/qtest.h>

namespace {

QString buildDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}

QString duiview()
{
    return buildDir() + QStringLiteral("/tools/duiview/duiview");
}

QString gallery()
{
    return QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples/gallery/gallery.xml");
}

struct Run
{
    int code = -1;
    QByteArray out;
};

Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.out = "timed out";
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAll();
    return result;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// A window is plausible when it has the requested size and is not one flat colour.
bool plausibleWindow(const QImage &image, const QSize &size, QString *why)
{
    if (image.size() != size) {
        *why = QStringLiteral("size %1x%2").arg(image.width()).arg(image.height());
        return false;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    if (colours.size() < 20) {
        *why = QStringLiteral("only %1 colours").arg(colours.size());
        return false;
    }
    return true;
}

const QByteArray kPanel = "<xmlui><DuiWidget layout=\"VBox\"><DuiPushButton objectName=\"ok\" text=\"OK\" fixSize=\"70,24\"/>"
                          "</DuiWidget></xmlui>";

} // namespace

class tst_DuiView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lintGallery();
    void lintReportsSkips();
    void lintReportsInfeasibleAnchors_data();
    void lintReportsInfeasibleAnchors();
    void menuFiles();
    void missingAndBrokenFiles();
    void badArguments();
    void screenshotOffscreen();
    void fillFormInPlainWindow();
    void noDisplayRendersPng();
    void watchRebuildsAndKeepsLastGood();
    void classReferenceMatchesTheGuide();
    void screenshotUnderXvfb();

private:
    QProcessEnvironment offscreen() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }
    QTemporaryDir m_dir;
};

void tst_DuiView::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFileInfo(duiview()).isExecutable(), qPrintable(duiview()));
}

void tst_DuiView::lintGallery()
{
    const Run r = run(duiview(), {QStringLiteral("--lint"), gallery()}, offscreen());
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains("0 finding(s), 0 error(s)"), r.out.constData());
}

void tst_DuiView::lintReportsSkips()
{
    const QString file = m_dir.filePath(QStringLiteral("skips.xml"));
    writeFile(file, "<xmlui>\n<DuiFrameWindow title=\"t\" noSuchProperty=\"1\">\n"
                    "  <DuiNoSuchWidget/>\n  <DuiPushButton fixSize=\"x,y,z\"/>\n</DuiFrameWindow>\n</xmlui>\n");
    const Run r = run(duiview(), {QStringLiteral("--lint"), file}, offscreen());
    QCOMPARE(r.code, 0); // warnings only: the window is still built
    QVERIFY2(r.out.contains(QStringLiteral("%1:2:").arg(file).toUtf8()), r.out.constData());
    QVERIFY(r.out.contains("noSuchProperty"));
    QVERIFY2(r.out.contains(QStringLiteral("%1:3:").arg(file).toUtf8()), r.out.constData());
    // Each finding is printed once, not again by the dui.xml category.
    QCOMPARE(r.out.count("DuiNoSuchWidget"), 1);

    // A document that cannot be read is an error: lint fails.
    writeFile(file, "<xmlui><DuiFrameWindow>");
    const Run bad = run(duiview(), {QStringLiteral("--lint"), file}, offscreen());
    QCOMPARE(bad.code, 1);
    QVERIFY2(bad.out.contains("error:") && bad.out.contains("1 error(s)"), bad.out.constData());
}

void tst_DuiView::lintReportsInfeasibleAnchors_data()
{
    QTest::addColumn<int>("bottom"); // the second line edit's bottom anchor; its top is at 40
    QTest::addColumn<bool>("feasible");
    QTest::newRow("24 high, its maximum") << 64 << true;
    QTest::newRow("28 high, above its maximum") << 68 << false;
}

void tst_DuiView::lintReportsInfeasibleAnchors()
{
    QFETCH(int, bottom);
    QFETCH(bool, feasible);
    const QString file = m_dir.filePath(QStringLiteral("anchors.xml"));
    writeFile(file, QStringLiteral("<xmlui>\n<DuiFrameWindow title=\"t\" fixSize=\"300,200\">\n"
                                   "  <DuiWidget layout=\"Anchor\" fixSize=\"300,200\">\n"
                                   "    <DuiLineEdit objectName=\"fits\" anchor=\"Left:10|Left:150|Top:10|Top:34\"/>\n"
                                   "    <DuiLineEdit objectName=\"name\" anchor=\"Left:10|Left:150|Top:40|Top:%1\"/>\n"
                                   "  </DuiWidget>\n</DuiFrameWindow>\n</xmlui>\n").arg(bottom).toUtf8());
    const Run r = run(duiview(), {QStringLiteral("--lint"), file}, offscreen());
    if (feasible) {
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("0 error(s)"), r.out.constData());
        return;
    }
    QCOMPARE(r.code, 1);
    // One error, on the line edit whose anchors cannot be met, with its line.
    QVERIFY2(r.out.contains(QStringLiteral("%1:5:").arg(file).toUtf8()) && r.out.contains("error:")
                 && r.out.contains("\"name\"") && r.out.contains("1 error(s)"),
             r.out.constData());
}

void tst_DuiView::menuFiles()
{
    // The gallery's menus are clean.
    for (const char *name : {"menu.xml", "rowmenu.xml"}) {
        const QString menu = QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples/gallery/") + QLatin1String(name);
        const Run r = run(duiview(), {QStringLiteral("--lint"), menu}, offscreen());
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("0 finding(s), 0 error(s)"), r.out.constData());
    }

    const QString file = m_dir.filePath(QStringLiteral("menu.xml"));
    writeFile(file, "<xmlui>\n<ActionGroup>\n  <Action text=\"A\" colour=\"red\"/>\n  <Item/>\n</ActionGroup>\n</xmlui>\n");
    const Run r = run(duiview(), {QStringLiteral("--lint"), file}, offscreen());
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("%1:3:20: warning:").arg(file).toUtf8()) && r.out.contains("colour"), r.out.constData());
    QVERIFY2(r.out.contains(QStringLiteral("%1:4:3: warning:").arg(file).toUtf8()) && r.out.contains("Item"), r.out.constData());
    QVERIFY(r.out.contains("2 finding(s), 0 error(s)"));

    // A screenshot shows the open menu in the row's colours: its border is row 3's.
    const QString png = m_dir.filePath(QStringLiteral("menu.png"));
    const Run shot = run(duiview(), {QStringLiteral("--theme"), QStringLiteral("3"), QStringLiteral("--screenshot"), png, file}, offscreen());
    QCOMPARE(shot.code, 0);
    const QImage image(png);
    QVERIFY(image.width() > 60 && image.height() > 20);
    QCOMPARE(image.pixel(0, image.height() / 2), qRgb(227, 188, 119));

    writeFile(file, "<xmlui><ActionGroup><Action></xmlui>");
    const Run bad = run(duiview(), {QStringLiteral("--lint"), file}, offscreen());
    QCOMPARE(bad.code, 1);
    QVERIFY2(bad.out.contains("1 error(s)"), bad.out.constData());
}

void tst_DuiView::missingAndBrokenFiles()
{
    const Run missing = run(duiview(), {m_dir.filePath(QStringLiteral("absent.xml"))}, offscreen());
    QCOMPARE(missing.code, 2);
    QVERIFY2(missing.out.contains("no such file"), missing.out.constData());

    const QString broken = m_dir.filePath(QStringLiteral("broken.xml"));
    writeFile(broken, "<xmlui>\n<DuiFrameWindow>\n<DuiWidget>\n</xmlui>\n");
    const Run r = run(duiview(), {QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("b.png")), broken}, offscreen());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.out.contains(broken.toUtf8() + ":4:"), r.out.constData()); // file:line of the parse error
    QVERIFY(r.out.contains("no window"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("b.png"))));
}

void tst_DuiView::badArguments()
{
    QCOMPARE(run(duiview(), {}, offscreen()).code, 2);
    QCOMPARE(run(duiview(), {QStringLiteral("--theme"), QStringLiteral("12"), gallery()}, offscreen()).code, 2);
    QCOMPARE(run(duiview(), {QStringLiteral("--bogus"), gallery()}, offscreen()).code, 2);
    QCOMPARE(run(duiview(), {QStringLiteral("--size"), QStringLiteral("0x9"), gallery()}, offscreen()).code, 2);
}

void tst_DuiView::screenshotOffscreen()
{
    QList<QRgb> headers;
    for (int theme : {0, 3}) {
        const QString png = m_dir.filePath(QStringLiteral("gallery%1.png").arg(theme));
        const Run r = run(duiview(), {QStringLiteral("--theme"), QString::number(theme), QStringLiteral("--screenshot"), png, gallery()},
                          offscreen());
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("rendered"), r.out.constData());
        const QImage image(png);
        QString why;
        QVERIFY2(plausibleWindow(image, QSize(1000, 590), &why), qPrintable(why));
        headers << image.pixel(300, 8);
    }
    QVERIFY(headers[0] != headers[1]); // the skin follows --theme
}

void tst_DuiView::fillFormInPlainWindow()
{
    const QString file = m_dir.filePath(QStringLiteral("panel.xml"));
    writeFile(file, kPanel);
    const QString png = m_dir.filePath(QStringLiteral("panel.png"));
    const Run r = run(duiview(), {QStringLiteral("--size"), QStringLiteral("300x200"), QStringLiteral("--screenshot"), png, file},
                      offscreen());
    QCOMPARE(r.code, 0);
    QCOMPARE(QImage(png).size(), QSize(300, 200));
}

void tst_DuiView::noDisplayRendersPng()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(duiview(), {gallery()});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray out = process.readAll();
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(out.contains("no display"), out.constData());
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("gallery.png"))));

    // A printing run shows no window, so its output is the schema alone, ready for a file.
    QProcess schema;
    schema.setProcessEnvironment(env);
    schema.start(duiview(), {QStringLiteral("--schema")});
    QVERIFY(schema.waitForFinished(60000));
    QCOMPARE(schema.exitCode(), 0);
    const QByteArray xsd = schema.readAllStandardOutput();
    QVERIFY2(xsd.startsWith("<?xml") && xsd.trimmed().endsWith("</xs:schema>"), xsd.left(200).constData());
}

void tst_DuiView::watchRebuildsAndKeepsLastGood()
{
    const QString file = m_dir.filePath(QStringLiteral("watched.xml"));
    writeFile(file, "<xmlui><DuiFrameWindow fixSize=\"300,200\"><DuiWidget/></DuiFrameWindow></xmlui>");
    QProcess process;
    process.setProcessEnvironment(offscreen());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(duiview(), {QStringLiteral("--watch"), file});
    QVERIFY(process.waitForStarted());
    QTest::qWait(1500);
    QVERIFY(process.state() == QProcess::Running);

    writeFile(file, "<xmlui><DuiFrameWindow fixSize=\"320,200\"><DuiPushButton text=\"new\"/></DuiFrameWindow></xmlui>");
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += process.readAll()).contains("rebuilt"), 10000);

    writeFile(file, "<xmlui><DuiFrameWindow>");
    QTRY_VERIFY_WITH_TIMEOUT((out += process.readAll()).contains("keeping the last good window"), 10000);
    QVERIFY(process.state() == QProcess::Running);
    process.kill();
    process.waitForFinished();
}

void tst_DuiView::classReferenceMatchesTheGuide()
{
    QProcess process;
    process.setProcessEnvironment(offscreen());
    process.start(duiview(), {QStringLiteral("--classes")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    Run r;
    r.out = process.readAllStandardOutput();
    QVERIFY(r.out.contains("## DuiPushButton"));
    QVERIFY(r.out.contains("ButtonCheckable"));
    QVERIFY(r.out.contains("## DuiFrameWindow"));
    // The guide's page is this output; regenerate it with duiview --classes > docs/xml-classes.md.
    QFile guide(QStringLiteral(DUI_TEST_SOURCE_DIR "/../../docs/xml-classes.md"));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(guide.readAll()).trimmed(), QString::fromUtf8(r.out).trimmed());
}

void tst_DuiView::screenshotUnderXvfb()
{
    XvfbServer server;
    QString why;
    if (!server.start(&why))
        QSKIP(qPrintable(QStringLiteral("no X server for this test: ") + why));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), server.display());
    env.remove(QStringLiteral("XAUTHORITY"));
    const QString png = m_dir.filePath(QStringLiteral("xvfb.png"));
    const Run r = run(duiview(), {QStringLiteral("--screenshot"), png, gallery()}, env);
    QVERIFY2(r.code == 0, r.out.constData());
    QString reason;
    QVERIFY2(plausibleWindow(QImage(png), QSize(1000, 590), &reason), qPrintable(reason));
}

QTEST_GUILESS_MAIN(tst_DuiView)
#include "tst_duiview.moc"
