// One reply text to one PCF response: parameter order, value forms, lists, failures and
// the room of the output.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "mqsc2pcf/convert.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;

// MQ parameter ids of the replies below.
constexpr int32_t kQName = 2016;           // MQCA_Q_NAME
constexpr int32_t kQDesc = 2013;           // MQCA_Q_DESC
constexpr int32_t kQType = 20;             // MQIA_Q_TYPE
constexpr int32_t kCurrentDepth = 3;       // MQIA_CURRENT_Q_DEPTH
constexpr int32_t kShareability = 23;      // MQIA_SHAREABILITY
constexpr int32_t kTriggerControl = 24;    // MQIA_TRIGGER_CONTROL
constexpr int32_t kDefInputOpen = 4;       // MQIA_DEF_INPUT_OPEN_OPTION
constexpr int32_t kChannelName = 3501;     // MQCACH_CHANNEL_NAME
constexpr int32_t kChannelType = 1511;     // MQIACH_CHANNEL_TYPE
constexpr int32_t kKeepAlive = 1566;       // MQIACH_KEEP_ALIVE_INTERVAL
constexpr int32_t kSubName = 3152;         // MQCACF_SUB_NAME
constexpr int32_t kExpiry = 1244;          // MQIACF_EXPIRY
constexpr int32_t kNamelistName = 2010;    // MQCA_NAMELIST_NAME
constexpr int32_t kNameCount = 19;         // MQIA_NAME_COUNT
constexpr int32_t kNames = 2020;           // MQCA_NAMES

constexpr int32_t kInquireQ = 13;
constexpr int32_t kInquireChannel = 25;
constexpr int32_t kInquireNamelist = 36;
constexpr int32_t kInquireSub = 176;

std::string Response(int32_t command, int32_t count, int32_t compCode = 0, int32_t reason = 0)
{
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, command, count, 1, compCode, reason).bytes();
}

struct Outcome {
    int32_t reason = -1;
    int32_t count = -1;
    std::string pcf;  // the bytes written, as output.length says
};

// Runs MqscToPcf on a copy of text with `room` bytes of output, which starts filled with
// a marker so that writes outside the result show.
Outcome Convert(const std::string &text, int32_t command, int32_t room = 65536)
{
    std::vector<char> reply(text.begin(), text.end());
    reply.push_back('\0');
    std::vector<unsigned char> area(static_cast<std::size_t>(room), 0xEE);
    MqscText input{reply.data(), static_cast<int32_t>(text.size())};
    PcfArea output{area.data(), room};
    Outcome outcome;
    MqscToPcf(&input, &output, command, &outcome.reason, &outcome.count);
    if (outcome.reason == 0) {
        EXPECT_LE(output.length, room);
        outcome.pcf.assign(area.begin(), area.begin() + output.length);
        for (std::size_t i = static_cast<std::size_t>(output.length); i < area.size(); ++i)
            EXPECT_EQ(0xEE, area[i]) << "byte " << i << " written beyond the result";
    } else {
        EXPECT_EQ(room, output.length);
        for (std::size_t i = 0; i < area.size(); ++i)
            EXPECT_EQ(0xEE, area[i]) << "byte " << i << " written by a failed conversion";
    }
    return outcome;
}

MqscKeyword *CommandRecord(int32_t command)
{
    return zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &command);
}

MqscKeyword *ParameterRecord(int32_t command, int32_t id)
{
    MqscKeyword *record = CommandRecord(command);
    return record ? zem::FindCmdParam(record->params, zem::kFindById, &id) : nullptr;
}

std::unique_ptr<MqscItem> ItemWith(const char *name, const char *value)
{
    auto item = std::make_unique<MqscItem>();
    std::memset(item.get(), 0, sizeof *item);
    std::strncpy(item->name, name, sizeof item->name - 1);
    std::strncpy(item->value, value, sizeof item->value - 1);
    return item;
}

