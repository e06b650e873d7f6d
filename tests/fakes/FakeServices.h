#pragma once
// Fakes for the blocking services: message boxes and file dialogs answer from scripts and
// record what they were asked; the timer records intervals and ticks on demand.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Services.h"
#include "platform/base/TickTimer.h"

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

class FakeTimer final : public platform::TickTimer {
 public:
  void setInterval(std::uint32_t intervalMs) override {
    intervals.push_back(intervalMs);
    current = intervalMs;
  }
  void fire() { emit tick(); }
  std::vector<std::uint32_t> intervals;
  std::uint32_t current = 0;
};

}  // namespace fakes
