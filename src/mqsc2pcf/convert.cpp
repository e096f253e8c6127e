#include "mqsc2pcf/convert.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "cmdtable/cmdtable.h"
#include "cmdtable/param_index.h"
#include "foundation/boundary.h"
#include "foundation/mq_constants.h"
#include "mqsc2pcf/scanner.h"
#include "pcf/structures.h"

namespace zem {

using namespace zem::mq;

namespace {
constexpr int32_t kFailed = MQCC_FAILED;
}  // namespace

// In the order the table has always been searched.
const MessageIdRow kCsqRows[] = {
    {"CSQM090E", kFailed, MQRCCF_COMMAND_FAILED},
    {"CSQM091E", kFailed, MQRCCF_COMMAND_FAILED},
    {"CSQM092I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM093I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM094I", kFailed, MQRC_UNKNOWN_OBJECT_NAME},
    {"CSQM095I", kFailed, MQRCCF_OBJECT_ALREADY_EXISTS},
    {"CSQM096I", kFailed, MQRCCF_CFST_LENGTH_ERROR},
    {"CSQM097I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM098I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM099I", kFailed, MQRCCF_OBJECT_WRONG_TYPE},
    {"CSQM100I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM101I", kFailed, MQRCCF_OBJECT_OPEN},
    {"CSQM102I", kFailed, MQRCCF_COMMAND_FAILED},
    {"CSQM103I", kFailed, MQRC_Q_NOT_EMPTY},
    {"CSQM104I", kFailed, MQRCCF_OBJECT_OPEN},
    {"CSQM105I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM106I", kFailed, MQRCCF_LIKE_OBJECT_WRONG_TYPE},
    {"CSQM107I", kFailed, MQRCCF_COMMAND_FAILED},
    {"CSQM108I", kFailed, MQRCCF_OBJECT_WRONG_TYPE},
    {"CSQM109I", kFailed, MQRCCF_OBJECT_OPEN},
    {"CSQM110I", kFailed, MQRC_Q_NOT_EMPTY},
    {"CSQM111I", kFailed, MQRCCF_MQPUT_FAILED},
    {"CSQM112I", kFailed, MQRCCF_NO_STORAGE},
    {"CSQM113I", kFailed, MQRCCF_NO_STORAGE},
    {"CSQM120I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM121I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM122I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM123I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM124I", kFailed, MQRCCF_PARM_COUNT_TOO_SMALL},
    {"CSQM125I", kFailed, MQRC_UNKNOWN_OBJECT_NAME},
    {"CSQM126I", kFailed, MQRCCF_ATTR_VALUE_ERROR},
    {"CSQM127I", kFailed, MQRCCF_PARM_COUNT_TOO_SMALL},
    {"CSQM128E", kFailed, MQRCCF_MQPUT_FAILED},
    {"CSQM129I", kFailed, MQRCCF_OBJECT_WRONG_TYPE},
    {"CSQM130I", MQCC_OK, MQRC_NONE},
    {"CSQM131I", kFailed, MQRCCF_COMMAND_FAILED},
    {"CSQM132I", kFailed, MQRCCF_OBJECT_ALREADY_EXISTS},
    {"CSQM134I", MQCC_OK, MQRC_NONE},
    {"CSQM135I", MQCC_OK, MQRC_NONE},
    {"CSQM136I", MQCC_OK, MQRC_NONE},
    {"CSQM137I", MQCC_OK, MQRC_NONE},
    {"CSQM138I", MQCC_OK, MQRC_NONE},
    {"CSQM139I", kFailed, MQRCCF_LISTENER_NOT_STARTED},
    {"CSQM140I", kFailed, MQRCCF_LISTENER_NOT_STARTED},
    {"CSQM141I", kFailed, MQRCCF_PARM_COUNT_TOO_SMALL},
    {"CSQM142I", MQCC_OK, MQRC_NONE},
    {"CSQM143I", MQCC_OK, MQRC_NONE},
    {"CSQM201I", MQCC_OK, MQRC_NONE},
    {"CSQM202I", MQCC_OK, MQRC_NONE},
    {"CSQM203I", MQCC_OK, MQRC_NONE},
    {"CSQM204I", MQCC_OK, MQRC_NONE},
    {"CSQM205I", MQCC_OK, MQRC_NONE},
    {"CSQM206I", MQCC_OK, MQRC_NONE},
    {"CSQM297I", kFailed, MQRC_UNKNOWN_OBJECT_NAME},
    {"CSQM298I", kFailed, MQRCCF_NO_STORAGE},
    {"CSQM299I", kFailed, MQRCCF_NO_STORAGE},
    {"CSQM401I", MQCC_OK, MQRC_NONE},
    {"CSQM402I", MQCC_OK, MQRC_NONE},
    {"CSQM403I", MQCC_OK, MQRC_NONE},
    {"CSQM406I", MQCC_OK, MQRC_NONE},
    {"CSQM407I", MQCC_OK, MQRC_NONE},
    {"CSQM408I", MQCC_OK, MQRC_NONE},
    {"CSQM409I", MQCC_OK, MQRC_NONE},
    {"CSQM410I", MQCC_OK, MQRC_NONE},
    {"CSQM411I", MQCC_OK, MQRC_NONE},
    {"CSQM412I", MQCC_OK, MQRC_NONE},
    {"CSQM413I", MQCC_OK, MQRC_NONE},
    {"CSQM414I", MQCC_OK, MQRC_NONE},
    {"CSQX533I", kFailed, MQRCCF_CHANNEL_NOT_ACTIVE},
    {"CSQ9022I", MQCC_OK, MQRC_NONE},
    {"CSQ9016E", kFailed, MQRC_NOT_AUTHORIZED},  // "'verb' command request not authorized"
    {"CSQM999I", kFailed, MQRC_UNKNOWN_OBJECT_NAME},
};
const int kCsqRowCount = sizeof kCsqRows / sizeof kCsqRows[0];

namespace {

// First level: a family matches on the first three characters of its prefix, so "CSQM"
// stands for every id of the command server ("CSQX...", "CSQ9..." included). Replies of
// distributed queue managers have no rows: their ids are not known.
struct MessageIdFamily {
    const char *prefix;
    const MessageIdRow *rows;
    int rowCount;
};
const MessageIdFamily kFamilies[] = {
    {"CSQM", kCsqRows, kCsqRowCount},
    {"AMQ", nullptr, 0},
};
constexpr std::size_t kFamilyPrefixChars = 3;

// Ids whose meaning depends on the command: "no ... found matching request criteria" is
// an unknown object for every inquiry but channel status, as a distributed command
// server answers.
struct CommandMessageRow {
    const char *messageId;
    int32_t command;
    int32_t compCode;
    int32_t reason;
};
const CommandMessageRow kCommandRows[] = {
    {"CSQM297I", MQCMD_INQUIRE_CHANNEL_STATUS, kFailed, MQRCCF_CHL_STATUS_NOT_FOUND},
};

// The command-response header CSQN205I says in RETURN= whether the command server ran
// the command (0) or not; its REASON is a z/OS code with no PCF counterpart.
const char kCommandResponseHeader[] = "CSQN205I";
const char kReturnPrefix[] = "RETURN=";

thread_local MqscParam *g_currentCommand = nullptr;

bool IdBefore(const MessageIdRow *row, const char *id) { return std::strcmp(row->messageId, id) < 0; }

// A family's rows by id, built once; rows of one id stay in stored order, so the first
// found is the one a search in stored order gives.
std::vector<const MessageIdRow *> RowsById(const MessageIdFamily &family)
{
    std::vector<const MessageIdRow *> rows;
    for (int i = 0; i < family.rowCount; ++i)
        rows.push_back(&family.rows[i]);
    std::sort(rows.begin(), rows.end(), [](const MessageIdRow *a, const MessageIdRow *b) {
        int order = std::strcmp(a->messageId, b->messageId);
        return order != 0 ? order < 0 : a < b;
    });
    return rows;
}

const MessageIdRow *FindRow(const MessageIdFamily &family, const char *messageId)
{
    static const std::vector<std::vector<const MessageIdRow *>> byFamily = [] {
        std::vector<std::vector<const MessageIdRow *>> families;
        for (const auto &each : kFamilies)
            families.push_back(RowsById(each));
        return families;
    }();
    const auto &rows = byFamily[static_cast<std::size_t>(&family - kFamilies)];
    auto found = std::lower_bound(rows.begin(), rows.end(), messageId, IdBefore);
    return found != rows.end() && std::strcmp((*found)->messageId, messageId) == 0 ? *found : nullptr;
}

// atol as the command server's numbers need it: base 10, saturating at the int32 range
// instead of wrapping a value no MQ integer can hold.
int32_t TextToInt32(const char *text)
{
    // Most values are a few plain digits: read those here, the rest (blanks before the
    // number, a sign, nine digits or more) through strtol.
    int32_t digits = 0;
    std::size_t count = 0;
    for (; count < 9 && text[count] >= '0' && text[count] <= '9'; ++count)
        digits = digits * 10 + (text[count] - '0');
    if (count > 0 && !(text[count] >= '0' && text[count] <= '9'))
        return digits;
    long value = std::strtol(text, nullptr, 10);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool IsStringRecord(int32_t type)
{
    return type == MQSC_CMD || type == MQSC_STR || type == MQSC_STRLIST || type == MQSC_ENUMLIST || type == MQSC_LIST;
}

bool HasEmptyName(const MqscKeyword &record) { return record.name == nullptr || record.name[0] == '\0'; }

bool IsNamed(const MqscKeyword &record, const char *name)
{
    return record.name != nullptr && std::strcmp(record.name, name) == 0;
}

// The channel exit lists hold at least one (blank) name; other lists may hold none.
bool ListHasAnEntryWhenEmpty(int32_t id)
{
    return id == MQCACH_MSG_EXIT_NAME || id == MQCACH_MSG_EXIT_USER_DATA || id == MQCACH_SEND_EXIT_NAME ||
           id == MQCACH_SEND_EXIT_USER_DATA || id == MQCACH_RCV_EXIT_NAME || id == MQCACH_RCV_EXIT_USER_DATA;
}

// An element of a list text without its surrounding blanks and quotes.
std::string_view BareElement(std::string_view element)
{
    const char *trimmed = " '";
    std::size_t first = element.find_first_not_of(trimmed);
    if (first == std::string_view::npos)
        return {};
    return element.substr(first, element.find_last_not_of(trimmed) - first + 1);
}

// MQSC writes -1 as a word for two integers: KAINT(AUTO) and EXPIRY(UNLIMITED).
void ReplaceMinusOneWord(const MqscKeyword &record, const char *&text, std::size_t &length)
{
    if ((record.id == MQIACH_KEEP_ALIVE_INTERVAL && std::strcmp(text, "AUTO") == 0) ||
        (record.id == MQIACF_EXPIRY && std::strcmp(text, "UNLIMITED") == 0)) {
        text = "-1";
        length = 2;
    }
}

// A block of bytes a thread keeps for building its PCF messages in.
struct BuildBlock {
    std::unique_ptr<unsigned char[]> bytes;
    std::size_t capacity = 0;
};

// A thread's work areas, kept from one conversion to its next: the two 16 KB items, the
// value buffer and the build block would otherwise be allocated, and the items zero-filled,
// for every reply.
struct WorkAreas {
    MqscItem status{};
    MqscItem item{};
    char taken[kTakeValueSize] = {};
    BuildBlock block;
};
thread_local std::unique_ptr<WorkAreas> t_work;

WorkAreas &Work()
{
    if (!t_work)
        t_work = std::make_unique<WorkAreas>();
    return *t_work;
}

// A PCF message under construction in the thread's build block, never larger than the
// room it is to be copied into. A block grown beyond kKeptBlockSize is released after use.
// (A plain growing block rather than a standard container: the library exports nothing
// but its own interface, and out-of-line container members would be exported with it.)
class PcfBuilder {
public:
    PcfBuilder(int32_t room, BuildBlock &block) : room_(room > 0 ? room : 0), block_(block) {}
    ~PcfBuilder()
    {
        if (block_.capacity > kKeptBlockSize) {
            block_.bytes.reset();
            block_.capacity = 0;
        }
    }
    PcfBuilder(const PcfBuilder &) = delete;
    PcfBuilder &operator=(const PcfBuilder &) = delete;

    bool Fits(int64_t length) const { return length >= 0 && length <= room_ - Size(); }
    int64_t Size() const { return static_cast<int64_t>(size_); }
    const unsigned char *Data() const { return block_.bytes.get(); }

    void Word(int32_t value) { Bytes(&value, sizeof value); }
    // The first `length` bytes of a structure's C layout: its fixed part.
    template <class Layout> void Fixed(const Layout &layout, std::size_t length = sizeof(Layout))
    {
        Bytes(&layout, length);
    }
    void Text(const char *text, std::size_t length) { Bytes(text, length); }
    void Fill(unsigned char byte, std::size_t count)
    {
        Grow(count);
        if (count > 0)
            std::memset(block_.bytes.get() + size_, byte, count);
        size_ += count;
    }
    void PutWord(std::size_t offset, int32_t value) { std::memcpy(block_.bytes.get() + offset, &value, sizeof value); }

private:
    static constexpr std::size_t kKeptBlockSize = 64 * 1024;

    void Bytes(const void *data, std::size_t length)
    {
        Grow(length);
        if (length > 0)
            std::memcpy(block_.bytes.get() + size_, data, length);
        size_ += length;
    }
    // Callers check Fits first, so the block never grows beyond the room.
    void Grow(std::size_t more)
    {
        if (size_ + more <= block_.capacity)
            return;
        std::size_t needed = size_ + more;
        std::size_t capacity = block_.capacity < 2048 ? 4096 : 2 * block_.capacity;
        if (capacity > static_cast<std::size_t>(room_))
            capacity = static_cast<std::size_t>(room_);
        if (capacity < needed)
            capacity = needed;
        std::unique_ptr<unsigned char[]> bytes(new unsigned char[capacity]);
        if (size_ > 0)
            std::memcpy(bytes.get(), block_.bytes.get(), size_);
        block_.bytes = std::move(bytes);
        block_.capacity = capacity;
    }

    int64_t room_;
    BuildBlock &block_;
    std::size_t size_ = 0;
};

int64_t Padded(int64_t length) { return (length + 3) & ~int64_t{3}; }

bool AppendInteger(PcfBuilder &pcf, int32_t parameter, int32_t value)
{
    if (!pcf.Fits(ZEM_MQCFIN_LENGTH))
        return false;
    pcf.Fixed(ZEM_MQCFIN{ZEM_MQCFT_INTEGER, ZEM_MQCFIN_LENGTH, parameter, value});
    return true;
}

bool AppendString(PcfBuilder &pcf, int32_t parameter, std::string_view text)
{
    std::size_t length = text.size();
    int64_t strucLength = Padded(ZEM_MQCFST_LENGTH_FIXED + static_cast<int64_t>(length));
    if (!pcf.Fits(strucLength))
        return false;
    pcf.Fixed(ZEM_MQCFST{ZEM_MQCFT_STRING,
                         static_cast<int32_t>(strucLength),
                         parameter,
                         0 /* CodedCharSetId */,
                         static_cast<int32_t>(length),
                         {}},
              ZEM_MQCFST_LENGTH_FIXED);
    pcf.Text(text.data(), length);
    pcf.Fill(0, static_cast<std::size_t>(strucLength - ZEM_MQCFST_LENGTH_FIXED) - length);
    return true;
}

// Every element gets a slot of the longest element's length, blank-padded. An empty
// text is no element, or one empty one for the lists that always hold one.
bool AppendStringList(PcfBuilder &pcf, int32_t parameter, std::string_view text)
{
    std::vector<std::string> elements;
    if (!text.empty() || ListHasAnEntryWhenEmpty(parameter))
        elements = SplitListText(text);
    std::size_t longest = 0;
    for (const auto &element : elements)
        longest = std::max(longest, element.size());
    int64_t slotsLength = static_cast<int64_t>(elements.size()) * static_cast<int64_t>(longest);
    int64_t strucLength = Padded(ZEM_MQCFSL_LENGTH_FIXED + slotsLength);
    if (strucLength > INT32_MAX || !pcf.Fits(strucLength))
        return false;
    pcf.Fixed(ZEM_MQCFSL{ZEM_MQCFT_STRING_LIST,
                         static_cast<int32_t>(strucLength),
                         parameter,
                         0 /* CodedCharSetId */,
                         static_cast<int32_t>(elements.size()),
                         static_cast<int32_t>(longest),
                         {}},
              ZEM_MQCFSL_LENGTH_FIXED);
    for (const auto &element : elements) {
        pcf.Text(element.data(), element.size());
        pcf.Fill(' ', longest - element.size());
    }
    pcf.Fill(0, static_cast<std::size_t>(strucLength - ZEM_MQCFSL_LENGTH_FIXED - slotsLength));
    return true;
}

// The value record of an enumeration that value (of length characters) names, or NULL.
MqscKeyword *FindEnumValue(const MqscKeyword &record, const char *value, std::size_t length)
{
    bool indexed = false;
    MqscKeyword *found = FindIndexedValueByName(&record, value, length, indexed);
    return indexed ? found : FindCmdKeyword(record.values, kFindByName, value);
}

// A list of value keywords as the integers they stand for (COMPMSG(RLE,ZLIBFAST) gives
// [1, 2]); a word that is none of the keyword's values is left out.
bool AppendValueList(PcfBuilder &pcf, const MqscKeyword &record, std::string_view text)
{
    std::vector<std::string> elements = SplitListText(text);
    std::vector<int32_t> numbers(elements.size());  // sized once: see PcfBuilder
    std::size_t count = 0;
    for (const auto &element : elements) {
        std::string word(BareElement(element));
        MqscKeyword *value =
            word.empty() || record.values == nullptr ? nullptr : FindEnumValue(record, word.c_str(), word.size());
        if (value != nullptr)
            numbers[count++] = value->id;
    }
    int64_t strucLength = ZEM_MQCFIL_LENGTH_FIXED + int64_t{sizeof(int32_t)} * static_cast<int64_t>(count);
    if (strucLength > INT32_MAX || !pcf.Fits(strucLength))
        return false;
    pcf.Fixed(ZEM_MQCFIL{ZEM_MQCFT_INTEGER_LIST,
                         static_cast<int32_t>(strucLength),
                         record.id,
                         static_cast<int32_t>(count),
                         {}},
              ZEM_MQCFIL_LENGTH_FIXED);
    for (std::size_t i = 0; i < count; ++i)
        pcf.Word(numbers[i]);
    return true;
}

// Writes one marked record as its PCF structure, taking its value out of the table.
// reason: 5001 for a record type that has no PCF form, 5003 when it does not fit.
bool AppendRecord(PcfBuilder &pcf, MqscKeyword &record, int32_t &reason)
{
    bool appended = false;
    switch (record.type) {
    case MQSC_FLAG: appended = AppendInteger(pcf, record.id, 0); break;
    case MQSC_INT: appended = AppendInteger(pcf, record.id, HeldInteger(record)); break;
    case MQSC_ENUM: {
        const MqscKeyword *valueRecord = HeldValueRecord(record);
        appended = AppendInteger(pcf, record.id, valueRecord != nullptr ? valueRecord->id : 0);
        break;
    }
    case MQSC_STR:
    case MQSC_STRLIST:
    case MQSC_ENUMLIST:
    case MQSC_LIST: {
        std::string_view text = HeldText(record);
        appended = record.type == MQSC_STR        ? AppendString(pcf, record.id, text)
                   : record.type == MQSC_ENUMLIST ? AppendValueList(pcf, record, text)
                                                  : AppendStringList(pcf, record.id, text);
        ReleaseHeldText(record);
        break;
    }
    default: reason = ZEM_RC_MQSC_BAD_TYPE; return false;
    }
    if (!appended)
        reason = ZEM_RC_MQSC_NO_ROOM;
    return appended;
}

// The PCF response of the current command: an MQCFH that carries what the message id
// says, then one structure per marked record in list order. It is built aside and copied
// into the output only when it fits, so a failure leaves the output as it was.
bool EmitMessage(PcfArea &output, int32_t &reason, const MessageIdOutcome *replyOutcome = nullptr)
{
    MqscParam *list = g_currentCommand;
    if (list == nullptr || list[0].keyword == nullptr) {
        reason = ZEM_RC_MQSC_UNKNOWN;
        return false;
    }
    MqscKeyword &command = *list[0].keyword;
    WorkAreas &work = Work();
    char(&taken)[kTakeValueSize] = work.taken;
    taken[0] = '\0';
    TakeKeywordValue(&command, taken);
    command.isSet = 0;
    std::string messageId(taken, strnlen(taken, kMessageIdChars));
    MessageIdOutcome outcome =
        replyOutcome != nullptr ? *replyOutcome : LookUpReplyOutcome(messageId.c_str(), command.id);

    PcfBuilder pcf(output.length, work.block);
    if (output.area == nullptr || !pcf.Fits(ZEM_MQCFH_LENGTH)) {
        reason = ZEM_RC_MQSC_NO_ROOM;
        return false;
    }
    pcf.Fixed(ZEM_MQCFH{ZEM_MQCFT_RESPONSE, ZEM_MQCFH_LENGTH, 1 /* Version */, command.id, 1 /* MsgSeqNumber */,
                        MQCFC_LAST, outcome.compCode, outcome.reason, 0 /* ParameterCount */});

    int32_t parameterCount = 0;
    for (MqscParam *entry = list + 1; entry->keyword != nullptr; ++entry) {
        MqscKeyword &record = *entry->keyword;
        if (record.isSet != 1)
            continue;
        if (!AppendRecord(pcf, record, reason))
            return false;
        record.isSet = 0;  // a record listed twice is written once
        pcf.PutWord(kHeaderCountOffset, ++parameterCount);
    }
    std::memcpy(output.area, pcf.Data(), static_cast<std::size_t>(pcf.Size()));
    output.length = static_cast<int32_t>(pcf.Size());
    reason = 0;
    return true;
}

bool CommandToPcf(const MqscItem &item, int32_t command, int32_t &reason)
{
    MqscKeyword *record = FindCmdKeyword(GetCmdTbl(), kFindById, &command);
    if (record == nullptr) {
        reason = ZEM_RC_MQSC_UNKNOWN;
        return false;
    }
    if (record->params == nullptr) {
        reason = ZEM_RC_MQSC_NO_PARAMS;
        return false;
    }
    g_currentCommand = record->params;
    SetKeywordValue(record, item.value, static_cast<int32_t>(strnlen(item.value, sizeof item.value)));
    record->isSet = 1;
    return true;
}

// StringToPcf for a value text of length characters (at most a value field's).
bool StringTextToPcf(const char *value, std::size_t length, MqscKeyword &record, int32_t &reason)
{
    if (!IsStringRecord(record.type)) {
        reason = ZEM_RC_MQSC_BAD_TYPE;
        return false;
    }
    SetKeywordValue(&record, value, static_cast<int32_t>(length));
    record.isSet = 1;
    return true;
}

bool StringToPcf(const MqscItem &item, MqscKeyword &record, int32_t &reason)
{
    return StringTextToPcf(item.value, strnlen(item.value, sizeof item.value), record, reason);
}

// IntegerToPcf for a terminated value text of length characters.
bool IntegerTextToPcf(const char *value, std::size_t length, MqscKeyword &record, int32_t &reason)
{
    if (record.type == MQSC_ENUM) {
        MqscKeyword *valueRecord = FindEnumValue(record, value, length);
        if (valueRecord == nullptr) {
            reason = ZEM_RC_MQSC_UNKNOWN;
            return false;
        }
        HoldValueRecord(record, valueRecord);
    } else if (record.type == MQSC_INT) {
        HoldInteger(record, TextToInt32(value));
    } else if (record.type == MQSC_FLAG) {
        NoteTouched(&record);  // marked, with nothing stored
    } else {
        reason = ZEM_RC_MQSC_BAD_TYPE;
        return false;
    }
    record.isSet = 1;
    return true;
}

bool IntegerToPcf(const MqscItem &item, MqscKeyword &record, int32_t &reason)
{
    // A value that fills its field has no NUL: it is read from a terminated copy.
    if (const void *end = std::memchr(item.value, '\0', sizeof item.value - 1))
        return IntegerTextToPcf(item.value, static_cast<const char *>(end) - item.value, record, reason);
    std::string filled(item.value, sizeof item.value - 1);
    return IntegerTextToPcf(filled.c_str(), filled.size(), record, reason);
}

}  // namespace

MessageIdOutcome LookUpMessageId(const char *messageId)
{
    for (const auto &family : kFamilies) {
        if (std::strncmp(family.prefix, messageId, kFamilyPrefixChars) != 0)
            continue;
        if (const MessageIdRow *row = FindRow(family, messageId))
            return {row->compCode, row->reason};
        break;
    }
    // An end or error message the table does not hold still says the command failed.
    std::size_t length = std::strlen(messageId);
    char severity = length > 0 ? messageId[length - 1] : '\0';
    if (IsMessageId(messageId) && (severity == 'E' || severity == 'A'))
        return {kFailed, MQRCCF_COMMAND_FAILED};
    return {-1, 0};
}

MessageIdOutcome LookUpReplyOutcome(const char *messageId, int32_t command)
{
    for (const auto &row : kCommandRows)
        if (row.command == command && std::strcmp(row.messageId, messageId) == 0)
            return {row.compCode, row.reason};
    return LookUpMessageId(messageId);
}

void FoldOutcome(MessageIdOutcome &reply, MessageIdOutcome message)
{
    if (message.compCode == -1)
        return;
    if (reply.compCode != kFailed) {
        reply = message;
        return;
    }
    if (message.compCode == kFailed && reply.reason == MQRCCF_COMMAND_FAILED && message.reason != MQRCCF_COMMAND_FAILED)
        reply = message;
}

bool IsMessageId(std::string_view token)
{
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    auto upperOrDigit = [&](char c) { return digit(c) || (c >= 'A' && c <= 'Z'); };
    return token.size() == 8 && token.substr(0, 3) == "CSQ" && upperOrDigit(token[3]) && digit(token[4]) &&
           digit(token[5]) && digit(token[6]) && token[7] >= 'A' && token[7] <= 'Z';
}

void ReplyReading::NoteMessageId(const char *messageId, int32_t command)
{
    inCommandResponseHeader = std::strcmp(messageId, kCommandResponseHeader) == 0;
    FoldOutcome(outcome, LookUpReplyOutcome(messageId, command));
}

void ReplyReading::NoteSkipped(const char *keyword)
{
    ++skippedCount;
    if (skippedListed == kSkippedNamesListed)
        return;
    std::string padded = " " + skippedNames + " ";
    if (padded.find(" " + std::string(keyword) + " ") != std::string::npos)
        return;
    if (!skippedNames.empty())
        skippedNames += ' ';
    skippedNames += keyword;
    ++skippedListed;
}

// Calls element(start, length) for each element of a list text.
template <class Element> void ForEachListElement(std::string_view text, Element element)
{
    bool quoted = false;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')') {
            if (depth > 0)
                --depth;  // a stray ')' does not stop later commas from separating
        } else if (!quoted && depth == 0 && c == ',') {
            element(start, i - start);
            start = i + 1;
        }
    }
    element(start, text.size() - start);
}

