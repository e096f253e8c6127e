// PCF structure layouts as the library's code reads them: the type families, the words
// every structure starts with, and the validity check behind IsPcfAttrValid.
#pragma once
#include <cstdint>

#include "pcf/cursor.h"
#include "zemapi.h"

namespace zem {

// Offsets of the words that every structure starts with; Parameter is the third word of
// every parameter structure (the MQCFH has Version there).
constexpr int64_t kTypeOffset = 0;
constexpr int64_t kStrucLengthOffset = 4;
constexpr int64_t kParameterOffset = 8;
// Type and StrucLength: a structure shorter than this cannot even say what it is.
constexpr int32_t kStructHeadLength = 8;
// MQCFH.ParameterCount and MQCFGR.ParameterCount.
constexpr int64_t kHeaderCountOffset = 32;
constexpr int64_t kGroupCountOffset = 12;

// Every MQCFH type IBM MQ publishes (command, response, event, ... application activity,
// status).
bool IsHeaderType(int32_t type);

struct StructHead {
    int32_t type = 0;
    int32_t strucLength = 0;
};

// Type and StrucLength of the structure at offset; false when its 8 bytes do not fit.
bool ReadStructHead(const PcfCursor &data, int64_t offset, StructHead &head);

// The validity rules of IsPcfAttrValid for the structure at the start of `structure`
// (the bytes that may be read), which its envelope says is `expected` bytes long. Length,
// count and string-length words must not be negative, sizes are computed in 64 bits, and
// a valid structure lies wholly inside `structure`. A group is judged by its 16-byte
// header only (its members follow it), so `expected` is not compared for it.
bool IsStructureValid(const PcfCursor &structure, int64_t expected);

}  // namespace zem
