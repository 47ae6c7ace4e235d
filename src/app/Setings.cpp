// Setings: the named option sets, their slot maps and their rows.
//
// Sections:
//   Module state
//   Slot maps
//   Moving values between slots and variables
//   Finding and growing
//   Reading rows
//   Writing rows
//   Loading and saving
//   Applying and storing
//   Database paths
//   Built-in defaults
//   The main window
//   Reset
#include "app/Setings.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <variant>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "annotation/Texthand.h"
#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "model/DataHand.h"
#include "model/MainWindowLink.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/Units.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "storage/RowReader.h"
#include "storage/SupportFiles.h"
#include "storage/Verify.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/ObjectDrawers.h"
#include "view/Outline.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Module state --------------------------------------------------------------------

std::vector<SettingRecord> SettingSets;
Long SettingCount = 0;
Integer SettingCapacity = 0;
std::array<String, SettingTypeCount + 1> CurrentSettingNames;
std::array<String, SettingTypeCount + 1> ProfileSettingNames;

String DrawingLayerSetting;
Integer DrawingSpareFlag = 0;
Single GridSpare = 0;

namespace {

constexpr const char* DefaultDwgDbFile = "\\Drawings_dwg.mdb";  // in the application folder
constexpr const char* LoadTitle = "Load Settings";  // titles of the messages
constexpr const char* SaveTitle = "Save Settings";

// ---- Slot maps -----------------------------------------------------------------------

// The five arrays of a set.
enum SlotKind { SlotStr, SlotBool, SlotInt, SlotLng, SlotSng };

// The value columns of one kind: ordinals First .. First + Count - 1 hold
// slots 1 .. Count. Stored files depend on these positions.
struct SlotColumns {
  SlotKind Kind;
  int First;  // ordinal of slot 1
  int Count;  // slots of this kind
};
constexpr SlotColumns ValueColumns[] = {
    {SlotStr, 2, 8}, {SlotBool, 10, 16}, {SlotInt, 26, 8}, {SlotLng, 34, 8}, {SlotSng, 42, 8}};
static_assert(std::size(ValueColumns) == SlotSng + 1, "one row per slot kind, in kind order");

// An option variable. A variable whose type differs from its slot's is
// converted on the way: a Double in a Single slot is rounded to single
// precision, a Single in an Integer slot to a whole number (halves to even),
// an Integer in a Long slot widened and narrowed back (saturated).
using OptionVar = std::variant<String*, Integer*, Long*, Single*, Double*>;
// A built-in default: none, a text, or a number for any numeric variable.
using BuiltIn = std::variant<std::monostate, const char*, Double>;

struct OptionSlot {
  SlotKind Kind;    // which array of the set
  int Slot;         // 1-based slot in it
  OptionVar Var;    // the variable copied in and out
  BuiltIn Default;  // what SetBuiltInDefaults gives it
};

constexpr std::monostate NoDefault;
constexpr Double On = FlagTrue, Off = FlagFalse;
// Colours, red in the low byte.
constexpr Double Black = 0, Green = 0xFF00, Yellow = 0xFFFF, Blue = 0xFF0000, White = 0xFFFFFF;

const std::vector<OptionSlot>& DrawingSlots() {
  static const std::vector<OptionSlot> map = {
      {SlotStr, 2, &DwgDbPath, NoDefault},  // start-up fills an empty path
      {SlotStr, 3, &CompDbPath, NoDefault},
      {SlotStr, 6, &DrawingLayerSetting, "Layer 1"},
      {SlotBool, 1, &GridSnap, Off},
      {SlotBool, 2, &OrthoSnap, Off},
      {SlotBool, 3, &NearestSnap, Off},
      {SlotBool, 4, &ToleranceSnap, Off},
      {SlotBool, 5, &AutoFillet, Off},
      {SlotBool, 6, &AutoChamfer, Off},
      {SlotBool, 7, &TrimsSetting3, Off},
      {SlotBool, 8, &MetricUnits, Off},
      {SlotBool, 9, &FractionDisplay, Off},
      {SlotBool, 10, &DrawingSpareFlag, On},
      {SlotBool, 11, &AutoScale, Off},
      {SlotInt, 1, &AngleUnit, 1.0},
      {SlotInt, 2, &EnglishUnit, 1.0},
      {SlotInt, 3, &MetricUnit, 2.0},
      {SlotInt, 4, &FractionDenom, 16.0},
      {SlotInt, 5, &DecimalPlaces, 3.0},
      {SlotInt, 6, &CurLineType, 0.0},
      {SlotInt, 7, &CurLineWeight, 1.0},
      {SlotLng, 1, &CurColor, Black},
      {SlotSng, 1, &SnapTolerance, 0.2},
      {SlotSng, 2, &FilletRadius, 0.5},
      {SlotSng, 3, &ChamferDist1, 0.5},
      {SlotSng, 4, &DoubleLineWidth1, 2.0},
      {SlotSng, 5, &DefDwgWidth, 36.0},
      {SlotSng, 6, &DefDwgHeight, 24.0},
      {SlotSng, 7, &CurLineWidth, 0.0},
      {SlotSng, 8, &SolidLineWidth, 0.5},
  };
  return map;
}

const std::vector<OptionSlot>& DisplaySlots() {
  static const std::vector<OptionSlot> map = {
      {SlotBool, 1, &ShowToolBar, On},
      {SlotBool, 2, &ShowTextBar, Off},
      {SlotBool, 3, &ShowMessageBar, On},
      {SlotBool, 4, &ShowStatusBar, On},
      {SlotBool, 5, &CoordAbsolute, On},
      {SlotBool, 6, &CoordRelative, Off},
      {SlotBool, 7, &CoordPolar, Off},
      {SlotBool, 8, &ShowStdPnts, On},
      {SlotBool, 9, &ShowConPnts, Off},
      {SlotBool, 10, &ShowRefPnts, Off},
      {SlotBool, 11, &ShowRealCursor, On},
      {SlotBool, 12, &ShowSnapCursor, On},
      {SlotBool, 13, &RubberBanding, On},
      // The user's outline option; OutlineOn itself belongs to a running move preview.
      {SlotBool, 14, &OutlineEnabled, On},
      {SlotBool, 15, &GridOn, Off},
      {SlotBool, 16, &RulerOn, Off},
      {SlotInt, 1, &SelectedLineType, 2.0},
      {SlotLng, 1, &DwgBackColor, White},
      {SlotLng, 2, &GridColor, Green},
      {SlotLng, 3, &CursorColor, Black},
      {SlotLng, 4, &SelectedLineColor, Blue},
      {SlotLng, 5, &RubberColor, Blue},
      {SlotLng, 6, &RefPntColor, Green},
      {SlotLng, 7, &ConPntColor, Black},
      {SlotLng, 8, &RulerColor, Yellow},
      {SlotSng, 1, &CursorSize, 0.5},
      {SlotSng, 2, &GridSize, 0.25},
      {SlotSng, 3, &GridSpare, 0.0},
  };
  return map;
}

const std::vector<OptionSlot>& TextSlots() {
  static const std::vector<OptionSlot> map = {
      {SlotStr, 5, &FontName, "Text"},
      {SlotStr, 6, &TextLayer, "Text 1"},
      {SlotBool, 1, &TextBold, Off},
      {SlotBool, 2, &TextItalic, Off},
      {SlotBool, 3, &TextUnderline, Off},
      {SlotBool, 4, &TextBoxOutline, Off},
      {SlotBool, 5, &TextAlignLeft, On},
      {SlotBool, 6, &TextAlignRight, Off},
      {SlotBool, 7, &TextAlignCenter, Off},
      {SlotBool, 8, &TextJustify, Off},
      {SlotBool, 9, &AutoTextSize, On},
      {SlotBool, 10, &AutoTextAngle, On},
      {SlotInt, 1, &BoldWeight, 2.0},
      {SlotLng, 1, &TextColor, Black},
      {SlotLng, 2, &TextBackColor, White},
      {SlotSng, 1, &TextHeight, 1.0},
      {SlotSng, 2, &TextWidth, 0.75},
      {SlotSng, 3, &TextAspect, 0.75},
      {SlotSng, 4, &TextAngle, 0.0},
      {SlotSng, 5, &TextSlant, 0.0},
  };
  return map;
}

const std::vector<OptionSlot>& DimensionSlots() {
  static const std::vector<OptionSlot> map = {
      {SlotStr, 5, &DimFontName, "Text"},
      {SlotStr, 6, &DimLayerName, "Dimension 1"},
      {SlotBool, 1, &DimArrowClosed, Off},
      {SlotBool, 2, &DimExtProximityFixed, On},
      {SlotBool, 3, &DimFixedLetterHeight, Off},
      {SlotInt, 1, &DimMode, 1.0},
      {SlotInt, 2, &DimDirection, 1.0},
      {SlotInt, 4, &DimLetterDirection, 1.0},
      {SlotInt, 5, &DimLetterPlacement, 1.0},
      {SlotInt, 6, &DimArrowType, 2.0},
      {SlotInt, 7, &DimLeaderLength, 1.0},  // kept as a whole number
      {SlotInt, 8, &DimWitnessMode, 1.0},
      {SlotLng, 1, &DimLineColor, NoDefault},
      {SlotLng, 2, &DimArrowSize, 2.0},
      {SlotSng, 1, &DimLetterHeight, 1.0},
      {SlotSng, 2, &DimLetterWidth, NoDefault},  // the current TextAspect, set apart
      {SlotSng, 3, &DimArrowAngle, Pi / 6},
      {SlotSng, 4, &DimArrowLength, 0.5},
      {SlotSng, 5, &DimExtOffset, 0.25},
      {SlotSng, 6, &DimExtAbove, 0.5},
      {SlotSng, 7, &DimExtBelow, 0.5},
  };
  return map;
}

const std::vector<OptionSlot>& FillSlots() {
  static const std::vector<OptionSlot> map = {
      {SlotStr, 3, &CurPatternName, ""},
      {SlotStr, 4, &BoundaryLayer, "Boundary 1"},
      {SlotStr, 5, &CurFillLayer, "Fills 1"},
      {SlotStr, 6, &HatchLayer, "Hatches 1"},
      {SlotBool, 1, &ShowFills, On},
      // Hatches are shown unless a set hides them, as fills are: the shipped
      // "Defaults" set is written from these values.
      {SlotBool, 2, &ShowHatches, On},
      {SlotBool, 3, &GradientFill, Off},
      {SlotBool, 4, &UsePatternColor, Off},
      {SlotBool, 5, &FillUseBoundaryLayer, Off},
      {SlotBool, 6, &HatchUseBoundaryLayer, Off},
      {SlotInt, 1, &CurFillPattern, 1.0},
      {SlotInt, 2, &BoundaryStyle, 1.0},
      {SlotLng, 1, &BoundaryColor, Green},
      {SlotLng, 2, &CurFillColor, Yellow},
      {SlotLng, 3, &HatchColor, Green},
      {SlotLng, 4, &GradientColor, White},
      {SlotSng, 1, &HatchScale, 1.0},
      {SlotSng, 2, &HatchRotation, 0.0},
  };
  return map;
}

// A profile's texts 1..6 are the names of the applied profile.
const std::vector<OptionSlot>& ProfileSlots() {
  static const std::vector<OptionSlot> map = [] {
    std::vector<OptionSlot> names;
    for (int slot = 1; slot <= SettingTypeCount; ++slot)
      names.push_back({SlotStr, slot, &ProfileSettingNames[slot], NoDefault});
    return names;
  }();
  return map;
}

const std::vector<OptionSlot>& OptionSlots(Integer Stype) {
  static const std::vector<OptionSlot> none;
  switch (Stype) {
    case SettingDrawing: return DrawingSlots();
    case SettingDisplay: return DisplaySlots();
    case SettingText: return TextSlots();
    case SettingDimension: return DimensionSlots();
    case SettingFills: return FillSlots();
    case SettingProfile: return ProfileSlots();
  }
  return none;
}

bool IsSettingType(Integer Stype) { return Stype >= 1 && Stype <= SettingTypeCount; }

// ---- Moving values between slots and variables ----------------------------------------

Double SlotNumber(const SettingRecord& set, SlotKind kind, int slot) {
  switch (kind) {
    case SlotBool: return set.BoolSlot[slot];
    case SlotInt: return set.IntSlot[slot];
    case SlotLng: return set.LngSlot[slot];
    case SlotSng: return set.SngSlot[slot];
    case SlotStr: break;
  }
  return 0;
}

void SetSlotNumber(SettingRecord& set, SlotKind kind, int slot, Double value) {
  switch (kind) {
    case SlotBool: set.BoolSlot[slot] = Flag(value != 0); break;
    case SlotInt: set.IntSlot[slot] = RoundToInteger(value); break;
    case SlotLng: set.LngSlot[slot] = RoundToLong(value); break;
    case SlotSng: set.SngSlot[slot] = ToSingle(value); break;
    case SlotStr: break;
  }
}

Double VarNumber(const OptionVar& var) {
  if (auto* v = std::get_if<Integer*>(&var)) return **v;
  if (auto* v = std::get_if<Long*>(&var)) return **v;
  if (auto* v = std::get_if<Single*>(&var)) return **v;
  if (auto* v = std::get_if<Double*>(&var)) return **v;
  return 0;
}

void SetVarNumber(const OptionVar& var, Double value) {
  if (auto* v = std::get_if<Integer*>(&var)) **v = RoundToInteger(value);
  if (auto* v = std::get_if<Long*>(&var)) **v = RoundToLong(value);
  if (auto* v = std::get_if<Single*>(&var)) **v = ToSingle(value);
  if (auto* v = std::get_if<Double*>(&var)) **v = value;
}

void CopySlotToVar(const SettingRecord& set, const OptionSlot& s) {
  if (auto* text = std::get_if<String*>(&s.Var)) {
    **text = set.StrSlot[s.Slot];
    return;
  }
  SetVarNumber(s.Var, SlotNumber(set, s.Kind, s.Slot));
}

void CopyVarToSlot(SettingRecord& set, const OptionSlot& s) {
  if (auto* text = std::get_if<String*>(&s.Var)) {
    set.StrSlot[s.Slot] = **text;
    return;
  }
  SetSlotNumber(set, s.Kind, s.Slot, VarNumber(s.Var));
}

void SetBuiltIn(const OptionSlot& s) {
  if (auto* text = std::get_if<const char*>(&s.Default)) {
    *std::get<String*>(s.Var) = *text;
  } else if (auto* number = std::get_if<Double>(&s.Default)) {
    SetVarNumber(s.Var, *number);
  }
}

// Variables that follow another one of their type whenever it is applied:
// the second chamfer distance and double-line offset follow the first, and
// the grid spacing follows the grid size (a set keeps only the size, and a
// zero spacing would break grid drawing and snapping).
void ApplyFollowers(Integer Stype) {
  if (Stype == SettingDrawing) {
    ChamferDist2 = ChamferDist1;
    DoubleLineWidth2 = ToSingle(DoubleLineWidth1);
  } else if (Stype == SettingDisplay) {
    GridX = GridSize;
    GridY = GridSize;
  }
}

// ---- Finding and growing ------------------------------------------------------------

// Makes room for one more set; false, with a message titled title, when the
// capacity cannot grow further.
bool GrowSettingSets(const char* title) {
  if (SettingCount + 10 <= SettingCapacity) return true;
  if (SettingCapacity + 20 > MaxSettingCapacity) {
    MsgBox("Too many option sets: at most " + std::to_string(MaxSettingCapacity - 9) + " fit.",
           vbOKOnly, title);
    return false;
  }
  SettingCapacity = static_cast<Integer>(SettingCapacity + 20);
  SettingSets.resize(static_cast<size_t>(SettingCapacity) + 1);
  return true;
}

// Appends a set as the next entry; its index, or 0 when there is no room.
Long AppendSettingSet(const SettingRecord& set, const char* title) {
  if (!GrowSettingSets(title)) return 0;
  SettingSets[++SettingCount] = set;
  return SettingCount;
}

// The set of that name and type, appended as a new unsaved set when missing;
// 0 when there is no room.
Long FindOrAddSettingSet(const String& Name, Integer Stype) {
  if (Long index = FindSettingSet(Name, Stype)) return index;
  SettingRecord set;
  set.Stype = Stype;
  set.StrSlot[1] = Name;
  return AppendSettingSet(set, SaveTitle);
}

// The failure of a database operation: the connection's when it failed, else the recordset's.
DbError FailureOf(const Connection& connection, const Recordset& rows) {
  return connection.Error().Number != DbErrNone ? connection.Error() : rows.Error();
}

// ---- Reading rows ---------------------------------------------------------------------

// Reads the value column at ordinal column of the current row into its
// slot of set. False when the row is damaged there: a value of another kind
// (a text in a number column) or a number outside the slot's range. A Null
// leaves the slot empty or 0.
bool ReadSlot(Recordset& rows, int column, SlotKind kind, int slot, SettingRecord& set) {
  if (FieldIsNull(rows, column)) return true;
  switch (kind) {
    case SlotStr: return ReadTextOrEmpty(rows, column, set.StrSlot[slot]);
    case SlotBool: {
      Integer value = 0;
      if (!ReadInteger(rows, column, value)) return false;
      set.BoolSlot[slot] = Flag(value != 0);
      return true;
    }
    case SlotInt: return ReadInteger(rows, column, set.IntSlot[slot]);
    case SlotLng: return ReadLong(rows, column, set.LngSlot[slot]);
    case SlotSng: return ReadSingle(rows, column, set.SngSlot[slot]);
  }
  return false;
}

// Reads the current row into set: its key, its type and its value columns.
// The first Null's column goes to firstNull. False, with the column in
// damaged, when the row is damaged (ReadSlot), or when the key or type is
// of another kind.
bool ReadSettingRow(Recordset& rows, int keyField, int typeField, SettingRecord& set, String& firstNull,
                    String& damaged) {
  if (FieldIsNull(rows, typeField) && firstNull.empty()) firstNull = "Stype";
  if (!FieldIsNull(rows, keyField) && !ReadLong(rows, keyField, set.SettingID)) {
    damaged = rows.FieldName(keyField);
    return false;
  }
  if (!FieldIsNull(rows, typeField) && !ReadInteger(rows, typeField, set.Stype)) {
    damaged = rows.FieldName(typeField);
    return false;
  }
  for (const SlotColumns& group : ValueColumns) {
    for (int slot = 1; slot <= group.Count; ++slot) {
      const int column = group.First + slot - 1;
      if (FieldIsNull(rows, column) && firstNull.empty()) firstNull = rows.FieldName(column);
      if (!ReadSlot(rows, column, group.Kind, slot, set)) {
        damaged = rows.FieldName(column);
        return false;
      }
    }
  }
  return true;
}

// Names a damaged row in a report: the set's name when it could be read,
// and its key.
String DamagedSettingRow(Recordset& rows, int keyField, const String& field) {
  return "The option set \"" + TextOrEmpty(rows, ValueColumns[SlotStr].First) + "\" (SettingID " +
         TextOrEmpty(rows, keyField) + ") has a damaged value (field " + field +
         ") and was skipped; the other sets were read.";
}

// Reads every row into SettingSets; profileRead tells whether one of type 6
// was among them. A damaged row is reported and skipped, as a drawing's load
// skips one: the rest of the sets still load. False on a failure of the
// recordset (or a full table).
bool ReadSettingRows(Recordset& rows, bool& profileRead, String& firstNull) {
  const int keyField = rows.FieldIndex("Settingid");
  const int typeField = rows.FieldIndex("Stype");
  DamageReport damage(LoadTitle);
  for (; !rows.Eof(); rows.MoveNext()) {
    SettingRecord set;
    String damaged;
    const bool read = ReadSettingRow(rows, keyField, typeField, set, firstNull, damaged);
    if (rows.Failed()) return false;
    if (!read) {
      damage.Report(DamagedSettingRow(rows, keyField, damaged));
      continue;
    }
    if (AppendSettingSet(set, LoadTitle) == 0) return false;
    if (set.Stype == SettingProfile) profileRead = true;
  }
  return !rows.Failed();
}

// ---- Writing rows ---------------------------------------------------------------------

bool WriteSlots(Recordset& rows, const SettingRecord& set) {
  for (const SlotColumns& group : ValueColumns) {
    for (int slot = 1; slot <= group.Count; ++slot) {
      FieldRef field = rows.Field(group.First + slot - 1);
      switch (group.Kind) {
        case SlotStr: field.SetText(set.StrSlot[slot]); break;
        case SlotBool: field.SetLong(set.BoolSlot[slot]); break;
        case SlotInt: field.SetLong(set.IntSlot[slot]); break;
        case SlotLng: field.SetLong(set.LngSlot[slot]); break;
        case SlotSng: field.SetSingle(set.SngSlot[slot]); break;
      }
    }
  }
  return !rows.Failed();
}

// Writes set into its row, or into a new row whose key goes to key. A row's
// key and type are never rewritten.
bool WriteSettingRow(Recordset& rows, const SettingRecord& set, Long& key) {
  if (!rows.Find("SettingID", DbValue(set.SettingID))) return false;
  const bool adding = rows.Eof();
  if (adding && !(rows.AddNew() && rows.Field("Stype").SetLong(set.Stype))) return false;
  if (!WriteSlots(rows, set) || !rows.Update()) return false;
  if (adding) key = rows.Field("SettingID").AsLong();
  return !rows.Failed();
}

}  // namespace

