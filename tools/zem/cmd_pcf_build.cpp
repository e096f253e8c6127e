// Placeholder until these commands land.
#include "cli.h"
#include "pcf_commands.h"

namespace zem_cmd {
int PcfPrint(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int PcfDump(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int PcfNew(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int PcfAdd(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
