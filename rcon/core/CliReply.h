#pragma once
// One request and its reply, as the command-line companion waits for it. Nothing marks a
// reply's last piece, so a reply is complete once no piece has come for a quiet period; the
// pieces are joined as the window joins them (each header dropped, the texts concatenated in
// arrival order). A status reply is always one datagram, so it ends the wait at once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

struct ExchangeLimits {
  std::uint32_t timeoutMs = 3000;                        // for the first piece
  std::uint32_t quietMs = 250;                           // after the last piece
  std::size_t maxBytes = std::size_t{16} * 1024 * 1024;  // joined text; more is cut off
};

class ReplyExchange final {
 public:
  enum class State { Idle, Waiting, Receiving, Done };
  enum class Event { Sent, Datagram, TimerDue };

  // server is the sender replies must come from, as "address:port"; statusRequest: the
  // request was "getstatus".
  ReplyExchange(std::string server, ExchangeLimits limits, bool statusRequest);

  // The one transition function; datagram and sender belong to Event::Datagram. Returns the
  // timer to (re)start now, in milliseconds; nothing leaves the timer as it is.
  std::optional<std::uint32_t> handle(Event event, std::string_view datagram = {},
                                      std::string_view sender = {});

  State state() const { return state_; }
  bool replied() const { return pieces_ > 0; }
  const std::string& text() const { return text_; }
  bool isStatus() const { return status_; }
  bool cut() const { return cut_; }
  // Remarks for standard error about datagrams that were not taken, oldest first.
  std::vector<std::string> takeNotes();

 private:
  std::optional<std::uint32_t> onDatagram(std::string_view datagram, std::string_view sender);

  std::string server_;
  ExchangeLimits limits_;
  bool statusRequest_;
  State state_ = State::Idle;
  std::size_t pieces_ = 0;
  std::string text_;
  bool status_ = false;
  bool cut_ = false;
  std::size_t ignored_ = 0;
  std::vector<std::string> notes_;
};

// The reply the server gives to a wrong rcon password.
bool IsBadPassword(std::string_view text);

// The text after a reply's header; nothing for a datagram too short to hold one.
std::string_view ReplyText(std::string_view datagram);

}  // namespace rcon
