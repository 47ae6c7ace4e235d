// Recordset: cursors over SQLite tables with rowid-ordered statements, and
// the forward-only row cursor of the loaders.
//
// The reading statement selects "<key>, *" from rowid ?1 on (the key is the
// rowid under a name no column takes), so moving to any
// row is one reset, one bind and one step, and a reader whose table changed
// under it (a write on the same database) starts again after the rowid it
// stood on instead of stepping a statement whose results SQLite leaves open.
#include "platform/Recordset.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sqlite3.h>

#include "platform/Numbers.h"

namespace lintavo {

// One stored value as read, without copying a text or bytes.
struct DbCell {
  int Type = SQLITE_NULL;  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL
  std::int64_t Whole = 0;  // SQLITE_INTEGER
  Double Real = 0;         // SQLITE_FLOAT
  const unsigned char* Data = nullptr;  // SQLITE_TEXT, SQLITE_BLOB
  std::size_t Size = 0;                 // bytes at Data
};

namespace {

constexpr std::int64_t FirstRowid = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t EndRowid = std::numeric_limits<std::int64_t>::max();

// ---- Conversions of a stored value -----------------------------------------
// Each gives DbErrNone with the value, or the error number; Null is tested
// before them.

DbErrorNumber WholeFrom(const DbCell& cell, std::int64_t low, std::int64_t high,
                        std::int64_t& out) {
  if (cell.Type == SQLITE_INTEGER) {
    out = cell.Whole;
  } else if (cell.Type == SQLITE_FLOAT) {
    const Double rounded = RoundHalfEven(cell.Real);
    // high + 1 as a real: for the full 64-bit range high itself rounds up
    // to 2^63, which no whole number of 64 bits reaches.
    if (!(rounded >= static_cast<Double>(low) && rounded < static_cast<Double>(high) + 1.0)) {
      return DbErrOverflow;
    }
    out = static_cast<std::int64_t>(rounded);
  } else {
    return DbErrTypeMismatch;
  }
  return out < low || out > high ? DbErrOverflow : DbErrNone;
}

DbErrorNumber RealFrom(const DbCell& cell, Double& out) {
  if (cell.Type == SQLITE_INTEGER) {
    out = static_cast<Double>(cell.Whole);
  } else if (cell.Type == SQLITE_FLOAT) {
    out = cell.Real;
  } else {
    return DbErrTypeMismatch;
  }
  return DbErrNone;
}

DbErrorNumber SingleFrom(const DbCell& cell, Single& out) {
  Double real = 0;
  if (DbErrorNumber e = RealFrom(cell, real)) return e;
  if (std::isfinite(real) && std::fabs(real) > std::numeric_limits<Single>::max()) {
    return DbErrOverflow;
  }
  out = ToSingle(real);
  return DbErrNone;
}

DbErrorNumber TextFrom(const DbCell& cell, String& out) {
  if (cell.Type == SQLITE_INTEGER) {
    out = std::to_string(cell.Whole);
  } else if (cell.Type == SQLITE_FLOAT) {
    out = NumberText(cell.Real);
  } else if (cell.Type == SQLITE_TEXT) {
    out.assign(reinterpret_cast<const char*>(cell.Data), cell.Size);
  } else {
    return DbErrTypeMismatch;
  }
  return DbErrNone;
}

DbErrorNumber BytesFrom(const DbCell& cell, Bytes& out) {
  if (cell.Type != SQLITE_BLOB && cell.Type != SQLITE_TEXT) return DbErrTypeMismatch;
  out.assign(cell.Data, cell.Data + cell.Size);
  return DbErrNone;
}

// SQLite's date and time text ("2024-05-01 14:03:59", seconds optional
// fraction) as a local time.
DbErrorNumber DateFrom(const DbCell& cell, QDateTime& out) {
  if (cell.Type != SQLITE_TEXT) return DbErrTypeMismatch;
  QString text = QString::fromUtf8(reinterpret_cast<const char*>(cell.Data),
                                   static_cast<qsizetype>(cell.Size));
  if (text.size() > 10 && text[10] == u' ') text[10] = u'T';
  out = QDateTime::fromString(text, Qt::ISODateWithMs);
  return out.isValid() ? DbErrNone : DbErrTypeMismatch;
}

String ConversionText(DbErrorNumber number) {
  if (number == DbErrOverflow) return "Overflow";
  return "Type mismatch";
}

DbCell CellOf(const DbValue& value) {
  DbCell cell;
  const auto& v = value.Get();
  if (const auto* whole = std::get_if<std::int64_t>(&v)) {
    cell.Type = SQLITE_INTEGER;
    cell.Whole = *whole;
  } else if (const auto* real = std::get_if<Double>(&v)) {
    cell.Type = SQLITE_FLOAT;
    cell.Real = *real;
  } else if (const auto* text = std::get_if<String>(&v)) {
    cell.Type = SQLITE_TEXT;
    cell.Data = reinterpret_cast<const unsigned char*>(text->data());
    cell.Size = text->size();
  } else if (const auto* bytes = std::get_if<Bytes>(&v)) {
    cell.Type = SQLITE_BLOB;
    cell.Data = bytes->data();
    cell.Size = bytes->size();
  }
  return cell;
}

// A value of a statement's current row, read as its own kind.
DbCell CellOf(sqlite3_value* value) {
  DbCell cell;
  cell.Type = sqlite3_value_type(value);
  if (cell.Type == SQLITE_INTEGER) {
    cell.Whole = sqlite3_value_int64(value);
  } else if (cell.Type == SQLITE_FLOAT) {
    cell.Real = sqlite3_value_double(value);
  } else if (cell.Type == SQLITE_TEXT) {
    cell.Data = sqlite3_value_text(value);
    cell.Size = static_cast<std::size_t>(sqlite3_value_bytes(value));
  } else if (cell.Type == SQLITE_BLOB) {
    cell.Data = static_cast<const unsigned char*>(sqlite3_value_blob(value));
    cell.Size = static_cast<std::size_t>(sqlite3_value_bytes(value));
  }
  return cell;
}

// Column `column` of a statement's current row. The column's value is taken
// once and read as its own kind: each sqlite3_column_* call would look the
// column up again.
DbCell CellOf(sqlite3_stmt* stmt, int column) { return CellOf(sqlite3_column_value(stmt, column)); }

DbValue ValueOf(const DbCell& cell) {
  switch (cell.Type) {
    case SQLITE_INTEGER:
      return DbValue(cell.Whole);
    case SQLITE_FLOAT:
      return DbValue(cell.Real);
    case SQLITE_TEXT:
      return DbValue(String(reinterpret_cast<const char*>(cell.Data), cell.Size));
    case SQLITE_BLOB:
      return DbValue(Bytes(cell.Data, cell.Data + cell.Size));
    default:
      return DbValue();
  }
}

// The COLLATE clause of a comparison with value: text only, as asked.
String CollateClause(const DbValue& value, TextMatch match) {
  if (!value.IsText()) return "";
  return match == TextMatch::NoCase ? " COLLATE NOCASE" : " COLLATE BINARY";
}

}  // namespace

// ---- Statement cache -------------------------------------------------------

// A statement prepared once per key and kept while the recordset is open;
// makeSql() gives its text, asked only the first time.
template <typename MakeSql>
sqlite3_stmt* Recordset::Cached(const String& key, MakeSql makeSql) {
  for (auto& [k, statement] : cache_) {
    if (k == key) return statement.Get();
  }
  Statement statement;
  if (!statement.Prepare(handle_->Db, makeSql())) {
    FailSqlite();
    return nullptr;
  }
  cache_.emplace_back(key, std::move(statement));
  return cache_.back().second.Get();
}

// ---- Fields of the current row -------------------------------------------

template <typename T, typename Convert>
T FieldRef::Read(Convert convert) const {
  DbCell cell;
  if (!rs_->ReadCell(index_, cell)) return T{};
  if (cell.Type == SQLITE_NULL) {
    rs_->Fail(DbErrInvalidNull, "Invalid use of Null (field " + rs_->FieldName(index_) + ")");
    return T{};
  }
  T out{};
  if (DbErrorNumber e = convert(cell, out)) {
    rs_->Fail(e, ConversionText(e) + " (field " + rs_->FieldName(index_) + ")");
    return T{};
  }
  return out;
}

template <typename T, typename Convert>
bool FieldRef::TryRead(T& out, Convert convert) const {
  DbCell cell;
  if (!rs_->ReadCell(index_, cell) || cell.Type == SQLITE_NULL) return false;
  T value{};
  if (DbErrorNumber e = convert(cell, value)) {
    // A text in a number column is a damaged value of this row, read as no
    // value like a Null: the caller passes over the row, the recordset goes on.
    if (e != DbErrTypeMismatch) rs_->Fail(e, ConversionText(e) + " (field " + rs_->FieldName(index_) + ")");
    return false;
  }
  out = std::move(value);
  return true;
}

bool FieldRef::TryDouble(Double& out) const { return TryRead<Double>(out, RealFrom); }
bool FieldRef::TryText(String& out) const { return TryRead<String>(out, TextFrom); }

DbValue FieldRef::Value() const { return rs_->CurrentValue(index_); }

bool FieldRef::IsNull() const {
  DbCell cell;
  return rs_->ReadCell(index_, cell) && cell.Type == SQLITE_NULL;
}

Long FieldRef::AsLong() const {
  return static_cast<Long>(Read<std::int64_t>([](const DbCell& c, std::int64_t& out) {
    return WholeFrom(c, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max(), out);
  }));
}

DbKey FieldRef::AsKey() const {
  return Read<std::int64_t>([](const DbCell& c, std::int64_t& out) {
    return WholeFrom(c, std::numeric_limits<DbKey>::min(), std::numeric_limits<DbKey>::max(), out);
  });
}

bool FieldRef::TryWhole(std::int64_t low, std::int64_t high, std::int64_t& out) const {
  DbCell cell;
  if (!rs_->ReadCell(index_, cell) || cell.Type == SQLITE_NULL) return false;
  std::int64_t value = 0;
  if (WholeFrom(cell, low, high, value) != DbErrNone) return false;
  out = value;
  return true;
}

Integer FieldRef::AsInteger() const {
  return static_cast<Integer>(Read<std::int64_t>([](const DbCell& c, std::int64_t& out) {
    return WholeFrom(c, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(),
                     out);
  }));
}

Double FieldRef::AsDouble() const { return Read<Double>(RealFrom); }
Single FieldRef::AsSingle() const { return Read<Single>(SingleFrom); }
String FieldRef::AsText() const { return Read<String>(TextFrom); }
Bytes FieldRef::AsBytes() const { return Read<Bytes>(BytesFrom); }
QDateTime FieldRef::AsDate() const { return Read<QDateTime>(DateFrom); }

bool FieldRef::SetLong(Long value) const { return rs_->Write(index_, DbValue(value)); }
bool FieldRef::SetKey(DbKey value) const { return rs_->Write(index_, DbValue(value)); }
bool FieldRef::SetDouble(Double value) const { return rs_->Write(index_, DbValue(value)); }
bool FieldRef::SetSingle(Single value) const {
  return rs_->Write(index_, DbValue(static_cast<Double>(value)));
}
bool FieldRef::SetText(const String& value) const { return rs_->Write(index_, DbValue(value)); }
bool FieldRef::SetBytes(const Bytes& value) const { return rs_->Write(index_, DbValue(value)); }
bool FieldRef::SetNull() const { return rs_->Write(index_, DbValue()); }

// ---- Opening ---------------------------------------------------------------

bool Recordset::Open(Connection& connection, const String& table) {
  return OpenOn(connection.Handle(), table, "", DbValue());
}

bool Recordset::Open(Connection& connection, const String& table, const String& column,
                     const DbValue& value, TextMatch match) {
  const String filter = " AND " + QuoteName(column) + " = ?2" + CollateClause(value, match);
  return OpenOn(connection.Handle(), table, filter, value);
}

bool Recordset::OpenOn(const std::shared_ptr<DbHandle>& handle, const String& table,
                       const String& filterSql, const DbValue& filterValue) {
  Close();
  if (handle == nullptr) return Fail(DbErrNotOpen, "The connection is not open");
  handle_ = handle;
  table_ = table;
  filterSql_ = filterSql;
  filterValue_ = filterValue;
  DbError keyError;
  if (!RowKeyName(handle_->Db, table, key_, keyError)) {
    error_ = keyError;
    Release();
    return false;
  }
  if (key_.empty()) {
    Fail(DbErrNoRowKey, "Table " + QuoteName(table) +
                            " has no rowid to address its rows by (a view, a WITHOUT ROWID table, or columns "
                            "named rowid, oid and _rowid_); it cannot be opened here");
    Release();
    return false;
  }
  const String sql = "SELECT " + key_ + ", * FROM " + QuoteName(table) + " WHERE " + key_ + " >= ?1" +
                     filterSql_ + " ORDER BY " + key_;
  if (!read_.Prepare(handle_->Db, sql)) {
    FailSqlite();
    Release();
    return false;
  }
  const int columns = sqlite3_column_count(read_.Get());
  for (int c = 1; c < columns; ++c) names_.emplace_back(sqlite3_column_name(read_.Get(), c));
  values_.assign(names_.size(), DbValue());
  written_.assign(names_.size(), false);
  if (!Position(FirstRowid)) {
    Release();
    return false;
  }
  return true;
}

void Recordset::Release() {
  if (children_ != nullptr) children_->Close();  // the object stays: callers hold references
  cache_.clear();
  read_.Finalize();
  handle_.reset();
  names_.clear();
  values_.clear();
  written_.clear();
  state_ = RowState::None;
  rowid_ = EndRowid;
  fetchPending_ = false;
  keyField_ = -2;
  key_.clear();
  parent_ = nullptr;
  parentField_ = -1;
}

void Recordset::Close() {
  Release();
  error_ = DbError{};
}

bool Recordset::Requery(const DbValue& value) {
  if (handle_ == nullptr || Failed()) return Ready();
  if (filterSql_.empty() || parent_ != nullptr)
    return Fail(DbErrNotOpen, "The recordset was not opened on a column's value");
  filterValue_ = value;
  return Position(FirstRowid);
}

// ---- Related child rows ----------------------------------------------------

bool Recordset::Relate(const String& childTable, const String& parentColumn,
                       const String& childColumn) {
  if (!Ready()) return false;
  const int field = FieldIndex(parentColumn);
  if (field < 0) return Fail(DbErrNoSuchField, "Field not found: " + parentColumn);
  Recordset& children = Children();
  if (!children.OpenOn(handle_, childTable, " AND " + QuoteName(childColumn) + " = ?2",
                       DbValue())) {
    error_ = children.Error();
    return false;
  }
  children.parent_ = this;
  children.parentField_ = field;
  children.followed_ = moves_ - 1;  // selects the rows at the first use
  return true;
}

Recordset& Recordset::Children() {
  if (children_ == nullptr) children_ = std::make_unique<Recordset>();
  return *children_;
}

// The parent moved since the rows were selected: select those of its new row.
bool Recordset::FollowParent() {
  TakeParentValue();
  return Position(FirstRowid);
}

void Recordset::TakeParentValue() {
  followed_ = parent_->moves_;
  filterValue_ = parent_->HasRow() ? parent_->CurrentValue(parentField_) : DbValue();
}

// ---- Position --------------------------------------------------------------

// Open, not failed, and (for child rows) following the parent's current row.
bool Recordset::Ready() {
  if (handle_ == nullptr) {
    if (!Failed()) Fail(DbErrNotOpen, "The recordset is not open");
    return false;
  }
  if (Failed()) return false;
  if (parent_ != nullptr && followed_ != parent_->moves_) return FollowParent();
  return true;
}

bool Recordset::Eof() { return !Ready() || state_ == RowState::None; }

bool Recordset::MoveFirst() {
  if (handle_ == nullptr || Failed()) return Ready();
  if (parent_ != nullptr) TakeParentValue();
  return Position(FirstRowid);
}

bool Recordset::MoveNext() {
  if (!Ready()) return false;
  if (state_ == RowState::Stream && readAt_ == handle_->Writes) {
    ++moves_;
    return Step();
  }
  if (rowid_ == EndRowid) {
    state_ = RowState::None;
    return true;
  }
  return Position(rowid_ + 1);
}

bool Recordset::Move(Long rows) {
  if (!Ready()) return false;
  if (rows == 0) return state_ == RowState::None || Position(rowid_);
  for (Long i = 0; i < rows; ++i) {
    if (!MoveNext()) return false;
  }
  if (rows > 0) return true;
  sqlite3_stmt* back = Cached("B", [&] {
    return "SELECT " + key_ + " FROM " + QuoteName(table_) + " WHERE " + key_ + " < ?1" + filterSql_ +
           " ORDER BY " + key_ + " DESC LIMIT 1 OFFSET ?3";
  });
  std::int64_t target = EndRowid;
  if (back == nullptr || !SelectRowid(back, rowid_, DbValue(-std::int64_t{rows} - 1), target)) {
    return false;
  }
  if (target == EndRowid) return Fail(DbErrNoCurrentRow, "Move went before the first row");
  return Position(target);
}

// Makes the first row with rowid >= fromRowid current (the end when none).
bool Recordset::Position(std::int64_t fromRowid) {
  sqlite3_stmt* stmt = read_.Get();
  sqlite3_reset(stmt);  // its result is the last step's, already handled
  if (sqlite3_bind_int64(stmt, 1, fromRowid) != SQLITE_OK ||
      (!filterSql_.empty() && !BindValue(stmt, 2, filterValue_))) {
    return FailSqlite();
  }
  readAt_ = handle_->Writes;
  ++moves_;
  return Step();
}

bool Recordset::Step() {
  sqlite3_stmt* stmt = read_.Get();
  const int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) {
    state_ = RowState::Stream;
    rowid_ = sqlite3_column_int64(stmt, 0);
    return true;
  }
  state_ = RowState::None;
  rowid_ = EndRowid;
  if (rc == SQLITE_DONE) {
    sqlite3_reset(stmt);  // ends the read, releasing its lock
    return true;
  }
  FailSqlite();
  sqlite3_reset(stmt);
  return false;
}

