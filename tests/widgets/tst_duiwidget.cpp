// SPDX-License-Identifier: MIT
#include <duispaceritem.h>
#include <duitheme.h>
#include <duiwidget.h>

#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsanchorlayout.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicslinearlayout.h>
#include <QtWidgets/qgraphicsscene.h>

class tst_DuiWidget : public QObject
{
    Q_OBJECT

private slots:
    void defaultNamesCount();
    void initialState();
    void layoutTypeReadsBack_data();
    void layoutTypeReadsBack();
    void noLayoutMeansNoOp();
    void spacingAndMarginsFollowLayout();
    void boxGeometry();
    void spacerPushesToTheEnds();
    void insertAndRemoveItems();
    void itemSpacingAndAlignment();
    void anchorText_data();
    void anchorText();
    void anchorGeometry();
    void anchorOnlyLeft();
    void anchorInNonAnchorParentIsIgnored();
    void writeOnlyPropertiesReadDefaults();
    void sizeProperties();
    void backgroundColorOnlyWritesOnChange();
    void colorizeByPolicy();
    void disableStatusKeepsColorizeEffect();
    void absurdSizeIsNotTintedOffscreen();
    void xmlPathRegistry();
    void invokables();

private:
    static void settle(QGraphicsWidget *root);
};

void tst_DuiWidget::settle(QGraphicsWidget *root)
{
    if (root->layout())
        root->layout()->activate();
    QCoreApplication::processEvents();
}

void tst_DuiWidget::defaultNamesCount()
{
    DuiWidget a;
    DuiWidget b;
    const QString prefix = QStringLiteral("NoNameWidget");
    QVERIFY(a.objectName().startsWith(prefix));
    QVERIFY(b.objectName().startsWith(prefix));
    const int na = a.objectName().mid(prefix.size()).toInt();
    const int nb = b.objectName().mid(prefix.size()).toInt();
    QCOMPARE(nb, na + 1);
    QVERIFY(!a.objectName().mid(prefix.size()).startsWith(QLatin1Char('0')) || na == 0);
}

void tst_DuiWidget::initialState()
{
    DuiWidget w;
    QCOMPARE(w.layout(), nullptr);
    QCOMPARE(w.layoutType(), DuiWidget::Linear);
    QCOMPARE(w.dragPolicy(), DuiWidget::DragWithParentFlag);
    QCOMPARE(w.colorizePolicy(), DuiWidget::FollowParent);
    QCOMPARE(w.themeColorType(), 0);
    QCOMPARE(w.backgroundColor(), QColor(0, 0, 0, 0));
    QCOMPARE(w.focusPolicy(), Qt::ClickFocus);
    QCOMPARE(w.hitTest(QPointF(3, 4)), DuiWidget::DragWithParentFlag);
    qreal l, t, r, b;
    w.getContentsMargins(&l, &t, &r, &b);
    QCOMPARE(QMarginsF(l, t, r, b), QMarginsF(0, 0, 0, 0));
    const QSizeF limit = QSizeF(DuiTheme::virtualScreenSize()) * 2.0;
    QVERIFY(!limit.isEmpty());
    QCOMPARE(w.maximumSize(), limit);
    QCOMPARE(w.preferredSize(), limit);
}

void tst_DuiWidget::layoutTypeReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("hasLayout");
    QTest::newRow("VBox") << "VBox" << int(DuiWidget::Linear) << true;
    QTest::newRow("HBox") << "HBox" << int(DuiWidget::Linear) << true;
    QTest::newRow("Anchor") << "Anchor" << int(DuiWidget::Anchor) << true;
    QTest::newRow("Linear") << "Linear" << int(DuiWidget::Linear) << false;
}

void tst_DuiWidget::layoutTypeReadsBack()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(bool, hasLayout);
    DuiWidget w;
    const QMetaEnum e = QMetaEnum::fromType<DuiWidget::LayoutType>();
    QVERIFY(w.setProperty("layout", e.keyToValue(text.toLatin1())));
    QCOMPARE(int(w.property("layout").value<DuiWidget::LayoutType>()), expected);
    QCOMPARE(w.layout() != nullptr, hasLayout);
}

