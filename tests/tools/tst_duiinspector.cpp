// SPDX-License-Identifier: MIT
// duiview's inspector on the gallery: the tree of the built widgets, the live property table and
// its edits, the element's file and line, Ctrl+click selection through real mouse events with the
// outline on the window, and a window rebuilt by --watch.
#include "gallerytestutil.h"

#include <inspector.h>
#include <previewer.h>

#include <duicheckbox.h>
#include <duixmlsource.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qtemporarydir.h>
#include <QtWidgets/qgraphicswidget.h>
#include <QtWidgets/qlabel.h>
#include <QtWidgets/qtablewidget.h>
#include <QtWidgets/qtreewidget.h>
#include <QtTest/qtest.h>

#include <memory>

namespace {

// The value cell of `property` in the table; null when the table has no such row.
QTableWidgetItem *valueCell(Inspector &inspector, const QString &property)
{
    QTableWidget *table = inspector.properties();
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, Inspector::ValueColumn) && table->item(row, Inspector::PropertyColumn)->text() == property)
            return table->item(row, Inspector::ValueColumn);
    }
    return nullptr;
}

// The 1-based line of the first line of `file` holding `text`.
int lineOf(const QString &file, const QByteArray &text)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    for (int line = 1; !f.atEnd(); ++line) {
        if (f.readLine().contains(text))
            return line;
    }
    return 0;
}

} // namespace

class tst_DuiInspector : public QObject
{
    Q_OBJECT

    std::unique_ptr<DuiFrameWindow> m_window;

    QGraphicsWidget *control(const char *name) const { return m_window->findChild<QGraphicsWidget *>(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
        m_window.reset(gallery::build());
        QVERIFY(m_window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Every widget the gallery's files describe is in the tree once, under its parent, with its
    // class, name and geometry; the window is the top.
    void treeHoldsEveryBuiltWidget()
    {
        Inspector inspector;
        inspector.setTarget(m_window.get());
        QTreeWidget *tree = inspector.tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(Inspector::NameColumn), QStringLiteral("galleryWindow"));

        int built = 0;
        for (QGraphicsWidget *w : m_window->findChildren<QGraphicsWidget *>())
            built += DuiXmlSource::locationOf(w).isValid();
        int shown = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            ++shown;
        QCOMPARE(shown, built + 1);
        QVERIFY(built > 100);

        QVERIFY(inspector.select(control("menuButton")));
        QTreeWidgetItem *item = tree->currentItem();
        QCOMPARE(item->text(Inspector::ClassColumn), QStringLiteral("DuiPushButton"));
        const QRectF g = control("menuButton")->geometry();
        QCOMPARE(item->text(Inspector::GeometryColumn), QStringLiteral("%1,%2 %3×%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
        QCOMPARE(item->parent()->text(Inspector::NameColumn), QStringLiteral("headerBand"));
        QVERIFY(!inspector.select(m_window->rootWidget())); // the window made it; no file did
    }

    // The selected control's element: the gallery's own file, or the xmlPath file it came from.
    void sourceNamesFileAndLine_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("named"); // as the builder was given it: xmlPath names files relative
        QTest::newRow("in gallery.xml") << QByteArray("menuButton") << gallery::file() << gallery::file();
        QTest::newRow("in controls.xml") << QByteArray("checkedBox") << gallery::dir() + QStringLiteral("/controls.xml")
                                         << QStringLiteral("controls.xml");
    }

    void sourceNamesFileAndLine()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, file);
        QFETCH(QString, named);
        Inspector inspector;
        inspector.setTarget(m_window.get());
        QVERIFY(inspector.select(control(name.constData())));
        const int line = lineOf(file, "objectName=\"" + name + '"');
        QVERIFY(line > 0);
        const QString text = inspector.source()->text();
        QVERIFY2(text.contains(QStringLiteral(">%1:%2:").arg(named).arg(line)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("objectName=&quot;%1&quot;").arg(QLatin1String(name))), qPrintable(text)); // the line itself
    }

    // The table reads the selected object's properties live and writes an edit at once.
    void propertiesAreLiveAndEditable_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("edit");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text") << QByteArray("uncheckedBox") << QStringLiteral("text") << QVariant(QStringLiteral("Edited")) << QVariant(QStringLiteral("Edited"));
        QTest::newRow("bool") << QByteArray("normalButton") << QStringLiteral("enabled") << QVariant(false) << QVariant(false);
        QTest::newRow("real") << QByteArray("hoverButton") << QStringLiteral("opacity") << QVariant(0.5) << QVariant(0.5);
        QTest::newRow("enumeration key") << QByteArray("uncheckedBox") << QStringLiteral("checkState") << QVariant(QStringLiteral("Checked"))
                                         << QVariant(int(Qt::Checked));
    }

