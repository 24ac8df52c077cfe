// SPDX-License-Identifier: MIT
// The reader of XML menu files. DuiMenu lives in the controls layer, below the builder's
// diagnostics; this layer installs the reader into it when the library loads, so menu files
// report what they skip, with file and line, exactly as UI files do.
#include "duimenu.h"
#include "duimenu_p.h"

#include "duiclosestname_p.h"
#include "duiresourceloader.h"
#include "duixmldiagnostics_p.h"
#include "mxxmldocument.h"

#include <QtCore/qcoreapplication.h>
#include <QtGui/qicon.h>

#include <cstring>

namespace {

using Diag = DuiXmlDiagnostics;

bool isTag(const MXXmlElement *element, const char *tag)
{
    return std::strcmp(element->tagUtf8(), tag) == 0;
}

QString tagOf(const MXXmlElement *element)
{
    return DuiXmlReport::quoted(QString::fromUtf8(element->tagUtf8()));
}

// Menu texts are translated under the context plain QObject::tr uses.
QString translated(const char *utf8)
{
    return QCoreApplication::translate("QObject", utf8);
}

// Through the resource loader, which reads only regular files: a path naming a pipe or a device
// gives no icon instead of a hang, and relative paths resolve below the application directory.
QIcon loadIcon(const char *utf8Path, const MXXmlElement *element)
{
    const QString path = QString::fromUtf8(utf8Path);
    const QPixmap pixmap = getResourceLoader()->loadImage(path);
    if (pixmap.isNull() && DuiXmlReport::enabled())
        DuiXmlReport::report(Diag::Warning, Diag::RejectedValue, element,
                             QStringLiteral("icon %1 cannot be read; no icon used").arg(DuiXmlReport::quoted(path)));
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

// `known` is what the element does take, for a suggestion.
void reportSkippedAttribute(const MXXmlElement *element, int index, const QStringList &known)
{
    if (!DuiXmlReport::enabled())
        return;
    const QString name = QString::fromUtf8(element->attributeNameUtf8(index));
    DuiXmlReport::reportAttribute(Diag::Warning, Diag::UnknownAttribute, element, index,
                                  QStringLiteral("%1 takes no attribute %2%3")
                                      .arg(tagOf(element), DuiXmlReport::quoted(name),
                                           DuiClosestName::hint(name, known, QStringLiteral("; skipped"))));
}

void applyProperty(QAction *action, const MXXmlElement *element, int index)
{
    const QByteArray name = QString::fromUtf8(element->attributeNameUtf8(index)).toLatin1();
    const QString text = QString::fromUtf8(element->attributeUtf8(index));
    const bool declared = action->metaObject()->indexOfProperty(name.constData()) >= 0;
    // setProperty answers false both for a refused value and for a new dynamic property.
    const bool written = action->setProperty(name.constData(), text);
    if (!DuiXmlReport::enabled() || (declared && written))
        return;
    if (declared)
        DuiXmlReport::reportAttribute(Diag::Warning, Diag::RejectedValue, element, index,
                                      QStringLiteral("QAction.%1 refused %2").arg(QString::fromLatin1(name), DuiXmlReport::quoted(text)));
    else
        DuiXmlReport::reportAttribute(Diag::Warning, Diag::UnknownAttribute, element, index,
                                      QStringLiteral("QAction has no property %1%2")
                                          .arg(DuiXmlReport::quoted(QString::fromLatin1(name)),
                                               DuiClosestName::attributeHint(action->metaObject(), QString::fromLatin1(name),
                                                                             QStringLiteral("; kept as a dynamic property"))));
}

// Attributes in document order, except that `checkable` goes first: an action that is not yet
// checkable ignores `checked`.
void applyActionAttributes(QAction *action, const MXXmlElement *element)
{
    const int count = element->attributeCount();
    int checkable = -1;
    for (int i = 0; i < count && checkable < 0; ++i) {
        if (std::strcmp(element->attributeNameUtf8(i), "checkable") == 0)
            checkable = i;
    }
    if (checkable >= 0)
        applyProperty(action, element, checkable);
    for (int i = 0; i < count; ++i) {
        const char *name = element->attributeNameUtf8(i);
        if (i == checkable || !*name)
            continue;
        if (std::strcmp(name, "icon") == 0)
            action->setIcon(*element->attributeUtf8(i) ? loadIcon(element->attributeUtf8(i), element) : QIcon());
        else if (std::strcmp(name, "text") == 0)
            action->setText(translated(element->attributeUtf8(i)));
        else
            applyProperty(action, element, i);
    }
}

void reportIgnoredChildren(const MXXmlElement *element)
{
    if (element->childCount() > 0 && DuiXmlReport::enabled())
        DuiXmlReport::report(Diag::Warning, Diag::UnknownElement, element->child(0),
                             QStringLiteral("%1 holds no items; its content is skipped").arg(tagOf(element)));
}

void fillMenu(DuiMenu *menu, const MXXmlElement *group, int depth);

void addSubMenu(DuiMenu *menu, const MXXmlElement *element, int depth)
{
    if (depth >= Diag::maxDepth) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::DepthLimit, element,
                                 QStringLiteral("sub-menu nested deeper than %1 levels; skipped with its content").arg(Diag::maxDepth));
        return;
    }
    auto *sub = new DuiMenu(menu);
    const QString name = QString::fromStdWString(element->attribute(L"objectName"));
    sub->setObjectName(name);
    QAction *action = menu->addMenu(sub);
    action->setObjectName(name);
    const int count = element->attributeCount();
    for (int i = 0; i < count; ++i) {
        const char *attribute = element->attributeNameUtf8(i);
        if (std::strcmp(attribute, "text") == 0)
            action->setText(translated(element->attributeUtf8(i)));
        else if (std::strcmp(attribute, "icon") == 0 && *element->attributeUtf8(i))
            action->setIcon(loadIcon(element->attributeUtf8(i), element));
        else if (std::strcmp(attribute, "objectName") != 0 && std::strcmp(attribute, "icon") != 0)
            reportSkippedAttribute(element, i, {QStringLiteral("icon"), QStringLiteral("objectName"), QStringLiteral("text")});
    }
    fillMenu(sub, element, depth + 1);
}

