// zemPcf2Mqsc: the whole conversion of a PCF command held in a PcfMessage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cmdtable/cmdtable.h"
#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"

using p2mtest::Convert;
using p2mtest::ConvertInto;
using p2mtest::Padded;
using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

constexpr char kTextFormat[] = "MQSTR   ";
constexpr int32_t kEmptyUsed = ZEM_MDHDR_LENGTH;

// INQUIRE_Q for Q1 of type QLOCAL with the attribute list DESCR, CURDEPTH, MAXDEPTH.
PcfBytes ExampleInquiry(int32_t queueType = mq::MQQT_LOCAL, int32_t parameterCount = 3)
{
    return PcfBytes()
        .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, parameterCount)
        .Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48))
        .Cfin(mq::MQIA_Q_TYPE, queueType)
        .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, mq::MQIA_CURRENT_Q_DEPTH, mq::MQIA_MAX_Q_DEPTH});
}

PcfBytes EscapeCommand(int32_t parameterCount)
{
    return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_ESCAPE, parameterCount);
}

TEST(Pcf2Mqsc, ExampleInquiryIsOneLineInTableOrder)
{
    auto result = Convert(ExampleInquiry().bytes());
    const std::string expected = "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH";
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.reason, 0);
    EXPECT_EQ(result.failedParam, 0);
    EXPECT_EQ(result.text, expected);
    EXPECT_EQ(result.used, kEmptyUsed + static_cast<int32_t>(expected.size()));
    EXPECT_EQ(result.format, kTextFormat);
}

TEST(Pcf2Mqsc, ExampleInquiryWithContinuationLines)
{
    auto result = Convert(ExampleInquiry().bytes(), true);
    const std::string expected = "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH";
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, expected);
    EXPECT_EQ(result.used, kEmptyUsed + static_cast<int32_t>(expected.size()));
}

TEST(Pcf2Mqsc, ParameterOrderDoesNotChangeTheText)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 3)
                     .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH, mq::MQIA_CURRENT_Q_DEPTH, mq::MQCA_Q_DESC})
                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
                     .Cfst(mq::MQCA_Q_NAME, "Q1");
    EXPECT_EQ(Convert(bytes.bytes()).text, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH");
}

TEST(Pcf2Mqsc, AllQueueTypesWritesNoTypeAndLeavesTheCommandAsItWas)
{
    const std::string bytes = ExampleInquiry(mq::MQQT_ALL).bytes();
    zemtest::PcfPtr message = zemtest::ContainerHolding(bytes);
    auto result = Convert(*message);
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE('Q1') DESCR CURDEPTH MAXDEPTH");

    // The caller's message is byte for byte as it was, and still indexes and reads.
    EXPECT_EQ(zemtest::DataOf(*message), bytes);
    ASSERT_EQ(RawToPcf(message.get()), 1);
    MESSAGE holder{};
    ASSERT_EQ(CreateMessage(&holder, 64), 1);
    int32_t queueType = 0;
    EXPECT_EQ(GetAttrByID(mq::MQIA_Q_TYPE, &holder, message.get()), 1);
    EXPECT_EQ(GetPcfIntAttrValue(&holder, &queueType), 1);
    EXPECT_EQ(queueType, mq::MQQT_ALL);
    DeleteMessage(&holder);

    // A second conversion of the same message gives the same text.
    EXPECT_EQ(Convert(*message).text, "DISPLAY QUEUE('Q1') DESCR CURDEPTH MAXDEPTH");
}

TEST(Pcf2Mqsc, AllQueueTypesInTheNamesInquiryWritesNoType)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q_NAMES, 2)
                     .Cfst(mq::MQCA_Q_NAME, Padded("PAY*", 48))
                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_ALL);
    auto result = Convert(bytes.bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE(PAY*)");
}

TEST(Pcf2Mqsc, CommandWithOnlyItsVerb)
{
    auto result = Convert(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_PING_Q_MGR, 0).bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "PING QMGR");
    EXPECT_EQ(result.used, kEmptyUsed + 9);
}

