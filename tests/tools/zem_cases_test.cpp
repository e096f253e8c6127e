// Runs the zem tool transcripts of zem.cases (its head describes the format) and compares
// each step's exit status, standard output and standard error exactly.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"

namespace {

const std::string kCases = ZEM_TESTS_DIR "/tools/zem.cases";

// Put before every step.
const char kPrelude[] = R"sh(set -o pipefail
zem() { "$ZEM_TOOL" "$@"; }
words() {
    for w; do printf "$(printf '\\x%02x' $((w & 255)) $((w >> 8 & 255)) $((w >> 16 & 255)) $((w >> 24 & 255)))"; done
}
export KELDA_HOME="$PWD" ZEMAPI_REGISTRY="$PWD/.no-registry"
)sh";

// One stream as the case file writes it, masked: clocks and source line numbers, and the
// case folder's path shown as <dir>.
std::string Render(const std::string &path, char mark, const std::string &dir)
{
    static const std::regex sourceLine("line# [0-9]+");
    std::string stream = std::regex_replace(zemtest::MaskClocks(zemtest::ReadFile(path)), sourceLine, "line# L");
    for (std::size_t at; (at = stream.find(dir)) != std::string::npos;)
        stream.replace(at, dir.size(), "<dir>");
    std::string text;
    for (std::size_t at = 0, end; at < stream.size(); at = end == std::string::npos ? end : end + 1) {
        end = stream.find('\n', at);
        std::string line = stream.substr(at, end - at);
        text += mark + (end == std::string::npos ? "| " + line : line.empty() ? "" : " " + line) + "\n";
    }
    return text;
}

// Runs one step in dir: its exit status on a line, then its output as the case file writes it.
std::string RunStep(const zemtest::TempDir &work, const std::string &dir, const std::string &command)
{
    zemtest::TempDir::Write(work.file("step.sh"), kPrelude + command + "\n");
    int status = std::system(("cd '" + dir + "' && exec bash " + work.file("step.sh") + " </dev/null >" +
                              work.file("out") + " 2>" + work.file("err")).c_str());
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return std::to_string(status) + "\n" + Render(work.file("out"), '>', dir) + Render(work.file("err"), '!', dir);
}

TEST(ZemCases, EveryStepPrintsAndExitsAsWritten)
{
    ASSERT_EQ(setenv("ZEM_TOOL", ZEM_TOOL, 1), 0);
    ASSERT_EQ(setenv("SAMPLES", ZEM_SAMPLES_DIR, 1), 0);
    const bool rewrite = std::getenv("ZEM_WRITE_SAMPLES") != nullptr;
    std::vector<std::string> lines;
    std::istringstream in(zemtest::ReadFile(kCases));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    static const std::regex stepLine("([0-9]*)\\$ (.*)"), blankEnd("[ \t]\n");
    auto starts = [](const std::string &line, const char *prefix) { return line.rfind(prefix, 0) == 0; };
    zemtest::TempDir work;
    std::unique_ptr<zemtest::TempDir> folder;
    std::string name, dir, rewritten;
    int steps = 0;
    for (std::size_t i = 0; i < lines.size();) {
        const std::string &line = lines[i++];
        const int number = static_cast<int>(i);
        std::smatch step;
        if (std::regex_match(line, step, stepLine) && folder) {
            std::string expected = (step[1].length() ? step[1].str() : "0") + "\n";
            while (i < lines.size() && (starts(lines[i], ">") || starts(lines[i], "!")))
                expected += lines[i++] + "\n";
            const std::string actual = RunStep(work, dir, step[2]);
            const std::size_t statusEnd = actual.find('\n');
            ++steps;
            rewritten += (actual.compare(0, statusEnd, "0") ? actual.substr(0, statusEnd) : "") + "$ " + step[2].str() +
                         actual.substr(statusEnd);
            // Editors drop blanks that end a line, so the case file must not hold any.
            EXPECT_FALSE(std::regex_search(actual, blankEnd)) << kCases << ":" << number << ": pipe through cat -A";
            if (!rewrite) {
                EXPECT_EQ(expected, actual) << kCases << ":" << number << ": " << name << "\n" << line;
            }
            continue;
        }
        rewritten += line + "\n";
        if (starts(line, "=== ")) {
            name = line.substr(4);
            folder = std::make_unique<zemtest::TempDir>();
            char real[PATH_MAX];
            dir = realpath(folder->path().c_str(), real) ? real : folder->path();
        } else if (starts(line, "file ") && folder) {
            std::string text;
            for (; i < lines.size() && starts(lines[i], "|"); rewritten += lines[i++] + "\n")
                text += lines[i].substr(std::min<std::size_t>(2, lines[i].size())) + "\n";
            std::filesystem::path path = std::filesystem::path(dir) / line.substr(5);
            std::filesystem::create_directories(path.parent_path());
            EXPECT_TRUE(zemtest::TempDir::Write(path.string(), text)) << path;
        } else {
            EXPECT_TRUE(line.empty() || line[0] == '#') << kCases << ":" << number << ": not a case line: " << line;
        }
    }
    EXPECT_GT(steps, 100) << "steps read from " << kCases;
    if (rewrite) {
        EXPECT_TRUE(zemtest::TempDir::Write(kCases, rewritten)) << kCases;
    }
}

}  // namespace
