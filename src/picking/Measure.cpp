// Measure: the measure commands and the length, area and angle formatters.
//
// Sections:
//   Module state
//   Numbers
//   Metric and English lengths
//   Lengths
//   Areas
//   Angles
//   Geometry of one object
//   Commands
//   Reset
#include "picking/Measure.h"

#include <algorithm>
#include <cmath>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/Units.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "platform/Numbers.h"
#include "view/RubberShapes.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

Integer MeasureCommand = 0;
Integer MeasureActive = 0;
Double MeasureValue = 0;
String MeasureText;

namespace {

constexpr Double SquareInchesPerAcre = 6272640;  // 4840 square yards
constexpr const char* DegreeSign = "\xC2\xB0";   // character 176

// ---- Numbers -----------------------------------------------------------------------

// DecimalPlaces within what a Double can hold; a stored setting out of its
// range 1..7 must not turn every number into "NaN".
int Decimals() { return std::clamp<int>(DecimalPlaces, 0, 15); }

String Rounded(Double value) { return NumberText(RoundHalfEven(value, Decimals())); }

String RoundedSingle(Double value) {
  return NumberText(ToSingle(RoundHalfEven(value, Decimals())));
}

// ---- Metric and English lengths ----------------------------------------------------

void FormatMetric(bool longSuffix) {
  const MetricUnitRow* row = MetricUnitOf(MetricUnit);
  if (!row) return;
  MeasureValue *= row->PerInch;
  MeasureText = Rounded(MeasureValue) + (longSuffix ? row->LongSuffix : row->ShortSuffix);
}

// A negative value: the text starts with the sign and the value goes on as
// its absolute value.
void TakeSign() {
  if (MeasureValue >= 0) return;
  MeasureText.push_back('-');  // the text is still empty here
  MeasureValue = -MeasureValue;
}

// The inch part, appended to MeasureText: whole inches and the fraction of
// FractionDenom below them (truncated, reduced only by halving), or the
// inches with decimals; then the inch suffix.
void AppendInches(bool longSuffix) {
  if (FractionDisplay) {
    const Single whole = ToSingle(Trunc(MeasureValue));
    if (whole > 0) {
      MeasureText += NumberText(whole) + " ";
      MeasureValue -= whole;
    }
    Double numerator = Trunc(FractionDenom * MeasureValue);
    Double denominator = FractionDenom;
    if (numerator >= 1) {
      while (numerator >= 2 && std::fmod(numerator, 2) == 0 && std::fmod(denominator, 2) == 0) {
        numerator /= 2;
        denominator /= 2;
      }
      MeasureText += NumberText(numerator) + "/" + NumberText(denominator);
    }
  } else {
    MeasureText += RoundedSingle(MeasureValue);
  }
  const EnglishUnitRow* inches = EnglishUnitOf(1);
  MeasureText += longSuffix ? inches->LongSuffix : inches->ShortSuffix;
}

void FormatInches(bool longSuffix) {
  TakeSign();
  AppendInches(longSuffix);
}

// Whole feet with the feet suffix (none below one foot), then the inches.
void FormatFeetInches(bool longSuffix) {
  TakeSign();
  const Single feet = ToSingle(Trunc(MeasureValue / 12));
  if (feet > 0) {
    const EnglishUnitRow* row = EnglishUnitOf(2);
    MeasureText += NumberText(feet) + (longSuffix ? row->LongSuffix : row->ShortSuffix);
    MeasureValue -= 12 * static_cast<Double>(feet);
  }
  AppendInches(longSuffix);
}

void FormatImperial(bool longSuffix) {
  const EnglishUnitRow* row = EnglishUnitOf(EnglishUnit);
  if (!row) return;
  if (EnglishUnit == 1) return FormatInches(longSuffix);
  if (EnglishUnit == 2) return FormatFeetInches(longSuffix);
  MeasureValue /= row->InchesPer;  // feet, yards and miles: decimals only
  MeasureText = Rounded(MeasureValue) + (longSuffix ? row->LongSuffix : row->ShortSuffix);
}

// A value that shows as zero carries no sign: "-0\"" is shown as "0\"".
void DropSignOfZero(String& text) {
  if (text.empty() || text[0] != '-') return;
  const bool nonZero = text.find_first_of("123456789") != String::npos;
  if (!nonZero) text.erase(0, 1);
}

// The common road of the length routines.
String LengthText(Double value, bool automatic, bool longSuffix) {
  MeasureValue = value;
  MeasureText.clear();
  if (automatic && AutoScale) PickAutoUnit();
  if (MetricUnits)
    FormatMetric(longSuffix);
  else
    FormatImperial(longSuffix);
  DropSignOfZero(MeasureText);
  return MeasureText;
}

}  // namespace

