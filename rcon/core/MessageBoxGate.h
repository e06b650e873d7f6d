// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts a window's message boxes that are on screen. Message boxes run nested event loops in
// which timer ticks and replies go on; a refusal that arises while a box is already up is not
// stacked on top of it.
#include <functional>
#include <utility>

#include "core/Services.h"

namespace rcon {

class MessageBoxGate final : public MessageBoxService {
 public:
  explicit MessageBoxGate(MessageBoxService& inner) : inner_(inner) {}

  MsgAnswer show(const MessageBoxRequest& request) override {
    ++open_;
    const MsgAnswer answer = inner_.show(request);
    if (--open_ == 0 && allClosed_) allClosed_();
    return answer;
  }

  bool anyOpen() const { return open_ > 0; }
  // Called each time the last box on screen closes: a report held back can show then.
  void setAllClosed(std::function<void()> handler) { allClosed_ = std::move(handler); }

 private:
  MessageBoxService& inner_;
  int open_ = 0;
  std::function<void()> allClosed_;
};

}  // namespace rcon
