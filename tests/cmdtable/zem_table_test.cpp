// zem table and zem build, run as a user runs them.
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "pcf_builders.h"
#include "run_tool.h"
#include "zemapi.h"

namespace {

using zemtest::RunZem;

std::string Line(const std::string &text, int number) {
    size_t start = 0;
    for (int i = 0; i < number && start != std::string::npos; ++i) {
        start = text.find('\n', start);
        if (start != std::string::npos) ++start;
    }
    if (start == std::string::npos || start >= text.size()) return "";
    return text.substr(start, text.find('\n', start) - start);
}

int Lines(const std::string &text) {
    int count = 0;
    for (char c : text) count += c == '\n';
    return count;
}

TEST(ZemTable, ListsTheCommandArrayInLookupOrder) {
    zemtest::ToolRun run = RunZem({"table"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out), 107);
    EXPECT_EQ(Line(run.out, 0), "POS  CODE   CONSTANT                             VERB                 PARAMETERS");
    EXPECT_EQ(Line(run.out, 1), "0    38     MQCMD_ESCAPE                         \"MQSC_RESPONSE\"      -");
    EXPECT_EQ(Line(run.out, 2), "1    1      MQCMD_CHANGE_Q_MGR                   \"ALTER QMGR\"         96");
    EXPECT_EQ(Line(run.out, 4), "3    40     MQCMD_PING_Q_MGR                     \"PING QMGR\"          0");
    EXPECT_EQ(Line(run.out, 26), "25   31     MQCMD_START_CHANNEL_LISTENER         \"START LISTENER \"    7");
    EXPECT_EQ(Line(run.out, 14), "13   10611  EXCMD_MOVE_QLOCAL                    \"MOVE QLOCAL\"        5");
}

TEST(ZemTable, ListsTheParametersOfTheFirstCommandWithACode) {
    zemtest::ToolRun run = RunZem({"table", "18"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "4 \"DISPLAY QUEUE\" (MQCMD_INQUIRE_Q_NAMES 18), platforms -1, level 510\n"
              "POS  KEYWORD    ID     CONSTANT                         TYPE     FORMAT  USE VALUE NAME VALUES\n"
              "0    (verb)     18     MQCMD_INQUIRE_Q_NAMES            CMD      -       1   2     1\n"
              "1    QUEUE      2016   MQCA_Q_NAME                      STR      (%s)    1   1     2\n"
              "2    TYPE       20     MQIA_Q_TYPE                      ENUM     (%s)    0   1     1    "
              "QALIAS=3 QLOCAL=1 QREMOTE=6 QMODEL=2 QCLUSTER=7 ALL=1001\n"
              "3    CMDSCOPE   3080   MQCACF_COMMAND_SCOPE             STR      (%s)    0   1     1\n"
              "4    QSGDISP    63     MQIA_QSG_DISP                    ENUM     (%s)    0   1     1    "
              "QMGR=0 COPY=1 SHARED=2 GROUP=3 PRIVATE=4 LIVE=6 ALL=-1\n");
}

TEST(ZemTable, ShowsEmptyNamedParametersAndTheSuitesIds) {
    zemtest::ToolRun run = RunZem({"table", "10631"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Line(run.out, 0), "86 \"ARCHIVE LOG\" (EXCMD_ARCHIVE_LOG 10631), platforms 2, level 510");
    EXPECT_EQ(Line(run.out, 3),
              "1    \"\"         20631  EXIA_CANCEL_OFFLOAD              ENUM     %s      0   1     1    "
              "CANCEL OFFLOAD=1");
    // One suite id, two keywords: each shows its own constant name.
    zemtest::ToolRun status = RunZem({"table", "41"});
    EXPECT_NE(status.out.find("\n16   TASKNO     20601  EXIA_TASK_NUMBER                 INT      (%d)    0   2     1\n"),
              std::string::npos);
    zemtest::ToolRun listener = RunZem({"table", "31"});
    EXPECT_NE(listener.out.find("\n2    INDISP     20601  EXIA_INBOUND_DISP                ENUM     (%s)    0   1     1    "
                                "QMGR=1 GROUP=0\n"),
              std::string::npos);
}

TEST(ZemTable, SelectsByArrayPositionForCodesThatAppearTwice) {
    zemtest::ToolRun run = RunZem({"table", "--at", "55"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Line(run.out, 0), "55 \"START LISTENER\" (MQCMD_START_CHANNEL_LISTENER 31), platforms -1, level 600");
    zemtest::ToolRun escape = RunZem({"table", "38"});
    EXPECT_EQ(escape.status, 0);
    EXPECT_EQ(escape.out, "0 \"MQSC_RESPONSE\" (MQCMD_ESCAPE 38), platforms -1, level 510\nno parameter list\n");
}

TEST(ZemTable, RejectsUnknownCodesAndBadArguments) {
    zemtest::ToolRun unknown = RunZem({"table", "999"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "zem table: command code 999 is not in the table\n");
    zemtest::ToolRun beyond = RunZem({"table", "--at", "106"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "zem table: no command at position 106\n");
    zemtest::ToolRun word = RunZem({"table", "QUEUE"});
    EXPECT_EQ(word.status, 2);
    EXPECT_EQ(word.err, "zem table: 'QUEUE' is not a number\n");
    zemtest::ToolRun both = RunZem({"table", "13", "--at", "5"});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, "zem table: expected at most one of CODE and --at POSITION (see 'zem table --help')\n");
    zemtest::ToolRun help = RunZem({"table", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zem table [CODE | --at POSITION]\n", 0), 0u);
}

TEST(ZemBuild, SavesTheStandardRequestForPcfPrint) {
    zemtest::TempDir dir;
    std::string path = dir.file("dq.pcf");
    zemtest::ToolRun run = RunZem({"build", "--command", "13", "--name", "PAYROLL.*", "--value", "1", "-o", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, path + ": MQCMD_INQUIRE_Q (13), 3 parameters\n");
    std::string expected = zemtest::PcfBytes()
                               .Cfh(ZEM_MQCFT_COMMAND, 13, 3)
                               .Cfst(2016, "PAYROLL.*")
                               .Cfin(20, 1)
                               .Cfil(1002, {1009})
                               .bytes();
    EXPECT_EQ(zemtest::ReadFile(path), expected);
}

TEST(ZemBuild, NameAndValueDefaultToEmptyAndZero) {
    zemtest::TempDir dir;
    std::string path = dir.file("ping.pcf");
    zemtest::ToolRun run = RunZem({"build", "--command", "40", "--output", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(zemtest::ReadFile(path), zemtest::PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 40, 0).bytes());
    std::string names = dir.file("names.pcf");
    EXPECT_EQ(RunZem({"build", "--command", "17", "-o", names}).status, 0);
    EXPECT_EQ(zemtest::ReadFile(names), zemtest::PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 17, 1).Cfst(2016, "").bytes());
}

TEST(ZemBuild, CommandsWithoutAStandardRequestWriteNothing) {
    zemtest::TempDir dir;
    std::string path = dir.file("none.pcf");
    zemtest::ToolRun run = RunZem({"build", "--command", "78", "-o", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zem build: command 78 (MQCMD_REFRESH_SECURITY): no standard request\n");
    EXPECT_EQ(zemtest::ReadFile(path), "");
}

TEST(ZemBuild, RejectsMissingAndMalformedOptions) {
    zemtest::ToolRun noCommand = RunZem({"build", "-o", "x.pcf"});
    EXPECT_EQ(noCommand.status, 2);
    EXPECT_EQ(noCommand.err, "zem build: --command N is required\n");
    zemtest::ToolRun badCommand = RunZem({"build", "--command", "13x", "-o", "x.pcf"});
    EXPECT_EQ(badCommand.status, 2);
    EXPECT_EQ(badCommand.err, "zem build: --command '13x' is not a 32-bit number\n");
    zemtest::ToolRun badValue = RunZem({"build", "--command", "13", "--value", "4294967296", "-o", "x.pcf"});
    EXPECT_EQ(badValue.status, 2);
    EXPECT_EQ(badValue.err, "zem build: --value '4294967296' is not a 32-bit number\n");
    zemtest::ToolRun noOutput = RunZem({"build", "--command", "13"});
    EXPECT_EQ(noOutput.status, 2);
    EXPECT_EQ(noOutput.err, "zem build: -o FILE is required\n");
    zemtest::ToolRun unwritable = RunZem({"build", "--command", "2", "-o", "/nonexistent-dir/q.pcf"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "zem build: /nonexistent-dir/q.pcf: cannot be written\n");
}

}  // namespace
