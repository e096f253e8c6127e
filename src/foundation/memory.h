// Tracked memory: the allocation contract every object of the library follows.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zem {

// Resizes *block to size bytes. Unlike fSizeMemory, a failure leaves *block and its
// contents untouched, so an owner can keep a consistent state.
bool ResizeKeepingOnFailure(unsigned char **block, std::size_t size);

}  // namespace zem
