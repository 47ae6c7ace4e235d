// Startup: SubMain, the one-time initialisation and the end at start.
//
// Sections:
//   State
//   Support databases
//   Initialisation steps
//   Start-up
//   Ending at start
//   Reset
#include "windows/main/Startup.h"

#include <QApplication>
#include <QString>

#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "app/AppInfo.h"
#include "app/Setings.h"
#include "windows/help/frmIntro.h"
#include "windows/main/frmMain.h"
#include "windows/main/frmSplash.h"
#include "windows/help/frmTip.h"
#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/Layers.h"
#include "picking/Selection.h"
#include "platform/Colors.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "platform/Repaint.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "storage/LoadData.h"
#include "storage/LoadFonts.h"
#include "storage/SupportFiles.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Grids.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

// ---- State -----------------------------------------------------------------------

Integer InitDone = 0;
Integer ProgramEnded = 0;

namespace {

constexpr const char* StartFontName = "TEXT";            // the stroke font loaded at start
constexpr Integer StartBufferBound = 1000;               // loading and screen point buffers

// ---- Support databases -------------------------------------------------------------

struct SupportDatabase {
  const char* file;  // file name in the Support folder
  const char* kind;  // its name in the message
};

// Checks the support databases in the order settings, fonts, patterns. At
// the first one missing its message is shown and the program ends; the
// later ones are not looked at.
bool SupportDatabasesPresent() {
  static const SupportDatabase databases[] = {
      {SettingsDbFile, "Settings"}, {FontsDbFile, "Fonts"}, {PatternsDbFile, "Patterns"}};
  const String app = AppTitle;
  for (const SupportDatabase& database : databases) {
    SupportDbPath = SupportFilePath(database.file);
    if (FileExists(SupportDbPath)) continue;
    MsgBox("ERROR.. " + app + " " + database.kind + " Database, " + database.file +
               ", could not be found in the " + app + " Application Folder!!, Program will Terminate!",
           vbOKOnly);
    EndProgram();
    return false;
  }
  return true;
}

// ---- Initialisation steps -------------------------------------------------------------

}  // namespace

// Every option set read, the profile "Defaults" applied when one was read
// (LoadSettings applies the built-in defaults otherwise), and the display
// options shown in the main window.
void LoadOptionSets() {
  SettingSets.clear();
  SettingCount = 0;
  SettingCapacity = 0;
  if (LoadSettings()) {
    String profile = DefaultsSetName;
    InitSettings(profile);
  }
  ApplyDisplaySettings();
}

