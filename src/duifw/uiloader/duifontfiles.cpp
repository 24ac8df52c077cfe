// SPDX-License-Identifier: MIT
// Font resource files: a font property's text "file|name" names a font element of such a file.
#include "duifontfiles_p.h"

#include "duipropertyparser.h"
#include "duiresourceloader.h"
#include "duityperegister.h"
#include "duixmldiagnostics_p.h"
#include "mxxmldocument.h"

#include <QtCore/qcache.h>
#include <QtGui/qfont.h>

namespace {

// Font resource files, read once each: file path -> font name -> font. At most 100 files stay,
// the least recently used dropped first. Never destroyed: fonts must not outlive the GUI.
typedef QHash<QString, QFont> FontMap;

QCache<QString, FontMap> &fontFileCache()
{
    static auto *cache = new QCache<QString, FontMap>(100);
    return *cache;
}

FontMap *loadFontFile(const QString &path)
{
    auto *fonts = new FontMap;
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame(path);
    if (!getResourceLoader()->loadXml(path, document)) {
        if (DuiXmlReport::enabled()) {
            const QString why = QString::fromStdWString(document.errorMessage());
            DuiXmlReport::report(DuiXmlDiagnostics::Error, DuiXmlDiagnostics::DocumentNotLoaded, nullptr,
                                 QStringLiteral("cannot load font file: %1").arg(why.isEmpty() ? QStringLiteral("no handler took the path") : why),
                                 document.errorLine(), document.errorColumn());
        }
    } else if (const MXXmlElement *root = document.elementByPath(L"xmlui-resource")) {
        for (int i = 0; i < root->childCount(); ++i) {
            const MXXmlElement *child = root->child(i);
            QFont font;
            QString bad;
            frame.element = child;
            if (!DuiPropertyText::fontFromElement(child, &font, &bad)) {
                if (DuiXmlReport::enabled())
                    DuiXmlReport::report(DuiXmlDiagnostics::Warning, DuiXmlDiagnostics::UnknownAttribute, child,
                                         QStringLiteral("font dropped: %1 is no font attribute").arg(DuiXmlReport::quoted(bad)));
                continue;
            }
            fonts->insert(QString::fromStdWString(child->attribute(L"name")), font);
        }
    } else if (DuiXmlReport::enabled()) {
        DuiXmlReport::report(DuiXmlDiagnostics::Error, DuiXmlDiagnostics::MissingRootElement, document.rootElement(),
                             QStringLiteral("font file has no xmlui-resource element"));
    }
    return fonts;
}

QVariant parseFont(const QString &text)
{
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0 || text.indexOf(QLatin1Char('|'), bar + 1) >= 0)
        return QFont();
    const QString path = text.left(bar);
    const QString name = text.mid(bar + 1);
    QCache<QString, FontMap> &cache = fontFileCache();
    if (const FontMap *fonts = cache.object(path))
        return fonts->value(name, QFont());
    FontMap *fonts = loadFontFile(path);
    const QFont font = fonts->value(name, QFont());
    cache.insert(path, fonts, 1);
    return font;
}

const DuiPropertyParserRegister s_parseFont(QMetaType::QFont, parseFont);

} // namespace

namespace DuiPropertyText {

bool fontFromElement(const MXXmlElement *element, QFont *font, QString *badAttribute)
{
    const int count = element->attributeCount();
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromStdWString(element->attributeName(i));
        if (!applyFontAttribute(font, name, element->attribute(i))) {
            *badAttribute = name;
            return false;
        }
    }
    return true;
}

void clearFontFileCache()
{
    fontFileCache().clear();
}

} // namespace DuiPropertyText
