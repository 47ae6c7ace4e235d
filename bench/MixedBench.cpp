// The program on the mixed drawing (MixedDrawing.h) of 10k, 100k and 1M
// entities, each row beside its yardstick in the same process: the plain
// way to do the same data work on the same drawing. The drawing of each
// size is made once per run, in a temporary folder, and opened through
// File, Open (OpenRoad) into a 1600 x 1000 drawing window of the started
// program; the user's steps go through the menus and the window's pointer
// events (the tests' DrawingDriver).
//
// Each row's time is the program's (manual time); its counters give the
// means per iteration of the program (program_ms) and the yardstick
// (yardstick_ms) and their ratio (ratio = program / yardstick):
//   ZoomWindow     ZOOM Window to 1% of the drawing's area (menu, two clicks,
//                  with its redraw) / the plain renderer of the same view;
//   FitAfterOpen   the fit after File, Open (ZOOM ALL) / min and max over
//                  the drawing's points in the model's tables;
//   DetailRedraw   RedrawView of a detail view (~160 entities shown: the
//                  counter shown) / the plain renderer of that view;
//   MoveAll        Move of the whole selection (Select All beforehand;
//                  menu, two clicks, with its redraw) / an offset loop over
//                  the points and a plain full redraw;
//   MoveOne        Move of one line selected, the last of the table in a
//                  detail view (menu, two clicks, with its redraw) / the
//                  plain renderer of that view;
//   Undo           one Undo (menu) of a line drawn, everything shown / a
//                  plain full redraw;
//   FileOpen       File, Open through the menu and the chooser / the fair
//                  typed read (FairRead.h).
// Two rows are absolute times (ms): MoveGhost, one mouse move during Move
// of the whole selection (goal under 50 ms), and FirstClick, the first
// FindObjAt after a load (the object index laid out; goal under 100 ms).
//
// The plain renderer is PlainDrawing: each entity's box tested against the
// view, what shows drawn by a plain Bresenham loop into an image.
//
// Run them with --benchmark_filter=Mixed; LINTAVO_BENCH_PICTURES=FOLDER
// writes each drawing row's last pictures (program and yardstick) there.
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <map>
#include <optional>

#include "FairRead.h"
#include "MixedDrawing.h"
#include "OpenRoad.h"
#include "PlainDrawing.h"
#include "PlainRaster.h"
#include "windows/main/frmMain.h"
#include "model/DataHand.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Identify.h"
#include "support/DrawingDriver.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double Milliseconds(Work&& work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One stored mixed drawing per size, made once for the run ("" on failure).
const String& MixedFile(long entities) {
  static QTemporaryDir folder;
  static std::map<long, String> made;
  auto at = made.find(entities);
  if (at == made.end()) {
    const String path = folder.filePath(QString("Mixed%1_dwg.mdb").arg(entities)).toStdString();
    MixedCounts counts;
    at = made.emplace(entities, MakeMixedDrawingFiles(entities, path, "", counts) ? path : String()).first;
  }
  return at->second;
}

// The program started, its drawing area 1600 x 1000 pixels, the mixed
// drawing of that many entities opened through File, Open, fitted and
// drawn, and its plain copy for the yardsticks.
class MixedSession {
 public:
  explicit MixedSession(long entities) : entities_(entities) {
    const String& path = MixedFile(entities);
    ResetProgramState();
    StartPhases start;
    ready_ = !path.empty() && StartProgramWithoutSplash(start) &&
             SizeActiveDrawingArea(PlainAreaWidth, PlainAreaHeight) &&
             OpenFitAndDraw(path, MixedDrawingName, entities, phases_);
    window_ = ready_ ? MainForm->ActiveChild() : nullptr;
    ready_ = ready_ && window_;
    if (!ready_) return;
    driver_.emplace(*window_);
    plain_.CopyCurrentDrawing();
  }
  ~MixedSession() {
    driver_.reset();
    EndProgramStarted();
    ResetProgramState();
  }
  MixedSession(const MixedSession&) = delete;
  MixedSession& operator=(const MixedSession&) = delete;

  bool Ready() const { return ready_; }
  const OpenPhases& Phases() const { return phases_; }
  frmDocument& Window() const { return *window_; }
  DrawingDriver& Driver() { return *driver_; }
  const QImage& Picture() const { return window_->Image(); }
  // The plain copy of the drawing as loaded.
  PlainDrawing& Plain() { return plain_; }
  // The view on box (fitted to the window), not drawn.
  void Show(const WorldBox& box) const {
    window_->XVmin = box.Xmin;
    window_->YVmin = box.Ymin;
    window_->XVmax = box.Xmax;
    window_->YVmax = box.Ymax;
    FitViewToWindow();
  }
  void ShowAll() const { Show(MixedWorld(entities_)); }

