// SPDX-License-Identifier: MIT
// The tab bar and the stacked widget it drives.
#include <duiframeitem.h>
#include <duiframewindow.h>
#include <duistackedwidget.h>
#include <duitab.h>
#include <duitheme.h>
#include <duitooltip.h>
#include <duityperegister.h>
#include <duixmldiagnostics.h>
#include <duixmlui.h>

#include "controlstest.h"
#include "duicolorizepass_p.h"

#include <QtCore/qparallelanimationgroup.h>
#include <QtCore/qpointer.h>
#include <QtCore/qpropertyanimation.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicsview.h>

using namespace controlstest;

namespace {

const QString kSelected = QStringLiteral(":/theme/duifw/tab_selected.png");
const QString kHover = QStringLiteral(":/theme/duifw/tab_hover.png");
const QString kNormal = QStringLiteral(":/theme/duifw/tab_normal.png");

DuiTab *tabBar(QGraphicsScene &scene, const QStringList &texts, const QSizeF &size = QSizeF(300, 30))
{
    auto *bar = new DuiTab;
    scene.addItem(bar);
    bar->setObjectName(QStringLiteral("bar"));
    bar->setMinimumSize(0, 0);
    bar->resize(size);
    for (const QString &text : texts)
        bar->insertItem(-1, text, QString(), QString());
    return bar;
}

QStringList texts(const DuiTab &bar)
{
    QStringList out;
    for (int i = 0; i < bar.tabCount(); ++i)
        out << bar.itemText(i);
    return out;
}

QList<QGraphicsSimpleTextItem *> textItems(const DuiTab &bar)
{
    QList<QGraphicsSimpleTextItem *> out;
    for (QGraphicsItem *child : bar.childItems()) {
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(child))
            out << text;
    }
    return out;
}

QList<QPropertyAnimation *> runningSlides(const DuiStackedWidget &stack)
{
    QList<QPropertyAnimation *> out;
    for (QPropertyAnimation *animation : stack.findChildren<QPropertyAnimation *>()) {
        if (animation->state() == QAbstractAnimation::Running)
            out << animation;
    }
    return out;
}

struct Stack
{
    QGraphicsScene scene;
    DuiStackedWidget *stack = new DuiStackedWidget;
    QList<QPointer<DuiWidget>> pages;

    explicit Stack(int count)
    {
        scene.addItem(stack);
        stack->setMinimumSize(0, 0);
        stack->resize(200, 100);
        for (int i = 0; i < count; ++i) {
            auto *page = new DuiWidget;
            page->setObjectName(QStringLiteral("page%1").arg(i));
            page->setMinimumSize(0, 0);
            stack->addItem(page);
            pages << page;
        }
    }
    QList<int> visible() const
    {
        QList<int> out;
        for (int i = 0; i < pages.size(); ++i) {
            if (pages.at(i) && pages.at(i)->isVisible())
                out << i;
        }
        return out;
    }
};

} // namespace

class tst_DuiTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registeredForXml();
    void insertKeepsCurrentAndHovered_data();
    void insertKeepsCurrentAndHovered();
    void removeTab_data();
    void removeTab();
    void selectionSignals();
    void clicksUseLaidOutEdges();
    void hoverAndStateImages();
    void tabLayout();
    void toolTips();
    void fromXml();
    void untintedLook();
    void stackPagesAndFirstSwitch();
    void stackSlides();
    void stackRapidSwitches();
    void stackRemovalAndDeletion();
    void stackSizeModesAndLayout();
    void galleryIsTabbed();
};

