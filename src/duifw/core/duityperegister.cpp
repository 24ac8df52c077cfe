// SPDX-License-Identifier: MIT
#include "duityperegister.h"

namespace {

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
