// SPDX-License-Identifier: MIT
#include <duispaceritem.h>
#include <duityperegister.h>
#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <duixmlui.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qtemporarydir.h>
#include <QtGui/qfont.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsanchorlayout.h>
#include <QtWidgets/qgraphicslinearlayout.h>

#include <string>

#include "uiloadertest.h"

// A widget with the properties data elements write, and a signal to connect by name.
class TstDataWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(QVariantList data MEMBER data)
    Q_PROPERTY(QFont titleFont MEMBER titleFont)
    DUI_DECLARE_WIDGET_CREATOR(TstDataWidget)
public:
    explicit TstDataWidget(QGraphicsItem *parent = nullptr)
        : DuiWidget(parent)
    {
    }
    QVariantList data;
    QFont titleFont;
signals:
    void clicked();
    void textChanged(const QString &text);
    void value_changed();
};
DUI_REGISTER_WIDGET(TstDataWidget)

// A panel whose slots are named after the objects built into it.
class TstPanel : public DuiWidget
{
    Q_OBJECT
    DUI_DECLARE_WIDGET_CREATOR(TstPanel)
public:
    explicit TstPanel(QGraphicsItem *parent = nullptr)
        : DuiWidget(parent)
    {
    }
    int okClicked = 0;
    int okButtonClicked = 0;
    int editText = 0;
    int editInt = 0;
    int underscore = 0;
    int constructed = 0;
    QStringList texts;
public slots:
    void on_ok_clicked() { ++okClicked; }
    void on_ok_button_clicked() { ++okButtonClicked; }
    void on_edit_textChanged(const QString &text) { ++editText; texts << text; }
    void on_edit_textChanged(int) { ++editInt; }
    void on_ok_value_changed() { ++underscore; }
    void on_missing_clicked() {}
    void on_ok_pressed() {}

protected:
    void construct() override { ++constructed; }
};
DUI_REGISTER_WIDGET(TstPanel)

class tst_DuiXmlUI : public QObject
{
    Q_OBJECT

private:
    static bool fill(DuiWidget *widget, const char *xml)
    {
        return DuiXmlUI::createFromMemory(std::string(xml), widget);
    }

    static QList<DuiWidget *> children(DuiWidget *w)
    {
        return w->findChildren<DuiWidget *>(QString(), Qt::FindDirectChildrenOnly);
    }

    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &content) { return uiloadertest::writeFile(m_dir, name, content); }