TEST(Pcf2Mqsc, EscapeCommandGivesItsTextUnchanged)
{
    auto bytes = EscapeCommand(2).Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC).Cfst(mq::MQCACF_ESCAPE_TEXT, "DISPLAY QMGR ALL  ");
    auto result = Convert(bytes.bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.reason, 0);
    EXPECT_EQ(result.failedParam, -1) << "the escape path leaves failedParam alone";
    EXPECT_EQ(result.text, "DISPLAY QMGR ALL  ");
    EXPECT_EQ(result.used, kEmptyUsed + 18);
    EXPECT_EQ(result.format, kTextFormat);
}

TEST(Pcf2Mqsc, EscapeCommandFailures)
{
    struct Case {
        const char *what;
        PcfBytes bytes;
        int32_t reason;
    } cases[] = {
        {"no escape type", EscapeCommand(1).Cfst(mq::MQCACF_ESCAPE_TEXT, "PING QMGR"), mq::MQRCCF_ESCAPE_TYPE_ERROR},
        {"escape type not MQSC",
         EscapeCommand(2).Cfin(mq::MQIACF_ESCAPE_TYPE, 2).Cfst(mq::MQCACF_ESCAPE_TEXT, "PING QMGR"),
         mq::MQRCCF_ESCAPE_TYPE_ERROR},
        {"escape type as a string", EscapeCommand(2).Cfst(mq::MQIACF_ESCAPE_TYPE, "1").Cfst(mq::MQCACF_ESCAPE_TEXT, "X"),
         mq::MQRCCF_ESCAPE_TYPE_ERROR},
        {"no escape text", EscapeCommand(1).Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC), mq::MQRCCF_PARM_COUNT_TOO_SMALL},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto result = Convert(c.bytes.bytes());
        EXPECT_EQ(result.compCode, 2);
        EXPECT_EQ(result.reason, c.reason);
        EXPECT_EQ(result.failedParam, -1);
        EXPECT_EQ(result.used, kEmptyUsed);
        EXPECT_EQ(result.format, kTextFormat);
    }
}

TEST(Pcf2Mqsc, EscapeTextIsCutToTheOutputArea)
{
    auto bytes = EscapeCommand(2).Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC).Cfst(mq::MQCACF_ESCAPE_TEXT, "DISPLAY QMGR ALL");
    auto result = Convert(bytes.bytes(), false, 8);
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY");
    EXPECT_EQ(result.used, kEmptyUsed + 7);
}

TEST(Pcf2Mqsc, EscapeTextWithAlterDateFilterGetsTheWhereClause)
{
    auto bytes = EscapeCommand(3)
                     .Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC)
                     .Cfst(mq::MQCACF_ESCAPE_TEXT, "DISPLAY QUEUE(*)")
                     .Cfsf(mq::MQCA_ALTERATION_DATE, mq::MQCFOP_NOT_LESS, "2008-01-01");
    auto result = Convert(bytes.bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE(*) WHERE(ALTDATE GE 2008-01-01)");
}

TEST(Pcf2Mqsc, WhereClauseAlwaysSaysGreaterOrEqual)
{
    const int32_t operators[] = {mq::MQCFOP_LESS, mq::MQCFOP_EQUAL, mq::MQCFOP_GREATER, mq::MQCFOP_NOT_EQUAL,
                                 mq::MQCFOP_NOT_LESS, mq::MQCFOP_LIKE};
    for (int32_t op : operators) {
        SCOPED_TRACE(op);
        auto bytes = PcfBytes()
                         .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2)
                         .Cfst(mq::MQCA_Q_NAME, "Q1")
                         .Cfsf(mq::MQCA_ALTERATION_DATE, op, "2008-01-01");
        auto result = Convert(bytes.bytes());
        EXPECT_EQ(result.compCode, 0);
        EXPECT_EQ(result.text, "DISPLAY QUEUE('Q1') WHERE(ALTDATE GE 2008-01-01)");
    }
}

TEST(Pcf2Mqsc, WhereClauseValueIsCutToThirteenCharacters)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2)
                     .Cfsf(mq::MQCA_ALTERATION_DATE, mq::MQCFOP_NOT_LESS, "2008-01-01.12.30.45")
                     .Cfst(mq::MQCA_Q_NAME, "Q1");
    EXPECT_EQ(Convert(bytes.bytes()).text, "DISPLAY QUEUE('Q1') WHERE(ALTDATE GE 2008-01-01.12)");
}

