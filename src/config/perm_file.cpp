#include "config/perm_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "config/ini_file.h"
#include "foundation/char_table.h"
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

constexpr CharTable kSeparators(":\\ ");

const char *SkipSeparators(const char *at, const char *end)
{
    while (at < end && kSeparators.has(*at))
        ++at;
    return at;
}

const char *TokenEnd(const char *at, const char *end)
{
    while (at < end && !kSeparators.has(*at))
        ++at;
    return at;
}

// The tokens of a text one at a time, split at ':', '\\' and blanks. Refusals are
// reported as they are met, so a comparison that fails early reads no further.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}
    // False at the end of the text.
    bool next(std::string_view &token)
    {
        const char *start = SkipSeparators(at_, end_);
        if (start == end_)
            return false;
        at_ = TokenEnd(start, end_);
        token = std::string_view(start, static_cast<std::size_t>(at_ - start));
        return true;
    }

private:
    const char *at_;
    const char *end_;
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
    std::size_t slash = key.rfind('\\');
    path = slash == std::string_view::npos ? key : key.substr(0, slash);
    object = slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
}

template <std::size_t N> bool StartsWith(std::string_view text, const char (&prefix)[N])
{
    return text.size() >= N - 1 && std::memcmp(text.data(), prefix, N - 1) == 0;
}

// Only these families and "*" take part in permit rules.
bool FamilyTakesPart(std::string_view rule) { return StartsWith(rule, "UserAuthority") || StartsWith(rule, "Audit"); }

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

// Sixteen characters read at once; a set of characters in them as bits, bit i for the
// i-th character.
constexpr std::size_t kChunk = 16;
#if ZEM_SCAN_SSE2
using Chunk = __m128i;
Chunk LoadChunk(const char *at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at)); }
template <char... Members> uint64_t MemberBits(Chunk chunk)
{
    __m128i found = _mm_setzero_si128();
    ((found = _mm_or_si128(found, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(Members)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(found));
}
uint64_t UnequalBits(Chunk one, Chunk other)
{
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(one, other))) ^ 0xffffu;
}
#else
struct Chunk {
    char at[kChunk];
};
Chunk LoadChunk(const char *at)
{
    Chunk chunk;
    std::memcpy(chunk.at, at, kChunk);
    return chunk;
}
template <char... Members> uint64_t MemberBits(const Chunk &chunk)
{
    uint64_t bits = 0;
    for (std::size_t place = 0; place < kChunk; ++place)
        bits |= static_cast<uint64_t>(((chunk.at[place] == Members) || ...)) << place;
    return bits;
}
uint64_t UnequalBits(const Chunk &one, const Chunk &other)
{
    uint64_t bits = 0;
    for (std::size_t place = 0; place < kChunk; ++place)
        bits |= static_cast<uint64_t>(one.at[place] != other.at[place]) << place;
    return bits;
}
#endif

std::size_t LowestBit64(uint64_t bits)
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

std::size_t HighestBit64(uint64_t bits)
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

