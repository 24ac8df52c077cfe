// SPDX-License-Identifier: MIT
#ifndef DUITOOLTIPSTYLE_H
#define DUITOOLTIPSTYLE_H

#include "duiglobal.h"

#include <QtCore/qmetatype.h>
#include <QtCore/qshareddata.h>
#include <QtGui/qcolor.h>
#include <QtGui/qfont.h>
#include <QtGui/qtextoption.h>

class DuiWidget;
class ToolTipStyleData;

// How a tooltip looks, where it goes and when it hides. A value type: a null style (no record)
// answers every getter with a neutral value; the first setter, or init(), creates the record with
// the bubble's defaults (white to light blue gradient, blue-grey outline, 5-pixel shadow, below
// the cursor, hidden when the cursor moves).
class DUI_EXPORT DuiToolTipStyle
{
public:
    enum Direction { TipAbove = 0, TipLeft = 1, TipRight = 2, TipBelow = 3 };
    enum HidePolicy {
        NeverAutoHide = 0,
        HideWhenCursorMoves = 1,
        HideWhenCursorLeavesTip = 2,
        HideWhenCursorLeavesRect = 3,
        HideWhenCursorMovesOnce = 4
    };

    DuiToolTipStyle();
    DuiToolTipStyle(const DuiToolTipStyle &other);
    DuiToolTipStyle &operator=(const DuiToolTipStyle &other);
    ~DuiToolTipStyle();

    // Creates the record with the defaults when there is none.
    void init();
    bool isNull() const;

    QString backGroundImage() const;
    void setBackGroundImage(const QString &path);
    bool hasBackGroundImage() const;
    QColor backGroundStartColor() const;
    void setBackGroundStartColor(const QColor &color);
    QColor backGroundEndColor() const;
    void setBackGroundEndColor(const QColor &color);
    int blurRadius() const;
    int shadowOffset() const;
    void setShadowEffect(int blurRadius, int offset);
    QColor fontColor() const;
    void setFontColor(const QColor &color);
    QFont font() const;
    void setFont(const QFont &font);
    Direction direction() const;
    void setDirection(Direction direction);
    HidePolicy hidePolicy() const;
    void setHidePolicy(HidePolicy policy);
    // Height of the arrow that points at the anchor; 0 draws none.
    int trangleHeight() const;
    void setTrangleHeight(int height);
    int roundRectSize() const;
    void setRoundRect(int radius);
    QTextOption::WrapMode wordWrapMode() const;
    void setWordWrap(QTextOption::WrapMode mode);
    // Content shown in place of the text; the application keeps owning it.
    DuiWidget *widget() const;
    void setWidget(DuiWidget *widget);
    QColor borderColor() const;
    void setBorderColor(const QColor &color);

private:
    ToolTipStyleData *data();
    QSharedDataPointer<ToolTipStyleData> d;
};

Q_DECLARE_METATYPE(DuiToolTipStyle)

#endif // DUITOOLTIPSTYLE_H
