// The structure converters: each looks its PCF parameter up in the current command's
// parameter list, stores the value in the keyword record and marks it for the writer.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "foundation/mq_constants.h"
#include "pcf2mqsc/conversion_state.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

constexpr int32_t kNotKnown = ZEM_P2M_NOT_IN_TABLE;
constexpr int32_t kWrongKind = ZEM_P2M_BAD_STRUCTURE;

// Keyword ids whose -1 MQSC writes as a word rather than a number.
constexpr int32_t kExpiryId = 1244;
constexpr int32_t kKeepAliveId = 1566;

void CopyName(char *scratch, const char *name)
{
    if (!scratch)
        return;
    const char *text = name ? name : "";
    std::size_t length = std::min<std::size_t>(std::strlen(text), kScratchNameSize - 1);
    std::memcpy(scratch, text, length);
    scratch[length] = '\0';
}

bool IsTextKind(int32_t type)
{
    return type == MQSC_STR || type == MQSC_STRLIST || type == MQSC_ENUMLIST || type == MQSC_LIST;
}

bool IsListKind(int32_t type) { return type == MQSC_STRLIST || type == MQSC_ENUMLIST || type == MQSC_LIST; }

// Bytes of the structure behind its fixed part of fixedLength bytes (0 when none).
int64_t VariableBytes(int32_t strucLength, int32_t fixedLength)
{
    return std::max<int64_t>(0, int64_t(strucLength) - fixedLength);
}

// The variable part of a structure, addressed from its start: the walk has checked that
// StrucLength bytes lie inside the data, and the callers stay within StrucLength.
template <typename Structure> const char *BytesAt(const Structure &structure, int64_t offset)
{
    return reinterpret_cast<const char *>(&structure) + offset;
}

MqscKeyword *FindInCurrentList(int32_t parameter)
{
    MqscParam *list = CurrentParamList();
    return list ? FindCmdParam(list, kFindById, &parameter) : nullptr;
}

void Mark(MqscKeyword &record) { record.isSet = 1; }

}  // namespace

int32_t CfhToMqsc(const ZEM_MQCFH &cfh, char *scratch, int32_t &reason)
{
    int32_t command = cfh.Command;
    MqscKeyword *record = FindCmdKeyword(GetCmdTbl(), kFindById, &command);
    if (!record) {
        SetCurrentParamList(nullptr);
        CopyName(scratch, "");
        reason = kNotKnown;
        return 1;
    }
    SetCurrentParamList(record->params);
    Mark(*record);
    CopyName(scratch, record->name);
    reason = 0;
    return 1;
}

int32_t CfinToMqsc(const ZEM_MQCFIN &cfin, char *scratch, int32_t &reason)
{
    MqscKeyword *record = FindInCurrentList(cfin.Parameter);
    if (!record) {
        reason = kNotKnown;
        return 1;
    }
    const char *scratchText = record->name;
    int32_t value = cfin.Value;
    switch (record->type) {
    case MQSC_ENUM: {
        MqscKeyword *valueRecord = record->values ? FindCmdKeyword(record->values, kFindById, &value) : nullptr;
        if (!valueRecord) {
            reason = kNotKnown;
            return 1;
        }
        SetKeywordValue(record, valueRecord, 0);
        break;
    }
    case MQSC_INT:
        SetKeywordValue(record, &value, sizeof value);
        NoteValueHeld(*record);
        if (value == -1 && record->id == kExpiryId)
            scratchText = "UNLIMITED";
        else if (value == -1 && record->id == kKeepAliveId)
            scratchText = "AUTO";
        break;
    case MQSC_FLAG:
        // The bare keyword is written whatever the integer was.
        break;
    default:
        // An integer for a text keyword has no text to write.
        reason = kWrongKind;
        return 1;
    }
    Mark(*record);
    CopyName(scratch, scratchText);
    reason = 0;
    return 1;
}

// The current command's record for parameter when it takes text; otherwise NULL, with
// reason saying why (not known to the command, or of another kind).
MqscKeyword *FindTextRecord(int32_t parameter, int32_t &reason)
{
    MqscKeyword *record = FindInCurrentList(parameter);
    reason = !record ? kNotKnown : !IsTextKind(record->type) ? kWrongKind : 0;
    return reason ? nullptr : record;
}

int32_t CfstToMqsc(const ZEM_MQCFST &cfst, char *scratch, int32_t &reason)
{
    MqscKeyword *record = FindTextRecord(cfst.Parameter, reason);
    if (!record)
        return 1;
    int64_t length =
        std::min<int64_t>(std::max(cfst.StringLength, 0), VariableBytes(cfst.StrucLength, ZEM_MQCFST_LENGTH_FIXED));
    SetKeywordValue(record, BytesAt(cfst, ZEM_MQCFST_LENGTH_FIXED), static_cast<int32_t>(length));
    Mark(*record);
    CopyName(scratch, record->name);
    reason = 0;
    return 1;
}

