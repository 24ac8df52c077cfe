// SPDX-License-Identifier: MIT
#include <duiframeitem.h>
#include <duiframeitemex.h>
#include <duiframeitemext.h>
#include <duitheme.h>
#include <duityperegister.h>

#include <QtCore/qloggingcategory.h>
#include <QtCore/qregularexpression.h>
#include <QtCore/qtemporarydir.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>
#include <QtWidgets/qstyleoption.h>

#include <sys/stat.h>

namespace {

QImage paintItem(DuiFrameItem *item, QStyle::State state = QStyle::State_None)
{
    QImage out(item->size().toSize(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    QStyleOptionGraphicsItem option;
    option.state = state;
    item->paint(&painter, &option, nullptr);
    return out;
}

void sendMouse(QGraphicsScene &scene, QEvent::Type type, const QPointF &pos, Qt::MouseButton button)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setButton(button);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::MouseButtons(button));
    QCoreApplication::sendEvent(&scene, &event);
}

} // namespace

class tst_DuiFrameItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredForXml();
    void stateSelection();
    void hoverOnlyWhileEnabled();
    void checkedFallsBackToPressed();
    void gradientFiles();
    void gradientOnGreyBase();
    void badGradientFiles();
    void gradientOffsetsClampWithoutOverflow();
    void baseColorWithMask();
    void absurdSize();
    void colourRules();
    void frameItemExSignals();
    void frameItemExtHover();

private:
    QString solid(const QString &name, const QColor &color);
    QTemporaryDir m_dir;
};

void tst_DuiFrameItem::initTestCase()
{
    // Broken gradient files and missing images are fed on purpose; their warnings, shown by
    // default, would only bury the test's output.
    QLoggingCategory::setFilterRules(QStringLiteral("dui.xml.warning=false\ndui.resource.warning=false\ndui.theme.warning=false"));
    QVERIFY(m_dir.isValid());
}

QString tst_DuiFrameItem::solid(const QString &name, const QColor &color)
{
    QImage image(6, 6, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = m_dir.filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path;
}

void tst_DuiFrameItem::registeredForXml()
{
    for (const char *name : {"DuiFrameItem", "DuiFrameItemEx", "DuiFrameItemExt"}) {
        QScopedPointer<DuiWidget> w(createWidgetByName(name, nullptr));
        QVERIFY2(w, name);
        QCOMPARE(w->metaObject()->className(), name);
    }
}

void tst_DuiFrameItem::stateSelection()
{
    const QString normal = solid(QStringLiteral("n"), Qt::red), hover = solid(QStringLiteral("h"), Qt::green),
                  pressed = solid(QStringLiteral("p"), Qt::blue), disabled = solid(QStringLiteral("d"), Qt::gray),
                  checked = solid(QStringLiteral("c"), Qt::yellow);
    DuiFrameItem item;
    item.resize(6, 6);
    item.setImage(normal, hover, pressed, disabled, checked);
    QCOMPARE(item.drawStyle(), DuiFrameItem::PixmapDrawStyle);
    QCOMPARE(item.imagePath(), normal);

    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::red));
    QCOMPARE(paintItem(&item, QStyle::State_MouseOver).pixelColor(3, 3), QColor(Qt::green));
    item.setHovered(true);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::green));
    item.setChecked(true);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::yellow));
    item.setPressed(true);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::blue));
    item.setEnable(false);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::gray));
    QVERIFY(item.isPressed() && item.isChecked() && item.isHovered());

    // setImage(normal) replaces slot 0 only.
    item.setEnable(true);
    item.setPressed(false);
    item.setChecked(false);
    item.setHovered(false);
    item.setImage(solid(QStringLiteral("n2"), Qt::cyan));
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::cyan));
    QCOMPARE(paintItem(&item, QStyle::State_MouseOver).pixelColor(3, 3), QColor(Qt::green));
}

void tst_DuiFrameItem::hoverOnlyWhileEnabled()
{
    DuiFrameItem item;
    item.resize(6, 6);
    item.setImage(solid(QStringLiteral("n"), Qt::red), solid(QStringLiteral("h"), Qt::green), QString(), QString(), QString());
    item.setHovered(true);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::green));
    // Disabled without a disabled image: the normal image.
    item.setEnable(false);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::red));
    // A state without an image draws nothing.
    DuiFrameItem empty;
    empty.resize(6, 6);
    QCOMPARE(qAlpha(paintItem(&empty).pixel(3, 3)), 0);
}

