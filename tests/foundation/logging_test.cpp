#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::CaptureStdout;
using zemtest::MaskClocks;

// One log entry is "\nDate: " + the ctime text + "ZEM" + message + "\n"; the date is masked.
const std::string kEntry = "\nDate: DATE\nZEM";

TEST(LogMsg, WritesEmptyLineDateLineAndTheTaggedMessageLiterally)
{
    std::string overlong(2000, 'x');
    overlong[986] = 'L';  // the last character that still fits the 1023-byte entry
    const struct {
        std::string message;
        int flag;
        std::string entry;
    } rows[] = {
        {"Queue manager QM1 started", 1, "Queue manager QM1 started"},
        {"", 0, ""},
        {"rate %d%% of %s at %n", 7, "rate %d%% of %s at %n"},
        {overlong, 1, std::string(986, 'x') + "L"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(MaskClocks(CaptureStdout([&] { LOGMSG(row.message.c_str(), row.flag); })), kEntry + row.entry + "\n");
}

TEST(Debug, OnlyAFalseConditionLogsWithTheTextCutAt511Characters)
{
    EXPECT_EQ(CaptureStdout([] { debug(1, "count > 0", 0, "queue.c", 42); }), "");
    EXPECT_EQ(MaskClocks(CaptureStdout([] { debug(0, "count > 0", 1, "queue.c", 42); })),
              kEntry + "0105E  Assertion failed in queue.c at line 42: count > 0\n");
    std::string expression(1000, 'e'), head = "0105E  Assertion failed in f.c at line 7: ";
    EXPECT_EQ(MaskClocks(CaptureStdout([&] { debug(0, expression.c_str(), 1, "f.c", 7); })),
              kEntry + head + std::string(511 - head.size(), 'e') + "\n");
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

TEST(LogFile, EntriesAreAppendedAfterExistingTextAndAFailedSwitchKeepsTheCurrentFile)
{
    zemtest::TempDir dir;
    std::string first = dir.write("first.log", "earlier text\n"), second = dir.file("second.log");
    // Standard output goes back where it was when the capture ends.
    EXPECT_EQ(zemtest::CaptureStdout([&] {
                  ASSERT_EQ(ZemApiSetLogFile(first.c_str()), stdout);
                  LOGMSG("one", 1);
                  std::printf("plain line\n");
                  ASSERT_EQ(ZemApiSetLogFile(second.c_str()), stdout);
                  LOGMSG("two", 1);
                  EXPECT_EQ(ZemApiSetLogFile(dir.file("missing/x.log").c_str()), nullptr);
                  EXPECT_EQ(ZemApiSetLogFile(dir.path().c_str()), nullptr);
                  EXPECT_EQ(ZemApiSetLogFile(nullptr), nullptr);
                  LOGMSG("kept", 1);
              }),
              "");
    EXPECT_EQ(MaskClocks(zemtest::ReadFile(first)), "earlier text\n" + kEntry + "one\nplain line\n");
    EXPECT_EQ(MaskClocks(zemtest::ReadFile(second)), kEntry + "two\n" + kEntry + "kept\n");
}

}  // namespace
