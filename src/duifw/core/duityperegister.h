// SPDX-License-Identifier: MIT
#ifndef DUITYPEREGISTER_H
#define DUITYPEREGISTER_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

#include <cstring>
#include <string>

class MXXmlElement;
class QFont;
class QObject;

// The creator lists of the XML builder: classes, data elements and font attributes, each found by
// its element or attribute name. Widgets and frame windows keep their lists next to their base
// classes (duiwidgettyperegister.h, duiframetyperegister.h); all lists share the node and
// registration types below.

// One node of a name-keyed creator list. Each list starts with a header node whose `next` is the
// first real node; registration links new nodes in front.
template <typename Creator>
struct DuiDynamicCreateData
{
    const char *name = nullptr;
    Creator creator = nullptr;
    DuiDynamicCreateData *next = nullptr;
};

// The first node of a list whose name equals `name` byte for byte (Latin-1); null for none.
template <typename Creator>
DuiDynamicCreateData<Creator> *duiFindCreator(DuiDynamicCreateData<Creator> *header, const char *name)
{
    if (!name)
        return nullptr;
    for (DuiDynamicCreateData<Creator> *node = header->next; node; node = node->next) {
        if (std::strcmp(node->name, name) == 0)
            return node;
    }
    return nullptr;
}

typedef bool (*DuiObjectDataCreateFunc)(QObject *target, const MXXmlElement *element);
typedef bool (*DuiFontPropertyFunc)(QFont *font, const std::wstring &value);

DUI_EXPORT DuiDynamicCreateData<DuiObjectDataCreateFunc> *getobjectDataCreatorDataHeader();
DUI_EXPORT DuiDynamicCreateData<DuiFontPropertyFunc> *getfontPropertyFuncDataHeader();

// Lookups walk a list from its first node and call the first exact, case-sensitive match.
DUI_EXPORT bool applyDataElement(const QString &name, QObject *target, const MXXmlElement *element);
DUI_EXPORT bool applyFontAttribute(QFont *font, const QString &name, const std::wstring &value);

// Enters one creator into a list for as long as the object lives; one static instance per class.
template <typename Creator, typename Arg, typename Result>
class DuiTypeRegister
{
public:
    DuiTypeRegister(DuiDynamicCreateData<Creator> *header, const char *name, Creator creator)
        : m_header(header)
        , m_node(new DuiDynamicCreateData<Creator>)
    {
        m_node->name = name;
        m_node->creator = creator;
        m_node->next = header->next;
        header->next = m_node;
    }
    ~DuiTypeRegister()
    {
        for (DuiDynamicCreateData<Creator> *prev = m_header; prev; prev = prev->next) {
            if (prev->next == m_node) {
                prev->next = m_node->next;
                break;
            }
        }
        delete m_node;
    }

private:
    Q_DISABLE_COPY(DuiTypeRegister)
    DuiDynamicCreateData<Creator> *m_header;
    DuiDynamicCreateData<Creator> *m_node;
};

typedef DuiTypeRegister<DuiObjectDataCreateFunc, QObject *, bool> DuiObjectDataTypeRegister;
typedef DuiTypeRegister<DuiFontPropertyFunc, QFont *, bool> DuiFontPropertyTypeRegister;

// Enters a data element ("TabData", ...) or a font attribute ("bold", ...) under its name; one
// line per entry in the .cpp that defines the function.
#define DUI_REGISTER_DATA_ELEMENT(Name, function)                          \
    static const DuiObjectDataTypeRegister s_registerData##Name(            \
        getobjectDataCreatorDataHeader(), #Name, function);

#define DUI_REGISTER_FONT_ATTRIBUTE(Name, function)                        \
    static const DuiFontPropertyTypeRegister s_registerFont##Name(          \
        getfontPropertyFuncDataHeader(), #Name, function);

#endif // DUITYPEREGISTER_H