TEST(MqscToPcf, WritesParametersInTheOrderOfTheCommandsListNotOfTheText)
{
    Outcome outcome = Convert("CSQM401I +CSQ1 CURDEPTH(5) TYPE(QLOCAL) QUEUE(Q1)", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(0, outcome.count);
    EXPECT_EQ(Response(kInquireQ, 3) +
                  PcfBytes().Cfst(kQName, "Q1").Cfin(kQType, 1).Cfin(kCurrentDepth, 5).bytes(),
              outcome.pcf);
    EXPECT_EQ(36 + 24 + 16 + 16, static_cast<int>(outcome.pcf.size()));
}

TEST(MqscToPcf, BareValueKeywordsGoToTheirEmptyNamedParameters)
{
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) TRIGGER NOSHARE", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 3) + PcfBytes().Cfst(kQName, "Q1").Cfin(kShareability, 0)
                                           .Cfin(kTriggerControl, 1).bytes(),
              outcome.pcf);
}

TEST(MqscToPcf, AutoAndUnlimitedAreMinusOneOnlyForTheirOwnParameter)
{
    Outcome kaint = Convert("CSQM406I CHANNEL(C1) CHLTYPE(SDR) KAINT(AUTO)", kInquireChannel);
    ASSERT_EQ(0, kaint.reason);
    EXPECT_EQ(Response(kInquireChannel, 3) +
                  PcfBytes().Cfst(kChannelName, "C1").Cfin(kChannelType, 1).Cfin(kKeepAlive, -1).bytes(),
              kaint.pcf);

    Outcome number = Convert("CSQM406I CHANNEL(C1) KAINT(30)", kInquireChannel);
    EXPECT_EQ(Response(kInquireChannel, 2) + PcfBytes().Cfst(kChannelName, "C1").Cfin(kKeepAlive, 30).bytes(),
              number.pcf);

    Outcome wrongWord = Convert("CSQM406I CHANNEL(C1) KAINT(UNLIMITED)", kInquireChannel);
    EXPECT_EQ(Response(kInquireChannel, 2) + PcfBytes().Cfst(kChannelName, "C1").Cfin(kKeepAlive, 0).bytes(),
              wrongWord.pcf);

    Outcome expiry = Convert("CSQM4xxI SUBNAME(S1) EXPIRY(UNLIMITED)", kInquireSub);
    ASSERT_EQ(0, expiry.reason);
    EXPECT_EQ(Response(kInquireSub, 2, -1) + PcfBytes().Cfst(kSubName, "S1").Cfin(kExpiry, -1).bytes(),
              expiry.pcf);
    Outcome expiryAuto = Convert("CSQM4xxI SUBNAME(S1) EXPIRY(AUTO)", kInquireSub);
    EXPECT_EQ(Response(kInquireSub, 2, -1) + PcfBytes().Cfst(kSubName, "S1").Cfin(kExpiry, 0).bytes(),
              expiryAuto.pcf);
}

TEST(MqscToPcf, NumbersReadLikeAtolAndSaturateAtTheInt32Range)
{
    Outcome outcome = Convert("CSQM401I CURDEPTH(12abc)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfin(kCurrentDepth, 12).bytes(), outcome.pcf);
    outcome = Convert("CSQM401I CURDEPTH(99999999999)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfin(kCurrentDepth, INT32_MAX).bytes(), outcome.pcf);
    outcome = Convert("CSQM401I CURDEPTH(-99999999999)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfin(kCurrentDepth, INT32_MIN).bytes(), outcome.pcf);
    outcome = Convert("CSQM401I CURDEPTH( -7)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfin(kCurrentDepth, -7).bytes(), outcome.pcf);
}

TEST(MqscToPcf, UnknownKeywordsAndUnknownValueKeywordsAreIgnored)
{
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) FOO(bar) TYPE(QWEIRD) DESCR(d) SHAREX curdepth(4) CURDEPTH(5)",
                              kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(0, outcome.count);
    EXPECT_EQ(Response(kInquireQ, 3) +
                  PcfBytes().Cfst(kQName, "Q1").Cfst(kQDesc, "d").Cfin(kCurrentDepth, 5).bytes(),
              outcome.pcf);
}

TEST(MqscToPcf, EmptyIdentifierAfterANestedValueStoresNothing)
{
    // The ')' left after XMITQ's nested value reads as an empty identifier, which finds the
    // empty-named shareability record but none of its values.
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) XMITQ(A(B)) CURDEPTH(5)", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 3) +
                  PcfBytes().Cfst(kQName, "Q1").Cfst(2024, "A(B)").Cfin(kCurrentDepth, 5).bytes(),
              outcome.pcf);
}

TEST(MqscToPcf, RecordListedTwiceIsWrittenOnce)
{
    // DEFSOPT stands twice in the queue inquiry's list.
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) DEFSOPT(SHARED)", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 2) + PcfBytes().Cfst(kQName, "Q1").Cfin(kDefInputOpen, 2).bytes(),
              outcome.pcf);
}

