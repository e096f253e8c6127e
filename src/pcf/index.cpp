// The attribute index of a PcfMessage: indexing raw bytes, appending parameters and
// reading them back by position or by parameter id.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "foundation/platform.h"
#include "pcf/container.h"
#include "pcf/envelope.h"
#include "pcf/structures.h"

namespace zem {

namespace {

// Steps over the structure at position; a group adds its members to pending.
bool StepOver(const PcfCursor &data, int64_t &position, int64_t &pending)
{
    StructHead head;
    if (!ReadStructHead(data, position, head) || head.strucLength < kStructHeadLength ||
        !data.Fits(position, head.strucLength))
        return false;
    if (head.type == ZEM_MQCFT_GROUP) {
        int32_t members = 0;
        if (head.strucLength < ZEM_MQCFGR_LENGTH || !data.Read32(position + kGroupCountOffset, members) ||
            members < 0)
            return false;
        pending += members;
    }
    position += head.strucLength;
    return true;
}

}  // namespace

SubtreeWalk FindSubtreeEnd(const PcfCursor &data, int64_t offset, int64_t &end)
{
    // Each step passes at least 8 bytes, so the walk ends within data.length() / 8 steps
    // whatever the counts say.
    int64_t pending = 0;
    int64_t position = offset;
    if (!StepOver(data, position, pending))
        return SubtreeWalk::kMalformed;
    for (; pending > 0; --pending) {
        if (position >= data.length())
            return SubtreeWalk::kUnderflow;
        if (!StepOver(data, position, pending))
            return SubtreeWalk::kMalformed;
    }
    end = position;
    return SubtreeWalk::kComplete;
}

bool ReadParameterCount(PcfMessage &pcf, int32_t &count)
{
    PcfCursor bytes = MessageBytes(pcf);
    return bytes.Fits(0, ZEM_MQCFH_LENGTH) && bytes.Read32(kHeaderCountOffset, count);
}

PcfCursor IndexedStructure(PcfMessage &pcf, int32_t position)
{
    if (position < 0 || position > kMaxIndexedParameters)
        return PcfCursor();
    const MESSAGE &view = pcf.AttrIndex[position];
    PcfCursor bytes = MessageBytes(pcf);
    auto area = reinterpret_cast<uintptr_t>(bytes.data());
    auto entry = reinterpret_cast<uintptr_t>(view.pData);
    if (!entry || !area || entry < area)
        return PcfCursor();
    return bytes.Window(static_cast<int64_t>(entry - area), view.Used);
}

namespace {

constexpr int kLineOverflowCapacity = 1264;
constexpr int kLineTruncated = 1279;
constexpr int kLineOverflowAttribute = 1298;
constexpr int kLineGroupUnderflow = 1170;

// The time of day (hh:mm:ss) that starts the container's messages.
struct TimeOfDay {
    char text[26] = "                        \n";
    TimeOfDay() { platform::CurrentTimeText(text); }
    const char *c_str() const { return text + 11; }
};

int32_t AsInt32(int64_t value) { return static_cast<int32_t>(value); }

// Clears the entries after `last`: they would otherwise keep pointing at structures of
// an earlier message, perhaps in a data area released since.
void ClearIndexAfter(PcfMessage &pcf, int32_t last)
{
    for (int64_t i = std::max<int64_t>(int64_t{last} + 1, 0); i < ZEM_PCF_INDEX_ENTRIES; ++i)
        ClearView(pcf.AttrIndex[i]);
}

// Indexes structure `position` at offset; false (the indexing fails) when it is not a
// well-formed structure inside the message. Advances offset past it and its members.
bool IndexStructure(PcfMessage &pcf, const PcfCursor &bytes, int32_t position, int64_t &offset)
{
    StructHead head;
    bool haveHead = ReadStructHead(bytes, offset, head);
    // Without its head the structure's end is unknown: its least end is reported.
    int64_t end = offset + (haveHead ? head.strucLength : kStructHeadLength);
    if (!haveHead || end > bytes.length()) {
        std::printf("%.8s MQPCFMSG::RawToPcf(line# %d) Input buffer overflow, offset to end of PCF attribute %d "
                    "exceeds offset end of PCF msg (lMsgLen) %d\n",
                    TimeOfDay().c_str(), kLineOverflowAttribute, AsInt32(end), AsInt32(bytes.length()));
        return false;
    }
    // The message starts with its MQCFH: everything reads its ParameterCount.
    if (position == 0 && !IsHeaderType(head.type))
        return false;
    if (head.strucLength < kStructHeadLength)
        return false;
    MESSAGE &view = pcf.AttrIndex[position];
    SetView(view, bytes.data() + offset, head.strucLength);
    if (!IsStructureValid(bytes.Window(offset, head.strucLength), head.strucLength))
        return false;
    if (head.type != ZEM_MQCFT_GROUP) {
        offset += head.strucLength;
        return true;
    }
    switch (FindSubtreeEnd(bytes, offset, end)) {
    case SubtreeWalk::kComplete:
        SetView(view, view.pData, AsInt32(end - offset));
        offset = end;
        return true;
    case SubtreeWalk::kUnderflow:
        std::printf("%.8s PcfMessage::RawToPcfGroup(line# %d) Input buffer underflow\n", TimeOfDay().c_str(),
                    kLineGroupUnderflow);
        PrintHexData(bytes.data() + offset, AsInt32(bytes.length() - offset), stdout);
        return false;
    case SubtreeWalk::kMalformed:
        break;
    }
    return false;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) RawToPcf(PcfMessage *pcf)
{
    if (!pcf || !pcf->PcfMsg.pData)
        return 0;
    MESSAGE &msg = pcf->PcfMsg;
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(msg.pData);
    int64_t messageLength = int64_t{msg.Used} - kHeaderLength;
    int64_t capacity = int64_t{msg.Size} - kHeaderLength;
    if (capacity < messageLength) {
        std::printf("%.8s MQPCFMSG::RawToPcf(line# %d) Input buffer overflow, PCF msg lMsgLen %d > lMax %d\n",
                    TimeOfDay().c_str(), kLineOverflowCapacity, AsInt32(messageLength), AsInt32(capacity));
        return 0;
    }
    if (messageLength < 0)
        return 0;
    PcfCursor bytes(msg.pData, messageLength);

    // Without a complete MQCFH the first structure fails below, with the overflow
    // message when its length says it reaches past the data.
    int32_t count = 0;
    ReadParameterCount(*pcf, count);
    if (count > kMaxIndexedParameters) {
        int32_t command = 0;
        bytes.Read32(offsetof(ZEM_MQCFH, Command), command);
        std::printf("\n%.8s PcfMessage::RawToPcf(line# %d) PCF(%d) excessive attributes truncated from %d to %d\n",
                    TimeOfDay().c_str(), kLineTruncated, command, AsInt32(int64_t{count} + 1),
                    ZEM_PCF_INDEX_ENTRIES);
        count = kMaxIndexedParameters;
        bytes.Write32(kHeaderCountOffset, count);
    }

    int64_t offset = 0;
    for (int32_t position = 0; position <= count; ++position) {
        if (!IndexStructure(*pcf, bytes, position, offset)) {
            ClearIndexAfter(*pcf, position);
            return 0;
        }
    }
    ClearIndexAfter(*pcf, count);
    // A negative ParameterCount indexes nothing, not even the MQCFH.
    msg.Used = kHeaderLength + AsInt32(offset);
    return 1;
}

ZEMAPI(int) AppendAttr(PcfMessage *pcf, MESSAGE *attr)
{
    if (!pcf || !attr || !attr->pData || !pcf->PcfMsg.pBlock)
        return 0;
    int32_t count = 0;
    if (!ReadParameterCount(*pcf, count) || count >= ZEM_PCF_INDEX_ENTRIES)
        return 0;
    // The attribute must at least say what it is.
    int64_t length = int64_t{attr->Used} - kHeaderLength;
    int32_t type = 0;
    if (length < kStructHeadLength || !PcfCursor(attr->pData, length).Read32(kTypeOffset, type))
        return 0;

    int64_t offset = int64_t{pcf->PcfMsg.Used} - kHeaderLength;
    IndexAnchor anchor(*pcf);
    int appended = AppendMessage(&pcf->PcfMsg, attr);
    anchor.Restore();
    if (appended != 1)
        return 0;
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
    ZEM_MQCFH &header = *pcf->pCfh;
    header.ParameterCount = ++count;
    if (type == ZEM_MQCFT_BYTE_STRING && header.Version < 2)
        header.Version = 2;
    if ((type == ZEM_MQCFT_INTEGER_FILTER || type == ZEM_MQCFT_STRING_FILTER ||
         type == ZEM_MQCFT_BYTE_STRING_FILTER) && header.Version < 3)
        header.Version = 3;
    if (count <= kMaxIndexedParameters)
        SetView(pcf->AttrIndex[count], pcf->PcfMsg.pData + offset, AsInt32(length));
    return 1;
}

ZEMAPI(int) GetAttrByPos(int32_t pos, MESSAGE *out, PcfMessage *pcf)
{
    if (!out || !ResetMessage(out) || !pcf)
        return 0;
    int32_t count = 0;
    if (!ReadParameterCount(*pcf, count) || pos < 0 || pos > count)
        return 0;
    PcfCursor structure = IndexedStructure(*pcf, pos);
    if (!structure.data())
        return 0;
    auto length = AsInt32(structure.length());
    if (out->Size - out->Used < length && !SizeMessage(out, length))
        return 0;
    std::memcpy(out->pData, structure.data(), static_cast<std::size_t>(length));
    out->Used = kHeaderLength + length;
    return 1;
}

ZEMAPI(int) GetAttrByIDRetPos(int32_t id, MESSAGE *out, PcfMessage *pcf, int32_t *pos)
{
    if (!pcf)
        return 0;
    int32_t count = 0;
    if (!ReadParameterCount(*pcf, count) || count < 1)
        return 0;
    for (int32_t position = 1; position <= count && position <= kMaxIndexedParameters; ++position) {
        int32_t parameter = 0;
        if (IndexedStructure(*pcf, position).Read32(kParameterOffset, parameter) && parameter == id) {
            if (pos)
                *pos = position;
            return GetAttrByPos(position, out, pcf);
        }
    }
    return 0;
}

ZEMAPI(int) GetAttrByID(int32_t id, MESSAGE *out, PcfMessage *pcf) { return GetAttrByIDRetPos(id, out, pcf, nullptr); }

}  // extern "C"
