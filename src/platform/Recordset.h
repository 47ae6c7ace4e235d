// Recordset: the rows of one table, read, found, added, changed and deleted
// through a cursor on the current row.
//
// A recordset holds the rows of a table, or those whose column equals a value
// (the program's queries), always in key order: the order of rows is data
// here (vertex order, the first matching row, a pattern's position), and
// SQLite has none of its own. The key order is rowid order, which is the
// order of an INTEGER PRIMARY KEY and the order in which rows were added.
//
// Rows stream from one prepared statement: only the current row is in
// memory, however large the table. Fields are read by ordinal (0 is the
// table's first column) or by name without regard to case; a loop over many
// rows resolves a name once with FieldIndex and reads Field(i), which costs
// no string comparison per row. Null is its own value, distinct from "" and 0.
//
// Changes follow the old cursor model: AddNew, set fields, Update adds a row;
// setting a field of the current row and Update changes it; Delete removes
// it. After Update of an added row the recordset stands on the new row: its
// key (rowid) and the values the table defaults (a CreationDate) read back.
// The INSERT and UPDATE statements are prepared once per set of columns
// written, so a writer adding a million rows prepares one statement. Changes
// not written by Update are dropped when the recordset moves or closes.
//
// Errors: the first failure is kept (Error, Failed). From then on every call
// fails at once, Eof is true and fields read as 0, "" or Null, so a reading
// loop ends and the caller shows ErrorText(Error()) and closes. A Null read
// as a number or a text is a failure (DbErrInvalidNull); test IsNull first
// where a column may be empty.
//
// A RowCursor is the fast road for a loader of many rows: one statement,
// forward only and read only, over the chosen columns of a table's rows (or
// of the child rows of those rows), each column read once by position as the
// type the caller wants, with no copy of a row and no name lookup per row.
//
// A recordset addresses rows by their rowid, read under the first of its
// names (rowid, oid, _rowid_) that no column of the table takes; a table
// without one (WITHOUT ROWID, or columns taking all three names) and a view
// are refused with DbErrNoRowKey. TableRows reads the whole rows of any
// table, such a table too, for the readers that only read.
//
// Sections:
//   Fields of the current row
//   Recordset: opening, related child rows, position, finding, fields,
//   changes, errors
//   Row cursor
//   How a table is declared
//   Whole rows of any table
#pragma once

#include <QDateTime>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Database.h"

namespace lintavo {

class Recordset;
struct DbCell;
}  // namespace lintavo
struct sqlite3_value;
namespace lintavo {

// ---- Fields of the current row -------------------------------------------
// One field of a recordset's current row; valid while the recordset lives.
// Reads convert as the program's types do: a Long or Integer out of its
// range fails with DbErrOverflow, a real read as a whole number is rounded
// half to even, a Single is rounded through single precision on write and
// on read, a number reads as text in the program's number form.
class FieldRef {
 public:
  FieldRef(Recordset* recordset, int index) : rs_(recordset), index_(index) {}

  bool IsNull() const;
  Long AsLong() const;
  DbKey AsKey() const;  // a whole number at the database's full width (keys)
  Integer AsInteger() const;  // also Yes/No columns: -1 true, 0 false
  Double AsDouble() const;
  Single AsSingle() const;
  String AsText() const;
  Bytes AsBytes() const;     // a long binary column (or a text's bytes)
  QDateTime AsDate() const;  // text "YYYY-MM-DD HH:MM:SS", local time
  // The value in one read, for columns that may hold Null: false for Null
  // and for a value of another kind, such as a text in a number column (out
  // unchanged, no failure), and on failure; a loop over many rows pays one
  // lookup per field instead of IsNull and As*.
  bool TryDouble(Double& out) const;
  bool TryText(String& out) const;
  // A whole number within low..high in one read: false for Null, for a value
  // of another kind and for one outside the range (out unchanged, no failure).
  bool TryWhole(std::int64_t low, std::int64_t high, std::int64_t& out) const;
  // The value as stored, of whatever kind (Null, whole, real, text, bytes);
  // Null on failure.
  DbValue Value() const;

