// zem pcf print | dump | new | add: build a saved PCF message from the shell and list it.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cli.h"
#include "pcf_commands.h"
#include "zemapi.h"

#if defined(_WIN32)
#include <io.h>
#define dup    _dup
#define dup2   _dup2
#define close  _close
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace zem_cmd {
namespace {

const char kPrintHelp[] =
    "usage: zem pcf print FILE [--names]\n"
    "\n"
    "Lists the PCF message saved in FILE: the header extension, then every structure\n"
    "with its fields and values, groups with all of their members. A structure that\n"
    "cannot be listed is followed by a raw dump of the whole message.\n"
    "\n"
    "options:\n"
    "  --names   end each line that shows a parameter id with \"  [NAME]\", the id's\n"
    "            constant name, or \"  [NAME = VALUE]\" for an integer whose value MQ\n"
    "            enumerates; the listing is otherwise unchanged\n";

const char kDumpHelp[] =
    "usage: zem pcf dump FILE\n"
    "\n"
    "Prints the MQCFH fields and a hex dump of the bytes saved in FILE. The bytes need\n"
    "not form a well-formed message.\n";

const char kNewHelp[] =
    "usage: zem pcf new --command N [--type T] -o FILE\n"
    "\n"
    "Writes a PCF message holding only its MQCFH to FILE.\n"
    "\n"
    "options:\n"
    "  --command N       the command code (MQCMD_ or EXCMD_ value)\n"
    "  --type T          the header type: 1 command (default), 2 response, 7 event,\n"
    "                    8 user, 10, 12, 16 to 19, 21, 22, 26 activity or 27 status\n"
    "  -o, --output FILE the file to write\n";

const char kAddHelp[] =
    "usage: zem pcf add FILE OPTION...\n"
    "\n"
    "Appends parameters to the PCF message saved in FILE, in the order given, and\n"
    "rewrites the file. ID is the parameter id (an integer).\n"
    "\n"
    "options (each may be repeated):\n"
    "  --int ID=V           an integer (MQCFIN)\n"
    "  --str ID=TEXT        a string (MQCFST)\n"
    "  --int-list ID=1,2,3  an integer list (MQCFIL)\n"
    "  --str-list ID=A,B    a string list (MQCFSL), entries blank-padded to the longest\n"
    "  --int64 ID=V         a 64-bit integer (MQCFIN64)\n"
    "  --bytes ID=HEX       a byte string (MQCFBS) from hex digits, two per byte\n";

// The library's validity rule decides: a 36-byte structure of a header type is valid.
bool IsHeaderType(int32_t type)
{
    MESSAGE probe{};
    if (!CreateMessage(&probe, ZEM_MQCFH_LENGTH))
        return false;
    ZEM_MQCFH header{};
    header.Type = type;
    header.StrucLength = ZEM_MQCFH_LENGTH;
    std::memcpy(probe.pData, &header, sizeof header);
    probe.Used += ZEM_MQCFH_LENGTH;
    bool valid = IsPcfAttrValid(&probe) == 1;
    DeleteMessage(&probe);
    return valid;
}

// Runs print with standard output sent to a temporary file and hands back what it wrote.
bool CaptureStdout(const std::function<void()> &print, std::string &text)
{
    std::fflush(stdout);
    FILE *capture = std::tmpfile();
    int saved = capture ? dup(fileno(stdout)) : -1;
    if (saved < 0 || dup2(fileno(capture), fileno(stdout)) < 0) {
        if (saved >= 0)
            close(saved);
        if (capture)
            std::fclose(capture);
        return false;
    }
    print();
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    std::rewind(capture);
    char block[4096];
    for (std::size_t count; (count = std::fread(block, 1, sizeof block, capture)) > 0;)
        text.append(block, count);
    std::fclose(capture);
    return true;
}

// The number inside "key(" ... ")" on line, if the line has one.
bool NumberAfter(const std::string &line, const char *key, int32_t &number)
{
    std::size_t at = line.find(key);
    if (at == std::string::npos)
        return false;
    std::size_t start = at + std::strlen(key);
    std::size_t end = line.find(')', start);
    return end != std::string::npos && zem_cli::ParseInt32(line.substr(start, end - start), number);
}

// The listing with the name of every parameter id (and of an enumerated integer value)
// at the end of the line that shows it.
std::string NameListing(const std::string &listing)
{
    std::string named;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        end = end == std::string::npos ? listing.size() : end;
        std::string line = listing.substr(start, end - start);
        int32_t id = 0, type = 0, value = 0;
        const char *name = nullptr;
        if (line.compare(0, 2, "->") == 0 && NumberAfter(line, "->Type(", type) &&
            (NumberAfter(line, "Parameter (", id) || NumberAfter(line, "Parameter(", id)))
            name = PcfParamName(id);
        if (name) {
            // Integers and integer filters end with their value.
            const char *valueName = nullptr;
            if ((type == ZEM_MQCFT_INTEGER && NumberAfter(line, "Value(", value)) ||
                (type == ZEM_MQCFT_INTEGER_FILTER && NumberAfter(line, "Filter Value(", value)))
                valueName = PcfValueName(id, value);
            line += std::string("  [") + name + (valueName ? std::string(" = ") + valueName : "") + "]";
        }
        named += line;
        if (end < listing.size())
            named += '\n';
        start = end + 1;
    }
    return named;
}

// Parses the arguments of a command that takes exactly one FILE.
bool ParseFileArgument(const char *command, int argc, char **argv, const char *help, std::string &path, int &status)
{
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {}, {}, args)) {
        status = 2;
        return false;
    }
    if (args.help) {
        std::fputs(help, stdout);
        status = 0;
        return false;
    }
    if (args.positional.size() != 1) {
        status = zem_cli::UsageError(command, "expects one FILE (see 'zem " + std::string(command) + " --help')");
        return false;
    }
    path = args.positional[0];
    return true;
}

