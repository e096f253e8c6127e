// zem pcf info and zem pcf native, run as built.
#include <gtest/gtest.h>

#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"

namespace {

using namespace zemtest;

const char kSampleInfo[] =
    "Message length  624 bytes\n"
    "Type            2 MQCFT_RESPONSE\n"
    "StrucLength     36\n"
    "Version         2\n"
    "Command         13 MQCMD_INQUIRE_Q\n"
    "MsgSeqNumber    1\n"
    "Control         1\n"
    "CompCode        0\n"
    "Reason          0\n"
    "ParameterCount  12\n"
    "\n"
    " Pos  Type                     Parameter  Length  Name\n"
    "   1  MQCFT_STRING                  2016      68  MQCA_Q_NAME\n"
    "   2  MQCFT_INTEGER                   20      16  MQIA_Q_TYPE = MQQT_LOCAL\n"
    "   3  MQCFT_INTEGER                    3      16  MQIA_CURRENT_Q_DEPTH\n"
    "   4  MQCFT_INTEGER                   15      16  MQIA_MAX_Q_DEPTH\n"
    "   5  MQCFT_STRING                  2013      84  MQCA_Q_DESC\n"
    "   6  MQCFT_STRING                  2027      32  MQCA_ALTERATION_DATE\n"
    "   7  MQCFT_STRING                  2028      28  MQCA_ALTERATION_TIME\n"
    "   8  MQCFT_STRING_LIST             3011     120  MQCACF_Q_NAMES\n"
    "   9  MQCFT_INTEGER_LIST            1002      28  MQIACF_Q_ATTRS\n"
    "  10  MQCFT_BYTE_STRING             7006      40  MQBACF_CONNECTION_ID\n"
    "  11  MQCFT_INTEGER64                746      24  MQIAMO64_BYTES\n"
    "  12  MQCFT_GROUP                   8011     116  MQGACF_Q_STATISTICS_DATA\n";

TEST(ZemPcfInfo, ListsHeaderAndParametersWithSuiteTypesAndCommands)
{
    EXPECT_EQ(RunZem({"pcf", "info", SamplePath("pcf/inquire-q-response.pcf")}), (ToolRun{0, kSampleInfo, ""}));

    TempDir dir;
    std::string path = dir.write("suite.pcf", PcfBytes()
                                                  .Cfh(ZEM_MQCFT_COMMAND, 10008, 3, 3)
                                                  .Excfbl(7010, {"ab"}, 2)
                                                  .Binary(9002, "xyz")
                                                  .Cfif(20, 3, 1)
                                                  .bytes());
    EXPECT_EQ(RunZem({"pcf", "info", path}), (ToolRun{0,
                                                      "Message length  108 bytes\n"
                                                      "Type            1 MQCFT_COMMAND\n"
                                                      "StrucLength     36\n"
                                                      "Version         3\n"
                                                      "Command         10008 EXCMD_MQ_OPEN\n"
                                                      "MsgSeqNumber    1\n"
                                                      "Control         1\n"
                                                      "CompCode        0\n"
                                                      "Reason          0\n"
                                                      "ParameterCount  3\n"
                                                      "\n"
                                                      " Pos  Type                     Parameter  Length  Name\n"
                                                      "   1  EXCFT_BYTE_STRING_LIST        7010      28  MQBACF_ACCOUNTING_TOKEN\n"
                                                      "   2  EXCFT_BINARY                  9002      24  -\n"
                                                      "   3  MQCFT_INTEGER_FILTER            20      20  MQIA_Q_TYPE\n",
                                                      ""}));

    // An application activity message; a message of 160 parameters shows whole.
    auto run = RunZem({"pcf", "info", dir.write("activity.pcf", PcfBytes().Cfh(26, 0, 1).Cfin(20, 6).bytes())});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Type            26 MQCFT_APP_ACTIVITY\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("   1  MQCFT_INTEGER                   20      16  MQIA_Q_TYPE = MQQT_REMOTE\n"),
              std::string::npos) << run.out;
    run = RunZem({"pcf", "info", dir.write("many.pcf", IntegerResponse(160))});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Message length  2596 bytes\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ParameterCount  160\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n 160  MQCFT_INTEGER                  160      16  "), std::string::npos) << run.out;
}

