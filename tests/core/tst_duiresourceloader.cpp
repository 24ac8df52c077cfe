// SPDX-License-Identifier: MIT
#include <duiresourcehandler.h>
#include <duiresourceloader.h>
#include <mxutility.h>
#include <mxxmldocument.h>

#include "duiresourcehandlers_p.h"

#include <QtCore/qloggingcategory.h>
#include <QtCore/qdir.h>
#include <QtCore/qtemporarydir.h>
#include <QtCore/qthread.h>
#include <QtTest/qtest.h>

#include <sys/stat.h>

namespace {

// Answers every path it is asked about with fixed results and counts the calls.
class RecordingHandler : public DuiResourceHandler
{
public:
    QStringList asked;
    bool loadImage(const QString &path, QPixmap &pixmap) override
    {
        asked << path;
        QPixmap p(2, 2);
        p.fill(Qt::green);
        pixmap = p;
        return true;
    }
    bool loadXml(const QString &path, MXXmlDocument &document) override
    {
        asked << path;
        const char xml[] = "<xmlui><custom/></xmlui>";
        return document.loadFromString(xml, int(sizeof(xml) - 1));
    }
    bool loadRawData(const QString &path, QByteArray &data) override
    {
        asked << path;
        data = "custom";
        return true;
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class tst_DuiResourceLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void qtResources();
    void resourceWinsOverSameRelativeFile();
    void relativePaths();
    void defaultHandlerAcceptance_data();
    void defaultHandlerAcceptance();
    void absolutePaths();
    void rawDecodingWithoutHandlers();
    void customHandlerAskedLastAndSkippedOnceDestroyed();
    void singletonIsRaceFree();

private:
    QString m_appDirFolder; // a scratch folder below the application directory
    QString m_relative;     // the same, relative to the application directory
};

void tst_DuiResourceLoader::initTestCase()
{
    // Missing and refused paths are asked for on purpose; their dui.resource warnings, shown by
    // default, would only bury the test's output.
    QLoggingCategory::setFilterRules(QStringLiteral("dui.resource.warning=false"));
    m_relative = QStringLiteral("loader-scratch-%1").arg(QCoreApplication::applicationPid());
    m_appDirFolder = MxUtility::appRootPath() + QLatin1Char('/') + m_relative;
    QDir(m_appDirFolder).removeRecursively();
    writeFile(m_appDirFolder + QStringLiteral("/data.txt"), "file");
    writeFile(m_appDirFolder + QStringLiteral("/panel.xml"), "<xmlui><DuiWidget objectName=\"fromFile\"/></xmlui>");
    QImage image(5, 7, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(m_appDirFolder + QStringLiteral("/blue.png")));
}

void tst_DuiResourceLoader::cleanupTestCase()
{
    QDir(m_appDirFolder).removeRecursively();
}

void tst_DuiResourceLoader::qtResources()
{
    DuiResourceLoader loader;
    const QPixmap red = loader.loadImage(QStringLiteral(":/loader/red.png"));
    QCOMPARE(red.size(), QSize(4, 3));
    QCOMPARE(red.toImage().pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(loader.loadRawData(QStringLiteral(":/loader/data.txt")), QByteArray("resource"));

    MXXmlDocument doc;
    QVERIFY(loader.loadXml(QStringLiteral(":/loader/panel.xml"), doc));
    QCOMPARE(QString::fromStdWString(doc.rootElement()->child(0)->attribute(L"objectName")), QStringLiteral("fromResource"));
    QVERIFY(!loader.loadXml(QStringLiteral(":/loader/broken.xml"), doc));
    QVERIFY(!loader.loadXml(QStringLiteral(":/loader/missing.xml"), doc));

    // A missing resource image is settled by the Qt handler: null, and nobody else is asked.
    RecordingHandler custom;
    loader.installResourceHandler(&custom);
    QVERIFY(loader.loadImage(QStringLiteral(":/loader/missing.png")).isNull());
    QVERIFY(custom.asked.isEmpty());
    QVERIFY(loader.loadRawData(QStringLiteral(":/loader/missing.txt")) == "custom");
}

void tst_DuiResourceLoader::resourceWinsOverSameRelativeFile()
{
    // loader/data.txt exists both as a resource and below the application directory.
    const QString fileBelowRoot = MxUtility::appRootPath() + QStringLiteral("/loader/data.txt");
    writeFile(fileBelowRoot, "file");
    DuiResourceLoader loader;
    QCOMPARE(loader.loadRawData(QStringLiteral(":/loader/data.txt")), QByteArray("resource"));
    QCOMPARE(loader.loadRawData(QStringLiteral("loader/data.txt")), QByteArray("file"));
    QDir(MxUtility::appRootPath() + QStringLiteral("/loader")).removeRecursively();
}

void tst_DuiResourceLoader::relativePaths()
{
    DuiResourceLoader loader;
    const QPixmap blue = loader.loadImage(m_relative + QStringLiteral("/blue.png"));
    QCOMPARE(blue.size(), QSize(5, 7));
    QCOMPARE(loader.loadRawData(m_relative + QStringLiteral("/data.txt")), QByteArray("file"));
    MXXmlDocument doc;
    QVERIFY(loader.loadXml(m_relative + QStringLiteral("/panel.xml"), doc));
    QCOMPARE(QString::fromStdWString(doc.rootElement()->child(0)->attribute(L"objectName")), QStringLiteral("fromFile"));

    // A relative path with a colon is refused by every built-in handler.
    QVERIFY(loader.loadImage(m_relative + QStringLiteral("/a:blue.png")).isNull());
    QVERIFY(loader.loadRawData(QStringLiteral("x:") + m_relative + QStringLiteral("/data.txt")).isEmpty());
    QVERIFY(loader.loadImage(m_relative + QStringLiteral("/nothing.png")).isNull());
}

void tst_DuiResourceLoader::defaultHandlerAcceptance_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "theme/x.png" << true;
    QTest::newRow("dots") << "../x.png" << true;
    for (const char *bad : {"a*b", "a?b", "a|b", "a<b", "a>b", "a\"b", "a:b"})
        QTest::newRow(bad) << QString::fromLatin1(bad) << false;
    QTest::newRow("absolute") << "/etc/x.png" << false;
    QTest::newRow("resource") << ":/theme/x.png" << false;
}

void tst_DuiResourceLoader::defaultHandlerAcceptance()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(DuiDefaultHandler::accepts(path), accepted);
}

void tst_DuiResourceLoader::absolutePaths()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("raw.bin")), QByteArray("\x00\x01\x02", 3));
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QVERIFY(image.save(dir.filePath(QStringLiteral("y.png"))));
    writeFile(dir.filePath(QStringLiteral("ui.xml")), "<xmlui/>");

    DuiResourceLoader loader;
    QCOMPARE(loader.loadRawData(dir.filePath(QStringLiteral("raw.bin"))), QByteArray("\x00\x01\x02", 3));
    QCOMPARE(loader.loadImage(dir.filePath(QStringLiteral("y.png"))).size(), QSize(3, 3));
    MXXmlDocument doc;
    QVERIFY(loader.loadXml(dir.filePath(QStringLiteral("ui.xml")), doc));
    QVERIFY(!loader.loadXml(dir.filePath(QStringLiteral("none.xml")), doc));
    QVERIFY(loader.loadRawData(dir.filePath(QStringLiteral("none.bin"))).isEmpty());
    // A file that is not an image decodes to nothing.
    QVERIFY(loader.loadImage(dir.filePath(QStringLiteral("raw.bin"))).isNull());
    // Devices and folders are not read at all: /dev/zero would never end.
    QVERIFY(loader.loadRawData(QStringLiteral("/dev/zero")).isEmpty());
    QVERIFY(!loader.loadXml(QStringLiteral("/dev/zero"), doc));
    QVERIFY(loader.loadRawData(dir.path()).isEmpty());
    // Nor are named pipes, as images either: opening one waits for a writer for ever. The
    // relative form goes through the application-folder handler.
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(loader.loadImage(pipe).isNull());
    QVERIFY(loader.loadImage(dir.path()).isNull());
    QVERIFY(loader.loadRawData(pipe).isEmpty());
    QCOMPARE(::mkfifo(QFile::encodeName(m_appDirFolder + QStringLiteral("/pipe.png")).constData(), 0600), 0);
    QVERIFY(loader.loadImage(m_relative + QStringLiteral("/pipe.png")).isNull());
}