TEST(Pcf2Mqsc, WhereClauseFollowsTheLastContinuationLine)
{
    auto bytes = ExampleInquiry(mq::MQQT_LOCAL, 4).Cfsf(mq::MQCA_ALTERATION_DATE, mq::MQCFOP_NOT_LESS, "2008-01-01");
    auto result = Convert(bytes.bytes(), true);
    EXPECT_EQ(result.text, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH WHERE(ALTDATE GE 2008-01-01)");
}

TEST(Pcf2Mqsc, AlterDateAsPlainStringGivesNoWhereClause)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2)
                     .Cfst(mq::MQCA_Q_NAME, "Q1")
                     .Cfst(mq::MQCA_ALTERATION_DATE, "2008-01-01");
    auto result = Convert(bytes.bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text.find("WHERE"), std::string::npos) << result.text;
}

TEST(Pcf2Mqsc, WhereClauseThatDoesNotFitFailsAndLeavesUsedAlone)
{
    // "DISPLAY QUEUE('Q1')" is 19 characters; the clause needs 29 more and the NUL one.
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2)
                     .Cfst(mq::MQCA_Q_NAME, "Q1")
                     .Cfsf(mq::MQCA_ALTERATION_DATE, mq::MQCFOP_NOT_LESS, "2008-01-01");
    auto tight = Convert(bytes.bytes(), false, 48);
    EXPECT_EQ(tight.compCode, 2);
    EXPECT_EQ(tight.reason, ZEM_P2M_TEXT_TOO_LONG);
    EXPECT_EQ(tight.failedParam, 0);
    EXPECT_EQ(tight.used, kEmptyUsed);
    EXPECT_EQ(tight.text, "DISPLAY QUEUE('Q1')");

    auto exact = Convert(bytes.bytes(), false, 49);
    EXPECT_EQ(exact.compCode, 0);
    EXPECT_EQ(exact.text, "DISPLAY QUEUE('Q1') WHERE(ALTDATE GE 2008-01-01)");
    EXPECT_EQ(exact.used, kEmptyUsed + 48);
}

