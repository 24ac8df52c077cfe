// SPDX-License-Identifier: MIT
#include <duibuttongroup.h>
#include <duicheckbox.h>
#include <duiframeitem.h>
#include <duilabelwidget.h>
#include <duipushbutton.h>
#include <duiradiobutton.h>
#include <duityperegister.h>
#include <duixmlui.h>

#include "controlstest.h"

#include <QtCore/qpointer.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicslinearlayout.h>

using namespace controlstest;

class tst_DuiButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredForXml();
    void defaultImagesExist();
    void imagePathParts();
    void stateImagesRendered();
    void clickSignals();
    void checkableCycle();
    void pressMoveOutRelease();
    void textAndIconLayout();
    void styleFlagsFromText();
    void settingsBeforeTheLabelExists();
    void enablingModes();
    void backgroundPassThrough();
    void absurdTexts();
    void styleWithAForeignLayout();
    void checkBoxSignals();
    void checkBoxImagesAndLayout();
    void radioGroupIsExclusive();
    void radioLeavesTheGroup();

private:
    QTemporaryDir m_dir;
};

void tst_DuiButtons::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_DuiButtons::registeredForXml()
{
    for (const char *name : {"DuiPushButton", "DuiCheckBox", "DuiRadioButton", "DuiButtonGroup", "DuiLabelWidget",
                             "DuiHtmlLabelWidget", "DuiEditLabel", "DuiLineEdit"}) {
        QScopedPointer<DuiWidget> w(createWidgetByName(name, nullptr));
        QVERIFY2(w, name);
        QCOMPARE(w->metaObject()->className(), name);
    }
}

void tst_DuiButtons::defaultImagesExist()
{
    QStringList names = {"button_normal", "button_hover", "button_pressdown", "button_disable", "edit_background",
                         "edit_background_disable"};
    for (const char *kind : {"checkbox", "radiobox"})
        for (const char *state : {"selected_normal", "selected_hover", "selected_pressdown", "selected_disable",
                                  "default_normal", "default_hover", "default_pressdown", "default_disable"})
            names << QStringLiteral("%1_%2").arg(QLatin1String(kind), QLatin1String(state));
    for (const QString &name : names) {
        const QImage image(QStringLiteral(":/theme/duifw/%1.png").arg(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY(image.width() >= 12 && image.height() >= 12);
    }
}

void tst_DuiButtons::imagePathParts()
{
    DuiPushButton button;
    QCOMPARE(button.disableMode(), DuiPushButton::DisablePixmap);
    const QString normal = solidImage(m_dir, QStringLiteral("n"), Qt::red);
    const QString pressed = solidImage(m_dir, QStringLiteral("p"), Qt::blue);
    QVERIFY(button.setProperty("imagePath", normal + QStringLiteral("||") + pressed));
    QCOMPARE(button.disableMode(), DuiPushButton::DisableColorize);
    QCOMPARE(button.property("imagePath").toString(), QString());
    QCOMPARE(button.frameItem()->imagePath(), normal);

    // Hover shows the normal image (no hover part); checked shows the pressed one.
    QGraphicsScene scene;
    auto *shown = new DuiPushButton;
    scene.addItem(shown);
    shown->setImagePath(normal + QStringLiteral("||") + pressed);
    shown->resize(40, 20);
    shown->frameItem()->setColorizePolicy(DuiWidget::UnColorableFlag);
    shown->frameItem()->setHovered(true);
    QCOMPARE(render(scene, QRectF(0, 0, 40, 20)).pixelColor(20, 10), QColor(Qt::red));
    shown->setChecked(true);
    QCOMPARE(render(scene, QRectF(0, 0, 40, 20)).pixelColor(20, 10), QColor(Qt::blue));

    button.setImagePath(QString());
    QCOMPARE(button.frameItem()->imagePath(), QString());
    QCOMPARE(button.disableMode(), DuiPushButton::DisableColorize);
}

void tst_DuiButtons::stateImagesRendered()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    button->setImage(solidImage(m_dir, QStringLiteral("n"), Qt::red), solidImage(m_dir, QStringLiteral("h"), Qt::green),
                     solidImage(m_dir, QStringLiteral("p"), Qt::blue), solidImage(m_dir, QStringLiteral("d"), Qt::gray));
    button->setBackgroundColorable(DuiWidget::UnColorableFlag);
    button->resize(60, 24);
    const QRectF area(0, 0, 60, 24);
    QCOMPARE(render(scene, area).pixelColor(30, 12), QColor(Qt::red));
    hover(scene, QPointF(30, 12));
    QCOMPARE(render(scene, area).pixelColor(30, 12), QColor(Qt::green));
    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(30, 12));
    QCOMPARE(render(scene, area).pixelColor(30, 12), QColor(Qt::blue));
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(30, 12));
    hover(scene, QPointF(200, 200));
    button->setEnabled(false);
    QCOMPARE(render(scene, area).pixelColor(30, 12), QColor(Qt::gray));
}

