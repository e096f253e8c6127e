// zem mqsc2pcf, run as a user runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"
#include "zemapi.h"

namespace {

using namespace std::string_literals;
using zemtest::PcfBytes;
using zemtest::RunZem;
using zemtest::ToolRun;

const std::string kNoId = ": not converted: status 2, reason 5002 (no message id in the reply, or a command "
                          "the table does not hold), count 0\n";

// What PrintPcfMessage shows for these response bytes.
std::string Listing(const std::string &bytes)
{
    zemtest::PcfPtr pcf = zemtest::ContainerHolding(bytes);
    EXPECT_EQ(1, RawToPcf(pcf.get()));
    return zemtest::MaskClocks(zemtest::CaptureStdout([&] { PrintPcfMessage(pcf.get()); }));
}

TEST(ZemMqsc2PcfTool, PrintsOrSavesEachResponseAndReportsFailures)
{
    zemtest::ExpectHelp("mqsc2pcf", "usage: zem mqsc2pcf --command N FILE... [-o|--output OUT]");

    zemtest::TempDir dir;
    const std::string queue = dir.write("queue.txt", "CSQM401I +CSQ1 QUEUE(Q1)\0CURDEPTH(5)"s);
    const std::string bad = dir.write("bad.txt", "AMQ8147 WebSphere MQ object Q1 not found.");
    const std::string good = dir.write("good.txt", "CSQM094I +CSQ1 QUEUE(Q1) NOT FOUND");
    const std::string cut = dir.write("cut.txt", "CSQJ337I +CSQ1 SET LOG completed, MAXRTU=3");
    const std::string one = dir.write("one.txt", "CSQM401I +CSQ1 QUEUE(Q1) NOSHARE");
    const std::string two = dir.write("two.txt", "CSQM401I +CSQ1 QUEUE(Q2)");
    const std::string future =
        dir.write("future.txt", "CSQM401I +CSQ1 QUEUE(Q1) QFUTURE1(YES) QFUTURE2( ) QFUTURE1(NO)");
    const std::string missing = dir.file("missing.txt"), out = dir.file("response.pcf");
    const std::string listing =
        queue + ":\n" + Listing(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(3, 5).bytes());
    const std::string usage = " (see 'zem mqsc2pcf --help')\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"--command", "13", queue}, 0, listing, ""},
        // several replies: one listing each, a blank line between them
        {{"--command", "13", queue, queue}, 0, listing + "\n" + listing, ""},
        // a failed reply is reported and the others still converted
        {{"--command", "13", bad, good, missing}, 1,
         good + ":\n" + Listing(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1, 1, 2, 2085).Cfst(2016, "Q1").bytes()),
         "zem mqsc2pcf: " + bad + kNoId + "zem mqsc2pcf: " + missing + ": cannot read the file\n"},
        {{"--command", "4711", good}, 1, "", "zem mqsc2pcf: " + good + kNoId},
        // keywords the table does not hold are named, so that a missing one is noticed
        {{"--command", "13", future}, 0,
         future + ":\n" + Listing(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1).Cfst(2016, "Q1").bytes()) + future +
             ": 3 keywords not in the table passed over: QFUTURE1 QFUTURE2\n",
         ""},
        {{"--command", "10633", cut}, 1, "",
         "zem mqsc2pcf: " + cut + ": not converted: status 2, reason 0 (the report line ended before all of its "
                                  "values), count 0\n"},
        {{"--command", "13", one, "-o", out}, 0, one + ": response saved to " + out + " (76 bytes)\n", ""},
        {{"--command", "13", "--output", out, one, two}, 0,
         one + ": response saved to " + out + ".1 (76 bytes)\n" + two + ": response saved to " + out +
             ".2 (60 bytes)\n",
         ""},
        {{"reply.txt"}, 2, "", "zem mqsc2pcf: expects --command N" + usage},
        {{"--command", "queue", "reply.txt"}, 2, "",
         "zem mqsc2pcf: --command expects a PCF command code, not 'queue'\n"},
        {{"--command", "13"}, 2, "", "zem mqsc2pcf: expects at least one reply FILE" + usage},
        {{"--command", "13", "--fast", "reply.txt"}, 2, "", "zem mqsc2pcf: unknown option '--fast'" + usage},
    };
    for (const auto &c : cases) {
        std::vector<std::string> args = {"mqsc2pcf"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args.back());
        ToolRun run = RunZem(args);
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.out, zemtest::MaskClocks(run.out));
        EXPECT_EQ(c.err, run.err);
    }
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(23, 0).bytes(), zemtest::ReadFile(out));
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1).Cfst(2016, "Q2").bytes(), zemtest::ReadFile(out + ".2"));
}

TEST(ZemMqsc2PcfTool, ReportLinesOfTheSampleShareTheirTableState)
{
    zemtest::TempDir dir;
    std::vector<std::string> args = {"mqsc2pcf", "--command", "10632", "-o", dir.file("log")};
    for (int line = 1; line <= 11; ++line) {
        char name[32];
        std::snprintf(name, sizeof name, "mqsc/display-log/%02d.txt", line);
        args.push_back(zemtest::SamplePath(name));
    }
    ToolRun run = RunZem(args);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 10632, 2).Cfin(20638, 2).Cfin(20636, 0).bytes(),
              zemtest::ReadFile(dir.file("log.2")));
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 10632, 5).Cfst(20905, "0A30").Cfin(20906, 3)
                  .Cfst(20907, "CSQ1.0001").Cfst(20908, "ARC001").Cfst(20909, "CSQ1.ARCHLOG1.A0000123")
                  .bytes(),
              zemtest::ReadFile(dir.file("log.7")));
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 10632, 0).bytes(), zemtest::ReadFile(dir.file("log.10")));
}

}  // namespace
