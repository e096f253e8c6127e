#include "cmdtable/param_index.h"

#include <cstring>
#include <string_view>
#include <unordered_map>

#include "cmdtable/cmdtable.h"

namespace zem {
namespace {

struct ListIndex {
    std::unordered_map<int32_t, MqscKeyword *> byId;
    std::unordered_map<std::string_view, MqscKeyword *> byName;
};

using TableIndex = std::unordered_map<const MqscParam *, ListIndex>;

// Entries are taken in list order and a key keeps the first record stored under it, so
// the index answers exactly as a search from the front: an entry's own name before the
// names of its values, and both before anything in later entries.
ListIndex IndexList(const MqscParam *list)
{
    ListIndex index;
    for (const MqscParam *entry = list + 1; entry->keyword != nullptr; ++entry) {
        MqscKeyword *keyword = entry->keyword;
        index.byId.emplace(keyword->id, keyword);
        if (keyword->name != nullptr)
            index.byName.emplace(keyword->name, keyword);
        if (keyword->values == nullptr)
            continue;
        for (MqscKeyword **value = keyword->values; *value != nullptr; ++value)
            if ((*value)->name != nullptr)
                index.byName.emplace((*value)->name, keyword);
    }
    return index;
}

const TableIndex &Index()
{
    static const TableIndex index = [] {
        TableIndex built;
        for (MqscKeyword **command = GetCmdTbl(); *command != nullptr; ++command) {
            const MqscParam *list = (*command)->params;
            if (list != nullptr && list[0].keyword != nullptr && built.find(list) == built.end())
                built.emplace(list, IndexList(list));
        }
        return built;
    }();
    return index;
}

template <typename Map, typename Key>
MqscKeyword *Lookup(const Map &map, const Key &key)
{
    auto found = map.find(key);
    return found == map.end() ? nullptr : found->second;
}

}  // namespace

MqscKeyword *FindIndexedParam(const MqscParam *list, int32_t mode, const void *key, bool &indexed)
{
    const TableIndex &index = Index();
    auto found = index.find(list);
    indexed = found != index.end();
    if (!indexed || key == nullptr)
        return nullptr;
    if (mode == kFindById) {
        int32_t id;
        std::memcpy(&id, key, sizeof id);
        return Lookup(found->second.byId, id);
    }
    if (mode == kFindByName)
        return Lookup(found->second.byName, std::string_view(static_cast<const char *>(key)));
    return nullptr;
}

}  // namespace zem