// ---- Lengths -------------------------------------------------------------------------

String FormatLength(Double Value) { return LengthText(Value, true, false); }
String FormatLengthFixed(Double Value) { return LengthText(Value, false, false); }
String FormatLengthLabel(Double Value) { return "Length = " + LengthText(Value, true, true); }
String FormatHeightLabel(Double Value) { return "Height = " + LengthText(Value, true, true); }
String FormatWidthLabel(Double Value) { return "Width = " + LengthText(Value, false, true); }
String FormatRadiusLabel(Double Value) { return "Radius = " + LengthText(Value, false, true); }

void PickAutoUnit() {
  const Double size = std::fabs(MeasureValue);
  if (MetricUnits) {
    if (size < 0.0000393701)
      MetricUnit = 7;
    else if (size < 0.0393701)
      MetricUnit = 6;
    else if (size < 0.393701)
      MetricUnit = 1;
    else if (size < 39.3701)
      MetricUnit = 2;
    else if (size < 39370.1)
      MetricUnit = 4;
    else
      MetricUnit = 5;
    return;
  }
  if (size < 12)
    EnglishUnit = 1;
  else if (size < 36)
    EnglishUnit = 2;
  else if (size < 63360)
    EnglishUnit = 4;
  else
    EnglishUnit = 6;
}

// ---- Areas ---------------------------------------------------------------------------

namespace {

String MetricAreaText() {
  const MetricUnitRow* row = MetricUnitOf(MetricUnit);
  if (!row || !row->AreaWord) row = MetricUnitOf(1);
  MeasureValue *= row->PerInch * row->PerInch;
  return NumberText(RoundHalfEven(MeasureValue, 3)) + " Square " + row->AreaWord;
}

String EnglishAreaText() {
  const EnglishUnitRow* row = EnglishUnitOf(EnglishUnit);
  if (!row) row = EnglishUnitOf(1);
  const bool yards = EnglishUnit == 4 || EnglishUnit == 5;
  if (yards && MeasureValue > SquareInchesPerAcre) {
    MeasureValue /= SquareInchesPerAcre;
    return NumberText(RoundHalfEven(MeasureValue, 3)) + " Acres";
  }
  MeasureValue /= row->InchesPer * row->InchesPer;
  return NumberText(RoundHalfEven(MeasureValue, 3)) + row->AreaSuffix;
}

}  // namespace

String FormatArea(Double Value) {
  MeasureValue = Value;
  MeasureText.clear();
  MeasureText = MetricUnits ? MetricAreaText() : EnglishAreaText();
  return "Area = " + MeasureText;
}

// ---- Angles --------------------------------------------------------------------------

namespace {

void ToDegrees(Single& angle) { angle = ToSingle(angle * 180.0 / Pi); }

// Degrees, minutes and seconds, each truncated in single precision; a
// negative seconds part borrows a minute, a negative minutes part a degree.
String DegreesMinutesSeconds(Single degrees) {
  Single d = std::trunc(degrees);
  Single m = std::trunc((degrees - d) * 60.0F);
  Single s = std::trunc((degrees - (m / 60.0F + d)) * 3600.0F);
  if (s < 0) {
    s += 60;
    m -= 1;
    if (m < 0) {
      m += 60;
      d -= 1;
    }
  }
  String text(1, '<');
  text.append(NumberText(d)).append(":").append(NumberText(m));
  return text.append(":").append(NumberText(s));
}

// The angle in the unit of AngleUnit; radiansPrefix chooses "R 1.571" over "1.571 Radians".
String AngleText(Single& angle, bool radiansPrefix) {
  switch (AngleUnit) {
    case 1:
      ToDegrees(angle);
      return RoundedSingle(angle) + DegreeSign;
    case 2:
      ToDegrees(angle);
      return DegreesMinutesSeconds(angle);
    case 3:
      return radiansPrefix ? "R " + RoundedSingle(angle) : RoundedSingle(angle) + " Radians";
    default:
      return "";
  }
}

}  // namespace

String FormatAngle(Single& Angle) { return "Angle = " + AngleText(Angle, false); }

String FormatAngleValue(Single& Angle) { return AngleText(Angle, true); }

// ---- Geometry of one object --------------------------------------------------------------

namespace {

// The object's record when its number and its points lie inside the tables.
const ObjRec* StoredObject(Long objNo) {
  if (objNo < 1 || objNo > ObjCount) return nullptr;
  const ObjRec& obj = Objs[objNo];
  if (obj.NPoints < 1 || obj.PointID < 1) return nullptr;
  if (obj.PointID + obj.NPoints - 1 > PntCount) return nullptr;
  return &obj;
}

}  // namespace

