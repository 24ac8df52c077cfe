// SPDX-License-Identifier: MIT
// A small GIF89a writer for the skin's animations: Qt reads GIFs but cannot write them.
#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QtCore/qbytearray.h>
#include <QtCore/qlist.h>
#include <QtGui/qimage.h>

namespace skin {

// Encodes frames of one size as a looping GIF. Each frame is an 8-bit indexed image whose colour
// table has at most 8 entries (the first frame's table is used for all); index `transparent`
// (or -1 for none) is transparent. `delayMs` is rounded to hundredths of a second.
QByteArray encodeGif(const QList<QImage> &frames, int transparent, int delayMs);

} // namespace skin

#endif // GIFWRITER_H
