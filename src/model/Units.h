// Units: the unit settings shared by the whole program, the one table of
// unit codes every consumer reads, and the conversion of a typed length to
// drawing units.
//
// Lengths are held everywhere in inches (one drawing unit is one inch); the
// settings only choose how lengths and angles are shown and how typed
// lengths are read. The length formatters, typed entry, the unit read-out of
// the status bar and the rulers all look a code up here, so a code means the
// same unit wherever it appears.
//
// Sections:
//   Unit settings
//   Unit code tables
//   Typed lengths
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Unit settings -----------------------------------------------------------------
// Set by the drawing option sets and the units and drawing options dialogs;
// 0 until an option set is applied (the built-in defaults are given in each
// comment). Flags hold -1 for true and 0 for false.
extern Integer MetricUnits;      // flag: metric display and entry; default 0 (English)
extern Integer FractionDisplay;  // flag: English inches as a whole number and a fraction; default 0
extern Integer AutoScale;        // flag: the length formatter picks the unit from each value's
                                 //   size and stores it in EnglishUnit or MetricUnit; default 0
extern Integer EnglishUnit;      // English unit code 1..6 (table below); default 1
extern Integer MetricUnit;       // metric unit code 1..7 (table below); default 2
extern Integer DecimalPlaces;    // decimals shown, 1..7; default 3
extern Integer FractionDenom;    // denominator: 2, 4, 8, 16, 32, 64, 100 or 1000; default 16
extern Integer AngleUnit;        // 1 degrees, 2 degrees-minutes-seconds, 3 radians; default 1

// ---- Unit code tables ------------------------------------------------------------------
// The codes are stored in option sets: never renumber them.
//
// EnglishUnit: 1 inches, 2 feet and inches, 3 feet, 4 yards, 5 yards (kept
// from older option sets), 6 miles. MetricUnit: 1 millimetres,
// 2 centimetres, 3 decimetres, 4 metres, 5 kilometres, 6 micrometres,
// 7 nanometres (6 and 7 are chosen only by the automatic unit choice).

struct EnglishUnitRow {
  Double InchesPer;         // inches in one unit; feet and inches: in one foot
  const char* ShortSuffix;  // after the number; feet and inches: after the feet
  const char* LongSuffix;   // the unit word; feet and inches: after the feet
  const char* AreaSuffix;   // after an area in this unit squared
  const char* ReadOut;      // the status bar's unit read-out
};

struct MetricUnitRow {
  Double PerInch;           // units in one inch (25.4 mm to the inch)
  const char* ShortSuffix;  // after the number
  const char* LongSuffix;   // the unit word
  const char* AreaWord;     // after "Square "; nullptr: areas are shown in square millimetres
  const char* ReadOut;      // the status bar's unit read-out
};

const EnglishUnitRow* EnglishUnitOf(Integer code);  // nullptr outside 1..6
const MetricUnitRow* MetricUnitOf(Integer code);    // nullptr outside 1..7

// "Units = " and the display unit's name, or "" for a code without a row.
String UnitReadOut();

// The precision and fraction lists of the unit dialogs. DecimalPlaces is the
// position of its entry + 1; FractionDenom the denominator of its entry.
constexpr int DecimalEntryCount = 7;
extern const char* const DecimalEntries[DecimalEntryCount];    // ".1" .. ".0000001"
constexpr int FractionEntryCount = 8;
extern const char* const FractionEntries[FractionEntryCount];  // "1/2" .. "1/1000"
Integer FractionDenomAt(int position);      // denominator of a list position; 2 outside the list
int FractionPosition(Integer denominator);  // list position of a denominator; 0 ("1/2") for others

// The English unit list of the unit dialogs shows each unit once. Codes 4
// and 5 both mean yards, so the Yards entry stands for code 4 and shows a
// held 5 as well.
constexpr int EnglishEntryCount = 5;
extern const char* const EnglishEntries[EnglishEntryCount];  // "Inches" .. "Miles"
int EnglishPosition(Integer code);  // list position of a code; -1 for a code without an entry
// The code stored when the entry at position is chosen while code `held` is
// stored: the entry's code, except that choosing Yards keeps a held 5; 0
// outside the list.
Integer EnglishCodeChosen(int position, Integer held);

// ---- Typed lengths ----------------------------------------------------------------------
// Converts a length typed in the display unit to inches in place. Feet and
// inches are typed as inches; a code without a row leaves Value unchanged.
// Computed in double precision, stored back in single.
void ToInches(Single& Value);

// ---- Reset ---------------------------------------------------------------------------------
void ResetUnits();  // the settings above to their start values

}  // namespace lintavo
