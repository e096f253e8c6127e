// Blocks released on a thread and kept for the next ones it obtains: a program that
// builds messages creates and deletes the same few envelopes and containers over and
// over, and the C library's allocator costs more than the rest of that work.
#pragma once
#include <cstddef>

#include "zemapi.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZEM_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEM_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(ZEM_ADDRESS_SANITIZER)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(addr, size)   ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif

namespace zem {

// Up to kKept blocks per thread for each Kind; the ones still kept when the thread ends
// are released then. A kept block stays poisoned for AddressSanitizer until it is taken
// again, so a use after its release still shows. The list itself is trivially destroyed
// thread storage, read without the guard that an object with a destructor costs on every
// access; a separate object releases the blocks at thread exit.
template <class Kind, int kKept> class KeptBlocks {
public:
    // The smallest kept block of at least `least` bytes, its size in `size`; NULL when
    // none is. The smallest, so that blocks of a few sizes taken in turn each find their
    // own (a block is kept with the size it was last used for, not its own).
    static void *Take(std::size_t least, std::size_t &size)
    {
        int found = -1;
        for (int i = 0; i < t_count; ++i)
            if (t_kept[i].size >= least && (found < 0 || t_kept[i].size < t_kept[found].size))
                found = i;
        if (found < 0)
            return nullptr;
        Kept taken = t_kept[found];
        t_kept[found] = t_kept[--t_count];
        ASAN_UNPOISON_MEMORY_REGION(taken.block, taken.size);
        size = taken.size;
        return taken.block;
    }
    // False when the block is not kept (the caller releases it).
    static bool Keep(void *block, std::size_t size)
    {
        if (t_count == kKept || t_state == State::kEnded)
            return false;
        if (t_state == State::kUnarmed)
            t_release.Arm();
        ASAN_POISON_MEMORY_REGION(block, size);
        t_kept[t_count++] = Kept{block, size};
        return true;
    }

private:
    struct Kept {
        void *block;
        std::size_t size;
    };
    enum class State { kUnarmed, kArmed, kEnded };
    struct Release {
        void Arm() { t_state = State::kArmed; }
        ~Release()
        {
            t_state = State::kEnded;
            std::size_t size = 0;
            while (void *block = Take(0, size))
                FreeMemory(block);
        }
    };

    static thread_local Kept t_kept[kKept];
    static thread_local int t_count;
    static thread_local State t_state;
    static thread_local Release t_release;
};

template <class Kind, int kKept> thread_local
    typename KeptBlocks<Kind, kKept>::Kept KeptBlocks<Kind, kKept>::t_kept[kKept];
template <class Kind, int kKept> thread_local int KeptBlocks<Kind, kKept>::t_count = 0;
template <class Kind, int kKept> thread_local typename KeptBlocks<Kind, kKept>::State KeptBlocks<Kind, kKept>::t_state =
    State::kUnarmed;
template <class Kind, int kKept> thread_local
    typename KeptBlocks<Kind, kKept>::Release KeptBlocks<Kind, kKept>::t_release;

}  // namespace zem
