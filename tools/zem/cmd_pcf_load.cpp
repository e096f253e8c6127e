// Placeholder until these commands land.
#include "cli.h"
#include "pcf_commands.h"

namespace zem_cmd {
int PcfInfo(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int PcfNative(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
