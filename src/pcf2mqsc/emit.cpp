// The writer: the marked entries of a command's parameter list, in list order.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf2mqsc/conversion_state.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

constexpr int32_t kNoSeparator = '*';
// Keyword ids whose -1 MQSC writes as a word rather than a number.
constexpr int32_t kExpiryId = 1244;
constexpr int32_t kKeepAliveId = 1566;
// Items on the first line when continuation lines are asked for (the verb included).
constexpr int32_t kFirstLineItems = 3;
// The longest item text: the item area less its NUL.
constexpr std::size_t kItemTextMax = kItemAreaSize - 1;

// The value text of a marked entry that writes its value; false when it cannot be had.
// An empty result with bare set means the keyword is written without a value: an
// enumeration or integer marked only by an attribute selector holds none.
bool ValueText(MqscKeyword &keyword, std::string &value, bool &bare)
{
    bare = false;
    switch (keyword.type) {
    case MQSC_CMD:
    case MQSC_FLAG: bare = true; return true;
    case MQSC_INT: {
        if (!HoldsValue(keyword)) {
            bare = true;
            return true;
        }
        int32_t number = 0;
        if (!TakeKeywordValue(&keyword, &number))
            return false;
        if (number == -1 && keyword.id == kExpiryId)
            value = "UNLIMITED";
        else if (number == -1 && keyword.id == kKeepAliveId)
            value = "AUTO";
        else
            value = std::to_string(number);
        return true;
    }
    case MQSC_STR:
    case MQSC_STRLIST:
    case MQSC_ENUMLIST:
    case MQSC_LIST: {
        // A value buffer per thread: allocating and zero-filling one per item costs more
        // than the item.
        thread_local std::unique_ptr<char[]> text;
        if (!text)
            text.reset(new char[kTakeValueSize]);
        text[0] = '\0';
        if (!TakeKeywordValue(&keyword, text.get()))
            return false;
        text[kTakeValueSize - 1] = '\0';
        value = text.get();
        value.erase(value.find_last_not_of(' ') + 1);
        if (value.empty())
            value = " ";
        return true;
    }
    case MQSC_ENUM: {
        if (keyword.value == 0) {
            bare = true;
            return true;
        }
        MqscKeyword valueRecord{};
        if (!TakeKeywordValue(&keyword, &valueRecord) || !valueRecord.name)
            return false;
        value = valueRecord.name;
        return true;
    }
    default: return false;
    }
}

// True when a list's held text is longer than a taken value and holds an apostrophe
// that the cut could part from its partner (a string list's items carry their own
// quotes). A single string is checked after doubling, against the room of its item.
bool HeldTextCutsQuotes(const MqscKeyword &keyword)
{
    if (keyword.type != MQSC_STRLIST && keyword.type != MQSC_ENUMLIST && keyword.type != MQSC_LIST)
        return false;
    const char *held = reinterpret_cast<const char *>(keyword.value);
    if (!held || strnlen(held, kTakeValueSize) < std::size_t(kTakeValueSize))
        return false;
    return std::strchr(held, '\'') != nullptr;
}

// True when format writes its value between apostrophes ("('%s')").
bool QuotesValue(const char *format) { return format && std::strstr(format, "'%s'"); }

// Appends the text of one item (keyword and formatted value) to piece, keeping the
// piece within the item area: a value too long for it is cut, unless it holds an
// apostrophe, where a cut could leave a quote open (reason 5003 then). Returns the
// reason: 0, or the one the conversion fails with.
int32_t AppendItemText(const MqscParam &entry, std::string &piece)
{
    MqscKeyword &keyword = *entry.keyword;
    if (entry.nameMode == 1 && keyword.name)
        piece += keyword.name;
    if (entry.valueMode != 1)
        return 0;
    if (HeldTextCutsQuotes(keyword))
        return ZEM_P2M_TEXT_TOO_LONG;
    std::string value;
    bool bare = false;
    if (!ValueText(keyword, value, bare))
        return ZEM_P2M_NOT_IN_TABLE;
    if (bare)
        return 0;
    if (QuotesValue(entry.format))
        value = QuoteApostrophes(value);
    const std::string framing = ApplyValueFormat(entry.format, "");
    const std::size_t used = piece.size() + framing.size();
    const std::size_t room = used < kItemTextMax ? kItemTextMax - used : 0;
    if (value.size() > room) {
        if (value.find('\'') != std::string::npos)
            return ZEM_P2M_TEXT_TOO_LONG;
        value.resize(room);
    }
    piece += ApplyValueFormat(entry.format, value);
    return 0;
}

}  // namespace

std::string QuoteApostrophes(std::string_view value)
{
    std::string quoted;
    quoted.reserve(value.size());
    for (char c : value) {
        quoted += c;
        if (c == '\'')
            quoted += c;
    }
    return quoted;
}

std::string ApplyValueFormat(const char *format, std::string_view value)
{
    std::string_view pattern = format ? format : "";
    std::size_t conversion = std::string_view::npos;
    for (std::size_t at = pattern.find('%'); at != std::string_view::npos; at = pattern.find('%', at + 1)) {
        if (at + 1 < pattern.size() && (pattern[at + 1] == 's' || pattern[at + 1] == 'd')) {
            conversion = at;
            break;
        }
    }
    if (conversion == std::string_view::npos)
        return std::string(pattern);
    std::string text(pattern.substr(0, conversion));
    text += value;
    text += pattern.substr(conversion + 2);
    return text;
}

int32_t EmitMqsc(int32_t command, MqscText &output, bool splitLines, int32_t &reason)
{
    MqscKeyword *commandRecord = FindCmdKeyword(GetCmdTbl(), kFindById, &command);
    if (!commandRecord) {
        reason = ZEM_P2M_NOT_IN_TABLE;
        return 0;
    }
    if (!commandRecord->params) {
        reason = ZEM_P2M_NO_PARAM_LIST;
        return 0;
    }
    const int64_t capacity = output.text ? output.length : 0;
    if (capacity > 0)
        output.text[0] = '\0';

    int32_t itemNumber = 1;
    int32_t breakDivisor = kFirstLineItems + 1;
    int32_t pendingSeparator = kNoSeparator;
    int64_t textLength = 0;
    std::string piece;  // one item's text, its storage reused from item to item
    for (const MqscParam *entry = commandRecord->params; entry->keyword && entry->use != 2; ++entry) {
        MqscKeyword &keyword = *entry->keyword;
        if (!keyword.isSet) {
            if (entry->use == 1) {
                reason = ZEM_P2M_REQUIRED_MISSING;
                return 0;
            }
            continue;
        }
        piece.clear();
        if (pendingSeparator != kNoSeparator && pendingSeparator > 0 && pendingSeparator < 256)
            piece += static_cast<char>(pendingSeparator);
        if (splitLines && itemNumber % breakDivisor == 0) {
            piece += "+\n";
            breakDivisor = 1;
        }
        reason = AppendItemText(*entry, piece);
        if (reason != 0)
            return 0;
        ++itemNumber;
        keyword.isSet = 0;
        if (textLength + int64_t(piece.size()) + 1 > capacity) {
            reason = ZEM_P2M_TEXT_TOO_LONG;
            return 0;
        }
        std::memcpy(output.text + textLength, piece.data(), piece.size());
        textLength += int64_t(piece.size());
        output.text[textLength] = '\0';
        pendingSeparator = entry->separator;
    }
    output.length = static_cast<int32_t>(textLength);
    reason = 0;
    return 1;
}

}  // namespace zem
