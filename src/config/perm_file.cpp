#include "config/perm_file.h"

#include <cerrno>
#include <cstring>

#include "config/ini_file.h"
#include "foundation/strings.h"

namespace zem {
namespace {

// A longer line is read in pieces of this many characters, each sorted on its own.
constexpr std::size_t kPieceLength = 2043;
// The header is taken from the first line as read in one piece of this many characters.
constexpr std::size_t kHeaderLineLength = 2046;
constexpr std::size_t kHeaderLength = sizeof(PermFile{}.header) - 1;

// The families in the order a line is compared with them.
struct Family {
    const char *prefix;  // the first seven characters, compared ignoring case
    PermSection PermFile::*section;
};
constexpr Family kFamilies[] = {
    {"Effecti", &PermFile::effective},
    {"UserAut", &PermFile::userAuthority},
    {"Audit::", &PermFile::audit},
    {"TRUST::", &PermFile::trust},
};
constexpr std::size_t kPrefixLength = 7;

struct Tokens {
    std::string_view items[ZEM_PERMIT_TOKENS];
    std::size_t count = 0;
};

bool IsTokenSeparator(char c) { return c == ':' || c == '\\' || c == ' '; }

// Splits at ':', '\\' and blanks; false when a limit of the comparison is exceeded.
bool Tokenize(std::string_view text, Tokens &tokens)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsTokenSeparator(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsTokenSeparator(text[end]))
            ++end;
        if (tokens.count == ZEM_PERMIT_TOKENS || end - at > ZEM_PERMIT_TOKEN_LENGTH)
            return false;
        tokens.items[tokens.count++] = text.substr(at, end - at);
        at = end;
    }
    return true;
}

bool FitsKeyCopy(std::string_view text) { return text.size() < ZEM_INI_KEY_SIZE; }

constexpr std::size_t kSystemTokenPlace = 2;
constexpr std::string_view kSystemToken = "$SYSTEM$";

