// SPDX-License-Identifier: MIT
#include <duiframeitem.h>
#include <duimenu.h>
#include <duitheme.h>
#include <duitextedit.h>
#include <duitexteditcopypastehandler.h>
#include <duitextintellisenseinput.h>
#include <gifpool_p.h>

#include "richtexttest.h"
#include "../platform/xvfbtestutil.h"

#include <QtCore/qbuffer.h>
#include <QtCore/qmimedata.h>
#include <QtCore/qprocess.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qclipboard.h>
#include <QtGui/qdesktopservices.h>
#include <QtGui/qtextdocument.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qscrollbar.h>

#include <cstdio>
#include <sys/stat.h>

using namespace richtexttest;

namespace {

const QString kMime = QStringLiteral("MIME/TextEdit");

// Receives the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

// A parent item that records the keys its child let through.
class KeyRecorder : public QGraphicsWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        keys.append(event->key());
        event->accept();
    }
};

// A handler with a record of its own: "[Tag]" followed by the selection's length as a string.
class TagHandler : public DuiTextEditCopyPasteHandler
{
public:
    using DuiTextEditCopyPasteHandler::DuiTextEditCopyPasteHandler;
    int copies = 0;
    QStringList pasted;

    void beginCopyData(int position, const QString &text, QDataStream &stream) override
    {
        ++copies;
        stream << QStringLiteral("[Tag]") << QString::number(text.size());
        DuiTextEditCopyPasteHandler::beginCopyData(position, text, stream);
    }
    void beginPasteData(const QString &key, DuiTextCursor &cursor, QDataStream &stream) override
    {
        if (key != QLatin1String("[Tag]")) {
            DuiTextEditCopyPasteHandler::beginPasteData(key, cursor, stream);
            return;
        }
        QString value;
        stream >> value;
        pasted.append(value);
    }
};

// Turns ":)" into an image and says what each of its images stands for.
class SmileyInput : public DuiTextAbstractIntellisenseInput
{
public:
    QList<int> objects;
    int calls = 0;

    void onSingleCharChange(bool &) override {}
    void insertText(const QString &text, QTextCursor &cursor, const QTextCharFormat &format) override
    {
        ++calls;
        const QStringList parts = text.split(QStringLiteral(":)"));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i) {
                objects.append(cursor.position() + 1);
                QTextImageFormat image;
                image.setName(QStringLiteral(":/theme/duifw/busy.gif"));
                cursor.insertImage(image);
            }
            next()->insertText(parts.at(i), cursor, format);
        }
    }
    void onContentsChange(int, int, int) override {}
    QString objectText(int position, bool &handled) override
    {
        handled = objects.contains(position);
        return handled ? QStringLiteral(":)") : QString();
    }
};

void putOnClipboard(const QString &text, const QByteArray *records)
{
    auto *mime = new QMimeData;
    if (!text.isNull())
        mime->setText(text);
    if (records)
        mime->setData(kMime, *records);
    QGuiApplication::clipboard()->setMimeData(mime);
}

DuiMenu *openMenu()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<DuiMenu *>(w); menu && menu->isVisible())
            return menu;
    }
    return nullptr;
}

} // namespace

class tst_DuiTextEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void construction();
    void nativeWidgetInOwnCoordinates_data();
    void nativeWidgetInOwnCoordinates();
    void delayedGeometry();
    void repaintsAfterBeingSizedToNothing_data();
    void repaintsAfterBeingSizedToNothing();
    void enterKeys_data();
    void enterKeys();
    void enterTravelsOnWhenRefused_data();
    void enterTravelsOnWhenRefused();
    void spaceAtRightEdgeIsInserted();
    void maxLength_data();
    void maxLength();
    void placeholderStaysOutOfDocument();
    void copyWritesTextHtmlAndRecord_data();
    void copyWritesTextHtmlAndRecord();
    void pasteRecords_data();
    void pasteRecords();
    void roundTrips_data();
    void roundTrips();
    void handlerChain();
    void inputChain();
    void links_data();
    void links();
    void activatedLinkIsReadFromItself();
    void clickOnImageSelectsIt();
    void contextMenu_data();
    void contextMenu();
    void resources_data();
    void resources();
    void hostileImageSource_data();
    void hostileImageSource();
    void frameImageAndReadOnly();
    void scrollBarSheetFollowsTheme();
    void xvfbClipboard();
};

