// SPDX-License-Identifier: MIT
// The progress bar, the two sliders, the separator line and the marquee.
#include <duiframeitem.h>
#include <duilabelwidget.h>
#include <duiprogressbar.h>
#include <duiscrolltext.h>
#include <duiseparateline.h>
#include <duisliderwidget.h>
#include <duisliderwidgetext.h>
#include <duitheme.h>
#include <duixmlui.h>

#include "controlstest.h"
#include "duicolorizepass_p.h"

#include <QtCore/qpointer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsview.h>

#include <cmath>
#include <limits>

using namespace controlstest;

namespace {

// A scene shown in a real view, so that clicks and drags go through the viewport.
struct ViewFixture
{
    QGraphicsScene scene{0, 0, 400, 120};
    QGraphicsView view{&scene};

    ViewFixture()
    {
        view.setFixedSize(420, 140);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.show();
    }
    QPoint at(const QGraphicsItem *item, const QPointF &local) const
    {
        return view.mapFromScene(item->mapToScene(local));
    }
};

template <typename T>
T *placed(QGraphicsScene &scene, const QSizeF &size, const QPointF &pos = QPointF(20, 20))
{
    auto *w = new T;
    scene.addItem(w);
    w->setMinimumSize(0, 0);
    w->setPos(pos);
    w->resize(size);
    return w;
}

bool greyed(const QGraphicsItem *item)
{
    const auto *effect = qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect());
    return effect && effect->color() == QColor(Qt::gray);
}

QList<DuiLabelWidget *> marqueeLabels(const DuiScrollText &text)
{
    return text.findChildren<DuiLabelWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class tst_DuiValueControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void progressFill_data();
    void progressFill();
    void progressRangeAndSignals();
    void progressTextPlacement();
    void progressImages();
    void disabledLookFollowsEnabledState();
    void sliderValues_data();
    void sliderValues();
    void sliderClickAndDrag();
    void sliderDegenerateSizes();
    void sliderWheelPassesThrough();
    void sliderThumbImage();
    void sliderLayout();
    void separatorDrawing();
    void separatorColours();
    void marqueeScrolls();
    void marqueeFollowsWidthAndVisibility();
};

void tst_DuiValueControls::progressFill_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<qreal>("fill");
    QTest::addColumn<QString>("text");
    const int big = std::numeric_limits<int>::max();
    QTest::newRow("one step shows minSize") << 0 << 100 << 1 << 2.0 << "1";
    QTest::newRow("zero fills nothing") << 0 << 100 << 0 << 0.0 << "0";
    QTest::newRow("distance from minimum") << 50 << 150 << 100 << 100.0 << "50";
    QTest::newRow("full at the maximum") << 50 << 150 << 150 << 200.0 << "100";
    QTest::newRow("at the minimum of an offset range") << 50 << 150 << 50 << 0.0 << "0";
    QTest::newRow("above the maximum is clamped") << 0 << 100 << 250 << 200.0 << "100";
    QTest::newRow("below the minimum is clamped") << 0 << 100 << -40 << 0.0 << "0";
    QTest::newRow("range ending at zero") << -100 << 0 << -25 << 150.0 << "75";
    QTest::newRow("whole int span, in 64 bits") << -big - 1 << big << 0 << 100.0 << "50";
    QTest::newRow("equal limits") << 5 << 5 << 5 << 0.0 << "0";
}

void tst_DuiValueControls::progressFill()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(qreal, fill);
    QFETCH(QString, text);
    QGraphicsScene scene;
    auto *bar = placed<DuiProgressBar>(scene, QSizeF(200, 12));
    // Equal limits cannot come through setRange; set the ends one by one.
    bar->setMinimum(minimum);
    bar->setMaximum(maximum);
    bar->setValue(value);
    QCOMPARE(bar->progressItem()->geometry(), QRectF(0, 0, fill, 12));
    QCOMPARE(bar->textItem()->text(), text);
    QCOMPARE(bar->numberTextStyle(), int(DuiProgressBar::PercentText));

    // Vertical, the same length fills from the bottom.
    bar->resize(12, 200);
    bar->setOrientation(DuiProgressBar::VerticalBar);
    bar->setValue(value);
    QCOMPARE(bar->progressItem()->geometry(), QRectF(0, 200 - fill, 12, fill));

    // The value style writes the value as it is, unclamped.
    bar->setNumberTextStyle(DuiProgressBar::ValueText);
    bar->setValue(value);
    QCOMPARE(bar->textItem()->text(), QString::number(value));
}

