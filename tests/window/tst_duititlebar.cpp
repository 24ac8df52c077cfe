// SPDX-License-Identifier: MIT
#include <duipushbutton.h>
#include <duititlebar.h>
#include <duitooltip.h>

#include <QtGui/qfont.h>
#include <QtTest/qsignalspy.h>
#include <QtTest/qtest.h>
#include <QtWidgets/qgraphicsitem.h>
#include <QtWidgets/qgraphicsscene.h>

class tst_DuiTitlebar : public QObject
{
    Q_OBJECT

private slots:
    void buttons();
    void titleText();
    void clicksAndMaximisedState();
    void presenceAndLayout();
    void extraWidgetAtEnd();
    void extraWidgetDeletedByItsOwner();
};

void tst_DuiTitlebar::buttons()
{
    DuiTitlebar bar;
    QCOMPARE(bar.preferredHeight(), 24.0);
    QCOMPARE(bar.dragPolicy(), DuiWidget::DragWindow);
    struct Expected {
        DuiTitlebar::TitlebarButton which;
        const char *name;
        QSizeF size;
        QString tip;
    };
    const Expected expected[] = {
        {DuiTitlebar::TitleMinButton, "minimizeButton", QSizeF(28, 22), QStringLiteral("最小化")},
        {DuiTitlebar::TitleMaxButton, "maximizeButton", QSizeF(28, 22), QStringLiteral("最大化")},
        {DuiTitlebar::TitleRestoreButton, "restoreButton", QSizeF(28, 22), QStringLiteral("还原")},
        {DuiTitlebar::TitleCloseButton, "closeButton", QSizeF(44, 22), QStringLiteral("关闭")},
    };
    QList<DuiWidget *> buttons;
    for (const Expected &e : expected) {
        DuiPushButton *button = bar.titleButton(e.which);
        QVERIFY2(button, e.name);
        QCOMPARE(button->objectName(), QLatin1String(e.name));
        QCOMPARE(button->fixSize(), e.size);
        QCOMPARE(button->toolTip(), e.tip);
        QCOMPARE(button->backgroundColorable(), DuiWidget::UnColorableFlag);
        QCOMPARE(button->parentItem(), &bar);
        buttons << button;
    }
    QCOMPARE(bar.titleButton(DuiTitlebar::TitlebarButton(4)), nullptr);
    QCOMPARE(bar.titleButton(DuiTitlebar::TitlebarButton(-1)), nullptr);
    QVERIFY(!bar.titleButton(DuiTitlebar::TitleRestoreButton)->isVisible());
    QCOMPARE(bar.toolTipObject()->targets(), buttons);
}

void tst_DuiTitlebar::titleText()
{
    DuiTitlebar bar;
    QGraphicsTextItem *text = nullptr;
    for (QGraphicsItem *child : bar.childItems()) {
        if ((text = dynamic_cast<QGraphicsTextItem *>(child)))
            break;
    }
    QVERIFY(text);
    QCOMPARE(text->pos(), QPointF(6, 0));
    QCOMPARE(text->defaultTextColor(), QColor(243, 249, 252));
    QCOMPARE(text->font().pixelSize(), 12);
    QVERIFY(bar.title().isEmpty());
    bar.setTitle(QStringLiteral("窗口 title"));
    QCOMPARE(bar.title(), QStringLiteral("窗口 title"));
    QCOMPARE(text->font().pointSize(), 8);
    QVERIFY(text->font().bold());
    QCOMPARE(text->font().family().toLower(), QStringLiteral("arial"));
}

