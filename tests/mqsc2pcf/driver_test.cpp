// zemMqsc2Pcf: the reply text in one container, the command and the response in the
// other; the generic path, the escape command and the bounds of both buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;
using zemtest::PcfPtr;

struct Result {
    int32_t status = -1;
    int32_t reason = -1;
    int32_t count = -1;
};

Result Feed(PcfMessage *input, PcfMessage *output, int32_t countBefore = -1)
{
    Result result;
    result.count = countBefore;
    zemMqsc2Pcf(input, output, &result.status, &result.reason, &result.count);
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

std::string QueueResponse(int32_t compCode = 0, int32_t reason = 0)
{
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 3, 1, compCode, reason).Cfst(2016, "Q1").Cfin(20, 1)
        .Cfin(3, 5).bytes();
}

TEST(ZemMqsc2Pcf, GenericReplyReplacesTheCommandWithTheResponse)
{
    PcfPtr output = Command(13);
    ASSERT_EQ(1, BuildPcfCmd(output.get(), "Q1", 0));
    Result result = FeedText(kQueueReply, output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0, result.reason);
    EXPECT_EQ(0, result.count);
    EXPECT_EQ(QueueResponse(), zemtest::DataOf(*output));
    EXPECT_EQ(136 + 92, output->PcfMsg.Used);

    // the caller indexes the response and reads it
    ASSERT_EQ(1, RawToPcf(output.get()));
    MESSAGE attr{};
    ASSERT_EQ(1, GetAttrByID(3, &attr, output.get()));
    int32_t depth = 0;
    EXPECT_EQ(1, GetPcfIntAttrValue(&attr, &depth));
    EXPECT_EQ(5, depth);
    DeleteMessage(&attr);
}

TEST(ZemMqsc2Pcf, NulSeparatedLinesReadAsOneText)
{
    PcfPtr output = Command(13);
    std::string lines("CSQM401I +CSQ1 QUEUE(Q1)\0TYPE(QLOCAL)\0\0CURDEPTH(5)\0", 51);
    Result result = FeedText(lines, output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(QueueResponse(), zemtest::DataOf(*output));
}

TEST(ZemMqsc2Pcf, NothingBeyondTheTextLengthIsRead)
{
    // Stale bytes after the reply in a reused buffer must not become part of it.
    std::string reply = "CSQM401I QUEUE(Q1)";
    PcfPtr input(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 64));
    ASSERT_TRUE(input);
    std::memset(input->PcfMsg.pData, 0, 100);
    std::string stale = reply + " CURDEPTH(9)";
    std::memcpy(input->PcfMsg.pData, stale.data(), stale.size());
    input->PcfMsg.Used = 136 + static_cast<int32_t>(reply.size());
    PcfPtr output = Command(13);
    Result result = Feed(input.get(), output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1).Cfst(2016, "Q1").bytes(), zemtest::DataOf(*output));
}

TEST(ZemMqsc2Pcf, UnknownMessageIdIsNoFailure)
{
    PcfPtr output = Command(13);
    Result result = FeedText("CSQM133I +CSQ1 QUEUE(Q1) TYPE(QLOCAL) CURDEPTH(5)", output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0, result.reason);
    EXPECT_EQ(QueueResponse(0, 0), zemtest::DataOf(*output));
}

TEST(ZemMqsc2Pcf, FailureMessageIdIsCarriedInTheHeaderOfAConvertedReply)
{
    PcfPtr output = Command(13);
    Result result = FeedText("CSQM094I +CSQ1 QUEUE(Q1) TYPE(QLOCAL) CURDEPTH(5)", output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0, result.reason);
    EXPECT_EQ(QueueResponse(2, 2085), zemtest::DataOf(*output));
}

TEST(ZemMqsc2Pcf, ReplyWithoutMessageIdFailsAndLeavesTheCommand)
{
    PcfPtr output = Command(13);
    const std::string before = zemtest::DataOf(*output);
    Result result = FeedText("AMQ8409 Display Queue details. QUEUE(Q1)", output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, result.reason);
    EXPECT_EQ(0, result.count);
    EXPECT_EQ(before, zemtest::DataOf(*output));

    result = FeedText("", output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, result.reason);

    PcfPtr unknown = Command(4711);
    result = FeedText(kQueueReply, unknown.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, result.reason);
}

TEST(ZemMqsc2Pcf, ReplyTooLargeForTheOutputFailsWithNoRoom)
{
    PcfPtr output = Command(13, 0);  // room for the MQCFH alone
    const std::string before = zemtest::DataOf(*output);
    Result result = FeedText("CSQM401I +CSQ1 QUEUE(Q1)", output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, result.reason);
    EXPECT_EQ(before, zemtest::DataOf(*output));
    EXPECT_LE(output->PcfMsg.Used, output->PcfMsg.Size);

    result = FeedText("CSQM401I +CSQ1", output.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0).bytes(), zemtest::DataOf(*output));

    // exactly the room the response needs
    PcfPtr exact = Command(13, 92 - 36);
    result = FeedText(kQueueReply, exact.get());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(QueueResponse(), zemtest::DataOf(*exact));
}

TEST(ZemMqsc2Pcf, EscapeReplyBecomesOneEscapeTextParameter)
{
    PcfPtr output = Command(38);
    std::string reply("CSQN205I COUNT= 3, RETURN=00000000\0CSQ9022I +CSQ1 NORMAL COMPLETION\0", 68);
    Result result = FeedText(reply, output.get(), 99);
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0, result.reason);
    EXPECT_EQ(99, result.count);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 38, 1)
                  .Cfst(3014, "CSQN205I COUNT= 3, RETURN=00000000 CSQ9022I +CSQ1 NORMAL COMPLETION").bytes(),
              zemtest::DataOf(*output));

    // a text that fills its buffer to the last byte is read in full
    PcfPtr again = Command(38);
    result = FeedText("HELLO", again.get(), 99);
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 38, 1).Cfst(3014, "HELLO").bytes(), zemtest::DataOf(*again));
}

TEST(ZemMqsc2Pcf, IncoherentMessagesAreRefused)
{
    PcfPtr output = Command(13);
    PcfPtr input = zemtest::ContainerHolding(kQueueReply);
    input->PcfMsg.Used = input->PcfMsg.Size + 1;
    Result result = Feed(input.get(), output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, result.reason);
    input->PcfMsg.Used = 100;
    EXPECT_EQ(ZEM_RC_MQSC_UNKNOWN, Feed(input.get(), output.get()).reason);

    PcfPtr good = zemtest::ContainerHolding(kQueueReply);
    output->PcfMsg.Used = 136 + 20;  // shorter than an MQCFH
    result = Feed(good.get(), output.get());
    EXPECT_EQ(2, result.status);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, result.reason);

    result = Feed(nullptr, output.get());
    EXPECT_EQ(2, result.status);
    result = Feed(good.get(), nullptr);
    EXPECT_EQ(2, result.status);
    int32_t status = 7, reason = 7;
    zemMqsc2Pcf(good.get(), output.get(), &status, &reason, nullptr);
    EXPECT_EQ(7, status);
}

}  // namespace
