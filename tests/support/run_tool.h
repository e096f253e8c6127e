// Runs the built zem tool and collects what it printed.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zemtest {

struct ToolRun {
    int status = -1;  // exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Whole runs compare exactly (status, standard output and standard error), so one
// EXPECT_EQ(run, (ToolRun{2, "", "zem x: ...\n"})) checks all three.
bool operator==(const ToolRun &a, const ToolRun &b);
void PrintTo(const ToolRun &run, std::ostream *os);

// Runs zem with args (no shell: arguments are passed as they are), in workDir when not
// empty, with input fed to its standard input.
ToolRun RunZem(const std::vector<std::string> &args, const std::string &input = "",
               const std::string &workDir = "");

// One expected run of zem: its arguments and everything it gives back.
struct ExpectedRun {
    std::vector<std::string> args;
    ToolRun expected;
};

// Runs each row (in workDir when not empty) and compares it exactly; a failure names the
// arguments.
void ExpectRuns(const std::vector<ExpectedRun> &rows, const std::string &workDir = "");

// zem COMMAND --help prints text starting with usageLine to standard output and exits 0;
// a command of several words ("pcf print") is passed as several arguments.
void ExpectHelp(const std::string &command, const std::string &usageLine);

}  // namespace zemtest