void tst_DuiTextEdit::construction()
{
    DuiTextEdit edit;
    QCOMPARE(edit.colorizePolicy(), DuiWidget::ColorableFlag);
    QCOMPARE(edit.dragPolicy(), DuiWidget::NotDragWindow);
    QTextBrowser *browser = browserOf(&edit);
    QVERIFY(browser);
    QVERIFY(!browser->isReadOnly());
    QVERIFY(!browser->openLinks());
    QVERIFY(!browser->openExternalLinks());
    QVERIFY(!browser->acceptRichText());
    QCOMPARE(browser->palette().color(QPalette::Base), QColor(255, 255, 255, 0));
    QCOMPARE(proxyOf(&edit)->widget(), browser);
    QCOMPARE(edit.frameImageColorizePolicy(), DuiWidget::ColorizeWidgetFlag(0));

    QGraphicsScene scene;
    DuiWidget *made = createWidgetByName("DuiTextEdit", nullptr);
    QVERIFY(qobject_cast<DuiTextEdit *>(made));
    delete made;
}

void tst_DuiTextEdit::nativeWidgetInOwnCoordinates_data()
{
    QTest::addColumn<bool>("frame");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("frame") << true << QRectF(1, 2, 298, 156);
    QTest::newRow("no frame") << false << QRectF(0, 0, 300, 160);
}

// The editor sits at (40, 30) in the scene: its widget must still cover the text edit itself.
void tst_DuiTextEdit::nativeWidgetInOwnCoordinates()
{
    QFETCH(bool, frame);
    QFETCH(QRectF, expected);
    EditInView f;
    if (frame)
        f.edit->setFrameImage(QString());
    f.edit->resize(300, 160);
    QGraphicsProxyWidget *proxy = proxyOf(f.edit);
    QCOMPARE(proxy->geometry(), expected);
    QCOMPARE(proxy->mapToScene(QPointF(0, 0)), QPointF(40, 30) + expected.topLeft());

    f.edit->setMaximumSize(30000, 30000);
    QTest::ignoreMessage(QtWarningMsg, "[DuiTextEdit]error new size 20000,160");
    f.edit->resize(20000, 160);
    QCOMPARE(proxy->geometry(), expected);
}

void tst_DuiTextEdit::delayedGeometry()
{
    EditInView f;
    f.edit->setDelayUpdate(true);
    f.edit->resize(200, 100);
    f.edit->resize(220, 90);
    QGraphicsProxyWidget *proxy = proxyOf(f.edit);
    QCOMPARE(proxy->geometry(), QRectF(0, 0, 300, 160));
    QTRY_COMPARE(proxy->geometry(), QRectF(0, 0, 220, 90));
}

void tst_DuiTextEdit::repaintsAfterBeingSizedToNothing_data()
{
    QTest::addColumn<bool>("frame");
    QTest::newRow("frame image given while empty") << true;
    QTest::newRow("no frame") << false;
}

// A text edit is empty until a layout sizes it (from XML a frame image arrives then). Its editor
// must still repaint on screen afterwards: the view is asked to paint when text goes in.
void tst_DuiTextEdit::repaintsAfterBeingSizedToNothing()
{
    QFETCH(bool, frame);
    EditInView f;
    f.edit->resize(0, 0);
    if (frame)
        f.edit->setFrameImage(QString());
    f.edit->resize(300, 160);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    // Nothing earlier stays pending: the scene's queued update pass, then the view's paint.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    f.view.viewport()->repaint();
    PaintRecorder painted(f.view.viewport());
    f.edit->textCursor().insertText(QStringLiteral("typed"));
    QTRY_VERIFY(!painted.region.isEmpty());
    QVERIFY(painted.region.boundingRect().intersects(f.view.mapFromScene(f.edit->sceneBoundingRect()).boundingRect()));
}

void tst_DuiTextEdit::enterKeys_data()
{
    QTest::addColumn<bool>("enterInsertsNewline");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("breaksLine");
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("enter") << true << none << true;
    QTest::newRow("ctrl+enter sends") << true << ctrl << false;
    QTest::newRow("shift+enter") << true << shift << true;
    QTest::newRow("shift+ctrl+enter") << true << (shift | ctrl) << true;
    QTest::newRow("swapped: enter sends") << false << none << false;
    QTest::newRow("swapped: ctrl+enter") << false << ctrl << true;
    QTest::newRow("swapped: shift+enter") << false << shift << true;
}

void tst_DuiTextEdit::enterKeys()
{
    QFETCH(bool, enterInsertsNewline);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, breaksLine);
    EditInView f;
    QVERIFY(f.activate());
    f.edit->makeCtrlEnterAsEnter(enterInsertsNewline);
    QSignalSpy sent(f.edit, &DuiTextEdit::returnPressed);
    QTest::keyClicks(f.view.viewport(), QStringLiteral("ab"));
    QTest::keyClick(f.view.viewport(), Qt::Key_Return, modifiers);
    QTest::keyClicks(f.view.viewport(), QStringLiteral("c"));
    QCOMPARE(f.edit->toPlainText(), breaksLine ? QStringLiteral("ab\nc") : QStringLiteral("abc"));
    QCOMPARE(f.edit->document()->blockCount(), breaksLine ? 2 : 1);
    QCOMPARE(sent.count(), breaksLine ? 0 : 1);
}