void tst_DuiValueControls::progressRangeAndSignals()
{
    DuiProgressBar bar;
    bar.resize(200, 10);
    QSignalSpy changed(&bar, &DuiProgressBar::valueChanged);
    bar.setValue(30);
    bar.setValue(30);
    QCOMPARE(changed.count(), 2); // every call, changed or not

    for (const QPair<int, int> &refused : {qMakePair(5, 5), qMakePair(0, 0), qMakePair(9, 3)}) {
        bar.setRange(refused.first, refused.second);
        QCOMPARE(bar.minimum(), 0);
        QCOMPARE(bar.maximum(), 100);
    }
    bar.setRange(-10, 0);
    QCOMPARE(bar.minimum(), -10);
    QCOMPARE(bar.maximum(), 0);
    bar.reset();
    QCOMPARE(bar.value(), -10);
    QCOMPARE(changed.count(), 2); // reset is silent
    QCOMPARE(bar.progressItem()->geometry().width(), 0.0);

    bar.setTextVisible(false);
    bar.setValue(-5);
    QVERIFY(!bar.textItem()->isVisible());
}

void tst_DuiValueControls::progressTextPlacement()
{
    QGraphicsScene scene;
    auto *bar = placed<DuiProgressBar>(scene, QSizeF(200, 14));
    bar->setValue(100);
    const qreal textWidth = bar->textItem()->boundingRect().width();
    QCOMPARE(bar->textItem()->pos().x(), 200 - textWidth); // flush with the right end
    bar->setValue(20);
    QCOMPARE(bar->textItem()->pos().x(), 40.0); // just after the fill

    // Vertical: beside a low fill in the outside colour, in the middle of a nearly full bar in the
    // colour over the fill.
    bar->resize(30, 200);
    bar->setOrientation(DuiProgressBar::VerticalBar);
    bar->setTextColor(Qt::blue, Qt::white);
    bar->setValue(10);
    const qreal th = bar->textItem()->boundingRect().height();
    QCOMPARE(bar->textItem()->pos(), QPointF(15, 200 - 20 - th));
    QCOMPARE(bar->textItem()->brush().color(), QColor(Qt::blue));
    bar->setValue(95);
    QCOMPARE(bar->textItem()->pos(), QPointF(15, 100 - th / 2));
    QCOMPARE(bar->textItem()->brush().color(), QColor(Qt::white));
}

void tst_DuiValueControls::progressImages()
{
    QTemporaryDir dir;
    const QString back = solidImage(dir, QStringLiteral("back"), Qt::red, QSize(9, 9));
    const QString fill = solidImage(dir, QStringLiteral("fill"), Qt::green, QSize(9, 9));
    QGraphicsScene scene;
    auto *bar = placed<DuiProgressBar>(scene, QSizeF(100, 9), QPointF(0, 0));
    QCOMPARE(bar->progressImage(), QString());
    bar->setProgressImage(back + QLatin1Char('|'));
    QCOMPARE(bar->progressImage(), QString()); // both parts are needed
    bar->setProgressImage(back + QLatin1Char('|') + fill);
    QCOMPARE(bar->progressImage(), back + QLatin1Char('|') + fill);
    QCOMPARE(bar->backgroundItem()->imagePath(), back);
    bar->setTextVisible(false);
    bar->setColorizePolicy(DuiWidget::UnColorableFlag); // the frames show their images untinted
    bar->setValue(50);
    const QImage image = render(scene, QRectF(0, 0, 100, 9));
    QCOMPARE(image.pixelColor(20, 4), QColor(Qt::green));
    QCOMPARE(image.pixelColor(80, 4), QColor(Qt::red));
}

