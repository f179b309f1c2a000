#pragma once

// What the benchmarks that work on the program's windows share: their one
// program, made at the first benchmark that asks for it, and main(), which
// runs them inside a QApplication (on the offscreen platform unless another
// is set) and lets the program go before the application.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

template <class Program>
std::unique_ptr<Program>& ProgramSlot() {
  static std::unique_ptr<Program> program;
  return program;
}

template <class Program>
Program& TheProgram() {
  std::unique_ptr<Program>& program = ProgramSlot<Program>();
  if (!program) program = std::make_unique<Program>();
  return *program;
}

template <class Program>
int RunWindowBenchmarks(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ProgramSlot<Program>().reset();
  return 0;
}
