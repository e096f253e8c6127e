// Lookups in the parameter lists of the command table through an index per list, built
// once for the process on first use over the constant table and shared by every thread:
// it maps keys to record ordinals, which each thread's copy turns into its own records.
// Lists that are not the calling thread's copy of a table list are never indexed.
#pragma once
#include <cstddef>
#include <cstdint>

#include "zemapi.h"

namespace zem {

// What FindCmdParam answers for list, mode and key (mode 1 id, mode 2 name or value
// name), found through the index: the keyword record of the first entry that matches,
// or NULL. `indexed` is false, and the result NULL, when list is not a parameter list of
// the calling thread's command table; the caller then searches the list itself.
MqscKeyword *FindIndexedParam(const MqscParam *list, int32_t mode, const void *key, bool &indexed);

// The same by name, for a name of known length (name[length] is its NUL).
MqscKeyword *FindIndexedParamByName(const MqscParam *list, const char *name, std::size_t length, bool &indexed);

struct ListIndex;

// One parameter list of the calling thread's table, for many lookups by name: its index
// and the thread's records are found once. Valid while the thread's table lives.
class ParamNames {
public:
    explicit ParamNames(const MqscParam *list);
    // false when list is no parameter list of the calling thread's table: find is then
    // not to be called.
    bool indexed() const { return index_ != nullptr; }
    // FindCmdParamByName (the record found is noted for the next reset), also telling
    // whether the record's own name matched rather than one of its value names.
    MqscKeyword *find(const char *name, std::size_t length, bool &ownName) const;

private:
    const ListIndex *index_ = nullptr;
    MqscKeyword *records_ = nullptr;
};

// FindCmdKeyword(record->values, kFindByName, name) through an index, for a name of known
// length; `indexed` is false, and the result NULL, when record is no record of the
// calling thread's table. Unlike FindCmdKeyword it notes nothing: a value record found
// here is only pointed at by its keyword's value, never marked.
MqscKeyword *FindIndexedValueByName(const MqscKeyword *record, const char *name, std::size_t length, bool &indexed);

}  // namespace zem
