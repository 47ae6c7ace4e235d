// Setings: the named option sets. Every user-adjustable option of the
// program belongs to one of five option types; a named set holds the values
// of one type's option variables, and a management profile (type 6) names
// one set of each type. The sets live as rows of the table Settings of the
// settings database and, while the program runs, in SettingSets.
//
// The option variables belong to the modules that use them; this module only
// moves values between them and the sets, through one slot map per type:
// which variable is copied into and out of which slot, and its built-in
// default. Start-up reads every set (LoadSettings), applies the profile
// "Defaults" and through it one set of each type (InitSettings), then shows
// the display options in the main window (ApplyDisplaySettings). The option
// dialogs apply a chosen set, store the current values under a name and make
// a set the default of its type.
//
// Built-in defaults take the place of every set that cannot be applied: of
// all five types when the table holds no management profile or cannot be
// read, of one type when the profile names a set that is missing. So no
// option is ever left at its zero start value, where a zero grid, tolerance
// or fraction denominator would divide by zero.
//
// Rows are read and written by column position: 0 SettingID (key), 1 Stype,
// then the value columns 2..9 texts, 10..25 yes/no, 26..33 Integers, 34..41
// Longs, 42..49 Singles, slot by slot. Stored files depend on this order.
//
// Sections:
//   Option-set types
//   Records
//   Module state
//   Options with no other use
//   Loading and saving
//   Applying and storing
//   Built-in defaults
//   The main window
//   Reset
#pragma once

#include <array>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Option-set types ------------------------------------------------------------
// Values of SettingRecord.Stype. Stored in the settings database: never renumber.
enum SettingType : Integer {
  SettingDrawing = 1,  // snaps, units, line style, trims, sheet size, database paths
  SettingDisplay = 2,  // bars, read-outs, point marks, cursors, grid and rulers, colours
  SettingText = 3,     // font, layer, style and size of text
  SettingDimension = 4,  // dimension style
  SettingFills = 5,    // fills, hatches and boundaries
  SettingProfile = 6,  // management profile: names one set of each type 1..5
};
constexpr Integer SettingTypeCount = 6;
constexpr const char* DefaultsSetName = "Defaults";  // the profile start-up applies; case counts

// ---- Records ----------------------------------------------------------------------
// One option set, field for field a Settings row. Slots are numbered from 1;
// index 0 of each array exists and is never read or written. A slot the type
// does not use keeps its value and is saved like the others.
struct SettingRecord {
  Long SettingID = 0;                 // database key of its row; 0 while never saved
  Integer Stype = 0;                  // option type 1..6
  std::array<String, 9> StrSlot;      // texts; StrSlot[1] is the set's name in every type
  std::array<Integer, 17> BoolSlot{};  // yes/no, -1 or 0
  std::array<Integer, 9> IntSlot{};   // 16-bit whole numbers
  std::array<Long, 9> LngSlot{};      // colours and other 32-bit values
  std::array<Single, 9> SngSlot{};    // lengths, sizes and angles

  bool operator==(const SettingRecord&) const = default;
};

// ---- Module state -----------------------------------------------------------------
// SettingSets grows by 20 entries once SettingCount + 10 passes SettingCapacity,
// so a new array starts with 20 and keeps at least 9 free after an append.
// The capacity is a 16-bit count and stops at MaxSettingCapacity: at most
// 32751 sets fit, and a set beyond that is refused with a message.
constexpr Integer MaxSettingCapacity = 32760;
extern std::vector<SettingRecord> SettingSets;  // 1-based, entries 1..SettingCount, in load or creation order
extern Long SettingCount;                       // sets in use
extern Integer SettingCapacity;                 // highest index allocated in SettingSets
// Per type 1..6: the name of the set ApplySettings applied last ("" none);
// the dialogs select it in their lists. Index 0 is unused.
extern std::array<String, SettingTypeCount + 1> CurrentSettingNames;
// The applied management profile: [1] its own name, [t + 1] the name of its
// set of type t for t = 1..5. Index 0 is unused.
extern std::array<String, SettingTypeCount + 1> ProfileSettingNames;

