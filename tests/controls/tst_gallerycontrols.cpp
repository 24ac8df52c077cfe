// SPDX-License-Identifier: MIT
// The gallery's page of basic controls, built from its XML file as a host would build it.
#include <duicheckbox.h>
#include <duilineedit.h>
#include <duipushbutton.h>
#include <duiradiobutton.h>
#include <duitheme.h>
#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <duixmlui.h>

#include "duicolorizepass_p.h"

#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsscene.h>

class tst_GalleryControls : public QObject
{
    Q_OBJECT

private slots:
    void buildsWithoutSkips();
    void statesAreSet();
    void rendersAtThreeColourRows();

private:
    static QString pagePath()
    {
        return QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples/gallery/controls.xml");
    }
};

void tst_GalleryControls::buildsWithoutSkips()
{
    DuiWidget panel;
    DuiXmlDiagnostics diagnostics;
    QVERIFY(DuiXmlUI::createFromFile(pagePath(), &panel));
    QStringList problems;
    for (const DuiXmlDiagnostics::Record &record : diagnostics.records())
        problems << record.toString();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(panel.findChild<DuiWidget *>(QStringLiteral("controlsPage")));
}

void tst_GalleryControls::statesAreSet()
{
    DuiWidget panel;
    QVERIFY(DuiXmlUI::createFromFile(pagePath(), &panel));
    auto *checked = panel.findChild<DuiPushButton *>(QStringLiteral("checkedButton"));
    QVERIFY(checked && checked->checked());
    QVERIFY(checked->buttonStyle() & DuiPushButton::ButtonCheckable);
    QVERIFY(!panel.findChild<DuiPushButton *>(QStringLiteral("disabledButton"))->isEnabled());
    QCOMPARE(panel.findChild<DuiCheckBox *>(QStringLiteral("checkedBox"))->checkState(), Qt::Checked);
    QVERIFY(!panel.findChild<DuiCheckBox *>(QStringLiteral("disabledBox"))->isEnabled());
    QCOMPARE(panel.findChild<DuiRadioButton *>(QStringLiteral("radioTwo"))->checkState(), Qt::Checked);
    QVERIFY(panel.findChild<DuiLineEdit *>(QStringLiteral("readOnlyEdit"))->isReadOnly());
    QCOMPARE(panel.findChild<DuiLineEdit *>(QStringLiteral("digitsEdit"))->validator(), QStringLiteral("[0-9]*"));
}

void tst_GalleryControls::rendersAtThreeColourRows()
{
    // The page is drawn, recoloured for three rows, and the themed parts really change colour.
    QList<QRgb> buttonEdges;
    for (int row : {0, 3, 4}) {
        DuiTheme::setColorThemeOnly(row);
        QGraphicsScene scene;
        auto *panel = new DuiWidget;
        scene.addItem(panel);
        QVERIFY(DuiXmlUI::createFromFile(pagePath(), panel));
        panel->resize(640, 360);
        QCoreApplication::processEvents();
        duiColorizeItems(scene.items(), DuiTheme::getColor(DuiTheme::BaseColor));
        QImage image(640, 360, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 640, 360), QRectF(0, 0, 640, 360));
        painter.end();
        if (!qEnvironmentVariableIsEmpty("DUI_GALLERY_PNG_DIR"))
            image.save(QStringLiteral("%1/controls-row%2.png").arg(qEnvironmentVariable("DUI_GALLERY_PNG_DIR")).arg(row));
        auto *normal = panel->findChild<DuiPushButton *>(QStringLiteral("normalButton"));
        QVERIFY(normal);
        const QPoint edge = normal->mapToScene(QPointF(normal->size().width() / 2, 0.5)).toPoint();
        buttonEdges << image.pixel(edge);
    }
    QVERIFY(buttonEdges[0] != buttonEdges[1]);
    QVERIFY(buttonEdges[1] != buttonEdges[2]);
}

QTEST_MAIN(tst_GalleryControls)
#include "tst_gallerycontrols.moc"
