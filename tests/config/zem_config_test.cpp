// zem ini, permit and workgroup, run as the built tool.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "capture.h"
#include "config_home.h"
#include "run_tool.h"

namespace {

using zemtest::ConfigHome;
using zemtest::RunZem;
using zemtest::SamplePath;
using zemtest::TempDir;
using zemtest::ToolRun;

const std::string kPermFile = SamplePath("config/groups/operators.perm");

TEST(ZemIni, PrintsTheValueOfTheFirstFittingKey)
{
    TempDir dir;
    std::string path = dir.write("site.ini", "# site\nName=North Site\nPort=1414\nQM*=wild\n");
    ToolRun run = RunZem({"ini", path, "Name"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "North Site\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunZem({"ini", path, "P*"}).out, "1414\n");

    ToolRun missing = RunZem({"ini", path, "QM1"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "zem ini: no entry fits 'QM1' in " + path + "\n");
}

TEST(ZemIni, DelimiterOptionsTakeEscapes)
{
    TempDir dir;
    std::string path = dir.write("rc.ini", "[2035]\"MQRC_NOT_AUTHORIZED: text\"\nName=a b\tc\n");
    EXPECT_EQ(RunZem({"ini", path, "[2035]", "--key-delims", " \"", "--value-delims", "\""}).out,
              "MQRC_NOT_AUTHORIZED: text\n");
    EXPECT_EQ(RunZem({"ini", path, "Name", "--value-delims", " \\n\\t"}).out, "a\n");
    EXPECT_EQ(RunZem({"ini", path, "Name", "--value-delims", "\\t"}).out, "a b\n");
    ToolRun tooMany = RunZem({"ini", path, "Name", "--key-delims", std::string(33, '=')});
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_EQ(tooMany.err, "zem ini: --key-delims takes at most 32 characters\n");
}

TEST(ZemIni, ListPrintsEveryEntryInFileOrder)
{
    TempDir dir;
    std::string path = dir.write("site.ini", "# site\nName=North\n\nPort=1414\nEmpty=\n");
    ToolRun run = RunZem({"ini", path, "--list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Name=North\nPort=1414\nEmpty=\n");
}

TEST(ZemIni, FailuresAndUsage)
{
    TempDir dir;
    std::string missing = dir.file("none.ini");
    ToolRun run = RunZem({"ini", missing, "Key"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem ini: Opening file " + missing + " failed\nERRNO(2): ERRSTR(" + std::strerror(ENOENT) +
                           ")\n");
    EXPECT_EQ(RunZem({"ini", missing}).status, 2);
    EXPECT_EQ(RunZem({"ini", missing, "Key", "--list"}).err, "zem ini: expected FILE with --list\n");
    ToolRun help = RunZem({"ini", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zem ini FILE KEY", 0), 0u);
}

TEST(ZemPermit, RuleAgainstKeyPrintsFitsOrDoesNotFit)
{
    ToolRun fits = RunZem({"permit", "UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER1\\SYSTEM.DEF"});
    EXPECT_EQ(fits.status, 0);
    EXPECT_EQ(fits.out, "fits\n");
    ToolRun system = RunZem({"permit", "UserAuthority::QM1::*\\Q1", "UserAuthority::QM1::$SYSTEM$\\Q1"});
    EXPECT_EQ(system.status, 1);
    EXPECT_EQ(system.out, "does not fit\n");
    EXPECT_EQ(RunZem({"permit", "Effective::QM1", "Effective::QM1"}).out, "does not fit\n");
    EXPECT_EQ(RunZem({"permit", "UserAuthority::QM1"}).status, 2);
    ToolRun option = RunZem({"permit", "UserAuthority::QM1", "UserAuthority::QM1", "--section", "audit"});
    EXPECT_EQ(option.status, 2);
    EXPECT_EQ(option.err, "zem permit: no such file: UserAuthority::QM1\n");
}

TEST(ZemPermit, FileLookupShowsTheFirstFittingRuleOfTheKeysSection)
{
    ToolRun system = RunZem({"permit", kPermFile, "UserAuthority::QM1::$SYSTEM$\\SYSTEM.ADMIN.COMMAND.QUEUE"});
    EXPECT_EQ(system.status, 0);
    EXPECT_EQ(system.out, "rule:  UserAuthority::QM1::$SYSTEM$\\SYSTEM.ADMIN.*\nvalue: Y\n");
    EXPECT_EQ(RunZem({"permit", kPermFile, "UserAuthority::QM1::OPER7\\SYSTEM.ADMIN.COMMAND.QUEUE"}).out,
              "rule:  UserAuthority::QM1::OPER*\\SYSTEM.ADMIN.*\nvalue: N\n");
    EXPECT_EQ(RunZem({"permit", kPermFile, "UserAuthority::QM2::APP01\\APP.ORDERS"}).out,
              "rule:  UserAuthority::QM?::APP??\\APP.*\nvalue: Y\n");
    EXPECT_EQ(RunZem({"permit", kPermFile, "UserAuthority::QM9::ANY\\ANY.Q"}).out,
              "rule:  UserAuthority::QM*::*\\*\nvalue: N\n");
    EXPECT_EQ(RunZem({"permit", kPermFile, "Audit::QM1::USER1\\APP.ORDERS"}).out,
              "rule:  Audit::QM1::*\\APP.*\nvalue: PUT+GET\n");
    ToolRun none = RunZem({"permit", kPermFile, "UserAuthority::QX1::U\\Q"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "no rule fits\n");
}

TEST(ZemPermit, SectionOptionChoosesTheFamily)
{
    // Audit rules are not looked at for a UserAuthority key unless asked for.
    EXPECT_EQ(RunZem({"permit", kPermFile, "Audit::QM1::OPER1", "--section", "userauthority"}).out,
              "no rule fits\n");
    EXPECT_EQ(RunZem({"permit", kPermFile, "Audit::QM1::OPER1", "--section", "AUDIT"}).out,
              "rule:  Audit::QM1::OPER*\nvalue: ALL\n");
    ToolRun unnamed = RunZem({"permit", kPermFile, "QM1::OPER1"});
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_EQ(unnamed.err, "zem permit: KEY names no section: give --section NAME\n");
    ToolRun unknown = RunZem({"permit", kPermFile, "QM1::OPER1", "--section", "other"});
    EXPECT_EQ(unknown.err, "zem permit: unknown section 'other' (effective, userauthority, audit or trust)\n");
}

TEST(ZemPermit, EmptyPermissionFileFails)
{
    TempDir dir;
    std::string empty = dir.write("empty.perm", "");
    ToolRun run = RunZem({"permit", empty, "UserAuthority::QM1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem permit: Get size of file " + empty + " failed\nERRNO(0): ERRSTR(" + std::strerror(0) +
                           ")\n");
}

TEST(ZemWorkgroup, PrintsEveryResolvableValueWithPasswordsMasked)
{
    ToolRun run = RunZem({"workgroup", "PROD", "--home", SamplePath("")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Workgroup    PROD\n"
                       "Group        G100\n"
                       "Node         mqmon01.example.net\n"
                       "Service      7200\n"
                       "VNTDSNode    mqdir01.example.net\n"
                       "VNTDSPort    7201\n"
                       "DBDSN        MQMONPROD\n"
                       "DBUser       mqmon\n"
                       "DBPwd        ********\n"
                       "DBSchema     MQMON\n"
                       "DBPSchema    MQMONP\n"
                       "QX7DBDSN     QX7PROD\n"
                       "QX7DBUser    qx7\n"
                       "QX7DBPwd     ********\n"
                       "QX7DBSchema  QX7\n");
    EXPECT_EQ(RunZem({"workgroup", "PIL*", "--home", SamplePath("")}).out, "Workgroup    PIL*\n"
                                                                            "Group        G200\n"
                                                                            "Node         mqmon-pilot.example.net\n"
                                                                            "Service      7300\n");
}

TEST(ZemWorkgroup, TakesTheInstallDirectoryFromTheEnvironment)
{
    ConfigHome home;
    home.write("mqgroup.ini", "Group::T=G\nG::Service=9\nG::DBPwd=\n");
    ToolRun run = RunZem({"workgroup", "T"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Workgroup    T\nGroup        G\nService      9\nDBPwd        \n");

    ToolRun unknown = RunZem({"workgroup", "NONE"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "zem workgroup: Could not resolve Workgroup \"NONE\"\n");
}

TEST(ZemWorkgroup, MissingFileAndUsage)
{
    ConfigHome home;
    ToolRun run = RunZem({"workgroup", "PROD"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zem workgroup: Opening file " + home.configFile("mqgroup.ini") + " failed\nERRNO(2): ERRSTR(" +
                           std::strerror(ENOENT) + ")\n");
    EXPECT_EQ(RunZem({"workgroup"}).status, 2);
    EXPECT_EQ(RunZem({"workgroup", "--help"}).out.rfind("usage: zem workgroup NAME", 0), 0u);
}

}  // namespace