// Loads and indexes a saved message; prints why not.
PcfMessage *LoadMessage(const char *command, const std::string &path)
{
    std::string bytes;
    if (!zem_cli::ReadFile(path, bytes)) {
        zem_cli::Failure(command, "cannot read '" + path + "'");
        return nullptr;
    }
    PcfMessage *pcf = bytes.empty() ? nullptr : DeserializePcfMessage(path.c_str());
    if (!pcf)
        zem_cli::Failure(command, "'" + path + "' does not hold a well-formed PCF message");
    return pcf;
}

// Splits at commas, keeping empty items.
std::vector<std::string> SplitList(const std::string &text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(text.substr(start, comma - start));
    items.push_back(text.substr(start));
    return items;
}

bool BuildInt(MESSAGE *attr, int32_t id, const std::string &value)
{
    int32_t number = 0;
    return zem_cli::ParseInt32(value, number) && CreatePcfIntAttr(attr, id, number);
}

bool BuildInt64(MESSAGE *attr, int32_t id, const std::string &value)
{
    int64_t number = 0;
    return zem_cli::ParseInt64(value, number) && CreatePcfInt64Attr(attr, id, number);
}

bool BuildStr(MESSAGE *attr, int32_t id, const std::string &value)
{
    return value.find('\0') == std::string::npos && CreatePcfStrAttr(attr, id, value.c_str());
}

bool BuildIntList(MESSAGE *attr, int32_t id, const std::string &value)
{
    std::vector<int32_t> numbers;
    for (const auto &item : value.empty() ? std::vector<std::string>{} : SplitList(value)) {
        int32_t number = 0;
        if (!zem_cli::ParseInt32(item, number))
            return false;
        numbers.push_back(number);
    }
    if (!CreatePcfIntListAttr(attr, id, static_cast<int32_t>(numbers.size())))
        return false;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        SetPcfIntListAttrValue(attr, static_cast<int32_t>(i), numbers[i]);
    return true;
}