// ---- Loading and saving ---------------------------------------------------------------

bool LoadSettings() {
  OpenDbPath = SupportFilePath(SettingsDbFile);
  Connection connection;
  Recordset rows;
  bool profileRead = false;
  String firstNull;
  const bool read = connection.Open(OpenDbPath, OpenMode::ReadOnly) && rows.Open(connection, "Settings") &&
                    ReadSettingRows(rows, profileRead, firstNull);
  const DbError failure = FailureOf(connection, rows);
  rows.Close();
  connection.Close();
  if (!firstNull.empty()) {
    MsgBox(ErrorText({DbErrInvalidNull, "Invalid use of Null (field " + firstNull +
                                            "); empty values were read as \"\" and 0"}),
           vbOKOnly, LoadTitle);
  }
  if (!read && failure.Number != DbErrNone) MsgBox(ErrorText(failure), vbOKOnly, LoadTitle);
  if (!read) profileRead = false;
  if (!profileRead) {
    for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);
  }
  return profileRead;
}

void SaveSettings(Long Index) {
  if (Index < 1 || Index > SettingCount) return;
  SettingRecord& set = SettingSets[Index];
  OpenDbPath = SupportFilePath(SettingsDbFile);
  // The row and its key read back belong together: one transaction, into a
  // file that a read found sound and that passes the check before a save.
  CheckedWrite write;
  Recordset rows;
  Long key = set.SettingID;
  const bool begun = write.Begin(OpenDbPath, SchemaSettings);
  bool saved = begun && rows.Open(write.Db(), "Settings") && WriteSettingRow(rows, set, key);
  DbError failure = begun ? FailureOf(write.Db(), rows) : write.Error();
  rows.Close();
  if (saved) {
    saved = write.Commit();
    failure = write.Error();
  }
  write.Close();  // rolls back what was not committed
  // A commit made though it cannot be told whole (another program wrote
  // the file meanwhile) stored the row: its key is kept, so the next save
  // rewrites that row rather than adding the set again.
  if (saved || write.Committed()) set.SettingID = key;
  if (!saved) MsgBox(ErrorText(failure), vbOKOnly, SaveTitle);
}