std::vector<std::string> SplitListText(std::string_view text)
{
    std::size_t count = 0;
    ForEachListElement(text, [&](std::size_t, std::size_t) { ++count; });
    std::vector<std::string> elements(count);  // sized once: see PcfBuilder
    std::size_t n = 0;
    ForEachListElement(text, [&](std::size_t start, std::size_t length) {
        elements[n++].assign(text.data() + start, length);
    });
    return elements;
}

namespace {

// A value as the reader reads it: a terminated text of length characters, in the reply
// text itself or in the reading item.
struct ValueText {
    const char *text = "";
    std::size_t length = 0;
};

// The value in parentheses; false when there is none or it was cut off at the end of the
// text (a cut value is no value).
bool ReadWholeValue(MqscItem &item, ValueText &value)
{
    bool closed = false;
    return ReadReplyValue(item, closed, value.text, value.length) && closed;
}

bool ReadWholeValue(MqscItem &item)
{
    ValueText value;
    return ReadWholeValue(item, value);
}

// "QLOCAL(Q2)": the parenthesised text after a value keyword is the name of the object,
// held by the first positional string of the command (the queue name of DELETE).
void ReadObjectName(MqscItem &item)
{
    ValueText value;
    if (!ReadWholeValue(item, value))
        return;
    for (MqscParam *entry = g_currentCommand + 1; entry->keyword != nullptr; ++entry) {
        if (entry->nameMode == 2 && entry->keyword->type == MQSC_STR) {
            int32_t ignored = 0;
            StringTextToPcf(value.text, value.length, *entry->keyword, ignored);
            return;
        }
    }
}

// "RETURN=0000000C" of the command-response header: the command was not run.
void ReadCommandReturn(const char *word, ReplyReading &reading)
{
    const char *digits = word + sizeof kReturnPrefix - 1;
    char *end = nullptr;
    unsigned long returnCode = std::strtoul(digits, &end, 16);
    if (end == digits)
        return;
    FoldOutcome(reading.outcome, returnCode == 0 ? MessageIdOutcome{MQCC_OK, MQRC_NONE}
                                                 : MessageIdOutcome{kFailed, MQRCCF_COMMAND_FAILED});
}

// The record of the current command that a reply's keyword names, and whether by its own
// name rather than one of its value names.
MqscKeyword *FindReplyKeyword(const ParamNames &names, const char *name, std::size_t length, bool &ownName)
{
    if (names.indexed())
        return names.find(name, length, ownName);
    MqscKeyword *record = FindCmdParamByName(g_currentCommand, name, length);
    ownName = record != nullptr && IsNamed(*record, name);
    return record;
}

}  // namespace

