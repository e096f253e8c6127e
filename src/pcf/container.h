// PcfMessage internals shared by the container, the accessors and the printers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pcf/cursor.h"
#include "zemapi.h"

namespace zem {

constexpr int32_t kPcfMessageKind = 6;
constexpr int32_t kContinuationKind = ZEM_PCF_CONTINUATION_KIND;
// Index entry 0 is the MQCFH, so at most 149 parameters are indexed.
constexpr int32_t kMaxIndexedParameters = ZEM_PCF_INDEX_ENTRIES - 1;

// The container that continues pcf's message (its parameters after pcf's own), or NULL
// when pNext is absent or starts another message.
inline PcfMessage *ContinuationOf(const PcfMessage &pcf)
{
    return pcf.pNext && pcf.pNext->Kind == kContinuationKind ? pcf.pNext : nullptr;
}

// Deletes the continuations behind pcf; what followed them becomes pcf's pNext.
void DeleteContinuations(PcfMessage &pcf);

// The parameters of pcf's message, its continuations included; -1 when a part holds no
// complete MQCFH.
int64_t TotalParameterCount(PcfMessage &pcf);

// Appends every byte of pcf's message to `bytes` as one PCF message: pcf's MQCFH,
// counting the parameters of every continuation, then the parameters of each part.
// False when a part holds no complete MQCFH or the message would pass 2 GiB.
bool AppendWholeMessage(PcfMessage &pcf, std::vector<unsigned char> &bytes);

// The used message bytes of a container (MQCFH and parameters): Used - 136 bytes, never
// more than its data area holds. Empty for a container without a data area.
inline PcfCursor MessageBytes(PcfMessage &pcf)
{
    MESSAGE &msg = pcf.PcfMsg;
    if (!msg.pData)
        return PcfCursor();
    int64_t used = int64_t{msg.Used} - ZEM_MDHDR_LENGTH;
    int64_t capacity = int64_t{msg.Size} - ZEM_MDHDR_LENGTH;
    return PcfCursor(msg.pData, used < capacity ? used : capacity);
}

// The MQCFH's ParameterCount; false when the used bytes hold no complete MQCFH.
inline bool ReadParameterCount(PcfMessage &pcf, int32_t &count)
{
    constexpr int64_t kCountOffset = offsetof(ZEM_MQCFH, ParameterCount);
    PcfCursor bytes = MessageBytes(pcf);
    return bytes.Fits(0, ZEM_MQCFH_LENGTH) && bytes.Read32(kCountOffset, count);
}

// The bytes of index entry `position` (0 to 149): empty unless the entry is a view that
// lies wholly inside the container's used bytes (a stale entry is never followed).
PcfCursor IndexedStructure(PcfMessage &pcf, int32_t position);

// Outcome of walking a structure together with its group members.
enum class SubtreeWalk {
    kComplete,   // end is set
    kUnderflow,  // a group announces more members than the data holds
    kMalformed,  // a structure is shorter than 8 bytes, reaches past the data, or is a
                 // group without a readable, non-negative ParameterCount
};

// Finds where the structure at offset ends together with, when it is a group, all of its
// members: a member that is itself a group brings its own members, to any depth. The walk
// is flat (no recursion), reads only inside `data` and checks nothing but the lengths.
SubtreeWalk FindSubtreeEnd(const PcfCursor &data, int64_t offset, int64_t &end);

// Attribute views: MESSAGE records that own nothing and point at a structure in a
// container's data area, Used (= Size) being the structure's length without the 136.
inline void SetView(MESSAGE &view, unsigned char *structure, int32_t length)
{
    view.Kind = 1;
    view.pBlock = nullptr;
    view.pData = structure;
    view.Size = length;
    view.Used = length;
}
inline void ClearView(MESSAGE &view) { SetView(view, nullptr, 0); }

// Index upkeep around an operation that may move a container's data area: construction
// notes where in the area every index entry points; Restore points the entries at the
// same places of the (possibly new) area and clears those that pointed elsewhere, so no
// entry is left pointing into a released area.
class IndexAnchor {
public:
    explicit IndexAnchor(PcfMessage &pcf);
    void Restore();

private:
    PcfMessage &pcf_;
    int64_t offsets_[ZEM_PCF_INDEX_ENTRIES];
};

}  // namespace zem
