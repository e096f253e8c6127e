// The road of an inquiry to a z/OS queue manager: the PCF command, its MQSC text, the
// reply the command server gives (written here by hand) and the PCF response it becomes.
// Also what each direction leaves in the command table for the other, and the same round
// trips on several threads at once.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf2mqsc_conversion.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace std::string_literals;
using zemtest::PcfPtr;

// The z/OS inquiries that take nothing but CMDSCOPE have no standard request.
bool TakesNoParameters(int32_t command)
{
    return command == 114 || command == 119 || command == 120 || command == 123;
}

PcfPtr Inquiry(int32_t command, const char *name, int32_t value = 0)
{
    if (command == 186) {  // Inquire SMDS names its data set and its structure
        PcfPtr pcf = zemtest::ContainerHolding(zemtest::PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 186, 3).Cfst(3183, name)
                                                   .Cfst(2039, "APP1").Cfil(1334, {1009}).bytes());
        EXPECT_EQ(1, SizeMessageKeep(&pcf->PcfMsg, 1024));
        EXPECT_EQ(1, RawToPcf(pcf.get()));
        return pcf;
    }
    PcfPtr pcf(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, 1024));
    EXPECT_EQ(TakesNoParameters(command) ? 0 : 1, BuildPcfCmd(pcf.get(), name, value));
    return pcf;
}

