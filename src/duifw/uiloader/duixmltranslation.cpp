// SPDX-License-Identifier: MIT
#include "duixmltranslation.h"
#include "duixmltranslation_p.h"

#include "duicheckbox.h"
#include "duilabelwidget.h"
#include "duilineedit.h"
#include "duipushbutton.h"
#include "duitextedit.h"
#include "duiwidget.h"
#include "duixmldiagnostics_p.h"
#include "i18nstring.h"
#include "mxxmlelement.h"

#include <QtCore/qcoreapplication.h>
#include <QtCore/qdir.h>
#include <QtCore/qcoreevent.h>
#include <QtCore/qfileinfo.h>
#include <QtCore/qmetaobject.h>
#include <QtCore/qpointer.h>
#include <QtCore/qxmlstream.h>

#include <algorithm>
#include <vector>

namespace {

const char kFallbackContext[] = "QObject";

// One text that XML gave a property, and what was written for it last (the same data as the
// source while nothing translated it).
struct Remembered
{
    QPointer<QObject> object;
    int propertyIndex;
    QByteArray context;
    QString source;
    QString applied;
};

// Whether a translator may be installed: false until the application object first receives
// QEvent::LanguageChange, which installing one sends. Until then translating is skipped, so
// a program that never translates pays nothing for it.
bool s_translatorsSeen = false;

// Every remembered text of the process (GUI thread). Entries of deleted objects are swept out
// whenever the list has doubled since the last sweep, so it stays within twice the live texts.
struct Memory
{
    std::vector<Remembered> entries;
    size_t sweepAt = 64;

    void sweep()
    {
        entries.erase(std::remove_if(entries.begin(), entries.end(), [](const Remembered &r) { return r.object.isNull(); }),
                      entries.end());
        sweepAt = qMax<size_t>(64, 2 * entries.size());
    }
};

Memory &memory()
{
    static Memory m;
    return m;
}

thread_local DuiXmlTranslation::Collector *t_collector = nullptr;

// A property's value holding `text`, in the property's own type.
QVariant textValue(const QMetaProperty &property, const QString &text)
{
    return property.metaType() == QMetaType::fromType<I18nString>() ? QVariant::fromValue(I18nString(text)) : QVariant(text);
}

// The context of the document being built, worked out once per file rather than per text.
struct DocumentContext
{
    QString path;
    QByteArray context = kFallbackContext;
};

const DocumentContext &currentContext()
{
    thread_local DocumentContext cached;
    const DuiXmlReport::DocumentFrame *frame = DuiXmlReport::DocumentFrame::current();
    const QString path = frame ? frame->path() : QString();
    if (path != cached.path) {
        cached.path = path;
        cached.context = DuiXmlTranslation::contextForFile(path).toUtf8();
    }
    return cached;
}

// Where the file being built lies, for a .ts location: an xmlPath name is relative, and is taken
// beside the file that named it, as the previewer finds it.
QString currentFile()
{
    const DuiXmlReport::DocumentFrame *frame = DuiXmlReport::DocumentFrame::current();
    QString file = frame ? frame->path() : QString();
    for (const DuiXmlReport::DocumentFrame *outer = frame ? frame->previous() : nullptr;
         outer && !file.isEmpty() && QDir::isRelativePath(file) && !file.startsWith(QLatin1Char(':')); outer = outer->previous()) {
        if (!outer->path().isEmpty())
            file = QFileInfo(outer->path()).dir().filePath(file);
    }
    return file;
}

QString translateUtf8(const QByteArray &context, const QByteArray &source, const QString &sourceText)
{
    QString text = QCoreApplication::translate(context.constData(), source.constData());
    if (text == sourceText && context != kFallbackContext)
        text = QCoreApplication::translate(kFallbackContext, source.constData());
    // Untranslated texts share the source's data instead of holding a copy of it.
    return text == sourceText ? sourceText : text;
}

// Translates every remembered text again. A text the host replaced since (the property reads
// back something else) is the host's now and is forgotten; properties that read back empty
// (a frame window's title) are written regardless.
void retranslateAll()
{
    Memory &m = memory();
    m.sweep();
    for (size_t i = 0; i < m.entries.size(); ++i) {
        Remembered &r = m.entries[i];
        QObject *object = r.object.data();
        if (!object)
            continue;
        const QMetaProperty property = object->metaObject()->property(r.propertyIndex);
        const QString current = property.read(object).toString();
        if (!current.isEmpty() && current != r.applied) {
            r.object.clear();
            continue;
        }
        const QString text = translateUtf8(r.context, r.source.toUtf8(), r.source);
        if (text == r.applied && !current.isEmpty())
            continue;
        if (property.write(object, textValue(property, text)))
            r.applied = text;
    }
}

// Sees QEvent::LanguageChange, which installing or removing a translator sends to the
// application object. As an event filter of the application it is asked about every event, and
// answers with one comparison.
class LanguageWatcher : public QObject
{
public:
    explicit LanguageWatcher(QObject *application)
        : QObject(application)
    {
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == parent()) {
            s_translatorsSeen = true;
            retranslateAll();
        }
        return false;
    }
};

