// zem pcf info and zem pcf native, run as built.
#include <gtest/gtest.h>

#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"

namespace {

using zemtest::RunZem;
using zemtest::SamplePath;
using zemtest::TempDir;

const char kSampleInfo[] =
    "Message length  624 bytes\n"
    "Type            2 MQCFT_RESPONSE\n"
    "StrucLength     36\n"
    "Version         1\n"
    "Command         13 MQCMD_INQUIRE_Q\n"
    "MsgSeqNumber    1\n"
    "Control         1\n"
    "CompCode        0\n"
    "Reason          0\n"
    "ParameterCount  12\n"
    "\n"
    " Pos  Type                     Parameter  Length\n"
    "   1  MQCFT_STRING                  2016      68\n"
    "   2  MQCFT_INTEGER                   20      16\n"
    "   3  MQCFT_INTEGER                    3      16\n"
    "   4  MQCFT_INTEGER                   15      16\n"
    "   5  MQCFT_STRING                  2013      84\n"
    "   6  MQCFT_STRING                  2027      32\n"
    "   7  MQCFT_STRING                  2028      28\n"
    "   8  MQCFT_STRING_LIST             3011     120\n"
    "   9  MQCFT_INTEGER_LIST            1002      28\n"
    "  10  MQCFT_BYTE_STRING             7006      40\n"
    "  11  MQCFT_INTEGER64                746      24\n"
    "  12  MQCFT_GROUP                   8011     116\n";

TEST(ZemPcfInfo, ListsHeaderAndParametersOfTheSample)
{
    auto run = RunZem({"pcf", "info", SamplePath("pcf/inquire-q-response.pcf")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kSampleInfo);
    EXPECT_EQ(run.err, "");
}

TEST(ZemPcfInfo, ShowsSuiteTypesAndCommands)
{
    TempDir dir;
    std::string path = dir.write("suite.pcf", zemtest::PcfBytes()
                                                  .Cfh(ZEM_MQCFT_COMMAND, 10008, 3, 3)
                                                  .Excfbl(7010, {"ab"}, 2)
                                                  .Binary(9002, "xyz")
                                                  .Cfif(20, 3, 1)
                                                  .bytes());
    auto run = RunZem({"pcf", "info", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
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
              " Pos  Type                     Parameter  Length\n"
              "   1  EXCFT_BYTE_STRING_LIST        7010      28\n"
              "   2  EXCFT_BINARY                  9002      24\n"
              "   3  MQCFT_INTEGER_FILTER            20      20\n");
}

TEST(ZemPcfInfo, RefusesWhatDoesNotLoad)
{
    TempDir dir;
    std::string missing = dir.file("absent.pcf");
    auto run = RunZem({"pcf", "info", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf info: cannot read '" + missing + "'\n");

    for (const std::string &bytes : {std::string(), std::string("plain text, not PCF\n"),
                                     zemtest::PcfBytes().Cfh(2, 13, -1).bytes(),
                                     zemtest::PcfBytes().Cfh(2, 13, 2).Cfin(1, 1).bytes()}) {
        std::string path = dir.write("bad.pcf", bytes);
        run = RunZem({"pcf", "info", path});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "zem pcf info: '" + path + "' does not hold a well-formed PCF message\n");
    }
    // The peer's sample is not loadable before conversion.
    std::string peer = SamplePath("pcf/peer-inquire-q-response.pcf");
    run = RunZem({"pcf", "info", peer});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf info: '" + peer + "' does not hold a well-formed PCF message\n");
}

TEST(ZemPcfInfo, UsageAndHelp)
{
    auto run = RunZem({"pcf", "info"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem pcf info: expects one FILE (see 'zem pcf info --help')\n");
    run = RunZem({"pcf", "info", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zem pcf info FILE\n", 0), 0u) << run.out;
}

TEST(ZemPcfNative, ConvertsThePeerSampleToTheNativeSample)
{
    TempDir dir;
    std::string out = dir.file("native.pcf");
    auto run = RunZem({"pcf", "native", SamplePath("pcf/peer-inquire-q-response.pcf"), "-o", out, "--swap", "--ebcdic"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, out + ": 624 bytes, 12 parameters\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(zemtest::ReadFile(out), zemtest::ReadFile(SamplePath("pcf/inquire-q-response.pcf")));

    run = RunZem({"pcf", "info", out});
    EXPECT_EQ(run.out, kSampleInfo);
}

TEST(ZemPcfNative, FlagsChooseWhatIsConverted)
{
    TempDir dir;
    std::string out = dir.file("swapped-only.pcf");
    auto run = RunZem({"pcf", "native", SamplePath("pcf/peer-inquire-q-response.pcf"), "--swap", "--output=" + out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(zemtest::ReadFile(out),
              zemtest::SampleQueueResponse(zemtest::ByteOrder::kNative, zemtest::Text::kEbcdic));

    std::string ebcdic = dir.write("ebcdic.pcf", zemtest::SampleQueueResponse(zemtest::ByteOrder::kNative, zemtest::Text::kEbcdic));
    run = RunZem({"pcf", "native", ebcdic, "--ebcdic", "-o", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(zemtest::ReadFile(out), zemtest::ReadFile(SamplePath("pcf/inquire-q-response.pcf")));
}

TEST(ZemPcfNative, FailsWhenTheResultIsNotAMessage)
{
    TempDir dir;
    std::string out = dir.file("out.pcf");
    std::string peer = SamplePath("pcf/peer-inquire-q-response.pcf");
    auto run = RunZem({"pcf", "native", peer, "-o", out});  // the order is left swapped
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf native: '" + peer +
                           "' does not convert to a well-formed PCF message (check --swap and --ebcdic)\n");
    EXPECT_EQ(zemtest::ReadFile(out), "");

    std::string empty = dir.write("empty.pcf", "");
    run = RunZem({"pcf", "native", empty, "-o", out, "--swap"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf native: '" + empty + "' is empty or too large\n");

    std::string missing = dir.file("absent.pcf");
    run = RunZem({"pcf", "native", missing, "-o", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf native: cannot read '" + missing + "'\n");

    run = RunZem({"pcf", "native", peer, "--swap", "-o", dir.path() + "/no/such/dir/out.pcf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf native: cannot write '" + dir.path() + "/no/such/dir/out.pcf'\n");
}

TEST(ZemPcfNative, UsageAndHelp)
{
    auto run = RunZem({"pcf", "native", "x.pcf"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem pcf native: -o OUT is required\n");
    run = RunZem({"pcf", "native", "-o", "out.pcf"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem pcf native: expects one FILE (see 'zem pcf native --help')\n");
    run = RunZem({"pcf", "native", "x.pcf", "-o", "y", "--bogus"});
    EXPECT_EQ(run.status, 2);
    run = RunZem({"pcf", "native", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zem pcf native FILE -o OUT [--swap] [--ebcdic]\n", 0), 0u) << run.out;
}

}  // namespace
