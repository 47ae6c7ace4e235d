// The benchmark program's entry: a headless Qt application around Google
// Benchmark, so that benchmarks may draw on surfaces and open windows.
//
// Benchmarks run against a copy of the build's application folder (the
// support databases they write to stay untouched), and every prompt is
// answered at once and written to the error stream, so no benchmark ever
// waits for a person.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "BenchProcess.h"
#include "platform/Prompts.h"
#include "platform/Services.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir appFolder;
  if (!appFolder.isValid() || !lintavo::CopySupportFolder(appFolder.path())) {
    std::fprintf(stderr, "cannot prepare an application folder for the benchmarks\n");
    return 1;
  }
  lintavo::SetAppPath(appFolder.path().toStdString());
  lintavo::AnsweringResponder responder;
  lintavo::SetPromptResponder(&responder);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  lintavo::SetPromptResponder(nullptr);
  return 0;
}
