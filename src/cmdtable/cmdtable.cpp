// Lookups in the command table and the run-time values its keyword records carry.
#include "cmdtable/cmdtable.h"

#include <cstdlib>
#include <cstring>

#include "cmdtable/param_index.h"
#include "cmdtable/thread_table.h"

namespace zem {
namespace {

bool HoldsString(int32_t type)
{
    return type == MQSC_CMD || type == MQSC_STR || type == MQSC_STRLIST || type == MQSC_ENUMLIST || type == MQSC_LIST;
}

char *HeldString(const MqscKeyword *record) { return reinterpret_cast<char *>(record->value); }

void ReleaseString(MqscKeyword *record)
{
    char *held = HeldString(record);
    if (held != nullptr && !InStringRoom(held))
        std::free(held);
    record->value = 0;
}

// Replaces the held string by a copy of at most `count` characters of text. The copy is
// made before the old string goes, so a failed allocation leaves the record as it was.
int32_t StoreString(MqscKeyword *record, const char *text, size_t count)
{
    char *copy = TakeStringRoom(record, count + 1);
    if (copy == nullptr)
        copy = static_cast<char *>(std::malloc(count + 1));
    if (copy == nullptr)
        return 0;
    std::memcpy(copy, text, count);
    copy[count] = '\0';
    ReleaseString(record);
    record->value = reinterpret_cast<intptr_t>(copy);
    return 1;
}

bool Matches(const MqscKeyword *record, int32_t mode, const void *key)
{
    if (mode == kFindById) {
        int32_t id;
        std::memcpy(&id, key, sizeof id);
        return record->id == id;
    }
    // Most names differ in their first character: that test saves the call.
    const char *name = static_cast<const char *>(key);
    return record->name != nullptr && record->name[0] == name[0] && std::strcmp(record->name, name) == 0;
}

MqscKeyword *SearchParams(MqscParam *list, int32_t mode, const void *key)
{
    if (list == nullptr || key == nullptr || (mode != kFindById && mode != kFindByName))
        return nullptr;
    if (list[0].keyword == nullptr)
        return nullptr;
    // The table's own lists are searched through their index, with the same answers.
    bool indexed = false;
    MqscKeyword *found = FindIndexedParam(list, mode, key, indexed);
    if (indexed)
        return found;
    // The first entry is the command's own record: its code or verb is no parameter, even
    // where it equals one (MAXMSGL's id 13 is also the code of the queue inquiry).
    for (MqscParam *entry = list + 1; entry->keyword != nullptr; ++entry) {
        MqscKeyword *keyword = entry->keyword;
        if (Matches(keyword, mode, key))
            return keyword;
        if (mode == kFindByName && keyword->values != nullptr &&
            FindCmdKeyword(keyword->values, kFindByName, key) != nullptr) {
            return keyword;
        }
    }
    return nullptr;
}

}  // namespace

void ResetRecord(MqscKeyword *record)
{
    if (record->value != 0 && HoldsString(record->type))
        ReleaseString(record);
    record->value = 0;
    record->isSet = 0;
}

MqscKeyword *FindCmdKeyword(MqscKeyword **array, int32_t mode, const void *key)
{
    if (array == nullptr || key == nullptr || (mode != kFindById && mode != kFindByName))
        return nullptr;
    for (MqscKeyword **entry = array; *entry != nullptr; ++entry) {
        if (Matches(*entry, mode, key)) {
            // A record handed out may be marked by the caller: the next reset looks at it.
            NoteTouched(*entry);
            return *entry;
        }
    }
    return nullptr;
}

MqscKeyword *FindCmdParam(MqscParam *list, int32_t mode, const void *key)
{
    MqscKeyword *found = SearchParams(list, mode, key);
    NoteTouched(found);
    return found;
}

MqscKeyword *FindCmdParamByName(MqscParam *list, const char *name, std::size_t length)
{
    if (list == nullptr || name == nullptr || list[0].keyword == nullptr)
        return nullptr;
    bool indexed = false;
    MqscKeyword *found = FindIndexedParamByName(list, name, length, indexed);
    if (!indexed)
        found = SearchParams(list, kFindByName, name);
    NoteTouched(found);
    return found;
}

int32_t SetKeywordValue(MqscKeyword *record, const void *data, int32_t length)
{
    if (record == nullptr || length < 0)
        return 0;
    NoteTouched(record);
    switch (record->type) {
    case MQSC_CMD:
    case MQSC_STR: {
        if (data == nullptr)
            return 0;
        const char *text = static_cast<const char *>(data);
        return StoreString(record, text, strnlen(text, static_cast<size_t>(length)));
    }
    case MQSC_STRLIST:
    case MQSC_ENUMLIST:
    case MQSC_LIST: {
        if (data == nullptr)
            return 1;
        const char *text = static_cast<const char *>(data);
        return StoreString(record, text, strnlen(text, static_cast<size_t>(length)));
    }
    case MQSC_INT: {
        if (data == nullptr)
            return 0;
        int32_t number;
        std::memcpy(&number, data, sizeof number);
        record->value = number;
        return 1;
    }
    case MQSC_ENUM: record->value = reinterpret_cast<intptr_t>(data); return 1;
    default: return 0;
    }
}

std::string_view HeldText(const MqscKeyword &record)
{
    const char *held = HeldString(&record);
    if (held == nullptr)
        return "''";
    return {held, strnlen(held, kTakeValueSize - 1)};
}

void ReleaseHeldText(MqscKeyword &record) { ReleaseString(&record); }

int32_t TakeKeywordValue(MqscKeyword *record, void *dest)
{
    if (record == nullptr || dest == nullptr)
        return 0;
    if (HoldsString(record->type)) {
        char *out = static_cast<char *>(dest);
        const char *held = HeldString(record);
        if (held == nullptr) {
            std::memcpy(out, "''", 3);
            return 1;
        }
        size_t length = strnlen(held, kTakeValueSize - 1);
        std::memcpy(out, held, length);
        out[length] = '\0';
        ReleaseString(record);
        return 1;
    }
    if (record->type == MQSC_INT) {
        int32_t number = HeldInteger(*record);
        std::memcpy(dest, &number, sizeof number);
        return 1;
    }
    if (record->type == MQSC_ENUM) {
        const MqscKeyword *valueRecord = HeldValueRecord(*record);
        MqscKeyword copy{};
        if (valueRecord != nullptr)
            copy = *valueRecord;
        std::memcpy(dest, &copy, sizeof copy);
        return 1;
    }
    return 0;
}

void ResetCmdTable() { ResetTouched(); }

}  // namespace zem

extern "C" ZEMAPI(MqscKeyword **) GetCmdTbl(void)
{
    try {
        return zem::ThreadCommands();
    } catch (...) {
        return nullptr;
    }
}
