// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/TickTimer.h"

#include <algorithm>

namespace platform {

TickTimer::TickTimer(QObject* parent) : QObject(parent) {
  // Messages are due at whole seconds from Start; a coarse timer would let them drift.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TickTimer::fire);
}

void TickTimer::setInterval(std::uint32_t intervalMs) {
  if (intervalMs == 0) {
    timer_.stop();
    return;
  }
  // QTimer takes an int; intervals beyond it are far outside anything the scheduler sets.
  timer_.start(static_cast<int>(std::min<std::uint32_t>(intervalMs, 0x7FFFFFFF)));
}

void TickTimer::fire() {
  notifyTick();
  emit tick();
}

}  // namespace platform
