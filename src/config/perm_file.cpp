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
template <char... Members> uint32_t MemberBits(Chunk chunk)
{
    __m128i found = _mm_setzero_si128();
    ((found = _mm_or_si128(found, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(Members)))), ...);
    return static_cast<uint32_t>(_mm_movemask_epi8(found));
}
uint32_t UnequalBits(Chunk one, Chunk other)
{
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(one, other))) ^ 0xffffu;
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
template <char... Members> uint32_t MemberBits(const Chunk &chunk)
{
    uint32_t bits = 0;
    for (std::size_t place = 0; place < kChunk; ++place)
        bits |= static_cast<uint32_t>(((chunk.at[place] == Members) || ...)) << place;
    return bits;
}
uint32_t UnequalBits(const Chunk &one, const Chunk &other)
{
    uint32_t bits = 0;
    for (std::size_t place = 0; place < kChunk; ++place)
        bits |= static_cast<uint32_t>(one.at[place] != other.at[place]) << place;
    return bits;
}
#endif

using word::HighestBit;
using word::LowestBit;

// The places of a chunk before `count`, for counts past a chunk too.
uint32_t Before(std::size_t count) { return count < kChunk ? (1u << count) - 1 : 0xffffu; }

// Copies a text and a chunk of blanks after it.
void CopyPadded(char *copy, std::string_view text)
{
    // A chunk at a time, the last one from the text's end: cheaper than a call for the
    // short texts that rules and keys mostly are.
    std::size_t size = text.size();
    if (size >= kChunk) {
        for (std::size_t at = 0; at < size - kChunk; at += kChunk)
            std::memcpy(copy + at, text.data() + at, kChunk);
        std::memcpy(copy + size - kChunk, text.data() + size - kChunk, kChunk);
    } else {
        std::memcpy(copy, text.data(), size);
    }
    std::memset(copy + size, ' ', kChunk);
}

// A rule or key (shorter than ZEM_INI_KEY_SIZE) copied with a chunk of blanks after it, so
// that a chunk can be read from any of its places without leaving the copy, and its last
// token ends at a separator like the others.
class PaddedText {
public:
    explicit PaddedText(std::string_view text) : size_(text.size()) { CopyPadded(copy_, text); }
    std::size_t size() const { return size_; }
    const char *data() const { return copy_; }
    Chunk chunk(std::size_t at) const { return LoadChunk(copy_ + at); }
    // The first '#' in [from, limit), or limit.
    std::size_t firstHash(std::size_t from, std::size_t limit) const
    {
        for (std::size_t at = from; at < limit; at += kChunk)
            if (uint32_t hashes = MemberBits<'#'>(chunk(at)) & Before(limit - at))
                return at + LowestBit(hashes);
        return limit;
    }
    // Looked for from the end, a chunk at a time: an object seldom holds a separator. A
    // chunk that reaches before the last one read again holds no backslash.
    std::size_t lastBackslash() const
    {
        for (std::size_t end = size_; end > 0; end = end > kChunk ? end - kChunk : 0) {
            std::size_t at = end > kChunk ? end - kChunk : 0;
            if (uint32_t slashes = MemberBits<'\\'>(chunk(at)))
                return at + HighestBit(slashes);
        }
        return std::string_view::npos;
    }
    uint32_t separators(std::size_t at) const { return MemberBits<':', '\\', ' '>(chunk(at)); }
    // The characters [from, to).
    std::string_view piece(std::size_t from, std::size_t to) const { return std::string_view(copy_ + from, to - from); }

private:
    std::size_t size_;
    char copy_[ZEM_INI_KEY_SIZE + kChunk];
};

// The path before the last backslash and the object after it (empty when there is none),
// as places in the text.
struct Parts {
    std::size_t pathEnd, objectStart, end;
};

Parts PartsOf(const PaddedText &text)
{
    std::size_t size = text.size(), slash = text.lastBackslash();
    if (slash == std::string_view::npos)
        return Parts{size, size, size};
    return Parts{slash, slash + 1, size};
}

