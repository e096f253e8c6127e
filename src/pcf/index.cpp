// The attribute index of a PcfMessage: indexing raw bytes, appending parameters and
// reading them back by position or by parameter id.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "foundation/mq_constants.h"
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
        if (head.strucLength < ZEM_MQCFGR_LENGTH || !data.Read32(position + kGroupCountOffset, members) || members < 0)
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

bool IsClearView(const MESSAGE &view)
{
    return view.Kind == 1 && !view.pBlock && !view.pData && view.Size == 0 && view.Used == 0;
}

// Clears the entries after `last`: they would otherwise keep pointing at structures of
// an earlier message, perhaps in a data area released since. The library sets entries
// in order from 0 and clears every one after the last it indexes, so the first clear
// entry ends the views of an earlier message: the entries are 400 bytes apart, and
// reading all 150 would cost more than building a short message.
void ClearIndexAfter(PcfMessage &pcf, int32_t last)
{
    for (int64_t i = std::max<int64_t>(int64_t{last} + 1, 0); i < ZEM_PCF_INDEX_ENTRIES; ++i) {
        if (IsClearView(pcf.AttrIndex[i]))
            break;
        ClearView(pcf.AttrIndex[i]);
    }
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
        std::printf(
            "%.8s MQPCFMSG::RawToPcf(line# %d) Input buffer overflow, offset to end of PCF attribute %d "
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
    if (!IsStructureValid(bytes.Window(offset, head.strucLength), head, head.strucLength))
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
    case SubtreeWalk::kMalformed: break;
    }
    return false;
}

// Indexes entries 0 to `count` (at most 149) of the used bytes; offset ends after the
// last one. On failure the entries after the failing one are cleared.
bool IndexOwnStructures(PcfMessage &pcf, const PcfCursor &bytes, int32_t count, int64_t &offset)
{
    offset = 0;
    for (int32_t position = 0; position <= count; ++position) {
        if (!IndexStructure(pcf, bytes, position, offset)) {
            ClearIndexAfter(pcf, position);
            return false;
        }
    }
    ClearIndexAfter(pcf, count);
    return true;
}

// Where the next `count` parameters from offset end; the end of the bytes when they do
// not walk cleanly (indexing that part then reports why).
int64_t PartEnd(const PcfCursor &bytes, int64_t offset, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        int64_t end = 0;
        if (offset >= bytes.length() || FindSubtreeEnd(bytes, offset, end) != SubtreeWalk::kComplete)
            return bytes.length();
        offset = end;
    }
    return offset;
}

// A continuation of first's message holding `parameters` (the structures of `count`
// parameters) under a copy of first's MQCFH; not yet indexed or chained.
PcfMessage *NewPart(PcfMessage &first, const PcfCursor &parameters, int32_t count, int64_t room)
{
    if (!MessageBytes(first).Fits(0, ZEM_MQCFH_LENGTH))
        return nullptr;
    PcfMessage *part = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, AsInt32(room));
    if (!part)
        return nullptr;
    part->Kind = kContinuationKind;
    part->PcfExt = first.PcfExt;
    part->PcfMsg.MsgDesc = first.PcfMsg.MsgDesc;
    PcfCursor header(part->PcfMsg.pData, ZEM_MQCFH_LENGTH);
    std::memcpy(header.data(), first.PcfMsg.pData, ZEM_MQCFH_LENGTH);
    header.Write32(kHeaderCountOffset, count);
    if (parameters.length() > 0)
        std::memcpy(part->PcfMsg.pData + ZEM_MQCFH_LENGTH, parameters.data(),
                    static_cast<std::size_t>(parameters.length()));
    part->PcfMsg.Used += AsInt32(parameters.length());
    return part;
}

// Moves the `left` parameters that follow offset into continuations of at most 149
// parameters each, chained behind pcf in place of its old continuations. Nothing
// changes unless every part is made and indexes.
bool ContinueInParts(PcfMessage &pcf, const PcfCursor &bytes, int64_t offset, int64_t left)
{
    PcfMessage *head = nullptr;
    PcfMessage **link = &head;
    while (left > 0) {
        auto count = static_cast<int32_t>(std::min<int64_t>(left, kMaxIndexedParameters));
        int64_t end = PartEnd(bytes, offset, count);
        PcfCursor parameters = bytes.Window(offset, end - offset);
        PcfMessage *part = NewPart(pcf, parameters, count, parameters.length());
        if (!part) {
            // Nothing is cut: the message stays whole and the indexing fails.
            int32_t command = 0, total = 0;
            bytes.Read32(offsetof(ZEM_MQCFH, Command), command);
            bytes.Read32(kHeaderCountOffset, total);
            std::printf("\n%.8s PcfMessage::RawToPcf(line# %d) PCF(%d) excessive attributes truncated from %d to %d\n",
                        TimeOfDay().c_str(), kLineTruncated, command, AsInt32(int64_t{total} + 1),
                        ZEM_PCF_INDEX_ENTRIES);
        }
        *link = part;
        if (!part || !RawToPcf(part)) {
            DeletePcfMessage(head);
            return false;
        }
        link = &part->pNext;
        offset = end;
        left -= count;
    }
    DeleteContinuations(pcf);
    *link = pcf.pNext;
    pcf.pNext = head;
    return true;
}

