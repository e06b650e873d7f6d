#pragma once
// SIGINT and SIGTERM turned into a signal on the event loop: the handler only writes a byte to
// a pipe, which is all a signal handler may safely do.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace cli {

class SignalPipe final : public QObject {
  Q_OBJECT
 public:
  SignalPipe();
  ~SignalPipe() override;

  bool ok() const { return notifier_ != nullptr; }

 signals:
  void caught(int signalNumber);

 private:
  void readPipe();

  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace cli
