// The z/OS reports that are not keyword(value) lists, line by line: SET LOG, DISPLAY LOG
// and DISPLAY GROUP, with the table states they keep between lines.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "mqsc2pcf/driver.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace std::string_literals;
using zemtest::PcfBytes;
using zemtest::PcfPtr;

constexpr int32_t kSetLog = 10633, kDisplayLog = 10632, kDisplayGroup = 10901;
constexpr int32_t kBad = ZEM_RC_MQSC_BAD_REPORT;

std::string In(int32_t id, int32_t value) { return PcfBytes().Cfin(id, value).bytes(); }
std::string St(int32_t id, const std::string &text) { return PcfBytes().Cfst(id, text).bytes(); }

// A row of the tape-unit table of DISPLAY LOG.
std::string Tape(const char *unit, int32_t status, const char *correlator, const char *volume, const char *dataSet)
{
    return St(20905, unit) + In(20906, status) + St(20907, correlator) + St(20908, volume) + St(20909, dataSet);
}
// Rows of the two tables of DISPLAY GROUP: members, then DB2 connections.
std::string Member(const char *name, const char *number, const char *prefix, int32_t status, const char *version,
                   const char *db2, int32_t connection)
{
    return St(20911, name) + St(20912, number) + St(20913, prefix) + In(20914, status) + St(20915, version) +
           St(20916, db2) + In(20917, connection);
}
std::string Db2(const char *name, int32_t current, int32_t backup, int32_t status, int32_t lag, int32_t retained)
{
    return St(20918, name) + In(20919, current) + In(20920, backup) + In(20921, status) + In(20922, lag) +
           In(20923, retained);
}

// One reply line, what it should add to a fresh copy of the command, and status and reason
// when it fails. What a line leaves the parser expecting shows in what the next one adds.
struct Line {
    std::string text;
    std::string added = "";
    int32_t status = 0;
    int32_t reason = 0;
};

// Structures in a run of PCF parameters.
int32_t StructureCount(const std::string &bytes)
{
    int32_t count = 0;
    for (std::size_t at = 0; at + 8 <= bytes.size(); ++count) {
        int32_t length = 0;
        std::memcpy(&length, bytes.data() + at + 4, 4);
        at += static_cast<std::size_t>(length);
    }
    return count;
}

class ReportParsers : public ::testing::Test {
protected:
    void SetUp() override { zem::ResetReportStates(); }
    void TearDown() override { zem::ResetReportStates(); }

    // Feeds the lines in order, each to a fresh copy of the command.
    void Run(int32_t command, const std::vector<Line> &lines)
    {
        for (const Line &line : lines) {
            SCOPED_TRACE(line.text);
            PcfPtr output(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, 64));
            PcfPtr input = zemtest::ContainerHolding(line.text);
            int32_t status = -1, reason = -1, count = 55;
            zemMqsc2Pcf(input.get(), output.get(), &status, &reason, &count);
            EXPECT_EQ(line.status, status);
            EXPECT_EQ(line.reason, reason);
            EXPECT_TRUE(line.status != 0 || count == 0) << count;
            EXPECT_EQ(command, output->pCfh->Command);
            EXPECT_EQ(line.added, zemtest::DataOf(*output).substr(36));
            EXPECT_EQ(StructureCount(line.added), output->pCfh->ParameterCount);
        }
    }
};

TEST_F(ReportParsers, SetLogReadsBothSettingsOfItsCompletionMessage)
{
    Run(kSetLog, {
        {"CSQJ337I +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=1440", In(20637, 2) + In(20635, 1440)},
        {"CSQJ337I +CSQ1 SET LOG completed, MAXRTU= DEALLCT=NOLIMIT", In(20637, 0) + In(20635, 0)},
        {"CSQ9022I +CSQ1 CSQJU001 ' SET LOG' NORMAL COMPLETION"},
        {""},
        {"csqj337i +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=0"},
        {"CSQJ337I +CSQ1 SET LOG completed", "", 2, kBad},
        {"CSQJ337I +CSQ1 SET LOG completed, MAXRTU:2 DEALLCT=0", "", 2, kBad},
        // the first setting is kept; the reason no longer says the line was not understood
        {"CSQJ337I +CSQ1 SET LOG completed, MAXRTU=7", In(20637, 7), 2, 0},
    });
}