  // Writing starts a change of the current row unless AddNew started a new
  // one; Update stores it. Yes/No columns take Flag(...) through SetLong.
  bool SetLong(Long value) const;
  bool SetKey(DbKey value) const;
  bool SetDouble(Double value) const;
  bool SetSingle(Single value) const;
  bool SetText(const String& value) const;
  bool SetBytes(const Bytes& value) const;
  bool SetNull() const;

 private:
  template <typename T, typename Convert>
  T Read(Convert convert) const;  // the current value through convert, or T{} on failure
  template <typename T, typename Convert>
  bool TryRead(T& out, Convert convert) const;  // false for Null or on failure

  Recordset* rs_;  // the recordset whose current row is read
  int index_;      // field ordinal, 0-based; -1 for a name that was not found
};

// ---- Recordset -------------------------------------------------------------
class Recordset {
 public:
  Recordset() = default;
  ~Recordset() = default;
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // -- Opening: positioned on the first row, or at the end when there is none.
  bool Open(Connection& connection, const String& table);
  // Only the rows whose column equals value.
  bool Open(Connection& connection, const String& table, const String& column, const DbValue& value,
            TextMatch match = TextMatch::NoCase);
  void Close();  // closes the child rows too; clears the error
  // Selects again, by the second Open, the rows whose column equals value
  // (of the kind given at Open), positioned on the first: the reading
  // statement is kept and rebound, not prepared again. Child rows follow.
  // False on failure, and for a recordset not opened with a column.
  bool Requery(const DbValue& value);
  bool IsOpen() const { return handle_ != nullptr; }

  // -- Related child rows: Children() holds, for the current row of this
  // recordset, the rows of childTable whose childColumn equals this row's
  // parentColumn, in key order. They follow this recordset as it moves and
  // close with it.
  bool Relate(const String& childTable, const String& parentColumn, const String& childColumn);
  Recordset& Children();  // closed until Relate succeeds; the same object while this lives

  // -- Position. Moving at the end stays at the end.
  bool Eof();
  bool MoveFirst();
  bool MoveNext();
  bool Move(Long rows);  // rows forward, or back when negative; 0 rereads the row

  // -- Finding: from the current row (included) forward, the first row whose
  // column equals value, compared with bound parameters (quotes, "%" and "_"
  // are ordinary characters). Not found: Eof is true and the result is true;
  // false only on failure.
  bool Find(const String& column, const DbValue& value, TextMatch match = TextMatch::NoCase);

  // -- Fields
  int FieldCount() const { return static_cast<int>(names_.size()); }
  String FieldName(int index) const;         // "" outside 0..FieldCount()-1
  int FieldIndex(const String& name) const;  // case ignored; -1 when there is none
  // The column's type as declared in the table ("VARCHAR(20)", "BLOB"); ""
  // when it has none or outside 0..FieldCount()-1.
  String FieldTypeName(int index) const;
  FieldRef Field(int index) { return FieldRef(this, index); }
  FieldRef Field(const String& name);  // an unknown name is a failure

  // -- Changes
  bool AddNew();
  bool Update();  // writes the new or changed row; true when nothing was changed
  bool Delete();  // deletes the current row; move on to reach another

  // -- Errors
  bool Failed() const { return error_.Number != DbErrNone; }
  const DbError& Error() const { return error_; }  // the first failure since Open

 private:
  friend class FieldRef;

  // What the current row is and where its values are read from.
  enum class RowState {
    None,     // at the end (or never positioned): no current row
    Stream,   // the reading statement's current row
    Adding,   // a new row being filled (values_), not yet stored
    Editing,  // the current row copied into values_, being changed
    Stored,   // a row just added or changed, read from values_
    Deleted,  // the current row was deleted
  };

  bool OpenOn(const std::shared_ptr<DbHandle>& handle, const String& table, const String& filterSql,
              const DbValue& filterValue);
  void Release();
  bool Ready();
  bool FollowParent();
  void TakeParentValue();
  bool Position(std::int64_t fromRowid);
  bool Step();
  bool SelectRowid(sqlite3_stmt* stmt, std::int64_t rowid, const DbValue& value,
                   std::int64_t& found);
  bool HasRow() const;