// The tokens of the characters [at, limit) of a text one at a time, each found with the
// separators before it from one chunk unless it is long. A token running past the limit
// is cut there.
class TokenSteps {
public:
    TokenSteps(const PaddedText &text, std::size_t at, std::size_t limit) : text_(text), at_(at), limit_(limit) {}
    // False after the last.
    bool next(std::string_view &token)
    {
        uint32_t separators = 0, characters = 0;
        for (; !characters; at_ += kChunk) {
            if (at_ >= limit_)
                return false;
            separators = text_.separators(at_);
            characters = ~separators & 0xffffu;
        }
        at_ -= kChunk;
        std::size_t start = at_ + LowestBit(characters);
        if (start >= limit_)
            return false;
        separators >>= start - at_;
        if (separators) {
            at_ = start + LowestBit(separators);
        } else {
            for (at_ += kChunk; !(separators = text_.separators(at_));)
                at_ += kChunk;
            at_ += LowestBit(separators);
        }
        at_ = std::min(at_, limit_);
        token = text_.piece(start, at_);
        return true;
    }

private:
    const PaddedText &text_;
    std::size_t at_, limit_;
};

// How many of the first `count` characters from two places of padded texts are the same.
std::size_t SameLength(const char *one, const char *other, std::size_t count)
{
    for (std::size_t same = 0; same < count; same += kChunk)
        if (uint32_t unequal = UnequalBits(LoadChunk(one + same), LoadChunk(other + same)))
            return std::min(same + LowestBit(unequal), count);
    return count;
}

// One token pair, both within padded texts, by the permit token rule.
bool TokenFits(std::size_t place, std::string_view maskToken, std::string_view keyToken)
{
    if (place == kSystemTokenPlace && keyToken == kSystemToken)
        return maskToken == kSystemToken;
    if (keyToken == "*" || maskToken == "*")
        return true;
    // The rule steps over equal characters and over a '?' opposite any, so the start that
    // is the same in both is passed at once.
    std::size_t at = SameLength(maskToken.data(), keyToken.data(), std::min(maskToken.size(), keyToken.size()));
    while (at < maskToken.size() && at < keyToken.size() && (maskToken[at] == keyToken[at] || maskToken[at] == '?'))
        ++at;
    if (at == keyToken.size())
        return at == maskToken.size();
    if (at == maskToken.size() || maskToken[at] != '*')
        return false;
    // A closing '*' takes the rest of the key token.
    return at + 1 == maskToken.size() || PermitTokenFitsAfter(maskToken, keyToken, at);
}

// The same rule on the mask's characters [maskAt, maskEnd) and the key's [keyAt, keyEnd).
bool MaskTokensFit(const PaddedText &mask, std::size_t maskAt, std::size_t maskEnd, const PaddedText &key,
                   std::size_t keyAt, std::size_t keyEnd)
{
    if (maskAt == maskEnd || mask.data()[maskAt] == '#')
        return false;
    maskEnd = mask.firstHash(maskAt, maskEnd);
    std::size_t place = 0;
    // Rules mostly repeat the key's first tokens: those the first chunks of both hold whole
    // and the same fit whatever their place, and are passed at once.
    if (maskAt == 0 && keyAt == 0) {
        std::size_t same = SameLength(mask.data(), key.data(), std::min({maskEnd, keyEnd, kChunk}));
        if (uint32_t separators = mask.separators(0) & Before(same)) {
            maskAt = keyAt = HighestBit(separators) + 1;
            uint32_t characters = ~separators & Before(maskAt);
            for (uint32_t starts = characters & ~(characters << 1); starts; starts &= starts - 1)
                ++place;
        }
    }
    TokenSteps maskTokens(mask, maskAt, maskEnd), keyTokens(key, keyAt, keyEnd);
    for (std::string_view maskToken, keyToken; maskTokens.next(maskToken); ++place)
        if (!keyTokens.next(keyToken) || !WithinTokenLimits(place, maskToken) || !WithinTokenLimits(place, keyToken) ||
            !TokenFits(place, maskToken, keyToken))
            return false;
    // The key's further tokens must keep within the limits too.
    for (std::string_view keyToken; keyTokens.next(keyToken); ++place)
        if (!WithinTokenLimits(place, keyToken))
            return false;
    return true;
}

// Rules and keys shorter than 64 characters, by far the most, are compared with the
// places of each text as a 64-bit set, bit i for character i, read from the text itself.
// Their tokens never pass the length limit.
constexpr std::size_t kShortText = 64;
static_assert(kShortText - 1 <= ZEM_PERMIT_TOKEN_LENGTH, "a short text's token is within the limit");

// The places before `count`, which is below 64.
uint64_t Below(std::size_t count) { return (uint64_t{1} << count) - 1; }

