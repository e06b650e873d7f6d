#include "cli/Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "cli/Output.h"
#include "core/MessageScheduler.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/TextCodec.h"
#include "rcon/Version.h"

namespace cli {
namespace {

constexpr std::int64_t kMaxWaitMs = 24LL * 60 * 60 * 1000;
constexpr std::uint64_t kMaxPasswordFileBytes = 64ull * 1024;
constexpr const char* kPasswordVariable = "VORTANE_RCON_PASSWORD";

struct Definitions {
  QCommandLineOption password{{"p", "password"},
                              "The rcon password. Other users of this machine can see it in the "
                              "process list: prefer --password-file or " +
                                  QString::fromLatin1(kPasswordVariable) + ".",
                              "PASSWORD"};
  QCommandLineOption passwordFile{"password-file",
                                  "Read the rcon password from the first line of FILE.", "FILE"};
  QCommandLineOption quiet{"quiet",
                           "A reply is complete when no more of it has come for MS milliseconds "
                           "(default 250).",
                           "MS", "250"};
  QCommandLineOption timeout{
      "timeout", "Give up when no reply has come within SECONDS (default 3).", "SECONDS", "3"};
  QCommandLineOption pace{"pace",
                          "With commands from standard input: at least MS milliseconds between "
                          "two sends (default 600).",
                          "MS", "600"};
  QCommandLineOption status{"status", "Ask for the server's status and print the report."};
  QCommandLineOption json{"json", "With --status: print the status as one JSON object."};
  QCommandLineOption raw{"raw", "Print the server's bytes exactly as received, colour codes too."};
  QCommandLineOption messages{"messages",
                              "Send the messages of FILE (one per line) one per interval, over "
                              "and over, until interrupted.",
                              "FILE"};
  QCommandLineOption interval{
      "interval", "With --messages: SECONDS between two messages (default 120).", "SECONDS", "120"};
};

void Describe(QCommandLineParser& parser, const Definitions& d) {
  parser.setApplicationDescription(
      "Sends rcon commands to a Vortane game server and prints its replies.\n"
      "With no COMMAND, reads one command per line from standard input.\n"
      "The password comes from --password-file, else " +
      QString::fromLatin1(kPasswordVariable) + ", else -p.\n" +
      "Exit status: 0 a reply came, 1 no reply, 2 usage error, 3 password refused.");
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  parser.addOptions({d.password, d.passwordFile, d.quiet, d.timeout, d.pace, d.status, d.json,
                     d.raw, d.messages, d.interval});
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("HOST[:PORT]", "The server's IPv4 address; port 20100 if none.");
  parser.addPositionalArgument("COMMAND", "The command to send, its words joined by blanks.",
                               "[COMMAND...]");
}

Parsed UsageError(const std::string& message) {
  Note(message);
  Note("try 'vortane-rcon --help' for the options");
  return {std::nullopt, static_cast<int>(rcon::CliExit::Usage)};
}

// A file named on the command line that cannot be read: no help text, the reason says it all.
Parsed FileError(const std::string& message) {
  Note(message);
  return {std::nullopt, static_cast<int>(rcon::CliExit::Usage)};
}

std::string Text(const QString& text) { return text.toLocal8Bit().toStdString(); }

// From the file, else the environment, else -p; empty when none is given.
std::optional<std::string> Password(const QCommandLineParser& parser, const Definitions& d,
                                    std::string& error) {
  if (parser.isSet(d.passwordFile)) {
    const QString path = parser.value(d.passwordFile);
    platform::QtFileStore files;
    const rcon::ReadResult read =
        files.read(platform::PathFromQString(path), kMaxPasswordFileBytes);
    if (!read.ok()) {
      error = "cannot read the password file " + Text(path) + ": " + read.error;
      return std::nullopt;
    }
    return ScriptBytes(QByteArray::fromStdString(rcon::PasswordFromFile(read.bytes)));
  }
  if (qEnvironmentVariableIsSet(kPasswordVariable)) return ScriptBytes(qgetenv(kPasswordVariable));
  return platform::FromQString(parser.value(d.password));
}

}  // namespace

Parsed ParseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const Definitions d;
  Describe(parser, d);
  if (!parser.parse(arguments)) return UsageError(Text(parser.errorText()));
  if (parser.isSet(QStringLiteral("help"))) {
    const QByteArray help = parser.helpText().toLocal8Bit();
    std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), stdout);
    return {std::nullopt, 0};
  }
  if (parser.isSet(QStringLiteral("version"))) {
    std::printf("vortane-rcon %.*s\n", static_cast<int>(rcon::kVersion.size()),
                rcon::kVersion.data());
    return {std::nullopt, 0};
  }

  QStringList words = parser.positionalArguments();
  if (words.isEmpty()) return UsageError("no server given (HOST[:PORT])");
  const rcon::CliTargetResult target = rcon::ParseTarget(Text(words.takeFirst()));
  if (!target.target) return UsageError(target.error);

  const rcon::CliPlan plan =
      rcon::PlanRun({.status = parser.isSet(d.status),
                     .json = parser.isSet(d.json),
                     .messages = parser.isSet(d.messages),
                     .interval = parser.isSet(d.interval),
                     .commandWords = static_cast<std::size_t>(words.size()),
                     .firstWordIsOption = !words.isEmpty() && words.first().startsWith('-')});
  if (!plan.error.empty()) return UsageError(plan.error);

  Config config;
  config.mode = plan.mode;
  config.target = *target.target;
  config.json = parser.isSet(d.json);
  config.raw = parser.isSet(d.raw);
  config.command = platform::FromQString(words.join(QLatin1Char(' ')));

  const auto quiet = rcon::ParseWholeNumber(Text(parser.value(d.quiet)), 1, kMaxWaitMs);
  if (!quiet) return UsageError("--quiet takes milliseconds, 1 to 86400000");
  const auto timeout = rcon::ParseSecondsAsMs(Text(parser.value(d.timeout)), 1, kMaxWaitMs);
  if (!timeout) return UsageError("--timeout takes seconds, more than 0 and up to 86400");
  const auto pace = rcon::ParseWholeNumber(Text(parser.value(d.pace)), 0, kMaxWaitMs);
  if (!pace) return UsageError("--pace takes milliseconds, 0 to 86400000");
  const auto interval = rcon::ParseWholeNumber(Text(parser.value(d.interval)), 1,
                                               rcon::MessageScheduler::kMaxSeconds);
  if (!interval) return UsageError("--interval takes whole seconds, 1 or more");
  config.limits.quietMs = static_cast<std::uint32_t>(*quiet);
  config.limits.timeoutMs = static_cast<std::uint32_t>(*timeout);
  config.paceMs = static_cast<std::uint32_t>(*pace);
  config.intervalSeconds = *interval;
  config.messagesFile = parser.value(d.messages);

  std::string error;
  const std::optional<std::string> password = Password(parser, d, error);
  if (!password) return FileError(error);
  config.password = *password;
  return {config, 0};
}

}  // namespace cli
