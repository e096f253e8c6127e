// zem pcf SUBCOMMAND: saved PCF messages.
#include <cstdio>
#include <cstring>

#include "cli.h"
#include "commands.h"
#include "pcf_commands.h"

namespace zem_cmd {
namespace {

const Command kPcfCommands[] = {
    {"info", "header fields and one line per parameter of a saved message", PcfInfo},
    {"native", "convert a peer's message (other byte order, EBCDIC) to native form", PcfNative},
    {"print", "the full listing of a saved message", PcfPrint},
    {"dump", "the raw dump of a saved message", PcfDump},
    {"new", "create a message holding only its header", PcfNew},
    {"add", "append parameters to a saved message", PcfAdd},
};

void PrintPcfUsage(FILE *out)
{
    std::fprintf(out, "usage: zem pcf SUBCOMMAND [ARGS...]\n\nsubcommands:\n");
    for (const auto &command : kPcfCommands)
        std::fprintf(out, "  %-7s %s\n", command.name, command.summary);
}

}  // namespace

int Pcf(int argc, char **argv)
{
    if (argc < 2) {
        PrintPcfUsage(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintPcfUsage(stdout);
        return 0;
    }
    for (const auto &command : kPcfCommands)
        if (!std::strcmp(argv[1], command.name))
            return command.run(argc - 1, argv + 1);
    return zem_cli::UsageError("pcf", std::string("unknown subcommand '") + argv[1] + "' (see 'zem pcf --help')");
}

}  // namespace zem_cmd
