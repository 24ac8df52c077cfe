// SPDX-License-Identifier: MIT
// Pastes arbitrary bytes into a text edit as one of its private clipboard formats, the way
// another program's clipboard data arrives. The first byte picks the format:
//   even  "MIME/TextEdit" (the editor's records), with a plain-text fallback beside it
//   odd   "MIME/GifFilePath" ("name|path|" pairs), with HTML that shows the names
// Payloads may name <temporary folder>/duifw-fuzz-anim.gif, a real animation written at start-up
// (the seeds name it in /tmp).

#include "fuzzharness.h"

#include <duitextedit.h>
#include <duitexteditextern.h>

#include <QtCore/qdir.h>
#include <QtCore/qfile.h>
#include <QtCore/qmimedata.h>
#include <QtCore/qsavefile.h>
#include <QtGui/qclipboard.h>
#include <QtGui/qguiapplication.h>

void duifuzz::prepare()
{
    // Several runs may write it at once: each replaces it whole.
    QFile gif(QStringLiteral(":/theme/duifw/busy.gif"));
    QSaveFile copy(QDir::tempPath() + QStringLiteral("/duifw-fuzz-anim.gif"));
    if (!gif.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) || copy.write(gif.readAll()) <= 0 || !copy.commit())
        duifuzz::fail("cannot write the animation the payloads name");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray payload(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    DuiTextEdit edit;
    GifImageCopyPasteExtern gifs;
    gifs.doConnect(&edit);
    auto *mime = new QMimeData;
    if (data[0] % 2 == 0) {
        mime->setData(QStringLiteral("MIME/TextEdit"), payload);
        mime->setText(QStringLiteral("fallback"));
    } else {
        mime->setData(QStringLiteral("MIME/GifFilePath"), payload);
        QString html;
        for (const QByteArray &part : payload.split('|'))
            html += QStringLiteral("<img src=\"%1\">").arg(QString::fromUtf8(part).toHtmlEscaped());
        mime->setHtml(html);
    }
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it
    edit.paste();
    duifuzz::renderAndCopy(&edit);
    return 0;
}