// Reads the values of the reply's keywords into the current command's records. A
// keyword takes a value only from a parenthesis that follows it; message ids met on the
// way go into the reply's outcome. Returns false (reason 5001, count set) at a record
// type that has no PCF form.
bool ReadReplyKeywords(MqscItem &item, ReplyReading &reading, int32_t &reason, int32_t &count)
{
    if (g_currentCommand == nullptr || g_currentCommand[0].keyword == nullptr)
        return true;  // no command to read into
    const int32_t command = g_currentCommand[0].keyword->id;
    const ParamNames names(g_currentCommand);
    int32_t recognised = 0;
    char ended = 0;
    const char *name = nullptr;
    std::size_t nameLength = 0;
    while (ReadReplyIdent(item, ended, name, nameLength)) {
        if (nameLength == 0)
            continue;  // what is left after a nested value names nothing
        if (IsMessageId(std::string_view(name, nameLength))) {
            reading.NoteMessageId(name, command);
            continue;
        }
        if (reading.inCommandResponseHeader && std::strncmp(name, kReturnPrefix, sizeof kReturnPrefix - 1) == 0) {
            ReadCommandReturn(name, reading);
            continue;
        }
        const bool hasValue = TakeValueParenthesis(ended);
        bool ownName = false;
        MqscKeyword *record = FindReplyKeyword(names, name, nameLength, ownName);
        if (record == nullptr) {
            if (hasValue) {
                reading.NoteSkipped(name);
                ReadWholeValue(item);  // its value is no keyword either
            }
            continue;
        }
        ++recognised;
        int32_t ignored = 0;  // an unknown value keyword leaves its record as it was
        ValueText value;
        switch (record->type) {
        case MQSC_FLAG:
            IntegerTextToPcf("", 0, *record, ignored);  // a flag stores no number
            if (hasValue)
                ReadWholeValue(item);
            break;
        case MQSC_INT:
        case MQSC_ENUM:
            if (HasEmptyName(*record) || !ownName) {
                // A bare value keyword (NOSHARE) stands for its empty-named parameter; a
                // value keyword of a named one counts only when it names an object.
                if (!HasEmptyName(*record) && !hasValue)
                    break;
                IntegerTextToPcf(name, nameLength, *record, ignored);
                if (hasValue)
                    ReadObjectName(item);
                break;
            }
            if (!hasValue || !ReadWholeValue(item, value))
                break;
            ReplaceMinusOneWord(*record, value.text, value.length);
            IntegerTextToPcf(value.text, value.length, *record, ignored);
            break;
        case MQSC_STR:
        case MQSC_STRLIST:
        case MQSC_ENUMLIST:
        case MQSC_LIST:
            if (hasValue && ReadWholeValue(item, value))
                StringTextToPcf(value.text, value.length, *record, ignored);
            break;
        default:
            reason = ZEM_RC_MQSC_BAD_TYPE;
            count = recognised;
            return false;
        }
    }
    return true;
}

