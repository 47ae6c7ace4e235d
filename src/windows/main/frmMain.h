// frmMain: the main window, a multiple-document parent that holds the
// drawing windows and carries the program's whole command vocabulary:
// twelve menus and four tool bars, the message bar with the keyboard entry
// box, and the status bar.
//
// Almost every menu item and tool-bar button starts a command the way every
// command starts: it writes the owning module's command word, writes
// ActiveTool and calls SelectTool (Top.h). The others switch an option flag
// with their check mark or pressed state, or open a dialog or window. One
// table in frmMain.cpp names every item and button with its caption and what
// choosing it does; the handlers here are the items that do more than that.
//
// Drawing windows: at most MaxDocWindows are open. A new window takes the
// smallest drawing number from 1 to 10 that no open window holds, and every
// way of closing a window gives its drawing number back (CloseDwg).
//
// Sections:
//   Life cycle
//   Drawing windows
//   Message bar
//   Tool bars
//   Status bar
//   Menus
//   Keyboard
//   Colour chooser
//   Handlers of the menus and tool bars
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "model/MainWindowLink.h"
#include "platform/Types.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

namespace lintavo {

class frmDocument;
class frmHelp;
enum class HelpTab;    // where the help window opens
struct MainAction;     // what choosing a menu item or tool-bar button does
struct MainMenuRow;    // one row of the menu table
struct MainButtonRow;  // one row of the tool-bar table

class frmMain;
extern frmMain* MainForm;  // the one main window; the model reaches it as MainLink()

class frmMain : public QMainWindow, public MainWindowLink {
  Q_OBJECT
 public:
  explicit frmMain(QWidget* parent = nullptr);

  // ---- Life cycle ----------------------------------------------------------------
  // Runs once, while start-up loads the window: position and size from the
  // per-user settings (kept on the screen), the help file, and the first
  // drawing window. Closing the main window closes every drawing window
  // first, each asking to save a changed drawing; a drawing that is not
  // saved when the user wanted it saved keeps the program open. Then the
  // position and size are stored, unless the window is minimised.
  void MDIForm_Load();

  // ---- Drawing windows -------------------------------------------------------------
  static constexpr int MaxDocWindows = 8;  // drawing windows open at most
  QMdiArea* MdiArea() const { return mdiArea_; }  // parent of the drawing windows
  frmDocument* ActiveChild() const;                 // the active drawing window, or nullptr
  int DocWindowCount() const;                       // drawing windows open now

  // ---- Message bar: title, prompt, and results with the entry box -----------------
  // Four bands; bands 1 to 3 each hold one text box, band 4 is empty. A band
  // turns yellow while its panel awaits input (MessageBar.h). Enter in Text3
  // hands its text to the running command, Esc ends every command.
  QToolBar* CoolBar1 = nullptr;
  QLineEdit* Text1 = nullptr;  // band 1: the command title
  QLineEdit* Text2 = nullptr;  // band 2: the prompt
  QLineEdit* Text3 = nullptr;  // band 3: results and errors; the keyboard entry box
  QFrame* Band(int band) const;  // band 1..4, else nullptr
  bool MessageBarVisible() const;

  // ---- Tool bars ----------------------------------------------------------------------
  // Buttons are found by their key. On the main tool bar "EditLayers" and
  // "ViewLayers" (its buttons 18 and 19, counted with its separators) are
  // shown pressed while the active drawing edits and views all layers; on
  // the text tool bar "Bold", "Italic", "Underline" and "Box" show their flags.
  QToolBar* tbToolBar = nullptr;  // "Top Toolbar"
  QToolBar* tbTextbar = nullptr;  // "Text Toolbar", with the font box
  QToolBar* Toolbar1 = nullptr;   // "Drawing Tools 1"
  QToolBar* Toolbar2 = nullptr;   // "Drawing Tools 2"
  QComboBox* Combo1 = nullptr;    // font box: the stroke font names; a new name can be typed
  QAction* ToolBarButton(const QString& key) const;  // main tool bar; nullptr when no button has the key
  QAction* BarButton(const QToolBar* bar, const QString& key) const;  // any tool bar
  bool ToolBarVisible() const;
  // Refills the font box from FontNames(1..FontCount) and selects FontName
  // (the first entry when FontName is not listed).
  void FillFontBox();

  // ---- Status bar: read-outs in numbered panels ----------------------------------
  // 1 zoom scale, 2 current layer, 3 layer visibility, 4 display unit,
  // 5 and 6 cursor X and Y, 7 and 8 relative or polar read-out.
  static constexpr int StatusPanelCount = 8;
  QStatusBar* sbStatusBar = nullptr;
  QLabel* StatusPanel(int panel) const;  // panel 1..StatusPanelCount, else nullptr
  bool StatusBarVisible() const;
  // What a panel shows: a text panel what is written into it; a date or
  // time panel the clock's date or time, kept current (writes into it are
  // dropped). Every panel starts as a text panel.
  enum PanelStyle { PanelText = 0, PanelTime = 5, PanelDate = 6 };
  void SetPanelStyle(int panel, PanelStyle style);  // a panel switched to text starts empty
  PanelStyle StatusPanelStyle(int panel) const;     // PanelText outside 1..StatusPanelCount
  // Panels 7 and 8 after a change of read-out: text panels while the
  // relative or the polar read-out is on, else the date and the time.
  void ShowReadOutPanels() override;

