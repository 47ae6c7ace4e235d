// frmLineProperties: the properties dialog's controls, the list and preview
// of the selection, the fields of the entity shown and the edits of its
// style.
//
// Sections:
//   Controls
//   Load and unload
//   Preview
//   Fields of the entity shown
//   Edits
#include "windows/edit/frmLineProperties.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

#include "windows/controls/OptionBoxes.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "model/EntityNames.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Measure.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/SurfaceWidget.h"
#include "view/DrawDispatch.h"
#include "view/FastDraw.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

constexpr int PictureWidth = 240;   // pixels
constexpr int PictureHeight = 180;
constexpr Single BoxStart = 100000;  // the preview box starts inside out
constexpr Long StyleModulus = 7;     // line styles and weights typed are taken modulo 7
constexpr Long WidthModulus = 10;    // widths typed are taken modulo 10
constexpr Long MaxColor = 0xFFFFFF;
constexpr int OriginDecimals = 3;

QLineEdit* Field(const char* name, QWidget* parent, bool editable = false) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(!editable);
  return box;
}

QString Rounded(Double value) {
  return QString::fromStdString(NumberText(RoundHalfEven(value, OriginDecimals)));
}

QString ItemName(Long item) {
  return item > 0 && item <= ItemCount ? QString::fromStdString(Items[item].Name) : QString();
}

WorldXY PointOf(Long ObjNo, Integer k) {
  const PntRec& p = Pnts[Objs[ObjNo].PointID + k - 1];
  return {p.X, p.Y};
}

// A whole number typed into a style box, not negative; false otherwise.
bool WholeNumber(const QString& text, Long& value) {
  Double typed = 0;
  if (!BoxNumber(text.toStdString(), typed) || typed < 0 || typed > MaxColor) return false;
  value = RoundToLong(typed);
  return true;
}

}  // namespace

// ---- Controls ----------------------------------------------------------------------------

frmLineProperties::frmLineProperties(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Selected Line - Properties"));
  BuildControls();
  Form_Load();
  ConnectEdits();  // after loading: filling the boxes is no edit
}

frmLineProperties::~frmLineProperties() { Form_Unload(); }

