// Single-valued structures: integers and filters of one fixed length, and the strings,
// byte strings and embedded values that carry a length word before their bytes.
#include <algorithm>
#include <cstring>

#include "foundation/mq_constants.h"
#include "pcf/accessors.h"
#include "pcf/container.h"

namespace zem {
namespace {

// A structure of one fixed length with its value at valueOffset; the filters carry an
// Operator as well.
struct FixedShape {
    int32_t type;
    int32_t length;
    int32_t valueOffset;
    bool hasOperator;
};

constexpr FixedShape kInteger{ZEM_MQCFT_INTEGER, ZEM_MQCFIN_LENGTH, 12, false};
constexpr FixedShape kIntegerFilter{ZEM_MQCFT_INTEGER_FILTER, ZEM_MQCFIF_LENGTH, 16, true};
constexpr FixedShape kInteger64{ZEM_MQCFT_INTEGER64, ZEM_MQCFIN64_LENGTH, 16, false};

template <class T>
std::optional<Structure> FixedStructure(const FixedShape &shape, MESSAGE *attr)
{
    auto structure = CheckedStructure(attr, shape.type);
    if (!structure || !structure->holds(shape.valueOffset, sizeof(T)) || !structure->holds(kOperatorOffset, 4))
        return std::nullopt;
    return structure;
}

template <class T> int StoreFixed(const FixedShape &shape, const Structure &structure, T value, int32_t op)
{
    structure.put(shape.valueOffset, value);
    if (shape.hasOperator)
        structure.setWord(kOperatorOffset, op);
    return 1;
}

template <class T>
int CreateFixed(const FixedShape &shape, MESSAGE *attr, int32_t parameter, T value, int32_t op = 0)
{
    auto structure = NewStructure(attr, shape.type, shape.length, parameter);
    return structure ? StoreFixed(shape, *structure, value, op) : 0;
}

template <class T>
int GetFixed(const FixedShape &shape, MESSAGE *attr, T *value, int32_t *op = nullptr)
{
    auto structure = FixedStructure<T>(shape, attr);
    if (!structure || !value || (shape.hasOperator && !op))
        return 0;
    *value = structure->template get<T>(shape.valueOffset);
    if (shape.hasOperator)
        *op = structure->word(kOperatorOffset);
    return 1;
}

template <class T>
int SetFixed(const FixedShape &shape, MESSAGE *attr, T value, int32_t op = 0)
{
    auto structure = FixedStructure<T>(shape, attr);
    return structure ? StoreFixed(shape, *structure, value, op) : 0;
}

// A structure whose value is a length word followed by that many bytes; valueOffset is
// also the length of its fixed part.
struct CountedShape {
    int32_t type;
    int32_t lengthOffset;
    int32_t valueOffset;
    bool hasOperator;
};

constexpr CountedShape kString{ZEM_MQCFT_STRING, 16, 20, false};
constexpr CountedShape kStringFilter{ZEM_MQCFT_STRING_FILTER, 20, 24, true};
constexpr CountedShape kByteString{ZEM_MQCFT_BYTE_STRING, 12, 16, false};
constexpr CountedShape kByteStringFilter{ZEM_MQCFT_BYTE_STRING_FILTER, 16, 20, true};
constexpr CountedShape kBinary{ZEM_EXCFT_BINARY, 16, 20, false};
constexpr CountedShape kEmbedded{ZEM_EXCFT_PCF, 16, 20, false};

// The shapes whose bytes the binary getter hands out.
constexpr CountedShape kBinaryReadable[] = {kBinary, kEmbedded, kString, kByteString};

struct CountedValue {
    Structure structure;
    unsigned char *bytes;
    int32_t length;
};

// The value of a structure of that shape, provided its length word stays inside the
// structure (a negative or oversized length word is refused, not trusted).
std::optional<CountedValue> ValueIn(const CountedShape &shape, const Structure &structure)
{
    if (!structure.holds(0, shape.valueOffset))
        return std::nullopt;
    int32_t length = structure.word(shape.lengthOffset);
    if (!structure.holds(shape.valueOffset, length))
        return std::nullopt;
    return CountedValue{structure, structure.at(shape.valueOffset), length};
}

std::optional<CountedValue> ValueOf(const CountedShape &shape, MESSAGE *attr)
{
    auto structure = CheckedStructure(attr, shape.type);
    return structure ? ValueIn(shape, *structure) : std::nullopt;
}

template <const CountedShape &shape> std::optional<CountedValue> ValueOfShape(MESSAGE *attr)
{
    return ValueOf(shape, attr);
}

// A filter created without an operator asks for equality: 0 is no operator MQ defines.
int CreateCounted(const CountedShape &shape, MESSAGE *attr, int32_t parameter, const void *value, int64_t length,
                  int32_t op = mq::MQCFOP_EQUAL)
{
    if (length < 0 || (!value && length > 0))
        return 0;
    auto structure = NewStructure(attr, shape.type, PaddedLength(shape.valueOffset, length), parameter);
    if (!structure)
        return 0;
    structure->setWord(shape.lengthOffset, static_cast<int32_t>(length));
    if (shape.hasOperator)
        structure->setWord(kOperatorOffset, op);
    if (length > 0)
        std::memcpy(structure->at(shape.valueOffset), value, static_cast<std::size_t>(length));
    return 1;
}

int CreateText(const CountedShape &shape, MESSAGE *attr, int32_t parameter, const char *text,
               int32_t op = mq::MQCFOP_EQUAL)
{
    return text ? CreateCounted(shape, attr, parameter, text, static_cast<int64_t>(std::strlen(text)), op) : 0;
}

// Copies at most max characters and a terminating NUL: buffer holds max + 1 bytes.
int GetText(const CountedShape &shape, MESSAGE *attr, char *buffer, int32_t max, int32_t *op = nullptr)
{
    auto value = ValueOf(shape, attr);
    if (!value || !buffer || max < 0 || (shape.hasOperator && !op))
        return 0;
    const int32_t count = std::min(max, value->length);
    std::memcpy(buffer, value->bytes, static_cast<std::size_t>(count));
    buffer[count] = '\0';
    if (shape.hasOperator)
        *op = value->structure.word(kOperatorOffset);
    return 1;
}

// A shorter text is followed by NUL bytes; a longer one is cut: lengths never change.
int SetText(const CountedShape &shape, MESSAGE *attr, const char *text, int32_t op = 0)
{
    auto value = ValueOf(shape, attr);
    if (!value || !text)
        return 0;
    if (shape.hasOperator)
        value->structure.setWord(kOperatorOffset, op);
    const std::size_t count = strnlen(text, static_cast<std::size_t>(value->length));
    std::memcpy(value->bytes, text, count);
    std::memset(value->bytes + count, 0, static_cast<std::size_t>(value->length) - count);
    return 1;
}

// Copies the smaller of the capacity in *length and the stored length; *length becomes
// the count copied. A negative capacity copies nothing.
int GetBytes(const std::optional<CountedValue> &value, void *buffer, int32_t *length)
{
    if (!value || !length || *length < 0 || (!buffer && *length > 0))
        return 0;
    const int32_t count = std::min(*length, value->length);
    if (count > 0)
        std::memcpy(buffer, value->bytes, static_cast<std::size_t>(count));
    *length = count;
    return 1;
}

// Overwrites the start of the value; the rest and every length stay as they were.
int SetBytes(const std::optional<CountedValue> &value, const void *bytes, int32_t length)
{
    if (!value || length < 0 || (!bytes && length > 0))
        return 0;
    const int32_t count = std::min(length, value->length);
    if (count > 0)
        std::memcpy(value->bytes, bytes, static_cast<std::size_t>(count));
    return 1;
}

int GetLength(const std::optional<CountedValue> &value, int32_t *length)
{
    if (!value || !length)
        return 0;
    *length = value->length;
    return 1;
}

std::optional<CountedValue> BinaryReadableValue(MESSAGE *attr)
{
    auto structure = ValidStructure(attr);
    if (!structure)
        return std::nullopt;
    for (const auto &shape : kBinaryReadable)
        if (structure->word(kTypeOffset) == shape.type)
            return ValueIn(shape, *structure);
    return std::nullopt;
}

int GetFilterOperator(MESSAGE *attr, int32_t *op)
{
    auto structure = ValidStructure(attr);
    if (!structure || !op || !structure->holds(kOperatorOffset, 4))
        return 0;
    switch (structure->word(kTypeOffset)) {
    case ZEM_MQCFT_INTEGER_FILTER:
    case ZEM_MQCFT_STRING_FILTER:
    case ZEM_MQCFT_BYTE_STRING_FILTER:
        *op = structure->word(kOperatorOffset);
        return 1;
    default:
        return 0;
    }
}

// The embedded form is the container's data exactly as it stands: MQCFH and parameters.
int CreateEmbedded(MESSAGE *attr, int32_t parameter, PcfMessage *message)
{
    if (!message || !message->PcfMsg.pBlock)
        return 0;
    // A message with continuations is embedded whole, as one PCF message.
    if (ContinuationOf(*message)) {
        std::vector<unsigned char> whole;
        return AppendWholeMessage(*message, whole) &&
               CreateCounted(kEmbedded, attr, parameter, whole.data(), static_cast<int64_t>(whole.size()));
    }
    const int64_t length = DataLength(message->PcfMsg);
    if (length < 0 || length > message->PcfMsg.Size - kHeaderLength)
        return 0;
    return CreateCounted(kEmbedded, attr, parameter, message->PcfMsg.pData, length);
}

int GetEmbedded(MESSAGE *attr, PcfMessage *out)
{
    auto value = ValueOf(kEmbedded, attr);
    if (!value || !out || !SizePcfMessage(out, value->length))
        return 0;
    const int32_t count = std::min(value->length, out->PcfMsg.Size - kHeaderLength);
    std::memcpy(out->PcfMsg.pData, value->bytes, static_cast<std::size_t>(count));
    out->PcfMsg.Used = kHeaderLength + count;
    return RawToPcf(out);
}

bool Holds(MESSAGE *attr, int32_t type) { return CheckedStructure(attr, type).has_value(); }

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) IsPcfStrAttr(MESSAGE *attr) { return Holds(attr, kString.type); }
ZEMAPI(int) CreatePcfStrAttr(MESSAGE *attr, int32_t parameter, const char *text)
{
    return CreateText(kString, attr, parameter, text);
}
ZEMAPI(int) CreatePcfNZStrAttr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length)
{
    return CreateCounted(kString, attr, parameter, value, length);
}
ZEMAPI(int) GetPcfStrAttrValue(MESSAGE *attr, char *buffer, int32_t max) { return GetText(kString, attr, buffer, max); }
ZEMAPI(int) SetPcfStrAttrValue(MESSAGE *attr, const char *text) { return SetText(kString, attr, text); }

