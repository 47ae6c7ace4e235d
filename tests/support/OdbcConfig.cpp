// OdbcConfig: one ODBC configuration folder for the test program's run.
#include "support/OdbcConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace lintavo {

namespace {

// The folder, made and named to the driver manager at the first call.
const String& ConfigFolder() {
  static QTemporaryDir folder;
  static const String path = [] {
    const String made = folder.path().toStdString();
    setenv("ODBCSYSINI", made.c_str(), 1);
    setenv("ODBCINI", (made + "/user-odbc.ini").c_str(), 1);
    return made;
  }();
  return path;
}

void WriteFile(const String& path, const String& text) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
  ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())), static_cast<qint64>(text.size())) << path;
}

}  // namespace

void WriteOdbcConfig(const String& drivers, const String& dataSources) {
  const String& folder = ConfigFolder();
  WriteFile(folder + "/odbcinst.ini", drivers);
  WriteFile(folder + "/odbc.ini", dataSources);
  WriteFile(folder + "/user-odbc.ini", "");
}

void ConfigureNoDataSource() { WriteOdbcConfig("", ""); }

String SqliteOdbcDriverPath() { return String(LINTAVO_ODBC_DRIVER_DIR) + "/libsqlite3odbc.so"; }

bool SqliteOdbcDriverInstalled() { return QFile::exists(QString::fromStdString(SqliteOdbcDriverPath())); }

void ConfigureSqliteDataSource(const String& name, const String& database) {
  WriteOdbcConfig("[SQLite3 Test]\nDriver=" + SqliteOdbcDriverPath() + "\n",
                  "[" + name + "]\nDriver=SQLite3 Test\nDatabase=" + database + "\n");
}

}  // namespace lintavo