void tst_DuiButtons::clickSignals()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    button->setPos(10, 10);
    button->resize(70, 24);
    QCOMPARE(button->dragPolicy(), DuiWidget::NotDragWindow);
    QCOMPARE(button->acceptedMouseButtons(), Qt::LeftButton);
    QSignalSpy clicked(button, &DuiPushButton::clicked);
    QSignalSpy pressed(button, &DuiPushButton::pressed);
    QSignalSpy released(button, &DuiPushButton::released);
    click(scene, QPointF(20, 20));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first().toPointF(), QPointF(10, 10));
    QCOMPARE(released.count(), 1);
    QVERIFY(!button->frameItem()->isPressed());
    // click() emits only while enabled.
    button->click();
    QCOMPARE(clicked.count(), 2);
    button->setEnabled(false);
    button->click();
    QCOMPARE(clicked.count(), 2);
}

void tst_DuiButtons::checkableCycle()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    button->resize(70, 24);
    button->setButtonStyle(DuiPushButton::ButtonCheckable | DuiPushButton::ButtonTextBesideIcon);
    QSignalSpy clicked(button, &DuiPushButton::clicked);
    click(scene, QPointF(10, 10));
    QVERIFY(button->checked());
    QVERIFY(button->frameItem()->isPressed());
    QCOMPARE(clicked.count(), 1);
    click(scene, QPointF(10, 10));
    QVERIFY(!button->checked());
    QVERIFY(!button->frameItem()->isPressed());
    QCOMPARE(clicked.count(), 2);
    button->setChecked(true);
    QVERIFY(button->frameItem()->isPressed());
    QVERIFY(button->property("checked").toBool());
}

void tst_DuiButtons::pressMoveOutRelease()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    button->resize(70, 24);
    QSignalSpy clicked(button, &DuiPushButton::clicked);
    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(10, 10));
    QVERIFY(button->frameItem()->isPressed());
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(100, 10));
    QVERIFY(!button->frameItem()->isPressed());
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(10, 10)); // not resumed
    QVERIFY(!button->frameItem()->isPressed());
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(100, 10));
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(100, 10));
    QCOMPARE(clicked.count(), 0);

    // A checked checkable button keeps its pressed look when the mouse leaves.
    button->setButtonStyle(DuiPushButton::ButtonCheckable);
    button->setChecked(true);
    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(10, 10));
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(100, 10));
    QVERIFY(button->frameItem()->isPressed());
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(100, 10));
    QVERIFY(button->checked());

    // An unchecked checkable button whose press left and came back is checked on release,
    // and then looks checked.
    button->setChecked(false);
    mouse(scene, QEvent::GraphicsSceneMousePress, QPointF(10, 10));
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(100, 10));
    mouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(10, 10));
    mouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(10, 10));
    QVERIFY(button->checked());
    QVERIFY(button->frameItem()->isPressed());
}