// True when every continuation behind pcf carries pcf's MQCFH identity (Type, Command,
// MsgSeqNumber): they continue the message that pcf holds now.
bool ContinuationsMatch(PcfMessage &pcf)
{
    constexpr int64_t kIdentity[] = {offsetof(ZEM_MQCFH, Type), offsetof(ZEM_MQCFH, Command),
                                     offsetof(ZEM_MQCFH, MsgSeqNumber)};
    PcfCursor first = MessageBytes(pcf);
    for (PcfMessage *part = ContinuationOf(pcf); part; part = ContinuationOf(*part)) {
        PcfCursor header = MessageBytes(*part);
        for (int64_t offset : kIdentity) {
            int32_t mine = 0, theirs = 0;
            if (!first.Read32(offset, mine) || !header.Read32(offset, theirs) || mine != theirs)
                return false;
        }
    }
    return true;
}

// The last part of pcf's message: pcf itself or its last continuation.
PcfMessage &LastPart(PcfMessage &pcf)
{
    PcfMessage *part = &pcf;
    while (PcfMessage *next = ContinuationOf(*part))
        part = next;
    return *part;
}

// Points index entries 0 to `last` that pointed into the old area of `capacity` bytes
// at the same places of the resized one, and clears those that pointed elsewhere.
// Compared as integers: the old area may be released.
void FollowMovedArea(PcfMessage &part, int32_t last, const unsigned char *released, int64_t capacity)
{
    auto from = reinterpret_cast<uintptr_t>(released);
    for (int32_t i = 0; i <= std::min(last, kMaxIndexedParameters); ++i) {
        MESSAGE &view = part.AttrIndex[i];
        auto entry = reinterpret_cast<uintptr_t>(view.pData);
        if (entry && entry >= from && static_cast<int64_t>(entry - from) < capacity)
            view.pData = part.PcfMsg.pData + (entry - from);
        else
            ClearView(view);
    }
}

// Appends bytes to the part's data area, which grows by doubling so that a long run of
// appends copies each byte a bounded number of times. Only the entries up to `count`
// can be read (the others are cleared by the next indexing), so only they follow.
bool AppendBytes(PcfMessage &part, int32_t count, const unsigned char *data, int64_t length)
{
    // The container around it is 60 KB: a first step of 4 KB spares the copies of the
    // smaller steps for most messages.
    constexpr int64_t kLeastGrowth = 4096;
    MESSAGE &msg = part.PcfMsg;
    int64_t used = int64_t{msg.Used} - kHeaderLength;
    int64_t capacity = int64_t{msg.Size} - kHeaderLength;
    if (capacity - used < length) {
        constexpr int64_t kLargest = INT32_MAX - kHeaderLength;
        if (used + length > kLargest)
            return false;
        int64_t grown = std::min(std::max({used + length, 2 * capacity, kLeastGrowth}), kLargest);
        unsigned char *area = msg.pData;
        if (SizeMessageKeep(&msg, AsInt32(grown)) != 1)
            return false;
        FollowMovedArea(part, count, area, capacity);
        part.pCfh = reinterpret_cast<ZEM_MQCFH *>(msg.pData);
    }
    std::memcpy(msg.pData + used, data, static_cast<std::size_t>(length));
    msg.Used += AsInt32(length);
    return true;
}

// The MQCFH Version that a structure of this type asks for: 2 for a byte string, 3 for
// a filter.
int32_t VersionFor(int32_t type)
{
    switch (type) {
    case ZEM_MQCFT_BYTE_STRING: return mq::MQCFH_VERSION_2;
    case ZEM_MQCFT_INTEGER_FILTER:
    case ZEM_MQCFT_STRING_FILTER:
    case ZEM_MQCFT_BYTE_STRING_FILTER: return mq::MQCFH_VERSION_3;
    default: return mq::MQCFH_VERSION_1;
    }
}

// The Version that the structures in `bytes` (a parameter and, for a group, all of its
// members, back to back) ask for; `type` is the first one's.
int32_t RequiredVersion(const PcfCursor &bytes, int32_t type)
{
    int32_t strucLength = 0;
    if (type != ZEM_MQCFT_GROUP && bytes.Read32(kStrucLengthOffset, strucLength) && strucLength == bytes.length())
        return VersionFor(type);
    int32_t version = mq::MQCFH_VERSION_1;
    StructHead head;
    for (int64_t offset = 0; ReadStructHead(bytes, offset, head) && head.strucLength >= kStructHeadLength;
         offset += head.strucLength)
        version = std::max(version, VersionFor(head.type));
    return version;
}

