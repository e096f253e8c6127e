// One reply text to one PCF response: parameter order, value forms, lists, failures and
// the room of the output.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "foundation/mq_constants.h"
#include "mqsc2pcf/convert.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;

namespace mq = zem::mq;
constexpr int32_t kQName = mq::MQCA_Q_NAME, kQDesc = mq::MQCA_Q_DESC, kQType = mq::MQIA_Q_TYPE,
                  kCurrentDepth = mq::MQIA_CURRENT_Q_DEPTH, kChannelName = mq::MQCACH_CHANNEL_NAME,
                  kNameCount = mq::MQIA_NAME_COUNT, kNames = mq::MQCA_NAMES;
constexpr int32_t kInquireQ = mq::MQCMD_INQUIRE_Q, kInquireChannel = mq::MQCMD_INQUIRE_CHANNEL,
                  kInquireNamelist = mq::MQCMD_INQUIRE_NAMELIST, kInquireSub = mq::MQCMD_INQUIRE_SUBSCRIPTION;

PcfBytes Response(int32_t command, int32_t count, int32_t compCode = 0, int32_t reason = 0)
{
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, command, count, 1, compCode, reason);
}
PcfBytes QueueResponse(int32_t count, int32_t compCode = 0) { return Response(kInquireQ, count, compCode); }

struct Outcome {
    int32_t reason = -1;
    int32_t count = -1;
    std::string pcf;  // the bytes written, as output.length says
};

// Runs MqscToPcf on a copy of text with `room` bytes of output, which starts filled with
// a marker so that writes outside the result show.
Outcome Convert(const std::string &text, int32_t command, int32_t room = 65536)
{
    std::vector<char> reply(text.c_str(), text.c_str() + text.size() + 1);
    std::vector<unsigned char> area(static_cast<std::size_t>(room), 0xEE);
    MqscText input{reply.data(), static_cast<int32_t>(text.size())};
    PcfArea output{area.data(), room};
    Outcome outcome;
    MqscToPcf(&input, &output, command, &outcome.reason, &outcome.count);
    const int32_t written = outcome.reason == 0 ? output.length : 0;
    EXPECT_TRUE(outcome.reason == 0 || output.length == room) << "a failure keeps the room";
    EXPECT_LE(written, room);
    outcome.pcf.assign(area.begin(), area.begin() + written);
    for (std::size_t i = static_cast<std::size_t>(written); i < area.size(); ++i)
        EXPECT_EQ(0xEE, area[i]) << "byte " << i << " written beyond the result";
    return outcome;
}

MqscKeyword *ParameterRecord(int32_t command, int32_t id)
{
    MqscKeyword *record = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &command);
    return record ? zem::FindCmdParam(record->params, zem::kFindById, &id) : nullptr;
}