void tst_DuiFrameItem::checkedFallsBackToPressed()
{
    DuiFrameItem item;
    item.resize(6, 6);
    item.setImage(solid(QStringLiteral("n"), Qt::red), QString(), solid(QStringLiteral("p"), Qt::blue), QString(), QString());
    item.setChecked(true);
    QCOMPARE(paintItem(&item).pixelColor(3, 3), QColor(Qt::blue));
}

void tst_DuiFrameItem::gradientFiles()
{
    // A gradient file is no image: setting one reports nothing missing.
    QLoggingCategory::setFilterRules(QStringLiteral("dui.resource.warning=true"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("missing resource image")));
    DuiFrameItem fromPath(QStringLiteral(":/theme/duifw/tab_selected.xml"), DuiFrameItemDrawer::NinePieces);
    initTestCase();

    DuiFrameItem item;
    item.resize(10, 1000); // tall, so that row 0 sits at the first stop
    item.setImage(QStringLiteral(":/theme/duifw/tab_normal.xml"), QString(), QStringLiteral(":/theme/duifw/tab_pressdown.xml"),
                  QString(), QString());
    QCOMPARE(item.drawStyle(), DuiFrameItem::LinearGradientDrawStyle);

    int h, s, l;
    QColor::fromRgba(DuiTheme::getColor(DuiTheme::LightestColor)).getHsl(&h, &s, &l);
    const QColor top = QColor::fromHsl(qBound(0, h - 6, 359), s, qBound(0, l - 17, 255));
    const QColor below = QColor::fromHsl(qBound(0, h - 6, 359), s, qBound(0, l - 27, 255));
    const QImage normal = paintItem(&item);
    auto near = [](const QColor &a, const QColor &b) {
        return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
    };
    QVERIFY2(near(normal.pixelColor(5, 0), top), qPrintable(normal.pixelColor(5, 0).name()));
    QVERIFY2(near(normal.pixelColor(5, 60), below), qPrintable(normal.pixelColor(5, 60).name()));

    // The pressed brush follows the base colour of type 5.
    item.setPressed(true);
    QColor::fromRgba(DuiTheme::getColor(DuiTheme::BaseColor)).getHsl(&h, &s, &l);
    const QImage pressedImage = paintItem(&item);
    QVERIFY(near(pressedImage.pixelColor(5, 60), QColor::fromHsl(h, s, l)));

    // Margins shrink the filled area.
    item.setPressed(false);
    item.setMargin(QMargins(2, 3, 2, 3));
    const QImage inset = paintItem(&item);
    QCOMPARE(qAlpha(inset.pixel(1, 50)), 0);
    QCOMPARE(qAlpha(inset.pixel(5, 2)), 0);
    QCOMPARE(qAlpha(inset.pixel(5, 50)), 255);

    // Switching back to pixmaps is explicit only.
    item.setImage(solid(QStringLiteral("n"), Qt::red));
    QCOMPARE(item.drawStyle(), DuiFrameItem::LinearGradientDrawStyle);
    item.setDrawStyle(DuiFrameItem::PixmapDrawStyle);
    item.setMargin(QMargins());
    QCOMPARE(paintItem(&item).pixelColor(5, 50), QColor(Qt::red));
}

void tst_DuiFrameItem::gradientOffsetsClampWithoutOverflow()
{
    // Offsets of INT_MAX on a coloured base: summed in int they wrapped to negative numbers and
    // clamped to black; they clamp to full lightness, white.
    DuiFrameItem item;
    item.resize(4, 4);
    item.setImage(QStringLiteral(DUI_TEST_SOURCE_DIR "/data/gradient-int-max-offsets.xml"));
    QCOMPARE(paintItem(&item).pixelColor(2, 2), QColor(Qt::white));
}