void tst_DuiValueControls::disabledLookFollowsEnabledState()
{
    // Disabled directly, through a parent, or from XML: each control is greyed, and enabled again
    // it loses the grey.
    QGraphicsScene scene;
    auto *parent = new DuiWidget;
    scene.addItem(parent);
    const QList<DuiWidget *> controls = {new DuiProgressBar(parent), new DuiSliderWidget(parent),
                                         new DuiSliderWidgetExt(parent)};
    parent->setEnabled(false);
    for (DuiWidget *control : controls)
        QVERIFY2(greyed(control), control->metaObject()->className());
    parent->setEnabled(true);
    for (DuiWidget *control : controls)
        QVERIFY2(!control->graphicsEffect(), control->metaObject()->className());
    auto *slider = static_cast<DuiSliderWidget *>(controls.at(1));
    slider->setEnabled(false);
    QVERIFY(greyed(slider));

    DuiWidget panel;
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiWidget layout="VBox">
        <DuiProgressBar objectName="bar" enabled="false"/>
        <DuiSliderWidget objectName="slider" enabled="false"/>
        <DuiSliderWidgetExt objectName="thin" enabled="false"/></DuiWidget></xmlui>)"), &panel));
    for (const char *name : {"bar", "slider", "thin"})
        QVERIFY2(greyed(panel.findChild<DuiWidget *>(QLatin1String(name))), name);
}

void tst_DuiValueControls::sliderValues_data()
{
    QTest::addColumn<qreal>("start");
    QTest::addColumn<qreal>("requested");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<qreal>("stored");
    const qreal inf = std::numeric_limits<qreal>::infinity();
    QTest::newRow("above one is clamped") << 0.2 << 1.7 << true << 1.0;
    QTest::newRow("the clamped value again") << 1.0 << 1.7 << false << 1.0;
    QTest::newRow("below zero is clamped") << 0.2 << -3.0 << true << 0.0;
    QTest::newRow("within the tolerance") << 0.5 << 0.5 * (1 + 1e-13) << false << 0.5;
    QTest::newRow("just beyond the tolerance") << 0.5 << 0.5 * (1 + 1e-10) << true << 0.5 * (1 + 1e-10);
    QTest::newRow("zero is exact") << 0.0 << 1e-300 << true << 1e-300;
    QTest::newRow("plus infinity") << 0.2 << inf << true << 1.0;
    QTest::newRow("minus infinity") << 0.2 << -inf << true << 0.0;
    QTest::newRow("NaN is refused") << 0.2 << std::numeric_limits<qreal>::quiet_NaN() << false << 0.2;
}

void tst_DuiValueControls::sliderValues()
{
    QFETCH(qreal, start);
    QFETCH(qreal, requested);
    QFETCH(bool, changed);
    QFETCH(qreal, stored);
    DuiSliderWidget slider;
    slider.resize(300, 20);
    slider.setValue(start);
    QSignalSpy spy(&slider, &DuiSliderWidget::valueChanged);
    QCOMPARE(slider.setValue(requested), changed);
    QCOMPARE(slider.value(), stored);
    QCOMPARE(spy.count(), changed ? 1 : 0);
    QVERIFY(std::isfinite(slider.thumbGeometry().x()));
    slider.setProgressValue(requested);
    QVERIFY(slider.progressValue() >= 0 && slider.progressValue() <= 1);
}

