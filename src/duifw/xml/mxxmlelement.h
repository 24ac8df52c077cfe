// SPDX-License-Identifier: MIT
#ifndef MXXMLELEMENT_H
#define MXXMLELEMENT_H

#include "duiglobal.h"

#include <memory>
#include <string>

class MXXmlDocument;
struct MXXmlElementData;

// One element of an MXXmlDocument, owned by the document and valid while it lives. Attributes
// and child elements are indexed in document order; text nodes are not elements.
class DUI_EXPORT MXXmlElement
{
public:
    ~MXXmlElement();

    std::wstring tag() const;

    int attributeCount() const;
    std::wstring attributeName(int index) const;
    std::wstring attribute(int index) const;
    // Value of the named attribute, empty when absent.
    std::wstring attribute(const std::wstring &name) const;
    std::wstring operator[](const std::wstring &name) const;

    int childCount() const;
    // The index-th child element, or null when out of range.
    const MXXmlElement *child(int index) const;

    // The same texts as the document holds them, in UTF-8, valid while the document lives: the
    // cheap form for readers that convert each text once (an index out of range gives "").
    const char *tagUtf8() const;
    const char *attributeNameUtf8(int index) const;
    const char *attributeUtf8(int index) const;

    // 1-based line of the element's start tag in the parsed text, 0 when unknown.
    int line() const;
    // 1-based column of the start tag's "<", counted in characters; 0 when unknown.
    int column() const;
    // line() and column() together, found with one search of the line table; false when the
    // line is unknown.
    bool startPosition(int *line, int *column) const;
    // 1-based line and column of the index-th attribute's name; false (and zeros) when unknown.
    bool attributePosition(int index, int *line, int *column) const;

private:
    explicit MXXmlElement(MXXmlElementData *data);
    MXXmlElement(const MXXmlElement &) = delete;
    MXXmlElement &operator=(const MXXmlElement &) = delete;

    std::unique_ptr<MXXmlElementData> d;
    friend class MXXmlDocument;
    friend struct MXXmlElementData;
    friend struct MXXmlDocumentData;
};

#endif // MXXMLELEMENT_H
