// zem pcf new, add, print and dump, run as built.
#include <gtest/gtest.h>

#include <string>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"

namespace {

using namespace zemtest;

// What the library's printer shows for the message in the file (the tool must show the same;
// the printer's own texts are checked with the printer).
std::string Library(int (*print)(PcfMessage *), const std::string &path)
{
    PcfPtr pcf = ContainerHolding(ReadFile(path));
    CaptureStdout([&] { RawToPcf(pcf.get()); });
    return MaskClocks(CaptureStdout([&] { print(pcf.get()); }));
}

TEST(ZemPcfBuild, NewWritesBareHeaderOfEveryTypeAndAddAppendsInCommandLineOrderPast149)
{
    TempDir dir;
    const std::string file = dir.file("m.pcf");
    EXPECT_EQ(RunZem({"pcf", "new", "--command", "13", "-o", file}), (ToolRun{0, "", ""}));
    EXPECT_EQ(ReadFile(file), PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 0).bytes());
    EXPECT_EQ(RunZem({"pcf", "new", "--command=8001", "--type", "7", "--output", dir.file("e.pcf")}), (ToolRun{0, "", ""}));
    EXPECT_EQ(ReadFile(dir.file("e.pcf")), PcfBytes().Cfh(ZEM_MQCFT_EVENT, 8001, 0).bytes());

    EXPECT_EQ(RunZem({"pcf", "add", file, "--int", "20=1", "--str", "2016=Q.ONE", "--int-list=1002=3,-4", "--str-list",
                      "3011=AB,C", "--int64", "3001=-5000000000", "--bytes", "7001=00aBfF", "--int", "20=2"}),
              (ToolRun{0, "", ""}));
    EXPECT_EQ(ReadFile(file), PcfBytes()
                                  .Cfh(ZEM_MQCFT_COMMAND, 13, 7, 2)
                                  .Cfin(20, 1)
                                  .Cfst(2016, "Q.ONE")
                                  .Cfil(1002, {3, -4})
                                  .Cfsl(3011, {"AB", "C "}, 2)
                                  .Cfin64(3001, INT64_C(-5000000000))
                                  .Cfbs(7001, Lit("\x00\xAB\xFF"))
                                  .Cfin(20, 2)
                                  .bytes());

    // Past the 149th parameter the message grows on and is saved whole.
    const std::string fullFile = dir.write("full.pcf", IntegerResponse(149));
    EXPECT_EQ(RunZem({"pcf", "add", fullFile, "--int", "150=150", "--int", "151=151"}), (ToolRun{0, "", ""}));
    EXPECT_EQ(ReadFile(fullFile), IntegerResponse(151));

    // Every header type IBM MQ publishes, user (8), activity (26) and status (27) included.
    for (const char *type : {"8", "26", "27"}) {
        EXPECT_EQ(RunZem({"pcf", "new", "--command", "0", "--type", type, "-o", file}), (ToolRun{0, "", ""}));
        EXPECT_EQ(ReadFile(file), PcfBytes().Cfh(std::stoi(type), 0, 0).bytes());
        EXPECT_EQ(RunZem({"pcf", "add", file, "--int", "20=1"}).status, 0);
    }
}