void tst_DuiWidget::noLayoutMeansNoOp()
{
    DuiWidget w;
    auto *child = new DuiWidget(&w);
    w.addItem(child);
    w.setSpacing(7);
    w.setMargins(QMargins(1, 2, 3, 4));
    QCOMPARE(w.layout(), nullptr);
    QCOMPARE(w.margins(), QMargins());

    // Installing then removing a layout: an out-of-range type removes the layout object but
    // leaves the layout type as it was.
    w.setLayout(DuiWidget::Anchor);
    QVERIFY(w.layout());
    w.setLayout(DuiWidget::LayoutType(-1));
    QCOMPARE(w.layout(), nullptr);
    QCOMPARE(w.layoutType(), DuiWidget::Anchor);
}

void tst_DuiWidget::spacingAndMarginsFollowLayout()
{
    DuiWidget before;
    before.setSpacing(9);
    before.setMargins(QMargins(5, 5, 5, 5));
    before.setLayout(DuiWidget::HBox);
    auto *linear = static_cast<QGraphicsLinearLayout *>(before.layout());
    QCOMPARE(linear->spacing(), 0.0);
    QCOMPARE(before.margins(), QMargins(0, 0, 0, 0));

    DuiWidget after;
    after.setLayout(DuiWidget::VBox);
    after.setSpacing(9);
    after.setMargins(QMargins(2, 1, 4, 3));
    QCOMPARE(static_cast<QGraphicsLinearLayout *>(after.layout())->spacing(), 9.0);
    QCOMPARE(after.margins(), QMargins(2, 1, 4, 3));
    QCOMPARE(after.spacing(), 0); // never read back

    // Installing another layout resets both.
    after.setLayout(DuiWidget::HBox);
    QCOMPARE(after.margins(), QMargins(0, 0, 0, 0));
    QCOMPARE(static_cast<QGraphicsLinearLayout *>(after.layout())->spacing(), 0.0);

    DuiWidget anchored;
    anchored.setLayout(DuiWidget::Anchor);
    anchored.setSpacing(6);
    auto *anchorLayout = static_cast<QGraphicsAnchorLayout *>(anchored.layout());
    QCOMPARE(anchorLayout->horizontalSpacing(), 6.0);
    QCOMPARE(anchorLayout->verticalSpacing(), 6.0);
}

void tst_DuiWidget::boxGeometry()
{
    QGraphicsScene scene;
    auto *root = new DuiWidget;
    scene.addItem(root);
    root->setLayout(DuiWidget::VBox);
    root->setMargins(QMargins(4, 3, 2, 1));
    root->setSpacing(5);
    auto *a = new DuiWidget(root);
    auto *b = new DuiWidget(root);
    a->setFixHeight(20);
    b->setFixHeight(30);
    root->addItem(a);
    root->addItem(b);
    root->resize(100, 200);
    settle(root);

    QCOMPARE(a->geometry().topLeft(), QPointF(4, 3));
    QCOMPARE(a->size().width(), 94.0);
    QCOMPARE(a->size().height(), 20.0);
    QCOMPARE(b->geometry().top(), 3.0 + 20 + 5);
    QCOMPARE(a->height(), 20);
    QCOMPARE(b->fixHeight(), 30);
}

void tst_DuiWidget::spacerPushesToTheEnds()
{
    QGraphicsScene scene;
    auto *row = new DuiWidget;
    scene.addItem(row);
    row->setLayout(DuiWidget::HBox);
    auto *left = new DuiWidget(row);
    left->setFixSize(QSizeF(70, 24));
    auto *spacer = new DuiSpacerItem(row);
    auto *right = new DuiWidget(row);
    right->setFixSize(QSizeF(70, 24));
    row->addItem(left);
    row->addItem(spacer);
    row->addItem(right);
    row->resize(400, 24);
    settle(row);

    QCOMPARE(left->x(), 0.0);
    QCOMPARE(right->x(), 330.0);
    QCOMPARE(spacer->size().width(), 260.0);
    QVERIFY(spacer->flags() & QGraphicsItem::ItemHasNoContents);
    QCOMPARE(spacer->acceptedMouseButtons(), Qt::NoButton);
    QVERIFY(!spacer->acceptHoverEvents());
}

