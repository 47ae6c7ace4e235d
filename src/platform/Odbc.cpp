// Odbc: the ODBC driver manager's lists, connections and statements.
//
// Sections:
//   Diagnostics
//   The driver manager's lists
//   Connection
//   Statement: running, describing, reading values
#include "platform/Odbc.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <type_traits>

namespace lintavo {

static_assert(std::is_same_v<SQLLEN, long>, "indicators are kept as long");

namespace {

constexpr SQLSMALLINT NameBufferLength = 1024;  // characters of a name, description or type buffer
constexpr SQLLEN PieceLength = 8192;            // bytes read from a long value per SQLGetData call
constexpr const char* NoQuote = " ";            // the identifier quote of a source without one

// Columns of the catalogue results, 1-based as ODBC numbers them.
constexpr SQLUSMALLINT TablesNameColumn = 3;   // SQLTables: TABLE_NAME
constexpr SQLUSMALLINT ColumnsTableColumn = 3;  // SQLColumns: TABLE_NAME
constexpr SQLUSMALLINT ColumnsNameColumn = 4;   // SQLColumns: COLUMN_NAME
constexpr SQLUSMALLINT ColumnsTypeColumn = 5;   // SQLColumns: DATA_TYPE
constexpr SQLUSMALLINT ColumnsTypeNameColumn = 6;  // SQLColumns: TYPE_NAME

SQLCHAR* Chars(const String& text) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())); }

String TextOf(const SQLCHAR* buffer, SQLSMALLINT length, SQLSMALLINT capacity) {
  const auto size = std::clamp<SQLSMALLINT>(length, 0, static_cast<SQLSMALLINT>(capacity - 1));
  return String(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
}

// ---- Diagnostics -------------------------------------------------------------------

// Every diagnostic record of handle as one text: message (SQLSTATE); records
// apart by "; ". fallback when the handle has none.
DbError Diagnostic(SQLSMALLINT type, SQLHANDLE handle, const String& fallback) {
  String text;
  SQLCHAR state[SQL_SQLSTATE_SIZE + 1];
  SQLCHAR message[SQL_MAX_MESSAGE_LENGTH];
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  for (SQLSMALLINT record = 1; SQL_SUCCEEDED(SQLGetDiagRec(type, handle, record, state, &native, message,
                                                            SQL_MAX_MESSAGE_LENGTH, &length));
       ++record) {
    if (!text.empty()) text += "; ";
    text += TextOf(message, length, SQL_MAX_MESSAGE_LENGTH) + " (" + reinterpret_cast<const char*>(state) + ")";
  }
  return DbError{DbErrOdbc, text.empty() ? fallback : text};
}

// A new environment that speaks ODBC 3.
bool NewEnvironment(SQLHENV& environment, DbError& error) {
  environment = SQL_NULL_HENV;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment))) {
    environment = SQL_NULL_HENV;
    error = {DbErrOdbc, "The ODBC driver manager gives no environment"};
    return false;
  }
  if (!SQL_SUCCEEDED(SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0))) {
    error = Diagnostic(SQL_HANDLE_ENV, environment, "The ODBC driver manager refuses version 3");
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    environment = SQL_NULL_HENV;
    return false;
  }
  return true;
}

// ---- The driver manager's lists ------------------------------------------------------

// The first column of every entry of one of the driver manager's lists
// (SQLDataSources, SQLDrivers), which have the same signature.
template <typename Fetch>
bool ReadList(SQLHENV environment, Fetch fetch, std::vector<String>& names, DbError& error) {
  SQLCHAR name[NameBufferLength], description[NameBufferLength];
  SQLSMALLINT nameLength = 0, descriptionLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  for (;;) {
    const SQLRETURN rc = fetch(environment, direction, name, NameBufferLength, &nameLength, description,
                               NameBufferLength, &descriptionLength);
    if (rc == SQL_NO_DATA) return true;
    if (!SQL_SUCCEEDED(rc)) {
      error = Diagnostic(SQL_HANDLE_ENV, environment, "The ODBC driver manager's list cannot be read");
      return false;
    }
    names.push_back(TextOf(name, nameLength, NameBufferLength));
    direction = SQL_FETCH_NEXT;
  }
}

// Text read from a small info field of a connection.
bool InfoText(SQLHDBC connection, SQLUSMALLINT info, String& out) {
  SQLCHAR buffer[NameBufferLength];
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLGetInfo(connection, info, buffer, NameBufferLength, &length))) return false;
  out = TextOf(buffer, length, NameBufferLength);
  return true;
}

