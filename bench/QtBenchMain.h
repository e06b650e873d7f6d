// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// main() for benchmarks that need a QApplication: the offscreen platform unless told otherwise.
#include <QApplication>
#include <benchmark/benchmark.h>

#define RCON_QT_BENCHMARK_MAIN()                                                               \
  int main(int argc, char** argv) {                                                            \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    benchmark::Initialize(&argc, argv);                                                        \
    QApplication app(argc, argv);                                                              \
    benchmark::RunSpecifiedBenchmarks();                                                       \
    benchmark::Shutdown();                                                                     \
    return 0;                                                                                  \
  }
