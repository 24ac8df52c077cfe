// SPDX-License-Identifier: MIT
#include <mxutility.h>
#include <mxxmldocument.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qtemporarydir.h>
#include <QtTest/qtest.h>

#include <string>

namespace {

bool load(MXXmlDocument &doc, const QByteArray &bytes)
{
    return doc.loadFromString(bytes.constData(), int(bytes.size()));
}

QString q(const std::wstring &s)
{
    return QString::fromStdWString(s);
}

} // namespace

class tst_MXXmlDocument : public QObject
{
    Q_OBJECT

private slots:
    void attributesKeepDocumentOrder();
    void childrenSkipTextAndComments();
    void bomAndDeclaration_data();
    void bomAndDeclaration();
    void utf8Text();
    void elementByPath();
    void malformedInput_data();
    void malformedInput();
    void failedLoadClearsPreviousDocument();
    void errorPosition();
    void elementLines();
    void wideStringInput();
    void loadFromFile();
    void deepNesting();
    void binaryGarbage();
    void appRootPath();
};

void tst_MXXmlDocument::attributesKeepDocumentOrder()
{
    MXXmlDocument doc;
    QVERIFY(load(doc, "<xmlui><DuiWidget spacing=\"4\" layout=\"HBox\" margins=\"1,2,3,4\" objectName=\"w\"/></xmlui>"));
    const MXXmlElement *w = doc.rootElement()->child(0);
    QVERIFY(w);
    QCOMPARE(w->attributeCount(), 4);
    QStringList names;
    for (int i = 0; i < w->attributeCount(); ++i)
        names << q(w->attributeName(i));
    QCOMPARE(names, QStringList({"spacing", "layout", "margins", "objectName"}));
    QCOMPARE(q(w->attribute(1)), QStringLiteral("HBox"));
    QCOMPARE(q(w->attribute(L"margins")), QStringLiteral("1,2,3,4"));
    QCOMPARE(q((*w)[L"objectName"]), QStringLiteral("w"));
    QCOMPARE(q(w->attribute(L"missing")), QString());
    QCOMPARE(q(w->attribute(7)), QString());
    QCOMPARE(q(w->attributeName(-1)), QString());
}

void tst_MXXmlDocument::childrenSkipTextAndComments()
{
    MXXmlDocument doc;
    QVERIFY(load(doc, "<xmlui>text<!-- note --><a/>more<b><c/></b><![CDATA[x]]></xmlui>"));
    const MXXmlElement *root = doc.rootElement();
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(q(root->child(0)->tag()), QStringLiteral("a"));
    QCOMPARE(q(root->child(1)->tag()), QStringLiteral("b"));
    QCOMPARE(root->child(1)->childCount(), 1);
    QCOMPARE(root->child(2), nullptr);
    QCOMPARE(root->child(-1), nullptr);
    // The same element object is handed out each time.
    QCOMPARE(root->child(1), root->child(1));
}

void tst_MXXmlDocument::bomAndDeclaration_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray body = "<xmlui><DuiWidget objectName=\"x\"/></xmlui>";
    QTest::newRow("plain") << body;
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF") + body;
    QTest::newRow("declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + body;
    QTest::newRow("bom+declaration") << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n") + body;
}

void tst_MXXmlDocument::bomAndDeclaration()
{
    QFETCH(QByteArray, bytes);
    MXXmlDocument doc;
    QVERIFY(load(doc, bytes));
    QCOMPARE(q(doc.rootElement()->tag()), QStringLiteral("xmlui"));
    QCOMPARE(q(doc.rootElement()->child(0)->attribute(L"objectName")), QStringLiteral("x"));
    QVERIFY(doc.errorMessage().empty());
}

void tst_MXXmlDocument::utf8Text()
{
    MXXmlDocument doc;
    QVERIFY(load(doc, QStringLiteral("<xmlui><b text=\"关闭 &amp; ok\" 名=\"值\"/></xmlui>").toUtf8()));
    const MXXmlElement *b = doc.rootElement()->child(0);
    QCOMPARE(q(b->attribute(L"text")), QStringLiteral("关闭 & ok"));
    QCOMPARE(q(b->attributeName(1)), QStringLiteral("名"));
    QCOMPARE(q(b->attribute(QStringLiteral("名").toStdWString())), QStringLiteral("值"));
}

void tst_MXXmlDocument::elementByPath()
{
    MXXmlDocument doc;
    QCOMPARE(doc.rootElement(), nullptr);
    QCOMPARE(doc.elementByPath(L"xmlui"), nullptr);
    QVERIFY(load(doc, "<xmlui-resource><font name=\"a\"/></xmlui-resource>"));
    QCOMPARE(doc.elementByPath(L"xmlui"), nullptr);
    QCOMPARE(doc.elementByPath(L"xmlui-resource"), doc.rootElement());
    QCOMPARE(doc.elementByPath(L"font"), nullptr);
}

void tst_MXXmlDocument::malformedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("whitespace") << QByteArray("  \n ");
    QTest::newRow("unclosed") << QByteArray("<xmlui><a>");
    QTest::newRow("mismatched") << QByteArray("<xmlui><a></b></xmlui>");
    QTest::newRow("bad attribute") << QByteArray("<xmlui a=b/>");
    QTest::newRow("duplicate root") << QByteArray("<a/><b/>");
    QTest::newRow("only declaration") << QByteArray("<?xml version=\"1.0\"?>");
    QTest::newRow("only comment") << QByteArray("<!-- x -->");
    QTest::newRow("truncated bom") << QByteArray("\xEF\xBB");
}

