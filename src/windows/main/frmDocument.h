// frmDocument: one drawing window. Its client area is the drawing surface;
// its public variables (declared in DrawingWindow, through which the lower
// floors reach them) hold the view transform and the layer state of its
// drawing, which lives in the shared model tables under drawing number ID.
// The window owns no drawing data: its objects and items are the records
// whose DwgNo is ID, and its drawing record is Dwgs(ID).
//
// Its events make its drawing the current one (CurDwg := ID, ActiveDoc :=
// the window): the first show sets up the view, the first activation
// prepares the drawing record and the first layer, a resize redraws, and
// closing a changed drawing asks whether to save it. Closing gives the
// drawing number back: the window's entities and items belong to no drawing
// any more.
//
// Its pointer and keys are the command input: a left click becomes the
// snapped pick point of the running command, a mouse move moves the snapped
// crosshair, the coordinate read-out and the rubber-band previews, a left
// drag while no command runs pans the view, the right button opens the
// properties of the selection, and keys move the crosshair, complete typed
// values, cancel, or erase the selection. Pixel positions passed between
// these routines are view pixels: x from the left, y counted upward from the
// bottom of the drawing area.
//
// Sections:
//   Public state
//   Public methods
//   Services of the view routines
//   Events
//   Pointer and keyboard input
#pragma once

#include "model/DrawingWindow.h"
#include "platform/SurfaceWidget.h"
#include "platform/Types.h"

class QKeyEvent;

namespace lintavo {

// Mouse buttons and shift keys as the pointer events report them; a move
// reports the sum of the buttons held.
constexpr Integer vbLeftButton = 1;
constexpr Integer vbRightButton = 2;
constexpr Integer vbMiddleButton = 4;
constexpr Integer vbShiftMask = 1;
constexpr Integer vbCtrlMask = 2;
constexpr Integer vbAltMask = 4;

// The character code a key press types: 13 Enter, 27 Esc, 8 Backspace, or a
// printable character whose code fits; 0 when the key types nothing.
Integer KeyAsciiOf(const QKeyEvent& event);

class frmDocument : public SurfaceWidget, public DrawingWindow {
  Q_OBJECT
 public:
  explicit frmDocument(QWidget* parent = nullptr);
  ~frmDocument() override;

  // ---- Public state: ID, the view, the layers, IsDirty, Cursorison (DrawingWindow.h)

  // ---- Public methods ------------------------------------------------------------
  String FileName() const override { return docFileName_; }
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
  // Makes the window's drawing the current one and brings its extents and
  // its layers' counts and boxes up to date, as Zoom All does: a save then
  // stores them as a load of the drawing finds them.
  void MeasureDrawingForSave();
  // The one road by which a changed drawing is let go (its close box, File,
  // Close, File, Exit, closing the main window, a drawing opened over it):
  // "Drawing Has Changed! ..." with Yes, No and Cancel. Yes opens the save
  // dialog, where the user names the drawing and is asked before a stored
  // drawing is replaced; No lets it go unsaved. Cancel, Esc and the
  // question's close box keep it. True when the drawing may go: it is
  // unchanged, saved, or the user said No.
  bool ReleaseChangedDrawing();

  // ---- Services of the view routines ---------------------------------------------
  // View_MinX..View_Maxy := the client area's rounded scale left, top, width
  // and height in pixels.
  void MeasureDrawingArea() override;
  void SetMousePointer(int pointer) override;  // a pointer code of Pointers.h
  void SetPointerCursor(const QCursor& cursor) override;
  Surface& DrawingSurface() override { return *this; }
  void TakeKeyboardFocus() override;
  // A key the main window received because none of its widgets took it:
  // Esc, Enter or a typed character (without Ctrl, Alt or Meta) goes to the
  // command as a key press of this window; true when the key was one of them.
  bool TakeKeyOfMainWindow(const QKeyEvent& event);

 protected:
  void showEvent(QShowEvent* event) override;    // the first show loads the window
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void leaveEvent(QEvent* event) override;  // the pointer left: crosshair and previews go
  // Pointer and keys, turned into the events below with the program's codes.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class frmMain;        // delivers the activation of the window within the main window
  friend class DrawingDriver;  // the tests' input driver reads the pointer state

  // ---- Events --------------------------------------------------------------------
  void Form_Load();      // view set-up
  void Form_Activate();  // current drawing; the record and first layer on first activation
  void Form_Resize();    // new pixel bounds and a redraw
  // Asks whether to save a changed drawing (ReleaseChangedDrawing); Cancel
  // is set when the drawing must stay, which keeps the window open.
  void Form_Unload(Integer& Cancel);

