// SPDX-License-Identifier: MIT
#include "duitextcompositeformat.h"

#include "duitextcursor.h"

#include <QtGui/qbrush.h>
#include <QtGui/qimage.h>
#include <QtGui/qtextformat.h>

namespace {
const QString kText = QStringLiteral("text");
const QString kTextFormat = QStringLiteral("textFormat");
const QString kLinkKey = QStringLiteral("linkKey");
const QString kLinkName = QStringLiteral("linkName");
const QString kLinkValue = QStringLiteral("linkValue");
const QString kLinkFormat = QStringLiteral("linkFormat");
const QString kImageKey = QStringLiteral("imageKey");
const QString kImagePath = QStringLiteral("imagePath");
const QString kImageData = QStringLiteral("imageData");
} // namespace

DuiTextCompositeFormat::DuiTextCompositeFormat() = default;
DuiTextCompositeFormat::DuiTextCompositeFormat(const DuiTextCompositeFormat &other) = default;
DuiTextCompositeFormat &DuiTextCompositeFormat::operator=(const DuiTextCompositeFormat &other) = default;
DuiTextCompositeFormat::~DuiTextCompositeFormat() = default;

void DuiTextCompositeFormat::addText(const QString &text, const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(QBrush(color));
    addText(text, format);
}

void DuiTextCompositeFormat::addText(const QString &text, const QTextCharFormat &format)
{
    m_entries.append({Text, {{kText, text}, {kTextFormat, QVariant::fromValue(format)}}});
}

void DuiTextCompositeFormat::addLink(const QString &key, const QString &name, const QString &value, const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(QBrush(color));
    format.setFontUnderline(true);
    addLink(key, name, value, format);
}

void DuiTextCompositeFormat::addLink(const QString &key, const QString &name, const QString &value,
                                     const QTextCharFormat &format)
{
    m_entries.append({Link, {{kLinkKey, key}, {kLinkName, name}, {kLinkValue, value}, {kLinkFormat, QVariant::fromValue(format)}}});
}

void DuiTextCompositeFormat::addImage(const QString &path, const QString &key)
{
    m_entries.append({Image, {{kImageKey, path}, {kImagePath, key}}});
}

void DuiTextCompositeFormat::addImage(const QString &key, const QImage &image)
{
    m_entries.append({Image, {{kImageKey, key}, {kImageData, image}}});
}

bool DuiTextCompositeFormat::isNull() const
{
    return m_entries.isEmpty();
}

QList<DuiTextCompositeFormat::Entry> DuiTextCompositeFormat::entries() const
{
    return m_entries;
}

void DuiTextCompositeFormat::parseInput(DuiTextCursor &cursor) const
{
    for (const Entry &entry : m_entries) {
        const QVariantMap &map = entry.second;
        switch (entry.first) {
        case Text:
            cursor.QTextCursor::insertText(map.value(kText).toString(), map.value(kTextFormat).value<QTextCharFormat>());
            break;
        case Link: {
            const QTextCharFormat format = map.value(kLinkFormat).value<QTextCharFormat>();
            if (map.contains(kLinkFormat) && format.isValid())
                cursor.insertTextLink(map.value(kLinkKey).toString(), map.value(kLinkValue).toString(),
                                      map.value(kLinkName).toString(), format);
            break;
        }
        case Image:
            if (map.contains(kImagePath))
                cursor.insertImage(map.value(kImageKey).toString(), map.value(kImagePath).toString());
            else if (map.contains(kImageData))
                cursor.insertImage(map.value(kImageData).value<QImage>(), map.value(kImageKey).toString());
            break;
        default:
            break;
        }
    }
}
