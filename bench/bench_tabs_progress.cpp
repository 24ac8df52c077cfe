// SPDX-License-Identifier: MIT
// Tabs, progress bars and marquees against their nearest Qt counterparts, measured in one run:
// 100 and 1,000 tabs inserted into a DuiTab and into a QTabBar; 10,000 setValue calls on a
// DuiProgressBar (the first and the last thousand, to show a constant cost per call) and on a
// QProgressBar; 100 marquees over 1,000 ticks, with the area the scene repaints per tick, against
// 100 plain text items moved the same way.

#include "benchutil.h"

#include <duiprogressbar.h>
#include <duiscrolltext.h>
#include <duitab.h>
#include <duitheme.h>

#include <QtCore/qloggingcategory.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qprogressbar.h>
#include <QtWidgets/qtabbar.h>

namespace {

constexpr int kValues = 10000;
constexpr int kMarquees = 100;
constexpr int kTicks = 1000;
const QSizeF kMarqueeSize(200, 20);
const QString kHeadline = QStringLiteral("A headline far too long for its box scrolls by, two pixels a tick");

void tabs(int count)
{
    const double dui = bench::medianNs(5, [count] {
        DuiTab bar;
        bar.resize(800, 30);
        for (int i = 0; i < count; ++i)
            bar.insertItem(-1, QStringLiteral("Tab %1").arg(i), QString(), QString());
    });
    const double qt = bench::medianNs(5, [count] {
        QTabBar bar;
        bar.resize(800, 30);
        for (int i = 0; i < count; ++i)
            bar.addTab(QStringLiteral("Tab %1").arg(i));
    });
    const QByteArray what = "DuiTab::insertItem x " + QByteArray::number(count);
    bench::report(what.constData(), dui, "QTabBar::addTab", qt);
}

// Nanoseconds per call in the first and in the last block of 1,000 of a run of kValues calls;
// each the fastest of five runs, since other work on the machine only ever adds time.
template <typename Bar>
std::pair<double, double> perCall(Bar &bar)
{
    constexpr int kBlock = 1000;
    double first = 1e18, last = 1e18;
    for (int run = 0; run < 5; ++run) {
        for (int block = 0; block < kValues / kBlock; ++block) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < kBlock; ++i)
                bar.setValue((block * kBlock + i) % 101);
            const double ns = double(timer.nsecsElapsed()) / kBlock;
            if (block == 0)
                first = qMin(first, ns);
            if (block == kValues / kBlock - 1)
                last = qMin(last, ns);
        }
    }
    return {first, last};
}

void progress()
{
    QGraphicsScene scene;
    auto *bar = new DuiProgressBar;
    scene.addItem(bar);
    bar->resize(300, 14);
    QProgressBar qbar;
    qbar.resize(300, 14);
    const auto dui = perCall(*bar);
    const auto qt = perCall(qbar);
    std::printf("%-48s %9.0f ns/call (last 1,000: %.0f)   QProgressBar::setValue %6.0f ns/call (last 1,000: %.0f)   "
                "ratio %.2f\n",
                "DuiProgressBar::setValue, first 1,000 of 10,000", dui.first, dui.second, qt.first, qt.second,
                qt.first > 0 ? dui.first / qt.first : 0.0);
}

// Runs kTicks ticks of `step` and answers the time per tick and the area the scene repaints per
// tick, in pixels.
template <typename Step>
std::pair<double, double> ticks(QGraphicsScene &scene, Step &&step)
{
    double area = 0;
    QObject::connect(&scene, &QGraphicsScene::changed, &scene, [&area](const QList<QRectF> &rects) {
        for (const QRectF &r : rects)
            area += r.width() * r.height();
    });
    QCoreApplication::processEvents();
    area = 0;
    qint64 ns = 0;
    for (int t = 0; t < kTicks; ++t) {
        QElapsedTimer timer;
        timer.start();
        step();
        QCoreApplication::processEvents(); // the scene gathers and reports what changed
        ns += timer.nsecsElapsed();
    }
    return {double(ns) / kTicks, area / kTicks};
}

void marquees()
{
    QGraphicsScene scene;
    QList<DuiScrollText *> texts;
    for (int i = 0; i < kMarquees; ++i) {
        auto *text = new DuiScrollText;
        scene.addItem(text);
        text->setPos(0, i * kMarqueeSize.height());
        text->resize(kMarqueeSize);
        text->setText(kHeadline);
        texts << text;
    }
    const auto dui = ticks(scene, [&texts] {
        for (DuiScrollText *text : std::as_const(texts))
            QMetaObject::invokeMethod(text, "onScrollTimeOut");
    });

    // The baseline: one clipped plain text item per row, moved two pixels a tick.
    QGraphicsScene plainScene;
    QList<QGraphicsSimpleTextItem *> items;
    for (int i = 0; i < kMarquees; ++i) {
        auto *clip = new QGraphicsRectItem(0, 0, kMarqueeSize.width(), kMarqueeSize.height());
        clip->setPen(Qt::NoPen);
        clip->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
        clip->setPos(0, i * kMarqueeSize.height());
        plainScene.addItem(clip);
        items << new QGraphicsSimpleTextItem(kHeadline, clip);
    }
    const auto plain = ticks(plainScene, [&items] {
        for (QGraphicsSimpleTextItem *item : std::as_const(items))
            item->setX(item->x() <= -400 ? 0 : item->x() - 2);
    });
    const double visible = kMarquees * kMarqueeSize.width() * kMarqueeSize.height();
    bench::report("100 DuiScrollText, per tick", dui.first, "100 moved text items", plain.first);
    std::printf("%-48s %12.0f px (%.0f %% of the marquees)   %-29s %12.0f px\n", "  repainted area per tick",
                dui.second, 100 * dui.second / visible, "moved text items", plain.second);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
    DuiTheme::setColorThemeOnly(0);
    tabs(100);
    tabs(1000);
    progress();
    marquees();
    return 0;
}
