// SPDX-License-Identifier: MIT
#include <duianimationwidget.h>
#include <duiimagewidget.h>
#include <duityperegister.h>

#include <QtCore/qtemporarydir.h>
#include <QtGui/qmovie.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicssceneevent.h>

namespace {

QGraphicsPixmapItem *pixmapItemOf(QGraphicsItem *widget)
{
    for (QGraphicsItem *child : widget->childItems()) {
        if (auto *p = qgraphicsitem_cast<QGraphicsPixmapItem *>(child))
            return p;
    }
    return nullptr;
}

// A GIF of `frames` frames of w x h, frame i filled with palette entry i % 4, each shown 20 ms.
// LZW codes are 3 bits wide; a clear code every two pixels keeps the table from growing, so the
// encoder needs no dictionary.
QByteArray makeGif(int frames, int w, int h, bool loop)
{
    QByteArray gif("GIF89a");
    auto u16 = [&gif](int v) { gif.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    u16(w);
    u16(h);
    gif.append(char(0xF1)).append(char(0)).append(char(0)); // global table of 4 colours
    const unsigned char palette[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    gif.append(reinterpret_cast<const char *>(palette), 12);
    if (loop) {
        gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        u16(0);
        gif.append(char(0));
    }
    for (int f = 0; f < frames; ++f) {
        gif.append("\x21\xF9\x04\x00", 4);
        u16(2);
        gif.append(char(0)).append(char(0));
        gif.append(char(0x2C));
        u16(0);
        u16(0);
        u16(w);
        u16(h);
        gif.append(char(0));
        gif.append(char(2)); // minimum code size
        QByteArray data;
        quint32 acc = 0;
        int bits = 0;
        auto put = [&](int code) {
            acc |= quint32(code) << bits;
            bits += 3;
            while (bits >= 8) {
                data.append(char(acc & 0xFF));
                acc >>= 8;
                bits -= 8;
            }
        };
        for (int p = 0; p < w * h; ++p) {
            if (p % 2 == 0)
                put(4);
            put(f % 4);
        }
        put(5);
        if (bits > 0)
            data.append(char(acc & 0xFF));
        for (int i = 0; i < data.size(); i += 255) {
            const QByteArray chunk = data.mid(i, 255);
            gif.append(char(chunk.size())).append(chunk);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString solidImage(const QTemporaryDir &dir, const QString &name, const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// Exposes the protected raw-bytes setter.
class ImageProbe : public DuiImageWidget
{
public:
    using DuiImageWidget::setImageData;
};

} // namespace

class tst_DuiImageWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredForXml();
    void placement_data();
    void placement();
    void borderLeavesRoom();
    void transform();
    void effectColour();
    void missingAndBadImages();
    void clicks();
    void handHover();
    void gifIsReadable();
    void singlePlayHidesAtLastFrame();
    void loopKeepsPlayingAndStopRewinds();
    void scaleBox();
    void truncatedAndMissingAnimations();

private:
    QTemporaryDir m_dir;
    QString m_image20x10;
    QString m_gif5;
    QString m_gifLoop;
};

void tst_DuiImageWidget::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_image20x10 = solidImage(m_dir, QStringLiteral("pic.png"), QSize(20, 10), Qt::red);
    m_gif5 = writeFile(m_dir, QStringLiteral("five.gif"), makeGif(5, 4, 4, false));
    m_gifLoop = writeFile(m_dir, QStringLiteral("loop.gif"), makeGif(3, 4, 4, true));
}

void tst_DuiImageWidget::registeredForXml()
{
    for (const char *name : {"DuiImageWidget", "DuiAnimationWidget"}) {
        QScopedPointer<DuiWidget> w(createWidgetByName(name, nullptr));
        QVERIFY2(w, name);
        QCOMPARE(w->metaObject()->className(), name);
    }
}

void tst_DuiImageWidget::placement_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("centre") << int(DuiImageWidget::ScaleWidgetCenter) << QPointF(10, 15) << 1.0;
    QTest::newRow("left top") << int(DuiImageWidget::ScaleToLeftTop) << QPointF(0, 0) << 1.0;
    QTest::newRow("right top") << int(DuiImageWidget::ScaleToRightTop) << QPointF(20, 0) << 1.0;
    QTest::newRow("to widget") << int(DuiImageWidget::ScaleToWidget) << QPointF(0, 10) << 2.0;
}

void tst_DuiImageWidget::placement()
{
    QFETCH(int, policy);
    QFETCH(QPointF, pos);
    QFETCH(qreal, scale);
    DuiImageWidget w;
    w.setScalePolicy(DuiImageWidget::ImageScalePolicy(policy));
    w.setImagePath(m_image20x10);
    QCOMPARE(w.imagePath(), m_image20x10);
    QCOMPARE(w.preferredSize(), QSizeF(20, 10));
    w.setMinimumSize(0, 0);
    w.resize(40, 40);
    QGraphicsPixmapItem *item = pixmapItemOf(&w);
    QVERIFY(item);
    QCOMPARE(item->pos(), pos);
    QCOMPARE(item->scale(), scale);
    QCOMPARE(item->transformationMode(), Qt::SmoothTransformation);

    // Rendered: the picture covers exactly the expected rectangle.
    QGraphicsScene scene;
    auto *shown = new DuiImageWidget;
    scene.addItem(shown);
    shown->setScalePolicy(DuiImageWidget::ImageScalePolicy(policy));
    shown->setImagePath(m_image20x10);
    shown->setMinimumSize(0, 0);
    shown->resize(40, 40);
    QImage out(40, 40, QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter, QRectF(0, 0, 40, 40), QRectF(0, 0, 40, 40));
    painter.end();
    const QRectF expected(pos, QSizeF(20, 10) * scale);
    QCOMPARE(out.pixelColor(expected.center().toPoint()), QColor(Qt::red));
    QCOMPARE(out.pixelColor(expected.right() > 38 ? 0 : 39, 39), QColor(Qt::white));
}

void tst_DuiImageWidget::borderLeavesRoom()
{
    DuiImageWidget w;
    w.setBorderColor(Qt::blue);
    w.setScalePolicy(DuiImageWidget::ScaleToWidget);
    w.setImagePath(m_image20x10);
    w.setMinimumSize(0, 0);
    w.resize(40, 40);
    QGraphicsPixmapItem *item = pixmapItemOf(&w);
    QCOMPARE(item->scale(), 1.9);
    QCOMPARE(item->pos(), QPointF(1, 10.5));

    // The border: a 1-pixel rounded frame inside the widget's rectangle.
    QImage out(40, 40, QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    w.paint(&painter, nullptr, nullptr);
    painter.end();
    QCOMPARE(out.pixelColor(20, 0), QColor(Qt::blue));
    QCOMPARE(out.pixelColor(0, 20), QColor(Qt::blue));
    QCOMPARE(out.pixelColor(39, 20), QColor(Qt::blue));
    QCOMPARE(out.pixelColor(20, 39), QColor(Qt::blue));
    QCOMPARE(out.pixelColor(20, 20), QColor(Qt::white));
    QCOMPARE(out.pixelColor(0, 0), QColor(Qt::white)); // rounded corners
}

void tst_DuiImageWidget::transform()
{
    DuiImageWidget w;
    w.setImagePath(m_image20x10);
    QGraphicsPixmapItem *item = pixmapItemOf(&w);
    w.setRotate(90);
    QCOMPARE(w.rotate(), 90.0);
    // Turned about the picture's own centre.
    const QPointF centre = item->transform().map(QPointF(10, 5));
    QVERIFY(qAbs(centre.x() - 10) < 1e-9 && qAbs(centre.y() - 5) < 1e-9);
    const QPointF corner = item->transform().map(QPointF(0, 0));
    QVERIFY(qAbs(corner.x() - 15) < 1e-9 && qAbs(corner.y() + 5) < 1e-9);
    w.setRotate(0);
    w.setScale(0);
    QVERIFY(item->transform().isIdentity());
    w.setScale(2);
    QCOMPARE(item->transform().map(QPointF(3, 4)), QPointF(6, 8));
    QCOMPARE(w.property("scale").toReal(), 2.0);
}

void tst_DuiImageWidget::effectColour()
{
    DuiImageWidget w;
    w.setImagePath(m_image20x10);
    w.setEffectColor(Qt::green);
    QGraphicsPixmapItem *item = pixmapItemOf(&w);
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color(), QColor(Qt::green));
    w.setEffectColor(Qt::blue);
    QCOMPARE(qobject_cast<QGraphicsColorizeEffect *>(item->graphicsEffect())->color(), QColor(Qt::blue));
    QCOMPARE(w.effectColor(), QColor(Qt::blue));
}

void tst_DuiImageWidget::missingAndBadImages()
{
    ImageProbe w;
    w.setImagePath(m_dir.filePath(QStringLiteral("absent.png")));
    QCOMPARE(w.preferredSize(), QSizeF(0, 0));
    QVERIFY(w.pixmap().isNull());

    w.setImagePath(m_image20x10);
    w.setImageData(QByteArray("definitely not an image"));
    QCOMPARE(w.pixmap().size(), QSize(20, 10));
    QCOMPARE(w.imagePath(), m_image20x10); // undecodable bytes change nothing

    QFile f(m_image20x10);
    f.open(QIODevice::ReadOnly);
    const QByteArray png = f.readAll();
    w.setBorderColor(Qt::red);
    w.setImageData(png);
    QCOMPARE(w.imagePath(), QString());
    QCOMPARE(w.preferredSize(), QSizeF(22, 12));

    w.setPixmap(QPixmap());
    w.setScalePolicy(DuiImageWidget::ScaleToWidget);
    w.resize(30, 30); // an empty picture in ScaleToWidget: left alone
    QCOMPARE(w.preferredSize(), QSizeF(0, 0));
}

void tst_DuiImageWidget::clicks()
{
    QGraphicsScene scene;
    auto *w = new DuiImageWidget;
    auto *below = new QGraphicsRectItem(0, 0, 50, 50);
    scene.addItem(below);
    scene.addItem(w);
    w->setImagePath(m_image20x10);
    w->resize(20, 10);
    QSignalSpy clicked(w, &DuiImageWidget::clicked);

    auto send = [&scene](QEvent::Type type, const QPointF &pos) {
        QGraphicsSceneMouseEvent e(type);
        e.setScenePos(pos);
        e.setButton(Qt::LeftButton);
        e.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
        QCoreApplication::sendEvent(&scene, &e);
    };
    send(QEvent::GraphicsSceneMousePress, QPointF(5, 5));
    QCOMPARE(scene.mouseGrabberItem(), w);
    send(QEvent::GraphicsSceneMouseRelease, QPointF(6, 5));
    QCOMPARE(clicked.count(), 1);
    // Released outside: no click.
    send(QEvent::GraphicsSceneMousePress, QPointF(5, 5));
    send(QEvent::GraphicsSceneMouseRelease, QPointF(30, 30));
    QCOMPARE(clicked.count(), 1);
    // Not accepting clicks: the press passes to what lies below.
    w->setAcceptClick(false);
    send(QEvent::GraphicsSceneMousePress, QPointF(5, 5));
    QVERIFY(scene.mouseGrabberItem() != w);
    QCOMPARE(w->acceptedMouseButtons(), Qt::LeftButton);
}

void tst_DuiImageWidget::handHover()
{
    QGraphicsScene scene;
    auto *w = new DuiImageWidget;
    scene.addItem(w);
    w->setHandHover(true);
    QVERIFY(w->acceptHoverEvents());
    QCOMPARE(w->dragPolicy(), DuiWidget::NotDragWindow);
    QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    scene.sendEvent(w, &enter);
    auto *glow = qobject_cast<QGraphicsDropShadowEffect *>(w->graphicsEffect());
    QVERIFY(glow);
    QCOMPARE(glow->blurRadius(), 12.0);
    QCOMPARE(glow->offset(), QPointF(0, 0));
    QCOMPARE(glow->color(), QColor(Qt::white));
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    scene.sendEvent(w, &leave);
    QCOMPARE(w->graphicsEffect(), nullptr);

    // A tinted picture glows while hovered and gets its tint back afterwards.
    w->setColorizePolicy(DuiWidget::ColorableFlag);
    w->colorize(qRgb(10, 120, 200));
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(w->graphicsEffect()));
    scene.sendEvent(w, &enter);
    QVERIFY(qobject_cast<QGraphicsDropShadowEffect *>(w->graphicsEffect()));
    scene.sendEvent(w, &leave);
    auto *tint = qobject_cast<QGraphicsColorizeEffect *>(w->graphicsEffect());
    QVERIFY(tint);
    QCOMPARE(tint->color(), QColor(10, 120, 200));
    w->setColorizePolicy(DuiWidget::UnColorableFlag);
    w->colorize(0);
    w->setHandHover(false);
    QCOMPARE(w->dragPolicy(), DuiWidget::DragWithParentFlag);
    QVERIFY(!w->hasCursor());

    // Switching the hand hover off while the picture glows ends the glow; it must not stay for good.
    w->setHandHover(true);
    scene.sendEvent(w, &enter);
    QVERIFY(qobject_cast<QGraphicsDropShadowEffect *>(w->graphicsEffect()));
    w->setHandHover(false);
    scene.sendEvent(w, &leave);
    QCOMPARE(w->graphicsEffect(), nullptr);
}

void tst_DuiImageWidget::gifIsReadable()
{
    // The encoder above must produce what Qt's GIF reader accepts, or the animation tests prove
    // nothing.
    QMovie movie(m_gif5);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 5);
    // GIF frames decode in sequence only.
    QVERIFY(movie.jumpToFrame(0));
    QVERIFY(movie.jumpToFrame(1));
    QVERIFY(movie.jumpToFrame(2));
    QCOMPARE(movie.currentImage().pixelColor(1, 1), QColor(0, 0, 255));
}

void tst_DuiImageWidget::singlePlayHidesAtLastFrame()
{
    QGraphicsScene scene;
    auto *w = new DuiAnimationWidget;
    scene.addItem(w);
    w->setPlayLoop(false);
    w->setImage(m_gif5);
    QCOMPARE(w->imagePath(), QString());
    auto *movie = w->findChild<QMovie *>();
    QVERIFY(movie);
    QList<int> frames;
    connect(movie, &QMovie::frameChanged, this, [&frames](int n) { frames << n; });
    QVERIFY(w->isVisible());
    w->start();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 5000);
    QCOMPARE(frames.last(), 4);
    QCOMPARE(movie->state(), QMovie::NotRunning);
    // The last frame was never shown: the item still holds frame 3 (palette entry 3: yellow).
    QCOMPARE(pixmapItemOf(w)->pixmap().toImage().pixelColor(0, 0), QColor(255, 255, 0));
}

