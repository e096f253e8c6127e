#include "config/perm_file.h"

#include <cerrno>
#include <cstdint>
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

constexpr bool IsTokenSeparator(char c) { return c == ':' || c == '\\' || c == ' '; }

// The tokens of a text one at a time, split at ':', '\\' and blanks. Refusals are
// reported as they are met, so a comparison that fails early reads no further.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text_(text) {}
    // False at the end of the text.
    bool next(std::string_view &token)
    {
        const char *at = text_.data();
        const char *end = at + text_.size();
        while (at < end && IsTokenSeparator(*at))
            ++at;
        if (at == end)
            return false;
        const char *tokenEnd = at + 1;
        while (tokenEnd < end && !IsTokenSeparator(*tokenEnd))
            ++tokenEnd;
        token = std::string_view(at, static_cast<std::size_t>(tokenEnd - at));
        text_.remove_prefix(static_cast<std::size_t>(tokenEnd - text_.data()));
        return true;
    }

private:
    std::string_view text_;
};

bool WithinTokenLimits(std::size_t place, std::string_view token)
{
    return place < ZEM_PERMIT_TOKENS && token.size() <= ZEM_PERMIT_TOKEN_LENGTH;
}

// A key's tokens, read once for comparing with many masks; `valid` is false when the key
// exceeds a limit of the comparison.
struct TokenList {
    std::string_view items[ZEM_PERMIT_TOKENS];
    std::size_t count = 0;
    bool valid = true;

    explicit TokenList(std::string_view text)
    {
        TokenReader reader(text);
        std::string_view token;
        while (valid && reader.next(token)) {
            valid = WithinTokenLimits(count, token);
            if (valid)
                items[count++] = token;
        }
    }
};

bool FitsKeyCopy(std::string_view text) { return text.size() < ZEM_INI_KEY_SIZE; }

constexpr std::size_t kSystemTokenPlace = 2;
constexpr std::string_view kSystemToken = "$SYSTEM$";

