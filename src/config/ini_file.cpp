#include "config/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace zem {
namespace {

void AppendToKey(KeyBuffer &key, std::string_view characters)
{
    std::size_t room = static_cast<std::size_t>(ZEM_INI_KEY_SIZE - 1 - key.length);
    std::size_t taken = characters.size() < room ? characters.size() : room;
    if (taken > 0)
        std::memcpy(key.text + key.length, characters.data(), taken);
    key.length += static_cast<int32_t>(taken);
    key.cut = key.cut || taken < characters.size();
}

// zemGetValue's test: the caller's key is an IsMaskMatch mask. IsMaskMatch walks mask and
// key together and fits a key whose next character is a blank after at least one equal
// pair; so a key that parts from the mask's characters before its first '*', with no blank
// up to and including the parting character, never fits, and is turned down uncopied.
class MaskTest {
public:
    explicit MaskTest(const char *mask) : mask_(mask)
    {
        std::string_view whole(mask);
        literal_ = whole.substr(0, whole.find('*'));
        firstBlank_ = literal_.find(' ', 1);
    }
    bool fits(const KeyBuffer &fileKey) const { return IsMaskMatch(mask_, fileKey.text) != 0; }
    bool rejects(std::string_view fileKey) const
    {
        if (literal_.empty() || fileKey.empty())
            return false;
        if (fileKey[0] != literal_[0])
            return true;
        std::size_t common = CommonLength(fileKey, literal_);
        if (common == fileKey.size() || common == literal_.size())
            return false;
        bool blankBefore = firstBlank_ < common;
        return !blankBefore && fileKey[common] != ' ';
    }

private:
    static std::size_t CommonLength(std::string_view a, std::string_view b)
    {
        std::size_t common = 0;
        std::size_t shorter = a.size() < b.size() ? a.size() : b.size();
        for (; shorter - common >= 8; common += 8)
            if (uint64_t differ = word::NonZeroBytes(word::Load(a.data() + common) ^ word::Load(b.data() + common)))
                return common + word::FirstMarked(differ);
        while (common < shorter && a[common] == b[common])
            ++common;
        return common;
    }