void frmLineProperties::BuildControls() {
  List1 = new QListWidget(this);
  List1->setObjectName(QStringLiteral("List1"));
  Label13 = Caption("", this);
  Label13->setObjectName(QStringLiteral("Label13"));
  Picture1 = new SurfaceWidget(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setFixedSize(PictureWidth, PictureHeight);
  Check1 = NamedCheckBox("Check1", "Show Construction Points", this);
  Text10 = Field("Text10", this);
  Text2 = Field("Text2", this);
  txtLayer = Field("txtLayer", this);
  Text3 = Field("Text3", this, true);
  Text4 = Field("Text4", this, true);
  Text5 = Field("Text5", this, true);
  Text6 = Field("Text6", this, true);
  Text8 = Field("Text8", this);
  txtObject = Field("txtObject", this);
  txtOwner = Field("txtOwner", this);
  txtXo = Field("txtXo", this);
  txtYo = Field("txtYo", this);
  txtxs = Field("txtxs", this);
  txtys = Field("txtys", this);
  txtang = Field("txtang", this);
  lblLength = Caption("", this);
  lblLength->setObjectName(QStringLiteral("lblLength"));
  lblAngle = Caption("", this);
  lblAngle->setObjectName(QStringLiteral("lblAngle"));
  lblAngle2 = Caption("", this);
  lblAngle2->setObjectName(QStringLiteral("lblAngle2"));
  CancelButton = NamedButton("CancelButton", "EXIT", this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label13, 0, 0);
  grid->addWidget(List1, 1, 0, 6, 1);
  grid->addWidget(Picture1, 7, 0, 6, 1);
  grid->addWidget(Check1, 13, 0);
  const struct {
    const char* caption;
    QWidget* box;
  } rows[] = {
      {"Line Number", Text10}, {"Line Type", Text2},     {"Layer ID", txtLayer},   {"Line Color*", Text3},
      {"Line Style*", Text4},  {"Line Weight*", Text5},  {"Line Width*", Text6},   {"Number of Points", Text8},
      {"Object ID", txtObject}, {"Owner ID", txtOwner},  {"X origin", txtXo},      {"Y origin", txtYo},
      {"X scale", txtxs},      {"Y scale", txtys},       {"Rotation", txtang},
  };
  int row = 0;
  for (const auto& r : rows) {
    grid->addWidget(Caption(r.caption, this), row, 1);
    grid->addWidget(r.box, row++, 2);
  }
  grid->addWidget(lblLength, row++, 1, 1, 2);
  grid->addWidget(lblAngle, row++, 1, 1, 2);
  grid->addWidget(lblAngle2, row++, 1, 1, 2);
  grid->addWidget(Caption("* Accepts Changes", this), row, 1);
  grid->addWidget(CancelButton, row, 2);
}

void frmLineProperties::ConnectEdits() {
  connect(List1, &QListWidget::currentRowChanged, this, [this](int row) { List1_Click(row); });
  connect(Check1, &QCheckBox::clicked, this, [this](bool checked) {
    ShowConPnts = Flag(checked);
    List1_Click(List1->currentRow());
  });
  connect(Text3, &QLineEdit::textEdited, this, [this](const QString& text) {
    EditField(text, [](ObjRec& obj, Long value) { obj.Color = value; });
    if (shown_ > 0) ShowSwatch(*Text3, Objs[shown_].Color);
  });
  connect(Text4, &QLineEdit::textEdited, this, [this](const QString& text) {
    EditField(text, [](ObjRec& obj, Long value) { obj.Ltype = static_cast<Integer>(value % StyleModulus); });
  });
  connect(Text5, &QLineEdit::textEdited, this, [this](const QString& text) {
    EditField(text, [](ObjRec& obj, Long value) { obj.Weight = static_cast<Integer>(value % StyleModulus); });
  });
  connect(Text6, &QLineEdit::textEdited, this, [this](const QString& text) {
    EditField(text, [](ObjRec& obj, Long value) { obj.Width = static_cast<Single>(value % WidthModulus); });
  });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- Load and unload ----------------------------------------------------------------------

void frmLineProperties::Form_Load() {
  SetPreviewView();
  boxMaxX_ = boxMaxY_ = -BoxStart;
  boxMinX_ = boxMinY_ = BoxStart;
  savedConPnts_ = ShowConPnts;
  ShowConPnts = FlagFalse;
  Check1->setChecked(false);
  const Long count = ObjCount;
  for (Long i = BaseObjCount + 1; i <= count; ++i) {
    if (!IsDrawnSelected(Objs[i])) continue;
    listed_.push_back(i);
    List1->addItem(QStringLiteral("%1 - %2").arg(listed_.size()).arg(EntityTypeName(Objs[i].Rtype)));
    ExtendPreviewBoxByObject(i);
  }
  Label13->setText(QStringLiteral(" %1 Lines Selected").arg(listed_.size()));
  if (listed_.empty()) return;
  DrawPreview(0);
}

void frmLineProperties::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  ShowConPnts = savedConPnts_;
  target_.GiveBack();
}

// ---- Preview ----------------------------------------------------------------------------------

void frmLineProperties::SetPreviewView() {
  Picture1->ResizeImage(PictureWidth, PictureHeight);
  Picture1->Cls();
  target_.Borrow(*Picture1);
  ViewPixMinX = ViewPixMinY = 0;
  ViewPixMaxX = PictureWidth;
  ViewPixMaxY = PictureHeight;
}

void frmLineProperties::ExtendPreviewBox(Double X, Double Y) {
  boxMaxX_ = std::max(boxMaxX_, static_cast<Single>(X));
  boxMaxY_ = std::max(boxMaxY_, static_cast<Single>(Y));
  boxMinX_ = std::min(boxMinX_, static_cast<Single>(X));
  boxMinY_ = std::min(boxMinY_, static_cast<Single>(Y));
}

void frmLineProperties::ExtendPreviewBoxByObject(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  switch (obj.Rtype) {
    case EntityCircle: {
      const WorldXY c = PointOf(ObjNo, 1);
      const Double r = Distance(c, PointOf(ObjNo, 2));
      ExtendPreviewBox(c.X - r, c.Y - r);
      ExtendPreviewBox(c.X + r, c.Y + r);
      return;
    }
    case EntityComponent:
    case EntityTextChar:
    case EntityDimension: {
      const WorldXY at = PointOf(ObjNo, 1);
      ExtendPreviewBox(at.X, at.Y);
      if (obj.ObjectID < 1 || obj.ObjectID > ItemCount || obj.NPoints < 2) return;
      const ItemRec& item = Items[obj.ObjectID];
      const WorldXY scale = PointOf(ObjNo, 2);
      ExtendPreviewBox(at.X + scale.X * item.Xmin, at.Y + scale.Y * item.Ymin);
      ExtendPreviewBox(at.X + scale.X * item.Xmax, at.Y + scale.Y * item.Ymax);
      return;
    }
    case EntityFill:
    case EntityHatch: return;
    default:  // every point, the last of a line and an arc's end included
      for (Long k = 1; k <= obj.NPoints; ++k) {
        const WorldXY p = PointOf(ObjNo, k);
        ExtendPreviewBox(p.X, p.Y);
      }
      return;
  }
}

void frmLineProperties::DrawPreview(Long Highlighted) {
  Double minX = boxMinX_, minY = boxMinY_, maxX = boxMaxX_, maxY = boxMaxY_;
  if (maxX <= minX || maxY <= minY) {  // a box without area: up to the drawing's extents
    maxX = Dwgs[CurDwg].Xmax;
    maxY = Dwgs[CurDwg].Ymax;
  }
  if (maxX <= minX) maxX = minX + 1;
  if (maxY <= minY) maxY = minY + 1;
  const Double margin = std::max(maxX - minX, maxY - minY) / 20;
  minX -= margin;
  minY -= margin;
  maxX += margin;
  maxY += margin;
  const Double scale = std::min(PictureWidth / (maxX - minX), PictureHeight / (maxY - minY));
  ViewScaleX = ViewScaleY = static_cast<Single>(scale);
  ViewZoom = static_cast<Single>(scale / PixelsPerUnit);
  ViewBaseX = static_cast<Single>(PictureWidth / 2.0 - scale * (minX + maxX) / 2);
  ViewBaseY = static_cast<Single>(PictureHeight / 2.0 - scale * (minY + maxY) / 2);
  ViewWinMinX = -ViewBaseX / scale;
  ViewWinMaxX = (PictureWidth - ViewBaseX) / scale;
  ViewWinMinY = -ViewBaseY / scale;
  ViewWinMaxY = (PictureHeight - ViewBaseY) / scale;
  Picture1->Cls();
  for (Long i : listed_) {
    const Integer selected = Objs[i].Selected;
    if (i != Highlighted) Objs[i].Selected = FlagFalse;  // in its own colours
    if (Objs[i].Rtype < EntityComponent)
      FastDrawObject(i);
    else
      DrawObject(i);
    Objs[i].Selected = selected;
  }
}

// ---- Fields of the entity shown ------------------------------------------------------------

void frmLineProperties::List1_Click(int row) {
  if (row < 0 || row >= static_cast<int>(listed_.size())) return;
  shown_ = listed_[static_cast<size_t>(row)];
  ShowObjGeometry(shown_);
  DrawPreview(shown_);
}

void frmLineProperties::ShowObjGeometry(Long ObjNo) {
  const ObjRec& obj = Objs[ObjNo];
  Text10->setText(QString::number(ObjNo));
  Text2->setText(QString::fromLatin1(EntityTypeName(obj.Rtype)));
  txtLayer->setText(ItemName(obj.LayerID));
  Text3->setText(QString::number(obj.Color));
  ShowSwatch(*Text3, obj.Color);
  Text4->setText(QString::number(obj.Ltype));
  Text5->setText(QString::number(obj.Weight));
  Text6->setText(QString::fromStdString(NumberText(obj.Width)));
  Text8->setText(QString::number(obj.NPoints));
  txtObject->setText(ItemName(obj.ObjectID));
  const bool ownedByGroupOrArea = obj.OwnerID > 0 && obj.OwnerID <= ItemCount &&
                                  (Items[obj.OwnerID].Rtype == ItemGroup || Items[obj.OwnerID].Rtype == ItemArea);
  txtOwner->setText(ownedByGroupOrArea ? ItemName(obj.OwnerID) : QString());
  const WorldXY p1 = PointOf(ObjNo, 1);
  txtXo->setText(Rounded(p1.X));
  txtYo->setText(Rounded(p1.Y));
  for (QLineEdit* box : {txtxs, txtys, txtang}) box->clear();
  for (QLabel* line : {lblLength, lblAngle, lblAngle2}) line->clear();
  const auto show = [](QLabel* line, const String& text) { line->setText(QString::fromStdString(text)); };
  const auto angleText = [](Single angle) { return FormatAngle(angle); };
  switch (obj.Rtype) {
    case EntityLine: {
      const WorldXY p2 = PointOf(ObjNo, 2);
      show(lblLength, FormatLengthLabel(Distance(p1, p2)));
      show(lblAngle, angleText(LineAngleD(p1.X, p1.Y, p2.X, p2.Y)));
      break;
    }
    case EntityCircle: show(lblLength, FormatRadiusLabel(Distance(p1, PointOf(ObjNo, 2)))); break;
    case EntityArc: {
      const WorldXY s = PointOf(ObjNo, 2), e = PointOf(ObjNo, 4);
      show(lblLength, FormatRadiusLabel(Distance(p1, s)));
      show(lblAngle, "Start " + angleText(LineAngleD(p1.X, p1.Y, s.X, s.Y)));
      show(lblAngle2, "End " + angleText(LineAngleD(p1.X, p1.Y, e.X, e.Y)));
      break;
    }
    case EntityEllipticArc: {
      const WorldXY p2 = PointOf(ObjNo, 2);
      const WorldXY c{(p1.X + p2.X) / 2, (p1.Y + p2.Y) / 2};
      const Double a = Distance(c, p1), b = Distance(c, PointOf(ObjNo, 3));
      const Single ratio = b > 0 ? static_cast<Single>(a / b) : 1;
      const Single rotation = LineAngleD(p1.X, p1.Y, p2.X, p2.Y);
      const WorldXY s = PointOf(ObjNo, 5), e = PointOf(ObjNo, 6);
      show(lblLength, "Major Axis " + FormatRadiusLabel(a));
      show(lblAngle, "Start " + angleText(EllipseParamAngle(c.X, c.Y, s.X, s.Y, ratio, rotation)));
      show(lblAngle2, "End " + angleText(EllipseParamAngle(c.X, c.Y, e.X, e.Y, ratio, rotation)));
      break;
    }
    case EntityEllipse:
      show(lblLength, FormatWidthLabel(Distance(p1, PointOf(ObjNo, 2))));
      show(lblAngle, FormatHeightLabel(Distance(PointOf(ObjNo, 3), PointOf(ObjNo, 4))));
      break;
    case EntitySpline:
    case EntityContBezier:
    case EntityPolyline: show(lblLength, FormatLengthLabel(EntityPathLength(ObjNo))); break;
    case EntityPolygon:
      show(lblLength, "Perimeter " + FormatLengthLabel(EntityPathLength(ObjNo)));
      show(lblAngle, FormatArea(EntityArea(ObjNo)));
      break;
    case EntityComponent:
    case EntityTextChar: {
      const WorldXY scale = PointOf(ObjNo, 2);
      txtxs->setText(Rounded(scale.X));
      txtys->setText(Rounded(scale.Y));
      txtang->setText(Rounded(PointOf(ObjNo, 3).X));
      break;
    }
    default: break;  // points, Bezier curves, dimensions, fills and hatches: the common fields only
  }
}

// ---- Edits --------------------------------------------------------------------------------------

void frmLineProperties::EditField(const QString& text, void (*store)(ObjRec&, Long)) {
  Long value = 0;
  if (shown_ < 1 || !WholeNumber(text, value)) return;
  store(Objs[shown_], value);
  ObjPointsChanged(shown_);  // a wider line covers more: the entity index learns it; its drawing is marked
}

void ShowLineProperties() {
  frmLineProperties dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
