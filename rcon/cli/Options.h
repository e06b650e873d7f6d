#pragma once
// vortane-rcon's command line: the options, their checks and where the password comes from.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "core/CliArguments.h"
#include "core/CliReply.h"

namespace cli {

struct Config {
  rcon::CliMode mode = rcon::CliMode::Command;
  rcon::CliTarget target;
  std::string password;  // 8-bit, as sent
  std::string command;   // the COMMAND words joined by single blanks
  rcon::ExchangeLimits limits;
  std::uint32_t paceMs = 600;
  bool json = false;
  bool raw = false;
  QString messagesFile;
  std::int64_t intervalSeconds = 120;
};

struct Parsed {
  std::optional<Config> config;
  int exitNow = 0;  // without a config: the run ends here with this status
};

// Parses QCoreApplication::arguments(); help, version and usage errors are printed here.
Parsed ParseArguments(const QStringList& arguments);

}  // namespace cli