void tst_DuiFrameItem::gradientOnGreyBase()
{
    // Colour type 0 is black (no hue): a negative hue offset clamps to 0 instead of wrapping.
    const QString path = m_dir.filePath(QStringLiteral("grey.xml"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<xmlui><root themeColorType=\"0\" start=\"0,0\" finalStop=\"0,1\">"
            "<item h=\"-6\" s=\"200\" l=\"128\" pos=\"0\"/><item h=\"-6\" s=\"200\" l=\"128\" pos=\"1\"/></root></xmlui>");
    f.close();
    DuiFrameItem item;
    item.resize(4, 4);
    item.setImage(path);
    const QColor c = paintItem(&item).pixelColor(2, 2);
    QCOMPARE(c.hslHue(), 0);
    QVERIFY(c.red() > c.green() && c.red() > c.blue());
}

void tst_DuiFrameItem::badGradientFiles()
{
    const QList<QByteArray> texts = {
        "not xml at all",
        "<xmlui><root themeColorType=\"1\" start=\"0,0,0\" finalStop=\"0,1\"><item pos=\"0\"/></root></xmlui>",
        "<xmlui><root themeColorType=\"1\" start=\"0,0\" finalStop=\"1\"><item pos=\"0\"/></root></xmlui>",
        "<xmlui><root themeColorType=\"1\" start=\"0,0\" finalStop=\"0,1\"/></xmlui>",
        "<xmlui/>",
        "<xmlui><root themeColorType=\"99999999999\" start=\",0,,0,\" finalStop=\"0,1\"><item h=\"x\" pos=\"7\"/></root></xmlui>",
    };
    for (int i = 0; i < texts.size(); ++i) {
        const QString path = m_dir.filePath(QStringLiteral("bad%1.xml").arg(i));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(texts.at(i));
        f.close();
        DuiFrameItem item;
        item.resize(4, 4);
        item.setImage(path);
        const QImage image = paintItem(&item);
        if (i < 5)
            QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
    }
    DuiFrameItem missing;
    missing.resize(4, 4);
    missing.setImage(m_dir.filePath(QStringLiteral("absent.xml")));
    QCOMPARE(qAlpha(paintItem(&missing).pixel(2, 2)), 0);

    // A named pipe or a device is never read: opening the pipe would wait for a writer for ever.
    const QByteArray fifo = QFile::encodeName(m_dir.filePath(QStringLiteral("pipe.xml")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    DuiFrameItem pipe;
    pipe.resize(4, 4);
    pipe.setImage(QFile::decodeName(fifo));
    QCOMPARE(qAlpha(paintItem(&pipe).pixel(2, 2)), 0);
}

void tst_DuiFrameItem::baseColorWithMask()
{
    // The mask: opaque left half, transparent right half.
    QImage mask(10, 10, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            mask.setPixel(x, y, qRgba(0, 0, 0, 255));
    const QString maskPath = m_dir.filePath(QStringLiteral("mask.png"));
    mask.save(maskPath);

    DuiFrameItem item;
    item.resize(10, 10);
    item.setBaseColor(QColor(200, 10, 10));
    const QImage plain = paintItem(&item);
    QCOMPARE(plain.pixelColor(8, 5), QColor(200, 10, 10));

    item.setBackgroundMask(maskPath);
    QCOMPARE(item.backgroundMask(), maskPath);
    const QImage masked = paintItem(&item);
    QCOMPARE(masked.pixelColor(2, 5), QColor(200, 10, 10));
    QCOMPARE(qAlpha(masked.pixel(8, 5)), 0);
}

void tst_DuiFrameItem::absurdSize()
{
    DuiFrameItem item;
    item.setMaximumSize(100000, 100000);
    item.resize(30000, 30000);
    item.setBaseColor(Qt::red);
    item.setImage(solid(QStringLiteral("n"), Qt::red));
    QImage out(20, 20, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    painter.end();
    QCOMPARE(out.pixelColor(10, 10), QColor(Qt::red)); // the image still paints
}

void tst_DuiFrameItem::colourRules()
{
    QGraphicsScene scene;
    auto *item = new DuiFrameItem;
    QCOMPARE(item->colorizePolicy(), DuiWidget::ColorableFlag);
    QCOMPARE(item->focusPolicy(), Qt::NoFocus);
    scene.addItem(item);
    QCoreApplication::processEvents(); // polish: the item tints itself with the base colour
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color().rgba(), DuiTheme::getColor(DuiTheme::BaseColor));

    item->setEnable(false);
    QCOMPARE(item->colorizePolicy(), DuiWidget::UnColorableFlag);
    QCOMPARE(item->graphicsEffect(), nullptr);
    item->setColorizePolicy(DuiWidget::FollowParent); // while disabled: not remembered
    item->setEnable(true);
    QCOMPARE(item->colorizePolicy(), DuiWidget::ColorableFlag);
    effect = qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color().rgba(), DuiTheme::getColor(DuiTheme::DarkestColor));

    // A base colour takes the perceptual colour instead of an effect.
    DuiFrameItem based;
    based.setBaseColor(QColor(1, 2, 3));
    based.colorize(0xFF445566);
    QCOMPARE(based.graphicsEffect(), nullptr);
    QCOMPARE(based.baseColor().rgba(), DuiTheme::getCurrentPerceptualColor());
}

void tst_DuiFrameItem::frameItemExSignals()
{
    QGraphicsScene scene;
    auto *ex = new DuiFrameItemEx(solid(QStringLiteral("n"), Qt::red), DuiFrameItemDrawer::NinePieces);
    scene.addItem(ex);
    ex->setPos(10, 10);
    ex->resize(40, 20);
    QCOMPARE(ex->frameItem()->geometry(), QRectF(0, 0, 40, 20));
    QCOMPARE(ex->frameType(), int(DuiFrameItemDrawer::NinePieces));
    QCOMPARE(ex->colorizePolicy(), DuiWidget::ColorableFlag);
    QCOMPARE(ex->property("frameType").toString(), QString());

    QSignalSpy clicked(ex, &DuiFrameItemEx::clicked);
    QSignalSpy right(ex, &DuiFrameItemEx::rightClicked);
    QSignalSpy doubled(ex, &DuiFrameItemEx::doubleClicked);
    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(20, 20), Qt::LeftButton);
    QCOMPARE(clicked.count(), 0); // clicks are off by default
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(20, 20), Qt::LeftButton);

    ex->setAcceptClick(true);
    ex->setAcceptDoubleClick(true);
    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(20, 20), Qt::LeftButton);
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(20, 20), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    sendMouse(scene, QEvent::GraphicsSceneMouseDoubleClick, QPointF(20, 20), Qt::LeftButton);
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(20, 20), Qt::LeftButton);
    QCOMPARE(doubled.count(), 1);
    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(20, 20), Qt::RightButton);
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(20, 20), Qt::RightButton);
    QCOMPARE(right.count(), 1);
    // Outside the item nothing is emitted.
    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(5, 5), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);

    ex->setAcceptHover(true);
    QVERIFY(ex->acceptHoverEvents());
    QCOMPARE(ex->dragPolicy(), DuiWidget::NotDragWindow);
    ex->setAcceptHover(false);
    QCOMPARE(ex->dragPolicy(), DuiWidget::DragWithParentFlag);

    // Colour calls reach the inner item.
    ex->setColorizePolicy(DuiWidget::UnColorableFlag);
    QCOMPARE(ex->frameItem()->colorizePolicy(), DuiWidget::UnColorableFlag);
    ex->setColorizePolicy(DuiWidget::ColorableFlag);
    ex->colorize(0xFF102030);
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(ex->frameItem()->graphicsEffect()));
    QCOMPARE(ex->graphicsEffect(), nullptr);
}

void tst_DuiFrameItem::frameItemExtHover()
{
    QGraphicsScene scene;
    auto *ext = new DuiFrameItemExt;
    scene.addItem(ext);
    ext->resize(20, 20);
    QCOMPARE(ext->colorizePolicy(), DuiWidget::UnColorableFlag);
    QCOMPARE(ext->dragPolicy(), DuiWidget::NotDragWindow);
    QVERIFY(ext->acceptHoverEvents());
    QSignalSpy enter(ext, &DuiFrameItemExt::enter);
    QSignalSpy leave(ext, &DuiFrameItemExt::leave);
    QGraphicsSceneHoverEvent in(QEvent::GraphicsSceneHoverEnter);
    scene.sendEvent(ext, &in);
    QGraphicsSceneHoverEvent out(QEvent::GraphicsSceneHoverLeave);
    scene.sendEvent(ext, &out);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(leave.count(), 1);
}

QTEST_MAIN(tst_DuiFrameItem)
#include "tst_duiframeitem.moc"