bool Recordset::HasRow() const { return state_ != RowState::None && state_ != RowState::Deleted; }

// Runs a statement that selects one rowid, given ?1 a rowid, ?2 the
// recordset's filter value and ?3 value; found is EndRowid when it selects none.
bool Recordset::SelectRowid(sqlite3_stmt* stmt, std::int64_t rowid, const DbValue& value,
                            std::int64_t& found) {
  if (sqlite3_bind_int64(stmt, 1, rowid) != SQLITE_OK ||
      (!filterSql_.empty() && !BindValue(stmt, 2, filterValue_)) || !BindValue(stmt, 3, value)) {
    return FailSqlite();
  }
  const int rc = sqlite3_step(stmt);
  found = rc == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : EndRowid;
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) FailSqlite();
  sqlite3_reset(stmt);
  return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

// ---- Finding ---------------------------------------------------------------

bool Recordset::Find(const String& column, const DbValue& value, TextMatch match) {
  if (!Ready()) return false;
  if (state_ == RowState::None) return true;  // nothing after the end
  const String collate = CollateClause(value, match);
  sqlite3_stmt* find = Cached("F" + collate + "|" + column, [&] {
    return "SELECT " + key_ + " FROM " + QuoteName(table_) + " WHERE " + key_ + " >= ?1" + filterSql_ +
           " AND " + QuoteName(column) + " = ?3" + collate + " ORDER BY " + key_ + " LIMIT 1";
  });
  std::int64_t found = EndRowid;
  if (find == nullptr || !SelectRowid(find, rowid_, value, found)) return false;
  if (found == EndRowid) {
    state_ = RowState::None;
    rowid_ = EndRowid;
    ++moves_;
    return true;
  }
  return Position(found);
}

