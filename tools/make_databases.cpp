// make_databases: writes the program's database files from data kept with
// the sources.
//
//   make_databases <application folder> <support data folder> <Hershey font folder>
//     Support/Settings_qz.mdb   Settings, with the option sets "Defaults" of
//                               types 1 to 5 and the profile "Defaults" that
//                               names them, written by the program's own
//                               routines from its built-in defaults; and
//                               LayerNames, the layer name library of
//                               LayerNames.txt
//     Support/Fonts_qz.mdb      Fonts, Lines, Points: the glyphs of codes 32
//                               to 126 of five stroke fonts converted from the
//                               Hershey fonts (Debian package hershey-fonts-data),
//                               and a degree sign (code 176) drawn here, which
//                               angle dimensions write
//     Support/Patterns_qz.mdb   Patterns, PatternLines from HatchPatterns.txt
//     Drawings_dwg.mdb          an empty drawings database, which is also a
//                               component database
//   make_databases --drawings <file>
//     an empty drawings database at a new file name
//
// Every input is read and checked before the first file is written. Each file
// is written under a temporary name beside it and renamed when complete, so an
// interrupted run never leaves half a database; a later run replaces the
// files. A Drawings_dwg.mdb that already holds drawings or components is kept:
// rebuilding never throws away a user's work.
//
// Sections:
//   Failures
//   Database calls
//   Writing a database file
//   Data files
//   Layer names
//   Option sets
//   Hatch patterns
//   Stroke fonts: reading the Hershey files
//   Stroke fonts: the glyph frame and the rows
//   The drawings database
//   Entry
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <QDialog>

#include "app/Setings.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "storage/DbSchema.h"

namespace fs = std::filesystem;
using lintavo::SchemaSet;

namespace {

// ---- Failures --------------------------------------------------------------

// A failure of the tool; main prints it and ends with status 1.
struct ToolError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& message) { throw ToolError(message); }

// ---- Database calls --------------------------------------------------------

// An open database file; closed when it goes out of scope.
class Database {
 public:
  explicit Database(const fs::path& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
      std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      Fail("cannot create " + path.string() + ": " + message);
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* Handle() const { return db_; }

  void Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return;
    std::string text = message != nullptr ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    Fail(sql + ": " + text);
  }

  void CreateTables(SchemaSet set) {
    std::string error;
    if (!lintavo::CreateSchemaTables(db_, set, error)) Fail("cannot create the tables: " + error);
  }

  // Closes the file; a failure here means the file may be incomplete.
  void Close() {
    if (sqlite3_close(db_) != SQLITE_OK) Fail(std::string("cannot close: ") + sqlite3_errmsg(db_));
    db_ = nullptr;
  }

 private:
  sqlite3* db_ = nullptr;
};

using Value = std::variant<long long, double, std::string>;

// Adds rows to one table through one prepared statement.
class RowWriter {
 public:
  RowWriter(Database& db, const std::string& table, const std::vector<std::string>& columns)
      : db_(db.Handle()), table_(table), columnCount_(columns.size()) {
    std::string names, marks;
    for (const std::string& column : columns) {
      names += (names.empty() ? "\"" : ", \"") + column + "\"";
      marks += marks.empty() ? "?" : ", ?";
    }
    std::string sql = "INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
      Fail(sql + ": " + sqlite3_errmsg(db_));
    }
  }
  ~RowWriter() { sqlite3_finalize(statement_); }
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;

  // Adds one row with the values in column order; returns the row's new key.
  long long Add(const std::vector<Value>& values) {
    if (values.size() != columnCount_) Fail("wrong number of values for a row of " + table_);
    for (size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i) + 1, values[i]);
    if (sqlite3_step(statement_) != SQLITE_DONE) {
      Fail("cannot add a row to " + table_ + ": " + sqlite3_errmsg(db_));
    }
    sqlite3_reset(statement_);
    return sqlite3_last_insert_rowid(db_);
  }

 private:
  void Bind(int index, const Value& value) {
    int rc = SQLITE_OK;
    if (const long long* number = std::get_if<long long>(&value)) {
      rc = sqlite3_bind_int64(statement_, index, *number);
    } else if (const double* real = std::get_if<double>(&value)) {
      rc = sqlite3_bind_double(statement_, index, *real);
    } else {
      const std::string& text = std::get<std::string>(value);
      rc = sqlite3_bind_text(statement_, index, text.c_str(), static_cast<int>(text.size()),
                             SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) Fail("cannot set a value of " + table_ + ": " + sqlite3_errmsg(db_));
  }

  sqlite3* db_;
  std::string table_;
  size_t columnCount_;
  sqlite3_stmt* statement_ = nullptr;
};

