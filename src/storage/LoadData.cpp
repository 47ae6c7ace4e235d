// LoadData: reading a stored drawing, and the hatch pattern library.
#include "storage/LoadData.h"

#include "annotation/Hatches.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "storage/RowReader.h"
#include "storage/SupportFiles.h"

namespace lintavo {

bool LoadDrawing() { return false; }

// ---- Hatch pattern library ----------------------------------------------------------------

namespace {

const char* const LoadPatternsTitle = "Load Patterns";

// Column positions of a Patterns row.
struct PatternFields {
  int id, name, description, type, color, nlines;
  explicit PatternFields(Recordset& rs)
      : id(rs.FieldIndex("PatternID")), name(rs.FieldIndex("Name")),
        description(rs.FieldIndex("Description")), type(rs.FieldIndex("Type")),
        color(rs.FieldIndex("Color")), nlines(rs.FieldIndex("Nlines")) {}
};

// Column positions of a PatternLines row, in the record's field order.
struct PatternLineFields {
  int id, patternId, values[11];
  explicit PatternLineFields(Recordset& rs) : id(rs.FieldIndex("PlineID")), patternId(rs.FieldIndex("PatternID")) {
    const char* names[11] = {"ANGLE", "Xorigin", "Yorigin", "DeltaX", "DeltaY", "Dash1",
                             "Dash2", "Dash3", "Dash4", "Dash5", "Dash6"};
    for (int i = 0; i < 11; ++i) values[i] = rs.FieldIndex(names[i]);
  }
};

bool ReadPattern(Recordset& rs, const PatternFields& f, PatternRec& pattern) {
  for (int field : {f.id, f.type, f.color, f.nlines})
    if (rs.Field(field).IsNull()) return false;
  pattern.PatternID = rs.Field(f.id).AsLong();
  pattern.Name = TextOrEmpty(rs, f.name);
  pattern.Description = TextOrEmpty(rs, f.description);
  pattern.Type = rs.Field(f.type).AsInteger();
  pattern.Color = rs.Field(f.color).AsLong();
  pattern.Nlines = rs.Field(f.nlines).AsInteger();
  return !rs.Failed();
}

bool ReadPatternLine(Recordset& rs, const PatternLineFields& f, PatternLineRec& line) {
  if (rs.Field(f.id).IsNull() || rs.Field(f.patternId).IsNull()) return false;
  for (int field : f.values)
    if (rs.Field(field).IsNull()) return false;
  line.PlineID = rs.Field(f.id).AsLong();
  line.PatternID = rs.Field(f.patternId).AsLong();
  Single* targets[11] = {&line.ANGLE, &line.Xorigin, &line.Yorigin, &line.DeltaX, &line.DeltaY, &line.Dash1,
                         &line.Dash2, &line.Dash3, &line.Dash4, &line.Dash5, &line.Dash6};
  for (int i = 0; i < 11; ++i) *targets[i] = rs.Field(f.values[i]).AsSingle();
  return !rs.Failed();
}

void AppendPattern(const PatternRec& pattern) {
  if (PatternCount + 10 > PatternCap) {
    PatternCap += 100;
    HatchPatterns.resize(PatternCap + 1);
  }
  HatchPatterns[++PatternCount] = pattern;
}

void AppendPatternLine(const PatternLineRec& line) {
  if (PatternLineCount + 100 > PatternLineCap) {
    PatternLineCap += 1000;
    HatchPatternLines.resize(PatternLineCap + 1);
  }
  HatchPatternLines[++PatternLineCount] = line;
}

// The line families of the pattern row the child rows follow now.
void LoadPatternLines(Recordset& lines, DamageReport& damage) {
  PatternLineFields fields(lines);
  for (; !lines.Eof(); lines.MoveNext()) {
    PatternLineRec line;
    if (ReadPatternLine(lines, fields, line))
      AppendPatternLine(line);
    else if (!lines.Failed())
      damage.Report("A pattern line with an empty value was skipped (PlineID " +
                    TextOrEmpty(lines, fields.id) + ").");
  }
}

}  // namespace

void LoadPatterns() {
  Connection connection;
  Recordset patterns;
  DamageReport damage(LoadPatternsTitle);
  if (!connection.Open(SupportFilePath(PatternsDbFile), OpenMode::ReadOnly)) {
    MsgBox(ErrorText(connection.Error()), vbOKOnly, LoadPatternsTitle);
    return;
  }
  if (patterns.Open(connection, "Patterns") && patterns.Relate("PatternLines", "PatternID", "PatternID")) {
    PatternFields fields(patterns);
    for (; !patterns.Eof(); patterns.MoveNext()) {
      PatternRec pattern;
      if (!ReadPattern(patterns, fields, pattern)) {
        if (!patterns.Failed())
          damage.Report("A pattern with an empty value was skipped (row " + TextOrEmpty(patterns, fields.id) + ").");
        continue;
      }
      AppendPattern(pattern);
      // A pattern stored with no lines gets none, even when line rows exist.
      if (pattern.Nlines > 0) LoadPatternLines(patterns.Children(), damage);
      if (patterns.Children().Failed()) break;
    }
  }
  const DbError& error = patterns.Failed() ? patterns.Error() : patterns.Children().Error();
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, LoadPatternsTitle);
}

}  // namespace lintavo
