// The reply-text readers: message id, identifiers, parenthesised values, the raw
// tokenizer and its bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "mqsc2pcf/scanner.h"
#include "zemapi.h"

namespace {

using Texts = std::vector<std::string>;

// A writable copy of a reply text, as the readers cut it in place.
std::vector<char> Writable(const std::string &text)
{
    std::vector<char> bytes(text.begin(), text.end());
    bytes.push_back('\0');
    return bytes;
}

// Reads the message id of text, then one item per step: "I" an identifier, "V" a value,
// "T<name>" a search for the keyword beginning with name. Each read gives the field it
// filled, or "0" and the field as it stood before (a "~" put there first), so that a
// failed read that touched the field shows; a search gives "1" or "0".
Texts Read(const std::string &text, const Texts &steps)
{
    std::vector<char> reply = Writable(text);
    auto item = std::make_unique<MqscItem>();  // 16 KB: kept off the stack
    std::memset(item.get(), 0, sizeof *item);
    auto record = [](int32_t found, const char *field) { return (found ? "" : "0") + std::string(field); };
    std::strcpy(item->value, "~");
    int32_t found = GetMqscStatus(reply.data(), item.get());
    EXPECT_STREQ(found ? "MQSC_RESPONSE" : "", item->name);
    Texts read = {record(found, item->value)};
    for (const std::string &step : steps) {
        if (step[0] == 'T') {
            std::strcpy(item->name, step.c_str() + 1);
            read.push_back(std::to_string(GetMqscToken(item.get())));
        } else if (step == "I") {
            std::strcpy(item->name, "~");
            found = GetMqscIdent(nullptr, item.get());
            read.push_back(record(found, item->name));
        } else {
            std::strcpy(item->value, "~");
            found = GetMqscValue(nullptr, item.get());
            read.push_back(record(found, item->value));
        }
    }
    return read;
}

struct ReadCase {
    const char *what;
    std::string text;
    Texts steps;
    Texts read;
};

void ExpectReads(const std::vector<ReadCase> &cases)
{
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.read, Read(c.text, c.steps));
    }
}

TEST(MqscScanner, StatusIsTheFirstTokenBeginningWithCsq)
{
    ExpectReads({
        {"message id, then keywords and values", "CSQM401I +CSQ1 QUEUE(Q1) TYPE(QLOCAL)",
         {"I", "I", "V", "I", "V", "I"}, {"CSQM401I", "CSQ1", "QUEUE", "Q1", "TYPE", "QLOCAL", "0~"}},
        {"later in the text", "reply: AMQ8409 then CSQ9022I done", {}, {"CSQ9022I"}},
        {"no CSQ token", "AMQ8409 Display Queue details. QUEUE(Q1)", {}, {"0~"}},
        {"empty text", "", {"I"}, {"0~", "0~"}},
        {"the prefix is compared case-sensitively", "csqm401i QUEUE(Q1)", {}, {"0~"}},
        {"none within the scan limit", std::string(70000, 'C') + " CSQM401I", {}, {"0~"}},
    });
}

