// SPDX-License-Identifier: MIT
#include "stringextractor.h"

#include "previewer.h"

#include <duixmltranslation.h>

#include <QtCore/qfileinfo.h>
#include <QtCore/qsavefile.h>
#include <QtCore/qset.h>

#include <cstdio>
#include <memory>

int extractStrings(const QString &program, const QString &file, const QString &tsFile)
{
    // The texts are those the builder really applies, so a text reaches the file exactly when a
    // language change would translate it.
    DuiXmlTranslation::Collector collector;
    QList<DuiXmlDiagnostics::Record> records;
    const std::unique_ptr<DuiFrameWindow> window(Previewer::build(file, &records));
    for (const DuiXmlDiagnostics::Record &record : std::as_const(records))
        std::fprintf(stderr, "%s\n", qPrintable(record.toString()));
    if (!window) {
        std::fprintf(stderr, "%s: %s describes no window that can be built\n", qPrintable(program), qPrintable(file));
        return 1;
    }
    const QList<DuiXmlTranslation::Text> texts = collector.texts();
    QSaveFile out(tsFile);
    if (!out.open(QIODevice::WriteOnly)
        || out.write(DuiXmlTranslation::tsDocument(texts, QFileInfo(tsFile).absolutePath())) < 0 || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(program), qPrintable(tsFile));
        return 1;
    }
    QStringList contexts;
    QSet<QString> distinct;
    for (const DuiXmlTranslation::Text &text : texts) {
        if (!contexts.contains(text.context))
            contexts << text.context;
        distinct.insert(text.context + QChar(0) + text.source);
    }
    std::printf("%s: %d text(s) in %d context(s) (%s) written to %s\n", qPrintable(program), int(distinct.size()),
                int(contexts.size()), qPrintable(contexts.join(QStringLiteral(", "))),
                qPrintable(QFileInfo(tsFile).absoluteFilePath()));
    return 0;
}