// table with "_", "%" and the escape itself preceded by escape, so that a
// catalogue function taking a pattern matches that name only.
String EscapedPattern(const String& table, const String& escape) {
  if (escape.empty()) return table;
  String out;
  for (char c : table) {
    if (c == '_' || c == '%' || escape.find(c) != String::npos) out += escape;
    out += c;
  }
  return out;
}

String ValueText(const DbValue& value) {
  const auto* text = std::get_if<String>(&value.Get());
  return text != nullptr ? *text : String();
}

bool IsWholeType(SQLSMALLINT type) {
  return type == SQL_BIT || type == SQL_TINYINT || type == SQL_SMALLINT || type == SQL_INTEGER || type == SQL_BIGINT;
}
bool IsRealType(SQLSMALLINT type) { return type == SQL_REAL || type == SQL_FLOAT || type == SQL_DOUBLE; }
bool IsBinaryType(SQLSMALLINT type) {
  return type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
}

}  // namespace

OdbcCatalogue ReadOdbcCatalogue() {
  OdbcCatalogue catalogue;
  SQLHENV environment = SQL_NULL_HENV;
  if (!NewEnvironment(environment, catalogue.Error)) return catalogue;
  if (ReadList(environment, SQLDataSources, catalogue.DataSources, catalogue.Error))
    ReadList(environment, SQLDrivers, catalogue.Drivers, catalogue.Error);
  SQLFreeHandle(SQL_HANDLE_ENV, environment);
  return catalogue;
}

// ---- Connection ----------------------------------------------------------------------

struct OdbcHandles {
  SQLHENV Environment = SQL_NULL_HENV;  // the connection's own environment
  SQLHDBC Connection = SQL_NULL_HDBC;   // the connection handle
  bool Connected = false;               // SQLDriverConnect succeeded
  String SearchEscape;                  // escape of "_" and "%" in catalogue patterns; "" none
  ~OdbcHandles() {
    if (Connected) SQLDisconnect(Connection);
    if (Connection != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, Connection);
    if (Environment != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, Environment);
  }
};

OdbcConnection::OdbcConnection() = default;
OdbcConnection::~OdbcConnection() { Close(); }

bool OdbcConnection::Fail(const DbError& error) {
  error_ = error;
  return false;
}

bool OdbcConnection::Open(const String& dataSource) {
  Close();
  error_ = {};
  // A ";" would end the name and start other attributes of the connection.
  if (dataSource.empty() || dataSource.find(';') != String::npos)
    return Fail({DbErrOdbc, "\"" + dataSource + "\" is not the name of a data source"});
  auto handles = std::make_unique<OdbcHandles>();
  if (!NewEnvironment(handles->Environment, error_)) return false;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, handles->Environment, &handles->Connection))) {
    handles->Connection = SQL_NULL_HDBC;
    return Fail(Diagnostic(SQL_HANDLE_ENV, handles->Environment, "The ODBC driver manager gives no connection"));
  }
  // The program only reads data sources and never makes a database: NoCreat
  // keeps the SQLite driver from making an empty file where the data source
  // names a missing one (it then fails to connect); drivers that do not know
  // the keyword pass over it.
  const String connect = "DSN=" + dataSource + ";NoCreat=1;";
  if (!SQL_SUCCEEDED(SQLDriverConnect(handles->Connection, nullptr, Chars(connect), SQL_NTS, nullptr, 0, nullptr,
                                      SQL_DRIVER_NOPROMPT)))
    return Fail(Diagnostic(SQL_HANDLE_DBC, handles->Connection, "The data source " + dataSource + " cannot be opened"));
  handles->Connected = true;
  String quote;
  if (!InfoText(handles->Connection, SQL_IDENTIFIER_QUOTE_CHAR, quote) ||
      !InfoText(handles->Connection, SQL_SEARCH_PATTERN_ESCAPE, handles->SearchEscape))
    return Fail(Diagnostic(SQL_HANDLE_DBC, handles->Connection, "The data source " + dataSource + " gives no quote"));
  quote_ = quote == NoQuote ? String() : quote;
  handles_ = std::move(handles);
  return true;
}

void OdbcConnection::Close() { handles_.reset(); }

bool OdbcConnection::IsOpen() const { return handles_ != nullptr; }

String OdbcConnection::QuoteName(const String& name) const {
  if (quote_.empty()) return name;
  String out = quote_;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name.compare(i, quote_.size(), quote_) == 0) out += quote_;
    out += name[i];
  }
  return out + quote_;
}