// Splits at the last backslash: the path before it and the object after it (empty when
// there is no backslash).
void SplitObject(std::string_view key, std::string_view &path, std::string_view &object)
{
    std::size_t slash = key.rfind('\\');
    path = slash == std::string_view::npos ? key : key.substr(0, slash);
    object = slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The pieces of a text as line-by-line reading of at most kPieceLength characters gives them.
class PieceReader {
public:
    explicit PieceReader(const TextCursor &text) : text_(text) {}
    bool next(std::string_view &piece)
    {
        if (!text_.inside(at_))
            return false;
        int64_t end = text_.lineEnd(at_);
        end = end < text_.size() ? end + 1 : end;
        if (end - at_ > static_cast<int64_t>(kPieceLength))
            end = at_ + static_cast<int64_t>(kPieceLength);
        piece = text_.slice(at_, end - at_);
        at_ = end;
        return true;
    }

private:
    const TextCursor &text_;
    int64_t at_ = 0;
};

const Family *FamilyOf(std::string_view piece)
{
    if (piece.size() < kPrefixLength)
        return nullptr;
    for (const Family &family : kFamilies) {
        std::size_t same = 0;
        while (same < kPrefixLength && AsciiUpper(piece[same]) == AsciiUpper(family.prefix[same]))
            ++same;
        if (same == kPrefixLength)
            return &family;
    }
    return nullptr;
}

// Lines keep a CR-LF end in the sections, whatever the file used.
bool NeedsCarriageReturn(std::string_view piece)
{
    return piece.size() > 2 && piece.back() == '\n' && piece[piece.size() - 2] != '\r';
}

// Sorts every piece into its section: first to measure (into lengths), then to copy.
void SortPieces(const TextCursor &text, int64_t (&lengths)[4], PermFile *fill)
{
    PieceReader reader(text);
    std::string_view piece;
    while (reader.next(piece)) {
        const Family *family = FamilyOf(piece);
        if (!family)
            continue;
        std::size_t place = static_cast<std::size_t>(family - kFamilies);
        bool crlf = NeedsCarriageReturn(piece);
        if (fill) {
            PermSection &section = fill->*family->section;
            std::size_t body = piece.size() - (crlf ? 1 : 0);
            std::memcpy(section.text + section.length, piece.data(), body);
            section.length += static_cast<int32_t>(body);
            if (crlf) {
                std::memcpy(section.text + section.length, "\r\n", 2);
                section.length += 2;
            }
        } else {
            lengths[place] += static_cast<int64_t>(piece.size()) + (crlf ? 1 : 0);
        }
    }
}

void ClearPerm(PermFile &perm) { std::memset(&perm, 0, sizeof perm); }

void ReleaseSections(PermFile &perm)
{
    for (const Family &family : kFamilies) {
        FreeMemory((perm.*family.section).text);
        (perm.*family.section).text = nullptr;
        (perm.*family.section).length = 0;
    }
}

// Gives every non-empty section a block of exactly its length plus the NUL.
bool AllocateSections(PermFile &perm, const int64_t (&lengths)[4])
{
    for (std::size_t place = 0; place < 4; ++place) {
        if (lengths[place] < 1)
            continue;
        void *block = nullptr;
        if (lengths[place] >= INT32_MAX || !fNewMemory(&block, static_cast<uint32_t>(lengths[place] + 1), "ZemIni"))
            return false;
        (perm.*kFamilies[place].section).text = static_cast<char *>(block);
    }
    return true;
}

void TakeHeader(const TextCursor &text, PermFile &perm)
{
    int64_t end = text.lineEnd(0);
    end = end < text.size() ? end + 1 : end;
    std::string_view firstLine = text.slice(0, end).substr(0, kHeaderLineLength).substr(0, kHeaderLength);
    if (!firstLine.empty())  // an empty view may carry no address at all
        std::memcpy(perm.header, firstLine.data(), firstLine.size());
    perm.header[firstLine.size()] = '\0';
}

int LoadPerm(const char *path, const char *keyDelims, const char *valueDelims, PermFile &perm, char *error)
{
    if (std::strlen(path) >= ZEM_PATH_SIZE) {
        FormatOpenError(error, path, ENAMETOOLONG);
        return 0;
    }
    errno = 0;
    perm.stream = std::fopen(path, "rb");
    if (!perm.stream) {
        FormatOpenError(error, path, errno);
        return 0;
    }
    for (const Family &family : kFamilies)
        perm.*family.section = PermSection{nullptr, 0};
    std::strcpy(perm.path, path);
    // One open for measuring and reading: the file cannot vanish in between.
    char *block = nullptr;
    int32_t length = 0;
    bool loaded = ReadWholeStream(perm.stream, block, length);
    int readError = errno;
    std::fclose(perm.stream);
    perm.stream = nullptr;
    if (!loaded) {
        zemClosePermFile(&perm);
        FormatSizeError(error, path, readError);
        return 0;
    }
    CopyDelims(perm.keyDelims, keyDelims);
    CopyDelims(perm.valueDelims, valueDelims);
    TextCursor text(block, length);
    TakeHeader(text, perm);
    int64_t lengths[4] = {0, 0, 0, 0};
    SortPieces(text, lengths, nullptr);
    if (!AllocateSections(perm, lengths)) {
        FreeMemory(block);
        zemClosePermFile(&perm);
        FormatSizeError(error, path, ENOMEM);
        return 0;
    }
    SortPieces(text, lengths, &perm);
    FreeMemory(block);
    return 1;
}

bool RegExpEitherWay(const KeyBuffer &fileKey, const void *context)
{
    const char *callerKey = static_cast<const char *>(context);
    return IsRegExpMatch(callerKey, fileKey.text, 0) || IsRegExpMatch(fileKey.text, callerKey, 0);
}

bool CallerKeyFitsRule(const KeyBuffer &fileKey, const void *context)
{
    // A rule cut to the key buffer is not the rule the file states.
    return !fileKey.cut && PermitFits(fileKey.text, static_cast<const char *>(context));
}

// The value rule of a permit lookup.
enum class PermitValue { AfterEquals, AfterKeyDelimiter, OneCharacter };

int PermitLookup(const TextCursor &text, const char *keyDelims, const char *valueDelims, KeyFits fits,
                 PermitValue rule, const char *key, char *value, int fromStart, int32_t &position)
{
    if (fromStart)
        position = 0;
    int64_t at = position;
    KeyBuffer fileKey;
    EntryHit hit;
    if (!FindEntry(text, keyDelims, PassOver::EmptyAndComment, fits, key, at, fileKey, hit)) {
        position = static_cast<int32_t>(at);
        return 0;
    }
    int64_t valueStart = rule == PermitValue::AfterEquals ? ValueAfterEquals(text, hit) : hit.keyEnd;
    if (valueStart < 0 || !text.inside(valueStart)) {
        position = static_cast<int32_t>(at);
        return 0;
    }
    if (rule == PermitValue::OneCharacter) {
        value[0] = text.at(valueStart);
        value[1] = '\0';
        position = static_cast<int32_t>(valueStart);
        return 1;
    }
    position = static_cast<int32_t>(CopyValue(text, valueStart, valueDelims, value, kUnbounded));
    return 1;
}

}  // namespace

bool PermitTokenFits(std::string_view maskToken, std::string_view keyToken)
{
    if (maskToken == "*" || keyToken == "*")
        return true;
    if (keyToken.empty())
        return false;
    std::size_t mask = 0, key = 0;
    for (;;) {
        if (mask >= maskToken.size())
            return false;
        if (maskToken[mask] == keyToken[key] || maskToken[mask] == '?') {
            ++mask;
            ++key;
        } else if (maskToken[mask] != '*') {
            return false;
        } else if (mask + 1 == maskToken.size()) {
            return true;
        } else {
            // The '*' takes the key's current character, then the mask's next segment is
            // looked for in the rest of the key.
            std::size_t segmentStart = mask + 1;
            std::size_t segmentEnd = maskToken.find_first_of("*?:\\", segmentStart);
            if (segmentEnd == std::string_view::npos)
                segmentEnd = maskToken.size();
            std::string_view segment = maskToken.substr(segmentStart, segmentEnd - segmentStart);
            mask = segmentEnd;
            if (segment.empty()) {
                ++key;
            } else {
                std::string_view rest = keyToken.substr(key + 1);
                bool anotherStar = mask < maskToken.size() && maskToken[mask] == '*';
                std::size_t found = anotherStar ? rest.rfind(segment) : rest.find(segment);
                if (found == std::string_view::npos)
                    return false;
                key = anotherStar ? key + 1 + found + segment.size() : keyToken.size();
            }
        }
        if (key >= keyToken.size())
            return mask >= maskToken.size();
    }
}