void tst_DuiTextEdit::enterTravelsOnWhenRefused_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only") << true;
    QTest::newRow("enter not accepted") << false;
}

void tst_DuiTextEdit::enterTravelsOnWhenRefused()
{
    QFETCH(bool, readOnly);
    auto *parent = new KeyRecorder;
    EditInView f(parent);
    QVERIFY(f.activate());
    f.edit->setText(QStringLiteral("x"));
    if (readOnly)
        f.edit->setReadOnly(true);
    else
        f.edit->setAcceptEnter(false);
    QSignalSpy sent(f.edit, &DuiTextEdit::returnPressed);
    QTest::keyClick(f.view.viewport(), Qt::Key_Return);
    QTest::keyClick(f.view.viewport(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(parent->keys.count(Qt::Key_Return), 2);
    QCOMPARE(sent.count(), 0);
    QCOMPARE(f.edit->toPlainText(), QStringLiteral("x"));
}

// Every typed space arrives, wherever the line has reached.
void tst_DuiTextEdit::spaceAtRightEdgeIsInserted()
{
    EditInView f;
    f.edit->resize(120, 160);
    QVERIFY(f.activate());
    QString typed;
    for (int i = 0; i < 40; ++i)
        typed += QStringLiteral("ab ");
    QTest::keyClicks(f.view.viewport(), typed);
    QCOMPARE(f.edit->toPlainText(), typed);
}

void tst_DuiTextEdit::maxLength_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80"); // outside the BMP: two code units
    for (const char *how : {"key", "input method", "paste"}) {
        const QString h = QLatin1String(how);
        QTest::newRow(qPrintable(h + ": cut to the room")) << h << "abc" << 3 << 3 << "12345" << "abc12";
        QTest::newRow(qPrintable(h + ": no room")) << h << "abcde" << 5 << 5 << "x" << "abcde";
        QTest::newRow(qPrintable(h + ": selection makes room")) << h << "abcde" << 3 << 5 << "xyz" << "abcxy";
        QTest::newRow(qPrintable(h + ": surrogate pair kept whole"))
            << h << "abcd" << 4 << 4 << (smile + QStringLiteral("x")) << "abcd";
        QTest::newRow(qPrintable(h + ": pair that fits")) << h << "abc" << 3 << 3 << (smile + QStringLiteral("x"))
                                                          << (QStringLiteral("abc") + smile);
    }
    QTest::newRow("drop: cut to the room") << "drop" << "abc" << 3 << 3 << "12345" << "abc12";
    QTest::newRow("drop: no room") << "drop" << "abcde" << 5 << 5 << "x" << "abcde";
}

void tst_DuiTextEdit::maxLength()
{
    QFETCH(QString, how);
    QFETCH(QString, existing);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    EditInView f;
    QVERIFY(f.activate());
    f.edit->setText(existing);
    f.edit->setMaxLength(5);
    QTextCursor cursor(f.edit->document());
    cursor.setPosition(selectFrom);
    cursor.setPosition(selectTo, QTextCursor::KeepAnchor);
    f.edit->setTextCursor(cursor);
    if (how == QLatin1String("key")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, input);
        QApplication::sendEvent(f.view.viewport(), &press);
    } else if (how == QLatin1String("input method")) {
        QInputMethodEvent commit;
        commit.setCommitString(input);
        QApplication::sendEvent(&f.view, &commit);
    } else if (how == QLatin1String("paste")) {
        putOnClipboard(input, nullptr);
        f.edit->paste();
    } else {
        // Dropped after the end of the text.
        QWidget *viewport = browserOf(f.edit)->viewport();
        const QPoint at(viewport->width() - 10, 8);
        QMimeData mime;
        mime.setText(input);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
    }
    QCOMPARE(f.edit->toPlainText(), expected);
}

