// Shared pieces of the attribute accessors: the one structure an envelope holds, read
// and written through bounded field access, and the shapes of the list structures.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "pcf/cursor.h"
#include "pcf/envelope.h"
#include "pcf/structures.h"
#include "zemapi.h"

namespace zem {

// Bytes of data an envelope holds: an owning envelope counts its 136-byte header in
// Used, an attribute view of a container does not.
inline int64_t DataLength(const MESSAGE &msg) { return msg.pBlock ? int64_t{msg.Used} - kHeaderLength : msg.Used; }

// The data an envelope holds, never more than its block: what a walk over its
// structures may read.
inline PcfCursor EnvelopeBytes(const MESSAGE &msg)
{
    int64_t length = DataLength(msg);
    if (msg.pBlock)
        length = std::min<int64_t>(length, int64_t{msg.Size} - kHeaderLength);
    return PcfCursor(msg.pData, length);
}

// StrucLength of a structure whose value part is `valueLength` bytes: 4-byte aligned.
inline int64_t PaddedLength(int64_t fixedLength, int64_t valueLength)
{
    return (fixedLength + valueLength + 3) & ~int64_t{3};
}

// The single structure at the start of an envelope's data, as a window of its own
// StrucLength bytes. Field access never leaves the window (a refused read gives 0, a
// refused write does nothing); accessors check a variable part once with holds() and
// then address it with at(). Fields are copied: 64-bit values sit on 4-byte boundaries.
class Structure {
public:
    explicit Structure(PcfCursor bytes) : bytes_(bytes) {}

    int64_t length() const { return bytes_.length(); }
    bool holds(int64_t offset, int64_t size) const { return bytes_.Fits(offset, size); }
    unsigned char *at(int64_t offset) const { return bytes_.data() + offset; }

    template <class T> T get(int64_t offset) const
    {
        T value{};
        if (holds(offset, sizeof value))
            std::memcpy(&value, at(offset), sizeof value);
        return value;
    }
    template <class T> void put(int64_t offset, T value) const
    {
        if (holds(offset, sizeof value))
            std::memcpy(at(offset), &value, sizeof value);
    }
    // The structure read through its C layout; bytes it lacks read as 0.
    template <class Layout> Layout as() const
    {
        Layout layout{};
        std::memcpy(&layout, at(0), static_cast<std::size_t>(std::min<int64_t>(length(), sizeof layout)));
        return layout;
    }
    int32_t word(int64_t offset) const { return get<int32_t>(offset); }
    void setWord(int64_t offset, int32_t value) const { put(offset, value); }

private:
    PcfCursor bytes_;
};

// The structure in attr when it passes IsPcfAttrValid and its Type is `type`.
std::optional<Structure> CheckedStructure(MESSAGE *attr, int32_t type);
// The same for any valid structure, whatever its Type.
std::optional<Structure> ValidStructure(MESSAGE *attr);

// Makes attr a fresh owning envelope that holds a zero-filled structure of strucLength
// bytes with Type, StrucLength and Parameter set. attr's old contents are not released.
std::optional<Structure> NewStructure(MESSAGE *attr, int32_t type, int64_t strucLength, int32_t parameter);

// Grows or shrinks the list in attr (an owning envelope) to count entries: the data
// capacity becomes exactly the new StrucLength and Used its Size. Entries and padding
// beyond the kept ones are zero. False, with nothing changed, when the new length does
// not fit 32 bits, the envelope cannot hold the list header or the resize fails.
bool ResizeList(MESSAGE *attr, const Shape &list, int32_t count);

// The entries of a string or byte-string list, checked to lie inside the structure.
class EntryList {
public:
    EntryList(unsigned char *entries, int32_t count, int32_t entryLength)
        : entries_(entries), count_(count), entryLength_(entryLength)
    {
    }
    int32_t count() const { return count_; }
    int32_t entryLength() const { return entryLength_; }
    unsigned char *entry(int32_t index) const { return entries_ + static_cast<int64_t>(index) * entryLength_; }

private:
    unsigned char *entries_;
    int32_t count_;
    int32_t entryLength_;
};

// The entries of a checked string list (Type 6).
std::optional<EntryList> StringEntriesOf(MESSAGE *attr);

}  // namespace zem
