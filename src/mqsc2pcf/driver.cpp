#include "mqsc2pcf/driver.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "foundation/mq_constants.h"
#include "mqsc2pcf/convert.h"

using namespace zem::mq;

namespace zem {
namespace {

constexpr int32_t kEnvelopeHeader = ZEM_MDHDR_LENGTH;
constexpr int32_t kCommandOffset = offsetof(ZEM_MQCFH, Command);
constexpr int32_t kCompCodeOffset = offsetof(ZEM_MQCFH, CompCode);

thread_local LogReportState g_logState = LogReportState::kOutside;
thread_local GroupReportState g_groupState = GroupReportState::kIdle;

bool IsWordSeparator(char c) { return c == '\0' || c == ' ' || c == '\n' || c == '\r'; }

// atol of a report number, saturating at the int32 range.
int32_t WordToInt32(const char *text)
{
    long value = std::strtol(text, nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Appends the attribute just created in attr and releases attr whatever happens.
// reason: 0 appended, 5003 not.
bool AppendAndDelete(PcfMessage &output, MESSAGE &attr, bool created, int32_t &reason)
{
    bool appended = created && AppendAttr(&output, &attr) != 0;
    if (attr.pBlock != nullptr)
        DeleteMessage(&attr);
    reason = appended ? 0 : ZEM_RC_MQSC_NO_ROOM;
    return appended;
}

bool AppendInt(PcfMessage &output, int32_t parameter, int32_t value, int32_t &reason)
{
    MESSAGE attr{};
    return AppendAndDelete(output, attr, CreatePcfIntAttr(&attr, parameter, value) != 0, reason);
}

bool AppendStr(PcfMessage &output, int32_t parameter, const char *text, int32_t &reason)
{
    MESSAGE attr{};
    return AppendAndDelete(output, attr, CreatePcfStrAttr(&attr, parameter, text) != 0, reason);
}

// Appends word `number` as a string; false with reason untouched when it is missing.
bool AppendWordStr(std::string_view line, int number, PcfMessage &output, int32_t parameter, int32_t &reason)
{
    char word[kWordChars + 1];
    return GetWord(number, line, word) && AppendStr(output, parameter, word, reason);
}

bool AppendWordInt(std::string_view line, int number, PcfMessage &output, int32_t parameter, int32_t &reason)
{
    char word[kWordChars + 1];
    return GetWord(number, line, word) && AppendInt(output, parameter, WordToInt32(word), reason);
}

// "MAXRTU=2": the number after the prefix, as an integer parameter. False with reason
// untouched when the word is missing or lacks the prefix.
bool AppendSetting(std::string_view line, int number, std::string_view prefix, PcfMessage &output, int32_t parameter,
                   int32_t &reason)
{
    char word[kWordChars + 1];
    if (!GetWord(number, line, word) || std::strncmp(word, prefix.data(), prefix.size()) != 0)
        return false;
    return AppendInt(output, parameter, WordToInt32(word + prefix.size()), reason);
}

// A word mapped to a code through a small table; 0 for any other word.
struct WordCode {
    const char *word;
    int32_t code;
};

template <std::size_t N> int32_t CodeOfWord(std::string_view line, int number, const WordCode (&codes)[N])
{
    for (const auto &entry : codes)
        if (WordIs(line, number, entry.word))
            return entry.code;
    return 0;
}

const WordCode kMemberStatus[] = {{"ACTIVE", 1}, {"INACTIVE", 2}, {"FAILED", 3}, {"CREATED", 4}};
const WordCode kConnectionStatus[] = {{"ACTIVE", 1}, {"PENDING", 2}, {"FAILED", 3}, {"INACTIVE", 4}};
const WordCode kEntryState[] = {{"VALID", 1}, {"INVALID", 2}};

// Tape-unit status by its first letter: available, premounted, busy.
int32_t TapeStatus(std::string_view line)
{
    char word[kWordChars + 1];
    if (!GetWord(2, line, word))
        return 0;
    switch (word[0]) {
    case 'A': return 1;
    case 'P': return 2;
    case 'B': return 3;
    default: return 0;
    }
}

void Succeed(int32_t &status, int32_t &reason)
{
    status = MQCC_OK;
    reason = 0;
}

// "Initial parameters: MAXRTU=n DEALLCT=n" and its "Current" twin.
void ParseLogSettings(std::string_view line, PcfMessage &output, int32_t maxrtuId, int32_t deallctId, int32_t &status,
                      int32_t &reason)
{
    if (AppendSetting(line, 3, "MAXRTU=", output, maxrtuId, reason) &&
        AppendSetting(line, 4, "DEALLCT=", output, deallctId, reason))
        Succeed(status, reason);
}

void ParseTapeUnitRow(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    if (CountWords(line) < 5) {
        Succeed(status, reason);
        return;
    }
    if (AppendWordStr(line, 1, output, EXPRM_TAPE_ADDR, reason) &&
        AppendInt(output, EXPRM_TAPE_STATUS, TapeStatus(line), reason) &&
        AppendWordStr(line, 3, output, EXPRM_TAPE_CORRELID, reason) &&
        AppendWordStr(line, 4, output, EXPRM_TAPE_VOLSER, reason) &&
        AppendWordStr(line, 5, output, EXPRM_TAPE_DSNAME, reason))
        Succeed(status, reason);
}

void ParseMemberRow(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    if (CountWords(line) < 7) {
        Succeed(status, reason);
        return;
    }
    if (AppendWordStr(line, 1, output, EXPRM_MEMBER_NAME, reason) &&
        AppendWordStr(line, 2, output, EXPRM_MEMBER_NUMBER, reason) &&
        AppendWordStr(line, 3, output, EXPRM_MEMBER_PREFIX, reason) &&
        AppendInt(output, EXPRM_MEMBER_STATUS, CodeOfWord(line, 4, kMemberStatus), reason) &&
        AppendWordStr(line, 5, output, EXPRM_MEMBER_VERSION, reason) &&
        AppendWordStr(line, 6, output, EXPRM_MEMBER_DB2, reason) &&
        AppendInt(output, EXPRM_MEMBER_CONNECTION, CodeOfWord(line, 7, kConnectionStatus), reason))
        Succeed(status, reason);
}

// The state may be the two words "NOT FOUND", which moves the numbers after it one on.
void ParseSecondTableRow(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    if (CountWords(line) < 6) {
        Succeed(status, reason);
        return;
    }
    bool notFound = WordIs(line, 4, "NOT") && WordIs(line, 5, "FOUND");
    int after = notFound ? 6 : 5;
    if (AppendWordStr(line, 1, output, EXPRM_GROUP_ENTRY_NAME, reason) &&
        AppendWordInt(line, 2, output, EXPRM_GROUP_ENTRY_VALUE1, reason) &&
        AppendWordInt(line, 3, output, EXPRM_GROUP_ENTRY_VALUE2, reason) &&
        AppendInt(output, EXPRM_GROUP_ENTRY_STATE, CodeOfWord(line, 4, kEntryState), reason) &&
        AppendWordInt(line, after, output, EXPRM_GROUP_ENTRY_VALUE3, reason) &&
        AppendWordInt(line, after + 1, output, EXPRM_GROUP_ENTRY_VALUE4, reason))
        Succeed(status, reason);
}

// The reply text: in place when its buffer has room for a terminating NUL, else a
// private copy, so nothing is read or written past the input's data area. The copy's
// storage stays with the thread for its next reply unless it grew beyond kKeptCopySize.
class ReplyText {
public:
    ReplyText(MESSAGE &input)
    {
        int32_t length = input.Used - kEnvelopeHeader;
        int32_t capacity = input.Size - kEnvelopeHeader;
        char *data = reinterpret_cast<char *>(input.pData);
        if (length < capacity) {
            text_ = data;
        } else {
            copy_.assign(data, static_cast<std::size_t>(length));
            text_ = copy_.data();
        }
        length_ = static_cast<std::size_t>(length);
        // A reply of several NUL-separated lines reads as one text.
        for (char *nul = static_cast<char *>(std::memchr(text_, '\0', length_));
             nul != nullptr && nul + 1 < text_ + length_;
             nul = static_cast<char *>(std::memchr(nul + 1, '\0', length_ - (nul + 1 - text_))))
            *nul = ' ';
        text_[length_] = '\0';
    }
    char *text() { return text_; }
    std::size_t length() const { return length_; }
    std::string_view view() const { return {text_, length_}; }

    ~ReplyText()
    {
        if (copy_.capacity() > kKeptCopySize)
            std::string().swap(copy_);
    }
    ReplyText(const ReplyText &) = delete;
    ReplyText &operator=(const ReplyText &) = delete;

private:
    static constexpr std::size_t kKeptCopySize = 64 * 1024;
    static thread_local std::string copy_;
    char *text_ = nullptr;
    std::size_t length_ = 0;
};

thread_local std::string ReplyText::copy_;

bool IsCoherent(const MESSAGE &msg, int32_t minimumData)
{
    return msg.pData != nullptr && msg.Used >= kEnvelopeHeader + minimumData && msg.Used <= msg.Size;
}

int32_t ReadWord(const MESSAGE &msg, int32_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, msg.pData + offset, sizeof value);
    return value;
}

void ConvertEscapeReply(const char *text, PcfMessage &output, int32_t &status, int32_t &reason)
{
    if (AppendStr(output, MQCACF_ESCAPE_TEXT, text, reason))
        status = MQCC_OK;
}

void ConvertGenericReply(ReplyText &reply, PcfMessage &output, int32_t command, int32_t &status, int32_t &reason,
                         int32_t &count, ReplyReading &reading)
{
    PcfArea area{output.PcfMsg.pData, output.PcfMsg.Size - kEnvelopeHeader};
    ConvertMqscReply(reply.text(), area, command, reason, count, reading);
    if (reason != 0)
        return;
    status = MQCC_OK;
    // An id the message-id table does not know is no sign of failure.
    if (ReadWord(output.PcfMsg, kCompCodeOffset) == -1) {
        int32_t ok = MQCC_OK;
        std::memcpy(output.PcfMsg.pData + kCompCodeOffset, &ok, sizeof ok);
    }
    output.PcfMsg.Used = area.length + kEnvelopeHeader;
}

}  // namespace

bool FindWord(int number, std::string_view text, WordSpan &word)
{
    if (number < 1)
        return false;
    std::size_t i = 0;
    for (int found = 0; i < text.size();) {
        while (i < text.size() && IsWordSeparator(text[i]))
            ++i;
        if (i == text.size())
            break;
        std::size_t start = i;
        while (i < text.size() && !IsWordSeparator(text[i]))
            ++i;
        if (++found == number) {
            word = {start, i - start};
            return true;
        }
    }
    return false;
}

int CountWords(std::string_view text)
{
    int count = 0;
    bool inWord = false;
    for (char c : text) {
        bool separator = IsWordSeparator(c);
        if (!separator && !inWord)
            ++count;
        inWord = !separator;
    }
    return count;
}

bool GetWord(int number, std::string_view text, char (&buffer)[kWordChars + 1])
{
    std::memset(buffer, 0, sizeof buffer);
    WordSpan word{};
    if (!FindWord(number, text, word))
        return false;
    std::memcpy(buffer, text.data() + word.offset, std::min(word.length, kWordChars));
    return true;
}

bool WordIs(std::string_view text, int number, std::string_view expected)
{
    WordSpan word{};
    return FindWord(number, text, word) && text.substr(word.offset, word.length) == expected;
}

void ResetReportStates()
{
    g_logState = LogReportState::kOutside;
    g_groupState = GroupReportState::kIdle;
}

// CSQJ337I +CSQ1 SET LOG completed, MAXRTU=n DEALLCT=n. Other replies carry nothing.
void ParseSetLogReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    status = MQCC_FAILED;
    reason = ZEM_RC_MQSC_BAD_REPORT;
    if (!WordIs(line, 1, "CSQJ337I")) {
        Succeed(status, reason);
        return;
    }
    if (AppendSetting(line, 6, "MAXRTU=", output, EXPRM_LOG_MAXRTU, reason) &&
        AppendSetting(line, 7, "DEALLCT=", output, EXPRM_LOG_DEALLCT, reason))
        Succeed(status, reason);
}

void ParseDisplayLogReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    status = MQCC_FAILED;
    reason = ZEM_RC_MQSC_BAD_REPORT;
    if (WordIs(line, 1, "Initial") && WordIs(line, 2, "parameters:")) {
        ParseLogSettings(line, output, EXPRM_LOG_INITIAL_MAXRTU, EXPRM_LOG_INITIAL_DEALLCT, status, reason);
        return;
    }
    if (WordIs(line, 1, "Current") && WordIs(line, 2, "parameters:")) {
        ParseLogSettings(line, output, EXPRM_LOG_MAXRTU, EXPRM_LOG_DEALLCT, status, reason);
        return;
    }
    if (g_logState == LogReportState::kOutside && WordIs(line, 1, "----") && WordIs(line, 2, "--")) {
        g_logState = LogReportState::kTapeTable;
    } else if (g_logState == LogReportState::kTapeTable && WordIs(line, 1, "No") && WordIs(line, 2, "tape")) {
        g_logState = LogReportState::kOutside;
    } else if (WordIs(line, 1, "End") && WordIs(line, 2, "of")) {
        g_logState = LogReportState::kOutside;
    } else if (g_logState != LogReportState::kTapeTable) {
        g_logState = LogReportState::kOutside;
    } else {
        ParseTapeUnitRow(line, output, status, reason);
        return;
    }
    Succeed(status, reason);
}