bool BuildStrList(MESSAGE *attr, int32_t id, const std::string &value)
{
    const std::vector<std::string> items = SplitList(value);
    std::size_t longest = 0;
    for (const auto &item : items)
        longest = std::max(longest, item.size());
    if (!CreatePcfStrListAttr(attr, id, static_cast<int32_t>(items.size()), static_cast<int32_t>(longest)))
        return false;
    for (std::size_t i = 0; i < items.size(); ++i)
        SetPcfStrListAttrValue(attr, static_cast<int32_t>(i), items[i].c_str());
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

bool BuildBytes(MESSAGE *attr, int32_t id, const std::string &value)
{
    if (value.size() % 2 != 0)
        return false;
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); i += 2) {
        const int high = HexDigit(value[i]);
        const int low = HexDigit(value[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return CreatePcfByteStrAttr(attr, id, bytes.data(), static_cast<int32_t>(bytes.size()));
}

struct ParameterKind {
    const char *option;
    const char *form;
    bool (*build)(MESSAGE *attr, int32_t id, const std::string &value);
};

const ParameterKind kKinds[] = {
    {"--int", "ID=V with integers", BuildInt},
    {"--str", "ID=TEXT", BuildStr},
    {"--int-list", "ID=V,V,... with integers", BuildIntList},
    {"--str-list", "ID=TEXT,TEXT,...", BuildStrList},
    {"--int64", "ID=V with integers", BuildInt64},
    {"--bytes", "ID=HEX with an even number of hex digits", BuildBytes},
};

struct Addition {
    const ParameterKind *kind;
    std::string argument;
};

const ParameterKind *FindKind(const std::string &option)
{
    for (const auto &kind : kKinds)
        if (option == kind.option)
            return &kind;
    return nullptr;
}

// The positional FILE and the additions in command-line order ("--int 3=4" or
// "--int=3=4"); the shared parser would group repeated options by name.
int ParseAdditions(int argc, char **argv, std::string &path, std::vector<Addition> &additions)
{
    const char *command = "pcf add";
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kAddHelp, stdout);
            return 0;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const ParameterKind *kind = FindKind(arg.substr(0, equals));
        if (!kind)
            return zem_cli::UsageError(command, "unknown option '" + arg + "' (see 'zem pcf add --help')");
        if (equals != std::string::npos) {
            additions.push_back({kind, arg.substr(equals + 1)});
        } else if (i + 1 < argc) {
            additions.push_back({kind, argv[++i]});
        } else {
            return zem_cli::UsageError(command, "option " + arg + " needs a value");
        }
    }
    if (positional.size() != 1)
        return zem_cli::UsageError(command, "expects one FILE (see 'zem pcf add --help')");
    if (additions.empty())
        return zem_cli::UsageError(command, "nothing to add (see 'zem pcf add --help')");
    path = positional[0];
    return -1;
}

// Builds the parameter of one addition into attr; prints why not.
int BuildParameter(const Addition &addition, MESSAGE *attr)
{
    const char *command = "pcf add";
    const std::size_t equals = addition.argument.find('=');
    int32_t id = 0;
    if (equals == std::string::npos || !zem_cli::ParseInt32(addition.argument.substr(0, equals), id) ||
        !addition.kind->build(attr, id, addition.argument.substr(equals + 1))) {
        if (attr->pBlock)
            DeleteMessage(attr);
        return zem_cli::UsageError(command, std::string(addition.kind->option) + " '" + addition.argument +
                                                "': expected " + addition.kind->form);
    }
    return 0;
}

int AppendAll(PcfMessage *pcf, const std::vector<Addition> &additions)
{
    for (const auto &addition : additions) {
        MESSAGE attr{};
        if (int status = BuildParameter(addition, &attr))
            return status;
        const int appended = AppendAttr(pcf, &attr);
        DeleteMessage(&attr);
        if (!appended)
            return zem_cli::Failure("pcf add", "cannot append " + std::string(addition.kind->option) + " '" +
                                                   addition.argument + "'");
    }
    return 0;
}

}  // namespace