void tst_DuiValueControls::sliderClickAndDrag()
{
    ViewFixture f;
    auto *slider = placed<DuiSliderWidget>(f.scene, QSizeF(300, 20));
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy changed(slider, &DuiSliderWidget::valueChanged);
    QSignalSpy released(slider, &DuiSliderWidget::mouseRelease);

    // A click beside the thumb jumps there.
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.at(slider, QPointF(150, 10)));
    QCOMPARE(slider->value(), 0.5);
    QCOMPARE(released.count(), 1);

    // A drag keeps the pointer where it took the thumb; released far outside, the value ends at 1.
    const QRectF thumb = slider->thumbGeometry();
    const QPointF grip = thumb.center();
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.at(slider, grip));
    QVERIFY(slider->isDragging());
    QTest::mouseMove(f.view.viewport(), f.at(slider, grip + QPointF(30, 0)));
    QCOMPARE(slider->value(), (thumb.left() + 30) / 300);
    QTest::mouseMove(f.view.viewport(), f.at(slider, grip + QPointF(200, 60)));
    QCOMPARE(slider->value(), 1.0);
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.at(slider, grip + QPointF(200, 60)));
    QVERIFY(!slider->isDragging());
    QCOMPARE(released.count(), 2);
    const int afterDrag = int(changed.count());
    QTest::mouseMove(f.view.viewport(), f.at(slider, QPointF(10, 10)));
    QCOMPARE(changed.count(), afterDrag); // no drag once released

    // The right button does nothing.
    QTest::mouseClick(f.view.viewport(), Qt::RightButton, Qt::NoModifier, f.at(slider, QPointF(30, 10)));
    QCOMPARE(slider->value(), 1.0);

    // The thin slider takes clicks too, and has no release signal to give.
    auto *thin = placed<DuiSliderWidgetExt>(f.scene, QSizeF(200, 16), QPointF(20, 60));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, f.at(thin, QPointF(50, 8)));
    QCOMPARE(thin->value(), 0.25);
}