TEST_F(ReportParsers, DisplayLogReportLineByLine)
{
    Run(kDisplayLog, {
        {"CSQJ322I +CSQ1 DISPLAY LOG report ..."},
        {"Initial parameters: MAXRTU=2 DEALLCT=0", In(20638, 2) + In(20636, 0)},
        {"Current parameters: MAXRTU=3 DEALLCT=5", In(20637, 3) + In(20635, 5)},
        {"Addr St CorrelID VolSer DSName"},
        {"---- -- -------- ------ ------"},
        {"0A30 B CSQ1.0001 VOL001 CSQ1.ARCHLOG1.A0000123",
         Tape("0A30", 3, "CSQ1.0001", "VOL001", "CSQ1.ARCHLOG1.A0000123")},
        {"0A31 Xtra ******** ****** none", Tape("0A31", 0, "********", "******", "none")},
        {"0A32 A"},  // too few words for a row
        {"---- --"},  // inside the table: a row too short to read, not a new header
        {"0A33 A C V D", Tape("0A33", 1, "C", "V", "D")},
        // a word is cut to 255 characters
        {"0A34 A C V " + std::string(300, 'L'), Tape("0A34", 1, "C", "V", std::string(255, 'L').c_str())},
        {"End of tape unit report"},
        {"0A33 P CSQ1.0002 VOL002 CSQ1.ARCHLOG2"},  // no table without a new header line
        {"----- --"},  // the separators are whole words
        {"0A34 B C V D"},
        {"---- --"},
        {"No tape archive reading activity"},
        {"0A35 B C V D"},
        {"---- --"},
        // the reply ends here; the next report's first line is read as a tape-unit row, and
        // the settings lines are recognised in any state
        {"CSQJ322I +CSQ1 DISPLAY LOG report ...", Tape("CSQJ322I", 0, "DISPLAY", "LOG", "report")},
        {"Initial parameters: MAXRTU=2 DEALLCT=0", In(20638, 2) + In(20636, 0)},
        {"0A36 P C V D", Tape("0A36", 2, "C", "V", "D")},
        {"Initial parameters:", "", 2, kBad},
        {"Current parameters: DEALLCT=5 MAXRTU=3", "", 2, kBad},
        {"Current parameters: MAXRTU=3", In(20637, 3), 2, 0},
        {"Initial parameters MAXRTU=2 DEALLCT=0"},  // without its colon a row too short to read
        // words may be separated by NULs and carriage returns, not by tabs
        {"Current\0parameters:\r\nMAXRTU=4\0DEALLCT=6\0"s, In(20637, 4) + In(20635, 6)},
        {"Current\tparameters: MAXRTU=4 DEALLCT=6"},
        // the status of a unit comes from the first letter of its word
        {"0A30 Avail C V D", Tape("0A30", 1, "C", "V", "D")},
        {"0A30 a C V D", Tape("0A30", 0, "C", "V", "D")},
    });
}

TEST_F(ReportParsers, DisplayGroupReportLineByLine)
{
    Run(kDisplayGroup, {
        {"CSQ5100I +CSQ1 DISPLAY GROUP report follows -"},
        {"CSQ5102I +CSQ1 Queue-sharing group status for QSG1", St(20910, "QSG1")},
        {"--------------------------------------------------------"},
        {"Name Num Prefix Status Ver DB2 Connection"},
        {"CSQ1 1 +CSQ1 ACTIVE 701 DB2A ACTIVE", Member("CSQ1", "1", "+CSQ1", 1, "701", "DB2A", 1)},
        {"CSQ2 2 +CSQ2 FAILED 701 DB2B PENDING", Member("CSQ2", "2", "+CSQ2", 3, "701", "DB2B", 2)},
        {"CSQ3 3 +CSQ3 CREATED"},  // too few words
        {"End of queue-sharing group status for QSG1"},
        {"CSQ4 4 +CSQ4 ACTIVE 701 DB2A ACTIVE"},  // outside a table
        {"CSQ5103I +CSQ1 DB2 connection status follows"},
        {"Name Current Backup Status Lag Retained"},
        {"DB2A 12 34 VALID 56 78", Db2("DB2A", 12, 34, 1, 56, 78)},
        {"DB2B 1 2 NOT FOUND 3 4", Db2("DB2B", 1, 2, 0, 3, 4)},
        {"DB2C x 9999999999 INVALID -5 7", Db2("DB2C", 0, INT32_MAX, 2, -5, 7)},
        {"DB2D 1 2 INVALID 5"},  // too few words
        {"Report terminated, 4 lines"},
        {"DB2E 1 2 VALID 3 4"},
    });
}