// ---- Applying and storing -------------------------------------------------------------

Long FindSettingSet(const String& Name, Integer Stype) {
  for (Long i = 1; i <= SettingCount; ++i) {
    if (SettingSets[i].Stype == Stype && SettingSets[i].StrSlot[1] == Name) return i;
  }
  return 0;
}

bool ApplySettings(const String& Name, Integer Stype) {
  if (SettingCount < 1 || !IsSettingType(Stype)) return false;
  const Long index = FindSettingSet(Name, Stype);
  if (index == 0) return false;
  CurrentSettingNames[Stype] = Name;
  const SettingRecord& set = SettingSets[index];
  for (const OptionSlot& s : OptionSlots(Stype)) CopySlotToVar(set, s);
  ApplyFollowers(Stype);
  // A set may hold no path (the shipped "Defaults" does): the databases are
  // found as at start-up, never at an empty path.
  if (Stype == SettingDrawing) ResolveDatabasePaths();
  return true;
}

void CaptureSettings(SettingRecord& set, Integer Stype) {
  for (const OptionSlot& s : OptionSlots(Stype)) CopyVarToSlot(set, s);
}

void StoreSettings(const String& Name, Integer Stype) {
  if (!IsSettingType(Stype)) return;
  const Long index = FindOrAddSettingSet(Name, Stype);
  if (index == 0) return;
  if (Stype == SettingProfile) ProfileSettingNames[1] = Name;
  CaptureSettings(SettingSets[index], Stype);
  SaveSettings(index);
}

