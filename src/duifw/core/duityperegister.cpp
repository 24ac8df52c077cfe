// SPDX-License-Identifier: MIT
#include "duityperegister.h"

#include <cstring>

namespace {

template <typename Creator>
DuiDynamicCreateData<Creator> *findByLatin1(DuiDynamicCreateData<Creator> *header, const char *name)
{
    if (!name)
        return nullptr;
    for (DuiDynamicCreateData<Creator> *node = header->next; node; node = node->next) {
        if (std::strcmp(node->name, name) == 0)
            return node;
    }
    return nullptr;
}

template <typename Creator>
DuiDynamicCreateData<Creator> *findByString(DuiDynamicCreateData<Creator> *header, const QString &name)
{
    for (DuiDynamicCreateData<Creator> *node = header->next; node; node = node->next) {
        if (name == QLatin1String(node->name))
            return node;
    }
    return nullptr;
}

} // namespace

DuiDynamicCreateData<DuiWidgetCreateFunc> *getwidgetCreateFuncPointerDataHeader()
{
    static DuiDynamicCreateData<DuiWidgetCreateFunc> header;
    return &header;
}

DuiDynamicCreateData<DuiFrameCreateFunc> *getframeCreateFuncPointerDataHeader()
{
    static DuiDynamicCreateData<DuiFrameCreateFunc> header;
    return &header;
}

DuiDynamicCreateData<DuiObjectDataCreateFunc> *getobjectDataCreatorDataHeader()
{
    static DuiDynamicCreateData<DuiObjectDataCreateFunc> header;
    return &header;
}

DuiDynamicCreateData<DuiFontPropertyFunc> *getfontPropertyFuncDataHeader()
{
    static DuiDynamicCreateData<DuiFontPropertyFunc> header;
    return &header;
}

DuiWidget *createWidgetByName(const char *name, QGraphicsItem *parent)
{
    auto *node = findByLatin1(getwidgetCreateFuncPointerDataHeader(), name);
    return node ? node->creator(parent) : nullptr;
}

DuiFrameWindow *createFrameByName(const char *name, QWidget *parent)
{
    auto *node = findByLatin1(getframeCreateFuncPointerDataHeader(), name);
    return node ? node->creator(parent) : nullptr;
}

bool applyDataElement(const QString &name, QObject *target, const MXXmlElement *element)
{
    auto *node = findByString(getobjectDataCreatorDataHeader(), name);
    return node ? node->creator(target, element) : false;
}

bool applyFontAttribute(QFont *font, const QString &name, const std::wstring &value)
{
    auto *node = findByString(getfontPropertyFuncDataHeader(), name);
    return node ? node->creator(font, value) : false;
}