  // ---- Pointer and keyboard input ------------------------------------------------
  // Button and Shift: the codes above; X, Y: the mouse position in pixels
  // from the top left of the drawing area.
  void Form_MouseDown(Integer Button, Integer Shift, Single X, Single Y);  // pick, properties
  // Crosshair, read-out and previews; a pan while the left button drags.
  void Form_MouseMove(Integer Button, Integer Shift, Single X, Single Y);
  void Form_MouseUp(Integer Button, Integer Shift, Single X, Single Y);  // ends a drag
  // Key codes 33 to 47: crosshair steps and moves, erase.
  void Form_KeyDown(Integer KeyCode, Integer Shift);
  void Form_KeyPress(Integer KeyAscii);  // typed characters, Enter, Esc

  void TakeLeftClick();           // the snapped pick point, the step count and the command
  void ShowSelectionProperties();  // the right button: the properties dialog of the selection
  void PanByDrag();               // one move of a left drag while no command runs
  void DrivePreviews();           // the previews switched on, moved to the cursor
  void ShowCursorReadOut();       // status-bar panels 5 to 8: the cursor's place in this window
  // The crosshair, the rubber band, the window box and the centre line drawn
  // again, which takes them off the surface.
  void ErasePointerImages();
  // The pointer left the window: the surface shows the model alone.
  void RemovePointerImages();
  // Those too, for a step that ends (Esc, the right button); true when the
  // command drew marks as well, which only a redraw, after the command's
  // end, takes off.
  bool RemoveCommandImages();
  static bool PreviewsNeedRedraw();  // a preview is on that drawing again cannot remove
  void AddTypedCharacter(Integer KeyAscii);

  // Cursor pixel := the view pixel of a mouse position.
  void SetCursorFromMouse(Single X, Single Y);
  // The world point of the cursor pixel, snapped by the first drawing snap
  // that applies; the cursor pixel moves to the snapped point.
  void SnapCursorPoint(Double& X, Double& Y);
  void RawCursorPoint(Double& X, Double& Y) const;  // the cursor pixel in world units
  void MoveCursorTo(Double X, Double Y);           // cursor pixel := the pixel of a world point
  void SnapCursor();  // CursorWorldX, CursorWorldY := the snapped cursor point

  // The crosshair, drawn with the not-XOR pen on the window itself, so that
  // drawing it again at the same place removes it. DrawCrosshair removes the
  // one shown first and draws nothing unless SnapCursorOn.
  void DrawCrosshair(Integer x, Integer y);
  void EraseCrosshair();                     // removes the one shown
  void DrawCrosshairImage(Single x, Single y);
  void MoveCursorByKey(Long x, Long y);  // crosshair to (x, y), kept inside the area
  void DrawCrossLines(Single x1, Single y1, Single x2, Single y2);
  void DrawCursorCircle(Single x, Single y, Single r);

  // CurDwg := ID, ActiveDoc := the window; the view cache follows when the
  // window was not the surface already.
  void MakeCurrent();
  // The window brought forward in place of another (or a new one): the
  // message bar is emptied of the other's messages and the read-out shows
  // this window's own cursor place.
  void TakeOverBars();
  bool IsActiveWindow() const;  // the main window's active drawing window (or there is no main window)
  // After this window was drawn while another is the active one, the active
  // window is the current drawing and surface again.
  static void MakeActiveWindowCurrent();

  // ---- Ending a command ----------------------------------------------------------------
  // Esc: every command ends; the previews, marks and crosshair it drew on
  // this window go with it, the window redrawn where only a redraw takes
  // them off.
  void CancelCommand();
  // A command under way in another drawing ends there, as Esc would end it
  // in its own window, before this window takes input: nothing clicked or
  // typed here joins what was begun there.
  void EndCommandOfOtherDrawing();
  // A dimension waiting in this window's drawing ends as Esc ends it before
  // the drawing is asked about: the layer it made is taken back, so a
  // drawing it alone changed is let go unasked, and Yes never stores that
  // layer. Other commands run on: Cancel keeps the drawing and them as they were.
  void EndDimensionWaitingHere();
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

  // ---- Pointer state -----------------------------------------------------------------
  Integer PanDragFirst = FlagFalse;  // flag: the next drag move is the first of a pan
  Integer KeyStepX = 32;             // crosshair step of the arrow keys, pixels, 1..64
  Integer KeyStepY = 32;
  Integer CursorPixX = 0;            // cursor pixel (view pixels, y upward), snapped
  Integer CursorPixY = 0;
  Single CrossPixX = 0;              // where the crosshair now shown was drawn (view pixels)
  Single CrossPixY = 0;
  Double CursorWorldX = 0;           // snapped world point of the cursor, world units
  Double CursorWorldY = 0;
  bool pointerSeen_ = false;         // the pointer has moved over the window: CursorWorldX, Y are its place
  bool entryComplete_ = true;        // Enter ended the typed value: the next character starts anew
};

}  // namespace lintavo
