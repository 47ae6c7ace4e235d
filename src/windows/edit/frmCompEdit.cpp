// frmCompEdit: the component placement edit dialog.
//
// Sections:
//   Construction
//   Opening
//   The list and the component shown
//   Buttons
//   Registration
#include "windows/edit/frmCompEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/controls/ComponentFacts.h"
#include "windows/controls/OptionBoxes.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/ChooserPreview.h"
#include "organisation/Components.h"
#include "organisation/LinkHand.h"
#include "windows/edit/frmLinkData.h"
#include "platform/Modal.h"
#include "platform/Prompts.h"
#include "platform/SurfaceWidget.h"
#include "platform/TextCompare.h"
#include "platform/TextBoxes.h"
#include "storage/LoadObjects.h"
#include "storage/SaveData.h"

namespace lintavo {

namespace {

// Link type texts by LinkType 0..2.
constexpr const char* LinkTexts[] = {"Not Linked", "Linked Current Database", "Linked Remote Database"};

// The first selected, shown placement of the current drawing; 0 none.
Long SelectedPlacement() {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.Rtype == EntityComponent && IsDrawnSelected(obj)) return i;
  }
  return 0;
}

QString Text(const String& s) { return QString::fromStdString(s); }

// The box's text replaces the field when it is not empty and differs.
bool TakeBox(const QLineEdit* box, String& field) {
  const String text = box->text().toStdString();
  if (text.empty() || text == field) return false;
  field = text;
  return true;
}

}  // namespace

// ---- Construction ----------------------------------------------------------------------

frmCompEdit::frmCompEdit(QWidget* parent) : QDialog(parent) {
  setObjectName("frmCompEdit");
  setWindowTitle("Edit Component Placement");
  BuildControls();
  Form_Load();
}

frmCompEdit::~frmCompEdit() = default;

void frmCompEdit::BuildControls() {
  Label1 = new QLabel("Select Replacement Component from Below", this);
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(Label1);
  listColumn->addWidget(List1);

  auto* fields = new QGridLayout;
  TxtName = CaptionedField(fields, 0, "TxtName", "Name", this);
  TxtCategory = CaptionedField(fields, 1, "TxtCategory", "Category*", this);
  TxtAuthor = CaptionedField(fields, 2, "TxtAuthor", "Author*", this);
  TxtPart = CaptionedField(fields, 3, "TxtPart", "Part Number*", this);
  TxtDesc = CaptionedField(fields, 4, "TxtDesc", "Description*", this);
  TxtDate = CaptionedField(fields, 5, "TxtDate", "Creation Date", this);
  txtLinked = CaptionedField(fields, 6, "txtLinked", "Link Type", this);
  int row = 7;
  for (QLabel** label : {&lblLines, &lblWidth, &lblHeight, &lblPlace, &lblSelected}) {
    *label = new QLabel(this);
    fields->addWidget(*label, row++, 0, 1, 2);
  }
  lblPlace->setObjectName("lblPlace");
  lblSelected->setObjectName("lblSelected");
  fields->addWidget(new QLabel("* Accepts Changes", this), row++, 0, 1, 2);
  fields->addWidget(new QLabel("Name Change Creates a new Component", this), row, 0, 1, 2);

  lblView = new QLabel(this);
  Picture1 = NamedPicture("Picture1", PictureWidth, PictureHeight, this);
  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(lblView);
  pictureColumn->addWidget(Picture1);

  auto* top = new QHBoxLayout;
  top->addLayout(listColumn);
  top->addLayout(fields);
  top->addLayout(pictureColumn);

  cmdUpdate = NamedButton("cmdUpdate", "Update Changes", this);
  cmdLink = NamedButton("cmdLink", "Edit Component Link", this);
  OKButton = NamedButton("OKButton", "OK", this);
  CancelButton = NamedButton("CancelButton", "Cancel", this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {cmdUpdate, cmdLink, OKButton, CancelButton}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
  connect(cmdUpdate, &QPushButton::clicked, this, &frmCompEdit::cmdUpdate_Click);
  connect(cmdLink, &QPushButton::clicked, this, &frmCompEdit::cmdLink_Click);
  connect(OKButton, &QPushButton::clicked, this, &frmCompEdit::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmCompEdit::reject);
}

// ---- Opening ---------------------------------------------------------------------------------

void frmCompEdit::Form_Load() {
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  InitPreviewSurface(preview_, *Picture1, PictureWidth, PictureHeight);
  ComponentItem = 0;
  EditComponentName.clear();
  EditedPlacement = SelectedPlacement();
  if (EditedPlacement) NewItemName = Objs[EditedPlacement].Name;
  FillEditList();
  if (List1Empty_) return;
  if (!NewItemName.empty()) {
    EditSearchName = NewItemName;
    Long index = 0;
    if (FindComponentByName(index)) {
      ShowWholeText(*TxtName, Text(Items[index].Name));
      EditComponentName = Items[index].Name;
      ComponentItem = EditChosenItem = EditOpenedItem = index;
      ShowPlacedCaption();
      Label1->setText(" Select Replacement from This List");
      FillEditList();
      ShowEditComponent();
    }
  }
  OpenDbPath = DwgDbPath;
}

// ---- The list and the component shown ----------------------------------------------------------

bool frmCompEdit::FindComponentByName(Long& Index) const {
  for (Long i = 1; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemComponent && Items[i].Name == EditSearchName) {
      Index = i;
      return true;
    }
  return false;
}

void frmCompEdit::FillEditList() {
  List1->clear();
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype != ItemComponent) continue;
    List1->addItem(Text(Items[i].Name));
    if (Items[i].Name == EditComponentName) List1->item(List1->count() - 1)->setSelected(true);
  }
  List1Empty_ = List1->count() == 0;
}

