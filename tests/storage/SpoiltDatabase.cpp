// SpoiltDatabase: the statements and byte writes that spoil a database file.
#include "storage/SpoiltDatabase.h"

#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>

#include "storage/TestDatabase.h"

namespace lintavo {

std::vector<String> WithoutKey(const String& table) {
  const String quoted = "\"" + table + "\"";
  return {"CREATE TABLE Rebuilt AS SELECT * FROM " + quoted, "DROP TABLE " + quoted,
          "ALTER TABLE Rebuilt RENAME TO " + quoted};
}

std::vector<String> PastIndex(const String& index, const std::vector<String>& adding) {
  std::vector<String> all = {
      "CREATE TEMP TABLE Kept AS SELECT * FROM sqlite_master WHERE name = '" + index + "'",
      "PRAGMA writable_schema = ON", "DELETE FROM sqlite_master WHERE name = '" + index + "'",
      "PRAGMA writable_schema = RESET"};
  all.insert(all.end(), adding.begin(), adding.end());
  all.insert(all.end(), {"PRAGMA writable_schema = ON", "INSERT INTO sqlite_master SELECT * FROM temp.Kept",
                         "PRAGMA writable_schema = RESET"});
  return all;
}

void BreakPageOf(const String& path, const String& table) {
  qint64 page = 0, size = 0;
  {
    TestDatabase db(path);
    page = static_cast<qint64>(db.Number("SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'"));
    size = static_cast<qint64>(db.Number("PRAGMA page_size"));
  }
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * size));
  file.write(QByteArray(1, '\0'));
}

// Spoilt beside the file it replaces and renamed over it: the copy is
// another file, never one that takes the number of the file it replaces.
void SpoiltCopy(const String& source, const String& path, const std::vector<String>& statements,
                const char* brokenPage) {
  const String spoilt = path + ".spoilt";
  QFile::remove(QString::fromStdString(spoilt));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(source), QString::fromStdString(spoilt)));
  {
    TestDatabase db(spoilt, true);
    for (const String& sql : statements) db.Exec(sql);
  }
  if (brokenPage) BreakPageOf(spoilt, brokenPage);
  ASSERT_EQ(std::rename(spoilt.c_str(), path.c_str()), 0);
}

}  // namespace lintavo
