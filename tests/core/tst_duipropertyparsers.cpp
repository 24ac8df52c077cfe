// SPDX-License-Identifier: MIT
#include <duipropertyparser.h>
#include <duiresourcehandler.h>
#include <duiresourceloader.h>
#include <duityperegister.h>
#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <i18nstring.h>
#include <mxxmldocument.h>

#include "duifontfiles_p.h"
#include "duipropertyparsers_p.h"

#include <QtCore/qloggingcategory.h>
#include <QtCore/qmargins.h>
#include <QtCore/qmetaobject.h>
#include <QtCore/qtranslator.h>
#include <QtGui/qfont.h>
#include <QtTest/qtest.h>

#include <climits>

// Serves generated font files for paths "fonttest:<n>" and counts how often each is read.
class FontFileHandler : public DuiResourceHandler
{
public:
    QHash<QString, int> reads;
    QByteArray content = "<xmlui-resource>"
                         "<font name='title' family='DejaVu Sans' pixelSize='14' bold='true'/>"
                         "<font name='body' pointSize='9' italic='true'/>"
                         "<font name='dropped' pixelSize='20' colour='red'/>"
                         "<font name='shout' bold='True' underline='true'/>"
                         "<font name='twice' pixelSize='10'/><font name='twice' pixelSize='11'/>"
                         "</xmlui-resource>";

    bool loadImage(const QString &, QPixmap &) override { return false; }
    bool loadRawData(const QString &, QByteArray &) override { return false; }
    bool loadXml(const QString &path, MXXmlDocument &document) override
    {
        if (!path.startsWith(QLatin1String("fonttest:")))
            return false;
        ++reads[path];
        return document.loadFromString(content.constData(), int(content.size()));
    }
};

// Answers translations of the context QObject, as a loaded .qm file would.
class UpperTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QString::fromUtf8(source).toUpper();
    }
    bool isEmpty() const override { return false; }
};

class PropertyHolder : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(bool flag MEMBER flag)
    Q_PROPERTY(int number MEMBER number)
    Q_PROPERTY(double real MEMBER real)
    Q_PROPERTY(uint count MEMBER count)
    Q_PROPERTY(Mode mode MEMBER mode)
    Q_PROPERTY(Qt::PenStyle pen MEMBER pen)
    Q_PROPERTY(Qt::Alignment align MEMBER align)
public:
    enum Mode : int { Quiet = 1, Loud = 7 }; // a fixed type: the builder writes -1 for an unknown key
    Q_ENUM(Mode)
    bool flag = true;
    int number = 5;
    double real = 5;
    uint count = 5;
    Mode mode = Quiet;
    Qt::PenStyle pen = Qt::NoPen;
    Qt::Alignment align = Qt::AlignCenter;
};

class tst_DuiPropertyParsers : public QObject
{
    Q_OBJECT

private:
    static QVariant parse(int typeId, const QString &text)
    {
        propertyParser parser = getobjectPropertyCreatorMetaDataCreator()->value(typeId);
        return parser ? parser(text) : QVariant();
    }

    // Writes `text` to `name` of `object` as the builder does; returns what the property reads.
    static QVariant write(QObject *object, const char *name, const QString &text, QString *problem = nullptr)
    {
        const QMetaProperty p = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
        QString why;
        p.write(object, DuiPropertyText::valueFromText(p, text, &why));
        if (problem)
            *problem = why;
        return p.read(object);
    }

    FontFileHandler m_fonts;

private slots:
    void initTestCase()
    {
        // Bad input is fed on purpose and checked through the diagnostics collector; its copies on
        // the dui.* categories, which show warnings by default, would only bury the test's output.
        QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false\ndui.resource.warning=false"));
        getResourceLoader()->installResourceHandler(&m_fonts);
    }

