// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/MemoryPages.h"

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace data {

void prefaultPages(char *from, qint64 size)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    static const std::uintptr_t pageMask = std::uintptr_t(sysconf(_SC_PAGESIZE)) - 1;
    const std::uintptr_t first = std::uintptr_t(from) & ~pageMask;
    const std::uintptr_t end = (std::uintptr_t(from) + std::uintptr_t(size)) & ~pageMask;
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(from);
    Q_UNUSED(size);
#endif
}

} // namespace data
