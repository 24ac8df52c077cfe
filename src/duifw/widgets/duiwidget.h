// SPDX-License-Identifier: MIT
#ifndef DUIWIDGET_H
#define DUIWIDGET_H

#include "duiwidgettyperegister.h"
#include "duiwidgetbase.h"

#include <QtCore/qmargins.h>
#include <QtCore/qmetatype.h>
#include <QtGui/qcolor.h>
#include <QtGui/qrgb.h>

class DuiWidgetPrivate;
class QGraphicsLayout;

// Where the four edges of a widget sit in its parent's anchor layout. Entries are, in order, the
// widget's left, right, top and bottom edge; each targets one of the parent's AnchorPoints at a
// distance in pixels. Text form: "Left:6|Left:26|Top:4|Top:24".
struct DUI_EXPORT AnchorInfo
{
    int targetPoint[4] = {0, 0, 0, 0};
    int distance[4] = {0, 0, 0, 0};

    // Parses the anchor text: up to four "Point:distance" entries separated by "|"; unknown point
    // names read as Left, unparsable distances as 0, entries beyond the fourth are ignored.
    static AnchorInfo fromString(const QString &text);

    friend bool operator==(const AnchorInfo &a, const AnchorInfo &b)
    {
        for (int i = 0; i < 4; ++i) {
            if (a.targetPoint[i] != b.targetPoint[i] || a.distance[i] != b.distance[i])
                return false;
        }
        return true;
    }
    friend bool operator!=(const AnchorInfo &a, const AnchorInfo &b) { return !(a == b); }
};
Q_DECLARE_METATYPE(AnchorInfo)

class DUI_EXPORT DuiWidget : public DuiWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(int height READ height WRITE setHeight)
    Q_PROPERTY(int width READ width WRITE setWidth)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(int itemSpacing READ itemSpacing WRITE setItemSpacing)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QSizeF fixSize READ fixSize WRITE setFixSize)
    Q_PROPERTY(int fixHeight READ fixHeight WRITE setFixHeight)
    Q_PROPERTY(int fixWidth READ fixWidth WRITE setFixWidth)
    Q_PROPERTY(QMargins margins READ margins WRITE setMargins)
    Q_PROPERTY(qreal minWidth READ minimumWidth WRITE setMinimumWidth)
    Q_PROPERTY(qreal maxWidth READ maximumWidth WRITE setMaximumWidth)
    Q_PROPERTY(qreal preferredWidth READ preferredWidth WRITE setPreferredWidth)
    Q_PROPERTY(qreal minHeight READ minimumHeight WRITE setMinimumHeight)
    Q_PROPERTY(qreal maxHeight READ maximumHeight WRITE setMaximumHeight)
    Q_PROPERTY(qreal preferredHeight READ preferredHeight WRITE setPreferredHeight)
    Q_PROPERTY(QSizeF minSize READ minimumSize WRITE setMinimumSize)
    Q_PROPERTY(QSizeF maxSize READ maximumSize WRITE setMaximumSize)
    Q_PROPERTY(QSizeF preferredSize READ preferredSize WRITE setPreferredSize)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QPointF pos READ pos WRITE setPos)
    Q_PROPERTY(QString toolTip READ toolTip WRITE setToolTip)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
    Q_PROPERTY(DragWidgetFlag dragPolicy READ dragPolicy WRITE setDragPolicy)
    Q_PROPERTY(ColorizeWidgetFlag colorizePolicy READ colorizePolicy WRITE setColorizePolicy)
    Q_PROPERTY(QString xmlPath READ xmlPath WRITE setXmlPath SCRIPTABLE false)
    Q_PROPERTY(int themeColorType READ themeColorType WRITE setThemeColorType)
    Q_PROPERTY(LayoutType layout READ layoutType WRITE setLayout)
    Q_PROPERTY(AnchorInfo anchor READ anchor WRITE setAnchor)
    Q_PROPERTY(QString anchorString READ anchorString WRITE setAnchorString)
    Q_PROPERTY(qreal x READ x WRITE setX)
    Q_PROPERTY(qreal y READ y WRITE setY)
    Q_PROPERTY(QString accessibleName READ accessibleName WRITE setAccessibleName)