int PcfPrint(int argc, char **argv)
{
    const char *command = "pcf print";
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {}, {"--names"}, args))
        return 2;
    if (args.help) {
        std::fputs(kPrintHelp, stdout);
        return 0;
    }
    if (args.positional.size() != 1)
        return zem_cli::UsageError(command, "expects one FILE (see 'zem pcf print --help')");
    PcfMessage *pcf = LoadMessage(command, args.positional[0]);
    if (!pcf)
        return 1;
    int status = 0;
    if (!args.has("--names")) {
        PrintPcfMessage(pcf);
    } else {
        std::string listing;
        if (CaptureStdout([pcf] { PrintPcfMessage(pcf); }, listing))
            std::fputs(NameListing(listing).c_str(), stdout);
        else
            status = zem_cli::Failure(command, "cannot capture the listing to add the names");
    }
    DeletePcfMessage(pcf);
    return status;
}

int PcfDump(int argc, char **argv)
{
    std::string path;
    int status = 0;
    if (!ParseFileArgument("pcf dump", argc, argv, kDumpHelp, path, status))
        return status;
    std::string bytes;
    if (!zem_cli::ReadFile(path, bytes))
        return zem_cli::Failure("pcf dump", "cannot read '" + path + "'");
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX - ZEM_MDHDR_LENGTH - ZEM_MQCFH_LENGTH))
        return zem_cli::Failure("pcf dump", "'" + path + "' is empty or too large");
    // Loaded raw, without indexing, so that a malformed message can be dumped too.
    PcfMessage *pcf = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, static_cast<int32_t>(bytes.size()));
    if (!pcf)
        return zem_cli::Failure("pcf dump", "out of memory");
    std::memcpy(pcf->PcfMsg.pData, bytes.data(), bytes.size());
    pcf->PcfMsg.Used = ZEM_MDHDR_LENGTH + static_cast<int32_t>(bytes.size());
    DumpPcfMessage(pcf);
    DeletePcfMessage(pcf);
    return 0;
}

int PcfNew(int argc, char **argv)
{
    const char *command = "pcf new";
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"--command", "--type", "-o"}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kNewHelp, stdout);
        return 0;
    }
    const std::string output = args.option("-o");
    int32_t code = 0;
    int32_t type = ZEM_MQCFT_COMMAND;
    if (!args.positional.empty())
        return zem_cli::UsageError(command, "unexpected argument '" + args.positional[0] + "'");
    if (!args.hasOption("--command") || !zem_cli::ParseInt32(args.option("--command"), code))
        return zem_cli::UsageError(command, "--command needs an integer command code");
    if (args.hasOption("--type") && (!zem_cli::ParseInt32(args.option("--type"), type) || !IsHeaderType(type)))
        return zem_cli::UsageError(command,
                                   "--type must be a PCF header type (1, 2, 7, 8, 10, 12, 16 to 19, 21, 22, 26, 27)");
    if (output.empty())
        return zem_cli::UsageError(command, "-o FILE is required");
    PcfMessage *pcf = CreatePcfMessage(code, type, 0);
    if (!pcf)
        return zem_cli::Failure(command, "out of memory");
    const int saved = SerializePcfMessage(pcf, output.c_str());
    DeletePcfMessage(pcf);
    return saved ? 0 : zem_cli::Failure(command, "cannot write '" + output + "'");
}

int PcfAdd(int argc, char **argv)
{
    std::string path;
    std::vector<Addition> additions;
    if (int status = ParseAdditions(argc, argv, path, additions); status >= 0)
        return status;
    PcfMessage *pcf = LoadMessage("pcf add", path);
    if (!pcf)
        return 1;
    int status = AppendAll(pcf, additions);
    if (status == 0 && !SerializePcfMessage(pcf, path.c_str()))
        status = zem_cli::Failure("pcf add", "cannot write '" + path + "'");
    DeletePcfMessage(pcf);
    return status;
}

}  // namespace zem_cmd