// The MQSC text of a command, "" when the conversion failed.
std::string ToMqsc(PcfMessage *command, int32_t capacity = 8192)
{
    const p2mtest::Conversion converted = p2mtest::Convert(*command, false, capacity);
    return converted.compCode == 0 ? converted.text : "";
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

// A parameter of an indexed response: an integer as its digits, a string in quotes, a
// string list as its quoted entries joined by commas.
std::string ValueOf(PcfMessage *response, int32_t id)
{
    MESSAGE attr{};
    std::string value = "<none>";
    char text[256] = {};
    int32_t number = 0;
    if (GetAttrByID(id, &attr, response) != 1)
        return value;
    if (IsPcfIntAttr(&attr) && GetPcfIntAttrValue(&attr, &number) == 1)
        value = std::to_string(number);
    else if (IsPcfStrAttr(&attr) && GetPcfStrAttrValue(&attr, text, 255) == 1)
        value = "'"s + text + "'";
    else if (IsPcfStrListAttr(&attr))
        for (int32_t i = 0; GetPcfStrListAttrValue(&attr, i, text, 255) == 1; ++i)
            value = (i ? value + "," : "") + "'" + text + "'";
    DeleteMessage(&attr);
    return value;
}

struct RoundTripCase {
        int32_t command;
        const char *name;
        int32_t value;
        const char *mqsc;
        std::string reply;
        int32_t compCode;
        int32_t reason;
        int32_t parameterCount;  // -1: not all parameters are listed below
        std::map<int32_t, std::string> values;
};
const RoundTripCase kCases[] = {
        {13, "PAYROLL.IN", 0, "DISPLAY QUEUE('PAYROLL.IN') ALL",
         "CSQM401I +CSQ1 QUEUE(PAYROLL.IN                              )\0"
         "TYPE(QLOCAL)          QSGDISP(QMGR)\0"
         "DESCR(Payroll requests)\0"
         "PUT(DISABLED)         DEFPRTY(5)\0"
         "SHARE                 NOTRIGGER\0"
         "CURDEPTH(12)          MAXDEPTH(5000)"s,
         0, 0, 10,
         {{2016, "'PAYROLL.IN'"}, {20, "1"}, {63, "0"}, {2013, "'Payroll requests'"}, {10, "1"}, {6, "5"},
          {23, "1"}, {24, "0"}, {3, "12"}, {15, "5000"}}},
        {13, "PAYROLL.*", 1, "DISPLAY QUEUE('PAYROLL.*') TYPE(QLOCAL) ALL",
         "CSQM094I +CSQ1 QLOCAL(PAYROLL.*) NOT FOUND", 2, 2085, 2, {{20, "1"}, {2016, "'PAYROLL.*'"}}},
        {25, "TO.BRANCH01", 0, "DISPLAY CHANNEL('TO.BRANCH01') ALL",
         "CSQM415I +CSQ1 CHANNEL(TO.BRANCH01) CHLTYPE(SDR) TRPTYPE(TCP) "
         "CONNAME(branch01.example.com(1414)) XMITQ(BRANCH01.XMITQ) KAINT(AUTO) "
         "BATCHSZ(50) DESCR(Sender to branch 01)",
         0, 0, 8,
         {{3501, "'TO.BRANCH01'"}, {1511, "1"}, {1501, "2"}, {3506, "'branch01.example.com(1414)'"},
          {3505, "'BRANCH01.XMITQ'"}, {1566, "-1"}, {1502, "50"}, {3502, "'Sender to branch 01'"}}},
        {36, "BRANCH.QUEUES", 0, "DISPLAY NAMELIST('BRANCH.QUEUES') ALL",
         "CSQM407I +CSQ1 NAMELIST(BRANCH.QUEUES) QSGDISP(QMGR) DESCR(Queues) "
         "NAMCOUNT(3) NAMES(BRANCH01.IN,BRANCH02.IN,BRANCH3.IN) NLTYPE(QUEUE)",
         0, 0, -1,
         {{2010, "'BRANCH.QUEUES'"}, {2009, "'Queues'"}, {19, "3"}, {72, "1"},
          {2020, "'BRANCH01.IN','BRANCH02.IN','BRANCH3.IN '"}}},
        {42, "TO.BRANCH01", 0, "DISPLAY CHSTATUS('TO.BRANCH01') ALL",
         "CSQM422I +CSQ1 CHSTATUS(TO.BRANCH01) CHLDISP(PRIVATE) XMITQ(BRANCH01.XMITQ) "
         "CONNAME(10.1.2.3) CURRENT CHLTYPE(SDR) STATUS(RUNNING) MSGS(1234)",
         0, 0, -1,
         {{3501, "'TO.BRANCH01'"}, {3506, "'10.1.2.3'"}, {1523, "1011"}, {1527, "3"}, {1534, "1234"}}},
        {2, "", 0, "DISPLAY QMGR ALL",
         "CSQM409I +CSQ1 QMNAME(CSQ1) DESCR(Payroll queue manager) CCSID(500) "
         "MAXMSGL(104857600) CMDLEVEL(701) PLATFORM(MVS)",
         0, 0, -1,
         {{2015, "'CSQ1'"}, {2014, "'Payroll queue manager'"}, {2, "500"}, {13, "104857600"}, {31, "701"},
          {32, "1"}}},
        {176, "SUB1", 0, "DISPLAY SUB('SUB1') ALL",
         "CSQM201I +CSQ1 SUBNAME(SUB1) TOPICSTR(price/fruit) DEST(FRUIT.Q) EXPIRY(UNLIMITED) "
         "SUBTYPE(ADMIN) DURABLE(YES) CRDATE(2024-03-01)",
         0, 0, -1,
         {{3152, "'SUB1'"}, {2094, "'price/fruit'"}, {3154, "'FRUIT.Q'"}, {1244, "-1"}, {1289, "2"}, {1274, "1"},
          {2004, "'2024-03-01'"}}},
        {182, "SUB1", 0, "DISPLAY SBSTATUS('SUB1')",
         "CSQM201I +CSQ1 SUB(SUB1) SUBID(C3E2D8C3) DURABLE(YES) SUBTYPE(API) NUMMSGS(42) "
         "LMSGDATE(2024-03-02) RESMTIME(10.15.30)",
         0, 0, 5, {{1274, "1"}, {1289, "1"}, {1290, "42"}, {3168, "'2024-03-02'"}, {2099, "'10.15.30'"}}},
        {83, "LDAP.*", 0, "DISPLAY AUTHINFO('LDAP.*') ALL",
         "CSQM201I +CSQ1 AUTHINFO(SYSTEM.DEFAULT.AUTHINFO.IDPWOS) AUTHTYPE(IDPWOS) ADOPTCTX(YES) "
         "CHCKCLNT(REQDADM) CHCKLOCL(OPTIONAL) FAILDLAY(1)",
         0, 0, 6, {{2045, "'SYSTEM.DEFAULT.AUTHINFO.IDPWOS'"}, {66, "3"}, {260, "1"}, {258, "2"}, {257, "0"}, {259, "1"}}},
        // z/OS objects and inquiries under IBM MQ's own command codes.
        {122, "DEF*", 0, "DISPLAY STGCLASS('DEF*') ALL",
         "CSQM201I +CSQ1 STGCLASS(DEFAULT) QSGDISP(QMGR) PSID(1) DESCR(Default storage class) "
         "PASSTKTA( ) XCFGNAME( ) XCFMNAME( ) ALTDATE(2024-03-01) ALTTIME(10.15.30)",
         0, 0, 9, {{2022, "'DEFAULT'"}, {63, "0"}, {62, "1"}, {2042, "'Default storage class'"}, {2043, "''"}}},
        {204, "SYSTEM.ADMIN.*", 0, "DISPLAY CHLAUTH('SYSTEM.ADMIN.*') ALL",
         "CSQM201I +CSQ1 CHLAUTH(SYSTEM.ADMIN.SVRCONN) TYPE(ADDRESSMAP) DESCR(Admin clients) CUSTOM( ) "
         "ADDRESS(10.1.2.*) USERSRC(MAP) MCAUSER(ADMIN1) WARN(NO) ALTDATE(2024-03-01) ALTTIME(10.15.30)",
         0, 0, 10,
         {{3501, "'SYSTEM.ADMIN.SVRCONN'"}, {1352, "4"}, {2118, "'Admin clients'"}, {3506, "'10.1.2.*'"},
          {1638, "0"}, {3527, "'ADMIN1'"}, {1639, "0"}}},
        {85, "ignored", 0, "DISPLAY CONN(*) TYPE(CONN) ALL",
         "CSQM201I +CSQ1 CONN(BC85772CBE3E0001) EXTCONN(C3E2D8C3C3E2D8F14040404040404040) TYPE(CONN) "
         "APPLTAG(PAYROLL1) APPLTYPE(BATCH) ASID(0049) CHANNEL( ) CONNAME( )",
         0, 0, 6, {{1110, "1111"}, {3058, "'PAYROLL1'"}, {1, "32"}, {3081, "'0049'"}, {3501, "''"}}},
        {186, "CSQ1", 0, "DISPLAY SMDS('CSQ1') CFSTRUCT('APP1') ALL",
         "CSQM201I +CSQ1 SMDS(CSQ1) CFSTRUCT(APP1) DSBUFS(200) DSEXPAND(YES)", 0, 0, 4,
         {{3183, "'CSQ1'"}, {2039, "'APP1'"}, {228, "200"}, {1329, "1"}}},
        {115, "APP*", 0, "DISPLAY CFSTRUCT('APP*') ALL",
         "CSQM201I +CSQ1 CFSTRUCT(APP1) DESCR(Application structure) CFLEVEL(5) RECOVER(YES) "
         "CFCONLOS(TOLERATE) DSBUFS(100) DSEXPAND(NO)",
         0, 0, 7,
         {{2039, "'APP1'"}, {2052, "'Application structure'"}, {70, "5"}, {71, "1"}, {246, "1"}, {228, "100"},
          {1329, "2"}}},
        {116, "APP1", 0, "DISPLAY CFSTATUS('APP1') TYPE(SUMMARY)",
         "CSQM201I +CSQ1 CFSTATUS(APP1) TYPE(SUMMARY) CFTYPE(APPL) STATUS(ACTIVE)", 0, 0, 2,
         {{2039, "'APP1'"}, {1135, "1136"}}},
        {185, "", 0, "DISPLAY PUBSUB ALL",
         "CSQM201I +CSQ1 TYPE(LOCAL) QMNAME(CSQ1) STATUS(ACTIVE) SUBCOUNT(12) TPCOUNT(40)", 0, 0, 3,
         {{1314, "1"}, {204, "12"}, {253, "40"}}},
        // Usage, security and the system parameters answer with reports, not keywords.
        {126, "", 0, "DISPLAY USAGE TYPE(ALL)", "CSQI010I +CSQ1 Page set usage ...", 0, 0, 0, {}},
        {121, "", 0, "DISPLAY SECURITY ALL", "CSQH015I +CSQ1 Security timeout = 54 minutes", 0, 0, 0, {}},
        {114, "", 0, "DISPLAY ARCHIVE", "CSQJ322I +CSQ1 DISPLAY ARCHIVE report follows-", 0, 0, 0, {}},
        {123, "", 0, "DISPLAY SYSTEM", "CSQJ322I +CSQ1 DISPLAY SYSTEM report follows-", 0, 0, 0, {}},
        {120, "", 0, "DISPLAY LOG", "CSQJ322I +CSQ1 DISPLAY LOG report follows-", 0, 0, 0, {}},
        {119, "", 0, "DISPLAY GROUP", "CSQ5100I +CSQ1 DISPLAY GROUP report follows-", 0, 0, 0, {}},
};

TEST(RoundTrip, InquiriesAndTheirResponses)
{
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.mqsc);
        PcfPtr command = Inquiry(c.command, c.name, c.value);
        EXPECT_EQ(c.mqsc, ToMqsc(command.get()));
        Answer(command.get(), c.reply);
        EXPECT_EQ(c.command, command->pCfh->Command);
        EXPECT_EQ(c.compCode, command->pCfh->CompCode);
        EXPECT_EQ(c.reason, command->pCfh->Reason);
        EXPECT_TRUE(c.parameterCount < 0 || c.parameterCount == command->pCfh->ParameterCount)
            << command->pCfh->ParameterCount;
        for (const auto &[id, value] : c.values)
            EXPECT_EQ(value, ValueOf(command.get(), id)) << id;
    }
}