void tst_DuiValueControls::sliderDegenerateSizes()
{
    QGraphicsScene scene;
    auto *slider = placed<DuiSliderWidget>(scene, QSizeF(0, 0));
    auto *thin = placed<DuiSliderWidgetExt>(scene, QSizeF(0, 0), QPointF(20, 60));
    QSignalSpy changed(slider, &DuiSliderWidget::valueChanged);
    QSignalSpy thinChanged(thin, &DuiSliderWidgetExt::valueChanged);
    for (const QPointF &where : {QPointF(20, 20), QPointF(20, 60)}) {
        mouse(scene, QEvent::GraphicsSceneMousePress, where);
        mouse(scene, QEvent::GraphicsSceneMouseMove, where + QPointF(5, 0));
        mouse(scene, QEvent::GraphicsSceneMouseRelease, where + QPointF(5, 0));
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(thinChanged.count(), 0);
    QCOMPARE(slider->value(), 0.0);
    QCOMPARE(thin->value(), 1.0);
    slider->setValue(0.5);
    QCOMPARE(slider->value(), 0.5);
}

void tst_DuiValueControls::sliderWheelPassesThrough()
{
    // The slider has no wheel behaviour: the wheel goes on to the widget beneath (a scroll area).
    struct WheelSink : DuiWidget
    {
        int wheels = 0;
        void wheelEvent(QGraphicsSceneWheelEvent *event) override
        {
            ++wheels;
            event->accept();
        }
    };
    ViewFixture f;
    auto *sink = new WheelSink;
    f.scene.addItem(sink);
    sink->setMinimumSize(0, 0);
    sink->resize(400, 120);
    auto *slider = new DuiSliderWidget(sink);
    slider->setMinimumSize(0, 0);
    slider->setGeometry(20, 20, 300, 20);
    slider->setValue(0.5);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    const QPoint pos = f.at(slider, QPointF(150, 10));
    QWheelEvent wheel(pos, f.view.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f.view.viewport(), &wheel);
    QCOMPARE(sink->wheels, 1);
    QCOMPARE(slider->value(), 0.5);
}

void tst_DuiValueControls::sliderThumbImage()
{
    QTemporaryDir dir;
    const QString normal = solidImage(dir, QStringLiteral("thumb"), Qt::red, QSize(13, 17));
    const QString hoverPath = solidImage(dir, QStringLiteral("thumbHover"), Qt::blue, QSize(13, 17));
    QGraphicsScene scene;
    auto *slider = placed<DuiSliderWidget>(scene, QSizeF(300, 21), QPointF(0, 0));
    slider->setValue(0.5);
    QCOMPARE(slider->thumbGeometry(), QRectF(150, 0, 9, 21)); // the default, as tall as the slider

    for (const QString &refused : {normal, normal + QLatin1Char(',') + hoverPath + QLatin1Char(',') + hoverPath,
                                   QStringLiteral("/no/such.png,") + hoverPath}) {
        slider->setThumbImage(refused);
        QCOMPARE(slider->thumbImage(), QString());
        QCOMPARE(slider->thumbGeometry(), QRectF(150, 0, 9, 21));
    }
    slider->setThumbImage(normal + QLatin1Char(',') + hoverPath);
    QCOMPARE(slider->thumbImage(), normal + QLatin1Char(',') + hoverPath);
    // The image's own size, centred on the 9-pixel track.
    QCOMPARE(slider->thumbGeometry(), QRectF(148, 6 - 4, 13, 17));
    // A later path that does not load keeps the working thumb.
    slider->setThumbImage(QStringLiteral("/no/such.png,/no/other.png"));
    QCOMPARE(slider->thumbImage(), normal + QLatin1Char(',') + hoverPath);
    QCOMPARE(slider->thumbGeometry().size(), QSizeF(13, 17));

    // Hovering shows the hover image on the thumb.
    slider->setColorizePolicy(DuiWidget::UnColorableFlag);
    hover(scene, QPointF(20, 10));
    QCOMPARE(render(scene, QRectF(0, 0, 300, 21)).pixelColor(154, 10), QColor(Qt::blue));
    hover(scene, QPointF(20, 200));
    QCOMPARE(render(scene, QRectF(0, 0, 300, 21)).pixelColor(154, 10), QColor(Qt::red));

    slider->setBackImage(normal);
    slider->setSelectImage(hoverPath);
    QCOMPARE(slider->backImage(), normal);
    QCOMPARE(slider->selectImage(), hoverPath);
}

void tst_DuiValueControls::sliderLayout()
{
    QGraphicsScene scene;
    auto *slider = placed<DuiSliderWidget>(scene, QSizeF(300, 21), QPointF(0, 0));
    auto *thin = placed<DuiSliderWidgetExt>(scene, QSizeF(200, 16), QPointF(0, 40));
    slider->setValue(0.02); // 6 pixels: the selected part keeps the track's 9
    const auto frames = [](QGraphicsItem *item) {
        QList<DuiFrameItem *> out;
        for (QGraphicsItem *child : item->childItems()) {
            if (auto *frame = qobject_cast<DuiFrameItem *>(child->toGraphicsObject()))
                out << frame;
        }
        return out; // background, selected part, thumb
    };
    QCOMPARE(frames(slider).at(0)->geometry(), QRectF(0, 6, 300, 9));
    QCOMPARE(frames(slider).at(1)->geometry(), QRectF(0, 6, 9, 9));
    slider->setValue(1.0);
    QCOMPARE(slider->thumbGeometry().left(), 291.0); // never past the end
    thin->setValue(0.5);
    QCOMPARE(frames(thin).at(0)->geometry(), QRectF(0, 6.5, 200, 3));
    QCOMPARE(frames(thin).at(1)->geometry(), QRectF(0, 6.5, 102, 3));
    QCOMPARE(thin->thumbGeometry(), QRectF(100, 0, 10, 16));

    // The dotted progress line replaces the selected part.
    slider->setProgressCombo(true);
    slider->setProgressValue(0.5);
    QGraphicsLineItem *line = nullptr;
    for (QGraphicsItem *child : slider->childItems())
        line = line ? line : qgraphicsitem_cast<QGraphicsLineItem *>(child);
    QVERIFY(line && line->isVisible());
    QVERIFY(!frames(slider).at(1)->isVisible());
    QCOMPARE(line->line(), QLineF(4, 11.5, 146, 11.5));
    QCOMPARE(line->pen().style(), Qt::DotLine);
}

void tst_DuiValueControls::separatorDrawing()
{
    QGraphicsScene scene;
    auto *line = placed<DuiSeparateLine>(scene, QSizeF(200, 5), QPointF(0, 0));
    line->setColor(Qt::red);
    QImage image = render(scene, QRectF(0, 0, 200, 5));
    for (int x : {0, 100, 199})
        QCOMPARE(image.pixelColor(x, 2), QColor(Qt::red));
    for (int y : {0, 4})
        QCOMPARE(image.pixelColor(100, y), QColor(Qt::white));

    line->resize(5, 60);
    line->setLineOrientation(Qt::Vertical);
    image = render(scene, QRectF(0, 0, 5, 60));
    QCOMPARE(image.pixelColor(2, 30), QColor(Qt::red));
    QCOMPARE(image.pixelColor(0, 30), QColor(Qt::white));

    // Two units on, two off, in units of the pen's width.
    line->resize(200, 6);
    line->setLineOrientation(Qt::Horizontal);
    line->setLineWidth(2);
    line->setPenStyle(Qt::CustomDashLine);
    QCOMPARE(line->penStyle(), Qt::CustomDashLine);
    image = render(scene, QRectF(0, 0, 200, 6));
    QString pattern;
    for (int x = 0; x < 16; ++x)
        pattern += image.pixelColor(x, 2) == QColor(Qt::red) ? QLatin1Char('#') : QLatin1Char('.');
    QCOMPARE(pattern, QStringLiteral("####....####...."));
}

void tst_DuiValueControls::separatorColours()
{
    DuiTheme::setColorThemeOnly(0);
    QGraphicsScene scene;
    auto *themed = placed<DuiSeparateLine>(scene, QSizeF(100, 1));
    auto *fixed = placed<DuiSeparateLine>(scene, QSizeF(100, 1));
    auto *noType = placed<DuiSeparateLine>(scene, QSizeF(100, 1));
    themed->setThemeColorType(DuiTheme::LineColor);
    fixed->setColor(QColor(255, 255, 255));
    noType->setColor(QColor(1, 2, 3));
    noType->setThemeColorType(DuiTheme::NoColor);
    QCOMPARE(themed->color(), QColor::fromRgba(DuiTheme::getColor(DuiTheme::LineColor)));
    QCOMPARE(noType->color(), QColor(1, 2, 3));

    DuiTheme::setColorThemeOnly(3);
    duiColorizeItems(scene.items(), DuiTheme::getColor(DuiTheme::BaseColor));
    QCOMPARE(themed->color(), QColor::fromRgba(DuiTheme::getColor(3, DuiTheme::LineColor)));
    QVERIFY(themed->color() != QColor::fromRgba(DuiTheme::getColor(0, DuiTheme::LineColor)));
    QCOMPARE(fixed->color(), QColor(255, 255, 255));
    QCOMPARE(noType->color(), QColor(1, 2, 3));
    DuiTheme::setColorThemeOnly(0);

    // The prompt dialog's engraved rule is a themed line over a white one.
    DuiWidget panel;
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiWidget layout="VBox">
        <DuiSeparateLine objectName="dark" fixHeight="1" penStyle="SolidLine" lineWidth="1" themeColorType="3"/>
        <DuiSeparateLine objectName="light" fixHeight="1" penStyle="DashLine" lineWidth="2" color="255,255,255"/>
        <DuiSeparateLine objectName="upright" orientation="Vertical"/></DuiWidget></xmlui>)"), &panel));
    auto *dark = panel.findChild<DuiSeparateLine *>(QStringLiteral("dark"));
    auto *light = panel.findChild<DuiSeparateLine *>(QStringLiteral("light"));
    QVERIFY(dark && light);
    QCOMPARE(dark->color(), QColor::fromRgba(DuiTheme::getColor(DuiTheme::LineColor)));
    QCOMPARE(dark->colorizePolicy(), DuiWidget::ColorableFlag);
    QCOMPARE(light->color(), QColor(255, 255, 255));
    QCOMPARE(light->penStyle(), Qt::DashLine);
    QCOMPARE(light->lineWidth(), 2);
    QCOMPARE(panel.findChild<DuiSeparateLine *>(QStringLiteral("upright"))->lineOrientation(), Qt::Vertical);
}

