#include "config/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace zem {
namespace {

bool IsDelimiter(char c, const char *delims)
{
    for (; *delims; ++delims)
        if (*delims == c)
            return true;
    return false;
}

void AppendToKey(KeyBuffer &key, char c)
{
    if (key.length < ZEM_INI_KEY_SIZE - 1)
        key.text[key.length++] = c;
    else
        key.cut = true;
}

bool CallerMaskFitsFileKey(const KeyBuffer &fileKey, const void *context)
{
    return IsMaskMatch(static_cast<const char *>(context), fileKey.text) != 0;
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

int StatefulLookup(IniFile &ini, KeyFits fits, const void *context, ValueRule rule, char *key, char *value,
                   std::size_t capacity, int fromStart)
{
    if (!ini.text)
        return 0;
    TextCursor text(ini.text, ini.length);
    int64_t position = StartOf(ini, fromStart);
    KeyBuffer fileKey;
    EntryHit hit;
    int64_t valueStart = -1;
    if (FindEntry(text, ini.keyDelims, PassOver::EmptyAndComment, fits, context, position, fileKey, hit))
        valueStart = rule == ValueRule::AfterEquals ? ValueAfterEquals(text, hit)
                                                    : ValueAfterKeyDelimiter(text, hit, ini.keyDelims);
    // zemGetKeyAndValue also wants a character after the delimiter.
    if (valueStart < 0 || (key && valueStart >= text.size())) {
        ini.position = static_cast<int32_t>(position);
        return 0;
    }
    if (key)
        std::memcpy(key, fileKey.text, static_cast<std::size_t>(fileKey.length) + 1);
    ini.position = static_cast<int32_t>(CopyValue(text, valueStart, ini.valueDelims, value, capacity));
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

TextCursor::TextCursor(const char *text, int64_t limit) : text_(text), size_(0)
{
    if (text && limit > 0)
        size_ = static_cast<int64_t>(strnlen(text, static_cast<std::size_t>(limit)));
}

int64_t TextCursor::lineEnd(int64_t offset) const
{
    if (offset < 0)
        return size_;
    while (inside(offset) && text_[offset] != '\n')
        ++offset;
    return offset < size_ ? offset : size_;
}

std::string_view TextCursor::slice(int64_t offset, int64_t length) const
{
    if (!inside(offset) || length <= 0)
        return {};
    if (length > size_ - offset)
        length = size_ - offset;
    return std::string_view(text_ + offset, static_cast<std::size_t>(length));
}

bool ReadKey(const TextCursor &text, int64_t start, const char *keyDelims, KeyBuffer &key, int64_t &consumed)
{
    key.length = 0;
    key.cut = false;
    key.text[0] = '\0';
    consumed = 0;
    if (!text.inside(start))
        return false;
    for (int64_t at = start; text.inside(at);) {
        char c = text.at(at);
        ++consumed;
        if (c == '\n' || IsDelimiter(c, keyDelims))
            break;
        if (c == '#') {
            int64_t newline = text.lineEnd(at);
            // A '#' on a last line without a newline is an ordinary character.
            if (newline < text.size()) {
                consumed += newline - at;
                at = newline + 1;
                if (key.length > 0)
                    break;
                continue;
            }
        }
        AppendToKey(key, c);
        ++at;
    }
    key.text[key.length] = '\0';
    return true;
}

bool FindEntry(const TextCursor &text, const char *keyDelims, PassOver passOver, KeyFits fits,
               const void *context, int64_t &position, KeyBuffer &key, EntryHit &hit)
{
    for (;;) {
        int64_t start = position;
        int64_t consumed = 0;
        if (!ReadKey(text, start, keyDelims, key, consumed)) {
            position = text.size();
            return false;
        }
        position += consumed;
        bool passedOver = passOver == PassOver::EmptyAndComment && (key.length == 0 || key.text[0] == '#');
        if (!passedOver && fits(key, context)) {
            hit.keyStart = start;
            hit.keyEnd = position;
            return true;
        }
    }
}

int64_t ValueAfterKeyDelimiter(const TextCursor &text, const EntryHit &hit, const char *keyDelims)
{
    // The character that ended the key is the first candidate.
    for (int64_t at = hit.keyEnd - 1; text.inside(at); ++at)
        if (IsDelimiter(text.at(at), keyDelims))
            return at + 1;
    return -1;
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

int64_t CopyValue(const TextCursor &text, int64_t start, const char *valueDelims, char *value,
                  std::size_t capacity, std::size_t *fullLength)
{
    std::size_t length = 0;
    int64_t at = start;
    for (; text.inside(at) && !IsDelimiter(text.at(at), valueDelims); ++at, ++length)
        if (length + 1 < capacity)
            value[length] = text.at(at);
    if (capacity > 0)
        value[length < capacity ? length : capacity - 1] = '\0';
    if (fullLength)
        *fullLength = length;
    return at < text.size() ? at : text.size();
}

int MaskLookup(IniFile &ini, const char *key, char *value, std::size_t capacity, bool fromStart)
{
    return StatefulLookup(ini, CallerMaskFitsFileKey, key, ValueRule::AfterKeyDelimiter, nullptr, value, capacity,
                          fromStart);
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
        std::snprintf(error, ZEM_CONFIG_ERROR_SIZE, "Get size of file %.1023s failed\nERRNO(%d): ERRSTR(%s)\n",
                      path, errorNumber, std::strerror(errorNumber));
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

ZEMAPI(int) zemOpenIniFile(const char *name, const char *keyDelims, const char *valueDelims, IniFile *ini,
                           char *error, int inConfigFolder)
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

ZEMAPI(int) zemLoadFile(const char *path, const char *keyDelims, const char *valueDelims, IniFile *ini,
                        char *error)
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
    return StatefulLookup(*ini, KeysFitEitherWay, key, ValueRule::AfterEquals, nullptr, value, kUnbounded,
                          fromStart);
}

ZEMAPI(int) zemGetValueExt2(const char *text, const void * /*unused*/, const char *keyDelims,
                            const char *valueDelims, const char *key, char *value, int /*fromStart*/)
{
    if (!text || !keyDelims || !valueDelims || !key || !value)
        return 0;
    TextCursor cursor(text, INT32_MAX);
    int64_t position = 0;
    KeyBuffer fileKey;
    EntryHit hit;
    if (!FindEntry(cursor, keyDelims, PassOver::Nothing, KeysFitEitherWay, key, position, fileKey, hit))
        return 0;
    int64_t valueStart = ValueAfterEquals(cursor, hit);
    if (valueStart < 0)
        return 0;
    CopyValue(cursor, valueStart, valueDelims, value, kUnbounded);
    return 1;
}

ZEMAPI(int) zemGetKeyAndValue(IniFile *ini, char *key, char *value, int fromStart)
{
    if (!ini || !key || !value)
        return 0;
    return StatefulLookup(*ini, EveryKey, nullptr, ValueRule::AfterKeyDelimiter, key, value, kUnbounded,
                          fromStart);
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
