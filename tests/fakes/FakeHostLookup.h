// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host name look-up that answers from a table, only when told to (answer()), so that a test
// never sends a DNS query. Names not in the table do not resolve.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/ServerServices.h"

namespace fakes {

class FakeHostLookup final : public rcon::HostLookup {
 public:
  void lookupIpv4(const std::string& host, Done done) override {
    asked.push_back(host);
    pending.push_back([this, host, done = std::move(done)] {
      const auto it = addresses.find(host);
      done(it != addresses.end()
               ? rcon::LookupResult{it->second, {}}
               : rcon::LookupResult{
                     {}, "The host name " + host + " could not be resolved: " + "Host not found"});
    });
  }

  // Delivers every answer asked for so far.
  void answer() {
    while (!pending.empty()) {
      auto next = std::move(pending.front());
      pending.pop_front();
      next();
    }
  }

  std::map<std::string, std::string> addresses{{"localhost", "127.0.0.1"}};
  std::vector<std::string> asked;
  std::deque<std::function<void()>> pending;
};

}  // namespace fakes