TEST(MqscToPcf, StringValuesKeepQuotesAndLoseTrailingBlanks)
{
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) DESCR( )", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 2) + PcfBytes().Cfst(kQName, "Q1").Cfst(kQDesc, "").bytes(), outcome.pcf);
    outcome = Convert("CSQM401I QUEUE(Q1) DESCR('it''s, here  ')", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 2) + PcfBytes().Cfst(kQName, "Q1").Cfst(kQDesc, "'it''s, here  '").bytes(),
              outcome.pcf);
}

TEST(MqscToPcf, KeywordWhoseValueIsCutOffAtTheEndStoresNothing)
{
    Outcome outcome = Convert("CSQM401I QUEUE(Q1) CURDEPTH", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfst(kQName, "Q1").bytes(), outcome.pcf);
    outcome = Convert("CSQM401I QUEUE(Q1) DESCR(", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfst(kQName, "Q1").bytes(), outcome.pcf);
}

TEST(MqscToPcf, ListIsReadOnlyAfterAPositiveCount)
{
    Outcome empty = Convert("CSQM401I NAMELIST(NL1) NAMCOUNT(0) NAMES()", kInquireNamelist);
    ASSERT_EQ(0, empty.reason);
    EXPECT_EQ(Response(kInquireNamelist, 2) + PcfBytes().Cfst(kNamelistName, "NL1").Cfin(kNameCount, 0).bytes(),
              empty.pcf);

    Outcome two = Convert("CSQM401I NAMELIST(NL1) NAMCOUNT(2) NAMES(A,BB)", kInquireNamelist);
    ASSERT_EQ(0, two.reason);
    EXPECT_EQ(Response(kInquireNamelist, 3) + PcfBytes().Cfst(kNamelistName, "NL1").Cfin(kNameCount, 2)
                                                  .Cfsl(kNames, {"A", "BB"}, 2).bytes(),
              two.pcf);
    // Count 2 x length 2 = 4 bytes of names: StrucLength 28.
    EXPECT_EQ(28, two.pcf[36 + 24 + 16 + 4]);

    // Without a count before it, the list is passed over and its elements read as
    // identifiers, which name nothing.
    Outcome uncounted = Convert("CSQM401I NAMELIST(NL1) NAMES(A,BB)", kInquireNamelist);
    EXPECT_EQ(Response(kInquireNamelist, 1) + PcfBytes().Cfst(kNamelistName, "NL1").bytes(), uncounted.pcf);
}

TEST(MqscToPcf, ListElementsSplitOnlyAtCommasOutsideQuotesAndParentheses)
{
    Outcome outcome = Convert("CSQM401I NAMCOUNT(3) NAMES(A, 'B,C',D(E,F))", kInquireNamelist);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireNamelist, 2) +
                  PcfBytes().Cfin(kNameCount, 3).Cfsl(kNames, {"A", " 'B,C'", "D(E,F)"}, 6).bytes(),
              outcome.pcf);

    Outcome single = Convert("CSQM401I NAMCOUNT(1) NAMES(  )", kInquireNamelist);
    EXPECT_EQ(Response(kInquireNamelist, 2) + PcfBytes().Cfin(kNameCount, 1).Cfsl(kNames, {""}, 0).bytes(),
              single.pcf);
}

TEST(SplitListText, SeparatesAtTopLevelCommasAndKeepsEverythingElse)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(V({""}), zem::SplitListText(""));
    EXPECT_EQ(V({"", ""}), zem::SplitListText(","));
    EXPECT_EQ(V({"A", " B", "C "}), zem::SplitListText("A, B,C "));
    EXPECT_EQ(V({"'a,(b'", "c"}), zem::SplitListText("'a,(b',c"));
    EXPECT_EQ(V({"x(1,(2,3))", "y"}), zem::SplitListText("x(1,(2,3)),y"));
    // an apostrophe left open hides every later comma
    EXPECT_EQ(V({"a", "'b,c"}), zem::SplitListText("a,'b,c"));
    // a stray ')' does not stop later commas from separating
    EXPECT_EQ(V({"a)", "b"}), zem::SplitListText("a),b"));
}

