// zem rc and zem name, run as the built tool.
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "config_home.h"
#include "run_tool.h"

namespace {

using zemtest::ConfigHome;
using zemtest::RunZem;
using zemtest::SamplePath;
using zemtest::ToolRun;

TEST(ZemRc, PrintsTheReasonCodesName)
{
    ToolRun run = RunZem({"rc", "2035", "--home", SamplePath("")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "MQRC_NOT_AUTHORIZED\n");
    EXPECT_EQ(RunZem({"rc", "2085", "--home", SamplePath("")}).out, "MQRC_UNKNOWN_OBJECT_NAME\n");
    EXPECT_EQ(RunZem({"rc", "0", "--home", SamplePath("")}).out, "MQRC_NONE\n");

    ToolRun unknown = RunZem({"rc", "9999", "--home", SamplePath("")});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "unknown reason code\n");
}

TEST(ZemRc, NegativeCodesAndEmptyTexts)
{
    ConfigHome home;
    home.write("zemrc.ini", "[-5]\"MINUS_FIVE: x\"\n[7]\"\"\n");
    EXPECT_EQ(RunZem({"rc", "-5"}).out, "MINUS_FIVE\n");
    ToolRun empty = RunZem({"rc", "7"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "zem rc: the entry of reason code 7 has no text\n");
}

TEST(ZemRc, Usage)
{
    ToolRun bad = RunZem({"rc", "20x"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "zem rc: expected CODE, a 32-bit number\n");
    EXPECT_EQ(RunZem({"rc"}).status, 2);
    EXPECT_EQ(RunZem({"rc", "--help"}).out.rfind("usage: zem rc CODE", 0), 0u);
}

TEST(ZemName, EveryKindByItsShortName)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"msgtype", "8"}, "DATAGRAM\n"},
        {{"mqmt", "1"}, "MQMT_REQUEST\n"},
        {{"mqmt", "5"}, "MQMT_UNKNOWN\n"},
        {{"appltype", "-1"}, "UNKNOWN\n"},
        {{"feedback", "256"}, "QUIT\n"},
        {{"feedback", "301"}, "RC 301\n"},
        {{"mqfb", "301"}, "MQFB_IMS_FIRST\n"},
        {{"report", "0"}, "NONE\n"},
        {{"mqot", "9"}, "UNKNOWN VALUE 9\n"},
        {{"objtype", "5"}, "QMGR\n"},
        {{"persistence", "3"}, "UNKNOWN\n"},
        {{"exitid", "2"}, "MQXT_API_EXIT\n"},
        {{"exitreason", "28"}, "MQXR_AUTO_CLUSRCVR\n"},
        {{"exitresponse", "-7"}, "-7\n"},
        {{"exitresponse2", "12"}, "12\n"},
        {{"callertype", "2"}, "MQXACT_INTERNAL\n"},
        {{"function", "21"}, "MQCALLBACK\n"},
        {{"channeltype", "7"}, "SVRCONN\n"},
        {{"environment", "4"}, "MQXE_MQSC\n"},
    };
    for (const auto &[args, expected] : cases) {
        std::vector<std::string> command = {"name"};
        command.insert(command.end(), args.begin(), args.end());
        ToolRun run = RunZem(command);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_EQ(run.out, expected) << args[0];
    }
}

TEST(ZemName, HelpListsTheKindsAndMistakesAreUsageErrors)
{
    ToolRun help = RunZem({"name", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  feedback       Feedback          feedback codes as words (QUIT)\n"), std::string::npos);
    EXPECT_NE(help.out.find("  environment    MapEnvironment    exit environments as MQXE_ names\n"), std::string::npos);
    ToolRun kind = RunZem({"name", "colour", "1"});
    EXPECT_EQ(kind.status, 2);
    EXPECT_EQ(kind.err, "zem name: unknown kind 'colour' (see 'zem name --help')\n");
    ToolRun value = RunZem({"name", "feedback", "many"});
    EXPECT_EQ(value.status, 2);
    EXPECT_EQ(value.err, "zem name: expected KIND VALUE (see 'zem name --help')\n");
    EXPECT_EQ(RunZem({"name", "feedback", "99999999999"}).status, 2);
}

}  // namespace