void MakeDefaultSettings(const String& Name, Integer Stype) {
  if (Stype < SettingDrawing || Stype > SettingFills) return;
  const Long index = FindOrAddSettingSet(DefaultsSetName, SettingProfile);
  if (index == 0) return;
  ProfileSettingNames[Stype + 1] = Name;
  SettingSets[index].StrSlot[Stype + 1] = Name;
  SaveSettings(index);
}

void InitSettings(String& ProfileName) {
  if (!ApplySettings(ProfileName, SettingProfile)) {
    ProfileName = DefaultsSetName;
    if (!ApplySettings(ProfileName, SettingProfile)) {
      for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);
      return;
    }
  }
  // In type order: the dimension defaults read the TextAspect the text set gave.
  for (Integer t = SettingDrawing; t <= SettingFills; ++t) {
    const String name = ProfileSettingNames[t + 1];
    if (name.empty() || !ApplySettings(name, t)) SetBuiltInDefaults(t);
  }
}

// ---- Database paths ---------------------------------------------------------------------

String ResolvedDatabasePath(const String& Path) {
  if (Path.empty()) return AppFilePath(DefaultDwgDbFile);
  if (Path.find(':') == String::npos) return AppFilePath(Path);
  return Path;
}

void ResolveDatabasePaths() {
  DwgDbPath = ResolvedDatabasePath(DwgDbPath);
  CompDbPath = CompDbPath.empty() ? DwgDbPath : ResolvedDatabasePath(CompDbPath);
}

