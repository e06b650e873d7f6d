// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of turning a status reply into its console report, against the reply's size.
// For clean figures run one size at a time (--benchmark_filter): after a smaller size, glibc's
// heap trimming can charge page faults to the next one.
#include <benchmark/benchmark.h>

#include <string>

#include "core/StatusReport.h"

namespace {

// A reply text (after the ten-byte header) of about `bytes` bytes holding `players` players,
// the rest filled with settings.
std::string StatusText(std::size_t bytes, int players) {
  std::string lines;
  for (int i = 0; i < players; ++i)
    lines += std::to_string(i * 7) + " " + std::to_string(40 + i) + " " + std::to_string(i % 4) +
             " \"Player number " + std::to_string(i) + "\"\n";
  std::string text = "Response\n\\sv_hostname\\Friday Night Capture";
  for (int i = 0; text.size() + lines.size() + 40 < bytes; ++i)
    text += "\\setting_" + std::to_string(i) + "\\value " + std::to_string(i * 31);
  text += "\\maxplayers\\64\n";
  return text + lines;
}

void BM_FormatStatus(benchmark::State& state) {
  const std::string text =
      StatusText(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(rcon::formatStatusResponse(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
// Players grow with the reply: 64 of them in 60 KB.
BENCHMARK(BM_FormatStatus)
    ->Args({1 << 10, 1})
    ->Args({4 << 10, 4})
    ->Args({16 << 10, 16})
    ->Args({60 << 10, 64})
    ->Args({65'507, 70})
    ->Complexity(benchmark::oN);

// A reply that is all player lines, as on a full server with long names.
void BM_FormatStatusPlayers(benchmark::State& state) {
  const std::string text = StatusText(0, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(rcon::formatStatusResponse(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FormatStatusPlayers)->RangeMultiplier(4)->Range(16, 4096)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
