// One PCF command to one MQSC text in a second PcfMessage: the escape command, the
// table-driven conversion and the alteration-date WHERE clause.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/mq_constants.h"
#include "pcf/cursor.h"
#include "pcf/structures.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

constexpr char kTextFormat[8] = {'M', 'Q', 'S', 'T', 'R', ' ', ' ', ' '};

// A 32000-byte attribute holder for one look-up by parameter id, released at scope end.
class LookupHolder {
public:
    LookupHolder() { created_ = CreateMessage(&holder_, kLookupHolderSize) == 1; }
    ~LookupHolder()
    {
        if (created_)
            DeleteMessage(&holder_);
    }
    LookupHolder(const LookupHolder &) = delete;
    LookupHolder &operator=(const LookupHolder &) = delete;

    // Finds parameter id in the freshly indexed message; nullptr when the message cannot
    // be indexed (a stale index must not be read) or does not hold the parameter.
    MESSAGE *Find(PcfMessage &message, int32_t id)
    {
        if (!created_ || RawToPcf(&message) != 1)
            return nullptr;
        return GetAttrByID(id, &holder_, &message) == 1 ? &holder_ : nullptr;
    }

private:
    MESSAGE holder_{};
    bool created_ = false;
};

// The escape command's own text, at most capacity - 1 characters. Returns the reason.
int32_t EscapeText(PcfMessage &command, char *text, int64_t capacity, int64_t &textLength)
{
    textLength = 0;
    {
        LookupHolder holder;
        MESSAGE *escapeType = holder.Find(command, mq::MQIACF_ESCAPE_TYPE);
        int32_t type = 0;
        if (!escapeType || GetPcfIntAttrValue(escapeType, &type) != 1 || type != mq::MQET_MQSC)
            return mq::MQRCCF_ESCAPE_TYPE_ERROR;
    }
    LookupHolder holder;
    MESSAGE *escapeText = holder.Find(command, mq::MQCACF_ESCAPE_TEXT);
    if (!escapeText)
        return mq::MQRCCF_PARM_COUNT_TOO_SMALL;
    if (capacity < 1)
        return ZEM_P2M_TEXT_TOO_LONG;
    if (GetPcfStrAttrValue(escapeText, text, static_cast<int32_t>(capacity - 1)) != 1)
        return mq::MQRCCF_PARM_COUNT_TOO_SMALL;
    textLength = static_cast<int64_t>(std::strlen(text));
    return 0;
}

// True when a walk over every structure of the command, each within the data, meets no
// alteration-date parameter and ends exactly at the data's end: then the look-up below,
// with its 32000-byte holder, has nothing to find. Groups, and anything the walk cannot
// read, say nothing.
bool SurelyLacksAlterDate(const PcfDataDesc &input)
{
    const PcfCursor data(reinterpret_cast<unsigned char *>(const_cast<ZEM_MQCFH *>(input.pCfh)),
                         input.pCfh ? input.Length : 0);
    int32_t headerLength = 0, count = 0;
    if (!data.Read32(kStrucLengthOffset, headerLength) || !data.Read32(kHeaderCountOffset, count) ||
        headerLength < ZEM_MQCFH_LENGTH || count < 0)
        return false;
    int64_t offset = headerLength;
    for (int32_t number = 0; number < count; ++number) {
        StructHead head;
        int32_t parameter = 0;
        if (!ReadStructHead(data, offset, head) || !data.Read32(offset + kParameterOffset, parameter) ||
            head.strucLength < kParameterOffset + 4 || !data.Fits(offset, head.strucLength) ||
            head.type == ZEM_MQCFT_GROUP || parameter == mq::MQCA_ALTERATION_DATE)
            return false;
        offset += head.strucLength;
    }
    return offset == data.length();
}

