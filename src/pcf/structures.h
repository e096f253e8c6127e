// PCF structure layouts as the library's code reads them: one shape per structure type,
// taken from the public structures, and the validity check behind IsPcfAttrValid.
// Validation, peer conversion, the accessors, the walks and the printer all read these
// shapes, so a new structure type is one row in kParameterShapes.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "pcf/cursor.h"
#include "zemapi.h"

namespace zem {

// The words every structure starts with; Parameter is the third word of every
// parameter structure (the MQCFH has Version there).
constexpr int64_t kTypeOffset = offsetof(ZEM_MQCFIN, Type);
constexpr int64_t kStrucLengthOffset = offsetof(ZEM_MQCFIN, StrucLength);
constexpr int64_t kParameterOffset = offsetof(ZEM_MQCFIN, Parameter);
// Type and StrucLength: a structure shorter than this cannot even say what it is.
constexpr int32_t kStructHeadLength = offsetof(ZEM_MQCFIN, Parameter);
constexpr int64_t kHeaderCountOffset = offsetof(ZEM_MQCFH, ParameterCount);
constexpr int64_t kGroupCountOffset = offsetof(ZEM_MQCFGR, ParameterCount);

// How a structure's StrucLength follows from its own words.
enum class Layout : uint8_t {
    kNone,       // no structure has this Type
    kHeader,     // an MQCFH: exactly fixedLength; ParameterCount structures follow it
    kFixed,      // exactly fixedLength
    kGroup,      // exactly fixedLength; ParameterCount members follow and are not part of it
    kValue,      // fixedLength + the length word <= StrucLength
    kValueList,  // exactly fixedLength + valueSize x Count
    kEntryList,  // fixedLength + Count x StringLength <= StrucLength
};

// What the value bytes of a structure hold, for a peer's code page.
enum class Content : uint8_t { kBytes, kText, kEmbedded };

// Offsets are from the structure start; -1 means the structure has no such word.
struct Shape {
    int32_t type;
    Layout layout;
    int8_t fixedLength;  // the fixed part; variable contents start right after it
    int8_t value;        // the value, the list values or the entries
    int8_t valueSize;    // a fixed value or each list value: 4 or 8 bytes
    int8_t count;        // ParameterCount or the list's Count
    int8_t length;       // the value's length, or each entry's (StringLength)
    int8_t op;           // a filter's Operator
    int8_t reserved;     // a word that stays as the peer wrote it
    Content content;
};

// One row for every MQCFH type; IsHeaderType is membership here.
constexpr int32_t kHeaderTypes[] = {
    ZEM_MQCFT_COMMAND,    ZEM_MQCFT_RESPONSE, ZEM_MQCFT_EVENT,        ZEM_MQCFT_TRACE_ROUTE, ZEM_MQCFT_REPORT,
    ZEM_MQCFT_COMMAND_XR, ZEM_MQCFT_XR_MSG,   ZEM_MQCFT_XR_ITEM,      ZEM_MQCFT_XR_SUMMARY,  ZEM_MQCFT_STATISTICS,
    ZEM_MQCFT_ACCOUNTING, ZEM_MQCFT_USER,     ZEM_MQCFT_APP_ACTIVITY, ZEM_MQCFT_STATUS,
};

#define ZEM_AT(S, field) static_cast<int8_t>(offsetof(S, field))
constexpr int8_t kNo = -1;
constexpr Shape kHeaderShape{
    0, Layout::kHeader, sizeof(ZEM_MQCFH), kNo, 0, ZEM_AT(ZEM_MQCFH, ParameterCount), kNo, kNo, kNo, Content::kBytes};
constexpr Shape kParameterShapes[] = {
    {ZEM_MQCFT_INTEGER, Layout::kFixed, sizeof(ZEM_MQCFIN), ZEM_AT(ZEM_MQCFIN, Value), 4, kNo, kNo, kNo, kNo,
     Content::kBytes},
    {ZEM_MQCFT_STRING, Layout::kValue, ZEM_AT(ZEM_MQCFST, String), ZEM_AT(ZEM_MQCFST, String), 0, kNo,
     ZEM_AT(ZEM_MQCFST, StringLength), kNo, kNo, Content::kText},
    {ZEM_MQCFT_INTEGER_LIST, Layout::kValueList, ZEM_AT(ZEM_MQCFIL, Values), ZEM_AT(ZEM_MQCFIL, Values), 4,
     ZEM_AT(ZEM_MQCFIL, Count), kNo, kNo, kNo, Content::kBytes},
    {ZEM_MQCFT_STRING_LIST, Layout::kEntryList, ZEM_AT(ZEM_MQCFSL, Strings), ZEM_AT(ZEM_MQCFSL, Strings), 0,
     ZEM_AT(ZEM_MQCFSL, Count), ZEM_AT(ZEM_MQCFSL, StringLength), kNo, kNo, Content::kText},
    {ZEM_MQCFT_BYTE_STRING, Layout::kValue, ZEM_AT(ZEM_MQCFBS, String), ZEM_AT(ZEM_MQCFBS, String), 0, kNo,
     ZEM_AT(ZEM_MQCFBS, StringLength), kNo, kNo, Content::kBytes},
    {ZEM_MQCFT_INTEGER_FILTER, Layout::kFixed, sizeof(ZEM_MQCFIF), ZEM_AT(ZEM_MQCFIF, FilterValue), 4, kNo, kNo,
     ZEM_AT(ZEM_MQCFIF, Operator), kNo, Content::kBytes},
    {ZEM_MQCFT_STRING_FILTER, Layout::kValue, ZEM_AT(ZEM_MQCFSF, FilterValue), ZEM_AT(ZEM_MQCFSF, FilterValue), 0, kNo,
     ZEM_AT(ZEM_MQCFSF, FilterValueLength), ZEM_AT(ZEM_MQCFSF, Operator), kNo, Content::kText},
    {ZEM_MQCFT_BYTE_STRING_FILTER, Layout::kValue, ZEM_AT(ZEM_MQCFBF, FilterValue), ZEM_AT(ZEM_MQCFBF, FilterValue), 0,
     kNo, ZEM_AT(ZEM_MQCFBF, FilterValueLength), ZEM_AT(ZEM_MQCFBF, Operator), kNo, Content::kBytes},
    {ZEM_MQCFT_GROUP, Layout::kGroup, sizeof(ZEM_MQCFGR), kNo, 0, ZEM_AT(ZEM_MQCFGR, ParameterCount), kNo, kNo, kNo,
     Content::kBytes},
    {ZEM_MQCFT_INTEGER64, Layout::kFixed, sizeof(ZEM_MQCFIN64), ZEM_AT(ZEM_MQCFIN64, Value), 8, kNo, kNo, kNo,
     ZEM_AT(ZEM_MQCFIN64, Reserved), Content::kBytes},
    {ZEM_MQCFT_INTEGER64_LIST, Layout::kValueList, ZEM_AT(ZEM_MQCFIL64, Values), ZEM_AT(ZEM_MQCFIL64, Values), 8,
     ZEM_AT(ZEM_MQCFIL64, Count), kNo, kNo, kNo, Content::kBytes},
    {ZEM_EXCFT_BYTE_STRING_LIST, Layout::kEntryList, ZEM_AT(ZEM_EXCFBL, Entries), ZEM_AT(ZEM_EXCFBL, Entries), 0,
     ZEM_AT(ZEM_EXCFBL, Count), ZEM_AT(ZEM_EXCFBL, StringLength), kNo, ZEM_AT(ZEM_EXCFBL, Reserved), Content::kBytes},
    // The embedded message and the binary value have the MQCFST layout.
    {ZEM_EXCFT_PCF, Layout::kValue, ZEM_AT(ZEM_MQCFST, String), ZEM_AT(ZEM_MQCFST, String), 0, kNo,
     ZEM_AT(ZEM_MQCFST, StringLength), kNo, kNo, Content::kEmbedded},
    {ZEM_EXCFT_BINARY, Layout::kValue, ZEM_AT(ZEM_MQCFST, String), ZEM_AT(ZEM_MQCFST, String), 0, kNo,
     ZEM_AT(ZEM_MQCFST, StringLength), kNo, kNo, Content::kBytes},
};
#undef ZEM_AT

// Shapes are found by Type in one step: Types 0 to 27 in their own slots, the library's
// own Types (997 and up) after them; every other Type shares slot 0, which is no shape.
constexpr int32_t kMqTypeSlots = ZEM_MQCFT_STATUS + 1;
constexpr int32_t kOwnTypeBase = ZEM_EXCFT_BYTE_STRING_LIST;
constexpr int32_t kShapeSlots = kMqTypeSlots + ZEM_EXCFT_BINARY - kOwnTypeBase + 1;

constexpr int32_t ShapeSlot(int32_t type)
{
    if (type >= 0 && type < kMqTypeSlots)
        return type;
    if (type >= kOwnTypeBase && type <= ZEM_EXCFT_BINARY)
        return kMqTypeSlots + type - kOwnTypeBase;
    return 0;
}

constexpr std::array<Shape, kShapeSlots> BuildShapes()
{
    std::array<Shape, kShapeSlots> shapes{};
    for (int32_t type : kHeaderTypes) {
        shapes[ShapeSlot(type)] = kHeaderShape;
        shapes[ShapeSlot(type)].type = type;
    }
    for (const Shape &shape : kParameterShapes)
        shapes[ShapeSlot(shape.type)] = shape;
    return shapes;
}

inline constexpr std::array<Shape, kShapeSlots> kShapes = BuildShapes();

// The shape of a Type that has one (a known constant).
constexpr const Shape &ShapeFor(int32_t type) { return kShapes[ShapeSlot(type)]; }

// The shape of a Type read from data, or nullptr when no structure has that Type.
inline const Shape *ShapeOf(int32_t type)
{
    const Shape &shape = kShapes[ShapeSlot(type)];
    return shape.layout == Layout::kNone ? nullptr : &shape;
}

// Every MQCFH type IBM MQ publishes (command, response, event, ... application activity,
// status).
inline bool IsHeaderType(int32_t type) { return kShapes[ShapeSlot(type)].layout == Layout::kHeader; }

struct StructHead {
    int32_t type = 0;
    int32_t strucLength = 0;
};

// Type and StrucLength of the structure at offset; false when its 8 bytes do not fit.
inline bool ReadStructHead(const PcfCursor &data, int64_t offset, StructHead &head)
{
    return data.Read32(offset + kTypeOffset, head.type) && data.Read32(offset + kStrucLengthOffset, head.strucLength);
}

namespace detail {

// A length or count word that must not be negative.
inline bool ReadCount(const PcfCursor &structure, int64_t offset, int64_t &count)
{
    int32_t word = 0;
    if (!structure.Read32(offset, word) || word < 0)
        return false;
    count = word;
    return true;
}

// The validity rules ask for exact lengths, the walks for contents that fit: one
// template, inline on the indexing path, serves both.
template <bool exact> bool FitsShape(const Shape &shape, const PcfCursor &structure)
{
    const int64_t length = structure.length();
    auto fills = [length](int64_t needed) { return exact ? length == needed : length >= needed; };
    int64_t count = 0;
    int64_t valueLength = 0;
    switch (shape.layout) {
    case Layout::kNone: return false;
    case Layout::kHeader:
    case Layout::kFixed: return fills(shape.fixedLength);
    case Layout::kGroup: return fills(shape.fixedLength) && ReadCount(structure, shape.count, count);
    case Layout::kValue:
        return ReadCount(structure, shape.length, valueLength) && shape.fixedLength + valueLength <= length;
    case Layout::kValueList:
        return ReadCount(structure, shape.count, count) && fills(shape.fixedLength + shape.valueSize * count);
    case Layout::kEntryList:
        return ReadCount(structure, shape.count, count) && ReadCount(structure, shape.length, valueLength) &&
               shape.fixedLength + count * valueLength <= length;
    }
    return false;
}

}  // namespace detail

// True when the count and length words of `structure` (a window of its StrucLength
// bytes) are not negative and describe contents that lie inside it; the validity rules
// ask besides that fixed structures and value lists fill it exactly.
inline bool ContentsFit(const Shape &shape, const PcfCursor &structure)
{
    return detail::FitsShape<false>(shape, structure);
}

// The validity rules of IsPcfAttrValid for the structure at the start of `structure`
// (the bytes that may be read), whose head is `head` and which its envelope says is
// `expected` bytes long. Length, count and string-length words must not be negative,
// sizes are computed in 64 bits, and a valid structure lies wholly inside `structure`.
// A group is judged by its 16-byte header only (its members follow it), so `expected`
// is not compared for it.
inline bool IsStructureValid(const PcfCursor &structure, const StructHead &head, int64_t expected)
{
    const Shape *shape = ShapeOf(head.type);
    if (!shape || head.strucLength % 4 != 0 || head.strucLength < kStructHeadLength ||
        head.strucLength > structure.length())
        return false;
    if (shape->layout != Layout::kGroup && head.strucLength != expected)
        return false;
    return detail::FitsShape<true>(*shape, structure.Window(0, head.strucLength));
}

inline bool IsStructureValid(const PcfCursor &structure, int64_t expected)
{
    StructHead head;
    return ReadStructHead(structure, 0, head) && IsStructureValid(structure, head, expected);
}

}  // namespace zem