ZEMAPI(int) IsPcfIntAttr(MESSAGE *attr) { return Holds(attr, kInteger.type); }
ZEMAPI(int) CreatePcfIntAttr(MESSAGE *attr, int32_t parameter, int32_t value)
{
    return CreateFixed(kInteger, attr, parameter, value);
}
ZEMAPI(int) GetPcfIntAttrValue(MESSAGE *attr, int32_t *value) { return GetFixed(kInteger, attr, value); }
ZEMAPI(int) SetPcfIntAttrValue(MESSAGE *attr, int32_t value) { return SetFixed(kInteger, attr, value); }

ZEMAPI(int) IsPcfIntFltrAttr(MESSAGE *attr) { return Holds(attr, kIntegerFilter.type); }
ZEMAPI(int) CreatePcfIntFltrAttr(MESSAGE *attr, int32_t parameter, int32_t op, int32_t value)
{
    return CreateFixed(kIntegerFilter, attr, parameter, value, op);
}
ZEMAPI(int) GetPcfIntFltrAttrValue(MESSAGE *attr, int32_t *value, int32_t *op)
{
    return GetFixed(kIntegerFilter, attr, value, op);
}
ZEMAPI(int) SetPcfIntFltrAttrValue(MESSAGE *attr, int32_t value, int32_t op)
{
    return SetFixed(kIntegerFilter, attr, value, op);
}

