// SPDX-License-Identifier: MIT
#ifndef DUIFRAMETYPEREGISTER_H
#define DUIFRAMETYPEREGISTER_H

#include "duityperegister.h"

class DuiFrameWindow;
class QWidget;

// The creator list of XML-creatable frame windows: element name -> new window under `parent`.
typedef DuiFrameWindow *(*DuiFrameCreateFunc)(QWidget *parent);

DUI_EXPORT DuiDynamicCreateData<DuiFrameCreateFunc> *getframeCreateFuncPointerDataHeader();

// The frame window registered under `name` (compared as Latin-1 bytes, case-sensitively), created
// with `parent`; null when no class has that name.
DUI_EXPORT DuiFrameWindow *createFrameByName(const char *name, QWidget *parent);

typedef DuiTypeRegister<DuiFrameCreateFunc, QWidget *, DuiFrameWindow *> DuiFrameTypeRegister;

// The creator pair of DUI_DECLARE_WIDGET_CREATOR / DUI_REGISTER_WIDGET for frame windows, whose
// constructor takes the parent QWidget.
#define DUI_DECLARE_FRAME_CREATOR(Class)                                    \
public:                                                                     \
    static DuiFrameWindow *dynamicCreateObject##Class(QWidget *parent);     \
    static const DuiFrameTypeRegister s_register##Class;                    \
private:

#define DUI_REGISTER_FRAME(Class)                                           \
    DuiFrameWindow *Class::dynamicCreateObject##Class(QWidget *parent)      \
    { return new Class(parent); }                                           \
    const DuiFrameTypeRegister Class::s_register##Class(                    \
        getframeCreateFuncPointerDataHeader(), #Class, &Class::dynamicCreateObject##Class);

#endif // DUIFRAMETYPEREGISTER_H
