// The z/OS reports that are not keyword(value) lists, line by line: SET LOG, DISPLAY LOG
// and DISPLAY GROUP, with the table states they keep between lines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "mqsc2pcf/driver.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;
using zemtest::PcfPtr;
using zem::GroupReportState;
using zem::LogReportState;

struct Line {
    int32_t status = -1;
    int32_t reason = -1;
    int32_t count = -1;
    std::string added;  // the parameters appended, as bytes
};

class ReportParsers : public ::testing::Test {
protected:
    void SetUp() override { zem::ResetReportStates(); }
    void TearDown() override { zem::ResetReportStates(); }

    // One reply line, fed to a fresh copy of the command.
    Line Feed(int32_t command, const std::string &text)
    {
        PcfPtr output(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, 64));
        PcfPtr input = zemtest::ContainerHolding(text);
        Line line;
        line.count = 55;
        zemMqsc2Pcf(input.get(), output.get(), &line.status, &line.reason, &line.count);
        std::string data = zemtest::DataOf(*output);
        EXPECT_EQ(command, output->pCfh->Command);
        line.added = data.substr(36);
        parameterCount = output->pCfh->ParameterCount;
        return line;
    }
    Line SetLog(const std::string &text) { return Feed(10633, text); }
    Line DisplayLog(const std::string &text) { return Feed(10632, text); }
    Line DisplayGroup(const std::string &text) { return Feed(10901, text); }

    void ExpectSuccess(const Line &line, const std::string &added = "")
    {
        EXPECT_EQ(0, line.status);
        EXPECT_EQ(0, line.reason);
        EXPECT_EQ(0, line.count);
        EXPECT_EQ(added, line.added);
    }

    int32_t parameterCount = 0;
};

TEST_F(ReportParsers, SetLogReadsBothSettingsOfItsCompletionMessage)
{
    ExpectSuccess(SetLog("CSQJ337I +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=1440"),
                  PcfBytes().Cfin(20637, 2).Cfin(20635, 1440).bytes());
    EXPECT_EQ(2, parameterCount);
    ExpectSuccess(SetLog("CSQJ337I +CSQ1 SET LOG completed, MAXRTU= DEALLCT=NOLIMIT"),
                  PcfBytes().Cfin(20637, 0).Cfin(20635, 0).bytes());
}

TEST_F(ReportParsers, SetLogOtherRepliesCarryNothing)
{
    ExpectSuccess(SetLog("CSQ9022I +CSQ1 CSQJU001 ' SET LOG' NORMAL COMPLETION"));
    ExpectSuccess(SetLog(""));
    ExpectSuccess(SetLog("csqj337i +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=0"));
}

TEST_F(ReportParsers, SetLogLineInTheWrongFormFails)
{
    Line noSettings = SetLog("CSQJ337I +CSQ1 SET LOG completed");
    EXPECT_EQ(2, noSettings.status);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_REPORT, noSettings.reason);
    EXPECT_EQ("", noSettings.added);

    Line wrongPrefix = SetLog("CSQJ337I +CSQ1 SET LOG completed, MAXRTU:2 DEALLCT=0");
    EXPECT_EQ(2, wrongPrefix.status);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_REPORT, wrongPrefix.reason);
    EXPECT_EQ("", wrongPrefix.added);

    // the first setting is kept; the reason no longer says the line was not understood
    Line half = SetLog("CSQJ337I +CSQ1 SET LOG completed, MAXRTU=7 DEALLCT");
    EXPECT_EQ(2, half.status);
    EXPECT_EQ(0, half.reason);
    EXPECT_EQ(PcfBytes().Cfin(20637, 7).bytes(), half.added);
    Line cut = SetLog("CSQJ337I +CSQ1 SET LOG completed, MAXRTU=7");
    EXPECT_EQ(2, cut.status);
    EXPECT_EQ(PcfBytes().Cfin(20637, 7).bytes(), cut.added);
}

