// zem hexdump, ebcdic, match, installdir and path: the foundations from the shell.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

constexpr int32_t kDefaultRowBytes = 16;
constexpr int32_t kMostRowBytes = 4096;

// Prints the help text when asked; otherwise parses. Returns -1 to go on, else the status.
int Prepare(const char *name, int argc, char **argv, const std::set<std::string> &options,
            const std::set<std::string> &flags, const char *help, zem_cli::Args &args)
{
    if (!zem_cli::Parse(name, argc, argv, 1, options, flags, args))
        return 2;
    if (args.help) {
        std::fputs(help, stdout);
        return 0;
    }
    return -1;
}

const char kHexdumpHelp[] =
    "usage: zem hexdump FILE [--rows N]\n"
    "\n"
    "Prints the bytes of FILE side by side, one row per line: the offset, the characters\n"
    "(\".\" for bytes outside 0x20..0x7E) and the hex pairs, N bytes a row (default 16,\n"
    "at most 4096). A file shorter than one row prints as a single row of its length.\n";

const char kEbcdicHelp[] =
    "usage: zem ebcdic --to-ascii|--to-ebcdic [FILE]\n"
    "\n"
    "Converts FILE, or standard input, between 7-bit ASCII and EBCDIC (code page 500,\n"
    "with newline as 0x15 and the vertical bar as 0x6A) and writes the bytes to\n"
    "standard output. Towards EBCDIC, bytes above 127 become the substitute 0x3F;\n"
    "towards ASCII, EBCDIC bytes without a 7-bit meaning become 0.\n";

const char kMatchHelp[] =
    "usage: zem match MASK|PATTERN STRING [--pattern] [--ignore-case]\n"
    "\n"
    "Prints \"match\" and exits 0, or prints \"no match\" and exits 1.\n"
    "Without --pattern, MASK is a key mask: '*' is its only wildcard, it never\n"
    "backtracks, and STRING may end at a blank (as blank-padded MQ names do).\n"
    "With --pattern, PATTERN knows '*', '?' and classes such as [A-Z] or [^0-9],\n"
    "backtracks, and must match STRING to its end.\n"
    "--ignore-case compares after upper-casing a to z.\n";

const char kInstallDirHelp[] =
    "usage: zem installdir\n"
    "\n"
    "Prints the install directory and where it came from:\n"
    "  directory: DIR\n"
    "  source: default|working directory|registry|environment\n"
    "Each source replaces the one before: the default " ZEM_DEFAULT_INSTALL_DIR
    ", the parent of\n"
    "the working directory, the registry value WorkPath of " ZEM_REGISTRY_KEY
    "\n"
    "(on POSIX read from /etc/zemapi/registry, or the file named by $" ZEM_REGISTRY_FILE_ENV
    "),\n"
    "and the environment variable KELDA_HOME.\n";

const char kPathHelp[] =
    "usage: zem path NAME\n"
    "\n"
    "Prints the configuration path of the file NAME: the install directory (see\n"
    "'zem installdir') followed by config, groups and NAME.\n";

bool ReadStream(FILE *stream, std::string &bytes)
{
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        bytes.append(chunk, got);
    return !std::ferror(stream);
}

// Read here rather than with zem_cli::ReadFile, which throws on a directory.
bool ReadWholeFile(const std::string &path, std::string &bytes)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bool read = ReadStream(file, bytes);
    std::fclose(file);
    return read;
}

void SetVariable(const char *name, const char *value)
{
#if defined(_WIN32)
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// The install directory computed with the registry out of reach: an empty registry file
// name opens nothing.
std::string InstallDirWithoutRegistry()
{
    const char *saved = std::getenv(ZEM_REGISTRY_FILE_ENV);
    std::string kept = saved ? saved : "";
    SetVariable(ZEM_REGISTRY_FILE_ENV, "");
    char dir[ZEM_INSTALL_DIR_SIZE];
    zemGetInstallDir(dir);
#if !defined(_WIN32)
    if (!saved)
        unsetenv(ZEM_REGISTRY_FILE_ENV);
    else
#endif
        SetVariable(ZEM_REGISTRY_FILE_ENV, kept.c_str());
    return dir;
}

}  // namespace

