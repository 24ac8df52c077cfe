// SPDX-License-Identifier: MIT
// With --trace the messenger prints one line on standard output for everything that happens and,
// when a window shows, where its parts are on the screen: the end-to-end test reads these lines to
// know where to click and what happened. Without --trace nothing is printed.
#ifndef MESSENGER_TRACE_H
#define MESSENGER_TRACE_H

#include <QtCore/qrect.h>
#include <QtCore/qstring.h>

class DuiFrameWindow;
class QGraphicsItem;
class QMenu;

namespace trace {

void setEnabled(bool enabled);
bool enabled();

// "<words>"; line breaks in the words are written as "\n" so that a record stays one line.
void say(const QString &words);
// "rect <name> <x> <y> <width> <height>" in screen coordinates.
void rect(const QString &name, const QRect &rect);
// The item's rectangle on the screen, through the window's view.
void item(const QString &name, DuiFrameWindow *window, const QGraphicsItem *item);
// Every named action of the menu, once it has shown (a QMenu lays its actions out then).
void menuActions(QMenu *menu);

} // namespace trace

#endif // MESSENGER_TRACE_H