// A rule or key (shorter than ZEM_INI_KEY_SIZE) with its separators, and for a mask its
// '#'s and wildcards, as bits, one a character, found a chunk at a time in one pass; the
// comparison then steps from token to token by the bits instead of reading characters.
class CharMap {
public:
    CharMap(std::string_view text, bool mask) : text_(text) { mask ? take<true>() : take<false>(); }
    std::string_view text() const { return text_; }
    // Found among the separators from the end: an object seldom holds any.
    std::size_t lastBackslash() const
    {
        for (std::size_t word = (text_.size() + 63) / 64; word-- > 0;)
            for (uint64_t bits = separators_[word]; bits; bits &= ~(uint64_t{1} << HighestBit64(bits)))
                if (text_[word * 64 + HighestBit64(bits)] == '\\')
                    return word * 64 + HighestBit64(bits);
        return std::string_view::npos;
    }
    // The first place in [from, limit) with a separator, or limit; limit is at most the
    // text's size.
    std::size_t nextSeparator(std::size_t from, std::size_t limit) const
    {
        return Next<true>(separators_, from, limit);
    }
    std::size_t nextNonSeparator(std::size_t from, std::size_t limit) const
    {
        return Next<false>(separators_, from, limit);
    }
    // For a mask only.
    std::size_t nextHash(std::size_t from, std::size_t limit) const
    {
        return anyHash_ ? Next<true>(hashes_, from, limit) : limit;
    }
    std::size_t nextWildcard(std::size_t from, std::size_t limit) const { return Next<true>(wildcards_, from, limit); }
    // The next token in [from, limit): false when there is none. Mostly the token lies in
    // the word of `from`, which is read once for both its ends.
    bool nextToken(std::size_t from, std::size_t limit, std::size_t &start, std::size_t &end) const
    {
        if (from >= limit)
            return false;
        std::size_t place = from % 64;
        bool wordReachesLimit = from - place + 64 >= limit;
        uint64_t separators = separators_[from / 64] >> place;
        uint64_t inWord = place == 0 ? ~uint64_t{0} : (uint64_t{1} << (64 - place)) - 1;
        if (uint64_t characters = ~separators & inWord) {
            std::size_t first = LowestBit64(characters);
            uint64_t after = separators >> first;
            if (after || wordReachesLimit) {
                start = from + first;
                end = after ? std::min(start + LowestBit64(after), limit) : limit;
                return start < limit;
            }
        } else if (wordReachesLimit) {
            return false;
        }
        start = nextNonSeparator(from, limit);
        end = nextSeparator(start, limit);
        return start < limit;
    }
    // The separator bits of the `count` (at most 64) characters from `from` on.
    uint64_t separatorBits(std::size_t from, std::size_t count) const
    {
        std::size_t word = from / 64, place = from % 64;
        uint64_t bits = separators_[word] >> place;
        if (place + count > 64)
            bits |= separators_[word + 1] << (64 - place);
        return count < 64 ? bits & ((uint64_t{1} << count) - 1) : bits;
    }
    // The characters [from, to).
    std::string_view piece(std::size_t from, std::size_t to) const
    {
        return std::string_view(text_.data() + from, to - from);
    }

private:
    static constexpr std::size_t kWords = (ZEM_INI_KEY_SIZE + 63) / 64;

    // A chunk at a time. The text's last chunk is read for a shorter rest and its bits
    // moved down, so no read leaves the text; a text shorter than a chunk is read
    // through a copy.
    template <bool kMask> void take()
    {
        std::size_t size = text_.size(), at = 0;
        for (; size - at >= kChunk; at += kChunk)
            add<kMask>(LoadChunk(text_.data() + at), at, 0);
        if (at == size)
            return;
        if (size >= kChunk) {
            add<kMask>(LoadChunk(text_.data() + size - kChunk), at, kChunk - (size - at));
        } else {
            char copy[kChunk] = {};
            std::memcpy(copy, text_.data() + at, size - at);
            add<kMask>(LoadChunk(copy), at, 0);
        }
    }
    // The chunk's characters from `shift` on are the text's from `at` on; the first chunk
    // of a word starts it afresh.
    template <bool kMask> void add(Chunk chunk, std::size_t at, std::size_t shift)
    {
        std::size_t word = at / 64, place = at % 64;
        Store(separators_[word], place, MemberBits<':', '\\', ' '>(chunk) >> shift);
        if (kMask) {
            uint64_t hashes = MemberBits<'#'>(chunk) >> shift;
            Store(hashes_[word], place, hashes);
            anyHash_ = anyHash_ || hashes != 0;
            Store(wildcards_[word], place, MemberBits<'*', '?'>(chunk) >> shift);
        }
    }
    static void Store(uint64_t &word, std::size_t place, uint64_t bits)
    {
        word = place == 0 ? bits : word | bits << place;
    }
    // Mostly found in the word of `from`, so that case goes first.
    template <bool kMember> static std::size_t Next(const uint64_t *bits, std::size_t from, std::size_t limit)
    {
        if (from >= limit)
            return limit;
        constexpr uint64_t kFlip = kMember ? 0 : ~uint64_t{0};
        std::size_t word = from / 64;
        if (uint64_t found = (bits[word] ^ kFlip) >> (from % 64))
            return std::min(from + LowestBit64(found), limit);
        while (++word * 64 < limit)
            if (uint64_t found = bits[word] ^ kFlip)
                return std::min(word * 64 + LowestBit64(found), limit);
        return limit;
    }

    std::string_view text_;
    bool anyHash_ = false;
    uint64_t separators_[kWords];
    uint64_t hashes_[kWords];
    uint64_t wildcards_[kWords];
};

// The path before the last backslash and the object after it (empty when there is none),
// as places in the text.
struct Parts {
    std::size_t pathEnd, objectStart, end;
};