bool MaskTokensFitKeyTokens(std::string_view mask, std::string_view key)
{
    if (mask.empty() || mask[0] == '#' || !FitsKeyCopy(mask) || !FitsKeyCopy(key))
        return false;
    mask = mask.substr(0, mask.find('#'));
    Tokens maskTokens, keyTokens;
    if (!Tokenize(mask, maskTokens) || !Tokenize(key, keyTokens) || maskTokens.count > keyTokens.count)
        return false;
    for (std::size_t place = 0; place < maskTokens.count; ++place) {
        // No wildcard stands for the system's own user.
        if (place == kSystemTokenPlace && keyTokens.items[place] == kSystemToken) {
            if (maskTokens.items[place] != kSystemToken)
                return false;
        } else if (!PermitTokenFits(maskTokens.items[place], keyTokens.items[place])) {
            return false;
        }
    }
    return true;
}

bool PermitFits(std::string_view rule, std::string_view key)
{
    if (rule == "*")
        return true;
    if (!FitsKeyCopy(rule) || !FitsKeyCopy(key))
        return false;
    if (!StartsWith(rule, "UserAuthority") && !StartsWith(rule, "Audit"))
        return false;
    std::string_view rulePath, ruleObject, keyPath, keyObject;
    SplitObject(rule, rulePath, ruleObject);
    SplitObject(key, keyPath, keyObject);
    if (!MaskTokensFitKeyTokens(rulePath, keyPath))
        return false;
    if (ruleObject.empty() || ruleObject[0] == '#')
        return true;
    return MaskTokensFitKeyTokens(ruleObject, keyObject);
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) zemOpenPermFile(const char *name, const char *keyDelims, const char *valueDelims, PermFile *perm,
                            char *error, int inConfigFolder)
{
    if (!name || !perm)
        return 0;
    ClearPerm(*perm);
    char path[ZEM_PATH_SIZE];
    if (!OpenerPath(name, inConfigFolder != 0, path)) {
        FormatOpenError(error, name, ENAMETOOLONG);
        return 0;
    }
    return LoadPerm(path, keyDelims, valueDelims, *perm, error) != 0;
}

ZEMAPI(int) zemLoadPermFile(const char *path, const char *keyDelims, const char *valueDelims, PermFile *perm,
                            char *error)
{
    if (!path || !perm)
        return 0;
    return LoadPerm(path, keyDelims, valueDelims, *perm, error);
}

ZEMAPI(int) zemClosePermFile(PermFile *perm)
{
    if (!perm)
        return 1;
    if (perm->stream)
        std::fclose(perm->stream);
    ReleaseSections(*perm);
    ClearPerm(*perm);
    return 1;
}

ZEMAPI(int) zemGetValuePermits(const char *text, const char *keyDelims, const char *valueDelims, const char *key,
                               char *value, int fromStart, int32_t *position)
{
    if (!text || !keyDelims || !valueDelims || !key || !value || !position)
        return 0;
    return PermitLookup(TextCursor(text, INT32_MAX), keyDelims, valueDelims, RegExpEitherWay,
                        PermitValue::AfterEquals, key, value, fromStart, *position);
}

ZEMAPI(int) zemGetValueExtExt(IniFile *ini, const char *key, char *value, int fromStart, int32_t *position)
{
    if (!ini || !ini->text || !key || !value || !position)
        return 0;
    return PermitLookup(TextCursor(ini->text, ini->length), ini->keyDelims, ini->valueDelims, CallerKeyFitsRule,
                        PermitValue::OneCharacter, key, value, fromStart, *position);
}

ZEMAPI(int) zemGetValueExtExt2(const char *text, const char *keyDelims, const char *valueDelims, const char *key,
                               char *value, int fromStart, int32_t *position)
{
    if (!text || !keyDelims || !valueDelims || !key || !value || !position)
        return 0;
    return PermitLookup(TextCursor(text, INT32_MAX), keyDelims, valueDelims, CallerKeyFitsRule,
                        PermitValue::AfterKeyDelimiter, key, value, fromStart, *position);
}

ZEMAPI(int) IsPermitMaskMatch(const char *rule, const char *key)
{
    if (!rule || !key)
        return 0;
    return PermitFits(rule, key);
}

ZEMAPI(int) CompareMaskTokensWithKeyTokens(const char *mask, const char *key, int *result)
{
    if (!mask || !key || !*mask || *mask == '#')
        return 0;
    int fits = MaskTokensFitKeyTokens(mask, key);
    if (result)
        *result = fits;
    return fits;
}

}  // extern "C"