void frmCompEdit::CountPlacements() {
  PlacementCount = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && obj.Rtype == EntityComponent && obj.Show && obj.ObjectID == EditChosenItem)
      ++PlacementCount;
  }
  lblPlace->setText("Placements = " + QString::number(PlacementCount));
}

// The component ComponentItem previewed and described as the chooser of
// Insert, Component previews and describes it.
void frmCompEdit::ShowEditComponent() {
  if (ComponentItem < 1 || ComponentItem > ItemCount) return;
  InitPreviewSurface(preview_, *Picture1, PictureWidth, PictureHeight);
  Picture1->Cls();
  lblView->setText(Text(EditComponentName));
  const ItemRec& item = Items[ComponentItem];
  ShowComponentFacts(FactsOfItem(item), {TxtCategory, TxtAuthor, TxtDate, TxtPart, TxtDesc, lblWidth, lblHeight});
  if (item.LinkType >= 0 && item.LinkType <= 2) txtLinked->setText(LinkTexts[item.LinkType]);
  lblLines->setText("Lines = " + QString::number(item.Nlines));
  CountPlacements();
  PreviewDefinition(ComponentItem);
}

// After a rename the dialog describes the component under its new name:
// the renamed one, or the copy the edited placement shows now.
void frmCompEdit::ShowRenamed() {
  EditChosenItem = ComponentItem;
  ShowEditComponent();
  ShowPlacedCaption();
}

// The caption names the component the edited placement shows (with no
// placement edited, the one the dialog opened on) by its name as it is now.
void frmCompEdit::ShowPlacedCaption() {
  const Long placed = EditedPlacement ? Objs[EditedPlacement].ObjectID : EditOpenedItem;
  if (placed < 1 || placed > ItemCount || Items[placed].Rtype != ItemComponent) return;
  setWindowTitle(Text("Edit Placed Component: " + Items[placed].Name));
}

void frmCompEdit::RenameComponentObjects() {
  for (Long i = 1; i <= ObjCount; ++i)
    if (Objs[i].ObjectID == EditChosenItem) {
      Objs[i].Name = ComponentName;
      EntityChanged(i);  // a placement in a drawing stores the name
    }
}

void frmCompEdit::List1_Click(int row) {
  if (row < 0 || row >= List1->count()) return;
  EditSearchName = List1->item(row)->text().toStdString();
  Long index = 0;
  if (EditSearchName.empty() || !FindComponentByName(index)) return;
  ShowWholeText(*TxtName, Text(EditSearchName));
  EditComponentName = EditSearchName;
  ComponentItem = EditChosenItem = index;
  lblSelected->setText(index == EditOpenedItem ? "Original Component Selected" : "New Component Selected");
  ShowEditComponent();
}

// ---- Buttons -------------------------------------------------------------------------------------