  // ---- What the lower floors ask of the main window (MainWindowLink.h) ---------------
  DrawingWindow* ActiveDrawingWindow() const override;
  DrawingWindow* DrawingWindowOf(Integer DwgNo) const override;
  void ShowPageInCaption(Integer DwgNo) override;
  void SetUndoItem(const String& Caption) override;
  void EnableUndoItem(bool Enabled) override;
  void SetRedoItem(const String& Caption) override;
  void EnableRedoItem(bool Enabled) override;
  bool MessageBarShown() const override { return MessageBarVisible(); }
  void SetMessageText(Integer Panel, const String& Text) override;
  void HighlightMessage(Integer Panel, MessagePart Part, bool On) override;
  void FocusEntryBox() override;
  void FocusActiveDrawing() override;
  bool StatusBarShown() const override { return StatusBarVisible(); }
  void SetStatusText(Integer Panel, const String& Text) override;
  void ShowLayerButtons(bool ViewAll, bool EditAll) override;
  void CheckMenuItem(const String& Name, bool Checked) override;
  void EnableMenuItem(const String& Name, bool Enabled) override;

  // ---- Menus --------------------------------------------------------------------------
  QAction* mnuEditUndo = nullptr;  // caption and state kept by the undo module
  QAction* mnuEditRedo = nullptr;
  QAction* MenuItem(const QString& name) const;  // by its name ("mnuDrawLineSingle"); nullptr none
  // The check marks of the option items from their flags, and the bars of
  // the Display menu shown or hidden by theirs; the font box is refilled
  // when the text tool bar comes into view.
  void ShowOptionChecks() override;

  // ---- Keyboard -----------------------------------------------------------------------
  // After a menu or a modal window closed, the keyboard goes back to the
  // work: to the active drawing window, where Esc, Enter and typed values
  // reach the command, unless a box that takes typed text had it last (the
  // entry box while a value is awaited, the font box), which keeps it. The
  // menu bar never keeps it: left there, it takes Esc from the command.
  // Runs at the end of every modal prompt (Prompts.h) and of every bar
  // toggled (ShowBars).
  void ReturnKeyboard();

  // ---- Colour chooser ---------------------------------------------------------------
  // The platform's colour dialog titled Title, starting at StartColor with
  // its custom colours open. Color receives the colour chosen, or StartColor
  // when the dialog was cancelled or failed (a failure is reported first).
  // True only when a colour was chosen.
  static bool ChooseColor(const String& Title, Long StartColor, Long& Color);

