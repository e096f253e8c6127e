#include "pcf/accessors.h"

#include <algorithm>
#include <cstdint>

namespace zem {

std::optional<Structure> ValidStructure(MESSAGE *attr)
{
    if (!attr || !attr->pData || !IsPcfAttrValid(attr))
        return std::nullopt;
    // A valid structure lies wholly inside the envelope's data.
    StructHead head;
    ReadStructHead(PcfCursor(attr->pData, DataLength(*attr)), 0, head);
    return Structure(PcfCursor(attr->pData, head.strucLength));
}

std::optional<Structure> CheckedStructure(MESSAGE *attr, int32_t type)
{
    auto structure = ValidStructure(attr);
    if (!structure || structure->word(kTypeOffset) != type)
        return std::nullopt;
    return structure;
}

std::optional<Structure> NewStructure(MESSAGE *attr, int32_t type, int64_t strucLength, int32_t parameter)
{
    constexpr int64_t kShortestStructure = 16;
    if (!attr || strucLength < kShortestStructure || strucLength > INT32_MAX - kHeaderLength)
        return std::nullopt;
    const auto length = static_cast<int32_t>(strucLength);
    if (!CreateMessage(attr, length))
        return std::nullopt;
    attr->Used = kHeaderLength + length;
    Structure structure(PcfCursor(attr->pData, length));
    structure.setWord(kTypeOffset, type);
    structure.setWord(kStrucLengthOffset, length);
    structure.setWord(kParameterOffset, parameter);
    return structure;
}

bool ResizeList(MESSAGE *attr, const Shape &list, int32_t count)
{
    if (!attr || !attr->pBlock || count < 0)
        return false;
    const int64_t dataLength = DataLength(*attr);
    if (dataLength < list.fixedLength || dataLength > attr->Size - kHeaderLength)
        return false;
    Structure old(PcfCursor(attr->pData, dataLength));
    const int64_t entrySize = list.layout == Layout::kEntryList ? old.word(list.length) : list.valueSize;
    if (entrySize < 0)
        return false;
    const int64_t newLength = PaddedLength(list.fixedLength, entrySize * count);
    if (newLength > INT32_MAX - kHeaderLength)
        return false;
    // The kept part never reaches past the old data, whatever the old Count claimed.
    const int64_t oldCount = std::max<int64_t>(old.word(list.count), 0);
    const int64_t kept =
        std::min({dataLength, newLength, list.fixedLength + entrySize * std::min<int64_t>(oldCount, count)});
    if (!SizeMessage(attr, static_cast<int32_t>(newLength)))
        return false;
    std::memset(attr->pData + kept, 0, static_cast<std::size_t>(newLength - kept));
    attr->Used = attr->Size;
    Structure resized(PcfCursor(attr->pData, newLength));
    resized.setWord(kStrucLengthOffset, static_cast<int32_t>(newLength));
    resized.setWord(list.count, count);
    return true;
}

}  // namespace zem