TEST(MqscToPcf, RepliesAndTheirResponses)
{
    const struct {
        std::string reply;
        int32_t command;
        PcfBytes response;  // none for a failure
        int32_t reason = 0;
    } cases[] = {
        // in the order of the command's list, not of the text
        {"CSQM401I +CSQ1 CURDEPTH(5) TYPE(QLOCAL) QUEUE(Q1)", kInquireQ,
         QueueResponse(3).Cfst(kQName, "Q1").Cfin(kQType, 1).Cfin(kCurrentDepth, 5)},
        // AUTO and UNLIMITED are -1 only for their own parameter (the round trips have
        // KAINT(AUTO) and EXPIRY(UNLIMITED))
        {"CSQM406I CHANNEL(C1) KAINT(UNLIMITED)", kInquireChannel,
         Response(kInquireChannel, 2).Cfst(kChannelName, "C1").Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, 0)},
        {"CSQM4xxI SUBNAME(S1) EXPIRY(AUTO)", kInquireSub,
         Response(kInquireSub, 2, -1).Cfst(mq::MQCACF_SUB_NAME, "S1").Cfin(mq::MQIACF_EXPIRY, 0)},
        // numbers read like atol and saturate at the int32 range
        {"CSQM401I CURDEPTH(12abc)", kInquireQ, QueueResponse(1).Cfin(kCurrentDepth, 12)},
        {"CSQM401I CURDEPTH(99999999999)", kInquireQ, QueueResponse(1).Cfin(kCurrentDepth, INT32_MAX)},
        {"CSQM401I CURDEPTH(-99999999999)", kInquireQ, QueueResponse(1).Cfin(kCurrentDepth, INT32_MIN)},
        {"CSQM401I CURDEPTH( -7)", kInquireQ, QueueResponse(1).Cfin(kCurrentDepth, -7)},
        // unknown keywords and value keywords are ignored
        {"CSQM401I QUEUE(Q1) FOO(bar) TYPE(QWEIRD) DESCR(d) SHAREX curdepth(4) CURDEPTH(5)", kInquireQ,
         QueueResponse(3).Cfst(kQName, "Q1").Cfst(kQDesc, "d").Cfin(kCurrentDepth, 5)},
        // the ')' left after XMITQ's nested value reads as an empty identifier, which finds
        // the empty-named shareability record but none of its values
        {"CSQM401I QUEUE(Q1) XMITQ(A(B)) CURDEPTH(5)", kInquireQ,
         QueueResponse(3).Cfst(kQName, "Q1").Cfst(2024, "A(B)").Cfin(kCurrentDepth, 5)},
        // DEFSOPT stands twice in the list and is written once
        {"CSQM401I QUEUE(Q1) DEFSOPT(SHARED)", kInquireQ, QueueResponse(2).Cfst(kQName, "Q1").Cfin(4, 2)},
        // string values keep quotes and lose trailing blanks
        {"CSQM401I QUEUE(Q1) DESCR('it''s, here  ')", kInquireQ,
         QueueResponse(2).Cfst(kQName, "Q1").Cfst(kQDesc, "'it''s, here  '")},
        // a value cut off at the end, or a keyword without one, stores nothing
        {"CSQM401I QUEUE(Q1) CURDEPTH", kInquireQ, QueueResponse(1).Cfst(kQName, "Q1")},
        {"CSQM401I QUEUE(Q1) DESCR(", kInquireQ, QueueResponse(1).Cfst(kQName, "Q1")},
        {"CSQM401I QUEUE(Q1) OPPROCS(  ", kInquireQ, QueueResponse(1).Cfst(kQName, "Q1")},
        {"CSQM401I QUEUE(Q1) CURDEPTH(5) OPPROCS(12", kInquireQ, QueueResponse(2).Cfst(kQName, "Q1").Cfin(kCurrentDepth, 5)},
        {"CSQM401I QUEUE(Q1) DESCR(d(e", kInquireQ, QueueResponse(1).Cfst(kQName, "Q1")},
        // a value may stand after blanks; CR-LF line ends are blanks
        {"CSQM401I QUEUE (Q1)\r\nCURDEPTH  (5)\r\nDESCR(d)\r\n", kInquireQ,
         QueueResponse(3).Cfst(kQName, "Q1").Cfst(kQDesc, "d").Cfin(kCurrentDepth, 5)},
        // a value keyword of another keyword is no value of this one; bare value keywords go
        // to their empty-named parameters
        {"CSQM401I QUEUE(Q1) USEDLQ(NOSHARE) TRIGGER", kInquireQ, QueueResponse(2).Cfst(kQName, "Q1").Cfin(24, 1)},
        // lists are read where they stand; an empty one holds no name, but an exit list
        // always holds one
        {"CSQM401I NAMELIST(NL1) NAMCOUNT(0) NAMES()", kInquireNamelist,
         Response(kInquireNamelist, 3).Cfst(mq::MQCA_NAMELIST_NAME, "NL1").Cfin(kNameCount, 0).Cfsl(kNames, {}, 0)},
        {"CSQM406I CHANNEL(C1) DESCR( ) MSGEXIT( ) SCYEXIT(SX)", kInquireChannel,
         Response(kInquireChannel, 4).Cfst(kChannelName, "C1").Cfst(3502, "").Cfst(mq::MQCACH_SEC_EXIT_NAME, "SX")
             .Cfsl(mq::MQCACH_MSG_EXIT_NAME, {""}, 0)},
        // value keyword lists are the integers they stand for; unknown words are left out
        {"CSQM406I CHANNEL(C1) COMPHDR(NONE) COMPMSG(RLE, 'ZLIBFAST',FAST)", kInquireChannel,
         Response(kInquireChannel, 3).Cfst(kChannelName, "C1").Cfil(mq::MQIACH_HDR_COMPRESSION, {0})
             .Cfil(mq::MQIACH_MSG_COMPRESSION, {1, 2})},
        // elements split only at commas outside quotes and parentheses
        {"CSQM401I NAMCOUNT(3) NAMES(A, 'B,C',D(E,F))", kInquireNamelist,
         Response(kInquireNamelist, 2).Cfin(kNameCount, 3).Cfsl(kNames, {"A", " 'B,C'", "D(E,F)"}, 6)},
        // attributes of current z/OS replies, under IBM's ids (for other channel attributes
        // the same table is checked the other way by the writer's tests)
        {"CSQM422I +CSQ1 CHSTATUS(C1) CHLTYPE(SVRCONN) STATUS(RUNNING) SUBSTATE(RECEIVE) RAPPLTAG(MQ Explorer) "
         "SSLCERTU(SYSPROG) MCAUSER(USER1)",
         mq::MQCMD_INQUIRE_CHANNEL_STATUS,
         Response(mq::MQCMD_INQUIRE_CHANNEL_STATUS, 7, -1).Cfst(kChannelName, "C1")
             .Cfin(mq::MQIACH_CHANNEL_STATUS, mq::MQCHS_RUNNING).Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SVRCONN)
             .Cfst(mq::MQCACH_REMOTE_APPL_TAG, "MQ Explorer").Cfin(mq::MQIACH_CHANNEL_SUBSTATE, mq::MQCHSSTATE_RECEIVING)
             .Cfst(mq::MQCACH_MCA_USER_ID, "USER1").Cfst(mq::MQCACH_SSL_CERT_USER_ID, "SYSPROG")},
        {"CSQM401I", kInquireQ, QueueResponse(0)},
        // a flag is written as zero
        {"CSQM401I FORCE", mq::MQCMD_CHANGE_Q_MGR, Response(mq::MQCMD_CHANGE_Q_MGR, 1).Cfin(mq::MQIACF_FORCE, 0)},
        // a long message id is cut and not known
        {"CSQM401I" + std::string(5000, 'X') + " QUEUE(Q1)", kInquireQ, QueueResponse(1, -1).Cfst(kQName, "Q1")},
        // the escape command's record has no parameter list to convert with
        {"CSQM401I QUEUE(Q1)", 38, PcfBytes(), ZEM_RC_MQSC_NO_PARAMS},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply.substr(0, 80));
        Outcome outcome = Convert(c.reply, c.command);
        EXPECT_EQ(c.reason, outcome.reason);
        EXPECT_EQ(0, outcome.count);
        EXPECT_EQ(c.response.bytes(), outcome.pcf);
    }
}