void ConvertMqscReply(char *text, PcfArea &output, int32_t command, int32_t &reason, int32_t &count,
                      ReplyReading &reading)
{
    ResetCmdTable();
    count = 0;
    // The two items are 16 KB each: kept off the stack of the caller's thread.
    WorkAreas &work = Work();
    MqscItem *status = &work.status;
    MqscItem *item = &work.item;
    if (!GetMqscStatus(text, status)) {
        reason = ZEM_RC_MQSC_UNKNOWN;
        return;
    }
    if (!CommandToPcf(*status, command, reason))
        return;
    reading.NoteMessageId(status->value, command);
    if (!ReadReplyKeywords(*item, reading, reason, count))
        return;
    if (EmitMessage(output, reason, &reading.outcome))
        reason = 0;
}

}  // namespace zem

extern "C" {

ZEMAPI(void) MqscToPcf(MqscText *input, PcfArea *output, int32_t command, int32_t *reason, int32_t *count)
{
    if (reason == nullptr || count == nullptr)
        return;
    *count = 0;
    if (input == nullptr || input->text == nullptr || output == nullptr) {
        *reason = ZEM_RC_MQSC_UNKNOWN;
        return;
    }
    try {
        zem::ReplyReading reading;
        zem::ConvertMqscReply(input->text, *output, command, *reason, *count, reading);
    } catch (const std::bad_alloc &) {
        *reason = ZEM_RC_MQSC_NO_ROOM;
    }
}

ZEMAPI(int32_t) MqscCmdToPcf(MqscItem *item, int32_t command, int32_t *reason)
{
    if (item == nullptr || reason == nullptr)
        return 0;
    return zem::CommandToPcf(*item, command, *reason) ? 1 : 0;
}

ZEMAPI(int32_t) MqscStrToPcf(MqscItem *item, MqscKeyword *keyword, int32_t *reason)
{
    if (item == nullptr || keyword == nullptr || reason == nullptr)
        return 0;
    return zem::StringToPcf(*item, *keyword, *reason) ? 1 : 0;
}

ZEMAPI(int32_t) MqscIntToPcf(MqscItem *item, MqscKeyword *keyword, int32_t *reason)
{
    if (item == nullptr || keyword == nullptr || reason == nullptr)
        return 0;
    return zem::AtCBoundary([&] { return zem::IntegerToPcf(*item, *keyword, *reason) ? 1 : 0; },
                            [&] {
                                *reason = ZEM_RC_MQSC_NO_ROOM;
                                return 0;
                            });
}

ZEMAPI(int32_t) EmitPcfMsg(PcfArea *output, int32_t *reason)
{
    if (output == nullptr || reason == nullptr)
        return 0;
    try {
        return zem::EmitMessage(*output, *reason) ? 1 : 0;
    } catch (const std::bad_alloc &) {
        *reason = ZEM_RC_MQSC_NO_ROOM;
        return 0;
    }
}

}  // extern "C"