    const char *mask_;
    std::string_view literal_;
    std::size_t firstBlank_;
};

// Any other test, through its function.
class PointerTest {
public:
    explicit PointerTest(const KeyTest &test) : test_(test) {}
    bool fits(const KeyBuffer &fileKey) const { return test_.fits(fileKey, test_.context); }
    bool rejects(std::string_view) const { return false; }

private:
    const KeyTest &test_;
};

// FindEntry for a test the compiler can see through: the search calls it for every key.
template <typename Test> bool FindEntryWith(const TextCursor &text, const KeyDelimiters &delims, PassOver passOver,
                                            const Test &test, int64_t &position, KeyBuffer &key, EntryHit &hit)
{
    bool passEmptyAndComment = passOver == PassOver::EmptyAndComment;
    for (;;) {
        int64_t start = position;
        int64_t consumed = 0;
        std::string_view plain;
        if (!text.inside(start)) {
            ReadKey(text, start, delims, key, consumed);
            position = text.size();
            return false;
        }
        // Most keys lie in one stretch, without a comment, and are short enough to be kept
        // whole: they are read here, the others by ReadKey.
        int64_t stop = text.find(start, delims.stops());
        if ((stop == text.size() || delims.endsKey(text.at(stop))) && stop - start < ZEM_INI_KEY_SIZE) {
            plain = text.slice(start, stop - start);
            position = stop < text.size() ? stop + 1 : stop;
            // A plain key holds no '#' but as a delimiter, which ends it.
            if ((plain.empty() && passEmptyAndComment) || test.rejects(plain))
                continue;
            key.length = 0;
            key.cut = false;
            AppendToKey(key, plain);
            key.text[key.length] = '\0';
        } else {
            ReadKey(text, start, delims, key, consumed);
            position += consumed;
            if (passEmptyAndComment && (key.length == 0 || key.text[0] == '#'))
                continue;
        }
        if (test.fits(key)) {
            hit.keyStart = start;
            hit.keyEnd = position;
            return true;
        }
    }
}

// zemGetValueExt's rule: either key may be the mask.
bool KeysFitEitherWay(const KeyBuffer &fileKey, const void *context)
{
    const char *callerKey = static_cast<const char *>(context);
    return IsMaskMatch(callerKey, fileKey.text) || IsMaskMatch(fileKey.text, callerKey);
}

bool EveryKey(const KeyBuffer &, const void *) { return true; }

int64_t StartOf(const IniFile &ini, int fromStart) { return fromStart ? 0 : ini.position; }

// The one shape of the stateful lookups: find, place the value, copy it, move position.
enum class ValueRule { AfterKeyDelimiter, AfterEquals };

template <typename Test> int StatefulLookup(IniFile &ini, const Test &test, ValueRule rule, char *key, char *value,
                                            std::size_t capacity, int fromStart)
{
    if (!ini.text)
        return 0;
    TextCursor text(ini.text, ini.length);
    KeyDelimiters delims(ini.keyDelims);
    int64_t position = StartOf(ini, fromStart);
    KeyBuffer fileKey;
    EntryHit hit;
    int64_t valueStart = -1;
    if (FindEntryWith(text, delims, PassOver::EmptyAndComment, test, position, fileKey, hit))
        valueStart =
            rule == ValueRule::AfterEquals ? ValueAfterEquals(text, hit) : ValueAfterKeyDelimiter(text, hit, delims);
    // zemGetKeyAndValue also wants a character after the delimiter.
    if (valueStart < 0 || (key && valueStart >= text.size())) {
        ini.position = static_cast<int32_t>(position);
        return 0;
    }
    if (key)
        std::memcpy(key, fileKey.text, static_cast<std::size_t>(fileKey.length) + 1);
    ini.position = static_cast<int32_t>(CopyValue(text, valueStart, CharSet(ini.valueDelims), value, capacity));
    return 1;
}

void ClearIni(IniFile &ini) { std::memset(&ini, 0, sizeof ini); }

int LoadIni(const char *path, const char *keyDelims, const char *valueDelims, IniFile &ini, char *error)
{
    if (std::strlen(path) >= ZEM_PATH_SIZE) {
        ini.openError = ENAMETOOLONG;
        FormatOpenError(error, path, ENAMETOOLONG);
        return 0;
    }
    errno = 0;
    ini.stream = std::fopen(path, "rb");
    ini.openError = errno;
    if (!ini.stream) {
        FormatOpenError(error, path, ini.openError);
        return 0;
    }
    // Read over the one open stream: the file cannot vanish between measuring and reading.
    ini.length = 0;
    ini.position = 0;
    ini.text = nullptr;
    std::strcpy(ini.path, path);
    char *block = nullptr;
    int32_t length = 0;
    bool loaded = ReadWholeStream(ini.stream, block, length);
    int readError = errno;
    std::fclose(ini.stream);
    ini.stream = nullptr;
    if (!loaded) {
        zemCloseIniFile(&ini);
        FormatSizeError(error, path, readError);
        return 0;
    }
    ini.text = block;
    ini.length = length;
    CopyDelims(ini.keyDelims, keyDelims);
    CopyDelims(ini.valueDelims, valueDelims);
    return 1;
}

}  // namespace

KeyDelimiters::KeyDelimiters(const char *delims) : delimiters_(delims), stops_(delims)
{
    stops_.add('\n');
    stops_.add('#');
}

TextCursor::TextCursor(const char *text, int64_t limit) : text_(text), size_(0)
{
    if (text && limit > 0)
        size_ = static_cast<int64_t>(strnlen(text, static_cast<std::size_t>(limit)));
}

int64_t TextCursor::lineEnd(int64_t offset) const
{
    if (!inside(offset))
        return size_;
    const void *newline = std::memchr(text_ + offset, '\n', static_cast<std::size_t>(size_ - offset));
    return newline ? static_cast<const char *>(newline) - text_ : size_;
}

std::string_view TextCursor::slice(int64_t offset, int64_t length) const
{
    if (!inside(offset) || length <= 0)
        return {};
    if (length > size_ - offset)
        length = size_ - offset;
    return std::string_view(text_ + offset, static_cast<std::size_t>(length));
}

