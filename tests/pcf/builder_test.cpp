// BuildPcfCmd: the parameters each command code gets, their order and the result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;

struct Built {
    int32_t result = -1;
    std::string data;  // the MQCFH and parameters
    int indexed = 0;   // RawToPcf's view: parameters reachable by position
};

Built Build(int32_t code, const char *name, int32_t value) {
    Built built;
    PcfMessage *message = CreatePcfMessage(code, ZEM_MQCFT_COMMAND, 256);
    if (message == nullptr) return built;
    built.result = BuildPcfCmd(message, name, value);
    built.data.assign(reinterpret_cast<const char *>(message->PcfMsg.pData), message->PcfMsg.Used - ZEM_MDHDR_LENGTH);
    MESSAGE view{};
    CreateMessage(&view, 64);
    while (built.indexed < 149 && GetAttrByPos(built.indexed + 1, &view, message) == 1) ++built.indexed;
    DeleteMessage(&view);
    DeletePcfMessage(message);
    return built;
}

PcfBytes Header(int32_t code, int32_t parameters) { return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, parameters); }

void ExpectBuilt(int32_t code, const char *name, int32_t value, const PcfBytes &expected, int32_t result = 1) {
    SCOPED_TRACE("command " + std::to_string(code) + " value " + std::to_string(value));
    Built built = Build(code, name, value);
    EXPECT_EQ(built.result, result);
    EXPECT_EQ(built.data, expected.bytes());
}

TEST(BuildPcfCmd, InquiriesGetTheObjectNameAndTheirSelectors) {
    const std::vector<int32_t> all = {1009};
    ExpectBuilt(2, "ignored", 0, Header(2, 1).Cfil(1001, all));
    ExpectBuilt(7, "PROC1", 0, Header(7, 2).Cfst(2012, "PROC1").Cfil(1003, all));
    ExpectBuilt(36, "NL1", 0, Header(36, 2).Cfst(2010, "NL1").Cfil(1004, all));
    ExpectBuilt(42, "CHL1", 0, Header(42, 2).Cfst(3501, "CHL1").Cfil(1524, all));
    ExpectBuilt(70, "QM2", 0, Header(70, 2).Cfst(2031, "QM2").Cfil(1093, all));
    ExpectBuilt(83, "AI1", 0, Header(83, 2).Cfst(2045, "AI1").Cfil(1019, all));
    ExpectBuilt(97, "LSTR", 0, Header(97, 2).Cfst(3554, "LSTR").Cfil(1222, all));
    ExpectBuilt(98, "LSTR", 0, Header(98, 2).Cfst(3554, "LSTR").Cfil(1223, all));
    ExpectBuilt(153, "SVC", 0, Header(153, 2).Cfst(2077, "SVC").Cfil(1224, all));
    ExpectBuilt(154, "SVC", 0, Header(154, 2).Cfst(2077, "SVC").Cfil(1225, all));
    ExpectBuilt(161, "", 0, Header(161, 1).Cfil(1229, all));
    ExpectBuilt(174, "TOPIC1", 0, Header(174, 2).Cfst(2092, "TOPIC1").Cfil(1269, all));
    ExpectBuilt(176, "SUB1", 0, Header(176, 2).Cfst(3152, "SUB1").Cfil(1287, all));
    ExpectBuilt(182, "SUB1", 0, Header(182, 2).Cfst(3152, "SUB1").Cfil(1294, all));
    ExpectBuilt(185, "", 0, Header(185, 1).Cfil(1318, all));
    ExpectBuilt(122, "STC1", 0, Header(122, 2).Cfst(2022, "STC1").Cfil(1156, all));
    ExpectBuilt(204, "CHL*", 0, Header(204, 2).Cfst(3501, "CHL*").Cfil(1355, all));
    ExpectBuilt(115, "APP1", 0, Header(115, 2).Cfst(2039, "APP1").Cfil(1133, all));
    ExpectBuilt(121, "", 0, Header(121, 1).Cfil(1151, all));
    // Connections are asked for all together; usage for every type; CF status as a summary.
    ExpectBuilt(85, "ignored", 0, Header(85, 2).Cfin(1110, 1111).Cfil(1107, all));
    ExpectBuilt(126, "", 0, Header(126, 1).Cfin(1157, 1009));
    ExpectBuilt(116, "APP1", 0, Header(116, 2).Cfst(2039, "APP1").Cfin(1135, 1136));
    // Status inquiries select their status type.
    ExpectBuilt(41, "Q1", 0, Header(41, 3).Cfst(2016, "Q1").Cfil(1229, {1009}).Cfil(1103, {1105}));
    ExpectBuilt(183, "a/b", 0, Header(183, 2).Cfst(2092, "a/b").Cfil(1301, {1295}));
    // The queue type only when given, the channel type only for client connections.
    ExpectBuilt(13, "Q*", 0, Header(13, 2).Cfst(2016, "Q*").Cfil(1002, {1009}));
    ExpectBuilt(13, "Q*", -4, Header(13, 2).Cfst(2016, "Q*").Cfil(1002, {1009}));
    ExpectBuilt(13, "Q*", 1, Header(13, 3).Cfst(2016, "Q*").Cfin(20, 1).Cfil(1002, {1009}));
    ExpectBuilt(18, "Q*", 3, Header(18, 2).Cfst(2016, "Q*").Cfin(20, 1001));
    ExpectBuilt(25, "C1", 6, Header(25, 3).Cfst(3501, "C1").Cfin(1511, 6).Cfil(1015, {1009}));
    ExpectBuilt(25, "C1", 2, Header(25, 2).Cfst(3501, "C1").Cfil(1015, {1009}));
    ExpectBuilt(20, "C*", 6, Header(20, 2).Cfst(3501, "C*").Cfin(1511, 6));
    ExpectBuilt(20, "C*", 0, Header(20, 1).Cfst(3501, "C*"));
}

