// SPDX-License-Identifier: MIT
#include <duiapplication.h>

#include <QtCore/qbuffer.h>
#include <QtCore/qlibraryinfo.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qimage.h>
#include <QtGui/qimagewriter.h>
#include <QtTest/qtest.h>

#include <cstdio>
#include <cstring>

namespace {

// Run in a child process: builds a DuiApplication and reports what the plug-in set-up allows.
int probe(int argc, char **argv)
{
    DuiApplication app(argc, argv);
    const QString qtPlugins = QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath)).canonicalPath();
    bool listed = false;
    for (const QString &p : QCoreApplication::libraryPaths())
        listed = listed || QDir(p).canonicalPath() == qtPlugins;

    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    const bool wrote = QImageWriter(&buffer, "jpeg").write(image);
    std::printf("qtPluginsListed=%d jpeg=%d\n", listed ? 1 : 0, wrote ? 1 : 0);
    std::printf("version=[%s] user=[%s]\n", qPrintable(app.currentVersionZKAppPath()),
                qPrintable(app.currentZKUserAppPath()));
    return 0;
}

} // namespace

class tst_DuiApplication : public QObject
{
    Q_OBJECT

private slots:
    void pluginDirectory_data();
    void pluginDirectory();
    void metaObject();

private:
    static QByteArray runProbe(bool withLocalImageFormats);
};

QByteArray tst_DuiApplication::runProbe(bool withLocalImageFormats)
{
    // The application directory decides, so the probe runs from a copy of this binary.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("probe"));
    if (!QFile::copy(QCoreApplication::applicationFilePath(), copy))
        return "copy failed";
    if (withLocalImageFormats)
        QDir(dir.path()).mkdir(QStringLiteral("imageformats"));
    QProcess process;
    process.start(copy, {QStringLiteral("--probe")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "probe failed: " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

void tst_DuiApplication::pluginDirectory_data()
{
    QTest::addColumn<bool>("localImageFormats");
    QTest::addColumn<QByteArray>("expected");
    // Without a folder of its own the application keeps Qt's plug-ins, so JPEG still works.
    QTest::newRow("no local imageformats") << false << QByteArray("qtPluginsListed=1 jpeg=1");
    // With one, Qt's directory is dropped and only the (here empty) local folder is searched.
    QTest::newRow("local imageformats") << true << QByteArray("qtPluginsListed=0 jpeg=0");
}

void tst_DuiApplication::pluginDirectory()
{
    QFETCH(bool, localImageFormats);
    QFETCH(QByteArray, expected);
    const QByteArray out = runProbe(localImageFormats);
    QVERIFY2(out.contains(expected), out.constData());
    QVERIFY2(out.contains("version=[] user=[]"), out.constData());
}

void tst_DuiApplication::metaObject()
{
    QCOMPARE(DuiApplication::staticMetaObject.className(), "DuiApplication");
    QCOMPARE(DuiApplication::staticMetaObject.superClass(), &QApplication::staticMetaObject);
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QCoreApplication app(argc, argv);
    tst_DuiApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duiapplication.moc"