bool ReadKey(const TextCursor &text, int64_t start, const KeyDelimiters &delims, KeyBuffer &key, int64_t &consumed)
{
    key.length = 0;
    key.cut = false;
    key.text[0] = '\0';
    consumed = 0;
    if (!text.inside(start))
        return false;
    for (int64_t at = start; text.inside(at);) {
        int64_t stop = text.find(at, delims.stops());
        AppendToKey(key, text.slice(at, stop - at));
        consumed += stop - at;
        if (stop == text.size())
            break;
        ++consumed;
        if (delims.endsKey(text.at(stop)))
            break;
        // A comment: up to its newline; a '#' on a last line without one is an ordinary character.
        int64_t newline = text.lineEnd(stop);
        if (newline < text.size()) {
            consumed += newline - stop;
            at = newline + 1;
            if (key.length > 0)
                break;
            continue;
        }
        AppendToKey(key, "#");
        at = stop + 1;
    }
    key.text[key.length] = '\0';
    return true;
}

bool FindEntry(const TextCursor &text, const KeyDelimiters &delims, PassOver passOver, const KeyTest &test,
               int64_t &position, KeyBuffer &key, EntryHit &hit)
{
    return FindEntryWith(text, delims, passOver, PointerTest(test), position, key, hit);
}

int64_t ValueAfterKeyDelimiter(const TextCursor &text, const EntryHit &hit, const KeyDelimiters &delims)
{
    // The character that ended the key is the first candidate.
    int64_t at = text.find(hit.keyEnd - 1, delims.delimiters());
    return at < text.size() ? at + 1 : -1;
}

int64_t ValueAfterEquals(const TextCursor &text, const EntryHit &hit)
{
    for (int64_t at = hit.keyStart; text.inside(at); ++at) {
        char c = text.at(at);
        if (c == '#')
            at = text.lineEnd(at);
        else if (c == '=')
            return at + 1;
    }
    return -1;
}

int64_t CopyValue(const TextCursor &text, int64_t start, const CharSet &valueDelims, char *value, std::size_t capacity,
                  std::size_t *fullLength)
{
    int64_t end = text.find(start, valueDelims);
    std::string_view whole = text.slice(start, end - start);
    if (capacity > 0) {
        std::size_t kept = whole.size() < capacity ? whole.size() : capacity - 1;
        if (kept > 0)
            std::memcpy(value, whole.data(), kept);
        value[kept] = '\0';
    }
    if (fullLength)
        *fullLength = whole.size();
    return end;
}

int MaskLookup(IniFile &ini, const char *key, char *value, std::size_t capacity, bool fromStart)
{
    return StatefulLookup(ini, MaskTest(key), ValueRule::AfterKeyDelimiter, nullptr, value, capacity, fromStart);
}

bool ReadWholeStream(FILE *stream, char *&block, int32_t &length)
{
    block = nullptr;
    length = 0;
    errno = 0;
    int32_t size = 0;
    if (!SizeOfFile(stream, &size) || size <= 0)
        return false;
    void *memory = nullptr;
    if (!fNewMemory(&memory, static_cast<uint32_t>(size) + 4u, "ZemIni")) {
        errno = ENOMEM;
        return false;
    }
    char *bytes = static_cast<char *>(memory);
    std::size_t read = std::fread(bytes, 1, static_cast<std::size_t>(size), stream);
    if (read == 0) {
        FreeMemory(memory);
        if (!errno)
            errno = EIO;
        return false;
    }
    std::size_t kept = 0;
    for (std::size_t at = 0; at < read; ++at)
        if (!(bytes[at] == '\r' && at + 1 < read && bytes[at + 1] == '\n'))
            bytes[kept++] = bytes[at];
    bytes[kept] = '\0';
    block = bytes;
    length = static_cast<int32_t>(kept);
    return true;
}

void FormatOpenError(char *error, const char *path, int errorNumber)
{
    if (error)
        std::snprintf(error, ZEM_CONFIG_ERROR_SIZE, "Opening file %.1023s failed\nERRNO(%d): ERRSTR(%s)\n", path,
                      errorNumber, std::strerror(errorNumber));
}

void FormatSizeError(char *error, const char *path, int errorNumber)
{
    if (error)
        std::snprintf(error, ZEM_CONFIG_ERROR_SIZE, "Get size of file %.1023s failed\nERRNO(%d): ERRSTR(%s)\n", path,
                      errorNumber, std::strerror(errorNumber));
}