void tst_DuiValueControls::marqueeScrolls()
{
    DuiScrollText marquee;
    marquee.resize(100, 20);
    const QList<DuiLabelWidget *> labels = marqueeLabels(marquee);
    QCOMPARE(labels.size(), 2);
    const QFontMetricsF metrics(labels.at(0)->font());
    const QString longText = QStringLiteral("A text far too wide for a hundred pixels");
    const int w = int(std::ceil(metrics.horizontalAdvance(longText)));
    QVERIFY(w > 100);

    marquee.setText(QStringLiteral("Fits"));
    QVERIFY(!marquee.isScrolling());
    QCOMPARE(labels.at(1)->size().width(), 0.0);

    marquee.setText(longText);
    QVERIFY(marquee.isScrolling());
    QCOMPARE(labels.at(0)->pos(), QPointF(0, 0));
    QCOMPARE(labels.at(1)->pos(), QPointF(w + 20, 0));
    QCOMPARE(labels.at(0)->size(), QSizeF(w, 20)); // the marquee's height while scrollTextHeight is 0
    QVERIFY(labels.at(0)->isVisible());
    QVERIFY(!labels.at(1)->isVisible()); // wholly outside, it costs no repaint

    // Two pixels a tick; the copies keep their 20-pixel gap, and once the first has left on the
    // left it queues up behind the second.
    const auto tick = [&marquee] { QVERIFY(QMetaObject::invokeMethod(&marquee, "onScrollTimeOut")); };
    for (int i = 0; i < 11; ++i)
        tick();
    QCOMPARE(labels.at(0)->pos().x(), -20.0);
    QCOMPARE(labels.at(1)->pos().x() - labels.at(0)->pos().x(), qreal(w + 20));
    const int exchange = (w + 20) / 2 + 1;
    for (int i = 11; i < exchange + 1; ++i)
        tick();
    QVERIFY(labels.at(1)->pos().x() <= 0);
    QVERIFY(labels.at(1)->isVisible());
    QCOMPARE(labels.at(0)->pos().x() - labels.at(1)->pos().x(), qreal(w + 20));

    // A new text starts over from 0; one that fits stops.
    marquee.setText(longText + QLatin1Char('!'));
    QCOMPARE(labels.at(0)->pos(), QPointF(0, 0));
    marquee.setText(QStringLiteral("Short"));
    QVERIFY(!marquee.isScrolling());
    QCOMPARE(labels.at(0)->pos(), QPointF(0, 0));

    marquee.setScrollTextHeight(14);
    QCOMPARE(labels.at(0)->size().height(), 14.0);
    QCOMPARE(marquee.textColor(), QColor());
    marquee.setTextColor(QColor(10, 20, 30));
    QCOMPARE(marquee.textColor(), QColor(10, 20, 30));
    QCOMPARE(labels.at(1)->textColor(), QColor(10, 20, 30));
}

