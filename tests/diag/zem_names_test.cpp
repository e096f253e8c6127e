// zem rc and zem name, run as the built tool.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "capture.h"
#include "config_home.h"
#include "run_tool.h"

namespace {

using zemtest::RunZem;
using zemtest::SamplePath;

// One run of zem and what it must give; a usage error's text is not compared when err is
// left out.
struct Run {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::optional<std::string> err = std::string();
};

void ExpectRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        std::string command;
        for (const std::string &arg : run.args)
            command += arg + " ";
        SCOPED_TRACE(command);
        zemtest::ToolRun got = RunZem(run.args);
        EXPECT_EQ(got.status, run.status);
        EXPECT_EQ(got.out, run.out);
        if (run.err) {
            EXPECT_EQ(got.err, *run.err);
        }
    }
}

TEST(ZemRc, PrintsTheReasonCodesName)
{
    zemtest::ConfigHome home;
    home.write("zemrc.ini", "[-5]\"MINUS_FIVE: x\"\n[7]\"\"\n");
    ExpectRuns({
        {{"rc", "2035", "--home", SamplePath("")}, 0, "MQRC_NOT_AUTHORIZED\n"},
        {{"rc", "2085", "--home", SamplePath("")}, 0, "MQRC_UNKNOWN_OBJECT_NAME\n"},
        {{"rc", "0", "--home", SamplePath("")}, 0, "MQRC_NONE\n"},
        {{"rc", "9999", "--home", SamplePath("")}, 1, "unknown reason code\n"},
        {{"rc", "-5"}, 0, "MINUS_FIVE\n"},
        {{"rc", "7"}, 1, "", "zem rc: the entry of reason code 7 has no text\n"},
        {{"rc", "20x"}, 2, "", "zem rc: expected CODE, a 32-bit number\n"},
        {{"rc"}, 2, "", std::nullopt},
    });
    zemtest::ToolRun help = RunZem({"rc", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zem rc CODE", 0), 0u) << help.out;
}

TEST(ZemName, EveryKindByItsShortNameAndMistakesAreUsageErrors)
{
    ExpectRuns({
        {{"name", "msgtype", "8"}, 0, "DATAGRAM\n"},
        {{"name", "mqmt", "1"}, 0, "MQMT_REQUEST\n"},
        {{"name", "mqmt", "5"}, 0, "MQMT_UNKNOWN\n"},
        {{"name", "appltype", "-1"}, 0, "UNKNOWN\n"},
        {{"name", "feedback", "256"}, 0, "QUIT\n"},
        {{"name", "feedback", "301"}, 0, "RC 301\n"},
        {{"name", "mqfb", "301"}, 0, "MQFB_IMS_FIRST\n"},
        {{"name", "report", "0"}, 0, "NONE\n"},
        {{"name", "mqot", "9"}, 0, "UNKNOWN VALUE 9\n"},
        {{"name", "objtype", "5"}, 0, "QMGR\n"},
        {{"name", "persistence", "3"}, 0, "UNKNOWN\n"},
        {{"name", "exitid", "2"}, 0, "MQXT_API_EXIT\n"},
        {{"name", "exitreason", "28"}, 0, "MQXR_AUTO_CLUSRCVR\n"},
        {{"name", "exitresponse", "-7"}, 0, "-7\n"},
        {{"name", "exitresponse2", "12"}, 0, "12\n"},
        {{"name", "callertype", "2"}, 0, "MQXACT_INTERNAL\n"},
        {{"name", "function", "21"}, 0, "MQCALLBACK\n"},
        {{"name", "channeltype", "7"}, 0, "SVRCONN\n"},
        {{"name", "environment", "4"}, 0, "MQXE_MQSC\n"},
        {{"name", "colour", "1"}, 2, "", "zem name: unknown kind 'colour' (see 'zem name --help')\n"},
        {{"name", "feedback", "many"}, 2, "", "zem name: expected KIND VALUE (see 'zem name --help')\n"},
        {{"name", "feedback", "99999999999"}, 2, "", std::nullopt},
    });
    zemtest::ToolRun help = RunZem({"name", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *line : {"  feedback       Feedback          feedback codes as words (QUIT)\n",
                             "  environment    MapEnvironment    exit environments as MQXE_ names\n"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

}  // namespace
