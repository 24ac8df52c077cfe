// SPDX-License-Identifier: MIT
#include "duiwidget.h"
#include "duiwidget_p.h"

#include "duiaccessibleevents_p.h"
#include "duicolorizeeffect_p.h"
#include "duilogging_p.h"
#include "duipropertyparser.h"
#include "duitheme.h"

#include <QtCore/qhash.h>
#include <QtGui/qpalette.h>
#include <QtWidgets/qgraphicsanchorlayout.h>
#include <QtWidgets/qgraphicseffect.h>
#include <QtWidgets/qgraphicslinearlayout.h>

#include <cfloat>
#include <iterator>

namespace {

DuiXmlPathLoader s_xmlPathLoader = nullptr;

QVariant parseAnchorInfo(const QString &text)
{
    return QVariant::fromValue(AnchorInfo::fromString(text));
}

// AnchorInfo is the type of the "anchor" property: QMetaType::fromName must know it by name, and
// its attribute text has a parser of its own.
struct AnchorInfoRegistration
{
    AnchorInfoRegistration() { qRegisterMetaType<AnchorInfo>("AnchorInfo"); }
} const s_anchorInfoType;
const DuiPropertyParserRegister s_parseAnchorInfo(qMetaTypeId<AnchorInfo>(), parseAnchorInfo);

// The xmlPath of each widget that was given one. Kept outside the widgets because few have one;
// never destroyed, so widgets that outlive static destruction can still remove their entry.
QHash<const DuiWidget *, QString> &xmlPathRegistry()
{
    static auto *registry = new QHash<const DuiWidget *, QString>;
    return *registry;
}

int readAnchorPoint(const QString &name)
{
    return qMax(duiAnchorPointNamed(QStringView(name)), int(DuiWidget::Left));
}

DuiWidget *parentDuiWidget(const DuiWidget *w)
{
    return qobject_cast<DuiWidget *>(w->parentObject());
}

} // namespace

// In the order of DuiWidget::AnchorPoint.
static const char *const kAnchorPointNames[] = {"Left", "HCenter", "Right", "Top", "VCenter", "Bottom"};

template <typename Text>
static int anchorPointNamed(Text name)
{
    for (int point = 0; point < int(std::size(kAnchorPointNames)); ++point) {
        if (name == QLatin1String(kAnchorPointNames[point]))
            return point;
    }
    return -1;
}

int duiAnchorPointNamed(QLatin1String name)
{
    return anchorPointNamed(name);
}

int duiAnchorPointNamed(QStringView name)
{
    return anchorPointNamed(name);
}

const char *duiAnchorPointName(int point)
{
    return point >= 0 && point < int(std::size(kAnchorPointNames)) ? kAnchorPointNames[point] : nullptr;
}

DUI_REGISTER_WIDGET(DuiWidget)

int &duiNoNameCounter()
{
    static int counter = 0;
    return counter;
}

AnchorInfo AnchorInfo::fromString(const QString &text)
{
    AnchorInfo info;
    const QStringList parts = text.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    const int count = qMin(int(parts.size()), 4);
    for (int i = 0; i < count; ++i) {
        const QStringList pieces = parts.at(i).split(QLatin1Char(':'), Qt::KeepEmptyParts);
        if (pieces.size() < 2)
            continue;
        info.targetPoint[i] = readAnchorPoint(pieces.at(0));
        bool ok = false;
        const int distance = pieces.at(1).toInt(&ok, 10);
        info.distance[i] = ok ? distance : 0;
    }
    return info;
}

DuiWidget::DuiWidget(QGraphicsItem *parent)
    : DuiWidgetBase(*new DuiWidgetPrivate, parent)
{
    init();
}

DuiWidget::DuiWidget(DuiWidgetPrivate &dd, QGraphicsItem *parent)
    : DuiWidgetBase(dd, parent)
{
    init();
}

DuiWidget::~DuiWidget()
{
    xmlPathRegistry().remove(this);
}

void DuiWidget::init()
{
    setContentsMargins(0, 0, 0, 0);
    int &counter = duiNoNameCounter();
    setObjectName(QStringLiteral("NoNameWidget%1").arg(counter));
    ++counter;
    setFocusPolicy(Qt::ClickFocus);
    // An unconstrained widget may grow to twice the virtual desktop.
    const QSizeF limit = QSizeF(DuiTheme::virtualScreenSize()) * 2.0;
    setPreferredSize(limit);
    setMaximumSize(limit);
}

void DuiWidget::setAlignment(Qt::Alignment alignment)
{
    DuiWidget *parent = parentDuiWidget(this);
    if (!parent || parent->layoutType() != Linear)
        return;
    if (auto *linear = dynamic_cast<QGraphicsLinearLayout *>(parent->layout()))
        linear->setAlignment(this, alignment);
}

