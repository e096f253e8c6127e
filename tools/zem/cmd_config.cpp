// Placeholder until these commands land.
#include "cli.h"
#include "commands.h"

namespace zem_cmd {
int Ini(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Permit(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Workgroup(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Rc(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
int Name(int, char **argv) { return zem_cli::Failure(argv[0], "not available yet"); }
}  // namespace zem_cmd
