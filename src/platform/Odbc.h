// Odbc: databases reached through the ODBC driver manager (unixODBC) by the
// name of a configured data source: the data sources and drivers the manager
// knows, connections opened by data source name, their tables and columns,
// and statements with bound parameters whose rows are read as typed values.
//
// Every ODBC call is checked. A failure leaves a DbError numbered DbErrOdbc
// whose description is the diagnostic text of the driver manager or the
// driver with its SQLSTATE ("[unixODBC][Driver Manager]Data source name not
// found ... (IM002)"), so callers show it as the database layer's errors.
//
// Values pass as the database layer's DbValue: a column of a whole-number
// type reads as a whole number, one of a real type as a real, one of a
// binary type as bytes (pictures), anything else as text (UTF-8); Null is
// its own value. Names of tables and columns reach SQL text only through
// QuoteName, with the data source's own identifier quote.
//
// Sections:
//   The driver manager's lists
//   Connection
//   Statement
#pragma once

#include <memory>
#include <vector>

#include "platform/Database.h"

namespace lintavo {

// ---- The driver manager's lists ------------------------------------------------

// The data sources and the drivers the driver manager knows, in its order.
struct OdbcCatalogue {
  std::vector<String> DataSources;  // names of the configured data sources (user and system)
  std::vector<String> Drivers;      // names of the installed drivers
  DbError Error{};                  // why the lists could not be read; DbErrNone when they were
};
OdbcCatalogue ReadOdbcCatalogue();  // empty lists with Error set when no environment can be had

// ---- Connection --------------------------------------------------------------------

// One column of a table or of a statement's result.
struct OdbcColumn {
  String Name;          // column name as the data source spells it
  String TypeName;      // the data source's name of its type ("VARCHAR(20)", "BLOB"); "" none
  int SqlType = 0;      // the ODBC SQL type code (SQL_VARCHAR, SQL_INTEGER, ...)
};

struct OdbcHandles;  // the environment and connection handles, opaque to callers

class OdbcConnection {
 public:
  OdbcConnection();
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  // Connects to the configured data source of that name without prompting;
  // false for a name that is empty, not configured or refused by its driver.
  // It never makes a database: a data source naming a missing file fails.
  bool Open(const String& dataSource);
  void Close();
  bool IsOpen() const;

  // The names of the tables of type "TABLE", in the driver's order (by name).
  bool TableNames(std::vector<String>& names);
  // The columns of table in their order; "_" and "%" in the name are
  // ordinary characters.
  bool Columns(const String& table, std::vector<OdbcColumn>& columns);
  // name as an identifier of this data source: in its quote character with
  // that character doubled inside.
  String QuoteName(const String& name) const;

  const DbError& Error() const { return error_; }  // the last failure of this connection

 private:
  friend class OdbcStatement;
  bool Fail(const DbError& error);

  std::unique_ptr<OdbcHandles> handles_;  // null while closed
  String quote_;                          // identifier quote character ("" when the source has none)
  DbError error_;                         // the last failure
};

// ---- Statement ---------------------------------------------------------------------

// One statement run on an open connection, closed before the connection.
// Rows are read forward once.
class OdbcStatement {
 public:
  OdbcStatement();
  ~OdbcStatement();
  OdbcStatement(const OdbcStatement&) = delete;
  OdbcStatement& operator=(const OdbcStatement&) = delete;

  // Prepares sql, binds parameters to its "?" markers in order and runs it.
  // A statement that returns rows stands before the first.
  bool Execute(OdbcConnection& connection, const String& sql, const std::vector<DbValue>& parameters = {});
  void Close();

  const std::vector<OdbcColumn>& Columns() const { return columns_; }  // of the result; empty without rows
  // Reads the next row's values, one per column; false at the end and on
  // failure (Failed tells which).
  bool FetchRow(std::vector<DbValue>& values);

  bool Failed() const { return error_.Number != DbErrNone; }
  const DbError& Error() const { return error_; }  // the first failure since Execute

 private:
  friend class OdbcConnection;
  bool Start(OdbcConnection& connection);  // a new statement handle on the connection
  bool Describe();                         // columns_ of the result just made
  bool Fail();                             // the statement's diagnostic as the error
  bool Fail(const DbError& error);
  bool Bind(size_t index);
  bool ReadValue(int column, DbValue& value);
  bool ReadPieces(int column, short cType, String& out, bool& isNull);

  void* stmt_ = nullptr;                // SQLHSTMT; null while closed
  std::vector<OdbcColumn> columns_;     // the result's columns
  std::vector<DbValue> parameters_;     // bound values, kept alive until the statement closes
  std::vector<long> indicators_;        // their length or Null indicators (SQLLEN)
  DbError error_;                       // the first failure since Execute
};

}  // namespace lintavo
