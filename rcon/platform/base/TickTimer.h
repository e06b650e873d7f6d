#pragma once
// A repeating timer for the core's Timer interface; ticks arrive as a signal on the UI thread.
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

 private:
  QTimer timer_;
};

}  // namespace platform