TEST_F(ReportParsers, DisplayLogReportLineByLine)
{
    ExpectSuccess(DisplayLog("CSQJ322I +CSQ1 DISPLAY LOG report ..."));
    ExpectSuccess(DisplayLog("Initial parameters: MAXRTU=2 DEALLCT=0"),
                  PcfBytes().Cfin(20638, 2).Cfin(20636, 0).bytes());
    ExpectSuccess(DisplayLog("Current parameters: MAXRTU=3 DEALLCT=5"),
                  PcfBytes().Cfin(20637, 3).Cfin(20635, 5).bytes());
    ExpectSuccess(DisplayLog("Addr St CorrelID VolSer DSName"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
    ExpectSuccess(DisplayLog("---- -- -------- ------ ------"));
    EXPECT_EQ(LogReportState::kTapeTable, zem::DisplayLogState());
    ExpectSuccess(DisplayLog("0A30 B CSQ1.0001 VOL001 CSQ1.ARCHLOG1.A0000123"),
                  PcfBytes().Cfst(20905, "0A30").Cfin(20906, 3).Cfst(20907, "CSQ1.0001").Cfst(20908, "VOL001")
                      .Cfst(20909, "CSQ1.ARCHLOG1.A0000123").bytes());
    EXPECT_EQ(5, parameterCount);
    ExpectSuccess(DisplayLog("0A31 Xtra ******** ****** none"),
                  PcfBytes().Cfst(20905, "0A31").Cfin(20906, 0).Cfst(20907, "********").Cfst(20908, "******")
                      .Cfst(20909, "none").bytes());
    ExpectSuccess(DisplayLog("0A32 A"));  // too few words for a row
    ExpectSuccess(DisplayLog("End of tape unit report"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
    // a row without a new header line is not part of a table
    ExpectSuccess(DisplayLog("0A33 P CSQ1.0002 VOL002 CSQ1.ARCHLOG2"));
    ExpectSuccess(DisplayLog("CSQ9022I +CSQ1 CSQJC001 ' DISPLAY LOG' NORMAL COMPLETION"));
}

TEST_F(ReportParsers, TapeUnitStatusComesFromItsFirstLetter)
{
    const std::vector<std::pair<std::string, int32_t>> statuses = {
        {"A", 1}, {"Avail", 1}, {"P", 2}, {"B", 3}, {"X", 0}, {"a", 0}, {"-", 0}};
    for (const auto &[word, code] : statuses) {
        zem::ResetReportStates();
        DisplayLog("---- --");
        Line row = DisplayLog("0A30 " + word + " C V D");
        ExpectSuccess(row, PcfBytes().Cfst(20905, "0A30").Cfin(20906, code).Cfst(20907, "C").Cfst(20908, "V")
                               .Cfst(20909, "D").bytes());
    }
}

TEST_F(ReportParsers, DisplayLogTableEndsAtNoTapeAndHeaderOnlyStartsOutside)
{
    ExpectSuccess(DisplayLog("---- --"));
    ExpectSuccess(DisplayLog("---- --"));  // inside the table: a row too short to read
    EXPECT_EQ(LogReportState::kTapeTable, zem::DisplayLogState());
    ExpectSuccess(DisplayLog("No tape archive reading activity"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
    ExpectSuccess(DisplayLog("0A30 B C V D"));
    // "No tape" outside the table changes nothing
    ExpectSuccess(DisplayLog("No tape"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
    // the separators are whole words: a longer dash run is no header
    ExpectSuccess(DisplayLog("----- --"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
}

TEST_F(ReportParsers, DisplayLogReportCutShortLeavesTheTableOpen)
{
    DisplayLog("---- -- -------- ------ ------");
    DisplayLog("0A30 B CSQ1.0001 VOL001 DSN1");
    // The reply ends here; the next report's first line is read as a tape-unit row.
    Line next = DisplayLog("CSQJ322I +CSQ1 DISPLAY LOG report ...");
    ExpectSuccess(next, PcfBytes().Cfst(20905, "CSQJ322I").Cfin(20906, 0).Cfst(20907, "DISPLAY")
                            .Cfst(20908, "LOG").Cfst(20909, "report").bytes());
    // the settings lines are recognised in any state
    ExpectSuccess(DisplayLog("Initial parameters: MAXRTU=2 DEALLCT=0"),
                  PcfBytes().Cfin(20638, 2).Cfin(20636, 0).bytes());
    EXPECT_EQ(LogReportState::kTapeTable, zem::DisplayLogState());
    ExpectSuccess(DisplayLog("End of tape unit report"));
    EXPECT_EQ(LogReportState::kOutside, zem::DisplayLogState());
}

TEST_F(ReportParsers, DisplayLogSettingsLineInTheWrongFormFails)
{
    Line bare = DisplayLog("Initial parameters:");
    EXPECT_EQ(2, bare.status);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_REPORT, bare.reason);
    EXPECT_EQ("", bare.added);
    Line swapped = DisplayLog("Current parameters: DEALLCT=5 MAXRTU=3");
    EXPECT_EQ(2, swapped.status);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_REPORT, swapped.reason);
    EXPECT_EQ("", swapped.added);
    Line half = DisplayLog("Current parameters: MAXRTU=3");
    EXPECT_EQ(2, half.status);
    EXPECT_EQ(0, half.reason);
    EXPECT_EQ(PcfBytes().Cfin(20637, 3).bytes(), half.added);
    // "parameters" without its colon is an ordinary line
    ExpectSuccess(DisplayLog("Initial parameters MAXRTU=2 DEALLCT=0"));
}

TEST_F(ReportParsers, DisplayGroupReportLineByLine)
{
    ExpectSuccess(DisplayGroup("CSQ5100I +CSQ1 DISPLAY GROUP report follows -"));
    ExpectSuccess(DisplayGroup("CSQ5102I +CSQ1 Queue-sharing group status for QSG1"),
                  PcfBytes().Cfst(20910, "QSG1").bytes());
    EXPECT_EQ(GroupReportState::kGroupSeen, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("--------------------------------------------------------"));
    ExpectSuccess(DisplayGroup("Name Num Prefix Status Ver DB2 Connection"));
    EXPECT_EQ(GroupReportState::kMemberTable, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("CSQ1 1 +CSQ1 ACTIVE 701 DB2A ACTIVE"),
                  PcfBytes().Cfst(20911, "CSQ1").Cfst(20912, "1").Cfst(20913, "+CSQ1").Cfin(20914, 1)
                      .Cfst(20915, "701").Cfst(20916, "DB2A").Cfin(20917, 1).bytes());
    EXPECT_EQ(7, parameterCount);
    ExpectSuccess(DisplayGroup("CSQ2 2 +CSQ2 FAILED 701 DB2B PENDING"),
                  PcfBytes().Cfst(20911, "CSQ2").Cfst(20912, "2").Cfst(20913, "+CSQ2").Cfin(20914, 3)
                      .Cfst(20915, "701").Cfst(20916, "DB2B").Cfin(20917, 2).bytes());
    ExpectSuccess(DisplayGroup("CSQ3 3 +CSQ3 CREATED"));  // too few words
    ExpectSuccess(DisplayGroup("End of queue-sharing group status for QSG1"));
    EXPECT_EQ(GroupReportState::kIdle, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("CSQ4 4 +CSQ4 ACTIVE 701 DB2A ACTIVE"));  // outside a table
    ExpectSuccess(DisplayGroup("CSQ5103I +CSQ1 DB2 connection status follows"));
    EXPECT_EQ(GroupReportState::kSecondSeen, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("Name Current Backup Status Lag Retained"));
    EXPECT_EQ(GroupReportState::kSecondTable, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("DB2A 12 34 VALID 56 78"),
                  PcfBytes().Cfst(20918, "DB2A").Cfin(20919, 12).Cfin(20920, 34).Cfin(20921, 1)
                      .Cfin(20922, 56).Cfin(20923, 78).bytes());
    ExpectSuccess(DisplayGroup("DB2B 1 2 NOT FOUND 3 4"),
                  PcfBytes().Cfst(20918, "DB2B").Cfin(20919, 1).Cfin(20920, 2).Cfin(20921, 0).Cfin(20922, 3)
                      .Cfin(20923, 4).bytes());
    ExpectSuccess(DisplayGroup("DB2C x 9999999999 INVALID -5 7"),
                  PcfBytes().Cfst(20918, "DB2C").Cfin(20919, 0).Cfin(20920, 2147483647).Cfin(20921, 2)
                      .Cfin(20922, -5).Cfin(20923, 7).bytes());
    ExpectSuccess(DisplayGroup("DB2D 1 2 INVALID 5"));  // too few words
    ExpectSuccess(DisplayGroup("Report terminated, 4 lines"));
    EXPECT_EQ(GroupReportState::kIdle, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("CSQ9022I +CSQ1 CSQ5DQSG ' DISPLAY GROUP' NORMAL COMPLETION"));
}

TEST_F(ReportParsers, DisplayGroupStatusWordsMapToTheirCodes)
{
    const std::vector<std::pair<std::string, int32_t>> member = {
        {"ACTIVE", 1}, {"INACTIVE", 2}, {"FAILED", 3}, {"CREATED", 4}, {"PENDING", 0}, {"active", 0}};
    const std::vector<std::pair<std::string, int32_t>> connection = {
        {"ACTIVE", 1}, {"PENDING", 2}, {"FAILED", 3}, {"INACTIVE", 4}, {"CREATED", 0}, {"ACTIVE,", 0}};
    DisplayGroup("CSQ5102I +CSQ1 Queue-sharing group status for QSG1");
    DisplayGroup("Name");
    for (std::size_t i = 0; i < member.size(); ++i) {
        Line row = DisplayGroup("M 1 P " + member[i].first + " V D " + connection[i].first);
        EXPECT_EQ(0, row.status);
        EXPECT_EQ(PcfBytes().Cfst(20911, "M").Cfst(20912, "1").Cfst(20913, "P").Cfin(20914, member[i].second)
                      .Cfst(20915, "V").Cfst(20916, "D").Cfin(20917, connection[i].second).bytes(),
                  row.added)
            << member[i].first << " / " << connection[i].first;
    }
}

TEST_F(ReportParsers, DisplayGroupReportCutShortReadsRowsUntilTheNextMessageId)
{
    DisplayGroup("CSQ5102I +CSQ1 Queue-sharing group status for QSG1");
    DisplayGroup("Name Num Prefix Status Ver DB2 Connection");
    EXPECT_EQ(GroupReportState::kMemberTable, zem::DisplayGroupState());
    // the reply ends here: a later seven-word line is still a member row
    Line stray = DisplayGroup("a b c d e f g");
    EXPECT_EQ(0, stray.status);
    EXPECT_EQ(7, parameterCount);
    ExpectSuccess(DisplayGroup("CSQ5100I +CSQ1 DISPLAY GROUP report follows -"));
    EXPECT_EQ(GroupReportState::kIdle, zem::DisplayGroupState());
    ExpectSuccess(DisplayGroup("a b c d e f g"));
    // "Name" starts a table only after its message
    ExpectSuccess(DisplayGroup("Name Num Prefix Status Ver DB2 Connection"));
    EXPECT_EQ(GroupReportState::kIdle, zem::DisplayGroupState());
}

TEST_F(ReportParsers, DisplayGroupTablesEndAtReportTerminate)
{
    for (const char *end : {"Report terminated, not all lines shown", "Report terminate, error"}) {
        DisplayGroup("CSQ5103I +CSQ1");
        DisplayGroup("Name");
        ExpectSuccess(DisplayGroup(end));
        EXPECT_EQ(GroupReportState::kIdle, zem::DisplayGroupState()) << end;
    }
    DisplayGroup("CSQ5103I +CSQ1");
    DisplayGroup("Name");
    // without its comma the word is an ordinary first column
    DisplayGroup("Report terminated 1 VALID 2 3");
    EXPECT_EQ(GroupReportState::kSecondTable, zem::DisplayGroupState());
}

TEST_F(ReportParsers, DisplayGroupLinesInTheWrongFormFail)
{
    Line noName = DisplayGroup("CSQ5102I +CSQ1 status");
    EXPECT_EQ(2, noName.status);
    EXPECT_EQ(ZEM_RC_MQSC_BAD_REPORT, noName.reason);
    EXPECT_EQ("", noName.added);
    EXPECT_EQ(GroupReportState::kGroupSeen, zem::DisplayGroupState());

    DisplayGroup("CSQ5103I +CSQ1");
    DisplayGroup("Name");
    // NOT FOUND moves the numbers one word on: the last one is missing here
    Line cut = DisplayGroup("DB2B 1 2 NOT FOUND 3");
    EXPECT_EQ(2, cut.status);
    EXPECT_EQ(0, cut.reason);
    EXPECT_EQ(PcfBytes().Cfst(20918, "DB2B").Cfin(20919, 1).Cfin(20920, 2).Cfin(20921, 0).Cfin(20922, 3)
                  .bytes(),
              cut.added);
}

TEST_F(ReportParsers, ReportLinesMayBeNulSeparatedAndUseCarriageReturns)
{
    const char lines[] = "Current\0parameters:\r\nMAXRTU=4\0DEALLCT=6\0";
    Line line = DisplayLog(std::string(lines, sizeof lines - 1));
    ExpectSuccess(line, PcfBytes().Cfin(20637, 4).Cfin(20635, 6).bytes());
    // a tab is part of a word
    Line tabbed = DisplayLog("Current\tparameters: MAXRTU=4 DEALLCT=6");
    ExpectSuccess(tabbed);
}

TEST_F(ReportParsers, AttributeThatCannotBeAddedFailsWithNoRoom)
{
    PcfPtr output(CreatePcfMessage(10633, ZEM_MQCFT_COMMAND, 0));
    // A container that already holds the most parameters it can take.
    for (int i = 0; i < 150; ++i) {
        MESSAGE attr{};
        ASSERT_EQ(1, CreatePcfIntAttr(&attr, 1, i));
        AppendAttr(output.get(), &attr);
        DeleteMessage(&attr);
    }
    ASSERT_EQ(150, output->pCfh->ParameterCount);
    PcfPtr input = zemtest::ContainerHolding("CSQJ337I +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=0");
    int32_t status = -1, reason = -1, count = -1;
    zemMqsc2Pcf(input.get(), output.get(), &status, &reason, &count);
    EXPECT_EQ(2, status);
    EXPECT_EQ(ZEM_RC_MQSC_NO_ROOM, reason);
    EXPECT_EQ(150, output->pCfh->ParameterCount);
}

TEST(ReportWords, WordsAreRunsBetweenBlanksNewlinesReturnsAndNuls)
{
    const std::string text("  a\tb\0c\r\nd  ", 12);
    EXPECT_EQ(3, zem::CountWords(text));
    zem::WordSpan word{};
    ASSERT_TRUE(zem::FindWord(1, text, word));
    EXPECT_EQ(2u, word.offset);
    EXPECT_EQ(3u, word.length);
    ASSERT_TRUE(zem::FindWord(3, text, word));
    EXPECT_EQ(9u, word.offset);
    EXPECT_EQ(1u, word.length);
    EXPECT_FALSE(zem::FindWord(4, text, word));
    EXPECT_FALSE(zem::FindWord(0, text, word));
    EXPECT_FALSE(zem::FindWord(-1, text, word));
    EXPECT_EQ(0, zem::CountWords(""));
    EXPECT_EQ(0, zem::CountWords(std::string(" \r\n\0", 4)));

    EXPECT_TRUE(zem::WordIs(text, 2, "c"));
    EXPECT_FALSE(zem::WordIs(text, 1, "a"));
    EXPECT_FALSE(zem::WordIs(text, 3, "d "));
    EXPECT_FALSE(zem::WordIs(text, 5, ""));

    char buffer[zem::kWordChars + 1];
    std::memset(buffer, 'z', sizeof buffer);
    ASSERT_TRUE(zem::GetWord(2, text, buffer));
    EXPECT_STREQ("c", buffer);
    EXPECT_EQ('\0', buffer[zem::kWordChars]);
    EXPECT_FALSE(zem::GetWord(9, text, buffer));
    EXPECT_STREQ("", buffer);
    const std::string longWord = "x " + std::string(300, 'L') + " y";
    ASSERT_TRUE(zem::GetWord(2, longWord, buffer));
    EXPECT_EQ(std::string(255, 'L'), buffer);
    EXPECT_TRUE(zem::WordIs(longWord, 3, "y"));
}

}  // namespace
