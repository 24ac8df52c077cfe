// SPDX-License-Identifier: MIT
#ifndef DUITEXTCOMPOSITEFORMAT_H
#define DUITEXTCOMPOSITEFORMAT_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qpair.h>
#include <QtCore/qvariant.h>

class DuiTextCursor;
class QColor;
class QImage;
class QTextCharFormat;

// A recorded sequence of insertions (text, links, images), built once and replayed into any
// DuiTextCursor with insertCompositeData. Copies share the recording.
class DUI_EXPORT DuiTextCompositeFormat
{
public:
    enum EntryType { Text = 0, Link = 1, Image = 2 };
    typedef QPair<int, QVariantMap> Entry;

    DuiTextCompositeFormat();
    DuiTextCompositeFormat(const DuiTextCompositeFormat &other);
    DuiTextCompositeFormat &operator=(const DuiTextCompositeFormat &other);
    virtual ~DuiTextCompositeFormat();

    void addText(const QString &text, const QColor &color);
    void addText(const QString &text, const QTextCharFormat &format);
    void addLink(const QString &key, const QString &name, const QString &value, const QColor &color);
    void addLink(const QString &key, const QString &name, const QString &value, const QTextCharFormat &format);
    // An image file `path` whose key text is `key`.
    void addImage(const QString &path, const QString &key);
    void addImage(const QString &key, const QImage &image);
    bool isNull() const;
    QList<Entry> entries() const;

    // Inserts the entries in order; a link without a valid format and unknown types are skipped.
    virtual void parseInput(DuiTextCursor &cursor) const;

private:
    QList<Entry> m_entries;
};

#endif // DUITEXTCOMPOSITEFORMAT_H
