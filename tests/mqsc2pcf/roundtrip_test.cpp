// The road of an inquiry to a z/OS queue manager: the PCF command, its MQSC text, the
// reply the command server gives (written here by hand) and the PCF response it becomes.
// Also what each direction leaves in the shared command table for the other.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfPtr;

PcfPtr Inquiry(int32_t command, const char *name, int32_t value = 0)
{
    PcfPtr pcf(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, 1024));
    EXPECT_EQ(1, BuildPcfCmd(pcf.get(), name, value));
    return pcf;
}

// The MQSC text of a command, "" when the conversion failed.
std::string ToMqsc(PcfMessage *command, int32_t capacity = 8192)
{
    PcfPtr text(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, capacity));
    int32_t compCode = -1, reason = -1, failedParam = -1;
    zemPcf2Mqsc(command, text.get(), 0, &compCode, &reason, &failedParam);
    if (compCode != 0)
        return "";
    return std::string(reinterpret_cast<char *>(text->PcfMsg.pData), text->PcfMsg.Used - ZEM_MDHDR_LENGTH);
}

// Feeds the reply to the command it answers, which becomes the response, and indexes it.
void Answer(PcfMessage *command, const std::string &reply)
{
    PcfPtr input = zemtest::ContainerHolding(reply);
    int32_t status = -1, reason = -1, count = -1;
    zemMqsc2Pcf(input.get(), command, &status, &reason, &count);
    ASSERT_EQ(0, status);
    ASSERT_EQ(0, reason);
    ASSERT_EQ(1, RawToPcf(command));
    EXPECT_EQ(ZEM_MQCFT_RESPONSE, command->pCfh->Type);
}

int32_t IntOf(PcfMessage *response, int32_t id)
{
    MESSAGE attr{};
    int32_t value = -12345;
    if (GetAttrByID(id, &attr, response) == 1)
        EXPECT_EQ(1, GetPcfIntAttrValue(&attr, &value)) << id;
    else
        ADD_FAILURE() << "no parameter " << id;
    DeleteMessage(&attr);
    return value;
}

std::string StrOf(PcfMessage *response, int32_t id)
{
    MESSAGE attr{};
    char text[256] = {};
    if (GetAttrByID(id, &attr, response) == 1)
        EXPECT_EQ(1, GetPcfStrAttrValue(&attr, text, 255)) << id;
    else
        ADD_FAILURE() << "no parameter " << id;
    DeleteMessage(&attr);
    return text;
}

std::vector<std::string> StrListOf(PcfMessage *response, int32_t id)
{
    MESSAGE attr{};
    std::vector<std::string> entries;
    if (GetAttrByID(id, &attr, response) != 1) {
        ADD_FAILURE() << "no parameter " << id;
        return entries;
    }
    char text[256];
    for (int32_t i = 0; GetPcfStrListAttrValue(&attr, i, text, 255) == 1; ++i)
        entries.push_back(text);
    DeleteMessage(&attr);
    return entries;
}

TEST(RoundTrip, QueueInquiry)
{
    PcfPtr command = Inquiry(13, "PAYROLL.IN");
    EXPECT_EQ("DISPLAY QUEUE('PAYROLL.IN') ALL", ToMqsc(command.get()));
    const char reply[] = "CSQM401I +CSQ1 QUEUE(PAYROLL.IN                              )\0"
                         "TYPE(QLOCAL)          QSGDISP(QMGR)\0"
                         "DESCR(Payroll requests)\0"
                         "PUT(DISABLED)         DEFPRTY(5)\0"
                         "SHARE                 NOTRIGGER\0"
                         "CURDEPTH(12)          MAXDEPTH(5000)";
    Answer(command.get(), std::string(reply, sizeof reply - 1));
    EXPECT_EQ(13, command->pCfh->Command);
    EXPECT_EQ(0, command->pCfh->CompCode);
    EXPECT_EQ(10, command->pCfh->ParameterCount);
    EXPECT_EQ("PAYROLL.IN", StrOf(command.get(), 2016));
    EXPECT_EQ(1, IntOf(command.get(), 20));
    EXPECT_EQ(0, IntOf(command.get(), 63));
    EXPECT_EQ("Payroll requests", StrOf(command.get(), 2013));
    EXPECT_EQ(1, IntOf(command.get(), 10));
    EXPECT_EQ(5, IntOf(command.get(), 6));
    EXPECT_EQ(1, IntOf(command.get(), 23));
    EXPECT_EQ(0, IntOf(command.get(), 24));
    EXPECT_EQ(12, IntOf(command.get(), 3));
    EXPECT_EQ(5000, IntOf(command.get(), 15));
}

