// SPDX-License-Identifier: MIT
// The builder's direct setters must either decline a text or leave the widget exactly as the
// general path (parse to a QVariant, write the property) would.
#include "duifastsetters_p.h"
#include "duipropertyparsers_p.h"
#include "duiwidget.h"

#include <QtCore/qmetaobject.h>
#include <QtTest/qtest.h>

namespace {

// A subclass that declares one of DuiWidget's properties again.
class RedeclaringWidget : public DuiWidget
{
    Q_OBJECT
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)
};

QMetaProperty propertyOf(const QMetaObject &meta, const QByteArray &name)
{
    return meta.property(meta.indexOfProperty(name.constData()));
}

} // namespace

class tst_DuiFastSetters : public QObject
{
    Q_OBJECT
private slots:
    void agreesWithTheGeneralPath_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("taken");
        const struct
        {
            const char *row, *property, *text;
            bool taken;
        } rows[] = {
            {"int", "spacing", "7", true},
            {"int, signs", "fixHeight", "-3", true},
            {"int, plus", "itemSpacing", "+4", true},
            {"int, space", "spacing", " 7", false},
            {"int, unit", "spacing", "7px", false},
            {"int, empty", "spacing", "", false},
            {"int, ten digits", "spacing", "1234567890", false},
            {"real", "minWidth", "120", true},
            {"real, fraction", "preferredHeight", "1.5", false},
            {"flags", "alignment", "AlignLeft|AlignVCenter", true},
            {"flags, one bad", "alignment", "AlignLeft|Sideways", false},
            {"enum", "layout", "Anchor", true},
            {"enum, lower case", "layout", "anchor", false},
            {"enum, number", "dragPolicy", "1", false},
            {"enum, policy", "colorizePolicy", "ColorableFlag", true},
            {"colour", "backgroundColor", "200,210,220", true},
            {"colour, alpha", "backgroundColor", "200,210,220,128", true},
            {"colour, clear", "backgroundColor", "0,0,0,0", true},
            {"colour, out of range", "backgroundColor", "256,0,0", false},
            {"colour, two parts", "backgroundColor", "1,2", false},
            {"colour, five parts", "backgroundColor", "1,2,3,4,5", false},
            {"colour, space", "backgroundColor", " 1,2,3", false},
            {"colour, empty part", "backgroundColor", "1,,3", false},
            {"colour, four digits", "backgroundColor", "0001,2,3", false},
            {"colour, name", "backgroundColor", "red", false},
            {"margins", "margins", "2,3,4,5", true},
            {"margins, negative", "margins", "-2,3,4,5", true},
            {"margins, three", "margins", "2,3,4", false},
            {"margins, five", "margins", "2,3,4,5,6", false},
            {"margins, fraction", "margins", "2.5,3,4,5", false},
            {"anchor", "anchor", "Left:0|Left:28|Top:0|Top:18", true},
            {"anchor, every point", "anchor", "Right:-5|HCenter:+3|Bottom:0|VCenter:7", true},
            {"anchor, three", "anchor", "Left:0|Left:28|Top:0", false},
            {"anchor, five", "anchor", "Left:0|Left:28|Top:0|Top:18|Top:1", false},
            {"anchor, unknown point", "anchor", "Middle:0|Left:28|Top:0|Top:18", false},
            {"anchor, bad distance", "anchor", "Left:a|Left:28|Top:0|Top:18", false},
            {"object name", "objectName", "leaf", true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << QByteArray(r.property) << QByteArray(r.text) << r.taken;
    }

    void agreesWithTheGeneralPath()
    {
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, text);
        QFETCH(bool, taken);
        const QMetaProperty p = propertyOf(DuiWidget::staticMetaObject, property);
        const DuiFastSetter fast = duiFastSetter(p);
        QVERIFY(fast);

        DuiWidget direct, general, untouched;
        QCOMPARE(fast(&direct, p, text.constData()), taken);
        if (!taken) {
            QCOMPARE(p.read(&direct), p.read(&untouched));
            return;
        }
        QString problem;
        QVERIFY(p.write(&general, DuiPropertyText::valueFromText(p, QString::fromUtf8(text), &problem)));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(p.read(&direct), p.read(&general));
    }

    // Texts are translated on the general path, and a redeclared property may mean something
    // else in the subclass: neither has a direct setter.
    void onlyDuiWidgetsOwnProperties()
    {
        QVERIFY(!duiFastSetter(propertyOf(DuiWidget::staticMetaObject, "toolTip")));
        QVERIFY(!duiFastSetter(propertyOf(RedeclaringWidget::staticMetaObject, "spacing")));
        QVERIFY(duiFastSetter(propertyOf(RedeclaringWidget::staticMetaObject, "fixHeight")));
    }
};

QTEST_MAIN(tst_DuiFastSetters)
#include "tst_duifastsetters.moc"