TEST(ZemPcfBuild, PrintListsTheBuiltMessageAndDumpShowsRawBytesEvenOfAMalformedOne)
{
    TempDir dir;
    const std::string file = dir.file("m.pcf");
    ASSERT_EQ(RunZem({"pcf", "new", "--command", "13", "-o", file}).status, 0);
    ASSERT_EQ(RunZem({"pcf", "add", file, "--str", "2016=Q1", "--int-list", "1002=1,2"}).status, 0);
    auto run = RunZem({"pcf", "print", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(MaskClocks(run.out), Library(PrintPcfMessage, file));
    // --names ends the lines that show an id with its name, and an integer's with its value's.
    ASSERT_EQ(RunZem({"pcf", "add", file, "--int", "20=1", "--int", "9999=1"}).status, 0);
    run = RunZem({"pcf", "print", file, "--names"});
    EXPECT_EQ(run.status, 0);
    const std::string named = zemtest::MaskClocks(run.out);
    for (const char *line : {"->Type(1), StrucLength(36), Version(1), Command(13 = MQCMD_INQUIRE_Q)\n",
                             "->Type(4), StrucLength(24), Parameter(2016), CharSet(0)  [MQCA_Q_NAME]\n",
                             "->StringLength(2), String(\"Q1\")\n",
                             "->Type(5), StrucLength(24), Parameter (1002), Count(2)  [MQIACF_Q_ATTRS]\n",
                             "->Type(3), StrucLength(16), Parameter (20), Value(1)  [MQIA_Q_TYPE = MQQT_LOCAL]\n",
                             "->Type(3), StrucLength(16), Parameter (9999), Value(1)\n"})
        EXPECT_NE(named.find(line), std::string::npos) << line << named;

    // A header announcing a parameter that is not there.
    const std::string bad = dir.write("bad.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 1).bytes());
    run = RunZem({"pcf", "dump", bad});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(MaskClocks(run.out), Library(DumpPcfMessage, bad));
    run = RunZem({"pcf", "print", bad});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem pcf print: '" + bad + "' does not hold a well-formed PCF message\n");
}

TEST(ZemPcfBuild, BadArgumentsExitWithTwoFailuresWithOneAndEveryCommandHasHelp)
{
    TempDir dir;
    const std::string file = dir.write("m.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 0).bytes());
    const std::string missing = dir.file("missing.pcf"), empty = dir.write("empty.pcf", "");
    zemtest::ExpectRuns({
        {{"pcf", "add", file, "--int", "20=x"}, {2, "", "zem pcf add: --int '20=x': expected ID=V with integers\n"}},
        {{"pcf", "add", file, "--bytes", "1=ABC"},
         {2, "", "zem pcf add: --bytes '1=ABC': expected ID=HEX with an even number of hex digits\n"}},
        {{"pcf", "add", file, "--int-list", "1=1,,2"},
         {2, "", "zem pcf add: --int-list '1=1,,2': expected ID=V,V,... with integers\n"}},
        {{"pcf", "add", file, "--str", "2016"}, {2, "", "zem pcf add: --str '2016': expected ID=TEXT\n"}},
        {{"pcf", "add", file, "--float", "1=2"}, {2, "", "zem pcf add: unknown option '--float' (see 'zem pcf add --help')\n"}},
        {{"pcf", "add", file, "--int"}, {2, "", "zem pcf add: option --int needs a value\n"}},
        {{"pcf", "add", file}, {2, "", "zem pcf add: nothing to add (see 'zem pcf add --help')\n"}},
        {{"pcf", "new", "-o", dir.file("x")}, {2, "", "zem pcf new: --command needs an integer command code\n"}},
        {{"pcf", "new", "--command", "13", "--type", "3", "-o", dir.file("x")},
         {2, "", "zem pcf new: --type must be a PCF header type (1, 2, 7, 8, 10, 12, 16 to 19, 21, 22, 26, 27)\n"}},
        {{"pcf", "print"}, {2, "", "zem pcf print: expects one FILE (see 'zem pcf print --help')\n"}},
        {{"pcf", "print", missing}, {1, "", "zem pcf print: cannot read '" + missing + "'\n"}},
        {{"pcf", "dump", empty}, {1, "", "zem pcf dump: '" + empty + "' is empty or too large\n"}},
        {{"pcf", "add", missing, "--int", "1=1"}, {1, "", "zem pcf add: cannot read '" + missing + "'\n"}},
        {{"pcf", "new", "--command", "13", "-o", dir.file("no/such/dir/m.pcf")},
         {1, "", "zem pcf new: cannot write '" + dir.file("no/such/dir/m.pcf") + "'\n"}},
    });
    EXPECT_EQ(ReadFile(file), PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 0).bytes()) << "file left as it was";

    for (const char *command : {"print", "dump", "new", "add"})
        zemtest::ExpectHelp(std::string("pcf ") + command, std::string("usage: zem pcf ") + command);
}

}  // namespace
