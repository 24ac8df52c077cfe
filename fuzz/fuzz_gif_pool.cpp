// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to a text edit's GIF pool as an animation, from memory or from a file
// (the first byte picks), and steps it through up to 64 ticks.

#include "fuzzharness.h"

#include <gifpool.h>

#include <QtCore/qstring.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString key = QStringLiteral("k");
    GifPool pool;
    // Small enough that the budget check is reached by inputs of a few bytes.
    pool.setPixelBudget(1 << 22);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (data[0] & 1) {
        const duifuzz::InputFile file(data + 1, size - 1, ".gif");
        pool.addGifImage(file.path());
        if (pool.contain(file.path()))
            pool.replaceKeyImage(file.path(), file.path());
    } else {
        pool.insertKeyImage(key, bytes);
    }
    const QStringList keys = pool.keys();
    for (int tick = 0; tick < 64 && pool.isTimerActive(); ++tick) {
        pool.on_timeout();
        for (const QString &k : keys)
            (void)pool.currentImage(k);
    }
    if (pool.pixelsInUse() > pool.pixelBudget())
        duifuzz::fail("the pool holds more pixels than its budget");
    pool.deleteAll();
    return 0;
}