TEST(Pcf2Mqsc, TextThatDoesNotFitFailsWithFiveThousandThree)
{
    // The example text is 56 characters: it needs 57 bytes with its NUL.
    auto fits = Convert(ExampleInquiry().bytes(), false, 57);
    EXPECT_EQ(fits.compCode, 0);
    EXPECT_EQ(fits.text, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH");

    auto tooSmall = Convert(ExampleInquiry().bytes(), false, 56);
    EXPECT_EQ(tooSmall.compCode, 2);
    EXPECT_EQ(tooSmall.reason, ZEM_P2M_TEXT_TOO_LONG);
    EXPECT_EQ(tooSmall.failedParam, 0);
    EXPECT_EQ(tooSmall.used, kEmptyUsed);
    EXPECT_EQ(tooSmall.text, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH") << "the text written before the failure";
    EXPECT_EQ(tooSmall.format, kTextFormat);
}

TEST(Pcf2Mqsc, ReasonCodesAndFailingStructure)
{
    struct Case {
        const char *what;
        std::string bytes;
        int32_t reason;
        int32_t failedParam;
    } cases[] = {
        {"integer filter", PcfBytes().Cfh(1, 13, 2).Cfst(2016, "Q1").Cfif(20, mq::MQCFOP_EQUAL, 1).bytes(),
         ZEM_P2M_BAD_STRUCTURE, 2},
        {"byte string", PcfBytes().Cfh(1, 13, 2).Cfbs(7001, "AB").Cfst(2016, "Q1").bytes(), ZEM_P2M_BAD_STRUCTURE, 1},
        {"group", PcfBytes().Cfh(1, 13, 2).Cfst(2016, "Q1").Cfgr(8000, 1).Cfin(20, 1).bytes(), ZEM_P2M_BAD_STRUCTURE, 2},
        {"response header", PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0).bytes(), ZEM_P2M_BAD_STRUCTURE, 0},
        {"command not in the table", PcfBytes().Cfh(1, 9999, 1).Cfst(2016, "Q1").bytes(), ZEM_P2M_NOT_IN_TABLE, 0},
        {"string list unknown to the command",
         PcfBytes().Cfh(1, 13, 2).Cfst(2016, "Q1").Cfsl(mq::MQCA_NAMES, {"A"}, 8).bytes(), ZEM_P2M_NOT_IN_TABLE, 2},
        {"required name missing", PcfBytes().Cfh(1, 13, 1).Cfin(20, 1).bytes(), ZEM_P2M_REQUIRED_MISSING, 0},
        {"negative parameter count", PcfBytes().Cfh(1, 40, -1).bytes(), ZEM_P2M_NOT_IN_TABLE, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto result = Convert(c.bytes);
        EXPECT_EQ(result.compCode, 2);
        EXPECT_EQ(result.reason, c.reason);
        EXPECT_EQ(result.failedParam, c.failedParam);
        EXPECT_EQ(result.used, kEmptyUsed);
        EXPECT_EQ(result.format, kTextFormat);
    }
}

TEST(Pcf2Mqsc, MalformedLengthsStopTheWalkAtTheirStructure)
{
    const std::string header3 = PcfBytes().Cfh(1, 13, 3).bytes();
    const std::string name = PcfBytes().Cfst(2016, "Q1").bytes();
    struct Case {
        const char *what;
        std::string bytes;
        int32_t failedParam;
    } cases[] = {
        {"StrucLength below 8", header3 + name + PcfBytes().Words({3, 4, 20, 1}).bytes(), 2},
        {"StrucLength of 0", header3 + name + PcfBytes().Words({3, 0, 20, 1}).bytes(), 2},
        {"StrucLength beyond the data", header3 + name + PcfBytes().Words({3, 64, 20, 1}).bytes(), 2},
        {"count larger than the data holds", header3 + name + PcfBytes().Cfin(20, 1).bytes(), 3},
        {"header cut short", header3.substr(0, 30), 0},
        {"integer shorter than its fields", header3 + name + PcfBytes().Words({3, 12, 20}).bytes(), 2},
        {"string longer than its structure", header3 + PcfBytes().Words({4, 24, 2016, 0, 9}).Chars("Q1Q1").bytes(), 1},
        {"negative string length", header3 + PcfBytes().Words({4, 24, 2016, 0, -1}).Chars("Q1Q1").bytes(), 1},
        {"integer list longer than its structure", header3 + name + PcfBytes().Words({5, 20, 1002, 2, 3}).bytes(), 2},
        {"string list longer than its structure",
         PcfBytes().Cfh(1, 34, 2).Cfst(2010, "NL").Words({6, 32, 2020, 0, 2, 8}).Chars("AAAAAAAA").bytes(), 2},
        {"string list with a negative count",
         PcfBytes().Cfh(1, 34, 2).Cfst(2010, "NL").Words({6, 24, 2020, 0, -1, 8}).bytes(), 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto result = Convert(c.bytes);
        EXPECT_EQ(result.compCode, 2);
        EXPECT_EQ(result.reason, ZEM_P2M_BAD_STRUCTURE);
        EXPECT_EQ(result.failedParam, c.failedParam);
        EXPECT_EQ(result.used, kEmptyUsed);
    }
}

TEST(Pcf2Mqsc, EmptyCommandMessageFailsAtTheHeader)
{
    zemtest::PcfPtr empty = zemtest::ContainerHolding("");
    auto result = Convert(*empty);
    EXPECT_EQ(result.compCode, 2);
    EXPECT_EQ(result.reason, ZEM_P2M_BAD_STRUCTURE);
    EXPECT_EQ(result.failedParam, 0);
    EXPECT_EQ(result.format, kTextFormat);
}

TEST(Pcf2Mqsc, NullMessagesAreRefused)
{
    zemtest::PcfPtr text = p2mtest::TextContainer(64);
    zemtest::PcfPtr command = zemtest::ContainerHolding(ExampleInquiry().bytes());
    int32_t compCode = -1, reason = -1, failedParam = -1;
    zemPcf2Mqsc(nullptr, text.get(), 0, &compCode, &reason, &failedParam);
    EXPECT_EQ(compCode, 2);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    EXPECT_EQ(failedParam, 0);
    compCode = reason = failedParam = -1;
    zemPcf2Mqsc(command.get(), nullptr, 0, &compCode, &reason, &failedParam);
    EXPECT_EQ(compCode, 2);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    // Without out-parameters the conversion still runs and writes its text.
    zemPcf2Mqsc(command.get(), text.get(), 0, nullptr, nullptr, nullptr);
    EXPECT_STREQ(reinterpret_cast<char *>(text->PcfMsg.pData), "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH");
}

TEST(Pcf2Mqsc, ConversionAfterAFailedOneStartsClean)
{
    // Fails on the missing queue name after TYPE and the selectors were marked.
    auto failing = PcfBytes()
                       .Cfh(1, mq::MQCMD_INQUIRE_Q, 2)
                       .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_REMOTE)
                       .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, mq::MQIA_CURRENT_Q_DEPTH});
    EXPECT_EQ(Convert(failing.bytes()).reason, ZEM_P2M_REQUIRED_MISSING);

    // Fails for room before DESCR's stored value was written.
    auto stored = PcfBytes()
                      .Cfh(1, mq::MQCMD_CREATE_Q, 3)
                      .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
                      .Cfst(mq::MQCA_Q_NAME, "Q1")
                      .Cfst(mq::MQCA_Q_DESC, "left behind");
    EXPECT_EQ(Convert(stored.bytes(), false, 10).reason, ZEM_P2M_TEXT_TOO_LONG);

    auto next = PcfBytes().Cfh(1, mq::MQCMD_INQUIRE_Q, 1).Cfst(mq::MQCA_Q_NAME, "Q2");
    auto result = Convert(next.bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE('Q2')");

    auto define = PcfBytes().Cfh(1, mq::MQCMD_CREATE_Q, 2).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, "Q3");
    EXPECT_EQ(Convert(define.bytes()).text, "DEFINE QLOCAL('Q3')");
}