public:
    // The enumerations have int as fixed type: an XML text naming no key writes -1, which must
    // be a value they can hold.
    enum DragWidgetFlag : int { DragWindow = 1, NotDragWindow = 2, DragWithParentFlag = 3 };
    Q_ENUM(DragWidgetFlag)
    enum ColorizeWidgetFlag : int { FollowParent = 0, UnColorableFlag = 1, ColorableFlag = 2 };
    Q_ENUM(ColorizeWidgetFlag)
    enum LayoutType : int { VBox = 1, HBox = 2, Linear = 3, Anchor = 4 };
    Q_ENUM(LayoutType)
    // Equal to Qt::AnchorPoint, and handed to Qt unchanged.
    enum AnchorPoint : int { Left = 0, HCenter = 1, Right = 2, Top = 3, VCenter = 4, Bottom = 5 };
    Q_ENUM(AnchorPoint)

    explicit DuiWidget(QGraphicsItem *parent = nullptr);
    ~DuiWidget() override;

    virtual void setAlignment(Qt::Alignment alignment);
    virtual void setBackgroundColor(QColor color);
    virtual void setColorizePolicy(ColorizeWidgetFlag policy);
    virtual void setThemeColorType(int type);
    virtual void setLayout(QGraphicsLayout *layout);
    virtual DragWidgetFlag hitTest(const QPointF &point) const;
    Q_INVOKABLE virtual void addItem(DuiWidget *item);
    Q_INVOKABLE virtual void removeItem(DuiWidget *item);
    Q_INVOKABLE virtual void insertItem(quint32 index, DuiWidget *item);
    virtual QGraphicsLayout *layout() const;
    virtual QString toolTip() const;
    virtual void setToolTip(const QString &toolTip);
    virtual void colorize(QRgb rgb);

    int height() const;
    void setHeight(int height);
    int width() const;
    void setWidth(int width);
    int spacing() const;
    void setSpacing(int spacing);
    int itemSpacing() const;
    void setItemSpacing(int spacing);
    Qt::Alignment alignment() const;
    QSizeF fixSize() const;
    void setFixSize(const QSizeF &size);
    int fixHeight() const;
    void setFixHeight(int height);
    int fixWidth() const;
    void setFixWidth(int width);
    QMargins margins() const;
    void setMargins(const QMargins &margins);
    QColor backgroundColor() const;
    void setDragPolicy(DragWidgetFlag policy);
    DragWidgetFlag dragPolicy() const;
    ColorizeWidgetFlag colorizePolicy() const;
    int themeColorType() const;
    void setAnchor(const AnchorInfo &info);
    AnchorInfo anchor() const;
    void setAnchorString(const QString &text);
    QString anchorString() const;
    LayoutType layoutType() const;
    void setLayout(LayoutType type);
    Q_INVOKABLE void setWidgetPos(qint32 x, qint32 y);
    // The name a screen reader announces; empty means the control's visible text.
    QString accessibleName() const;
    void setAccessibleName(const QString &name);

protected:
    DuiWidget(DuiWidgetPrivate &dd, QGraphicsItem *parent);

    virtual void construct();
    virtual DuiWidget *getXmlNode();
    virtual void doColorize(QRgb rgb);

    void doConstruct();
    void setDisableStatus();

private:
    void setXmlPath(const QString &path);
    QString xmlPath() const;

    void init();

    Q_DISABLE_COPY(DuiWidget)
    Q_DECLARE_PRIVATE(DuiWidget)
    DUI_DECLARE_WIDGET_CREATOR(DuiWidget)
    friend class DuiXmlUI;
};

#endif // DUIWIDGET_H
