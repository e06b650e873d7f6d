// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A repeating timer for the core's Timer interface; ticks arrive on the UI thread, both to the
// core's handler and as a signal.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/Services.h"

namespace platform {

class TickTimer : public QObject, public rcon::Timer {
  Q_OBJECT
 public:
  explicit TickTimer(QObject* parent = nullptr);
  void setInterval(std::uint32_t intervalMs) override;

 signals:
  void tick();

 protected:
  // Tells the core's handler, then the signal's receivers, of one tick.
  void fire();

 private:
  QTimer timer_;
};

// Milliseconds since the clock was made, from the system's monotonic clock.
class SteadyClock final : public rcon::Clock {
 public:
  SteadyClock() { clock_.start(); }
  std::int64_t nowMs() const override { return clock_.elapsed(); }

 private:
  QElapsedTimer clock_;
};

}  // namespace platform
