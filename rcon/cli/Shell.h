// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interactive shell: a prompt naming the server, line editing, history kept between runs
// and Tab completion of the server's command and variable names.
namespace cli {

struct Config;
class Output;

int runShell(const Config& config, Output& output);

}  // namespace cli
