#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

#include "capture.h"
#include "run_tool.h"
#include "scoped_env.h"
#include "zemapi.h"

namespace {

using zemtest::ExpectHelp;
using zemtest::ExpectRuns;
using zemtest::RunZem;
using zemtest::ScopedEnv;
using zemtest::ToolRun;

TEST(ZemHexdump, PrintsRowsOfCharactersAndHexDigitsAndRejectsBadUsage)
{
    zemtest::TempDir dir;
    std::string odd = dir.write("odd", std::string("\x00\x7F" "ab\xC1\n", 6)), absent = dir.file("absent");
    const std::string oddRows = "00000000:  . . a b     00 7F 61 62 \n"
                                "00000004:  . .         C1 0A \n";
    const std::string rowsError = "zem hexdump: --rows takes a number from 1 to 4096, not ";
    ExpectRuns({
        {{"hexdump", dir.write("data", "ABCDEFGHIJKLMNOPQRST")},
         {0,
          "00000000:  A B C D E F G H I J K L M N O P     41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 \n"
          "00000010:  Q R S T                             51 52 53 54 \n",
          ""}},
        {{"hexdump", odd, "--rows", "4"}, {0, oddRows, ""}},
        {{"hexdump", "--rows=4", odd}, {0, oddRows, ""}},
        // A file shorter than a row is one row of its length.
        {{"hexdump", dir.write("short", "QM1")}, {0, "00000000:  Q M 1     51 4D 31 \n", ""}},
        {{"hexdump", dir.write("empty", "")}, {0, "", ""}},
        {{"hexdump"}, {2, "", "zem hexdump: expected one FILE (see 'zem hexdump --help')\n"}},
        {{"hexdump", odd, "--rows", "0"}, {2, "", rowsError + "'0'\n"}},
        {{"hexdump", odd, "--rows", "4097"}, {2, "", rowsError + "'4097'\n"}},
        {{"hexdump", odd, "--rows", "8x"}, {2, "", rowsError + "'8x'\n"}},
        {{"hexdump", absent}, {1, "", "zem hexdump: cannot read '" + absent + "'\n"}},
        {{"hexdump", dir.path()}, {1, "", "zem hexdump: cannot read '" + dir.path() + "'\n"}},
    });
    ExpectHelp("hexdump", "usage: zem hexdump FILE [--rows N]\n");
}

TEST(ZemEbcdic, ConvertsStandardInputOrAFileEitherWayAndRejectsBadUsage)
{
    const std::string ebcdic = "\xC8\x85\x93\x93\x96\x6B\x40\xA6\x96\x99\x93\x84\x4F\x15";
    EXPECT_EQ(RunZem({"ebcdic", "--to-ebcdic"}, "Hello, world!\n"), (ToolRun{0, ebcdic, ""}));
    zemtest::TempDir dir;
    const std::string oneDirection = "zem ebcdic: give exactly one of --to-ascii and --to-ebcdic\n";
    ExpectRuns({
        {{"ebcdic", "--to-ascii", dir.write("in", ebcdic)}, {0, "Hello, world!\n", ""}},
        {{"ebcdic"}, {2, "", oneDirection}},
        {{"ebcdic", "--to-ascii", "--to-ebcdic"}, {2, "", oneDirection}},
        {{"ebcdic", "--to-ascii", "a", "b"},
         {2, "", "zem ebcdic: expected at most one FILE (see 'zem ebcdic --help')\n"}},
        {{"ebcdic", "--to-ascii", "/nonexistent/file"}, {1, "", "zem ebcdic: cannot read '/nonexistent/file'\n"}},
    });
    ExpectHelp("ebcdic", "usage: zem ebcdic");
}

TEST(ZemMatch, AnswersWithTextAndExitStatus)
{
    const ToolRun match{0, "match\n", ""}, noMatch{1, "no match\n", ""};
    ExpectRuns({
        {{"match", "SYSTEM.*", "SYSTEM.DEF.QUEUE"}, match},
        {{"match", "*.QUEUE", "SYSTEM.DEF.QUEUE"}, noMatch},
        {{"match", "*.QUEUE", "SYSTEM.DEF.QUEUE", "--pattern"}, match},
        {{"match", "--pattern", "Q[0-9][0-9]", "q42"}, noMatch},
        {{"match", "--pattern", "--ignore-case", "Q[0-9][0-9]", "q42"}, match},
        {{"match", "--ignore-case", "sys*", "SYSTEM"}, match},
        {{"match", "A*"}, {2, "", "zem match: expected MASK|PATTERN and STRING (see 'zem match --help')\n"}},
        {{"match", "A*", "B", "--regex"}, {2, "", "zem match: unknown option '--regex' (see 'zem match --help')\n"}},
    });
    ExpectHelp("match", "usage: zem match MASK|PATTERN STRING [--pattern] [--ignore-case]\n");
}

// Runs in TEMP/prog/bin with no registry file and no KELDA_HOME unless a test adds them.
class ZemInstallDir : public testing::Test {
protected:
    zemtest::TempDir root;
    std::string bin = root.path() + "/prog/bin";
    ScopedEnv noHome{"KELDA_HOME", std::nullopt};
    ScopedEnv noRegistry{ZEM_REGISTRY_FILE_ENV, root.file("absent")};
    void SetUp() override
    {
        ASSERT_EQ(mkdir((root.path() + "/prog").c_str(), 0700), 0);
        ASSERT_EQ(mkdir(bin.c_str(), 0700), 0);
    }
    ToolRun Run(const std::vector<std::string> &args) { return RunZem(args, "", bin); }
};

TEST_F(ZemInstallDir, ReportsEachSourceAndJoinsPathsBelowIt)
{
    const std::string prog = root.path() + "/prog/";
    EXPECT_EQ(Run({"installdir"}), (ToolRun{0, "directory: " + prog + "\nsource: working directory\n", ""}));
    EXPECT_EQ(Run({"path", "mqgroup.ini"}), (ToolRun{0, prog + "config/groups/mqgroup.ini\n", ""}));

    std::string registry = root.write("registry", "[Software\\Trelko\\Vantorell/WMQ]\nWorkPath=/srv/suite\n");
    ScopedEnv useRegistry(ZEM_REGISTRY_FILE_ENV, registry);
    EXPECT_EQ(Run({"installdir"}).out, "directory: /srv/suite\nsource: registry\n");

    ScopedEnv home("KELDA_HOME", "/apps/suite");
    EXPECT_EQ(Run({"installdir"}).out, "directory: /apps/suite\nsource: environment\n");
    EXPECT_EQ(Run({"path", "zemrc.ini"}).out, "/apps/suite/config/groups/zemrc.ini\n");
    // A working directory too long to read gives the default (the registry is then skipped).
    std::string deep = root.path();
    while (deep.size() < 600) {
        deep += "/" + std::string(50, 'd');
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    ScopedEnv noHomeAgain("KELDA_HOME", std::nullopt);
    EXPECT_EQ(RunZem({"installdir"}, "", deep), (ToolRun{0, "directory: /opt/zemapi\nsource: default\n", ""}));

    const std::string longName(1100, 'n');
    ExpectRuns({
        {{"installdir", "extra"}, {2, "", "zem installdir: takes no arguments (see 'zem installdir --help')\n"}},
        {{"path"}, {2, "", "zem path: expected one NAME (see 'zem path --help')\n"}},
        {{"path", longName}, {1, "", "zem path: the path of '" + longName + "' is longer than 1023 characters\n"}},
    });
    ExpectHelp("installdir", "usage: zem installdir");
    ExpectHelp("path", "usage: zem path NAME\n");
}

}  // namespace
