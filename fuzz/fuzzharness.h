// SPDX-License-Identifier: MIT
// What every libFuzzer target of duifw shares: one offscreen application per process, inputs
// written to files for the readers that take a path, and event pumping with a bound.
#ifndef FUZZHARNESS_H
#define FUZZHARNESS_H

#include <QtCore/qstring.h>

#include <cstddef>
#include <cstdint>
#include <functional>

class DuiTextEdit;

namespace duifuzz {

// The harness defines LLVMFuzzerInitialize: it creates the QApplication (offscreen platform,
// every logging category off) and a private runtime folder, then calls prepare(). A target that
// needs more set-up defines prepare(); the harness's own does nothing.
void prepare();

// A private folder of this process, removed at exit.
QString scratchFolder();

// The input as a file of its own under the scratch folder, named `<serial><suffix>`; removed
// when the object goes. A new name per input, so that no reader answers from a cache.
class InputFile
{
public:
    InputFile(const uint8_t *data, size_t size, const char *suffix);
    ~InputFile();
    const QString &path() const { return m_path; }

private:
    QString m_path;
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;
};

// Processes events until `done` answers true; false when `milliseconds` passed first.
bool pumpUntil(const std::function<bool()> &done, int milliseconds);

// Processes the events already posted, a few rounds (layouts, deferred deletes, timers at zero).
void settle();

// Lays out and paints the editor (which loads the document's images and style sheets), then
// copies everything, which writes the editor's clipboard formats.
void renderAndCopy(DuiTextEdit *edit);

// Aborts with `what` on stderr: an invariant the target checks was broken, which libFuzzer
// reports as a crash with the input saved.
[[noreturn]] void fail(const char *what);

} // namespace duifuzz

#endif // FUZZHARNESS_H