void frmCompEdit::cmdUpdate_Click() {
  if (ItemCount < 1 || ComponentItem < 1) return;
  ComponentName = Items[ComponentItem].Name;
  const String oldName = ComponentName;
  const String newName = TxtName->text().toStdString();
  Long found = 0;
  const bool renamed = !newName.empty() && newName != ComponentName && FindComponentByName(found);
  const bool taken = renamed && NameTaken(newName);
  if (taken) MsgBox("A component named " + newName + " already exists.", vbOKOnly + vbExclamation, "Rename Component");
  const bool rename = renamed && !taken;
  // Placed more than once, or anywhere but in this drawing, the component
  // stays as it is for its other placements: the edited one gets a copy
  // under the new name.
  if (rename && (PlacementCount >= 2 || PlacedOutsideDrawing())) {
    ComponentName = newName;
    CopyUnderNewName();
    return;
  }
  ItemRec& item = Items[ComponentItem];
  bool changed = TakeBoxes(item);
  if (rename) {
    ComponentName = newName;
    item.Name = ComponentName;
    RenameComponentObjects();
    EditComponentName = ComponentName;
    FillEditList();
    ShowRenamed();
    changed = true;
  }
  if (!changed) return;
  CompDbPath = DwgDbPath;
  Long index = ComponentItem;
  // A new name placed by a stored drawing or definition is a new component:
  // it gets a row of its own, and the row under the old name stays for them.
  // Placed by none, the row under the old name takes the new one. A name
  // that differs in letter case only is found as the same name by the
  // database, so that row takes it too.
  const bool newRow = rename && !SameTextNoCase(newName, oldName);
  if (newRow && !DwgDbPath.empty() && ComponentPlacedInDb(oldName)) {
    SaveComponent(index);
    return;
  }
  // The stored row is found under the name the component had before the edit.
  const String edited = ComponentName;
  ComponentName = oldName;
  UpdateComponent(index);
  ComponentName = edited;
}

bool frmCompEdit::PlacedOutsideDrawing() const {
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.Rtype != EntityComponent || obj.ObjectID != EditChosenItem || !obj.Show || obj.Erased) continue;
    const bool insideItself = obj.DwgNo == 0 && obj.OwnerID == EditChosenItem;
    if (obj.DwgNo != CurDwg && !insideItself) return true;
  }
  return false;
}

bool frmCompEdit::TakeBoxes(ItemRec& item) const {
  bool changed = false;
  changed |= TakeBox(TxtAuthor, item.Author);
  changed |= TakeBox(TxtCategory, item.Category);
  changed |= TakeBox(TxtDesc, item.Description);
  changed |= TakeBox(TxtPart, item.PartNumber);
  return changed;
}

void frmCompEdit::CopyUnderNewName() {
  Long index = ComponentItem;
  if (!DuplicateComponent(index)) {
    ComponentItem = EditChosenItem;  // nothing copied: the old component stays chosen
    return;
  }
  // The copy takes what the boxes show; the old component keeps its own fields.
  TakeBoxes(Items[index]);
  if (EditedPlacement) RepointPlacement(EditedPlacement, index, ComponentName);
  EditComponentName = ComponentName;
  FillEditList();
  ShowRenamed();
  lblSelected->setText("New Component Created");
  // A new row of its own: the old component's stored row, under its old name, stays.
  CompDbPath = DwgDbPath;
  SaveComponent(index);
}

// Whether another loaded component, or a stored one, holds name: two items
// of one name would share the stored row and overwrite each other.
bool frmCompEdit::NameTaken(const String& name) const {
  for (Long i = 1; i <= ItemCount; ++i)
    if (i != ComponentItem && Items[i].Rtype == ItemComponent && Items[i].Name == name) return true;
  return !SameTextNoCase(name, Items[ComponentItem].Name) && ComponentExistsInDb(name);
}

void frmCompEdit::cmdLink_Click() {
  if (ItemCount < 1 || ComponentItem < 1) return;
  LinkItemIndex = ComponentItem;
  ShowLinkData();
  ShowEditComponent();
}

void frmCompEdit::OKButton_Click() {
  if (EditedPlacement && ComponentItem > 0 && Objs[EditedPlacement].ObjectID != ComponentItem)
    RepointPlacement(EditedPlacement, ComponentItem, EditComponentName);
  DlgCancelled = FlagFalse;
  preview_.GiveBack();
  accept();
}

void frmCompEdit::reject() {
  ComponentItem = 0;
  EditComponentName.clear();
  preview_.GiveBack();
  QDialog::reject();
}

void ShowCompEdit() {
  frmCompEdit dialog;
  if (dialog.NothingToEdit()) return;
  ShowModal(dialog);
}

// ---- Registration ----------------------------------------------------------------------------------

namespace {
void PlugCompEdit() { ComponentDialogs.ShowCompEdit = ShowCompEdit; }
const ModuleRegistrar Registered({"frmCompEdit", FloorApp, nullptr, {}, PlugCompEdit});
}  // namespace

}  // namespace lintavo
