// SPDX-License-Identifier: MIT
#ifndef MXXMLDOCUMENT_H
#define MXXMLDOCUMENT_H

#include "duiglobal.h"
#include "mxxmlelement.h"

#include <memory>
#include <string>

struct MXXmlDocumentData;

// An XML document read whole into memory. Strings cross the interface as std::wstring. A load
// replaces what the document held; after a failed load the document is empty and can tell why.
class DUI_EXPORT MXXmlDocument
{
public:
    MXXmlDocument();
    ~MXXmlDocument();

    bool loadFromFile(const std::wstring &path);
    // `length` bytes of XML as stored in a file: a UTF-8 byte-order mark and a declaration may lead.
    bool loadFromString(const char *data, int length);
    bool loadFromString(const std::wstring &text);

    // The document element, or null when nothing is loaded.
    const MXXmlElement *rootElement() const;
    // The document element when its name is `path` (a single element name), null otherwise.
    const MXXmlElement *elementByPath(const std::wstring &path) const;

    // Why the last load failed (empty after a success), and where: 1-based line and column of the
    // offending character, 0 when the failure has no position (for example an unreadable file).
    std::wstring errorMessage() const;
    int errorLine() const;
    int errorColumn() const;

private:
    MXXmlDocument(const MXXmlDocument &) = delete;
    MXXmlDocument &operator=(const MXXmlDocument &) = delete;

    std::unique_ptr<MXXmlDocumentData> d;
};

#endif // MXXMLDOCUMENT_H