void tst_DuiWidget::insertAndRemoveItems()
{
    DuiWidget root;
    root.setLayout(DuiWidget::HBox);
    DuiWidget *items[3];
    for (auto *&item : items)
        item = new DuiWidget(&root);
    root.addItem(items[0]);
    root.addItem(items[1]);
    root.insertItem(0, items[2]);
    auto *linear = static_cast<QGraphicsLinearLayout *>(root.layout());
    QCOMPARE(linear->count(), 3);
    QCOMPARE(linear->itemAt(0), items[2]);
    QCOMPARE(linear->itemAt(1), items[0]);
    // An index past the end appends.
    root.removeItem(items[2]);
    root.insertItem(99, items[2]);
    QCOMPARE(linear->itemAt(2), items[2]);
    root.removeItem(items[0]);
    QCOMPARE(linear->count(), 2);
    root.addItem(nullptr);
    QCOMPARE(linear->count(), 2);

    // A widget cannot be laid out inside itself or inside its own descendant: such a layout
    // would contain itself, and Qt crashes or loops for ever sizing it.
    root.addItem(&root);
    QCOMPARE(linear->count(), 2);
    items[0]->setLayout(DuiWidget::VBox);
    items[0]->addItem(&root);
    QCOMPARE(items[0]->layout()->count(), 0);
    root.resize(100, 40);
    settle(&root);
    QCOMPARE(root.size(), QSizeF(100, 40));

    // Anchor layouts take children through their anchors only; removal finds the item.
    DuiWidget anchored;
    anchored.setLayout(DuiWidget::Anchor);
    auto *child = new DuiWidget(&anchored);
    anchored.addItem(child);
    QCOMPARE(anchored.layout()->count(), 0);
    child->setAnchorString(QStringLiteral("Left:0|Right:0|Top:0|Bottom:0"));
    QCOMPARE(anchored.layout()->count(), 1);
    anchored.removeItem(child);
    QCOMPARE(anchored.layout()->count(), 0);
}

void tst_DuiWidget::itemSpacingAndAlignment()
{
    DuiWidget root;
    root.setLayout(DuiWidget::VBox);
    auto *a = new DuiWidget(&root);
    auto *b = new DuiWidget(&root);
    root.addItem(a);
    root.addItem(b);
    a->setItemSpacing(12);
    a->setAlignment(Qt::AlignRight | Qt::AlignTop);
    auto *linear = static_cast<QGraphicsLinearLayout *>(root.layout());
    QCOMPARE(linear->itemSpacing(0), 12.0);
    QCOMPARE(linear->alignment(a), Qt::AlignRight | Qt::AlignTop);
    QCOMPARE(a->alignment(), Qt::AlignCenter);
    QCOMPARE(a->itemSpacing(), 0);

    // Without a DuiWidget parent both are ignored.
    DuiWidget orphan;
    orphan.setItemSpacing(3);
    orphan.setAlignment(Qt::AlignLeft);
}

void tst_DuiWidget::anchorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("expected"); // four targets, then four distances
    QTest::newRow("full") << "Left:6|Left:26|Top:4|Top:24" << QList<int>{0, 0, 3, 3, 6, 26, 4, 24};
    QTest::newRow("bad names and numbers") << "Foo:5|Right:x" << QList<int>{0, 2, 0, 0, 5, 0, 0, 0};
    QTest::newRow("five entries") << "Right:1|Right:2|Bottom:3|Bottom:4|VCenter:5"
                                  << QList<int>{2, 2, 5, 5, 1, 2, 3, 4};
    QTest::newRow("negative and extra pieces") << "HCenter:-7:9|VCenter:3" << QList<int>{1, 4, 0, 0, -7, 3, 0, 0};
    QTest::newRow("no colon") << "Left|Right:4" << QList<int>{0, 2, 0, 0, 0, 4, 0, 0};
    QTest::newRow("case matters") << "left:4|RIGHT:5" << QList<int>{0, 0, 0, 0, 4, 5, 0, 0};
    QTest::newRow("empty") << "" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
}

