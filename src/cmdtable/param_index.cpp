#include "cmdtable/param_index.h"

#include <cstring>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "cmdtable/thread_table.h"

namespace zem {
namespace {

// Open addressing over a power-of-two number of slots, at most half of them used. Keys map
// to record ordinals of the layout, so one index built over the constant table answers
// for every thread's copy. A key keeps the first ordinal stored under it.
template <typename Key, typename Traits> class FlatIndex {
public:
    void add(Key key, int32_t ordinal)
    {
        if (2 * (used_ + 1) > slots_.size())
            grow();
        if (place(key, Traits::Hash(key), ordinal))
            ++used_;
    }
    int32_t find(Key key) const
    {
        if (slots_.empty())
            return -1;
        uint32_t hash = Traits::Hash(key);
        for (std::size_t at = hash & mask();; at = (at + 1) & mask()) {
            const Slot &slot = slots_[at];
            if (slot.ordinal < 0)
                return -1;
            if (slot.hash == hash && Traits::Equal(slot.key, key))
                return slot.ordinal;
        }
    }

private:
    struct Slot {
        Key key{};
        uint32_t hash = 0;
        int32_t ordinal = -1;
    };
    std::size_t mask() const { return slots_.size() - 1; }
    bool place(Key key, uint32_t hash, int32_t ordinal)
    {
        for (std::size_t at = hash & mask();; at = (at + 1) & mask()) {
            Slot &slot = slots_[at];
            if (slot.ordinal < 0) {
                slot = {key, hash, ordinal};
                return true;
            }
            if (slot.hash == hash && Traits::Equal(slot.key, key))
                return false;
        }
    }
    void grow()
    {
        std::vector<Slot> old(slots_.empty() ? 16 : 2 * slots_.size());
        old.swap(slots_);
        for (const Slot &slot : old)
            if (slot.ordinal >= 0)
                place(slot.key, slot.hash, slot.ordinal);
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

struct IdTraits {
    static uint32_t Hash(int32_t id)
    {
        uint32_t hash = static_cast<uint32_t>(id) * 0x9E3779B1u;
        return hash ^ (hash >> 16);
    }
    static bool Equal(int32_t a, int32_t b) { return a == b; }
};

// A name and its length.
struct NameKey {
    const char *text = nullptr;
    std::size_t length = 0;
};

uint64_t Load64(const char *at)
{
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

uint32_t Load32(const char *at)
{
    uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Keywords are short words: hashed and compared eight bytes at a time, the last piece
// read as the word that ends the name (overlapping the one before), so nothing past the
// name is read.
struct NameTraits {
    static uint64_t Mix(uint64_t hash, uint64_t word) { return (hash ^ word) * 0x9E3779B97F4A7C15ull; }
    static uint32_t Hash(NameKey key)
    {
        const char *text = key.text;
        std::size_t length = key.length;
        uint64_t hash = Mix(0, length);
        if (length >= 8) {
            for (std::size_t at = 0; at + 8 < length; at += 8)
                hash = Mix(hash, Load64(text + at));
            hash = Mix(hash, Load64(text + length - 8));
        } else if (length >= 4) {
            hash = Mix(hash, (uint64_t{Load32(text)} << 32) | Load32(text + length - 4));
        } else {
            uint64_t word = 0;
            for (std::size_t at = 0; at < length; ++at)
                word = (word << 8) | static_cast<unsigned char>(text[at]);
            hash = Mix(hash, word);
        }
        return static_cast<uint32_t>(hash >> 32);
    }
    static bool Equal(NameKey a, NameKey b)
    {
        if (a.length != b.length)
            return false;
        std::size_t length = a.length;
        if (length >= 8) {
            for (std::size_t at = 0; at + 8 < length; at += 8)
                if (Load64(a.text + at) != Load64(b.text + at))
                    return false;
            return Load64(a.text + length - 8) == Load64(b.text + length - 8);
        }
        if (length >= 4)
            return Load32(a.text) == Load32(b.text) && Load32(a.text + length - 4) == Load32(b.text + length - 4);
        return std::memcmp(a.text, b.text, length) == 0;
    }
};

NameKey KeyOf(const char *name) { return {name, std::strlen(name)}; }

// Names map to the record ordinal times two, plus one when the name is the record's own
// and not one of its value names.
int32_t NameEntry(int32_t ordinal, bool ownName) { return 2 * ordinal + (ownName ? 1 : 0); }

// A value name of the value list of one record (by its ordinal).
struct ValueKey {
    int32_t record = -1;
    NameKey name;
};

struct ValueTraits {
    static uint32_t Hash(ValueKey key) { return NameTraits::Hash(key.name) ^ IdTraits::Hash(key.record); }
    static bool Equal(ValueKey a, ValueKey b) { return a.record == b.record && NameTraits::Equal(a.name, b.name); }
};

}  // namespace

struct ListIndex {
    FlatIndex<int32_t, IdTraits> byId;
    FlatIndex<NameKey, NameTraits> byName;
};

namespace {

// Entries are taken in list order and a key keeps the first record stored under it, so
// the index answers exactly as a search from the front: an entry's own name before the
// names of its values, and both before anything in later entries.
ListIndex IndexList(const TableLayout &layout, std::size_t start)
{
    ListIndex index;
    for (std::size_t at = start + 1; layout.paramKeyword[at] >= 0; ++at) {
        int32_t ordinal = layout.paramKeyword[at];
        const MqscKeyword *keyword = layout.records[ordinal];
        index.byId.add(keyword->id, ordinal);
        if (keyword->name != nullptr)
            index.byName.add(KeyOf(keyword->name), NameEntry(ordinal, true));
        if (keyword->values == nullptr)
            continue;
        for (MqscKeyword **value = keyword->values; *value != nullptr; ++value)
            if ((*value)->name != nullptr)
                index.byName.add(KeyOf((*value)->name), NameEntry(ordinal, false));
    }
    return index;
}

// One index per list of the layout; a list that starts with its end has none.
const std::vector<ListIndex> &Index()
{
    static const std::vector<ListIndex> index = [] {
        const TableLayout &layout = CommandTableLayout();
        std::vector<ListIndex> built(layout.lists.size());
        for (std::size_t at = 0; at < layout.params.size(); ++at)
            if (layout.listAt[at] >= 0 && layout.paramKeyword[at] >= 0)
                built[layout.listAt[at]] = IndexList(layout, at);
        return built;
    }();
    return index;
}

// The value list of every record by name: the first value with a name wins, as in a
// search from the front of the list.
const FlatIndex<ValueKey, ValueTraits> &ValueIndex()
{
    static const FlatIndex<ValueKey, ValueTraits> index = [] {
        const TableLayout &layout = CommandTableLayout();
        FlatIndex<ValueKey, ValueTraits> built;
        for (std::size_t record = 0; record < layout.records.size(); ++record) {
            if (layout.recordValues[record] < 0)
                continue;
            for (std::size_t at = static_cast<std::size_t>(layout.recordValues[record]); layout.valueSlots[at] >= 0;
                 ++at)
                if (const char *name = layout.records[layout.valueSlots[at]]->name)
                    built.add(ValueKey{static_cast<int32_t>(record), KeyOf(name)}, layout.valueSlots[at]);
        }
        return built;
    }();
    return index;
}

MqscKeyword *RecordOrNull(MqscKeyword *records, int32_t ordinal) { return ordinal < 0 ? nullptr : records + ordinal; }

// The record ordinal of a name entry (NameEntry), -1 for none.
int32_t NameOrdinal(int32_t entry) { return entry < 0 ? -1 : static_cast<int32_t>(static_cast<uint32_t>(entry) >> 1); }

}  // namespace

namespace {

// The index of list and the calling thread's records; NULL when list is not a parameter
// list of the calling thread's command table.
const ListIndex *IndexOf(const MqscParam *list, MqscKeyword *&records)
{
    // A reply's keywords are all looked up in one list: the thread keeps the last list's
    // index and records at hand. A thread's copy of the table lives as long as the thread.
    thread_local const MqscParam *lastList = nullptr;
    thread_local const ListIndex *lastIndex = nullptr;
    thread_local MqscKeyword *lastRecords = nullptr;
    if (list != lastList || list == nullptr) {
        int32_t ordinal = -1;
        MqscKeyword *threadRecords = ThreadListRecords(list, ordinal);
        if (ordinal < 0 || list[0].keyword == nullptr)
            return nullptr;
        lastList = list;
        lastIndex = &Index()[ordinal];
        lastRecords = threadRecords;
    }
    records = lastRecords;
    return lastIndex;
}

}  // namespace

MqscKeyword *FindIndexedParam(const MqscParam *list, int32_t mode, const void *key, bool &indexed)
{
    MqscKeyword *records = nullptr;
    const ListIndex *index = IndexOf(list, records);
    indexed = index != nullptr;
    if (!indexed || key == nullptr)
        return nullptr;
    if (mode == kFindById) {
        int32_t id;
        std::memcpy(&id, key, sizeof id);
        return RecordOrNull(records, index->byId.find(id));
    }
    if (mode == kFindByName)
        return RecordOrNull(records, NameOrdinal(index->byName.find(KeyOf(static_cast<const char *>(key)))));
    return nullptr;
}

MqscKeyword *FindIndexedParamByName(const MqscParam *list, const char *name, std::size_t length, bool &indexed)
{
    MqscKeyword *records = nullptr;
    const ListIndex *index = IndexOf(list, records);
    indexed = index != nullptr;
    return indexed ? RecordOrNull(records, NameOrdinal(index->byName.find(NameKey{name, length}))) : nullptr;
}

ParamNames::ParamNames(const MqscParam *list) { index_ = IndexOf(list, records_); }

MqscKeyword *ParamNames::find(const char *name, std::size_t length, bool &ownName) const
{
    const int32_t entry = index_->byName.find(NameKey{name, length});
    ownName = entry >= 0 && (entry & 1) != 0;
    MqscKeyword *found = RecordOrNull(records_, NameOrdinal(entry));
    NoteTouched(found);  // as FindCmdParamByName: the caller may mark it
    return found;
}

MqscKeyword *FindIndexedValueByName(const MqscKeyword *record, const char *name, std::size_t length, bool &indexed)
{
    int32_t ordinal = ThreadRecordOrdinal(record);
    indexed = ordinal >= 0;
    if (!indexed)
        return nullptr;
    return RecordOrNull(ThreadRecords(), ValueIndex().find(ValueKey{ordinal, NameKey{name, length}}));
}

}  // namespace zem
