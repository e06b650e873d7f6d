#include "core/CliReply.h"

#include <utility>

#include "core/Protocol.h"

namespace rcon {
namespace {
// A flood of foreign datagrams gets a few lines, not one each.
constexpr std::size_t kNotedForeign = 3;
}  // namespace

ReplyExchange::ReplyExchange(std::string server, ExchangeLimits limits, bool statusRequest)
    : server_(std::move(server)), limits_(limits), statusRequest_(statusRequest) {}

std::optional<std::uint32_t> ReplyExchange::handle(Event event, std::string_view datagram,
                                                   std::string_view sender) {
  switch (event) {
    case Event::Sent:
      if (state_ != State::Idle) return std::nullopt;
      state_ = State::Waiting;
      return limits_.timeoutMs;
    case Event::Datagram:
      if (state_ != State::Waiting && state_ != State::Receiving) return std::nullopt;
      return onDatagram(datagram, sender);
    case Event::TimerDue:
      if (state_ == State::Waiting || state_ == State::Receiving) state_ = State::Done;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> ReplyExchange::onDatagram(std::string_view datagram,
                                                       std::string_view sender) {
  if (sender != server_) {
    if (++ignored_ <= kNotedForeign) {
      notes_.push_back("ignored a datagram from " + std::string(sender) + ", not the server");
    }
    return std::nullopt;
  }
  const std::string_view text = ReplyText(datagram);
  if (statusRequest_) {
    // Late output of some earlier command is not the answer to "getstatus".
    if (!text.starts_with("Response")) {
      notes_.emplace_back("ignored a reply from the server that is not a status reply");
      return std::nullopt;
    }
    ++pieces_;
    text_ = std::string(text);  // one datagram: far below maxBytes
    status_ = true;
    state_ = State::Done;
    return std::nullopt;
  }
  ++pieces_;
  if (text_.size() + text.size() > limits_.maxBytes) {
    text_.append(text.substr(0, limits_.maxBytes - text_.size()));
    cut_ = true;
    notes_.push_back("the reply was cut off after " + std::to_string(limits_.maxBytes) + " bytes");
    state_ = State::Done;
    return std::nullopt;
  }
  text_.append(text);
  state_ = State::Receiving;
  return limits_.quietMs;
}

std::vector<std::string> ReplyExchange::takeNotes() {
  if (ignored_ > kNotedForeign && state_ == State::Done) {
    notes_.push_back("ignored " + std::to_string(ignored_) +
                     " datagrams in all that did not come from the server");
    ignored_ = 0;
  }
  return std::exchange(notes_, {});
}

bool IsBadPassword(std::string_view text) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  return text == "Bad rconpassword.";
}

std::string_view ReplyText(std::string_view datagram) {
  return datagram.size() > kReplyHeaderLength ? datagram.substr(kReplyHeaderLength)
                                              : std::string_view{};
}

}  // namespace rcon
