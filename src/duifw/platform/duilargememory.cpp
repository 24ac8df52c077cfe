// SPDX-License-Identifier: MIT
#include "duilargememory_p.h"

#include <cstdlib>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

void *duiAllocateLarge(size_t bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr size_t kHugePage = size_t(2) << 20;
    if (bytes >= 2 * kHugePage) {
        void *block = nullptr;
        if (posix_memalign(&block, kHugePage, bytes) != 0)
            return nullptr;
        // Only a hint: where huge pages are off or short, the block works with small ones.
        madvise(block, bytes, MADV_HUGEPAGE);
        return block;
    }
#endif
    return std::malloc(bytes);
}
