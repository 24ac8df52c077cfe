// SPDX-License-Identifier: MIT
#include <duicolorizeeffect_p.h>
#include <duicolorizeeffectmanager.h>
#include <duicolorizeevent.h>
#include <duicolorizepass_p.h>
#include <duigolbaleffectmgr.h>
#include <duigraphicshsleffect.h>
#include <duitheme.h>
#include <duithemecolorwidget.h>
#include <duityperegister.h>
#include <duiwidget.h>

#include <QtCore/qcoreapplication.h>
#include <QtCore/qthread.h>
#include <QtGui/qpainter.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qwidget.h>

#include <memory>
#include <random>

namespace {

// Stands in for a frame window: runs the recolouring pass over its view when the theme's
// colorize event arrives, and counts every event type it receives.
class ColorizingView : public QGraphicsView
{
public:
    explicit ColorizingView(QGraphicsScene *scene)
        : QGraphicsView(scene)
    {
    }
    QList<int> eventTypes;

protected:
    bool event(QEvent *e) override
    {
        eventTypes << int(e->type());
        if (e->type() == DuiColorizeEvent::EventType) {
            duiColorizeItems(items(), static_cast<DuiColorizeEvent *>(e)->color());
            update();
            return true;
        }
        return QGraphicsView::event(e);
    }
};

class TypeRecorder : public QWidget
{
public:
    QList<int> types;
    QList<QRgb> colors;

protected:
    bool event(QEvent *e) override
    {
        types << int(e->type());
        if (e->type() == DuiColorizeEvent::EventType)
            colors << static_cast<DuiColorizeEvent *>(e)->color();
        return QWidget::event(e);
    }
};

// A widget that paints its whole rectangle in one colour.
class Swatch : public DuiWidget
{
public:
    explicit Swatch(const QColor &color, QGraphicsItem *parent = nullptr)
        : DuiWidget(parent)
        , m_color(color)
    {
    }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->fillRect(rect(), m_color);
    }

private:
    QColor m_color;
};

QRgb effectColor(const QGraphicsItem *item)
{
    const auto *effect = qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect());
    return effect ? effect->color().rgba() : 0;
}

QImage render(QGraphicsScene &scene, const QRectF &rect)
{
    QImage image(rect.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), rect.size()), rect);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int count(const QList<int> &types, int type)
{
    return int(std::count(types.begin(), types.end(), type));
}

} // namespace

class tst_DuiColorization : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void colorizeEvent();
    void recolouringRules_data();
    void recolouringRules();
    void effectIsReusedOrReplaced();
    void tintMatchesQtsColorize_data();
    void tintMatchesQtsColorize();
    void followParentShowsParentTint();
    void themeColorWidget();
    void passReachesWindowsThroughTheEventLoop();
    void hslEffectPixels();
    void hslEffectKeepsColourHue_data();
    void hslEffectKeepsColourHue();
    void effectManager();
    void globalEffectManager();
};

void tst_DuiColorization::initTestCase()
{
    DuiTheme::setColorThemeOnly(4);
}

void tst_DuiColorization::colorizeEvent()
{
    QVERIFY(DuiColorizeEvent::EventType >= QEvent::User);
    QVERIFY(DuiColorizeEvent::EventType <= QEvent::MaxUser);

    DuiColorizeEvent event(0xFF112233);
    QCOMPARE(int(event.type()), DuiColorizeEvent::EventType);
    QCOMPARE(event.color(), QRgb(0xFF112233));
    DuiColorizeEvent copy(event);
    QCOMPARE(copy.color(), QRgb(0xFF112233));
    QCOMPARE(copy.type(), event.type());
    DuiColorizeEvent assigned(0);
    assigned = event;
    QCOMPARE(assigned.color(), QRgb(0xFF112233));
    std::unique_ptr<QEvent> clone(event.clone());
    QCOMPARE(static_cast<DuiColorizeEvent *>(clone.get())->color(), QRgb(0xFF112233));
}

