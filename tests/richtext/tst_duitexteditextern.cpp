// SPDX-License-Identifier: MIT
// The GIF copy and paste extension and the image drop extension, through the real clipboard
// and real drag-and-drop events, against GIF paths that other programs may write.
#include "giftest.h"
#include "richtexttest.h"

#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitexteditextern.h>
#include <gifpool.h>
#include <richtextedit_p.h>

#include <QtCore/qmimedata.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qclipboard.h>
#include <QtGui/qevent.h>
#include <QtGui/qtextdocument.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>

#include <sys/stat.h>

using namespace giftest;
using namespace richtexttest;

namespace {

const QString kMime = QStringLiteral("MIME/GifFilePath");

RichTextEdit *richOf(DuiTextEdit *edit)
{
    return static_cast<RichTextEdit *>(edit->realWidget());
}

int imageCount(DuiTextEdit *edit)
{
    return int(edit->document()->toPlainText().count(QChar::ObjectReplacementCharacter));
}

QByteArray pngBytes(const QColor &colour, QSize size = QSize(6, 6))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

QRgb resourcePixel(DuiTextEdit *edit, const QString &name)
{
    const QVariant v = edit->document()->resource(QTextDocument::ImageResource, QUrl(name));
    const QImage image = v.typeId() == QMetaType::QImage ? v.value<QImage>() : v.value<QPixmap>().toImage();
    return image.isNull() ? 0 : image.pixel(0, 0) & 0xFFFFFF;
}

// Records whether the paste was marked handled once every extension had its turn.
struct HandledProbe : QObject
{
    bool handled = false;
    int calls = 0;
    void attach(DuiTextEdit *edit)
    {
        connect(edit, &DuiTextEdit::beginInsertFromMimeData, this, [this](const QMimeData *, bool &isHandled) {
            handled = isHandled;
            ++calls;
        });
    }
};

// The child process of pipeNamedAsGifPath: pastes a FIFO's path and reports what the pool took.
int pasteInChild(const QString &path)
{
    DuiTextEdit edit;
    GifImageCopyPasteExtern gifs;
    gifs.doConnect(&edit);
    QMimeData mime;
    mime.setData(kMime, QStringLiteral("pipe|%1|").arg(path).toUtf8());
    richOf(&edit)->insertFromMimeData(&mime);
    return edit.gifPool()->contain(QStringLiteral("pipe")) ? 2 : 0;
}

} // namespace

class tst_DuiTextEditExtern : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void copyAndPasteGifsBetweenEditors();
    void pasteReadsOnlyGifFiles_data();
    void pasteReadsOnlyGifFiles();
    void pipeNamedAsGifPath();
    void dropInsertsOnlyImages_data();
    void dropInsertsOnlyImages();
    void reattachMovesConnections();

private:
    QTemporaryDir m_dir;
    QString m_gif;
    QString m_utf8Gif;
};

void tst_DuiTextEditExtern::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_gif = m_dir.filePath(QStringLiteral("spin.gif"));
    m_utf8Gif = m_dir.filePath(QStringLiteral("smile é ü 笑.GIF"));
    QVERIFY(writeFile(m_gif, redGreenBlue()));
    QVERIFY(writeFile(m_utf8Gif, gif({Qt::blue, Qt::white})));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("huge.gif")), hugeDeclared()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("fake.gif")), pngBytes(Qt::green)));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("still.png")), pngBytes(Qt::green)));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("cut.gif")), redGreenBlue().left(30)));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("a|b.gif")), redGreenBlue()));
}

void tst_DuiTextEditExtern::copyAndPasteGifsBetweenEditors()
{
    DuiTextEdit from;
    GifImageCopyPasteExtern fromGifs;
    fromGifs.doConnect(&from);
    DuiTextCursor cursor = from.textCursor();
    cursor.insertText(QStringLiteral("a"));
    cursor.insertImage(m_gif);
    cursor.insertText(QStringLiteral("b"));
    cursor.insertImage(m_utf8Gif);
    cursor.insertImage(m_dir.filePath(QStringLiteral("still.png")));
    cursor.insertImage(m_dir.filePath(QStringLiteral("a|b.gif")));
    cursor.insertText(QStringLiteral("c"));
    from.selectAll();
    from.copy();
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    QVERIFY(clip && clip->hasFormat(kMime));
    // Two pairs, written as UTF-8: the PNG is left out, and so is the GIF whose name holds the
    // separator.
    QCOMPARE(clip->data(kMime), (m_gif + '|' + m_gif + '|' + m_utf8Gif + '|' + m_utf8Gif + '|').toUtf8());

    DuiTextEdit to;
    GifImageCopyPasteExtern toGifs;
    toGifs.doConnect(&to);
    HandledProbe probe;
    probe.attach(&to);
    to.paste();
    QCOMPARE(probe.calls, 1);
    QVERIFY(!probe.handled);
    // The GIFs are registered, and the pasted content is there.
    QVERIFY(to.gifPool()->contain(m_gif));
    QVERIFY(to.gifPool()->contain(m_utf8Gif));
    QCOMPARE(resourcePixel(&to, m_gif), 0xFF0000u);
    QCOMPARE(resourcePixel(&to, m_utf8Gif), 0x0000FFu);
    QVERIFY(to.document()->toPlainText().contains(QLatin1String("ab")));

    // A selection without GIFs still writes the (empty) format.
    from.clear();
    from.textCursor().insertText(QStringLiteral("plain"));
    from.selectAll();
    from.copy();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(kMime));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->data(kMime).isEmpty());
}

