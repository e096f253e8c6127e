#include "foundation/match.h"

#include <cstddef>

#include "foundation/strings.h"
#include "zemapi.h"

namespace zem {
namespace {

bool Same(char a, char b, bool ignoreCase) { return a == b || (ignoreCase && AsciiUpper(a) == AsciiUpper(b)); }

bool Between(char low, char x, char high)
{
    // Range bounds compare as signed 8-bit codes, so bytes from 0x80 up sort below NUL.
    auto code = [](char c) { return static_cast<int>(static_cast<signed char>(c)); };
    return code(low) <= code(x) && code(x) <= code(high);
}

bool InRange(char low, char x, char high, bool ignoreCase)
{
    return Between(low, x, high) || (ignoreCase && Between(AsciiUpper(low), AsciiUpper(x), AsciiUpper(high)));
}

// Decides whether the class opening at pattern[open] fits x. On a fit, *close is the index
// of its closing ']'. A class that is empty, unclosed, or has a '-' without an upper bound
// fits nothing. A '^' after the first member is ignored.
bool ClassFits(const char *pattern, std::size_t open, char x, bool ignoreCase, std::size_t *close)
{
    std::size_t i = open + 1;
    if (pattern[i] == '\0' || pattern[i] == ']')
        return false;
    bool negated = pattern[i] == '^';
    char previous = negated ? '^' : '\0';  // the lower bound of a '-' that opens the list
    if (negated)
        ++i;
    bool member = false;
    for (;; ++i) {
        char c = pattern[i];
        if (c == '\0')
            return false;
        if (c == ']')
            break;
        if (c == '^')
            continue;
        if (c == '-') {
            char high = pattern[i + 1];
            if (high == '\0' || high == ']')
                return false;
            member = member || InRange(previous, x, high, ignoreCase);
            previous = high;
            ++i;
            continue;
        }
        member = member || Same(c, x, ignoreCase);
        previous = c;
    }
    *close = i;
    return member != negated;
}

// How many characters from the start the mask and the text share, stopping after one that
// a blank or the end of the text follows: a single test passes every other character.
template <bool ignoreCase> std::size_t SharedRun(const char *mask, const char *text)
{
    std::size_t shared = 0;
    while (Same(mask[shared], text[shared], ignoreCase) && static_cast<unsigned char>(text[shared + 1]) > ' ')
        ++shared;
    return shared;
}

// The case rule is a template argument, so that the exact form's step compares bytes and
// nothing else.
template <bool ignoreCase> bool MaskMatchAs(const char *mask, const char *text)
{
    if (mask[0] == '*' && mask[1] == '\0')
        return true;
    if (*text == '\0')
        return false;
    for (;;) {
        // After an equal pair, a blank or the end of the text decides.
        std::size_t shared = SharedRun<ignoreCase>(mask, text);
        mask += shared;
        text += shared;
        if (Same(*mask, *text, ignoreCase)) {
            ++mask;
            ++text;
            if (*text == ' ')
                return true;
            if (*text == '\0')
                return *mask == '\0' || (mask[0] == '*' && mask[1] == '\0');
            continue;  // a control character, no blank
        }
        if (*mask != '*')
            return false;
        // A '*' swallows characters until one equals the mask character after it; it never
        // gives them back.
        if (mask[1] == '\0')
            return true;
        if (Same(mask[1], *text, ignoreCase))
            ++mask;
        else if (*++text == '\0')
            return false;
    }
}

}  // namespace

bool MaskMatch(const char *mask, const char *text, bool ignoreCase)
{
    return ignoreCase ? MaskMatchAs<true>(mask, text) : MaskMatchAs<false>(mask, text);
}

namespace {

// Every element but '*' takes exactly one character, so on a mismatch only the latest '*'
// needs to take one more character: earlier ones could not do better. This gives the
// answers of trying every split at every '*' in time proportional to the product of the
// lengths, with no recursion. The case rule is a template argument, so that the exact
// form's step compares bytes and nothing else.
template <bool ignoreCase> bool PatternMatchAs(const char *pattern, const char *text)
{
    std::size_t p = 0, t = 0;
    bool haveStar = false;
    std::size_t afterStar = 0, starText = 0;
    while (text[t] != '\0') {
        const char c = pattern[p];
        if (c == '*') {
            if (pattern[p + 1] == '\0')
                return true;
            haveStar = true;
            afterStar = ++p;
            starText = t;
            continue;
        }
        std::size_t next = p + 1;
        bool fits = false;
        if (c == '[') {
            std::size_t close = 0;
            fits = ClassFits(pattern, p, text[t], ignoreCase, &close);
            next = close + 1;
        } else {
            fits = c != '\0' && (c == '?' || Same(c, text[t], ignoreCase));
        }
        if (fits) {
            p = next;
            ++t;
            continue;
        }
        if (!haveStar)
            return false;
        p = afterStar;
        t = ++starText;
    }
    while (pattern[p] == '*')
        ++p;
    return pattern[p] == '\0';
}

}  // namespace

bool PatternMatch(const char *pattern, const char *text, bool ignoreCase)
{
    if (pattern[0] == '*' && pattern[1] == '\0')
        return true;
    if ((*text == '\0' && *pattern == ' ') || (*text == ' ' && *pattern == '\0'))
        return true;
    return ignoreCase ? PatternMatchAs<true>(pattern, text) : PatternMatchAs<false>(pattern, text);
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) IsMaskMatch(const char *mask, const char *text) { return mask && text && MaskMatch(mask, text, false); }

ZEMAPI(int) IsMaskMatchIgnoreCase(const char *mask, const char *text)
{
    return mask && text && MaskMatch(mask, text, true);
}

ZEMAPI(int) IsRegExpMatch(const char *pattern, const char *text, int ignoreCase)
{
    return pattern && text && PatternMatch(pattern, text, ignoreCase != 0);
}

}  // extern "C"