// ---- Writing a database file -----------------------------------------------

void RemoveIfPresent(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  if (ec) Fail("cannot remove " + path.string() + ": " + ec.message());
}

// Writes the database file at path by way of a new file at temp: fill adds
// the tables and rows inside one transaction; then, with the file closed,
// complete (when given) adds to it through connections of its own; the
// complete file then replaces path in one rename. On any failure the
// temporary file is removed and path is left as it was.
void WriteDatabaseFileVia(const fs::path& path, const fs::path& temp,
                          const std::function<void(Database&)>& fill, const std::function<void()>& complete) {
  fs::path journal = temp;
  journal += "-journal";
  RemoveIfPresent(temp);
  RemoveIfPresent(journal);
  try {
    Database db(temp);
    db.Exec("BEGIN");
    fill(db);
    db.Exec("COMMIT");
    db.Close();
    if (complete) complete();
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) Fail("cannot rename " + temp.string() + " to " + path.string() + ": " + ec.message());
  } catch (...) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    fs::remove(journal, ignored);
    throw;
  }
}

// The same with the temporary file beside path.
void WriteDatabaseFile(const fs::path& path, const std::function<void(Database&)>& fill) {
  fs::path temp = path;
  temp += ".partial";
  WriteDatabaseFileVia(path, temp, fill, nullptr);
}

// ---- Data files ------------------------------------------------------------

// One line of a data file that is neither blank nor a comment.
struct DataLine {
  std::string text;  // without leading and trailing blanks
  std::string where; // "file:line", for messages
};

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<DataLine> ReadDataLines(const fs::path& path) {
  std::ifstream in(path);
  if (!in) Fail("cannot read " + path.string());
  std::vector<DataLine> lines;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string text = Trimmed(line);
    if (text.empty() || text[0] == '#') continue;
    lines.push_back({text, path.string() + ":" + std::to_string(number)});
  }
  return lines;
}

// Text after a leading keyword and its blank ("pattern Brick | ..." gives
// "Brick | ..."), or false when the line does not start with that keyword.
bool AfterKeyword(const std::string& text, const std::string& keyword, std::string& rest) {
  if (text.compare(0, keyword.size() + 1, keyword + " ") != 0) return false;
  rest = Trimmed(text.substr(keyword.size() + 1));
  return true;
}

std::vector<std::string> SplitFields(const std::string& text, char separator) {
  std::vector<std::string> fields;
  std::stringstream stream(text);
  std::string field;
  while (std::getline(stream, field, separator)) fields.push_back(Trimmed(field));
  return fields;
}

double ParseNumber(const std::string& word, const DataLine& line) {
  char* end = nullptr;
  double value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0') Fail(line.where + ": not a number: " + word);
  return value;
}

// ---- Layer names -----------------------------------------------------------

struct LayerName {
  std::string name;
  std::string category;
};

std::vector<LayerName> ReadLayerNames(const fs::path& path) {
  std::vector<LayerName> names;
  std::set<std::string> seen;
  std::string category;
  for (const DataLine& line : ReadDataLines(path)) {
    if (line.text.front() == '[' && line.text.back() == ']') {
      category = Trimmed(line.text.substr(1, line.text.size() - 2));
      if (category.empty()) Fail(line.where + ": empty category");
      continue;
    }
    if (category.empty()) Fail(line.where + ": layer name before the first [category]");
    if (!seen.insert(line.text).second) Fail(line.where + ": layer name listed twice: " + line.text);
    names.push_back({line.text, category});
  }
  if (names.empty()) Fail(path.string() + ": no layer names");
  return names;
}

void WriteSettingsDatabase(Database& db, const std::vector<LayerName>& names) {
  db.CreateTables(lintavo::SchemaSettings);
  RowWriter rows(db, "LayerNames", {"Name", "Category"});
  for (const LayerName& layer : names) rows.Add({layer.name, layer.category});
}

// ---- Option sets -----------------------------------------------------------

