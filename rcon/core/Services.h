// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the core decides with, as small interfaces. The core never waits,
// sleeps or touches a socket, dialog, file or clock itself: the platform layer implements
// these, and the tests fake them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rcon {

// ---- message boxes --------------------------------------------------------------------------
enum class MsgButtons { Ok, YesNoCancel, YesNo };
enum class MsgIcon { None, Exclamation };
// The values are the answers' traditional codes, which the program stores.
enum class MsgAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
  std::string text;   // 8-bit text
  std::string title;  // empty: the application's title
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::Exclamation;
  MsgAnswer defaultButton = MsgAnswer::Ok;
};

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Modal; a box closed without a button answers Cancel (Ok for an Ok-only box, No for Yes/No).
  virtual MsgAnswer show(const MessageBoxRequest& request) = 0;
};

// ---- file dialogs ---------------------------------------------------------------------------
// Paths in the core are the file system's own bytes.
inline constexpr std::string_view kTextFileFilter{"Text Files (*.txt)|*.txt|All Files (*.*)|*.*"};

struct FileDialogRequest {
  std::string fileName;  // the name the dialog starts with
  std::string filter{kTextFileFilter};
  bool overwritePrompt = false;  // ask before replacing an existing file
  bool pathMustExist = false;    // the chosen folder must exist
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> showOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> showSave(const FileDialogRequest& request) = 0;
};

// ---- files ----------------------------------------------------------------------------------
struct ReadResult {
  enum class Status { Ok, NotFound, NotRegular, TooLarge, Failed };
  Status status = Status::Failed;
  std::string bytes;
  std::string error;  // the system's reason, for messages
  bool ok() const { return status == Status::Ok; }
};

struct WriteResult {
  bool ok = false;
  std::string error;
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  // Reads the whole file unchanged; refuses files that are not regular or larger than maxBytes.
  virtual ReadResult read(const std::string& path, std::uint64_t maxBytes) = 0;
  // Replaces the file as one step: on failure the old file is left whole.
  virtual WriteResult write(const std::string& path, std::string_view bytes) = 0;
  // Adds to the end of the file, creating it (and its folder) when missing. Stores that only
  // replace whole files refuse.
  virtual WriteResult append(const std::string& /*path*/, std::string_view /*bytes*/) {
    return {false, "this store cannot add to a file"};
  }
};

// ---- timer and clock ------------------------------------------------------------------------
class Timer {
 public:
  using TickHandler = std::function<void()>;
  virtual ~Timer() = default;
  // Ticks every intervalMs milliseconds from now on; 0 stops the ticks. Setting a new interval
  // restarts the count.
  virtual void setInterval(std::uint32_t intervalMs) = 0;
  // Who is told of each tick: the one owner of the timer.
  void setTickHandler(TickHandler handler) { handler_ = std::move(handler); }

 protected:
  void notifyTick() {
    if (handler_) handler_();
  }

 private:
  TickHandler handler_;
};

// Milliseconds from an arbitrary start, never going backwards.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t nowMs() const = 0;
};

// ---- datagrams ------------------------------------------------------------------------------
struct SendResult {
  bool ok = false;
  std::string error;  // the system's reason when not ok
};

struct Datagram {
  std::string bytes;
  std::string host;  // the sender's address as text
  std::uint16_t port = 0;
  // "address:port": tells the senders apart.
  std::string sender() const { return host + ':' + std::to_string(port); }
};

class DatagramSocket {
 public:
  using Receiver = std::function<void(std::vector<Datagram>& batch)>;
  virtual ~DatagramSocket() = default;
  virtual SendResult send(const std::string& host, std::uint16_t port,
                          std::string_view datagram) = 0;
  // Who gets the arriving datagrams, a batch at a time and in arrival order.
  void setReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

 protected:
  bool hasReceiver() const { return static_cast<bool>(receiver_); }
  void deliver(std::vector<Datagram>& batch) {
    if (receiver_) receiver_(batch);
  }

 private:
  Receiver receiver_;
};

// The machine's own networks: the broadcast address of every local interface, as dotted text.
class LocalNetwork {
 public:
  virtual ~LocalNetwork() = default;
  virtual std::vector<std::string> broadcastAddresses() const = 0;
};

// ---- system information look-up --------------------------------------------------------------
struct RegistryValue {
  std::uint32_t type = 0;  // 1 string, 4 32-bit number, ...
  std::string bytes;       // as stored, terminator included
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<RegistryValue> query(std::uint32_t root, const std::string& key,
                                             const std::string& valueName) = 0;
};

class FileProbe {
 public:
  virtual ~FileProbe() = default;
  virtual bool isRegularFile(const std::string& path) = 0;
};

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts the program detached; false when it could not be started.
  virtual bool startDetached(const std::string& path) = 0;
};

}  // namespace rcon