void tst_DuiWidget::anchorText()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, expected);
    const AnchorInfo info = AnchorInfo::fromString(text);
    QList<int> actual;
    for (int i = 0; i < 4; ++i)
        actual << info.targetPoint[i];
    for (int i = 0; i < 4; ++i)
        actual << info.distance[i];
    QCOMPARE(actual, expected);
}

void tst_DuiWidget::anchorGeometry()
{
    QGraphicsScene scene;
    auto *root = new DuiWidget;
    scene.addItem(root);
    root->setLayout(DuiWidget::Anchor);
    auto *icon = new DuiWidget(root);
    icon->setAnchorString(QStringLiteral("Left:6|Left:26|Top:4|Top:24"));
    auto *band = new DuiWidget(root);
    band->setAnchorString(QStringLiteral("Left:0|Right:10|Bottom:28|Bottom:0"));
    auto *centred = new DuiWidget(root);
    centred->setFixSize(QSizeF(20, 10));
    centred->setAnchor(AnchorInfo::fromString(QStringLiteral("HCenter:-10|HCenter:10|VCenter:-5|VCenter:5")));
    root->resize(340, 160);
    settle(root);

    QCOMPARE(icon->geometry(), QRectF(6, 4, 20, 20));
    QCOMPARE(band->geometry(), QRectF(0, 132, 330, 28));
    QCOMPARE(centred->geometry(), QRectF(160, 75, 20, 10));
}

void tst_DuiWidget::anchorOnlyLeft()
{
    QGraphicsScene scene;
    auto *root = new DuiWidget;
    scene.addItem(root);
    root->setLayout(DuiWidget::Anchor);
    auto *w = new DuiWidget(root);
    w->setAnchorString(QStringLiteral("Left:10"));
    auto *anchorLayout = static_cast<QGraphicsAnchorLayout *>(root->layout());
    // Left edge at 10 and right edge at the parent's left; no vertical anchors at all.
    QGraphicsAnchor *left = anchorLayout->anchor(w, Qt::AnchorLeft, anchorLayout, Qt::AnchorLeft);
    QGraphicsAnchor *right = anchorLayout->anchor(w, Qt::AnchorRight, anchorLayout, Qt::AnchorLeft);
    QVERIFY(left);
    QVERIFY(right);
    QCOMPARE(left->spacing(), 10.0);
    QCOMPARE(right->spacing(), 0.0);
    QCOMPARE(anchorLayout->anchor(w, Qt::AnchorTop, anchorLayout, Qt::AnchorTop), nullptr);
    QCOMPARE(anchorLayout->anchor(w, Qt::AnchorBottom, anchorLayout, Qt::AnchorTop), nullptr);
}

void tst_DuiWidget::anchorInNonAnchorParentIsIgnored()
{
    DuiWidget box;
    box.setLayout(DuiWidget::HBox);
    auto *w = new DuiWidget(&box);
    box.addItem(w);
    w->setAnchorString(QStringLiteral("Left:6|Left:26|Top:4|Top:24"));
    QCOMPARE(box.layout()->count(), 1);

    DuiWidget orphan;
    orphan.setAnchorString(QStringLiteral("Left:6|Left:26|Top:4|Top:24"));
    QCOMPARE(orphan.layout(), nullptr);
}

void tst_DuiWidget::writeOnlyPropertiesReadDefaults()
{
    DuiWidget root;
    root.setLayout(DuiWidget::Anchor);
    auto *w = new DuiWidget(&root);
    QVERIFY(w->setProperty("anchorString", QStringLiteral("Left:6|Left:26|Top:4|Top:24")));
    QCOMPARE(w->property("anchorString").toString(), QString());
    const AnchorInfo readBack = w->property("anchor").value<AnchorInfo>();
    QCOMPARE(readBack, AnchorInfo());
    QCOMPARE(w->property("spacing").toInt(), 0);
    QCOMPARE(w->property("itemSpacing").toInt(), 0);
    QCOMPARE(w->property("alignment").value<Qt::Alignment>(), Qt::AlignCenter);
    QVERIFY(QMetaType::fromName("AnchorInfo").isValid());
}