TEST(Pcf2Mqsc, ValuesLeftByTheOtherDirectionAreNotWritten)
{
    // What an MQSC-to-PCF conversion leaves in the shared records: a stored description
    // and queue type, both still marked.
    int32_t command = mq::MQCMD_INQUIRE_Q;
    MqscKeyword *record = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &command);
    ASSERT_NE(record, nullptr);
    int32_t descId = mq::MQCA_Q_DESC, typeId = mq::MQIA_Q_TYPE, depthId = mq::MQIA_MAX_Q_DEPTH;
    MqscKeyword *desc = zem::FindCmdParam(record->params, zem::kFindById, &descId);
    MqscKeyword *type = zem::FindCmdParam(record->params, zem::kFindById, &typeId);
    MqscKeyword *depth = zem::FindCmdParam(record->params, zem::kFindById, &depthId);
    ASSERT_NE(desc, nullptr);
    ASSERT_NE(type, nullptr);
    ASSERT_NE(depth, nullptr);
    ASSERT_EQ(zem::SetKeywordValue(desc, "stale text", 10), 1);
    ASSERT_NE(type->values, nullptr);
    ASSERT_EQ(zem::SetKeywordValue(type, type->values[0], 0), 1);
    desc->isSet = type->isSet = depth->isSet = 1;

    auto result = Convert(PcfBytes().Cfh(1, mq::MQCMD_INQUIRE_Q, 1).Cfst(mq::MQCA_Q_NAME, "Q1").bytes());
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE('Q1')");
    EXPECT_EQ(desc->isSet, 0);
    EXPECT_EQ(desc->value, 0) << "the stale string is released";
}

TEST(Pcf2Mqsc, TextAreaIsReusedWithoutLeftovers)
{
    zemtest::PcfPtr text = p2mtest::TextContainer(256);
    zemtest::PcfPtr first = zemtest::ContainerHolding(ExampleInquiry().bytes());
    zemtest::PcfPtr second = zemtest::ContainerHolding(PcfBytes().Cfh(1, mq::MQCMD_PING_Q_MGR, 0).bytes());
    EXPECT_EQ(ConvertInto(*first, *text, false).compCode, 0);
    auto result = ConvertInto(*second, *text, false);
    EXPECT_EQ(result.text, "PING QMGR");
    EXPECT_EQ(result.used, kEmptyUsed + 9);
}

}  // namespace
