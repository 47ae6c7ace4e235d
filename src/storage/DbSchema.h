// DbSchema: the tables of every database file the program reads or writes,
// defined once for the build tool that makes the files and for the program.
//
// The database files are SQLite files under their traditional names:
//   Support/Settings_qz.mdb   Settings, LayerNames
//   Support/Fonts_qz.mdb      Fonts, Lines, Points
//   Support/Patterns_qz.mdb   Patterns, PatternLines
//   *_dwg.mdb                 Drawing, Objects, Lines, Points, Components,
//                             LinkTable (so a drawings database is also a
//                             component database)
// The build tool make_databases makes the support databases and the default
// drawings database from these definitions; the program creates LinkTable
// from them when a drawings database lacks it.
//
// Column names, their letter case and their order never change: stored files
// depend on them, and the Settings readers address columns by position.
// Every identifier is quoted in the statements ("Select", "Lock", "Type" and
// "Path" are column names and SQL words).
//
// Column types, by the type words of the table descriptions:
//   autonumber key  INTEGER PRIMARY KEY AUTOINCREMENT (never reused, so a
//                   deleted row's key never comes back for another row)
//   Long, Integer   INTEGER
//   Yes/No          INTEGER, -1 for true and 0 for false
//   Single, Double  REAL
//   Text            TEXT; every column called Name is TEXT COLLATE NOCASE:
//                   rows are looked up by name in the database without
//                   regard to letter case ("[Name] = 'Text-65'" finds the
//                   glyph stored as "TEXT-65"), while other texts compare
//                   exactly (a revision that differs only in letter case is
//                   another revision)
//   Date            TEXT "YYYY-MM-DD HH:MM:SS" in local time; CreationDate
//                   columns default to the moment the row is added and are
//                   never written by the program
// Indexes serve the program's lookups only: rows by name, lines by drawing
// and by owner, points by line, pattern lines by pattern, links by component.
#pragma once

#include <vector>

#include "platform/Types.h"

struct sqlite3;

namespace lintavo {

// ---- Database files ----------------------------------------------------------
// Which tables a file holds; values are not stored anywhere.
enum SchemaSet : Integer {
  SchemaDrawings = 1,  // Drawing, Objects, Lines, Points, Components, LinkTable
  SchemaSettings = 2,  // Settings, LayerNames
  SchemaFonts = 3,     // Fonts, Lines, Points
  SchemaPatterns = 4,  // Patterns, PatternLines
};

// The tables of a file of that set, in the order they are created; empty for
// an unknown set.
std::vector<String> SchemaTableNames(SchemaSet set);

// Drawings are keyed from 1: the Lines and Objects rows of DrawingID 0
// belong to no drawing (component definitions, the geometry of named
// items), so a Drawing row keyed below 1 names no drawing, and no load or
// save takes the rows of such a key for a drawing's.
constexpr DbKey FirstDrawingKey = 1;
constexpr bool IsDrawingKey(DbKey key) { return key >= FirstDrawingKey; }

// The autonumber key column of the named table (exact case): the column
// whose value a writer reads back as the key of a row it added; "" when no
// table has that name or it has no such column.
String TableKeyColumn(const String& table);

// ---- Statements --------------------------------------------------------------
// The CREATE TABLE statement of the named table followed by the CREATE INDEX
// statements of its lookups; empty when no table has that name (exact case).
// Tables and indexes are made only when missing: an existing table is left
// unchanged, rows and all.
std::vector<String> TableSchemaSql(const String& table);

// ---- Creating tables in an open database -------------------------------------
// Each returns true on success; on failure false with the database's message
// in error, and nothing of the call is left in the database.
bool CreateSchemaTable(sqlite3* db, const String& table, String& error);
bool CreateSchemaTables(sqlite3* db, SchemaSet set, String& error);

}  // namespace lintavo
