// SPDX-License-Identifier: MIT
// Feeds arbitrary HTML to the text edit, with the images and style sheets it names loaded
// through the editor's resource reader. The first byte picks the way in:
//   0  setText
//   1  insertHtml into an editor that holds text
//   2+ setText of the first half, then insertHtml of the second at the end

#include "fuzzharness.h"

#include <duitextedit.h>

#include <QtGui/qtextcursor.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString html = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    DuiTextEdit edit;
    if (data[0] == 0) {
        edit.setText(html);
    } else if (data[0] == 1) {
        edit.setText(QStringLiteral("before"));
        edit.insertHtml(html);
    } else {
        edit.setText(html.left(html.size() / 2));
        QTextCursor end = edit.textCursor();
        end.movePosition(QTextCursor::End);
        edit.setTextCursor(end);
        edit.insertHtml(html.mid(html.size() / 2));
    }
    duifuzz::renderAndCopy(&edit);
    return 0;
}