void tst_DuiWidget::sizeProperties()
{
    DuiWidget w;
    w.setProperty("fixSize", QSizeF(70, 24));
    QCOMPARE(w.minimumSize(), QSizeF(70, 24));
    QCOMPARE(w.maximumSize(), QSizeF(70, 24));
    QCOMPARE(w.preferredSize(), QSizeF(70, 24));
    w.setProperty("fixWidth", 33);
    QCOMPARE(w.minimumWidth(), 33.0);
    QCOMPARE(w.maximumWidth(), 33.0);
    w.setProperty("minHeight", 5.5);
    QCOMPARE(w.property("minHeight").toReal(), 5.5);
    w.setProperty("maxSize", QSizeF(300, 200));
    QCOMPARE(w.property("maxSize").toSizeF(), QSizeF(300, 200));

    // height and width resize the item and read back truncated.
    DuiWidget free;
    free.setMinimumSize(0, 0);
    free.resize(10.75, 10.75);
    QCOMPARE(free.property("width").toInt(), 10);
    free.setProperty("height", 40);
    QCOMPARE(free.size(), QSizeF(10.75, 40));
    free.setProperty("width", 25);
    QCOMPARE(free.size(), QSizeF(25, 40));
    QCOMPARE(free.property("width").metaType().id(), int(QMetaType::Int));
}

void tst_DuiWidget::backgroundColorOnlyWritesOnChange()
{
    DuiWidget w;
    QCOMPARE(w.autoFillBackground(), false);
    // The stored default: writing it again changes nothing, not even auto-fill.
    w.setBackgroundColor(QColor(0, 0, 0, 0));
    QCOMPARE(w.autoFillBackground(), false);
    w.setBackgroundColor(QColor(10, 20, 30));
    QVERIFY(w.autoFillBackground());
    QCOMPARE(w.palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(w.property("backgroundColor").value<QColor>(), QColor(10, 20, 30));

    // Rendering fills the widget with the colour.
    QGraphicsScene scene;
    auto *painted = new DuiWidget;
    scene.addItem(painted);
    painted->setMinimumSize(0, 0);
    painted->resize(8, 8);
    painted->setBackgroundColor(QColor(200, 0, 0));
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    scene.render(&p, QRectF(0, 0, 8, 8), QRectF(0, 0, 8, 8));
    p.end();
    QCOMPARE(image.pixelColor(4, 4), QColor(200, 0, 0));
}

void tst_DuiWidget::colorizeByPolicy()
{
    DuiWidget follow;
    follow.colorize(0xFF123456);
    QCOMPARE(follow.graphicsEffect(), nullptr);

    DuiWidget colorable;
    colorable.setColorizePolicy(DuiWidget::ColorableFlag);
    colorable.colorize(0xFF123456);
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(colorable.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color(), QColor(0x12, 0x34, 0x56));
    colorable.colorize(0xFF654321);
    QCOMPARE(colorable.graphicsEffect(), effect); // updated, not replaced

    // A theme colour type replaces the colour passed in.
    DuiWidget typed;
    typed.setColorizePolicy(DuiWidget::ColorableFlag);
    typed.setThemeColorType(DuiTheme::LineColor);
    typed.colorize(0xFF123456);
    effect = qobject_cast<QGraphicsColorizeEffect *>(typed.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color().rgba(), DuiTheme::getColor(DuiTheme::LineColor));

    // Un-colorable widgets lose whatever effect they had.
    typed.setColorizePolicy(DuiWidget::UnColorableFlag);
    typed.colorize(0xFF123456);
    QCOMPARE(typed.graphicsEffect(), nullptr);
}

namespace {
class DisableProbe : public DuiWidget
{
public:
    using DuiWidget::setDisableStatus;
};
} // namespace

void tst_DuiWidget::disableStatusKeepsColorizeEffect()
{
    DisableProbe w;
    w.setDisableStatus();
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(w.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color(), QColor(Qt::gray));
    effect->setColor(Qt::red);
    w.setDisableStatus();
    QCOMPARE(w.graphicsEffect(), effect);
    QCOMPARE(effect->color(), QColor(Qt::red));

    // Another kind of effect is replaced by the grey one.
    DisableProbe blurred;
    blurred.setGraphicsEffect(new QGraphicsBlurEffect);
    blurred.setDisableStatus();
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(blurred.graphicsEffect()));
}

