// SPDX-License-Identifier: MIT
#ifndef DUIXMLTRANSLATION_H
#define DUIXMLTRANSLATION_H

#include "duiglobal.h"

#include <QtCore/qlist.h>
#include <QtCore/qstring.h>

class MXXmlElement;
class QObject;
class QVariant;

// Texts that XML set on I18nString properties and on the QString properties people read (label,
// button and check box texts, placeholders, tooltips). The builder keeps each one as its source
// text and translates it again whenever the application receives QEvent::LanguageChange (a
// translator was installed or removed), so a host can switch language at run time. The translation context of
// a text is the base name of its UI file ("gallery" for gallery.xml), falling back to "QObject";
// documents built from memory use "QObject" alone. GUI thread only.
class DUI_EXPORT DuiXmlTranslation
{
public:
    struct Text
    {
        QString context;
        QString source;
        QString file; // the UI file, empty for a document built from memory
        int line = 0; // line of the element, 0 when unknown
    };

    // Records every translatable text the builder applies on this thread while it is alive, in
    // the order applied (nested collectors each see everything).
    class DUI_EXPORT Collector
    {
    public:
        Collector();
        ~Collector();
        QList<Text> texts() const { return m_texts; }

    private:
        Q_DISABLE_COPY(Collector)
        friend void duiRememberXmlText(QObject *, int, const QString &, const QVariant &, const MXXmlElement *);
        QList<Text> m_texts;
        Collector *m_previous;
    };

    // The context of the texts of `file`; "QObject" for an empty name.
    static QString contextForFile(const QString &file);
    // `source` through the installed translators: in `context`, else in "QObject".
    static QString translate(const QString &context, const QString &source);

    // A Qt Linguist translation file (TS 2.1) of `texts`: one context each, one message per
    // source text with every place it occurs, file names relative to `tsDirectory`. Texts that
    // XML cannot carry (control characters) are left out.
    static QByteArray tsDocument(const QList<Text> &texts, const QString &tsDirectory, const QString &language = QString());

private:
    DuiXmlTranslation() = delete;
};

#endif // DUIXMLTRANSLATION_H