void tst_DuiTitlebar::clicksAndMaximisedState()
{
    DuiTitlebar bar;
    bar.resize(200, 24);
    QSignalSpy clicks(&bar, &DuiTitlebar::buttonClicked);
    auto last = [&] { return clicks.last().first().value<DuiTitlebar::titlebarClick>(); };
    DuiPushButton *max = bar.titleButton(DuiTitlebar::TitleMaxButton);
    DuiPushButton *restore = bar.titleButton(DuiTitlebar::TitleRestoreButton);

    bar.titleButton(DuiTitlebar::TitleMinButton)->click();
    QCOMPARE(last(), DuiTitlebar::TitleMinimize);
    QVERIFY(!bar.isMaximized());

    max->click();
    QCOMPARE(last(), DuiTitlebar::TitleMaximize);
    QVERIFY(bar.isMaximized());
    QVERIFY(!max->isVisible());
    QVERIFY(restore->isVisible());
    // The restore button takes the maximise button's place and width.
    QCOMPARE(restore->geometry(), QRectF(199 - 44 - 28, 0, 28, 22));
    QCOMPARE(bar.actualSize(), QRect(0, 0, 110, 24));

    restore->click();
    QCOMPARE(last(), DuiTitlebar::TitleRestore);
    QVERIFY(!bar.isMaximized());
    QVERIFY(max->isVisible());
    QVERIFY(!restore->isVisible());
    QCOMPARE(max->geometry(), QRectF(199 - 44 - 28, 0, 28, 22));

    bar.titleButton(DuiTitlebar::TitleCloseButton)->click();
    QCOMPARE(last(), DuiTitlebar::TitleClose);
    QCOMPARE(clicks.count(), 4);
}

void tst_DuiTitlebar::presenceAndLayout()
{
    DuiTitlebar bar;
    bar.resize(300, 24);
    DuiPushButton *min = bar.titleButton(DuiTitlebar::TitleMinButton);
    DuiPushButton *max = bar.titleButton(DuiTitlebar::TitleMaxButton);
    DuiPushButton *restore = bar.titleButton(DuiTitlebar::TitleRestoreButton);
    DuiPushButton *close = bar.titleButton(DuiTitlebar::TitleCloseButton);
    QCOMPARE(close->geometry(), QRectF(255, 0, 44, 22));
    QCOMPARE(max->geometry(), QRectF(227, 0, 28, 22));
    QCOMPARE(min->geometry(), QRectF(199, 0, 28, 22));

    // Without a maximise button the minimise button moves up to the close button.
    bar.setHasMaximizeButton(false);
    QVERIFY(!max->isVisible());
    QCOMPARE(min->geometry(), QRectF(227, 0, 28, 22));
    QCOMPARE(bar.actualSize().width(), 10 + 28 + 44);
    // Maximising without the button keeps both maximise and restore hidden.
    bar.setMaximized(true);
    QVERIFY(!max->isVisible());
    QVERIFY(!restore->isVisible());
    // The button comes back in the form the state asks for.
    bar.setHasMaximizeButton(true);
    QVERIFY(restore->isVisible());
    QVERIFY(!max->isVisible());
    QCOMPARE(restore->geometry(), QRectF(227, 0, 28, 22));

    bar.setHasMinimizeButton(false);
    bar.setHasMaximizeButton(false);
    QCOMPARE(bar.actualSize(), QRect(0, 0, 54, 24));
    bar.resize(54, 24);
    QCOMPARE(close->geometry(), QRectF(9, 0, 44, 22));
}

void tst_DuiTitlebar::extraWidgetAtEnd()
{
    DuiTitlebar bar;
    auto *extra = new DuiWidget;
    extra->setFixSize(QSizeF(30, 20));
    extra->setToolTip(QStringLiteral("menu"));
    bar.addItemAtEnd(extra);
    QCOMPARE(extra->parentItem(), &bar);
    QCOMPARE(extra->parent(), &bar);
    QVERIFY(bar.toolTipObject()->targets().contains(extra));
    QCOMPARE(bar.actualSize().width(), 10 + 28 + 28 + 44 + 30);
    bar.resize(200, 24);
    QCOMPARE(extra->geometry(), QRectF(169, 0, 30, 20));
    QCOMPARE(bar.titleButton(DuiTitlebar::TitleCloseButton)->geometry(), QRectF(125, 0, 44, 22));
    extra->hide();
    QCOMPARE(bar.actualSize().width(), 110);
}

void tst_DuiTitlebar::extraWidgetDeletedByItsOwner()
{
    // The extra widget belongs to whoever added it; deleting it must not leave the bar
    // measuring and placing a dead item.
    DuiTitlebar bar;
    auto *extra = new DuiWidget;
    extra->setFixSize(QSizeF(30, 20));
    bar.addItemAtEnd(extra);
    delete extra;
    QCOMPARE(bar.actualSize().width(), 110);
    bar.resize(200, 24);
    QCOMPARE(bar.titleButton(DuiTitlebar::TitleCloseButton)->geometry(), QRectF(155, 0, 44, 22));
}

QTEST_MAIN(tst_DuiTitlebar)
#include "tst_duititlebar.moc"
