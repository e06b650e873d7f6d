// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runs that send requests and print replies: one command to one server or many, commands
// read from standard input, and the status report.
namespace cli {

struct Config;
class Output;

int runCommand(const Config& config, Output& output);
int runStdin(const Config& config, Output& output);
int runStatus(const Config& config, Output& output);

}  // namespace cli