TEST(MqscToPcf, ReplyWithOnlyAMessageIdIsABareHeader)
{
    Outcome outcome = Convert("CSQM401I", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 0), outcome.pcf);
}

TEST(MqscToPcf, FailuresWriteNothing)
{
    Outcome noId = Convert("AMQ8409 Display Queue details. QUEUE(Q1)", kInquireQ);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, noId.reason);
    EXPECT_EQ(0, noId.count);
    Outcome empty = Convert("", kInquireQ);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, empty.reason);
    Outcome unknownCommand = Convert("CSQM401I QUEUE(Q1)", 9999);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, unknownCommand.reason);
    EXPECT_EQ(0, unknownCommand.count);
    // The escape command's record has no parameter list to convert with.
    Outcome escape = Convert("CSQM401I QUEUE(Q1)", 38);
    EXPECT_EQ(ZEM_RC_MQSC_NO_PARAMS, escape.reason);
    EXPECT_EQ(0, escape.count);
}

TEST(MqscToPcf, ResponseThatDoesNotFitTheRoomFailsWithoutWriting)
{
    const std::string reply = "CSQM401I QUEUE(Q1) TYPE(QLOCAL) CURDEPTH(5)";
    const int32_t exact = 36 + 24 + 16 + 16;
    Outcome fits = Convert(reply, kInquireQ, exact);
    EXPECT_EQ(0, fits.reason);
    EXPECT_EQ(exact, static_cast<int32_t>(fits.pcf.size()));
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, Convert(reply, kInquireQ, exact - 1).reason);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, Convert(reply, kInquireQ, 35).reason);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, Convert(reply, kInquireQ, 0).reason);

    // a negative room is no room
    std::vector<char> text(reply.begin(), reply.end());
    text.push_back('\0');
    unsigned char area[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    MqscText input{text.data(), static_cast<int32_t>(reply.size())};
    PcfArea output{area, -5};
    int32_t reason = 0, count = 9;
    MqscToPcf(&input, &output, kInquireQ, &reason, &count);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, reason);
    EXPECT_EQ(0, count);
    EXPECT_EQ(0xEE, area[0]);
}

TEST(MqscToPcf, LongMessageIdIsCutAndNotKnown)
{
    Outcome outcome = Convert("CSQM401I" + std::string(5000, 'X') + " QUEUE(Q1)", kInquireQ);
    ASSERT_EQ(0, outcome.reason);
    EXPECT_EQ(Response(kInquireQ, 1, -1) + PcfBytes().Cfst(kQName, "Q1").bytes(), outcome.pcf);
}

TEST(MqscToPcf, NullArgumentsAreRefused)
{
    int32_t reason = 0, count = 5;
    PcfArea output{nullptr, 0};
    MqscToPcf(nullptr, &output, kInquireQ, &reason, &count);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
    EXPECT_EQ(0, count);
    char text[] = "CSQM401I QUEUE(Q1)";
    MqscText input{text, 18};
    reason = 0;
    MqscToPcf(&input, nullptr, kInquireQ, &reason, &count);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
    MqscToPcf(&input, &output, kInquireQ, nullptr, &count);  // nothing to report through
    EXPECT_EQ(0, MqscCmdToPcf(nullptr, kInquireQ, &reason));
    EXPECT_EQ(0, EmitPcfMsg(nullptr, &reason));
    EXPECT_EQ(0, MqscStrToPcf(nullptr, nullptr, &reason));
    EXPECT_EQ(0, MqscIntToPcf(nullptr, nullptr, &reason));
}

// The steps, driven one by one as a caller outside the library may do.
class MqscSteps : public ::testing::Test {
protected:
    void TearDown() override { zem::ResetCmdTable(); }

    std::string Emit(int32_t room = 4096)
    {
        area.assign(static_cast<std::size_t>(room), 0);
        PcfArea output{area.data(), room};
        reason = -1;
        if (!EmitPcfMsg(&output, &reason))
            return "failed";
        return std::string(area.begin(), area.begin() + output.length);
    }

