// lintavo_make_lines N FILE_dwg.mdb [FILE.dxf]: writes the benchmark drawing
// of N two-point lines as a stored drawing (a new drawings database) and,
// when asked, the same lines as a DXF file. Exit status 0 when every file
// was written.
#include <cstdio>
#include <cstdlib>

#include "LineDrawingFiles.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s N FILE_dwg.mdb [FILE.dxf]\n", argv[0]);
    return 2;
  }
  const long lines = std::strtol(argv[1], nullptr, 10);
  if (lines < 1) {
    std::fprintf(stderr, "the number of lines must be at least 1\n");
    return 2;
  }
  if (!lintavo::MakeLineDrawing(argv[2], lines)) {
    std::fprintf(stderr, "cannot write the stored drawing %s (it must not exist yet)\n", argv[2]);
    return 1;
  }
  if (argc == 4 && !lintavo::MakeLineDxf(argv[3], lines)) {
    std::fprintf(stderr, "cannot write the DXF file %s\n", argv[3]);
    return 1;
  }
  return 0;
}
