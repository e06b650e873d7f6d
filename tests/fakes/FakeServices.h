// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fakes for the services: message boxes and file dialogs answer from scripts and record what
// they were asked; the timer records intervals and ticks on demand; the clock is set by hand;
// the socket records what was sent and hands on datagrams it is given.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Services.h"

namespace fakes {

class FakeMessageBox final : public rcon::MessageBoxService {
 public:
  rcon::MsgAnswer show(const rcon::MessageBoxRequest& request) override {
    shown.push_back(request);
    if (onShow) onShow(request);
    if (answers.empty())
      return request.buttons == rcon::MsgButtons::Ok ? rcon::MsgAnswer::Ok
                                                     : rcon::MsgAnswer::Cancel;
    const rcon::MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<rcon::MessageBoxRequest> shown;
  std::deque<rcon::MsgAnswer> answers;
  // Runs while the "box" is up, as a nested event loop would let other events run.
  std::function<void(const rcon::MessageBoxRequest&)> onShow;
};

class FakeFileDialog final : public rcon::FileDialogService {
 public:
  std::optional<std::string> showOpen(const rcon::FileDialogRequest& request) override {
    return answer(request, true);
  }
  std::optional<std::string> showSave(const rcon::FileDialogRequest& request) override {
    return answer(request, false);
  }
  struct Call {
    rcon::FileDialogRequest request;
    bool open = false;
  };
  std::vector<Call> calls;
  // nullopt answers are cancels; an empty queue cancels.
  std::deque<std::optional<std::string>> answers;
  std::function<void()> onShow;

 private:
  std::optional<std::string> answer(const rcon::FileDialogRequest& request, bool open) {
    calls.push_back({request, open});
    if (onShow) onShow();
    if (answers.empty()) return std::nullopt;
    auto result = answers.front();
    answers.pop_front();
    return result;
  }
};

class FakeTimer final : public rcon::Timer {
 public:
  void setInterval(std::uint32_t intervalMs) override {
    intervals.push_back(intervalMs);
    current = intervalMs;
  }
  void fire() { notifyTick(); }
  std::vector<std::uint32_t> intervals;
  std::uint32_t current = 0;
};

class FakeClock final : public rcon::Clock {
 public:
  std::int64_t nowMs() const override { return now; }
  std::int64_t now = 0;
};

class FakeSocket final : public rcon::DatagramSocket {
 public:
  struct Sent {
    std::string host;
    std::uint16_t port = 0;
    std::string bytes;
  };
  rcon::SendResult send(const std::string& host, std::uint16_t port,
                        std::string_view datagram) override {
    sent.push_back({host, port, std::string(datagram)});
    return result;
  }
  // Datagrams arriving from a server, as one batch.
  void arrive(std::vector<rcon::Datagram> batch) { deliver(batch); }
  // A print reply from host:port: the four 0xFF bytes, "print", a line feed, then text.
  void reply(std::string_view text, const std::string& host = "127.0.0.1",
             std::uint16_t port = 20100) {
    arrive({{"\xFF\xFF\xFF\xFFprint\n" + std::string(text), host, port}});
  }
  std::vector<Sent> sent;
  rcon::SendResult result{true, {}};
};

}  // namespace fakes