// Watching starts with the application object, before any translator can be installed.
void watchLanguage()
{
    new LanguageWatcher(QCoreApplication::instance());
}
Q_COREAPP_STARTUP_FUNCTION(watchLanguage)

bool writableInXml(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            return false;
        if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            return false;
    }
    return true;
}

} // namespace

DuiXmlTranslation::Collector::Collector()
    : m_previous(t_collector)
{
    t_collector = this;
}

DuiXmlTranslation::Collector::~Collector()
{
    t_collector = m_previous;
}

QString DuiXmlTranslation::contextForFile(const QString &file)
{
    const QString name = QFileInfo(file).completeBaseName();
    return name.isEmpty() ? QString::fromLatin1(kFallbackContext) : name;
}

QString DuiXmlTranslation::translate(const QString &context, const QString &source)
{
    return translateUtf8(context.toUtf8(), source.toUtf8(), source);
}

bool duiIsTranslatableXmlProperty(const QMetaProperty &property)
{
    // These are QString in C++, so that property() keeps answering QString variants; XML treats
    // them as it treats I18nString. Matched by the class that declares them, then by name.
    static const struct
    {
        const QMetaObject *declaredBy;
        const char *name;
    } texts[] = {
        {&DuiWidget::staticMetaObject, "toolTip"},
        {&DuiLabelWidget::staticMetaObject, "text"},
        {&DuiPushButton::staticMetaObject, "text"},
        {&DuiCheckBox::staticMetaObject, "text"},
        {&DuiLineEdit::staticMetaObject, "placeholderText"},
        {&DuiTextEdit::staticMetaObject, "placeholderText"},
    };
    const QMetaObject *declaredBy = property.enclosingMetaObject();
    for (const auto &text : texts) {
        if (declaredBy == text.declaredBy && qstrcmp(property.name(), text.name) == 0)
            return property.metaType().id() == QMetaType::QString;
    }
    return property.metaType() == QMetaType::fromType<I18nString>();
}

QVariant duiTranslatedXmlText(const QMetaProperty &property, const QString &text, const char *utf8)
{
    if (!s_translatorsSeen)
        return textValue(property, text);
    return textValue(property, translateUtf8(currentContext().context, QByteArray(utf8), text));
}

void duiRememberXmlText(QObject *object, int propertyIndex, const QString &text, const QVariant &applied, const MXXmlElement *element)
{
    const DocumentContext &document = currentContext();
    // Only a string extractor collects; a plain build does not look for the text's line.
    if (t_collector) {
        const DuiXmlTranslation::Text found{QString::fromUtf8(document.context), text, currentFile(), element->line()};
        for (DuiXmlTranslation::Collector *c = t_collector; c; c = c->m_previous)
            c->m_texts.append(found);
    }
    Memory &m = memory();
    if (m.entries.size() >= m.sweepAt)
        m.sweep();
    m.entries.push_back({object, propertyIndex, document.context, text, applied.toString()});
}

QByteArray DuiXmlTranslation::tsDocument(const QList<Text> &texts, const QString &tsDirectory, const QString &language)
{
    // Contexts and messages keep the order of first appearance; a message lists every place.
    struct Message
    {
        QString source;
        QList<QPair<QString, int>> locations;
    };
    QList<QPair<QString, QList<Message>>> contexts;
    const QDir base(tsDirectory);
    for (const Text &text : texts) {
        if (!writableInXml(text.source) || !writableInXml(text.context))
            continue;
        auto context = std::find_if(contexts.begin(), contexts.end(), [&](const auto &c) { return c.first == text.context; });
        if (context == contexts.end())
            context = contexts.insert(contexts.end(), {text.context, {}});
        auto message = std::find_if(context->second.begin(), context->second.end(),
                                    [&](const Message &m) { return m.source == text.source; });
        if (message == context->second.end())
            message = context->second.insert(context->second.end(), {text.source, {}});
        if (!text.file.isEmpty()) {
            const QString file = text.file.startsWith(QLatin1Char(':')) ? text.file : base.relativeFilePath(text.file);
            const QPair<QString, int> location(file, text.line);
            if (!message->locations.contains(location))
                message->locations.append(location);
        }
    }

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (!language.isEmpty())
        xml.writeAttribute(QStringLiteral("language"), language);
    for (const auto &context : std::as_const(contexts)) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context.first);
        for (const Message &message : context.second) {
            xml.writeStartElement(QStringLiteral("message"));
            for (const auto &location : message.locations) {
                xml.writeEmptyElement(QStringLiteral("location"));
                xml.writeAttribute(QStringLiteral("filename"), location.first);
                if (location.second > 0)
                    xml.writeAttribute(QStringLiteral("line"), QString::number(location.second));
            }
            xml.writeTextElement(QStringLiteral("source"), message.source);
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
            xml.writeCharacters(QString());
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