TEST(SplitListText, SeparatesAtTopLevelCommasAndKeepsEverythingElse)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(V({""}), zem::SplitListText(""));
    EXPECT_EQ(V({"", ""}), zem::SplitListText(","));
    // quotes and nested parentheses: see the NAMES reply above
    // an apostrophe left open hides every later comma
    EXPECT_EQ(V({"a", "'b,c"}), zem::SplitListText("a,'b,c"));
    // a stray ')' does not stop later commas from separating
    EXPECT_EQ(V({"a)", "b"}), zem::SplitListText("a),b"));
}

TEST(MqscToPcf, ResponseThatDoesNotFitTheRoomFailsWithoutWriting)
{
    const std::string reply = "CSQM401I QUEUE(Q1) TYPE(QLOCAL) CURDEPTH(5)";
    const int32_t exact = 36 + 24 + 16 + 16;
    EXPECT_EQ(QueueResponse(3).Cfst(kQName, "Q1").Cfin(kQType, 1).Cfin(kCurrentDepth, 5).bytes(),
              Convert(reply, kInquireQ, exact).pcf);
    for (int32_t room : {exact - 1, 35, 0})
        EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, Convert(reply, kInquireQ, room).reason) << room;

    // a negative room is no room
    std::vector<char> text(reply.c_str(), reply.c_str() + reply.size() + 1);
    unsigned char area[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    MqscText input{text.data(), static_cast<int32_t>(reply.size())};
    PcfArea output{area, -5};
    int32_t reason = 0, count = 9;
    MqscToPcf(&input, &output, kInquireQ, &reason, &count);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, reason);
    EXPECT_EQ(0, count);
    EXPECT_EQ(0xEE, area[0]);
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

    // An item of our own, valid until the next call.
    MqscItem *Item(const char *name, const char *value)
    {
        item = std::make_unique<MqscItem>();
        std::strncpy(item->name, name, sizeof item->name - 1);
        std::strncpy(item->value, value, sizeof item->value - 1);
        return item.get();
    }
    // Reads the message id of a reply to the queue inquiry, then a keyword into a record.
    void Start(const char *messageId)
    {
        ASSERT_EQ(1, MqscCmdToPcf(Item("MQSC_RESPONSE", messageId), kInquireQ, &reason));
    }
    int32_t Int(const char *name, const char *value, int32_t id)
    {
        return MqscIntToPcf(Item(name, value), ParameterRecord(kInquireQ, id), &reason);
    }
    int32_t Str(const char *name, const char *value, int32_t id)
    {
        return MqscStrToPcf(Item(name, value), ParameterRecord(kInquireQ, id), &reason);
    }
    std::string Emit()
    {
        std::vector<unsigned char> area(4096, 0);
        PcfArea output{area.data(), 4096};
        reason = -1;
        return EmitPcfMsg(&output, &reason) ? std::string(area.begin(), area.begin() + output.length) : "failed";
    }

    std::unique_ptr<MqscItem> item;
    int32_t reason = -1;
};