Parts PartsOf(const CharMap &map)
{
    std::size_t size = map.text().size(), slash = map.lastBackslash();
    if (slash == std::string_view::npos)
        return Parts{size, size, size};
    return Parts{slash, slash + 1, size};
}

// Whether the key's tokens from place on (within [at, end)) keep within the limits.
bool KeyTailWithinLimits(const CharMap &key, std::size_t at, std::size_t end, std::size_t place)
{
    for (std::size_t tokenEnd; key.nextToken(at, end, at, tokenEnd); ++place, at = tokenEnd)
        if (place >= ZEM_PERMIT_TOKENS || tokenEnd - at > ZEM_PERMIT_TOKEN_LENGTH)
            return false;
    return true;
}

// Whether the first `count` characters of two tokens are the same: tokens are short, so
// in place rather than through a library call, with reads that overlap instead of a
// character loop for the rest.
inline bool SameStart(const char *one, const char *other, std::size_t count)
{
    if (count >= 8) {
        for (std::size_t at = 0; at + 8 < count; at += 8)
            if (word::Load(one + at) != word::Load(other + at))
                return false;
        return word::Load(one + count - 8) == word::Load(other + count - 8);
    }
    if (count >= 4) {
        uint32_t head[2], tail[2];
        std::memcpy(&head[0], one, 4);
        std::memcpy(&head[1], other, 4);
        std::memcpy(&tail[0], one + count - 4, 4);
        std::memcpy(&tail[1], other + count - 4, 4);
        return head[0] == head[1] && tail[0] == tail[1];
    }
    for (std::size_t at = 0; at < count; ++at)
        if (one[at] != other[at])
            return false;
    return true;
}

bool SameToken(std::string_view one, std::string_view other)
{
    return one.size() == other.size() && SameStart(one.data(), other.data(), one.size());
}

// One token pair by the permit token rule; the mask token starts at maskAt in its map.
bool TokenFits(std::size_t place, std::string_view maskToken, std::string_view keyToken, const CharMap &mask,
               std::size_t maskAt)
{
    if (place == kSystemTokenPlace && SameToken(keyToken, kSystemToken))
        return SameToken(maskToken, kSystemToken);
    if (keyToken.size() == 1 && keyToken[0] == '*')
        return true;
    std::size_t plain = mask.nextWildcard(maskAt, maskAt + maskToken.size()) - maskAt;
    if (plain == maskToken.size())
        return SameToken(maskToken, keyToken);
    if (plain == 0)
        return PermitTokenFits(maskToken, keyToken);
    // The plain start must be the key's, with a character left for the wildcard.
    if (keyToken.size() <= plain || !SameStart(maskToken.data(), keyToken.data(), plain))
        return false;
    // A closing '*' takes the rest of the key token, unless a '*' stands opposite it.
    if (maskToken.size() == plain + 1 && maskToken[plain] == '*' && keyToken[plain] != '*')
        return true;
    return PermitTokenFitsAfter(maskToken, keyToken, plain);
}

// How many characters from maskAt and keyAt on make whole tokens that are the same in
// both, which fit whatever their place: up to the last separator before the first
// difference among the first 64 characters that whole chunks of both texts hold. `tokens`
// receives their count.
std::size_t SameTokens(const CharMap &mask, std::size_t maskAt, std::size_t maskEnd, const CharMap &key,
                       std::size_t keyAt, std::size_t keyEnd, std::size_t &tokens)
{
    std::size_t limit = std::min({maskEnd - maskAt, keyEnd - keyAt, std::size_t{64}});
    std::size_t same = 0;
    while (same < limit && maskAt + same + kChunk <= mask.text().size() && keyAt + same + kChunk <= key.text().size()) {
        if (uint64_t unequal = UnequalBits(LoadChunk(mask.text().data() + maskAt + same),
                                           LoadChunk(key.text().data() + keyAt + same))) {
            same += LowestBit64(unequal);
            break;
        }
        same += kChunk;
    }
    same = std::min(same, limit);
    uint64_t separators = same > 0 ? mask.separatorBits(maskAt, same) : 0;
    if (separators == 0)
        return tokens = 0;
    std::size_t whole = HighestBit64(separators) + 1;
    uint64_t inTokens = ~separators & (whole < 64 ? (uint64_t{1} << whole) - 1 : ~uint64_t{0});
    uint64_t starts = inTokens & ~(inTokens << 1);
    tokens = 0;
    for (; starts; starts &= starts - 1)
        ++tokens;
    return whole;
}

