// Application folder, path joining, file tests and the temporary folder;
// and the test fixture's own application folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/Services.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using ServicesTest = ProgramTest;

TEST_F(ServicesTest, BackslashNameJoinsUnderTheAppFolder) {
  EXPECT_EQ(AppFilePath("\\Support\\Settings_qz.mdb"), AppFolder() + "/Support/Settings_qz.mdb");
  EXPECT_EQ(AppFilePath("\\magnify.cur"), AppFolder() + "/magnify.cur");
  EXPECT_EQ(JoinPath("/base/", "\\\\Support\\\\x.mdb"), "/base/Support/x.mdb");
}

TEST_F(ServicesTest, AbsolutePathIsUsedAsIs) {
  EXPECT_EQ(AppFilePath("/data/Plans_dwg.mdb"), "/data/Plans_dwg.mdb");
  EXPECT_EQ(JoinPath("/base", "/data/My Plans/A_dwg.MDB"), "/data/My Plans/A_dwg.MDB");
}

TEST_F(ServicesTest, RelativeNameJoinsUnderTheAppFolderKeepingItsCase) {
  EXPECT_EQ(AppFilePath("Drawings_dwg.mdb"), AppFolder() + "/Drawings_dwg.mdb");
  EXPECT_EQ(AppFilePath("Sub\\My File.MDB"), AppFolder() + "/Sub/My File.MDB");
  EXPECT_EQ(AppFilePath(""), AppFolder());
}

TEST_F(ServicesTest, FileExistsOnlyForFiles) {
  EXPECT_TRUE(FileExists(AppFilePath("magnify.cur")));
  EXPECT_FALSE(FileExists(AppFilePath("Magnify.cur")));  // names keep their case
  EXPECT_FALSE(FileExists(AppFilePath("nothere.mdb")));
  EXPECT_FALSE(FileExists(AppFolder()));
  EXPECT_FALSE(FileExists(""));
}

TEST_F(ServicesTest, AppPathOverrideIsCleanedAndRestored) {
  EXPECT_EQ(AppPath(), AppFolder());
  SetAppPath(AppFolder() + "/");
  EXPECT_EQ(AppPath(), AppFolder());
  SetAppPath("");
  EXPECT_EQ(AppPath(), QCoreApplication::applicationDirPath().toStdString());
}

TEST_F(ServicesTest, TempFilePathIsWritableAndKeepsOnlyTheName) {
  const String path = TempFilePath("ok.jpg");
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(QFileInfo(QString::fromStdString(path)).fileName(), "ok.jpg");
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  EXPECT_EQ(file.write("image"), 5);
  file.close();
  EXPECT_EQ(TempFilePath("..\\..\\ok.jpg"), path);
  EXPECT_EQ(TempFilePath("../ok.jpg"), path);
}

TEST_F(ServicesTest, FixtureAppFolderIsACopyWithoutThePrograms) {
  const String templateFolder = qEnvironmentVariable("LINTAVO_APP_TEMPLATE").toStdString();
  ASSERT_TRUE(FileExists(JoinPath(templateFolder, "lintavo")));
  EXPECT_FALSE(FileExists(AppFilePath("lintavo")));
  for (const char* name : {"magnify.cur", "hwe.cur", "Blank.cur"}) {
    EXPECT_TRUE(FileExists(AppFilePath(name))) << name;
  }
  EXPECT_NE(AppFolder().find(QDir::tempPath().toStdString()), String::npos);
}

}  // namespace
}  // namespace lintavo