// Appends " WHERE(ALTDATE GE value)" when the command carries a string filter on the
// alteration date. The filter's own operator is not used: discovery asks only for
// objects altered since a date. The value stands unquoted, so one holding a bracket or
// an apostrophe, which could end the clause and add keywords of its own, fails the
// conversion with 5002; so does a clause that does not fit, with 5003 (each only when
// nothing failed before). Neither is written.
void AppendAlterDateClause(PcfMessage &command, const PcfDataDesc &input, char *text, int64_t capacity,
                           int64_t &textLength, int32_t &reason)
{
    if (SurelyLacksAlterDate(input)) {
        RawToPcf(&command);  // callers read the command indexed after the conversion
        return;
    }
    LookupHolder holder;
    MESSAGE *filter = holder.Find(command, mq::MQCA_ALTERATION_DATE);
    char value[kAlterDateFilterChars + 1] = {};
    int32_t filterOperator = 0;
    if (!filter || GetPcfStrFltrAttrValue(filter, value, kAlterDateFilterChars, &filterOperator) != 1)
        return;
    if (std::strpbrk(value, "()'") != nullptr) {
        if (reason == 0)
            reason = ZEM_P2M_NOT_IN_TABLE;
        return;
    }
    const std::string clause = std::string(" WHERE(ALTDATE GE ") + value + ")";
    if (textLength + int64_t(clause.size()) + 1 > capacity) {
        if (reason == 0)
            reason = ZEM_P2M_TEXT_TOO_LONG;
        return;
    }
    std::memcpy(text + textLength, clause.c_str(), clause.size() + 1);
    textLength += int64_t(clause.size());
}

}  // namespace

void ConvertPcfCommandToMqsc(PcfMessage &command, PcfMessage &mqsc, bool splitLines, int32_t &compCode, int32_t &reason,
                             int32_t &failedParam)
{
    compCode = mq::MQCC_FAILED;
    MESSAGE &commandEnvelope = command.PcfMsg;
    MESSAGE &textEnvelope = mqsc.PcfMsg;

    PcfDataDesc input{nullptr, 0};
    if (commandEnvelope.pData && commandEnvelope.Used > ZEM_MDHDR_LENGTH) {
        input.pCfh = reinterpret_cast<const ZEM_MQCFH *>(commandEnvelope.pData);
        input.Length = commandEnvelope.Used - ZEM_MDHDR_LENGTH;
    }
    // A command of more than 149 parameters is walked whole, continuations joined.
    std::vector<int32_t> whole;
    if (PcfContinuation(&command)) {
        const int32_t length = PcfToRaw(&command, nullptr, 0);
        whole.resize(static_cast<std::size_t>(std::max(length, 0) + 3) / 4);
        if (length > 0 && PcfToRaw(&command, whole.data(), length) == length)
            input = PcfDataDesc{reinterpret_cast<const ZEM_MQCFH *>(whole.data()), length};
    }
    char *text = reinterpret_cast<char *>(textEnvelope.pData);
    const int64_t capacity = text && textEnvelope.Size > ZEM_MDHDR_LENGTH ? textEnvelope.Size - ZEM_MDHDR_LENGTH : 0;
    if (capacity > 0)
        text[0] = '\0';

    int64_t textLength = 0;
    if (input.Length >= ZEM_MQCFH_LENGTH && input.pCfh->Command == mq::MQCMD_ESCAPE) {
        reason = EscapeText(command, text, capacity, textLength);
    } else {
        MqscText output{text, static_cast<int32_t>(capacity)};
        WalkPcfToMqsc(input, output, splitLines, reason, failedParam);
        textLength = reason == 0 ? output.length : std::find(text, text + capacity, '\0') - text;
    }
    AppendAlterDateClause(command, input, text, capacity, textLength, reason);
    std::memcpy(textEnvelope.MsgDesc.Format, kTextFormat, sizeof kTextFormat);
    if (reason == 0) {
        compCode = mq::MQCC_OK;
        textEnvelope.Used = static_cast<int32_t>(ZEM_MDHDR_LENGTH + textLength);
    }
}

}  // namespace zem