void tst_DuiTabs::registeredForXml()
{
    for (const char *name : {"DuiTab", "DuiStackedWidget", "DuiProgressBar", "DuiSliderWidget", "DuiSliderWidgetExt",
                             "DuiSeparateLine", "DuiScrollText"}) {
        QScopedPointer<DuiWidget> w(createWidgetByName(name, nullptr));
        QVERIFY2(w && QByteArray(w->metaObject()->className()) == name, name);
    }
    for (const QString &image : {kNormal, kHover, kSelected, QStringLiteral(":/theme/duifw/tab_pressdown.png"),
                                 QStringLiteral(":/theme/duifw/slider_thumb.png"),
                                 QStringLiteral(":/theme/duifw/slider_background.png"),
                                 QStringLiteral(":/theme/duifw/slider_selected_part.png")})
        QVERIFY2(!DuiTheme::getImage(image, true).isNull(), qPrintable(image));
}

void tst_DuiTabs::insertKeepsCurrentAndHovered_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("append with -1") << -1 << QStringList{"A", "B", "C", "new"};
    QTest::newRow("past the end") << 9 << QStringList{"A", "B", "C", "new"};
    QTest::newRow("below -1") << -7 << QStringList{"A", "B", "C", "new"};
    QTest::newRow("before the current") << 0 << QStringList{"new", "A", "B", "C"};
    QTest::newRow("at the current") << 1 << QStringList{"A", "new", "B", "C"};
    QTest::newRow("at the hovered") << 2 << QStringList{"A", "B", "new", "C"};
}

void tst_DuiTabs::insertKeepsCurrentAndHovered()
{
    QFETCH(int, index);
    QFETCH(QStringList, order);
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {"A", "B", "C"});
    bar->setCurrentIndex(1);
    hover(scene, QPointF(250, 15)); // over C
    QCOMPARE(bar->tabFrame(2)->imagePath(), kHover);

    QCOMPARE(bar->insertItem(index, QStringLiteral("new"), QString(), QString()), 4);
    QCOMPARE(texts(*bar), order);
    QCOMPARE(bar->itemText(bar->currentIndex()), QStringLiteral("B"));
    QCOMPARE(bar->tabFrame(bar->currentIndex())->imagePath(), kSelected);
    // The tab that was hovered is still the hovered one: leaving the bar gives it its normal image.
    const int c = int(order.indexOf(QStringLiteral("C")));
    hover(scene, QPointF(150, 200));
    QCOMPARE(bar->tabFrame(c)->imagePath(), kNormal);
    // Each tab's frame is named after the bar and its index on insertion.
    QCOMPARE(bar->tabFrame(int(order.indexOf(QStringLiteral("new"))))->objectName(),
             QStringLiteral("bar%1").arg(qBound(0, index < 0 ? 3 : index, 3)));
}

void tst_DuiTabs::removeTab_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("current in the middle: the next takes over") << 1 << 1 << "C";
    QTest::newRow("current at the end: the previous takes over") << 3 << 3 << "C";
    QTest::newRow("current first") << 0 << 0 << "B";
    QTest::newRow("before the current") << 2 << 0 << "C";
    QTest::newRow("after the current") << 1 << 3 << "B";
    QTest::newRow("out of range") << 1 << 4 << "B";
}

void tst_DuiTabs::removeTab()
{
    QFETCH(int, current);
    QFETCH(int, removed);
    QFETCH(QString, currentAfter);
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {"A", "B", "C", "D"});
    bar->setCurrentIndex(current);
    QSignalSpy changed(bar, &DuiTab::selectChanged);
    const QPointer<DuiFrameItem> frame = bar->tabFrame(removed);
    const int items = int(scene.items().size());

    bar->removeTab(removed);
    QCOMPARE(bar->itemText(bar->currentIndex()), currentAfter);
    QCOMPARE(bar->tabFrame(bar->currentIndex())->imagePath(), kSelected);
    QCOMPARE(changed.count(), 0);
    if (removed < 4) {
        QCOMPARE(bar->tabCount(), 3);
        QVERIFY(frame.isNull());
        QCOMPARE(int(scene.items().size()), items - 3); // frame, text and icon
        QCOMPARE(textItems(*bar).size(), 3);
    }
    // The last tabs one by one: no tab is current at the end.
    while (bar->tabCount() > 0)
        bar->removeTab(bar->currentIndex());
    QCOMPARE(bar->currentIndex(), -1);
    QCOMPARE(textItems(*bar).size(), 0);
}