    void registeredTypesHaveParsers()
    {
        const QHash<int, propertyParser> *table = getobjectPropertyCreatorMetaDataCreator();
        for (const char *name : {"QSizeF", "QSize", "QMargins", "QColor", "AnchorInfo", "I18nString", "QFont"}) {
            const QMetaType type = QMetaType::fromName(name);
            QVERIFY2(type.isValid(), name);
            QVERIFY2(table->contains(type.id()), name);
        }
        QCOMPARE(table->size(), 7);
    }

    void parserRegistrationReplacesAndRestores()
    {
        const propertyParser original = getobjectPropertyCreatorMetaDataCreator()->value(QMetaType::QSize);
        {
            DuiPropertyParserRegister replacement(QMetaType::QSize, [](const QString &) { return QVariant(QSize(1, 2)); });
            QCOMPARE(parse(QMetaType::QSize, QStringLiteral("70,24")).toSize(), QSize(1, 2));
        }
        // The replacement's removal leaves no entry: the original registration was replaced.
        QVERIFY(!getobjectPropertyCreatorMetaDataCreator()->contains(QMetaType::QSize));
        getobjectPropertyCreatorMetaDataCreator()->insert(QMetaType::QSize, original);
    }

    void sizes()
    {
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("70,24")).toSizeF(), QSizeF(70, 24));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("70.6,24.4")).toSizeF(), QSizeF(70.6, 24.4));
        QCOMPARE(parse(QMetaType::QSize, QStringLiteral("70.6,24.4")).toSize(), QSize(71, 24));
        QCOMPARE(parse(QMetaType::QSize, QStringLiteral("70")).toSize(), QSize(-1, -1));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("70")).toSizeF(), QSizeF(-1, -1));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("")).toSizeF(), QSizeF(-1, -1));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("1,2,3")).toSizeF(), QSizeF(1, 2));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("wide, 5")).toSizeF(), QSizeF(0, 5));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral(",")).toSizeF(), QSizeF(0, 0));
        // Out of every range: clamped, never undefined.
        QCOMPARE(parse(QMetaType::QSize, QStringLiteral("1e300,-1e300")).toSize(), QSize(INT_MAX, INT_MIN));
        QCOMPARE(parse(QMetaType::QSizeF, QStringLiteral("1e999,nan")).toSizeF(), QSizeF(0, 0));
    }

    void margins()
    {
        const int id = qMetaTypeId<QMargins>();
        QCOMPARE(parse(id, QStringLiteral("2,1,2,1")).value<QMargins>(), QMargins(2, 1, 2, 1));
        QCOMPARE(parse(id, QStringLiteral("2,1,2")).value<QMargins>(), QMargins());
        QCOMPARE(parse(id, QStringLiteral("2.9,-1.9,x,4,9")).value<QMargins>(), QMargins(2, -1, 0, 4));
    }

    void colours()
    {
        QCOMPARE(parse(QMetaType::QColor, QStringLiteral("255,255,255")).value<QColor>(), QColor(255, 255, 255, 255));
        QCOMPARE(parse(QMetaType::QColor, QStringLiteral("255,0,0,128")).value<QColor>(), QColor(255, 0, 0, 128));
        QVERIFY(!parse(QMetaType::QColor, QStringLiteral("255,0")).value<QColor>().isValid());
        QVERIFY(!parse(QMetaType::QColor, QStringLiteral("256,0,0")).value<QColor>().isValid());
        QVERIFY(!parse(QMetaType::QColor, QStringLiteral("0,0,0,-1")).value<QColor>().isValid());
        QVERIFY(!parse(QMetaType::QColor, QStringLiteral("red")).value<QColor>().isValid());
        QVERIFY(!parse(QMetaType::QColor, QStringLiteral("#ff0000")).value<QColor>().isValid());
        // Fields that are no numbers count as 0; fields after the fourth are ignored.
        QCOMPARE(parse(QMetaType::QColor, QStringLiteral("x,10,20,30,999")).value<QColor>(), QColor(0, 10, 20, 30));
    }

    void anchors()
    {
        const AnchorInfo info = parse(qMetaTypeId<AnchorInfo>(), QStringLiteral("Foo:5|Right:x|Top:4:9")).value<AnchorInfo>();
        QCOMPARE(info.targetPoint[0], int(DuiWidget::Left));
        QCOMPARE(info.distance[0], 5);
        QCOMPARE(info.targetPoint[1], int(DuiWidget::Right));
        QCOMPARE(info.distance[1], 0);
        QCOMPARE(info.targetPoint[2], int(DuiWidget::Top));
        QCOMPARE(info.distance[2], 4);
    }

    void i18nStringsAreTranslated()
    {
        QCOMPARE(parse(qMetaTypeId<I18nString>(), QStringLiteral("ok")).value<I18nString>(), I18nString(QStringLiteral("ok")));
        UpperTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QVariant v = parse(qMetaTypeId<I18nString>(), QStringLiteral("cancel \u00e9"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(v.value<I18nString>().toString(), QStringLiteral("CANCEL \u00c9"));
        QCOMPARE(v.toString(), QStringLiteral("CANCEL \u00c9"));
        // A NUL cannot be looked up; the text survives whole.
        const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
        QCOMPARE(parse(qMetaTypeId<I18nString>(), withNul).value<I18nString>().toString(), withNul);
    }

    void fontTexts()
    {
        DuiPropertyText::clearFontFileCache();
        m_fonts.reads.clear();
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("fonttest:a")).value<QFont>(), QFont());
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("fonttest:a|title|x")).value<QFont>(), QFont());
        QCOMPARE(m_fonts.reads.value(QStringLiteral("fonttest:a")), 0);

        const QFont title = parse(QMetaType::QFont, QStringLiteral("fonttest:a|title")).value<QFont>();
        QCOMPARE(title.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(title.pixelSize(), 14);
        QVERIFY(title.bold());
        const QFont body = parse(QMetaType::QFont, QStringLiteral("fonttest:a|body")).value<QFont>();
        QCOMPARE(body.pointSize(), 9);
        QCOMPARE(body.style(), QFont::StyleItalic);
        QCOMPARE(m_fonts.reads.value(QStringLiteral("fonttest:a")), 1);

        // An element with a foreign attribute is dropped; "True" is not "true".
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("fonttest:a|dropped")).value<QFont>(), QFont());
        const QFont shout = parse(QMetaType::QFont, QStringLiteral("fonttest:a|shout")).value<QFont>();
        QVERIFY(!shout.bold());
        QVERIFY(shout.underline());
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("fonttest:a|twice")).value<QFont>().pixelSize(), 11);
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("fonttest:a|nosuch")).value<QFont>(), QFont());
        QCOMPARE(m_fonts.reads.value(QStringLiteral("fonttest:a")), 1);

        // A file that cannot be loaded stays cached as empty.
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("nosuchdir:fonts.xml|title")).value<QFont>(), QFont());
        QCOMPARE(parse(QMetaType::QFont, QStringLiteral("nosuchdir:fonts.xml|title")).value<QFont>(), QFont());
    }

    void fontCacheKeepsAHundredFiles()
    {
        DuiPropertyText::clearFontFileCache();
        m_fonts.reads.clear();
        for (int i = 0; i <= 100; ++i)
            parse(QMetaType::QFont, QStringLiteral("fonttest:%1|title").arg(i));
        // 101 files read: the first one was dropped, the second one is still there.
        parse(QMetaType::QFont, QStringLiteral("fonttest:1|title"));
        QCOMPARE(m_fonts.reads.value(QStringLiteral("fonttest:1")), 1);
        parse(QMetaType::QFont, QStringLiteral("fonttest:0|title"));
        QCOMPARE(m_fonts.reads.value(QStringLiteral("fonttest:0")), 2);
    }

    void fontFileDiagnostics()
    {
        DuiPropertyText::clearFontFileCache();
        DuiXmlDiagnostics diagnostics;
        parse(QMetaType::QFont, QStringLiteral("fonttest:diag|title"));
        const QList<DuiXmlDiagnostics::Record> records = diagnostics.records(DuiXmlDiagnostics::UnknownAttribute);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).file, QStringLiteral("fonttest:diag"));
        QVERIFY(records.at(0).message.contains(QLatin1String("colour")));
        parse(QMetaType::QFont, QStringLiteral("nosuchdir:other.xml|title"));
        QCOMPARE(diagnostics.records(DuiXmlDiagnostics::DocumentNotLoaded).size(), 1);
    }

    void fontAttributes()
    {
        const QStringList names = {
            QStringLiteral("bold"), QStringLiteral("capitalization"), QStringLiteral("family"), QStringLiteral("fixedPitch"),
            QStringLiteral("italic"), QStringLiteral("kerning"), QStringLiteral("letterSpacing"), QStringLiteral("overline"),
            QStringLiteral("pixelSize"), QStringLiteral("pointSize"), QStringLiteral("pointSizeF"), QStringLiteral("rawMode"),
            QStringLiteral("rawName"), QStringLiteral("stretch"), QStringLiteral("strikeOut"), QStringLiteral("style"),
            QStringLiteral("styleHint"), QStringLiteral("styleStrategy"), QStringLiteral("underline"), QStringLiteral("weight"),
            QStringLiteral("wordSpacing"), QStringLiteral("name")};
        int registered = 0;
        for (auto *node = getfontPropertyFuncDataHeader()->next; node; node = node->next)
            ++registered;
        QCOMPARE(registered, 22);
        for (const QString &name : names) {
            QFont font;
            QVERIFY2(applyFontAttribute(&font, name, L"1"), qPrintable(name));
        }
        QFont font;
        QVERIFY(!applyFontAttribute(&font, QStringLiteral("Bold"), L"true"));
        QVERIFY(!applyFontAttribute(&font, QStringLiteral("color"), L"1"));

        applyFontAttribute(&font, QStringLiteral("pointSizeF"), L" 9.9pt");
        QCOMPARE(font.pointSize(), 9);
        applyFontAttribute(&font, QStringLiteral("pixelSize"), L" 12px");
        QCOMPARE(font.pixelSize(), 12);
        applyFontAttribute(&font, QStringLiteral("pixelSize"), L"-3");
        QCOMPARE(font.pixelSize(), 12);
        applyFontAttribute(&font, QStringLiteral("italic"), L"true");
        QCOMPARE(font.style(), QFont::StyleItalic);
        applyFontAttribute(&font, QStringLiteral("italic"), L"yes");
        QCOMPARE(font.style(), QFont::StyleNormal);

        applyFontAttribute(&font, QStringLiteral("weight"), L"75");
        QCOMPARE(font.weight(), QFont::Bold);
        applyFontAttribute(&font, QStringLiteral("weight"), L"50");
        QCOMPARE(font.weight(), QFont::Normal);
        applyFontAttribute(&font, QStringLiteral("weight"), L"600");
        QCOMPARE(font.weight(), QFont::DemiBold);

        applyFontAttribute(&font, QStringLiteral("capitalization"), L"SmallCaps");
        QCOMPARE(font.capitalization(), QFont::SmallCaps);
        applyFontAttribute(&font, QStringLiteral("capitalization"), L"1");
        QCOMPARE(font.capitalization(), QFont::AllUppercase);
        applyFontAttribute(&font, QStringLiteral("capitalization"), L"Shouting");
        QCOMPARE(font.capitalization(), QFont::AllUppercase);
        applyFontAttribute(&font, QStringLiteral("style"), L"StyleOblique");
        QCOMPARE(font.style(), QFont::StyleOblique);
        applyFontAttribute(&font, QStringLiteral("styleHint"), L"Monospace");
        QCOMPARE(font.styleHint(), QFont::Monospace);
        applyFontAttribute(&font, QStringLiteral("styleStrategy"), L"NoAntialias");
        QCOMPARE(font.styleStrategy(), QFont::NoAntialias);

        applyFontAttribute(&font, QStringLiteral("letterSpacing"), L"1.5");
        QCOMPARE(font.letterSpacingType(), QFont::AbsoluteSpacing);
        QCOMPARE(font.letterSpacing(), 1.5);
        applyFontAttribute(&font, QStringLiteral("letterSpacing"), L"120%");
        QCOMPARE(font.letterSpacingType(), QFont::PercentageSpacing);
        QCOMPARE(font.letterSpacing(), 120.0);
        applyFontAttribute(&font, QStringLiteral("stretch"), L"150");
        QCOMPARE(font.stretch(), 150);
        applyFontAttribute(&font, QStringLiteral("stretch"), L"99999");
        QCOMPARE(font.stretch(), 150);
    }

    void lenientNumbers()
    {
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("  -12abc")), -12);
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("+7")), 7);
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("abc")), 0);
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("3.9")), 3);
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("99999999999999999999")), INT_MAX);
        QCOMPARE(DuiPropertyText::readLenientInt(QStringLiteral("-99999999999999999999")), INT_MIN);
        QCOMPARE(DuiPropertyText::readLenientReal(QStringLiteral(" 1.5e2x")), 150.0);
        QCOMPARE(DuiPropertyText::readLenientReal(QStringLiteral("2e")), 2.0);
        QCOMPARE(DuiPropertyText::readLenientReal(QStringLiteral(".5")), 0.5);
        QCOMPARE(DuiPropertyText::readLenientReal(QStringLiteral("-")), 0.0);
        QCOMPARE(DuiPropertyText::readLenientReal(QStringLiteral("1e99999")), 0.0);
    }

    void booleanTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("false") << QStringLiteral("false") << false;
        QTest::newRow("FALSE") << QStringLiteral("FALSE") << false;
        QTest::newRow("False") << QStringLiteral("False") << false;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("true") << QStringLiteral("true") << true;
        QTest::newRow("no") << QStringLiteral("no") << true;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("00") << QStringLiteral("00") << true;
    }

    void booleanTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        PropertyHolder holder;
        holder.flag = !expected;
        QCOMPARE(write(&holder, "flag", text).toBool(), expected);
    }

    void numberTexts()
    {
        PropertyHolder holder;
        QString problem;
        QCOMPARE(write(&holder, "number", QStringLiteral(" -42 "), &problem).toInt(), -42);
        QVERIFY(problem.isEmpty());
        QCOMPARE(write(&holder, "number", QStringLiteral("abc"), &problem).toInt(), 0);
        QVERIFY(!problem.isEmpty());
        holder.number = 5;
        QCOMPARE(write(&holder, "number", QStringLiteral("99999999999")).toInt(), 0);
        QCOMPARE(write(&holder, "count", QStringLiteral("-1")).toUInt(), 0u);
        QCOMPARE(write(&holder, "real", QStringLiteral("2.5")).toDouble(), 2.5);
        QCOMPARE(write(&holder, "real", QStringLiteral("1e999")).toDouble(), 0.0);
        // A widget property through the same path: themeColorType takes the number.
        QCOMPARE(write(&holder, "themeColorType", QStringLiteral("7")).toInt(), 7);
    }

    void enumerationTexts()
    {
        PropertyHolder holder;
        QString problem;
        QCOMPARE(write(&holder, "mode", QStringLiteral("Loud"), &problem).toInt(), int(PropertyHolder::Loud));
        QVERIFY(problem.isEmpty());
        QCOMPARE(write(&holder, "mode", QStringLiteral("loud"), &problem).toInt(), -1);
        QVERIFY(problem.contains(QLatin1String("-1")));
        // Keys of a base class's enumeration and of the Qt namespace.
        QCOMPARE(write(&holder, "colorizePolicy", QStringLiteral("ColorableFlag")).toInt(), int(DuiWidget::ColorableFlag));
        QCOMPARE(write(&holder, "dragPolicy", QStringLiteral("NotDragWindow")).toInt(), int(DuiWidget::NotDragWindow));
        QCOMPARE(write(&holder, "pen", QStringLiteral("DashLine")).toInt(), int(Qt::DashLine));
        // Numbers are no keys.
        QCOMPARE(write(&holder, "mode", QStringLiteral("7")).toInt(), -1);
    }

    void flagTexts()
    {
        PropertyHolder holder;
        QString problem;
        write(&holder, "align", QStringLiteral("AlignLeft|AlignVCenter"), &problem);
        QCOMPARE(holder.align, Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(problem.isEmpty());
        write(&holder, "align", QStringLiteral("AlignRight"));
        QCOMPARE(holder.align, Qt::Alignment(Qt::AlignRight));
        write(&holder, "align", QStringLiteral("AlignLeft|Sideways"), &problem);
        QCOMPARE(int(holder.align), -1);
        QVERIFY(!problem.isEmpty());
    }

    // The builder's shortcut either declines a text or gives exactly what the general path gives.
    void quickValueAgreesWithTheGeneralPath_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("quick");
        QTest::newRow("int") << QByteArray("number") << QByteArray("42") << true;
        QTest::newRow("int, signed") << QByteArray("number") << QByteArray("-17") << true;
        QTest::newRow("int, plus") << QByteArray("number") << QByteArray("+8") << true;
        QTest::newRow("int, nine digits") << QByteArray("number") << QByteArray("999999999") << true;
        QTest::newRow("int, ten digits") << QByteArray("number") << QByteArray("2147483647") << false;
        QTest::newRow("int, spaces") << QByteArray("number") << QByteArray(" 3") << false;
        QTest::newRow("int, sign only") << QByteArray("number") << QByteArray("-") << false;
        QTest::newRow("int, empty") << QByteArray("number") << QByteArray("") << false;
        QTest::newRow("int, word") << QByteArray("number") << QByteArray("x1") << false;
        QTest::newRow("real") << QByteArray("real") << QByteArray("120") << true;
        QTest::newRow("real, fraction") << QByteArray("real") << QByteArray("1.5") << false;
        QTest::newRow("uint") << QByteArray("count") << QByteArray("3") << false;
        QTest::newRow("bool") << QByteArray("flag") << QByteArray("1") << false;
        QTest::newRow("enum") << QByteArray("mode") << QByteArray("Loud") << true;
        QTest::newRow("enum, unknown") << QByteArray("mode") << QByteArray("Silent") << false;
        QTest::newRow("enum, number") << QByteArray("mode") << QByteArray("7") << false;
        QTest::newRow("enum, not Latin-1") << QByteArray("mode") << QByteArray("Loud\xc3\xa9") << false;
        QTest::newRow("Qt enum") << QByteArray("pen") << QByteArray("DashLine") << true;
        QTest::newRow("flags") << QByteArray("align") << QByteArray("AlignLeft|AlignVCenter") << true;
        QTest::newRow("flags, one bad") << QByteArray("align") << QByteArray("AlignLeft|Sideways") << false;
    }

    void quickValueAgreesWithTheGeneralPath()
    {
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, text);
        QFETCH(bool, quick);
        PropertyHolder holder;
        const QMetaProperty p = holder.metaObject()->property(holder.metaObject()->indexOfProperty(property.constData()));
        QVERIFY(p.isValid());
        QVariant fast;
        QCOMPARE(DuiPropertyText::quickValue(p, text.constData(), &fast), quick);
        if (!quick)
            return;
        QString problem;
        const QVariant general = DuiPropertyText::valueFromText(p, QString::fromUtf8(text), &problem);
        QVERIFY(problem.isEmpty());
        QCOMPARE(fast.metaType(), general.metaType());
        QCOMPARE(fast, general);
    }

    void layoutKeysFollowTheRules()
    {
        DuiWidget widget;
        write(&widget, "layout", QStringLiteral("Anchor"));
        QCOMPARE(widget.layoutType(), DuiWidget::Anchor);
        QVERIFY(widget.layout());
        // Lower case is no key: -1 is written, which removes the layout.
        write(&widget, "layout", QStringLiteral("anchor"));
        QVERIFY(!widget.layout());
    }
};

QTEST_MAIN(tst_DuiPropertyParsers)
#include "tst_duipropertyparsers.moc"