void tst_DuiColorization::recolouringRules_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<int>("themeColorType");
    QTest::addColumn<bool>("hadEffect");
    QTest::addColumn<uint>("expected"); // 0: no effect afterwards

    const uint offered = 0xFF336699;
    QTest::newRow("colorable takes the offered colour") << int(DuiWidget::ColorableFlag) << 0 << false << offered;
    QTest::newRow("colorable with a theme type takes the row colour")
        << int(DuiWidget::ColorableFlag) << 3 << false << uint(DuiTheme::getColor(4, DuiTheme::LineColor));
    QTest::newRow("colorable darkest") << int(DuiWidget::ColorableFlag) << 9 << true
                                       << uint(DuiTheme::getColor(4, DuiTheme::DarkestColor));
    QTest::newRow("follow parent gets nothing") << int(DuiWidget::FollowParent) << 0 << false << 0u;
    QTest::newRow("follow parent keeps what it has") << int(DuiWidget::FollowParent) << 3 << true << 0xFF010203u;
    QTest::newRow("uncolorable loses its effect") << int(DuiWidget::UnColorableFlag) << 0 << true << 0u;
    QTest::newRow("uncolorable ignores a theme type") << int(DuiWidget::UnColorableFlag) << 5 << false << 0u;
}

void tst_DuiColorization::recolouringRules()
{
    QFETCH(int, policy);
    QFETCH(int, themeColorType);
    QFETCH(bool, hadEffect);
    QFETCH(uint, expected);

    QGraphicsScene scene;
    auto *widget = new DuiWidget;
    scene.addItem(widget);
    widget->setColorizePolicy(DuiWidget::ColorizeWidgetFlag(policy));
    widget->setThemeColorType(themeColorType);
    if (hadEffect) {
        auto *effect = new QGraphicsColorizeEffect;
        effect->setColor(QColor::fromRgba(0xFF010203));
        widget->setGraphicsEffect(effect);
    }
    duiColorizeItems(scene.items(), 0xFF336699);
    QCOMPARE(uint(effectColor(widget)), expected);
    if (!expected)
        QVERIFY(!widget->graphicsEffect() || hadEffect);
}

void tst_DuiColorization::effectIsReusedOrReplaced()
{
    DuiWidget widget;
    widget.setColorizePolicy(DuiWidget::ColorableFlag);
    widget.colorize(0xFF102030);
    auto *first = qobject_cast<QGraphicsColorizeEffect *>(widget.graphicsEffect());
    QVERIFY(first);
    const qreal strength = QGraphicsColorizeEffect().strength();
    QCOMPARE(first->strength(), strength);
    widget.colorize(0xFF405060);
    QCOMPARE(widget.graphicsEffect(), first);
    QCOMPARE(first->color().rgba(), QRgb(0xFF405060));

    // Another kind of effect gives way to a colorize effect.
    widget.setGraphicsEffect(new QGraphicsOpacityEffect);
    widget.colorize(0xFF708090);
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(widget.graphicsEffect()));
    QCOMPARE(effectColor(&widget), QRgb(0xFF708090));

    // Items that are not DuiWidgets are skipped by the pass.
    QGraphicsScene scene;
    auto *rect = scene.addRect(0, 0, 10, 10);
    duiColorizeItems(scene.items(), 0xFF708090);
    QVERIFY(!rect->graphicsEffect());
}

void tst_DuiColorization::followParentShowsParentTint()
{
    const QColor grey(128, 128, 128);
    QGraphicsScene scene;
    auto *parent = new Swatch(grey);
    parent->setGeometry(0, 0, 40, 20);
    parent->setColorizePolicy(DuiWidget::ColorableFlag);
    auto *child = new Swatch(grey, parent);
    child->setGeometry(20, 0, 20, 20);
    auto *outside = new Swatch(grey);
    outside->setGeometry(40, 0, 20, 20);
    scene.addItem(parent);
    scene.addItem(outside);

    QCOMPARE(render(scene, QRectF(0, 0, 60, 20)).pixel(30, 10), grey.rgb());
    duiColorizeItems(scene.items(), 0xFF0000FF);
    QVERIFY(!child->graphicsEffect());
    const QImage after = render(scene, QRectF(0, 0, 60, 20));
    // The child carries no effect of its own yet shows the parent's tint; the outsider is untouched.
    QCOMPARE(after.pixel(30, 10), after.pixel(10, 10));
    QVERIFY(qBlue(after.pixel(30, 10)) > qRed(after.pixel(30, 10)) + 20);
    QCOMPARE(after.pixel(50, 10), grey.rgb());
}

