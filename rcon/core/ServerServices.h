// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services the saved servers are kept with: the servers file, the desktop's secret store
// for passwords, and host name look-ups. The platform layer implements them; tests fake them.
#include <cstdint>
#include <functional>
#include <string>

#include "core/ServerList.h"

namespace rcon {

// ---- the servers file -------------------------------------------------------------------------
struct ServersLoad {
  ServerList servers;
  // Empty when every entry was read; else one message naming what was left out and why.
  std::string problems;
};

class ServersFileService {
 public:
  virtual ~ServersFileService() = default;
  // A missing file is an empty list, not a problem.
  virtual ServersLoad load() = 0;
  // Empty when saved, else why not. Passwords are never part of it.
  virtual std::string save(const ServerList& servers) = 0;
};

// ---- passwords in the desktop's secret store, keyed by server name ----------------------------
struct SecretResult {
  enum class Status {
    Ok,
    NotFound,  // the store answered: no password for that server
    NoStore,   // no secret store answered (none running, none reachable, no answer in time)
    Failed,    // the store answered with an error (access refused, ...)
  };
  Status status = Status::Failed;
  std::string password;  // the password's bytes, as sent to the server; when Ok
  std::string error;     // a sentence for a message box; when not Ok
  bool ok() const { return status == Status::Ok; }
};

class PasswordStore {
 public:
  using Done = std::function<void(const SecretResult&)>;
  virtual ~PasswordStore() = default;
  // Each answers later through `done`, on the caller's thread and never inside the call. The
  // answer may come after the caller is gone: guard what `done` captures.
  virtual void readPassword(const std::string& serverName, Done done) = 0;
  virtual void writePassword(const std::string& serverName, const std::string& password,
                             Done done) = 0;
  // Deleting a password that is not there answers NotFound.
  virtual void deletePassword(const std::string& serverName, Done done) = 0;
};

// ---- host names
// ----------------------------------------------------------------------------------
struct LookupResult {
  std::string ipv4;   // the first IPv4 address, dotted; empty on failure
  std::string error;  // why not, as a sentence; empty on success
  bool ok() const { return !ipv4.empty(); }
};

class HostLookup {
 public:
  using Done = std::function<void(const LookupResult&)>;
  virtual ~HostLookup() = default;
  // Answers later through `done`, on the caller's thread, never inside the call; guard what
  // `done` captures. An IPv4 address answers as itself.
  virtual void lookupIpv4(const std::string& host, Done done) = 0;
};

}  // namespace rcon