// Where the bits of a chunk belong in a set of places: the lowest `drop` are left out, and
// the rest start at place `at`.
struct ChunkPlaces {
    std::size_t at;
    unsigned drop;
    uint64_t operator()(uint32_t bits) const { return static_cast<uint64_t>(bits >> drop) << at; }
};

// Visits the chunks that hold the first `size` characters of a text, reading nothing past
// them: visit(readAt, places) for the chunk at readAt. The part after the whole chunks is
// read as the text's last chunk. A text under one chunk must be readable for a whole chunk.
template <typename Visit> void ForChunks(std::size_t size, Visit visit)
{
    if (size < kChunk) {
        visit(std::size_t{0}, ChunkPlaces{0, 0});
        return;
    }
    std::size_t at = 0;
    for (; at + kChunk <= size; at += kChunk)
        visit(at, ChunkPlaces{at, 0});
    if (at < size)
        visit(size - kChunk, ChunkPlaces{at, static_cast<unsigned>(kChunk - (size - at))});
}

// A short rule or key: its token characters, backslashes and (for a mask) '#'s.
class ShortText {
public:
    ShortText(std::string_view text, bool mask) : size_(text.size()), data_(text.data())
    {
        if (size_ < kChunk) {
            std::memcpy(small_, text.data(), size_);
            std::memset(small_ + size_, ' ', kChunk - size_);
            data_ = small_;
        }
        uint64_t separators = 0, slashes = 0, hashes = 0;
        ForChunks(size_, [&](std::size_t readAt, ChunkPlaces places) {
            Chunk chunk = LoadChunk(data_ + readAt);
            separators |= places(MemberBits<':', ' '>(chunk));
            slashes |= places(MemberBits<'\\'>(chunk));
            if (mask)
                hashes |= places(MemberBits<'#'>(chunk));
        });
        // The reads stop at the text's end, or reach only the blanks padding a text under one
        // chunk: no backslash or '#' lies past it.
        characters_ = ~(separators | slashes) & Below(size_);
        slashes_ = slashes;
        hashes_ = hashes;
    }
    std::size_t size() const { return size_; }
    // Readable for a whole chunk from the start.
    const char *data() const { return data_; }
    std::string_view piece(std::size_t from, std::size_t to) const { return std::string_view(data_ + from, to - from); }
    // The places before the last backslash, and those after it (none without one).
    std::size_t pathEnd() const { return slashes_ ? HighestBit(slashes_) : size_; }
    std::size_t objectStart() const { return slashes_ ? HighestBit(slashes_) + 1 : size_; }
    // The end of a mask part [from, to): its first '#', or to.
    std::size_t maskEnd(std::size_t from, std::size_t to) const
    {
        uint64_t hashes = hashes_ & ~Below(from) & Below(to);
        return hashes ? LowestBit(hashes) : to;
    }
    // The token characters of [from, to).
    uint64_t characters(std::size_t from, std::size_t to) const { return characters_ & ~Below(from) & Below(to); }
    // data() may point into the object.
    ShortText(const ShortText &) = delete;
    ShortText &operator=(const ShortText &) = delete;

private:
    std::size_t size_;
    const char *data_;
    uint64_t characters_, slashes_, hashes_;
    char small_[kChunk];
};

// The places where the mask's character is the key's or a '?'.
uint64_t AlikePlaces(const ShortText &mask, const ShortText &key)
{
    std::size_t both = std::min(mask.size(), key.size());
    uint64_t alike = 0;
    ForChunks(both, [&](std::size_t readAt, ChunkPlaces places) {
        Chunk maskChunk = LoadChunk(mask.data() + readAt);
        alike |= places(~UnequalBits(maskChunk, LoadChunk(key.data() + readAt)) & 0xffffu);
        alike |= places(MemberBits<'?'>(maskChunk));
    });
    return alike & Below(both);
}

// Whether a mask token fits the key token that starts at the same place, decided from the
// places alike where they tell: the mask's characters are the key's or '?', perhaps but
// for a closing '*' that takes one or more of the key's. False leaves it to TokenFits.
bool AlikeTokenFits(const ShortText &mask, std::size_t start, std::size_t maskEnd, std::size_t keyEnd, uint64_t alike)
{
    uint64_t unlike = Below(maskEnd) & ~Below(start) & ~alike;
    if (!unlike)
        return maskEnd == keyEnd;
    std::size_t last = maskEnd - 1;
    return unlike == uint64_t{1} << last && mask.data()[last] == '*' && keyEnd >= maskEnd;
}

