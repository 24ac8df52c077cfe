// SPDX-License-Identifier: MIT
#ifndef DUITYPEREGISTER_H
#define DUITYPEREGISTER_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

#include <string>

class DuiWidget;
class DuiFrameWindow;
class MXXmlElement;
class QFont;
class QGraphicsItem;
class QObject;
class QWidget;

// One node of a name-keyed creator list. Each list starts with a header node whose `next` is the
// first real node; registration links new nodes in front.
template <typename Creator>
struct DuiDynamicCreateData
{
    const char *name = nullptr;
    Creator creator = nullptr;
    DuiDynamicCreateData *next = nullptr;
};

typedef DuiWidget *(*DuiWidgetCreateFunc)(QGraphicsItem *parent);
typedef DuiFrameWindow *(*DuiFrameCreateFunc)(QWidget *parent);
typedef bool (*DuiObjectDataCreateFunc)(QObject *target, const MXXmlElement *element);
typedef bool (*DuiFontPropertyFunc)(QFont *font, const std::wstring &value);

DUI_EXPORT DuiDynamicCreateData<DuiWidgetCreateFunc> *getwidgetCreateFuncPointerDataHeader();
DUI_EXPORT DuiDynamicCreateData<DuiFrameCreateFunc> *getframeCreateFuncPointerDataHeader();
DUI_EXPORT DuiDynamicCreateData<DuiObjectDataCreateFunc> *getobjectDataCreatorDataHeader();
DUI_EXPORT DuiDynamicCreateData<DuiFontPropertyFunc> *getfontPropertyFuncDataHeader();

// Lookups walk a list from its first node and call the first exact, case-sensitive match.
DUI_EXPORT DuiWidget *createWidgetByName(const char *name, QGraphicsItem *parent);
DUI_EXPORT DuiFrameWindow *createFrameByName(const char *name, QWidget *parent);
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

typedef DuiTypeRegister<DuiWidgetCreateFunc, QGraphicsItem *, DuiWidget *> DuiWidgetTypeRegister;
typedef DuiTypeRegister<DuiFrameCreateFunc, QWidget *, DuiFrameWindow *> DuiFrameTypeRegister;
typedef DuiTypeRegister<DuiObjectDataCreateFunc, QObject *, bool> DuiObjectDataTypeRegister;
typedef DuiTypeRegister<DuiFontPropertyFunc, QFont *, bool> DuiFontPropertyTypeRegister;

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

// The same pair for frame windows (their constructor takes the parent QWidget).
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

// Enters a data element ("TabData", ...) or a font attribute ("bold", ...) under its name; one
// line per entry in the .cpp that defines the function.
#define DUI_REGISTER_DATA_ELEMENT(Name, function)                          \
    static const DuiObjectDataTypeRegister s_registerData##Name(            \
        getobjectDataCreatorDataHeader(), #Name, function);

#define DUI_REGISTER_FONT_ATTRIBUTE(Name, function)                        \
    static const DuiFontPropertyTypeRegister s_registerFont##Name(          \
        getfontPropertyFuncDataHeader(), #Name, function);

#endif // DUITYPEREGISTER_H
