// TestDatabase: plain SQL reads and writes on a database file for the storage
// tests. A statement that fails fails the test with the database's message.
#pragma once

#include <QByteArray>
#include <vector>

#include "platform/Database.h"

struct sqlite3;

namespace lintavo {

class TestDatabase {
 public:
  // Opens the file (":memory:" for a database of the test's own); a file that
  // cannot be opened fails the test, and every query then returns nothing.
  explicit TestDatabase(const String& path, bool writable = false);
  ~TestDatabase();
  TestDatabase(const TestDatabase&) = delete;
  TestDatabase& operator=(const TestDatabase&) = delete;

  sqlite3* Handle() const { return db_; }

  // Runs sql with values bound to its "?" markers in order.
  void Exec(const String& sql, const std::vector<DbValue>& values = {});
  // Every row of the result, each value as text ("" for NULL).
  std::vector<std::vector<String>> Rows(const String& sql, const std::vector<DbValue>& values = {});
  std::vector<String> FirstColumn(const String& sql);  // the first value of every row
  String Text(const String& sql);                      // the first value of the first row, "" if none
  double Number(const String& sql);                    // the same as a number
  std::vector<String> ColumnNames(const String& table);  // in stored order
  std::vector<String> ColumnTypes(const String& table);  // declared types, in stored order
  std::vector<String> TableNames();                      // user tables, in name order

 private:
  sqlite3* db_ = nullptr;
};

// The bytes of the file at path; empty when it cannot be read. The same
// bytes before and after an operation: it wrote nothing.
QByteArray FileBytes(const String& path);

// Every row of the drawings database at path that belongs to neither of the
// drawings keyed a and b (other drawings, component definitions, links),
// each as its table's name and its values as text ("NULL" for Null), table
// by table in key order. False, without failing the test, when the file
// cannot be read so: a damaged copy may not be.
bool RowsBesides(const String& path, DbKey a, DbKey b, std::vector<String>& rows);

// Makes path a new empty drawings database: any file there is removed first;
// a failure fails the test.
void CreateEmptyDrawingsDb(const String& path);

}  // namespace lintavo