// ---- Fields ----------------------------------------------------------------

String Recordset::FieldName(int index) const {
  if (index < 0 || index >= FieldCount()) return "";
  return names_[static_cast<std::size_t>(index)];
}

String Recordset::FieldTypeName(int index) const {
  if (index < 0 || index >= FieldCount()) return "";
  const char* declared = sqlite3_column_decltype(read_.Get(), index + 1);  // column 0 is the rowid
  return declared != nullptr ? declared : "";
}

int Recordset::FieldIndex(const String& name) const {
  for (int i = 0; i < FieldCount(); ++i) {
    if (sqlite3_stricmp(names_[static_cast<std::size_t>(i)].c_str(), name.c_str()) == 0) return i;
  }
  return -1;
}

FieldRef Recordset::Field(const String& name) {
  const int index = FieldIndex(name);
  if (index < 0 && !Failed()) Fail(DbErrNoSuchField, "Field not found: " + name);
  return FieldRef(this, index);
}

// The current row's value of a field, from wherever the row is held.
bool Recordset::ReadCell(int index, DbCell& cell) {
  if (!Ready()) return false;
  if (!HasRow()) return Fail(DbErrNoCurrentRow, "There is no current row");
  if (index < 0 || index >= FieldCount()) {
    return Fail(DbErrNoSuchField, "Field not found: ordinal " + std::to_string(index));
  }
  if (state_ == RowState::Stream) {
    cell = CellOf(read_.Get(), index + 1);
    return true;
  }
  const auto i = static_cast<std::size_t>(index);
  if (fetchPending_ && !written_[i] && !FetchStoredRow()) return false;
  cell = CellOf(values_[i]);
  return true;
}