void DuiWidget::setBackgroundColor(QColor color)
{
    Q_D(DuiWidget);
    if (color == d->backgroundColor)
        return;
    d->backgroundColor = color;
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void DuiWidget::setColorizePolicy(ColorizeWidgetFlag policy)
{
    d_func()->colorizePolicy = policy;
}

void DuiWidget::setThemeColorType(int type)
{
    d_func()->themeColorType = type;
}

void DuiWidget::setLayout(QGraphicsLayout *layout)
{
    QGraphicsWidget::setLayout(layout);
    setMargins(QMargins(0, 0, 0, 0));
    setSpacing(0);
}

DuiWidget::DragWidgetFlag DuiWidget::hitTest(const QPointF &point) const
{
    Q_UNUSED(point);
    return dragPolicy();
}

void DuiWidget::addItem(DuiWidget *item)
{
    insertItem(quint32(-1), item);
}

void DuiWidget::insertItem(quint32 index, DuiWidget *item)
{
    if (!item || layoutType() != Linear)
        return;
    // A layout holding its own widget, or an ancestor of it, contains itself: Qt would crash or
    // loop for ever sizing it.
    if (item == this || item->isAncestorOf(this)) {
        qCWarning(lcDuiCore) << "refusing to lay out" << item->objectName() << "inside itself or a descendant";
        return;
    }
    if (auto *linear = dynamic_cast<QGraphicsLinearLayout *>(layout()))
        linear->insertItem(int(index), item);
}

void DuiWidget::removeItem(DuiWidget *item)
{
    QGraphicsLayout *current = layout();
    if (!item || !current)
        return;
    if (layoutType() == Linear) {
        if (auto *linear = dynamic_cast<QGraphicsLinearLayout *>(current))
            linear->removeItem(item);
    } else if (layoutType() == Anchor) {
        for (int i = 0; i < current->count(); ++i) {
            if (current->itemAt(i) == item) {
                current->removeAt(i);
                break;
            }
        }
    }
}

QGraphicsLayout *DuiWidget::layout() const
{
    return QGraphicsWidget::layout();
}

QString DuiWidget::toolTip() const
{
    return d_func()->toolTip;
}

void DuiWidget::setToolTip(const QString &toolTip)
{
    d_func()->toolTip = toolTip;
}

QString DuiWidget::accessibleName() const
{
    return d_func()->accessibleName;
}

void DuiWidget::setAccessibleName(const QString &name)
{
    Q_D(DuiWidget);
    if (d->accessibleName == name)
        return;
    d->accessibleName = name;
    duiAccessibleEvent(this, QAccessible::NameChanged);
}

void DuiWidget::colorize(QRgb rgb)
{
    switch (colorizePolicy()) {
    case ColorableFlag:
        doColorize(rgb);
        break;
    case UnColorableFlag:
        setGraphicsEffect(nullptr);
        break;
    case FollowParent:
        break;
    }
}

void DuiWidget::doColorize(QRgb rgb)
{
    const int type = themeColorType();
    if (type != 0)
        rgb = DuiTheme::getColor(DuiTheme::ColorType(type));
    auto *effect = qobject_cast<QGraphicsColorizeEffect *>(graphicsEffect());
    if (!effect) {
        effect = new DuiColorizeEffect(this);
        setGraphicsEffect(effect);
    }
    effect->setColor(QColor::fromRgba(rgb));
}

void DuiWidget::setDisableStatus()
{
    if (qobject_cast<QGraphicsColorizeEffect *>(graphicsEffect()))
        return;
    auto *effect = new DuiColorizeEffect(this);
    effect->setColor(Qt::gray);
    setGraphicsEffect(effect);
}

void DuiWidget::construct()
{
}

DuiWidget *DuiWidget::getXmlNode()
{
    return this;
}

void DuiWidget::doConstruct()
{
    const QString path = xmlPath();
    if (!path.isEmpty() && s_xmlPathLoader)
        s_xmlPathLoader(path, this);
    construct();
}

int DuiWidget::height() const
{
    return int(size().height());
}

void DuiWidget::setHeight(int height)
{
    resize(size().width(), height);
}

int DuiWidget::width() const
{
    return int(size().width());
}

void DuiWidget::setWidth(int width)
{
    resize(width, size().height());
}

int DuiWidget::spacing() const
{
    return 0;
}

void DuiWidget::setSpacing(int spacing)
{
    QGraphicsLayout *current = layout();
    if (!current)
        return;
    if (layoutType() == Linear) {
        if (auto *linear = dynamic_cast<QGraphicsLinearLayout *>(current))
            linear->setSpacing(spacing);
    } else if (layoutType() == Anchor) {
        if (auto *anchor = dynamic_cast<QGraphicsAnchorLayout *>(current))
            anchor->setSpacing(spacing);
    }
}

int DuiWidget::itemSpacing() const
{
    return 0;
}

void DuiWidget::setItemSpacing(int spacing)
{
    DuiWidget *parent = parentDuiWidget(this);
    if (!parent || parent->layoutType() != Linear)
        return;
    auto *linear = dynamic_cast<QGraphicsLinearLayout *>(parent->layout());
    if (!linear)
        return;
    for (int i = 0; i < linear->count(); ++i) {
        if (linear->itemAt(i) == this)
            linear->setItemSpacing(i, spacing);
    }
}

Qt::Alignment DuiWidget::alignment() const
{
    return Qt::AlignCenter;
}

QSizeF DuiWidget::fixSize() const
{
    return size();
}

void DuiWidget::setFixSize(const QSizeF &size)
{
    setMinimumSize(size);
    setMaximumSize(size);
    setPreferredSize(size);
}

int DuiWidget::fixHeight() const
{
    return int(size().height());
}

void DuiWidget::setFixHeight(int height)
{
    setMinimumHeight(height);
    setMaximumHeight(height);
    setPreferredHeight(height);
}

int DuiWidget::fixWidth() const
{
    return int(size().width());
}

void DuiWidget::setFixWidth(int width)
{
    setMinimumWidth(width);
    setMaximumWidth(width);
    setPreferredWidth(width);
}

QMargins DuiWidget::margins() const
{
    QGraphicsLayout *current = layout();
    if (!current)
        return QMargins();
    qreal left = 0, top = 0, right = 0, bottom = 0;
    current->getContentsMargins(&left, &top, &right, &bottom);
    return QMargins(int(left), int(top), int(right), int(bottom));
}

void DuiWidget::setMargins(const QMargins &margins)
{
    if (QGraphicsLayout *current = layout())
        current->setContentsMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

QColor DuiWidget::backgroundColor() const
{
    return d_func()->backgroundColor;
}

void DuiWidget::setDragPolicy(DragWidgetFlag policy)
{
    d_func()->dragPolicy = policy;
}

DuiWidget::DragWidgetFlag DuiWidget::dragPolicy() const
{
    return DragWidgetFlag(d_func()->dragPolicy);
}

DuiWidget::ColorizeWidgetFlag DuiWidget::colorizePolicy() const
{
    return ColorizeWidgetFlag(d_func()->colorizePolicy);
}

int DuiWidget::themeColorType() const
{
    return d_func()->themeColorType;
}

void DuiWidget::setAnchor(const AnchorInfo &info)
{
    DuiWidget *parent = parentDuiWidget(this);
    if (!parent || parent->layoutType() != Anchor)
        return;
    auto *anchorLayout = dynamic_cast<QGraphicsAnchorLayout *>(parent->layout());
    if (!anchorLayout)
        return;
    static const Qt::AnchorPoint ownEdges[4] = {Qt::AnchorLeft, Qt::AnchorRight, Qt::AnchorTop, Qt::AnchorBottom};
    for (int i = 0; i < 4; ++i) {
        const int target = info.targetPoint[i];
        if (target < Qt::AnchorLeft || target > Qt::AnchorBottom)
            continue;
        // Qt refuses (and warns about) anchors between a horizontal and a vertical edge; ask it
        // only for pairs it can honour.
        const bool ownHorizontal = i < 2;
        const bool targetHorizontal = target <= Qt::AnchorRight;
        if (ownHorizontal != targetHorizontal)
            continue;
        if (QGraphicsAnchor *anchor = anchorLayout->addAnchor(this, ownEdges[i], anchorLayout, Qt::AnchorPoint(target)))
            anchor->setSpacing(info.distance[i]);
    }
}

AnchorInfo DuiWidget::anchor() const
{
    return AnchorInfo();
}

void DuiWidget::setAnchorString(const QString &text)
{
    setAnchor(AnchorInfo::fromString(text));
}

QString DuiWidget::anchorString() const
{
    return QString();
}

DuiWidget::LayoutType DuiWidget::layoutType() const
{
    return LayoutType(d_func()->layoutType);
}

void DuiWidget::setLayout(LayoutType type)
{
    Q_D(DuiWidget);
    // A class that keeps no layout of its own refuses the one offered; nothing else owns it then.
    auto offer = [this](QGraphicsLayout *layout) {
        setLayout(layout);
        if (!layout->parentLayoutItem())
            delete layout;
    };
    switch (type) {
    case VBox:
    case HBox:
        d->layoutType = Linear;
        offer(new QGraphicsLinearLayout(type == VBox ? Qt::Vertical : Qt::Horizontal));
        break;
    case Anchor:
        d->layoutType = Anchor;
        offer(new QGraphicsAnchorLayout);
        break;
    default:
        setLayout(static_cast<QGraphicsLayout *>(nullptr));
        break;
    }
}

void DuiWidget::setWidgetPos(qint32 x, qint32 y)
{
    Q_UNUSED(y); // the horizontal position is all that hosts ever moved with this call
    setX(x);
}

void DuiWidget::setXmlPath(const QString &path)
{
    xmlPathRegistry().insert(this, path);
}

QString DuiWidget::xmlPath() const
{
    return xmlPathRegistry().value(this);
}

void duiSetXmlPathLoader(DuiXmlPathLoader loader)
{
    s_xmlPathLoader = loader;
}