TEST_F(MqscSteps, HeldValuesAreWrittenByEmitInListOrder)
{
    Start("CSQM094I");
    ASSERT_EQ(1, Int("CURDEPTH", "42", kCurrentDepth));
    ASSERT_EQ(1, Str("QUEUE", "PAYROLL", kQName));
    ASSERT_EQ(1, Int("TYPE", "QALIAS", kQType));
    EXPECT_EQ(Response(kInquireQ, 3, 2, 2085).Cfst(kQName, "PAYROLL").Cfin(kQType, 3).Cfin(kCurrentDepth, 42)
                  .bytes(),
              Emit());
    EXPECT_EQ(0, reason);
    // Everything was written out: a second emit has no id and no values...
    EXPECT_EQ(QueueResponse(0, -1).bytes(), Emit());
    // ...and a string record marked without a text is written as two apostrophes.
    ParameterRecord(kInquireQ, kQDesc)->isSet = 1;
    EXPECT_EQ(QueueResponse(1, -1).Cfst(kQDesc, "''").bytes(), Emit());
}

TEST_F(MqscSteps, RefusedStepsLeaveTheRecordsAsTheyWere)
{
    Start("CSQM401I");
    ASSERT_EQ(1, Int("TYPE", "QREMOTE", kQType));
    const struct {
        bool asInteger;
        const char *name, *value;
        int32_t id, reason;
    } refused[] = {
        {true, "TYPE", "qlocal", kQType, ZEM_RC_MQSC_UNKNOWN},  // no such value keyword
        {false, "TYPE", "QLOCAL", kQType, ZEM_RC_MQSC_BAD_TYPE},  // records of the wrong kind
        {true, "QUEUE", "Q1", kQName, ZEM_RC_MQSC_BAD_TYPE},
    };
    for (const auto &r : refused) {
        reason = 0;
        EXPECT_EQ(0, r.asInteger ? Int(r.name, r.value, r.id) : Str(r.name, r.value, r.id)) << r.value;
        EXPECT_EQ(r.reason, reason) << r.value;
    }
    EXPECT_EQ(QueueResponse(1).Cfin(kQType, 6).bytes(), Emit());

    // A thread that has converted nothing has no command to write, and the escape
    // command, which has no list, does not become one.
    std::thread([this] {
        EXPECT_EQ("failed", Emit());
        EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
        EXPECT_EQ(0, MqscCmdToPcf(Item("MQSC_RESPONSE", "CSQM401I"), 38, &reason));
        EXPECT_EQ(ZEM_RC_MQSC_NO_PARAMS, reason);
        EXPECT_EQ("failed", Emit());
        EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, reason);
    }).join();
}

// A record of a type that has no PCF form (here the thread's own DESCR record, changed
// for the test) stops both the reading and the writing.
TEST_F(MqscSteps, UnconvertibleRecordTypeStopsReadingAndWriting)
{
    MqscKeyword *descr = ParameterRecord(kInquireQ, kQDesc);
    struct Restore {
        MqscKeyword *record;
        int32_t type;
        ~Restore() { record->type = type; }
    } restore{descr, descr->type};
    descr->type = 9;
    Outcome read = Convert("CSQM401I CURDEPTH(3) NOPE(1) NOSHARE DESCR(x) QUEUE(Q1)", kInquireQ);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, read.reason);
    EXPECT_EQ(3, read.count);  // the keywords recognised

    Start("CSQM401I");
    ASSERT_EQ(1, Int("CURDEPTH", "8", kCurrentDepth));
    descr->isSet = 1;
    std::vector<unsigned char> area(256, 0xEE);
    PcfArea output{area.data(), 256};
    EXPECT_EQ(0, EmitPcfMsg(&output, &reason));
    EXPECT_EQ(ZEM_RC_MQSC_BAD_TYPE, reason);
    EXPECT_EQ(256, output.length);
    EXPECT_EQ(0xEE, area[0]);
}

}  // namespace
