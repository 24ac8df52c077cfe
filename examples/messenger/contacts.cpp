// SPDX-License-Identifier: MIT
#include "contacts.h"

#include <duitheme.h>
#include <duitooltip.h>
#include <duitreemodelitem.h>

#include <QtGui/qpainter.h>
#include <QtGui/qstandarditemmodel.h>
#include <QtWidgets/qstyleoption.h>

namespace contacts {

const QList<Contact> &all()
{
    static const QList<Contact> people = {
        {QStringLiteral("alice"), QStringLiteral("Alice Moreau"), Contact::Online,
         QStringLiteral("Back from Lisbon — ask me about the tram lines"), QColor(0xE0, 0x6C, 0x4F)},
        {QStringLiteral("bob"), QStringLiteral("Bob Okafor"), Contact::Online,
         QStringLiteral("Shipping the release candidate today"), QColor(0x3F, 0x8E, 0xD8)},
        {QStringLiteral("carmen"), QStringLiteral("Carmen Ruiz"), Contact::Online,
         QStringLiteral("Choir rehearsal at seven"), QColor(0x8C, 0x5B, 0xD6)},
        {QStringLiteral("dmitri"), QStringLiteral("Dmitri Volkov"), Contact::Away,
         QStringLiteral("In meetings until four"), QColor(0x2E, 0xA8, 0x8F)},
        {QStringLiteral("emeka"), QStringLiteral("Emeka Obi"), Contact::Away,
         QStringLiteral("Lunch, then the dentist"), QColor(0xD8, 0x9A, 0x2B)},
        {QStringLiteral("fatima"), QStringLiteral("Fatima Haddad"), Contact::Offline,
         QStringLiteral("On holiday in the mountains"), QColor(0xC2, 0x4E, 0x8A)},
        {QStringLiteral("gustav"), QStringLiteral("Gustav Lind"), Contact::Offline,
         QStringLiteral("Night shift this week"), QColor(0x5C, 0x7A, 0x99)},
        {QStringLiteral("hana"), QStringLiteral("Hana Sato"), Contact::Offline,
         QStringLiteral("Will answer tomorrow"), QColor(0x6E, 0xA8, 0x3C)},
    };
    return people;
}

const Contact *find(const QString &id)
{
    for (const Contact &contact : all()) {
        if (contact.id == id)
            return &contact;
    }
    return nullptr;
}

QString presenceText(Contact::Presence presence)
{
    switch (presence) {
    case Contact::Online:
        return QStringLiteral("Online");
    case Contact::Away:
        return QStringLiteral("Away");
    case Contact::Offline:
        break;
    }
    return QStringLiteral("Offline");
}

QColor presenceColour(Contact::Presence presence)
{
    switch (presence) {
    case Contact::Online:
        return QColor(0x3C, 0xB8, 0x4A);
    case Contact::Away:
        return QColor(0xF0, 0xA8, 0x1E);
    case Contact::Offline:
        break;
    }
    return QColor(0xA4, 0xAB, 0xB3);
}

bool matches(const Contact &contact, const QString &filter)
{
    return filter.isEmpty() || contact.name.contains(filter, Qt::CaseInsensitive)
        || contact.id.contains(filter, Qt::CaseInsensitive) || contact.statusLine.contains(filter, Qt::CaseInsensitive);
}

QPixmap avatar(const QString &name, const QColor &colour, Contact::Presence presence, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(presence == Contact::Offline ? colour.lighter(135) : colour);
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));

    QString initials;
    for (const QString &part : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        initials += part.at(0).toUpper();
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, side * 2 / 5));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, initials.left(2));

    const qreal dot = side * 0.3;
    const QRectF dotRect(side - dot - 0.5, side - dot - 0.5, dot, dot);
    painter.setPen(QPen(Qt::white, qMax(1.5, side / 20.0)));
    painter.setBrush(presenceColour(presence));
    painter.drawEllipse(dotRect);
    return pixmap;
}

QStandardItemModel *buildModel(const QString &filter)
{
    auto *model = new QStandardItemModel;
    auto *root = new QStandardItem(QStringLiteral("root"));
    model->appendRow(root);
    for (Contact::Presence presence : {Contact::Online, Contact::Away, Contact::Offline}) {
        QList<QStandardItem *> rows;
        for (const Contact &contact : all()) {
            if (contact.presence != presence)
                continue;
            if (!matches(contact, filter))
                continue;
            auto *row = new DuiTreeModelItem(contact.name);
            row->setType(DuiCategoryItem::ModelItemType);
            row->setData(contact.id, IdRole);
            rows << row;
        }
        if (rows.isEmpty())
            continue;
        auto *header = new DuiTreeModelItem(QStringLiteral("%1 (%2)").arg(presenceText(presence)).arg(rows.size()));
        header->setType(DuiCategoryHeaderItem::ModelItemType);
        for (QStandardItem *row : rows)
            header->appendRow(row);
        root->appendRow(header);
    }
    return model;
}

} // namespace contacts

ContactRow::ContactRow(DuiToolTip *tips, QStandardItem *modelItem, QGraphicsItem *parent)
    : DuiCategoryItem(modelItem, parent)
    , m_tips(tips)
{
}

DuiTreeViewItem *ContactRow::createItem(QStandardItem *item, QGraphicsItem *parent)
{
    if (!item || item->type() != DuiCategoryItem::ModelItemType)
        return nullptr;
    auto *row = new ContactRow(m_tips, item, parent);
    if (m_tips)
        m_tips->attatchWidget(row);
    return row;
}

QString ContactRow::toolTip() const
{
    const QStandardItem *item = modelItem();
    const Contact *contact = item ? contacts::find(item->data(contacts::IdRole).toString()) : nullptr;
    if (!contact)
        return DuiCategoryItem::toolTip();
    return QStringLiteral("%1 — %2\n%3").arg(contact->name, contacts::presenceText(contact->presence), contact->statusLine);
}

void ContactRow::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const QRect r = rect().toRect();
    if (isSelected())
        DuiTheme::drawSelectedRect(painter, r);
    else if (option->state & QStyle::State_MouseOver)
        DuiTheme::drawHoveredRect(painter, r);
    const QStandardItem *item = modelItem();
    const Contact *contact = item ? contacts::find(item->data(contacts::IdRole).toString()) : nullptr;
    if (!contact)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const int side = 36;
    const int left = 24;
    painter->drawPixmap(left, r.top() + (r.height() - side) / 2, contacts::avatar(contact->name, contact->colour, contact->presence, side));

    const QRect text = r.adjusted(left + side + 10, 7, -10, -7);
    QFont nameFont = painter->font();
    nameFont.setPixelSize(13);
    nameFont.setBold(true);
    painter->setFont(nameFont);
    painter->setPen(contact->presence == Contact::Offline ? QColor(0x70, 0x78, 0x82) : QColor(0x22, 0x2B, 0x35));
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, contact->name);

    QFont lineFont = painter->font();
    lineFont.setPixelSize(11);
    lineFont.setBold(false);
    painter->setFont(lineFont);
    painter->setPen(QColor(0x7A, 0x84, 0x8F));
    const QString line = QFontMetrics(lineFont).elidedText(contact->statusLine, Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignBottom, line);
}
