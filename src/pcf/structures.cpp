// The validity check that every accessor and the indexer run on a structure, and the
// small type mappings of the MQCFH.
#include "pcf/structures.h"

#include <algorithm>

#include "foundation/mq_constants.h"
#include "pcf/envelope.h"

namespace zem {
namespace {

// A length or count word that must not be negative.
bool ReadCount(const PcfCursor &structure, int64_t offset, int64_t &count)
{
    int32_t word = 0;
    if (!structure.Read32(offset, word) || word < 0)
        return false;
    count = word;
    return true;
}

// The validity rules ask for exact lengths, the walks for contents that fit: one
// template keeps both inline on their hot paths.
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

}  // namespace

bool ContentsFit(const Shape &shape, const PcfCursor &structure) { return FitsShape<false>(shape, structure); }

bool ReadStructHead(const PcfCursor &data, int64_t offset, StructHead &head)
{
    return data.Read32(offset + kTypeOffset, head.type) && data.Read32(offset + kStrucLengthOffset, head.strucLength);
}

bool IsStructureValid(const PcfCursor &structure, int64_t expected)
{
    StructHead head;
    if (!ReadStructHead(structure, 0, head))
        return false;
    const Shape *shape = ShapeOf(head.type);
    if (!shape || head.strucLength % 4 != 0 || head.strucLength < kStructHeadLength ||
        head.strucLength > structure.length())
        return false;
    if (shape->layout != Layout::kGroup && head.strucLength != expected)
        return false;
    return FitsShape<true>(*shape, structure.Window(0, head.strucLength));
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) IsPcfAttrValid(MESSAGE *msg)
{
    if (!msg || !msg->pData)
        return 0;
    // An owning envelope's Used counts its 136-byte header; a view's does not.
    int64_t expected = msg->pBlock ? int64_t{msg->Used} - kHeaderLength : msg->Used;
    int64_t readable = msg->pBlock ? std::min<int64_t>(expected, int64_t{msg->Size} - kHeaderLength) : expected;
    return IsStructureValid(PcfCursor(msg->pData, readable), expected) ? 1 : 0;
}

ZEMAPI(int32_t) PcfToMsgType(int32_t type)
{
    switch (type) {
    case ZEM_MQCFT_COMMAND:
    case ZEM_MQCFT_COMMAND_XR: return mq::MQMT_REQUEST;
    case ZEM_MQCFT_RESPONSE:
    case ZEM_MQCFT_XR_MSG:
    case ZEM_MQCFT_XR_ITEM:
    case ZEM_MQCFT_XR_SUMMARY: return mq::MQMT_REPLY;
    case ZEM_MQCFT_REPORT: return mq::MQMT_REPORT;
    default: return mq::MQMT_DATAGRAM;
    }
}

ZEMAPI(int32_t) SetPcfType(int32_t type)
{
    // The XR reply types travel as ordinary responses.
    switch (type) {
    case ZEM_MQCFT_XR_MSG:
    case ZEM_MQCFT_XR_ITEM:
    case ZEM_MQCFT_XR_SUMMARY: return ZEM_MQCFT_RESPONSE;
    default: return type;
    }
}

ZEMAPI(int32_t) SetPcfVersion(int32_t version) { return version; }

ZEMAPI(int32_t) GetPcfAttrType(MESSAGE *attr)
{
    // No validity check, but never a read past the envelope's own bytes.
    int32_t type = 0;
    if (attr && attr->pData) {
        int64_t readable = attr->pBlock ? int64_t{attr->Size} - kHeaderLength : attr->Used;
        PcfCursor(attr->pData, readable).Read32(kTypeOffset, type);
    }
    return type;
}

}  // extern "C"