void tst_DuiButtons::textAndIconLayout()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    QVERIFY(!button->textLabel());
    button->setText(QString());
    QVERIFY(!button->textLabel()); // an empty text creates nothing
    button->setIcon(QString());
    QVERIFY(!button->iconWidget());

    button->setIcon(solidImage(m_dir, QStringLiteral("icon"), Qt::darkGreen, QSize(16, 16)));
    button->setText(QStringLiteral("OK"));
    QVERIFY(button->textLabel() && button->iconWidget());
    QCOMPARE(button->textLabel()->alignment(), Qt::AlignCenter);
    QCOMPARE(button->iconWidget()->colorizePolicy(), DuiWidget::UnColorableFlag);
    auto *box = static_cast<QGraphicsLinearLayout *>(button->layout());
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemAt(0), button->iconWidget());
    QCOMPARE(box->orientation(), Qt::Horizontal);
    QCOMPARE(button->toolTip(), QStringLiteral("OK"));
    button->setToolTip(QStringLiteral("Confirm"));
    QCOMPARE(button->toolTip(), QStringLiteral("Confirm"));

    button->setButtonStyle(DuiPushButton::ButtonTextUnderIcon | DuiPushButton::ButtonIconColorable);
    QCOMPARE(box->orientation(), Qt::Vertical);
    QCOMPARE(box->itemAt(0), button->iconWidget());
    QCOMPARE(button->iconWidget()->colorizePolicy(), DuiWidget::ColorableFlag);
    QCOMPARE(button->iconWidget()->themeColorType(), int(DuiTheme::DarkestColor));
    button->resize(60, 60);
    box->activate();
    QVERIFY(button->iconWidget()->geometry().bottom() <= button->textLabel()->geometry().top());

    button->setButtonStyle(DuiPushButton::ButtonTextOnly);
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemAt(0), button->textLabel());

    button->setIconSize(QSizeF(10, 10));
    QCOMPARE(button->iconWidget()->minimumSize(), QSizeF(10, 10));
    QCOMPARE(button->iconSize(), QSizeF(10, 10));
    button->setIconScale(32);
    QCOMPARE(button->iconWidget()->scale(), 2.0);
}

void tst_DuiButtons::styleFlagsFromText()
{
    DuiPushButton button;
    const QMetaProperty prop = button.metaObject()->property(button.metaObject()->indexOfProperty("buttonStyle"));
    QVERIFY(prop.isFlagType());
    const int value = prop.enumerator().keysToValue("ButtonCheckable|ButtonTextOnly");
    QCOMPARE(value, 5);
    QVERIFY(button.setProperty("buttonStyle", value));
    QCOMPARE(int(button.buttonStyle()), 5);
}

void tst_DuiButtons::settingsBeforeTheLabelExists()
{
    DuiPushButton button;
    button.setTextColor(QColor(10, 20, 30));
    QFont font;
    font.setPixelSize(19);
    button.setFont(font);
    QCOMPARE(button.textColor(), QColor(10, 20, 30));
    button.setText(QStringLiteral("Later"));
    QCOMPARE(button.textLabel()->textColor(), QColor(10, 20, 30));
    QCOMPARE(button.textLabel()->font().pixelSize(), 19);
    QCOMPARE(button.font().pixelSize(), 19);

    // Without a colour set first, the label's own colour becomes the one restored on enable.
    DuiPushButton plain;
    plain.setText(QStringLiteral("x"));
    const QColor own = plain.textLabel()->textColor();
    plain.setEnabled(false);
    QCOMPARE(plain.textLabel()->textColor(), QColor(Qt::gray));
    plain.setEnabled(true);
    QCOMPARE(plain.textLabel()->textColor(), own);
}

