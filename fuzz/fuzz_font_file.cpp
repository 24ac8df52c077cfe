// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the font file reader through the font property's "file|name" text,
// as an XML attribute names a font of such a file.

#include "fuzzharness.h"

#include <duipropertyparser.h>
#include <duityperegister.h>

#include <QtGui/qfont.h>
#include <QtGui/qfontmetrics.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const duifuzz::InputFile file(data, size, ".xml");
    const propertyParser parser = getobjectPropertyCreatorMetaDataCreator()->value(QMetaType::QFont);
    if (!parser)
        duifuzz::fail("no parser for QFont");
    for (const char *name : {"title", "body", ""}) {
        const QFont font = parser(file.path() + QLatin1Char('|') + QLatin1String(name)).value<QFont>();
        (void)QFontMetrics(font).horizontalAdvance(QStringLiteral("Ag"));
    }
    return 0;
}
