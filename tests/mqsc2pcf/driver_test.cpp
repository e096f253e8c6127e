// zemMqsc2Pcf: the reply text in one container, the command and the response in the
// other; the generic path, the escape command and the bounds of both buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "capture.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

namespace mq = zem::mq;
using namespace std::string_literals;
using zemtest::PcfBytes;
using zemtest::PcfPtr;

struct Result {
    int32_t status = -1;
    int32_t reason = -1;
    int32_t count = -1;
    std::string data;  // the output's data afterwards
};

Result Feed(PcfMessage *input, PcfMessage *output, int32_t countBefore = -1)
{
    Result result;
    result.count = countBefore;
    zemMqsc2Pcf(input, output, &result.status, &result.reason, &result.count);
    if (output)
        result.data = zemtest::DataOf(*output);
    return result;
}

// The reply in a container whose data area is exactly the text: no room for a NUL.
Result FeedText(const std::string &text, PcfMessage *output, int32_t countBefore = -1)
{
    PcfPtr input = zemtest::ContainerHolding(text);
    return Feed(input.get(), output, countBefore);
}

PcfPtr Command(int32_t command, int32_t room = 4096)
{
    return PcfPtr(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, room));
}

const std::string kQueueReply = "CSQM401I +CSQ1 QUEUE(Q1) TYPE(QLOCAL) CURDEPTH(5)";

std::string Sample(const std::string &name) { return zemtest::ReadFile(ZEM_SAMPLES_DIR "/mqsc/" + name); }

PcfBytes Response(int32_t command, int32_t count, int32_t compCode = 0, int32_t reason = 0)
{
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, command, count, 1, compCode, reason);
}

const std::string kQueueResponse = Response(13, 3).Cfst(2016, "Q1").Cfin(20, 1).Cfin(3, 5).bytes();

TEST(ZemMqsc2Pcf, ConvertedReplyReplacesTheCommand)
{
    const struct {
        const char *what;
        std::string reply;
        int32_t command;
        std::string response;
        int32_t count = 0;
    } cases[] = {
        // the escape command keeps its type and the count, and takes the lines as one text
        {"escape", "CSQN205I COUNT= 3, RETURN=00000000\0CSQ9022I +CSQ1 NORMAL COMPLETION\0"s, 38,
         PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 38, 1)
             .Cfst(3014, "CSQN205I COUNT= 3, RETURN=00000000 CSQ9022I +CSQ1 NORMAL COMPLETION").bytes(), 99},
        {"escape text that fills its buffer to the last byte", "HELLO", 38,
         PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 38, 1).Cfst(3014, "HELLO").bytes(), 99},
        // every message of a reply counts: the header's RETURN=, the most precise reason;
        // a value keyword before a parenthesis names the object
        {"define that succeeds", Sample("define-queue.txt"), mq::MQCMD_CREATE_Q,
         Response(mq::MQCMD_CREATE_Q, 0).bytes()},
        {"delete of a missing queue", Sample("delete-queue-missing.txt"), mq::MQCMD_DELETE_Q,
         Response(mq::MQCMD_DELETE_Q, 3, 2, mq::MQRC_UNKNOWN_OBJECT_NAME).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
             .Cfst(mq::MQCA_Q_NAME, "PAYROLL.OLD").Cfin(mq::MQIA_QSG_DISP, mq::MQQSGD_Q_MGR).bytes()},
        {"syntax error", Sample("syntax-error.txt"), 13, Response(13, 0, 2, mq::MQRCCF_COMMAND_FAILED).bytes()},
        {"header alone", "CSQN205I   COUNT=       1, RETURN=0000000C, REASON=00000004", 13,
         Response(13, 0, 2, mq::MQRCCF_COMMAND_FAILED).bytes()},
        {"channel inquiry finding nothing", Sample("display-channel-none.txt"), mq::MQCMD_INQUIRE_CHANNEL,
         Response(mq::MQCMD_INQUIRE_CHANNEL, 0, 2, mq::MQRC_UNKNOWN_OBJECT_NAME).bytes()},
        // console form: the heading's CHSTATUS is no channel name
        {"console channel status", Sample("display-chstatus-console.txt"), mq::MQCMD_INQUIRE_CHANNEL_STATUS,
         Response(mq::MQCMD_INQUIRE_CHANNEL_STATUS, 7)
             .Cfst(mq::MQCACH_CHANNEL_NAME, "USER1.SSL.SVRCONN").Cfst(mq::MQCACH_CONNECTION_NAME, "10.1.2.3")
             .Cfin(mq::MQIACH_CHANNEL_INSTANCE_TYPE, mq::MQOT_CURRENT_CHANNEL)
             .Cfin(mq::MQIACH_CHANNEL_STATUS, mq::MQCHS_RUNNING).Cfin(mq::MQIACH_MSGS, 27)
             .Cfst(mq::MQCACH_SSL_SHORT_PEER_NAME, "CN=USER1,OU=PAYROLL,O=EXAMPLE")
             .Cfin(mq::MQIACH_CHANNEL_DISP, mq::MQCHLD_PRIVATE).bytes()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        PcfPtr output = Command(c.command);
        Result result = FeedText(c.reply, output.get(), 99);
        EXPECT_EQ(0, result.status);
        EXPECT_EQ(0, result.reason);
        EXPECT_EQ(c.count, result.count);
        EXPECT_EQ(c.response, result.data);
        EXPECT_EQ(136 + static_cast<int32_t>(c.response.size()), output->PcfMsg.Used);
        EXPECT_EQ(1, RawToPcf(output.get()));  // the caller can index the response
    }
}

