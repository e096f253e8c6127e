// Reversible scrambling of message bytes under a 32-bit key.
#include <cstring>

#include "foundation/byteorder.h"
#include "zemapi.h"

namespace zem {
namespace {

// Only the exclusive or of the key's bytes matters, so the key's byte order does not.
unsigned char FoldKey(uint32_t key)
{
    return static_cast<unsigned char>((key ^ (key >> 8) ^ (key >> 16) ^ (key >> 24)) & 0xFF);
}

void Scramble(unsigned char *bytes, int32_t count, uint32_t key)
{
    unsigned char folded = FoldKey(key);
    for (int32_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(SwapNibbles(bytes[i]) ^ folded);
}

void Unscramble(unsigned char *bytes, int32_t count, uint32_t key)
{
    unsigned char folded = FoldKey(key);
    for (int32_t i = 0; i < count; ++i)
        bytes[i] = SwapNibbles(static_cast<unsigned char>(bytes[i] ^ folded));
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) EncryptMsg(void *bytes, int32_t count, uint32_t key)
{
    if (bytes)
        Scramble(static_cast<unsigned char *>(bytes), count, key);
    return 1;
}

ZEMAPI(int) DecryptMsg(void *bytes, int32_t count, uint32_t key)
{
    if (bytes)
        Unscramble(static_cast<unsigned char *>(bytes), count, key);
    return 1;
}

ZEMAPI(int32_t) DecryptLong(int32_t value, uint32_t key)
{
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    Unscramble(bytes, sizeof bytes, key);
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // extern "C"
