// zem ini, permit and workgroup, run as the built tool.
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "config_home.h"
#include "run_tool.h"

namespace {

using zemtest::ExpectRuns;
using zemtest::SamplePath;

TEST(ZemIni, PrintsTheValueOfTheFirstFittingKeyOrListsEveryEntry)
{
    zemtest::TempDir dir;
    const std::string site = dir.write("site.ini", "# site\nName=North Site\n\nPort=1414\nQM*=wild\nEmpty=\n");
    const std::string rc = dir.write("rc.ini", "[2035]\"MQRC_NOT_AUTHORIZED: text\"\nName=a b\tc\n");
    const std::string missing = dir.file("none.ini");
    ExpectRuns({
        {{"ini", site, "Name"}, {0, "North Site\n", ""}},
        {{"ini", site, "QM1"}, {1, "", "zem ini: no entry fits 'QM1' in " + site + "\n"}},
        {{"ini", site, "--list"}, {0, "Name=North Site\nPort=1414\nQM*=wild\nEmpty=\n", ""}},
        // Delimiter options take escapes.
        {{"ini", rc, "[2035]", "--key-delims", " \"", "--value-delims", "\""}, {0, "MQRC_NOT_AUTHORIZED: text\n", ""}},
        {{"ini", rc, "Name", "--value-delims", " \\n\\t"}, {0, "a\n", ""}},
        {{"ini", rc, "Name", "--key-delims", std::string(33, '=')},
         {2, "", "zem ini: --key-delims takes at most 32 characters\n"}},
        {{"ini", missing, "Key"}, {1, "", "zem ini: " + zemtest::OpeningFailed(missing)}},
        {{"ini", missing}, {2, "", "zem ini: expected FILE KEY (or FILE --list)\n"}},
        {{"ini", missing, "Key", "--list"}, {2, "", "zem ini: expected FILE with --list\n"}},
    });
    zemtest::ExpectHelp("ini", "usage: zem ini FILE KEY");
}

TEST(ZemPermit, RuleAgainstKeyOrTheFirstFittingRuleOfAFileSection)
{
    const std::string perm = SamplePath("config/groups/operators.perm");
    zemtest::TempDir dir;
    const std::string empty = dir.write("empty.perm", "");
    auto shows = [](const std::string &rule, const std::string &value) {
        return zemtest::ToolRun{0, "rule:  " + rule + "\nvalue: " + value + "\n", ""};
    };
    const zemtest::ToolRun noRule{1, "", "zem permit: no rule fits\n"};
    ExpectRuns({
        {{"permit", "UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER1\\SYSTEM.DEF"}, {0, "fits\n", ""}},
        {{"permit", "UserAuthority::QM1::*\\Q1", "UserAuthority::QM1::$SYSTEM$\\Q1"}, {1, "does not fit\n", ""}},
        {{"permit", "UserAuthority::QM1"}, {2, "", "zem permit: expected RULE KEY or FILE KEY\n"}},
        {{"permit", "UserAuthority::QM1", "UserAuthority::QM1", "--section", "audit"},
         {2, "", "zem permit: no such file: UserAuthority::QM1\n"}},
        {{"permit", perm, "UserAuthority::QM1::$SYSTEM$\\SYSTEM.ADMIN.COMMAND.QUEUE"},
         shows("UserAuthority::QM1::$SYSTEM$\\SYSTEM.ADMIN.*", "Y")},
        {{"permit", perm, "UserAuthority::QM2::APP01\\APP.ORDERS"}, shows("UserAuthority::QM?::APP??\\APP.*", "Y")},
        {{"permit", perm, "Audit::QM1::USER1\\APP.ORDERS"}, shows("Audit::QM1::*\\APP.*", "PUT+GET")},
        {{"permit", perm, "UserAuthority::QX1::U\\Q"}, noRule},
        // Audit rules are not looked at for a UserAuthority key unless asked for.
        {{"permit", perm, "Audit::QM1::OPER1", "--section", "userauthority"}, noRule},
        {{"permit", perm, "Audit::QM1::OPER1", "--section", "AUDIT"}, shows("Audit::QM1::OPER*", "ALL")},
        {{"permit", perm, "QM1::OPER1"}, {2, "", "zem permit: KEY names no section: give --section NAME\n"}},
        {{"permit", perm, "QM1::OPER1", "--section", "other"},
         {2, "", "zem permit: unknown section 'other' (effective, userauthority, audit or trust)\n"}},
        {{"permit", empty, "UserAuthority::QM1"}, {1, "", "zem permit: " + zemtest::SizeFailed(empty)}},
    });
}

TEST(ZemWorkgroup, PrintsEveryResolvableValueWithPasswordsMasked)
{
    zemtest::ConfigHome home;
    const std::string missing = home.configFile("mqgroup.ini");
    ExpectRuns({{{"workgroup", "PROD"}, {1, "", "zem workgroup: " + zemtest::OpeningFailed(missing)}},
                {{"workgroup"}, {2, "", "zem workgroup: expected NAME\n"}}});
    zemtest::ExpectHelp("workgroup", "usage: zem workgroup NAME");

    // The install directory comes from the environment unless --home names one.
    home.write("mqgroup.ini", "Group::T=G\nG::Service=9\nG::DBPwd=\n");
    ExpectRuns({
        {{"workgroup", "T"}, {0, "Workgroup    T\nGroup        G\nService      9\nDBPwd        \n", ""}},
        {{"workgroup", "NONE"}, {1, "", "zem workgroup: Could not resolve Workgroup \"NONE\"\n"}},
        {{"workgroup", "PROD", "--home", SamplePath("")},
         {0,
          "Workgroup    PROD\n"
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
          "QX7DBSchema  QX7\n",
          ""}},
        {{"workgroup", "PIL*", "--home", SamplePath("")},
         {0, "Workgroup    PIL*\nGroup        G200\nNode         mqmon-pilot.example.net\nService      7300\n", ""}},
    });
}

}  // namespace