 private:
  long entities_;
  bool ready_ = false;
  OpenPhases phases_;
  frmDocument* window_ = nullptr;
  std::optional<DrawingDriver> driver_;
  PlainDrawing plain_;
};

int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) n += (row[x] & 0xFFFFFFu) != 0xFFFFFFu ? 1 : 0;
  }
  return n;
}

// The means of the sums over the iterations, and the program's time as the iteration's.
struct Sums {
  double program = 0, yardstick = 0;
  void Add(benchmark::State& state, double programMs, double yardstickMs) {
    program += programMs;
    yardstick += yardstickMs;
    state.SetIterationTime(programMs / 1000);
  }
  void Report(benchmark::State& state) const {
    const double runs = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["program_ms"] = program / runs;
    state.counters["yardstick_ms"] = yardstick / runs;
    state.counters["ratio"] = yardstick > 0 ? program / yardstick : 0;
    state.SetItemsProcessed(state.iterations() * state.range(0));
  }
};

// The plain renderer's picture of the current view, and its time.
double PlainDraw(MixedSession& session, QImage& image) {
  PlainDrawing& plain = session.Plain();
  return Milliseconds([&] { plain.Draw(image); });
}

// Shown entities of the current drawing: all but the areas' hidden boundaries.
Long ShownEntities() {
  Long n = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) n += Objs[i].DwgNo == CurDwg && Objs[i].Show ? 1 : 0;
  return n;
}

bool SkipUnlessReady(benchmark::State& state, const MixedSession& session) {
  if (!session.Ready()) state.SkipWithError("the mixed drawing could not be made or opened whole");
  return !session.Ready();
}

// Both pictures hold ink: a row that drew nothing would measure nothing.
// With LINTAVO_BENCH_PICTURES naming a folder, both are written there as
// PNG images (ROW-SIZE-program.png, ROW-SIZE-plain.png) to be looked at.
bool SkipUnlessBothDrew(benchmark::State& state, const char* row, const QImage& program, const QImage& plain) {
  const QString folder = qEnvironmentVariable("LINTAVO_BENCH_PICTURES");
  if (!folder.isEmpty()) {
    const QString stem = folder + "/" + row + "-" + QString::number(state.range(0));
    program.save(stem + "-program.png");
    plain.save(stem + "-plain.png");
  }
  const bool drew = InkedPixels(program) > 0 && InkedPixels(plain) > 0;
  if (!drew) state.SkipWithError("the program or the yardstick drew nothing");
  return !drew;
}

// ---- ZOOM window to 1% ------------------------------------------------------------------

void BM_MixedZoomWindow(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  const WorldBox box = MixedCentreBox(state.range(0), 0.01);
  QImage plain(PlainAreaWidth, PlainAreaHeight, QImage::Format_RGB32);
  Sums sums;
  for (auto _ : state) {
    session.ShowAll();
    RedrawView();
    const double program = Milliseconds([&] {
      DrawingDriver::Choose("mnuViewZoomWindow");
      session.Driver().ClickAt(box.Xmin, box.Ymin);
      session.Driver().ClickAt(box.Xmax, box.Ymax);
    });
    sums.Add(state, program, PlainDraw(session, plain));
  }
  if (SkipUnlessBothDrew(state, "ZoomWindow", session.Picture(), plain)) return;
  if (session.Window().XVmax - session.Window().XVmin > 1.5 * box.Width())
    state.SkipWithError("the zoom window did not zoom");
  sums.Report(state);
}
BENCHMARK(BM_MixedZoomWindow)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- Redraw of a detail view ----------------------------------------------------------------

void BM_MixedDetailRedraw(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  session.Show(MixedDetailBox(state.range(0)));
  QImage plain(PlainAreaWidth, PlainAreaHeight, QImage::Format_RGB32);
  Sums sums;
  for (auto _ : state) sums.Add(state, Milliseconds([] { RedrawView(); }), PlainDraw(session, plain));
  if (SkipUnlessBothDrew(state, "DetailRedraw", session.Picture(), plain)) return;
  sums.Report(state);
  state.counters["shown"] = static_cast<double>(session.Plain().Shown());
}
BENCHMARK(BM_MixedDetailRedraw)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- Move of the whole selection, and its ghost ------------------------------------------------

constexpr Double MoveStep = 3;  // world units right and up, then back

// Edit, Move from (x, y) by (dx, dy): the menu and two clicks, timed.
double TimedMove(MixedSession& session, Double x, Double y, Double dx, Double dy) {
  return Milliseconds([&] {
    DrawingDriver::Choose("mnuEditMove");
    session.Driver().ClickAt(x, y);
    session.Driver().ClickAt(x + dx, y + dy);
  });
}

