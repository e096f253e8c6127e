// Small command-line helpers shared by the zem commands.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zem_cli {

// Parsed arguments of one command: positionals in order, options by name ("--rows"),
// flags by name ("--pattern"). Options may be given as "--name value" or "--name=value".
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> options;  // repeated options keep every value
    std::set<std::string> flags;
    bool help = false;

    bool has(const std::string &flag) const { return flags.count(flag) != 0; }
    bool hasOption(const std::string &name) const { return options.count(name) != 0; }
    // The last value of an option, or fallback.
    std::string option(const std::string &name, const std::string &fallback = "") const;
};

// Parses argv[first..argc) against the known options (taking a value) and flags.
// On an unknown option or a missing value prints a message and returns false.
bool Parse(const char *command, int argc, char **argv, int first, const std::set<std::string> &valueOptions,
           const std::set<std::string> &flagOptions, Args &out);

// Prints "zem COMMAND: message" to standard error; returns the exit status 2 for usage errors.
int UsageError(const char *command, const std::string &message);
// Prints "zem COMMAND: message" to standard error; returns the exit status 1.
int Failure(const char *command, const std::string &message);

// Strict number parsing: the whole text must be a number in range.
bool ParseInt32(const std::string &text, int32_t &value);
bool ParseInt64(const std::string &text, int64_t &value);

bool ReadFile(const std::string &path, std::string &bytes);
bool WriteFile(const std::string &path, const std::string &bytes);

}  // namespace zem_cli
