// SPDX-License-Identifier: MIT
#ifndef DUITEXTCURSOR_P_H
#define DUITEXTCURSOR_P_H

#include "duitextcursor.h"

class DuiTextCursorPrivate
{
public:
    RichTextEdit *edit = nullptr;
    GifPool *pool = nullptr;
};

#endif // DUITEXTCURSOR_P_H