DbValue Recordset::CurrentValue(int index) {
  DbCell cell;
  return ReadCell(index, cell) ? ValueOf(cell) : DbValue();
}

// ---- Changes ---------------------------------------------------------------

bool Recordset::AddNew() {
  if (!Ready()) return false;
  std::fill(values_.begin(), values_.end(), DbValue());
  std::fill(written_.begin(), written_.end(), false);
  fetchPending_ = false;
  state_ = RowState::Adding;
  return true;
}

bool Recordset::Write(int index, DbValue value) {
  if (!Ready()) return false;
  if (index < 0 || index >= FieldCount()) {
    return Fail(DbErrNoSuchField, "Field not found: ordinal " + std::to_string(index));
  }
  if (state_ == RowState::Stream || state_ == RowState::Stored) {
    if (!BeginEdit()) return false;
  }
  if (state_ != RowState::Adding && state_ != RowState::Editing) {
    return Fail(DbErrNoCurrentRow, "There is no current row");
  }
  const auto i = static_cast<std::size_t>(index);
  values_[i] = std::move(value);
  written_[i] = true;
  return true;
}

// Copies the current row into values_ so that it can be changed field by field.
bool Recordset::BeginEdit() {
  if (fetchPending_ && !FetchStoredRow()) return false;
  if (state_ == RowState::Stream) {
    for (int c = 0; c < FieldCount(); ++c) {
      values_[static_cast<std::size_t>(c)] = ValueOf(CellOf(read_.Get(), c + 1));
    }
  }
  std::fill(written_.begin(), written_.end(), false);
  state_ = RowState::Editing;
  return true;
}

