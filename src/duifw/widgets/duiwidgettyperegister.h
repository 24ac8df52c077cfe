// SPDX-License-Identifier: MIT
#ifndef DUIWIDGETTYPEREGISTER_H
#define DUIWIDGETTYPEREGISTER_H

#include "duityperegister.h"

class DuiWidget;
class QGraphicsItem;

// The creator list of XML-creatable widgets: element name -> new widget under `parent`.
typedef DuiWidget *(*DuiWidgetCreateFunc)(QGraphicsItem *parent);

DUI_EXPORT DuiDynamicCreateData<DuiWidgetCreateFunc> *getwidgetCreateFuncPointerDataHeader();

// The widget registered under `name` (compared as Latin-1 bytes, case-sensitively), created under
// `parent`; null when no class has that name.
DUI_EXPORT DuiWidget *createWidgetByName(const char *name, QGraphicsItem *parent);

typedef DuiTypeRegister<DuiWidgetCreateFunc, QGraphicsItem *, DuiWidget *> DuiWidgetTypeRegister;

// In the class body of an XML-creatable widget: its creator and its registration object.
#define DUI_DECLARE_WIDGET_CREATOR(Class)                                   \
public:                                                                     \
    static DuiWidget *dynamicCreateObject##Class(QGraphicsItem *parent);    \
    static const DuiWidgetTypeRegister s_register##Class;                   \
private:

// In the class's .cpp: the one line that enters the class into the widget list.
#define DUI_REGISTER_WIDGET(Class)                                          \
    DuiWidget *Class::dynamicCreateObject##Class(QGraphicsItem *parent)     \
    { return new Class(parent); }                                           \
    const DuiWidgetTypeRegister Class::s_register##Class(                   \
        getwidgetCreateFuncPointerDataHeader(), #Class, &Class::dynamicCreateObject##Class);

#endif // DUIWIDGETTYPEREGISTER_H
