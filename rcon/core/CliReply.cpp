// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliReply.h"

#include <algorithm>
#include <utility>

#include "core/Protocol.h"

namespace rcon {
namespace {
constexpr std::size_t kNotedStrangers = 3;
}  // namespace

ReplyExchange::ReplyExchange(std::string server, ExchangeLimits limits, bool statusRequest,
                             std::string endMarker)
    : server_(std::move(server)),
      limits_(limits),
      statusRequest_(statusRequest),
      endMarker_(std::move(endMarker)) {}

void ReplyExchange::sent(std::int64_t nowMs) {
  if (state_ != State::Idle) return;
  state_ = State::Waiting;
  sentMs_ = nowMs;
}

// The marker's line, alone or at the end of a piece, is taken out of the text.
bool ReplyExchange::takeMarker(std::string_view& text) const {
  if (endMarker_.empty()) return false;
  std::string_view rest = text;
  if (rest.ends_with('\n')) rest.remove_suffix(1);
  if (!rest.ends_with(endMarker_)) return false;
  rest.remove_suffix(endMarker_.size());
  if (!rest.empty() && !rest.ends_with('\n')) return false;
  text = rest;
  return true;
}

void ReplyExchange::datagram(std::string_view datagram, std::string_view sender,
                             std::int64_t nowMs) {
  if (sender != server_ || state_ == State::Idle || state_ == State::Done) return;
  const ReplyPiece piece = reader_.read(datagram, sender, nowMs);
  if (statusRequest_) {
    // Late output of some earlier command is not the answer to "getstatus".
    if (piece.kind != ReplyPiece::Kind::Status) {
      notes_.emplace_back("ignored a reply from " + server_ + " that is not a status reply");
      return;
    }
    heard_ = true;
    text_ = std::string(piece.text);  // one datagram: far below maxBytes
    finish(Ending::Status, nowMs);
    return;
  }
  heard_ = true;
  std::string_view text = piece.text;
  const bool marker = takeMarker(text);
  if (text_.size() + text.size() > limits_.maxBytes) {
    text_.append(text.substr(0, limits_.maxBytes - text_.size()));
    notes_.push_back("the reply from " + server_ + " was cut off after " +
                     std::to_string(limits_.maxBytes) + " bytes");
    finish(Ending::Cut, nowMs);
    return;
  }
  text_.append(text);
  if (marker) {
    state_ = State::Closing;
    markerMs_ = nowMs;
  } else if (state_ == State::Waiting) {
    state_ = State::Receiving;
    lastTextMs_ = nowMs;
  } else if (state_ == State::Receiving && !text.empty()) {
    lastTextMs_ = nowMs;  // an empty piece never holds the reply open
  }
}

std::optional<std::int64_t> ReplyExchange::dueAtMs() const {
  const std::int64_t deadline = sentMs_ + limits_.deadlineMs;
  switch (state_) {
    case State::Idle:
    case State::Done:
      return std::nullopt;
    case State::Waiting:
      return std::min(deadline, sentMs_ + limits_.timeoutMs);
    case State::Receiving:
      return std::min(deadline, lastTextMs_ + limits_.quietMs);
    case State::Closing:
      return std::min(deadline, markerMs_ + limits_.graceMs);
  }
  return std::nullopt;
}

void ReplyExchange::timerDue(std::int64_t nowMs) {
  const std::optional<std::int64_t> due = dueAtMs();
  if (!due || nowMs < *due) return;
  if (nowMs >= sentMs_ + limits_.deadlineMs && state_ != State::Closing) {
    if (heard_) notes_.push_back("the reply from " + server_ + " was still coming at the deadline");
    finish(heard_ ? Ending::Deadline : Ending::Timeout, nowMs);
    return;
  }
  switch (state_) {
    case State::Waiting:
      finish(Ending::Timeout, nowMs);
      break;
    case State::Receiving:
      finish(Ending::Quiet, nowMs);
      break;
    case State::Closing:
      finish(Ending::Marker, nowMs);
      break;
    case State::Idle:
    case State::Done:
      break;
  }
}

void ReplyExchange::finish(Ending ending, std::int64_t nowMs) {
  state_ = State::Done;
  ending_ = ending;
  endMs_ = nowMs;
}

std::vector<std::string> ReplyExchange::takeNotes() { return std::exchange(notes_, {}); }

void StrangerLog::add(std::string_view sender, std::vector<std::string>& notes) {
  if (++count_ <= kNotedStrangers) {
    notes.push_back("ignored a datagram from " + std::string(sender) + ", not a server asked");
  }
}

std::optional<std::string> StrangerLog::summary() const {
  if (count_ <= kNotedStrangers) return std::nullopt;
  return "ignored " + std::to_string(count_) + " datagrams in all from senders not asked";
}

}  // namespace rcon