// The same rule on the mask's characters [maskAt, maskEnd) and the key's [keyAt, keyEnd).
bool MaskTokensFit(const CharMap &mask, std::size_t maskAt, std::size_t maskEnd, const CharMap &key, std::size_t keyAt,
                   std::size_t keyEnd)
{
    if (maskAt == maskEnd || mask.text()[maskAt] == '#')
        return false;
    maskEnd = mask.nextHash(maskAt, maskEnd);
    std::size_t place = 0;
    // Rules mostly repeat the key's leading tokens (family, queue manager, user); objects
    // seldom share more than a start.
    if (maskAt == 0 && keyAt == 0) {
        std::size_t same = SameTokens(mask, maskAt, maskEnd, key, keyAt, keyEnd, place);
        if (place > ZEM_PERMIT_TOKENS)
            return false;
        maskAt = keyAt = same;
    }
    for (;; ++place) {
        std::size_t maskTokenEnd, keyTokenEnd;
        if (!mask.nextToken(maskAt, maskEnd, maskAt, maskTokenEnd))
            return KeyTailWithinLimits(key, keyAt, keyEnd, place);
        if (!key.nextToken(keyAt, keyEnd, keyAt, keyTokenEnd) || place == ZEM_PERMIT_TOKENS)
            return false;
        std::string_view maskToken = mask.piece(maskAt, maskTokenEnd);
        std::string_view keyToken = key.piece(keyAt, keyTokenEnd);
        if (!WithinTokenLimits(place, maskToken) || !WithinTokenLimits(place, keyToken) ||
            !TokenFits(place, maskToken, keyToken, mask, maskAt))
            return false;
        maskAt = maskTokenEnd;
        keyAt = keyTokenEnd;
    }
}

// IsPermitMaskMatch's rule after the rule's family and both lengths were checked: the
// rule's path fits the key's, and its object (when it states one) the key's object.
template <typename CompareTokens>
bool SplitRuleFits(std::string_view rulePath, std::string_view ruleObject, CompareTokens compare)
{
    if (!compare(rulePath, false))
        return false;
    return ruleObject.empty() || ruleObject[0] == '#' || compare(ruleObject, true);
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
    if (!key.fits || !FitsKeyCopy(rule) || !FamilyTakesPart(rule))
        return false;
    std::string_view rulePath, ruleObject;
    SplitObject(rule, rulePath, ruleObject);
    return SplitRuleFits(rulePath, ruleObject, [&key](std::string_view mask, bool object) {
        return MaskTokensFit(mask, object ? key.object : key.path);
    });
}

// The value rule of a permit lookup.
enum class PermitValue { AfterEquals, AfterKeyDelimiter, OneCharacter };

int PermitLookup(const TextCursor &text, const char *keyDelims, const char *valueDelims, KeyFits fits, PermitValue rule,
                 const void *key, char *value, int fromStart, int32_t &position)
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
    if (mask.empty() || mask[0] == '#' || !FitsKeyCopy(mask) || !FitsKeyCopy(key))
        return false;
    CharMap maskMap(mask, true), keyMap(key, false);
    return MaskTokensFit(maskMap, 0, mask.size(), keyMap, 0, key.size());
}

bool PermitFits(std::string_view rule, std::string_view key)
{
    if (rule == "*")
        return true;
    if (!FitsKeyCopy(key) || !FitsKeyCopy(rule) || !FamilyTakesPart(rule))
        return false;
    CharMap ruleMap(rule, true), keyMap(key, false);
    Parts ruleParts = PartsOf(ruleMap), keyParts = PartsOf(keyMap);
    if (!MaskTokensFit(ruleMap, 0, ruleParts.pathEnd, keyMap, 0, keyParts.pathEnd))
        return false;
    std::string_view ruleObject = rule.substr(ruleParts.objectStart);
    return ruleObject.empty() || ruleObject[0] == '#' ||
           MaskTokensFit(ruleMap, ruleParts.objectStart, ruleParts.end, keyMap, keyParts.objectStart, keyParts.end);
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
    return PermitLookup(TextCursor(text, INT32_MAX), keyDelims, valueDelims, RegExpEitherWay, PermitValue::AfterEquals,
                        key, value, fromStart, *position);
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