// The placeholder is painted, never part of the document.
void tst_DuiTextEdit::placeholderStaysOutOfDocument()
{
    EditInView f;
    QVERIFY(f.activate());
    const auto render = [&f] {
        QImage image(300, 160, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        f.scene.render(&painter, QRectF(0, 0, 300, 160), QRectF(40, 30, 300, 160));
        return image;
    };
    const QImage empty = render();
    QSignalSpy changed(f.edit, &DuiTextEdit::textChanged);
    QTest::keyClicks(f.view.viewport(), QStringLiteral("x"));
    QTest::keyClick(f.view.viewport(), Qt::Key_Backspace);
    QVERIFY(f.edit->document()->isUndoAvailable());
    changed.clear();
    f.edit->setPlaceholderText(QStringLiteral("Say something"));
    f.view.setFocus();
    f.edit->setFocus();
    QCOMPARE(f.edit->placeHolderText(), QStringLiteral("Say something"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(f.edit->document()->isUndoAvailable());
    QVERIFY(f.edit->document()->isEmpty());
    QVERIFY(!f.edit->toHtml().contains(QLatin1String("Say something")));
    QCOMPARE(f.edit->toPlainText(), QString());
    QVERIFY(render() != empty);
    QTest::keyClicks(f.view.viewport(), QStringLiteral("y"));
    QCOMPARE(f.edit->toPlainText(), QStringLiteral("y"));
}

void tst_DuiTextEdit::copyWritesTextHtmlAndRecord_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("copiedHtml");
    QTest::newRow("paragraphs") << "<p>a</p><p>b</p>" << "a\nb" << "a<br />b";
    QTest::newRow("markup stays text") << "<p>a&lt;b &amp;c</p><p>&lt;img src=x&gt;</p>" << "a<b &c\n<img src=x>"
                                       << "a&lt;b &amp;c<br />&lt;img src=x&gt;";
}

void tst_DuiTextEdit::copyWritesTextHtmlAndRecord()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QFETCH(QString, copiedHtml);
    DuiTextEdit edit;
    edit.setText(html);
    edit.selectAll();
    edit.copy();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->text(), text);
    QCOMPARE(mime->html(), copiedHtml);
    bool ok = false;
    QCOMPARE(readRecords(mime->data(kMime), &ok), QStringList({QStringLiteral("[Text]"), text, QStringLiteral("[/Text]")}));
    QVERIFY(ok);
}

void tst_DuiTextEdit::pasteRecords_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expected");
    const QByteArray text = record({QStringLiteral("[Text]"), QStringLiteral("hi"), QStringLiteral("[/Text]")});
    QTest::newRow("one record") << text << "plain" << false << "hi";
    QTest::newRow("two records") << (text + record({QStringLiteral("[Text]"), QStringLiteral("ho"), QStringLiteral("[/Text]")}))
                                 << "plain" << false << "hiho";
    QTest::newRow("read-only") << text << "plain" << true << "";
    QByteArray odd = record({QStringLiteral("[Text]")});
    odd[3] = char(odd.at(3) + 1);
    QTest::newRow("odd byte count") << odd << "plain" << false << "plain";
    QByteArray huge = record({QStringLiteral("[Text]")}) + QByteArray("\x7F\xFF\xFF\xF0", 4) + QByteArray(64, 'a');
    QTest::newRow("length beyond the data") << huge << "plain" << false << "plain";
    QTest::newRow("unknown key, then [Text]") << (record({QStringLiteral("[Gif]")}) + text) << "plain" << false << "plain";
    QTest::newRow("no [/Text]") << record({QStringLiteral("[Text]"), QStringLiteral("hi")}) << "plain" << false << "plain";
    QTest::newRow("good, then bad") << (text + record({QStringLiteral("[Gif]")})) << "plain" << false << "hi";
    QTest::newRow("bad and no text") << odd << QString() << false << "";
    QTest::newRow("empty records") << QByteArray() << "plain" << false << "plain";
    QTest::newRow("above 64 MB") << record({QStringLiteral("[Text]"), QString(32 * 1024 * 1024 + 8, QLatin1Char('x')),
                                            QStringLiteral("[/Text]")})
                                 << "plain" << false << "plain";
}

void tst_DuiTextEdit::pasteRecords()
{
    QFETCH(QByteArray, records);
    QFETCH(QString, plain);
    QFETCH(bool, readOnly);
    QFETCH(QString, expected);
    DuiTextEdit edit;
    edit.setReadOnly(readOnly);
    putOnClipboard(plain, &records);
    edit.paste();
    QCOMPARE(edit.toPlainText(), expected);
}

void tst_DuiTextEdit::roundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("right to left") << QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D abc \xD8\xB3\xD9\x84\xD8\xA7\xD9\x85");
    QTest::newRow("combining marks") << QString::fromUtf8("e\xCC\x81 a\xCC\x8A\xCC\x81 \xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xB7");
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80\xF0\xA0\x80\x80 \xE4\xB8\xAD");
    QTest::newRow("100,000-character line") << QString(100000, QLatin1Char('w'));
}

void tst_DuiTextEdit::roundTrips()
{
    QFETCH(QString, text);
    EditInView f;
    f.edit->setText(text);
    QCoreApplication::processEvents();
    f.edit->selectAll();
    f.edit->copy();
    DuiTextEdit other;
    other.paste();
    QCOMPARE(other.toPlainText(), text);
    // Only the private records: the plain text must not be what arrived.
    auto *mime = new QMimeData;
    mime->setData(kMime, QGuiApplication::clipboard()->mimeData()->data(kMime));
    QGuiApplication::clipboard()->setMimeData(mime);
    other.clear();
    other.paste();
    QCOMPARE(other.toPlainText(), text);
}

