// Units: unit settings, the unit code tables and typed-length conversion.
#include "model/Units.h"

#include <iterator>

#include "model/ProgramState.h"

namespace lintavo {

// ---- Unit settings -----------------------------------------------------------------

Integer MetricUnits = 0;
Integer FractionDisplay = 0;
Integer AutoScale = 0;
Integer EnglishUnit = 0;
Integer MetricUnit = 0;
Integer DecimalPlaces = 0;
Integer FractionDenom = 0;
Integer AngleUnit = 0;

// ---- Unit code tables ------------------------------------------------------------------

namespace {

constexpr Integer EnglishUnitCount = 6;  // codes 1..6
constexpr Integer MetricUnitCount = 7;   // codes 1..7

const EnglishUnitRow EnglishTable[] = {
    {1, "\"", " Inches", " Square Inches", "Units = Inches"},    // 1 inches
    {12, "' ", " Feet ", " Square Feet", "Units = Ft/In"},       // 2 feet and inches
    {12, " '", " Feet", " Square Feet", "Units = Feet"},         // 3 feet
    {36, " Yd", " Yards", " Square Yards", "Units = Yards"},     // 4 yards
    {36, " Yd", " Yards", " Square Yards", "Units = Yards"},     // 5 yards
    {63360, " Mi", " Miles", " Square Miles", "Units = Miles"},  // 6 miles
};

static_assert(std::size(EnglishTable) == EnglishUnitCount, "one row per English unit code");

const MetricUnitRow MetricTable[] = {
    {25.4, " mm", " Millineters", "Milimeters", "Units = mm"},         // 1 millimetres
    {2.54, " cm", " Centimeters", "Centimeters", "Units = cm"},        // 2 centimetres
    {0.254, " dm", " Decimeters", "DeciMeters", "Units = dm"},         // 3 decimetres
    {0.0254, " m", " Meters", "Meters", "Units = M"},                  // 4 metres
    {0.0000254, " km", " Kilometers", "Kilometers", "Units = Km"},     // 5 kilometres
    {25400, " um", " MicroMeters", nullptr, "Units = um"},             // 6 micrometres
    {25400000, " nm", " Nanometers", nullptr, "Units = nm"},           // 7 nanometres
};
static_assert(std::size(MetricTable) == MetricUnitCount, "one row per metric unit code");

}  // namespace

const EnglishUnitRow* EnglishUnitOf(Integer code) {
  if (code < 1 || code > EnglishUnitCount) return nullptr;
  return &EnglishTable[code - 1];
}

const MetricUnitRow* MetricUnitOf(Integer code) {
  if (code < 1 || code > MetricUnitCount) return nullptr;
  return &MetricTable[code - 1];
}

String UnitReadOut() {
  if (MetricUnits) {
    const MetricUnitRow* row = MetricUnitOf(MetricUnit);
    return row ? row->ReadOut : "";
  }
  const EnglishUnitRow* row = EnglishUnitOf(EnglishUnit);
  return row ? row->ReadOut : "";
}

const char* const DecimalEntries[DecimalEntryCount] = {
    ".1", ".01", ".001", ".0001", ".00001", ".000001", ".0000001"};

namespace {
const Integer FractionDenoms[FractionEntryCount] = {2, 4, 8, 16, 32, 64, 100, 1000};
}  // namespace

const char* const FractionEntries[FractionEntryCount] = {
    "1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "1/100", "1/1000"};

Integer FractionDenomAt(int position) {
  if (position < 0 || position >= FractionEntryCount) return 2;
  return FractionDenoms[position];
}

int FractionPosition(Integer denominator) {
  for (int position = 0; position < FractionEntryCount; ++position)
    if (FractionDenoms[position] == denominator) return position;
  return 0;
}

namespace {
constexpr Integer YardsCode = 4, YardsAlsoCode = 5;
constexpr Integer EnglishEntryCodes[EnglishEntryCount] = {1, 2, 3, YardsCode, 6};
}  // namespace

const char* const EnglishEntries[EnglishEntryCount] = {"Inches", "Feet/Inch", "Feet", "Yards", "Miles"};

int EnglishPosition(Integer code) {
  if (code == YardsAlsoCode) code = YardsCode;
  for (int position = 0; position < EnglishEntryCount; ++position)
    if (EnglishEntryCodes[position] == code) return position;
  return -1;
}

Integer EnglishCodeChosen(int position, Integer held) {
  if (position < 0 || position >= EnglishEntryCount) return 0;
  const Integer code = EnglishEntryCodes[position];
  return code == YardsCode && held == YardsAlsoCode ? held : code;
}

// ---- Typed lengths ----------------------------------------------------------------------

void ToInches(Single& Value) {
  if (MetricUnits) {
    if (const MetricUnitRow* row = MetricUnitOf(MetricUnit))
      Value = static_cast<Single>(static_cast<Double>(Value) / row->PerInch);
    return;
  }
  if (EnglishUnit == 2) return;  // feet and inches are typed as inches
  if (const EnglishUnitRow* row = EnglishUnitOf(EnglishUnit))
    Value = static_cast<Single>(static_cast<Double>(Value) * row->InchesPer);
}

// ---- Reset ---------------------------------------------------------------------------------

void ResetUnits() {
  MetricUnits = FractionDisplay = AutoScale = 0;
  EnglishUnit = MetricUnit = DecimalPlaces = FractionDenom = AngleUnit = 0;
}

namespace {
const ModuleRegistrar Registered({"Units", FloorModel, ResetUnits});
}  // namespace

}  // namespace lintavo