void ParseDisplayGroupReply(std::string_view line, PcfMessage &output, int32_t &status, int32_t &reason)
{
    status = MQCC_FAILED;
    reason = ZEM_RC_MQSC_BAD_REPORT;
    if (WordIs(line, 1, "CSQ5100I") || WordIs(line, 1, "CSQ9022I")) {
        g_groupState = GroupReportState::kIdle;
    } else if (WordIs(line, 1, "CSQ5102I")) {
        // The member table follows even when the group's name is missing from the line.
        g_groupState = GroupReportState::kGroupSeen;
        if (!AppendWordStr(line, 7, output, EXPRM_GROUP_NAME, reason))
            return;
    } else if (WordIs(line, 1, "CSQ5103I")) {
        g_groupState = GroupReportState::kSecondSeen;
    } else if (g_groupState == GroupReportState::kGroupSeen && WordIs(line, 1, "Name")) {
        g_groupState = GroupReportState::kMemberTable;
    } else if (g_groupState == GroupReportState::kSecondSeen && WordIs(line, 1, "Name")) {
        g_groupState = GroupReportState::kSecondTable;
    } else if (g_groupState != GroupReportState::kMemberTable && g_groupState != GroupReportState::kSecondTable) {
        // a line outside the tables carries nothing
    } else if ((WordIs(line, 1, "End") && WordIs(line, 2, "of")) ||
               (WordIs(line, 1, "Report") && (WordIs(line, 2, "terminated,") || WordIs(line, 2, "terminate,")))) {
        g_groupState = GroupReportState::kIdle;
    } else if (g_groupState == GroupReportState::kMemberTable) {
        ParseMemberRow(line, output, status, reason);
        return;
    } else {
        ParseSecondTableRow(line, output, status, reason);
        return;
    }
    Succeed(status, reason);
}

