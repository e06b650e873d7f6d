#include "cli/Messages.h"

#include <QCoreApplication>
#include <QDateTime>

#include "cli/Exchange.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/SignalPipe.h"
#include "core/CliReply.h"
#include "core/CliText.h"
#include "core/MessageScheduler.h"
#include "core/Protocol.h"
#include "core/TextFile.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/TextCodec.h"
#include "platform/base/TickTimer.h"
#include "platform/base/UdpSocket.h"

namespace cli {
namespace {

using rcon::CliExit;

// A flood of foreign datagrams gets a few lines, not one each.
constexpr int kNotedForeign = 3;

std::optional<std::string> ReadList(const QString& path) {
  platform::QtFileStore files;
  const rcon::ReadResult read = files.read(platform::PathFromQString(path), rcon::kMaxOpenBytes);
  if (!read.ok()) {
    Note("cannot read the messages file " + path.toLocal8Bit().toStdString() + ": " + read.error);
    return std::nullopt;
  }
  std::optional<std::string> list = rcon::MessageList(read.bytes);
  if (!list) Note("the messages file " + path.toLocal8Bit().toStdString() + " holds no message");
  return list;
}

}  // namespace

int RunMessages(const Config& config, Output& output) {
  const std::optional<std::string> list = ReadList(config.messagesFile);
  if (!list) return static_cast<int>(CliExit::Usage);

  SignalPipe signalPipe;
  if (!signalPipe.ok()) Note("cannot watch for SIGINT and SIGTERM; they end the run abruptly");
  platform::UdpSocket socket(nullptr, 0);
  platform::TickTimer timer;
  const std::string server = SenderName(config.target);
  const std::size_t prefix = rcon::SayRequest(config.password, "").size();

  rcon::MessageScheduler scheduler(
      timer, [&config] { return config.password; },
      [&](const std::string& request) {
        const rcon::SendResult sent =
            socket.send(config.target.host, config.target.port, rcon::MakeDatagram(request));
        if (!sent.ok) {
          Note("could not send to " + server + ": " + sent.error);
          return;
        }
        // The time is shown, the password never.
        const std::string time = QDateTime::currentDateTime()
                                     .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                     .toStdString();
        output.text(time + ' ' + request.substr(prefix) + '\n');
      });
  QObject::connect(&timer, &platform::TickTimer::tick, &timer, [&scheduler] { scheduler.Tick(); });

  int foreign = 0;
  QObject::connect(&socket, &platform::UdpSocket::datagramsWaiting, &socket, [&] {
    for (const platform::ReceivedDatagram& datagram : socket.drain()) {
      if (datagram.sender != server) {
        if (++foreign <= kNotedForeign) {
          Note("ignored a datagram from " + datagram.sender + ", not the server");
        }
        continue;
      }
      const std::string_view text = rcon::ReplyText(datagram.bytes);
      if (rcon::IsBadPassword(text)) {
        Note("the server refused the password");
        scheduler.Stop();
        QCoreApplication::exit(static_cast<int>(CliExit::BadPassword));
        return;
      }
      if (!text.empty()) output.text(text);
    }
  });
  QObject::connect(&signalPipe, &SignalPipe::caught, &signalPipe, [&scheduler] {
    scheduler.Stop();
    QCoreApplication::exit(0);
  });

  rcon::MessagingSettings settings;
  settings.text = *list;
  settings.seconds = config.intervalSeconds;
  scheduler.Start(settings);
  Note("sending messages to " + server + " every " + std::to_string(config.intervalSeconds) +
       " s; SIGINT (Ctrl+C) or SIGTERM stops");
  return QCoreApplication::exec();
}

}  // namespace cli
