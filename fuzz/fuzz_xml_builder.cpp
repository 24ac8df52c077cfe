// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the XML UI builder and to every attribute-text parser. The first byte
// picks the target; the rest is the input:
//   0-3   fill form (createFromMemory into a fresh widget); odd values with a diagnostics collector
//   4     window form (createFromMemory with a parent widget of null)
//   5     anchor text through DuiWidget::setAnchorString on a child of an anchor layout
//   6     one font attribute: "name=value"
//   7+    the parser of the registered type (7 - index) modulo the number of parsers

#include "fuzzharness.h"

#include <duipropertyparser.h>
#include <duityperegister.h>
#include <duiwidget.h>
#include <duixmldiagnostics.h>
#include <duixmlui.h>

#include <QtCore/qbytearray.h>
#include <QtGui/qfont.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<int> &parserTypes()
{
    static std::vector<int> types;
    return types;
}

void fillForm(const std::string &xml, bool collect)
{
    std::unique_ptr<DuiXmlDiagnostics> diagnostics(collect ? new DuiXmlDiagnostics : nullptr);
    DuiWidget root;
    DuiXmlUI::createFromMemory(xml, &root);
    if (diagnostics) {
        for (const DuiXmlDiagnostics::Record &r : diagnostics->records())
            (void)r.toString();
    }
}

} // namespace

void duifuzz::prepare()
{
    const QList<int> keys = getobjectPropertyCreatorMetaDataCreator()->keys();
    parserTypes().assign(keys.begin(), keys.end());
    std::sort(parserTypes().begin(), parserTypes().end());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const std::string input(reinterpret_cast<const char *>(data + 1), size - 1);
    const QString text = QString::fromUtf8(input.data(), qsizetype(input.size()));

    if (selector < 4) {
        fillForm(input, selector & 1);
    } else if (selector == 4) {
        DuiXmlDiagnostics diagnostics;
        DuiXmlUI::createFromMemory(input, static_cast<QWidget *>(nullptr));
    } else if (selector == 5) {
        DuiWidget parent;
        parent.setLayout(DuiWidget::Anchor);
        auto *child = new DuiWidget(&parent);
        child->setAnchorString(text);
    } else if (selector == 6) {
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        QFont font;
        applyFontAttribute(&font, text.left(eq < 0 ? 0 : eq), text.mid(eq + 1).toStdWString());
    } else if (!parserTypes().empty()) {
        const int type = parserTypes()[size_t(selector - 7) % parserTypes().size()];
        if (propertyParser parser = getobjectPropertyCreatorMetaDataCreator()->value(type))
            (void)parser(text);
    }
    return 0;
}