// Answers the message boxes of the program's routines while they write the
// option sets: they report their failures there, so the first message is
// kept as the tool's failure. Nothing waits for a person.
class FailureCollector final : public lintavo::PromptResponder {
 public:
  int MessageBox(const lintavo::MessageBoxPrompt& prompt) override {
    if (message.empty()) message = prompt.title + ": " + prompt.prompt;
    return lintavo::vbOK;
  }
  lintavo::FileAnswer FileDialog(const lintavo::FilePrompt&) override { return {false, "", 1}; }
  lintavo::ColorAnswer ColorDialog(const lintavo::ColorPrompt&) override { return {false, 0}; }
  bool PrinterSetupDialog(const lintavo::PrinterPrompt&, QPrinter&) override { return false; }
  bool PrintDialog(const lintavo::PrinterPrompt&, QPrinter&) override { return false; }
  void ModalWindowShown(QDialog& dialog) override { dialog.reject(); }

  std::string message;  // the first message shown; empty when all went well
};

// Stores the built-in defaults of types 1 to 5 as the sets "Defaults" and
// makes each the profile's set of its type, through the program's own
// routines, into Support/Settings_qz.mdb of the application folder appFolder.
void WriteDefaultOptionSets(const fs::path& appFolder) {
  FailureCollector failures;
  lintavo::SetPromptResponder(&failures);
  lintavo::SetAppPath(appFolder.string());
  for (lintavo::Integer type = lintavo::SettingDrawing; type <= lintavo::SettingFills; ++type) {
    lintavo::SetBuiltInDefaults(type);
    lintavo::StoreSettings(lintavo::DefaultsSetName, type);
    lintavo::MakeDefaultSettings(lintavo::DefaultsSetName, type);
  }
  lintavo::SetAppPath("");
  lintavo::SetPromptResponder(nullptr);
  if (!failures.message.empty()) Fail("cannot write the default option sets: " + failures.message);
}

// The settings database. The program's routines open it under its own name
// in the Support folder of an application folder, so it is made in a staging
// application folder beside the real one and moved into place complete.
void MakeSettingsDatabase(const fs::path& appFolder, const std::vector<LayerName>& names) {
  const fs::path staging = appFolder / "Support" / "Settings.partial";
  std::error_code ec;
  fs::remove_all(staging, ec);
  fs::create_directories(staging / "Support", ec);
  if (ec) Fail("cannot make " + staging.string() + ": " + ec.message());
  try {
    WriteDatabaseFileVia(
        appFolder / "Support" / "Settings_qz.mdb", staging / "Support" / "Settings_qz.mdb",
        [&](Database& db) { WriteSettingsDatabase(db, names); }, [&] { WriteDefaultOptionSets(staging); });
  } catch (...) {
    fs::remove_all(staging, ec);
    throw;
  }
  fs::remove_all(staging, ec);
}

// ---- Hatch patterns --------------------------------------------------------

constexpr int MaxDashes = 6;  // Dash1 .. Dash6 of a pattern line

struct PatternLine {
  double angle;                       // degrees
  double xOrigin, yOrigin;            // drawing units
  double shift;                       // along the line from one line to the next
  double spacing;                     // across, from one line to the next; above 0
  double dashes[MaxDashes] = {};      // 0 beyond those given
};

struct HatchPattern {
  std::string name;
  std::string description;
  int type;                           // 1 plain lines, 2 material symbol
  long long color;                    // RGB with red in the low byte
  std::vector<PatternLine> lines;
};

// "#RRGGBB" as a stored colour: red in the low byte, blue in the third.
long long ParseColour(const std::string& text, const DataLine& line) {
  if (text.size() != 7 || text[0] != '#' ||
      text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos) {
    Fail(line.where + ": colour must be #RRGGBB: " + text);
  }
  long long rgb = std::stoll(text.substr(1), nullptr, 16);
  long long red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
  return red | (green << 8) | (blue << 16);
}

HatchPattern ParsePatternHeader(const std::string& rest, const DataLine& line) {
  std::vector<std::string> fields = SplitFields(rest, '|');
  if (fields.size() != 4) Fail(line.where + ": expected pattern <name> | <type> | <colour> | <description>");
  if (fields[0].empty()) Fail(line.where + ": pattern without a name");
  double type = ParseNumber(fields[1], line);
  if (type != 1 && type != 2) Fail(line.where + ": pattern type must be 1 or 2");
  return {fields[0], fields[3], static_cast<int>(type), ParseColour(fields[2], line), {}};
}