// ---- Options with no other use ------------------------------------------------------
// Kept in the drawing and display sets and stored back unchanged; nothing reads them.
extern String DrawingLayerSetting;  // drawing set text slot 6 ("Layer 1" built in)
extern Integer DrawingSpareFlag;    // drawing set flag slot 10 (-1 built in)
extern Single GridSpare;            // display set Single slot 3 (0 built in)

// ---- Loading and saving -------------------------------------------------------------
// Appends every row of table Settings, in key order, to SettingSets. True
// when a management profile (type 6) was read. A Null text reads as "" and a
// Null number or yes/no as 0, reported once ("Load Settings"); any other
// failure is reported and ends the reading, keeping the rows read before it.
// When it returns False the built-in defaults of types 1 to 5 are applied.
bool LoadSettings();
// Writes SettingSets[Index] to its row (found by SettingID) or adds a row and
// keeps its new key. A settings database found damaged, or one that fails
// the check before a save (Verify.h), takes nothing. A failure is reported
// ("Save Settings") and the set keeps its values, a new one its SettingID 0:
// it stays in use for the run.
void SaveSettings(Long Index);

// ---- Applying and storing -----------------------------------------------------------
// Sets are found by name (exact, case counts) and type; the first in
// SettingSets order wins.
Long FindSettingSet(const String& Name, Integer Stype);  // its index, 0 when there is none
// Copies the set into its type's option variables and records its name in
// CurrentSettingNames; False, with nothing changed, when there is no such set.
bool ApplySettings(const String& Name, Integer Stype);
// Copies the option variables of the type into the set of that name,
// appending the set when there is none, and saves it.
void StoreSettings(const String& Name, Integer Stype);
// Records Name as the set of type Stype (1..5) in the profile "Defaults",
// appended when missing, and in the applied profile's names; saves the
// profile. Type 6 has no place in a profile: nothing changes.
void MakeDefaultSettings(const String& Name, Integer Stype);
// Applies the profile ProfileName, else the profile "Defaults" (ProfileName
// then becomes "Defaults"), and through it one set of each type 1..5 in this
// order; a type whose set is unnamed or missing gets its built-in defaults,
// and all five do when no profile can be applied.
void InitSettings(String& ProfileName);
// The option variables of the type into the slots of set (StoreSettings'
// copy, without finding or saving).
void CaptureSettings(SettingRecord& set, Integer Stype);

// ---- Database paths --------------------------------------------------------------------
// The drawings database a drawing set names, as the program opens it: empty
// gives the default file in the application folder, a name without ":" is
// taken as relative to the application folder, one with ":" is used as it
// is.
String ResolvedDatabasePath(const String& Path);
// DwgDbPath resolved so, and CompDbPath too (empty: the drawings database).
// Applying a drawing set does this; start-up then makes the component
// database the drawings database.
void ResolveDatabasePaths();

// ---- Built-in defaults ---------------------------------------------------------------
// Gives the option variables of type 1..5 their built-in values; other
// codes do nothing. Type 1 also sets BoundaryLayer, ShowFills and ShowHatches
// (type 5 sets them again after it, to the same values: fills and hatches
// shown); type 4 gives DimLetterWidth the current TextAspect, so type 3 must
// come first.
void SetBuiltInDefaults(Integer Stype);

// ---- The main window -------------------------------------------------------------------
// Makes the relative and polar read-outs exclude each other (relative wins
// when both are set), then shows the bars and read-outs in the main window and
// the background colour in the active drawing window, when they exist.
void ApplyDisplaySettings();

// ---- Reset ------------------------------------------------------------------------------
void ResetSetings();  // no sets, empty names, the module's options at their start values

}  // namespace lintavo