TEST(BuildPcfCmd, IntegerCommandsCarryTheCallersValue) {
    ExpectBuilt(26, "C1", 64, Header(26, 2).Cfst(3501, "C1").Cfin(1512, 64));
    ExpectBuilt(27, "C1", 9, Header(27, 2).Cfst(3501, "C1").Cfin(1514, 9));
    ExpectBuilt(29, "C1", 1, Header(29, 2).Cfst(3501, "C1").Cfin(1008, 1));
    ExpectBuilt(39, "C1", 2, Header(39, 2).Cfst(3501, "C1").Cfin(1516, 2));
    ExpectBuilt(92, "unused", 2, Header(92, 1).Cfin(1086, 2));
    // The escape carries the text as an MQSC command.
    ExpectBuilt(38, "DISPLAY QMGR ALL", 0, Header(38, 2).Cfin(1017, 1).Cfst(3014, "DISPLAY QMGR ALL"));
    ExpectBuilt(10014, "PING QMGR", 5, Header(10014, 2).Cfin(1017, 1).Cfst(3014, "PING QMGR"));
    // Cluster suspend and resume take the value as the parameter id.
    ExpectBuilt(71, "CL1", 2029, Header(71, 1).Cfst(2029, "CL1"));
    ExpectBuilt(72, "NL1", 2030, Header(72, 1).Cfst(2030, "NL1"));
    // The authority record inquiry defaults to all object types.
    PcfBytes head = Header(87, 3).Cfin(1228, 97).Cfst(3067, "PROFILE");
    ExpectBuilt(87, "PROFILE", 0, PcfBytes(head).Cfin(1016, 1001));
    ExpectBuilt(87, "PROFILE", -3, PcfBytes(head).Cfin(1016, 1001));
    ExpectBuilt(87, "PROFILE", 1, PcfBytes(head).Cfin(1016, 1));
    ExpectBuilt(87, "PROFILE", 8, PcfBytes(head).Cfin(1016, 8));
    // The suite's own commands.
    ExpectBuilt(10004, "QM1", 2, Header(10004, 2).Cfst(2015, "QM1").Cfin(20141, 2));
    ExpectBuilt(10008, "QM1", 17, Header(10008, 2).Cfst(2015, "QM1").Cfin(20101, 17));
    ExpectBuilt(10009, "QM1", 18, Header(10009, 2).Cfst(2015, "QM1").Cfin(20101, 18));
    ExpectBuilt(10129, "NODE", 3, Header(10129, 2).Cfst(20007, "NODE").Cfin(20135, 3));
    for (int32_t code : {10160, 10162, 10164, 10170, 10180, 10190, 10200, 10400, 10402, 10410, 10412, 10414})
        ExpectBuilt(code, "unused", 31, Header(code, 1).Cfin(20110, 31));
}

