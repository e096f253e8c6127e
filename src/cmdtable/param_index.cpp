#include "cmdtable/param_index.h"

#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "cmdtable/thread_table.h"

namespace zem {
namespace {

// Keys map to record ordinals of the layout, so one index built over the constant table
// answers for every thread's copy.
struct ListIndex {
    std::unordered_map<int32_t, int32_t> byId;
    std::unordered_map<std::string_view, int32_t> byName;
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
        index.byId.emplace(keyword->id, ordinal);
        if (keyword->name != nullptr)
            index.byName.emplace(keyword->name, ordinal);
        if (keyword->values == nullptr)
            continue;
        for (MqscKeyword **value = keyword->values; *value != nullptr; ++value)
            if ((*value)->name != nullptr)
                index.byName.emplace((*value)->name, ordinal);
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

template <typename Map, typename Key>
MqscKeyword *Lookup(const Map &map, const Key &key)
{
    auto found = map.find(key);
    return found == map.end() ? nullptr : ThreadRecord(found->second);
}

}  // namespace

MqscKeyword *FindIndexedParam(const MqscParam *list, int32_t mode, const void *key, bool &indexed)
{
    int32_t ordinal = ThreadListOrdinal(list);
    indexed = ordinal >= 0 && list[0].keyword != nullptr;
    if (!indexed || key == nullptr)
        return nullptr;
    const ListIndex &index = Index()[ordinal];
    if (mode == kFindById) {
        int32_t id;
        std::memcpy(&id, key, sizeof id);
        return Lookup(index.byId, id);
    }
    if (mode == kFindByName)
        return Lookup(index.byName, std::string_view(static_cast<const char *>(key)));
    return nullptr;
}

}  // namespace zem