void tst_DuiButtons::enablingModes()
{
    DuiPushButton pixmapMode;
    pixmapMode.setText(QStringLiteral("a"));
    pixmapMode.setEnabled(false);
    QCOMPARE(pixmapMode.frameItem()->graphicsEffect(), nullptr);
    QCOMPARE(pixmapMode.frameItem()->colorizePolicy(), DuiWidget::UnColorableFlag);
    pixmapMode.setEnabled(true);
    auto *tint = qobject_cast<QGraphicsColorizeEffect *>(pixmapMode.frameItem()->graphicsEffect());
    QVERIFY(tint);
    QCOMPARE(tint->color().rgba(), DuiTheme::getColor(DuiTheme::DarkestColor));

    DuiPushButton colorizeMode;
    colorizeMode.setImage(QStringLiteral(":/theme/duifw/button_normal.png"), QString(), QString(), QString());
    colorizeMode.setIcon(solidImage(m_dir, QStringLiteral("i"), Qt::red));
    colorizeMode.setText(QStringLiteral("b"));
    colorizeMode.setEnabled(false);
    auto *grey = qobject_cast<QGraphicsColorizeEffect *>(colorizeMode.iconWidget()->graphicsEffect());
    QVERIFY(grey);
    QCOMPARE(grey->color(), QColor(Qt::gray));
    QCOMPARE(colorizeMode.textLabel()->textColor(), QColor(Qt::gray));
    colorizeMode.setEnabled(true);
    QCOMPARE(colorizeMode.iconWidget()->graphicsEffect(), nullptr);
}

void tst_DuiButtons::backgroundPassThrough()
{
    DuiPushButton button;
    button.setColorizePolicy(DuiWidget::UnColorableFlag);
    QCOMPARE(button.colorizePolicy(), DuiWidget::FollowParent);
    QCOMPARE(button.backgroundColorable(), DuiWidget::UnColorableFlag);
    button.setBackgroundThemeColorType(DuiTheme::LineColor);
    QCOMPARE(button.frameItem()->themeColorType(), int(DuiTheme::LineColor));
    button.setFrameType(DuiFrameItemDrawer::ThreePiecesHorizontal);
    QCOMPARE(button.frameItem()->frameType(), int(DuiFrameItemDrawer::ThreePiecesHorizontal));
    button.setAcceptCursor(true);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    button.resize(33, 21);
    QCOMPARE(button.frameItem()->size(), QSizeF(33, 21));
}

void tst_DuiButtons::styleWithAForeignLayout()
{
    // Every widget takes a layout attribute; a button given no layout or an anchor layout must
    // still take a button style.
    for (const char *layout : {"none", "Anchor"}) {
        DuiWidget root;
        const std::string xml = std::string("<xmlui><DuiPushButton objectName='b' layout='") + layout
                                + "' text='t' buttonStyle='ButtonTextUnderIcon'/></xmlui>";
        QVERIFY(DuiXmlUI::createFromMemory(xml, &root));
        auto *button = root.findChild<DuiPushButton *>(QStringLiteral("b"));
        QVERIFY(button);
        QCOMPARE(button->buttonStyle(), DuiPushButton::ButtonStyles(DuiPushButton::ButtonTextUnderIcon));
        button->setButtonStyle(DuiPushButton::ButtonTextBesideIcon);
        QCOMPARE(button->text(), QStringLiteral("t"));
    }
}

void tst_DuiButtons::absurdTexts()
{
    QGraphicsScene scene;
    auto *button = new DuiPushButton;
    scene.addItem(button);
    button->setText(QString(100000, QLatin1Char('W')));
    button->setText(QStringLiteral("\u05E9\u05DC\u05D5\u05DD e\u0301\u0301\u0301"));
    button->setText(QString(QChar(0)) + QStringLiteral("nul"));
    auto *box = new DuiCheckBox;
    scene.addItem(box);
    box->setText(QString(100000, QLatin1Char('x')));
    // No size at all: painting must still work.
    const QImage out = render(scene, QRectF(0, 0, 50, 50));
    QVERIFY(!out.isNull());
    button->resize(0, 0);
    box->resize(0, 0);
    render(scene, QRectF(0, 0, 50, 50));
}

