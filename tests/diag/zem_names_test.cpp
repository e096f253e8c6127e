// zem rc and zem name, run as the built tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "config_home.h"
#include "run_tool.h"

namespace {

using zemtest::ExpectRuns;
using zemtest::SamplePath;

TEST(ZemRc, PrintsTheReasonCodesName)
{
    zemtest::ConfigHome home;
    home.write("zemrc.ini", "[-5]\"MINUS_FIVE: x\"\n[7]\"\"\n");
    ExpectRuns({
        {{"rc", "2035", "--home", SamplePath("")}, {0, "MQRC_NOT_AUTHORIZED\n", ""}},
        {{"rc", "2085", "--home", SamplePath("")}, {0, "MQRC_UNKNOWN_OBJECT_NAME\n", ""}},
        {{"rc", "0", "--home", SamplePath("")}, {0, "MQRC_NONE\n", ""}},
        {{"rc", "9999", "--home", SamplePath("")}, {1, "", "zem rc: unknown reason code\n"}},
        {{"rc", "-5"}, {0, "MINUS_FIVE\n", ""}},
        {{"rc", "7"}, {1, "", "zem rc: the entry of reason code 7 has no text\n"}},
        {{"rc", "20x"}, {2, "", "zem rc: expected CODE, a 32-bit number\n"}},
        {{"rc"}, {2, "", "zem rc: expected CODE, a 32-bit number\n"}},
    });
    zemtest::ExpectHelp("rc", "usage: zem rc CODE");
}

TEST(ZemName, EveryKindByItsShortNameAndMistakesAreUsageErrors)
{
    const char *const kKindValueName[][3] = {
        {"msgtype", "8", "DATAGRAM"},          {"mqmt", "1", "MQMT_REQUEST"},
        {"mqmt", "5", "MQMT_UNKNOWN"},         {"appltype", "-1", "UNKNOWN"},
        {"feedback", "256", "QUIT"},           {"feedback", "301", "RC 301"},
        {"mqfb", "301", "MQFB_IMS_FIRST"},     {"report", "0", "NONE"},
        {"mqot", "9", "UNKNOWN VALUE 9"},      {"objtype", "5", "QMGR"},
        {"persistence", "3", "UNKNOWN"},       {"exitid", "2", "MQXT_API_EXIT"},
        {"exitreason", "28", "MQXR_AUTO_CLUSRCVR"}, {"exitresponse", "-7", "-7"},
        {"exitresponse2", "12", "12"},         {"callertype", "2", "MQXACT_INTERNAL"},
        {"function", "21", "MQCALLBACK"},      {"channeltype", "7", "SVRCONN"},
        {"environment", "4", "MQXE_MQSC"},     {"param", "2016", "MQCA_Q_NAME"},
        {"param", "99999", "99999"},
        // Numbers are decimal, with 0x for hexadecimal: never octal.
        {"exitresponse", "010", "10"},         {"feedback", "0x100", "QUIT"},
    };
    std::vector<zemtest::ExpectedRun> runs;
    for (const auto &[kind, value, name] : kKindValueName)
        runs.push_back({{"name", kind, value}, {0, std::string(name) + "\n", ""}});
    const std::string kindValue = "zem name: expected KIND VALUE (see 'zem name --help')\n";
    runs.push_back({{"name", "colour", "1"}, {2, "", "zem name: unknown kind 'colour' (see 'zem name --help')\n"}});
    runs.push_back({{"name", "feedback", "many"}, {2, "", kindValue}});
    for (const char *bad : {"99999999999", " 5", "0x", "-"})
        runs.push_back({{"name", "feedback", bad}, {2, "", kindValue}});
    ExpectRuns(runs);

    zemtest::ToolRun help = zemtest::RunZem({"name", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *line : {"  feedback       Feedback          feedback codes as words (QUIT)\n",
                             "  environment    MapEnvironment    exit environments as MQXE_ names\n"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

}  // namespace