// A PCF command that changes queue Q1, with or without a new description.
PcfPtr ChangeQueue(const char *description = nullptr)
{
    zemtest::PcfBytes bytes;
    bytes.Cfh(ZEM_MQCFT_COMMAND, 8, description ? 3 : 2).Cfst(2016, "Q1").Cfin(20, 1);
    if (description)
        bytes.Cfst(2013, description);
    PcfPtr pcf = zemtest::ContainerHolding(bytes.bytes());
    EXPECT_EQ(1, RawToPcf(pcf.get()));
    return pcf;
}

// Each conversion starts from a clean table: what one direction held, or left behind on
// failure, is never written by the other.
TEST(ConversionDirections, ValuesLeftByOneDirectionAreNotWrittenByTheOther)
{
    auto id = std::make_unique<MqscItem>();
    std::strcpy(id->value, "CSQM401I");
    int32_t reason = 0;
    ASSERT_EQ(1, MqscCmdToPcf(id.get(), 13, &reason));
    std::strcpy(id->value, "held over");
    int32_t inquireQ = 13, descr = 2013;
    MqscKeyword *inquiry = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &inquireQ);
    ASSERT_EQ(1, MqscStrToPcf(id.get(), zem::FindCmdParam(inquiry->params, zem::kFindById, &descr), &reason));
    EXPECT_EQ("ALTER QLOCAL('Q1')", ToMqsc(ChangeQueue().get()));
    // the reply's own values are gone once the other direction has run
    std::vector<unsigned char> area(256, 0);
    PcfArea output{area.data(), 256};
    ASSERT_EQ(1, EmitPcfMsg(&output, &reason));
    EXPECT_EQ(zemtest::PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0, 1, -1, 0).bytes(),
              std::string(area.begin(), area.begin() + output.length));

    EXPECT_EQ("", ToMqsc(ChangeQueue("left behind by a text that did not fit").get(), 20));
    PcfPtr command = Inquiry(13, "Q1");
    Answer(command.get(), "CSQM401I +CSQ1 QUEUE(Q1) CURDEPTH(5)");
    EXPECT_EQ(zemtest::PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(3, 5).bytes(),
              zemtest::DataOf(*command));
}