void tst_DuiTextEdit::handlerChain()
{
    DuiTextEdit edit;
    TagHandler first(&edit);
    TagHandler second(&edit);
    QVERIFY(edit.addCopyPasteHandler(&first));
    QVERIFY(edit.addCopyPasteHandler(&second));
    QVERIFY(!edit.addCopyPasteHandler(&first));
    QVERIFY(!edit.addCopyPasteHandler(nullptr));
    QCOMPARE(first.nextChain(), &second);
    QVERIFY(second.nextChain());

    edit.setText(QStringLiteral("abc"));
    edit.selectAll();
    edit.copy();
    QCOMPARE(first.copies, 1);
    QCOMPARE(second.copies, 1);
    bool ok = false;
    const QStringList records = readRecords(QGuiApplication::clipboard()->mimeData()->data(kMime), &ok);
    QCOMPARE(records, QStringList({QStringLiteral("[Tag]"), QStringLiteral("3"), QStringLiteral("[Tag]"),
                                   QStringLiteral("3"), QStringLiteral("[Text]"), QStringLiteral("abc"),
                                   QStringLiteral("[/Text]")}));

    DuiTextEdit target;
    TagHandler reader(&target);
    QVERIFY(target.addCopyPasteHandler(&reader));
    target.paste();
    target.paste();
    QCOMPARE(reader.pasted, QStringList({QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3")}));
    QCOMPARE(target.toPlainText(), QStringLiteral("abcabc"));
    // Each paste is one undo step.
    target.document()->undo();
    QCOMPARE(target.toPlainText(), QStringLiteral("abc"));

    // Observers run before the chain; one that handles the data stops it.
    DuiTextEdit observed;
    QSignalSpy copying(&observed, &DuiTextEdit::beginCreateMimeDataFromSelection);
    connect(&observed, &DuiTextEdit::beginInsertFromMimeData, &observed,
            [&observed](const QMimeData *, bool &handled) {
                observed.textCursor().insertText(QStringLiteral("mine"));
                handled = true;
            });
    observed.paste();
    QCOMPARE(observed.toPlainText(), QStringLiteral("mine"));
    observed.selectAll();
    observed.copy();
    QCOMPARE(copying.count(), 1);
}

void tst_DuiTextEdit::inputChain()
{
    DuiTextEdit edit;
    SmileyInput smiley;
    QVERIFY(edit.addIntellisenseInput(&smiley));
    QVERIFY(!edit.addIntellisenseInput(&smiley));
    QVERIFY(!edit.addIntellisenseInput(nullptr));
    QVERIFY(smiley.next());
    DuiTextCursor cursor = edit.textCursor();
    cursor.intellisensInsertText(QStringLiteral("hi :) there"), QTextCharFormat());
    QCOMPARE(smiley.calls, 1);
    QCOMPARE(edit.toPlainText(), QStringLiteral("hi ") + QChar(QChar::ObjectReplacementCharacter) + QStringLiteral(" there"));
    QCOMPARE(edit.toText(), QStringLiteral("hi :) there"));
    // One undo step for the whole insertion.
    edit.document()->undo();
    QCOMPARE(edit.toPlainText(), QString());
}

void tst_DuiTextEdit::links_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("reportedKey");
    QTest::addColumn<QString>("opened");
    QTest::newRow("file key, odd characters") << "DEFAULT_OPEN_FILE_KEY" << "/tmp/a #1?x%41.txt" << QString()
                                              << "DEFAULT_OPEN_FILE_KEY" << "/tmp/a #1?x%41.txt";
    QTest::newRow("file key, relative path") << "DEFAULT_OPEN_FILE_KEY" << "docs/a.txt" << QString()
                                             << "DEFAULT_OPEN_FILE_KEY" << QString();
    QTest::newRow("own key") << "user" << "42" << QString() << "user" << QString();
    QTest::newRow("html link") << QString() << QString() << "<a href=\"https://example.com/x\">link</a>"
                               << "https://example.com/x" << QString();
    QTest::newRow("script link") << QString() << QString() << "<a href=\"javascript:alert(1)\">link</a>"
                                 << "javascript:alert(1)" << QString();
    QTest::newRow("bare scheme") << QString() << QString() << "<a href=\"mailto:\">link</a>" << "mailto://" << QString();
}

void tst_DuiTextEdit::links()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, html);
    QFETCH(QString, reportedKey);
    QFETCH(QString, opened);
    UrlCatcher catcher;
    for (const char *scheme : {"file", "https", "http", "javascript", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");
    EditInView f;
    QVERIFY(f.activate());
    if (html.isEmpty()) {
        DuiTextCursor cursor = f.edit->textCursor();
        cursor.insertText(QStringLiteral("see "));
        cursor.insertTextLink(key, value, QStringLiteral("link"), QColor(Qt::blue));
    } else {
        f.edit->setText(QStringLiteral("see ") + html);
    }
    QSignalSpy keyed(f.edit, &DuiTextEdit::linkClicked);
    QSignalSpy plain(f.edit, &DuiTextEdit::htmlLinkClicked);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.pointAt(5));
    if (html.isEmpty()) {
        QCOMPARE(keyed.count(), 1);
        QCOMPARE(keyed.at(0), QVariantList({reportedKey, value}));
        QCOMPARE(plain.count(), 0);
    } else {
        QCOMPARE(plain.count(), 1);
        QCOMPARE(plain.at(0).at(0).toString(), reportedKey);
        QCOMPARE(keyed.count(), 0);
    }
    QCOMPARE(catcher.urls.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(catcher.urls.first().toLocalFile(), opened);
    for (const char *scheme : {"file", "https", "http", "javascript", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

// The link is the character under the pointer, not the text position nearest to it: a click on
// the left half of a link's first character, which is nearest to the plain text before it.
void tst_DuiTextEdit::activatedLinkIsReadFromItself()
{
    EditInView f;
    QVERIFY(f.activate());
    DuiTextCursor cursor = f.edit->textCursor();
    cursor.insertText(QStringLiteral("ab"));
    cursor.insertTextLink(QStringLiteral("first"), QStringLiteral("1"), QStringLiteral("WWW"), QColor(Qt::blue));
    QSignalSpy keyed(f.edit, &DuiTextEdit::linkClicked);
    const QPoint firstPixel = f.pointAt(2) - QPoint(2, 0);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, firstPixel);
    QCOMPARE(keyed.count(), 1);
    QCOMPARE(keyed.at(0), QVariantList({QStringLiteral("first"), QStringLiteral("1")}));
}

void tst_DuiTextEdit::clickOnImageSelectsIt()
{
    EditInView f;
    QVERIFY(f.activate());
    DuiTextCursor cursor = f.edit->textCursor();
    cursor.insertText(QStringLiteral("ab"));
    cursor.insertImage(QStringLiteral(":/theme/duifw/edit_background.png"));
    cursor.insertText(QStringLiteral("cd"));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.pointAt(2));
    const QTextCursor selected = browserOf(f.edit)->textCursor();
    QCOMPARE(selected.selectionStart(), 2);
    QCOMPARE(selected.selectionEnd(), 3);
}

void tst_DuiTextEdit::contextMenu_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("enabled"); // cut, copy, paste, select all as 0 / 1
    QTest::newRow("empty, nothing to paste") << false << false << QString() << "0000";
    QTest::newRow("text, no selection, text to paste") << false << false << "x" << "0011";
    QTest::newRow("selection, records to paste") << false << true << "records" << "1111";
    QTest::newRow("read-only with selection") << true << true << "x" << "0101";
}

void tst_DuiTextEdit::contextMenu()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, selection);
    QFETCH(QString, clipboard);
    QFETCH(QString, enabled);
    QGuiApplication::clipboard()->clear();
    if (clipboard == QLatin1String("records")) {
        const QByteArray records = record({QStringLiteral("[Text]"), QStringLiteral("r"), QStringLiteral("[/Text]")});
        putOnClipboard(QString(), &records);
    } else if (!clipboard.isEmpty()) {
        putOnClipboard(clipboard, nullptr);
    }
    EditInView f;
    QVERIFY(f.activate());
    if (enabled.at(3) == QLatin1Char('1'))
        f.edit->setText(QStringLiteral("some text"));
    if (selection)
        f.edit->selectAll();
    f.edit->setReadOnly(readOnly);
    QWidget *viewport = browserOf(f.edit)->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
    DuiMenu *menu = openMenu();
    QVERIFY(menu);
    QString states;
    for (const char *name : {"inputCutAction", "inputCopyAction", "inputPasteAction", "inputSelectAll"}) {
        QAction *action = menu->actionByName(QLatin1String(name));
        QVERIFY2(action, name);
        states += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(states, enabled);
    if (selection && !readOnly) {
        menu->actionByName(QStringLiteral("inputCutAction"))->trigger();
        QCOMPARE(f.edit->toPlainText(), QString());
    }
    menu->close();

    // Disabled, the menu is the application's.
    f.edit->setDefaultContextMenuEnable(false);
    QSignalSpy asked(f.edit, &DuiTextEdit::contextMenu);
    QApplication::sendEvent(viewport, &event);
    QCOMPARE(asked.count(), 1);
    QVERIFY(!openMenu());
}

void tst_DuiTextEdit::resources_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("loads");
    QTemporaryDir dir; // the file names matter, not the folder
    QTest::newRow("compiled-in") << ":/theme/duifw/edit_background.png" << true;
    QTest::newRow("qrc URL") << "qrc:/theme/duifw/edit_background.png" << true;
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_ARGB32).save(&png, "PNG");
    QTest::newRow("data URL") << (QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.data().toBase64())) << true;
    QTest::newRow("regular file") << "FILE" << true;
    QTest::newRow("file with # and ? in its name") << "ODDFILE" << true;
    QTest::newRow("above 16 million pixels") << "HUGE" << false;
    QTest::newRow("http") << "http://127.0.0.1:9/x.png" << false;
    QTest::newRow("missing file") << "/nonexistent/x.png" << false;
}