    std::vector<unsigned char> area;
    int32_t reason = -1;
};

TEST_F(MqscSteps, HeldValuesAreWrittenByEmitInListOrder)
{
    auto id = ItemWith("MQSC_RESPONSE", "CSQM094I");
    ASSERT_EQ(1, MqscCmdToPcf(id.get(), kInquireQ, &reason));
    auto depth = ItemWith("CURDEPTH", "42");
    ASSERT_EQ(1, MqscIntToPcf(depth.get(), ParameterRecord(kInquireQ, kCurrentDepth), &reason));
    auto name = ItemWith("QUEUE", "PAYROLL");
    ASSERT_EQ(1, MqscStrToPcf(name.get(), ParameterRecord(kInquireQ, kQName), &reason));
    auto type = ItemWith("TYPE", "QALIAS");
    ASSERT_EQ(1, MqscIntToPcf(type.get(), ParameterRecord(kInquireQ, kQType), &reason));
    EXPECT_EQ(Response(kInquireQ, 3, 2, 2085) +
                  PcfBytes().Cfst(kQName, "PAYROLL").Cfin(kQType, 3).Cfin(kCurrentDepth, 42).bytes(),
              Emit());
    EXPECT_EQ(0, reason);
    // Everything was written out: a second emit has no id and no values.
    EXPECT_EQ(Response(kInquireQ, 0, -1), Emit());
}

TEST_F(MqscSteps, UnknownValueKeywordIsRefusedAndLeavesTheRecordAsItWas)
{
    auto id = ItemWith("MQSC_RESPONSE", "CSQM401I");
    ASSERT_EQ(1, MqscCmdToPcf(id.get(), kInquireQ, &reason));
    MqscKeyword *type = ParameterRecord(kInquireQ, kQType);
    auto good = ItemWith("TYPE", "QREMOTE");
    ASSERT_EQ(1, MqscIntToPcf(good.get(), type, &reason));
    auto bad = ItemWith("TYPE", "qlocal");
    EXPECT_EQ(0, MqscIntToPcf(bad.get(), type, &reason));
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfin(kQType, 6).bytes(), Emit());
}

TEST_F(MqscSteps, StepsRefuseRecordsOfTheWrongKind)
{
    auto id = ItemWith("MQSC_RESPONSE", "CSQM401I");
    ASSERT_EQ(1, MqscCmdToPcf(id.get(), kInquireQ, &reason));
    auto text = ItemWith("TYPE", "QLOCAL");
    EXPECT_EQ(0, MqscStrToPcf(text.get(), ParameterRecord(kInquireQ, kQType), &reason));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    reason = 0;
    EXPECT_EQ(0, MqscStrToPcf(text.get(), ParameterRecord(kInquireQ, kCurrentDepth), &reason));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    reason = 0;
    EXPECT_EQ(0, MqscIntToPcf(text.get(), ParameterRecord(kInquireQ, kQName), &reason));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    EXPECT_EQ(Response(kInquireQ, 0), Emit());
}

TEST_F(MqscSteps, StringRecordMarkedWithoutATextIsWrittenAsTwoApostrophes)
{
    auto id = ItemWith("MQSC_RESPONSE", "CSQM401I");
    ASSERT_EQ(1, MqscCmdToPcf(id.get(), kInquireQ, &reason));
    ParameterRecord(kInquireQ, kQDesc)->isSet = 1;
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfst(kQDesc, "''").bytes(), Emit());
}

TEST_F(MqscSteps, EmitWithoutACurrentCommandFails)
{
    zem::SetCurrentMqscCommand(nullptr);
    EXPECT_EQ("failed", Emit());
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
    EXPECT_EQ(0, MqscCmdToPcf(ItemWith("MQSC_RESPONSE", "CSQM401I").get(), 38, &reason));
    EXPECT_EQ(ZEM_RC_MQSC_NO_PARAMS, reason);
    EXPECT_EQ(nullptr, zem::CurrentMqscCommand());
}

