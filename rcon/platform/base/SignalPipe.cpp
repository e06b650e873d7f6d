// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/SignalPipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace platform {
namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void onSignal(int signalNumber) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  // A full pipe already holds a wake-up; losing this byte loses nothing.
  [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
  errno = saved;
}

void setHandler(const std::vector<int>& signalNumbers, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : signalNumbers) sigaction(signalNumber, &action, nullptr);
}

}  // namespace

SignalPipe::SignalPipe(std::initializer_list<int> signalNumbers) : signals_(signalNumbers) {
  if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SignalPipe::readPipe);
  setHandler(signals_, onSignal);
}

SignalPipe::~SignalPipe() {
  if (!notifier_) return;
  setHandler(signals_, SIG_DFL);
  notifier_.reset();
  close(pipeEnds[0]);
  close(pipeEnds[1]);
  pipeEnds[0] = pipeEnds[1] = -1;
}

void SignalPipe::readPipe() {
  unsigned char byte = 0;
  int last = 0;
  while (read(pipeEnds[0], &byte, 1) == 1) last = byte;
  if (last != 0) emit caught(last);
}

}  // namespace platform