// How many of the dash values are read as dash-and-gap pairs: a pattern that
// starts with a dash takes a second pair only when its gap (value 4) is not
// 0 and a third only when value 6 is not 0; one that starts with a gap takes
// them only when values 3 and 5 are not 0.
int UsedDashCount(const double (&dashes)[MaxDashes]) {
  if (dashes[0] == 0) return 0;
  int closing = dashes[0] > 0 ? 1 : 0;  // offset of the value that opens a further pair
  if (dashes[2 + closing] == 0) return 2;
  return dashes[4 + closing] == 0 ? 4 : 6;
}

PatternLine ParsePatternLine(const std::string& rest, const DataLine& line) {
  std::istringstream words(rest);
  std::vector<double> numbers;
  for (std::string word; words >> word;) numbers.push_back(ParseNumber(word, line));
  if (numbers.size() < 5 || numbers.size() > 5 + MaxDashes) {
    Fail(line.where + ": expected line <angle> <x> <y> <shift> <spacing> and at most six dashes");
  }
  PatternLine result{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
  if (result.spacing <= 0) Fail(line.where + ": line spacing must be above 0");
  for (size_t i = 5; i < numbers.size(); ++i) result.dashes[i - 5] = numbers[i];
  for (int i = UsedDashCount(result.dashes); i < MaxDashes; ++i) {
    if (result.dashes[i] != 0) Fail(line.where + ": dash value " + std::to_string(i + 1) + " is never used");
  }
  return result;
}

std::vector<HatchPattern> ReadHatchPatterns(const fs::path& path) {
  std::vector<HatchPattern> patterns;
  std::set<std::string> names;
  for (const DataLine& line : ReadDataLines(path)) {
    std::string rest;
    if (AfterKeyword(line.text, "pattern", rest)) {
      if (!patterns.empty() && patterns.back().lines.empty()) Fail(line.where + ": previous pattern has no lines");
      patterns.push_back(ParsePatternHeader(rest, line));
      if (!names.insert(patterns.back().name).second) {
        Fail(line.where + ": pattern name used twice: " + patterns.back().name);
      }
    } else if (AfterKeyword(line.text, "line", rest)) {
      if (patterns.empty()) Fail(line.where + ": line before the first pattern");
      patterns.back().lines.push_back(ParsePatternLine(rest, line));
    } else {
      Fail(line.where + ": expected a pattern or a line");
    }
  }
  if (patterns.empty() || patterns.back().lines.empty()) Fail(path.string() + ": last pattern has no lines");
  return patterns;
}

void WritePatternsDatabase(Database& db, const std::vector<HatchPattern>& patterns) {
  db.CreateTables(lintavo::SchemaPatterns);
  RowWriter patternRows(db, "Patterns", {"Name", "Description", "Type", "Color", "Nlines"});
  RowWriter lineRows(db, "PatternLines",
                     {"PatternID", "ANGLE", "Xorigin", "Yorigin", "DeltaX", "DeltaY", "Dash1", "Dash2",
                      "Dash3", "Dash4", "Dash5", "Dash6"});
  for (const HatchPattern& pattern : patterns) {
    long long id = patternRows.Add({pattern.name, pattern.description, static_cast<long long>(pattern.type),
                                    pattern.color, static_cast<long long>(pattern.lines.size())});
    for (const PatternLine& line : pattern.lines) {
      std::vector<Value> values = {id, line.angle, line.xOrigin, line.yOrigin, line.shift, line.spacing};
      for (double dash : line.dashes) values.push_back(dash);
      lineRows.Add(values);
    }
  }
}

// ---- Stroke fonts: reading the Hershey files -------------------------------

constexpr int FirstCode = 32;   // blank
constexpr int LastCode = 126;   // tilde; the files hold one glyph per code from 32 on

struct HersheyPoint {
  int x, y;  // Hershey units: X to the right, Y downward, both from the glyph centre
};

struct HersheyGlyph {
  int left, right;                                 // spacing box, Hershey units
  std::vector<std::vector<HersheyPoint>> strokes;  // pen-down runs, in drawing order
};

// One glyph at text[pos]: a 5-character number, a 3-character count of
// coordinate pairs, then the pairs; the first pair is the left and right
// bound, " R" lifts the pen, and every other pair is a point, each
// coordinate a character offset from 'R'. pos moves past the glyph.
HersheyGlyph ReadHersheyGlyph(const std::string& text, size_t& pos, const std::string& where) {
  int count = std::atoi(text.substr(pos + 5, 3).c_str());
  if (count < 1 || pos + 8 + 2 * static_cast<size_t>(count) > text.size()) Fail(where + ": damaged glyph");
  const char* pairs = text.c_str() + pos + 8;
  pos += 8 + 2 * static_cast<size_t>(count);
  HersheyGlyph glyph{pairs[0] - 'R', pairs[1] - 'R', {{}}};
  for (int i = 1; i < count; ++i) {
    char x = pairs[2 * i], y = pairs[2 * i + 1];
    if (x == ' ' && y == 'R') {
      glyph.strokes.emplace_back();
    } else {
      glyph.strokes.back().push_back({x - 'R', y - 'R'});
    }
  }
  std::erase_if(glyph.strokes, [](const std::vector<HersheyPoint>& stroke) { return stroke.empty(); });
  return glyph;
}

// The glyphs of codes 32 to 126 from a .jhf file. Long glyphs may continue
// on further lines, so line breaks are dropped before the glyphs are read.
std::vector<HersheyGlyph> ReadHersheyFont(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Fail("cannot read " + path.string() +
         ": the Hershey fonts come from the Debian package hershey-fonts-data; install it "
         "(apt-get install hershey-fonts-data)");
  }
  std::string text;
  for (char c; in.get(c);) {
    if (c != '\n' && c != '\r') text += c;
  }
  std::vector<HersheyGlyph> glyphs;
  size_t pos = 0;
  for (int code = FirstCode; code <= LastCode; ++code) {
    if (pos + 8 > text.size()) Fail(path.string() + ": no glyph for character code " + std::to_string(code));
    glyphs.push_back(ReadHersheyGlyph(text, pos, path.string() + ", code " + std::to_string(code)));
  }
  return glyphs;
}

