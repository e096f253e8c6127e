// The validity check that every accessor and the indexer run on a structure, and the
// small type mappings of the MQCFH.
#include "pcf/structures.h"

#include <algorithm>

#include "foundation/mq_constants.h"
#include "pcf/envelope.h"

namespace zem {
namespace {

// How a structure's StrucLength follows from its own words.
enum class Shape {
    kFixed,        // exactly fixedLength
    kValueLength,  // fixedLength + the length word at wordOffset <= StrucLength
    kValueList,    // exactly fixedLength + elementSize x the count word at wordOffset
    kEntryList,    // fixedLength + Count (offset 16) x StringLength (offset 20) <= StrucLength
    kGroupHeader,  // exactly fixedLength; the members follow and are not part of it
};

struct ValidityRule {
    int32_t type;
    Shape shape;
    int32_t fixedLength;
    int32_t wordOffset;
    int32_t elementSize;
};

constexpr ValidityRule kHeaderRule{0, Shape::kFixed, ZEM_MQCFH_LENGTH, 0, 0};

constexpr ValidityRule kParameterRules[] = {
    {ZEM_MQCFT_INTEGER, Shape::kFixed, ZEM_MQCFIN_LENGTH, 0, 0},
    {ZEM_MQCFT_STRING, Shape::kValueLength, ZEM_MQCFST_LENGTH_FIXED, 16, 0},
    {ZEM_MQCFT_INTEGER_LIST, Shape::kValueList, ZEM_MQCFIL_LENGTH_FIXED, 12, 4},
    {ZEM_MQCFT_STRING_LIST, Shape::kEntryList, ZEM_MQCFSL_LENGTH_FIXED, 0, 0},
    {ZEM_MQCFT_BYTE_STRING, Shape::kValueLength, ZEM_MQCFBS_LENGTH_FIXED, 12, 0},
    {ZEM_MQCFT_INTEGER_FILTER, Shape::kFixed, ZEM_MQCFIF_LENGTH, 0, 0},
    {ZEM_MQCFT_STRING_FILTER, Shape::kValueLength, ZEM_MQCFSF_LENGTH_FIXED, 20, 0},
    {ZEM_MQCFT_BYTE_STRING_FILTER, Shape::kValueLength, ZEM_MQCFBF_LENGTH_FIXED, 16, 0},
    {ZEM_MQCFT_GROUP, Shape::kGroupHeader, ZEM_MQCFGR_LENGTH, 0, 0},
    {ZEM_MQCFT_INTEGER64, Shape::kFixed, ZEM_MQCFIN64_LENGTH, 0, 0},
    {ZEM_MQCFT_INTEGER64_LIST, Shape::kValueList, ZEM_MQCFIL64_LENGTH_FIXED, 12, 8},
    {ZEM_EXCFT_BYTE_STRING_LIST, Shape::kEntryList, ZEM_EXCFBL_LENGTH_FIXED, 0, 0},
    {ZEM_EXCFT_PCF, Shape::kValueLength, ZEM_MQCFST_LENGTH_FIXED, 16, 0},
    {ZEM_EXCFT_BINARY, Shape::kValueLength, ZEM_MQCFST_LENGTH_FIXED, 16, 0},
};

const ValidityRule *FindRule(int32_t type)
{
    if (IsHeaderType(type))
        return &kHeaderRule;
    for (const auto &rule : kParameterRules)
        if (rule.type == type)
            return &rule;
    return nullptr;
}

// A length or count word that must not be negative.
bool ReadCount(const PcfCursor &structure, int64_t offset, int64_t &count)
{
    int32_t word = 0;
    if (!structure.Read32(offset, word) || word < 0)
        return false;
    count = word;
    return true;
}

bool FollowsShape(const ValidityRule &rule, const PcfCursor &structure, int64_t strucLength)
{
    int64_t count = 0;
    int64_t stringLength = 0;
    switch (rule.shape) {
    case Shape::kFixed:
        return strucLength == rule.fixedLength;
    case Shape::kValueLength:
        return ReadCount(structure, rule.wordOffset, stringLength) &&
               rule.fixedLength + stringLength <= strucLength;
    case Shape::kValueList:
        return ReadCount(structure, rule.wordOffset, count) &&
               strucLength == rule.fixedLength + rule.elementSize * count;
    case Shape::kEntryList:
        return ReadCount(structure, 16, count) && ReadCount(structure, 20, stringLength) &&
               rule.fixedLength + count * stringLength <= strucLength;
    case Shape::kGroupHeader:
        return strucLength == rule.fixedLength && ReadCount(structure, kGroupCountOffset, count);
    }
    return false;
}

}  // namespace

bool IsHeaderType(int32_t type)
{
    switch (type) {
    case ZEM_MQCFT_COMMAND:
    case ZEM_MQCFT_RESPONSE:
    case ZEM_MQCFT_EVENT:
    case ZEM_MQCFT_TRACE_ROUTE:
    case ZEM_MQCFT_REPORT:
    case ZEM_MQCFT_COMMAND_XR:
    case ZEM_MQCFT_XR_MSG:
    case ZEM_MQCFT_XR_ITEM:
    case ZEM_MQCFT_XR_SUMMARY:
    case ZEM_MQCFT_STATISTICS:
    case ZEM_MQCFT_ACCOUNTING:
    case ZEM_MQCFT_USER:
    case ZEM_MQCFT_APP_ACTIVITY:
    case ZEM_MQCFT_STATUS:
        return true;
    default:
        return false;
    }
}

bool ReadStructHead(const PcfCursor &data, int64_t offset, StructHead &head)
{
    return data.Read32(offset + kTypeOffset, head.type) &&
           data.Read32(offset + kStrucLengthOffset, head.strucLength);
}

bool IsStructureValid(const PcfCursor &structure, int64_t expected)
{
    StructHead head;
    if (!ReadStructHead(structure, 0, head))
        return false;
    const ValidityRule *rule = FindRule(head.type);
    if (!rule || head.strucLength % 4 != 0 || head.strucLength < kStructHeadLength ||
        head.strucLength > structure.length())
        return false;
    if (rule->shape != Shape::kGroupHeader && head.strucLength != expected)
        return false;
    return FollowsShape(*rule, structure, head.strucLength);
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
    case ZEM_MQCFT_COMMAND_XR:
        return mq::MQMT_REQUEST;
    case ZEM_MQCFT_RESPONSE:
    case ZEM_MQCFT_XR_MSG:
    case ZEM_MQCFT_XR_ITEM:
    case ZEM_MQCFT_XR_SUMMARY:
        return mq::MQMT_REPLY;
    case ZEM_MQCFT_REPORT:
        return mq::MQMT_REPORT;
    default:
        return mq::MQMT_DATAGRAM;
    }
}

ZEMAPI(int32_t) SetPcfType(int32_t type)
{
    // The XR reply types travel as ordinary responses.
    switch (type) {
    case ZEM_MQCFT_XR_MSG:
    case ZEM_MQCFT_XR_ITEM:
    case ZEM_MQCFT_XR_SUMMARY:
        return ZEM_MQCFT_RESPONSE;
    default:
        return type;
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
