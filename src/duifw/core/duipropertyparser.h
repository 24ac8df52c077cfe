// SPDX-License-Identifier: MIT
#ifndef DUIPROPERTYPARSER_H
#define DUIPROPERTYPARSER_H

#include "duiglobal.h"

#include <QtCore/qhash.h>
#include <QtCore/qvariant.h>

// Turns the text of an XML attribute into a value of one property type.
typedef QVariant (*propertyParser)(const QString &text);

// The process-wide table from meta-type id (QMetaType::QSizeF, qMetaTypeId<AnchorInfo>(), ...)
// to the parser for attribute texts of that type; created on first use. Types without an entry
// receive the text itself, converted at the write.
DUI_EXPORT QHash<int, propertyParser> *getobjectPropertyCreatorMetaDataCreator();

// Enters `parser` for `typeId`, replacing the parser the id had.
DUI_EXPORT void duiRegisterPropertyParser(int typeId, propertyParser parser);
// Removes the entry for `typeId` if it is still `parser`; a parser that replaced it stays.
DUI_EXPORT void duiUnregisterPropertyParser(int typeId, propertyParser parser);

// Enters a parser into the table for as long as the object lives (one static instance per
// type); a later registration of the same id replaces the parser. Inline, so that its layout
// is the user's and never part of the library's interface.
class DuiPropertyParserRegister
{
public:
    DuiPropertyParserRegister(int typeId, propertyParser parser)
        : m_typeId(typeId)
        , m_parser(parser)
    {
        duiRegisterPropertyParser(typeId, parser);
    }
    ~DuiPropertyParserRegister() { duiUnregisterPropertyParser(m_typeId, m_parser); }

private:
    Q_DISABLE_COPY(DuiPropertyParserRegister)
    int m_typeId;
    propertyParser m_parser;
};

#endif // DUIPROPERTYPARSER_H
