// SPDX-License-Identifier: MIT
// The generated XML Schema against the builder: what xmllint accepts, the builder builds without
// a record, and what it rejects, the builder reports. Checked on every shipped UI and menu file,
// on one element of every registered class with every attribute the schema lists, and on files
// with the mistakes authors make.
#include <duiframetyperegister.h>
#include <duiframewindow.h>
#include <duimenu.h>
#include <duiwidget.h>
#include <duiwidgettyperegister.h>
#include <duixmldiagnostics.h>
#include <duixmlschema.h>
#include <duixmlui.h>
#include <mxxmldocument.h>

#include <QtCore/qdiriterator.h>
#include <QtCore/qloggingcategory.h>
#include <QtCore/qprocess.h>
#include <QtCore/qregularexpression.h>
#include <QtCore/qtemporarydir.h>
#include <QtCore/qxmlstream.h>
#include <QtTest/qtest.h>

#include <cstring>

#include "uiloadertest.h"

namespace {

struct Lint
{
    bool valid = false;
    QString output;
};

enum FileKind { UiFile, MenuFile, OtherFile };

// UI files and menu files both start with xmlui; gradient files ("root") and font files
// ("xmlui-resource") are read by readers of their own.
FileKind kindOf(const QString &path)
{
    MXXmlDocument document;
    if (!document.loadFromFile(path.toStdWString()))
        return OtherFile;
    const MXXmlElement *root = document.elementByPath(L"xmlui");
    const MXXmlElement *first = root ? root->child(0) : nullptr;
    if (!root || (first && std::strcmp(first->tagUtf8(), "root") == 0))
        return OtherFile;
    return first && std::strcmp(first->tagUtf8(), "ActionGroup") == 0 ? MenuFile : UiFile;
}

// The builder's records for `path`, built as duiview builds it; relative xmlPath files of the
// gallery are found because the test's working folder does not matter: none are relative to it.
QStringList builderRecords(const QString &path, FileKind kind)
{
    DuiXmlDiagnostics diagnostics;
    if (kind == MenuFile) {
        DuiMenu menu;
        menu.createFromFile(path);
    } else {
        MXXmlDocument document;
        document.loadFromFile(path.toStdWString());
        const MXXmlElement *first = document.rootElement() ? document.rootElement()->child(0) : nullptr;
        bool window = false;
        for (auto *node = getframeCreateFuncPointerDataHeader()->next; first && node; node = node->next)
            window = window || std::strcmp(node->name, first->tagUtf8()) == 0;
        if (window) {
            delete DuiXmlUI::createFromFile(path, static_cast<QWidget *>(nullptr));
        } else {
            DuiWidget host;
            DuiXmlUI::createFromFile(path, &host);
        }
    }
    QStringList lines;
    for (const DuiXmlDiagnostics::Record &r : diagnostics.records()) {
        // Slots are the host's business and images may live beside a host: neither is the file's form.
        if (r.kind != DuiXmlDiagnostics::UnmatchedSlot && r.kind != DuiXmlDiagnostics::DocumentNotLoaded)
            lines << r.toString();
    }
    return lines;
}

} // namespace

