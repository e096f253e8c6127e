// Placeholder until these commands land.
#include "cli.h"
#include "commands.h"

namespace zem_cmd {
int Pcf2Mqsc(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Recent(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