int32_t StrListToMqscImpl(const ZEM_MQCFSL &cfsl, char *scratch, int32_t &reason)
{
    MqscKeyword *record = FindInCurrentList(cfsl.Parameter);
    if (!record || !IsListKind(record->type)) {
        reason = record ? kWrongKind : kNotKnown;
        return 0;
    }
    CopyName(scratch, record->name);
    reason = 0;
    if (cfsl.Count < 1)
        return 1;

    // Each item is read within its own StringLength and within the structure, so a
    // short item never runs into the next one and a Count larger than the structure
    // holds reads nothing beyond it.
    const int64_t area = VariableBytes(cfsl.StrucLength, ZEM_MQCFSL_LENGTH_FIXED);
    const int64_t itemLength = std::max(cfsl.StringLength, 0);
    const int64_t itemsInside = itemLength > 0 ? (area + itemLength - 1) / itemLength : 0;
    const int64_t itemsRead = std::min<int64_t>(cfsl.Count, itemsInside);
    std::string listText;
    for (int64_t i = 0; i < itemsRead; ++i) {
        const int64_t start = i * itemLength;
        const int64_t readable = std::min({itemLength, int64_t(kListItemChars), area - start});
        std::string_view item(BytesAt(cfsl, ZEM_MQCFSL_LENGTH_FIXED + start), static_cast<std::size_t>(readable));
        item = item.substr(0, item.find('\0'));
        item = item.substr(0, item.find(' '));
        if (item.empty())
            continue;
        listText += '\'';
        listText += QuoteApostrophes(item);
        listText += '\'';
        if (i < cfsl.Count - 1)
            listText += ", ";
    }
    SetKeywordValue(record, listText.c_str(), static_cast<int32_t>(listText.size()));
    Mark(*record);
    return 1;
}

int32_t CfslToMqsc(const ZEM_MQCFSL &cfsl, char *scratch, int32_t &reason)
{
    MqscKeyword *record = FindTextRecord(cfsl.Parameter, reason);
    if (!record)
        return 1;
    int64_t wanted = int64_t(std::max(cfsl.Count, 0)) * std::max(cfsl.StringLength, 0);
    int64_t length = std::min(wanted, VariableBytes(cfsl.StrucLength, ZEM_MQCFSL_LENGTH_FIXED));
    std::string strings(BytesAt(cfsl, ZEM_MQCFSL_LENGTH_FIXED), static_cast<std::size_t>(length));
    SetKeywordValue(record, strings.c_str(), static_cast<int32_t>(length));
    Mark(*record);
    CopyName(scratch, record->name);
    reason = 0;
    return 1;
}

namespace {

// An integer list of a keyword that takes value keywords (COMPHDR): the words of its
// values, as MQSC lists them. A value the keyword does not have ends the list.
void ValueListToMqsc(const ZEM_MQCFIL &cfil, int64_t count, MqscKeyword &record, int32_t &reason)
{
    std::string listText;
    for (int64_t i = 0; i < count; ++i) {
        int32_t value;
        std::memcpy(&value, BytesAt(cfil, ZEM_MQCFIL_LENGTH_FIXED + 4 * i), sizeof value);
        MqscKeyword *valueRecord = record.values ? FindCmdKeyword(record.values, kFindById, &value) : nullptr;
        if (!valueRecord) {
            reason = kNotKnown;
            break;
        }
        if (!listText.empty())
            listText += ',';
        listText += valueRecord->name;
    }
    SetKeywordValue(&record, listText.c_str(), static_cast<int32_t>(listText.size()));
    Mark(record);
}

}  // namespace

int32_t CfilToMqsc(const ZEM_MQCFIL &cfil, int32_t &reason)
{
    const int64_t valuesInside = VariableBytes(cfil.StrucLength, ZEM_MQCFIL_LENGTH_FIXED) / 4;
    const int64_t count = std::min<int64_t>(std::max(cfil.Count, 0), valuesInside);
    reason = 0;
    MqscKeyword *valueList = FindInCurrentList(cfil.Parameter);
    if (valueList && valueList->type == MQSC_ENUMLIST) {
        ValueListToMqsc(cfil, count, *valueList, reason);
        return 1;
    }
    // Otherwise a list of attribute selectors.
    for (int64_t i = 0; i < count; ++i) {
        // The first value the command does not know ends the list.
        int32_t selector;
        std::memcpy(&selector, BytesAt(cfil, ZEM_MQCFIL_LENGTH_FIXED + 4 * i), sizeof selector);
        MqscKeyword *record = FindInCurrentList(selector);
        if (!record) {
            reason = kNotKnown;
            break;
        }
        Mark(*record);
    }
    return 1;
}

}  // namespace zem