void tst_DuiButtons::checkBoxSignals()
{
    QGraphicsScene scene;
    auto *box = new DuiCheckBox;
    scene.addItem(box);
    box->resize(100, 20);
    QCOMPARE(box->dragPolicy(), DuiWidget::NotDragWindow);
    QSignalSpy changed(box, &DuiCheckBox::stateChanged);
    QSignalSpy selected(box, &DuiCheckBox::stateSelected);
    click(scene, QPointF(5, 10));
    QCOMPARE(box->checkState(), Qt::Checked);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().first().toBool(), true);
    QCOMPARE(selected.last().first().toBool(), true);
    // Clicking a checked box: stateChanged(false), then stateSelected(false).
    QList<QString> order;
    connect(box, &DuiCheckBox::stateChanged, this, [&order](bool b) { order << QStringLiteral("changed %1").arg(b); });
    connect(box, &DuiCheckBox::stateSelected, this, [&order](bool b) { order << QStringLiteral("selected %1").arg(b); });
    click(scene, QPointF(5, 10));
    QCOMPARE(order, QList<QString>({QStringLiteral("changed 0"), QStringLiteral("selected 0")}));

    // Setting the same state says nothing; a nested change from a handler does not signal twice.
    box->setCheckState(Qt::Unchecked);
    QCOMPARE(changed.count(), 2);
    connect(box, &DuiCheckBox::stateChanged, box, [box](bool on) {
        if (on)
            box->setCheckState(Qt::PartiallyChecked);
    });
    box->setCheckState(Qt::Checked);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(box->checkState(), Qt::PartiallyChecked);

    // Disabled: clicks do nothing.
    box->setEnabled(false);
    click(scene, QPointF(5, 10));
    QCOMPARE(changed.count(), 3);
}

void tst_DuiButtons::checkBoxImagesAndLayout()
{
    QGraphicsScene scene;
    auto *box = new DuiCheckBox;
    scene.addItem(box);
    const QString cn = solidImage(m_dir, QStringLiteral("cn"), Qt::red, QSize(14, 14));
    const QString ch = solidImage(m_dir, QStringLiteral("ch"), Qt::green, QSize(14, 14));
    const QString un = solidImage(m_dir, QStringLiteral("un"), Qt::blue, QSize(14, 14));
    const QString ud = solidImage(m_dir, QStringLiteral("ud"), Qt::gray, QSize(14, 14));
    QVERIFY(box->setProperty("imagePath", QStringList({cn, ch, QString(), QString(), un, QString(), QString(), ud}).join(QLatin1Char('|'))));
    box->setText(QStringLiteral("Remember me"));
    box->resize(120, 30);
    const QRectF area(0, 0, 120, 30);
    QCOMPARE(render(scene, area).pixelColor(7, 15), QColor(Qt::blue));
    QCOMPARE(render(scene, area).pixelColor(7, 7), QColor(Qt::white)); // centred: 8 px above
    box->setCheckState(Qt::Checked);
    QCOMPARE(render(scene, area).pixelColor(7, 15), QColor(Qt::red));
    hover(scene, QPointF(7, 15));
    QCOMPARE(render(scene, area).pixelColor(7, 15), QColor(Qt::green));
    hover(scene, QPointF(300, 300));
    box->setCheckState(Qt::Unchecked);
    box->setEnabled(false);
    QCOMPARE(render(scene, area).pixelColor(7, 15), QColor(Qt::gray));
    // The text starts after the image and the spacing.
    box->setSpacing(10);
    const QImage text = render(scene, area);
    bool inkBefore = false, inkAfter = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 14; x < 24; ++x)
            inkBefore = inkBefore || text.pixelColor(x, y) != QColor(Qt::white);
        for (int x = 24; x < 120; ++x)
            inkAfter = inkAfter || text.pixelColor(x, y) != QColor(Qt::white);
    }
    QVERIFY(!inkBefore);
    QVERIFY(inkAfter);
    QCOMPARE(box->toolTip(), QStringLiteral("Remember me"));
}

