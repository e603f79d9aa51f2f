// Bytes currently allocated on the heap, to show that setting a look up and
// tearing it down again leaves nothing behind. The sanitizer build has its
// own allocator (and the leak checker is told to ignore Allegro's own
// allocations, which include every bitmap), so it asks the sanitizer.
#ifndef TESTS_WIDGETS_HEAP_BYTES_H
#define TESTS_WIDGETS_HEAP_BYTES_H

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// Part of the sanitizer's runtime (its header does not ship with GCC).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes(void);
inline std::size_t heap_bytes_in_use()
{
    return __sanitizer_get_current_allocated_bytes();
}
#elif defined(_WIN32)
// The C runtime's heap, walked block by block (msvcrt has no mallinfo).
#  include <malloc.h>
inline std::size_t heap_bytes_in_use()
{
    _HEAPINFO entry = {};
    std::size_t used = 0;
    while (_heapwalk(&entry) == _HEAPOK)
        if (entry._useflag == _USEDENTRY) used += entry._size;
    return used;
}
#else
#  include <malloc.h>
inline std::size_t heap_bytes_in_use()
{
    return mallinfo2().uordblks;
}
#endif

#endif