void ConvertReplyMessage(PcfMessage &input, PcfMessage &output, int32_t &status, int32_t &reason, int32_t &count,
                         ReplyReading &reading)
{
    status = MQCC_FAILED;
    if (!IsCoherent(input.PcfMsg, 0)) {
        reason = ZEM_RC_MQSC_UNKNOWN;
        return;
    }
    if (!IsCoherent(output.PcfMsg, ZEM_MQCFH_LENGTH)) {
        reason = ZEM_RC_MQSC_NO_ROOM;
        return;
    }
    ReplyText reply(input.PcfMsg);
    int32_t command = ReadWord(output.PcfMsg, kCommandOffset);
    switch (command) {
    case MQCMD_ESCAPE: ConvertEscapeReply(reply.text(), output, status, reason); return;
    case EXCMD_SET_LOG:
        count = 0;
        ParseSetLogReply(reply.view(), output, status, reason);
        break;
    case EXCMD_DISPLAY_LOG:
        count = 0;
        ParseDisplayLogReply(reply.view(), output, status, reason);
        break;
    case EXCMD_DISPLAY_GROUP:
        count = 0;
        ParseDisplayGroupReply(reply.view(), output, status, reason);
        break;
    default: ConvertGenericReply(reply, output, command, status, reason, count, reading); break;
    }
    if (output.PcfMsg.Used > output.PcfMsg.Size) {
        status = MQCC_FAILED;
        reason = ZEM_RC_MQSC_NO_ROOM;
    }
}

}  // namespace zem

