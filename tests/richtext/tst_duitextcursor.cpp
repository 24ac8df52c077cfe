// SPDX-License-Identifier: MIT
#include <duitextcompositeformat.h>
#include <duitextcursor.h>
#include <duitextedit.h>
#include <duitextutils.h>
#include <gifpool_p.h>
#include <richtextedit_p.h>

#include <QtCore/qbuffer.h>
#include <QtCore/qfile.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qtextdocument.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>

namespace {

const QString kGif = QStringLiteral(":/theme/duifw/busy.gif");

QByteArray gifBytes()
{
    QFile file(kGif);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray pngBytes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(&buffer, "PNG");
    return buffer.data();
}

RichTextEdit *richOf(DuiTextEdit &edit)
{
    return static_cast<RichTextEdit *>(edit.realWidget());
}

// The image characters of the document: (name, animated, anchor href).
QList<QStringList> images(QTextDocument *doc)
{
    QList<QStringList> out;
    const QString text = doc->toRawText();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QChar::ObjectReplacementCharacter)
            continue;
        QTextCursor at(doc);
        at.setPosition(i + 1);
        const QTextImageFormat format = at.charFormat().toImageFormat();
        out.append({format.name(), format.boolProperty(DuiTextCursor::AnimatedProperty) ? QStringLiteral("animated") : QStringLiteral("still"),
                    format.anchorHref()});
    }
    return out;
}

} // namespace

class tst_DuiTextCursor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unboundCursorInsertsSafely();
    void gifSignature_data();
    void gifSignature();
    void imageFromBytes_data();
    void imageFromBytes();
    void sameGifTwiceKeepsOneMovie();
    void recountDropsDeletedGifs();
    void poolAdvancesFrames();
    void linksCarryKeyAndValue();
    void compositeReplaysInOrder();
    void filters_data();
    void filters();
    void measureAndFixup_data();
    void measureAndFixup();
    void resolvingStates();
};

void tst_DuiTextCursor::unboundCursorInsertsSafely()
{
    DuiTextCursor cursor;
    QVERIFY(cursor.isNull());
    QVERIFY(!cursor.gifPool());
    QByteArray gif = gifBytes();
    cursor.insertText(QStringLiteral("x"));
    cursor.intellisensInsertText(QStringLiteral("x"), QTextCharFormat());
    cursor.insertTextLink(QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("t"), QColor(Qt::red));
    cursor.insertImage(kGif);
    cursor.insertImage(QStringLiteral("k"), gif, 0);
    cursor.insertImageLink(QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("n"), gif, 0);
    cursor.replaceKeyImage(QStringLiteral("k"), kGif);
    DuiTextCompositeFormat composite;
    composite.addText(QStringLiteral("x"), QColor(Qt::red));
    cursor.insertCompositeData(composite);
    QVERIFY(cursor.isNull());

    // A copy is bound to the same editor, with a binding of its own.
    DuiTextEdit edit;
    DuiTextCursor bound = edit.textCursor();
    DuiTextCursor copy = bound;
    QCOMPARE(copy.gifPool(), edit.gifPool());
    QCOMPARE(copy.richEdit(), bound.richEdit());
    copy.setGifPool(nullptr);
    QCOMPARE(bound.gifPool(), edit.gifPool());
    bound = cursor;
    QVERIFY(!bound.gifPool());
    QVERIFY(bound.isNull());
}

void tst_DuiTextCursor::gifSignature_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("gif");
    QTest::newRow("GIF89a only") << QByteArray("GIF89a") << false;
    QTest::newRow("GIF89a and more") << QByteArray("GIF89a\x01", 7) << true;
    QTest::newRow("GIF87a and more") << QByteArray("GIF87a\x01\x02", 8) << true;
    QTest::newRow("a file name") << QByteArray("smile.gif") << false;
    QTest::newRow("png") << pngBytes() << false;
    QTest::newRow("real gif") << gifBytes() << true;
}

