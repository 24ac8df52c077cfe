// SPDX-License-Identifier: MIT
#include "duiwinapi.h"
#include "duiwinapi_p.h"

#include <QtCore/qcoreapplication.h>
#include <QtWidgets/qapplication.h>
#include <QtWidgets/qwidget.h>

#include <algorithm>
#include <cmath>

// Helpers of both systems; each domain of DuiWinAPI lives in its own file, one per system.

QWidget *duiWidgetFromHwnd(HWND hwnd)
{
    if (!hwnd || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    return QWidget::find(WId(hwnd));
}

namespace {
// Reaches the protected QWidget::nativeEvent; the call still dispatches virtually.
struct NativeEventAccess : QWidget
{
    using QWidget::nativeEvent;
};
} // namespace

bool duiSendNativeMessage(QWidget *window, UINT message, WPARAM wParam, LPARAM lParam, long *result)
{
    long dummy = 0;
    if (!result)
        result = &dummy;
    *result = 0;
    if (!window)
        return false;
    MSG msg = {};
    msg.hwnd = HWND(window->internalWinId());
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    qintptr answer = 0;
    bool (QWidget::*nativeEvent)(const QByteArray &, void *, qintptr *) = &NativeEventAccess::nativeEvent;
    const bool handled = (window->*nativeEvent)(QByteArray(DuiNativeMessageEventType), &msg, &answer);
    *result = long(answer);
    return handled;
}

QRegion duiRoundRectRegion(int x1, int y1, int x2, int y2, int w, int h)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    // GDI leaves out the right and bottom edge of the rectangle.
    const int width = x2 - x1 - 1;
    const int height = y2 - y1 - 1;
    if (width <= 0 || height <= 0)
        return QRegion();
    const double rx = qMin(qAbs(w), width) / 2.0;
    const double ry = qMin(qAbs(h), height) / 2.0;
    if (rx < 0.5 || ry < 0.5)
        return QRegion(x1, y1, width, height);
    QRegion region(x1, y1 + int(ry), width, height - 2 * int(ry));
    for (int row = 0; row < int(ry); ++row) {
        // Distance of the pixel row's centre from the ellipse centre.
        const double dy = ry - (row + 0.5);
        const double half = rx * std::sqrt(qMax(0.0, 1.0 - (dy * dy) / (ry * ry)));
        const int inset = qMax(0, int(std::ceil(rx - half - 0.5)));
        const int span = width - 2 * inset;
        if (span <= 0)
            continue;
        region += QRect(x1 + inset, y1 + row, span, 1);
        region += QRect(x1 + inset, y1 + height - 1 - row, span, 1);
    }
    return region;
}

QStringList duiSplitWindowsCommandLine(const QString &commandLine)
{
    QStringList args;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    auto isBlank = [&](qsizetype at) { return commandLine.at(at) == u' ' || commandLine.at(at) == u'\t'; };
    while (i < n && isBlank(i))
        ++i;
    if (i >= n)
        return args;
    // The program name knows no escapes: quoted up to the next quote, else up to a blank.
    QString program;
    if (commandLine.at(i) == u'"') {
        ++i;
        while (i < n && commandLine.at(i) != u'"')
            program += commandLine.at(i++);
        if (i < n)
            ++i;
    }
    while (i < n && !isBlank(i))
        program += commandLine.at(i++);
    args << program;
    for (;;) {
        while (i < n && isBlank(i))
            ++i;
        if (i >= n)
            break;
        QString arg;
        bool quoted = false;
        while (i < n) {
            const QChar c = commandLine.at(i);
            if (!quoted && (c == u' ' || c == u'\t'))
                break;
            if (c == u'\\') {
                qsizetype slashes = 0;
                while (i < n && commandLine.at(i) == u'\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && commandLine.at(i) == u'"') {
                    arg += QString(slashes / 2, u'\\');
                    if (slashes % 2) {
                        arg += u'"';
                        ++i;
                    }
                } else {
                    arg += QString(slashes, u'\\');
                }
            } else if (c == u'"') {
                if (quoted && i + 1 < n && commandLine.at(i + 1) == u'"') {
                    arg += u'"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += c;
                ++i;
            }
        }
        args << arg;
    }
    return args;
}
