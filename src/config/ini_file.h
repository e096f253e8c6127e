// The entry reader shared by the key-and-value lookups, the permission lookups, the
// workgroup resolver and the reason-code text.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "zemapi.h"

namespace zem {

// A set of characters as a 256-entry table: membership is one load, whatever the set's size.
class CharSet {
public:
    CharSet() = default;
    explicit CharSet(const char *members) { add(members); }
    void add(const char *members)
    {
        for (; members && *members; ++members)
            add(*members);
    }
    void add(char c) { member_[static_cast<unsigned char>(c)] = true; }
    bool has(char c) const { return member_[static_cast<unsigned char>(c)]; }

private:
    bool member_[256] = {};
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
bool ReadKey(const TextCursor &text, int64_t start, const KeyDelimiters &delims, KeyBuffer &key,
             int64_t &consumed);

// Which keys a search passes over without offering them for a match.
enum class PassOver { EmptyAndComment, Nothing };

// An entry whose key was accepted: where reading of the key began and ended.
struct EntryHit {
    int64_t keyStart = 0;
    int64_t keyEnd = 0;  // keyStart + consumed characters
};

// A key predicate over the file's key.
using KeyFits = bool (*)(const KeyBuffer &fileKey, const void *context);
// A quick verdict on a key read whole in one stretch, before it is copied: true only for
// a key that `fits` would certainly refuse.
using KeyRejects = bool (*)(std::string_view fileKey, const void *context);

// What a search asks of each key.
struct KeyTest {
    KeyFits fits;
    const void *context;
    KeyRejects rejects = nullptr;
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
int64_t CopyValue(const TextCursor &text, int64_t start, const CharSet &valueDelims, char *value,
                  std::size_t capacity, std::size_t *fullLength = nullptr);

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