bool Recordset::Update() {
  if (!Ready()) return false;
  if (state_ == RowState::Adding) return Insert();
  if (state_ == RowState::Editing) return WriteBack();
  if (!HasRow()) return Fail(DbErrNoCurrentRow, "There is no current row");
  return true;
}

bool Recordset::Delete() {
  if (!Ready()) return false;
  if (state_ == RowState::Adding || !HasRow()) {
    return Fail(DbErrNoCurrentRow, "There is no current row");
  }
  sqlite3_stmt* erase =
      Cached("D", [&] { return "DELETE FROM " + QuoteName(table_) + " WHERE " + key_ + " = ?1"; });
  if (erase == nullptr) return false;
  if (sqlite3_bind_int64(erase, 1, rowid_) != SQLITE_OK) return FailSqlite();
  const int rc = sqlite3_step(erase);
  sqlite3_reset(erase);
  ++handle_->Writes;
  if (rc != SQLITE_DONE) return FailSqlite();
  state_ = RowState::Deleted;
  ++moves_;
  return true;
}

// The statement key of a write: its kind and which fields it writes.
String Recordset::WriteKey(char kind) const {
  String key(1, kind);
  for (bool w : written_) key += w ? '1' : '0';
  return key;
}

// "INSERT INTO "T" ("a", "b") VALUES (?, ?)" for the fields written.
String Recordset::InsertSql() const {
  String columns, params;
  for (int c = 0; c < FieldCount(); ++c) {
    if (!written_[static_cast<std::size_t>(c)]) continue;
    columns += (columns.empty() ? "" : ", ") + QuoteName(names_[static_cast<std::size_t>(c)]);
    params += params.empty() ? "?" : ", ?";
  }
  const String insert = "INSERT INTO " + QuoteName(table_);
  return columns.empty() ? insert + " DEFAULT VALUES"
                         : insert + " (" + columns + ") VALUES (" + params + ")";
}

// "UPDATE "T" SET "a" = ?, "b" = ? WHERE <key> = ?" for the fields written.
String Recordset::UpdateSql() const {
  String sets;
  for (int c = 0; c < FieldCount(); ++c) {
    if (!written_[static_cast<std::size_t>(c)]) continue;
    sets += (sets.empty() ? "" : ", ") + QuoteName(names_[static_cast<std::size_t>(c)]) + " = ?";
  }
  return "UPDATE " + QuoteName(table_) + " SET " + sets + " WHERE " + key_ + " = ?";
}

bool Recordset::Insert() {
  sqlite3_stmt* insert = Cached(WriteKey('I'), [&] { return InsertSql(); });
  if (insert == nullptr) return false;
  int position = 0;
  for (std::size_t c = 0; c < values_.size(); ++c) {
    if (written_[c] && !BindValue(insert, ++position, values_[c])) return FailSqlite();
  }
  const int rc = sqlite3_step(insert);
  sqlite3_reset(insert);
  ++handle_->Writes;
  if (rc != SQLITE_DONE) return FailSqlite();

  rowid_ = sqlite3_last_insert_rowid(handle_->Db);
  state_ = RowState::Stored;
  ++moves_;
  fetchPending_ = true;  // defaults are read back when a field not written is read
  ResolveKeyField();
  if (keyField_ >= 0) {
    values_[static_cast<std::size_t>(keyField_)] = DbValue(rowid_);
    written_[static_cast<std::size_t>(keyField_)] = true;
  }
  return true;
}

