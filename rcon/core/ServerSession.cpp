#include "core/ServerSession.h"

#include "core/Protocol.h"
#include "core/TextFile.h"

namespace rcon {

ServerSession::ServerSession(const SessionServices& services)
    : socket_(services.socket),
      timer_(services.messagingTimer),
      clock_(services.clock),
      files_(services.files),
      boxes_(services.messageBoxes),
      document_(console_, boxes_, services.fileDialog, services.files),
      scheduler_(
          services.messagingTimer, [this] { return password_; },
          [this](const std::string& request) { send(request); }) {
  socket_.setReceiver([this](std::vector<Datagram>& batch) { receive(batch); });
  timer_.setTickHandler([this] { onTick(); });
}

ServerSession::~ServerSession() {
  scheduler_.stop();
  socket_.setReceiver(nullptr);
  timer_.setTickHandler(nullptr);
}

void ServerSession::send(std::string_view request) {
  const ServerAddress address = serverAddress(octets_);
  const std::int64_t port = serverPort(portText_);
  const Destination destination = checkDestination(address, port);
  if (destination != Destination::Valid) {
    // While a box is on screen (messaging ticks keep coming), further refusals count as shown.
    if (boxes_.anyOpen()) return;
    boxes_.show({std::string(refusalText(destination)), std::string(kMainTitle)});
    events_->refused(destination == Destination::InvalidPort ? TargetField::Port
                                                             : TargetField::Address);
    return;
  }
  const SendResult sent =
      socket_.send(address.dotted, static_cast<std::uint16_t>(port), makeDatagram(request));
  if (!sent.ok && !boxes_.anyOpen()) {
    boxes_.show({"Could not send to " + address.dotted + " port " + std::to_string(port) + ": " +
                     sent.error,
                 std::string(kMainTitle)});
  }
}

void ServerSession::sendCommand(std::string_view command) { send(rconRequest(password_, command)); }

void ServerSession::requestStatus() { send(kStatusRequest); }

void ServerSession::receive(const std::vector<Datagram>& batch) {
  // One console insertion per batch keeps up with bursts that one per datagram cannot.
  std::vector<std::string> pieces;
  const std::int64_t now = clock_.nowMs();
  for (const Datagram& datagram : batch) {
    replies_.onDatagram(datagram.bytes, datagram.sender(), now, pieces);
  }
  std::size_t total = 0;
  for (const std::string& piece : pieces) total += piece.size();
  std::string text;
  text.reserve(total);
  for (const std::string& piece : pieces) text += piece;
  appendToConsole(text);
}

void ServerSession::appendToConsole(std::string_view text) {
  if (text.empty()) return;
  console_.append(text);
  events_->consoleAppended();
}

void ServerSession::newDocument() {
  if (document_.newDocument()) events_->consoleReset();
}

void ServerSession::openDocument() {
  if (document_.open()) events_->consoleReset();
}

void ServerSession::loadMessagingList() {
  ReadResult list = files_.read(messaging_.file, kMaxOpenBytes);
  messaging_.text = list.ok() ? std::move(list.bytes) : std::string();
}

void ServerSession::startMessaging() {
  scheduler_.start(messaging_);
  events_->messagingChanged();
}

void ServerSession::stopMessaging() {
  scheduler_.stop();
  events_->messagingChanged();
}

void ServerSession::onTick() { scheduler_.tick(); }

}  // namespace rcon