void tst_DuiTextEditExtern::pasteReadsOnlyGifFiles_data()
{
    QTest::addColumn<QString>("payload"); // %1: the temporary folder
    QTest::addColumn<bool>("handledBefore");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("a pair") << QStringLiteral("g|%1/spin.gif|") << false << QStringList{QStringLiteral("g")};
    QTest::newRow("UTF-8 path") << QStringLiteral("ü|%1/smile é ü 笑.GIF|") << false << QStringList{QStringLiteral("ü")};
    QTest::newRow("odd trailing entry") << QStringLiteral("g|%1/spin.gif|h") << false << QStringList{QStringLiteral("g")};
    QTest::newRow("handled before") << QStringLiteral("g|%1/spin.gif|") << true << QStringList();
    QTest::newRow("a|") << QStringLiteral("a|") << false << QStringList();
    QTest::newRow("|||") << QStringLiteral("|||") << false << QStringList();
    QTest::newRow("relative path") << QStringLiteral("g|spin.gif|") << false << QStringList();
    QTest::newRow("compiled-in resource") << QStringLiteral("g|:/theme/duifw/busy.gif|") << false << QStringList();
    QTest::newRow("65535 x 65535 declared") << QStringLiteral("g|%1/huge.gif|") << false << QStringList();
    QTest::newRow("PNG named .gif") << QStringLiteral("g|%1/fake.gif|") << false << QStringList();
    QTest::newRow("truncated") << QStringLiteral("g|%1/cut.gif|") << false << QStringList();
    QTest::newRow("a folder") << QStringLiteral("g|%1|") << false << QStringList();
    QTest::newRow("missing file") << QStringLiteral("g|%1/none.gif|") << false << QStringList();
    QTest::newRow("existing name") << QStringLiteral("old|%1/spin.gif|") << false << QStringList();
}

void tst_DuiTextEditExtern::pasteReadsOnlyGifFiles()
{
    QFETCH(QString, payload);
    QFETCH(bool, handledBefore);
    QFETCH(QStringList, keys);
    DuiTextEdit edit;
    QByteArray png = pngBytes(QColor(0, 0, 0x80));
    edit.textCursor().insertImage(QStringLiteral("old"), png, 0);
    QObject first;
    if (handledBefore)
        connect(&edit, &DuiTextEdit::beginInsertFromMimeData, &first, [](const QMimeData *, bool &h) { h = true; });
    GifImageCopyPasteExtern gifs;
    gifs.doConnect(&edit);
    QCOMPARE(gifs.textEdit(), &edit);
    QMimeData mime;
    mime.setData(kMime, payload.arg(m_dir.path()).toUtf8());
    mime.setText(QStringLiteral("pasted"));
    richOf(&edit)->insertFromMimeData(&mime);
    QStringList got = edit.gifPool()->keys();
    got.sort();
    QCOMPARE(got, keys);
    QCOMPARE(resourcePixel(&edit, QStringLiteral("old")), 0x000080u);
    QCOMPARE(edit.document()->toPlainText().contains(QLatin1String("pasted")), !handledBefore);
}

void tst_DuiTextEditExtern::pipeNamedAsGifPath()
{
    const QString fifo = m_dir.filePath(QStringLiteral("pipe.gif"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DUI_GIF_PASTE_CHILD"), fifo);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForStarted());
    const bool finished = child.waitForFinished(20000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    QVERIFY2(finished, "pasting a pipe's path blocked");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

void tst_DuiTextEditExtern::dropInsertsOnlyImages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("PNG") << QStringLiteral("a.png") << pngBytes(Qt::red) << true;
    QTest::newRow("JPEG in capitals") << QStringLiteral("photo.JPEG") << pngBytes(Qt::red) << true;
    QTest::newRow("GIF") << QStringLiteral("anim.gif") << redGreenBlue() << true;
    QTest::newRow("text file") << QStringLiteral("notes.txt") << QByteArray("hello") << false;
    QTest::newRow("text named .png") << QStringLiteral("b.png") << QByteArray("hello, not a picture") << false;
    QTest::newRow("65535 x 65535 GIF") << QStringLiteral("big.gif") << hugeDeclared() << false;
}

void tst_DuiTextEditExtern::dropInsertsOnlyImages()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, inserted);
    const QString path = m_dir.filePath(QStringLiteral("drop/") + file);
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("drop"))));
    QVERIFY(writeFile(path, bytes));
    EditInView in;
    DropImageFileExtern drops;
    drops.doConnect(in.edit);
    QVERIFY(drops.isImageFile(QStringLiteral("X.JPEG")));
    HandledProbe probe;
    probe.attach(in.edit);
    QVERIFY(QTest::qWaitForWindowExposed(&in.view));

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QWidget *viewport = browserOf(in.edit)->viewport();
    const QPointF at(20, 20);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(probe.calls, 1);
    QCOMPARE(probe.handled, inserted);
    QCOMPARE(imageCount(in.edit), inserted ? 1 : 0);
}

void tst_DuiTextEditExtern::reattachMovesConnections()
{
    DuiTextEdit a;
    DuiTextEdit b;
    DropImageFileExtern drops;
    drops.doConnect(&a);
    drops.doConnect(&b);
    drops.doConnect(&b);
    QMimeData mime;
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    mime.setImageData(image);
    richOf(&a)->insertFromMimeData(&mime);
    richOf(&b)->insertFromMimeData(&mime);
    QCOMPARE(imageCount(&a), 0);
    QCOMPARE(imageCount(&b), 1);
}

int main(int argc, char **argv)
{
    const QString child = qEnvironmentVariable("DUI_GIF_PASTE_CHILD");
    QApplication app(argc, argv);
    if (!child.isEmpty())
        return pasteInChild(child);
    tst_DuiTextEditExtern test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duitexteditextern.moc"
