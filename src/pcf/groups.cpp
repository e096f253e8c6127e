// Groups: an MQCFGR header followed by its member structures in one envelope. A member
// may be a group itself; it is then stepped over, and handed out, with all its members.
#include <cstring>

#include "pcf/accessors.h"
#include "pcf/container.h"

namespace zem {
namespace {

constexpr int32_t kMaxGroupCount = INT32_MAX;

int CreateGroup(MESSAGE *group, int32_t parameter)
{
    return NewStructure(group, ZEM_MQCFT_GROUP, ZEM_MQCFGR_LENGTH, parameter) ? 1 : 0;
}

int GroupCounter(MESSAGE *group, int32_t *count)
{
    auto structure = CheckedStructure(group, ZEM_MQCFT_GROUP);
    if (!structure || !count)
        return 0;
    *count = structure->word(kGroupCountOffset);
    return 1;
}

// Appends a view's bytes through an owning copy: AppendMessage counts the 136-byte
// header in Used, and the view may point into the very block that is about to grow.
bool AppendViewBytes(MESSAGE *group, MESSAGE *view)
{
    MESSAGE copy{};
    if (view->Used < 0 || !CreateMessage(&copy, view->Used))
        return false;
    std::memcpy(copy.pData, view->pData, static_cast<std::size_t>(view->Used));
    copy.Used += view->Used;
    const bool appended = AppendMessage(group, &copy) == 1;
    DeleteMessage(&copy);
    return appended;
}

int AppendToGroup(MESSAGE *group, MESSAGE *attr)
{
    auto structure = CheckedStructure(group, ZEM_MQCFT_GROUP);
    if (!structure || !group->pBlock || !attr || !attr->pData)
        return 0;
    const int32_t count = structure->word(kGroupCountOffset);
    if (count == kMaxGroupCount)
        return 0;
    const bool appended = attr->pBlock ? AppendMessage(group, attr) == 1 : AppendViewBytes(group, attr);
    if (!appended)
        return 0;
    // The block may have moved.
    Structure(PcfCursor(group->pData, ZEM_MQCFGR_LENGTH)).setWord(kGroupCountOffset, count + 1);
    return 1;
}

// The members of a group envelope: where the first one starts and how many there are.
struct Members {
    PcfCursor bytes;
    int64_t first = 0;
    int32_t count = 0;
};

// Groups are taken as passed, without the validity check, so only what the walk needs is
// read: the header words, inside the envelope's used data.
bool ReadMembers(MESSAGE *group, Members &members)
{
    if (!group || !group->pData)
        return false;
    members.bytes = EnvelopeBytes(*group);
    StructHead head;
    int32_t count = 0;
    if (!ReadStructHead(members.bytes, 0, head) || head.strucLength < ZEM_MQCFGR_LENGTH ||
        !members.bytes.Read32(kGroupCountOffset, count))
        return false;
    members.first = head.strucLength;
    members.count = count;
    return true;
}

// Where the member after the one at offset starts; false when the bytes are malformed.
bool NextMember(const Members &members, int64_t offset, int64_t &next)
{
    return FindSubtreeEnd(members.bytes, offset, next) == SubtreeWalk::kComplete;
}

int CopyMember(MESSAGE *out, const Members &members, int64_t offset, int64_t end)
{
    const int64_t length = end - offset;
    if (length > INT32_MAX - kHeaderLength)
        return 0;
    if (out->Size - out->Used < length && !SizeMessage(out, static_cast<int32_t>(length)))
        return 0;
    std::memcpy(out->pData, members.bytes.Bytes(offset, length), static_cast<std::size_t>(length));
    out->Used = kHeaderLength + static_cast<int32_t>(length);
    return 1;
}

int MemberByPosition(int32_t pos, MESSAGE *out, MESSAGE *group)
{
    Members members;
    if (!out || out == group || !ReadMembers(group, members) || members.count < 1 || pos >= members.count)
        return 0;
    if (!ResetMessage(out))
        return 0;
    int64_t offset = members.first;
    int64_t end = 0;
    for (int32_t i = 0; i < pos; ++i, offset = end)
        if (!NextMember(members, offset, end))
            return 0;
    return NextMember(members, offset, end) ? CopyMember(out, members, offset, end) : 0;
}

int MemberById(int32_t id, MESSAGE *out, MESSAGE *group)
{
    if (!out || out == group || !ResetMessage(out))
        return 0;
    Members members;
    if (!ReadMembers(group, members))
        return 0;
    int64_t offset = members.first;
    int64_t end = 0;
    for (int32_t i = 0; i < members.count; ++i, offset = end) {
        if (!NextMember(members, offset, end))
            return 0;
        // Parameter is read only from a member long enough to hold it.
        StructHead head;
        int32_t parameter = 0;
        if (ReadStructHead(members.bytes, offset, head) && head.strucLength >= kParameterOffset + 4 &&
            members.bytes.Read32(offset + kParameterOffset, parameter) && parameter == id)
            return CopyMember(out, members, offset, end);
    }
    return 0;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) IsPcfGroupAttr(MESSAGE *attr) { return CheckedStructure(attr, ZEM_MQCFT_GROUP).has_value(); }
ZEMAPI(int) CreatePcfGroupAttr(MESSAGE *group, int32_t parameter) { return CreateGroup(group, parameter); }
ZEMAPI(int) GetPcfGroupAttrCounter(MESSAGE *group, int32_t *count) { return GroupCounter(group, count); }
ZEMAPI(int) AppendAttrToGroup(MESSAGE *group, MESSAGE *attr) { return AppendToGroup(group, attr); }
ZEMAPI(int) GetGroupAttrByPos(int32_t pos, MESSAGE *out, MESSAGE *group) { return MemberByPosition(pos, out, group); }
ZEMAPI(int) GetGroupAttrByID(int32_t id, MESSAGE *out, MESSAGE *group) { return MemberById(id, out, group); }

}  // extern "C"