// Splits at the last backslash: the path before it and the object after it (empty when
// there is no backslash).
void SplitObject(std::string_view key, std::string_view &path, std::string_view &object)
{
    // Forward with memchr: keys hold one backslash or none, and memchr reads words at a time.
    std::size_t slash = std::string_view::npos;
    for (const char *at = key.data(), *end = at + key.size();;) {
        const void *found = std::memchr(at, '\\', static_cast<std::size_t>(end - at));
        if (!found)
            break;
        at = static_cast<const char *>(found) + 1;
        slash = static_cast<std::size_t>(at - 1 - key.data());
    }
    path = slash == std::string_view::npos ? key : key.substr(0, slash);
    object = slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool TokenFitsInPlace(std::size_t place, std::string_view maskToken, std::string_view keyToken)
{
    // No wildcard stands for the system's own user.
    if (place == kSystemTokenPlace && keyToken == kSystemToken)
        return maskToken == kSystemToken;
    return PermitTokenFits(maskToken, keyToken);
}

// The start of a mask for the token comparison: a mask that is empty or begins with '#'
// fits nothing (false), and the rest of one is cut at its first '#'.
bool ComparableMask(std::string_view &mask)
{
    if (mask.empty() || mask[0] == '#' || !FitsKeyCopy(mask))
        return false;
    mask = mask.substr(0, mask.find('#'));
    return true;
}

// CompareMaskTokensWithKeyTokens's rule against a key's tokens read before.
bool MaskTokensFit(std::string_view mask, const TokenList &key)
{
    if (!ComparableMask(mask) || !key.valid)
        return false;
    TokenReader maskReader(mask);
    std::string_view maskToken;
    for (std::size_t place = 0; maskReader.next(maskToken); ++place)
        if (place == key.count || !WithinTokenLimits(place, maskToken) ||
            !TokenFitsInPlace(place, maskToken, key.items[place]))
            return false;
    return true;
}

const char *SkipSeparators(const char *at, const char *end)
{
    while (at < end && IsTokenSeparator(*at))
        ++at;
    return at;
}

const char *TokenEnd(const char *at, const char *end)
{
    while (at < end && !IsTokenSeparator(*at))
        ++at;
    return at;
}

bool IsWildcard(char c) { return c == '*' || c == '?'; }

// Whether eight characters are the same in both texts and none of them separates tokens
// or is a wildcard: a word-at-a-time test (each byte of `any` gets its top bit when the
// byte equals one of the characters).
bool SameOrdinaryWord(const char *mask, const char *key)
{
    uint64_t maskWord, keyWord;
    std::memcpy(&maskWord, mask, 8);
    std::memcpy(&keyWord, key, 8);
    if (maskWord != keyWord)
        return false;
    constexpr uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7f7f7f7f7f7f7f7fu, kHigh = 0x8080808080808080u;
    uint64_t noneEqual = ~uint64_t{0};
    for (char special : {':', '\\', ' ', '*', '?'}) {
        uint64_t x = maskWord ^ (kOnes * static_cast<unsigned char>(special));
        noneEqual &= ((x & kLow7) + kLow7) | x;
    }
    return (~noneEqual & kHigh) == 0;
}

// The same rule reading mask and key together, once: tokens that are equal without a
// wildcard fit whatever their place, so only where they part are the two tokens cut out
// and judged by the wildcard rule.
bool MaskTokensFit(std::string_view mask, std::string_view key)
{
    if (!ComparableMask(mask))
        return false;
    const char *maskAt = mask.data(), *maskEnd = maskAt + mask.size();
    const char *keyAt = key.data(), *keyEnd = keyAt + key.size();
    std::size_t place = 0;
    for (;; ++place) {
        maskAt = SkipSeparators(maskAt, maskEnd);
        if (maskAt == maskEnd)
            break;
        keyAt = SkipSeparators(keyAt, keyEnd);
        if (keyAt == keyEnd || place == ZEM_PERMIT_TOKENS)
            return false;
        const char *maskToken = maskAt, *keyToken = keyAt;
        while (maskEnd - maskAt >= 8 && keyEnd - keyAt >= 8 && SameOrdinaryWord(maskAt, keyAt)) {
            maskAt += 8;
            keyAt += 8;
        }
        while (maskAt < maskEnd && keyAt < keyEnd && *maskAt == *keyAt && !IsTokenSeparator(*maskAt) &&
               !IsWildcard(*maskAt)) {
            ++maskAt;
            ++keyAt;
        }
        std::size_t same = static_cast<std::size_t>(maskAt - maskToken);
        bool maskTokenEnds = maskAt == maskEnd || IsTokenSeparator(*maskAt);
        bool keyTokenEnds = keyAt == keyEnd || IsTokenSeparator(*keyAt);
        if (!maskTokenEnds || !keyTokenEnds) {
            maskAt = TokenEnd(maskAt, maskEnd);
            keyAt = TokenEnd(keyAt, keyEnd);
        }
        std::string_view maskPiece(maskToken, static_cast<std::size_t>(maskAt - maskToken));
        std::string_view keyPiece(keyToken, static_cast<std::size_t>(keyAt - keyToken));
        if (!WithinTokenLimits(place, maskPiece) || !WithinTokenLimits(place, keyPiece))
            return false;
        if (maskTokenEnds && keyTokenEnds)
            continue;
        // Past an equal start without wildcards the rule goes on where the walk stopped.
        bool fits = same > 0 && same < keyPiece.size() && !(place == kSystemTokenPlace && keyPiece == kSystemToken)
                        ? PermitTokenFitsAfter(maskPiece, keyPiece, same)
                        : TokenFitsInPlace(place, maskPiece, keyPiece);
        if (!fits)
            return false;
    }
    // The key's tokens beyond the mask's must keep within the limits too.
    for (;; ++place) {
        keyAt = SkipSeparators(keyAt, keyEnd);
        if (keyAt == keyEnd)
            return true;
        const char *keyToken = keyAt;
        keyAt = TokenEnd(keyAt, keyEnd);
        if (!WithinTokenLimits(place, std::string_view(keyToken, static_cast<std::size_t>(keyAt - keyToken))))
            return false;
    }
}

// IsPermitMaskMatch's rule for a key whose length was checked, split at its object.
template <typename KeyTokens>
bool RuleFits(std::string_view rule, const KeyTokens &keyPath, const KeyTokens &keyObject)
{
    if (rule == "*")
        return true;
    if (!FitsKeyCopy(rule) || (!StartsWith(rule, "UserAuthority") && !StartsWith(rule, "Audit")))
        return false;
    std::string_view rulePath, ruleObject;
    SplitObject(rule, rulePath, ruleObject);
    if (!MaskTokensFit(rulePath, keyPath))
        return false;
    if (ruleObject.empty() || ruleObject[0] == '#')
        return true;
    return MaskTokensFit(ruleObject, keyObject);
}

// The caller's key of a permit lookup, split and tokenised once for all the rules.
struct PermitKey {
    bool fits;
    TokenList path, object;

    explicit PermitKey(std::string_view key) : fits(FitsKeyCopy(key)), path(PathOf(key)), object(ObjectOf(key)) {}
    static std::string_view PathOf(std::string_view key)
    {
        std::string_view path, object;
        SplitObject(key, path, object);
        return path;
    }
    static std::string_view ObjectOf(std::string_view key)
    {
        std::string_view path, object;
        SplitObject(key, path, object);
        return object;
    }
};

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
    if (fileKey.cut)
        return false;
    std::string_view rule(fileKey.text, static_cast<std::size_t>(fileKey.length));
    const PermitKey &key = *static_cast<const PermitKey *>(context);
    if (rule == "*")
        return true;
    return key.fits && RuleFits(rule, key.path, key.object);
}

