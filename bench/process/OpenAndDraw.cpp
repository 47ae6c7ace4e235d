// lintavo_open_and_draw FILE [DRAWING [PICTURE.png]]: the whole program's road from start
// to a drawn drawing, as one process, for comparing whole processes.
//
// It starts as the program starts (the application object, the support
// databases of its own folder, the main window, offscreen unless a platform
// is set), without the splash window's fixed timer waits; sizes the drawing
// area to 1600 by 1000 pixels; opens the drawing DRAWING (by default the
// one the benchmark maker writes) of the drawings database FILE through
// File, Open, whose load fits it (ZOOM ALL) and redraws it whole, as it
// does for a user; lets the window paint it and exits. It prints the
// time of each phase and the process's peak resident memory. Every prompt
// is answered with its safe button and written to the error stream, so the
// program never waits for a person. With PICTURE, the drawing area as
// drawn is written there as a PNG image after the timing, for checking
// what was drawn. Exit status 0 when the drawing was drawn, 1 when it was
// not.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

#include "BenchProcess.h"
#include "LineDrawingFiles.h"
#include "OpenRoad.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "platform/Prompts.h"
#include "windows/main/frmDocument.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int AreaWidth = 1600;  // drawing area, pixels
constexpr int AreaHeight = 1000;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Peak resident memory of the process so far, in MiB.
double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB here
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point processStart = Clock::now();
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s FILE_dwg.mdb [DRAWING [PICTURE.png]]\n", argv[0]);
    return 2;
  }
  const lintavo::String file = argv[1];
  const lintavo::String drawing = argc > 2 ? argv[2] : lintavo::BenchDrawingName;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  lintavo::AnsweringResponder responder;
  lintavo::SetPromptResponder(&responder);
  const double application = MillisecondsSince(processStart);

  lintavo::StartPhases start;
  const bool started = lintavo::StartProgramWithoutSplash(start);
  const Clock::time_point sizing = Clock::now();
  const bool sized = started && lintavo::SizeActiveDrawingArea(AreaWidth, AreaHeight);
  const double resize = MillisecondsSince(sizing);
  const double startedMemory = PeakMemoryMiB();
  lintavo::OpenPhases phases;
  const bool drawn = sized && lintavo::OpenAsTheUserDoes(file, drawing, phases);
  const long lines = lintavo::ObjCount - lintavo::BaseObjCount;
  const double total = MillisecondsSince(processStart);

  std::printf("application %.1f ms\nmain window %.1f ms\ninitialisation %.1f ms\nfirst window %.1f ms\n",
              application, start.MainWindow, start.Initialise, start.FirstWindow);
  std::printf("window 1600 x 1000 %.1f ms\nopen, with its fit and redraw %.1f ms\npaint %.1f ms\n", resize,
              phases.Open, phases.Redraw);
  std::printf("total %.1f ms\nlines %ld\n", total, lines);
  std::printf("peak memory at start %.1f MiB\npeak memory %.1f MiB\n", startedMemory, PeakMemoryMiB());
  lintavo::frmDocument* window = drawn ? lintavo::MainForm->ActiveChild() : nullptr;
  const bool pictured = argc < 4 || (window && window->Image().save(QString::fromLocal8Bit(argv[3]), "PNG"));
  if (!pictured) std::fprintf(stderr, "the picture %s could not be written\n", argv[3]);
  lintavo::EndProgramStarted();
  lintavo::SetPromptResponder(nullptr);
  if (!started) std::fprintf(stderr, "the program did not start\n");
  if (started && !sized) std::fprintf(stderr, "the drawing area could not be sized\n");
  return drawn && lines > 0 && pictured ? 0 : 1;
}