bool OdbcConnection::TableNames(std::vector<String>& names) {
  names.clear();
  OdbcStatement list;
  if (!list.Start(*this)) return Fail(list.Error());
  static const String tableType = "TABLE";
  if (!SQL_SUCCEEDED(SQLTables(list.stmt_, nullptr, 0, nullptr, 0, nullptr, 0, Chars(tableType), SQL_NTS)))
    list.Fail();
  if (list.Failed() || !list.Describe()) return Fail(list.Error());
  std::vector<DbValue> row;
  while (list.FetchRow(row)) names.push_back(ValueText(row[TablesNameColumn - 1]));
  return !list.Failed() || Fail(list.Error());
}

bool OdbcConnection::Columns(const String& table, std::vector<OdbcColumn>& columns) {
  columns.clear();
  OdbcStatement list;
  if (!list.Start(*this)) return Fail(list.Error());
  const String pattern = EscapedPattern(table, handles_->SearchEscape);
  if (!SQL_SUCCEEDED(SQLColumns(list.stmt_, nullptr, 0, nullptr, 0, Chars(pattern), SQL_NTS, nullptr, 0)))
    list.Fail();
  if (list.Failed() || !list.Describe()) return Fail(list.Error());
  std::vector<DbValue> row;
  while (list.FetchRow(row)) {
    // A driver that takes the escape as a plain character lists other tables too.
    if (ValueText(row[ColumnsTableColumn - 1]) != table) continue;
    const auto* type = std::get_if<std::int64_t>(&row[ColumnsTypeColumn - 1].Get());
    columns.push_back({ValueText(row[ColumnsNameColumn - 1]), ValueText(row[ColumnsTypeNameColumn - 1]),
                       type != nullptr ? static_cast<int>(*type) : 0});
  }
  return !list.Failed() || Fail(list.Error());
}

// ---- Statement: running, describing, reading values -------------------------------------

OdbcStatement::OdbcStatement() = default;
OdbcStatement::~OdbcStatement() { Close(); }

void OdbcStatement::Close() {
  if (stmt_ != nullptr) SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
  stmt_ = nullptr;
  columns_.clear();
  parameters_.clear();
  indicators_.clear();
}

bool OdbcStatement::Fail() {
  if (error_.Number == DbErrNone) error_ = Diagnostic(SQL_HANDLE_STMT, stmt_, "The ODBC statement failed");
  return false;
}

bool OdbcStatement::Fail(const DbError& error) {
  if (error_.Number == DbErrNone) error_ = error;
  return false;
}

bool OdbcStatement::Start(OdbcConnection& connection) {
  Close();
  error_ = {};
  if (!connection.IsOpen()) return Fail({DbErrNotOpen, "The connection is not open"});
  SQLHDBC dbc = connection.handles_->Connection;
  SQLHSTMT stmt = SQL_NULL_HSTMT;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt)))
    return Fail(Diagnostic(SQL_HANDLE_DBC, dbc, "The connection gives no statement"));
  stmt_ = stmt;
  return true;
}

bool OdbcStatement::Describe() {
  columns_.clear();
  SQLSMALLINT count = 0;
  if (!SQL_SUCCEEDED(SQLNumResultCols(stmt_, &count))) return Fail();
  for (SQLUSMALLINT c = 1; c <= count; ++c) {
    SQLCHAR name[NameBufferLength], typeName[NameBufferLength];
    SQLSMALLINT nameLength = 0, typeLength = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    if (!SQL_SUCCEEDED(SQLDescribeCol(stmt_, c, name, NameBufferLength, &nameLength, &type, &size, &digits, &nullable)) ||
        !SQL_SUCCEEDED(SQLColAttribute(stmt_, c, SQL_DESC_TYPE_NAME, typeName, NameBufferLength, &typeLength, nullptr)))
      return Fail();
    columns_.push_back({TextOf(name, nameLength, NameBufferLength), TextOf(typeName, typeLength, NameBufferLength), type});
  }
  return true;
}