ZEMAPI(int) IsPcfStrFltrAttr(MESSAGE *attr) { return Holds(attr, kStringFilter.type); }
ZEMAPI(int) CreatePcfStrFltrAttr(MESSAGE *attr, int32_t parameter, int32_t op, const char *text)
{
    return CreateText(kStringFilter, attr, parameter, text, op);
}
ZEMAPI(int) GetPcfStrFltrAttrValue(MESSAGE *attr, char *buffer, int32_t max, int32_t *op)
{
    return GetText(kStringFilter, attr, buffer, max, op);
}
ZEMAPI(int) SetPcfStrFltrAttrValue(MESSAGE *attr, const char *text, int32_t op)
{
    return SetText(kStringFilter, attr, text, op);
}

// Test, constructor and copy-limited getter and setter of a byte value kind; the getter
// reads what `readable` finds in the envelope.
#define ZEM_BYTE_VALUE_ENTRY_POINTS(Kind, shape, readable)                                                          \
    ZEMAPI(int) IsPcf##Kind##Attr(MESSAGE *attr) { return Holds(attr, shape.type); }                                \
    ZEMAPI(int) CreatePcf##Kind##Attr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length)          \
    {                                                                                                               \
        return CreateCounted(shape, attr, parameter, value, length);                                                \
    }                                                                                                               \
    ZEMAPI(int) GetPcf##Kind##AttrValue(MESSAGE *attr, void *buffer, int32_t *length)                               \
    {                                                                                                               \
        return GetBytes(readable(attr), buffer, length);                                                            \
    }                                                                                                               \
    ZEMAPI(int) SetPcf##Kind##AttrValue(MESSAGE *attr, const void *value, int32_t length)                           \
    {                                                                                                               \
        return SetBytes(ValueOf(shape, attr), value, length);                                                       \
    }