void tst_DuiTextCursor::gifSignature()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, gif);
    QCOMPARE(GifPool::isAnimationGif(bytes, 0), gif);
    QVERIFY(GifPool::isAnimationGif(QStringLiteral("/a/B.GIF")));
    QVERIFY(!GifPool::isAnimationGif(QStringLiteral("/a/gif.png")));
}

void tst_DuiTextCursor::imageFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("withPool");
    QTest::addColumn<bool>("link");
    QTest::addColumn<QString>("expected"); // "animated", "still" or "" for nothing
    const QByteArray broken = QByteArray("GIF89a") + QByteArray(40, '\x07');
    for (bool link : {false, true}) {
        const QString suffix = link ? QStringLiteral(", link") : QString();
        QTest::newRow(qPrintable(QStringLiteral("gif") + suffix)) << gifBytes() << true << link << "animated";
        QTest::newRow(qPrintable(QStringLiteral("gif without a pool") + suffix)) << gifBytes() << false << link << "still";
        QTest::newRow(qPrintable(QStringLiteral("png") + suffix)) << pngBytes() << true << link << "still";
        QTest::newRow(qPrintable(QStringLiteral("gif signature, broken body") + suffix)) << broken << true << link << "";
        QTest::newRow(qPrintable(QStringLiteral("a file name") + suffix)) << QByteArray("x.gif") << true << link << "";
    }
}

// Bytes the pool refuses become a still image or nothing, never an image of a missing file.
void tst_DuiTextCursor::imageFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, withPool);
    QFETCH(bool, link);
    QFETCH(QString, expected);
    DuiTextEdit edit;
    DuiTextCursor cursor = edit.textCursor();
    if (!withPool)
        cursor.setGifPool(nullptr);
    if (link)
        cursor.insertImageLink(QStringLiteral("key"), QStringLiteral("value"), QStringLiteral("pic"), bytes, 0);
    else
        cursor.insertImage(QStringLiteral("pic"), bytes, 0);
    const QList<QStringList> found = images(edit.document());
    if (expected.isEmpty()) {
        QVERIFY(found.isEmpty());
        QVERIFY(!edit.gifPool()->contain(QStringLiteral("pic")));
        return;
    }
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().at(0), QStringLiteral("pic"));
    QCOMPARE(found.first().at(1), expected);
    QCOMPARE(found.first().at(2), link ? QStringLiteral("key") : QString());
    QCOMPARE(edit.gifPool()->contain(QStringLiteral("pic")), expected == QLatin1String("animated"));
    const QImage shown = edit.document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic"))).value<QImage>();
    QVERIFY(!shown.isNull());
    QVERIFY(shown.width() > 1);
}

void tst_DuiTextCursor::sameGifTwiceKeepsOneMovie()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("smile.gif"));
    QVERIFY(QFile::copy(kGif, path));
    DuiTextEdit edit;
    DuiTextCursor cursor = edit.textCursor();
    cursor.insertImage(path);
    cursor.insertImage(path);
    const QList<QStringList> found = images(edit.document());
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0), QStringList({path, QStringLiteral("animated"), QString()}));
    QCOMPARE(found.at(1), found.at(0));
    QVERIFY(edit.gifPool()->contain(path));
    QVERIFY(!edit.gifPool()->insertKeyImage(path, path));
    QVERIFY(edit.gifPool()->isTimerActive());
    // A ".gif" that is no GIF: a still image if it decodes, else only its character.
    const QString fake = dir.filePath(QStringLiteral("fake.gif"));
    QFile png(fake);
    QVERIFY(png.open(QIODevice::WriteOnly));
    png.write(pngBytes());
    png.close();
    cursor.insertImage(fake);
    QVERIFY(!edit.gifPool()->contain(fake));
    QCOMPARE(images(edit.document()).at(2).at(1), QStringLiteral("still"));
}