void tst_DuiTabs::selectionSignals()
{
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {"A", "B", "C"});
    QSignalSpy changed(bar, &DuiTab::selectChanged);
    for (int invalid : {-1, 3, 100})
        bar->setCurrentIndex(invalid);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(bar->currentIndex(), -1);
    bar->setCurrentIndex(2);
    bar->setCurrentIndex(2);
    QCOMPARE(changed.count(), 2); // every valid call, changed or not
    QCOMPARE(changed.at(1).at(0).toInt(), 2);
    bar->setCurrentIndex(0);
    QCOMPARE(bar->tabFrame(2)->imagePath(), kNormal);
    QCOMPARE(bar->tabFrame(0)->imagePath(), kSelected);
}

void tst_DuiTabs::clicksUseLaidOutEdges()
{
    // 100 pixels over three tabs: slots of 33, 33 and 34. The pointer maps by those edges, not by
    // a fraction of the width (66.5 / 33.3 would say tab 1).
    QGraphicsScene scene(0, 0, 140, 60);
    QGraphicsView view(&scene);
    view.setFixedSize(160, 80);
    DuiTab *bar = tabBar(scene, {"A", "B", "C"}, QSizeF(100, 30));
    bar->setPos(10, 10);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(bar->tabFrame(2)->geometry(), QRectF(66, 0, 34, 30));
    QSignalSpy changed(bar, &DuiTab::selectChanged);
    const auto click = [&](qreal x) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.mapFromScene(bar->mapToScene(x, 15)));
    };
    click(66.5);
    QCOMPARE(bar->currentIndex(), 2);
    click(33.2);
    QCOMPARE(bar->currentIndex(), 1);
    click(33.2); // the current tab again: nothing
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QCOMPARE(bar->tabAt(QPointF(100, 15)), -1); // the right edge belongs to no tab
    QCOMPARE(bar->tabAt(QPointF(-1, 15)), -1);
    QTest::mouseClick(view.viewport(), Qt::RightButton, Qt::NoModifier, view.mapFromScene(bar->mapToScene(5, 15)));
    QCOMPARE(bar->currentIndex(), 1);
}

void tst_DuiTabs::hoverAndStateImages()
{
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {"A", "B", "C"});
    bar->setCurrentIndex(0);
    hover(scene, QPointF(20, 15)); // onto the current tab: it keeps its selected image
    QCOMPARE(bar->tabFrame(0)->imagePath(), kSelected);
    bar->setTabImage(QStringLiteral(":/theme/duifw/button_normal.png|:/theme/duifw/button_hover.png"));
    QCOMPARE(bar->tabImage(), QStringLiteral(":/theme/duifw/button_normal.png|:/theme/duifw/button_hover.png|:/theme/duifw/tab_pressdown.png|") + kSelected);
    QCOMPARE(bar->tabFrame(1)->imagePath(), QStringLiteral(":/theme/duifw/button_normal.png"));
    QCOMPARE(bar->tabFrame(0)->imagePath(), kSelected);
    hover(scene, QPointF(250, 15));
    QCOMPARE(bar->tabFrame(2)->imagePath(), QStringLiteral(":/theme/duifw/button_hover.png"));
}