void tst_DuiImageWidget::loopKeepsPlayingAndStopRewinds()
{
    QGraphicsScene scene;
    auto *w = new DuiAnimationWidget;
    scene.addItem(w);
    w->setImage(m_gifLoop);
    auto *movie = w->findChild<QMovie *>();
    int frameEvents = 0;
    connect(movie, &QMovie::frameChanged, this, [&frameEvents] { ++frameEvents; });
    w->start();
    QTRY_VERIFY_WITH_TIMEOUT(frameEvents > 7, 5000); // more frames than the file has
    QVERIFY(w->isVisible());
    w->stop();
    QCOMPARE(movie->state(), QMovie::NotRunning);
    QCOMPARE(movie->currentFrameNumber(), 0);
    QCOMPARE(pixmapItemOf(w)->pixmap().toImage().pixelColor(0, 0), QColor(255, 0, 0));
    QVERIFY(QMetaObject::invokeMethod(w, "start"));
    QCOMPARE(movie->state(), QMovie::Running);
}

void tst_DuiImageWidget::scaleBox()
{
    QGraphicsScene scene;
    auto *w = new DuiAnimationWidget;
    scene.addItem(w);
    w->setImage(m_gifLoop);
    w->setImageScaleSize(QSizeF(10, 10));
    auto *movie = w->findChild<QMovie *>();
    QVERIFY(movie->jumpToFrame(0));
    QGraphicsPixmapItem *item = pixmapItemOf(w);
    QCOMPARE(item->pos(), QPointF(3, 3));
    QCOMPARE(item->pixmap().size(), QSize(4, 4));

    w->setImageScaleSize(QSizeF(2, 3));
    QVERIFY(movie->jumpToFrame(1));
    QCOMPARE(item->pos(), QPointF(1, 1));
    QCOMPARE(item->pixmap().size(), QSize(2, 2));

    w->setBorderColor(Qt::red);
    QCOMPARE(w->borderColor(), QColor(Qt::red));
}

void tst_DuiImageWidget::truncatedAndMissingAnimations()
{
    const QByteArray gif = makeGif(5, 4, 4, false);
    const QString truncated = writeFile(m_dir, QStringLiteral("cut.gif"), gif.left(gif.size() / 2));
    QGraphicsScene scene;
    auto *w = new DuiAnimationWidget;
    scene.addItem(w);
    w->setPlayLoop(false);
    w->setImage(truncated);
    w->start();
    QTest::qWait(150);
    w->setImage(m_dir.filePath(QStringLiteral("absent.gif")));
    w->start();
    QTest::qWait(50);
    w->setImage(QString());
    QVERIFY(pixmapItemOf(w)->pixmap().isNull());
    w->start();
    w->stop();
    w->setImage(QStringLiteral(":/nothing/here.gif"));
    w->start();
}

QTEST_MAIN(tst_DuiImageWidget)
#include "tst_duiimagewidget.moc"
