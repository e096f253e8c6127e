// PCF command to MQSC text: the walk over the PCF structures, the structure converters
// that mark command-table entries, the writer, and the alteration-date filter.
//
// The marks and values live in the calling thread's copy of the command table; the
// current parameter list and the set of records that received a value belong to this
// direction alone, one per thread.
#pragma once
#include <string>
#include <string_view>

#include "zemapi.h"

namespace zem {

// Size of the walk's scratch area, of one item's text and of a taken-out string value.
constexpr int32_t kItemAreaSize = 16000;
// Size of the attribute holder used for the escape and WHERE look-ups.
constexpr int32_t kLookupHolderSize = 32000;
// Characters of an alteration-date filter value that go into the WHERE clause.
constexpr int32_t kAlterDateFilterChars = 13;
// Characters of one string-list item that are looked at.
constexpr int32_t kListItemChars = 48;
// Bytes a converter's scratch buffer must hold (a record name and its NUL).
constexpr int32_t kScratchNameSize = 64;

// Starts a conversion: no current list, no record marked, no value held anywhere in the
// command table (whatever an earlier conversion of either direction left behind).
void BeginPcfToMqsc();

// The structure converters; see the public header. Each sets *reason and returns 1,
// except StrListToMqscImpl, which returns 0 when the command does not know the list.
int32_t CfhToMqsc(const ZEM_MQCFH &cfh, char *scratch, int32_t &reason);
int32_t CfinToMqsc(const ZEM_MQCFIN &cfin, char *scratch, int32_t &reason);
int32_t CfstToMqsc(const ZEM_MQCFST &cfst, char *scratch, int32_t &reason);
int32_t StrListToMqscImpl(const ZEM_MQCFSL &cfsl, char *scratch, int32_t &reason);
int32_t CfslToMqsc(const ZEM_MQCFSL &cfsl, char *scratch, int32_t &reason);
int32_t CfilToMqsc(const ZEM_MQCFIL &cfil, int32_t &reason);

// The walk over input and the writing of the text; sets reason and failedParam.
void WalkPcfToMqsc(const PcfDataDesc &input, MqscText &output, bool splitLines, int32_t &reason, int32_t &failedParam);

// Writes the marked entries of command's parameter list into output.
int32_t EmitMqsc(int32_t command, MqscText &output, bool splitLines, int32_t &reason);

// value with each apostrophe written twice, as MQSC reads one inside a quoted value.
std::string QuoteApostrophes(std::string_view value);

// Places value at the first "%s" or "%d" of format (the table's value formats); a format
// without a conversion is copied alone. Values of every kind go through text, so a
// format of the wrong kind still writes the value where its conversion stands.
std::string ApplyValueFormat(const char *format, std::string_view value);

// The whole conversion behind zemPcf2Mqsc.
void ConvertPcfCommandToMqsc(PcfMessage &command, PcfMessage &mqsc, bool splitLines, int32_t &compCode, int32_t &reason,
                             int32_t &failedParam);

// The MQSC word of a filter operator, with its trailing blank; "" for others.
const char *FilterOperatorWord(int32_t op);

}  // namespace zem
