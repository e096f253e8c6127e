#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zemapi.h"

namespace {

struct Case {
    const char *pattern;
    const char *text;
    int exact;
    int ignoringCase;
};

TEST(MaskMatch, KnownMasksAndScanRulesAtTheEdges)
{
    const Case cases[] = {
        {"*", "", 1, 1}, {"*", "SYSTEM.ADMIN", 1, 1}, {"", "ABC", 0, 0}, {"", "", 0, 0}, {"ABC", "", 0, 0},
        {"ABC", "ABC", 1, 1}, {"ABC", "ABC   ", 1, 1}, {"ABC", "ABC X", 1, 1}, {"ABC", "ABCD", 0, 0},
        {"A*", "A", 1, 1}, {"A*C", "ABC", 1, 1}, {"A*C", "AC", 1, 1}, {"A*C", "ABCC", 0, 0}, {"A*C", "ABXC", 1, 1},
        {"A*C", "ABCD", 0, 0}, {"*AB", "AAB", 0, 0}, {"*.QUEUE", "SYSTEM.DEF.QUEUE", 0, 0},
        {"SYSTEM.*", "SYSTEM.DEF.QUEUE", 1, 1}, {"A**", "A", 0, 0}, {"abc", "ABC", 0, 1}, {"A?C", "ABC", 0, 0},
        {"?", "?", 1, 1}, {"QM1", "qm1   ", 0, 1}, {"sys*", "SYSTEM", 0, 1},
        {"AB*", "AB", 1, 1},   // a single trailing '*' may match nothing
        {"AB**", "AB", 0, 0},  // two may not
        {"**", "AB", 0, 0},    // the first '*' waits for a '*' that never comes
        {"A*", "AXYZ", 1, 1},  // a last '*' takes the rest
        {"A*B", "A*B", 1, 1},  // '*' opposite '*' is an ordinary character
        {"AB", "A C", 1, 1},   // the string may end at a blank once the mask matched so far
        {"ABC", " ABC", 0, 0}, // but not before anything matched
        {"A C", "A C", 1, 1},  // a blank in the string ends the comparison
        {"A\tB", "A\tB", 1, 1}, // a control character does not
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("'") + c.pattern + "' '" + c.text + "'");
        EXPECT_EQ(IsMaskMatch(c.pattern, c.text), c.exact);
        EXPECT_EQ(IsMaskMatchIgnoreCase(c.pattern, c.text), c.ignoringCase);
    }
}

// Inputs beyond the reach of the comparison with the recursive definition below.
TEST(PatternMatch, KnownPatternsWildcardsStringEndsAndClasses)
{
    const Case cases[] = {
        {"", " X", 1, 1}, {"", "X", 0, 0}, {" ", "X", 0, 0}, {"X", " ", 0, 0}, {"ABC", "ABC ", 0, 0},
        {"ABC", "ABD", 0, 0}, {"abc", "ABC", 0, 1}, {"QM1", "qm1", 0, 1}, {"*", "ANY.THING", 1, 1},
        {"A?C", "ABC", 1, 1}, {"A*C", "ABCBC", 1, 1}, {"A*C", "ABCC", 1, 1}, {"*AB", "AAB", 1, 1},
        {"A*B*C", "AXXBYYC", 1, 1}, {"A*B*C", "AXXBYYCD", 0, 0}, {"*A", "BA ", 0, 0}, {"**X", "ABX", 1, 1},
        {"*.QUEUE", "SYSTEM.DEF.QUEUE", 1, 1}, {"*X*", "ABXCD", 1, 1}, {"Q[0-9][0-9]", "Q42", 1, 1},
        {"Q[0-9]*", "Q7X", 1, 1}, {"[0-9]", "", 0, 0}, {"[a-c]X", "BX", 0, 1}, {"[B-D]X", "CX", 1, 1},
        {"[B-D]X", "CXY", 0, 0}, {"[-B]", "A", 1, 1}, {"[A-C-E]", "D", 1, 1}, {"[A-C-E]", "F", 0, 0},
        {"[A-CX]", "X", 1, 1}, {"[A-C", "B", 0, 0}, {"[^AB]", "D", 1, 1}, {"[^AB]", "B", 0, 0},
        {"[^AB]X", "CY", 0, 0}, {"[ABC]", "b", 0, 1}, {"[A-Z]", "m", 0, 1}, {"[a-z]", "M", 0, 1},
        {"[^A-C]", "D", 1, 1}, {"[]A]", "]", 0, 0}, {"[AB][^AB]", "AC", 1, 1}, {"[AB][^AB]", "AB", 0, 0},
        {"[", "[", 0, 0},           // '[' as the last character never fits
        {"[*]", "*", 1, 1},         // '*' and '?' are members inside a class
        {"[^A-C]", "b", 1, 0},      // with case ignored 'b' is in the range, so not fit
        {"[^]", "X", 1, 1},         // negated and empty: everything fits
        {"[^AB][AB]", "CA", 1, 1},  // negation belongs to its own class only
        {"[A^B]", "^", 0, 0},       // a later '^' is no member
        {"[A^B]", "B", 1, 1},
        {"[Z-A]", "M", 0, 0},       // an inverted range holds nothing
        {"[--/]", "+", 1, 1},       // a range from NUL to '-', then the member '/'
        {"[--/]", ".", 0, 0}, {"[--/]", "/", 1, 1},
        // Bytes from 0x80 up are negative codes: below NUL, outside any ASCII range.
        {"[\x01-\x7F]", "\xE9", 0, 0}, {"[-z]", "\xE9", 0, 0}, {"[\x80-\xFF]", "\xE9", 1, 1},
        {"[\xE9]", "\xE9", 1, 1}, {"[^\x01-\x7F]", "\xE9", 1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("'") + c.pattern + "' '" + c.text + "'");
        EXPECT_EQ(IsRegExpMatch(c.pattern, c.text, 0), c.exact);
        EXPECT_EQ(IsRegExpMatch(c.pattern, c.text, 1), c.ignoringCase);
    }
}

