// SPDX-License-Identifier: MIT
#include "duiframetyperegister.h"

DuiDynamicCreateData<DuiFrameCreateFunc> *getframeCreateFuncPointerDataHeader()
{
    static DuiDynamicCreateData<DuiFrameCreateFunc> header;
    return &header;
}

DuiFrameWindow *createFrameByName(const char *name, QWidget *parent)
{
    auto *node = duiFindCreator(getframeCreateFuncPointerDataHeader(), name);
    return node ? node->creator(parent) : nullptr;
}
