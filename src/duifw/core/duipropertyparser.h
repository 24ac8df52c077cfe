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

// Enters a parser into the table for as long as the object lives (one static instance per
// type); a later registration of the same id replaces the parser.
class DUI_EXPORT DuiPropertyParserRegister
{
public:
    DuiPropertyParserRegister(int typeId, propertyParser parser);
    ~DuiPropertyParserRegister();

private:
    Q_DISABLE_COPY(DuiPropertyParserRegister)
    int m_typeId;
    propertyParser m_parser;
};

#endif // DUIPROPERTYPARSER_H