namespace {

// zemMqsc2Pcf, handing back what the reading gathered.
void ConvertReply(PcfMessage *input, PcfMessage *output, int32_t *status, int32_t *reason, int32_t *count,
                  zem::ReplyReading &reading)
{
    if (status == nullptr || reason == nullptr || count == nullptr)
        return;
    if (input == nullptr || output == nullptr) {
        *status = zem::mq::MQCC_FAILED;
        *reason = input == nullptr ? ZEM_RC_MQSC_UNKNOWN : ZEM_RC_MQSC_NO_ROOM;
        return;
    }
    try {
        zem::ConvertReplyMessage(*input, *output, *status, *reason, *count, reading);
    } catch (const std::bad_alloc &) {
        *status = zem::mq::MQCC_FAILED;
        *reason = ZEM_RC_MQSC_NO_ROOM;
    }
}

}  // namespace

extern "C" ZEMAPI(void) zemMqsc2Pcf(PcfMessage *input, PcfMessage *output, int32_t *status, int32_t *reason,
                                    int32_t *count)
{
    zem::ReplyReading reading;
    ConvertReply(input, output, status, reason, count, reading);
}

extern "C" ZEMAPI(void) zemMqsc2PcfEx(PcfMessage *input, PcfMessage *output, int32_t *status, int32_t *reason,
                                      int32_t *count, int32_t *skipped, char *skippedNames, int32_t namesSize)
{
    zem::ReplyReading reading;
    ConvertReply(input, output, status, reason, count, reading);
    if (skipped != nullptr)
        *skipped = reading.skippedCount;
    if (skippedNames != nullptr && namesSize > 0) {
        std::size_t length = std::min(reading.skippedNames.size(), static_cast<std::size_t>(namesSize) - 1);
        std::memcpy(skippedNames, reading.skippedNames.data(), length);
        skippedNames[length] = '\0';
    }
}
