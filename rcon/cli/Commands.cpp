#include "cli/Commands.h"

#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "cli/Exchange.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/StatusJson.h"
#include "core/CliText.h"
#include "core/Protocol.h"
#include "core/StatusReport.h"
#include "platform/base/UdpSocket.h"

namespace cli {
namespace {

using rcon::CliExit;

// No datagram can carry more; a longer line could never be sent.
constexpr std::size_t kMaxLineBytes = 65507;

std::string Seconds(std::uint32_t ms) {
  std::string text = std::to_string(ms / 1000);
  if (ms % 1000 != 0) {
    std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
    while (fraction.back() == '0') fraction.pop_back();
    text += '.' + fraction;
  }
  return text + " s";
}

void NoReply(const Config& config) {
  Note("no reply from " + SenderName(config.target) + " within " +
       Seconds(config.limits.timeoutMs));
}

// Prints the reply and says what it means for the exit status.
CliExit Show(const Config& config, const ExchangeResult& result, Output& output) {
  if (!result.sent) return CliExit::NoReply;
  if (!result.replied) {
    NoReply(config);
    return CliExit::NoReply;
  }
  output.text(result.text);
  if (rcon::IsBadPassword(result.text)) {
    Note("the server refused the password");
    return CliExit::BadPassword;
  }
  return CliExit::Reply;
}

struct Line {
  std::string bytes;
  bool tooLong = false;
};

// One line of standard input without its line end; nothing at the end of the input.
std::optional<Line> ReadLine(std::FILE* in) {
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
    if (std::ferror(in)) Note("cannot read standard input");
    return std::nullopt;
  }
  if (line.bytes.ends_with('\r')) line.bytes.pop_back();
  return line;
}

}  // namespace

int RunCommand(const Config& config, Output& output) {
  platform::UdpSocket socket(nullptr, 0);
  const ExchangeResult result =
      Exchange(socket, config.target, rcon::rconRequest(config.password, config.command),
               config.limits, false);
  return static_cast<int>(Show(config, result, output));
}

int RunStdin(const Config& config, Output& output) {
  platform::UdpSocket socket(nullptr, 0);
  CliExit worst = CliExit::Reply;
  QElapsedTimer sinceSend;
  std::size_t number = 0;
  while (const std::optional<Line> line = ReadLine(stdin)) {
    ++number;
    if (line->tooLong) {
      Note("line " + std::to_string(number) + " is too long to send; skipped");
      worst = CliExit::NoReply;
      continue;
    }
    if (line->bytes.empty()) continue;
    // Servers drop rcon requests that come faster than this.
    if (sinceSend.isValid() && sinceSend.elapsed() < config.paceMs) {
      QThread::msleep(static_cast<unsigned long>(config.paceMs - sinceSend.elapsed()));
    }
    PrintLate(socket, config.target, output);
    const std::string command = ScriptBytes(QByteArray::fromStdString(line->bytes));
    sinceSend.start();
    const ExchangeResult result = Exchange(
        socket, config.target, rcon::rconRequest(config.password, command), config.limits, false);
    const CliExit exit = Show(config, result, output);
    // The password will not get better: stop at once.
    if (exit == CliExit::BadPassword) return static_cast<int>(exit);
    if (exit == CliExit::NoReply) worst = exit;
  }
  return static_cast<int>(worst);
}

int RunStatus(const Config& config, Output& output) {
  platform::UdpSocket socket(nullptr, 0);
  const ExchangeResult result =
      Exchange(socket, config.target, std::string(rcon::kStatusRequest), config.limits, true);
  if (!result.sent) return static_cast<int>(CliExit::NoReply);
  if (!result.replied) {
    NoReply(config);
    return static_cast<int>(CliExit::NoReply);
  }
  const rcon::StatusReply reply = rcon::parseStatusResponse(result.text);
  if (!reply.complete) Note("the status reply is not laid out as usual; shown as far as it goes");
  if (config.json) {
    output.bytes(StatusJson(reply));
  } else {
    output.text(rcon::JoinAsLines(rcon::formatStatusReport(reply)));
  }
  return static_cast<int>(CliExit::Reply);
}

}  // namespace cli