int Hexdump(int argc, char **argv)
{
    zem_cli::Args args;
    if (int status = Prepare("hexdump", argc, argv, {"--rows"}, {}, kHexdumpHelp, args); status >= 0)
        return status;
    if (args.positional.size() != 1)
        return zem_cli::UsageError("hexdump", "expected one FILE (see 'zem hexdump --help')");
    int32_t rowBytes = kDefaultRowBytes;
    if (args.hasOption("--rows") &&
        (!zem_cli::ParseInt32(args.option("--rows"), rowBytes) || rowBytes < 1 || rowBytes > kMostRowBytes))
        return zem_cli::UsageError("hexdump",
                                   "--rows takes a number from 1 to 4096, not '" + args.option("--rows") + "'");
    const std::string &path = args.positional[0];
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return zem_cli::Failure("hexdump", "cannot read '" + path + "'");
    if (bytes.size() > INT32_MAX)
        return zem_cli::Failure("hexdump", "'" + path + "' is larger than 2 GiB");
    int32_t length = static_cast<int32_t>(bytes.size());
    // The printer shows nothing of a buffer shorter than a row; a short file gets one row.
    if (length > 0 && length < rowBytes)
        rowBytes = length;
    PrintFormattedHexData(bytes.data(), length, rowBytes, " ", "", "", 1, stdout);
    return 0;
}

int Ebcdic(int argc, char **argv)
{
    zem_cli::Args args;
    if (int status = Prepare("ebcdic", argc, argv, {}, {"--to-ascii", "--to-ebcdic"}, kEbcdicHelp, args); status >= 0)
        return status;
    if (args.has("--to-ascii") == args.has("--to-ebcdic"))
        return zem_cli::UsageError("ebcdic", "give exactly one of --to-ascii and --to-ebcdic");
    if (args.positional.size() > 1)
        return zem_cli::UsageError("ebcdic", "expected at most one FILE (see 'zem ebcdic --help')");
    std::string bytes;
    if (args.positional.empty()) {
        if (!ReadStream(stdin, bytes))
            return zem_cli::Failure("ebcdic", "cannot read standard input");
    } else if (!ReadWholeFile(args.positional[0], bytes)) {
        return zem_cli::Failure("ebcdic", "cannot read '" + args.positional[0] + "'");
    }
    int32_t direction = args.has("--to-ascii") ? ZEM_TO_ASCII : ZEM_TO_EBCDIC;
    // Converted in pieces, so any size fits the 32-bit count.
    for (std::size_t done = 0; done < bytes.size();) {
        std::size_t piece = std::min<std::size_t>(bytes.size() - done, 1 << 20);
        TextConvert(bytes.data() + done, bytes.data() + done, static_cast<int32_t>(piece), direction);
        done += piece;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        return zem_cli::Failure("ebcdic", "cannot write standard output");
    return 0;
}

int Match(int argc, char **argv)
{
    zem_cli::Args args;
    if (int status = Prepare("match", argc, argv, {}, {"--pattern", "--ignore-case"}, kMatchHelp, args); status >= 0)
        return status;
    if (args.positional.size() != 2)
        return zem_cli::UsageError("match", "expected MASK|PATTERN and STRING (see 'zem match --help')");
    const char *pattern = args.positional[0].c_str(), *text = args.positional[1].c_str();
    bool ignoreCase = args.has("--ignore-case");
    int matched = args.has("--pattern")
                      ? IsRegExpMatch(pattern, text, ignoreCase)
                      : (ignoreCase ? IsMaskMatchIgnoreCase(pattern, text) : IsMaskMatch(pattern, text));
    std::puts(matched ? "match" : "no match");
    return matched ? 0 : 1;
}

int InstallDir(int argc, char **argv)
{
    zem_cli::Args args;
    if (int status = Prepare("installdir", argc, argv, {}, {}, kInstallDirHelp, args); status >= 0)
        return status;
    if (!args.positional.empty())
        return zem_cli::UsageError("installdir", "takes no arguments (see 'zem installdir --help')");
    char dir[ZEM_INSTALL_DIR_SIZE];
    const char *source = "environment";
    if (!zemGetInstallDir(dir)) {
        std::string withoutRegistry = InstallDirWithoutRegistry();
        if (withoutRegistry != dir)
            source = "registry";
        else if (withoutRegistry == ZEM_DEFAULT_INSTALL_DIR)
            source = "default";
        else
            source = "working directory";
    }
    std::printf("directory: %s\nsource: %s\n", dir, source);
    return 0;
}

int Path(int argc, char **argv)
{
    zem_cli::Args args;
    if (int status = Prepare("path", argc, argv, {}, {}, kPathHelp, args); status >= 0)
        return status;
    if (args.positional.size() != 1)
        return zem_cli::UsageError("path", "expected one NAME (see 'zem path --help')");
    char path[ZEM_PATH_SIZE];
    if (!zemMakeIniFilePath(path, args.positional[0].c_str()))
        return zem_cli::Failure("path", "the path of '" + args.positional[0] + "' is longer than " +
                                            std::to_string(ZEM_PATH_SIZE - 1) + " characters");
    std::puts(path);
    return 0;
}

}  // namespace zem_cmd
