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
template <typename Key, typename Traits>
class FlatIndex {
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

// Keywords are short upper-case words: FNV-1a over their bytes is cheap and spreads them.
struct NameTraits {
    static uint32_t Hash(const char *name)
    {
        uint32_t hash = 2166136261u;
        for (; *name != '\0'; ++name)
            hash = (hash ^ static_cast<unsigned char>(*name)) * 16777619u;
        return hash;
    }
    static bool Equal(const char *a, const char *b)
    {
        for (; *a == *b; ++a, ++b)
            if (*a == '\0')
                return true;
        return false;
    }
};

struct ListIndex {
    FlatIndex<int32_t, IdTraits> byId;
    FlatIndex<const char *, NameTraits> byName;
};

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
            index.byName.add(keyword->name, ordinal);
        if (keyword->values == nullptr)
            continue;
        for (MqscKeyword **value = keyword->values; *value != nullptr; ++value)
            if ((*value)->name != nullptr)
                index.byName.add((*value)->name, ordinal);
    }
    return index;
}

// One index per list of the layout; a list that starts with its end has none.
const std::vector<ListIndex> &Index()
{
    static const std::vector<ListIndex> index = [] {
        const TableLayout &layout = Layout();
        std::vector<ListIndex> built(layout.lists.size());
        for (std::size_t at = 0; at < layout.params.size(); ++at)
            if (layout.listAt[at] >= 0 && layout.paramKeyword[at] >= 0)
                built[layout.listAt[at]] = IndexList(layout, at);
        return built;
    }();
    return index;
}

MqscKeyword *RecordOrNull(MqscKeyword *records, int32_t ordinal) { return ordinal < 0 ? nullptr : records + ordinal; }

}  // namespace

MqscKeyword *FindIndexedParam(const MqscParam *list, int32_t mode, const void *key, bool &indexed)
{
    // A reply's keywords are all looked up in one list: the thread keeps the last list's
    // index and records at hand. A thread's copy of the table lives as long as the thread.
    thread_local const MqscParam *lastList = nullptr;
    thread_local const ListIndex *lastIndex = nullptr;
    thread_local MqscKeyword *lastRecords = nullptr;
    if (list != lastList || list == nullptr) {
        int32_t ordinal = -1;
        MqscKeyword *records = ThreadListRecords(list, ordinal);
        if (ordinal < 0 || list[0].keyword == nullptr) {
            indexed = false;
            return nullptr;
        }
        lastList = list;
        lastIndex = &Index()[ordinal];
        lastRecords = records;
    }
    indexed = true;
    if (key == nullptr)
        return nullptr;
    const ListIndex &index = *lastIndex;
    MqscKeyword *records = lastRecords;
    if (mode == kFindById) {
        int32_t id;
        std::memcpy(&id, key, sizeof id);
        return RecordOrNull(records, index.byId.find(id));
    }
    if (mode == kFindByName)
        return RecordOrNull(records, index.byName.find(static_cast<const char *>(key)));
    return nullptr;
}

}  // namespace zem