// ---- Built-in defaults ------------------------------------------------------------------

void SetBuiltInDefaults(Integer Stype) {
  if (Stype < SettingDrawing || Stype > SettingFills) return;
  for (const OptionSlot& s : OptionSlots(Stype)) SetBuiltIn(s);
  ApplyFollowers(Stype);
  if (Stype == SettingDrawing) {
    BoundaryLayer = "Boundary 1";
    ShowFills = FlagTrue;
    ShowHatches = FlagTrue;
  } else if (Stype == SettingDimension) {
    DimLetterWidth = TextAspect;
  }
}

// ---- The main window ----------------------------------------------------------------------

void ApplyDisplaySettings() {
  if (CoordRelative) CoordPolar = FlagFalse;
  if (ActiveDoc) SetBackColor(DwgBackColor);
  MainWindowLink* main = MainLink();
  if (!main) return;
  // The option items' check marks, and the bars shown or hidden with them.
  main->ShowOptionChecks();
  if (!CoordAbsolute) {
    main->SetStatusText(5, "");
    main->SetStatusText(6, "");
  }
  main->ShowReadOutPanels();  // 7 and 8: the read-out, or the date and the time
}

// ---- Reset ----------------------------------------------------------------------------------

void ResetSetings() {
  SettingSets.clear();
  SettingCount = 0;
  SettingCapacity = 0;
  CurrentSettingNames = {};
  ProfileSettingNames = {};
  DrawingLayerSetting.clear();
  DrawingSpareFlag = 0;
  GridSpare = 0;
}

namespace {
const ModuleRegistrar Registered({"Setings", FloorApp, ResetSetings});
}  // namespace

}  // namespace lintavo
