#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "capture.h"
#include "run_tool.h"
#include "scoped_env.h"
#include "zemapi.h"

namespace {

using zemtest::RunZem;
using zemtest::ScopedEnv;

TEST(ZemHexdump, PrintsSixteenBytesARowByDefault)
{
    zemtest::TempDir dir;
    std::string file = dir.write("data", "ABCDEFGHIJKLMNOPQRST");
    auto run = RunZem({"hexdump", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "00000000:  A B C D E F G H I J K L M N O P     "
                       "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 \n"
                       "00000010:  Q R S T                             51 52 53 54 \n");
    EXPECT_EQ(run.err, "");
}

TEST(ZemHexdump, RowsOptionAndUnprintableBytes)
{
    zemtest::TempDir dir;
    std::string file = dir.write("data", std::string("\x00\x7F" "ab\xC1\n", 6));
    auto run = RunZem({"hexdump", file, "--rows", "4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "00000000:  . . a b     00 7F 61 62 \n"
                       "00000004:  . .         C1 0A \n");
    EXPECT_EQ(RunZem({"hexdump", "--rows=4", file}).out, run.out);
}

TEST(ZemHexdump, FileShorterThanARowIsOneRowOfItsLength)
{
    zemtest::TempDir dir;
    auto run = RunZem({"hexdump", dir.write("short", "QM1")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "00000000:  Q M 1     51 4D 31 \n");
    run = RunZem({"hexdump", dir.write("empty", "")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(ZemHexdump, BundledEbcdicSample)
{
    auto run = RunZem({"hexdump", zemtest::SamplePath("foundation/queues.ebcdic"), "--rows", "30"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "00000000:  . . . . . @ . . . . . . K . . . . . K . . . . . . . K . . .     "
              "D8 D4 C7 D9 F1 40 E2 E8 E2 E3 C5 D4 4B C1 C4 D4 C9 D5 4B C3 D6 D4 D4 C1 D5 C4 4B D8 E4 C5 \n"
              "0000001E:  . . . . . . . . @ . . . . . . K . . . . . . . K . . . . . .     "
              "E4 C5 15 D8 D4 C7 D9 F2 40 E2 E8 E2 E3 C5 D4 4B C3 D6 D4 D4 C1 D5 C4 4B C9 D5 D7 E4 E3 15 \n");
}

TEST(ZemHexdump, UsageAndFileErrors)
{
    zemtest::TempDir dir;
    std::string file = dir.write("data", "AB");
    auto run = RunZem({"hexdump"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem hexdump: expected one FILE (see 'zem hexdump --help')\n");
    run = RunZem({"hexdump", file, "--rows", "0"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem hexdump: --rows takes a number from 1 to 4096, not '0'\n");
    EXPECT_EQ(RunZem({"hexdump", file, "--rows", "4097"}).status, 2);
    EXPECT_EQ(RunZem({"hexdump", file, "--rows", "8x"}).status, 2);
    run = RunZem({"hexdump", dir.file("absent")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem hexdump: cannot read '" + dir.file("absent") + "'\n");
    EXPECT_EQ(run.out, "");
    run = RunZem({"hexdump", dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem hexdump: cannot read '" + dir.path() + "'\n");
    run = RunZem({"hexdump", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zem hexdump FILE [--rows N]\n", 0), 0u) << run.out;
}

TEST(ZemEbcdic, StandardInputToEbcdicAndAFileBack)
{
    auto run = RunZem({"ebcdic", "--to-ebcdic"}, "Hello, world!\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\xC8\x85\x93\x93\x96\x6B\x40\xA6\x96\x99\x93\x84\x4F\x15");
    zemtest::TempDir dir;
    run = RunZem({"ebcdic", "--to-ascii", dir.write("in", run.out)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Hello, world!\n");
}

TEST(ZemEbcdic, BundledSampleReadsAsText)
{
    auto run = RunZem({"ebcdic", "--to-ascii", zemtest::SamplePath("foundation/queues.ebcdic")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "QMGR1 SYSTEM.ADMIN.COMMAND.QUEUE\nQMGR2 SYSTEM.COMMAND.INPUT\n");
}

TEST(ZemEbcdic, UsageErrors)
{
    auto run = RunZem({"ebcdic"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem ebcdic: give exactly one of --to-ascii and --to-ebcdic\n");
    EXPECT_EQ(RunZem({"ebcdic", "--to-ascii", "--to-ebcdic"}).status, 2);
    run = RunZem({"ebcdic", "--to-ascii", "a", "b"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem ebcdic: expected at most one FILE (see 'zem ebcdic --help')\n");
    run = RunZem({"ebcdic", "--to-ascii", "/nonexistent/file"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem ebcdic: cannot read '/nonexistent/file'\n");
    EXPECT_EQ(RunZem({"ebcdic", "--help"}).status, 0);
}

TEST(ZemMatch, MaskAndPatternAnswersWithExitStatus)
{
    auto run = RunZem({"match", "SYSTEM.*", "SYSTEM.DEF.QUEUE"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "match\n");
    run = RunZem({"match", "*.QUEUE", "SYSTEM.DEF.QUEUE"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "no match\n");
    run = RunZem({"match", "*.QUEUE", "SYSTEM.DEF.QUEUE", "--pattern"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "match\n");
    run = RunZem({"match", "--pattern", "Q[0-9][0-9]", "q42"});
    EXPECT_EQ(run.out, "no match\n");
    run = RunZem({"match", "--pattern", "--ignore-case", "Q[0-9][0-9]", "q42"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "match\n");
    run = RunZem({"match", "--ignore-case", "sys*", "SYSTEM"});
    EXPECT_EQ(run.out, "match\n");
    run = RunZem({"match", "QM1", "QM1   "});
    EXPECT_EQ(run.out, "match\n");
}

TEST(ZemMatch, UsageErrors)
{
    auto run = RunZem({"match", "A*"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem match: expected MASK|PATTERN and STRING (see 'zem match --help')\n");
    EXPECT_EQ(run.out, "");
    run = RunZem({"match", "A*", "B", "--regex"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem match: unknown option '--regex' (see 'zem match --help')\n");
    run = RunZem({"match", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zem match MASK|PATTERN STRING [--pattern] [--ignore-case]\n", 0), 0u);
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
};

TEST_F(ZemInstallDir, ReportsEachSource)
{
    auto run = RunZem({"installdir"}, "", bin);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "directory: " + root.path() + "/prog/\nsource: working directory\n");

    std::string registry = root.write("registry", "[Software\\Trelko\\Vantorell/WMQ]\nWorkPath=/srv/suite\n");
    ScopedEnv useRegistry(ZEM_REGISTRY_FILE_ENV, registry);
    run = RunZem({"installdir"}, "", bin);
    EXPECT_EQ(run.out, "directory: /srv/suite\nsource: registry\n");

    ScopedEnv home("KELDA_HOME", "/apps/suite");
    run = RunZem({"installdir"}, "", bin);
    EXPECT_EQ(run.out, "directory: /apps/suite\nsource: environment\n");
}

TEST_F(ZemInstallDir, DefaultWhenTheWorkingDirectoryIsTooLongToRead)
{
    std::string deep = root.path();
    while (deep.size() < 600) {
        deep += "/" + std::string(50, 'd');
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    auto run = RunZem({"installdir"}, "", deep);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "directory: /opt/zemapi\nsource: default\n");
}

TEST_F(ZemInstallDir, PathJoinsConfigAndGroups)
{
    auto run = RunZem({"path", "mqgroup.ini"}, "", bin);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, root.path() + "/prog/config/groups/mqgroup.ini\n");
    ScopedEnv home("KELDA_HOME", "/apps/suite");
    run = RunZem({"path", "zemrc.ini"}, "", bin);
    EXPECT_EQ(run.out, "/apps/suite/config/groups/zemrc.ini\n");
}

TEST_F(ZemInstallDir, UsageAndOverlongPathErrors)
{
    auto run = RunZem({"installdir", "extra"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem installdir: takes no arguments (see 'zem installdir --help')\n");
    run = RunZem({"path"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zem path: expected one NAME (see 'zem path --help')\n");
    run = RunZem({"path", std::string(1100, 'n')});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem path: the path of '" + std::string(1100, 'n') + "' is longer than 1023 characters\n");
    EXPECT_EQ(RunZem({"installdir", "--help"}).status, 0);
    run = RunZem({"path", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zem path NAME\n", 0), 0u);
}

}  // namespace
