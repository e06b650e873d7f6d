// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vortane-rcon's command line: the options, their checks, the servers and their passwords.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/Network.h"
#include "cli/Output.h"
#include "core/CliArguments.h"
#include "core/CliReply.h"

namespace cli {

struct Config {
  rcon::CliMode mode = rcon::CliMode::Command;
  std::vector<Destination> servers;
  std::string command;  // the COMMAND words joined by single blanks, 8-bit
  rcon::ExchangeLimits limits;
  std::uint32_t paceMs = 600;
  bool json = false;
  bool prometheus = false;
  bool raw = false;
  bool colour = false;
  bool endMarker = false;
  QString messagesFile;
  std::int64_t intervalSeconds = 120;
};

struct Parsed {
  std::optional<Config> config;
  int exitNow = 0;  // without a config: the run ends here with this status
};

// Parses QCoreApplication::arguments(); help, version and usage errors are printed here.
Parsed parseArguments(const QStringList& arguments);

}  // namespace cli