namespace {

// The drawings database of the drawing option set, resolved as every
// applied set's is; the component database starts as that same file. A
// component path the set holds is not taken here: the program stores there
// the drawings path of the moment the set was stored, which a later change
// of the drawings database leaves behind.
void StartDatabasePaths() {
  DwgDbPath = ResolvedDatabasePath(DwgDbPath);
  CompDbPath = DwgDbPath;
}

void LoadPatternLibrary() {
  HatchPatterns.assign(1, PatternRec{});
  PatternCount = PatternCap = 0;
  HatchPatternLines.assign(1, PatternLineRec{});
  PatternLineCount = PatternLineCap = 0;
  LoadPatterns();
}

// Empty model tables and the drawing switches at their start values: the
// support data is loaded into the bottom of the tables next. The switches
// the option sets hold (fills, hatches, the outline) keep what the sets
// just gave them, as when the sets are applied later.
void EmptyModel() {
  Pnts.assign(1, PntRec{});
  PntsMax = LastPnt = PntCount = 0;
  Objs.assign(1, ObjRec{});
  ObjsMax = LastObj = ObjCount = 0;
  Items.assign(1, ItemRec{});
  ItemsMax = CurItem = ItemCount = 0;
  LayerNameList.assign(1, LayerNameRec{});
  LayerNameCount = LayerNameBound = 0;
  DrawAsSelected = 0;
  ForgetSelections();
  ShowTextObjs = ShowDimObjs = DrawEnabled = FlagTrue;
  ExtentsPass = EraseDraw = 0;
  GridX = GridY = GridSize;
}

void SizeWorkingBuffers() {
  LoadPnts.assign(static_cast<size_t>(StartBufferBound) + 1, PntRec{});
  LoadPntsMax = StartBufferBound;
  ResizeScrPts(StartBufferBound);
}

void LoadSupportGeometry() {
  LoadFontNames();
  LoadLayerNames();
  LoadFont(StartFontName);
  BasePntCount = PntCount;
  BaseObjCount = ObjCount;
  BaseItemCount = ItemCount;
}

void StartFirstCommand() {
  DwgRec& dwg = Dwgs[CurDwg];
  dwg.Xlimit = DefDwgWidth;
  dwg.Ylimit = DefDwgHeight;
  ZoomCommand = ZoomFullCode;  // the first command: fit the drawing; it ends itself
  ActiveTool = ToolZooms;
  SelectTool();
}

// ---- Start-up ------------------------------------------------------------------------

// The login name is the author of new drawings, so it is known before the
// first drawing record is made.
void ReadUserName() {
  UserName = UserLoginName();
  if (UserName.empty()) UserName = "Unknown";
}

void ShowMainWindow() {
  MainForm = new frmMain;
  MainForm->MDIForm_Load();
  DlgCancelled = 0;
  MainForm->show();
  DwgBackColor = ColorWhite;
  if (frmDocument* window = MainForm->ActiveChild()) {
    ActiveDoc = window;
    SetBackColor(DwgBackColor);
  }
  RepaintWithoutInput();
}

void ShowSplash() {
  InitDone = 0;
  frmSplash splash(MainForm);
  ShowModal(splash);
  // However the window closed, the program is initialised before it goes on.
  if (!InitDone) InitApplication();
}

void CreateFirstLayer() {
  frmDocument* window = MainForm->ActiveChild();
  if (!window) return;
  ActiveDoc = window;
  CurDwg = static_cast<Integer>(window->ID);
  NewFirstLayer(*window);
  // The status bar named the item the window's layer index held before the
  // support data was loaded (a glyph): it names the new layer from now on,
  // also while the start-up windows show.
  ShowLayerStatus();
}

void ShowStartupWindows() {
  if (StartupWindowWanted("Show Info at Startup")) {
    ShowIntro();
    RepaintWithoutInput();
  }
  if (StartupWindowWanted("Show Tips at Startup")) {
    ShowTip();
    RepaintWithoutInput();
  }
}

// The end at start: nothing of the program's own closing runs, as when the
// process stops; the main window and its drawing window simply go.
void CloseMainWindow() {
  delete MainForm;
  MainForm = nullptr;
}

}  // namespace

void InitApplication() {
  if (SupportDatabasesPresent()) {
    LoadOptionSets();
    StartDatabasePaths();
    LoadPatternLibrary();
    EmptyModel();
    SizeWorkingBuffers();
    LoadSupportGeometry();
    CancelTools();
  }
  InitDone = FlagTrue;
  if (ProgramEnded) return;
  StartFirstCommand();
}

bool StartupWindowWanted(const String& key) {
  const String value = GetSetting(AppTitle, "Options", key, "1");
  return QString::fromStdString(value).trimmed().toDouble() != 0;
}

int SubMain() {
  QApplication::setApplicationName(QString::fromUtf8(AppTitle));
  ReadUserName();
  ShowMainWindow();
  ShowSplash();
  if (ProgramEnded) {
    CloseMainWindow();
    return ExitMissingSupport;
  }
  CreateFirstLayer();
  ShowStartupWindows();
  RefreshActiveView();
  return 0;
}

// ---- Ending at start -----------------------------------------------------------------

void EndProgram() { ProgramEnded = FlagTrue; }

// ---- Reset ---------------------------------------------------------------------------

void ResetStartup() { InitDone = ProgramEnded = 0; }

namespace {
const ModuleRegistrar Registered({"Startup", FloorApp, ResetStartup});
}  // namespace

}  // namespace lintavo
