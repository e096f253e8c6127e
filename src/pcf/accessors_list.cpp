// Lists: integer and 64-bit integer lists (Count values of a fixed size) and string and
// byte-string lists (Count entries of one StringLength). Setting beyond the end grows them.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

#include "foundation/platform.h"
#include "pcf/accessors.h"

namespace zem {
namespace {

template <class T> struct ValueListTraits;
template <> struct ValueListTraits<int32_t> {
    static constexpr const Shape &shape = ShapeFor(ZEM_MQCFT_INTEGER_LIST);
    static constexpr const char *format = "%" PRId32;
};
template <> struct ValueListTraits<int64_t> {
    static constexpr const Shape &shape = ShapeFor(ZEM_MQCFT_INTEGER64_LIST);
    static constexpr const char *format = "%" ZEM_PRId64;
};

template <class T> class ValueList {
public:
    ValueList(Structure structure, int32_t count) : structure_(structure), count_(count) {}
    int32_t count() const { return count_; }
    T get(int32_t index) const { return structure_.get<T>(offset(index)); }
    void set(int32_t index, T value) const { structure_.put(offset(index), value); }

private:
    static int32_t offset(int32_t index)
    {
        return ValueListTraits<T>::shape.value + index * static_cast<int32_t>(sizeof(T));
    }
    Structure structure_;
    int32_t count_;
};

// The values of a checked list whose Count stays inside the structure.
template <class T> std::optional<ValueList<T>> ValuesOf(MESSAGE *attr)
{
    const Shape &shape = ValueListTraits<T>::shape;
    auto structure = CheckedStructure(attr, shape.type);
    if (!structure || !structure->holds(0, shape.fixedLength))
        return std::nullopt;
    const int32_t count = structure->word(shape.count);
    if (!structure->holds(shape.value, static_cast<int64_t>(count) * static_cast<int64_t>(sizeof(T))))
        return std::nullopt;
    return ValueList<T>(*structure, count);
}

template <class T> int CreateValues(MESSAGE *attr, int32_t parameter, int32_t count)
{
    const Shape &shape = ValueListTraits<T>::shape;
    if (count < 0)
        return 0;
    auto structure =
        NewStructure(attr, shape.type, shape.fixedLength + static_cast<int64_t>(count) * shape.valueSize, parameter);
    if (!structure)
        return 0;
    structure->setWord(shape.count, count);
    return 1;
}

template <class T> int ResizeValues(MESSAGE *attr, int32_t count)
{
    return ResizeList(attr, ValueListTraits<T>::shape, count);
}

template <class T> int GetValue(MESSAGE *attr, int32_t index, T *value)
{
    auto list = ValuesOf<T>(attr);
    if (!list || !value || index < 0 || index >= list->count())
        return 0;
    *value = list->get(index);
    return 1;
}

// Adds to the caller's starting value, wrapping like the machine's own addition.
template <class T> int SumValues(MESSAGE *attr, T *sum)
{
    using Unsigned = std::make_unsigned_t<T>;
    auto list = ValuesOf<T>(attr);
    if (!list || !sum)
        return 0;
    auto total = static_cast<Unsigned>(*sum);
    for (int32_t i = 0; i < list->count(); ++i)
        total += static_cast<Unsigned>(list->get(i));
    *sum = static_cast<T>(total);
    return 1;
}

// The longest prefix of the list that fits in max characters, joined by commas; a
// number is never cut. text holds max + 1 bytes.
template <class T> int ValuesToText(MESSAGE *attr, char *text, int32_t max)
{
    auto list = ValuesOf<T>(attr);
    if (!list || !text || max < 0)
        return 0;
    text[0] = '\0';
    int64_t total = 0;
    std::size_t written = 0;
    for (int32_t i = 0; i < list->count(); ++i) {
        char number[32];
        const int length = std::snprintf(number, sizeof number, ValueListTraits<T>::format, list->get(i));
        total += length + 1;
        if (total >= max)
            break;
        if (i > 0)
            text[written++] = ',';
        std::memcpy(text + written, number, static_cast<std::size_t>(length) + 1);
        written += static_cast<std::size_t>(length);
    }
    return 1;
}

// Grows the list so that index exists; false when it cannot.
template <class List, class Fetch>
std::optional<List> GrowToHold(MESSAGE *attr, const Shape &shape, int64_t index, Fetch fetch)
{
    auto list = fetch(attr);
    if (list && index >= list->count()) {
        if (index >= INT32_MAX || !ResizeList(attr, shape, static_cast<int32_t>(index + 1)))
            return std::nullopt;
        list = fetch(attr);
    }
    if (!list || index >= list->count())
        return std::nullopt;
    return list;
}

template <class T> int SetValue(MESSAGE *attr, int32_t index, T value)
{
    auto current = ValuesOf<T>(attr);
    if (!current)
        return 0;
    const int32_t at = index < 0 ? current->count() : index;
    auto list = GrowToHold<ValueList<T>>(attr, ValueListTraits<T>::shape, at, ValuesOf<T>);
    if (!list)
        return 0;
    list->set(at, value);
    return 1;
}

// The leading decimal number of a token: blanks skipped, an optional sign, digits up to
// the first other character (none gives 0). Out of range saturates.
template <class T> T LeadingNumber(const char *token)
{
    const long long number = std::strtoll(token, nullptr, 10);
    return static_cast<T>(std::clamp<long long>(number, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Stores the numbers of a text such as "5;6,,7" from index 0 on, growing the list when
// the text has more; values after the last number keep their old values.
template <class T> int TextToValues(MESSAGE *attr, const char *text)
{
    if (!ValuesOf<T>(attr) || !text)
        return 0;
    constexpr std::size_t kWorkLength = 255;
    char work[kWorkLength + 1];
    const std::size_t length = strnlen(text, kWorkLength);
    std::memcpy(work, text, length);
    work[length] = '\0';
    int32_t index = 0;
    for (char *cursor = work; *cursor;) {
        cursor += std::strspn(cursor, ";,");
        if (!*cursor)
            break;
        char *token = cursor;
        cursor += std::strcspn(cursor, ";,");
        if (*cursor)
            *cursor++ = '\0';
        auto list = GrowToHold<ValueList<T>>(attr, ValueListTraits<T>::shape, index, ValuesOf<T>);
        if (!list)
            return 0;
        list->set(index++, LeadingNumber<T>(token));
    }
    return 1;
}

std::optional<EntryList> EntriesIn(const Shape &shape, const Structure &structure)
{
    if (!structure.holds(0, shape.fixedLength))
        return std::nullopt;
    const int32_t count = structure.word(shape.count);
    const int32_t entryLength = structure.word(shape.length);
    if (count < 0 || entryLength < 0 || !structure.holds(shape.value, static_cast<int64_t>(count) * entryLength))
        return std::nullopt;
    return EntryList(structure.at(shape.value), count, entryLength);
}

// String lists hand out NUL-terminated texts; byte-string lists raw bytes.
constexpr const Shape &kStringList = ShapeFor(ZEM_MQCFT_STRING_LIST);
constexpr const Shape &kByteStringList = ShapeFor(ZEM_EXCFT_BYTE_STRING_LIST);

std::optional<EntryList> EntriesOf(const Shape &shape, MESSAGE *attr)
{
    auto structure = CheckedStructure(attr, shape.type);
    return structure ? EntriesIn(shape, *structure) : std::nullopt;
}

int CreateEntries(const Shape &shape, MESSAGE *attr, int32_t parameter, int32_t count, int32_t length)
{
    if (count < 0 || length < 0)
        return 0;
    auto structure = NewStructure(attr, shape.type,
                                  PaddedLength(shape.fixedLength, static_cast<int64_t>(count) * length), parameter);
    if (!structure)
        return 0;
    structure->setWord(shape.count, count);
    structure->setWord(shape.length, length);
    return 1;
}

// Copies the smaller of max and StringLength bytes; a string list adds a NUL after them.
int GetEntry(const Shape &shape, MESSAGE *attr, int32_t index, void *buffer, int32_t max)
{
    auto list = EntriesOf(shape, attr);
    if (!list || !buffer || max < 0 || index < 0 || index >= list->count())
        return 0;
    const int32_t count = std::min(max, list->entryLength());
    std::memcpy(buffer, list->entry(index), static_cast<std::size_t>(count));
    if (shape.content == Content::kText)
        static_cast<char *>(buffer)[count] = '\0';
    return 1;
}

// Writes `length` bytes (cut to StringLength) at the start of the entry and fills the
// rest of it; a negative index appends.
int SetEntry(const Shape &shape, MESSAGE *attr, int32_t index, const void *value, int64_t length, char fill)
{
    auto current = EntriesOf(shape, attr);
    if (!current || length < 0 || (!value && length > 0))
        return 0;
    const int32_t at = index < 0 ? current->count() : index;
    auto fetch = [&shape](MESSAGE *grown) { return EntriesOf(shape, grown); };
    auto list = GrowToHold<EntryList>(attr, shape, at, fetch);
    if (!list)
        return 0;
    const auto count = static_cast<std::size_t>(std::min<int64_t>(length, list->entryLength()));
    unsigned char *entry = list->entry(at);
    if (count > 0)
        std::memcpy(entry, value, count);
    std::memset(entry + count, static_cast<unsigned char>(fill), static_cast<std::size_t>(list->entryLength()) - count);
    return 1;
}

// length > 0 gives the count of characters to take, otherwise the text's own length.
int SetStringEntry(MESSAGE *attr, int32_t index, const char *text, int32_t length, char fill)
{
    if (!text)
        return 0;
    return SetEntry(kStringList, attr, index, text, length > 0 ? length : static_cast<int64_t>(std::strlen(text)),
                    fill);
}

// Entries compare as bounded strings: a NUL present in both ends the comparison, so a
// text matches a blank-padded entry only with the same padding.
int32_t FindEntry(MESSAGE *attr, const char *text)
{
    auto list = EntriesOf(kStringList, attr);
    if (!list || !text)
        return -1;
    for (int32_t i = 0; i < list->count(); ++i)
        if (std::strncmp(text, reinterpret_cast<const char *>(list->entry(i)),
                         static_cast<std::size_t>(list->entryLength())) == 0)
            return i;
    return -1;
}

constexpr char kBlank = ' ';

}  // namespace

std::optional<EntryList> StringEntriesOf(MESSAGE *attr) { return EntriesOf(kStringList, attr); }

}  // namespace zem

using namespace zem;

extern "C" {

// The eight operations of an integer list, for each element width.
#define ZEM_INTEGER_LIST_ENTRY_POINTS(Kind, T)                                                                         \
    ZEMAPI(int) IsPcf##Kind##ListAttr(MESSAGE *attr) { return ValuesOf<T>(attr).has_value(); }                         \
    ZEMAPI(int) CreatePcf##Kind##ListAttr(MESSAGE *attr, int32_t parameter, int32_t count)                             \
    {                                                                                                                  \
        return CreateValues<T>(attr, parameter, count);                                                                \
    }                                                                                                                  \
    ZEMAPI(int) SizePcf##Kind##ListAttr(MESSAGE *attr, int32_t count) { return ResizeValues<T>(attr, count); }         \
    ZEMAPI(int) GetPcf##Kind##ListAttrValue(MESSAGE *attr, int32_t index, T *value)                                    \
    {                                                                                                                  \
        return GetValue(attr, index, value);                                                                           \
    }                                                                                                                  \
    ZEMAPI(int) GetPcf##Kind##ListAttrValueSum(MESSAGE *attr, T *sum) { return SumValues(attr, sum); }                 \
    ZEMAPI(int) GetPcf##Kind##ListAttrValueStr(MESSAGE *attr, char *text, int32_t max)                                 \
    {                                                                                                                  \
        return ValuesToText<T>(attr, text, max);                                                                       \
    }                                                                                                                  \
    ZEMAPI(int) SetPcf##Kind##ListAttrValue(MESSAGE *attr, int32_t index, T value)                                     \
    {                                                                                                                  \
        return SetValue(attr, index, value);                                                                           \
    }                                                                                                                  \
    ZEMAPI(int) SetPcf##Kind##ListAttrValueStr(MESSAGE *attr, const char *text) { return TextToValues<T>(attr, text); }

ZEM_INTEGER_LIST_ENTRY_POINTS(Int, int32_t)
ZEM_INTEGER_LIST_ENTRY_POINTS(Int64, int64_t)

ZEMAPI(int) IsPcfStrListAttr(MESSAGE *attr) { return EntriesOf(kStringList, attr).has_value(); }
ZEMAPI(int) CreatePcfStrListAttr(MESSAGE *attr, int32_t parameter, int32_t count, int32_t length)
{
    return CreateEntries(kStringList, attr, parameter, count, length);
}
ZEMAPI(int) SizePcfStrListAttr(MESSAGE *attr, int32_t count) { return ResizeList(attr, kStringList, count); }
ZEMAPI(int) GetPcfStrListAttrValue(MESSAGE *attr, int32_t index, char *buffer, int32_t max)
{
    return GetEntry(kStringList, attr, index, buffer, max);
}
ZEMAPI(int) SetPcfStrListAttrValue(MESSAGE *attr, int32_t index, const char *text)
{
    return SetStringEntry(attr, index, text, -1, kBlank);
}
ZEMAPI(int) SetPcfStrListAttrValueWithLen(MESSAGE *attr, int32_t index, const char *text, int32_t length, char fill)
{
    return SetStringEntry(attr, index, text, length, fill);
}
ZEMAPI(int) SetPcfStrListAttrValueWithFill(MESSAGE *attr, int32_t index, const char *text, char fill)
{
    return SetStringEntry(attr, index, text, -1, fill);
}
ZEMAPI(int32_t) FindPcfStrListAttrValue(MESSAGE *attr, const char *text) { return FindEntry(attr, text); }

ZEMAPI(int) IsPcfByteStrListAttr(MESSAGE *attr) { return EntriesOf(kByteStringList, attr).has_value(); }
ZEMAPI(int) CreatePcfByteStrListAttr(MESSAGE *attr, int32_t parameter, int32_t count, int32_t length)
{
    return CreateEntries(kByteStringList, attr, parameter, count, length);
}
ZEMAPI(int) GetPcfByteStrListAttrValue(MESSAGE *attr, int32_t index, void *buffer, int32_t max)
{
    return GetEntry(kByteStringList, attr, index, buffer, max);
}
ZEMAPI(int) SetPcfByteStrListAttrValue(MESSAGE *attr, int32_t index, const void *value, int32_t length)
{
    return SetEntry(kByteStringList, attr, index, value, length, '\0');
}

}  // extern "C"