void tst_DuiTabs::tabLayout()
{
    QTemporaryDir dir;
    const QString icon = solidImage(dir, QStringLiteral("icon"), Qt::red, QSize(16, 16));
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {}, QSizeF(200, 30));
    bar->insertItem(-1, QStringLiteral("Tab"), icon, QString());
    bar->insertItem(-1, QStringLiteral("A text far wider than its slot"), icon, QString());
    bar->insertItem(-1, QStringLiteral("Pinned"), QString(), QString(), 3, 5);
    const QList<QGraphicsSimpleTextItem *> labels = textItems(*bar);
    const auto *iconItem = qgraphicsitem_cast<QGraphicsPixmapItem *>(bar->tabFrame(0)->childItems().value(0));
    QVERIFY(iconItem);

    // Icon and text side by side, centred together in the 66-pixel slot.
    const int tw = int(labels.at(0)->boundingRect().width());
    const qreal start = (66 - 16 - tw) / 2.0;
    QCOMPARE(iconItem->pos(), QPointF(start, 7));
    QCOMPARE(labels.at(0)->pos().x(), start + 16 + 4);
    const qreal th = labels.at(0)->boundingRect().height();
    QCOMPARE(labels.at(0)->pos().y(), std::trunc((30 - th) / 2) + ((int(30 - th) % 2) ? 1 : 0));
    // Too wide: the icon alone, centred.
    QVERIFY(!labels.at(1)->isVisible());
    QCOMPARE(bar->tabFrame(1)->childItems().value(0)->pos(), QPointF(25, 7));
    // marginTop pins the text's top; offset shifts the frame (the last slot absorbs the remainder).
    QCOMPARE(labels.at(2)->pos().y(), 3.0);
    QCOMPARE(bar->tabFrame(2)->geometry(), QRectF(132 + 5, 0, 68, 30));
}

void tst_DuiTabs::toolTips()
{
    QGraphicsScene scene;
    DuiTab *bar = tabBar(scene, {});
    bar->insertItem(-1, QStringLiteral("A"), QString(), QStringLiteral("First"));
    bar->insertItem(-1, QStringLiteral("B"), QString(), QStringLiteral("Second"));
    bar->setEnableToolTip(false); // nothing to detach yet
    QVERIFY(!bar->findChild<DuiToolTip *>());
    bar->setEnableToolTip(true);
    auto *tip = bar->findChild<DuiToolTip *>();
    QVERIFY(tip);
    QCOMPARE(tip->targets(), (QList<DuiWidget *>{bar->tabFrame(0), bar->tabFrame(1)}));
    QCOMPARE(bar->tabFrame(1)->toolTip(), QStringLiteral("Second"));
    bar->insertItem(0, QStringLiteral("C"), QString(), QStringLiteral("Third"));
    QVERIFY(tip->targets().contains(bar->tabFrame(0)));
    bar->setEnableToolTip(false);
    QVERIFY(tip->targets().isEmpty());
    bar->setEnableToolTip(true);
    QCOMPARE(tip->targets().size(), 3);
    QCOMPARE(bar->findChildren<DuiToolTip *>().size(), 1);

    // Frames that take hover events for their tooltips still let the bar track the pointer.
    bar->setCurrentIndex(0);
    hover(scene, QPointF(150, 15));
    QCOMPARE(bar->tabFrame(1)->imagePath(), kHover);
}

void tst_DuiTabs::fromXml()
{
    DuiWidget panel;
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiWidget layout="VBox">
        <DuiTab objectName="second" currentIndex="2" fixSize="300,30">
          <TabData><tab text="One" toolTip="1"/><tab text="Two" marginTop="4"/><tab text="Three" offset="2"/></TabData>
        </DuiTab>
        <DuiTab objectName="first" fixSize="300,30"><TabData><tab text="Only"/></TabData></DuiTab>
        <DuiTab objectName="outOfRange" currentIndex="7"><TabData><tab text="X"/><tab text="Y"/></TabData></DuiTab>
        </DuiWidget></xmlui>)"), &panel));
    auto *second = panel.findChild<DuiTab *>(QStringLiteral("second"));
    QVERIFY(second);
    QCOMPARE(texts(*second), (QStringList{"One", "Two", "Three"}));
    QCOMPARE(second->currentIndex(), 2); // the attribute outlives the data that follows it
    QCOMPARE(second->property("tabCount").toInt(), 3);
    QVERIFY(second->property("data").toList().isEmpty());
    QCOMPARE(panel.findChild<DuiTab *>(QStringLiteral("first"))->currentIndex(), 0);
    QCOMPARE(panel.findChild<DuiTab *>(QStringLiteral("outOfRange"))->currentIndex(), 0);
    QCOMPARE(second->property("colorizePolicy").toInt(), int(DuiWidget::UnColorableFlag));
}