// TokenFits on tokens of short texts, through padded copies.
bool PaddedTokenFits(std::size_t place, std::string_view maskToken, std::string_view keyToken)
{
    char maskCopy[kShortText + kChunk], keyCopy[kShortText + kChunk];
    CopyPadded(maskCopy, maskToken);
    CopyPadded(keyCopy, keyToken);
    return TokenFits(place, std::string_view(maskCopy, maskToken.size()), std::string_view(keyCopy, keyToken.size()));
}

// MaskTokensFit's rule on short texts: the mask's characters [maskAt, maskEnd) and the
// key's [keyAt, keyEnd), with the places alike in both.
bool ShortTokensFit(const ShortText &mask, std::size_t maskAt, std::size_t maskEnd, const ShortText &key,
                    std::size_t keyAt, std::size_t keyEnd, uint64_t alike)
{
    if (maskAt == maskEnd || mask.data()[maskAt] == '#')
        return false;
    uint64_t maskCharacters = mask.characters(maskAt, mask.maskEnd(maskAt, maskEnd));
    uint64_t keyCharacters = key.characters(keyAt, keyEnd);
    // A token starts at a character after a non-character, and ends before a
    // non-character after a character.
    uint64_t maskStarts = maskCharacters & ~(maskCharacters << 1), maskEnds = ~maskCharacters & (maskCharacters << 1);
    uint64_t keyStarts = keyCharacters & ~(keyCharacters << 1), keyEnds = ~keyCharacters & (keyCharacters << 1);
    std::size_t place = 0;
    for (; maskStarts; ++place) {
        if (!keyStarts)
            return false;
        std::size_t maskStart = LowestBit(maskStarts), maskStop = LowestBit(maskEnds);
        std::size_t keyStart = LowestBit(keyStarts), keyStop = LowestBit(keyEnds);
        std::string_view keyToken = key.piece(keyStart, keyStop);
        bool decided = maskStart == keyStart && (place != kSystemTokenPlace || keyToken != kSystemToken) &&
                       AlikeTokenFits(mask, maskStart, maskStop, keyStop, alike);
        if (!decided && !PaddedTokenFits(place, mask.piece(maskStart, maskStop), keyToken))
            return false;
        maskStarts &= maskStarts - 1;
        maskEnds &= maskEnds - 1;
        keyStarts &= keyStarts - 1;
        keyEnds &= keyEnds - 1;
    }
    for (; keyStarts; keyStarts &= keyStarts - 1)
        ++place;
    return place <= ZEM_PERMIT_TOKENS;
}

// IsPermitMaskMatch's rule on short texts, after the rule's family was checked.
bool ShortRuleFits(std::string_view rule, std::string_view key)
{
    ShortText ruleText(rule, true), keyText(key, false);
    uint64_t alike = AlikePlaces(ruleText, keyText);
    if (!ShortTokensFit(ruleText, 0, ruleText.pathEnd(), keyText, 0, keyText.pathEnd(), alike))
        return false;
    std::size_t object = ruleText.objectStart();
    return object == ruleText.size() || ruleText.data()[object] == '#' ||
           ShortTokensFit(ruleText, object, ruleText.size(), keyText, keyText.objectStart(), keyText.size(), alike);
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
    if (mask.size() < kShortText && key.size() < kShortText) {
        ShortText maskText(mask, true), keyText(key, false);
        return ShortTokensFit(maskText, 0, mask.size(), keyText, 0, key.size(), AlikePlaces(maskText, keyText));
    }
    PaddedText maskText(mask), keyText(key);
    return MaskTokensFit(maskText, 0, mask.size(), keyText, 0, key.size());
}

bool PermitFits(std::string_view rule, std::string_view key)
{
    if (rule == "*")
        return true;
    if (!FitsKeyCopy(key) || !FitsKeyCopy(rule) || !FamilyTakesPart(rule))
        return false;
    if (rule.size() < kShortText && key.size() < kShortText)
        return ShortRuleFits(rule, key);
    PaddedText ruleText(rule), keyText(key);
    Parts ruleParts = PartsOf(ruleText), keyParts = PartsOf(keyText);
    if (!MaskTokensFit(ruleText, 0, ruleParts.pathEnd, keyText, 0, keyParts.pathEnd))
        return false;
    std::string_view ruleObject = rule.substr(ruleParts.objectStart);
    return ruleObject.empty() || ruleObject[0] == '#' ||
           MaskTokensFit(ruleText, ruleParts.objectStart, ruleParts.end, keyText, keyParts.objectStart, keyParts.end);
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