// ---- Stroke fonts: the glyph frame and the rows ----------------------------

// The fonts written, in this order. Font names hold no hyphen: a glyph's name
// is the font name, "-" and the decimal character code ("TEXT-65").
struct FontSource {
  const char* name;   // font name in glyph names
  const char* file;   // .jhf file in the Hershey font folder
  const char* style;  // words for the glyph descriptions
};
const FontSource FontSources[] = {
    {"TEXT", "rowmans.jhf", "Roman simplex"},
    {"DUPLEX", "rowmand.jhf", "Roman duplex"},
    {"TRIPLEX", "rowmant.jhf", "Roman triplex"},
    {"SCRIPT", "scripts.jhf", "Script simplex"},
    {"GOTHIC", "gothiceng.jhf", "Gothic English"},
};

struct StrokeFont {
  const FontSource* source;
  std::vector<HersheyGlyph> glyphs;  // codes 32 to 126
};

// The glyph frame. A character is drawn in a cell one text height high and
// one advance wide, from (0, 0) at the left end of its base line to (1, 1):
// capitals stand on Y 0 and reach Y 1, the glyph's spacing box is centred on
// X 0.5, descenders hang below Y 0 and brackets rise above Y 1. So a text
// height is the height of its capitals, and the advance (one height at the
// default aspect) is about the natural spacing of these fonts. The Hershey
// fonts put the base line at Y 9 and the top of the capitals at Y -12, Y
// growing downward: 21 units to the text height.
constexpr int HersheyBaseLine = 9;
constexpr int HersheyCapitalTop = -12;
constexpr double HersheyUnitsPerHeight = HersheyBaseLine - HersheyCapitalTop;

struct CellPoint {
  double x, y;
};

CellPoint ToCell(const HersheyGlyph& glyph, HersheyPoint point) {
  double centre = (glyph.left + glyph.right) / 2.0;
  return {0.5 + (point.x - centre) / HersheyUnitsPerHeight,
          (HersheyBaseLine - point.y) / HersheyUnitsPerHeight};
}

// The glyph's extents take in its whole cell as well as its strokes, so a
// blank or a small mark is culled and reduced to a dot like the other
// characters of its size.
struct Extents {
  double xMin = 0, yMin = 0, xMax = 1, yMax = 1;
};

Extents GlyphExtents(const HersheyGlyph& glyph) {
  Extents box;
  for (const std::vector<HersheyPoint>& stroke : glyph.strokes) {
    for (HersheyPoint point : stroke) {
      CellPoint p = ToCell(glyph, point);
      box.xMin = std::min(box.xMin, p.x);
      box.yMin = std::min(box.yMin, p.y);
      box.xMax = std::max(box.xMax, p.x);
      box.yMax = std::max(box.yMax, p.y);
    }
  }
  return box;
}