bool OdbcStatement::Bind(size_t index) {
  const auto position = static_cast<SQLUSMALLINT>(index + 1);
  const auto& value = parameters_[index].Get();
  SQLLEN& indicator = indicators_[index];
  SQLSMALLINT cType = SQL_C_CHAR, sqlType = SQL_VARCHAR;
  SQLULEN size = 1;
  SQLPOINTER data = nullptr;
  if (parameters_[index].IsNull()) {
    indicator = SQL_NULL_DATA;
  } else if (const auto* whole = std::get_if<std::int64_t>(&value)) {
    cType = SQL_C_SBIGINT, sqlType = SQL_BIGINT, size = 0;
    data = const_cast<std::int64_t*>(whole);
  } else if (const auto* real = std::get_if<Double>(&value)) {
    cType = SQL_C_DOUBLE, sqlType = SQL_DOUBLE, size = 0;
    data = const_cast<Double*>(real);
  } else if (const auto* text = std::get_if<String>(&value)) {
    indicator = static_cast<SQLLEN>(text->size());
    size = std::max<SQLULEN>(1, text->size());
    data = const_cast<char*>(text->data());
  } else if (const auto* bytes = std::get_if<Bytes>(&value)) {
    cType = SQL_C_BINARY, sqlType = SQL_LONGVARBINARY;
    indicator = static_cast<SQLLEN>(bytes->size());
    size = std::max<SQLULEN>(1, bytes->size());
    data = const_cast<unsigned char*>(bytes->data());
  }
  return SQL_SUCCEEDED(SQLBindParameter(stmt_, position, SQL_PARAM_INPUT, cType, sqlType, size, 0, data, 0, &indicator)) ||
         Fail();
}

bool OdbcStatement::Execute(OdbcConnection& connection, const String& sql, const std::vector<DbValue>& parameters) {
  if (!Start(connection)) return false;
  if (!SQL_SUCCEEDED(SQLPrepare(stmt_, Chars(sql), SQL_NTS))) return Fail();
  parameters_ = parameters;  // bound by address: not resized until the statement closes
  indicators_.assign(parameters_.size(), 0);
  for (size_t i = 0; i < parameters_.size(); ++i)
    if (!Bind(i)) return false;
  const SQLRETURN rc = SQLExecute(stmt_);
  // SQL_NO_DATA: an UPDATE or DELETE that met no row.
  if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) return Fail();
  return Describe();
}

bool OdbcStatement::ReadPieces(int column, short cType, String& out, bool& isNull) {
  out.clear();
  isNull = false;
  char buffer[PieceLength];
  // A character piece ends in a terminating zero that is not part of the value.
  const SQLLEN room = cType == SQL_C_CHAR ? PieceLength - 1 : PieceLength;
  for (;;) {
    SQLLEN length = 0;
    const SQLRETURN rc = SQLGetData(stmt_, static_cast<SQLUSMALLINT>(column + 1), cType, buffer, PieceLength, &length);
    if (rc == SQL_NO_DATA) return true;  // the last piece came with the call before
    if (!SQL_SUCCEEDED(rc)) return Fail();
    if (length == SQL_NULL_DATA) {
      isNull = true;
      return true;
    }
    const bool whole = length != SQL_NO_TOTAL && length <= room;
    out.append(buffer, static_cast<size_t>(whole ? length : room));
    if (whole) return true;
  }
}

bool OdbcStatement::ReadValue(int column, DbValue& value) {
  const auto type = static_cast<SQLSMALLINT>(columns_[static_cast<size_t>(column)].SqlType);
  const auto number = static_cast<SQLUSMALLINT>(column + 1);
  SQLLEN length = 0;
  if (IsWholeType(type)) {
    SQLBIGINT whole = 0;
    if (!SQL_SUCCEEDED(SQLGetData(stmt_, number, SQL_C_SBIGINT, &whole, 0, &length))) return Fail();
    value = length == SQL_NULL_DATA ? DbValue() : DbValue(std::int64_t{whole});
    return true;
  }
  if (IsRealType(type)) {
    Double real = 0;
    if (!SQL_SUCCEEDED(SQLGetData(stmt_, number, SQL_C_DOUBLE, &real, 0, &length))) return Fail();
    value = length == SQL_NULL_DATA ? DbValue() : DbValue(real);
    return true;
  }
  String data;
  bool isNull = false;
  const bool binary = IsBinaryType(type);
  if (!ReadPieces(column, binary ? SQL_C_BINARY : SQL_C_CHAR, data, isNull)) return false;
  if (isNull) value = DbValue();
  else if (binary) value = DbValue(Bytes(data.begin(), data.end()));
  else value = DbValue(data);
  return true;
}

bool OdbcStatement::FetchRow(std::vector<DbValue>& values) {
  values.clear();
  if (stmt_ == nullptr || Failed() || columns_.empty()) return false;
  const SQLRETURN rc = SQLFetch(stmt_);
  if (rc == SQL_NO_DATA) return false;
  if (!SQL_SUCCEEDED(rc)) return Fail();
  values.resize(columns_.size());
  for (size_t c = 0; c < columns_.size(); ++c)
    if (!ReadValue(static_cast<int>(c), values[c])) return false;
  return true;
}

}  // namespace lintavo
