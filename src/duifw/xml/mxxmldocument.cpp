// SPDX-License-Identifier: MIT
#include "mxxmldocument.h"

#include <QtCore/qfile.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qstring.h>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr qint64 kMaxDocumentBytes = 256 * 1024 * 1024;

std::wstring toWide(const char *utf8)
{
    return QString::fromUtf8(utf8).toStdWString();
}

QByteArray toUtf8(const std::wstring &text)
{
    return QString::fromStdWString(text).toUtf8();
}

} // namespace

struct MXXmlDocumentData
{
    pugi::xml_document document;
    // Every element wrapper handed out, owned flat so that deep trees are freed without recursion.
    std::vector<std::unique_ptr<MXXmlElement>> elements;
    const MXXmlElement *root = nullptr;
    // Byte offset of each line start of the parsed text, for line numbers.
    std::vector<ptrdiff_t> lineStarts;
    ptrdiff_t textLength = 0;
    std::wstring errorMessage;
    int errorLine = 0;
    int errorColumn = 0;

    void reset();
    void clearTree();
    bool parse(const char *data, size_t length, pugi::xml_encoding encoding = pugi::encoding_auto);
    const MXXmlElement *wrap(pugi::xml_node node);
    int lineOf(ptrdiff_t offset) const;
    int columnOf(const char *buffer, ptrdiff_t offset, int line) const;

    // The last column counted: elements are asked in document order, so the next count on the
    // same line goes on from here instead of from the line start. A document on one long line
    // would otherwise cost its length for every element.
    mutable int countedLine = 0;
    mutable ptrdiff_t countedOffset = 0;
    mutable int countedColumn = 1;
};

struct MXXmlElementData
{
    MXXmlDocumentData *owner = nullptr;
    pugi::xml_node node;
    mutable bool childrenListed = false;
    mutable std::vector<pugi::xml_node> childNodes;
    mutable std::vector<const MXXmlElement *> children;
    mutable bool attributesListed = false;
    mutable std::vector<pugi::xml_attribute> attributes;

    void listChildren() const
    {
        if (childrenListed)
            return;
        childrenListed = true;
        // Counted first, so that each list is one allocation of its final size.
        size_t count = 0;
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
            count += c.type() == pugi::node_element;
        childNodes.reserve(count);
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
            if (c.type() == pugi::node_element)
                childNodes.push_back(c);
        }
        children.assign(childNodes.size(), nullptr);
    }

    void listAttributes() const
    {
        if (attributesListed)
            return;
        attributesListed = true;
        size_t count = 0;
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
            ++count;
        attributes.reserve(count);
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
            attributes.push_back(a);
    }
};

void MXXmlDocumentData::clearTree()
{
    root = nullptr;
    elements.clear();
    document.reset();
    lineStarts.clear();
}

void MXXmlDocumentData::reset()
{
    clearTree();
    errorMessage.clear();
    errorLine = 0;
    errorColumn = 0;
    countedLine = 0;
}

const MXXmlElement *MXXmlDocumentData::wrap(pugi::xml_node node)
{
    auto *data = new MXXmlElementData;
    data->owner = this;
    data->node = node;
    elements.push_back(std::unique_ptr<MXXmlElement>(new MXXmlElement(data)));
    return elements.back().get();
}

int MXXmlDocumentData::lineOf(ptrdiff_t offset) const
{
    if (offset < 0 || lineStarts.empty())
        return 0;
    auto it = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
    return int(it - lineStarts.begin());
}

// Columns count characters, so UTF-8 continuation bytes are skipped. `buffer` is pugixml's copy
// of the text: offsets and line starts are the same in it as in the original.
int MXXmlDocumentData::columnOf(const char *buffer, ptrdiff_t offset, int line) const
{
    if (line < 1 || size_t(line) > lineStarts.size() || offset < lineStarts[size_t(line - 1)] || offset > textLength)
        return 0;
    int column = 1;
    ptrdiff_t from = lineStarts[size_t(line - 1)];
    if (countedLine == line && countedOffset <= offset) {
        from = countedOffset;
        column = countedColumn;
    }
    for (ptrdiff_t i = from; i < offset; ++i) {
        if ((static_cast<unsigned char>(buffer[i]) & 0xC0) != 0x80)
            ++column;
    }
    countedLine = line;
    countedOffset = offset;
    countedColumn = column;
    return column;
}

bool MXXmlDocumentData::parse(const char *data, size_t length, pugi::xml_encoding encoding)
{
    reset();
    lineStarts.push_back(0);
    textLength = ptrdiff_t(length);
    for (const char *at = data, *end = data + length; at < end;) {
        const auto *newline = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
        if (!newline)
            break;
        lineStarts.push_back(newline + 1 - data);
        at = newline + 1;
    }

    const pugi::xml_parse_result result =
        document.load_buffer(data, length, pugi::parse_default, encoding);
    ptrdiff_t errorOffset = result.offset;
    if (result) {
        pugi::xml_node element = document.document_element();
        pugi::xml_node second = element ? element.next_sibling() : pugi::xml_node();
        while (second && second.type() != pugi::node_element)
            second = second.next_sibling();
        if (element && !second) {
            root = wrap(element);
            return true;
        }
        // pugixml accepts several top-level elements; well-formed XML has exactly one.
        errorMessage = element ? std::wstring(L"More than one document element") : std::wstring(L"No document element");
        errorOffset = second ? second.offset_debug() : -1;
    } else {
        errorMessage = toWide(result.description());
    }

    if (errorOffset >= 0 && length > 0) {
        const ptrdiff_t offset = std::min<ptrdiff_t>(errorOffset, ptrdiff_t(length));
        errorLine = lineOf(offset);
        errorColumn = columnOf(data, offset, errorLine);
    }
    clearTree();
    return false;
}