// A command of our own making, with a record type that has no PCF form.
class OddCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        params[0] = {1, 2, 1, &command, "", ' ', -1, 510};
        params[1] = {0, 1, 1, &depth, "(%d)", ' ', -1, 510};
        params[2] = {0, 1, 1, &depth, "(%d)", ' ', -1, 510};
        params[3] = {0, 1, 1, &flag, "", ' ', -1, 510};
        params[4] = {0, 1, 1, &odd, "(%s)", ' ', -1, 510};
        params[5] = {2, 2, 1, nullptr, "", ' ', -1, 510};
    }
    void TearDown() override
    {
        zem::SetCurrentMqscCommand(nullptr);
        free(reinterpret_cast<char *>(command.value));
    }

    MqscKeyword command{MQSC_CMD, 4242, "ODD COMMAND", params, 0, nullptr, 0, -1, 510};
    MqscKeyword depth{MQSC_INT, 3, "DEPTH", nullptr, 0, nullptr, 0, -1, 510};
    MqscKeyword flag{MQSC_FLAG, 1005, "FORCE", nullptr, 0, nullptr, 0, -1, 510};
    MqscKeyword odd{9, 7777, "ODD", nullptr, 0, nullptr, 0, -1, 510};
    MqscParam params[6];
};

TEST_F(OddCommand, UnconvertibleTypeStopsReadingWithTheCountRecognised)
{
    zem::SetCurrentMqscCommand(params);
    std::vector<char> text;
    std::string reply = "CSQM401I DEPTH(3) NOPE(1) FORCE ODD(x) DEPTH(4)";
    text.assign(reply.begin(), reply.end());
    text.push_back('\0');
    auto item = std::make_unique<MqscItem>();
    ASSERT_EQ(1, GetMqscStatus(text.data(), item.get()));
    int32_t reason = 0, count = 0;
    EXPECT_FALSE(zem::ReadReplyKeywords(*item, reason, count));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    EXPECT_EQ(3, count);
    EXPECT_EQ(3, depth.value);
    EXPECT_EQ(1, flag.isSet);
}

TEST_F(OddCommand, EmitWritesAFlagAsZeroAndFailsOnAnUnconvertibleType)
{
    zem::SetCurrentMqscCommand(params);
    depth.isSet = 1;
    depth.value = 8;
    flag.isSet = 1;
    std::vector<unsigned char> area(256, 0xEE);
    PcfArea output{area.data(), 256};
    int32_t reason = 0;
    ASSERT_EQ(1, EmitPcfMsg(&output, &reason));
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 4242, 2, 1, -1, 0).Cfin(3, 8).Cfin(1005, 0).bytes(),
              std::string(area.begin(), area.begin() + output.length));

    odd.isSet = 1;
    std::fill(area.begin(), area.end(), 0xEE);
    output.length = 256;
    EXPECT_EQ(0, EmitPcfMsg(&output, &reason));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    EXPECT_EQ(256, output.length);
    EXPECT_EQ(0xEE, area[0]);
}

// Marks and values a conversion of either direction left behind are not written out.
TEST(MqscToPcf, StartsFromACleanTableWhateverWasLeftBehind)
{
    MqscKeyword *descr = ParameterRecord(kInquireQ, kQDesc);
    MqscKeyword *depth = ParameterRecord(kInquireQ, kCurrentDepth);
    ASSERT_NE(nullptr, descr);
    ASSERT_NE(nullptr, depth);
    ASSERT_EQ(1, zem::SetKeywordValue(descr, "left over", 9));
    descr->isSet = 1;
    int32_t stale = 77;
    ASSERT_EQ(1, zem::SetKeywordValue(depth, &stale, 4));
    depth->isSet = 1;

    Outcome outcome = Convert("CSQM401I QUEUE(Q1)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfst(kQName, "Q1").bytes(), outcome.pcf);
    EXPECT_EQ(0, descr->isSet);
    EXPECT_EQ(0, descr->value);

    // A conversion that failed for want of room leaves nothing for the next one either.
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, Convert("CSQM401I QUEUE(Q1) DESCR(d) CURDEPTH(5)", kInquireQ, 70).reason);
    outcome = Convert("CSQM401I QUEUE(Q2)", kInquireQ);
    EXPECT_EQ(Response(kInquireQ, 1) + PcfBytes().Cfst(kQName, "Q2").bytes(), outcome.pcf);
}

}  // namespace
