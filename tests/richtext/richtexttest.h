// SPDX-License-Identifier: MIT
// Helpers of the rich text tests: an editor in a real, active view, and a reader and writer of
// the "MIME/TextEdit" clipboard records written by hand from the byte layout (a big-endian
// 32-bit byte count, then UTF-16 big-endian code units; 0xFFFFFFFF for a null string), so that
// the tests do not check the format against the code that writes it.
#ifndef RICHTEXTTEST_H
#define RICHTEXTTEST_H

#include <duitextedit.h>

#include <QtCore/qstringlist.h>
#include <QtGui/qevent.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsproxywidget.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qtextbrowser.h>

namespace richtexttest {

inline QByteArray record(const QStringList &strings)
{
    QByteArray out;
    for (const QString &s : strings) {
        const quint32 bytes = quint32(s.size() * 2);
        for (int shift = 24; shift >= 0; shift -= 8)
            out.append(char((bytes >> shift) & 0xFF));
        for (QChar c : s) {
            out.append(char(c.unicode() >> 8));
            out.append(char(c.unicode() & 0xFF));
        }
    }
    return out;
}

// Strings until the end; `ok` false when the bytes do not divide into whole strings.
inline QStringList readRecords(const QByteArray &data, bool *ok)
{
    QStringList out;
    qsizetype at = 0;
    *ok = true;
    while (at < data.size()) {
        if (data.size() - at < 4) {
            *ok = false;
            break;
        }
        quint32 bytes = 0;
        for (int i = 0; i < 4; ++i)
            bytes = (bytes << 8) | quint8(data.at(at + i));
        at += 4;
        if (bytes == 0xFFFFFFFFu) {
            out.append(QString());
            continue;
        }
        if (bytes % 2 || qsizetype(bytes) > data.size() - at) {
            *ok = false;
            break;
        }
        QString s;
        for (quint32 i = 0; i < bytes; i += 2)
            s.append(QChar(char16_t((quint8(data.at(at + i)) << 8) | quint8(data.at(at + i + 1)))));
        at += bytes;
        out.append(s);
    }
    return out;
}

inline QTextBrowser *browserOf(DuiTextEdit *edit)
{
    return qobject_cast<QTextBrowser *>(edit->realWidget());
}

inline QGraphicsProxyWidget *proxyOf(DuiTextEdit *edit)
{
    for (QGraphicsItem *child : edit->childItems()) {
        if (auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(child))
            return proxy;
    }
    return nullptr;
}

// Collects the regions a widget is asked to paint.
struct PaintRecorder : QObject
{
    QRegion region;
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// A text edit away from the scene origin, in a shown and active view, holding the focus.
struct EditInView
{
    QGraphicsScene scene;
    QGraphicsView view;
    DuiTextEdit *edit = new DuiTextEdit;

    EditInView(QGraphicsItem *parent = nullptr)
        : view(&scene)
    {
        if (parent) {
            scene.addItem(parent);
            edit->setParentItem(parent);
        } else {
            scene.addItem(edit);
        }
        edit->setPos(40, 30);
        edit->resize(300, 160);
        scene.setSceneRect(0, 0, 400, 240);
        view.setFrameShape(QFrame::NoFrame);
        view.resize(400, 240);
        view.show();
    }

    bool activate()
    {
        view.activateWindow();
        if (!QTest::qWaitForWindowActive(&view))
            return false;
        edit->setFocus();
        return QTest::qWaitFor([this] { return edit->hasFocus(); });
    }

    // The view point over document position `position` (the middle of the character after it).
    QPoint pointAt(int position)
    {
        QTextBrowser *browser = browserOf(edit);
        QTextCursor cursor(edit->document());
        cursor.setPosition(position);
        QRect r = browser->cursorRect(cursor);
        const QPoint inViewport(r.left() + 3, r.center().y());
        const QPoint inWidget = browser->viewport()->mapTo(browser, inViewport);
        return view.mapFromScene(proxyOf(edit)->mapToScene(QPointF(inWidget)));
    }
};

} // namespace richtexttest

#endif // RICHTEXTTEST_H