void tst_DuiResourceLoader::rawDecodingWithoutHandlers()
{
    DuiResourceLoader loader;
    const QPixmap red = loader.loadImage(QStringLiteral(":/loader/red.png"), false);
    QCOMPARE(red.size(), QSize(4, 3));
    QVERIFY(loader.loadImage(QStringLiteral(":/loader/data.txt"), false).isNull());
    QVERIFY(loader.loadImage(QStringLiteral(":/loader/missing.png"), false).isNull());
}

void tst_DuiResourceLoader::customHandlerAskedLastAndSkippedOnceDestroyed()
{
    DuiResourceLoader loader;
    auto *custom = new RecordingHandler;
    loader.installResourceHandler(custom);
    loader.installResourceHandler(nullptr);

    // Built-in handlers answer first.
    QCOMPARE(loader.loadRawData(m_relative + QStringLiteral("/data.txt")), QByteArray("file"));
    QVERIFY(custom->asked.isEmpty());
    // What no built-in handler can read reaches the custom one.
    QCOMPARE(loader.loadRawData(m_relative + QStringLiteral("/absent.txt")), QByteArray("custom"));
    QCOMPARE(loader.loadImage(QStringLiteral("a:b.png")).size(), QSize(2, 2));
    MXXmlDocument doc;
    QVERIFY(loader.loadXml(QStringLiteral("virtual|ui.xml"), doc));
    QCOMPARE(QString::fromStdWString(doc.rootElement()->child(0)->tag()), QStringLiteral("custom"));
    QCOMPARE(custom->asked.size(), 3);

    delete custom;
    QVERIFY(loader.loadRawData(m_relative + QStringLiteral("/absent.txt")).isEmpty());
    QVERIFY(loader.loadImage(QStringLiteral("a:b.png")).isNull());
    QVERIFY(!loader.loadXml(QStringLiteral("virtual|ui.xml"), doc));
}

void tst_DuiResourceLoader::singletonIsRaceFree()
{
    DuiResourceLoader *seen[8] = {};
    QList<QThread *> threads;
    for (int i = 0; i < 8; ++i)
        threads << QThread::create([&seen, i] { seen[i] = getResourceLoader(); });
    for (QThread *t : threads)
        t->start();
    for (QThread *t : threads) {
        t->wait();
        delete t;
    }
    for (DuiResourceLoader *p : seen)
        QCOMPARE(p, getResourceLoader());
    QVERIFY(getResourceLoader());
}

QTEST_MAIN(tst_DuiResourceLoader)
#include "tst_duiresourceloader.moc"