bool Recordset::WriteBack() {
  if (std::find(written_.begin(), written_.end(), true) == written_.end()) {
    state_ = RowState::Stored;  // nothing was set
    return true;
  }
  sqlite3_stmt* update = Cached(WriteKey('U'), [&] { return UpdateSql(); });
  if (update == nullptr) return false;
  int position = 0;
  for (std::size_t c = 0; c < values_.size(); ++c) {
    if (written_[c] && !BindValue(update, ++position, values_[c])) return FailSqlite();
  }
  if (sqlite3_bind_int64(update, position + 1, rowid_) != SQLITE_OK) return FailSqlite();
  const int rc = sqlite3_step(update);
  sqlite3_reset(update);
  ++handle_->Writes;
  if (rc != SQLITE_DONE) return FailSqlite();
  if (sqlite3_changes(handle_->Db) == 0) return Fail(DbErrNoCurrentRow, "The row no longer exists");
  state_ = RowState::Stored;
  return true;
}

// Reads the stored row into values_ (after Update: its key and defaults).
bool Recordset::FetchStoredRow() {
  sqlite3_stmt* fetch = Cached(
      "R", [&] { return "SELECT " + key_ + ", * FROM " + QuoteName(table_) + " WHERE " + key_ + " = ?1"; });
  if (fetch == nullptr) return false;
  if (sqlite3_bind_int64(fetch, 1, rowid_) != SQLITE_OK) return FailSqlite();
  const int rc = sqlite3_step(fetch);
  if (rc == SQLITE_ROW) {
    for (int c = 0; c < FieldCount(); ++c) {
      values_[static_cast<std::size_t>(c)] = ValueOf(CellOf(fetch, c + 1));
    }
  }
  sqlite3_reset(fetch);
  if (rc == SQLITE_DONE) return Fail(DbErrNoCurrentRow, "The row no longer exists");
  if (rc != SQLITE_ROW) return FailSqlite();
  fetchPending_ = false;
  return true;
}

// Finds the column that is the rowid (an INTEGER PRIMARY KEY), once, so that
// an added row's key is known without reading the row back.
void Recordset::ResolveKeyField() {
  if (keyField_ != -2) return;
  keyField_ = -1;
  Statement keys;
  if (!keys.Prepare(handle_->Db, "SELECT name, type FROM pragma_table_info(?1) WHERE pk > 0"))
    return;
  if (sqlite3_bind_text(keys.Get(), 1, table_.c_str(), -1, SQLITE_TRANSIENT) != SQLITE_OK) return;
  int count = 0;
  String name, type;
  while (sqlite3_step(keys.Get()) == SQLITE_ROW) {
    ++count;
    name = reinterpret_cast<const char*>(sqlite3_column_text(keys.Get(), 0));
    type = reinterpret_cast<const char*>(sqlite3_column_text(keys.Get(), 1));
  }
  if (count == 1 && sqlite3_stricmp(type.c_str(), "INTEGER") == 0) keyField_ = FieldIndex(name);
}

// ---- Errors ----------------------------------------------------------------

bool Recordset::Fail(Long number, const String& description) {
  if (!Failed()) error_ = DbError{number, description};
  state_ = RowState::None;
  return false;
}

bool Recordset::FailSqlite() {
  if (!Failed()) error_ = SqliteError(handle_ ? handle_->Db : nullptr);
  state_ = RowState::None;
  return false;
}

// ---- Row cursor ------------------------------------------------------------

namespace {

// " WHERE <alias>"column" = ?1" with the selection's collation; "" for every row.
String SelectionWhere(const RowSelection& rows, const String& alias) {
  if (rows.Column.empty()) return "";
  return " WHERE " + alias + QuoteName(rows.Column) + " = ?1" + CollateClause(rows.Value, rows.Match);
}

// ", <alias>"a", <alias>"b"" for the columns named.
String ColumnList(const std::vector<String>& columns, const String& alias) {
  String list;
  for (const String& column : columns) list += ", " + alias + QuoteName(column);
  return list;
}

}  // namespace

bool RowCursor::Open(Connection& connection, const RowSelection& rows, const std::vector<String>& columns) {
  const String sql = "SELECT rowid" + ColumnList(columns, "") + " FROM " + QuoteName(rows.Table) +
                     (rows.WholeTable ? " NOT INDEXED" : "") + SelectionWhere(rows, "") + " ORDER BY rowid";
  return Start(connection, sql, rows, columns);
}

bool RowCursor::OpenChildren(Connection& connection, const RowSelection& parents, const String& parentColumn,
                             const String& childTable, const String& childColumn,
                             const std::vector<String>& columns) {
  const String sql = "SELECT p.rowid" + ColumnList(columns, "c.") + " FROM " + QuoteName(parents.Table) +
                     " AS p JOIN " + QuoteName(childTable) + " AS c ON c." + QuoteName(childColumn) + " = p." +
                     QuoteName(parentColumn) + SelectionWhere(parents, "p.") + " ORDER BY p.rowid, c.rowid";
  return Start(connection, sql, parents, columns);
}

bool RowCursor::Start(Connection& connection, const String& sql, const RowSelection& rows,
                      const std::vector<String>& columns) {
  Close();
  handle_ = connection.Handle();
  if (handle_ == nullptr) return Fail(DbErrNotOpen, "The connection is not open");
  names_ = columns;
  columns_ = ColumnCount();
  if (!read_.Prepare(handle_->Db, sql) || (!rows.Column.empty() && !BindValue(read_.Get(), 1, rows.Value)))
    return FailSqlite();
  return Step();
}

void RowCursor::Close() {
  read_.Finalize();
  handle_.reset();
  names_.clear();
  columns_ = 0;
  onRow_ = false;
  error_ = DbError{};
}

bool RowCursor::MoveNext() {
  if (Failed()) return false;
  return !onRow_ || Step();
}

