// DimPrimitives: settings swap, letters, lines, arcs, arrowheads and the
// automatic letter size of dimensions.
#include "annotation/DimPrimitives.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "annotation/DimLinear.h"
#include "annotation/Dimension.h"
#include "annotation/TextChars.h"
#include "annotation/Texthand.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/Units.h"
#include "platform/Numbers.h"
#include "view/DisplayOptions.h"

namespace lintavo {

Single& DimTextHeight = DimWork.DimTextHeight;
Single& DimTextWidth = DimWork.DimTextWidth;
Single& DimTextHalfHeight = DimWork.DimTextHalfHeight;
Single& DimTextHalfWidth = DimWork.DimTextHalfWidth;
Single& DimTextLength = DimWork.DimTextLength;
String& DimText = DimWork.DimText;
Single& DimTextAngle = DimWork.DimTextAngle;
Integer& DimSpecialArrows = DimWork.DimSpecialArrows;

namespace {

constexpr Integer LetterPoints = 5;
constexpr Double CollinearLimit = 1e-10;  // |determinant| below which three points make no arc

enum ArrowStyle : Integer { ArrowCircle = 5, ArrowSlash = 6, ArrowStraightSlash = 7 };
enum ArrowSizeCode : Integer { ArrowLarge = 1, ArrowMedium = 2, ArrowSmall = 3 };

// The drawing settings a dimension command swaps. The current layer belongs
// to the window the command began in, which need not be the active one when
// the command ends.
struct DrawSettings {
  String Font;
  Long Layer = 0;  // current layer of the window the command began in (Items index; 0 none)
  Long Color = 0;
  Integer LineType = 0;
  Integer LineWeight = 0;
  Integer ConPnts = 0;
  Integer RefPnts = 0;
};
DrawSettings Before;  // as they were when the command began
DrawSettings Put;     // as the command put them in force
Integer SwapDwg = 0;                        // drawing number of the window the command began in
const DrawingWindow* SwapWindow = nullptr;  // that window; only compared, never read through

DrawSettings CurrentSettings(const DrawingWindow* Window) {
  return {FontName, Window ? Window->Current_Layer : 0, CurColor, CurLineType, CurLineWeight,
          ShowConPnts, ShowRefPnts};
}

// A setting the user changed while the command ran (a font chosen in the
// font box, a colour, a line style) is the user's: only one still as the
// command put it goes back. True when it did.
template <class T>
bool PutBack(T& Value, const T& PutValue, const T& BeforeValue) {
  if (Value != PutValue) return false;
  Value = BeforeValue;
  return true;
}

Long& DimLayerIndex = DimWork.DimLayerIndex;

// Automatic letter height: the first band (length below Limit) gives the
// factor and the decimals of the rounding.
struct HeightBand {
  Double Limit;
  Double Factor;
  int Decimals;
};
constexpr HeightBand HeightBands[] = {
    {0.001, 0.1, 4}, {0.01, 0.1, 3},    {0.1, 0.1, 2},     {1, 0.1, 1},
    {12, 0.05, 1},   {36, 0.05, 0},     {1000, 0.025, 0},  {63360, 0.025, 2},
};
constexpr HeightBand LastHeightBand = {0, 0.025, 3};

// Metric display unit by length (inches): the first row whose limit the length is below.
struct MetricBand {
  Double Limit;
  Integer Unit;
};
constexpr MetricBand MetricBands[] = {{0.0000393701, 7}, {0.0393701, 6}, {0.393701, 1}, {39.3701, 2}, {39370.1, 4}};
constexpr Integer LastMetricUnit = 5;

// The band's rounding leaves nothing of a height below half its last
// decimal (a length of 0.1 to 0.5, say, gives 0.01 to 0.05, rounded to one
// decimal 0): letters and arrowheads of no size. Such a height keeps its
// first significant digit instead.
Single AutoLetterHeight(Double Length) {
  HeightBand band = LastHeightBand;
  for (const HeightBand& b : HeightBands)
    if (Length < b.Limit) {
      band = b;
      break;
    }
  const Double exact = Length * band.Factor;
  Double height = RoundHalfEven(exact, band.Decimals);
  if (height == 0 && exact > 0) {
    const int firstDigit = static_cast<int>(-std::floor(std::log10(exact)));
    height = RoundHalfEven(exact, std::max(band.Decimals, firstDigit));
  }
  return static_cast<Single>(height);
}

Integer AutoMetricUnit(Double Length) {
  for (const MetricBand& b : MetricBands)
    if (Length < b.Limit) return b.Unit;
  return LastMetricUnit;
}

// A new entity on the dimension layer in the given colour. The layer is set
// on the entity itself: the first entity of an empty table moves the
// window's current layer to "Layer 1". Points clicked in another drawing's
// window build the dimension in that drawing: it goes on that drawing's own
// dimension layer (made when missing, as after the layer was deleted
// meanwhile), as an entity never names a layer of another drawing.
void AddDimObj(Integer Type, Integer NPoints, Long Color) {
  if (DimLayerIndex > 0 && !IsLayerOfDrawing(DimLayerIndex, CurDwg)) DimLayerIndex = EnsureLayer(DimLayerName);
  AddObj(Type, NPoints);
  ObjRec& obj = Objs[ObjCount];
  if (DimLayerIndex > 0) obj.LayerID = DimLayerIndex;
  obj.Color = Color;
}

void AppendLetter(Long GlyphIdx, Double X, Double Y) {
  AddDimObj(EntityTextChar, LetterPoints, DimLetterColor);
  ObjRec& obj = Objs[ObjCount];
  obj.Name = GlyphKey;
  obj.ObjectID = GlyphIdx;
  obj.OwnerID = 0;
  AddPnt(X, Y);
  AddPnt(DimTextWidth, DimTextHeight);
  AddPnt(DimTextAngle, 0);
  AddPnt(0, 0);
  AddPnt(0, 0);
}

// The status bar names the current layer of the active window: a redraw
// while the command ran (Line Color, Line Style) showed the dimension layer
// there, and no redraw need follow the end. Another window's layer is not
// what the status bar shows.
void ShowLayerPutBack(DrawingWindow* Window) {
  MainWindowLink* main = MainLink();
  if (Window && main && Window == main->ActiveDrawingWindow() && Window == ActiveDocForm()) ShowLayerStatus();
}

}  // namespace

void BeginDimensionSettings() {
  DrawingWindow* window = ActiveDocForm();
  Before = CurrentSettings(window);
  SwapDwg = CurDwg;
  SwapWindow = window;
  if (!DimFontName.empty()) FontName = DimFontName;
  DimLayerIndex = EnsureLayer(DimLayerName);
  if (window) {
    window->Current_Layer = DimLayerIndex;
    LendCurrentLayer(window, DimLayerIndex, Before.Layer);
  }
  CurColor = DimLineColor;
  CurLineType = 0;
  CurLineWeight = 0;
  ShowConPnts = FlagFalse;
  ShowRefPnts = FlagFalse;
  Put = CurrentSettings(window);
}

Long LayerBeforeDimension(const DrawingWindow* Window) { return UserLayerOf(Window); }

DrawingWindow* EndDimensionSettings() {
  PutBack(FontName, Put.Font, Before.Font);
  EndLayerLend();
  // The layer goes back to the window it was taken from, while that window
  // is still open on its drawing and the layer is still one of that drawing.
  DrawingWindow* window = WindowOfDrawing(SwapDwg);
  const bool layerThere = Before.Layer == 0 || IsLayerOfDrawing(Before.Layer, SwapDwg);
  DrawingWindow* putBackIn = nullptr;
  if (window && window == SwapWindow && layerThere && Before.Layer != Put.Layer &&
      PutBack(window->Current_Layer, Put.Layer, Before.Layer))
    putBackIn = window;
  ShowLayerPutBack(window);
  DimLayerIndex = 0;
  PutBack(CurColor, Put.Color, Before.Color);
  PutBack(CurLineType, Put.LineType, Before.LineType);
  PutBack(CurLineWeight, Put.LineWeight, Before.LineWeight);
  PutBack(ShowConPnts, Put.ConPnts, Before.ConPnts);
  PutBack(ShowRefPnts, Put.RefPnts, Before.RefPnts);
  return putBackIn;
}

std::vector<unsigned> DimTextCodes(const String& Text) {
  std::vector<unsigned> codes;
  for (const char32_t c : QString::fromStdString(Text).toUcs4()) codes.push_back(static_cast<unsigned>(c));
  return codes;
}

Single DimTextRoom(const String& Text) {
  return (DimTextHalfWidth + static_cast<Single>(DimTextCodes(Text).size())) * DimTextWidth;
}

void DrawDimensionText(const String& Text, Double X, Double Y) {
  const Double r = DimTextAngle * Pi / 180;
  const Double stepX = DimTextWidth * std::cos(r);
  const Double stepY = DimTextWidth * std::sin(r);
  for (const unsigned c : DimTextCodes(Text)) {
    if (c <= 31) continue;
    GlyphKey = DimFontName + "-" + std::to_string(c);
    Long glyph = 0;
    if (!FindGlyph(glyph)) continue;
    AppendLetter(glyph, X, Y);
    X += stepX;
    Y += stepY;
  }
}

void AddDimensionLine(Double X1, Double Y1, Double X2, Double Y2) {
  AddDimObj(EntityLine, 2, DimLineColor);
  AddPnt(X1, Y1);
  AddPnt(X2, Y2);
}

void AddDimensionArc(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3) {
  const Double det = (X2 - X1) * (Y3 - Y1) - (Y2 - Y1) * (X3 - X1);
  if (std::fabs(det) < CollinearLimit) {
    AddDimensionLine(X1, Y1, X3, Y3);
    return;
  }
  Double cx = 0, cy = 0;
  CircleThrough3Points(cx, cy, X1, Y1, X2, Y2, X3, Y3);
  AddDimObj(EntityArc, 4, DimLineColor);
  AddPnt(cx, cy);
  AddPnt(X1, Y1);
  AddPnt(X2, Y2);
  AddPnt(X3, Y3);
}

void PolarPoint(Double Dist, Double& X, Double& Y, Double Angle) {
  X += Dist * std::cos(Angle);
  Y += Dist * std::sin(Angle);
}

void DrawArrowHead(Double X, Double Y, Double Angle) {
  const Double L = DimArrowLength;
  const Double A = DimArrowAngle;
  const Double back = Angle + Pi;
  Double mx = X, my = Y, px = X, py = Y;
  PolarPoint(L, mx, my, back - A);
  PolarPoint(L, px, py, back + A);
  const Integer style = DimSpecialArrows ? DimArrowType : 0;
  if (style == ArrowCircle) {
    AddDimObj(EntityCircle, 2, DimLineColor);
    AddPnt(X, Y);
    AddPnt(X + L / 2, Y);
    return;
  }
  if (style == ArrowStraightSlash) {
    const Double dx = L * std::cos(back + A), dy = L * std::sin(back + A);
    AddDimensionLine(X + dx, Y + dy, X - dx, Y - dy);
    return;
  }
  if (style == ArrowSlash) {
    AddDimensionArc(mx, my, X, Y, px, py);
  } else {
    AddDimensionLine(X, Y, mx, my);
    AddDimensionLine(X, Y, px, py);
  }
  if (DimArrowClosed) AddDimensionLine(mx, my, px, py);
}

void SetDimensionLetterSize(Double Length) {
  if (DimFixedLetterHeight) {
    DimTextHeight = DimLetterHeight;
    DimTextWidth = DimLetterWidth;
  } else {
    // Metric units choose their display unit by the length too; the height
    // follows the same bands in both systems.
    if (MetricUnits) MetricUnit = AutoMetricUnit(Length);
    DimTextHeight = AutoLetterHeight(Length);
    DimTextWidth = 0.75F * DimTextHeight;
  }
  DimTextHalfHeight = DimTextHeight * 0.5F;
  DimTextHalfWidth = DimTextWidth * 0.5F;
  DimTextLength = DimTextRoom(DimText);
  switch (DimArrowSize) {
    case ArrowLarge: DimArrowLength = DimTextHalfHeight + DimTextHeight; break;
    case ArrowSmall: DimArrowLength = DimTextHalfHeight; break;
    case ArrowMedium:
    default: DimArrowLength = DimTextHeight; break;
  }
}

void ResetDimPrimitives() {
  Before = Put = DrawSettings{};
  SwapDwg = 0;
  SwapWindow = nullptr;
}

namespace {
const ModuleRegistrar Registered({"DimPrimitives", FloorAnnotation, ResetDimPrimitives});
}  // namespace

}  // namespace lintavo
