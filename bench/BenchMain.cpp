// The benchmark program's entry: a headless Qt application around Google
// Benchmark, so that benchmarks may draw on surfaces and open windows.
//
// Benchmarks run against a copy of the build's application folder (the
// support databases they write to stay untouched), and every prompt is
// answered at once and written to the error stream, so no benchmark ever
// waits for a person.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "platform/Prompts.h"
#include "platform/Services.h"

namespace {

class AnsweringResponder final : public lintavo::PromptResponder {
 public:
  int MessageBox(const lintavo::MessageBoxPrompt& prompt) override {
    std::fprintf(stderr, "message box \"%s\": %s\n", prompt.title.c_str(), prompt.prompt.c_str());
    return lintavo::MsgBoxSafeAnswer(prompt.buttons);
  }
  lintavo::FileAnswer FileDialog(const lintavo::FilePrompt&) override { return {false, "", 1}; }
  lintavo::ColorAnswer ColorDialog(const lintavo::ColorPrompt& prompt) override { return {false, prompt.color}; }
  bool PrinterSetupDialog(const lintavo::PrinterPrompt&, QPrinter&) override { return false; }
  bool PrintDialog(const lintavo::PrinterPrompt&, QPrinter&) override { return false; }
  void ModalWindowShown(QDialog&) override {}
};

// Copies the build's Support folder into folder; false when it cannot.
bool CopySupportFolder(const QString& folder) {
  QDir source(QStringLiteral(LINTAVO_BUILD_APP_DIR "/Support"));
  if (!QDir(folder).mkpath(QStringLiteral("Support"))) return false;
  for (const QString& name : source.entryList(QDir::Files))
    if (!QFile::copy(source.filePath(name), folder + "/Support/" + name)) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir appFolder;
  if (!appFolder.isValid() || !CopySupportFolder(appFolder.path())) {
    std::fprintf(stderr, "cannot prepare an application folder for the benchmarks\n");
    return 1;
  }
  lintavo::SetAppPath(appFolder.path().toStdString());
  AnsweringResponder responder;
  lintavo::SetPromptResponder(&responder);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  lintavo::SetPromptResponder(nullptr);
  return 0;
}
