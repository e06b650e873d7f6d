// SPDX-License-Identifier: GPL-3.0-or-later
// Resident size of the program with an empty console and with 50 MB of text in it, filled the
// way replies fill it (many appends) and the way File > Open does (one replacement).
#include "QtBenchMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <string>

#include "ResidentMemory.h"
#include "fakes/TestWindow.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

std::string Line(std::size_t i) {
  std::string line = "line " + std::to_string(i) + " of the server's answer:";
  line.resize(98, 'x');
  return line + "\r\n";
}

void Report(benchmark::State& state, double emptyMiB, std::size_t textBytes) {
  const double fullMiB = residentMiB();
  const double textMiB = static_cast<double>(textBytes) / static_cast<double>(kMiB);
  state.counters["empty_MiB"] = emptyMiB;
  state.counters["full_MiB"] = fullMiB;
  state.counters["text_MiB"] = textMiB;
  state.counters["goal_MiB"] = 3 * textMiB + emptyMiB;
  state.counters["growth_per_text_byte"] = (fullMiB - emptyMiB) / textMiB;
}

// 50 MB arriving as replies: appends of a few kilobytes each, as bursts are drained.
void BM_ResidentAfterAppends(benchmark::State& state) {
  for (auto _ : state) {
    fakes::TestWindow t;
    t.open();
    QCoreApplication::processEvents();
    const double empty = residentMiB();
    const std::size_t target = static_cast<std::size_t>(state.range(0)) * kMiB;
    std::string batch;
    for (std::size_t i = 0; t.session->console().buffer.size() < target; ++i) {
      batch += Line(i);
      if (batch.size() >= 8 * 1024) {
        t.session->appendToConsole(batch);
        batch.clear();
      }
    }
    t.find<ui::ConsoleView>("txtReceive")->viewport()->repaint();
    Report(state, empty, t.session->console().buffer.size());
  }
}
BENCHMARK(BM_ResidentAfterAppends)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

// 50 MB replacing the text at once (File > Open).
void BM_ResidentAfterReplace(benchmark::State& state) {
  for (auto _ : state) {
    fakes::TestWindow t;
    t.open();
    QCoreApplication::processEvents();
    const double empty = residentMiB();
    std::string text;
    for (std::size_t i = 0; text.size() < static_cast<std::size_t>(state.range(0)) * kMiB; ++i) {
      text += Line(i);
    }
    const std::size_t size = text.size();
    const std::string path = t.programDir.filePath("big.txt").toStdString();
    t.files.write(path, text);
    text = {};
    t.fileDialog.answers = {path};
    t.action("mnuFileOpen")->trigger();
    t.find<ui::ConsoleView>("txtReceive")->viewport()->repaint();
    Report(state, empty, size);
  }
}
BENCHMARK(BM_ResidentAfterReplace)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

RCON_QT_BENCHMARK_MAIN()
