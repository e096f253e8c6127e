// Tracked memory: the allocation contract every object of the library follows.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zem {

// Resizes *block to size bytes. Unlike fSizeMemory, a failure leaves *block and its
// contents untouched, so an owner can keep a consistent state.
bool ResizeKeepingOnFailure(unsigned char **block, std::size_t size);

// Zero-fill and copy with the C library's memset and memcpy, never an inline string
// instruction: for the few hundred bytes of an envelope, its start-up costs more than
// the work itself.
void ClearBlock(void *block, std::size_t size);
void CopyBlock(void *to, const void *from, std::size_t size);

}  // namespace zem