void tst_DuiTabs::untintedLook()
{
    // By default the tabs are not tinted: the same pixels under every colour row; only the texts
    // follow the skin.
    QList<QImage> shots;
    QList<QColor> textColours;
    for (int row : {0, 4}) {
        DuiTheme::setColorThemeOnly(row);
        QGraphicsScene scene;
        DuiTab *bar = tabBar(scene, {"", "", ""});
        bar->insertItem(-1, QStringLiteral("Text"), QString(), QString());
        bar->setCurrentIndex(1);
        duiColorizeItems(scene.items(), DuiTheme::getColor(DuiTheme::BaseColor));
        shots << render(scene, QRectF(0, 0, 225, 30));
        textColours << textItems(*bar).at(3)->brush().color();
    }
    DuiTheme::setColorThemeOnly(0);
    QCOMPARE(shots.at(0), shots.at(1));
    QVERIFY(textColours.at(0) != textColours.at(1));
    // Selected: a white face under an accent bar; the others stand on a grey base line.
    const QImage &shot = shots.at(0);
    QCOMPARE(shot.pixelColor(112, 15), QColor(Qt::white));
    QVERIFY(qGray(shot.pixel(112, 0)) < 120);
    QVERIFY(qGray(shot.pixel(20, 29)) < 230);
    QCOMPARE(shot.pixelColor(112, 29), QColor(Qt::white));
}

