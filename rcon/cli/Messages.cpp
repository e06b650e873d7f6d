// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Messages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <csignal>
#include <optional>

#include "cli/Formats.h"
#include "cli/Network.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/CliReply.h"
#include "core/MessageScheduler.h"
#include "core/Protocol.h"
#include "core/TextFile.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/SignalPipe.h"
#include "platform/base/TextCodec.h"
#include "platform/base/TickTimer.h"

namespace cli {
namespace {

using rcon::CliExit;

std::optional<std::string> readList(const QString& path) {
  platform::QtFileStore files;
  const rcon::ReadResult read = files.read(platform::PathFromQString(path), rcon::kMaxOpenBytes);
  if (!read.ok()) {
    note("cannot read the messages file " + path.toLocal8Bit().toStdString() + ": " + read.error);
    return std::nullopt;
  }
  if (!rcon::holdsMessage(read.bytes)) {
    note("the messages file " + path.toLocal8Bit().toStdString() + " holds no message");
    return std::nullopt;
  }
  return read.bytes;
}

}  // namespace

int runMessages(const Config& config, Output& output) {
  const std::optional<std::string> list = readList(config.messagesFile);
  if (!list) return static_cast<int>(CliExit::Usage);

  platform::SignalPipe signalPipe({SIGINT, SIGTERM});
  if (!signalPipe.ok()) note("cannot watch for SIGINT and SIGTERM; they end the run abruptly");
  Network network;
  platform::TickTimer timer;
  const Destination& server = config.servers.front();
  const std::size_t prefix = rcon::sayRequest(server.password, "").size();

  rcon::MessageScheduler scheduler(
      timer, [&server] { return server.password; },
      [&](const std::string& request) {
        const std::string error = network.send(server, rcon::makeDatagram(request));
        if (!error.empty()) {
          note("could not send to " + server.label + ": " + error);
          return;
        }
        // The time is shown, the password never.
        const QDateTime now = QDateTime::currentDateTime();
        const std::string message = request.substr(prefix);
        if (config.json) {
          output.plain(jsonLine({{"server", server.label},
                                 {"time", now.toString(Qt::ISODate).toStdString()},
                                 {"message", utf8(message)}}));
        } else {
          output.text(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString() + ' ' +
                      message + '\n');
        }
        if (!output.error().empty())
          QCoreApplication::exit(static_cast<int>(CliExit::OutputFailed));
      });
  QObject::connect(&timer, &platform::TickTimer::tick, &timer, [&scheduler] { scheduler.tick(); });

  rcon::StrangerLog strangers;
  QObject::connect(&network, &Network::datagramsWaiting, &network, [&] {
    for (const Arrival& arrival : network.drain()) {
      if (arrival.sender != server.sender) {
        std::vector<std::string> notes;
        strangers.add(arrival.sender, notes);
        for (const std::string& text : notes) note(text);
        continue;
      }
      const std::string_view text = rcon::replyText(arrival.bytes);
      if (rcon::isPasswordRefusal(text)) {
        note("the server refused the password");
        scheduler.stop();
        QCoreApplication::exit(static_cast<int>(CliExit::BadPassword));
        return;
      }
      if (!text.empty() && !config.json) output.text(text);
    }
  });
  QObject::connect(&signalPipe, &platform::SignalPipe::caught, &signalPipe, [&scheduler] {
    scheduler.stop();
    QCoreApplication::exit(0);
  });

  rcon::MessagingSettings settings;
  settings.text = *list;
  settings.seconds = config.intervalSeconds;
  scheduler.start(settings);
  note("sending messages to " + server.label + " every " + std::to_string(config.intervalSeconds) +
       " s; SIGINT (Ctrl+C) or SIGTERM stops");
  return QCoreApplication::exec();
}

}  // namespace cli
