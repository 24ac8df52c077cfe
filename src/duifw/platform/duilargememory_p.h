// SPDX-License-Identifier: MIT
#ifndef DUILARGEMEMORY_P_H
#define DUILARGEMEMORY_P_H

#include "duiglobal.h"

#include <cstddef>

// Memory for a large picture, released with std::free; null when memory is short. Where the
// system offers it, a block of several megabytes is asked to be backed by huge pages: a picture
// of 2048 x 2048 pixels then spans eight pages instead of four thousand, and reading it row by
// row no longer waits on the processor's page tables.
DUI_AUTOTEST_EXPORT void *duiAllocateLarge(size_t bytes);

#endif // DUILARGEMEMORY_P_H
