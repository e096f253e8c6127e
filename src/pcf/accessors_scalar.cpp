// Single-valued structures: integers and filters of one fixed length, and the strings,
// byte strings and embedded values that carry a length word before their bytes.
#include <algorithm>
#include <cstring>

#include "foundation/mq_constants.h"
#include "pcf/accessors.h"
#include "pcf/container.h"

namespace zem {
namespace {

// Structures of one fixed length with their value at `value`; the filter carries an
// Operator as well.
constexpr const Shape &kInteger = ShapeFor(ZEM_MQCFT_INTEGER);
constexpr const Shape &kIntegerFilter = ShapeFor(ZEM_MQCFT_INTEGER_FILTER);
constexpr const Shape &kInteger64 = ShapeFor(ZEM_MQCFT_INTEGER64);

template <class T> std::optional<Structure> FixedStructure(const Shape &shape, MESSAGE *attr)
{
    auto structure = CheckedStructure(attr, shape.type);
    if (!structure || !structure->holds(shape.value, sizeof(T)))
        return std::nullopt;
    return structure;
}

template <class T> int StoreFixed(const Shape &shape, const Structure &structure, T value, int32_t op)
{
    structure.put(shape.value, value);
    if (shape.op >= 0)
        structure.setWord(shape.op, op);
    return 1;
}

template <class T> int CreateFixed(const Shape &shape, MESSAGE *attr, int32_t parameter, T value, int32_t op = 0)
{
    auto structure = NewStructure(attr, shape.type, shape.fixedLength, parameter);
    return structure ? StoreFixed(shape, *structure, value, op) : 0;
}

template <class T> int GetFixed(const Shape &shape, MESSAGE *attr, T *value, int32_t *op = nullptr)
{
    auto structure = FixedStructure<T>(shape, attr);
    if (!structure || !value || (shape.op >= 0 && !op))
        return 0;
    *value = structure->template get<T>(shape.value);
    if (shape.op >= 0)
        *op = structure->word(shape.op);
    return 1;
}

template <class T> int SetFixed(const Shape &shape, MESSAGE *attr, T value, int32_t op = 0)
{
    auto structure = FixedStructure<T>(shape, attr);
    return structure ? StoreFixed(shape, *structure, value, op) : 0;
}

// Structures whose value is a length word followed by that many bytes.
constexpr const Shape &kString = ShapeFor(ZEM_MQCFT_STRING);
constexpr const Shape &kStringFilter = ShapeFor(ZEM_MQCFT_STRING_FILTER);
constexpr const Shape &kByteString = ShapeFor(ZEM_MQCFT_BYTE_STRING);
constexpr const Shape &kByteStringFilter = ShapeFor(ZEM_MQCFT_BYTE_STRING_FILTER);
constexpr const Shape &kBinary = ShapeFor(ZEM_EXCFT_BINARY);
constexpr const Shape &kEmbedded = ShapeFor(ZEM_EXCFT_PCF);

struct CountedValue {
    Structure structure;
    unsigned char *bytes;
    int32_t length;
};

// The value of a structure of that shape, provided its length word stays inside the
// structure (a negative or oversized length word is refused, not trusted).
std::optional<CountedValue> ValueIn(const Shape &shape, const Structure &structure)
{
    if (!structure.holds(0, shape.value))
        return std::nullopt;
    int32_t length = structure.word(shape.length);
    if (!structure.holds(shape.value, length))
        return std::nullopt;
    return CountedValue{structure, structure.at(shape.value), length};
}

std::optional<CountedValue> ValueOf(const Shape &shape, MESSAGE *attr)
{
    auto structure = CheckedStructure(attr, shape.type);
    return structure ? ValueIn(shape, *structure) : std::nullopt;
}

template <int32_t type> std::optional<CountedValue> ValueOfType(MESSAGE *attr) { return ValueOf(ShapeFor(type), attr); }

// A filter created without an operator asks for equality: 0 is no operator MQ defines.
int CreateCounted(const Shape &shape, MESSAGE *attr, int32_t parameter, const void *value, int64_t length,
                  int32_t op = mq::MQCFOP_EQUAL)
{
    if (length < 0 || (!value && length > 0))
        return 0;
    auto structure = NewStructure(attr, shape.type, PaddedLength(shape.value, length), parameter);
    if (!structure)
        return 0;
    structure->setWord(shape.length, static_cast<int32_t>(length));
    if (shape.op >= 0)
        structure->setWord(shape.op, op);
    if (length > 0)
        std::memcpy(structure->at(shape.value), value, static_cast<std::size_t>(length));
    return 1;
}

int CreateText(const Shape &shape, MESSAGE *attr, int32_t parameter, const char *text, int32_t op = mq::MQCFOP_EQUAL)
{
    return text ? CreateCounted(shape, attr, parameter, text, static_cast<int64_t>(std::strlen(text)), op) : 0;
}

// Copies at most max characters and a terminating NUL: buffer holds max + 1 bytes.
int GetText(const Shape &shape, MESSAGE *attr, char *buffer, int32_t max, int32_t *op = nullptr)
{
    auto value = ValueOf(shape, attr);
    if (!value || !buffer || max < 0 || (shape.op >= 0 && !op))
        return 0;
    const int32_t count = std::min(max, value->length);
    std::memcpy(buffer, value->bytes, static_cast<std::size_t>(count));
    buffer[count] = '\0';
    if (shape.op >= 0)
        *op = value->structure.word(shape.op);
    return 1;
}

// A shorter text is followed by NUL bytes; a longer one is cut: lengths never change.
int SetText(const Shape &shape, MESSAGE *attr, const char *text, int32_t op = 0)
{
    auto value = ValueOf(shape, attr);
    if (!value || !text)
        return 0;
    if (shape.op >= 0)
        value->structure.setWord(shape.op, op);
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

// The binary getter hands out the bytes of every single value without an operator:
// strings, byte strings, embedded messages and binary values.
std::optional<CountedValue> BinaryReadableValue(MESSAGE *attr)
{
    auto structure = ValidStructure(attr);
    const Shape *shape = structure ? ShapeOf(structure->word(kTypeOffset)) : nullptr;
    if (!shape || shape->layout != Layout::kValue || shape->op >= 0)
        return std::nullopt;
    return ValueIn(*shape, *structure);
}

int GetFilterOperator(MESSAGE *attr, int32_t *op)
{
    auto structure = ValidStructure(attr);
    const Shape *shape = structure ? ShapeOf(structure->word(kTypeOffset)) : nullptr;
    if (!shape || shape->op < 0 || !op)
        return 0;
    *op = structure->word(shape->op);
    return 1;
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
#define ZEM_BYTE_VALUE_ENTRY_POINTS(Kind, shape, readable)                                                             \
    ZEMAPI(int) IsPcf##Kind##Attr(MESSAGE *attr) { return Holds(attr, shape.type); }                                   \
    ZEMAPI(int) CreatePcf##Kind##Attr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length)             \
    {                                                                                                                  \
        return CreateCounted(shape, attr, parameter, value, length);                                                   \
    }                                                                                                                  \
    ZEMAPI(int) GetPcf##Kind##AttrValue(MESSAGE *attr, void *buffer, int32_t *length)                                  \
    {                                                                                                                  \
        return GetBytes(readable(attr), buffer, length);                                                               \
    }                                                                                                                  \
    ZEMAPI(int) SetPcf##Kind##AttrValue(MESSAGE *attr, const void *value, int32_t length)                              \
    {                                                                                                                  \
        return SetBytes(ValueOf(shape, attr), value, length);                                                          \
    }

ZEM_BYTE_VALUE_ENTRY_POINTS(ByteStr, kByteString, ValueOfType<ZEM_MQCFT_BYTE_STRING>)
ZEM_BYTE_VALUE_ENTRY_POINTS(ByteStrFltr, kByteStringFilter, ValueOfType<ZEM_MQCFT_BYTE_STRING_FILTER>)
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
