// The per-user settings store inside a test's settings scope.
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using SettingsStoreTest = ProgramTest;

TEST_F(SettingsStoreTest, SavedValueReadsBackFromTheScopeFile) {
  EXPECT_TRUE(SaveSetting("Lintavo", "Options", "Show Tips at Startup", "0"));
  EXPECT_TRUE(SaveSetting("Lintavo", "Settings", "MainLeft", " 1000, 2 "));
  EXPECT_EQ(GetSetting("Lintavo", "Options", "Show Tips at Startup", "1"), "0");
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainLeft", "1000"), " 1000, 2 ");

  // On disk in the scope's file, where the user's store would not be.
  QSettings file(QString::fromStdString(ScratchPath("settings.ini")), QSettings::IniFormat);
  EXPECT_EQ(file.value("Lintavo/Options/Show Tips at Startup").toString(), "0");
}

TEST_F(SettingsStoreTest, MissingValueGivesTheDefault) {
  EXPECT_EQ(GetSetting("Lintavo", "Options", "Show Info at Startup", "1"), "1");
  ASSERT_TRUE(SaveSetting("Lintavo", "Options", "Show Info at Startup", "0"));
  EXPECT_EQ(GetSetting("Other", "Options", "Show Info at Startup", "1"), "1");
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "Show Info at Startup", "1"), "1");
}

TEST_F(SettingsStoreTest, ValuesDoNotLeakToAnotherScope) {
  ASSERT_TRUE(SaveSetting("Lintavo", "Settings", "MainTop", "1200"));
  SetSettingsScope(ScratchPath("other.ini"));
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainTop", "1000"), "1000");
  ASSERT_TRUE(SaveSetting("Lintavo", "Settings", "MainTop", "300"));
  SetSettingsScope(ScratchPath("settings.ini"));
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainTop", "1000"), "1200");
}

TEST_F(SettingsStoreTest, UnusableNamesAreRefused) {
  EXPECT_FALSE(SaveSetting("Lintavo", "", "MainTop", "1"));
  EXPECT_FALSE(SaveSetting("Lintavo", "Settings/Main", "Top", "1"));
  EXPECT_FALSE(SaveSetting("Lintavo", "Settings", "Main\\Top", "1"));
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "Main/Top", "none"), "none");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(ScratchPath("settings.ini"))));
}

TEST_F(SettingsStoreTest, UnwritableStoreReportsFailure) {
  QFile blocker(QString::fromStdString(ScratchPath("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SetSettingsScope(ScratchPath("blocker/settings.ini"));  // a folder that is a file
  EXPECT_FALSE(SaveSetting("Lintavo", "Options", "Show Tips at Startup", "0"));
}

}  // namespace
}  // namespace lintavo