Double EntityArea(Long ObjNo) {
  const ObjRec* obj = StoredObject(ObjNo);
  return obj ? EnclosedArea(*obj) : 0;
}

Double EntityPathLength(Long ObjNo) {
  const ObjRec* obj = StoredObject(ObjNo);
  if (!obj || obj->Rtype < EntitySpline || obj->Rtype > EntityPolygon) return 0;
  Double length = 0;
  const Long last = obj->PointID + obj->NPoints - 1;
  for (Long i = obj->PointID; i < last; ++i)
    length += std::hypot(Pnts[i + 1].X - Pnts[i].X, Pnts[i + 1].Y - Pnts[i].Y);
  return length;
}

// ---- Commands ----------------------------------------------------------------------------

namespace {

Integer PrevMeasureCommand = 0;      // command word of the running command
Double FirstX = 0, FirstY = 0;       // area: the first corner
Double PrevX = 0, PrevY = 0;         // the point before the current one
Double AreaSum = 0;                  // area: twice the signed area so far
bool MarksDrawn = false;             // point marks are on the surface since the last redraw

// A clicked point; its construction mark (drawn while ShowConPnts is set)
// is an image of the command that the end of the command takes off.
void TakePoint(Double& X, Double& Y) {
  TakePickPoint(X, Y);
  if (ShowConPnts) MarksDrawn = true;
}

// Draws the picture again when the command left point marks on it.
void RemoveMarks() {
  if (!MarksDrawn) return;
  MarksDrawn = false;
  if (ActiveDoc) RefreshActiveView();
}

// A command that has shown its result: the next click starts it afresh.
void FinishMeasure() {
  MeasureActive = 0;
  RemoveMarks();
}

// The entity under the clicked point within PickTolerance; 0 when none,
// after the message of a miss.
Long PickMeasured(const char* missMessage) {
  Double x = 0, y = 0;
  TakePoint(x, y);
  Long objNo = 0;
  Double dist = 0;
  FindObjAt(objNo, x, y, dist);
  if (ToSingle(dist) > PickTolerance || objNo < 1 || objNo > ObjCount) {
    ShowStatus(missMessage, ResultPanel);
    return 0;
  }
  return objNo;
}

const PntRec& StoredPoint(Long objNo, Integer k) { return Pnts[Objs[objNo].PointID + k - 1]; }

}  // namespace

void RunMeasureCommand() {
  if (!MeasureActive || MeasureCommand != PrevMeasureCommand) {
    BeginCommand(MeasureActive);
    PrevMeasureCommand = MeasureCommand;
  }
  switch (MeasureCommand) {
    case MeasureDistanceCode: return MeasureDistance();
    case MeasureAngleCode: return MeasureAngle();
    case MeasureAreaCode: return MeasureArea();
    case MeasureRadiusCode: return MeasureRadius();
    case MeasureArcCode: return MeasureArcAngle();
    default: return;
  }
}

void MeasureDistance() {
  if (DlgCancelled) return;
  if (ToolStep == 0) {
    ShowStatus("MEASURE DISTANCE", TitlePanel);
    ShowStatus("Enter Starting Point >", PromptPanel);
    return;
  }
  Double x = 0, y = 0;
  TakePoint(x, y);
  if (ToolStep == 1) {
    ShowStatus("Enter Next Point>", PromptPanel);
  } else {
    ShowStatus("DISTANCE = " + FormatLength(std::hypot(x - PrevX, y - PrevY)), ResultPanel);
  }
  PrevX = x;
  PrevY = y;
}

void MeasureAngle() {
  if (DlgCancelled) return;
  if (ToolStep == 0) {
    ShowStatus("MEASURE ANGLE", TitlePanel);
    ShowStatus("Enter Base of Angle >", PromptPanel);
    return;
  }
  Double x = 0, y = 0;
  TakePoint(x, y);
  if (ToolStep == 1) {
    PrevX = x;
    PrevY = y;
    ShowStatus("Enter a Point on the Ray >", PromptPanel);
    return;
  }
  Single angle = LineAngleD(PrevX, PrevY, x, y);
  ShowStatus("The Angle is: " + FormatAngleValue(angle), ResultPanel);
  FinishMeasure();
}

