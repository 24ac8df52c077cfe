// SPDX-License-Identifier: MIT
// The text edit against a plain QTextEdit: the time of one typed key at the end of documents of
// 1,000, 5,000 and 20,000 lines (it should not grow with the document); and copying and pasting
// 100 KB, 1 MB and 10 MB of text through the handler chain and the private clipboard records,
// against QTextCursor::selectedText() and a shown QTextEdit's insertPlainText: the chain's own
// work should grow linearly, whatever Qt's layout of the pasted text costs.

#include "benchutil.h"

#include <duitextedit.h>

#include <QtCore/qmimedata.h>
#include <QtGui/qclipboard.h>
#include <QtGui/qtextdocument.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qtextedit.h>

namespace {

QString document(int lines)
{
    QString text;
    text.reserve(lines * 32);
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("line %1 of the document\n").arg(i);
    return text;
}

QString textOfBytes(qsizetype bytes)
{
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog, again and again and again.\n");
    QString text;
    text.reserve(bytes);
    while (text.size() < bytes)
        text += line;
    text.truncate(bytes);
    return text;
}

// Nanoseconds per key of `keys` letters typed into `widget` at the end of its text.
double perKeyNs(QWidget *widget, int keys)
{
    return bench::medianNs(5, [widget, keys] {
               for (int i = 0; i < keys; ++i)
                   QTest::keyClick(widget, Qt::Key_A, Qt::NoModifier);
           })
           / keys;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("typing at the end of a document, per key\n");
    for (int lines : {1000, 5000, 20000}) {
        const QString text = document(lines);
        QGraphicsScene scene;
        auto *edit = new DuiTextEdit;
        scene.addItem(edit);
        edit->resize(500, 400);
        QGraphicsView view(&scene);
        view.show();
        edit->document()->setPlainText(text);
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        edit->setTextCursor(end);
        QTextEdit plain;
        plain.resize(500, 400);
        plain.show();
        plain.setPlainText(text);
        plain.moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        const double ours = perKeyNs(edit->realWidget(), 50);
        const double theirs = perKeyNs(&plain, 50);
        const QByteArray what = QByteArray::number(lines) + " lines";
        bench::report(what.constData(), ours, "QTextEdit", theirs);
    }

    std::printf("\ncopy and paste through the handler chain\n");
    QClipboard *clipboard = QGuiApplication::clipboard();
    for (qsizetype bytes : {qsizetype(100 * 1024), qsizetype(1024 * 1024), qsizetype(10 * 1024 * 1024)}) {
        const QString text = textOfBytes(bytes);
        const int rounds = bytes > 2 * 1024 * 1024 ? 3 : 7;
        DuiTextEdit source;
        source.document()->setPlainText(text);
        source.selectAll();
        const double copy = bench::medianNs(rounds, [&source] { source.copy(); });
        const double selected = bench::medianNs(rounds, [&source] {
            volatile qsizetype n = source.textCursor().selectedText().size();
            Q_UNUSED(n);
        });
        const QByteArray size = bytes >= 1024 * 1024 ? QByteArray::number(bytes / (1024 * 1024)) + " MB"
                                                     : QByteArray::number(bytes / 1024) + " KB";
        bench::report(("copy " + size).constData(), copy, "selectedText()", selected);

        source.copy(); // the clipboard now holds the text and its records
        // Both editors shown: a shown editor lays its document out as it changes, a hidden one
        // only when it is first shown.
        QGraphicsScene scene;
        auto *targetEdit = new DuiTextEdit;
        DuiTextEdit &target = *targetEdit;
        scene.addItem(targetEdit);
        targetEdit->resize(500, 400);
        QGraphicsView view(&scene);
        view.show();
        const double pasteRecords = bench::medianNs(rounds, [&target] {
            target.clear();
            target.paste();
        });
        auto *plainOnly = new QMimeData;
        plainOnly->setText(text);
        clipboard->setMimeData(plainOnly);
        const double pastePlain = bench::medianNs(rounds, [&target] {
            target.clear();
            target.paste();
        });
        QTextEdit plain;
        plain.resize(500, 400);
        plain.show();
        const double insert = bench::medianNs(rounds, [&plain, &text] {
            plain.clear();
            plain.insertPlainText(text);
        });
        if (target.toPlainText().size() != text.size())
            std::printf("pasted %lld characters of %lld\n", qint64(target.toPlainText().size()), qint64(text.size()));
        bench::report(("paste " + size + " records").constData(), pasteRecords, "insertPlainText", insert);
        bench::report(("paste " + size + " plain text").constData(), pastePlain, "insertPlainText", insert);
    }
    return 0;
}
