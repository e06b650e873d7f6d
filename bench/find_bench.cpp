// SPDX-License-Identifier: GPL-3.0-or-later
// One Find over a 50 MB console: the whole text searched without a match (the worst case),
// with and without match case, forwards and backwards, for needles of one to twelve bytes.
#include <benchmark/benchmark.h>

#include <string>

#include "core/TextSearch.h"

namespace {

// About 50 MB of console text: status tables, chat and server messages, CR LF line ends.
const std::string& Console50MB() {
  static const std::string text = [] {
    std::string t;
    t.reserve(52u << 20);
    for (int i = 0; t.size() < (50u << 20); ++i) {
      t += "  " + std::to_string(i % 64) + "    " + std::to_string(i % 997) +
           "   48 ^1Red^2Green^7Bot      ^7bot   16384\r\n";
      t += "broadcast: print \"Sarge connected\\n\"  Map: oa_dm" + std::to_string(i % 9) + "\r\n";
    }
    return t;
  }();
  return text;
}

void BM_Find50MB(benchmark::State& state, std::string needle, rcon::SearchOptions options) {
  const std::string& text = Console50MB();
  for (auto _ : state) {
    benchmark::DoNotOptimize(rcon::findText(text, needle, text.size() / 2, options));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(BM_Find50MB, word_any_case, std::string("Zorlac"), rcon::SearchOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find50MB, word_match_case, std::string("Zorlac"),
                  rcon::SearchOptions{true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find50MB, word_any_case_up, std::string("Zorlac"),
                  rcon::SearchOptions{false, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find50MB, long_any_case, std::string("disconnected: timeout"),
                  rcon::SearchOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find50MB, one_byte_any_case, std::string("Q"), rcon::SearchOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find50MB, two_bytes_any_case, std::string("^9"), rcon::SearchOptions{})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