TEST(RoundTrip, QueueInquiryOfOneTypeThatFindsNothing)
{
    PcfPtr command = Inquiry(13, "PAYROLL.*", 1);
    EXPECT_EQ("DISPLAY QUEUE('PAYROLL.*') TYPE(QLOCAL) ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM094I +CSQ1 QLOCAL(PAYROLL.*) NOT FOUND");
    EXPECT_EQ(2, command->pCfh->CompCode);
    EXPECT_EQ(2085, command->pCfh->Reason);
    EXPECT_EQ(0, command->pCfh->ParameterCount);
}

TEST(RoundTrip, ChannelInquiry)
{
    PcfPtr command = Inquiry(25, "TO.BRANCH01");
    EXPECT_EQ("DISPLAY CHANNEL('TO.BRANCH01') ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM415I +CSQ1 CHANNEL(TO.BRANCH01) CHLTYPE(SDR) TRPTYPE(TCP) "
                          "CONNAME(branch01.example.com(1414)) XMITQ(BRANCH01.XMITQ) KAINT(AUTO) "
                          "BATCHSZ(50) DESCR(Sender to branch 01)");
    EXPECT_EQ(8, command->pCfh->ParameterCount);
    EXPECT_EQ("TO.BRANCH01", StrOf(command.get(), 3501));
    EXPECT_EQ(1, IntOf(command.get(), 1511));
    EXPECT_EQ(2, IntOf(command.get(), 1501));
    EXPECT_EQ("branch01.example.com(1414)", StrOf(command.get(), 3506));
    EXPECT_EQ("BRANCH01.XMITQ", StrOf(command.get(), 3505));
    EXPECT_EQ(-1, IntOf(command.get(), 1566));
    EXPECT_EQ(50, IntOf(command.get(), 1502));
    EXPECT_EQ("Sender to branch 01", StrOf(command.get(), 3502));
}

TEST(RoundTrip, NamelistInquiry)
{
    PcfPtr command = Inquiry(36, "BRANCH.QUEUES");
    EXPECT_EQ("DISPLAY NAMELIST('BRANCH.QUEUES') ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM407I +CSQ1 NAMELIST(BRANCH.QUEUES) QSGDISP(QMGR) DESCR(Queues) "
                          "NAMCOUNT(3) NAMES(BRANCH01.IN,BRANCH02.IN,BRANCH3.IN)");
    EXPECT_EQ("BRANCH.QUEUES", StrOf(command.get(), 2010));
    EXPECT_EQ("Queues", StrOf(command.get(), 2009));
    EXPECT_EQ(3, IntOf(command.get(), 19));
    EXPECT_EQ(std::vector<std::string>({"BRANCH01.IN", "BRANCH02.IN", "BRANCH3.IN "}),
              StrListOf(command.get(), 2020));
}

TEST(RoundTrip, ChannelStatusInquiry)
{
    PcfPtr command = Inquiry(42, "TO.BRANCH01");
    EXPECT_EQ("DISPLAY CHSTATUS('TO.BRANCH01') ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM422I +CSQ1 CHSTATUS(TO.BRANCH01) CHLDISP(PRIVATE) XMITQ(BRANCH01.XMITQ) "
                          "CONNAME(10.1.2.3) CURRENT CHLTYPE(SDR) STATUS(RUNNING) MSGS(1234)");
    EXPECT_EQ("TO.BRANCH01", StrOf(command.get(), 3501));
    EXPECT_EQ("10.1.2.3", StrOf(command.get(), 3506));
    EXPECT_EQ(1011, IntOf(command.get(), 1523));
    EXPECT_EQ(3, IntOf(command.get(), 1527));
    EXPECT_EQ(1234, IntOf(command.get(), 1534));
}

TEST(RoundTrip, QueueManagerInquiry)
{
    PcfPtr command = Inquiry(2, "");
    EXPECT_EQ("DISPLAY QMGR ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM409I +CSQ1 QMNAME(CSQ1) DESCR(Payroll queue manager) CCSID(500) "
                          "MAXMSGL(104857600) CMDLEVEL(701) PLATFORM(MVS)");
    EXPECT_EQ("CSQ1", StrOf(command.get(), 2015));
    EXPECT_EQ("Payroll queue manager", StrOf(command.get(), 2014));
    EXPECT_EQ(500, IntOf(command.get(), 2));
    EXPECT_EQ(104857600, IntOf(command.get(), 13));
    EXPECT_EQ(701, IntOf(command.get(), 31));
    EXPECT_EQ(1, IntOf(command.get(), 32));
}

