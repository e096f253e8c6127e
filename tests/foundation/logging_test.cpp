#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <regex>
#include <string>
#include <unistd.h>

#include "capture.h"
#include "scoped_env.h"
#include "zemapi.h"

namespace {

using zemtest::CaptureStdout;

// One log entry is "\nDate: " + the ctime text + "ZEM" + message + "\n". The date varies, so
// each date line is matched by its shape and shown as <date>.
std::string Undated(const std::string &text)
{
    static const std::regex kDateLine("\nDate: (Mon|Tue|Wed|Thu|Fri|Sat|Sun) "
                                      "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                      "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n");
    return std::regex_replace(text, kDateLine, "<date>");
}

TEST(LogMsg, WritesEmptyLineDateLineAndTheTaggedMessageLiterally)
{
    std::string overlong(2000, 'x');
    overlong[986] = 'L';  // the last character that still fits the 1023-byte entry
    const struct {
        std::string message;
        int flag;
        std::string entry;
    } rows[] = {
        {"Queue manager QM1 started", 1, "<date>ZEMQueue manager QM1 started\n"},
        {"", 0, "<date>ZEM\n"},
        {"rate %d%% of %s at %n", 7, "<date>ZEMrate %d%% of %s at %n\n"},
        {overlong, 1, "<date>ZEM" + std::string(986, 'x') + "L\n"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Undated(CaptureStdout([&] { LOGMSG(row.message.c_str(), row.flag); })), row.entry);
}

TEST(Debug, OnlyAFalseConditionLogsWithTheTextCutAt511Characters)
{
    EXPECT_EQ(CaptureStdout([] { debug(1, "count > 0", 0, "queue.c", 42); }), "");
    EXPECT_EQ(Undated(CaptureStdout([] { debug(0, "count > 0", 1, "queue.c", 42); })),
              "<date>ZEM0105E  Assertion failed in queue.c at line 42: count > 0\n");
    std::string expression(1000, 'e'), head = "0105E  Assertion failed in f.c at line 7: ";
    EXPECT_EQ(Undated(CaptureStdout([&] { debug(0, expression.c_str(), 1, "f.c", 7); })),
              "<date>ZEM" + head + std::string(511 - head.size(), 'e') + "\n");
}

TEST(DebugDeathTest, FalseConditionWithoutContinueFlagFlushesTheEntryThenAborts)
{
    // Standard output goes to the death test's captured standard error, so the match also
    // shows that the entry was flushed before the process ended.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            debug(0, "pMsg != NULL", 0, "pcf.c", 313);
        },
        testing::KilledBySignal(SIGABRT),
        "\nDate: [A-Z][a-z]+ [A-Z][a-z]+ +[0-9]+ [0-9:]+ [0-9]+\nZEM0105E  Assertion failed in pcf.c at line 313: "
        "pMsg != NULL\n");
}

class LogFile : public testing::Test {
protected:
    zemtest::TempDir dir;
    zemtest::ScopedStdout restore;
};

TEST_F(LogFile, EntriesAndPlainOutputAreAppendedAfterExistingText)
{
    std::string path = dir.write("agent.log", "earlier text\n");
    ASSERT_EQ(ZemApiSetLogFile(path.c_str()), stdout);
    LOGMSG("appended", 1);
    std::printf("plain line\n");
    std::fflush(stdout);
    EXPECT_EQ(Undated(zemtest::ReadFile(path)), "earlier text\n<date>ZEMappended\nplain line\n");
}

TEST_F(LogFile, SwitchingFilesKeepsEarlierEntriesAndAFailedSwitchKeepsTheCurrentFile)
{
    std::string first = dir.file("first.log"), second = dir.file("second.log");
    ASSERT_EQ(ZemApiSetLogFile(first.c_str()), stdout);
    LOGMSG("one", 1);
    ASSERT_EQ(ZemApiSetLogFile(second.c_str()), stdout);
    LOGMSG("two", 1);
    EXPECT_EQ(ZemApiSetLogFile(dir.file("missing/x.log").c_str()), nullptr);
    LOGMSG("kept", 1);
    EXPECT_EQ(Undated(zemtest::ReadFile(first)), "<date>ZEMone\n");
    EXPECT_EQ(Undated(zemtest::ReadFile(second)), "<date>ZEMtwo\n<date>ZEMkept\n");
}

TEST_F(LogFile, UnopenableFileGivesNullAndLeavesStandardOutputBound)
{
    std::string out = CaptureStdout([&] {
        EXPECT_EQ(ZemApiSetLogFile(dir.file("no/such/dir/x.log").c_str()), nullptr);
        EXPECT_EQ(ZemApiSetLogFile(dir.path().c_str()), nullptr);
        EXPECT_EQ(ZemApiSetLogFile(nullptr), nullptr);
        LOGMSG("still here", 1);
    });
    EXPECT_EQ(Undated(out), "<date>ZEMstill here\n");
}

}  // namespace