void MeasureArea() {
  if (DlgCancelled) return;
  if (ToolStep == 0) {
    ShowStatus("MEASURE AREA", TitlePanel);
    AreaSum = 0;
    ShowStatus("Enter First Point >", PromptPanel);
    return;
  }
  Double x = 0, y = 0;
  TakePoint(x, y);
  MarksDrawn = true;
  if (ToolStep == 1) {
    FirstX = PrevX = x;
    FirstY = PrevY = y;
    DrawRefPntMark(x, y);
    ShowStatus("Enter Next Point >", PromptPanel);
    return;
  }
  DrawConPntMark(x, y);
  AreaSum += PrevX * y - x * PrevY;
  PrevX = x;
  PrevY = y;
  const bool closed = ToSingle(std::fabs(FirstX - x)) <= PickTolerance && ToSingle(std::fabs(FirstY - y)) <= PickTolerance;
  if (!closed) return;
  // The closing click is the last corner; the side from it back to the
  // first corner counts too (0 when the click is the first corner itself),
  // so the size does not depend on where the figure lies.
  AreaSum += x * FirstY - FirstX * y;
  ShowStatus(FormatArea(std::fabs(AreaSum * 0.5)), PromptPanel);
  EndCommand(MeasureActive);
  RemoveMarks();
}

void MeasureRadius() {
  if (DlgCancelled) return;
  if (ToolStep == 0) {
    ShowStatus("MEASURE Radius", TitlePanel);
    ShowStatus("Select a Circle or Arc", PromptPanel);
    return;
  }
  const Long objNo = PickMeasured("Line NOT Found, Try Again");
  const Integer type = objNo ? Objs[objNo].Rtype : 0;
  if ((type != EntityCircle && type != EntityArc) || Objs[objNo].NPoints < 2) {
    ToolStep = 0;  // a miss or another type: the next click picks again
    return;
  }
  const PntRec& centre = StoredPoint(objNo, 1);
  const PntRec& rim = StoredPoint(objNo, 2);
  ShowStatus("The Radius is: " + FormatLength(std::hypot(rim.X - centre.X, rim.Y - centre.Y)), ResultPanel);
  FinishMeasure();
}

Double ArcSweep(Double StartAngle, Double MidAngle, Double EndAngle) {
  const auto turn = [](Double from, Double to) {
    const Double t = std::fmod(to - from, TwoPi);
    return t < 0 ? t + TwoPi : t;
  };
  const Double anticlockwise = turn(StartAngle, EndAngle);
  if (turn(StartAngle, MidAngle) <= anticlockwise) return anticlockwise;
  return TwoPi - anticlockwise;
}

void MeasureArcAngle() {
  if (DlgCancelled) return;
  if (ToolStep == 0) {
    ShowStatus("MEASURE Arc Angle", TitlePanel);
    ShowStatus("Select an Arc", PromptPanel);
    return;
  }
  const Long objNo = PickMeasured("Arc NOT Found, Try Again");
  if (objNo == 0 || Objs[objNo].Rtype != EntityArc || Objs[objNo].NPoints < 4) {
    ToolStep = 0;
    return;
  }
  const PntRec& c = StoredPoint(objNo, 1);
  const PntRec& s = StoredPoint(objNo, 2);
  const PntRec& q = StoredPoint(objNo, 3);
  const PntRec& e = StoredPoint(objNo, 4);
  Single sweep = ToSingle(ArcSweep(LineAngleD(c.X, c.Y, s.X, s.Y), LineAngleD(c.X, c.Y, q.X, q.Y),
                                   LineAngleD(c.X, c.Y, e.X, e.Y)));
  const Double r = std::hypot(q.X - c.X, q.Y - c.Y);
  const Double length = (sweep / TwoPi) * (r * TwoPi);
  String text = "Arc Angle = " + FormatAngleValue(sweep);
  text.append(" Length = ").append(FormatLength(length));
  ShowStatus(text, ResultPanel);
  FinishMeasure();
}

// ---- Reset -------------------------------------------------------------------------------

void ResetMeasure() {
  MeasureCommand = 0;
  MeasureActive = 0;
  MeasureValue = 0;
  MeasureText.clear();
  PrevMeasureCommand = 0;
  FirstX = FirstY = PrevX = PrevY = AreaSum = 0;
  MarksDrawn = false;
}

namespace {
// The arc previews of the view floor show their angle and radius as the
// measure commands do.
String PreviewAngleText(Single Angle) { return FormatAngle(Angle); }
String PreviewRadiusText(Double Radius) { return FormatRadiusLabel(Radius); }
void PlugMeasure() {
  RubberAngleText = PreviewAngleText;
  RubberRadiusText = PreviewRadiusText;
}
// Esc and a change of tool take the marks of the points off with the command.
void CancelMeasureCommand() {
  MeasureActive = 0;
  RemoveMarks();
}
const ModuleRegistrar Registered({"Measure", FloorPicking, ResetMeasure,
                                  {ToolMeasure, &MeasureActive, RunMeasureCommand, CancelMeasureCommand,
                                   CancelMeasureCommand},
                                  PlugMeasure});
}  // namespace

}  // namespace lintavo