  // ---- Handlers of the menus and tool bars ---------------------------------------------
  // File, Save: with a drawing window active and drawing entities in the
  // model, the save dialog modally, then the window redrawn.
  void mnuFileSave_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Keys of Text3, the font box and the menu bar.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A key no widget of the window took (the focus on a tool bar, the status
  // bar, the area or a drawing window's frame, or on none; the menu bar's
  // keys come through the filter): Esc, Enter and typed characters reach the
  // active drawing window's command as if typed there. A box that takes
  // typed text keeps its keys.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ---- Building ---------------------------------------------------------------------
  static constexpr int MenuRowCount = 224;   // rows of the menu table, separators included
  static constexpr int ButtonRowCount = 69; // rows of the button table, separators included
  static const std::vector<MainMenuRow>& MenuTable();
  static const std::vector<MainButtonRow>& ButtonTable();
  void BuildMenus();
  void BuildToolBars();
  void BuildMessageBar();
  void BuildStatusBar();
  QToolBar* BarOf(int bar) const;  // 0 tbToolBar, 1 tbTextbar, 2 Toolbar1, 3 Toolbar2

  // ---- Running the table ---------------------------------------------------------------
  void RunAction(const MainAction& action, QAction* control);
  void RunActionKind(const MainAction& action, QAction* control);  // RunAction's work, by kind
  void StartCommand(const MainAction& action);  // command word, ActiveTool, SelectTool
  void RunMenuItem(const char* name);           // what the item does, enabled or not
  // The other flags of an exclusion group off, each item that was on
  // followed by its effect.
  void ClearGroup(int group, const Integer* keep);
  void RedrawActive();                          // the active drawing window redrawn
  void RedrawOtherWindows();                    // every drawing window but the active one redrawn
  void RedrawEveryWindow();                     // every drawing window redrawn, the active one last

  // ---- Life cycle ------------------------------------------------------------------------
  void MDIForm_Unload();      // stores position and size unless minimised
  void RestoreWindowPlace();  // position and size from the settings, on the screen

  // ---- Drawing windows ---------------------------------------------------------------------
  std::vector<frmDocument*> OpenDocuments() const;
  Long FreeDrawingNumber() const;  // smallest of 1..10 no open window holds; 0 none
  void NewDrawing();               // a new empty window "New Drawing"; nothing at the limit
  void ResetToNewDrawing(frmDocument* document);  // the only window: an empty "New Drawing" again
  void Arrange(int code);  // WindowArrangement: 0 cascade, 1 tile horizontally, 2 tile vertically, 3 icons
  QRect DrawingArea() const;  // the area's client rectangle, where drawing windows lie
  int CascadeStep() const;    // pixels from one cascaded caption to the next
  // A new window inside the area: the first fills it, a later one takes
  // three quarters of it, cascaded from the windows already open.
  void PlaceNewWindow(QMdiSubWindow* sub, int othersOpen);
  void FitFirstWindow();  // the only window, while it fills the area, follows the area's size
  void Cascade();         // usable sizes, captions stepping down, all inside the area
  void ListWindows();      // the open drawing windows at the end of the Window menu

  // ---- File menu ---------------------------------------------------------------------------
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileClose_Click();
  void mnuFileSaveComp_Click();
  void mnuFilePageSetup_Click();
  void mnuFilePrintPreview_Click();
  void mnuFilePrint_Click();
  void mnuFileExit_Click();

  // ---- Display menu effects ------------------------------------------------------------------
  void ShowBars();               // each bar shown as its item is checked
  void RubberBandingChanged();   // no rubber line stays switched on
  void AbsoluteReadOutChanged(); // off: panels 5 and 6 emptied
  void RelativeReadOutChanged(); // panels 7 and 8 emptied

  // ---- Help menu -------------------------------------------------------------------------------
  // The help window at the tab asked for (made once, reused while it is
  // open), or the message that there is no help.
  void ShowHelp(HelpTab Tab);
  void ShowHelpContents();
  void ShowHelpIndex();
  void ShowHelpSearch();

  // ---- Tool-bar buttons --------------------------------------------------------------------------
  void EditLayers_Click();
  void ViewLayers_Click();
  void Layers_Click();
  void Stop_Click();
  void LineColor_Click();

  // ---- Entry box and font box ------------------------------------------------------------------
  // Esc in either box: every command ends (the filter takes the key before
  // the box's handler sees it).
  void EndCommandsByEsc();
  // Key presses other than Esc by character code; a handler sets KeyAscii
  // to 0 when it took the key, so the box does not type it.
  void Text3_KeyPress(Integer& KeyAscii);
  void Combo1_Click();
  void Combo1_KeyPress(Integer& KeyAscii);

  // ---- Keyboard ---------------------------------------------------------------------------
  // A menu of the menu bar closed: when Esc left the keyboard in the menu
  // bar (and no other menu opened), it goes back to the work.
  void ReturnKeyboardFromMenuBar();
  // Where the keyboard is at work: the focus widget, or the one the menu bar took it from.
  QWidget* KeyboardAtWork() const;
  // ReturnKeyboard to Last: kept there when it takes typed text and is shown, else the active drawing.
  void ReturnKeyboardTo(QWidget* Last);
  // Esc, Enter or a typed character for the active drawing window's command
  // (keyPressEvent); false, and nothing done, for any other key, without a
  // drawing window, or while a box that takes typed text has the keyboard.
  bool KeyToCommand(const QKeyEvent& event);

  QMdiArea* mdiArea_ = nullptr;
  QFrame* bands_[4] = {};
  QLabel* statusPanels_[StatusPanelCount] = {};
  PanelStyle panelStyles_[StatusPanelCount] = {};  // PanelText until set
  QTimer* clock_ = nullptr;                     // keeps the date and time panels current
  void ShowClockPanels();                       // the date and time panels from the clock
  QMenu* windowMenu_ = nullptr;                 // the Window menu
  std::vector<QAction*> windowListItems_;       // its entries for the open windows
  std::vector<QAction*> menuItems_;             // one per row of MenuTable (nullptr for separators)
  std::vector<QAction*> buttons_;               // one per row of ButtonTable (nullptr for separators)
  String helpFile_;                             // the program's help collection; "" none
  QPointer<frmHelp> helpWindow_;                // the help window while it is open
  bool textBarShown_ = true;                    // the text tool bar was checked when last shown
  bool firstFills_ = false;                     // the only drawing window fills the area
  QPointer<QWidget> keyboardBeforeMenuBar_;     // had the focus when the menu bar last took it; null none
  QPointer<QWidget> keyboardHiddenWithBar_;     // had the focus when a bar hid it, until it shows; null none
};

}  // namespace lintavo
