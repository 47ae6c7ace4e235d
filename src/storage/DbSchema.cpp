// DbSchema: the table definitions and the statements made from them.
//
// Sections:
//   Column types
//   Table definitions
//   Statements
//   Creating tables
#include "storage/DbSchema.h"

#include <sqlite3.h>

namespace lintavo {
namespace {

// ---- Column types ----------------------------------------------------------

// The type words of the table descriptions; each becomes one SQL column type.
enum ColumnType {
  ColKey,      // autonumber key of the table
  ColLong,     // 32-bit integer
  ColInteger,  // 16-bit integer
  ColYesNo,    // -1 / 0
  ColSingle,   // 4-byte real (stored as 8 bytes; the reader rounds)
  ColDouble,   // 8-byte real
  ColText,     // text, compared exactly
  ColName,     // text looked up by criteria, compared without regard to case
  ColDate,     // local date and time, defaulted when the row is added
};

struct ColumnDef {
  String name;      // exact letter case
  ColumnType type;
};

struct TableDef {
  String name;                     // exact letter case
  std::vector<ColumnDef> columns;  // in stored order
  std::vector<String> indexed;     // columns with an index of their own
};

const char* ColumnTypeSql(ColumnType type) {
  switch (type) {
    case ColKey: return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case ColLong:
    case ColInteger:
    case ColYesNo: return "INTEGER";
    case ColSingle:
    case ColDouble: return "REAL";
    case ColText: return "TEXT";
    case ColName: return "TEXT COLLATE NOCASE";
    case ColDate: return "TEXT DEFAULT (datetime('now','localtime'))";
  }
  return "";
}

String Quoted(const String& identifier) { return "\"" + identifier + "\""; }

// ---- Table definitions -----------------------------------------------------

// Value columns of Settings: named after the slots of an option set; the
// readers and writers address them by position (2..49) only.
std::vector<ColumnDef> SettingsColumns() {
  std::vector<ColumnDef> columns = {{"SettingID", ColKey}, {"Stype", ColInteger}};
  struct SlotGroup { const char* prefix; int count; ColumnType type; };
  const SlotGroup groups[] = {{"StrSlot", 8, ColText},     {"BoolSlot", 16, ColYesNo},
                              {"IntSlot", 8, ColInteger},  {"LngSlot", 8, ColLong},
                              {"SngSlot", 8, ColSingle}};
  for (const SlotGroup& group : groups) {
    for (int slot = 1; slot <= group.count; ++slot) {
      columns.push_back({group.prefix + std::to_string(slot), group.type});
    }
  }
  return columns;
}

std::vector<TableDef> MakeTableDefs() {
  return {
      {"Drawing",
       {{"DrawID", ColKey},       {"Name", ColName},      {"Revision", ColText},
        {"Rtype", ColText},       {"Category", ColText},  {"Description", ColText},
        {"PartNumber", ColText},  {"Show", ColYesNo},     {"Nobjects", ColLong},
        {"Nlines", ColLong},      {"Nlayers", ColInteger}, {"BaseX", ColDouble},
        {"BaseY", ColDouble},     {"Xmin", ColDouble},    {"Ymin", ColDouble},
        {"Xmax", ColDouble},      {"Ymax", ColDouble},    {"Author", ColText},
        {"CreationDate", ColDate}, {"Xlimit", ColDouble}, {"Ylimit", ColDouble}},
       {"Name"}},
      {"Objects",
       {{"ObjectID", ColKey},     {"Rtype", ColInteger},  {"Name", ColName},
        {"Category", ColText},    {"Description", ColText}, {"Show", ColYesNo},
        {"Lock", ColYesNo},       {"Nlines", ColLong},    {"Xorigin", ColDouble},
        {"Yorigin", ColDouble},   {"Xmin", ColDouble},    {"Ymin", ColDouble},
        {"Xmax", ColDouble},      {"Ymax", ColDouble},    {"DrawingID", ColLong},
        {"Author", ColText},      {"CreationDate", ColDate}},
       {"Name", "DrawingID"}},
      {"Components",
       {{"ObjectID", ColKey},     {"Rtype", ColInteger},  {"Name", ColName},
        {"Category", ColText},    {"Description", ColText}, {"PartNumber", ColText},
        {"LinkType", ColInteger}, {"LinkTable", ColText}, {"LinkField", ColText},
        {"Nlines", ColLong},      {"Xorigin", ColDouble}, {"Yorigin", ColDouble},
        {"Xmin", ColDouble},      {"Ymin", ColDouble},    {"Xmax", ColDouble},
        {"Ymax", ColDouble},      {"Author", ColText},    {"CreationDate", ColDate}},
       {"Name"}},
      {"Lines",
       {{"LineID", ColKey},       {"Rtype", ColInteger},  {"Name", ColName},
        {"Show", ColYesNo},       {"Erased", ColYesNo},   {"Flag", ColLong},
        {"Selected", ColYesNo},   {"Select", ColLong},    {"Color", ColLong},
        {"Ltype", ColInteger},    {"Weight", ColInteger}, {"Width", ColSingle},
        {"Area", ColSingle},      {"NPoints", ColInteger}, {"PointID", ColLong},
        {"LayerID", ColLong},     {"OwnerID", ColLong},   {"ObjectID", ColLong},
        {"DrawingID", ColLong}},
       {"DrawingID", "OwnerID"}},
      {"Points",
       {{"PointID", ColKey}, {"LineID", ColLong}, {"PX", ColDouble}, {"PY", ColDouble}},
       {"LineID"}},
      {"LinkTable",
       {{"LinkID", ColKey},       {"ObjectID", ColLong},  {"ObjectRtype", ColLong},
        {"ObjectName", ColText},  {"Path", ColText},      {"FileName", ColText},
        {"TableName", ColText},   {"FieldName", ColText}, {"LinkData", ColText},
        {"UserID", ColText},      {"Password", ColText},  {"CreationDate", ColDate}},
       {"ObjectID"}},
      {"Settings", SettingsColumns(), {}},
      {"LayerNames", {{"Name", ColName}, {"Category", ColText}}, {"Name"}},
      {"Fonts",
       {{"ObjectID", ColKey},     {"Rtype", ColInteger},  {"Name", ColName},
        {"Description", ColText}, {"Nlines", ColLong},    {"Xorigin", ColDouble},
        {"Yorigin", ColDouble},   {"Xmin", ColDouble},    {"Ymin", ColDouble},
        {"Xmax", ColDouble},      {"Ymax", ColDouble},    {"Author", ColText},
        {"CreationDate", ColDate}},
       {"Name"}},
      {"Patterns",
       {{"PatternID", ColKey},    {"Name", ColName},      {"Description", ColText},
        {"Type", ColInteger},     {"Color", ColLong},     {"Nlines", ColInteger}},
       {}},
      {"PatternLines",
       {{"PlineID", ColKey},      {"PatternID", ColLong}, {"ANGLE", ColSingle},
        {"Xorigin", ColSingle},   {"Yorigin", ColSingle}, {"DeltaX", ColSingle},
        {"DeltaY", ColSingle},    {"Dash1", ColSingle},   {"Dash2", ColSingle},
        {"Dash3", ColSingle},     {"Dash4", ColSingle},   {"Dash5", ColSingle},
        {"Dash6", ColSingle}},
       {"PatternID"}},
  };
}

const std::vector<TableDef>& TableDefs() {
  static const std::vector<TableDef> defs = MakeTableDefs();
  return defs;
}

const TableDef* FindTableDef(const String& table) {
  for (const TableDef& def : TableDefs()) {
    if (def.name == table) return &def;
  }
  return nullptr;
}

// ---- Statements ------------------------------------------------------------

String CreateTableSql(const TableDef& def) {
  String sql = "CREATE TABLE IF NOT EXISTS " + Quoted(def.name) + " (";
  for (size_t i = 0; i < def.columns.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += Quoted(def.columns[i].name) + " " + ColumnTypeSql(def.columns[i].type);
  }
  return sql + ")";
}

// Index names are "<table>_<column>"; an index takes the column's collation,
// so name lookups ignore letter case through the index as well.
String CreateIndexSql(const TableDef& def, const String& column) {
  return "CREATE INDEX IF NOT EXISTS " + Quoted(def.name + "_" + column) + " ON " +
         Quoted(def.name) + " (" + Quoted(column) + ")";
}

// ---- Creating tables -------------------------------------------------------

bool ExecSql(sqlite3* db, const String& sql, String& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message != nullptr ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

// Runs the statements as one unit (a savepoint, so it also works inside a
// transaction of the caller): all of them take effect or none.
bool ExecAll(sqlite3* db, const std::vector<String>& statements, String& error) {
  if (!ExecSql(db, "SAVEPOINT create_schema", error)) return false;
  for (const String& sql : statements) {
    if (!ExecSql(db, sql, error)) {
      String ignored;
      ExecSql(db, "ROLLBACK TO create_schema", ignored);
      ExecSql(db, "RELEASE create_schema", ignored);
      return false;
    }
  }
  return ExecSql(db, "RELEASE create_schema", error);
}

}  // namespace

// ---- Database files --------------------------------------------------------

std::vector<String> SchemaTableNames(SchemaSet set) {
  switch (set) {
    case SchemaDrawings: return {"Drawing", "Objects", "Lines", "Points", "Components", "LinkTable"};
    case SchemaSettings: return {"Settings", "LayerNames"};
    case SchemaFonts: return {"Fonts", "Lines", "Points"};
    case SchemaPatterns: return {"Patterns", "PatternLines"};
  }
  return {};
}

String TableKeyColumn(const String& table) {
  const TableDef* def = FindTableDef(table);
  if (def == nullptr) return "";
  for (const ColumnDef& column : def->columns)
    if (column.type == ColKey) return column.name;
  return "";
}

// ---- Statements ------------------------------------------------------------

std::vector<String> TableSchemaSql(const String& table) {
  const TableDef* def = FindTableDef(table);
  if (def == nullptr) return {};
  std::vector<String> statements = {CreateTableSql(*def)};
  for (const String& column : def->indexed) statements.push_back(CreateIndexSql(*def, column));
  return statements;
}

// ---- Creating tables -------------------------------------------------------

bool CreateSchemaTable(sqlite3* db, const String& table, String& error) {
  std::vector<String> statements = TableSchemaSql(table);
  if (statements.empty()) {
    error = "no table named " + table + " in the database schema";
    return false;
  }
  return ExecAll(db, statements, error);
}

bool CreateSchemaTables(sqlite3* db, SchemaSet set, String& error) {
  std::vector<String> statements;
  for (const String& table : SchemaTableNames(set)) {
    std::vector<String> tableSql = TableSchemaSql(table);
    statements.insert(statements.end(), tableSql.begin(), tableSql.end());
  }
  if (statements.empty()) {
    error = "no tables for database set " + std::to_string(set);
    return false;
  }
  return ExecAll(db, statements, error);
}

}  // namespace lintavo