// Raises the Version of every MQCFH of the message to at least `version`.
void RaiseVersion(PcfMessage &pcf, int32_t version)
{
    for (PcfMessage *part = &pcf; part; part = ContinuationOf(*part)) {
        PcfCursor bytes = MessageBytes(*part);
        int32_t current = 0;
        if (bytes.Fits(0, ZEM_MQCFH_LENGTH) && bytes.Read32(offsetof(ZEM_MQCFH, Version), current) && current < version)
            bytes.Write32(offsetof(ZEM_MQCFH, Version), version);
    }
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
    int32_t indexed = std::min(count, kMaxIndexedParameters);
    int64_t offset = 0;
    if (!IndexOwnStructures(*pcf, bytes, indexed, offset))
        return 0;
    if (count > indexed) {
        // The index holds 149 parameters: the rest move to continuations, so that this
        // MQCFH counts only what follows it here.
        if (!ContinueInParts(*pcf, bytes, offset, int64_t{count} - indexed))
            return 0;
        bytes.Write32(kHeaderCountOffset, indexed);
    } else if (count < kMaxIndexedParameters || !ContinuationsMatch(*pcf)) {
        // New bytes written over a message that had continuations: they are not its.
        DeleteContinuations(*pcf);
    }
    // A negative ParameterCount indexes nothing, not even the MQCFH.
    msg.Used = kHeaderLength + AsInt32(offset);
    return 1;
}

ZEMAPI(int) AppendAttr(PcfMessage *pcf, MESSAGE *attr)
{
    if (!pcf || !attr || !attr->pData || !pcf->PcfMsg.pBlock)
        return 0;
    // The attribute must at least say what it is.
    int64_t length = int64_t{attr->Used} - kHeaderLength;
    int32_t type = 0;
    if (length < kStructHeadLength || !PcfCursor(attr->pData, length).Read32(kTypeOffset, type))
        return 0;
    PcfMessage *part = &LastPart(*pcf);
    int32_t count = 0;
    if (!ReadParameterCount(*part, count) || count < 0)
        return 0;
    if (count >= kMaxIndexedParameters) {
        // A full index: the parameter starts a continuation.
        PcfMessage *next = NewPart(*pcf, PcfCursor(), 0, length);
        if (!next || !RawToPcf(next)) {
            DeletePcfMessage(next);
            return 0;
        }
        next->pNext = part->pNext;
        part->pNext = next;
        part = next;
        count = 0;
    }
    int64_t offset = int64_t{part->PcfMsg.Used} - kHeaderLength;
    if (!AppendBytes(*part, count, attr->pData, length))
        return 0;
    PcfCursor(part->PcfMsg.pData, ZEM_MQCFH_LENGTH).Write32(kHeaderCountOffset, ++count);
    int32_t version = RequiredVersion(PcfCursor(attr->pData, length), type);
    if (version > mq::MQCFH_VERSION_1)
        RaiseVersion(*pcf, version);
    SetView(part->AttrIndex[count], part->PcfMsg.pData + offset, AsInt32(length));
    return 1;
}

ZEMAPI(int) GetAttrByPos(int32_t pos, MESSAGE *out, PcfMessage *pcf)
{
    if (!out || !ResetMessage(out) || !pcf || pos < 0)
        return 0;
    // Positions past this part's parameters continue in its continuations.
    PcfMessage *part = pcf;
    int32_t count = 0;
    for (;;) {
        if (!ReadParameterCount(*part, count))
            return 0;
        if (pos <= count)
            break;
        PcfMessage *next = ContinuationOf(*part);
        if (!next || count < 0)
            return 0;
        pos -= count;
        part = next;
    }
    PcfCursor structure = IndexedStructure(*part, pos);
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
    int64_t before = 0;  // parameters in the parts already searched
    for (PcfMessage *part = pcf; part && ReadParameterCount(*part, count); part = ContinuationOf(*part)) {
        for (int32_t position = 1; position <= count && position <= kMaxIndexedParameters; ++position) {
            int32_t parameter = 0;
            if (IndexedStructure(*part, position).Read32(kParameterOffset, parameter) && parameter == id) {
                if (pos)
                    *pos = AsInt32(before + position);
                return GetAttrByPos(position, out, part);
            }
        }
        before += std::max(count, 0);
    }
    return 0;
}

ZEMAPI(int) GetAttrByID(int32_t id, MESSAGE *out, PcfMessage *pcf) { return GetAttrByIDRetPos(id, out, pcf, nullptr); }

}  // extern "C"