void tst_DuiButtons::radioGroupIsExclusive()
{
    QGraphicsScene scene;
    auto *group = new DuiButtonGroup;
    scene.addItem(group);
    group->setLayout(DuiWidget::VBox);
    QList<DuiRadioButton *> radios;
    for (int i = 0; i < 3; ++i) {
        auto *radio = new DuiRadioButton(group);
        radio->setParent(group);
        radio->setFixSize(QSizeF(80, 20));
        group->addItem(radio);
        radios << radio;
    }
    group->layout()->activate();
    QCOMPARE(group->buttons().size(), 3);
    QSignalSpy selected(group, &DuiButtonGroup::radioSelected);
    radios[0]->setCheckState(Qt::Checked);
    click(scene, radios[1]->mapToScene(QPointF(5, 10)));
    QCOMPARE(radios[1]->checkState(), Qt::Checked);
    QCOMPARE(radios[0]->checkState(), Qt::Unchecked);
    QCOMPARE(radios[2]->checkState(), Qt::Unchecked);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.last().first().value<QObject *>(), radios[1]);
    // A checked radio button is not unchecked by a click.
    QSignalSpy radioSelected(radios[1], &DuiCheckBox::stateSelected);
    click(scene, radios[1]->mapToScene(QPointF(5, 10)));
    QCOMPARE(radios[1]->checkState(), Qt::Checked);
    QCOMPARE(radioSelected.count(), 0);
}

void tst_DuiButtons::radioLeavesTheGroup()
{
    // construct() is protected; the XML builder calls it through doConstruct.
    struct Group : DuiButtonGroup { using DuiButtonGroup::construct; };
    QGraphicsScene scene;
    auto *group = new Group;
    scene.addItem(group);
    // Radio buttons nested one level down, found when the group is constructed.
    auto *inner = new DuiWidget(group);
    inner->setParent(group);
    QList<DuiRadioButton *> radios;
    for (int i = 0; i < 3; ++i) {
        auto *radio = new DuiRadioButton(inner);
        radio->setParent(inner);
        radios << radio;
    }
    group->construct();
    QCOMPARE(group->buttons().size(), 3);

    delete radios[2];
    QCOMPARE(group->buttons().size(), 2);
    radios[0]->setCheckState(Qt::Checked);
    radios[1]->setCheckState(Qt::Checked);
    QCOMPARE(radios[0]->checkState(), Qt::Unchecked);

    // A direct child reparented away leaves the group too.
    auto *direct = new DuiRadioButton;
    direct->setParent(group);
    group->addItem(direct);
    QCOMPARE(group->buttons().size(), 3);
    direct->setParent(nullptr);
    QCOMPARE(group->buttons().size(), 2);
    delete direct;

    // A handler of one button's unchecking that deletes a later button of the group, while the
    // group is still unchecking the others.
    auto *third = new DuiRadioButton(inner);
    third->setParent(inner);
    auto *fourth = new DuiRadioButton(inner);
    fourth->setParent(inner);
    group->construct();
    QCOMPARE(group->buttons().size(), 4);
    QPointer<DuiRadioButton> doomed = fourth;
    connect(radios[1], &DuiCheckBox::stateChanged, group, [&doomed](bool selected) {
        if (!selected)
            delete doomed.data();
    });
    QSignalSpy selected(group, &DuiButtonGroup::radioSelected);
    radios[0]->setCheckState(Qt::Checked);
    QVERIFY(doomed.isNull());
    QCOMPARE(radios[1]->checkState(), Qt::Unchecked);
    QCOMPARE(third->checkState(), Qt::Unchecked);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(group->buttons().size(), 3);
}

QTEST_MAIN(tst_DuiButtons)
#include "tst_duibuttons.moc"