// Everything one pass over the round trips gives, in one text: each case's MQSC text,
// response bytes and discovery decision, a change with a quoted description, and the
// parameters a DISPLAY LOG report adds line by line (its parser keeps state between lines).
std::string RoundTrips(std::size_t first)
{
    std::string all;
    const std::size_t count = std::size(kCases);
    for (std::size_t i = 0; i < count; ++i) {
        const RoundTripCase &c = kCases[(first + i) % count];
        PcfPtr command = Inquiry(c.command, c.name, c.value);
        all += ToMqsc(command.get()) + "|";
        PcfPtr input = zemtest::ContainerHolding(c.reply);
        int32_t status = -1, reason = -1, count = -1;
        zemMqsc2Pcf(input.get(), command.get(), &status, &reason, &count);
        all += std::to_string(status) + "," + std::to_string(reason) + "," + std::to_string(count) + "|";
        RawToPcf(command.get());
        all += zemtest::DataOf(*command) + "|";
        all += std::to_string(IsAlterDateRecent2(1, command.get(), "CSQ1", 0)) + "\n";
    }
    all += ToMqsc(ChangeQueue("Bob's queue").get()) + "\n";
    for (const char *line : {"Current parameters: MAXRTU=3 DEALLCT=5", "---- -- -------- ------ ------",
                             "0A30 B CSQ1.0001 VOL001 CSQ1.ARCHLOG1.A0000123", "End of tape unit report"}) {
        PcfPtr output(CreatePcfMessage(10632, ZEM_MQCFT_COMMAND, 64));
        PcfPtr input = zemtest::ContainerHolding(line);
        int32_t status = -1, reason = -1, count = -1;
        zemMqsc2Pcf(input.get(), output.get(), &status, &reason, &count);
        all += std::to_string(status) + "," + std::to_string(reason) + "|" + zemtest::DataOf(*output) + "\n";
    }
    return all;
}

TEST(RoundTrip, ThreadsGiveTheSingleThreadedResults)
{
    // The threads start first, so that they also race for everything built on first use;
    // the single-threaded results are taken afterwards.
    const std::size_t cases = std::size(kCases);
    constexpr int kThreads = 4, kPasses = 25;
    std::vector<std::vector<std::string>> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int pass = 0; pass < kPasses; ++pass)
                results[t].push_back(RoundTrips(static_cast<std::size_t>(t + pass) % cases));
        });
    for (auto &thread : threads)
        thread.join();

    std::vector<std::string> expected;
    for (std::size_t first = 0; first < cases; ++first)
        expected.push_back(RoundTrips(first));
    ASSERT_NE(expected[0].find("DESCR('Bob''s queue')"), std::string::npos);
    std::vector<int> mismatches(kThreads, 0);
    for (int t = 0; t < kThreads; ++t)
        for (int pass = 0; pass < kPasses; ++pass)
            mismatches[t] += results[t][pass] != expected[static_cast<std::size_t>(t + pass) % cases];
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
