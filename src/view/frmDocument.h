// frmDocument: one drawing window. Its client area is the drawing surface;
// its public variables hold the view transform and the layer state of its
// drawing, which lives in the shared model tables under drawing number ID.
#pragma once

#include "platform/SurfaceWidget.h"
#include "platform/Types.h"

namespace lintavo {

class frmDocument : public SurfaceWidget {
  Q_OBJECT
 public:
  explicit frmDocument(QWidget* parent = nullptr);

  // ---- Public state (read and written by name by the other modules) ----------
  Long ID = 0;             // drawing number: index into Dwgs and DwgNo of its records
  Long View_MinX = 0;      // pixel bounds of the drawing area: scale left,
  Long View_Miny = 0;      //   scale top,
  Long View_Maxx = 0;      //   scale width
  Long View_Maxy = 0;      //   and scale height
  Single VbaseX = 0;       // pixel of the world origin (Y counted upward)
  Single Vbasey = 0;
  Single ScreenX = 0;      // client width and height in inches
  Single ScreenY = 0;
  Double XVmin = 0, YVmin = 0, XVmax = 0, YVmax = 0;  // world window at the pixel bounds
  Double XVscale = 0, YVscale = 0;  // pixels per world unit (equal)
  Double View_Scale = 1;   // zoom factor; 1 shows one inch as one screen inch
  Long Current_Layer = 0;  // Items index of the current layer
  Integer View_Layers = FlagTrue;   // -1: every showing layer is drawn; 0: only the current one
  Integer Edit_layers = FlagFalse;  // -1: every showing layer can be edited; 0: only the current one
  Integer IsDirty = FlagFalse;      // the drawing changed since it was loaded or saved
  Integer Cursorison = FlagFalse;   // the crosshair is on the surface now

  // ---- Public methods ------------------------------------------------------------
  String FileName() const { return docFileName_; }
  void SetFileName(const String& value);  // caption: the name, or "(no Name)"
  Long FileID() const { return docFileID_; }
  void SetFileID(Long value) { docFileID_ = value; }

 private:
  String docFileName_;  // behind FileName
  Long docFileID_ = 0;  // behind FileID
};

}  // namespace lintavo
