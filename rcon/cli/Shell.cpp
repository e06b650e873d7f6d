// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Shell.h"

// clang-format off
#include <cstdio>
#include <editline/readline.h>
// clang-format on

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <cstdlib>
#include <cstring>

#include "cli/Exchange.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/CliFleet.h"
#include "core/CliShell.h"
#include "core/Protocol.h"
#include "platform/base/StatePaths.h"

namespace cli {
namespace {

using rcon::CliExit;

QString historyPath() { return platform::stateDirectory() + QStringLiteral("/history"); }

// What the completion callbacks need; libedit's interface has no place for a context.
struct Completion {
  const Config* config = nullptr;
  Network* network = nullptr;
  bool fetched = false;
  std::vector<std::string> names;
  std::vector<std::string> matches;
  std::size_t next = 0;
};
Completion completion;

// One request and its reply text; nothing when none came.
std::optional<std::string> ask(const Config& config, Network& network, const std::string& command,
                               CliExit* exit = nullptr) {
  const Destination& server = config.servers.front();
  std::optional<std::string> reply;
  exchangeAll(network,
              {{&server, rcon::rconRequest(server.password, command), false,
                config.endMarker ? newEndMarker() : std::string()}},
              config.limits, [&](std::size_t, const rcon::ReplyExchange& exchange) {
                if (exit != nullptr) *exit = rcon::exitFor(exchange);
                if (rcon::exitFor(exchange) == CliExit::Reply) reply = exchange.text();
              });
  return reply;
}

// The server's command and variable names, asked for at the first Tab.
void fetchNames() {
  if (completion.fetched) return;
  completion.fetched = true;
  std::string lists;
  for (const char* list : {"cmdlist", "cvarlist"}) {
    if (std::optional<std::string> reply = ask(*completion.config, *completion.network, list)) {
      lists += *reply;
    }
  }
  completion.names = rcon::namesFromList(lists);
}

char* nextMatch(const char* text, int state) {
  if (state == 0) {
    fetchNames();
    completion.matches = rcon::completionsFor(completion.names, text);
    completion.next = 0;
  }
  if (completion.next >= completion.matches.size()) return nullptr;
  return strdup(completion.matches[completion.next++].c_str());  // libedit frees it
}

char** complete(const char* text, int /*start*/, int /*end*/) {
  rl_attempted_completion_over = 1;  // no file names
  return rl_completion_matches(text, nextMatch);
}

class History final {
 public:
  History() : path_(historyPath()) {
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) history_.load(file.readAll().toStdString());
    for (const std::string& entry : history_.entries()) add_history(entry.c_str());
  }

  void record(const std::string& command) {
    if (!history_.record(command)) return;
    add_history(command.c_str());
    save();
  }

 private:
  // The history may hold what was typed after "rcon_password": only the user may read it.
  void save() {
    if (!QDir().mkpath(QFileInfo(path_).path())) return;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
      noteOnce("cannot keep the history in " + path_.toStdString() + ": " +
               file.errorString().toStdString());
      return;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QByteArray::fromStdString(history_.fileBytes()));
    if (!file.commit()) {
      noteOnce("cannot keep the history in " + path_.toStdString() + ": " +
               file.errorString().toStdString());
    }
  }
  void noteOnce(const std::string& message) {
    if (!noted_) note(message);
    noted_ = true;
  }

  QString path_;
  rcon::ShellHistory history_;
  bool noted_ = false;
};

std::string trimmed(const char* line) {
  std::string text(line);
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int runShell(const Config& config, Output& output) {
  const Destination& server = config.servers.front();
  Network network;
  completion.config = &config;
  completion.network = &network;
  rl_readline_name = "vortane-rcon";
  rl_attempted_completion_function = complete;
  stifle_history(static_cast<int>(rcon::ShellHistory::kMaxEntries));
  History history;
  note("connected to " + server.label + "; Ctrl+D or 'quit' leaves");
  const std::string prompt = server.label + "> ";
  QElapsedTimer sinceSend;
  while (char* typed = readline(prompt.c_str())) {
    const std::string line = trimmed(typed);
    std::free(typed);  // NOLINT(cppcoreguidelines-no-malloc): libedit's allocation
    if (line.empty()) continue;
    if (line == "quit" || line == "exit") break;
    history.record(line);
    // Each command costs two requests with the end marker; servers drop those that come
    // faster than the pace.
    if (sinceSend.isValid() && sinceSend.elapsed() < config.paceMs) {
      QThread::msleep(static_cast<unsigned long>(config.paceMs - sinceSend.elapsed()));
    }
    const std::string late = takeLate(network, server);
    if (!late.empty()) output.text(late);
    sinceSend.start();
    CliExit exit = CliExit::Reply;
    const std::string command = scriptBytes(QByteArray::fromStdString(line));
    const std::optional<std::string> reply = ask(config, network, command, &exit);
    if (reply && !reply->empty()) output.text(*reply);
    if (exit == CliExit::NoReply) {
      note("no reply from " + server.label);
    } else if (exit == CliExit::BadPassword) {
      note("the server refused the password");
      return static_cast<int>(exit);
    }
    if (!output.error().empty()) break;
  }
  return 0;
}

}  // namespace cli
