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
//   Reset
#include "picking/Measure.h"

#include <algorithm>
#include <cmath>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/Units.h"
#include "platform/Numbers.h"
#include "view/RubberShapes.h"

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
  if (!obj || obj->Rtype != EntityPolygon) return 0;
  Double sum = 0;
  const Long last = obj->PointID + obj->NPoints - 1;
  for (Long i = obj->PointID; i < last; ++i)
    sum += Pnts[i].X * Pnts[i + 1].Y - Pnts[i + 1].X * Pnts[i].Y;
  return std::fabs(sum * 0.5);
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

// ---- Reset -------------------------------------------------------------------------------

void ResetMeasure() {
  MeasureCommand = 0;
  MeasureActive = 0;
  MeasureValue = 0;
  MeasureText.clear();
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
const ModuleRegistrar Registered({"Measure", FloorPicking, ResetMeasure, {ToolMeasure, &MeasureActive},
                                  PlugMeasure});
}  // namespace

}  // namespace lintavo
