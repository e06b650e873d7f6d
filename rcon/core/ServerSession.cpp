// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ServerSession.h"

#include "core/Protocol.h"
#include "core/TextFile.h"

namespace rcon {

ServerSession::ServerSession(const SessionServices& services)
    : socket_(services.socket),
      timer_(services.messagingTimer),
      clock_(services.clock),
      files_(services.files),
      network_(services.network),
      boxes_(services.messageBoxes),
      document_(console_, boxes_, services.fileDialog, services.files),
      messaging_(services.sharedMessaging != nullptr ? *services.sharedMessaging : ownMessaging_),
      scheduler_(
          services.messagingTimer, [this] { return password_; },
          [this](const std::string& request) { send(request); }) {
  socket_.setReceiver([this](std::vector<Datagram>& batch) { receive(batch); });
  timer_.setTickHandler([this] { onTick(); });
  boxes_.setAllClosed([this] { showHeldReport(); });
}

ServerSession::~ServerSession() {
  scheduler_.stop();
  socket_.setReceiver(nullptr);
  timer_.setTickHandler(nullptr);
}

void ServerSession::send(std::string_view request) {
  const ServerAddress address = serverAddress(octets_);
  const std::int64_t port = serverPort(portText_);
  Destination destination = checkDestination(address, port);
  if (destination == Destination::Valid &&
      isBroadcastOrMulticast(address, network_ != nullptr ? network_->broadcastAddresses()
                                                          : std::vector<std::string>{})) {
    destination = Destination::Broadcast;
  }
  if (destination != Destination::Valid) {
    // While a box is on screen (messaging ticks keep coming), further refusals count as shown.
    if (boxes_.anyOpen()) return;
    boxes_.show({std::string(refusalText(destination)), std::string(kMainTitle)});
    events_->refused(destination == Destination::InvalidPort ? TargetField::Port
                                                             : TargetField::Address);
    return;
  }
  // Replies are only taken from where requests went.
  contacted_.insert(address.dotted);
  const SendResult sent =
      socket_.send(address.dotted, static_cast<std::uint16_t>(port), makeDatagram(request));
  if (!sent.ok) {
    reportSendFailure("Could not send to " + address.dotted + " port " + std::to_string(port) +
                      ": " + sent.error);
  }
}

std::optional<ServerSession::Target> ServerSession::target() const {
  const ServerAddress address = serverAddress(octets_);
  const std::int64_t port = serverPort(portText_);
  if (checkDestination(address, port) != Destination::Valid ||
      isBroadcastOrMulticast(address, network_ != nullptr ? network_->broadcastAddresses()
                                                          : std::vector<std::string>{})) {
    return std::nullopt;
  }
  return Target{address.dotted, static_cast<std::uint16_t>(port), password_};
}

void ServerSession::reportSendFailure(const std::string& text) {
  if (!boxes_.anyOpen()) {
    boxes_.show({text, std::string(kMainTitle)});
    return;
  }
  // One report waits for the box on screen; later failures only add to its count.
  if (heldFailures_++ == 0) heldReport_ = text;
}

void ServerSession::showHeldReport() {
  if (heldFailures_ == 0) return;
  std::string text = std::move(heldReport_);
  if (heldFailures_ > 1) {
    text += "\n(" + std::to_string(heldFailures_) + " sends failed while another message was up.)";
  }
  heldFailures_ = 0;
  boxes_.show({text, std::string(kMainTitle)});
}

void ServerSession::sendCommand(std::string_view command) { send(rconRequest(password_, command)); }

void ServerSession::requestStatus() { send(kStatusRequest); }

void ServerSession::receive(const std::vector<Datagram>& batch) {
  // One console insertion per batch keeps up with bursts that one per datagram cannot.
  std::vector<std::string> pieces;
  const std::int64_t now = clock_.nowMs();
  bool refused = false;
  for (const Datagram& datagram : batch) {
    if (!contacted_.contains(datagram.host)) {
      // Anyone who can reach the port could otherwise write into the console, or forge a
      // status report. The first one is named in the console, never its text.
      if (strangersDropped_++ == 0) {
        pieces.push_back("*** Ignored a datagram from " + datagram.host +
                         ", an address this window has not sent to. Further ones are ignored "
                         "without a word.\r\n");
      }
      continue;
    }
    replies_.onDatagram(datagram.bytes, datagram.sender(), now, pieces);
    refused = refused || isPasswordRefusal(replyText(datagram.bytes));
  }
  std::size_t total = 0;
  for (const std::string& piece : pieces) total += piece.size();
  std::string text;
  text.reserve(total);
  for (const std::string& piece : pieces) text += piece;
  appendToConsole(text);
  if (refused && scheduler_.running()) stopMessagingRefused();
}

// Messaging would go on sending a refused password once an interval until the server bans the
// address: it stops, as Messaging > Stop does, and says why.
void ServerSession::stopMessagingRefused() {
  stopMessaging();
  const std::string text =
      "Messaging stopped: the server refused the rcon password. Check the password, then start "
      "messaging again.";
  reportSendFailure(text);
}

void ServerSession::appendToConsole(std::string_view text) {
  if (text.empty()) return;
  constexpr std::size_t kRoom = kConsoleLimit + kConsoleLimit / 8;
  const std::size_t needed = console_.buffer.size() + text.size();
  if (needed > console_.buffer.capacity() && needed > kConsoleLimit / 4 && needed <= kRoom) {
    console_.buffer.reserve(kRoom);
  }
  console_.append(text);
  // Short lines cost more in their index than in text: both count.
  if (console_.buffer.footprint() > kConsoleLimit) trimConsole();
  events_->consoleAppended();
}

// Trims to seven eighths of the limit, so that the view lays the text out again once per eighth
// of a flood, not at every append.
void ServerSession::trimConsole() {
  const ConsoleBuffer& buffer = console_.buffer;
  const std::size_t keep = kConsoleLimit - kConsoleLimit / 8;
  const std::size_t excess = buffer.footprint() - std::min(keep, buffer.footprint());
  // The first line that starts at or past the excess: whole lines leave, unless one line alone
  // is larger than what is kept.
  std::size_t cut = excess;
  for (std::size_t line = 0; line < buffer.lineCount(); ++line) {
    if (buffer.lineStart(line) >= excess) {
      cut = buffer.lineStart(line);
      break;
    }
  }
  if (cut >= buffer.size()) cut = excess;
  std::string note;
  if (console_.unsaved) {
    const std::string_view leaving = std::string_view(buffer.text()).substr(0, cut);
    const WriteResult kept = overflowFile_.empty() ? WriteResult{false, "no folder for it is known"}
                                                   : files_.append(overflowFile_, leaving);
    if (!kept.ok) {
      note = "*** The console is full; its oldest lines could not be kept in " + overflowFile_ +
             ": " + kept.error + "\r\n";
    } else if (!overflowNoted_) {
      overflowNoted_ = true;
      note = "*** The console is full; its oldest lines are kept in " + overflowFile_ + "\r\n";
    }
  }
  console_.buffer.dropFront(cut);
  if (!note.empty()) console_.append(note);
}

// A cleared or replaced console starts on a line of its own, not after a stray line end.
void ServerSession::newDocument() {
  if (!document_.newDocument()) return;
  replies_ = ReplyHandler{};
  events_->consoleReset();
}

void ServerSession::openDocument() {
  if (!document_.open()) return;
  replies_ = ReplyHandler{};
  events_->consoleReset();
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
