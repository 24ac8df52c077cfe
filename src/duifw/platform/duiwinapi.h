// SPDX-License-Identifier: MIT
#ifndef DUIWINAPI_H
#define DUIWINAPI_H

#include "duiwindef.h"

#include <QtCore/qlist.h>
#include <QtCore/qpoint.h>
#include <QtCore/qrect.h>
#include <QtCore/qstring.h>

// Static wrappers of the Win32 calls that the framework and its applications need. On Windows
// each passes its arguments to the function of that name. Elsewhere each does what the line above
// it says; a window handle is the window's WId, found with QWidget::find. A null handle, or the
// handle of a window that no longer exists, answers false / 0 / an empty result and does nothing.
class DUI_EXPORT DuiWinAPI
{
public:
    enum SpecialFolderType { PersonalFolder = 0, AppDataFolder = 1, AudioFolder = 2 };

    // Window appearance and composition.

    // No desktop compositor API: answers 1 as Windows before Vista does.
    static long ExtendIntoClientAll(HWND hwnd);
    // No desktop compositor API: answers 1 as Windows before Vista does.
    static long UpdateBlurEffectRegion(HWND hwnd, HRGN region);
    // No desktop compositor API: answers 1 as Windows before Vista does.
    static long DisableNCRendering(HWND hwnd);
    // No desktop compositor API: answers 1 as Windows before Vista does.
    static long AllowNCPaint(HWND hwnd);
    // Always false, as before Vista.
    static bool IsCompositionEnabled();
    // show / hide / showMinimized / showMaximized / showNormal by the command; true when the
    // window was visible before the call.
    static bool ShowWindow(HWND hwnd, int nCmdShow);
    // SPI_GETWORKAREA fills a RECT with the primary screen's available area,
    // SPI_GETWHEELSCROLLLINES a UINT with Qt's wheel setting; other actions fail.
    static bool SystemParametersInfoW(uint action, uint param, void *pv, uint winIni);
    // Sets the window's mask to the rounded rectangle (x1, y1)-(x2, y2) with a w x h corner
    // ellipse, right and bottom edges excluded as in GDI; false only for a bad handle.
    static bool SetWindowRoundRectRgn(HWND hwnd, int x1, int y1, int x2, int y2, int w, int h);
    // Stores the value in the window's own word for the index and returns the previous one;
    // GWL_STYLE and GWL_EXSTYLE bits also set the matching Qt window flags.
    static long SetWindowLongW(HWND hwnd, int index, long value);
    // Reads back the word kept for the index (styles start from the window's Qt flags).
    static long GetWindowLongW(HWND hwnd, int index);
    // move / resize / raise / lower / stays-on-top / show / hide by the flags; 0 for a bad handle.
    static int setWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, uint flags);
    // LWA_ALPHA sets the window opacity; a colour key is not supported and is ignored.
    static int SetLayeredWindowAttributes(HWND hwnd, unsigned long key, unsigned char alpha,
                                          unsigned long flags);
    // GWL_STYLE |= bits, through SetWindowLongW.
    static void addWindowStyle(uint hwnd, uint bits);
    // GWL_STYLE &= ~bits, through SetWindowLongW.
    static void removeWindowStyle(uint hwnd, uint bits);

    // Windows, processes and messages.

    // This process's id for its own windows, else 0.
    static unsigned long ProcessIdFromWindow(HWND hwnd);
    // The window's descendants that have native windows, depth first.
    static QList<HWND> GetClildWindow(HWND hwnd);
    // This process's visible top-level windows whose class (meta-object class name) and title
    // match (a null pointer matches all), except `exclude`, ordered by handle.
    static QList<uint> getWindowList(const ushort *className, const ushort *windowName, uint exclude);
    // Queues the message to each window's native-message path, in order.
    static void broadcastWindowMessage(const QList<uint> &windows, uint msg, uint wParam, uint lParam);
    // Delivers the message to the window's native-message path at once.
    static void sendMessage(uint hwnd, uint msg, uint wParam, uint lParam);
    // The top-level window at the point (or its native child there), 0 when none.
    static HWND windowFromPoint(const QPoint &pos);
    // The X root window on xcb; 0 where there is no desktop window.
    static HWND getDesktopWindow();
    // The active window, 0 when none.
    static HWND getForegroundWindow();
    // Raises and activates the window.
    static void setForegroundWindow(HWND hwnd);
    // Splits the command line by the Windows rules and starts it with posix_spawn (the program
    // is `application` when given, else the first argument, searched in PATH); false for more
    // than 4096 characters. Creation flags are ignored.
    static bool CreateProcessW(const QString &application, const QString &commandLine,
                               uint creationFlags, uint &processId);
    // A lock file in the user's runtime folder, held shared while the handle is open; 0 on failure.
    static unsigned int createMutex(const QString &name);
    // Closes the handle (the lock goes with it).
    static void releaseMutex(unsigned int handle);
    // True when some handle of the named mutex is open in any process.
    static bool isMutexExist(const QString &name);
    // A process-wide table of reference-counted, case-insensitive names ("#n" is the integer atom n).
    static int GlobalAddAtomW(const QString &name);
    static void GlobalDeleteAtom(int atom);
    // On xcb grabs the key on the X root window and delivers WM_HOTKEY to the window's
    // native-message path (MOD_NOREPEAT is not honoured); false elsewhere, when taken, or for a
    // bad handle.
    static bool RegisterHotKey(HWND hwnd, int id, uint modifiers, uint vk);
    static void UnregisterHotKey(HWND hwnd, int id);
    // Gives free heap memory back to the system (malloc_trim); the sizes are not used.
    static void setWorkingSetSize(uint min, uint max);

    // Desktop and shell.

    // The primary screen's available area; right and bottom are the exclusive native edges.
    static QRect getWorkArea();
    // The strip between the primary screen and its available area (a panel), null when none.
    static QRect getTaskbarRect();
    // QStandardPaths' documents, generic data and music folders, created when missing, with "/"
    // appended; empty for any other type.
    static QString GetSpecialFolderPath(SpecialFolderType type);
    // Asks the file manager (D-Bus org.freedesktop.FileManager1.ShowItems) to show the file
    // selected, else opens its folder with QDesktopServices; opens the folder of a missing file.
    static bool openFolderWithSelectFile(const QString &path);
    // QDesktopServices::openUrl; 0 on success, ERROR_FILE_NOT_FOUND or ERROR_NO_ASSOCIATION.
    static unsigned long openFile(const QString &path);

    // Keyboard and input method.

    // The X server's key map on xcb; elsewhere the modifiers and buttons Qt reports.
    static bool IsKeyPressed(int vk);
    // The X server's lock modifier on xcb; false elsewhere.
    static bool isCapsLockOn();
    // Qt's name of the key with the lParam's scan code; "Unknown" when there is none.
    static QString getKeyNameText(uint lParam);
    // Translates between virtual keys, US scan codes and characters; 0 when there is no mapping.
    static uint mapVirtualKey(uint code, uint mapType);
    // Stores the window's input context and turns Qt::WA_InputMethodEnabled on exactly when it
    // is non-zero; returns the previous context.
    static uint immAssociateContext(uint hwnd, uint himc);
};

#endif // DUIWINAPI_H
