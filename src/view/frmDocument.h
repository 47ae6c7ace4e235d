// frmDocument: one drawing window. Its client area is the drawing surface;
// its public variables hold the view transform and the layer state of its
// drawing, which lives in the shared model tables under drawing number ID.
// The window owns no drawing data: its objects and items are the records
// whose DwgNo is ID, and its drawing record is Dwgs(ID).
//
// Its events make its drawing the current one (CurDwg := ID, ActiveDoc :=
// the window): the first show sets up the view, the first activation
// prepares the drawing record and the first layer, a resize redraws, and
// closing a changed drawing asks whether to save it.
//
// Sections:
//   Public state
//   Public methods
//   Services of the view routines
//   Events
#pragma once

#include "platform/SurfaceWidget.h"
#include "platform/Types.h"

namespace lintavo {

class frmDocument : public SurfaceWidget {
  Q_OBJECT
 public:
  explicit frmDocument(QWidget* parent = nullptr);
  ~frmDocument() override;

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
  Integer IsDirty = FlagFalse;      // the drawing changed since it was loaded or saved
  Integer Cursorison = FlagFalse;   // the crosshair is on the surface now

  // ---- Public methods ------------------------------------------------------------
  String FileName() const { return docFileName_; }
  void SetFileName(const String& value);  // caption: the name, or "(no Name)"
  Long FileID() const { return docFileID_; }
  void SetFileID(Long value) { docFileID_ = value; }
  bool IsEmpty() const { return false; }
  bool CanSave() const { return IsDirty != 0; }
  bool CanCopy() const { return !IsEmpty(); }
  bool CanCut() const { return !IsEmpty(); }
  bool CanPrint() const { return !IsEmpty(); }
  bool CanPaste() const;  // the system clipboard holds a picture
  void Copy() {}
  void Cut() {}
  void Paste() { IsDirty = FlagTrue; }  // marks the drawing changed, nothing more
  // Replaces the window's drawing by the one chosen in the drawing chooser
  // (SelDwgName, SelDwgID in DwgDbPath). Nothing happens for an empty name.
  void LoadFile(const String& sFile);
  // Saves the window's drawing under sFile (a new name, revision or database
  // makes it a new stored drawing). Nothing happens for an empty name.
  void SaveFile(const String& sFile);

  // ---- Services of the view routines ---------------------------------------------
  // View_MinX..View_Maxy := the client area's rounded scale left, top, width
  // and height in pixels.
  void MeasureDrawingArea();
  void SetMousePointer(int pointer);  // a pointer code of Pointers.h

 protected:
  void showEvent(QShowEvent* event) override;    // the first show loads the window
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class frmMain;  // delivers the activation of the window within the main window

  // ---- Events --------------------------------------------------------------------
  void Form_Load();      // view set-up
  void Form_Activate();  // current drawing; the record and first layer on first activation
  void Form_Resize();    // new pixel bounds and a redraw
  void Form_Unload();    // asks whether to save a changed drawing; never cancels

  void MakeCurrent();  // CurDwg := ID, ActiveDoc := the window
  // Whether this window prepared its drawing record since the model was last
  // reset; a record left by an earlier window with the same number is not its own.
  bool DrawingPrepared() const;
  void MarkDrawingPrepared();
  void SelectLoadedLayer();  // the drawing's first layer becomes current; one is made when there is none
  void StartZoomAll();       // fits the whole drawing through the zoom command

  String docFileName_;  // behind FileName
  Long docFileID_ = 0;  // behind FileID
  bool loaded_ = false;     // Form_Load has run
  bool prepared_ = false;   // the window prepared or loaded its drawing record
  Long preparedAtReset_ = 0;  // ModelResets when it did
};

}  // namespace lintavo
