#include "cli/Shell.h"

#include "cli/Commands.h"

namespace cli {

int runShell(const Config& config, Output& output) { return runStdin(config, output); }

}  // namespace cli
