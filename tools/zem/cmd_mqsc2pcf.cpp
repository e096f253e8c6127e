// Placeholder until these commands land.
#include "cli.h"
#include "commands.h"

namespace zem_cmd {
int Mqsc2Pcf(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