  bool ReadCell(int index, DbCell& cell);
  DbValue CurrentValue(int index);
  bool Write(int index, DbValue value);
  bool BeginEdit();
  bool FetchStoredRow();
  bool Insert();
  bool WriteBack();
  void ResolveKeyField();
  String WriteKey(char kind) const;
  String InsertSql() const;
  String UpdateSql() const;
  template <typename MakeSql>
  sqlite3_stmt* Cached(const String& key, MakeSql makeSql);

  bool Fail(Long number, const String& description);
  bool FailSqlite();

  // Open table and reading statement
  std::shared_ptr<DbHandle> handle_;  // null while closed
  String table_;                      // table name as given
  String key_;                        // the name the rowid is read under (RowKeyName)
  String filterSql_;                  // "" or " AND "column" = ?2 ...": the query's condition
  DbValue filterValue_;               // value bound to ?2 of filterSql_
  std::vector<String> names_;         // field names in the table's column order
  Statement read_;                    // rows with rowid >= ?1 in rowid order; rowid is column 0
  std::uint64_t readAt_ = 0;          // handle_->Writes when read_ was positioned
  std::vector<std::pair<String, Statement>> cache_;  // finds and writes, by kind and columns

  // Current row
  RowState state_ = RowState::None;
  std::int64_t rowid_ = 0;       // rowid of the current (or deleted) row; the
                                 // largest rowid at the end
  std::uint64_t moves_ = 0;      // counts changes of the current row
  std::vector<DbValue> values_;  // row values outside Stream, by field ordinal
  std::vector<bool> written_;    // fields set since AddNew or since the change began
  bool fetchPending_ = false;    // an added row whose defaulted fields are not read yet
  int keyField_ = -2;            // ordinal of the INTEGER PRIMARY KEY; -1 none, -2 not known yet

  // Child rows (SHAPE-like relation)
  Recordset* parent_ = nullptr;  // the recordset these rows follow; null for a top recordset
  int parentField_ = -1;         // ordinal of the parent's related column
  std::uint64_t followed_ = 0;   // parent_->moves_ when the rows were last selected
  std::unique_ptr<Recordset> children_;  // the related rows of Relate; kept once made

  DbError error_;  // the first failure since Open
};

// ---- Row cursor --------------------------------------------------------------
// What a typed read of a cursor's field found.
enum class CellRead {
  Value,    // the value was read into out
  Null,     // the field is Null; out unchanged
  Outside,  // a number outside the range asked for, or not finite; out unchanged
  Mismatch, // a value of another kind (a text in a number column); out unchanged, the cursor goes on
  Failed,   // the cursor failed (now or before): see Error; out unchanged
};

// The rows a cursor reads: those of Table whose Column equals Value (every
// row when Column is ""), compared as a filtered recordset compares.
struct RowSelection {
  String Table;                      // table name
  String Column{};                   // "" for every row
  DbValue Value{};                   // value Column must equal, bound as a parameter
  TextMatch Match = TextMatch::NoCase;  // how a text Value compares
  // Step every row of the table in key order, testing Column on each,
  // rather than search an index of Column: for a selection of a good share
  // of the table, which the index would reach row by row.
  bool WholeTable = false;
};

// A forward-only, read-only pass over rows, with the columns named at
// opening read by their position in that list (0 is the first named).
// Reading a value of another kind altogether (a text where a number is
// asked for) fails the cursor with DbErrTypeMismatch; from then on Eof is
// true and every read gives Failed. Nothing may write to the database while
// a cursor on it is open.
class RowCursor {
 public:
  RowCursor() = default;
  RowCursor(const RowCursor&) = delete;
  RowCursor& operator=(const RowCursor&) = delete;

  // -- Opening: positioned on the first row, or at the end when there is none.
  // The selected rows in key order; Key() is the row's key (rowid).
  bool Open(Connection& connection, const RowSelection& rows, const std::vector<String>& columns);
  // The child rows of the selected rows: those of childTable whose
  // childColumn equals parentColumn of a selected row, ordered by the
  // parent's key and then by their own key; Key() is the parent's key, so a
  // reader merges them with a cursor opened on the same selection.
  bool OpenChildren(Connection& connection, const RowSelection& parents, const String& parentColumn,
                    const String& childTable, const String& childColumn, const std::vector<String>& columns);
  void Close();

