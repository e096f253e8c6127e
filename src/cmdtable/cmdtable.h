// The MQSC/PCF command table: access operations shared by both conversion directions.
//
// The table itself is constant data (commands, parameter lists, keyword and value records);
// only the isSet and value fields of the keyword records change at run time. Every thread
// works on its own copy (thread_table.h), so conversions on different threads never share
// those fields.
#pragma once
#include <cstddef>
#include <string_view>

#include "cmdtable/thread_table.h"
#include "zemapi.h"

namespace zem {

// Search modes of FindCmdKeyword and FindCmdParam.
constexpr int32_t kFindById = 1;    // key points at an int32 compared with the record's id
constexpr int32_t kFindByName = 2;  // key is a text compared (case-sensitive) with the name

// Size of the destination that TakeKeywordValue writes a string into, NUL included.
// A longer stored string is cut to fit.
constexpr int32_t kTakeValueSize = 16000;

// Searches a NULL-terminated array of record pointers (the command array or a value
// list) for the first record whose id (mode 1) or name (mode 2) matches key. NULL when
// nothing matches, for a NULL array or key, and for any other mode.
MqscKeyword *FindCmdKeyword(MqscKeyword **array, int32_t mode, const void *key);

// Searches a command's parameter list, skipping its first entry (the command's own
// record), up to the entry whose keyword is NULL. Mode 1 matches the keyword id; mode 2
// matches the keyword name, or else a value keyword of the keyword's value list (so
// "NOSHARE" finds the shareability record). Returns the keyword record of the first
// matching entry, or NULL (also for a NULL list or key and any other mode).
MqscKeyword *FindCmdParam(MqscParam *list, int32_t mode, const void *key);

// FindCmdParam by name (mode 2) for a name whose length is known: name[length] is its NUL.
MqscKeyword *FindCmdParamByName(MqscParam *list, const char *name, std::size_t length);

// Stores a value in the record by its type and returns 1; 0 when the type stores
// nothing (MQSC_FLAG and unknown types) or length is negative. isSet is not touched.
//   MQSC_CMD, MQSC_STR: data is a text; at most length characters are copied (stopping
//     at a NUL) into a new heap string that replaces the one held.
//   MQSC_STRLIST, MQSC_ENUMLIST, MQSC_LIST: as above with min(strlen, length)
//     characters; a NULL data returns 1 and changes nothing.
//   MQSC_INT: data points at an int32.
//   MQSC_ENUM: data is a value record of the keyword's value list (not owned).
int32_t SetKeywordValue(MqscKeyword *record, const void *data, int32_t length);

// Copies the stored value to dest and returns 1; 0 for MQSC_FLAG and unknown types.
//   string types: dest (kTakeValueSize bytes) receives the held text, cut to fit, and
//     the record is emptied; with nothing held dest receives "''".
//   MQSC_INT: dest receives the int32; the value stays.
//   MQSC_ENUM: dest receives a copy of the whole value record (an MqscKeyword, or a
//     zeroed one when none is stored); the pointer stays.
// isSet is not touched.
int32_t TakeKeywordValue(MqscKeyword *record, void *dest);

// What TakeKeywordValue copies out of a string record, read in place: the held text cut
// to kTakeValueSize - 1 characters, or "''" when nothing is held. Valid until the
// record's value changes. ReleaseHeldText then empties the record as TakeKeywordValue does.
std::string_view HeldText(const MqscKeyword &record);
void ReleaseHeldText(MqscKeyword &record);

// What TakeKeywordValue gives for MQSC_INT and MQSC_ENUM records, read in place: the
// int32 held, and the value record held (NULL when none).
inline int32_t HeldInteger(const MqscKeyword &record) { return static_cast<int32_t>(record.value); }
inline const MqscKeyword *HeldValueRecord(const MqscKeyword &record)
{
    return reinterpret_cast<const MqscKeyword *>(record.value);
}

// What SetKeywordValue does for MQSC_INT and MQSC_ENUM records, inline: the reply reader
// stores a number or a value record for most keywords.
inline void HoldInteger(MqscKeyword &record, int32_t number)
{
    NoteTouched(&record);
    record.value = number;
}
inline void HoldValueRecord(MqscKeyword &record, const MqscKeyword *valueRecord)
{
    NoteTouched(&record);
    record.value = reinterpret_cast<intptr_t>(valueRecord);
}

// Empties every run-time field of the calling thread's table: isSet becomes 0 and value
// 0 in every command and keyword record, and heap strings are released. The converters
// call it when a conversion starts, so that nothing left by an earlier, failed conversion
// (in either direction) is written out. Only the records handed out by the lookups above
// or given a value since the last reset can hold anything, so only those are visited.
void ResetCmdTable();

}  // namespace zem