// The value rule of a permit lookup.
enum class PermitValue { AfterEquals, AfterKeyDelimiter, OneCharacter };

int PermitLookup(const TextCursor &text, const char *keyDelims, const char *valueDelims, KeyFits fits,
                 PermitValue rule, const void *key, char *value, int fromStart, int32_t &position)
{
    if (fromStart)
        position = 0;
    int64_t at = position;
    KeyBuffer fileKey;
    EntryHit hit;
    if (!FindEntry(text, KeyDelimiters(keyDelims), PassOver::EmptyAndComment, KeyTest{fits, key}, at, fileKey, hit)) {
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
    position = static_cast<int32_t>(CopyValue(text, valueStart, CharSet(valueDelims), value, kUnbounded));
    return 1;
}

}  // namespace

bool PermitTokenFits(std::string_view maskToken, std::string_view keyToken)
{
    if (maskToken == "*" || keyToken == "*")
        return true;
    if (keyToken.empty())
        return false;
    return PermitTokenFitsAfter(maskToken, keyToken, 0);
}

bool PermitTokenFitsAfter(std::string_view maskToken, std::string_view keyToken, std::size_t same)
{
    std::size_t mask = same, key = same;
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
    if (!FitsKeyCopy(key))
        return false;
    return MaskTokensFit(mask, key);
}

bool PermitFits(std::string_view rule, std::string_view key)
{
    if (rule == "*")
        return true;
    if (!FitsKeyCopy(key))
        return false;
    std::string_view keyPath, keyObject;
    SplitObject(key, keyPath, keyObject);
    return RuleFits(rule, keyPath, keyObject);
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
    PermitKey callerKey(key);
    return PermitLookup(TextCursor(ini->text, ini->length), ini->keyDelims, ini->valueDelims, CallerKeyFitsRule,
                        PermitValue::OneCharacter, &callerKey, value, fromStart, *position);
}

ZEMAPI(int) zemGetValueExtExt2(const char *text, const char *keyDelims, const char *valueDelims, const char *key,
                               char *value, int fromStart, int32_t *position)
{
    if (!text || !keyDelims || !valueDelims || !key || !value || !position)
        return 0;
    PermitKey callerKey(key);
    return PermitLookup(TextCursor(text, INT32_MAX), keyDelims, valueDelims, CallerKeyFitsRule,
                        PermitValue::AfterKeyDelimiter, &callerKey, value, fromStart, *position);
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
