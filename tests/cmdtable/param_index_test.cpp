// The parameter lookups of the command table answer through an index of each list: the
// answers must be those of a search from the front of the list, for every name, value
// name and id the table holds, and lists that are not the table's own are searched.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "cmdtable/param_index.h"
#include "zemapi.h"

namespace {

using zem::FindCmdParam;
using zem::kFindById;
using zem::kFindByName;

// The search the index stands in for, written out: entries after the first, in order,
// the entry's own name or id first, then the names of its values.
MqscKeyword *SearchFromFront(MqscParam *list, int32_t mode, int32_t id, const char *name)
{
    for (MqscParam *entry = list + 1; entry->keyword; ++entry) {
        MqscKeyword *keyword = entry->keyword;
        if (mode == kFindById && keyword->id == id)
            return keyword;
        if (mode == kFindByName) {
            if (keyword->name && std::strcmp(keyword->name, name) == 0)
                return keyword;
            for (MqscKeyword **value = keyword->values; value && *value; ++value)
                if ((*value)->name && std::strcmp((*value)->name, name) == 0)
                    return keyword;
        }
    }
    return nullptr;
}

TEST(ParamIndex, EveryNameAndIdOfEveryListFindsTheFirstEntryThatHasIt)
{
    int lookups = 0;
    for (MqscKeyword **command = GetCmdTbl(); *command; ++command) {
        MqscParam *list = (*command)->params;
        if (!list || !list[0].keyword)
            continue;
        std::vector<std::string> names = {"", "NOSUCHKEYWORD", (*command)->name ? (*command)->name : ""};
        std::vector<int32_t> ids = {0, -1, (*command)->id, 999999};
        for (MqscParam *entry = list + 1; entry->keyword; ++entry) {
            ids.push_back(entry->keyword->id);
            if (entry->keyword->name)
                names.push_back(entry->keyword->name);
            for (MqscKeyword **value = entry->keyword->values; value && *value; ++value)
                if ((*value)->name)
                    names.push_back((*value)->name);
        }
        // Near misses too: a name one longer, one shorter, with its last character changed,
        // or in lower case.
        for (std::size_t i = 0, count = names.size(); i < count; ++i) {
            if (names[i].empty())
                continue;
            names.push_back(names[i] + "X");
            names.push_back(names[i].substr(0, names[i].size() - 1));
            names.push_back(names[i].substr(0, names[i].size() - 1) + static_cast<char>(names[i].back() ^ 1));
            std::string lower = names[i];
            for (char &c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            names.push_back(lower);
        }
        const zem::ParamNames byName(list);
        ASSERT_TRUE(byName.indexed());
        for (const std::string &name : names) {
            MqscKeyword *expected = SearchFromFront(list, kFindByName, 0, name.c_str());
            ASSERT_EQ(expected, FindCmdParam(list, kFindByName, name.c_str())) << (*command)->name << " / " << name;
            ASSERT_EQ(expected, zem::FindCmdParamByName(list, name.c_str(), name.size()))
                << (*command)->name << " / " << name;
            bool ownName = false;
            ASSERT_EQ(expected, byName.find(name.c_str(), name.size(), ownName)) << name;
            EXPECT_EQ(expected && expected->name && name == expected->name, ownName) << name;
            ++lookups;
        }
        // Each value list by the same names.
        for (MqscParam *entry = list + 1; entry->keyword; ++entry) {
            for (const std::string &name : names) {
                if (!entry->keyword->values)
                    break;
                bool indexed = false;
                ASSERT_EQ(zem::FindCmdKeyword(entry->keyword->values, kFindByName, name.c_str()),
                          zem::FindIndexedValueByName(entry->keyword, name.c_str(), name.size(), indexed))
                    << entry->keyword->name << " / " << name;
                ASSERT_TRUE(indexed);
            }
        }
        for (int32_t id : ids) {
            ASSERT_EQ(SearchFromFront(list, kFindById, id, nullptr), FindCmdParam(list, kFindById, &id))
                << (*command)->name << " / " << id;
            ++lookups;
        }
    }
    EXPECT_GT(lookups, 3000);  // the whole table was walked, not an empty array
}

TEST(ParamIndex, ListsOutsideTheTableAreSearchedAsTheyStand)
{
    MqscKeyword verb{MQSC_CMD, 4711, "VERB", nullptr, 0, nullptr, 0, -1, 0};
    MqscKeyword first{MQSC_INT, 7, "FIRST", nullptr, 0, nullptr, 0, -1, 0};
    MqscKeyword second{MQSC_INT, 7, "SECOND", nullptr, 0, nullptr, 0, -1, 0};
    MqscParam list[] = {{1, 2, 1, &verb, "", ' ', -1, 0},
                        {0, 1, 1, &first, "(%d)", ' ', -1, 0},
                        {0, 1, 1, &second, "(%d)", ' ', -1, 0},
                        {2, 0, 0, nullptr, nullptr, 0, 0, 0}};
    int32_t seven = 7;
    EXPECT_EQ(&first, FindCmdParam(list, kFindById, &seven));
    EXPECT_EQ(&second, FindCmdParam(list, kFindByName, "SECOND"));
    // The same storage holding other records gives their answers: nothing is remembered.
    list[1].keyword = &second;
    list[2].keyword = &first;
    EXPECT_EQ(&second, FindCmdParam(list, kFindById, &seven));
    EXPECT_EQ(nullptr, FindCmdParam(list, kFindByName, "VERB"));
    bool indexed = true;
    EXPECT_FALSE(zem::ParamNames(list).indexed());
    EXPECT_EQ(nullptr, zem::FindIndexedValueByName(&first, "FIRST", 5, indexed));
    EXPECT_FALSE(indexed);
}

}  // namespace