// The license of the Hershey font data asks for these words to travel with
// the data; every glyph row carries them in its description.
const char* HersheyAcknowledgement =
    "The Hershey Fonts were originally created by Dr. A. V. Hershey while working at the U. S. "
    "National Bureau of Standards. The format of the Font data in this distribution was originally "
    "created by James Hurt, Cognition, Inc., 900 Technology Park Drive, Billerica, MA 01821.";

std::string GlyphDescription(const FontSource& source, int code) {
  return std::string(source.style) + " character " + std::to_string(code) + " '" +
         static_cast<char>(code) + "'. " + HersheyAcknowledgement;
}

// Object types of glyph strokes: a two-point stroke is a Straight Line,
// a longer one a Polyline.
constexpr long long StraightLineType = 2;
constexpr long long PolylineType = 10;
constexpr long long FontGlyphKind = 2;  // item kind of a glyph
constexpr long long YesFlag = -1;       // stored true

// Writers of the glyph, stroke and point rows. nextPoint counts the points
// written so far and gives each stroke row the number of its first point.
struct FontWriters {
  RowWriter fonts, lines, points;
  long long nextPoint = 1;
};

// One stroke: a Lines row owned by the glyph, of no drawing, shown, in the
// default pen; then its points in drawing order. A one-point stroke (a pen
// dot) is stored as a line from the point to itself.
void WriteStroke(FontWriters& w, const HersheyGlyph& glyph, std::vector<HersheyPoint> stroke,
                 long long glyphId) {
  if (stroke.size() == 1) stroke.push_back(stroke.front());
  long long count = static_cast<long long>(stroke.size());
  long long type = count == 2 ? StraightLineType : PolylineType;
  // Rtype, Name, Show, Erased, Flag, Selected, Select, Color, Ltype, Weight, Width, Area,
  // NPoints, PointID, LayerID, OwnerID, ObjectID, DrawingID
  long long lineId = w.lines.Add({type, std::string(), YesFlag, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0.0, 0.0,
                                  count, w.nextPoint, 0LL, glyphId, glyphId, 0LL});
  for (HersheyPoint point : stroke) {
    CellPoint p = ToCell(glyph, point);
    w.points.Add({lineId, p.x, p.y});
  }
  w.nextPoint += count;
}

// The degree sign, which the Hershey files of these fonts do not hold: a
// small ring hanging from the top of the capitals, in a cell as narrow as
// the ring. Code 176 is the degree sign in Latin-1 and in Unicode.
constexpr int DegreeCode = 176;

HersheyGlyph DegreeGlyph() {
  HersheyGlyph ring{-5, 5, {{}}};
  for (HersheyPoint point : {HersheyPoint{0, -12}, {2, -11}, {3, -9}, {2, -7}, {0, -6}, {-2, -7}, {-3, -9},
                             {-2, -11}, {0, -12}})
    ring.strokes.front().push_back(point);
  return ring;
}

std::string DegreeDescription(const FontSource& source) {
  return std::string(source.style) + " degree sign, character 176, drawn as a ring to match the font.";
}

void WriteGlyph(FontWriters& w, const FontSource& source, int code, const HersheyGlyph& glyph) {
  Extents box = GlyphExtents(glyph);
  long long glyphId =
      w.fonts.Add({FontGlyphKind, std::string(source.name) + "-" + std::to_string(code),
                   code == DegreeCode ? DegreeDescription(source) : GlyphDescription(source, code), static_cast<long long>(glyph.strokes.size()), 0.0, 0.0,
                   box.xMin, box.yMin, box.xMax, box.yMax, std::string("A. V. Hershey")});
  for (const std::vector<HersheyPoint>& stroke : glyph.strokes) WriteStroke(w, glyph, stroke, glyphId);
}

std::vector<StrokeFont> ReadStrokeFonts(const fs::path& hersheyFolder) {
  std::vector<StrokeFont> fonts;
  for (const FontSource& source : FontSources) {
    fonts.push_back({&source, ReadHersheyFont(hersheyFolder / source.file)});
  }
  return fonts;
}