bool RowCursor::Step() {
  const int rc = sqlite3_step(read_.Get());
  onRow_ = rc == SQLITE_ROW;
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) FailSqlite();
  sqlite3_reset(read_.Get());  // ends the read, releasing its lock
  return rc == SQLITE_DONE;
}

std::int64_t RowCursor::Key() const { return onRow_ ? sqlite3_column_int64(read_.Get(), 0) : 0; }

// The current row's value of a named column, without a copy.
// A failed cursor stands on no row, so one test lets every good read pass.
sqlite3_value* RowCursor::ValueAt(int column) {
  if (!onRow_ || column < 0 || column >= columns_) return NoValue(column);
  return sqlite3_column_value(read_.Get(), column + 1);
}

sqlite3_value* RowCursor::NoValue(int column) {
  if (Failed()) return nullptr;
  if (!onRow_)
    Fail(DbErrNoCurrentRow, "There is no current row");
  else
    Fail(DbErrNoSuchField, "Field not found: ordinal " + std::to_string(column));
  return nullptr;
}

bool RowCursor::Cell(int column, DbCell& cell) {
  sqlite3_value* value = ValueAt(column);
  if (value == nullptr) return false;
  cell = CellOf(value);
  return true;
}

bool RowCursor::IsNull(int column) {
  sqlite3_value* value = ValueAt(column);
  return value != nullptr && sqlite3_value_type(value) == SQLITE_NULL;
}

// The typed reads take the value as its own kind straight from the row; a
// real asked for as a whole number goes the common way.
CellRead RowCursor::ReadWhole(int column, std::int64_t low, std::int64_t high, std::int64_t& out) {
  sqlite3_value* value = ValueAt(column);
  if (value == nullptr) return CellRead::Failed;
  const int type = sqlite3_value_type(value);
  if (type == SQLITE_NULL) return CellRead::Null;
  if (type == SQLITE_INTEGER) {
    const std::int64_t whole = sqlite3_value_int64(value);
    if (whole < low || whole > high) return CellRead::Outside;
    out = whole;
    return CellRead::Value;
  }
  std::int64_t whole = 0;
  const DbErrorNumber number = WholeFrom(CellOf(value), low, high, whole);
  if (number == DbErrTypeMismatch) return Mismatch(number, column);
  if (number == DbErrNone) out = whole;
  return number == DbErrNone ? CellRead::Value : CellRead::Outside;
}

CellRead RowCursor::ReadReal(int column, Double& out) {
  sqlite3_value* value = ValueAt(column);
  if (value == nullptr) return CellRead::Failed;
  const int type = sqlite3_value_type(value);
  if (type == SQLITE_NULL) return CellRead::Null;
  if (type != SQLITE_FLOAT && type != SQLITE_INTEGER) return Mismatch(DbErrTypeMismatch, column);
  const Double real = type == SQLITE_FLOAT ? sqlite3_value_double(value) : static_cast<Double>(sqlite3_value_int64(value));
  if (!std::isfinite(real)) return CellRead::Outside;
  out = real;
  return CellRead::Value;
}

CellRead RowCursor::ReadText(int column, String& out) {
  DbCell cell;
  if (!Cell(column, cell)) return CellRead::Failed;
  if (cell.Type == SQLITE_NULL) return CellRead::Null;
  if (cell.Type == SQLITE_TEXT) {
    out.assign(reinterpret_cast<const char*>(cell.Data), cell.Size);  // keeps out's storage
    return CellRead::Value;
  }
  if (DbErrorNumber number = TextFrom(cell, out)) return Mismatch(number, column);
  return CellRead::Value;
}

CellRead RowCursor::ReadStoredWhole(int column, std::int64_t& out) {
  DbCell cell;
  if (!Cell(column, cell)) return CellRead::Failed;
  if (cell.Type == SQLITE_NULL) return CellRead::Null;
  if (cell.Type != SQLITE_INTEGER) return Mismatch(DbErrTypeMismatch, column);
  out = cell.Whole;
  return CellRead::Value;
}

// A value of another kind than the one asked for is a damaged value of this
// row, as a Null would be: the reader passes over the row and the cursor goes on.
CellRead RowCursor::Mismatch(DbErrorNumber, int) { return CellRead::Mismatch; }

bool RowCursor::Fail(Long number, const String& description) {
  if (!Failed()) error_ = DbError{number, description};
  onRow_ = false;
  return false;
}

bool RowCursor::FailSqlite() {
  if (!Failed()) error_ = SqliteError(handle_ ? handle_->Db : nullptr);
  onRow_ = false;
  return false;
}

// ---- How a table is declared -------------------------------------------------------

bool DeclarationOf(Connection& connection, const String& table, const String& column, ColumnDeclaration& out,
                   DbError& error) {
  const std::shared_ptr<DbHandle> handle = connection.Handle();
  if (handle == nullptr) {
    error = {DbErrNotOpen, "The connection is not open"};
    return false;
  }
  Statement read;
  // A primary key that is no rowid has an index of its own (a WITHOUT ROWID
  // table's, or one declared DESC); the rowid's other name has none.
  if (!read.Prepare(handle->Db,
                    "SELECT type, upper(type) = 'INTEGER' AND pk = 1 AND "
                    "(SELECT count(*) FROM pragma_table_info(?1) WHERE pk > 0) = 1 AND "
                    "NOT EXISTS (SELECT 1 FROM pragma_index_list(?1) WHERE origin = 'pk') "
                    "FROM pragma_table_info(?1) WHERE name = ?2 COLLATE NOCASE") ||
      !BindValue(read.Get(), 1, DbValue(table)) || !BindValue(read.Get(), 2, DbValue(column))) {
    error = SqliteError(handle->Db);
    return false;
  }
  const int rc = sqlite3_step(read.Get());
  if (rc != SQLITE_ROW) {
    if (rc != SQLITE_DONE) error = SqliteError(handle->Db);
    return false;
  }
  const unsigned char* type = sqlite3_column_text(read.Get(), 0);
  out.Type = type == nullptr ? "" : reinterpret_cast<const char*>(type);
  out.RowKey = sqlite3_column_int(read.Get(), 1) != 0;
  return true;
}

