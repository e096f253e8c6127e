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

}  // namespace zem
