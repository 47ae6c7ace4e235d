// lintavo_make_mixed N FILE_dwg.mdb [FILE.dxf]: builds the mixed benchmark
// drawing of N entities through the program's own routines (MixedDrawing.h),
// stores it through File, Save as a new drawings database and, when asked,
// writes the same entities as a DXF file. The program works on a copy of the
// build's support databases. Prints what it made and how long each part
// took. Exit status 0 when every file was written.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BenchProcess.h"
#include "MixedDrawing.h"
#include "platform/Services.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s N FILE_dwg.mdb [FILE.dxf]\n", argv[0]);
    return 2;
  }
  const long entities = std::strtol(argv[1], nullptr, 10);
  if (entities < 1) {
    std::fprintf(stderr, "the number of entities must be at least 1\n");
    return 2;
  }
  if (lintavo::FileExists(argv[2])) {
    std::fprintf(stderr, "the stored drawing %s exists already\n", argv[2]);
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir appFolder;
  if (!appFolder.isValid() || !lintavo::CopySupportFolder(appFolder.path())) {
    std::fprintf(stderr, "cannot prepare an application folder\n");
    return 1;
  }
  lintavo::SetAppPath(appFolder.path().toStdString());
  lintavo::AnsweringResponder responder;
  lintavo::SetPromptResponder(&responder);

  const auto start = std::chrono::steady_clock::now();
  lintavo::MixedCounts made;
  const bool ok = lintavo::MakeMixedDrawingFiles(entities, argv[2], argc == 4 ? argv[3] : "", made);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  lintavo::SetPromptResponder(nullptr);
  std::printf("entities %ld\nlines %ld\narcs %ld\ncircles %ld\npolylines %ld\ntext characters %ld in %ld strings\n"
              "dimension lines and letters %ld in %ld dimensions\nhatched areas %ld (boundaries and hatches %ld)\n"
              "made in %.1f s\n",
              made.Total(), made.Lines, made.Arcs, made.Circles, made.Polylines, made.TextChars, made.Strings,
              made.DimensionParts, made.Dimensions, made.Areas, made.Areas + made.Hatches, seconds);
  if (!ok) {
    std::fprintf(stderr, "the drawing could not be built, stored or written\n");
    return 1;
  }
  return 0;
}
