// OpenRoad: what the benchmarks of opening a drawing share with the
// whole-process program: the program's start-up without the splash
// window's idle ticks, the drawing window sized for the run, and the File,
// Open road through the main window's menu item, the drawing chooser and
// its "Select New Drawing Database" button, timed phase by phase.
#pragma once

#include "platform/Types.h"

namespace lintavo {

class frmDocument;

// Times of one open, in milliseconds.
struct OpenPhases {
  double Open = 0;    // the menu item: chooser, database switch, LoadFile with the load itself
  double Fit = 0;     // ZOOM ALL: the drawing's extents fitted in the window
  double Redraw = 0;  // the full redraw, and the window painted
};

// Times of the start, in milliseconds.
struct StartPhases {
  double MainWindow = 0;   // the login name, the main window with its first drawing window, shown
  double Initialise = 0;   // InitApplication
  double FirstWindow = 0;  // the first layer, and the window redrawn and painted
};

// What SubMain does before and after the splash window's initialisation
// tick: the login name, the main window with its first drawing window,
// InitApplication, the first layer. The splash window's timer waits are
// left out: they are fixed, not work. False when start-up ended the program.
bool StartProgramWithoutSplash(StartPhases& phases);
// Ends what StartProgramWithoutSplash made: the main window goes.
void EndProgramStarted();

// Sizes the drawing area of the active drawing window to width by height
// pixels; false when there is no drawing window or the size was not taken.
bool SizeActiveDrawingArea(int width, int height);

// Opens the drawing named drawingName of the drawings database file through
// File, Open, fits it and redraws it whole. False, with phases as far as
// they went, when the drawing did not load whole (expectedLines objects;
// a negative number takes what loaded).
bool OpenFitAndDraw(const String& file, const String& drawingName, long expectedLines, OpenPhases& phases);
// Opens the drawing as a user does, through File, Open (whose load ends with
// ZOOM ALL and its redraw: phases.Open), and lets the window paint it
// (phases.Redraw); phases.Fit stays 0. False when nothing was opened.
bool OpenAsTheUserDoes(const String& file, const String& drawingName, OpenPhases& phases);

}  // namespace lintavo
