// Verify: what kind of database a file is, told by the names of the tables
// it holds. The dialogs ask before they read or write a file the user chose:
// the save drawing dialog wants a drawings database, the component dialogs a
// component database. The contents of the tables are not looked at. And
// whether a database may take a save at all: every save asks that first.
//
// Sections:
//   Database kinds
//   Table list
//   Checks
//   Fitness for a save
#pragma once

#include <vector>

#include "platform/Database.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Database kinds ----------------------------------------------------------------
// Values of the kind argument; every table of the kind must be present, extra
// tables do no harm, and any other kind is never satisfied.
constexpr Integer DbKindDrawings = 1;   // Drawing, Components, Objects, Lines, Points
constexpr Integer DbKindComponents = 2;  // LinkTable, Components, Lines, Points
constexpr Integer DbKindFonts = 3;      // Fonts, Lines, Points

// ---- Table list --------------------------------------------------------------------
// Rewritten by every listing; the list grows with the database.
extern std::vector<String> DbTableNames;  // user table names, 1-based, in name order
extern Long DbTableCount;                 // names the last listing filled; 0 after a failure

// Fills DbTableNames and DbTableCount with the user tables of the database
// at path. False, with the count 0 and the reason in error, when the file
// cannot be opened as a database (missing, a text file, locked).
bool ListDbTables(const String& path, DbError& error);

// ---- Checks ------------------------------------------------------------------------
// True when the file exists and holds every table of the kind. Table names
// compare exactly: "lines" is not "Lines". A file that cannot be read as a
// database shows its error in a box titled "Verify Database" and gives False.
bool VerifyDatabase(const String& path, Integer kind);

// ---- Fitness for a save ------------------------------------------------------
// Whether the database open on connection (the file at path) may take a
// save: no read found it damaged since it last changed (FoundDamaged);
// PRAGMA integrity_check finds nothing wrong (a quick check does not see an
// index that lacks rows, through which a save would miss the rows it
// replaces and store a drawing twice); and each table of a drawings
// database that it holds keys its rows by its key column (a copy made with
// CREATE TABLE ... AS SELECT keys them by a hidden rowid, and the keys a
// save reads back would not be stored). False, with error saying why
// (DbErrDamaged, DbErrNoRowKey), before anything is written.
bool DatabaseFitToWrite(Connection& connection, const String& path, DbError& error);

void ResetVerify();  // the table list emptied, no file remembered as damaged

}  // namespace lintavo
