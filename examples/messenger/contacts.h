// SPDX-License-Identifier: MIT
// The address book of the messenger: a few people with a presence and a status line, the tree
// model that groups them by presence, and the tree row that draws one of them.
#ifndef MESSENGER_CONTACTS_H
#define MESSENGER_CONTACTS_H

#include <duicategoryitem.h>

#include <QtCore/qlist.h>
#include <QtCore/qstring.h>
#include <QtGui/qcolor.h>
#include <QtGui/qpixmap.h>

class DuiToolTip;
class QStandardItemModel;

struct Contact
{
    enum Presence { Online, Away, Offline };

    QString id;         // what --open takes: "alice"
    QString name;       // "Alice Moreau"
    Presence presence;
    QString statusLine; // shown under the name and scrolling in the conversation's banner
    QColor colour;      // the avatar's
};

namespace contacts {

const QList<Contact> &all();
const Contact *find(const QString &id);
QString presenceText(Contact::Presence presence);
QColor presenceColour(Contact::Presence presence);

// Whether the name, id or status line holds `filter` (any case); an empty filter matches all.
bool matches(const Contact &contact, const QString &filter);

// A round picture with the initials and a presence dot in its corner.
QPixmap avatar(const QString &name, const QColor &colour, Contact::Presence presence, int side);

// The contacts that match `filter`, under one category per presence that has any. The model has
// no parent.
QStandardItemModel *buildModel(const QString &filter);

constexpr int IdRole = Qt::UserRole + 1;

} // namespace contacts

// A contact in the tree: avatar, name and status line. New rows join the tooltip controller, so
// hovering a contact shows who it is and what they are up to.
class ContactRow : public DuiCategoryItem
{
    Q_OBJECT
public:
    explicit ContactRow(DuiToolTip *tips, QStandardItem *modelItem = nullptr, QGraphicsItem *parent = nullptr);

    DuiTreeViewItem *createItem(QStandardItem *item, QGraphicsItem *parent) override;
    QString toolTip() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

private:
    DuiToolTip *m_tips;
};

#endif // MESSENGER_CONTACTS_H