void fillMenu(DuiMenu *menu, const MXXmlElement *group, int depth)
{
    const int count = group->childCount();
    for (int i = 0; i < count; ++i) {
        const MXXmlElement *element = group->child(i);
        const bool separator = isTag(element, "Separator");
        if (isTag(element, "ActionGroup")) {
            addSubMenu(menu, element, depth);
        } else if (separator || isTag(element, "Action")) {
            auto *action = new QAction(menu);
            action->setSeparator(separator);
            applyActionAttributes(action, element);
            menu->addAction(action);
            reportIgnoredChildren(element);
        } else if (DuiXmlReport::enabled()) {
            DuiXmlReport::report(Diag::Warning, Diag::UnknownElement, element,
                                 QStringLiteral("%1 is no ActionGroup, Action or Separator%2")
                                     .arg(tagOf(element),
                                          DuiClosestName::hint(QString::fromUtf8(element->tagUtf8()),
                                                               {QStringLiteral("ActionGroup"), QStringLiteral("Action"), QStringLiteral("Separator")},
                                                               QStringLiteral("; skipped with its content"))));
        }
    }
}

bool readMenuFile(const QString &path, DuiMenu *menu)
{
    MXXmlDocument document;
    DuiXmlReport::DocumentFrame frame(path);
    if (!getResourceLoader()->loadXml(path, document)) {
        if (DuiXmlReport::enabled()) {
            QString why = QString::fromStdWString(document.errorMessage());
            DuiXmlReport::report(Diag::Error, Diag::DocumentNotLoaded, nullptr,
                                 QStringLiteral("cannot load menu file: %1").arg(why.isEmpty() ? QStringLiteral("no resource handler could read the path") : why),
                                 document.errorLine(), document.errorColumn());
        }
        return false;
    }
    const MXXmlElement *root = document.elementByPath(L"xmlui");
    const MXXmlElement *first = root ? root->child(0) : nullptr;
    if (!first) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Error, Diag::MissingRootElement, root ? root : document.rootElement(),
                                 root ? QStringLiteral("xmlui holds no ActionGroup; no menu built")
                                      : QStringLiteral("document element is not xmlui; no menu built"));
        return false;
    }
    if (DuiXmlReport::enabled()) {
        for (int i = 1; i < root->childCount(); ++i)
            DuiXmlReport::report(Diag::Warning, Diag::UnknownElement, root->child(i),
                                 QStringLiteral("only the first element of xmlui is read; %1 skipped").arg(tagOf(root->child(i))));
    }
    if (!isTag(first, "ActionGroup")) {
        if (DuiXmlReport::enabled())
            DuiXmlReport::report(Diag::Warning, Diag::UnknownElement, first,
                                 QStringLiteral("%1 is no ActionGroup; the menu gets no items").arg(tagOf(first)));
        return true;
    }
    for (int i = 0; i < first->attributeCount(); ++i)
        reportSkippedAttribute(first, i, {});
    fillMenu(menu, first, 0);
    return true;
}

struct MenuFileReaderHook
{
    MenuFileReaderHook() { duiSetMenuFileReader(readMenuFile); }
} const s_menuFileReaderHook;

} // namespace
