// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon: the remote console from a terminal or a script.
#include <QCoreApplication>
#include <csignal>

#include "cli/Commands.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/Shell.h"
#include "rcon/Version.h"

namespace {

int run(const cli::Config& config, cli::Output& output) {
  switch (config.mode) {
    case rcon::CliMode::Command:
      return cli::runCommand(config, output);
    case rcon::CliMode::Stdin:
      return cli::runStdin(config, output);
    case rcon::CliMode::Shell:
      return cli::runShell(config, output);
    case rcon::CliMode::Status:
      return cli::runStatus(config, output);
    case rcon::CliMode::Messages:
      return cli::runMessages(config, output);
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A closed pipe is a write error to report, not a reason to die silently.
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vortane-rcon"));
  QCoreApplication::setApplicationVersion(
      QString::fromLatin1(rcon::kVersion.data(), static_cast<qsizetype>(rcon::kVersion.size())));
  const cli::Parsed parsed = cli::parseArguments(QCoreApplication::arguments());
  if (!parsed.config) return parsed.exitNow;
  cli::Output output(parsed.config->raw, parsed.config->colour);
  const int status = run(*parsed.config, output);
  if (!output.error().empty()) {
    cli::note("cannot write to standard output: " + output.error());
    return static_cast<int>(rcon::CliExit::OutputFailed);
  }
  return status;
}
