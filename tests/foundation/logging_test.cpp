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
// it is checked by its shape; the returned text is everything after it.
std::string AfterDateLine(const std::string &entry)
{
    static const std::regex kDate("(Mon|Tue|Wed|Thu|Fri|Sat|Sun) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                  "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n");
    const std::string opening = "\nDate: ";
    if (entry.compare(0, opening.size(), opening) != 0) {
        ADD_FAILURE() << "entry does not open with an empty line and Date: " << entry;
        return "";
    }
    std::string date = entry.substr(opening.size(), 25);
    EXPECT_TRUE(std::regex_match(date, kDate)) << "date text: [" << date << "]";
    return entry.substr(opening.size() + 25);
}

TEST(LogMsg, WritesEmptyLineDateLineAndTaggedMessage)
{
    std::string out = CaptureStdout([] { LOGMSG("Queue manager QM1 started", 1); });
    EXPECT_EQ(AfterDateLine(out), "ZEMQueue manager QM1 started\n");
    EXPECT_EQ(out.size(), 1u + 6 + 25 + 3 + 25 + 1);
}

TEST(LogMsg, EmptyMessageLeavesOnlyTheTag)
{
    std::string out = CaptureStdout([] { LOGMSG("", 0); });
    EXPECT_EQ(AfterDateLine(out), "ZEM\n");
}

TEST(LogMsg, PercentSequencesArePrintedLiterally)
{
    std::string out = CaptureStdout([] { LOGMSG("rate %d%% of %s at %n", 7); });
    EXPECT_EQ(AfterDateLine(out), "ZEMrate %d%% of %s at %n\n");
}

TEST(LogMsg, OverlongMessageIsCutSoTheEntryFitsItsLine)
{
    std::string message(2000, 'x');
    message[986] = 'L';  // the last character that still fits
    std::string out = CaptureStdout([&] { LOGMSG(message.c_str(), 1); });
    std::string rest = AfterDateLine(out);
    EXPECT_EQ(rest, "ZEM" + std::string(986, 'x') + "L\n");
    EXPECT_EQ(out.size(), 1023u);
}

TEST(Debug, TrueConditionPrintsNothing)
{
    std::string out = CaptureStdout([] { debug(1, "count > 0", 0, "queue.c", 42); });
    EXPECT_EQ(out, "");
}

TEST(Debug, FalseConditionWithContinueFlagLogsAndReturns)
{
    std::string out = CaptureStdout([] { debug(0, "count > 0", 1, "queue.c", 42); });
    EXPECT_EQ(AfterDateLine(out), "ZEM0105E  Assertion failed in queue.c at line 42: count > 0\n");
}

TEST(Debug, OverlongAssertionTextIsCutAt511Characters)
{
    std::string expression(1000, 'e');
    std::string out = CaptureStdout([&] { debug(0, expression.c_str(), 1, "f.c", 7); });
    std::string head = "0105E  Assertion failed in f.c at line 7: ";
    EXPECT_EQ(AfterDateLine(out), "ZEM" + head + std::string(511 - head.size(), 'e') + "\n");
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

TEST_F(LogFile, EntriesAreAppendedAfterExistingText)
{
    std::string path = dir.write("agent.log", "earlier text\n");
    ASSERT_EQ(ZemApiSetLogFile(path.c_str()), stdout);
    LOGMSG("appended", 1);
    std::string text = zemtest::ReadFile(path);
    ASSERT_EQ(text.compare(0, 13, "earlier text\n"), 0) << text;
    EXPECT_EQ(AfterDateLine(text.substr(13)), "ZEMappended\n");
}

TEST_F(LogFile, EverythingPrintedToStandardOutputLandsInTheFile)
{
    std::string path = dir.file("new.log");
    ASSERT_EQ(ZemApiSetLogFile(path.c_str()), stdout);
    std::printf("plain line\n");
    std::fflush(stdout);
    EXPECT_EQ(zemtest::ReadFile(path), "plain line\n");
}

TEST_F(LogFile, SwitchingFilesKeepsEarlierEntriesInTheFirstFileOnly)
{
    std::string first = dir.file("first.log"), second = dir.file("second.log");
    ASSERT_EQ(ZemApiSetLogFile(first.c_str()), stdout);
    LOGMSG("one", 1);
    ASSERT_EQ(ZemApiSetLogFile(second.c_str()), stdout);
    LOGMSG("two", 1);
    EXPECT_EQ(AfterDateLine(zemtest::ReadFile(first)), "ZEMone\n");
    EXPECT_EQ(AfterDateLine(zemtest::ReadFile(second)), "ZEMtwo\n");
}

TEST_F(LogFile, UnopenableFileGivesNullAndLeavesStandardOutputBound)
{
    std::string missingDir = dir.file("no/such/dir/x.log");
    std::string out = CaptureStdout([&] {
        EXPECT_EQ(ZemApiSetLogFile(missingDir.c_str()), nullptr);
        EXPECT_EQ(ZemApiSetLogFile(dir.path().c_str()), nullptr);
        EXPECT_EQ(ZemApiSetLogFile(nullptr), nullptr);
        LOGMSG("still here", 1);
    });
    EXPECT_EQ(AfterDateLine(out), "ZEMstill here\n");
}

TEST_F(LogFile, FailedSwitchKeepsTheCurrentLogFile)
{
    std::string path = dir.file("kept.log");
    ASSERT_EQ(ZemApiSetLogFile(path.c_str()), stdout);
    EXPECT_EQ(ZemApiSetLogFile(dir.file("missing/x.log").c_str()), nullptr);
    LOGMSG("kept", 1);
    EXPECT_EQ(AfterDateLine(zemtest::ReadFile(path)), "ZEMkept\n");
}

}  // namespace
