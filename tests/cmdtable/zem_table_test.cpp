// zem table and zem build, run as a user runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"
#include "zemapi.h"

namespace {

using zemtest::RunZem;
using zemtest::ToolRun;

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(ZemTable, ListsTheCommandArrayInLookupOrder) {
    ToolRun run = RunZem({"table"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = Lines(run.out);
    size_t commands = 0;
    for (MqscKeyword **entry = GetCmdTbl(); *entry != nullptr; ++entry) ++commands;
    ASSERT_EQ(lines.size(), commands + 1);
    size_t alterQmgrParameters = 0;
    for (const MqscParam *entry = GetCmdTbl()[1]->params + 1; entry->keyword != nullptr; ++entry)
        ++alterQmgrParameters;
    EXPECT_EQ(lines[0], "POS  CODE   CONSTANT                             VERB                 PARAMETERS");
    EXPECT_EQ(lines[1], "0    38     MQCMD_ESCAPE                         \"MQSC_RESPONSE\"      -");
    EXPECT_EQ(lines[2], "1    1      MQCMD_CHANGE_Q_MGR                   \"ALTER QMGR\"         " +
                            std::to_string(alterQmgrParameters));
    EXPECT_EQ(lines[4], "3    40     MQCMD_PING_Q_MGR                     \"PING QMGR\"          0");
    EXPECT_EQ(lines[14], "13   10611  EXCMD_MOVE_QLOCAL                    \"MOVE QLOCAL\"        5");
    EXPECT_EQ(lines[26], "25   31     MQCMD_START_CHANNEL_LISTENER         \"START LISTENER \"    7");
    // Commands added later follow the first 106.
    EXPECT_EQ(lines[107], "106  122    MQCMD_INQUIRE_STG_CLASS              \"DISPLAY STGCLASS\"   11");
}

TEST(ZemTable, ListsTheParametersOfTheFirstCommandWithACode) {
    const std::string listing =
        "4 \"DISPLAY QUEUE\" (MQCMD_INQUIRE_Q_NAMES 18), platforms -1, level 510\n"
        "POS  KEYWORD    ID     CONSTANT                         TYPE     FORMAT  USE VALUE NAME LEVEL VALUES\n"
        "0    (verb)     18     MQCMD_INQUIRE_Q_NAMES            CMD      -       1   2     1    100\n"
        "1    QUEUE      2016   MQCA_Q_NAME                      STR      (%s)    1   1     2    510\n"
        "2    TYPE       20     MQIA_Q_TYPE                      ENUM     (%s)    0   1     1    510   "
        "QALIAS=3 QLOCAL=1 QREMOTE=6 QMODEL=2 QCLUSTER=7 ALL=1001\n"
        "3    CMDSCOPE   3080   MQCACF_COMMAND_SCOPE             STR      (%s)    0   1     1    510\n"
        "4    QSGDISP    63     MQIA_QSG_DISP                    ENUM     (%s)    0   1     1    510   "
        "QMGR=0 COPY=1 SHARED=2 GROUP=3 PRIVATE=4 LIVE=6 ALL=-1\n";
    EXPECT_EQ(RunZem({"table", "18"}), (ToolRun{0, listing, ""}));
    EXPECT_EQ(RunZem({"table", "38"}),
              (ToolRun{0, "0 \"MQSC_RESPONSE\" (MQCMD_ESCAPE 38), platforms -1, level 510\nno parameter list\n", ""}));
    // Keywords of later MQ levels show the level that brought them.
    EXPECT_NE(RunZem({"table", "42"}).out.find(
                  "\n42   RAPPLTAG   3548   MQCACH_REMOTE_APPL_TAG           STR      ('%s')  0   2     1    750\n"),
              std::string::npos);
    // Codes that appear twice are reached by array position.
    ToolRun at = RunZem({"table", "--at", "55"});
    EXPECT_EQ(at.status, 0);
    EXPECT_EQ(Lines(at.out).at(0), "55 \"START LISTENER\" (MQCMD_START_CHANNEL_LISTENER 31), platforms -1, level 600");
    // A keyword's level is that of the first MQ that has it, not its command's.
    EXPECT_NE(RunZem({"table", "115"}).out.find(
                  "\n8    CFCONLOS   246    MQIA_CF_CFCONLOS                 ENUM     (%s)    0   2     1    710   "
                  "TERMINATE=0 TOLERATE=1 ASQMGR=2\n"),
              std::string::npos);
}

TEST(ZemTable, ShowsEmptyNamedParametersAndTheSuitesIds) {
    ToolRun run = RunZem({"table", "10631"});
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "86 \"ARCHIVE LOG\" (EXCMD_ARCHIVE_LOG 10631), platforms 2, level 510");
    EXPECT_EQ(lines[3], "1    \"\"         20631  EXIA_CANCEL_OFFLOAD              ENUM     %s      0   1     1    510   "
                        "CANCEL OFFLOAD=1");
    // One suite id, two keywords: each shows its own constant name.
    EXPECT_NE(RunZem({"table", "41"}).out.find(
                  "\n16   TASKNO     20601  EXIA_TASK_NUMBER                 INT      (%d)    0   2     1    510\n"),
              std::string::npos);
    EXPECT_NE(RunZem({"table", "31"}).out.find(
                  "\n2    INDISP     20601  EXIA_INBOUND_DISP                ENUM     (%s)    0   1     1    510   "
                  "QMGR=1 GROUP=0\n"),
              std::string::npos);
}

TEST(ZemTable, RejectsUnknownCodesAndBadArguments) {
    zemtest::ExpectRuns({
        {{"table", "999"}, {1, "", "zem table: command code 999 is not in the table\n"}},
        {{"table", "--at", "124"}, {1, "", "zem table: no command at position 124\n"}},
        {{"table", "QUEUE"}, {2, "", "zem table: 'QUEUE' is not a number\n"}},
        {{"table", "13", "--at", "5"},
         {2, "", "zem table: expected at most one of CODE and --at POSITION (see 'zem table --help')\n"}},
    });
    zemtest::ExpectHelp("table", "usage: zem table [CODE | --at POSITION]\n");
}

TEST(ZemBuild, SavesTheStandardRequestWithNameAndValueDefaultingToEmptyAndZero) {
    zemtest::TempDir dir;
    std::string path = dir.file("dq.pcf"), ping = dir.file("ping.pcf"), names = dir.file("names.pcf");
    EXPECT_EQ(RunZem({"build", "--command", "13", "--name", "PAYROLL.*", "--value", "1", "-o", path}),
              (ToolRun{0, path + ": MQCMD_INQUIRE_Q (13), 3 parameters\n", ""}));
    EXPECT_EQ(zemtest::ReadFile(path), zemtest::PcfBytes()
                                           .Cfh(ZEM_MQCFT_COMMAND, 13, 3)
                                           .Cfst(2016, "PAYROLL.*")
                                           .Cfin(20, 1)
                                           .Cfil(1002, {1009})
                                           .bytes());
    EXPECT_EQ(RunZem({"build", "--command", "40", "--output", ping}).status, 0);
    EXPECT_EQ(zemtest::ReadFile(ping), zemtest::PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 40, 0).bytes());
    EXPECT_EQ(RunZem({"build", "--command", "17", "-o", names}).status, 0);
    EXPECT_EQ(zemtest::ReadFile(names), zemtest::PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 17, 1).Cfst(2016, "").bytes());
}

TEST(ZemBuild, RejectsMissingOptionsMalformedNumbersAndCommandsWithoutAStandardRequest) {
    zemtest::TempDir dir;
    std::string none = dir.file("none.pcf");
    zemtest::ExpectRuns(
        {
            {{"build", "--command", "78", "-o", none},
             {1, "", "zem build: command 78 (MQCMD_REFRESH_SECURITY): no standard request\n"}},
            {{"build", "-o", "x.pcf"}, {2, "", "zem build: --command N is required\n"}},
            {{"build", "--command", "13x", "-o", "x.pcf"},
             {2, "", "zem build: --command '13x' is not a 32-bit number\n"}},
            {{"build", "--command", "13", "--value", "4294967296", "-o", "x.pcf"},
             {2, "", "zem build: --value '4294967296' is not a 32-bit number\n"}},
            {{"build", "--command", "13"}, {2, "", "zem build: -o FILE is required\n"}},
            {{"build", "--command", "2", "-o", "/nonexistent-dir/q.pcf"},
             {1, "", "zem build: /nonexistent-dir/q.pcf: cannot be written\n"}},
        },
        dir.path());
    EXPECT_EQ(zemtest::ReadFile(none), "");
}

}  // namespace
