// DrawingWindow: what the model, the view routines and the commands read and
// write of a drawing window, without knowing the window class.
//
// The drawing window (frmDocument, a window on the top floor) derives from
// this class, so its public state keeps the names every module uses
// (ID, View_Scale, Current_Layer, IsDirty ...), and the few services the
// lower floors need of it are virtual here. ActiveDoc is the surface every
// drawing routine draws on; ActiveDocForm gives the drawing window behind it.
//
// Sections:
//   The changed mark of the window's drawing
//   Public state
//   Services
//   The active drawing window
#pragma once

#include "platform/Types.h"

class QCursor;

namespace lintavo {

class Surface;

// ---- The changed mark of the window's drawing --------------------------------------
// A drawing's changed mark lives with the drawing (ChangeMarks), so that a
// change marks the drawing it was made in whichever window is active. The
// window's IsDirty reads and writes that mark under the name every module
// uses: it reads -1 while drawing ID is marked changed, else 0; a non-zero
// flag written marks it, 0 clears it.
class DrawingChangedFlag {
 public:
  explicit DrawingChangedFlag(const Long& DwgNo) : dwgNo_(DwgNo) {}
  DrawingChangedFlag(const DrawingChangedFlag&) = delete;
  DrawingChangedFlag& operator=(const DrawingChangedFlag&) = delete;
  operator Integer() const;
  DrawingChangedFlag& operator=(Integer Value);

 private:
  const Long& dwgNo_;  // the window's drawing number (its ID)
};

class DrawingWindow {
 public:
  virtual ~DrawingWindow();

  // ---- Public state (read and written by name by the other modules) ----------
  Long ID = 0;             // drawing number: index into Dwgs and DwgNo of its records
  Long View_MinX = 0;      // pixel bounds of the drawing area: scale left,
  Long View_Miny = 0;      //   scale top,
  Long View_Maxx = 0;      //   scale width
  Long View_Maxy = 0;      //   and scale height
  Single VbaseX = 0;       // pixel of the world origin (Y counted upward)
  Single Vbasey = 0;
  Single ScreenX = 0;      // client width and height in inches, measured at load
  Single ScreenY = 0;
  Double XVmin = 0, YVmin = 0, XVmax = 0, YVmax = 0;  // world window at the pixel bounds
  Double XVscale = 0, YVscale = 0;  // pixels per world unit (equal)
  Double View_Scale = 1;   // zoom factor; 1 shows one inch as one screen inch
  Long Current_Layer = 0;  // Items index of the current layer; 0 none
  Integer View_Layers = FlagTrue;   // -1: every showing layer is drawn; 0: only the current one
  Integer Edit_layers = FlagFalse;  // -1: every showing layer can be edited; 0: only the current one
  DrawingChangedFlag IsDirty{ID};   // -1: the drawing changed since it was loaded or saved
  Integer Cursorison = FlagFalse;   // the crosshair is on the surface now

  // ---- Services ------------------------------------------------------------------
  virtual String FileName() const = 0;  // the drawing's name as the window shows it
  // View_MinX..View_Maxy := the client area's rounded scale left, top, width
  // and height in pixels.
  virtual void MeasureDrawingArea() = 0;
  virtual void SetMousePointer(int pointer) = 0;          // a pointer code of Pointers.h
  virtual void SetPointerCursor(const QCursor& cursor) = 0;  // a pointer of our own
  virtual Surface& DrawingSurface() = 0;                  // the window's client area
  virtual void TakeKeyboardFocus() = 0;
};

// ---- The active drawing window -----------------------------------------------------
// ActiveDoc as a drawing window; nullptr while the printer, a picture box or
// nothing is the surface. Entities are appended by the million when a
// drawing loads or a command copies, so the window found last is remembered
// instead of testing the surface's type on every call; a window forgets
// itself there when it is destroyed.
DrawingWindow* ActiveDocForm();
void ArrowPointer();        // the active drawing window, if any, shows the arrow pointer
void ResetDrawingWindow();  // forgets the window found last

}  // namespace lintavo
