// SPDX-License-Identifier: MIT
#ifndef DUIXMLSOURCE_P_H
#define DUIXMLSOURCE_P_H

#include "duixmlsource.h"

class MXXmlElement;

// Notes that the builder made `object` from `element` of the document being built on this
// thread; the note goes when the object is destroyed.
void duiNoteXmlSource(QObject *object, const MXXmlElement *element);

#endif // DUIXMLSOURCE_P_H
