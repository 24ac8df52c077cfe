// SPDX-License-Identifier: MIT
// Where the builder says things are: the line and column of every record, the closest known name
// for a misspelt one, the warning for a value read as a substitute, and the note of file and line
// each built object carries for as long as it lives.
#include <duiframewindow.h>
#include <duimenu.h>
#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <duixmlsource.h>
#include <duixmlui.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qtemporarydir.h>
#include <QtTest/qtest.h>

#include "uiloadertest.h"

class tst_DuiXmlSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &text) { return uiloadertest::writeFile(m_dir, name, text); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
    }

    void recordsNameThePlaceAndTheClosestName_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        QTest::newRow("misspelt attribute") << QByteArray("<xmlui>\n  <DuiCheckBox txt=\"x\"/>\n</xmlui>") << 2 << 16
                                            << QStringLiteral("DuiCheckBox has no property \"txt\"; did you mean \"text\"?");
        QTest::newRow("attribute in the wrong case") << QByteArray("<xmlui><DuiWidget FixWidth=\"3\"/></xmlui>") << 1 << 19
                                                     << QStringLiteral("DuiWidget has no property \"FixWidth\"; did you mean \"fixWidth\"?");
        QTest::newRow("far attribute") << QByteArray("<xmlui><DuiWidget shade=\"dark\"/></xmlui>") << 1 << 19
                                       << QStringLiteral("DuiWidget has no property \"shade\"; attribute skipped");
        QTest::newRow("misspelt element") << QByteArray("<xmlui>\n<DuiWidget>\n    <DuiPushButon/></DuiWidget></xmlui>") << 3 << 5
                                          << QStringLiteral("\"DuiPushButon\" is no widget class or data element; did you mean \"DuiPushButton\"?");
        QTest::newRow("swapped letters") << QByteArray("<xmlui><DuiLabelWidget><TabDtaa/></DuiLabelWidget></xmlui>") << 1 << 24
                                         << QStringLiteral("\"TabDtaa\" is no widget class or data element; did you mean \"TabData\"?");
        QTest::newRow("far element") << QByteArray("<xmlui><Gadget/></xmlui>") << 1 << 8
                                     << QStringLiteral("\"Gadget\" is no widget class or data element; skipped with its content");
        // Columns count characters: three CJK characters are nine bytes before the attribute.
        QTest::newRow("column after UTF-8") << QByteArray("<xmlui><DuiLabelWidget text=\"日本語\" txet=\"1\"/></xmlui>") << 1 << 35
                                            << QStringLiteral("DuiLabelWidget has no property \"txet\"; did you mean \"text\"?");
        QTest::newRow("size with a word, next line") << QByteArray("<xmlui><DuiWidget objectName=\"a\"\n   fixSize=\"abc,20\"/></xmlui>") << 2 << 4
                                                     << QStringLiteral("DuiWidget.fixSize: \"abc,20\" is not \"width,height\"; (0,20) used");
        QTest::newRow("number with a unit") << QByteArray("<xmlui><DuiWidget fixWidth=\"12px\"/></xmlui>") << 1 << 19
                                            << QStringLiteral("DuiWidget.fixWidth: \"12px\" is not a number in range; 0 used");
        QTest::newRow("margins of three") << QByteArray("<xmlui><DuiWidget margins=\"1,2,3\"/></xmlui>") << 1 << 19
                                          << QStringLiteral("DuiWidget.margins: \"1,2,3\" is not \"left,top,right,bottom\"; zero margins used");
        QTest::newRow("boolean no") << QByteArray("<xmlui><DuiWidget visible=\"no\"/></xmlui>") << 1 << 19
                                    << QStringLiteral("DuiWidget.visible: \"no\" is not \"true\" or \"false\"; true used");
        QTest::newRow("menu element") << QByteArray("<xmlui><ActionGroup>\n <Acton/></ActionGroup></xmlui>") << 2 << 2
                                      << QStringLiteral("\"Acton\" is no ActionGroup, Action or Separator; did you mean \"Action\"?");
        QTest::newRow("menu property") << QByteArray("<xmlui><ActionGroup><Action chekable=\"true\"/></ActionGroup></xmlui>") << 1 << 29
                                       << QStringLiteral("QAction has no property \"chekable\"; did you mean \"checkable\"?");
    }

    void recordsNameThePlaceAndTheClosestName()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, message);
        const QString path = write(QStringLiteral("row.xml"), xml);
        DuiXmlDiagnostics diagnostics;
        if (xml.contains("ActionGroup")) {
            DuiMenu menu;
            menu.createFromFile(path);
        } else {
            DuiWidget root;
            DuiXmlUI::createFromFile(path, &root);
        }
        QCOMPARE(diagnostics.count(), 1);
        const DuiXmlDiagnostics::Record record = diagnostics.records().at(0);
        QCOMPARE(record.message, message);
        QCOMPARE(record.line, line);
        QCOMPARE(record.column, column);
        QCOMPARE(record.toString(), QStringLiteral("%1:%2:%3: warning: %4").arg(path).arg(line).arg(column).arg(message));
    }

    // Every object the builder makes knows its element, in the file it came from (an xmlPath
    // file for its own widgets); the notes go with the objects.
    void builtObjectsKnowTheirElement()
    {
        const QString page = write(QStringLiteral("page.xml"), "<xmlui>\n\n  <DuiLabelWidget objectName=\"inner\"/>\n</xmlui>\n");
        const QString main = write(QStringLiteral("main.xml"),
                                   "<xmlui>\n"
                                   "  <DuiFrameWindow objectName=\"win\" fixSize=\"200,100\">\n"
                                   "    <DuiWidget objectName=\"outer\" layout=\"VBox\">\n"
                                   "      <DuiWidget objectName=\"holder\" xmlPath=\"" + page.toUtf8() + "\"/>\n"
                                   "    </DuiWidget>\n"
                                   "  </DuiFrameWindow>\n"
                                   "</xmlui>\n");
        const int before = DuiXmlSource::count();
        DuiFrameWindow *window = DuiXmlUI::createFromFile(main, nullptr);
        QVERIFY(window);
        const struct
        {
            const char *name;
            QString file;
            int line, column;
        } expected[] = {{"win", main, 2, 3}, {"outer", main, 3, 5}, {"holder", main, 4, 7}, {"inner", page, 3, 3}};
        for (const auto &e : expected) {
            QObject *object = QLatin1String(e.name) == QLatin1String("win") ? window : window->findChild<QObject *>(QLatin1String(e.name));
            QVERIFY2(object, e.name);
            const DuiXmlSourceLocation where = DuiXmlSource::locationOf(object);
            QCOMPARE(where.file, e.file);
            QCOMPARE(where.line, e.line);
            QCOMPARE(where.column, e.column);
        }
        QCOMPARE(DuiXmlSource::count(), before + 4);
        QVERIFY(!DuiXmlSource::locationOf(window->rootWidget()).isValid()); // the window made it, not the file

        delete window->findChild<QObject *>(QStringLiteral("holder"));
        QCOMPARE(DuiXmlSource::count(), before + 2); // the holder and the label inside it
        delete window;
        QCOMPARE(DuiXmlSource::count(), before);

        DuiWidget root;
        QVERIFY(DuiXmlUI::createFromMemory(std::string("<xmlui><DuiWidget objectName=\"m\"/></xmlui>"), &root));
        QCOMPARE(DuiXmlSource::locationOf(root.findChild<QObject *>(QStringLiteral("m"))).toString(), QStringLiteral("memory:1:8"));
    }
};

QTEST_MAIN(tst_DuiXmlSource)
#include "tst_duixmlsource.moc"
