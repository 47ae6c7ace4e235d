// MainWindowLink: what the lower floors ask of the main window, without
// knowing the window class.
//
// The main window (frmMain, on the top floor) implements this interface: the
// message bar's boxes and the status bar's panels the message-bar routines
// write, the caption, the Undo and Redo items the undo routines keep, and
// the active drawing window the dispatcher works on. The model reaches the
// main window as MainLink(), which is MainForm seen through this interface;
// with no main window (the tools, some tests) it is nullptr and the model
// routines show nothing.
//
// Sections:
//   The interface
//   The main window as the model sees it
#pragma once

#include "platform/Types.h"

namespace lintavo {

class DrawingWindow;

// The two parts of a message-bar panel that turn yellow while it awaits input.
enum MessagePart : Integer {
  MessageBand = 0,  // the band around the box
  MessageTextBox = 1,  // the text box itself
};

// ---- The interface -----------------------------------------------------------------
class MainWindowLink {
 public:
  virtual ~MainWindowLink() = default;

  // The active drawing window; nullptr when none is open.
  virtual DrawingWindow* ActiveDrawingWindow() const = 0;
  // The open drawing window of drawing DwgNo; nullptr when none holds it.
  virtual DrawingWindow* DrawingWindowOf(Integer DwgNo) const = 0;
  // The caption: the program's name and " / Page: " with the drawing number.
  virtual void ShowPageInCaption(Integer DwgNo) = 0;

  // Edit, Undo and Edit, Redo: caption (trailing blanks kept) and state.
  virtual void SetUndoItem(const String& Caption) = 0;
  virtual void EnableUndoItem(bool Enabled) = 0;
  virtual void SetRedoItem(const String& Caption) = 0;
  virtual void EnableRedoItem(bool Enabled) = 0;

  // Message bar: panels 1 to 3, each a text box on a band.
  virtual bool MessageBarShown() const = 0;
  virtual void SetMessageText(Integer Panel, const String& Text) = 0;
  // Yellow with red text while the panel awaits input, or the normal colours.
  virtual void HighlightMessage(Integer Panel, MessagePart Part, bool On) = 0;
  virtual void FocusEntryBox() = 0;       // the keyboard to panel 3
  virtual void FocusActiveDrawing() = 0;  // the keyboard back to the active drawing window

  // Status bar: panels 1 to 8.
  virtual bool StatusBarShown() const = 0;
  virtual void SetStatusText(Integer Panel, const String& Text) = 0;
  // The main tool bar's "ViewLayers" and "EditLayers" buttons pressed or
  // not, while the tool bar is shown.
  virtual void ShowLayerButtons(bool ViewAll, bool EditAll) = 0;

  // A menu item's check mark, by the item's name ("mnuDisplayGrid"); an
  // unknown name changes nothing.
  virtual void CheckMenuItem(const String& Name, bool Checked) = 0;
  // A menu item enabled or disabled, by its name ("mnuEditPaste"); an
  // unknown name changes nothing.
  virtual void EnableMenuItem(const String& Name, bool Enabled) = 0;
  // The option items' check marks from their flags, with the bars of the
  // Display menu shown or hidden by theirs (after option settings change).
  virtual void ShowOptionChecks() = 0;
  // Status panels 7 and 8 after a change of read-out: text panels while the
  // relative or the polar read-out is on, else the date and the time.
  virtual void ShowReadOutPanels() = 0;
};

// ---- The main window as the model sees it ------------------------------------------------
// MainForm through the interface; nullptr while there is none. The main
// window's own module supplies the lookup when it registers.
MainWindowLink* MainLink();
void SetMainLinkLookup(MainWindowLink* (*lookup)());

// The main window's active drawing window becomes the drawing target
// (ActiveDoc) again, as after a dialog whose preview had it; returns that
// window, or the drawing window behind ActiveDoc when the main window has
// none (nullptr while none is the target either).
DrawingWindow* TargetActiveWindow();
// The open drawing window of drawing DwgNo, as the main window knows it;
// without a main window, the drawing window behind ActiveDoc when it holds
// that drawing. nullptr when none does.
DrawingWindow* WindowOfDrawing(Integer DwgNo);

}  // namespace lintavo