class tst_DuiXmlSchema : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_schema;

    QString write(const QString &name, const QByteArray &text) { return uiloadertest::writeFile(m_dir, name, text); }

    Lint xmllint(const QString &path)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(DUI_XMLLINT), {QStringLiteral("--noout"), QStringLiteral("--schema"), m_schema, path});
        Lint lint;
        if (!process.waitForFinished(60000)) {
            process.kill();
            lint.output = QStringLiteral("xmllint did not finish");
            return lint;
        }
        lint.output = QString::fromLocal8Bit(process.readAll());
        lint.valid = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return lint;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(QStringLiteral(DUI_XMLLINT)).isExecutable(),
                 "xmllint is missing: install libxml2-utils (scripts/setup.sh does)");
        QVERIFY(m_dir.isValid());
        // Files written here name images that do not exist; dui.resource says so.
        QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
        m_schema = write(QStringLiteral("duifw.xsd"), DuiXmlSchema::text().toUtf8());
        const Lint self = xmllint(write(QStringLiteral("empty.xml"), "<xmlui/>"));
        QVERIFY2(self.valid, qPrintable(self.output)); // the schema itself compiles
    }

    // Every UI and menu file the project ships: the examples on disk and the compiled-in files.
    void shippedFilesAreValid_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator examples(QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples"), {QStringLiteral("*.xml")}, QDir::Files,
                              QDirIterator::Subdirectories);
        int count = 0;
        while (examples.hasNext()) {
            const QString path = examples.next();
            if (kindOf(path) != OtherFile) {
                QTest::newRow(qPrintable(QDir(QStringLiteral(DUI_TEST_SOURCE_DIR "/../..")).relativeFilePath(path))) << path;
                ++count;
            }
        }
        QDirIterator resources(QStringLiteral(":/"), {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
        while (resources.hasNext()) {
            const QString path = resources.next();
            if (kindOf(path) == OtherFile)
                continue;
            // xmllint reads files, not resources: a copy on disk, under the resource's name.
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QString copy = write(QString(path).replace(QLatin1Char('/'), QLatin1Char('_')).remove(QLatin1Char(':')), file.readAll());
            QTest::newRow(qPrintable(path)) << copy;
            ++count;
        }
        QVERIFY(count >= 8); // the gallery's files and the prompt dialog at least
    }

    void shippedFilesAreValid()
    {
        QFETCH(QString, path);
        const Lint lint = xmllint(path);
        QVERIFY2(lint.valid, qPrintable(lint.output));
        const QStringList records = builderRecords(path, kindOf(path));
        QVERIFY2(records.isEmpty(), qPrintable(records.join(QLatin1Char('\n'))));
    }

    // One element per registered class carrying every attribute the schema gives it, with a
    // value of the attribute's type: xmllint and the builder must both take all of them.
    void everyClassTakesItsSchemaAttributes()
    {
        QXmlStreamReader schema(DuiXmlSchema::text());
        QHash<QString, QString> firstKey; // enumeration and flag type -> a key
        QHash<QString, QList<QPair<QString, QString>>> attributes; // complex type -> name, type
        QHash<QString, QString> typeOfElement;
        QString complexType, simpleType;
        while (!schema.atEnd()) {
            if (schema.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = schema.attributes();
            if (schema.name() == QLatin1String("complexType"))
                complexType = a.value(QLatin1String("name")).toString();
            else if (schema.name() == QLatin1String("simpleType"))
                simpleType = a.value(QLatin1String("name")).toString();
            else if (schema.name() == QLatin1String("attribute") && complexType.startsWith(QLatin1String("widget.")))
                attributes[complexType].append({a.value(QLatin1String("name")).toString(), a.value(QLatin1String("type")).toString()});
            else if (schema.name() == QLatin1String("element") && a.hasAttribute(QLatin1String("type")))
                typeOfElement.insert(a.value(QLatin1String("name")).toString(), a.value(QLatin1String("type")).toString());
            else if (schema.name() == QLatin1String("enumeration") && !firstKey.contains(simpleType))
                firstKey.insert(simpleType, a.value(QLatin1String("value")).toString());
            else if (schema.name() == QLatin1String("pattern") && simpleType.startsWith(QLatin1String("enum.")))
                firstKey.insert(simpleType, a.value(QLatin1String("value")).toString().mid(1).section(QRegularExpression(QStringLiteral("[|)]")), 0, 0));
        }
        QVERIFY2(!schema.hasError(), qPrintable(schema.errorString()));

        const QHash<QString, QString> samples = {
            {QStringLiteral("dui.bool"), QStringLiteral("true")},          {QStringLiteral("dui.size"), QStringLiteral("30, 20")},
            {QStringLiteral("dui.sizeF"), QStringLiteral("30.5,20")},      {QStringLiteral("dui.margins"), QStringLiteral("1,2,3,4")},
            {QStringLiteral("dui.color"), QStringLiteral("10,20,30,255")}, {QStringLiteral("dui.real"), QStringLiteral("0.5")},
            {QStringLiteral("dui.anchor"), QStringLiteral("Left:0|Right:-4|Top:2|Bottom:0")},
            {QStringLiteral("xs:int"), QStringLiteral("1")},               {QStringLiteral("xs:unsignedInt"), QStringLiteral("1")},
            {QStringLiteral("xs:long"), QStringLiteral("1")},              {QStringLiteral("xs:short"), QStringLiteral("1")},
            {QStringLiteral("xs:string"), QStringLiteral("sample")},
        };
        QByteArray xml = "<xmlui>\n";
        int classes = 0;
        for (auto *node = getwidgetCreateFuncPointerDataHeader()->next; node; node = node->next) {
            const QString name = QLatin1String(node->name);
            QCOMPARE(typeOfElement.value(name), QStringLiteral("widget.") + name);
            QString element = QStringLiteral("<%1").arg(name);
            for (const auto &attribute : attributes.value(QStringLiteral("widget.") + name)) {
                // xmlPath loads a file and a font names a font file: values that need files.
                if (attribute.first == QLatin1String("xmlPath") || attribute.second == QLatin1String("dui.font"))
                    continue;
                const QString value = attribute.second.startsWith(QLatin1String("enum.")) ? firstKey.value(attribute.second)
                                                                                        : samples.value(attribute.second);
                QVERIFY2(!value.isEmpty(), qPrintable(name + QLatin1Char('.') + attribute.first + QLatin1String(": ") + attribute.second));
                element += QStringLiteral(" %1=\"%2\"").arg(attribute.first, value.toHtmlEscaped());
            }
            xml += element.toUtf8() + "/>\n";
            ++classes;
        }
        xml += "</xmlui>\n";
        QVERIFY(classes > 30);
        for (auto *node = getframeCreateFuncPointerDataHeader()->next; node; node = node->next)
            QCOMPARE(typeOfElement.value(QLatin1String(node->name)), QStringLiteral("window.") + QLatin1String(node->name));

        const QString path = write(QStringLiteral("everyclass.xml"), xml);
        const Lint lint = xmllint(path);
        QVERIFY2(lint.valid, qPrintable(lint.output));
        const QStringList records = builderRecords(path, UiFile);
        QVERIFY2(records.isEmpty(), qPrintable(records.join(QLatin1Char('\n'))));
    }

    // Each row: a file, whether it is well written. xmllint and the builder must agree on it.
    void schemaAndBuilderAgree_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("valid");
        auto ui = [](const char *inner) { return QByteArray("<xmlui><DuiWidget layout=\"VBox\">") + inner + "</DuiWidget></xmlui>"; };
        QTest::newRow("unknown element") << ui("<DuiPushButon/>") << false;
        QTest::newRow("unknown attribute") << ui("<DuiCheckBox txt=\"x\"/>") << false;
        QTest::newRow("bad enumeration key") << ui("<DuiWidget layout=\"Diagonal\"/>") << false;
        QTest::newRow("bad flag key") << ui("<DuiWidget alignment=\"AlignLeft|Sideways\"/>") << false;
        QTest::newRow("size with a word") << ui("<DuiWidget fixSize=\"abc,20\"/>") << false;
        QTest::newRow("size with three parts") << ui("<DuiWidget fixSize=\"1,2,3\"/>") << false;
        QTest::newRow("number with a unit") << ui("<DuiWidget fixWidth=\"12px\"/>") << false;
        QTest::newRow("margins of three parts") << ui("<DuiWidget margins=\"1,2,3\"/>") << false;
        QTest::newRow("margins of words") << ui("<DuiWidget margins=\"a,b,c,d\"/>") << false;
        QTest::newRow("boolean no") << ui("<DuiWidget visible=\"no\"/>") << false;
        QTest::newRow("colour above 255") << ui("<DuiWidget backgroundColor=\"300,0,0\"/>") << false;
        QTest::newRow("colour of words") << ui("<DuiWidget backgroundColor=\"red,0,0\"/>") << false;
        QTest::newRow("anchor point misspelt") << ui("<DuiWidget anchor=\"Left:1|Rigth:2|Top:0|Top:5\"/>") << false;
        QTest::newRow("rows under a class without data") << ui("<DuiPushButton><TabData><tab text=\"a\"/></TabData></DuiPushButton>") << false;
        QTest::newRow("font naming no font property") << ui("<DuiLabelWidget><Font name=\"fnt\" bold=\"true\"/></DuiLabelWidget>") << false;
        QTest::newRow("menu: unknown element") << QByteArray("<xmlui><ActionGroup><Acton text=\"a\"/></ActionGroup></xmlui>") << false;
        QTest::newRow("menu: unknown action property")
            << QByteArray("<xmlui><ActionGroup><Action shortcutt=\"Ctrl+A\"/></ActionGroup></xmlui>") << false;
        QTest::newRow("menu: attribute on the menu") << QByteArray("<xmlui><ActionGroup text=\"x\"/></xmlui>") << false;
        QTest::newRow("menu: bad priority") << QByteArray("<xmlui><ActionGroup><Action priority=\"loud\"/></ActionGroup></xmlui>") << false;

        QTest::newRow("forms with spaces and case")
            << ui("<DuiWidget fixSize=\" 10 , 20 \" visible=\"True\" backgroundColor=\"1, 2, 3, 4\" margins=\"0,0.5,1e1,-2\"/>") << true;
        QTest::newRow("flags joined") << ui("<DuiWidget alignment=\"AlignLeft|AlignVCenter\"/>") << true;
        QTest::newRow("schema named in the file")
            << QByteArray("<xmlui xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"duifw.xsd\">"
                          "<DuiFrameWindow title=\"t\"><DuiPushButton text=\"OK\"/></DuiFrameWindow></xmlui>")
            << true;
        QTest::newRow("data rows and font")
            << ui("<DuiTab><TabData><tab text=\"a\" toolTip=\"b\"/></TabData></DuiTab>"
                  "<DuiSettingPageButtonTree><TreeData><node text=\"a\"><node text=\"b\" pagename=\"p\"/></node></TreeData></DuiSettingPageButtonTree>")
            << true;
        QTest::newRow("menu with a sub-menu")
            << QByteArray("<xmlui><ActionGroup><Action objectName=\"a\" text=\"A\" checkable=\"true\" checked=\"false\" shortcut=\"Ctrl+A\"/>"
                          "<Separator/><ActionGroup objectName=\"s\" text=\"S\"><Action text=\"B\" enabled=\"0\"/></ActionGroup>"
                          "</ActionGroup></xmlui>")
            << true;
    }

    void schemaAndBuilderAgree()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, valid);
        const QString path = write(QStringLiteral("row.xml"), xml);
        const Lint lint = xmllint(path);
        QVERIFY2(lint.valid == valid, qPrintable(lint.output));
        const QStringList records = builderRecords(path, kindOf(path));
        QVERIFY2(records.isEmpty() == valid, qPrintable(records.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_DuiXmlSchema)
#include "tst_duixmlschema.moc"