void tst_DuiTextCursor::recountDropsDeletedGifs()
{
    DuiTextEdit edit;
    DuiTextCursor cursor = edit.textCursor();
    QByteArray a = gifBytes();
    QByteArray b = gifBytes();
    cursor.insertImage(QStringLiteral("a"), a, 0);
    cursor.insertImage(QStringLiteral("b"), b, 0);
    cursor.insertImage(QStringLiteral("b"), b, 0);
    GifPool *pool = edit.gifPool();
    richOf(edit)->on_delayDeleteGif();
    QCOMPARE(pool->refCount(QStringLiteral("a")), 1);
    QCOMPARE(pool->refCount(QStringLiteral("b")), 2);
    QTextCursor first(edit.document());
    first.setPosition(0);
    first.setPosition(1, QTextCursor::KeepAnchor);
    first.removeSelectedText();
    richOf(edit)->on_delayDeleteGif();
    QVERIFY(!pool->contain(QStringLiteral("a")));
    QVERIFY(pool->isTimerActive());
    edit.clear();
    richOf(edit)->on_delayDeleteGif();
    QVERIFY(!pool->contain(QStringLiteral("b")));
    QVERIFY(!pool->isTimerActive());
}

void tst_DuiTextCursor::poolAdvancesFrames()
{
    DuiTextEdit edit;
    DuiTextCursor cursor = edit.textCursor();
    QByteArray gif = gifBytes();
    cursor.insertImage(QStringLiteral("busy"), gif, 0);
    QSignalSpy frames(edit.gifPool(), &GifPool::updateGifImage);
    QVERIFY(frames.wait(2000));
    const auto update = frames.first().first().value<QList<GifUpdateData>>();
    QCOMPARE(update.size(), 1);
    QCOMPARE(update.first().name, QStringLiteral("busy"));
    QVERIFY(!update.first().pixmap.isNull());
    edit.setAnimationEnabled(false);
    QVERIFY(!edit.gifPool()->isTimerActive());
}

void tst_DuiTextCursor::linksCarryKeyAndValue()
{
    DuiTextEdit edit;
    QTextCharFormat base;
    base.setFontPointSize(15);
    edit.setCharFormat(base);
    DuiTextCursor cursor = edit.textCursor();
    cursor.insertTextLink(QStringLiteral("user"), QStringLiteral("42"), QStringLiteral("Ann"), QColor(Qt::blue));
    QTextCursor at(edit.document());
    at.setPosition(2);
    const QTextCharFormat format = at.charFormat();
    QVERIFY(format.isAnchor());
    QCOMPARE(format.anchorHref(), QStringLiteral("user"));
    QCOMPARE(format.stringProperty(DuiTextCursor::LinkValueProperty), QStringLiteral("42"));
    QCOMPARE(format.anchorNames(), QStringList({QStringLiteral("Ann")}));
    QVERIFY(format.fontUnderline());
    QCOMPARE(format.foreground().color(), QColor(Qt::blue));
    QCOMPARE(format.fontPointSize(), 15.0);
}

void tst_DuiTextCursor::compositeReplaysInOrder()
{
    DuiTextCompositeFormat composite;
    QVERIFY(composite.isNull());
    composite.addText(QStringLiteral("hi "), QColor(Qt::red));
    composite.addLink(QStringLiteral("k"), QStringLiteral("name"), QStringLiteral("v"), QColor(Qt::blue));
    composite.addImage(kGif, QStringLiteral("busy key"));
    QImage still(3, 3, QImage::Format_ARGB32);
    still.fill(Qt::green);
    composite.addImage(QStringLiteral("still"), still);
    QVERIFY(!composite.isNull());
    const DuiTextCompositeFormat copy = composite;
    QCOMPARE(copy.entries().size(), 4);

    DuiTextEdit edit;
    edit.textCursor().insertCompositeData(copy);
    QCOMPARE(edit.toPlainText(), QStringLiteral("hi name") + QString(2, QChar(QChar::ObjectReplacementCharacter)));
    QTextCursor at(edit.document());
    at.setPosition(1);
    QCOMPARE(at.charFormat().foreground().color(), QColor(Qt::red));
    at.setPosition(5);
    QCOMPARE(at.charFormat().anchorHref(), QStringLiteral("k"));
    at.setPosition(8);
    QCOMPARE(at.charFormat().toImageFormat().name(), kGif);
    QCOMPARE(at.charFormat().stringProperty(DuiTextCursor::KeyTextProperty), QStringLiteral("busy key"));
    at.setPosition(9);
    QCOMPARE(at.charFormat().toImageFormat().name(), QStringLiteral("still"));
}