void tst_DuiValueControls::marqueeFollowsWidthAndVisibility()
{
    // From XML the text comes first and the width later: the resize decides.
    QGraphicsScene scene;
    auto *panel = new DuiWidget;
    scene.addItem(panel);
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiWidget layout="VBox">
        <DuiScrollText objectName="marquee" text="A text that needs more room than it gets here" fixSize="80,18"/>
        </DuiWidget></xmlui>)"), panel));
    auto *marquee = panel->findChild<DuiScrollText *>(QStringLiteral("marquee"));
    QVERIFY(marquee);
    panel->resize(300, 100);
    QCoreApplication::processEvents();
    QCOMPARE(marquee->size(), QSizeF(80, 18));
    QVERIFY(marquee->isScrolling());

    marquee->setFixWidth(1000);
    QCoreApplication::processEvents();
    QVERIFY(!marquee->isScrolling());
    marquee->setFixWidth(80);
    QCoreApplication::processEvents();
    QVERIFY(marquee->isScrolling());

    // Hidden, itself or through its parent, it does not tick.
    marquee->hide();
    QVERIFY(!marquee->isScrolling());
    marquee->show();
    QVERIFY(marquee->isScrolling());
    panel->hide();
    QVERIFY(!marquee->isScrolling());
    panel->show();
    QVERIFY(marquee->isScrolling());
    const QPointF before = marqueeLabels(*marquee).at(0)->pos();
    QTRY_VERIFY_WITH_TIMEOUT(marqueeLabels(*marquee).at(0)->pos().x() < before.x(), 2000);
}

QTEST_MAIN(tst_DuiValueControls)
#include "tst_duivaluecontrols.moc"