void BM_MixedMoveAll(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  DrawingDriver::Choose("mnuSelectAll");
  if (SelectedCount() != ShownEntities()) {
    state.SkipWithError("Select All did not select the drawing");
    return;
  }
  const WorldBox world = MixedWorld(state.range(0));
  const Double cx = world.Width() / 2, cy = world.Height() / 2;
  const Long probe = ObjCount;
  QImage plain(PlainAreaWidth, PlainAreaHeight, QImage::Format_RGB32);
  Sums sums;
  Double sign = 1;
  for (auto _ : state) {
    const PntRec before = Pnts[Objs[probe].PointID];
    const double program = TimedMove(session, cx, cy, sign * MoveStep, sign * MoveStep);
    // The clicks may snap to stored points: the offset is what the Move did.
    const Double dx = Pnts[Objs[probe].PointID].X - before.X, dy = Pnts[Objs[probe].PointID].Y - before.Y;
    if (dx == 0 && dy == 0) {
      state.SkipWithError("the Move did not move the selection");
      return;
    }
    PlainDrawing& drawing = session.Plain();
    const double yardstick = Milliseconds([&] {
      drawing.Offset(dx, dy);
      drawing.Draw(plain);
    });
    sums.Add(state, program, yardstick);
    sign = -sign;
  }
  if (SkipUnlessBothDrew(state, "MoveAll", session.Picture(), plain)) return;
  sums.Report(state);
}
BENCHMARK(BM_MixedMoveAll)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The last line of the table whose middle lies in the detail view, picked
// with Select Line; 0 when none is, or the pick selected anything else.
Long SelectLastLineInView(MixedSession& session, const WorldBox& box) {
  for (Long i = ObjCount; i > BaseObjCount; --i) {
    const ObjRec& obj = Objs[i];
    if (obj.Rtype != EntityLine || obj.DwgNo != CurDwg || obj.Erased || !obj.Show) continue;
    const PntRec* p = &Pnts[obj.PointID];
    const Double x = (p[0].X + p[1].X) / 2, y = (p[0].Y + p[1].Y) / 2;
    if (x < box.Xmin || x > box.Xmax || y < box.Ymin || y > box.Ymax) continue;
    DrawingDriver::Choose("mnuSelectItems");
    session.Driver().ClickAt(x, y);
    session.Driver().Escape();
    return SelectedCount() == 1 && Objs[i].Selected ? i : 0;
  }
  return 0;
}

void BM_MixedMoveOne(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  const WorldBox box = MixedDetailBox(state.range(0));
  session.Show(box);
  RedrawView();
  const Long line = SelectLastLineInView(session, box);
  if (line == 0) {
    state.SkipWithError("no line of the detail view was selected alone");
    return;
  }
  const Double cx = (box.Xmin + box.Xmax) / 2, cy = (box.Ymin + box.Ymax) / 2, step = box.Width() / 20;
  QImage plain(PlainAreaWidth, PlainAreaHeight, QImage::Format_RGB32);
  Sums sums;
  Double sign = 1;
  for (auto _ : state) {
    const PntRec before = Pnts[Objs[line].PointID];
    const double program = TimedMove(session, cx, cy, sign * step, sign * step);
    if (Pnts[Objs[line].PointID].X == before.X && Pnts[Objs[line].PointID].Y == before.Y) {
      state.SkipWithError("the Move did not move the line");
      return;
    }
    sums.Add(state, program, PlainDraw(session, plain));
    sign = -sign;
  }
  if (SkipUnlessBothDrew(state, "MoveOne", session.Picture(), plain)) return;
  sums.Report(state);
}
BENCHMARK(BM_MixedMoveOne)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// One mouse move while Move of the whole selection drags its ghost; absolute.
void BM_MixedMoveGhost(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  DrawingDriver::Choose("mnuSelectAll");
  const WorldBox world = MixedWorld(state.range(0));
  const Double cx = world.Width() / 2, cy = world.Height() / 2;
  DrawingDriver::Choose("mnuEditMove");
  session.Driver().ClickAt(cx, cy);
  double sum = 0;
  int k = 0;
  for (auto _ : state) {
    const Double to = ++k % 2 ? MoveStep : 2 * MoveStep;
    const double ms = Milliseconds([&] { session.Driver().MoveTo(cx + to, cy + to); });
    state.SetIterationTime(ms / 1000);
    sum += ms;
  }
  session.Driver().Escape();
  state.counters["ghost_ms"] = sum / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MixedMoveGhost)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- One Undo, everything shown -----------------------------------------------------------

