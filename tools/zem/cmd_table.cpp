// zem table: the MQSC/PCF command table as the library hands it out (GetCmdTbl).
// zem build: a standard PCF request made by BuildPcfCmd, saved for 'zem pcf print'.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

const char kTableHelp[] =
    "usage: zem table [CODE | --at POSITION]\n"
    "\n"
    "Without an argument lists the command array in lookup order: the position, the PCF\n"
    "command code, its constant name, the MQSC verb (quoted: some end in a blank) and the\n"
    "number of parameters in its list ('-' when it has none).\n"
    "\n"
    "With CODE lists the parameter list of the first command with that code (the one a\n"
    "lookup by code finds); --at POSITION lists the command at that array position. One\n"
    "line per entry: position, keyword (\"\" for a value written alone), PCF parameter id\n"
    "and its constant name, record type, value format, use (1 required, 0 optional, 2\n"
    "end), value mode (1 keyword and value, 2 keyword alone), name mode (1 keyword\n"
    "written, 2 value only), the first MQ command level with the entry (530, 940 ...),\n"
    "and the value keywords of an enumeration as WORD=NUMBER.\n";

const char kBuildHelp[] =
    "usage: zem build --command N [--name X] [--value V] -o FILE\n"
    "\n"
    "Makes the standard request for PCF command N with BuildPcfCmd (the object name X,\n"
    "the integer V where the command takes one, and for inquiries a selector asking for\n"
    "all attributes) and saves it to FILE, which 'zem pcf print' lists.\n"
    "\n"
    "options:\n"
    "  --command N       the command code (MQCMD_ or EXCMD_ value)\n"
    "  --name X          the object name or text (default empty)\n"
    "  --value V         the command's integer (default 0)\n"
    "  -o, --output FILE the file to write\n"
    "\n"
    "Fails (exit 1, nothing written) when BuildPcfCmd reports 0: the command has no\n"
    "standard request, or a parameter could not be added.\n";

struct PcfMessageDeleter {
    void operator()(PcfMessage *pcf) const { DeletePcfMessage(pcf); }
};
using PcfMessagePtr = std::unique_ptr<PcfMessage, PcfMessageDeleter>;

const char *const kTypeNames[] = {"CMD", "FLAG", "INT", "STR", "STRLIST", "ENUM", "ENUMLIST", "LIST"};

const char *TypeName(int32_t type) { return type >= 0 && type <= 7 ? kTypeNames[type] : "?"; }

// The library's name of a parameter id; the suite gives the id of TASKNO a name of its
// own beside the one its other keyword (INDISP) shares with the printer.
const char *ParameterName(int32_t id, const char *keyword)
{
    if (std::strcmp(keyword, "TASKNO") == 0)
        return "EXIA_TASK_NUMBER";
    const char *name = PcfParamName(id);
    return name ? name : "-";
}

int ParameterCount(const MqscKeyword *command)
{
    int count = 0;
    for (const MqscParam *entry = command->params + 1; entry->keyword != nullptr; ++entry)
        ++count;
    return count;
}

void ListCommands()
{
    std::printf("%-4s %-6s %-36s %-20s %s\n", "POS", "CODE", "CONSTANT", "VERB", "PARAMETERS");
    int position = 0;
    for (MqscKeyword **command = GetCmdTbl(); *command != nullptr; ++command, ++position) {
        std::string verb = std::string("\"") + (*command)->name + "\"";
        std::string count = (*command)->params ? std::to_string(ParameterCount(*command)) : "-";
        std::printf("%-4d %-6d %-36s %-20s %s\n", position, (*command)->id, PcfIdToName((*command)->id), verb.c_str(),
                    count.c_str());
    }
}

std::string ValueWords(const MqscKeyword *keyword)
{
    std::string words;
    for (MqscKeyword **value = keyword->values; value != nullptr && *value != nullptr; ++value)
        words += (words.empty() ? "" : " ") + std::string((*value)->name) + "=" + std::to_string((*value)->id);
    return words;
}