TEST(PatternMatch, NullArgumentsDoNotMatchEitherMatcher)
{
    EXPECT_EQ(IsMaskMatch(nullptr, "A"), 0);
    EXPECT_EQ(IsMaskMatch("*", nullptr), 0);
    EXPECT_EQ(IsMaskMatchIgnoreCase(nullptr, nullptr), 0);
    EXPECT_EQ(IsRegExpMatch(nullptr, "", 0), 0);
    EXPECT_EQ(IsRegExpMatch("*", nullptr, 1), 0);
}

TEST(PatternMatch, ManyStarsAndVeryLongPatternsFinishWithoutDeepRecursion)
{
    std::string text(200, 'A'), separated;
    EXPECT_EQ(IsRegExpMatch((std::string(30, '*') + "B").c_str(), text.c_str(), 0), 0);
    for (int i = 0; i < 30; ++i)
        separated += "*A";
    EXPECT_EQ(IsRegExpMatch((separated + "B").c_str(), text.c_str(), 1), 0);
    EXPECT_EQ(IsRegExpMatch((separated + "*").c_str(), text.c_str(), 0), 1);
    text.back() = 'B';
    EXPECT_EQ(IsRegExpMatch((separated + "B").c_str(), text.c_str(), 0), 1);

    std::string pattern;
    for (int i = 0; i < 100000; ++i)
        pattern += "*A";
    EXPECT_EQ(IsRegExpMatch(pattern.c_str(), std::string(100000, 'A').c_str(), 0), 1);
}

// The pattern rules written as their plain recursive definition: every split at every
// '*' is tried. Exponential, so only for short inputs, but a second opinion on every
// combination of them.
char Up(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool SameChar(char a, char b, bool fold) { return a == b || (fold && Up(a) == Up(b)); }

int ReferenceClass(const std::string &p, std::size_t open, char x, bool fold, std::size_t &close)
{
    auto within = [](signed char lo, signed char c, signed char hi) { return lo <= c && c <= hi; };
    std::size_t i = open + 1;
    if (i >= p.size() || p[i] == ']')
        return 0;
    bool negate = p[i] == '^', hit = false;
    char before = negate ? '^' : '\0';
    for (i += negate; i < p.size() && p[i] != ']'; ++i) {
        if (p[i] == '^')
            continue;
        if (p[i] == '-') {
            if (i + 1 >= p.size() || p[i + 1] == ']')
                return 0;
            char after = p[++i];
            hit = hit || within(before, x, after) || (fold && within(Up(before), Up(x), Up(after)));
            before = after;
        } else {
            hit = hit || SameChar(p[i], x, fold);
            before = p[i];
        }
    }
    if (i >= p.size())
        return 0;
    close = i;
    return hit != negate;
}

int Reference(const std::string &p, const std::string &t, bool fold)
{
    if (p == "*" || (t.empty() && !p.empty() && p[0] == ' ') || (!t.empty() && t[0] == ' ' && p.empty()))
        return 1;
    std::size_t i = 0, j = 0;
    for (; j < t.size(); ++i, ++j) {
        if (i >= p.size())
            return 0;
        if (p[i] == '*') {
            if (i + 1 == p.size())
                return 1;
            for (std::size_t k = j; k < t.size(); ++k)
                if (Reference(p.substr(i + 1), t.substr(k), fold))
                    return 1;
            return 0;
        }
        std::size_t close = 0;
        if (p[i] == '[' && !ReferenceClass(p, i, t[j], fold, close))
            return 0;
        if (p[i] == '[')
            i = close;
        else if (p[i] != '?' && !SameChar(p[i], t[j], fold))
            return 0;
    }
    while (i < p.size() && p[i] == '*')
        ++i;
    return i == p.size();
}

std::vector<std::string> AllStrings(const std::string &alphabet, std::size_t maxLength)
{
    std::vector<std::string> out = {""};
    for (std::size_t start = 0, length = 1; length <= maxLength; ++length) {
        std::size_t end = out.size();
        for (std::size_t i = start; i < end; ++i)
            for (char c : alphabet)
                out.push_back(out[i] + c);
        start = end;
    }
    return out;
}

TEST(PatternMatch, AgreesWithTheRecursiveDefinitionOnEveryShortInput)
{
    const std::vector<std::string> texts = AllStrings("Aab -", 3);
    int disagreements = 0;
    for (const auto &pattern : AllStrings("A*?[]-^ ", 4))
        for (const auto &text : texts)
            for (int fold = 0; fold < 2; ++fold) {
                int expected = Reference(pattern, text, fold != 0);
                if (IsRegExpMatch(pattern.c_str(), text.c_str(), fold) != expected && ++disagreements <= 10)
                    ADD_FAILURE() << "pattern '" << pattern << "' text '" << text << "' fold " << fold
                                  << ": expected " << expected;
            }
    EXPECT_EQ(disagreements, 0);
}

}  // namespace
