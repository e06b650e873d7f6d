// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Options.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>

#include "cli/Passwords.h"
#include "cli/SavedServers.h"
#include "core/MessageScheduler.h"
#include "platform/base/TextCodec.h"
#include "rcon/Version.h"

namespace cli {
namespace {

constexpr std::int64_t kMaxWaitMs = 24LL * 60 * 60 * 1000;

struct Definitions {
  QCommandLineOption password{{"p", "password"},
                              "The rcon password. Other users of this machine can see it in the "
                              "process list: prefer --password-file or VORTANE_RCON_PASSWORD.",
                              "PASSWORD"};
  QCommandLineOption passwordFile{
      "password-file", "Read the rcon password from the first line of FILE (a pipe will do).",
      "FILE"};
  QCommandLineOption status{"status", "Ask for the server's status and print the report."};
  QCommandLineOption json{"json", "Print one JSON object a line (a reply, a status, a message)."};
  QCommandLineOption format{
      "format", "With --status: text (default) or prometheus (metrics for a text-file collector).",
      "FORMAT", "text"};
  QCommandLineOption raw{"raw", "Print the server's bytes exactly as received, colour codes too."};
  QCommandLineOption color{"color", "Colour codes as colours: auto (default), always or never.",
                           "WHEN", "auto"};
  QCommandLineOption quiet{"quiet",
                           "A reply without end marker is complete when no more of it has come "
                           "for MS milliseconds (default 250).",
                           "MS", "250"};
  QCommandLineOption endMarker{"end-marker",
                               "Follow each command with an echo whose answer ends the reply at "
                               "once (default with several servers and in the shell)."};
  QCommandLineOption noEndMarker{"no-end-marker", "Wait for the quiet period after every reply."};
  QCommandLineOption timeout{
      "timeout", "Give up when no reply has come within SECONDS (default 3).", "SECONDS", "3"};
  QCommandLineOption deadline{"deadline",
                              "Stop waiting for a reply that is still coming after SECONDS "
                              "(default 30).",
                              "SECONDS", "30"};
  QCommandLineOption pace{"pace",
                          "With commands from standard input: at least MS milliseconds between "
                          "two commands (default 600).",
                          "MS", "600"};
  QCommandLineOption messages{"messages",
                              "Send the messages of FILE (one per line) one per interval, over "
                              "and over, until interrupted.",
                              "FILE"};
  QCommandLineOption interval{
      "interval", "With --messages: SECONDS between two messages (default 120).", "SECONDS", "120"};
  // For the shell completions: every @NAME the servers file gives, one a line.
  QCommandLineOption listSaved = [] {
    QCommandLineOption option("list-saved", "Print every saved @NAME and @GROUP.");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
  }();
};

void describe(QCommandLineParser& parser, const Definitions& d) {
  parser.setApplicationDescription(
      "Sends rcon commands to Vortane game servers and prints their replies.\n"
      "SERVER is HOST[:PORT], [IPV6]:PORT, @NAME (a saved server), @GROUP or @all.\n"
      "With several servers, put -- between them and the COMMAND.\n"
      "With no COMMAND: an interactive shell on a terminal, else one command per line of the\n"
      "standard input. The password: -p or --password-file, else VORTANE_RCON_PASSWORD, else\n"
      "the saved server's.\n"
      "Exit status (the worst over all servers): 0 a reply came, 1 no reply, 2 usage error,\n"
      "3 password refused, 4 the output could not be written.");
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  parser.addOptions({d.password, d.passwordFile, d.status, d.json, d.format, d.raw, d.color,
                     d.quiet, d.endMarker, d.noEndMarker, d.timeout, d.deadline, d.pace, d.messages,
                     d.interval, d.listSaved});
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("SERVER", "Where to send; port 20100 if none is given.",
                               "SERVER... [--]");
  parser.addPositionalArgument("COMMAND", "The command to send, its words joined by blanks.",
                               "[COMMAND...]");
}

Parsed usageError(const std::string& message) {
  note(message);
  note("try 'vortane-rcon --help' for the options");
  return {std::nullopt, static_cast<int>(rcon::CliExit::Usage)};
}

// A problem with a file, a name or a password: no help text, the reason says it all.
Parsed runError(const std::string& message) {
  note(message);
  return {std::nullopt, static_cast<int>(rcon::CliExit::Usage)};
}

std::string local(const QString& text) { return text.toLocal8Bit().toStdString(); }

// How many positional words come before a "--" that ends the options or the servers.
std::optional<std::size_t> wordsBeforeDashDash(const QStringList& arguments, const Definitions& d) {
  const auto takesValue = [&d](const QString& argument) {
    if (argument.contains('=')) return false;
    if (argument == QLatin1String("-p")) return true;
    if (!argument.startsWith(QLatin1String("--"))) return false;  // "-pSECRET" holds its value
    const QString name = argument.mid(2);
    for (const QCommandLineOption* option :
         {&d.password, &d.passwordFile, &d.format, &d.color, &d.quiet, &d.timeout, &d.deadline,
          &d.pace, &d.messages, &d.interval}) {
      if (option->names().contains(name)) return true;
    }
    return false;
  };
  std::size_t words = 0;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) return words;
    if (words == 0 && argument.startsWith('-') && argument.size() > 1) {
      if (takesValue(argument)) ++i;
      continue;
    }
    ++words;
  }
  return std::nullopt;
}

}  // namespace

