// SPDX-License-Identifier: GPL-3.0-or-later
// What one console append costs (the append and the repaint it causes) as the console grows,
// in the real main window; and what replacing the whole text costs (File > Open of a big file).
#include "QtBenchMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <string>

#include "fakes/TestWindow.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Lines of 100 bytes (98 characters and CR LF), some with tabs, as a busy server's output.
std::string Lines(std::size_t bytes) {
  std::string line(98, 'x');
  for (std::size_t i = 0; i < line.size(); i += 7) line[i] = ' ';
  std::string tabbed = line;
  tabbed[10] = '\t';
  tabbed[30] = '\t';
  std::string text;
  text.reserve(bytes + 100);
  for (std::size_t i = 0; text.size() < bytes; ++i)
    text.append(i % 10 == 0 ? tabbed : line).append("\r\n");
  return text;
}

void Fill(fakes::TestWindow& t, std::size_t bytes) {
  const std::string chunk = Lines(std::min<std::size_t>(bytes, 64 * 1024));
  for (std::size_t filled = 0; filled < bytes; filled += chunk.size()) t.session->appendToConsole(chunk);
  QCoreApplication::processEvents();
}

void BM_AppendAndRepaint(benchmark::State& state) {
  fakes::TestWindow t;
  t.open();
  Fill(t, static_cast<std::size_t>(state.range(0)) * kMiB);
  const std::string reply =
      "reply text of about eighty characters, as one line of a server's answer\r\n";
  for (auto _ : state) {
    t.session->appendToConsole(reply);
    // Paints what the append made dirty, as the event loop would next.
    QCoreApplication::processEvents();
  }
  state.counters["console_MB"] = static_cast<double>(t.session->console().buffer.size()) / 1e6;
}
BENCHMARK(BM_AppendAndRepaint)->Arg(0)->Arg(50)->Unit(benchmark::kMicrosecond);

// Painting the whole console, as after a jump of more than a page or a cleared selection: a
// console of one screenful against one of 50 MB (the argument is in KiB).
void BM_FullRepaint(benchmark::State& state) {
  fakes::TestWindow t;
  t.open();
  Fill(t, static_cast<std::size_t>(state.range(0)) * 1024);
  QWidget* viewport = t.find<ui::ConsoleView>("txtReceive")->viewport();
  for (auto _ : state) viewport->repaint();
}
BENCHMARK(BM_FullRepaint)->Arg(4)->Arg(50 * 1024)->Unit(benchmark::kMicrosecond);

// The append alone, without waiting for the repaint it schedules.
void BM_AppendOnly(benchmark::State& state) {
  fakes::TestWindow t;
  t.open();
  Fill(t, static_cast<std::size_t>(state.range(0)) * kMiB);
  const std::string reply =
      "reply text of about eighty characters, as one line of a server's answer\r\n";
  for (auto _ : state) t.session->appendToConsole(reply);
  QCoreApplication::processEvents();
}
BENCHMARK(BM_AppendOnly)->Arg(0)->Arg(50)->Unit(benchmark::kMicrosecond);

// Replacing the text with 50 MB and showing it.
void BM_ReplaceAndRepaint(benchmark::State& state) {
  // The view alone over a buffer of its own, at the window's console size.
  rcon::ConsoleBuffer buffer;
  ui::ConsoleView view(buffer);
  view.resize(601, 217);
  view.show();
  const std::string text = Lines(static_cast<std::size_t>(state.range(0)) * kMiB);
  for (auto _ : state) {
    buffer.assign(text);
    view.textReset();
    view.viewport()->repaint();
  }
}
BENCHMARK(BM_ReplaceAndRepaint)->Arg(50)->Unit(benchmark::kMillisecond);

// Re-wrapping 50 MB at a new width.
void BM_Resize(benchmark::State& state) {
  fakes::TestWindow t;
  t.open();
  Fill(t, static_cast<std::size_t>(state.range(0)) * kMiB);
  ui::ConsoleView* view = t.find<ui::ConsoleView>("txtReceive");
  int width = view->width();
  for (auto _ : state) {
    width = width == 400 ? 500 : 400;
    view->resize(width, view->height());
    view->viewport()->repaint();
  }
}
BENCHMARK(BM_Resize)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace

RCON_QT_BENCHMARK_MAIN()