// Glyphs are written font by font in ascending code order, each followed by
// its strokes and each stroke by its points: the font loader searches
// forward through all three tables and relies on that order.
void WriteFontsDatabase(Database& db, const std::vector<StrokeFont>& fonts) {
  db.CreateTables(lintavo::SchemaFonts);
  FontWriters w{RowWriter(db, "Fonts",
                          {"Rtype", "Name", "Description", "Nlines", "Xorigin", "Yorigin", "Xmin", "Ymin",
                           "Xmax", "Ymax", "Author"}),
                RowWriter(db, "Lines",
                          {"Rtype", "Name", "Show", "Erased", "Flag", "Selected", "Select", "Color", "Ltype",
                           "Weight", "Width", "Area", "NPoints", "PointID", "LayerID", "OwnerID", "ObjectID",
                           "DrawingID"}),
                RowWriter(db, "Points", {"LineID", "PX", "PY"})};
  for (const StrokeFont& font : fonts) {
    for (int code = FirstCode; code <= LastCode; ++code) {
      WriteGlyph(w, *font.source, code, font.glyphs[code - FirstCode]);
    }
    WriteGlyph(w, *font.source, DegreeCode, DegreeGlyph());
  }
}

// ---- The drawings database -------------------------------------------------

void WriteDrawingsDatabase(Database& db) { db.CreateTables(lintavo::SchemaDrawings); }

// True when the file is a drawings database that holds stored drawings or
// components; a file that is no such database holds nothing to keep.
bool HoldsDrawings(const fs::path& path) {
  if (!fs::exists(path)) return false;
  sqlite3* db = nullptr;
  bool holds = false;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* query = nullptr;
    const char* sql = "SELECT EXISTS (SELECT 1 FROM \"Drawing\") OR EXISTS (SELECT 1 FROM \"Components\")";
    if (sqlite3_prepare_v2(db, sql, -1, &query, nullptr) == SQLITE_OK && sqlite3_step(query) == SQLITE_ROW) {
      holds = sqlite3_column_int(query, 0) != 0;
    }
    sqlite3_finalize(query);
  }
  sqlite3_close(db);
  return holds;
}

// The default drawings database: made anew unless it holds drawings, which
// are kept; the file's time is then brought up to date so that the build
// counts it as made.
void MakeDefaultDrawingsDatabase(const fs::path& path) {
  if (!HoldsDrawings(path)) {
    WriteDatabaseFile(path, WriteDrawingsDatabase);
    return;
  }
  std::error_code ec;
  fs::last_write_time(path, fs::file_time_type::clock::now(), ec);
  if (ec) Fail("cannot touch " + path.string() + ": " + ec.message());
  std::cout << "make_databases: kept " << path.string() << ", which holds stored drawings\n";
}

// ---- Entry -----------------------------------------------------------------

void MakeAppDatabases(const fs::path& appFolder, const fs::path& supportData, const fs::path& hersheyFolder) {
  std::vector<LayerName> layerNames = ReadLayerNames(supportData / "LayerNames.txt");
  std::vector<HatchPattern> patterns = ReadHatchPatterns(supportData / "HatchPatterns.txt");
  std::vector<StrokeFont> fonts = ReadStrokeFonts(hersheyFolder);

  fs::path support = appFolder / "Support";
  std::error_code ec;
  fs::create_directories(support, ec);
  if (ec) Fail("cannot make " + support.string() + ": " + ec.message());
  MakeSettingsDatabase(appFolder, layerNames);
  WriteDatabaseFile(support / "Fonts_qz.mdb", [&](Database& db) { WriteFontsDatabase(db, fonts); });
  WriteDatabaseFile(support / "Patterns_qz.mdb", [&](Database& db) { WritePatternsDatabase(db, patterns); });
  MakeDefaultDrawingsDatabase(appFolder / "Drawings_dwg.mdb");
}

// A new empty drawings database; an existing file is never replaced.
void MakeNewDrawingsDatabase(const fs::path& path) {
  if (fs::exists(path)) Fail(path.string() + " already exists; it is left as it is");
  WriteDatabaseFile(path, WriteDrawingsDatabase);
}

const char* Usage =
    "usage: make_databases <application folder> <support data folder> <Hershey font folder>\n"
    "       make_databases --drawings <new database file>\n";

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "--drawings") {
      MakeNewDrawingsDatabase(argv[2]);
    } else if (argc == 4) {
      MakeAppDatabases(argv[1], argv[2], argv[3]);
    } else {
      std::cerr << Usage;
      return 2;
    }
  } catch (const std::exception& e) {
    std::cerr << "make_databases: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