Parsed parseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  const Definitions d;
  describe(parser, d);
  if (!parser.parse(arguments)) return usageError(local(parser.errorText()));
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    const QByteArray help = parser.helpText().toLocal8Bit();
    Output output(true, false);
    output.plain(help.toStdString());
    return {std::nullopt,
            output.error().empty() ? 0 : static_cast<int>(rcon::CliExit::OutputFailed)};
  }
  if (parser.isSet(QStringLiteral("version"))) {
    Output output(true, false);
    output.plain("vortane-rcon " + std::string(rcon::kVersion) + "\n");
    return {std::nullopt,
            output.error().empty() ? 0 : static_cast<int>(rcon::CliExit::OutputFailed)};
  }

  if (parser.isSet(d.listSaved)) {
    SavedServers saved;
    std::string names;
    if (const rcon::ServerList* list = saved.list()) {
      for (const rcon::SavedServer& server : list->servers()) names += '@' + server.name + '\n';
      for (const rcon::ServerGroup& group : list->groups()) names += '@' + group.name + '\n';
      names += "@all\n";
    }
    Output output(true, false);
    output.plain(names);
    return {std::nullopt,
            output.error().empty() ? 0 : static_cast<int>(rcon::CliExit::OutputFailed)};
  }

  QStringList positional = parser.positionalArguments();
  const std::optional<std::size_t> dashDash = wordsBeforeDashDash(arguments, d);
  // After the first word every argument is positional, "--" included.
  if (dashDash && static_cast<qsizetype>(*dashDash) < positional.size() &&
      positional[static_cast<qsizetype>(*dashDash)] == QLatin1String("--")) {
    positional.removeAt(static_cast<qsizetype>(*dashDash));
  }
  rcon::CliChoices choices;
  choices.status = parser.isSet(d.status);
  choices.json = parser.isSet(d.json);
  choices.prometheus = parser.value(d.format) == QLatin1String("prometheus");
  choices.messages = parser.isSet(d.messages);
  choices.interval = parser.isSet(d.interval);
  choices.inputIsTerminal = isatty(STDIN_FILENO) == 1;
  choices.dashDash = dashDash;
  for (const QString& word : positional) choices.words.push_back(platform::FromQString(word));
  const QString format = parser.value(d.format);
  if (format != QLatin1String("text") && format != QLatin1String("prometheus")) {
    return usageError("--format takes text or prometheus");
  }
  const rcon::CliPlan plan = rcon::planRun(choices);
  if (!plan.error.empty()) return usageError(plan.error);

  Config config;
  config.mode = plan.mode;
  config.json = choices.json;
  config.prometheus = choices.prometheus;
  config.raw = parser.isSet(d.raw);
  const QString colour = parser.value(d.color);
  if (colour != QLatin1String("auto") && colour != QLatin1String("always") &&
      colour != QLatin1String("never")) {
    return usageError("--color takes auto, always or never");
  }
  config.colour = colourWanted(colour == QLatin1String("always")  ? ColourChoice::Always
                               : colour == QLatin1String("never") ? ColourChoice::Never
                                                                  : ColourChoice::Auto);
  // The command line's own text, not 8-bit: convert it as a script's text is converted.
  config.command = scriptBytes(
      positional.mid(static_cast<qsizetype>(plan.targets.size())).join(QLatin1Char(' ')).toUtf8());

  const auto quiet = rcon::parseWholeNumber(local(parser.value(d.quiet)), 1, kMaxWaitMs);
  if (!quiet) return usageError("--quiet takes milliseconds, 1 to 86400000");
  const auto timeout = rcon::parseSecondsAsMs(local(parser.value(d.timeout)), 1, kMaxWaitMs);
  if (!timeout) return usageError("--timeout takes seconds, more than 0 and up to 86400");
  const auto deadline = rcon::parseSecondsAsMs(local(parser.value(d.deadline)), 1, kMaxWaitMs);
  if (!deadline) return usageError("--deadline takes seconds, more than 0 and up to 86400");
  const auto pace = rcon::parseWholeNumber(local(parser.value(d.pace)), 0, kMaxWaitMs);
  if (!pace) return usageError("--pace takes milliseconds, 0 to 86400000");
  const auto interval = rcon::parseWholeNumber(local(parser.value(d.interval)), 1,
                                               rcon::MessageScheduler::kMaxSeconds);
  if (!interval) return usageError("--interval takes whole seconds, 1 or more");
  if (parser.isSet(d.endMarker) && parser.isSet(d.noEndMarker)) {
    return usageError("--end-marker and --no-end-marker exclude each other");
  }
  config.limits.quietMs = static_cast<std::uint32_t>(*quiet);
  config.limits.timeoutMs = static_cast<std::uint32_t>(*timeout);
  config.limits.deadlineMs = static_cast<std::uint32_t>(*deadline);
  config.paceMs = static_cast<std::uint32_t>(*pace);
  config.intervalSeconds = *interval;
  config.messagesFile = parser.value(d.messages);

  SavedServers saved;
  QtHostResolver resolver;
  const bool anySaved = std::any_of(plan.targets.begin(), plan.targets.end(),
                                    [](const std::string& t) { return t.starts_with('@'); });
  const rcon::ResolvedTargets targets =
      rcon::resolveTargets(plan.targets, resolver, anySaved ? saved.list() : nullptr);
  if (!targets.error.empty()) return runError(targets.error);
  if (targets.targets.size() > 1 &&
      (plan.mode == rcon::CliMode::Messages || plan.mode == rcon::CliMode::Shell ||
       plan.mode == rcon::CliMode::Stdin)) {
    return usageError(plan.mode == rcon::CliMode::Messages
                          ? "--messages goes to one server"
                          : "several servers need a COMMAND after -- or --status");
  }
  config.endMarker = parser.isSet(d.endMarker) ||
                     (!parser.isSet(d.noEndMarker) &&
                      (targets.targets.size() > 1 || plan.mode == rcon::CliMode::Shell));

  const bool needsPassword = plan.mode != rcon::CliMode::Status;
  PasswordChoice choice;
  if (parser.isSet(d.password)) choice.typed = parser.value(d.password);
  if (parser.isSet(d.passwordFile)) choice.file = parser.value(d.passwordFile);
  const PasswordResult shared = sharedPassword(choice);
  if (!shared.error.empty()) return runError(shared.error);
  for (const rcon::ResolvedTarget& target : targets.targets) {
    Destination destination{
        target.label, QHostAddress(QString::fromStdString(target.address)), target.port, {}, {}};
    if (destination.address.isNull()) return runError("not a valid address: " + target.label);
    destination.sender =
        rcon::senderName(destination.address.toString().toStdString(), target.port);
    if (needsPassword) {
      const PasswordResult password = shared.password ? shared : serverPassword(target, &saved);
      if (!password.password) return runError(password.error);
      destination.password = *password.password;
    }
    config.servers.push_back(std::move(destination));
  }
  return {config, 0};
}

}  // namespace cli
