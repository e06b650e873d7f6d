// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fakes of the servers file and the secret store. The store answers only when told to
// (answer()), as a real one answers later through the event loop; what it was asked is recorded.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/ServerServices.h"

namespace fakes {

class FakeServersFile final : public rcon::ServersFileService {
 public:
  rcon::ServersLoad load() override { return {saved.empty() ? onDisk : saved.back(), problems}; }
  std::string save(const rcon::ServerList& servers) override {
    if (!saveError.empty()) return saveError;
    saved.push_back(servers);
    return {};
  }
  rcon::ServerList onDisk;  // what load() gives until something is saved
  std::string problems;     // what load() reports
  std::string saveError;    // non-empty: save() fails with it
  std::vector<rcon::ServerList> saved;
};

class FakePasswordStore final : public rcon::PasswordStore {
 public:
  using Status = rcon::SecretResult::Status;

  void readPassword(const std::string& serverName, Done done) override {
    calls.push_back("read " + serverName);
    later(std::move(done), [this, serverName]() -> rcon::SecretResult {
      const auto it = stored.find(serverName);
      if (it == stored.end()) return {Status::NotFound, {}, "No password is stored."};
      return {Status::Ok, it->second, {}};
    });
  }
  void writePassword(const std::string& serverName, const std::string& password,
                     Done done) override {
    calls.push_back("write " + serverName);
    later(std::move(done), [this, serverName, password]() -> rcon::SecretResult {
      stored[serverName] = password;
      return {Status::Ok, {}, {}};
    });
  }
  void deletePassword(const std::string& serverName, Done done) override {
    calls.push_back("delete " + serverName);
    later(std::move(done), [this, serverName]() -> rcon::SecretResult {
      return stored.erase(serverName) ? rcon::SecretResult{Status::Ok, {}, {}}
                                      : rcon::SecretResult{Status::NotFound, {}, "Not found."};
    });
  }

  // Delivers every answer asked for so far, and those the answers lead to.
  void answer() {
    while (!pending.empty()) {
      auto next = std::move(pending.front());
      pending.pop_front();
      next();
    }
  }

  std::map<std::string, std::string> stored;
  bool available = true;  // false: "no secret store answered"
  std::vector<std::string> calls;
  std::deque<std::function<void()>> pending;

 private:
  void later(Done done, std::function<rcon::SecretResult()> operation) {
    pending.push_back([this, done = std::move(done), operation = std::move(operation)] {
      done(available ? operation()
                     : rcon::SecretResult{Status::NoStore, {}, "No secret store answered."});
    });
  }
};

}  // namespace fakes
