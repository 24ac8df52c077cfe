// SPDX-License-Identifier: MIT
#include "duiwidgettyperegister.h"

DuiDynamicCreateData<DuiWidgetCreateFunc> *getwidgetCreateFuncPointerDataHeader()
{
    static DuiDynamicCreateData<DuiWidgetCreateFunc> header;
    return &header;
}

DuiWidget *createWidgetByName(const char *name, QGraphicsItem *parent)
{
    auto *node = duiFindCreator(getwidgetCreateFuncPointerDataHeader(), name);
    return node ? node->creator(parent) : nullptr;
}
