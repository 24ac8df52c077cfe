// SPDX-License-Identifier: MIT
// The list control and the combo boxes against Qt's own widgets: 1,000 rows appended to a list
// control and 1,000 rows inserted at its top, each placed at once and with the layout deferred
// to one pass, against a QListWidget whose rows are item widgets; and opening a combo box's list
// of 10 and of 1,000 items, against QComboBox::showPopup.

#include "benchutil.h"

#include <duicombobox.h>
#include <duicomboboxorg.h>
#include <duilistctrl.h>
#include <duipushbutton.h>
#include <duitheme.h>

#include <QtCore/qloggingcategory.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qcombobox.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicsview.h>
#include <QtWidgets/qlabel.h>
#include <QtWidgets/qlistwidget.h>

namespace {

constexpr int kRows = 1000;

// Fills a list control in a shown view; `atTop` inserts every row at index 0.
double listCtrlNs(bool atTop, bool deferred)
{
    return bench::medianNs(5, [&] {
        QGraphicsScene scene;
        QGraphicsView view(&scene);
        auto *list = new DuiListCtrl;
        scene.addItem(list);
        list->resize(300, 400);
        for (int i = 0; i < kRows; ++i)
            list->insertRow(atTop ? 0 : -1, 24, nullptr, deferred);
        list->layoutRows();
    });
}

double listWidgetNs(bool atTop)
{
    return bench::medianNs(5, [&] {
        QListWidget list;
        list.resize(300, 400);
        for (int i = 0; i < kRows; ++i) {
            auto *item = new QListWidgetItem;
            item->setSizeHint(QSize(300, 24));
            if (atTop)
                list.insertItem(0, item);
            else
                list.addItem(item);
            list.setItemWidget(item, new QWidget);
        }
    });
}

QStringList texts(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("Item %1").arg(i);
    return out;
}

// Opens and closes a combo box's list; the combo box lives in a shown view.
template <typename Combo>
double openComboNs(Combo *combo)
{
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    scene.addItem(combo);
    combo->setGeometry(10, 10, 160, 24);
    view.resize(200, 60);
    view.show();
    QCoreApplication::processEvents();
    auto *button = combo->template findChild<DuiPushButton *>();
    return bench::medianNs(21, [&] {
        button->setChecked(true);
        combo->onDropDownButtonClicked();
        QCoreApplication::processEvents();
        button->setChecked(false);
        combo->onDropDownButtonClicked();
    });
}

double qComboNs(int count)
{
    QComboBox combo;
    combo.addItems(texts(count));
    combo.show();
    QCoreApplication::processEvents();
    return bench::medianNs(21, [&] {
        combo.showPopup();
        QCoreApplication::processEvents();
        combo.hidePopup();
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("dui.*.warning=false"));
    DuiTheme::setColorThemeOnly(0);

    bench::report("1,000 rows appended to a list control", listCtrlNs(false, false), "QListWidget, item widgets",
                  listWidgetNs(false));
    bench::report("1,000 rows appended, layout deferred", listCtrlNs(false, true), "QListWidget, item widgets",
                  listWidgetNs(false));
    const double insertAtTopQt = listWidgetNs(true);
    bench::report("insertRow(0) 1,000 times", listCtrlNs(true, false), "QListWidget insertItem(0)", insertAtTopQt);
    bench::report("insertRow(0) 1,000 times, layout deferred", listCtrlNs(true, true), "QListWidget insertItem(0)",
                  insertAtTopQt);

    for (int count : {10, 1000}) {
        auto *box = new DuiComboBox;
        for (int i = 0; i < count; ++i)
            box->insert(i, QStringLiteral("Item %1").arg(i));
        const double boxNs = openComboNs(box);
        auto *org = new DuiComboBoxOrg;
        auto *model = new QStandardItemModel;
        for (const QString &text : texts(count))
            model->appendRow(new QStandardItem(text));
        org->setModel(model);
        const double orgNs = openComboNs(org);
        const double qtNs = qComboNs(count);
        const QByteArray what = QByteArray::number(count) + " items: open DuiComboBox";
        bench::report(what.constData(), boxNs, "QComboBox::showPopup", qtNs);
        const QByteArray whatOrg = QByteArray::number(count) + " items: open DuiComboBoxOrg";
        bench::report(whatOrg.constData(), orgNs, "QComboBox::showPopup", qtNs);
    }
    return 0;
}