TEST(ZemPcfNative, ConvertsThePeerSampleToTheNativeSampleAsTheFlagsSay)
{
    TempDir dir;
    const std::string out = dir.file("native.pcf"), peer = SamplePath("pcf/peer-inquire-q-response.pcf");
    const std::string native = ReadFile(SamplePath("pcf/inquire-q-response.pcf"));
    EXPECT_EQ(RunZem({"pcf", "native", peer, "-o", out, "--swap", "--ebcdic"}),
              (ToolRun{0, out + ": 624 bytes, 12 parameters\n", ""}));
    EXPECT_EQ(ReadFile(out), native);

    ASSERT_EQ(RunZem({"pcf", "native", peer, "--swap", "--output=" + out}).status, 0);
    const std::string ebcdic = SampleQueueResponse(ByteOrder::kNative, Text::kEbcdic);
    EXPECT_EQ(ReadFile(out), ebcdic);
    ASSERT_EQ(RunZem({"pcf", "native", dir.write("ebcdic.pcf", ebcdic), "--ebcdic", "-o", out}).status, 0);
    EXPECT_EQ(ReadFile(out), native);
}

TEST(ZemPcfLoad, RefusesWhatDoesNotLoadOrConvertAndBadUsage)
{
    TempDir dir;
    const std::string missing = dir.file("absent.pcf"), out = dir.file("out.pcf");
    const std::string peer = SamplePath("pcf/peer-inquire-q-response.pcf"), empty = dir.write("empty.pcf", "");
    const std::string notWellFormed = "' does not hold a well-formed PCF message\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"pcf", "info", missing}, 1, "zem pcf info: cannot read '" + missing + "'\n"},
        // The peer's sample is not loadable before conversion.
        {{"pcf", "info", peer}, 1, "zem pcf info: '" + peer + notWellFormed},
        {{"pcf", "info"}, 2, "zem pcf info: expects one FILE (see 'zem pcf info --help')\n"},
        {{"pcf", "native", peer, "-o", out}, 1,  // the order is left swapped
         "zem pcf native: '" + peer + "' does not convert to a well-formed PCF message (check --swap and --ebcdic)\n"},
        {{"pcf", "native", empty, "-o", out, "--swap"}, 1, "zem pcf native: '" + empty + "' is empty or too large\n"},
        {{"pcf", "native", missing, "-o", out}, 1, "zem pcf native: cannot read '" + missing + "'\n"},
        {{"pcf", "native", peer, "--swap", "-o", dir.path() + "/no/such/dir/out.pcf"}, 1,
         "zem pcf native: cannot write '" + dir.path() + "/no/such/dir/out.pcf'\n"},
        {{"pcf", "native", "x.pcf"}, 2, "zem pcf native: -o OUT is required\n"},
        {{"pcf", "native", "-o", "out.pcf"}, 2, "zem pcf native: expects one FILE (see 'zem pcf native --help')\n"},
    };
    for (const auto &c : cases) {
        auto run = RunZem(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err, c.err);
        if (c.status == 2) {
            EXPECT_EQ(run.out, "");  // failures may log what they read; usage errors print nothing
        }
    }
    EXPECT_EQ(ReadFile(out), "");
    EXPECT_EQ(RunZem({"pcf", "native", "x.pcf", "-o", "y", "--bogus"}).status, 2);

    for (const std::string &bytes : {std::string(), std::string("plain text, not PCF\n"), PcfBytes().Cfh(2, 13, -1).bytes(),
                                     PcfBytes().Cfh(2, 13, 2).Cfin(1, 1).bytes()}) {
        std::string path = dir.write("bad.pcf", bytes);
        auto run = RunZem({"pcf", "info", path});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "zem pcf info: '" + path + notWellFormed);
    }

    ExpectHelp("pcf info", "usage: zem pcf info FILE\n");
    ExpectHelp("pcf native", "usage: zem pcf native FILE -o OUT [--swap] [--ebcdic]\n");
}

}  // namespace