bool LargestRowKey(Connection& connection, const String& table, std::int64_t& key, DbError& error) {
  const std::shared_ptr<DbHandle> handle = connection.Handle();
  if (handle == nullptr) {
    error = {DbErrNotOpen, "The connection is not open"};
    return false;
  }
  Statement read;
  if (!read.Prepare(handle->Db, "SELECT max(rowid) FROM " + QuoteName(table)) ||
      sqlite3_step(read.Get()) != SQLITE_ROW) {
    error = SqliteError(handle->Db);
    return false;
  }
  key = sqlite3_column_int64(read.Get(), 0);
  return true;
}

// ---- Whole rows of any table ----------------------------------------------------

namespace {

constexpr const char* RowKeyNames[] = {"rowid", "oid", "_rowid_"};

bool ColumnNames(sqlite3* db, const String& table, std::vector<String>& names, DbError& error) {
  Statement list;
  if (!list.Prepare(db, "SELECT name FROM pragma_table_info(?1)") || !BindValue(list.Get(), 1, DbValue(table))) {
    error = SqliteError(db);
    return false;
  }
  int rc;
  while ((rc = sqlite3_step(list.Get())) == SQLITE_ROW)
    names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list.Get(), 0)));
  if (rc == SQLITE_DONE) return true;
  error = SqliteError(db);
  return false;
}

// Whether table names a view (its name compared as SQLite finds it).
bool IsView(sqlite3* db, const String& table, bool& view, DbError& error) {
  Statement find;
  if (!find.Prepare(db, "SELECT count(*) FROM sqlite_master WHERE type = 'view' AND name = ?1 COLLATE NOCASE") ||
      !BindValue(find.Get(), 1, DbValue(table)) || sqlite3_step(find.Get()) != SQLITE_ROW) {
    error = SqliteError(db);
    return false;
  }
  view = sqlite3_column_int(find.Get(), 0) > 0;
  return true;
}

}  // namespace

bool RowKeyName(sqlite3* db, const String& table, String& key, DbError& error) {
  key.clear();
  bool view = false;
  if (!IsView(db, table, view, error)) return false;
  if (view) return true;  // a view's rows have no rowid: every name of it reads Null
  std::vector<String> columns;
  if (!ColumnNames(db, table, columns, error)) return false;
  for (const char* name : RowKeyNames) {
    const bool taken = std::any_of(columns.begin(), columns.end(),
                                   [&](const String& column) { return sqlite3_stricmp(column.c_str(), name) == 0; });
    if (taken) continue;
    Statement probe;
    if (probe.Prepare(db, "SELECT " + String(name) + " FROM " + QuoteName(table) + " LIMIT 0")) {
      key = name;
      return true;
    }
    // A table without rowid knows none of its names; any other failure is the table's own.
    if (String(sqlite3_errmsg(db)) == "no such column: " + String(name)) return true;
    error = SqliteError(db);
    return false;
  }
  return true;
}

bool TableRows::Open(Connection& connection, const RowSelection& rows) {
  handle_ = connection.Handle();
  names_.clear();
  read_.Finalize();
  error_ = {};
  if (handle_ == nullptr) {
    error_ = {DbErrNotOpen, "The connection is not open"};
    return false;
  }
  String key;
  if (!RowKeyName(handle_->Db, rows.Table, key, error_)) return false;
  const String order = key.empty() ? "" : " ORDER BY " + key;
  const String sql = "SELECT * FROM " + QuoteName(rows.Table) + SelectionWhere(rows, "") + order;
  if (!read_.Prepare(handle_->Db, sql) || (!rows.Column.empty() && !BindValue(read_.Get(), 1, rows.Value)))
    return FailSqlite();
  const int columns = sqlite3_column_count(read_.Get());
  types_.clear();
  for (int c = 0; c < columns; ++c) {
    names_.emplace_back(sqlite3_column_name(read_.Get(), c));
    const char* declared = sqlite3_column_decltype(read_.Get(), c);
    types_.emplace_back(declared == nullptr ? "" : declared);
  }
  return true;
}

bool TableRows::Next(std::vector<DbValue>& values) {
  if (!read_.IsPrepared() || Failed()) return false;
  const int rc = sqlite3_step(read_.Get());
  if (rc == SQLITE_ROW) {
    values.resize(names_.size());
    for (int c = 0; c < FieldCount(); ++c) values[static_cast<std::size_t>(c)] = ValueOf(CellOf(read_.Get(), c));
    return true;
  }
  if (rc != SQLITE_DONE) FailSqlite();
  read_.Finalize();  // the end releases the read
  return false;
}

String TableRows::FieldTypeName(int index) const {
  return index < 0 || index >= FieldCount() ? "" : types_[static_cast<std::size_t>(index)];
}

bool TableRows::FailSqlite() {
  if (!Failed()) error_ = SqliteError(handle_ ? handle_->Db : nullptr);
  return false;
}

}  // namespace lintavo