TEST(MqscScanner, ValuesFollowTheParenthesesOfTheirKeywordCutToTheItemFields)
{
    ExpectReads({
        {"trailing delimiters come back as one last identifier", "CSQM401I QUEUE(Q1)  \n",
         {"I", "V", "I", "I"}, {"CSQM401I", "QUEUE", "Q1", "  \n", "0~"}},
        // the keyword's own ')' is still ahead after a nested value: it ends an empty identifier
        {"nested value keeps its parentheses and ends when the group closes",
         "CSQM401I KEY(a(b)x) CONNAME(host(1414)) DESCR(d)", {"I", "V", "I", "I", "V", "I", "I", "V"},
         {"CSQM401I", "KEY", "a(b)", "x", "CONNAME", "host(1414)", "", "DESCR", "d"}},
        {"unread empty value gives an empty identifier", "CSQM401I NAMES() DESCR(d)", {"I", "I", "I"},
         {"CSQM401I", "NAMES", "", "DESCR"}},
        // quotes protect nothing: the '(' inside them opens a group
        {"leading blanks and quotes kept, trailing space lost",
         "CSQM401I DESCR() TEXT(  a b \t ) QUOTED('it(s') NEXT(n)", {"I", "V", "I", "V", "I", "V", "I"},
         {"CSQM401I", "DESCR", "", "TEXT", "  a b", "QUOTED", "'it(s')", "NEXT"}},
        {"value running to the end", "CSQM401I DESCR(abc  ", {"I", "V", "I"}, {"CSQM401I", "DESCR", "abc", "0~"}},
        {"nested value running to the end", "CSQM401I X(a(b", {"I", "V"}, {"CSQM401I", "X", "a(b"}},
        {"nothing left for the value", "CSQM401I X(", {"I", "V"}, {"CSQM401I", "X", "0~"}},
        // the search stands after CURDEPTH's '(': its value is next
        {"token search finds a keyword by its beginning", "CSQM401I +CSQ1 QUEUE(Q1) CURDEPTH(5) MAXDEPTH(9)",
         {"TCURD", "V", "TQUEUE"}, {"CSQM401I", "1", "5", "0"}},
        // long tokens are cut to the item's fields
        {"id, name and value", "CSQ" + std::string(20000, 'M') + " " + std::string(100, 'K') + "(" +
                                   std::string(20000, 'v') + ") NEXT(1)",
         {"I", "V", "I"},
         {"CSQ" + std::string(15996, 'M'), std::string(63, 'K'), std::string(15999, 'v'), "NEXT"}},
        {"nested value is cut and fully consumed",
         "CSQM401I X(" + std::string(15990, 'a') + "(" + std::string(50, 'b') + ")) Y(2)", {"I", "V", "I", "I"},
         {"CSQM401I", "X", std::string(15990, 'a') + "(" + std::string(8, 'b'), "", "Y"}},
    });
}

// Every token of text as "token|delimiter that ended it" until the scan gives none; a
// scan that gave none stays exhausted.
Texts Tokens(const std::string &text, const char *delimiters)
{
    std::vector<char> bytes = Writable(text);
    Texts tokens;
    char ended = 'x';
    for (char *token = zem::ScanMqscToken(bytes.data(), delimiters, &ended); token != nullptr;
         token = zem::ScanMqscToken(nullptr, delimiters, &ended))
        tokens.push_back(std::string(token) + "|" + (ended ? std::string(1, ended) : ""));
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, delimiters, &ended));
    return tokens;
}

TEST(ScanMqscToken, ReportsTokensAndTheDelimitersThatEndedThem)
{
    const std::string manyCommas = std::string(256, ',') + " ";  // only 256 characters of a set are read
    const struct {
        std::string text;
        const char *delimiters;
        Texts tokens;
    } cases[] = {
        {"  ab,cd(ef", zem::kIdentDelimiters, {"ab|,", "cd|(", "ef|"}},
        // a ')' ends an empty token only at the very start of a call
        {")abc", zem::kValueDelimiters, {"|)", "abc|"}},
        {")abc def", " ", {")abc| ", "def|"}},
        {"  )x", zem::kTokenDelimiters, {"x|"}},
        {"", zem::kIdentDelimiters, {}},
        {" ,: ", zem::kIdentDelimiters, {" ,: |"}},  // all delimiters: the whole text
        {"ab cd,ef", manyCommas.c_str(), {"ab cd|,", "ef|"}},
        // a token must end within 65536 characters, or the scan cannot get past it
        {std::string(65535, 'A') + " B", " ", {std::string(65535, 'A') + "| ", "B|"}},
        {std::string(65535, 'A'), " ", {std::string(65535, 'A') + "|"}},
        {"X " + std::string(65536, 'A') + " B", " ", {"X| "}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        EXPECT_EQ(c.tokens, Tokens(c.text, c.delimiters));
    }
    std::vector<char> text = Writable("abc");
    char ended = 'x';
    EXPECT_EQ(nullptr, zem::ScanMqscToken(text.data(), nullptr, &ended));
    EXPECT_EQ('\0', ended);
}

}  // namespace