void tst_MXXmlDocument::malformedInput()
{
    QFETCH(QByteArray, bytes);
    MXXmlDocument doc;
    QVERIFY(!load(doc, bytes));
    QCOMPARE(doc.rootElement(), nullptr);
    QVERIFY(!doc.errorMessage().empty());
}

void tst_MXXmlDocument::failedLoadClearsPreviousDocument()
{
    MXXmlDocument doc;
    QVERIFY(load(doc, "<xmlui><a/></xmlui>"));
    QVERIFY(!load(doc, "<xmlui>"));
    QCOMPARE(doc.rootElement(), nullptr);
    QVERIFY(!doc.loadFromString(nullptr, 5));
    QVERIFY(!doc.loadFromString("<a/>", -1));
    QVERIFY(load(doc, "<other/>"));
    QVERIFY(doc.errorMessage().empty());
    QCOMPARE(doc.errorLine(), 0);
}

void tst_MXXmlDocument::errorPosition()
{
    MXXmlDocument doc;
    QVERIFY(!load(doc, "<xmlui>\n  <a>\n    <b x=\"1\" y=2/>\n  </a>\n</xmlui>\n"));
    QCOMPARE(doc.errorLine(), 3);
    QVERIFY2(doc.errorColumn() >= 14 && doc.errorColumn() <= 16, QByteArray::number(doc.errorColumn()));

    // Columns count characters, not bytes.
    QVERIFY(!load(doc, QStringLiteral("<xmlui t=\"关闭\" <").toUtf8()));
    QCOMPARE(doc.errorLine(), 1);
    QVERIFY2(doc.errorColumn() <= 15, QByteArray::number(doc.errorColumn()));
}

void tst_MXXmlDocument::elementLines()
{
    MXXmlDocument doc;
    QVERIFY(load(doc, "<xmlui>\n<a/>\n\n<b>\n  <c/>\n</b>\n</xmlui>"));
    const MXXmlElement *root = doc.rootElement();
    QCOMPARE(root->line(), 1);
    QCOMPARE(root->child(0)->line(), 2);
    QCOMPARE(root->child(1)->line(), 4);
    QCOMPARE(root->child(1)->child(0)->line(), 5);
}

void tst_MXXmlDocument::wideStringInput()
{
    MXXmlDocument doc;
    QVERIFY(doc.loadFromString(QStringLiteral("<root themeColorType=\"1\"><item h=\"0\" s=\"1\"/>文</root>").toStdWString()));
    QCOMPARE(q(doc.rootElement()->attribute(L"themeColorType")), QStringLiteral("1"));
    QCOMPARE(doc.rootElement()->childCount(), 1);
    QVERIFY(!doc.loadFromString(std::wstring(L"<root>")));

    // The text is decoded already: a declaration naming another encoding must not re-decode it.
    QVERIFY(doc.loadFromString(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><root a=\"é文\"/>").toStdWString()));
    QCOMPARE(q(doc.rootElement()->attribute(L"a")), QStringLiteral("é文"));
}

void tst_MXXmlDocument::loadFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("界面.xml"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<xmlui><DuiWidget/></xmlui>\n");
    f.close();
    MXXmlDocument doc;
    QVERIFY(doc.loadFromFile(path.toStdWString()));
    QCOMPARE(doc.rootElement()->childCount(), 1);
    QVERIFY(!doc.loadFromFile(dir.filePath(QStringLiteral("missing.xml")).toStdWString()));
    QVERIFY(!doc.errorMessage().empty());
    QCOMPARE(doc.errorLine(), 0);
    QVERIFY(!doc.loadFromFile(dir.path().toStdWString())); // a directory
    QVERIFY(!doc.loadFromFile(L"/dev/zero"));              // a device: refused, not read forever
}

void tst_MXXmlDocument::deepNesting()
{
    // The parser and the element tree must not recurse per level.
    const int depth = 100000;
    QByteArray bytes;
    bytes.reserve(depth * 8);
    for (int i = 0; i < depth; ++i)
        bytes += "<a>";
    for (int i = 0; i < depth; ++i)
        bytes += "</a>";
    MXXmlDocument doc;
    QVERIFY(load(doc, bytes));
    const MXXmlElement *e = doc.rootElement();
    int levels = 1;
    while (e->childCount() == 1) {
        e = e->child(0);
        ++levels;
    }
    QCOMPARE(levels, depth);
}

void tst_MXXmlDocument::binaryGarbage()
{
    QByteArray bytes(4096, '\0');
    quint32 x = 12345;
    for (char &c : bytes) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 24);
    }
    MXXmlDocument doc;
    QVERIFY(!load(doc, bytes));
    QVERIFY(!load(doc, QByteArray("<xmlui a=\"x\0y\"/>", 17)) || doc.rootElement());
}

void tst_MXXmlDocument::appRootPath()
{
    const QString root = MxUtility::appRootPath();
    QCOMPARE(root, QCoreApplication::applicationDirPath());
    QVERIFY(!root.endsWith(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(tst_MXXmlDocument)
#include "tst_mxxmldocument.moc"