void tst_DuiTabs::stackPagesAndFirstSwitch()
{
    Stack s(3);
    QCOMPARE(s.stack->count(), 3);
    QCOMPARE(s.stack->currentIndex(), -1);
    QCOMPARE(s.visible(), QList<int>());
    DuiWidget stranger;
    s.stack->setCurrentWidget(&stranger);
    QCOMPARE(s.stack->currentIndex(), -1);

    // The first switch never slides, whatever the effect.
    s.stack->setEffectType(DuiStackedWidget::SlideInOutEffect);
    s.stack->setCurrentWidget(s.pages.at(2));
    QCOMPARE(s.stack->currentIndex(), 2);
    QVERIFY(!s.stack->isAnimating());
    QCOMPARE(s.visible(), QList<int>{2});
    QCOMPARE(s.pages.at(2)->geometry(), QRectF(0, 0, 200, 100));

    // An effect this version does not know switches at once.
    s.stack->setEffectType(DuiStackedWidget::EffectType(7));
    s.stack->setCurrentIndex(0);
    QVERIFY(!s.stack->isAnimating());
    QCOMPARE(s.visible(), QList<int>{0});
    for (int ignored : {-1, 3, 0})
        s.stack->setCurrentIndex(ignored);
    QCOMPARE(s.stack->currentIndex(), 0);

    // Pages from XML, and the tab bar driving the stack.
    DuiWidget panel;
    QVERIFY(DuiXmlUI::createFromMemory(std::string(R"(<xmlui><DuiWidget layout="VBox">
        <DuiTab objectName="tabs" fixHeight="30"><TabData><tab text="A"/><tab text="B"/></TabData></DuiTab>
        <DuiStackedWidget objectName="pages" effectType="SlideInOutEffect" currentIndex="1" layout="VBox">
          <DuiWidget objectName="a"/><DuiWidget objectName="b"/>
        </DuiStackedWidget></DuiWidget></xmlui>)"), &panel));
    auto *stack = panel.findChild<DuiStackedWidget *>(QStringLiteral("pages"));
    QVERIFY(stack);
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->effectType(), DuiStackedWidget::SlideInOutEffect);
    QCOMPARE(stack->layout(), nullptr);
    QVERIFY(stack->flags() & QGraphicsItem::ItemClipsChildrenToShape);
    // The index from XML arrives before the pages and is shown once they are there.
    QCOMPARE(stack->currentIndex(), 1);
    QVERIFY(panel.findChild<DuiWidget *>(QStringLiteral("b"))->isVisible());
    QVERIFY(!panel.findChild<DuiWidget *>(QStringLiteral("a"))->isVisible());
    auto *tabs = panel.findChild<DuiTab *>(QStringLiteral("tabs"));
    QObject::connect(tabs, &DuiTab::selectChanged, stack, &DuiStackedWidget::setCurrentIndex);
    tabs->setCurrentIndex(0);
    QCOMPARE(stack->currentIndex(), 0);
}

void tst_DuiTabs::stackSlides()
{
    Stack s(3);
    s.stack->setEffectType(DuiStackedWidget::SlideInOutEffect);
    s.stack->setCurrentIndex(0);
    const QRectF left(-200, 0, 200, 100), centre(0, 0, 200, 100), right(200, 0, 200, 100);
    const auto slideOf = [&s](int page) -> QPropertyAnimation * {
        for (QPropertyAnimation *animation : runningSlides(*s.stack)) {
            if (animation->targetObject() == s.pages.at(page))
                return animation;
        }
        return nullptr;
    };
    // Forward: in from the right, out to the left.
    s.stack->setCurrentIndex(2);
    QVERIFY(s.stack->isAnimating());
    QCOMPARE(s.stack->currentIndex(), 2);
    QVERIFY(slideOf(2) && slideOf(0));
    QCOMPARE(slideOf(2)->startValue().toRectF(), right);
    QCOMPARE(slideOf(2)->endValue().toRectF(), centre);
    QCOMPARE(slideOf(0)->endValue().toRectF(), left);
    QCOMPARE(slideOf(2)->duration(), 300);
    QCOMPARE(s.visible(), (QList<int>{0, 2}));
    QTRY_VERIFY(!s.stack->isAnimating());
    QCOMPARE(s.visible(), QList<int>{2});
    QCOMPARE(s.pages.at(0)->geometry(), centre);

    // Backward: in from the left, out to the right.
    s.stack->setCurrentIndex(0);
    QCOMPARE(slideOf(0)->startValue().toRectF(), left);
    QCOMPARE(slideOf(2)->endValue().toRectF(), right);
    QTRY_VERIFY(!s.stack->isAnimating());
    QCOMPARE(s.visible(), QList<int>{0});
}

void tst_DuiTabs::stackRapidSwitches()
{
    // Three switches inside one slide's time: one slide at most runs, and when it ends only the
    // current page shows, in place.
    Stack s(4);
    s.stack->setEffectType(DuiStackedWidget::SlideInOutEffect);
    s.stack->setCurrentIndex(0);
    for (int page : {1, 2, 3}) {
        s.stack->setCurrentIndex(page);
        QCOMPARE(s.visible(), (QList<int>{page - 1, page})); // the page cut short has left
        QTest::qWait(30);
        QCOMPARE(runningSlides(*s.stack).size(), 2);
    }
    s.stack->setCurrentIndex(1);
    QCOMPARE(s.visible(), (QList<int>{1, 3}));
    QTRY_VERIFY(!s.stack->isAnimating());
    QCOMPARE(runningSlides(*s.stack).size(), 0);
    QCOMPARE(s.stack->currentIndex(), 1);
    QCOMPARE(s.visible(), QList<int>{1});
    for (const QPointer<DuiWidget> &page : s.pages)
        QCOMPARE(page->geometry(), QRectF(0, 0, 200, 100));
}

void tst_DuiTabs::stackRemovalAndDeletion()
{
    Stack s(4);
    s.stack->setCurrentIndex(2);
    s.stack->removeItem(0); // before the current
    QCOMPARE(s.stack->currentIndex(), 1);
    QCOMPARE(s.stack->widgetAt(1), s.pages.at(2).data());
    s.stack->removeItem(s.pages.at(2)); // the current: the next page takes over
    QCOMPARE(s.stack->widgetAt(s.stack->currentIndex()), s.pages.at(3).data());
    QCOMPARE(s.visible(), (QList<int>{3}));
    s.stack->removeItem(9);
    QCOMPARE(s.stack->count(), 2);

    // The application deletes pages, even the current one in the middle of a slide.
    s.stack->setEffectType(DuiStackedWidget::SlideInOutEffect);
    s.stack->setCurrentIndex(0); // page1, sliding in
    QVERIFY(s.stack->isAnimating());
    delete s.pages.at(1).data();
    QVERIFY(!s.stack->isAnimating());
    QCOMPARE(s.stack->count(), 1);
    QCOMPARE(s.stack->currentIndex(), 0);
    QCOMPARE(s.visible(), QList<int>{3});
    s.stack->resize(120, 60);
    QCOMPARE(s.pages.at(3)->geometry(), QRectF(0, 0, 120, 60));
    delete s.pages.at(3).data();
    QCOMPARE(s.stack->count(), 0);
    QCOMPARE(s.stack->currentIndex(), -1);
    s.stack->resize(100, 50);
    QTest::qWait(20); // the stopped slide's deferred deletion runs without its pages
}

void tst_DuiTabs::stackSizeModesAndLayout()
{
    Stack s(2);
    s.pages.at(1)->resize(200, 120);
    s.stack->setChildWidgetSizeMode(DuiStackedWidget::adjustMode);
    s.stack->setCurrentIndex(1);
    QCOMPARE(s.stack->size(), QSizeF(200, 120));

    auto *layout = new QGraphicsLinearLayout;
    s.stack->setLayout(layout);
    QCOMPARE(s.stack->layout(), nullptr);
    delete layout;
    s.stack->setLayout(DuiWidget::VBox);
    QCOMPARE(s.stack->layout(), nullptr);
}

void tst_DuiTabs::galleryIsTabbed()
{
    // One tab per page, and the progress and sliders page builds without a skipped attribute.
    const QString dir = QStringLiteral(DUI_TEST_SOURCE_DIR "/../../examples/gallery/");
    {
        DuiWidget panel;
        DuiXmlDiagnostics diagnostics;
        QVERIFY(DuiXmlUI::createFromFile(dir + QStringLiteral("values.xml"), &panel));
        QStringList problems;
        for (const DuiXmlDiagnostics::Record &record : diagnostics.records())
            problems << record.toString();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QCOMPARE(panel.findChild<DuiTab *>(QStringLiteral("demoTabs"))->currentIndex(), 1);
        QCOMPARE(panel.findChild<DuiStackedWidget *>(QStringLiteral("demoPages"))->currentIndex(), 1);
    }
    QPointer<DuiFrameWindow> window = DuiXmlUI::createFromFile(dir + QStringLiteral("gallery.xml"), nullptr);
    QVERIFY(window);
    auto *tabs = window->findChild<DuiTab *>(QStringLiteral("galleryTabs"));
    auto *pages = window->findChild<DuiStackedWidget *>(QStringLiteral("galleryPages"));
    QVERIFY(tabs && pages);
    QCOMPARE(tabs->tabCount(), pages->count());
    QCOMPARE(pages->effectType(), DuiStackedWidget::SlideInOutEffect);
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(pages->widgetAtByName(QStringLiteral("valuesPanel")));
    delete window.data();
}

QTEST_MAIN(tst_DuiTabs)
#include "tst_duitabs.moc"
