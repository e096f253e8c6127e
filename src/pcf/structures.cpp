// IsPcfAttrValid and the small type mappings of the MQCFH.
#include "pcf/structures.h"

#include <algorithm>

#include "foundation/mq_constants.h"
#include "pcf/envelope.h"

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