void tst_DuiTextEdit::resources()
{
    QFETCH(QString, source);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    if (source == QLatin1String("FILE") || source == QLatin1String("ODDFILE")) {
        source = dir.filePath(source == QLatin1String("FILE") ? QStringLiteral("a.png") : QStringLiteral("a #1?.png"));
        QVERIFY(QImage(6, 6, QImage::Format_ARGB32).save(source, "PNG"));
    } else if (source == QLatin1String("HUGE")) {
        source = dir.filePath(QStringLiteral("huge.png"));
        QImage huge(4100, 4100, QImage::Format_Mono);
        huge.fill(0);
        QVERIFY(huge.save(source, "PNG"));
    }
    DuiTextEdit edit;
    edit.resize(200, 100);
    DuiTextCursor cursor = edit.textCursor();
    cursor.insertImage(source);
    const QVariant resource = edit.document()->resource(QTextDocument::ImageResource, QUrl(source));
    // A refused image is a blank pixel.
    QCOMPARE(resource.value<QImage>().width() > 1, loads);
    // The same names through HTML: drawn from the same guarded reader. (":/" names are no valid
    // URLs; Qt draws those straight from the compiled-in tree.)
    if (source.startsWith(QLatin1Char(':')))
        return;
    DuiTextEdit html;
    html.setText(QStringLiteral("<img src=\"%1\">").arg(source.toHtmlEscaped()));
    const QVariant viaHtml = html.document()->resource(QTextDocument::ImageResource, QUrl(source));
    QCOMPARE(viaHtml.value<QImage>().width() > 1, loads);
}

