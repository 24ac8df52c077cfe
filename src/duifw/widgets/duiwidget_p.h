// SPDX-License-Identifier: MIT
#ifndef DUIWIDGET_P_H
#define DUIWIDGET_P_H

#include "duiwidget.h"
#include "duiwidgetbase_p.h"

#include <QtGui/qcolor.h>

class DUI_AUTOTEST_EXPORT DuiWidgetPrivate : public DuiWidgetBasePrivate
{
    Q_DECLARE_PUBLIC(DuiWidget)
public:
    DuiWidgetPrivate() = default;
    ~DuiWidgetPrivate() override = default;

    int reserved = 1;
    QColor backgroundColor = QColor(0, 0, 0, 0);
    int dragPolicy = DuiWidget::DragWithParentFlag;
    int colorizePolicy = DuiWidget::FollowParent;
    int themeColorType = 0;
    int layoutType = DuiWidget::Linear;
    QString toolTip;
    QString accessibleName;
};

// Loads a widget's xmlPath file into it; set by the XML builder when the library loads, so that
// the widget layer never includes the builder above it. Null until then: the path is ignored.
typedef bool (*DuiXmlPathLoader)(const QString &path, DuiWidget *widget);
DUI_AUTOTEST_EXPORT void duiSetXmlPathLoader(DuiXmlPathLoader loader);

// Process-wide counter behind the default object names "NoNameWidget<n>".
DUI_AUTOTEST_EXPORT int &duiNoNameCounter();

// The anchor point a name stands for ("Left", "HCenter", "Right", "Top", "VCenter", "Bottom"),
// -1 for any other text; and the name of a point, null for none.
int duiAnchorPointNamed(QLatin1String name);
int duiAnchorPointNamed(QStringView name);
const char *duiAnchorPointName(int point);

#endif // DUIWIDGET_P_H