TEST(ZemMqsc2Pcf, FailuresLeaveTheCommandAsItWas)
{
    PcfPtr output = Command(13);
    const std::string before = zemtest::DataOf(*output);
    PcfPtr unknown = Command(4711);
    PcfPtr small = Command(13, 0);  // room for the MQCFH alone
    const struct {
        const char *what;
        std::string reply;
        PcfMessage *output;
        int32_t reason;
    } cases[] = {
        {"no message id", "AMQ8409 Display Queue details. QUEUE(Q1)", output.get(), ZEM_RC_MQSC_UNKNOWN},
        {"empty reply", "", output.get(), ZEM_RC_MQSC_UNKNOWN},
        {"command not in the table", kQueueReply, unknown.get(), ZEM_RC_MQSC_UNKNOWN},
        {"response too large", "CSQM401I +CSQ1 QUEUE(Q1)", small.get(), ZEM_RC_MQSC_NO_ROOM},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string data = zemtest::DataOf(*c.output);
        Result result = FeedText(c.reply, c.output);
        EXPECT_EQ(2, result.status);
        EXPECT_EQ(c.reason, result.reason);
        EXPECT_EQ(0, result.count);
        EXPECT_EQ(data, result.data);
        EXPECT_LE(c.output->PcfMsg.Used, c.output->PcfMsg.Size);
    }
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 0).bytes(), before);

    // what fits the small command still converts, also to the last byte
    EXPECT_EQ(0, FeedText("CSQM401I +CSQ1", small.get()).status);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0).bytes(), zemtest::DataOf(*small));
    PcfPtr exact = Command(13, 92 - 36);
    EXPECT_EQ(kQueueResponse, FeedText(kQueueReply, exact.get()).data);
}

TEST(ZemMqsc2Pcf, LengthsAreHeldToAndIncoherentMessagesRefused)
{
    // stale bytes after the reply in a reused buffer must not become part of it
    const std::string reply = "CSQM401I QUEUE(Q1)", stale = reply + " CURDEPTH(9)";
    PcfPtr reused(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 64));
    ASSERT_TRUE(reused);
    std::memset(reused->PcfMsg.pData, 0, 100);
    std::memcpy(reused->PcfMsg.pData, stale.data(), stale.size());
    reused->PcfMsg.Used = 136 + static_cast<int32_t>(reply.size());
    Result result = Feed(reused.get(), Command(13).get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1).Cfst(2016, "Q1").bytes(), result.data);

    PcfPtr output = Command(13);
    PcfPtr input = zemtest::ContainerHolding(kQueueReply);
    input->PcfMsg.Used = input->PcfMsg.Size + 1;
    result = Feed(input.get(), output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, result.reason);
    input->PcfMsg.Used = 100;
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, Feed(input.get(), output.get()).reason);

    PcfPtr good = zemtest::ContainerHolding(kQueueReply);
    output->PcfMsg.Used = 136 + 20;  // shorter than an MQCFH
    result = Feed(good.get(), output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, result.reason);

    EXPECT_EQ(2, Feed(nullptr, output.get()).status);
    EXPECT_EQ(2, Feed(good.get(), nullptr).status);
    int32_t status = 7, reason = 7;
    zemMqsc2Pcf(good.get(), output.get(), &status, &reason, nullptr);
    EXPECT_EQ(7, status);
}

}  // namespace
