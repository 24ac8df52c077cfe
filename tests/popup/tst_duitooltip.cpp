// SPDX-License-Identifier: MIT
#include <duitooltip.h>
#include <duiwidget.h>

#include <QtTest/qtest.h>

class tst_DuiToolTip : public QObject
{
    Q_OBJECT

private slots:
    void attachKeepsOrderOnceAndTurnsHoverOn();
    void detachAndDestroyedWidgets();
    void attachByName();
};

void tst_DuiToolTip::attachKeepsOrderOnceAndTurnsHoverOn()
{
    DuiToolTip tip;
    DuiWidget first;
    DuiWidget second;
    first.setAcceptHoverEvents(false);
    second.setAcceptHoverEvents(false);

    tip.attatchWidget(&second);
    tip.attatchWidget(&first);
    tip.attatchWidget(&second);
    tip.attatchWidget(nullptr);

    QCOMPARE(tip.targets(), (QList<DuiWidget *>{&second, &first}));
    QVERIFY(first.acceptHoverEvents());
    QVERIFY(second.acceptHoverEvents());
}

void tst_DuiToolTip::detachAndDestroyedWidgets()
{
    DuiToolTip tip;
    DuiWidget kept;
    DuiWidget detached;
    auto *destroyed = new DuiWidget;
    tip.attatchWidget(&kept);
    tip.attatchWidget(destroyed);
    tip.attatchWidget(&detached);

    tip.detachWidget(&detached);
    // Detaching what is not attached changes nothing.
    tip.detachWidget(&detached);
    delete destroyed;
    QCOMPARE(tip.targets(), QList<DuiWidget *>{&kept});

    // A detached widget can come back, at the end.
    tip.attatchWidget(&detached);
    QCOMPARE(tip.targets(), (QList<DuiWidget *>{&kept, &detached}));
}

void tst_DuiToolTip::attachByName()
{
    // Both are invokable, so a host can call them by name.
    DuiToolTip tip;
    DuiWidget widget;
    QVERIFY(QMetaObject::invokeMethod(&tip, "attatchWidget", Q_ARG(DuiWidget *, &widget)));
    QCOMPARE(tip.targets(), QList<DuiWidget *>{&widget});
    QVERIFY(QMetaObject::invokeMethod(&tip, "detachWidget", Q_ARG(DuiWidget *, &widget)));
    QVERIFY(tip.targets().isEmpty());
}

QTEST_MAIN(tst_DuiToolTip)
#include "tst_duitooltip.moc"
