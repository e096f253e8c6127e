// The entry reader shared by the key-and-value lookups, the permission lookups, the
// workgroup resolver and the reason-code text.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "foundation/char_table.h"
#include "zemapi.h"

#ifndef ZEM_SCAN_SSE2
#if defined(__SSE2__) || defined(_M_X64)
#define ZEM_SCAN_SSE2 1
#else
#define ZEM_SCAN_SSE2 0
#endif
#endif
#if ZEM_SCAN_SSE2
#include <emmintrin.h>
#endif

namespace zem {

// Word-at-a-time tests on eight characters read as one 64-bit word.
namespace word {
constexpr uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7f7f7f7f7f7f7f7fu, kHigh = 0x8080808080808080u;

inline uint64_t Load(const char *at)
{
    uint64_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}
// The top bit of every byte that is not zero, exactly (no carry crosses a byte).
inline uint64_t NonZeroBytes(uint64_t value) { return (((value & kLow7) + kLow7) | value) & kHigh; }
// The place in memory order of the first byte marked by NonZeroBytes; marks is not 0.
inline std::size_t FirstMarked(uint64_t marks)
{
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return static_cast<std::size_t>(__builtin_ctzll(marks)) / 8;
#else
    unsigned char bytes[sizeof marks];
    std::memcpy(bytes, &marks, sizeof marks);
    std::size_t place = 0;
    while (place < sizeof marks - 1 && !(bytes[place] & 0x80))
        ++place;
    return place;
#endif
}
// The place of the lowest set bit of bits, which is not 0.
inline std::size_t LowestBit(uint64_t bits)
{
#if defined(__GNUC__)
    return static_cast<std::size_t>(__builtin_ctzll(bits));
#else
    std::size_t place = 0;
    for (; !(bits & 1u); bits >>= 1)
        ++place;
    return place;
#endif
}
// The place of the highest set bit of bits, which is not 0.
inline std::size_t HighestBit(uint64_t bits)
{
#if defined(__GNUC__)
    return static_cast<std::size_t>(63 - __builtin_clzll(bits));
#else
    std::size_t place = 0;
    while (bits >>= 1)
        ++place;
    return place;
#endif
}
}  // namespace word

// A set of characters for scanning configuration text: membership through a CharTable,
// and a set of up to four characters also tests eight text characters at a time.
class CharSet {
public:
    CharSet() = default;
    explicit CharSet(const char *members) { add(members); }
    void add(const char *members)
    {
        for (; members && *members; ++members)
            add(*members);
    }
    void add(char c)
    {
        if (has(c))
            return;
        table_.add(c);
        uint64_t spread = word::kOnes * static_cast<unsigned char>(c);
        if (count_ == 0)
            for (uint64_t &few : few_)
                few = spread;  // unused places repeat the first member
        else if (count_ < kFew)
            few_[count_] = spread;
        ++count_;
    }
    bool has(char c) const { return table_.has(c); }
    bool empty() const { return count_ == 0; }
    bool few() const { return count_ > 0 && count_ <= kFew; }
#if ZEM_SCAN_SSE2
    __m128i fewVector(std::size_t place) const { return _mm_set1_epi64x(static_cast<long long>(few_[place])); }
#endif
    // For a set of up to four: the top bit of each byte of value that is a member.
    uint64_t fewIn(uint64_t value) const
    {
        uint64_t noMember = word::kHigh;
        for (uint64_t few : few_)
            noMember &= word::NonZeroBytes(value ^ few);
        return noMember ^ word::kHigh;
    }

private:
    static constexpr std::size_t kFew = 4;
    CharTable table_;
    uint64_t few_[kFew] = {};
    std::size_t count_ = 0;
};

// A lookup's key delimiters with what else stops the reading of a key: the newline ends a
// key too, and a '#' that is not a delimiter opens a comment.
class KeyDelimiters {
public:
    explicit KeyDelimiters(const char *delims);
    const CharSet &delimiters() const { return delimiters_; }
    bool endsKey(char c) const { return c == '\n' || delimiters_.has(c); }
    const CharSet &stops() const { return stops_; }

private:
    CharSet delimiters_;
    CharSet stops_;
};

// A read-only view of configuration text that never reads outside it: the text ends at
// its first NUL or at the limit, whichever comes first, and every offset outside the text
// reads as that end.
class TextCursor {
public:
    TextCursor(const char *text, int64_t limit);
    char at(int64_t offset) const { return inside(offset) ? text_[offset] : '\0'; }
    bool inside(int64_t offset) const { return offset >= 0 && offset < size_; }
    int64_t size() const { return size_; }
    // Offset of the first newline at or after offset, or size() when there is none.
    int64_t lineEnd(int64_t offset) const;
    // Offset of the first member of set at or after offset, or size() when there is none.
    int64_t find(int64_t offset, const CharSet &set) const;
    // The characters from offset on, at most length of them, clamped to the text.
    std::string_view slice(int64_t offset, int64_t length) const;

private:
    const char *text_;
    int64_t size_;
};

// Inline: a lookup calls it for every key of the file.
inline int64_t TextCursor::find(int64_t offset, const CharSet &set) const
{
    if (!inside(offset))
        return size_;
    const char *at = text_ + offset;
    const char *end = text_ + size_;
    if (set.empty())
        return size_;
    // The scan over a whole file is the cost of a lookup: eight characters at a time where
    // the set allows, then the table on the word that holds a member.
    if (set.few()) {
#if ZEM_SCAN_SSE2
        // Sixteen at a time where every x86-64 processor can.
        const __m128i few0 = set.fewVector(0), few1 = set.fewVector(1), few2 = set.fewVector(2),
                      few3 = set.fewVector(3);
        for (; end - at >= 16; at += 16) {
            __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            __m128i members = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, few0), _mm_cmpeq_epi8(chunk, few1)),
                                           _mm_or_si128(_mm_cmpeq_epi8(chunk, few2), _mm_cmpeq_epi8(chunk, few3)));
            if (unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(members)))
                return at + word::LowestBit(bits) - text_;
        }