void BM_MixedUndo(benchmark::State& state) {
  MixedSession session(state.range(0));
  if (SkipUnlessReady(state, session)) return;
  const WorldBox world = MixedWorld(state.range(0));
  QImage plain(PlainAreaWidth, PlainAreaHeight, QImage::Format_RGB32);
  Sums sums;
  for (auto _ : state) {
    const Long before = ObjCount;
    DrawingDriver::Choose("mnuDrawLineSingle");  // Single Line across the drawing, then Esc
    session.Driver().ClickAt(world.Xmin + 1, world.Ymin + 1);
    session.Driver().ClickAt(world.Xmax - 1, world.Ymax - 1);
    session.Driver().Escape();
    if (ObjCount != before + 1) {
      state.SkipWithError("the Single Line command drew no line");
      return;
    }
    const double program = Milliseconds([] { DrawingDriver::Choose("mnuEditUndo"); });
    if (Objs[before + 1].Show && !Objs[before + 1].Erased) {
      state.SkipWithError("the Undo did not take the line back");
      return;
    }
    sums.Add(state, program, PlainDraw(session, plain));
  }
  if (SkipUnlessBothDrew(state, "Undo", session.Picture(), plain)) return;
  sums.Report(state);
}
BENCHMARK(BM_MixedUndo)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- File, Open, the fit after it, and the first click after it ------------------------------

constexpr int OpensPerSize = 3;  // each iteration starts the program and opens the drawing

// The DrawID of the mixed drawing in its database; 0 when it cannot be read.
std::int64_t MixedDrawKey(sqlite3* db) {
  sqlite3_stmt* row = nullptr;
  std::int64_t key = 0;
  if (sqlite3_prepare_v2(db, "SELECT DrawID FROM Drawing WHERE Name = ?1", -1, &row, nullptr) == SQLITE_OK &&
      sqlite3_bind_text(row, 1, MixedDrawingName, -1, SQLITE_STATIC) == SQLITE_OK && sqlite3_step(row) == SQLITE_ROW)
    key = sqlite3_column_int64(row, 0);
  sqlite3_finalize(row);
  return key;
}

// The fair typed read of the drawing's file; its time, or a negative number when it missed rows.
double FairReadMs(long entities) {
  std::vector<PlainLine> lines;
  std::vector<PlainPoint> points;
  bool ok = false;
  const double ms = Milliseconds([&] {
    sqlite3* db = nullptr;
    ok = sqlite3_open_v2(MixedFile(entities).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
         FairTypedRead(db, MixedDrawKey(db), lines, points);
    sqlite3_close(db);
  });
  return ok && static_cast<long>(lines.size()) >= entities ? ms : -1;
}

void BM_MixedFileOpen(benchmark::State& state) {
  Sums sums;
  for (auto _ : state) {
    MixedSession session(state.range(0));
    if (SkipUnlessReady(state, session)) return;
    const double fair = FairReadMs(state.range(0));
    if (fair < 0) {
      state.SkipWithError("the fair typed read missed rows");
      return;
    }
    sums.Add(state, session.Phases().Open, fair);
  }
  sums.Report(state);
}
BENCHMARK(BM_MixedFileOpen)
    ->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(OpensPerSize)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MixedFitAfterOpen(benchmark::State& state) {
  Sums sums;
  for (auto _ : state) {
    MixedSession session(state.range(0));
    if (SkipUnlessReady(state, session)) return;
    WorldBox box;
    const double extents = Milliseconds([&] { box = PlainDrawing::ModelExtents(); });
    benchmark::DoNotOptimize(box);
    sums.Add(state, session.Phases().Fit, extents);
  }
  sums.Report(state);
}
BENCHMARK(BM_MixedFitAfterOpen)
    ->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(OpensPerSize)->UseManualTime()->Unit(benchmark::kMillisecond);

// The first FindObjAt after the load lays the object index out; absolute.
void BM_MixedFirstClick(benchmark::State& state) {
  double sum = 0;
  const WorldBox world = MixedWorld(state.range(0));
  for (auto _ : state) {
    MixedSession session(state.range(0));
    if (SkipUnlessReady(state, session)) return;
    Long obj = 0;
    Double dist = 0;
    const double ms = Milliseconds([&] { FindObjAt(obj, world.Width() / 2, world.Height() / 2, dist); });
    benchmark::DoNotOptimize(obj);
    state.SetIterationTime(ms / 1000);
    sum += ms;
  }
  state.counters["click_ms"] = sum / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
BENCHMARK(BM_MixedFirstClick)
    ->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(OpensPerSize)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lintavo
