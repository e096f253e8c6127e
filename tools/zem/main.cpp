// zem: the library's functions from the shell.
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

const zem_cmd::Command kCommands[] = {
    {"hexdump", "print a file's bytes as side-by-side hex and text", zem_cmd::Hexdump},
    {"ebcdic", "convert text between ASCII and EBCDIC", zem_cmd::Ebcdic},
    {"match", "match a string against a mask or a bracket pattern", zem_cmd::Match},
    {"installdir", "show the install directory and where it came from", zem_cmd::InstallDir},
    {"path", "show the configuration path of a file", zem_cmd::Path},
    {"pcf", "load, print, dump, build and convert saved PCF messages", zem_cmd::Pcf},
    {"table", "list the MQSC/PCF command table", zem_cmd::Table},
    {"build", "build a standard PCF request for a command code", zem_cmd::Build},
    {"pcf2mqsc", "convert a saved PCF command to MQSC text", zem_cmd::Pcf2Mqsc},
    {"recent", "ask whether objects in an inquiry response changed since a time", zem_cmd::Recent},
    {"mqsc2pcf", "convert MQSC reply texts to PCF responses", zem_cmd::Mqsc2Pcf},
    {"ini", "look up keys in a key-and-value file", zem_cmd::Ini},
    {"permit", "check a key against a permit rule or a permission file", zem_cmd::Permit},
    {"workgroup", "resolve a workgroup from the configuration", zem_cmd::Workgroup},
    {"rc", "print the text of an MQ reason code", zem_cmd::Rc},
    {"name", "print the name of an MQ constant", zem_cmd::Name},
};

void PrintUsage(FILE *out)
{
    std::fprintf(out,
                 "usage: zem COMMAND [ARGS...]\n"
                 "       zem COMMAND --help\n"
                 "       zem --version\n\n"
                 "commands:\n");
    for (const auto &command : kCommands)
        std::fprintf(out, "  %-11s %s\n", command.name, command.summary);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const char *name = argv[1];
    if (!std::strcmp(name, "--help") || !std::strcmp(name, "-h") || !std::strcmp(name, "help")) {
        PrintUsage(stdout);
        return 0;
    }
    if (!std::strcmp(name, "--version")) {
        std::printf("zem %s\n", ZEM_VERSION);
        return 0;
    }
    for (const auto &command : kCommands)
        if (!std::strcmp(name, command.name))
            return command.run(argc - 1, argv + 1);
    std::fprintf(stderr, "zem: unknown command '%s' (see 'zem --help')\n", name);
    return 2;
}
