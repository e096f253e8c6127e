#include "foundation/byteorder.h"

#include "zemapi.h"

using namespace zem;

extern "C" {

ZEMAPI(unsigned char) bwbyte(unsigned char value) { return SwapNibbles(value); }
ZEMAPI(int16_t) bwshort(int16_t value) { return ReverseBytes(value); }
ZEMAPI(int32_t) bwlong(int32_t value) { return ReverseBytes(value); }
ZEMAPI(int64_t) bwint64(int64_t value) { return ReverseBytes(value); }

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the fixed byte-order answers below assume a little-endian target"
#endif

// Fixed answers: every target is little-endian with ASCII text; peers of the other kind
// are recognised from the Encoding and CharSet words of their message headers.
ZEMAPI(int) IsBgEndian(void) { return 0; }
ZEMAPI(int) IsLtEndian(void) { return 1; }
ZEMAPI(int) IsAscText(void) { return 1; }
ZEMAPI(int) fValidPointer(const void *) { return 1; }

}  // extern "C"