void ListParameters(int position, const MqscKeyword *command)
{
    std::printf("%d \"%s\" (%s %d), platforms %d, level %d\n", position, command->name, PcfIdToName(command->id),
                command->id, command->platforms, command->level);
    if (command->params == nullptr) {
        std::printf("no parameter list\n");
        return;
    }
    std::printf("%-4s %-10s %-6s %-32s %-8s %-7s %s %s %s %s %s\n", "POS", "KEYWORD", "ID", "CONSTANT", "TYPE",
                "FORMAT", "USE", "VALUE", "NAME", "LEVEL", "VALUES");
    int index = 0;
    for (const MqscParam *entry = command->params; entry->keyword != nullptr; ++entry, ++index) {
        const MqscKeyword *keyword = entry->keyword;
        bool own = keyword == command;
        std::string name = own ? "(verb)" : keyword->name[0] ? keyword->name : "\"\"";
        std::string format = entry->format[0] ? entry->format : "-";
        std::string line;
        char fixed[160];
        std::snprintf(fixed, sizeof fixed, "%-4d %-10s %-6d %-32s %-8s %-7s %-3d %-5d %-4d %-5d", index, name.c_str(),
                      keyword->id, own ? PcfIdToName(keyword->id) : ParameterName(keyword->id, keyword->name),
                      TypeName(keyword->type), format.c_str(), entry->use, entry->valueMode, entry->nameMode,
                      entry->level);
        line = fixed;
        std::string values = ValueWords(keyword);
        if (!values.empty())
            line += " " + values;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace

int Table(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"--at"}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kTableHelp, stdout);
        return 0;
    }
    if (args.positional.size() > 1 || (args.positional.size() == 1 && args.hasOption("--at")))
        return zem_cli::UsageError(command, "expected at most one of CODE and --at POSITION (see 'zem table --help')");
    if (args.positional.empty() && !args.hasOption("--at")) {
        ListCommands();
        return 0;
    }
    int32_t wanted = 0;
    bool byPosition = args.hasOption("--at");
    const std::string text = byPosition ? args.option("--at") : args.positional[0];
    if (!zem_cli::ParseInt32(text, wanted))
        return zem_cli::UsageError(command, "'" + text + "' is not a number");
    int position = 0;
    for (MqscKeyword **entry = GetCmdTbl(); *entry != nullptr; ++entry, ++position) {
        if (byPosition ? position == wanted : (*entry)->id == wanted) {
            ListParameters(position, *entry);
            return 0;
        }
    }
    return zem_cli::Failure(command, byPosition ? "no command at position " + text
                                                : "command code " + text + " is not in the table");
}

int Build(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"--command", "--name", "--value", "-o"}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kBuildHelp, stdout);
        return 0;
    }
    if (!args.positional.empty())
        return zem_cli::UsageError(command, "unexpected argument '" + args.positional[0] + "'");
    int32_t code = 0, value = 0;
    if (!args.hasOption("--command"))
        return zem_cli::UsageError(command, "--command N is required");
    if (!zem_cli::ParseInt32(args.option("--command"), code))
        return zem_cli::UsageError(command, "--command '" + args.option("--command") + "' is not a 32-bit number");
    if (args.hasOption("--value") && !zem_cli::ParseInt32(args.option("--value"), value))
        return zem_cli::UsageError(command, "--value '" + args.option("--value") + "' is not a 32-bit number");
    const std::string output = args.option("-o");
    if (output.empty())
        return zem_cli::UsageError(command, "-o FILE is required");
    const std::string name = args.option("--name");

    PcfMessagePtr request(CreatePcfMessage(code, ZEM_MQCFT_COMMAND, 1024));
    if (!request)
        return zem_cli::Failure(command, "no memory for the message");
    if (BuildPcfCmd(request.get(), name.c_str(), value) != 1)
        return zem_cli::Failure(command, "command " + std::to_string(code) + " (" + PcfIdToName(code) +
                                             "): no standard request");
    if (SerializePcfMessage(request.get(), output.c_str()) != 1)
        return zem_cli::Failure(command, output + ": cannot be written");
    std::printf("%s: %s (%d), %d parameters\n", output.c_str(), PcfIdToName(code), code, request->pCfh->ParameterCount);
    return 0;
}

}  // namespace zem_cmd