TEST(BuildPcfCmd, NameOnlyCommandsAddOneStringParameter) {
    const std::vector<std::pair<int32_t, int32_t>> rows = {
        {17, 2016},    {19, 2012},    {28, 3501},    {30, 2008},    {31, 3554},    {142, 3554},   {10021, 3554},
        {37, 2010},    {73, 2029},    {74, 2029},    {84, 2045},    {155, 2077},   {156, 2077},   {10022, 2077},
        {175, 2092},   {10001, 3507}, {10002, 3507}, {10003, 2015}, {10005, 2015}, {10006, 2015}, {10007, 2015},
        {10012, 2015}, {10013, 2015}, {10024, 3152}, {10105, 20006}, {10106, 20006}, {10130, 20007}};
    for (const auto &[code, parameter] : rows)
        ExpectBuilt(code, "NAME.X", 7, Header(code, 1).Cfst(parameter, "NAME.X"));
}

// Ping needs nothing and succeeds; commands outside the table and refresh security add nothing and fail.
TEST(BuildPcfCmd, CommandsWithoutParametersAddNothing) {
    std::vector<std::pair<int32_t, int32_t>> rows = {{40, 1}, {78, 0}, {0, 0}, {-1, 0}, {99999, 0}};
    for (int32_t code : {1, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 21, 22, 23, 24, 32, 33, 34, 35})
        rows.emplace_back(code, 0);
    for (const auto &[code, result] : rows) {
        SCOPED_TRACE(code);
        Built built = Build(code, "OBJ", 1);
        EXPECT_EQ(built.result, result);
        EXPECT_EQ(built.data, Header(code, 0).bytes());
    }
}

TEST(BuildPcfCmd, BuiltMessageIsIndexedForTheGetters) {
    PcfMessage *message = CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0);
    ASSERT_NE(message, nullptr);
    ASSERT_EQ(BuildPcfCmd(message, "APP.QUEUE", 1), 1);
    MESSAGE attr{};
    CreateMessage(&attr, 64);
    ASSERT_EQ(GetAttrByID(2016, &attr, message), 1);
    char text[49] = {};
    EXPECT_EQ(GetPcfStrAttrValue(&attr, text, 48), 1);
    EXPECT_STREQ(text, "APP.QUEUE");
    ASSERT_EQ(GetAttrByID(20, &attr, message), 1);
    int32_t type = 0;
    EXPECT_EQ(GetPcfIntAttrValue(&attr, &type), 1);
    EXPECT_EQ(type, 1);
    DeleteMessage(&attr);
    DeletePcfMessage(message);
    EXPECT_EQ(Build(41, "Q1", 0).indexed, 3);
}

// Builds the process inquiry into a message that already holds `filled` integer parameters.
int32_t BuildAfter(int filled) {
    PcfMessage *message = CreatePcfMessage(7, ZEM_MQCFT_COMMAND, 0);
    MESSAGE filler{};
    if (message == nullptr || CreatePcfIntAttr(&filler, 3, 0) != 1) return -1;
    for (int i = 0; i < filled; ++i) AppendAttr(message, &filler);
    DeleteMessage(&filler);
    int32_t result = -1;
    zemtest::CaptureStdout([&] { result = BuildPcfCmd(message, "PROC", 0); });
    DeletePcfMessage(message);
    return result;
}

TEST(BuildPcfCmd, ResultIsTheLastAppendAndAMessageOf149ParametersGrowsOn) {
    EXPECT_EQ(BuildAfter(148), 1);
    EXPECT_EQ(BuildAfter(149), 1);  // the name and the selector continue past the 149th
}

TEST(BuildPcfCmd, MissingMessageFailsAndMissingNameIsEmpty) {
    EXPECT_EQ(BuildPcfCmd(nullptr, "Q1", 0), 0);
    ExpectBuilt(17, nullptr, 0, Header(17, 1).Cfst(2016, ""));
}

}  // namespace