void tst_DuiColorization::themeColorWidget()
{
    DuiTheme::setColorThemeOnly(2);
    DuiThemeColorWidget widget;
    QCOMPARE(widget.themeColorType(), int(DuiTheme::LightestColor));
    QCOMPARE(widget.backgroundColor().rgba(), DuiTheme::getColor(2, DuiTheme::LightestColor));

    // The offered colour and the policy are ignored; the row colour of its type is taken.
    widget.setColorizePolicy(DuiWidget::UnColorableFlag);
    widget.setThemeColorType(DuiTheme::StrongColor);
    DuiTheme::setColorThemeOnly(5);
    static_cast<DuiWidget &>(widget).colorize(0xFF000001);
    QCOMPARE(widget.backgroundColor().rgba(), DuiTheme::getColor(5, DuiTheme::StrongColor));
    QVERIFY(!widget.graphicsEffect());

    std::unique_ptr<DuiWidget> created(createWidgetByName("DuiThemeColorWidget", nullptr));
    QVERIFY(qobject_cast<DuiThemeColorWidget *>(created.get()));
    QCOMPARE(created->backgroundColor().rgba(), DuiTheme::getColor(5, DuiTheme::LightestColor));
    DuiTheme::setColorThemeOnly(4);
}

void tst_DuiColorization::passReachesWindowsThroughTheEventLoop()
{
    QGraphicsScene scene;
    auto *outer = new DuiWidget;
    auto *inner = new DuiWidget(outer);
    auto *typed = new DuiWidget(inner);
    auto *tile = new DuiThemeColorWidget(inner);
    for (DuiWidget *w : {outer, inner, typed})
        w->setColorizePolicy(DuiWidget::ColorableFlag);
    typed->setThemeColorType(DuiTheme::DarkColor);
    scene.addItem(outer);
    ColorizingView window(&scene);
    TypeRecorder bystander;

    DuiTheme::setColorThemeOnly(8);
    QVERIFY(DuiTheme::setColorTheme(1));
    // Nothing happens inside the call: the events are posted.
    QVERIFY(!outer->graphicsEffect());
    QCoreApplication::processEvents();
    QCOMPARE(count(window.eventTypes, DuiColorizeEvent::EventType), 2);
    QCOMPARE(bystander.colors, QList<QRgb>({0xFFFB5CAA, 0xFFFB5CAA}));
    // Every widget is visited directly, nested or not.
    QCOMPARE(effectColor(outer), QRgb(0xFFFB5CAA));
    QCOMPARE(effectColor(inner), QRgb(0xFFFB5CAA));
    QCOMPARE(effectColor(typed), DuiTheme::getColor(1, DuiTheme::DarkColor));
    QCOMPARE(tile->backgroundColor().rgba(), DuiTheme::getColor(1, DuiTheme::LightestColor));

    QVERIFY(!DuiTheme::setColorTheme(9));
    QCoreApplication::processEvents();
    QCOMPARE(effectColor(outer), QRgb(0xFFFD1A1F));
    QCOMPARE(effectColor(typed), DuiTheme::getColor(9, DuiTheme::DarkColor));

    // Uncolorable after the fact: the next pass removes the effect.
    inner->setColorizePolicy(DuiWidget::UnColorableFlag);
    QVERIFY(DuiTheme::setColorTheme(0));
    QCoreApplication::processEvents();
    QVERIFY(!inner->graphicsEffect());
    QCOMPARE(effectColor(outer), QRgb(0xFF22B6FF));
    DuiTheme::setColorThemeOnly(4);
}

void tst_DuiColorization::hslEffectPixels()
{
    QGraphicsScene scene;
    auto *grey = scene.addRect(0, 0, 10, 10, Qt::NoPen, QColor(100, 100, 100));
    auto *orange = scene.addRect(10, 0, 10, 10, Qt::NoPen, QColor(200, 100, 50));
    auto *clear = scene.addRect(20, 0, 10, 10, Qt::NoPen, QColor(200, 100, 50, 128));
    auto *plain = scene.addRect(30, 0, 10, 10, Qt::NoPen, QColor(10, 200, 30));
    const QRectF area(0, 0, 40, 10);

    // Pure red: hue 0, saturation 255. Grey 100 has L 100, l < 0.5: q = 2l, p = 0 -> (200, 0, 0).
    for (QGraphicsItem *item : {grey, orange, clear}) {
        auto *effect = new DuiGraphicsHslEffect;
        effect->setColor(Qt::red);
        item->setGraphicsEffect(effect);
    }
    // Without a colour the effect leaves its source alone.
    plain->setGraphicsEffect(new DuiGraphicsHslEffect);
    QImage image = render(scene, area);
    QCOMPARE(image.pixel(5, 5), qRgb(200, 0, 0));
    // L of (200, 100, 50) = (2200 + 1600 + 250) >> 5 = 126; l < 0.5 -> (252, 0, 0).
    QCOMPARE(image.pixel(15, 5), qRgb(252, 0, 0));
    // Alpha is kept.
    QCOMPARE(qAlpha(image.pixel(25, 5)), 128);
    QVERIFY(qAbs(qRed(image.pixel(25, 5)) - 252) <= 2 && qGreen(image.pixel(25, 5)) <= 1);
    QCOMPARE(image.pixel(35, 5), qRgb(10, 200, 30));

    // A colour without saturation gives grey pixels with every channel equal to L.
    for (QGraphicsItem *item : {grey, orange, clear})
        static_cast<DuiGraphicsHslEffect *>(item->graphicsEffect())->setColor(QColor(90, 90, 90));
    image = render(scene, area);
    QCOMPARE(image.pixel(5, 5), qRgb(100, 100, 100));
    QCOMPARE(image.pixel(15, 5), qRgb(126, 126, 126));

    // Lightness above one half takes the upper branch: white stays white.
    orange->setBrush(Qt::white);
    static_cast<DuiGraphicsHslEffect *>(orange->graphicsEffect())->setColor(Qt::blue);
    image = render(scene, area);
    QCOMPARE(image.pixel(15, 5), qRgb(255, 255, 255));
}

