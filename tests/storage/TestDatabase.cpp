// TestDatabase: the queries, through the sqlite3 C interface.
#include "storage/TestDatabase.h"

#include <QFile>
#include <QString>
#include <cstdlib>
#include <utility>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "storage/DbSchema.h"

namespace lintavo {

TestDatabase::TestDatabase(const String& path, bool writable) {
  int flags = writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open " << path << ": " << sqlite3_errmsg(db_);
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

TestDatabase::~TestDatabase() { sqlite3_close(db_); }

void TestDatabase::Exec(const String& sql, const std::vector<DbValue>& values) { Rows(sql, values); }

std::vector<std::vector<String>> TestDatabase::Rows(const String& sql, const std::vector<DbValue>& values) {
  std::vector<std::vector<String>> rows;
  sqlite3_stmt* statement = nullptr;
  if (db_ == nullptr) return rows;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
    return rows;
  }
  for (size_t i = 0; i < values.size(); ++i) {
    if (BindValue(statement, static_cast<int>(i) + 1, values[i])) continue;
    ADD_FAILURE() << sql << ": value " << i + 1 << " not bound: " << sqlite3_errmsg(db_);
    sqlite3_finalize(statement);
    return rows;
  }
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    std::vector<String> row;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
      const unsigned char* text = sqlite3_column_text(statement, i);
      row.push_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
    }
    rows.push_back(row);
  }
  if (rc != SQLITE_DONE) ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
  sqlite3_finalize(statement);
  return rows;
}

std::vector<String> TestDatabase::FirstColumn(const String& sql) {
  std::vector<String> values;
  for (const std::vector<String>& row : Rows(sql)) values.push_back(row.empty() ? "" : row[0]);
  return values;
}

String TestDatabase::Text(const String& sql) {
  std::vector<String> values = FirstColumn(sql);
  return values.empty() ? "" : values[0];
}

double TestDatabase::Number(const String& sql) { return std::strtod(Text(sql).c_str(), nullptr); }

std::vector<String> TestDatabase::ColumnNames(const String& table) {
  return FirstColumn("SELECT name FROM pragma_table_info('" + table + "') ORDER BY cid");
}

std::vector<String> TestDatabase::ColumnTypes(const String& table) {
  return FirstColumn("SELECT type FROM pragma_table_info('" + table + "') ORDER BY cid");
}

std::vector<String> TestDatabase::TableNames() {
  return FirstColumn(
      "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name");
}

QByteArray FileBytes(const String& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RowsBesides(const String& path, DbKey a, DbKey b, std::vector<String>& rows) {
  rows.clear();
  const String neither = " IS NOT " + std::to_string(a) + " AND ";
  const auto besides = [&](const String& key) { return key + neither + key + " IS NOT " + std::to_string(b); };
  const std::pair<const char*, String> tables[] = {
      {"Drawing", besides("DrawID")},
      {"Objects", besides("DrawingID")},
      {"Lines", besides("DrawingID")},
      {"Points", "NOT EXISTS (SELECT 1 FROM Lines WHERE Lines.LineID = Points.LineID AND NOT (" +
                     besides("DrawingID") + "))"},
      {"Components", "1"},
      {"LinkTable", "1"}};
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
  for (const auto& [table, condition] : tables) {
    const String sql = String("SELECT * FROM \"") + table + "\" WHERE " + condition + " ORDER BY rowid";
    sqlite3_stmt* statement = nullptr;
    ok = ok && sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
      String row = table;
      for (int c = 0; c < sqlite3_column_count(statement); ++c) {
        const unsigned char* text = sqlite3_column_text(statement, c);
        row += '|' + (text != nullptr ? String(reinterpret_cast<const char*>(text)) : String("NULL"));
      }
      rows.push_back(row);
    }
    ok = ok && rc == SQLITE_DONE;
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return ok;
}

void CreateEmptyDrawingsDb(const String& path) {
  QFile::remove(QString::fromStdString(path));
  TestDatabase db(path, true);
  String error;
  EXPECT_TRUE(CreateSchemaTables(db.Handle(), SchemaDrawings, error)) << error;
}

}  // namespace lintavo