TEST(RoundTrip, SubscriptionInquiry)
{
    PcfPtr command = Inquiry(176, "SUB1");
    EXPECT_EQ("DISPLAY SUB('SUB1') ALL", ToMqsc(command.get()));
    Answer(command.get(), "CSQM201I +CSQ1 SUBNAME(SUB1) TOPICSTR(price/fruit) DEST(FRUIT.Q) EXPIRY(UNLIMITED)");
    EXPECT_EQ("SUB1", StrOf(command.get(), 3152));
    EXPECT_EQ("price/fruit", StrOf(command.get(), 2094));
    EXPECT_EQ("FRUIT.Q", StrOf(command.get(), 3154));
    EXPECT_EQ(-1, IntOf(command.get(), 1244));
}

MqscKeyword *QueueRecord(int32_t command, int32_t id)
{
    MqscKeyword *record = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &command);
    return record ? zem::FindCmdParam(record->params, zem::kFindById, &id) : nullptr;
}

// A PCF command that changes a queue's description.
PcfPtr ChangeDescription(const char *queue, const char *description)
{
    PcfPtr pcf(CreatePcfMessage(8, ZEM_MQCFT_COMMAND, 1024));
    MESSAGE attr{};
    EXPECT_EQ(1, CreatePcfStrAttr(&attr, 2016, queue));
    AppendAttr(pcf.get(), &attr);
    DeleteMessage(&attr);
    EXPECT_EQ(1, CreatePcfIntAttr(&attr, 20, 1));
    AppendAttr(pcf.get(), &attr);
    DeleteMessage(&attr);
    if (description) {
        EXPECT_EQ(1, CreatePcfStrAttr(&attr, 2013, description));
        AppendAttr(pcf.get(), &attr);
        DeleteMessage(&attr);
    }
    EXPECT_EQ(1, RawToPcf(pcf.get()));
    return pcf;
}

TEST(ConversionDirections, ValuesHeldBetweenReplyStepsAreDiscardedByAPcfToMqscConversion)
{
    MqscItem *id = new MqscItem{};
    std::strcpy(id->value, "CSQM401I");
    int32_t reason = 0;
    ASSERT_EQ(1, MqscCmdToPcf(id, 13, &reason));
    std::strcpy(id->value, "held over");
    ASSERT_EQ(1, MqscStrToPcf(id, QueueRecord(13, 2013), &reason));
    delete id;

    // The description held for the reply is not written into an unrelated command...
    PcfPtr change = ChangeDescription("Q1", nullptr);
    EXPECT_EQ("ALTER QLOCAL('Q1')", ToMqsc(change.get()));
    // ...and the reply's own values are gone once the other direction has run.
    std::vector<unsigned char> area(256, 0);
    PcfArea output{area.data(), 256};
    ASSERT_EQ(1, EmitPcfMsg(&output, &reason));
    EXPECT_EQ(zemtest::PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0, 1, -1, 0).bytes(),
              std::string(area.begin(), area.begin() + output.length));
}

TEST(ConversionDirections, ValuesLeftByAFailedReplyAreNotWrittenIntoTheNextCommand)
{
    PcfPtr tiny(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 30));
    PcfPtr input = zemtest::ContainerHolding("CSQM401I +CSQ1 QUEUE(Q1) DESCR(stale description) CURDEPTH(5)");
    int32_t status = -1, reason = -1, count = -1;
    zemMqsc2Pcf(input.get(), tiny.get(), &status, &reason, &count);
    ASSERT_EQ(ZEM_RC_MQSC_NO_ROOM, reason);

    PcfPtr change = ChangeDescription("Q1", nullptr);
    EXPECT_EQ("ALTER QLOCAL('Q1')", ToMqsc(change.get()));
}

TEST(ConversionDirections, ValuesLeftByAFailedPcfToMqscConversionAreNotWrittenIntoTheResponse)
{
    PcfPtr change = ChangeDescription("Q1", "left behind by a text that did not fit");
    EXPECT_EQ("", ToMqsc(change.get(), 20));

    PcfPtr command = Inquiry(13, "Q1");
    Answer(command.get(), "CSQM401I +CSQ1 QUEUE(Q1) CURDEPTH(5)");
    EXPECT_EQ(zemtest::PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(3, 5).bytes(),
              zemtest::DataOf(*command));
}

}  // namespace
