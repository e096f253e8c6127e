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

const char kHelp[] =
    "usage: zem mqsc2pcf --command N FILE... [-o OUT]\n"
    "\n"
    "Converts the MQSC replies to one PCF command into PCF responses, as a client of a\n"
    "z/OS command server does. Each FILE holds one reply message (lines may be separated\n"
    "by NUL bytes); the files are converted in the order given, each against a fresh copy\n"
    "of the command, and each response is printed. The reports of SET LOG (10633),\n"
    "DISPLAY LOG (10632) and DISPLAY GROUP (10901) come one line per reply message.\n"
    "\n"
    "  --command N   the PCF command code the replies answer (13 for DISPLAY QUEUE)\n"
    "  -o OUT        save the responses instead of printing them: the response to the\n"
    "                only FILE as OUT, the response to the n-th of several as OUT.n\n"
    "\n"
    "A reply that cannot be converted is reported with its status, reason code, the\n"
    "reason's meaning and the count of keywords recognised; the other files are still\n"
    "converted, and the exit status is 1.\n";

const std::string kNoId = ": not converted: status 2, reason 5002 (no message id in the reply, or a command "
                          "the table does not hold), count 0\n";

// The listing's heading carries the date it was printed: the dates are masked.
std::string MaskDates(std::string text)
{
    const std::string heading = "Date: ";
    for (std::size_t at = text.find(heading); at != std::string::npos; at = text.find(heading, at + 1))
        text.replace(at, text.find('\n', at) - at, heading + "D");
    return text;
}

// What PrintPcfMessage shows for these response bytes.
std::string Listing(const std::string &bytes)
{
    zemtest::PcfPtr pcf = zemtest::ContainerHolding(bytes);
    EXPECT_EQ(1, RawToPcf(pcf.get()));
    return MaskDates(zemtest::CaptureStdout([&] { PrintPcfMessage(pcf.get()); }));
}

TEST(ZemMqsc2PcfTool, HelpAndUsageErrors)
{
    ToolRun help = RunZem({"mqsc2pcf", "--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(kHelp, help.out);
    EXPECT_EQ("", help.err);

    const struct {
        std::vector<std::string> args;
        const char *err;
    } cases[] = {
        {{"mqsc2pcf", "reply.txt"}, "expects --command N (see 'zem mqsc2pcf --help')"},
        {{"mqsc2pcf", "--command", "queue", "reply.txt"}, "--command expects a PCF command code, not 'queue'"},
        {{"mqsc2pcf", "--command", "13"}, "expects at least one reply FILE (see 'zem mqsc2pcf --help')"},
        {{"mqsc2pcf", "--command", "13", "--fast", "reply.txt"}, "unknown option '--fast' (see 'zem mqsc2pcf --help')"},
    };
    for (const auto &c : cases) {
        ToolRun run = RunZem(c.args);
        EXPECT_EQ(2, run.status) << c.err;
        EXPECT_EQ("zem mqsc2pcf: "s + c.err + "\n", run.err);
        EXPECT_EQ("", run.out);
    }
}

TEST(ZemMqsc2PcfTool, PrintsTheResponseToEachReply)
{
    zemtest::TempDir dir;
    std::string reply = dir.write("queue.txt", "CSQM401I +CSQ1 QUEUE(Q1)\0CURDEPTH(5)"s);
    ToolRun run = RunZem({"mqsc2pcf", "--command", "13", reply});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const std::string listing =
        Listing(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(3, 5).bytes());
    EXPECT_EQ(reply + ":\n" + listing, MaskDates(run.out));

    // several replies: one listing each, a blank line between them
    ToolRun twice = RunZem({"mqsc2pcf", "--command", "13", reply, reply});
    EXPECT_EQ(0, twice.status);
    EXPECT_EQ(reply + ":\n" + listing + "\n" + reply + ":\n" + listing, MaskDates(twice.out));
}

TEST(ZemMqsc2PcfTool, FailedReplyIsReportedAndTheOthersStillConverted)
{
    zemtest::TempDir dir;
    std::string bad = dir.write("bad.txt", "AMQ8147 WebSphere MQ object Q1 not found.");
    std::string good = dir.write("good.txt", "CSQM094I +CSQ1 QUEUE(Q1) NOT FOUND");
    ToolRun run = RunZem({"mqsc2pcf", "--command", "13", bad, good, dir.file("missing.txt")});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("zem mqsc2pcf: " + bad + kNoId + "zem mqsc2pcf: " + dir.file("missing.txt") +
                  ": cannot read the file\n",
              run.err);
    EXPECT_EQ(good + ":\n" +
                  Listing(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1, 1, 2, 2085).Cfst(2016, "Q1").bytes()),
              MaskDates(run.out));

    ToolRun unknownCommand = RunZem({"mqsc2pcf", "--command", "4711", good});
    EXPECT_EQ(1, unknownCommand.status);
    EXPECT_EQ("zem mqsc2pcf: " + good + kNoId, unknownCommand.err);

    std::string cut = dir.write("cut.txt", "CSQJ337I +CSQ1 SET LOG completed, MAXRTU=3");
    ToolRun half = RunZem({"mqsc2pcf", "--command", "10633", cut});
    EXPECT_EQ(1, half.status);
    EXPECT_EQ("zem mqsc2pcf: " + cut +
                  ": not converted: status 2, reason 0 (the report line ended before all of its "
                  "values), count 0\n",
              half.err);
}

TEST(ZemMqsc2PcfTool, SavesTheResponsesWhenAskedTo)
{
    zemtest::TempDir dir;
    std::string one = dir.write("one.txt", "CSQM401I +CSQ1 QUEUE(Q1) NOSHARE");
    std::string out = dir.file("response.pcf");
    ToolRun single = RunZem({"mqsc2pcf", "--command", "13", one, "-o", out});
    EXPECT_EQ(0, single.status);
    EXPECT_EQ(one + ": response saved to " + out + " (76 bytes)\n", single.out);
    EXPECT_EQ(PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfst(2016, "Q1").Cfin(23, 0).bytes(),
              zemtest::ReadFile(out));

    std::string two = dir.write("two.txt", "CSQM401I +CSQ1 QUEUE(Q2)");
    ToolRun several = RunZem({"mqsc2pcf", "--command", "13", "-o", out, one, two});
    EXPECT_EQ(0, several.status);
    EXPECT_EQ(one + ": response saved to " + out + ".1 (76 bytes)\n" + two + ": response saved to " + out +
                  ".2 (60 bytes)\n",
              several.out);
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
