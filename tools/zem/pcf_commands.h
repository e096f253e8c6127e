// The zem pcf subcommands (argv[0] is the subcommand name).
#pragma once

namespace zem_cmd {
int PcfInfo(int argc, char **argv);    // cmd_pcf_load.cpp
int PcfNative(int argc, char **argv);  // cmd_pcf_load.cpp
int PcfPrint(int argc, char **argv);   // cmd_pcf_build.cpp
int PcfDump(int argc, char **argv);    // cmd_pcf_build.cpp
int PcfNew(int argc, char **argv);     // cmd_pcf_build.cpp
int PcfAdd(int argc, char **argv);     // cmd_pcf_build.cpp
}  // namespace zem_cmd
