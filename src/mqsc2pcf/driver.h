// The reply driver behind zemMqsc2Pcf and the parsers of the z/OS reports that are not
// keyword(value) lists: SET LOG, DISPLAY LOG and DISPLAY GROUP.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mqsc2pcf/convert.h"
#include "zemapi.h"

namespace zem {

// Word view of a report line: words are runs of characters other than NUL, blank,
// newline and carriage return (a tab belongs to a word), numbered from 1.
struct WordSpan {
    std::size_t offset;
    std::size_t length;
};
bool FindWord(int number, std::string_view text, WordSpan &word);
int CountWords(std::string_view text);
// Copies word `number` into buffer (cleared first), at most kWordChars characters.
constexpr std::size_t kWordChars = 255;
bool GetWord(int number, std::string_view text, char (&buffer)[kWordChars + 1]);
// True when word `number` exists and is exactly `expected`.
bool WordIs(std::string_view text, int number, std::string_view expected);

// States the report parsers keep from one line to the next, one set per thread.
enum class LogReportState { kOutside = 0, kTapeTable = 1 };
enum class GroupReportState { kIdle = 0, kGroupSeen = 1, kMemberTable = 2, kSecondSeen = 3, kSecondTable = 4 };
// Puts both parsers back outside any table.
void ResetReportStates();

// One reply line of each report, appended to output. status and reason as zemMqsc2Pcf.
void ParseSetLogReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason);
void ParseDisplayLogReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason);
void ParseDisplayGroupReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason);

// The whole of zemMqsc2Pcf.
void ConvertReplyMessage(PcfMessage &input, PcfMessage &output, int32_t &status, int32_t &reason, int32_t &count,
                         ReplyReading &reading);

}  // namespace zem
