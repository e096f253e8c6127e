// The zem commands. Each takes the arguments after its own name (argv[0] is the command
// name) and returns the process exit status: 0 success, 1 failure, 2 usage error.
#pragma once

namespace zem_cmd {

struct Command {
    const char *name;
    const char *summary;
    int (*run)(int argc, char **argv);
};

// Foundations
int Hexdump(int argc, char **argv);
int Ebcdic(int argc, char **argv);
int Match(int argc, char **argv);
int InstallDir(int argc, char **argv);
int Path(int argc, char **argv);
// PCF messages
int Pcf(int argc, char **argv);
// Command table and builder
int Table(int argc, char **argv);
int Build(int argc, char **argv);
// Conversions
int Pcf2Mqsc(int argc, char **argv);
int Recent(int argc, char **argv);
int Mqsc2Pcf(int argc, char **argv);
// Configuration and names
int Ini(int argc, char **argv);
int Permit(int argc, char **argv);
int Workgroup(int argc, char **argv);
int Rc(int argc, char **argv);
int Name(int argc, char **argv);

}  // namespace zem_cmd