ZEM_BYTE_VALUE_ENTRY_POINTS(ByteStr, kByteString, ValueOfShape<kByteString>)
ZEM_BYTE_VALUE_ENTRY_POINTS(ByteStrFltr, kByteStringFilter, ValueOfShape<kByteStringFilter>)
ZEM_BYTE_VALUE_ENTRY_POINTS(Bin, kBinary, BinaryReadableValue)
ZEMAPI(int) GetPcfByteStrAttrValueLength(MESSAGE *attr, int32_t *length)
{
    return GetLength(ValueOf(kByteString, attr), length);
}

ZEMAPI(int) IsPcfPcfAttr(MESSAGE *attr) { return Holds(attr, kEmbedded.type); }
ZEMAPI(int) CreatePcfPcfAttr(MESSAGE *attr, int32_t parameter, PcfMessage *message)
{
    return CreateEmbedded(attr, parameter, message);
}
ZEMAPI(int) GetPcfPcfAttrValue(MESSAGE *attr, PcfMessage *out) { return GetEmbedded(attr, out); }

ZEMAPI(int) IsPcfInt64Attr(MESSAGE *attr) { return Holds(attr, kInteger64.type); }
ZEMAPI(int) CreatePcfInt64Attr(MESSAGE *attr, int32_t parameter, int64_t value)
{
    return CreateFixed(kInteger64, attr, parameter, value);
}
ZEMAPI(int) GetPcfInt64AttrValue(MESSAGE *attr, int64_t *value) { return GetFixed(kInteger64, attr, value); }
ZEMAPI(int) SetPcfInt64AttrValue(MESSAGE *attr, int64_t value) { return SetFixed(kInteger64, attr, value); }

ZEMAPI(int) GetPcfFilterOperator(MESSAGE *attr, int32_t *op) { return GetFilterOperator(attr, op); }

}  // extern "C"
