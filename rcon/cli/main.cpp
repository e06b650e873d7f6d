// vortane-rcon: the remote console from a terminal or a script.
#include <QCoreApplication>

#include "cli/Commands.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "rcon/Version.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vortane-rcon"));
  QCoreApplication::setApplicationVersion(
      QString::fromLatin1(rcon::kVersion.data(), static_cast<qsizetype>(rcon::kVersion.size())));
  const cli::Parsed parsed = cli::ParseArguments(QCoreApplication::arguments());
  if (!parsed.config) return parsed.exitNow;
  const cli::Config& config = *parsed.config;
  cli::Output output(config.raw);
  switch (config.mode) {
    case rcon::CliMode::Command:
      return cli::RunCommand(config, output);
    case rcon::CliMode::Stdin:
      return cli::RunStdin(config, output);
    case rcon::CliMode::Status:
      return cli::RunStatus(config, output);
    case rcon::CliMode::Messages:
      return cli::RunMessages(config, output);
  }
  return 0;
}
