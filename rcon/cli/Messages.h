// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message rotation without a window: the messages of a file go out one per interval,
// pass after pass, until SIGINT or SIGTERM.
namespace cli {

struct Config;
class Output;

int runMessages(const Config& config, Output& output);

}  // namespace cli