MXXmlDocument::MXXmlDocument()
    : d(new MXXmlDocumentData)
{
}

MXXmlDocument::~MXXmlDocument() = default;

bool MXXmlDocument::loadFromFile(const std::wstring &path)
{
    const QString fileName = QString::fromStdWString(path);
    // Read whole: only regular files of a sane size (a device like /dev/zero would never end).
    const QFileInfo info(fileName);
    if (!fileName.startsWith(QLatin1Char(':')) && (!info.isFile() || info.size() > kMaxDocumentBytes)) {
        d->reset();
        d->errorMessage = info.exists() ? L"Not a regular file, or too large" : L"No such file";
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        d->reset();
        d->errorMessage = QStringLiteral("Cannot open file: %1").arg(file.errorString()).toStdWString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    return d->parse(bytes.constData(), size_t(bytes.size()));
}

bool MXXmlDocument::loadFromString(const char *data, int length)
{
    if (!data || length < 0) {
        d->reset();
        d->errorMessage = L"No data";
        return false;
    }
    return d->parse(data, size_t(length));
}

bool MXXmlDocument::loadFromString(const std::wstring &text)
{
    // Already decoded: the bytes are UTF-8 whatever encoding a declaration in the text names.
    const QByteArray bytes = toUtf8(text);
    return d->parse(bytes.constData(), size_t(bytes.size()), pugi::encoding_utf8);
}

const MXXmlElement *MXXmlDocument::rootElement() const
{
    return d->root;
}

const MXXmlElement *MXXmlDocument::elementByPath(const std::wstring &path) const
{
    if (!d->root || d->root->tag() != path)
        return nullptr;
    return d->root;
}

std::wstring MXXmlDocument::errorMessage() const
{
    return d->errorMessage;
}

int MXXmlDocument::errorLine() const
{
    return d->errorLine;
}

int MXXmlDocument::errorColumn() const
{
    return d->errorColumn;
}

MXXmlElement::MXXmlElement(MXXmlElementData *data)
    : d(data)
{
}

MXXmlElement::~MXXmlElement() = default;

std::wstring MXXmlElement::tag() const
{
    return toWide(d->node.name());
}

int MXXmlElement::attributeCount() const
{
    d->listAttributes();
    return int(d->attributes.size());
}

std::wstring MXXmlElement::attributeName(int index) const
{
    d->listAttributes();
    if (index < 0 || size_t(index) >= d->attributes.size())
        return std::wstring();
    return toWide(d->attributes[size_t(index)].name());
}

std::wstring MXXmlElement::attribute(int index) const
{
    d->listAttributes();
    if (index < 0 || size_t(index) >= d->attributes.size())
        return std::wstring();
    return toWide(d->attributes[size_t(index)].value());
}

const char *MXXmlElement::tagUtf8() const
{
    return d->node.name();
}

const char *MXXmlElement::attributeNameUtf8(int index) const
{
    d->listAttributes();
    if (index < 0 || size_t(index) >= d->attributes.size())
        return "";
    return d->attributes[size_t(index)].name();
}

const char *MXXmlElement::attributeUtf8(int index) const
{
    d->listAttributes();
    if (index < 0 || size_t(index) >= d->attributes.size())
        return "";
    return d->attributes[size_t(index)].value();
}

std::wstring MXXmlElement::attribute(const std::wstring &name) const
{
    const QByteArray key = toUtf8(name);
    return toWide(d->node.attribute(key.constData()).value());
}

std::wstring MXXmlElement::operator[](const std::wstring &name) const
{
    return attribute(name);
}

int MXXmlElement::childCount() const
{
    d->listChildren();
    return int(d->childNodes.size());
}

const MXXmlElement *MXXmlElement::child(int index) const
{
    d->listChildren();
    if (index < 0 || size_t(index) >= d->childNodes.size())
        return nullptr;
    const MXXmlElement *&slot = d->children[size_t(index)];
    if (!slot)
        slot = d->owner->wrap(d->childNodes[size_t(index)]);
    return slot;
}

int MXXmlElement::line() const
{
    return d->owner->lineOf(d->node.offset_debug());
}

int MXXmlElement::column() const
{
    int line, column;
    startPosition(&line, &column);
    return column;
}

bool MXXmlElement::startPosition(int *line, int *column) const
{
    const ptrdiff_t offset = d->node.offset_debug();
    *line = d->owner->lineOf(offset);
    *column = 0;
    if (offset >= 1) {
        // offset_debug() is the offset of the name; the buffer starts that far before it. The "<"
        // just before the name is on the name's line.
        const char *buffer = d->node.name() - offset;
        *column = d->owner->columnOf(buffer, offset - 1, *line);
    }
    return *line > 0;
}

bool MXXmlElement::attributePosition(int index, int *line, int *column) const
{
    *line = 0;
    *column = 0;
    d->listAttributes();
    const ptrdiff_t nodeOffset = d->node.offset_debug();
    if (index < 0 || size_t(index) >= d->attributes.size() || nodeOffset < 0)
        return false;
    // Parsed names point into pugixml's buffer, at the offset of their text.
    const char *buffer = d->node.name() - nodeOffset;
    const ptrdiff_t offset = d->attributes[size_t(index)].name() - buffer;
    if (offset <= nodeOffset || offset >= d->owner->textLength)
        return false;
    *line = d->owner->lineOf(offset);
    *column = d->owner->columnOf(buffer, offset, *line);
    return *line > 0;
}
