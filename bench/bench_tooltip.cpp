// SPDX-License-Identifier: MIT
// Tooltips: 100 show/hide cycles of the framework's bubble (a fresh tooltip window with its text
// edit per show) against Qt's own QToolTip::showText / hideText in the same run. Each cycle lets
// the event loop run once so that both windows are laid out and painted; the resident size
// after two rounds of 1,000 more cycles shows whether shows leak.

#include "benchutil.h"

#include <duitooltip.h>

#include <QtGui/qcursor.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qtooltip.h>

namespace {

constexpr int kCycles = 100;

void flush()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCursor::setPos(QPoint(300, 300));
    DuiToolTip tip;

    const double bubble = bench::medianNs(9, [&] {
        for (int i = 0; i < kCycles; ++i) {
            tip.showToolTip(QStringLiteral("Tooltip %1").arg(i));
            flush();
            tip.hideToolTip();
            flush();
        }
    });
    const double qt = bench::medianNs(9, [&] {
        for (int i = 0; i < kCycles; ++i) {
            QToolTip::showText(QPoint(300, 300), QStringLiteral("Tooltip %1").arg(i));
            flush();
            QToolTip::hideText();
            flush();
        }
    });
    bench::report("DuiToolTip, 100 show/hide cycles", bubble, "QToolTip::showText, 100 cycles", qt);

    // Two rounds of 1,000: a leak grows in both, a cache that fills once only in the first.
    const double before = bench::residentKb();
    for (int round = 1; round <= 2; ++round) {
        for (int i = 0; i < 1000; ++i) {
            tip.showToolTip(QStringLiteral("Tooltip %1").arg(i));
            tip.hideToolTip();
            if (i % 100 == 99)
                flush();
        }
        flush();
        std::printf("resident size after %d,000 more cycles: %+.0f kB (from %.0f kB)\n", round,
                    bench::residentKb() - before, before);
    }
    return 0;
}
