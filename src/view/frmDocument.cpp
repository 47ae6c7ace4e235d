// frmDocument: the drawing window: its public methods, loading and saving
// its drawing, and its load, activate, resize and unload events.
//
// Sections:
//   Construction
//   Public methods
//   Loading and saving
//   Services of the view routines
//   Events
//   Helpers
#include "view/frmDocument.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMimeData>

#include "app/AppInfo.h"
#include "app/DataHand.h"
#include "app/DrawDispatch.h"
#include "app/MessageBar.h"
#include "app/Top.h"
#include "app/UndoRedo.h"
#include "app/frmMain.h"
#include "organisation/Layers.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "platform/Prompts.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Construction ------------------------------------------------------------------

frmDocument::frmDocument(QWidget* parent) : SurfaceWidget(parent) {}

frmDocument::~frmDocument() {
  // Nothing may draw on a window that is gone.
  if (ActiveDoc == static_cast<Surface*>(this)) ActiveDoc = nullptr;
}

// ---- Public methods ----------------------------------------------------------------

void frmDocument::SetFileName(const String& value) {
  docFileName_ = value;
  setWindowTitle(value.empty() ? QStringLiteral("(no Name)") : QString::fromStdString(value));
}

bool frmDocument::CanPaste() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

// ---- Loading and saving ------------------------------------------------------------

void frmDocument::LoadFile(const String& sFile) {
  if (sFile.empty()) return;
  MakeCurrent();
  SetMousePointer(vbHourglass);
  // A window that never prepared its drawing starts from a fresh record, not
  // from one an earlier window with the same number left behind.
  if (!DrawingPrepared()) NewDwgRec(CurDwg);
  SetFileName(sFile);
  EraseDwgObjs(CurDwg);
  EraseDwgItems(CurDwg);
  ShowStatus("Loading Drawing", 1);
  ShowStatus(" " + Dwgs[CurDwg].Name, 2);
  ShowStatus("Please Wait", 3);
  DwgRec& dwg = Dwgs[CurDwg];
  dwg.Name = SelDwgName;
  dwg.DrawID = SelDwgID;
  dwg.SourceDbPath = DwgDbPath;

  const bool loaded = LoadDrawing();
  EnsureTextFonts();
  SelectLoadedLayer();
  View_Layers = FlagTrue;
  Edit_layers = FlagFalse;
  MarkDrawingPrepared();
  StartZoomAll();

  // A drawing that did not load is not the stored drawing: it keeps its
  // changed state, and the user is told.
  const String& name = Dwgs[CurDwg].Name;
  if (loaded) {
    ShowStatus("Drawing Loaded", 1);
    ShowStatus(" " + name, 2);
    IsDirty = FlagFalse;
  } else {
    ShowStatus("ERROR... Drawing NOT Loaded: " + name, 3);
  }
  SetMousePointer(vbArrow);
}

void frmDocument::SaveFile(const String& sFile) {
  if (sFile.empty()) return;
  // The window saved is the one redrawn afterwards.
  MakeCurrent();
  SetMousePointer(vbHourglass);
  DwgRec& dwg = Dwgs[CurDwg];
  // A new name, revision or database makes a new stored drawing: no key yet.
  if (sFile != dwg.Name) {
    SetFileName(sFile);
    dwg.Name = SelDwgName;
    dwg.DrawID = 0;
    dwg.Revision = CurRevision;
  }
  if (CurRevision != dwg.Revision) {
    dwg.DrawID = 0;
    dwg.Revision = CurRevision;
  }
  if (DwgDbPath != dwg.SourceDbPath) dwg.DrawID = 0;
  SetFileName(dwg.Name);

  const bool saved = SaveDrawing(CurDwg);
  SetMousePointer(vbArrow);
  CancelTools();
  RefreshDocView(this);
  if (saved) {
    ShowStatus("Saved Drawing", 1);
    ShowStatus(" " + Dwgs[CurDwg].Name, 2);
    IsDirty = FlagFalse;
  } else {
    ShowStatus("ERROR... Drawing NOT Saved: " + Dwgs[CurDwg].Name, 3);
  }
}

// ---- Services of the view routines -------------------------------------------------

void frmDocument::MeasureDrawingArea() {
  ScaleMode = vbPixels;
  View_MinX = RoundToLong(ScaleLeft());
  View_Miny = RoundToLong(ScaleTop());
  View_Maxx = RoundToLong(ScaleWidth());
  View_Maxy = RoundToLong(ScaleHeight());
}

void frmDocument::SetMousePointer(int pointer) { setCursor(PointerCursor(pointer)); }

// ---- Events ------------------------------------------------------------------------

void frmDocument::showEvent(QShowEvent* event) {
  SurfaceWidget::showEvent(event);
  if (!loaded_) Form_Load();
}

void frmDocument::resizeEvent(QResizeEvent* event) {
  SurfaceWidget::resizeEvent(event);  // the surface takes the new size first
  Form_Resize();
}

void frmDocument::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmDocument::Form_Load() {
  loaded_ = true;
  InitView(*this);
}

void frmDocument::Form_Activate() {
  if (!loaded_) Form_Load();
  MakeCurrent();
  // The drawers read the view cache: it must describe this window from now on.
  LoadViewCache();
  if (DrawingPrepared()) {
    if (MainForm)
      MainForm->setWindowTitle(QString::fromUtf8(AppTitle) + QStringLiteral(" / Page: ") +
                               QString::number(ID));
    return;
  }
  NewDwgRec(CurDwg);
  NewLayer();
  Current_Layer = ItemCount;
  View_Layers = FlagTrue;
  Edit_layers = FlagFalse;
  MarkDrawingPrepared();
  // Not yet done: the main tool bar's layer buttons.
  if (DefDwgWidth > 0) StartZoomAll();
}

void frmDocument::Form_Resize() {
  if (!loaded_) return;  // the view set-up measures the area itself
  ScaleMode = vbPixels;
  if (RoundToLong(ScaleWidth()) == View_Maxx && RoundToLong(ScaleHeight()) == View_Maxy) return;
  MakeCurrent();
  MeasureDrawingArea();
  // The world window follows the area, so the drawers' culling covers what
  // the larger area now shows.
  UpdateWorldWindow();
  RefreshActiveView();
}

void frmDocument::Form_Unload() {
  MakeCurrent();
  if (!IsDirty) return;
  const int answer = MsgBox("Drawing Has Changed! Do You want to Save the Drawing?", vbYesNo,
                            "Close Drawing: " + Dwgs[CurDwg].Name);
  if (answer == vbYes) SaveFile(FileName());
}

// ---- Helpers -----------------------------------------------------------------------

void frmDocument::MakeCurrent() {
  CurDwg = static_cast<Integer>(ID);
  ActiveDoc = this;
}

bool frmDocument::DrawingPrepared() const { return prepared_ && preparedAtReset_ == ModelResets; }

void frmDocument::MarkDrawingPrepared() {
  prepared_ = true;
  preparedAtReset_ = ModelResets;
}

void frmDocument::SelectLoadedLayer() {
  const Long last = ItemCount;
  for (Long i = BaseItemCount + 1; i <= last; ++i) {
    if (Items[i].DwgNo == ID && Items[i].Rtype == ItemLayer) {
      Current_Layer = i;
      return;
    }
  }
  NewLayer();
  Current_Layer = ItemCount;
}

void frmDocument::StartZoomAll() {
  ExtentsChanged = FlagTrue;
  ZoomCommand = 1;
  ActiveTool = ToolZooms;
  SelectTool();
}

}  // namespace lintavo