TEST_F(ReportParsers, DisplayGroupTablesEndAtTheirLastLineOrTheNextMessageId)
{
    std::vector<Line> lines = {
        {"CSQ5102I +CSQ1 Queue-sharing group status for QSG1", St(20910, "QSG1")},
        {"Name Num Prefix Status Ver DB2 Connection"},
        // the reply ends here: a later seven-word line is still a member row
        {"a b c d e f g", Member("a", "b", "c", 0, "e", "f", 0)},
        {"CSQ5100I +CSQ1 DISPLAY GROUP report follows -"},
        {"a b c d e f g"},
        {"Name Num Prefix Status Ver DB2 Connection"},  // "Name" opens a table only after its message
        {"a b c d e f g"},
        {"CSQ5103I +CSQ1"},
        {"Name"},
        {"Report terminated, not all lines shown"},
        {"a 1 2 VALID 3 4"},
        {"CSQ5103I +CSQ1"},
        {"Name"},
        {"Report terminate, error"},
        {"a 1 2 VALID 3 4"},
        {"CSQ5103I +CSQ1"},
        {"Name"},
        // without its comma the word is an ordinary first column
        {"Report terminated 1 VALID 2 3", Db2("Report", 0, 1, 1, 2, 3)},
        // NOT FOUND moves the numbers one word on: the last one is missing here
        {"DB2B 1 2 NOT FOUND 3", St(20918, "DB2B") + In(20919, 1) + In(20920, 2) + In(20921, 0) + In(20922, 3),
         2, 0},
        // the member table follows even when the group's name is missing
        {"CSQ5102I +CSQ1 status", "", 2, kBad},
        {"Name"},
    };
    // status words of a member and of its connection, in the member table
    const std::pair<std::string, int32_t> member[] = {{"ACTIVE", 1}, {"INACTIVE", 2}, {"FAILED", 3},
                                                      {"CREATED", 4}, {"PENDING", 0}, {"active", 0}};
    const std::pair<std::string, int32_t> connection[] = {{"ACTIVE", 1}, {"PENDING", 2}, {"FAILED", 3},
                                                          {"INACTIVE", 4}, {"CREATED", 0}, {"ACTIVE,", 0}};
    for (std::size_t i = 0; i < std::size(member); ++i)
        lines.push_back({"M 1 P " + member[i].first + " V D " + connection[i].first,
                         Member("M", "1", "P", member[i].second, "V", "D", connection[i].second)});
    Run(kDisplayGroup, lines);
}

TEST_F(ReportParsers, AttributesPastThe149thParameterAreAdded)
{
    PcfPtr output(CreatePcfMessage(kSetLog, ZEM_MQCFT_COMMAND, 0));
    for (int i = 0; i < 150; ++i) {
        MESSAGE attr{};
        ASSERT_EQ(1, CreatePcfIntAttr(&attr, 1, i));
        ASSERT_EQ(1, AppendAttr(output.get(), &attr));
        DeleteMessage(&attr);
    }
    PcfPtr input = zemtest::ContainerHolding("CSQJ337I +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=0");
    int32_t status = -1, reason = -1, count = -1;
    zemMqsc2Pcf(input.get(), output.get(), &status, &reason, &count);
    EXPECT_EQ(0, status);
    EXPECT_EQ(0, reason);
    MESSAGE attr{};
    ASSERT_EQ(1, GetAttrByPos(152, &attr, output.get()));  // the second one the report added
    DeleteMessage(&attr);
}

}  // namespace
