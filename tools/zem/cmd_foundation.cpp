// Placeholder until these commands land.
#include "cli.h"
#include "commands.h"

namespace zem_cmd {
int Hexdump(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Ebcdic(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Match(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int InstallDir(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Path(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
