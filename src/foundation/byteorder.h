// Byte order: reversal of fixed-width values and the nibble exchange of one byte.
#pragma once
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace zem {

// Reverses the bytes of an integer: the first byte in memory becomes the last.
template <typename T> T ReverseBytes(T value)
{
    static_assert(std::is_integral<T>::value, "integers only");
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (std::size_t low = 0, high = sizeof(T) - 1; low < high; ++low, --high) {
        unsigned char kept = bytes[low];
        bytes[low] = bytes[high];
        bytes[high] = kept;
    }
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

inline unsigned char SwapNibbles(unsigned char value)
{
    return static_cast<unsigned char>((value << 4) | (value >> 4));
}

}  // namespace zem