    void propertiesAreLiveAndEditable()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, property);
        QFETCH(QVariant, edit);
        QFETCH(QVariant, expected);
        QGraphicsWidget *widget = control(name.constData());
        const QVariant original = widget->property(property.toLatin1().constData());
        Inspector inspector;
        inspector.setTarget(m_window.get());
        QVERIFY(inspector.select(widget));
        // Every property once, under the class that declares it, the object's own class first.
        QStringList rows;
        for (int row = 0; row < inspector.properties()->rowCount(); ++row)
            rows << inspector.properties()->item(row, Inspector::PropertyColumn)->text();
        QCOMPARE(rows.first(), QLatin1String(widget->metaObject()->className()));
        QCOMPARE(rows.count(QStringLiteral("objectName")), 1);
        QVERIFY(rows.indexOf(QStringLiteral("QObject")) == rows.indexOf(QStringLiteral("objectName")) - 1);
        int titles = 0;
        for (const QMetaObject *m = widget->metaObject(); m; m = m->superClass())
            titles += m->propertyOffset() < m->propertyCount();
        QCOMPARE(rows.size(), widget->metaObject()->propertyCount() + titles);
        QTableWidgetItem *cell = valueCell(inspector, property);
        QVERIFY(cell);
        QVERIFY(cell->flags() & Qt::ItemIsEditable);

        cell->setData(Qt::EditRole, edit); // as the cell's editor commits
        QVariant now = widget->property(property.toLatin1().constData());
        if (now.metaType().flags() & QMetaType::IsEnumeration)
            now = now.toInt();
        QCOMPARE(now, expected);

        // And back, from the program's side: the table follows.
        widget->setProperty(property.toLatin1().constData(), original);
        inspector.refresh();
        const QVariant shown = valueCell(inspector, property)->data(Qt::EditRole);
        if (original.metaType().flags() & QMetaType::IsEnumeration)
            QCOMPARE(shown.toString(), QStringLiteral("Unchecked"));
        else
            QCOMPARE(shown, original);
    }

    // Ctrl+click selects the control under the pointer without the control seeing the click and
    // outlines it; a plain click still reaches the control.
    void ctrlClickSelectsThroughRealEvents()
    {
        Inspector inspector;
        inspector.setTarget(m_window.get());
        auto *box = qobject_cast<DuiCheckBox *>(control("hoverBox"));
        QVERIFY(box && box->isVisible());
        const QPoint at = m_window->mapFromScene(box->sceneBoundingRect().center());
        const Qt::CheckState before = box->checkState();

        QTest::mouseClick(m_window->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QCOMPARE(inspector.selected(), box);
        QCOMPARE(inspector.tree()->currentItem()->text(Inspector::NameColumn), QStringLiteral("hoverBox"));
        QCOMPARE(box->checkState(), before);
        QCOMPARE(inspector.outlineRect(), box->sceneBoundingRect());
        QCOMPARE(inspector.source()->text().contains(QLatin1String("controls.xml")), true);

        // The outline is drawn over the control in the window.
        const QImage image = m_window->grab().toImage();
        const QRect r = m_window->mapFromScene(box->sceneBoundingRect()).boundingRect();
        const QColor edge = image.pixelColor(r.left() - 1, r.center().y());
        QVERIFY2(edge.red() > 200 && edge.green() < 100, qPrintable(edge.name()));

        QTest::mouseClick(m_window->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(box->checkState() != before);
        box->setCheckState(before);
        QCOMPARE(inspector.selected(), box);
    }

    // With --watch, the inspector follows the rebuilt window and keeps the selected place.
    void followsTheWatchedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("watched.xml"));
        auto save = [&](const char *caption) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray("<xmlui><DuiFrameWindow fixSize=\"240,120\"><DuiWidget layout=\"VBox\" margins=\"10,40,10,10\">\n"
                               "<DuiLabelWidget objectName=\"first\" text=\"one\"/>\n<DuiPushButton objectName=\"second\" text=\"")
                    + caption + "\"/>\n</DuiWidget></DuiFrameWindow></xmlui>\n");
        };
        save("before");
        PreviewOptions options;
        options.file = path;
        options.watch = true;
        options.inspect = true;
        Previewer previewer(options);
        QCOMPARE(previewer.start(), -1);
        Inspector *inspector = previewer.inspector();
        QVERIFY(inspector);
        QCOMPARE(inspector->target(), previewer.window());
        QVERIFY(inspector->select(previewer.window()->findChild<QObject *>(QStringLiteral("second"))));

        QPointer<DuiFrameWindow> first = previewer.window();
        save("after");
        QTRY_VERIFY_WITH_TIMEOUT(previewer.window() != first, 10000);
        QCOMPARE(inspector->target(), previewer.window());
        QObject *selected = inspector->selected();
        QVERIFY(selected);
        QCOMPARE(selected->objectName(), QStringLiteral("second"));
        QCOMPARE(selected->property("text").toString(), QStringLiteral("after"));
        QTRY_VERIFY(!first);
        QTRY_VERIFY(!inspector->outlineRect().isEmpty()); // once the new window shows
    }
};

QTEST_MAIN(tst_DuiInspector)
#include "tst_duiinspector.moc"