void tst_DuiTextEdit::hostileImageSource_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("/dev/zero") << "/dev/zero";
    QTest::newRow("/dev/zero as a file URL") << "file:///dev/zero";
}

// Run in a child with a time limit: a hang must fail, not stop the suite.
void tst_DuiTextEdit::hostileImageSource()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    if (what == QLatin1String("fifo")) {
        what = dir.filePath(QStringLiteral("pipe.png"));
        QCOMPARE(mkfifo(QFile::encodeName(what).constData(), 0600), 0);
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--img-src"), what});
    const bool finished = child.waitForFinished(30000);
    if (!finished) {
        child.kill();
        child.waitForFinished(1000);
    }
    const QByteArray output = child.readAll();
    QVERIFY2(finished, "the editor hung on the image source");
    QVERIFY2(child.exitCode() == 0 && output.contains("OK"), output.constData());
}

void tst_DuiTextEdit::frameImageAndReadOnly()
{
    QTemporaryDir dir;
    const auto solid = [&dir](const QString &name, QColor color) {
        QImage image(24, 24, QImage::Format_ARGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        image.save(path, "PNG");
        return path;
    };
    const QString normal = solid(QStringLiteral("n.png"), QColor(200, 0, 0));
    const QString disabled = solid(QStringLiteral("d.png"), QColor(0, 0, 200));
    EditInView f;
    f.edit->setFrameImage(normal + QLatin1Char('|') + disabled);
    f.edit->setframeImageColorizePolicy(DuiWidget::UnColorableFlag);
    QCOMPARE(f.edit->frameImage(), normal + QLatin1Char('|') + disabled);
    const auto centre = [&f] {
        QImage image(300, 160, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        f.scene.render(&painter, QRectF(0, 0, 300, 160), QRectF(40, 30, 300, 160));
        return QColor(image.pixel(150, 80));
    };
    QCOMPARE(centre(), QColor(200, 0, 0));
    f.edit->setReadOnly(true);
    QCOMPARE(browserOf(f.edit)->textInteractionFlags(), Qt::TextInteractionFlags(13));
    QCOMPARE(f.edit->frameImageColorizePolicy(), DuiWidget::UnColorableFlag);
    QCOMPARE(centre(), QColor(0, 0, 200));
    f.edit->setReadOnly(false);
    QCOMPARE(browserOf(f.edit)->textInteractionFlags(), Qt::TextInteractionFlags(23));
    QCOMPARE(f.edit->frameImageColorizePolicy(), DuiWidget::ColorableFlag);
    // The normal image again, now tinted by the theme.
    const QColor again = centre();
    QVERIFY2(again.red() > 2 * again.blue(), qPrintable(again.name()));
}

void tst_DuiTextEdit::scrollBarSheetFollowsTheme()
{
    DuiTheme::setColorThemeOnly(3);
    DuiTextEdit edit;
    QScrollBar *bar = edit.verticalScrollBar();
    QVERIFY(bar->styleSheet().contains(QLatin1String("scrollbar_handle_3.png")));
    DuiTheme::setColorThemeOnly(5);
    edit.colorize(DuiTheme::getColor(DuiTheme::BaseColor));
    QVERIFY(bar->styleSheet().contains(QLatin1String("scrollbar_handle_5.png")));
    // The text is not tinted.
    QVERIFY(!edit.graphicsEffect());

    QTemporaryDir dir;
    QFile own(dir.filePath(QStringLiteral("bar.css")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("QScrollBar:vertical { width: 3px; }");
    own.close();
    edit.setVScrollBarStyleSheet(own.fileName());
    DuiTheme::setColorThemeOnly(1);
    edit.colorize(DuiTheme::getColor(DuiTheme::BaseColor));
    QCOMPARE(bar->styleSheet(), QStringLiteral("QScrollBar:vertical { width: 3px; }"));
}

void tst_DuiTextEdit::xvfbClipboard()
{
    DUI_RUN_XVFB_CLIENT("--xvfb-copy");
}

// ---- Child halves ----

// Names `source` in every way a document can, lays out and paints, then reports.
int runImageSource(const QString &source)
{
    DuiTextEdit edit;
    edit.resize(200, 100);
    const QString html = QStringLiteral("a<img src=\"%1\">b").arg(source.toHtmlEscaped());
    edit.setText(html);
    edit.insertHtml(html);
    DuiTextCursor cursor = edit.textCursor();
    cursor.insertImage(source);
    QByteArray gif = source.toUtf8();
    cursor.insertImage(source, gif, 0);
    edit.gifPool()->insertKeyImage(QStringLiteral("k"), source);
    QImage image(200, 100, QImage::Format_ARGB32);
    QPainter painter(&image);
    browserOf(&edit)->render(&painter);
    std::printf("OK\n");
    return 0;
}

// Under Xvfb: copies in this process and pastes in a second one, through the X server.
int runXvfbCopy()
{
    DuiTextEdit edit;
    const QString text = QString::fromUtf8("a<b \xD7\xA9\xD7\x9C \xF0\x9F\x98\x80\nline");
    edit.setText(QString::fromUtf8("<p>a&lt;b \xD7\xA9\xD7\x9C \xF0\x9F\x98\x80</p><p>line</p>"));
    edit.selectAll();
    edit.copy();
    if (!waitFor([] { return QGuiApplication::clipboard()->ownsClipboard(); }))
        return fail("clipboard not owned");
    QProcess paster;
    paster.setProcessChannelMode(QProcess::SeparateChannels);
    paster.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--xvfb-paste")});
    if (!waitFor([&paster] { return paster.state() == QProcess::NotRunning; }, 30000)) {
        paster.kill();
        return fail("the pasting process did not finish");
    }
    const QList<QByteArray> lines = paster.readAllStandardOutput().split('\n');
    if (lines.size() < 2)
        return fail("the pasting process said nothing");
    if (QString::fromUtf8(QByteArray::fromHex(lines.at(0))) != text)
        return fail("pasted text differs");
    bool ok = false;
    const QStringList records = readRecords(QByteArray::fromHex(lines.at(1)), &ok);
    if (!ok || records != QStringList({QStringLiteral("[Text]"), text, QStringLiteral("[/Text]")}))
        return fail("records read back from the X clipboard differ");
    std::printf("OK\n");
    return 0;
}

int runXvfbPaste()
{
    if (!waitFor([] { return QGuiApplication::clipboard()->mimeData()->hasFormat(kMime); }))
        return fail("no records on the clipboard");
    const QByteArray records = QGuiApplication::clipboard()->mimeData()->data(kMime);
    DuiTextEdit edit;
    edit.paste();
    std::printf("%s\n%s\n", edit.toPlainText().toUtf8().toHex().constData(), records.toHex().constData());
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--img-src") == 0) {
        QApplication app(argc, argv);
        return runImageSource(QString::fromLocal8Bit(argv[2]));
    }
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-copy") == 0) {
        QApplication app(argc, argv);
        return runXvfbCopy();
    }
    if (argc > 1 && qstrcmp(argv[1], "--xvfb-paste") == 0) {
        QApplication app(argc, argv);
        return runXvfbPaste();
    }
    QApplication app(argc, argv);
    tst_DuiTextEdit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_duitextedit.moc"
