#include "run_tool.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "capture.h"

namespace zemtest {

bool operator==(const ToolRun &a, const ToolRun &b)
{
    return a.status == b.status && a.out == b.out && a.err == b.err;
}

void PrintTo(const ToolRun &run, std::ostream *os)
{
    *os << "status " << run.status << ", out \"" << run.out << "\", err \"" << run.err << "\"";
}

ToolRun RunZem(const std::vector<std::string> &args, const std::string &input, const std::string &workDir)
{
    TempDir scratch;
    std::string inPath = scratch.write("stdin", input);
    std::string outPath = scratch.file("stdout"), errPath = scratch.file("stderr");
    std::vector<char *> argv;
    std::string tool = ZEM_TOOL;
    argv.push_back(tool.data());
    std::vector<std::string> copies(args);
    for (auto &arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        int in = open(inPath.c_str(), O_RDONLY);
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(127);
        if (!workDir.empty() && chdir(workDir.c_str()) != 0)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int waitStatus = 0;
    if (waitpid(child, &waitStatus, 0) != child)
        throw std::runtime_error("waitpid failed");
    ToolRun run;
    run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

void ExpectRuns(const std::vector<ExpectedRun> &rows, const std::string &workDir)
{
    for (const ExpectedRun &row : rows) {
        std::string shown = "zem";
        for (const auto &arg : row.args)
            shown += " " + arg.substr(0, 60);
        EXPECT_EQ(RunZem(row.args, "", workDir), row.expected) << shown;
    }
}

void ExpectHelp(const std::string &command, const std::string &usageLine)
{
    std::vector<std::string> args;
    for (std::size_t at = 0, end; at <= command.size(); at = end + 1) {
        end = std::min(command.find(' ', at), command.size());
        args.push_back(command.substr(at, end - at));
    }
    args.push_back("--help");
    ToolRun help = RunZem(args);
    EXPECT_EQ(help.status, 0) << command;
    EXPECT_EQ(help.out.substr(0, usageLine.size()), usageLine) << command;
    EXPECT_EQ(help.err, "") << command;
}

}  // namespace zemtest
