#pragma once
#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define VHFCOM_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VHFCOM_HEAP_FROM_SANITIZER 1
#endif
#endif
#ifdef VHFCOM_HEAP_FROM_SANITIZER
// From the sanitizer runtime (declared here: not every compiler ships its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes the program holds on the heap right now, over all threads: from the
// sanitizer's allocator in a sanitizer build, from the C library otherwise.
inline std::size_t HeapInUse() {
#ifdef VHFCOM_HEAP_FROM_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}
