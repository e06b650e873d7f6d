#pragma once
// Counts the main window's message boxes that are on screen. Message boxes run nested event
// loops in which timer ticks and replies go on; a refusal that arises while a box is already up
// is not stacked on top of it.
#include "core/Services.h"

namespace ui {

class MessageBoxGate final : public rcon::MessageBoxService {
 public:
  explicit MessageBoxGate(rcon::MessageBoxService& inner) : inner_(inner) {}

  rcon::MsgAnswer show(const rcon::MessageBoxRequest& request) override {
    ++open_;
    const rcon::MsgAnswer answer = inner_.show(request);
    --open_;
    return answer;
  }

  bool anyOpen() const { return open_ > 0; }

 private:
  rcon::MessageBoxService& inner_;
  int open_ = 0;
};

}  // namespace ui
