// Each thread's own copy of the command table. The table's records are constant data;
// the run-time fields (isSet, value) that the conversions mark belong to the thread that
// converts, so every thread works on a copy built from the constant data on its first
// use and released when the thread ends.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "zemapi.h"

namespace zem {

// Where the copy of each record, parameter list and value list of the constant table
// stands: each is numbered once, in the order a walk from the command array meets it.
// Built once for the process on first use and never changed after.
struct TableLayout {
    std::vector<const MqscKeyword *> records;  // the constant record of each ordinal
    std::vector<int32_t> recordParams;         // per record: offset of its list in params, or -1
    std::vector<int32_t> recordValues;         // per record: offset of its value list, or -1
    std::vector<const MqscParam *> params;     // every list entry, end entries included
    std::vector<int32_t> paramKeyword;         // per entry: ordinal of its keyword, or -1
    std::vector<const MqscParam *> lists;      // the constant start of each list ordinal
    std::vector<int32_t> listAt;               // per entry: ordinal of the list starting there, or -1
    std::vector<int32_t> valueSlots;           // value lists: record ordinals, -1 ending each
    std::vector<int32_t> commands;             // the command array's ordinals, in order
};
const TableLayout &CommandTableLayout();

// The ordinal of the list whose copy in the calling thread starts at list (-1 when list
// is no list start of the calling thread's copy), and then the thread's records, which
// record ordinals index; NULL with -1.
MqscKeyword *ThreadListRecords(const MqscParam *list, int32_t &listOrdinal) noexcept;

// The calling thread's command array (NULL-terminated, in lookup order), built on the
// thread's first use. Throws std::bad_alloc when the copy cannot be made.
MqscKeyword **ThreadCommands();

// Where the calling thread's records, their touched marks and the records noted since
// the last reset lie (all empty before the thread's table is built), for the inline
// functions below.
struct TouchedMarks {
    MqscKeyword *records = nullptr;
    std::size_t bytes = 0;  // of the records
    uint8_t *marks = nullptr;
    MqscKeyword **noted = nullptr;  // room for every record
    std::size_t *notedCount = nullptr;
};
extern thread_local TouchedMarks t_touchedMarks;

// The ordinal of record in the calling thread's copy, or -1 when it is none of its
// records; the thread's records (NULL before its table is built).
inline int32_t ThreadRecordOrdinal(const MqscKeyword *record) noexcept
{
    const TouchedMarks &marks = t_touchedMarks;
    // As addresses, so that a record of no array of the thread's compares safely.
    std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(record) - reinterpret_cast<std::uintptr_t>(marks.records);
    if (offset >= marks.bytes)
        return -1;
    return static_cast<int32_t>(record - marks.records);
}
inline MqscKeyword *ThreadRecords() noexcept { return t_touchedMarks.records; }

// Notes that record may now carry a mark or a value, so that the next reset empties it.
// Records that are not the calling thread's are ignored. Never throws. A record noted
// before costs one test here: most are noted several times per conversion.
inline void NoteTouched(MqscKeyword *record) noexcept
{
    const TouchedMarks &marks = t_touchedMarks;
    std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(record) - reinterpret_cast<std::uintptr_t>(marks.records);
    if (offset >= marks.bytes)
        return;
    uint8_t &mark = marks.marks[record - marks.records];
    if (mark != 0)
        return;
    mark = 1;
    marks.noted[(*marks.notedCount)++] = record;  // each record once: never past the room
}

// Empties the run-time fields of every record noted since the last reset and releases
// the strings they held. Throws std::bad_alloc only when the thread's copy cannot be made.
void ResetTouched();

// size bytes for a string that record, one of the calling thread's, is to hold: taken
// from the thread's string room, which the next ResetTouched empties as a whole. NULL
// for any other record and when the room is used up; the caller then allocates.
char *TakeStringRoom(const MqscKeyword *record, std::size_t size) noexcept;

// True when text lies in the calling thread's string room: it is not to be freed.
bool InStringRoom(const char *text) noexcept;

// Empties one record's run-time fields, releasing a string it holds (cmdtable.cpp).
void ResetRecord(MqscKeyword *record);

// Bytes one thread's copy takes: records, lists, value lists, the command array and the
// bookkeeping of noted records (held strings not counted).
std::size_t ThreadTableBytes();

}  // namespace zem
