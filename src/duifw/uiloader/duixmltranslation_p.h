// SPDX-License-Identifier: MIT
#ifndef DUIXMLTRANSLATION_P_H
#define DUIXMLTRANSLATION_P_H

#include "duixmltranslation.h"

#include <QtCore/qvariant.h>

class QObject;

class QMetaProperty;

// The builder's side of DuiXmlTranslation. Whether XML texts for `property` are translated: it is
// of type I18nString, or one of the QString properties that hold what people read (the texts of
// labels, buttons and check boxes, placeholders, tooltips).
bool duiIsTranslatableXmlProperty(const QMetaProperty &property);
// The value for such a property: `text` (whose UTF-8 form is `utf8`) translated in the context of
// the document being built.
QVariant duiTranslatedXmlText(const QMetaProperty &property, const QString &text, const char *utf8);
// After `applied` was written to property `propertyIndex` of `object`: keep the source text for
// language changes and show it to the collectors, with the line of `element` it came from.
void duiRememberXmlText(QObject *object, int propertyIndex, const QString &text, const QVariant &applied, const MXXmlElement *element);

#endif // DUIXMLTRANSLATION_P_H
