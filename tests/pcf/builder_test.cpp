// BuildPcfCmd: the parameters each command code gets, their order and the result.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "capture.h"
#include "cmdtable/cmdtable.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

struct Built {
    int32_t result = -1;
    std::string data;  // the MQCFH and parameters
    int indexed = 0;   // RawToPcf's view: parameters reachable by position
    std::vector<std::pair<int32_t, int32_t>> params;  // their Type and Parameter words
};

Built Build(int32_t code, const char *name, int32_t value) {
    Built built;
    PcfPtr message(CreatePcfMessage(code, ZEM_MQCFT_COMMAND, 256));
    built.result = BuildPcfCmd(message.get(), name, value);
    built.data = DataOf(*message);
    Attr view("");
    while (built.indexed < 149 && GetAttrByPos(built.indexed + 1, view.get(), message.get()) == 1) {
        ++built.indexed;
        int32_t words[3] = {};
        std::memcpy(words, view->pData, sizeof words);
        built.params.emplace_back(words[0], words[2]);
    }
    return built;
}

PcfBytes Header(int32_t code, int32_t parameters) { return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, parameters); }

void ExpectBuilt(int32_t code, const char *name, int32_t value, const PcfBytes &expected, int32_t result = 1) {
    SCOPED_TRACE("command " + std::to_string(code) + " value " + std::to_string(value));
    Built built = Build(code, name, value);
    EXPECT_EQ(built.result, result);
    EXPECT_EQ(built.data, expected.bytes());
}

// One row of each way the table makes a parameter, as independent bytes.
TEST(BuildPcfCmd, EachKindOfParameterAsBytesAndCommandsWithoutAny) {
    const std::vector<int32_t> all = {1009};
    ExpectBuilt(2, "ignored", 0, Header(2, 1).Cfil(1001, all));                     // a selector alone
    ExpectBuilt(7, "PROC1", 0, Header(7, 2).Cfst(2012, "PROC1").Cfil(1003, all));  // the name and a selector
    ExpectBuilt(17, nullptr, 0, Header(17, 1).Cfst(2016, ""));                       // the name alone, missing
    // Status inquiries select their status type; connection inquiries carry a fixed integer.
    ExpectBuilt(41, "Q1", 0, Header(41, 3).Cfst(2016, "Q1").Cfil(1229, {1009}).Cfil(1103, {1105}));
    ExpectBuilt(85, "ignored", 0, Header(85, 2).Cfin(1110, 1111).Cfil(1107, all));
    // The queue type only when given, the channel type only for client connections.
    ExpectBuilt(13, "Q*", -4, Header(13, 2).Cfst(2016, "Q*").Cfil(1002, {1009}));
    ExpectBuilt(13, "Q*", 1, Header(13, 3).Cfst(2016, "Q*").Cfin(20, 1).Cfil(1002, {1009}));
    ExpectBuilt(25, "C1", 6, Header(25, 3).Cfst(3501, "C1").Cfin(1511, 6).Cfil(1015, {1009}));
    ExpectBuilt(25, "C1", 2, Header(25, 2).Cfst(3501, "C1").Cfil(1015, {1009}));
    // The caller's value as an integer; the escape carries the text as an MQSC command.
    ExpectBuilt(26, "C1", 64, Header(26, 2).Cfst(3501, "C1").Cfin(1512, 64));
    ExpectBuilt(38, "DISPLAY QMGR ALL", 0, Header(38, 2).Cfin(1017, 1).Cfst(3014, "DISPLAY QMGR ALL"));
    // Cluster suspend and resume take the value as the parameter id.
    ExpectBuilt(71, "CL1", 2029, Header(71, 1).Cfst(2029, "CL1"));
    // The authority record inquiry defaults to all object types.
    PcfBytes head = Header(87, 3).Cfin(1228, 97).Cfst(3067, "PROFILE");
    ExpectBuilt(87, "PROFILE", -3, PcfBytes(head).Cfin(1016, 1001));
    ExpectBuilt(87, "PROFILE", 8, PcfBytes(head).Cfin(1016, 8));
    // Ping needs nothing and succeeds; commands outside the table and refresh security add nothing and fail.
    for (const auto &[code, result] : std::vector<std::pair<int32_t, int32_t>>{{40, 1}, {78, 0}, {0, 0}, {-1, 0}, {99999, 0}})
        ExpectBuilt(code, "OBJ", 1, Header(code, 0), result);
}

// Over every command code: a message the getters can read whole, its count in the MQCFH,
// success exactly when something was added (or for ping), parameters the command takes.
TEST(BuildPcfCmd, EveryCommandBuildsAWellFormedIndexedMessage) {
    // The escape's text, the listener start and stop's name, the suite's use of the value as an id.
    const std::set<std::pair<int32_t, int32_t>> outsideTable = {{38, 1017}, {38, 3014}, {31, 3554}, {142, 3554},
                                                                {183, 2092}, {71, 7}, {72, 7}};
    int built = 0;
    for (int32_t code = -1; code <= 10700; ++code) {
        Built message = Build(code, "NAME.X", 7);
        int32_t count = -1;
        if (message.data.size() >= 36) std::memcpy(&count, message.data.data() + 32, 4);
        SCOPED_TRACE(code);
        ASSERT_EQ(message.indexed, count);
        EXPECT_EQ(message.result, count > 0 || code == 40 ? 1 : 0);
        built += count > 0;
        // Beside the attribute selectors, what a request carries is a parameter the command
        // table knows for that command, when the table holds it.
        MqscKeyword *command = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &code);
        for (auto [type, id] : message.params) {
            bool checked = command != nullptr && type != ZEM_MQCFT_INTEGER_LIST && !outsideTable.count({code, id});
            EXPECT_TRUE(!checked || zem::FindCmdParam(command->params, zem::kFindById, &id) != nullptr) << id;
        }
    }
    EXPECT_EQ(built, 81);  // the commands with a standard request
}

// Builds the process inquiry into a message that already holds `filled` integer parameters.
int32_t BuildAfter(int filled) {
    PcfPtr message(CreatePcfMessage(7, ZEM_MQCFT_COMMAND, 0));
    Attr filler(PcfBytes().Cfin(3, 0).bytes());
    for (int i = 0; i < filled; ++i) AppendAttr(message.get(), filler.get());
    int32_t result = -1;
    CaptureStdout([&] { result = BuildPcfCmd(message.get(), "PROC", 0); });
    return result;
}

TEST(BuildPcfCmd, ResultIsTheLastAppendAndAMessageOf149ParametersGrowsOn) {
    EXPECT_EQ(BuildAfter(148), 1);
    EXPECT_EQ(BuildAfter(149), 1);  // the name and the selector continue past the 149th
    EXPECT_EQ(BuildPcfCmd(nullptr, "Q1", 0), 0);
}

}  // namespace
