// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Process signals (SIGINT, SIGTERM, SIGHUP...) turned into a Qt signal on the event loop: the
// handler only writes a byte to a pipe, which is all a signal handler may safely do. One at a
// time per process.
#include <QObject>
#include <QSocketNotifier>
#include <initializer_list>
#include <memory>
#include <vector>

namespace platform {

class SignalPipe final : public QObject {
  Q_OBJECT
 public:
  explicit SignalPipe(std::initializer_list<int> signalNumbers);
  ~SignalPipe() override;

  bool ok() const { return notifier_ != nullptr; }

 signals:
  void caught(int signalNumber);

 private:
  void readPipe();

  std::vector<int> signals_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace platform