void tst_DuiTextCursor::filters_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("singleLine");
    QTest::addColumn<QString>("multiLine");
    QTest::newRow("trim, tab, feed") << " a\tb\n" << "a b" << " a\tb\n";
    QTest::newRow("breaks and objects") << QStringLiteral("a\r\nb\u2028c\u2029d\uFFFCe") << "abcde"
                                        << QStringLiteral("a\r\nb\u2028c\u2029d\uFFFCe");
    QTest::newRow("bidi overrides") << QStringLiteral("x\u202Ey\u200Fz\u0787") << "xyz" << "xyz";
    QTest::newRow("surrogates") << QString::fromUtf8("a\xF0\x9F\x98\x80" "b") << "ab" << "ab";
    QTest::newRow("lone surrogate") << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")) << "ab" << "ab";
}

void tst_DuiTextCursor::filters()
{
    QFETCH(QString, input);
    QFETCH(QString, singleLine);
    QFETCH(QString, multiLine);
    QCOMPARE(duitextutils::singleLineTextFilter(input), singleLine);
    QCOMPARE(duitextutils::multiLineTextFilter(input), multiLine);
    QString name = input;
    duitextutils::formatName(name);
    QCOMPARE(name, singleLine);
    QString lines = QStringLiteral("a\r\nb\n");
    duitextutils::removeNewLine(lines);
    QCOMPARE(lines, QStringLiteral("ab"));
}

void tst_DuiTextCursor::measureAndFixup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<int>("cursorPos");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("expected");
    const QString cjk = QString::fromUtf8("\xE4\xB8\xAD");
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("zero clears") << "ab" << 0 << -1 << true << "";
    QTest::newRow("exactly full") << (QStringLiteral("ab") + cjk) << 4 << -1 << false << (QStringLiteral("ab") + cjk);
    QTest::newRow("typed at the cursor") << "abcXY" << 3 << 5 << true << "abc";
    QTest::newRow("typed in the middle") << "aXYbc" << 3 << 3 << true << "abc";
    QTest::newRow("several over, one place") << (QStringLiteral("ab") + cjk + cjk) << 3 << 4 << true << "ab";
    QTest::newRow("cursor at 0 cuts the end") << "abcd" << 2 << 0 << true << "ab";
    QTest::newRow("no cursor cuts the end") << "abcd" << 3 << -1 << true << "abc";
    QTest::newRow("pair removed whole") << (QStringLiteral("ab") + smile) << 3 << 4 << true << "ab";
    QTest::newRow("pair at the end, no cursor") << (QStringLiteral("a") + smile) << 4 << -1 << true << "a";
}

void tst_DuiTextCursor::measureAndFixup()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(int, cursorPos);
    QFETCH(bool, changed);
    QFETCH(QString, expected);
    QCOMPARE(duitextutils::fixupStringByBytes(text, maxBytes, cursorPos), changed);
    QCOMPARE(text, expected);
    QVERIFY(duitextutils::measureStringByBytes(text) <= qMax(0, maxBytes));
    QCOMPARE(duitextutils::measureStringByBytes(QString::fromUtf8("ab\xE4\xB8\xAD")), 4);
}

void tst_DuiTextCursor::resolvingStates()
{
    const QStringList two = duitextutils::resolvingStates(QStringLiteral("n|h"), QStringLiteral("1"), QStringLiteral("2"),
                                                          QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"));
    QCOMPARE(two, QStringList({QStringLiteral("n"), QStringLiteral("h"), QStringLiteral("3"), QStringLiteral("4"),
                               QStringLiteral("5")}));
    const QStringList six = duitextutils::resolvingStates(QStringLiteral("a||c|d|e|f"), {}, {}, {}, {}, {});
    QCOMPARE(six.size(), 6);
    QCOMPARE(six.at(1), QString());
}

QTEST_MAIN(tst_DuiTextCursor)
#include "tst_duitextcursor.moc"
