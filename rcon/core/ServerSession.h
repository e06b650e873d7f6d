// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One server and everything that belongs to it: the target (read from the fields' texts at
// every send), the console and its document, the reply handling, the message scheduler and its
// list. A window shows a session; the command-line tool and the tests drive one without any.
// A datagram's road reads in one direction: socket -> session -> console -> view.
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/Connection.h"
#include "core/Console.h"
#include "core/ConsoleDocument.h"
#include "core/Defaults.h"
#include "core/MessageBoxGate.h"
#include "core/MessageScheduler.h"
#include "core/MessagingSettings.h"
#include "core/ReplyHandler.h"
#include "core/Services.h"
#include "core/TextFile.h"

namespace rcon {

// The field a refusal sends the user back to.
enum class TargetField { Address, Port };

// What a view of the session is told; every call comes after the session's state is settled.
class SessionEvents {
 public:
  virtual ~SessionEvents() = default;
  virtual void consoleAppended() {}
  virtual void consoleReset() {}
  virtual void messagingChanged() {}
  virtual void refused(TargetField /*field*/) {}
};

struct SessionServices {
  DatagramSocket& socket;
  Timer& messagingTimer;
  const Clock& clock;
  MessageBoxService& messageBoxes;
  FileDialogService& fileDialog;
  FileStore& files;
  const LocalNetwork* network = nullptr;  // nullptr: no interface broadcast addresses known
  // The message list shared by every window; nullptr: the session keeps one of its own.
  MessagingSettings* sharedMessaging = nullptr;
};

class ServerSession final {
 public:
  explicit ServerSession(const SessionServices& services);
  ServerSession(const ServerSession&) = delete;
  ServerSession& operator=(const ServerSession&) = delete;
  ~ServerSession();

  // The view told of changes; nullptr for none.
  void setEvents(SessionEvents* events) { events_ = events != nullptr ? events : &noEvents_; }

  // The target as the fields hold it; nothing is read from these until a send.
  void setOctet(std::size_t index, std::string text) { octets_.at(index) = std::move(text); }
  void setPortText(std::string text) { portText_ = std::move(text); }
  void setPassword(std::string password) { password_ = std::move(password); }
  const std::string& password() const { return password_; }

  // Where a send would go now, for windows with requests of their own (the players list);
  // nothing while the fields name no server a send would reach.
  struct Target {
    std::string host;  // dotted
    std::uint16_t port = 0;
    std::string password;
    bool operator==(const Target&) const = default;
  };
  std::optional<Target> target() const;

  // The one way a request leaves: refuses an unset or invalid destination with a box (and
  // tells the view which field is at fault), else sends one datagram.
  void send(std::string_view request);
  // "rcon <password> <command>" with the password as it stands now.
  void sendCommand(std::string_view command);
  void requestStatus();

  // Arriving datagrams, in order: turned into console text with one append per batch. Only
  // datagrams from an address this session has sent to count; the others are dropped.
  void receive(const std::vector<Datagram>& batch);
  std::uint64_t strangersDropped() const { return strangersDropped_; }

  // The one way text enters the console: at its end. Past kConsoleLimit the oldest whole lines
  // leave it, first kept in the overflow file while the console is unsaved.
  void appendToConsole(std::string_view text);
  static constexpr std::size_t kConsoleLimit = kMaxOpenBytes;
  void setOverflowFile(std::string path) { overflowFile_ = std::move(path); }
  const Console& console() const { return console_; }

  // The console as a document; New and Open tell the view when the text was replaced.
  void newDocument();
  void openDocument();
  void saveDocument() { document_.save(); }
  void saveDocumentAs() { document_.saveAs(); }
  bool queryClose() { return document_.queryClose(); }
  const ConsoleDocument& document() const { return document_; }

  // Messaging: the list and interval the options dialog edits, and the scheduler that sends it.
  MessagingSettings& messaging() { return messaging_; }
  // Reads the message list from the settings' file; a missing or unreadable list is empty.
  void loadMessagingList();
  void startMessaging();
  void stopMessaging();
  MsgMenuState messagingMenus() const { return scheduler_.menus(); }

  // Every box of the window goes through here, so that boxes never stack.
  MessageBoxGate& messageBoxes() { return boxes_; }

 private:
  void onTick();
  void reportSendFailure(const std::string& text);
  void showHeldReport();
  void stopMessagingRefused();
  void trimConsole();

  DatagramSocket& socket_;
  Timer& timer_;
  const Clock& clock_;
  FileStore& files_;
  const LocalNetwork* network_;
  MessageBoxGate boxes_;
  SessionEvents noEvents_;
  SessionEvents* events_ = &noEvents_;

  OctetTexts octets_{"0", "0", "0", "0"};
  std::string portText_ = std::to_string(kDefaultServerPort);
  std::string password_;
  std::set<std::string> contacted_;  // addresses sent to in this run
  std::uint64_t strangersDropped_ = 0;
  // A failed send while another box was up: shown once that box closes, counting its like.
  std::string heldReport_;
  std::uint64_t heldFailures_ = 0;
  std::string overflowFile_;
  bool overflowNoted_ = false;

  Console console_;
  ConsoleDocument document_;
  ReplyHandler replies_;
  MessagingSettings ownMessaging_;
  MessagingSettings& messaging_;
  MessageScheduler scheduler_;
};

}  // namespace rcon
