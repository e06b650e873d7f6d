// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>

#include "cli/Exchange.h"
#include "cli/Formats.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/CliFleet.h"
#include "core/CliText.h"
#include "core/Protocol.h"
#include "core/StatusReport.h"

namespace cli {
namespace {

using rcon::CliExit;
using rcon::ReplyExchange;

// No datagram can carry more; a longer line could never be sent.
constexpr std::size_t kMaxLineBytes = 65507;

std::string seconds(std::uint32_t ms) {
  std::string text = std::to_string(ms / 1000);
  if (ms % 1000 != 0) {
    std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
    while (fraction.back() == '0') fraction.pop_back();
    text += '.' + fraction;
  }
  return text + " s";
}

// Why an exchange brought no usable reply; empty when it did.
std::string failure(const Config& config, const ReplyExchange& exchange) {
  switch (rcon::exitFor(exchange)) {
    case CliExit::NoReply:
      if (exchange.ending() == ReplyExchange::Ending::None) return "the request was not sent";
      if (exchange.ending() == ReplyExchange::Ending::Deadline) {
        return "the reply was still coming after " + seconds(config.limits.deadlineMs);
      }
      return "no reply within " + seconds(config.limits.timeoutMs);
    case CliExit::BadPassword:
      return "the server refused the password";
    default:
      return {};
  }
}

// "=== @ctf-east (10.0.0.5:20100)": a fleet's output comes in groups under such lines.
std::string header(const Destination& server) {
  std::string line = "=== " + server.label;
  if (server.label != server.sender) line += " (" + server.sender + ')';
  return line + '\n';
}

Ask commandAsk(const Config& config, const Destination& server, const std::string& command) {
  return {&server, rcon::rconRequest(server.password, command), false,
          config.endMarker ? newEndMarker() : std::string()};
}

// Prints one command's reply as the options ask and returns what it means for the exit status.
CliExit showReply(const Config& config, const Destination& server, const std::string& command,
                  const ReplyExchange& exchange, Output& output) {
  const CliExit exit = rcon::exitFor(exchange);
  const std::string why = failure(config, exchange);
  const bool fleet = config.servers.size() > 1;
  if (!why.empty()) note(server.label + ": " + why);
  if (config.json) {
    Json line = {{"server", server.label}, {"ok", why.empty()}, {"command", utf8(command)}};
    if (exchange.replied()) {
      line["reply"] = utf8(exchange.text());
      line["elapsed_ms"] = exchange.elapsedMs();
    }
    if (!why.empty()) line["error"] = why;
    output.plain(jsonLine(line));
    return exit;
  }
  if (fleet && !output.raw() && exchange.replied()) output.plain(header(server));
  if (!exchange.text().empty()) output.text(exchange.text());
  return exit;
}

struct Line {
  std::string bytes;
  bool tooLong = false;
};

// One line of standard input without its line end; nothing at the end of the input.
std::optional<Line> readLine(std::FILE* in) {
  Line line;
  bool any = false;
  for (int c = std::getc(in); c != EOF; c = std::getc(in)) {
    any = true;
    if (c == '\n') break;
    if (line.bytes.size() < kMaxLineBytes) {
      line.bytes.push_back(static_cast<char>(c));
    } else {
      line.tooLong = true;
    }
  }
  if (!any) {
    if (std::ferror(in)) note("cannot read standard input");
    return std::nullopt;
  }
  if (line.bytes.ends_with('\r')) line.bytes.pop_back();
  return line;
}

}  // namespace

int runCommand(const Config& config, Output& output) {
  Network network;
  std::vector<Ask> asks;
  for (const Destination& server : config.servers) {
    asks.push_back(commandAsk(config, server, config.command));
  }
  CliExit worst = CliExit::Reply;
  exchangeAll(network, asks, config.limits, [&](std::size_t i, const ReplyExchange& exchange) {
    worst = std::max(worst, showReply(config, config.servers[i], config.command, exchange, output));
  });
  return static_cast<int>(worst);
}

int runStdin(const Config& config, Output& output) {
  const Destination& server = config.servers.front();
  Network network;
  CliExit worst = CliExit::Reply;
  QElapsedTimer sinceSend;
  std::size_t number = 0;
  while (const std::optional<Line> line = readLine(stdin)) {
    ++number;
    if (line->tooLong) {
      note("line " + std::to_string(number) + " is too long to send; skipped");
      worst = std::max(worst, CliExit::NoReply);
      continue;
    }
    if (line->bytes.empty()) continue;
    // Servers drop rcon requests that come faster than this.
    if (sinceSend.isValid() && sinceSend.elapsed() < config.paceMs) {
      QThread::msleep(static_cast<unsigned long>(config.paceMs - sinceSend.elapsed()));
    }
    const std::string late = takeLate(network, server);
    if (!late.empty() && !config.json) output.text(late);
    const std::string command = scriptBytes(QByteArray::fromStdString(line->bytes));
    sinceSend.start();
    CliExit exit = CliExit::Reply;
    exchangeAll(network, {commandAsk(config, server, command)}, config.limits,
                [&](std::size_t, const ReplyExchange& exchange) {
                  exit = showReply(config, server, command, exchange, output);
                });
    // The password will not get better: stop at once.
    if (exit == CliExit::BadPassword) return static_cast<int>(exit);
    worst = std::max(worst, exit);
  }
  return static_cast<int>(worst);
}

int runStatus(const Config& config, Output& output) {
  Network network;
  std::vector<Ask> asks;
  for (const Destination& server : config.servers) {
    asks.push_back({&server, std::string(rcon::kStatusRequest), true, {}});
  }
  const bool fleet = config.servers.size() > 1;
  CliExit worst = CliExit::Reply;
  std::vector<ServerStatus> metrics;
  exchangeAll(network, asks, config.limits, [&](std::size_t i, const ReplyExchange& exchange) {
    const Destination& server = config.servers[i];
    const std::string why = failure(config, exchange);
    worst = std::max(worst, rcon::exitFor(exchange));
    std::optional<rcon::StatusReply> reply;
    if (why.empty()) {
      reply = rcon::parseStatusResponse(exchange.text());
      if (!reply->complete) {
        note(server.label + ": the status reply is not laid out as usual; shown as far as it goes");
      }
    } else {
      note(server.label + ": " + why);
    }
    if (config.prometheus) {
      metrics.push_back({server.label, reply});
    } else if (config.json) {
      if (!fleet) {
        if (reply) output.plain(jsonLine(statusJson(*reply)));
      } else {
        Json line = {{"server", server.label}, {"ok", reply.has_value()}};
        line[reply ? "status" : "error"] = reply ? statusJson(*reply) : Json(why);
        output.plain(jsonLine(line));
      }
    } else if (reply) {
      if (fleet) output.plain(header(server));
      output.text(rcon::joinAsLines(rcon::formatStatusReport(*reply)));
    }
  });
  if (config.prometheus) output.plain(prometheusMetrics(metrics));
  return static_cast<int>(worst);
}

}  // namespace cli