void tst_DuiColorization::hslEffectKeepsColourHue_data()
{
    QTest::addColumn<QColor>("color");
    QTest::newRow("orange") << QColor::fromHsl(30, 200, 128);
    QTest::newRow("green") << QColor::fromHsl(110, 255, 100);
    QTest::newRow("sky") << QColor::fromHsl(200, 220, 140);
    QTest::newRow("violet") << QColor::fromHsl(285, 180, 120);
    QTest::newRow("rose") << QColor::fromHsl(340, 230, 150);
    QTest::newRow("theme base 0") << QColor::fromRgba(0xFF22B6FF);
    QTest::newRow("theme base 6") << QColor::fromRgba(0xFFDA6F32);
}

void tst_DuiColorization::hslEffectKeepsColourHue()
{
    QFETCH(QColor, color);
    QGraphicsScene scene;
    // Sources of several colours and lightnesses: the tint replaces their hue and saturation.
    const QList<QColor> sources = {QColor(90, 90, 90), QColor(30, 160, 40), QColor(180, 60, 150), QColor(60, 90, 200)};
    for (int i = 0; i < sources.size(); ++i) {
        auto *item = scene.addRect(i * 10, 0, 10, 10, Qt::NoPen, sources[i]);
        auto *effect = new DuiGraphicsHslEffect;
        effect->setColor(color);
        item->setGraphicsEffect(effect);
    }
    const QImage image = render(scene, QRectF(0, 0, sources.size() * 10, 10));
    for (int i = 0; i < sources.size(); ++i) {
        const QColor out = image.pixelColor(i * 10 + 5, 5);
        const QRgb s = sources[i].rgb();
        const int lightness = (11 * qRed(s) + 16 * qGreen(s) + 5 * qBlue(s)) >> 5;
        const int hueError = qAbs(out.hslHue() - color.hslHue());
        QVERIFY2(qMin(hueError, 360 - hueError) <= 2,
                 qPrintable(QStringLiteral("source %1: hue %2, colour hue %3").arg(i).arg(out.hslHue()).arg(color.hslHue())));
        QVERIFY(qAbs(out.lightness() - lightness) <= 2);
        QVERIFY(qAbs(out.hslSaturation() - color.hslSaturation()) <= 4);
    }
}

void tst_DuiColorization::effectManager()
{
    TypeRecorder first;
    TypeRecorder second;
    DuiColorizeEffectManager manager;
    DuiColorizeEffectManager other;
    QCOMPARE(manager.currentColor(), QRgb(0xFF14A0FF));
    QCOMPARE(manager.gradientValue(), QList<double>({0.7, 0.9}));
    const int type = manager.colorizeEventType();
    QVERIFY(type != other.colorizeEventType());
    QVERIFY(type != DuiColorizeEvent::EventType);

    manager.setNewColor(0xFF14A0FF); // the current colour: nothing posted
    QCoreApplication::sendPostedEvents();
    QCOMPARE(count(first.types, type), 0);

    manager.setNewColor(0xFF00FF00);
    QCOMPARE(manager.currentColor(), QRgb(0xFF00FF00));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(count(first.types, type), 1);
    QCOMPARE(count(second.types, type), 1);

    const QList<double> values = {0.1, 0.5, 0.8};
    manager.setGradientValue(values);
    manager.setGradientValue(values); // always posts
    QCOMPARE(manager.gradientValue(), values);
    manager.loadColorizeEffect();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(count(first.types, type), 3);
    QCOMPARE(count(second.types, other.colorizeEventType()), 0);
}

