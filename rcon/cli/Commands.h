#pragma once
// The runs that send requests and print replies: one command, commands read from standard
// input, and the status report.
namespace cli {

struct Config;
class Output;

int RunCommand(const Config& config, Output& output);
int RunStdin(const Config& config, Output& output);
int RunStatus(const Config& config, Output& output);

}  // namespace cli
