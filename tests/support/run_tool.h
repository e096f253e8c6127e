// Runs the built zem tool and collects what it printed.
#pragma once
#include <string>
#include <vector>

namespace zemtest {

struct ToolRun {
    int status = -1;  // exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Runs zem with args (no shell: arguments are passed as they are), in workDir when not
// empty, with input fed to its standard input.
ToolRun RunZem(const std::vector<std::string> &args, const std::string &input = "",
               const std::string &workDir = "");

}  // namespace zemtest
