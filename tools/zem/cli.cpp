#include "cli.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace zem_cli {

std::string Args::option(const std::string &name, const std::string &fallback) const
{
    auto it = options.find(name);
    return it == options.end() || it->second.empty() ? fallback : it->second.back();
}

bool Parse(const char *command, int argc, char **argv, int first, const std::set<std::string> &valueOptions,
           const std::set<std::string> &flagOptions, Args &out)
{
    for (int i = first; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out.help = true;
            continue;
        }
        if (arg == "--") {
            for (++i; i < argc; ++i)
                out.positional.push_back(argv[i]);
            break;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            std::string name = arg, value;
            bool inlineValue = false;
            auto eq = arg.find('=');
            if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                inlineValue = true;
            }
            // Every option that takes a file has a long form.
            if (name == "--output" && valueOptions.count("-o"))
                name = "-o";
            if (valueOptions.count(name)) {
                if (!inlineValue) {
                    if (i + 1 >= argc) {
                        UsageError(command, "option " + name + " needs a value");
                        return false;
                    }
                    value = argv[++i];
                }
                out.options[name].push_back(value);
                continue;
            }
            if (flagOptions.count(name) && !inlineValue) {
                out.flags.insert(name);
                continue;
            }
            UsageError(command, "unknown option '" + arg + "' (see 'zem " + command + " --help')");
            return false;
        }
        out.positional.push_back(arg);
    }
    return true;
}

int UsageError(const char *command, const std::string &message)
{
    std::fprintf(stderr, "zem %s: %s\n", command, message.c_str());
    return 2;
}

int Failure(const char *command, const std::string &message)
{
    std::fprintf(stderr, "zem %s: %s\n", command, message.c_str());
    return 1;
}

bool ParseInt64(const std::string &text, int64_t &value)
{
    // Decimal, so "010" is ten; hexadecimal only with an explicit 0x after the sign.
    size_t digits = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (digits >= text.size() || !std::isdigit(static_cast<unsigned char>(text[digits])))
        return false;
    bool hex = text.size() > digits + 1 && text[digits] == '0' && (text[digits + 1] | 0x20) == 'x';
    errno = 0;
    char *end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0')
        return false;
    value = parsed;
    return true;
}

bool ParseInt32(const std::string &text, int32_t &value)
{
    int64_t wide = 0;
    if (!ParseInt64(text, wide) || wide < INT32_MIN || wide > INT32_MAX)
        return false;
    value = static_cast<int32_t>(wide);
    return true;
}

bool ReadFile(const std::string &path, std::string &bytes)
{
    // stdio rather than streams: a directory or unreadable file is a plain failure here.
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace zem_cli
