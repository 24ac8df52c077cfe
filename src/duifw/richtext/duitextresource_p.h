// SPDX-License-Identifier: MIT
#ifndef DUITEXTRESOURCE_P_H
#define DUITEXTRESOURCE_P_H

#include "duiglobal.h"

#include <QtCore/qbytearray.h>
#include <QtCore/qstring.h>
#include <QtCore/qurl.h>
#include <QtCore/qvariant.h>
#include <QtGui/qimage.h>

// What the text edit agrees to read. Documents come from the clipboard, from drops and from
// other people's messages, so a name in them must not make the program read whatever it names:
// only compiled-in ":/" resources, regular files (through the resource loader, which refuses
// pipes, devices and oversized files) and data: URLs of bounded size are read, and no image
// larger than kMaxTextImagePixels is decoded.
constexpr qint64 kMaxTextImagePixels = 16 * 1000 * 1000;
constexpr qint64 kMaxDataUrlBytes = 16 * 1024 * 1024;

// The bytes behind a resource name (a path, ":/..." , qrc:, file: or data: URL); a null array
// when the name is refused or missing.
DUI_AUTOTEST_EXPORT QByteArray duiTextResourceBytes(const QString &name);
// A still image from encoded bytes; null when undecodable or too large.
DUI_AUTOTEST_EXPORT QImage duiDecodeTextImage(const QByteArray &bytes);
// True when the encoded image's header announces at most kMaxTextImagePixels pixels.
bool duiTextImageSizeAllowed(const QByteArray &bytes);
// duiDecodeTextImage of the bytes behind a file path or resource name.
DUI_AUTOTEST_EXPORT QImage duiLoadTextImage(const QString &path);
// The answer for QTextDocument::loadResource: the decoded image or the bytes; for a refused
// name a blank 1 x 1 image or an empty but non-null array, so that Qt does not go and read the
// file itself.
QVariant duiTextDocumentResource(int type, const QUrl &name);

#endif // DUITEXTRESOURCE_P_H
