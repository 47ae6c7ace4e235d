// OdbcConfig: one ODBC configuration folder for the test program's run.
#include "support/OdbcConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace lintavo {

namespace {

// The folder of the run, removed with its files when the program ends.
QTemporaryDir& Folder() {
  static QTemporaryDir folder;
  return folder;
}

String FolderPath() { return Folder().path().toStdString(); }

bool WriteFile(const String& path, const String& text) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

bool WriteFiles(const String& drivers, const String& dataSources) {
  const String folder = FolderPath();
  return WriteFile(folder + "/odbcinst.ini", drivers) && WriteFile(folder + "/odbc.ini", dataSources) &&
         WriteFile(folder + "/user-odbc.ini", "");
}

}  // namespace

bool PrepareOdbcConfig() {
  if (!Folder().isValid() || !WriteFiles("", "")) return false;
  const String folder = FolderPath();
  return setenv("ODBCSYSINI", folder.c_str(), 1) == 0 && setenv("ODBCINI", (folder + "/user-odbc.ini").c_str(), 1) == 0;
}

void WriteOdbcConfig(const String& drivers, const String& dataSources) {
  const char* named = std::getenv("ODBCSYSINI");
  ASSERT_EQ(String(named != nullptr ? named : ""), FolderPath()) << "PrepareOdbcConfig was not called at the start";
  ASSERT_TRUE(WriteFiles(drivers, dataSources)) << FolderPath();
}

void ConfigureNoDataSource() { WriteOdbcConfig("", ""); }

String SqliteOdbcDriverPath() { return String(LINTAVO_ODBC_DRIVER_DIR) + "/libsqlite3odbc.so"; }

bool SqliteOdbcDriverInstalled() { return QFile::exists(QString::fromStdString(SqliteOdbcDriverPath())); }

void ConfigureSqliteDataSource(const String& name, const String& database) {
  WriteOdbcConfig("[SQLite3 Test]\nDriver=" + SqliteOdbcDriverPath() + "\n",
                  "[" + name + "]\nDriver=SQLite3 Test\nDatabase=" + database + "\n");
}

}  // namespace lintavo