void tst_DuiColorization::globalEffectManager()
{
    // Threads racing for the first instance all get the published one.
    QList<DuiGolbalEffectMgr *> seen(8, nullptr);
    QList<QThread *> threads;
    for (int i = 0; i < seen.size(); ++i)
        threads << QThread::create([&seen, i] { seen[i] = duiGolbalEffectMgr(); });
    for (QThread *t : threads)
        t->start();
    for (QThread *t : threads) {
        t->wait();
        delete t;
    }
    DuiGolbalEffectMgr *mgr = duiGolbalEffectMgr();
    QVERIFY(mgr);
    for (DuiGolbalEffectMgr *p : seen)
        QCOMPARE(p, mgr);

    mgr->changeGlobalEffect(HslGlobalEffect);
    QCOMPARE(duiGolbalEffectMgr()->effectType(), HslGlobalEffect);
    mgr->changeGlobalEffect(NoGlobalEffect);
    QCOMPARE(mgr->effectType(), NoGlobalEffect);
}


// The framework's tint is its own pass over the pixels; it must paint what Qt's colorize effect
// paints, to within one level per channel, for pixmap items and for items drawn in device
// coordinates under a view transform alike.
void tst_DuiColorization::tintMatchesQtsColorize_data()
{
    QTest::addColumn<bool>("pixmapItem");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QColor>("color");
    QTest::newRow("pixmap, blue") << true << 1.0 << QColor(40, 90, 200);
    QTest::newRow("pixmap, white") << true << 1.0 << QColor(Qt::white);
    QTest::newRow("pixmap, black") << true << 1.0 << QColor(Qt::black);
    QTest::newRow("drawn, orange") << false << 1.0 << QColor(230, 120, 20);
    QTest::newRow("drawn and scaled, green") << false << 1.5 << QColor(30, 160, 60);
}

void tst_DuiColorization::tintMatchesQtsColorize()
{
    QFETCH(bool, pixmapItem);
    QFETCH(qreal, scale);
    QFETCH(QColor, color);
    std::mt19937 random(7);
    QImage source(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const int a = random() % 3 == 0 ? 255 : int(random() % 256);
            source.setPixel(x, y, qRgba(int(random() % 256), int(random() % 256), int(random() % 256), a));
        }
    }
    auto render = [&](QGraphicsEffect *effect) {
        QGraphicsScene scene;
        QGraphicsItem *item = nullptr;
        if (pixmapItem) {
            item = scene.addPixmap(QPixmap::fromImage(source));
        } else {
            QLinearGradient gradient(0, 0, 37, 23);
            gradient.setColorAt(0, QColor(255, 0, 0, 40));
            gradient.setColorAt(0.5, QColor(20, 200, 90));
            gradient.setColorAt(1, QColor(90, 40, 250, 180));
            item = scene.addRect(0, 0, 37, 23, QPen(Qt::NoPen), gradient);
        }
        item->setGraphicsEffect(effect);
        QImage image(QSize(60, 40), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.scale(scale, scale);
        scene.render(&painter, QRectF(0, 0, 40, 26), QRectF(0, 0, 40, 26));
        return image;
    };
    auto *ours = new DuiColorizeEffect;
    ours->setColor(color);
    auto *qts = new QGraphicsColorizeEffect;
    qts->setColor(color);
    const QImage a = render(ours);
    const QImage b = render(qts);
    int worst = 0;
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = qMax(qMax(qAbs(qRed(pa[x]) - qRed(pb[x])), qAbs(qGreen(pa[x]) - qGreen(pb[x]))),
                               qMax(qAbs(qBlue(pa[x]) - qBlue(pb[x])), qAbs(qAlpha(pa[x]) - qAlpha(pb[x]))));
            worst = qMax(worst, d);
            different += d != 0;
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QStringLiteral("a channel differs by %1").arg(worst)));
    QVERIFY2(different * 100 <= a.width() * a.height(), qPrintable(QStringLiteral("%1 pixels differ").arg(different)));
    // And the tint is really there: not the untinted source.
    QVERIFY(a != render(nullptr));
}

QTEST_MAIN(tst_DuiColorization)
#include "tst_duicolorization.moc"
