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

// A writable copy of a reply text, as the readers cut it in place.
struct Reply {
    explicit Reply(const std::string &text) : bytes(text.begin(), text.end()) { bytes.push_back('\0'); }
    char *text() { return bytes.data(); }
    std::vector<char> bytes;
};

// 16 KB records: kept off the test's stack.
std::unique_ptr<MqscItem> NewItem()
{
    auto item = std::make_unique<MqscItem>();
    std::memset(item.get(), 0, sizeof *item);
    return item;
}

TEST(MqscScanner, ReadsMessageIdThenKeywordsAndValuesOfAQueueReply)
{
    Reply reply("CSQM401I +CSQ1 QUEUE(Q1) TYPE(QLOCAL)");
    auto item = NewItem();
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    EXPECT_STREQ("MQSC_RESPONSE", item->name);
    EXPECT_STREQ("CSQM401I", item->value);

    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("CSQ1", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("QUEUE", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("Q1", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("TYPE", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("QLOCAL", item->value);
    EXPECT_EQ(0, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("TYPE", item->name);
}

TEST(MqscScanner, StatusIsTheFirstTokenBeginningWithCsq)
{
    auto item = NewItem();
    Reply subsystemOnly("+CSQ1 QUEUE(Q1)");
    ASSERT_EQ(1, GetMqscStatus(subsystemOnly.text(), item.get()));
    EXPECT_STREQ("CSQ1", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("QUEUE", item->name);

    Reply later("reply: AMQ8409 then CSQ9022I done");
    ASSERT_EQ(1, GetMqscStatus(later.text(), item.get()));
    EXPECT_STREQ("CSQ9022I", item->value);

    std::strcpy(item->value, "kept");
    Reply none("AMQ8409 Display Queue details. QUEUE(Q1)");
    EXPECT_EQ(0, GetMqscStatus(none.text(), item.get()));
    EXPECT_STREQ("kept", item->value);
    Reply empty("");
    EXPECT_EQ(0, GetMqscStatus(empty.text(), item.get()));
    EXPECT_EQ(0, GetMqscIdent(nullptr, item.get()));
    // the prefix is compared case-sensitively
    Reply lower("csqm401i QUEUE(Q1)");
    EXPECT_EQ(0, GetMqscStatus(lower.text(), item.get()));
}

TEST(MqscScanner, TrailingDelimitersComeBackAsOneLastIdentifier)
{
    Reply reply("CSQM401I QUEUE(Q1)  \n");
    auto item = NewItem();
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("  \n", item->name);
    EXPECT_EQ(0, GetMqscIdent(nullptr, item.get()));
}

TEST(MqscScanner, NestedValueKeepsItsParenthesesAndEndsWhenTheGroupCloses)
{
    auto item = NewItem();
    Reply reply("CSQM401I KEY(a(b)x) CONNAME(host(1414)) DESCR(d)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("KEY", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("a(b)", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("x", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("CONNAME", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("host(1414)", item->value);
    // the keyword's own ')' is still ahead: it ends an empty identifier
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("DESCR", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("d", item->value);
}

TEST(MqscScanner, UnreadEmptyValueGivesAnEmptyIdentifierAndTheScanGoesOn)
{
    auto item = NewItem();
    Reply reply("CSQM401I NAMES() DESCR(d)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("NAMES", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("DESCR", item->name);
}

TEST(MqscScanner, ValueTextKeepsLeadingBlanksAndQuotesButLosesTrailingSpace)
{
    auto item = NewItem();
    Reply reply("CSQM401I DESCR() TEXT(  a b \t ) QUOTED('it(s') NEXT(n)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    std::strcpy(item->value, "stale");
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("TEXT", item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("  a b", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    // quotes protect nothing: the '(' inside them opens a group
    EXPECT_STREQ("'it(s')", item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("NEXT", item->name);
}

TEST(MqscScanner, ValueRunningToTheEndOfTheText)
{
    auto item = NewItem();
    Reply open("CSQM401I DESCR(abc  ");
    ASSERT_EQ(1, GetMqscStatus(open.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("abc", item->value);
    EXPECT_EQ(0, GetMqscIdent(nullptr, item.get()));

    Reply nested("CSQM401I X(a(b");
    ASSERT_EQ(1, GetMqscStatus(nested.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("a(b", item->value);

    // nothing left at all: the value is untouched
    Reply bare("CSQM401I X(");
    ASSERT_EQ(1, GetMqscStatus(bare.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    std::strcpy(item->value, "previous");
    EXPECT_EQ(0, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("previous", item->value);
}

TEST(MqscScanner, TokenSearchFindsAKeywordByItsBeginning)
{
    auto item = NewItem();
    Reply reply("CSQM401I +CSQ1 QUEUE(Q1) CURDEPTH(5) MAXDEPTH(9)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    std::strcpy(item->name, "CURD");
    ASSERT_EQ(1, GetMqscToken(item.get()));
    // the scan stands after CURDEPTH's '(': its value is next
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_STREQ("5", item->value);
    std::strcpy(item->name, "QUEUE");
    EXPECT_EQ(0, GetMqscToken(item.get()));
}

TEST(MqscScanner, LongTokensAreCutToTheItemFields)
{
    auto item = NewItem();
    std::string longName(100, 'K');
    std::string longValue(20000, 'v');
    Reply reply("CSQ" + std::string(20000, 'M') + " " + longName + "(" + longValue + ") NEXT(1)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    EXPECT_EQ("CSQ" + std::string(15996, 'M'), item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_EQ(std::string(63, 'K'), item->name);
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_EQ(std::string(15999, 'v'), item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("NEXT", item->name);
}

TEST(MqscScanner, NestedValueLongerThanTheFieldIsCutAndFullyConsumed)
{
    auto item = NewItem();
    Reply reply("CSQM401I X(" + std::string(15990, 'a') + "(" + std::string(50, 'b') + ")) Y(2)");
    ASSERT_EQ(1, GetMqscStatus(reply.text(), item.get()));
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    ASSERT_EQ(1, GetMqscValue(nullptr, item.get()));
    EXPECT_EQ(std::string(15990, 'a') + "(" + std::string(8, 'b'), item->value);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("", item->name);
    ASSERT_EQ(1, GetMqscIdent(nullptr, item.get()));
    EXPECT_STREQ("Y", item->name);
}

TEST(ScanMqscToken, ReportsTheDelimiterThatEndedEachToken)
{
    Reply reply("  ab,cd(ef");
    char ended = 'x';
    char *token = zem::ScanMqscToken(reply.text(), zem::kIdentDelimiters, &ended);
    ASSERT_NE(nullptr, token);
    EXPECT_STREQ("ab", token);
    EXPECT_EQ(',', ended);
    token = zem::ScanMqscToken(nullptr, zem::kIdentDelimiters, &ended);
    EXPECT_STREQ("cd", token);
    EXPECT_EQ('(', ended);
    token = zem::ScanMqscToken(nullptr, zem::kIdentDelimiters, &ended);
    EXPECT_STREQ("ef", token);
    EXPECT_EQ('\0', ended);
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, zem::kIdentDelimiters, &ended));
}

TEST(ScanMqscToken, ClosingParenthesisEndsAnEmptyTokenOnlyAtTheStartOfACall)
{
    char ended = 0;
    Reply first(")abc");
    char *token = zem::ScanMqscToken(first.text(), zem::kValueDelimiters, &ended);
    ASSERT_NE(nullptr, token);
    EXPECT_STREQ("", token);
    EXPECT_EQ(')', ended);
    EXPECT_STREQ("abc", zem::ScanMqscToken(nullptr, zem::kValueDelimiters, &ended));

    Reply notDelimiter(")abc def");
    EXPECT_STREQ(")abc", zem::ScanMqscToken(notDelimiter.text(), " ", &ended));

    Reply later("  )x");
    EXPECT_STREQ("x", zem::ScanMqscToken(later.text(), zem::kTokenDelimiters, &ended));
}

TEST(ScanMqscToken, EmptyAndMissingInputsGiveNoToken)
{
    char ended = 'x';
    Reply reply("abc");
    EXPECT_EQ(nullptr, zem::ScanMqscToken(reply.text(), nullptr, &ended));
    EXPECT_EQ('\0', ended);
    Reply empty("");
    EXPECT_EQ(nullptr, zem::ScanMqscToken(empty.text(), zem::kIdentDelimiters, &ended));
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, zem::kIdentDelimiters, &ended));
    Reply delimitersOnly(" ,: ");
    EXPECT_STREQ(" ,: ", zem::ScanMqscToken(delimitersOnly.text(), zem::kIdentDelimiters, &ended));
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, zem::kIdentDelimiters, &ended));
}

TEST(ScanMqscToken, LooksAtMostSixtyFiveThousandFiveHundredThirtySixCharacters)
{
    char ended = 0;
    Reply within(std::string(65535, 'A') + " B");
    char *token = zem::ScanMqscToken(within.text(), " ", &ended);
    ASSERT_NE(nullptr, token);
    EXPECT_EQ(65535u, std::strlen(token));
    EXPECT_EQ(' ', ended);

    Reply endWithin(std::string(65535, 'A'));
    token = zem::ScanMqscToken(endWithin.text(), " ", &ended);
    ASSERT_NE(nullptr, token);
    EXPECT_EQ(65535u, std::strlen(token));

    // A token that does not end within the limit is never returned: the scan cannot
    // get past it.
    Reply tooLong("X " + std::string(65536, 'A') + " B");
    EXPECT_STREQ("X", zem::ScanMqscToken(tooLong.text(), " ", &ended));
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, " ", &ended));
    EXPECT_EQ(nullptr, zem::ScanMqscToken(nullptr, " ", &ended));

    auto item = NewItem();
    Reply status(std::string(70000, 'C') + " CSQM401I");
    EXPECT_EQ(0, GetMqscStatus(status.text(), item.get()));
}

TEST(ScanMqscToken, DelimiterSetIsReadForAtMostTwoHundredFiftySixCharacters)
{
    std::string delimiters(256, ',');
    delimiters += ' ';
    char ended = 0;
    Reply reply("ab cd,ef");
    EXPECT_STREQ("ab cd", zem::ScanMqscToken(reply.text(), delimiters.c_str(), &ended));
    EXPECT_EQ(',', ended);
}

}  // namespace