private slots:
    void initTestCase()
    {
        // Bad input is fed on purpose and checked through the diagnostics collector; its copies on
        // the dui.* categories, which show warnings by default, would only bury the test's output.
        QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false\ndui.resource.warning=false"));
    }

    void fillFormBuildsChildrenInOrder()
    {
        DuiWidget root;
        root.setLayout(DuiWidget::VBox);
        QVERIFY(fill(&root, "<?xml version='1.0' encoding='UTF-8'?>\n"
                            "<xmlui objectName='ignored'><DuiWidget objectName='first'/><DuiSpacerItem objectName='second'/></xmlui>"));
        QCOMPARE(root.objectName().startsWith(QLatin1String("NoNameWidget")), true);
        auto *layout = static_cast<QGraphicsLinearLayout *>(root.layout());
        QCOMPARE(layout->count(), 2);
        QCOMPARE(static_cast<DuiWidget *>(layout->itemAt(0))->objectName(), QStringLiteral("first"));
        QCOMPARE(static_cast<DuiWidget *>(layout->itemAt(1))->objectName(), QStringLiteral("second"));
        QCOMPARE(static_cast<DuiWidget *>(layout->itemAt(1))->parentObject(), &root);
        QCOMPARE(static_cast<DuiWidget *>(layout->itemAt(1))->parent(), &root);

        // Building the same text twice adds the children twice.
        QVERIFY(fill(&root, "<xmlui><DuiWidget objectName='first'/><DuiSpacerItem objectName='second'/></xmlui>"));
        QCOMPARE(layout->count(), 4);
    }

    void failingDocuments()
    {
        DuiWidget root;
        QVERIFY(!fill(&root, "<xmlui><DuiWidget></xmlui>"));
        QVERIFY(!fill(&root, "<ui><DuiWidget/></ui>"));
        QVERIFY(!fill(&root, ""));
        QVERIFY(!DuiXmlUI::createFromFile(m_dir.filePath(QStringLiteral("absent.xml")), &root));
        QVERIFY(!DuiXmlUI::createFromMemory(std::string("<xmlui/>"), static_cast<DuiWidget *>(nullptr)));
        QVERIFY(children(&root).isEmpty());
        QVERIFY(fill(&root, "<xmlui/>"));
    }

    void attributesApplyInDocumentOrder()
    {
        DuiWidget root;
        root.setLayout(DuiWidget::VBox);
        QVERIFY(fill(&root, "<xmlui>"
                            "<DuiWidget objectName='late' spacing='10' margins='1,2,3,4' layout='HBox'/>"
                            "<DuiWidget objectName='early' layout='HBox' spacing='10' margins='1,2,3,4'/>"
                            "</xmlui>"));
        auto *late = root.findChild<DuiWidget *>(QStringLiteral("late"));
        auto *early = root.findChild<DuiWidget *>(QStringLiteral("early"));
        QVERIFY(late && early);
        QCOMPARE(static_cast<QGraphicsLinearLayout *>(late->layout())->spacing(), 0.0);
        QCOMPARE(late->margins(), QMargins(0, 0, 0, 0));
        QCOMPARE(static_cast<QGraphicsLinearLayout *>(early->layout())->spacing(), 10.0);
        QCOMPARE(early->margins(), QMargins(1, 2, 3, 4));
    }

    void childJoinsLayoutBeforeItsAttributes()
    {
        // itemSpacing and alignment act on the parent's layout, so they need the child in it.
        DuiWidget root;
        root.setLayout(DuiWidget::HBox);
        QVERIFY(fill(&root, "<xmlui><DuiWidget objectName='a' itemSpacing='7' alignment='AlignTop|AlignLeft'/><DuiWidget/></xmlui>"));
        auto *layout = static_cast<QGraphicsLinearLayout *>(root.layout());
        QCOMPARE(layout->itemSpacing(0), 7.0);
        QCOMPARE(layout->alignment(layout->itemAt(0)), Qt::AlignTop | Qt::AlignLeft);
    }

    void anchoredTreeGeometry()
    {
        DuiWidget root;
        QVERIFY(fill(&root, "<xmlui><DuiWidget objectName='box' layout='Anchor' fixSize='200,100'>"
                            "<DuiWidget objectName='icon' anchor='Left:6|Left:26|Top:4|Top:24'/>"
                            "<DuiWidget objectName='band' anchorString='Left:0|Right:10|Bottom:28|Bottom:0'/>"
                            "</DuiWidget></xmlui>"));
        auto *box = root.findChild<DuiWidget *>(QStringLiteral("box"));
        box->resize(200, 100);
        box->layout()->activate();
        QCOMPARE(root.findChild<DuiWidget *>(QStringLiteral("icon"))->geometry(), QRectF(6, 4, 20, 20));
        QCOMPARE(root.findChild<DuiWidget *>(QStringLiteral("band"))->geometry(), QRectF(0, 72, 190, 28));
    }

    void unknownNamesAreSkipped()
    {
        DuiWidget root;
        QVERIFY(fill(&root, "<xmlui>"
                            "<NoSuchWidget objectName='x'><DuiWidget objectName='inner'/></NoSuchWidget>"
                            "<DuiWidget objectName='kept' colour='red' fixWidth='33' visible='FALSE'/>"
                            "</xmlui>"));
        QVERIFY(!root.findChild<DuiWidget *>(QStringLiteral("inner")));
        auto *kept = root.findChild<DuiWidget *>(QStringLiteral("kept"));
        QVERIFY(kept);
        QCOMPARE(kept->minimumWidth(), 33.0);
        QVERIFY(!kept->isVisible());
        QVERIFY(!kept->property("colour").isValid()); // no dynamic property
        QCOMPARE(children(&root).size(), 1);
    }

    void listDataElements()
    {
        TstDataWidget root;
        QVERIFY(fill(&root, "<xmlui><TabData ignored='1'><tab text='One' icon='a.png'/><x text='Two'/><tab/></TabData></xmlui>"));
        QCOMPARE(root.data.size(), 3);
        QCOMPARE(root.data.at(0).toMap(), (QVariantMap{{QStringLiteral("text"), QStringLiteral("One")},
                                                      {QStringLiteral("icon"), QStringLiteral("a.png")}}));
        QCOMPARE(root.data.at(0).toMap().value(QStringLiteral("icon")).metaType(), QMetaType::fromType<QString>());
        QCOMPARE(root.data.at(1).toMap().value(QStringLiteral("text")).toString(), QStringLiteral("Two"));
        QVERIFY(root.data.at(2).toMap().isEmpty());

        QVERIFY(fill(&root, "<xmlui><ComboData><i v='1'/></ComboData></xmlui>"));
        QCOMPARE(root.data.size(), 1);
        // Data elements inside a widget element configure that widget.
        QVERIFY(fill(&root, "<xmlui><TstDataWidget objectName='inner'><ComboData><i/><i/></ComboData></TstDataWidget></xmlui>"));
        QCOMPARE(root.findChild<TstDataWidget *>(QStringLiteral("inner"))->data.size(), 2);
    }

    void treeDataElement()
    {
        TstDataWidget root;
        QVERIFY(fill(&root, "<xmlui><TreeData>"
                            "<node text='a' children='lost'><node text='a1'><node text='a1x'/></node><node text='a2'/></node>"
                            "<node text='b'/>"
                            "</TreeData></xmlui>"));
        QCOMPARE(root.data.size(), 2);
        const QVariantMap a = root.data.at(0).toMap();
        const QVariantList aChildren = a.value(QStringLiteral("children")).toList();
        QCOMPARE(aChildren.size(), 2);
        QCOMPARE(aChildren.at(0).toMap().value(QStringLiteral("text")).toString(), QStringLiteral("a1"));
        QCOMPARE(aChildren.at(0).toMap().value(QStringLiteral("children")).toList().size(), 1);
        QVERIFY(!aChildren.at(1).toMap().contains(QStringLiteral("children")));
        QVERIFY(!root.data.at(1).toMap().contains(QStringLiteral("children")));
    }

    void fontDataElement()
    {
        TstDataWidget root;
        QVERIFY(fill(&root, "<xmlui><Font name='titleFont' family='DejaVu Sans' pixelSize='17' bold='true'/></xmlui>"));
        QCOMPARE(root.titleFont.pixelSize(), 17);
        QVERIFY(root.titleFont.bold());
        root.titleFont = QFont();
        QVERIFY(fill(&root, "<xmlui><Font name='titleFont' pixelSize='17' shade='dark'/></xmlui>"));
        QCOMPARE(root.titleFont, QFont());
    }

    void dataWithoutPropertyIsKeptDynamically()
    {
        DuiWidget root;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(fill(&root, "<xmlui>\n<TabData><i a='1'/></TabData></xmlui>"));
        QCOMPARE(root.property("data").toList().size(), 1);
        QCOMPARE(diagnostics.records(DuiXmlDiagnostics::UnknownAttribute).size(), 1);
        QCOMPARE(diagnostics.records().at(0).line, 2);
    }

    void connectByNameRules()
    {
        TstPanel receiver;
        QObject root;
        auto *ok = new TstDataWidget;
        ok->setObjectName(QStringLiteral("ok"));
        ok->setParent(&root);
        auto *okButton = new TstDataWidget;
        okButton->setObjectName(QStringLiteral("ok_button"));
        okButton->setParent(ok); // descendants at any level are senders
        auto *edit = new TstDataWidget;
        edit->setObjectName(QStringLiteral("edit"));
        edit->setParent(okButton);

        DuiXmlUI::connectSignalSlotByName(&root, &receiver, false);
        DuiXmlUI::connectSignalSlotByName(&root, &receiver, false); // connects nothing twice
        emit ok->clicked();
        QCOMPARE(receiver.okClicked, 1);
        emit okButton->clicked();
        QCOMPARE(receiver.okButtonClicked, 0); // "ok_button" splits into more than three parts
        QCOMPARE(receiver.okClicked, 1);
        emit edit->textChanged(QStringLiteral("hi"));
        QCOMPARE(receiver.editText, 1);
        QCOMPARE(receiver.texts, QStringList{QStringLiteral("hi")});
        QCOMPARE(receiver.editInt, 0); // parameter lists must match
        emit ok->value_changed();
        QCOMPARE(receiver.underscore, 0); // signals with "_" never match
    }

    void connectByNameRootOnlyWhenAsked()
    {
        TstPanel receiver;
        TstDataWidget root;
        root.setObjectName(QStringLiteral("ok"));
        DuiXmlUI::connectSignalSlotByName(&root, &receiver, false);
        emit root.clicked();
        QCOMPARE(receiver.okClicked, 0);
        DuiXmlUI::connectSignalSlotByName(&root, &receiver, true);
        emit root.clicked();
        QCOMPARE(receiver.okClicked, 1);
    }

    void builderConnectsSlotsOnce()
    {
        TstPanel panel;
        // The nested element with children connects its own slots; the fill form then connects
        // the panel's, and the element-level pass runs again for the inner panel.
        QVERIFY(fill(&panel, "<xmlui><TstPanel objectName='inner'><TstDataWidget objectName='ok'/></TstPanel>"
                             "<TstDataWidget objectName='edit'/></xmlui>"));
        auto *inner = panel.findChild<TstPanel *>(QStringLiteral("inner"));
        auto *ok = panel.findChild<TstDataWidget *>(QStringLiteral("ok"));
        QVERIFY(inner && ok);
        emit ok->clicked();
        QCOMPARE(inner->okClicked, 1);
        QCOMPARE(panel.okClicked, 1);
        QCOMPARE(inner->constructed, 1);
        QVERIFY(fill(&panel, "<xmlui/>"));
        emit ok->clicked();
        QCOMPARE(panel.okClicked, 2);
        emit panel.findChild<TstDataWidget *>(QStringLiteral("edit"))->textChanged(QString());
        QCOMPARE(panel.editText, 1);
    }

    void xmlPathFillsTheWidget()
    {
        const QString inner = writeFile(QStringLiteral("inner.xml"), "<xmlui><DuiWidget objectName='fromFile'/></xmlui>");
        const QByteArray outer = "<xmlui><TstPanel objectName='host' xmlPath='" + inner.toUtf8() + "'/></xmlui>";
        DuiWidget root;
        QVERIFY(DuiXmlUI::createFromMemory(outer.toStdString(), &root));
        auto *host = root.findChild<TstPanel *>(QStringLiteral("host"));
        QVERIFY(host);
        QVERIFY(host->findChild<DuiWidget *>(QStringLiteral("fromFile")));
        QCOMPARE(host->constructed, 1);
    }

    void selfIncludingFileStops()
    {
        const QString path = m_dir.filePath(QStringLiteral("self.xml"));
        writeFile(QStringLiteral("self.xml"),
                  "<xmlui>\n<DuiWidget objectName='level' xmlPath='" + path.toUtf8() + "'/>\n<DuiWidget xmlPath='" +
                      m_dir.path().toUtf8() + "/./self.xml'/></xmlui>");
        DuiWidget root;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(DuiXmlUI::createFromFile(path, &root));
        // The file is built into root once; each of its widgets refuses to load it again.
        QCOMPARE(root.findChildren<DuiWidget *>().size(), 2);
        const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::RecursiveFile);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).file, path);
    }

    void depthLimit()
    {
        const int levels = 300;
        std::string xml = "<xmlui>\n";
        for (int i = 0; i < levels; ++i)
            xml += "<DuiWidget objectName='l" + std::to_string(i + 1) + "'>\n";
        for (int i = 0; i < levels; ++i)
            xml += "</DuiWidget>";
        xml += "</xmlui>";
        DuiWidget root;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(DuiXmlUI::createFromMemory(xml, &root));
        QVERIFY(root.findChild<DuiWidget *>(QStringLiteral("l%1").arg(DuiXmlDiagnostics::maxDepth)));
        QVERIFY(!root.findChild<DuiWidget *>(QStringLiteral("l%1").arg(DuiXmlDiagnostics::maxDepth + 1)));
        const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::DepthLimit);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).line, DuiXmlDiagnostics::maxDepth + 2);
    }

    void hugeAndAbsurdInput()
    {
        // 100,000 levels: parsed, built to the limit, no stack overflow.
        std::string deep = "<xmlui>";
        for (int i = 0; i < 100000; ++i)
            deep += "<DuiWidget>";
        for (int i = 0; i < 100000; ++i)
            deep += "</DuiWidget>";
        deep += "</xmlui>";
        {
            DuiWidget root;
            QVERIFY(DuiXmlUI::createFromMemory(deep, &root));
            QCOMPARE(root.findChildren<DuiWidget *>().size(), DuiXmlDiagnostics::maxDepth);
        }
        {
            TstDataWidget root;
            std::string tree = "<xmlui><TreeData>";
            for (int i = 0; i < 100000; ++i)
                tree += "<n>";
            for (int i = 0; i < 100000; ++i)
                tree += "</n>";
            tree += "</TreeData></xmlui>";
            QVERIFY(DuiXmlUI::createFromMemory(tree, &root));
            QCOMPARE(root.data.size(), 1);
        }

        const std::string million(1000000, '9');
        const std::string commas(1000000, ',');
        std::string xml = "<xmlui><DuiWidget objectName='" + million + "' fixWidth='" + million + "' fixSize='" + million + "," +
                          million + "' margins='" + commas + "' backgroundColor='" + commas + "' anchor='Left:" + million +
                          "' minWidth='1e400' width='-99999999999' layout='" + million + "' toolTip='a&#0;b'/></xmlui>";
        DuiWidget root;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(DuiXmlUI::createFromMemory(xml, &root));
        QCOMPARE(children(&root).size(), 1);
        QVERIFY(diagnostics.count() >= 4);
        for (const DuiXmlDiagnostics::Record &r : diagnostics.records())
            QVERIFY(r.message.size() < 400);

        // NUL bytes inside the text: a parse error, not a crash.
        const std::string withNul("<xmlui><DuiWidget objectName='a\0b'/></xmlui>", 44);
        DuiXmlUI::createFromMemory(withNul, &root);
    }

    void windowForm()
    {
        // A first element that is no frame window class (or none at all) yields null.
        DuiXmlDiagnostics diagnostics;
        QVERIFY(!DuiXmlUI::createFromMemory(std::string("<xmlui><DuiWidget/></xmlui>"), static_cast<QWidget *>(nullptr)));
        QVERIFY(!DuiXmlUI::createFromMemory(std::string("<xmlui/>"), static_cast<QWidget *>(nullptr)));
        QVERIFY(!DuiXmlUI::createFromMemory(std::string("<xmlui>"), static_cast<QWidget *>(nullptr)));
        const QString path = writeFile(QStringLiteral("window.xml"), "<xmlui>\n  <DuiDialogue fixSize='340,160'/>\n</xmlui>");
        QVERIFY(!DuiXmlUI::createFromFile(path, static_cast<QWidget *>(nullptr)));
        const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::WindowFormFailure);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(0).file, QStringLiteral("memory"));
        QVERIFY(records.at(0).message.contains(QLatin1String("DuiWidget")));
        QCOMPARE(records.at(2).file, path);
        QCOMPARE(records.at(2).line, 2);
        QCOMPARE(records.at(2).severity, DuiXmlDiagnostics::Error);
        QCOMPARE(diagnostics.records(DuiXmlDiagnostics::DocumentNotLoaded).size(), 1);
    }

    void diagnosticsRecordEverySkip()
    {
        const QByteArray text = "<xmlui>\n"
                                "  <DuiWidget objectName='a' colour='red'\n"
                                "             pos='1,2' layout='anchor' fixWidth='wide' backgroundColor='1,2'/>\n"
                                "  <Gadget><DuiWidget/></Gadget>\n"
                                "  <TstDataWidget objectName='ok'/>\n"
                                "</xmlui>\n";
        const QString path = writeFile(QStringLiteral("skips.xml"), text);
        TstPanel panel;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(DuiXmlUI::createFromFile(path, &panel));

        const auto unknownAttribute = diagnostics.records(DuiXmlDiagnostics::UnknownAttribute);
        QCOMPARE(unknownAttribute.size(), 1);
        QCOMPARE(unknownAttribute.at(0).file, path);
        QCOMPARE(unknownAttribute.at(0).line, 2);
        QCOMPARE(unknownAttribute.at(0).severity, DuiXmlDiagnostics::Warning);
        QVERIFY(unknownAttribute.at(0).message.contains(QLatin1String("\"colour\"")));

        const auto rejected = diagnostics.records(DuiXmlDiagnostics::RejectedValue);
        QCOMPARE(rejected.size(), 4);
        QStringList messages;
        for (const auto &r : rejected)
            messages << r.message;
        QVERIFY2(messages.at(0).contains(QLatin1String("pos")) && messages.at(0).contains(QLatin1String("refused")), qPrintable(messages.at(0)));
        QVERIFY2(messages.at(1).contains(QLatin1String("layout")) && messages.at(1).contains(QLatin1String("-1")), qPrintable(messages.at(1)));
        QVERIFY2(messages.at(2).contains(QLatin1String("fixWidth")), qPrintable(messages.at(2)));
        QVERIFY2(messages.at(3).contains(QLatin1String("backgroundColor")), qPrintable(messages.at(3)));

        const auto unknownElement = diagnostics.records(DuiXmlDiagnostics::UnknownElement);
        QCOMPARE(unknownElement.size(), 1); // the skipped subtree is not walked
        QCOMPARE(unknownElement.at(0).line, 4);
        QVERIFY(unknownElement.at(0).message.contains(QLatin1String("Gadget")));

        // The panel's slots for "edit" and "missing" found nobody; on_ok_pressed() found ok but no
        // signal; on_ok_button_clicked() and on_ok_value_changed() can never match.
        const auto unmatched = diagnostics.records(DuiXmlDiagnostics::UnmatchedSlot);
        QStringList slotMessages;
        for (const auto &r : unmatched)
            slotMessages << r.message;
        slotMessages.sort();
        QCOMPARE(slotMessages.size(), 6);
        QCOMPARE(slotMessages.filter(QStringLiteral("never matches")).size(), 2);
        QVERIFY(slotMessages.filter(QStringLiteral("on_missing_clicked()")).size() == 1);
        QVERIFY(slotMessages.filter(QStringLiteral("on_ok_pressed()")).first().contains(QLatin1String("signal pressed()")));
        QCOMPARE(slotMessages.filter(QStringLiteral("on_edit_textChanged")).size(), 2);
        QCOMPARE(diagnostics.count(), 12);
        QCOMPARE(diagnostics.records().at(0).toString(),
                 path + QStringLiteral(":2:29: warning: ") + diagnostics.records().at(0).message); // at "colour"
    }

    void parseErrorsCarryPosition()
    {
        DuiWidget root;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(!fill(&root, "<xmlui>\n  <DuiWidget>\n</xmlui>"));
        QVERIFY(!fill(&root, "<layout/>"));
        QVERIFY(!DuiXmlUI::createFromFile(QStringLiteral("/nonexistent/dir/file.xml"), &root));
        const auto records = diagnostics.records();
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(0).kind, DuiXmlDiagnostics::DocumentNotLoaded);
        QCOMPARE(records.at(0).file, QStringLiteral("memory"));
        QCOMPARE(records.at(0).line, 3);
        QVERIFY(records.at(0).column > 0);
        QCOMPARE(records.at(0).severity, DuiXmlDiagnostics::Error);
        QCOMPARE(records.at(1).kind, DuiXmlDiagnostics::MissingRootElement);
        QCOMPARE(records.at(1).line, 1);
        QCOMPARE(records.at(2).file, QStringLiteral("/nonexistent/dir/file.xml"));
        QCOMPARE(records.at(2).kind, DuiXmlDiagnostics::DocumentNotLoaded);
    }

    void nestedCollectors()
    {
        DuiWidget root;
        DuiXmlDiagnostics outer;
        fill(&root, "<xmlui><A/></xmlui>");
        {
            DuiXmlDiagnostics inner;
            fill(&root, "<xmlui><B/><C/></xmlui>");
            QCOMPARE(inner.count(), 2);
        }
        fill(&root, "<xmlui><D/></xmlui>");
        QCOMPARE(outer.count(), 2);
        QVERIFY(outer.records().at(1).message.contains(QLatin1String("\"D\"")));

        // Destroyed out of order: the survivors keep collecting.
        auto *a = new DuiXmlDiagnostics;
        auto *b = new DuiXmlDiagnostics;
        delete a;
        fill(&root, "<xmlui><E/></xmlui>");
        QCOMPARE(b->count(), 1);
        delete b;
        fill(&root, "<xmlui><F/></xmlui>");
        QCOMPARE(outer.count(), 3);
        outer.clear();
        QVERIFY(outer.isEmpty());
    }

    // A skip is a warning on dui.xml that shows without any configuration, and a rule silences it.
    void recordsGoToTheLoggingCategory_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<int>("expected");
        QTest::newRow("default") << QString() << 1;
        QTest::newRow("silenced") << QStringLiteral("dui.*.warning=false") << 0;
    }

    void recordsGoToTheLoggingCategory()
    {
        QFETCH(QString, rules);
        QFETCH(int, expected);
        static QStringList messages;
        messages.clear();
        QLoggingCategory::setFilterRules(rules);
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &msg) {
            if (type == QtWarningMsg && qstrcmp(context.category, "dui.xml") == 0)
                messages << msg;
        });
        DuiWidget root;
        fill(&root, "<xmlui>\n<Nothing/></xmlui>");
        qInstallMessageHandler(previous);
        initTestCase();
        QCOMPARE(messages.size(), expected);
        if (expected) {
            QVERIFY(messages.at(0).startsWith(QLatin1String("memory:2:1: warning: ")));
            QVERIFY(messages.at(0).contains(QLatin1String("Nothing")));
        }
    }
};

QTEST_MAIN(tst_DuiXmlUI)
#include "tst_duixmlui.moc"