  // -- Position
  bool Eof() const { return !onRow_; }
  bool MoveNext();            // false only on failure; at the end it stays there
  std::int64_t Key() const;   // see Open and OpenChildren; 0 at the end

  // -- Fields of the current row, by position among the columns named
  int ColumnCount() const { return static_cast<int>(names_.size()); }
  bool IsNull(int column);
  // A whole number within low..high (a real is rounded half to even).
  CellRead ReadWhole(int column, std::int64_t low, std::int64_t high, std::int64_t& out);
  CellRead ReadReal(int column, Double& out);  // Outside for a value that is not finite
  CellRead ReadText(int column, String& out);  // a number reads in the program's number form
  // A whole number only as stored: Mismatch for a real, a text or bytes,
  // whatever they hold (a key compared as SQLite compares an integer column).
  CellRead ReadStoredWhole(int column, std::int64_t& out);

  // -- Errors
  bool Failed() const { return error_.Number != DbErrNone; }
  const DbError& Error() const { return error_; }  // the first failure since opening

 private:
  bool Start(Connection& connection, const String& sql, const RowSelection& rows,
             const std::vector<String>& columns);
  bool Step();
  bool Cell(int column, DbCell& cell);
  sqlite3_value* ValueAt(int column);  // the column's value in the row; nullptr (failed) when there is none
  sqlite3_value* NoValue(int column);  // ValueAt's failure
  CellRead Mismatch(DbErrorNumber number, int column);
  bool Fail(Long number, const String& description);
  bool FailSqlite();

  std::shared_ptr<DbHandle> handle_;  // null while closed
  Statement read_;                    // key (column 0), then the columns named
  std::vector<String> names_;         // the columns named at opening, for messages
  int columns_ = 0;                   // how many were named
  bool onRow_ = false;                // the statement stands on a row (never after a failure)
  DbError error_;                     // the first failure since opening
};

// ---- How a table is declared -------------------------------------------------------
// A column as its table declares it.
struct ColumnDeclaration {
  String Type;          // the declared type as written ("INTEGER", "VARCHAR(20)"); "" none
  bool RowKey = false;  // the column is the rowid under another name (a lone INTEGER PRIMARY KEY
                        // of a table with rowids, not declared DESC)
};
// How column of table is declared; false when the table has no such column
// or cannot be read (error set).
bool DeclarationOf(Connection& connection, const String& table, const String& column, ColumnDeclaration& out,
                   DbError& error);
// The largest row key (rowid) of table, 0 for an empty table; false when it
// cannot be read (error set).
bool LargestRowKey(Connection& connection, const String& table, std::int64_t& key, DbError& error);

// ---- Whole rows of any table ----------------------------------------------------
// The name under which the rows of table in db read their rowid: the first of
// rowid, oid and _rowid_ that no column of the table takes. key is "" for a
// table whose rows have none (WITHOUT ROWID, or columns taking all three
// names) and for a view, whose rows read Null under every such name. False
// with error set when the table cannot be read at all.
bool RowKeyName(sqlite3* db, const String& table, String& key, DbError& error);

// A forward-only, read-only pass over whole rows of a table of any shape (a
// WITHOUT ROWID table, a column named rowid), each row's values as stored:
// a rowid table in rowid order, another in the order of its primary key.
class TableRows {
 public:
  TableRows() = default;
  TableRows(const TableRows&) = delete;
  TableRows& operator=(const TableRows&) = delete;

  // The rows of the selection (every row of Table when its Column is "").
  bool Open(Connection& connection, const RowSelection& rows);
  // The next row's values in field order into values; false at the end and
  // on failure (see Failed).
  bool Next(std::vector<DbValue>& values);

  int FieldCount() const { return static_cast<int>(names_.size()); }
  const std::vector<String>& FieldNames() const { return names_; }
  String FieldTypeName(int index) const;  // as declared; "" none or outside the fields

  bool Failed() const { return error_.Number != DbErrNone; }
  const DbError& Error() const { return error_; }

 private:
  bool FailSqlite();

  std::shared_ptr<DbHandle> handle_;  // null while closed
  Statement read_;
  std::vector<String> names_;  // field names in the table's column order
  std::vector<String> types_;  // their declared types
  DbError error_;
};

}  // namespace lintavo
