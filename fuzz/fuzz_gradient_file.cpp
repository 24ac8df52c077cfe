// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the gradient file reader: a frame item takes the file as its image
// and paints itself with the brush read from it.

#include "fuzzharness.h"

#include <duiframeitem.h>

#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qstyleoption.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const duifuzz::InputFile file(data, size, ".xml");
    DuiFrameItem item;
    item.resize(24, 16);
    item.setImage(file.path());
    QImage image(24, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    option.rect = QRect(0, 0, 24, 16);
    item.paint(&painter, &option, nullptr);
    return 0;
}