void CopyDelims(char (&field)[ZEM_INI_DELIMS_SIZE], const char *delims)
{
    std::memset(field, 0, sizeof field);
    if (delims)
        std::strncpy(field, delims, sizeof field - 1);
}

bool OpenerPath(const char *name, bool inConfigFolder, char (&path)[ZEM_PATH_SIZE])
{
    if (inConfigFolder) {
        if (zemMakeIniFilePath(path, name))
            return true;
    } else if (std::strlen(name) < ZEM_PATH_SIZE) {
        std::strcpy(path, name);
        return true;
    }
    errno = ENAMETOOLONG;
    return false;
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) zemOpenIniFile(const char *name, const char *keyDelims, const char *valueDelims, IniFile *ini, char *error,
                           int inConfigFolder)
{
    if (!name || !ini)
        return 0;
    ClearIni(*ini);
    char path[ZEM_PATH_SIZE];
    if (!OpenerPath(name, inConfigFolder != 0, path)) {
        ini->openError = ENAMETOOLONG;
        FormatOpenError(error, name, ENAMETOOLONG);
        return 0;
    }
    return LoadIni(path, keyDelims, valueDelims, *ini, error);
}

ZEMAPI(int) zemLoadFile(const char *path, const char *keyDelims, const char *valueDelims, IniFile *ini, char *error)
{
    if (!path || !ini)
        return 0;
    return LoadIni(path, keyDelims, valueDelims, *ini, error);
}

ZEMAPI(int) zemCloseIniFile(IniFile *ini)
{
    if (!ini)
        return 1;
    if (ini->stream)
        std::fclose(ini->stream);
    FreeMemory(ini->text);
    ClearIni(*ini);
    return 1;
}

ZEMAPI(int) zemGetValue(IniFile *ini, const char *key, char *value, int fromStart)
{
    if (!ini || !key || !value)
        return 0;
    return MaskLookup(*ini, key, value, kUnbounded, fromStart != 0);
}

ZEMAPI(int) zemGetValueExt(IniFile *ini, const char *key, char *value, int fromStart)
{
    if (!ini || !key || !value)
        return 0;
    KeyTest test{KeysFitEitherWay, key};
    return StatefulLookup(*ini, PointerTest(test), ValueRule::AfterEquals, nullptr, value, kUnbounded, fromStart);
}

ZEMAPI(int) zemGetValueExt2(const char *text, const void * /*unused*/, const char *keyDelims, const char *valueDelims,
                            const char *key, char *value, int /*fromStart*/)
{
    if (!text || !keyDelims || !valueDelims || !key || !value)
        return 0;
    TextCursor cursor(text, INT32_MAX);
    int64_t position = 0;
    KeyBuffer fileKey;
    EntryHit hit;
    if (!FindEntry(cursor, KeyDelimiters(keyDelims), PassOver::Nothing, KeyTest{KeysFitEitherWay, key}, position,
                   fileKey, hit))
        return 0;
    int64_t valueStart = ValueAfterEquals(cursor, hit);
    if (valueStart < 0)
        return 0;
    CopyValue(cursor, valueStart, CharSet(valueDelims), value, kUnbounded);
    return 1;
}

ZEMAPI(int) zemGetKeyAndValue(IniFile *ini, char *key, char *value, int fromStart)
{
    if (!ini || !key || !value)
        return 0;
    KeyTest test{EveryKey, nullptr};
    return StatefulLookup(*ini, PointerTest(test), ValueRule::AfterKeyDelimiter, key, value, kUnbounded, fromStart);
}

ZEMAPI(int32_t) zemResetPos(IniFile *ini, int32_t offset)
{
    if (!ini)
        return 0;
    ini->position = offset;
    return offset;
}

ZEMAPI(int32_t) zemLineCount(const char *text)
{
    int32_t lines = 0;
    for (; text && *text; ++text)
        if (*text == '\n' && lines < INT32_MAX)
            ++lines;
    return lines;
}

ZEMAPI(const char *) zemGoToLine(const char *text, int32_t line)
{
    if (!text)
        return nullptr;
    const char *lineStart = text;
    for (int32_t newlines = 0; newlines + 1 < line && *text; ++text)
        if (*text == '\n') {
            ++newlines;
            lineStart = text + 1;
        }
    return lineStart;
}

}  // extern "C"