void tst_DuiWidget::absurdSizeIsNotTintedOffscreen()
{
    // A tinted item is rendered whole into one offscreen pixmap; one two billion pixels high
    // would take minutes and gigabytes, so it is drawn untinted. A normal one keeps its tint.
    QGraphicsScene scene;
    auto *huge = new DuiWidget;
    auto *normal = new DuiWidget;
    scene.addItem(huge);
    scene.addItem(normal);
    for (DuiWidget *w : {huge, normal}) {
        w->setColorizePolicy(DuiWidget::ColorableFlag);
        w->setBackgroundColor(QColor(200, 200, 200));
        w->colorize(0xFFFF0000);
    }
    huge->setMaximumSize(1e9, 1e9);
    huge->setGeometry(QRectF(0, 0, 100, 2147483647.0));
    normal->setGeometry(QRectF(200, 0, 100, 100));
    QImage image(300, 50, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 300, 50), QRectF(0, 0, 300, 50));
    painter.end();
    QCOMPARE(image.pixelColor(50, 25), QColor(200, 200, 200)); // drawn, untinted
    const QColor tinted = image.pixelColor(250, 25);
    QVERIFY2(tinted.red() > tinted.green() && tinted.red() > tinted.blue(), qPrintable(tinted.name()));
    QVERIFY(qobject_cast<QGraphicsColorizeEffect *>(huge->graphicsEffect()));
}

void tst_DuiWidget::xmlPathRegistry()
{
    auto *w = new DuiWidget;
    QCOMPARE(w->property("xmlPath").toString(), QString());
    QVERIFY(w->setProperty("xmlPath", QStringLiteral("layout/panel.xml")));
    QCOMPARE(w->property("xmlPath").toString(), QStringLiteral("layout/panel.xml"));
    const QMetaProperty prop = w->metaObject()->property(w->metaObject()->indexOfProperty("xmlPath"));
    QVERIFY(!prop.isScriptable());
    delete w;
    // A new widget at the same address must not inherit the old entry.
    auto *again = new DuiWidget;
    QCOMPARE(again->property("xmlPath").toString(), QString());
    delete again;
}

void tst_DuiWidget::invokables()
{
    const QMetaObject *mo = &DuiWidget::staticMetaObject;
    QStringList signatures;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        signatures << QString::fromLatin1(mo->method(i).methodSignature());
    // moc records quint32 and qint32 as the types they stand for.
    QCOMPARE(signatures, QStringList({QStringLiteral("addItem(DuiWidget*)"), QStringLiteral("removeItem(DuiWidget*)"),
                                      QStringLiteral("insertItem(uint,DuiWidget*)"),
                                      QStringLiteral("setWidgetPos(int,int)")}));

    DuiWidget root;
    root.setLayout(DuiWidget::VBox);
    auto *child = new DuiWidget(&root);
    QVERIFY(QMetaObject::invokeMethod(&root, "addItem", Q_ARG(DuiWidget *, child)));
    QCOMPARE(root.layout()->count(), 1);
    QVERIFY(QMetaObject::invokeMethod(child, "setWidgetPos", Q_ARG(qint32, 17), Q_ARG(qint32, 99)));
    QCOMPARE(child->x(), 17.0);
}

QTEST_MAIN(tst_DuiWidget)
#include "tst_duiwidget.moc"