#endif
        for (; end - at >= 8; at += 8)
            if (uint64_t members = set.fewIn(word::Load(at)))
                return at + word::FirstMarked(members) - text_;
    }
    for (; end - at >= 4; at += 4) {
        if (set.has(at[0]))
            return at - text_;
        if (set.has(at[1]))
            return at + 1 - text_;
        if (set.has(at[2]))
            return at + 2 - text_;
        if (set.has(at[3]))
            return at + 3 - text_;
    }
    for (; at < end; ++at)
        if (set.has(*at))
            return at - text_;
    return size_;
}

// The key as one lookup read it. Longer keys are cut (their characters still count as
// consumed); `cut` tells so.
struct KeyBuffer {
    char text[ZEM_INI_KEY_SIZE];
    int32_t length = 0;
    bool cut = false;
};

// Reads the key that starts at `start`. Returns false when start is the end of the text.
// `consumed` receives the characters taken, the one that ended the key included; a '#'
// with a newline after it skips to after that newline (ending a key that has characters).
bool ReadKey(const TextCursor &text, int64_t start, const KeyDelimiters &delims, KeyBuffer &key, int64_t &consumed);

// Which keys a search passes over without offering them for a match.
enum class PassOver { EmptyAndComment, Nothing };

// An entry whose key was accepted: where reading of the key began and ended.
struct EntryHit {
    int64_t keyStart = 0;
    int64_t keyEnd = 0;  // keyStart + consumed characters
};

// A key predicate over the file's key.
using KeyFits = bool (*)(const KeyBuffer &fileKey, const void *context);

// What a search asks of each key.
struct KeyTest {
    KeyFits fits;
    const void *context;
};

// Reads keys from `position` on, adding each key's consumed count to position, until
// the test accepts one (true, position just after it) or the text ends (false).
bool FindEntry(const TextCursor &text, const KeyDelimiters &delims, PassOver passOver, const KeyTest &test,
               int64_t &position, KeyBuffer &key, EntryHit &hit);

// Where the value of an accepted entry starts, by the lookup's rule; -1 when the search
// for its start reaches the end of the text.
int64_t ValueAfterKeyDelimiter(const TextCursor &text, const EntryHit &hit, const KeyDelimiters &delims);
int64_t ValueAfterEquals(const TextCursor &text, const EntryHit &hit);

// Copies the value from start up to a value delimiter or the end of the text into value,
// at most capacity - 1 characters and a NUL. Returns the offset of the character that
// ended the value; fullLength (if given) receives the value's length before any cut.
int64_t CopyValue(const TextCursor &text, int64_t start, const CharSet &valueDelims, char *value, std::size_t capacity,
                  std::size_t *fullLength = nullptr);

// No bound: for the interfaces whose callers size their buffers for the file.
constexpr std::size_t kUnbounded = SIZE_MAX;

// The mask lookup of zemGetValue on an INI text, with a bounded value: 1 when found.
int MaskLookup(IniFile &ini, const char *key, char *value, std::size_t capacity, bool fromStart);

// Reading whole files: the text comes into a tracked block of size + 4 bytes with CR-LF
// pairs folded to newlines, as text-mode reading gives them on Windows, so files written
// there read the same everywhere. Returns false on a failed size, allocation or read, or
// an empty file; errno tells why.
bool ReadWholeStream(FILE *stream, char *&block, int32_t &length);

// The error texts of the configuration readers, formatted into error (when not null,
// ZEM_CONFIG_ERROR_SIZE bytes) with the path cut to what a record can hold.
void FormatOpenError(char *error, const char *path, int errorNumber);
void FormatSizeError(char *error, const char *path, int errorNumber);

// Copies a delimiter set into a record's field, cut to its capacity.
void CopyDelims(char (&field)[ZEM_INI_DELIMS_SIZE], const char *delims);

// Builds the path of a file for an opener: in the configuration folder or as given.
// Returns false (errno ENAMETOOLONG) when it does not fit in ZEM_PATH_SIZE.
bool OpenerPath(const char *name, bool inConfigFolder, char (&path)[ZEM_PATH_SIZE]);

}  // namespace zem
