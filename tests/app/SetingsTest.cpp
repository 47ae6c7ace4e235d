// Setings: named option sets: saving rows, loading, applying through a
// profile, storing, built-in defaults, the display options and the sets the
// build writes.
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "annotation/Texthand.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/Units.h"
#include "picking/Snaps.h"
#include "storage/DbSchema.h"
#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"
#include "support/SqliteProbes.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/Outline.h"

namespace lintavo {
namespace {

class SetingsTest : public ProgramTest {
 protected:
  String SettingsFile() const { return AppFolder() + "/Support/Settings_qz.mdb"; }
  void Sql(const String& sql) { TestDatabase(SettingsFile(), true).Exec(sql); }
  String SqlText(const String& sql) { return TestDatabase(SettingsFile()).Text(sql); }
  void ExpectOneMessageTitled(const String& title) {
    ASSERT_EQ(Responder().Prompts().size(), 1u);
    EXPECT_EQ(Responder().Prompts()[0].title, title);
  }
  // A profile in memory and in the table naming the sets of types 1..5.
  static void StoreProfile(const String& name, const std::array<String, 6>& sets) {
    for (Integer t = 1; t <= 5; ++t) ProfileSettingNames[t + 1] = sets[t];
    StoreSettings(name, SettingProfile);
  }
};

// ---- Saving rows -----------------------------------------------------------------------

TEST_F(SetingsTest, FirstSaveAddsARowAndReadsBackItsKeyAndTheSecondUpdatesThatRow) {
  Sql("DELETE FROM Settings");
  FilletRadius = 0.75;
  StoreSettings("Mine", SettingDrawing);
  ASSERT_EQ(SettingCount, 1);
  const Long key = SettingSets[1].SettingID;
  EXPECT_GT(key, 0);
  EXPECT_EQ(SqlText("SELECT SettingID FROM Settings WHERE StrSlot1 = 'Mine'"), std::to_string(key));

  FilletRadius = 1.25;
  StoreSettings("Mine", SettingDrawing);
  EXPECT_EQ(SettingSets[1].SettingID, key);
  EXPECT_EQ(SqlText("SELECT COUNT(*) FROM Settings"), "1");
  EXPECT_EQ(SqlText("SELECT SngSlot2 FROM Settings"), "1.25");
}

TEST_F(SetingsTest, NamesWithQuotesAreSavedAndFoundAgain) {
  Sql("DELETE FROM Settings");
  const String name = "O'Neil \"big\" [x]";
  StoreSettings(name, SettingText);
  StoreSettings(name, SettingText);
  EXPECT_EQ(SqlText("SELECT COUNT(*) FROM Settings"), "1");
  ResetProgramState();
  LoadSettings();
  EXPECT_EQ(FindSettingSet(name, SettingText), 1);
}

TEST_F(SetingsTest, AFailedSaveIsReportedAndTheSetIsAddedByItsNextSave) {
  Sql("DROP TABLE Settings");
  Responder().AnswerMsgBox(vbOK);
  StoreSettings("Mine", SettingDrawing);
  ExpectOneMessageTitled("Save Settings");
  EXPECT_EQ(SettingSets[1].SettingID, 0);

  TestDatabase db(SettingsFile(), true);
  String error;
  ASSERT_TRUE(CreateSchemaTable(db.Handle(), "Settings", error)) << error;
  StoreSettings("Mine", SettingDrawing);
  EXPECT_GT(SettingSets[1].SettingID, 0);
  EXPECT_EQ(db.Text("SELECT COUNT(*) FROM Settings"), "1");
}

// A save of a new set whose commit was made while another program changed
// the file (its permissions, as COMMIT starts) is reported as not whole; the
// set keeps the key of the row it stored, so its next save rewrites that
// row and the set is stored once.
TEST_F(SetingsTest, ASaveCommittedThoughNotWholeKeepsItsKeyAndTheSetIsStoredOnce) {
  Sql("DELETE FROM Settings");
  Responder().AnswerMsgBox(vbOK);
  {
    bool spoiled = false;
    StatementHook atTheCommit([&](const char* sql) {
      if (spoiled || String(sql) != "COMMIT") return;
      spoiled = true;
      EXPECT_EQ(QProcess::execute("chmod", {"g+w", QString::fromStdString(SettingsFile())}), 0);
    });
    StoreSettings("Mine", SettingDrawing);
    ASSERT_TRUE(spoiled);
  }
  ExpectOneMessageTitled("Save Settings");
  EXPECT_NE(Responder().Prompts()[0].text.find("cannot be told whole"), String::npos);
  EXPECT_EQ(SqlText("SELECT SettingID FROM Settings WHERE StrSlot1 = 'Mine'"),
            std::to_string(SettingSets[1].SettingID));

  StoreSettings("Mine", SettingDrawing);
  EXPECT_EQ(SqlText("SELECT COUNT(*) FROM Settings"), "1");
}

// ---- Loading ----------------------------------------------------------------------------

// An empty table, sets without a profile, or no table at all: start-up gets
// the built-in defaults, never options left at zero.
TEST_F(SetingsTest, WithoutAProfileLoadingGivesTheBuiltInDefaults) {
  const char* cases[] = {"DELETE FROM Settings WHERE Stype = 6", "DELETE FROM Settings",
                         "DROP TABLE Settings"};
  for (const char* damage : cases) {
    SCOPED_TRACE(damage);
    ResetProgramState();
    GridX = 0;
    Sql(damage);
    if (String(damage).starts_with("DROP")) Responder().AnswerMsgBox(vbOK);
    EXPECT_FALSE(LoadSettings());
    EXPECT_EQ(FractionDenom, 16);
    EXPECT_FLOAT_EQ(SnapTolerance, 0.2f);
    EXPECT_FLOAT_EQ(GridX, 0.25f);
    EXPECT_FLOAT_EQ(TextHeight, 1.0f);
  }
  ExpectOneMessageTitled("Load Settings");  // only the missing table is a failure
}

TEST_F(SetingsTest, NullValuesReadAsEmptyAndZeroWithOneReportAndLaterRowsKept) {
  Sql("UPDATE Settings SET StrSlot5 = NULL, IntSlot1 = NULL, SngSlot1 = NULL, BoolSlot1 = NULL "
      "WHERE SettingID <= 4");
  Responder().AnswerMsgBox(vbOK);
  EXPECT_TRUE(LoadSettings());
  ExpectOneMessageTitled("Load Settings");
  ASSERT_EQ(SettingCount, 6);
  const SettingRecord& text = SettingSets[FindSettingSet("Defaults", SettingText)];
  EXPECT_EQ(text.StrSlot[5], "");
  EXPECT_EQ(text.IntSlot[1], 0);
  EXPECT_EQ(text.SngSlot[1], 0.0f);
  EXPECT_EQ(text.BoolSlot[1], 0);
  EXPECT_EQ(SettingSets[6].Stype, SettingFills);  // the rows after the damaged ones
}

TEST_F(SetingsTest, ValueColumnsAreReadByPositionWhateverTheirNames) {
  Sql("ALTER TABLE Settings RENAME COLUMN StrSlot1 TO Title");
  Sql("ALTER TABLE Settings RENAME COLUMN SngSlot2 TO Radius");
  ASSERT_TRUE(LoadSettings());
  EXPECT_EQ(FindSettingSet("Defaults", SettingProfile), 2);
  EXPECT_EQ(SettingSets[FindSettingSet("Defaults", SettingDrawing)].SngSlot[2], 0.5f);
}

TEST_F(SetingsTest, AtMost32751SetsFitAndTheRestIsRefusedWithAMessage) {
  String columns;
  for (const String& name : TestDatabase(SettingsFile()).ColumnNames("Settings"))
    if (name != "SettingID") columns += (columns.empty() ? "" : ", ") + name;
  Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32746) "
      "INSERT INTO Settings (" + columns + ") SELECT " + columns + " FROM Settings, n WHERE SettingID = 1");
  Responder().AnswerMsgBox(vbOK);
  EXPECT_FALSE(LoadSettings());
  ExpectOneMessageTitled("Load Settings");
  EXPECT_EQ(SettingCount, 32751);
  EXPECT_EQ(SettingCapacity, 32760);
}

// ---- Applying through a profile -----------------------------------------------------------

TEST_F(SetingsTest, StoredValuesComeBackRoundedToTheirSlots) {
  FilletRadius = 0.1;
  DimLeaderLength = 2.5f;
  StoreSettings("A", SettingDrawing);
  StoreSettings("A", SettingDimension);
  DimLeaderLength = 1.5f;
  StoreSettings("B", SettingDimension);
  ResetProgramState();
  LoadSettings();
  ASSERT_TRUE(ApplySettings("A", SettingDrawing));
  EXPECT_EQ(FilletRadius, static_cast<Double>(0.1f));
  ASSERT_TRUE(ApplySettings("A", SettingDimension));
  EXPECT_EQ(DimLeaderLength, 2.0f);
  ASSERT_TRUE(ApplySettings("B", SettingDimension));
  EXPECT_EQ(DimLeaderLength, 2.0f);
}

TEST_F(SetingsTest, ApplyingSetsTheVariablesThatFollowTheStoredOnes) {
  ChamferDist1 = 0.3;
  DoubleLineWidth1 = 4;
  GridSize = 0.5f;
  StoreSettings("Wide", SettingDrawing);
  StoreSettings("Wide", SettingDisplay);
  ChamferDist2 = DoubleLineWidth2 = GridX = GridY = 0;
  ApplySettings("Wide", SettingDrawing);
  ApplySettings("Wide", SettingDisplay);
  EXPECT_EQ(ChamferDist2, ChamferDist1);
  EXPECT_EQ(DoubleLineWidth2, 4.0f);
  EXPECT_EQ(GridX, 0.5f);
  EXPECT_EQ(GridY, 0.5f);
}

// A drawing set's database paths are resolved as start-up resolves them:
// an empty one is never applied, as the shipped "Defaults" set holds none.
TEST_F(SetingsTest, ApplyingADrawingSetResolvesItsDatabasePathsAsStartUpDoes) {
  const String app = AppFolder();
  struct Case {
    String storedDrawings, storedComponents;  // the paths the set holds
    String drawings, components;              // DwgDbPath and CompDbPath once applied
  };
  const Case cases[] = {
      {"", "", app + "/Drawings_dwg.mdb", app + "/Drawings_dwg.mdb"},
      {"Plans_dwg.mdb", "", app + "/Plans_dwg.mdb", app + "/Plans_dwg.mdb"},
      {"/data/Plans_dwg.mdb", "Parts.mdb", "/data/Plans_dwg.mdb", app + "/Parts.mdb"},
      {"C:\\Plans_dwg.mdb", "/data/Parts.mdb", "C:\\Plans_dwg.mdb", "/data/Parts.mdb"},
  };
  for (const Case& c : cases) {
    DwgDbPath = c.storedDrawings;
    CompDbPath = c.storedComponents;
    StoreSettings("Paths", SettingDrawing);
    DwgDbPath = CompDbPath = "elsewhere";
    ASSERT_TRUE(ApplySettings("Paths", SettingDrawing));
    EXPECT_EQ(DwgDbPath, c.drawings) << "stored \"" << c.storedDrawings << "\"";
    EXPECT_EQ(CompDbPath, c.components) << "stored \"" << c.storedComponents << "\"";
  }
  ASSERT_TRUE(LoadSettings());
  String profile = "Defaults";
  InitSettings(profile);
  EXPECT_EQ(DwgDbPath, app + "/Drawings_dwg.mdb");
}

TEST_F(SetingsTest, OfTwoSetsWithTheSameNameTheFirstIsAppliedAndUpdated) {
  Sql("INSERT INTO Settings (Stype, StrSlot1, SngSlot1) VALUES (1, 'Twin', 0.5)");
  Sql("INSERT INTO Settings (Stype, StrSlot1, SngSlot1) VALUES (1, 'Twin', 0.9)");
  Responder().AnswerMsgBox(vbOK);  // the inserted rows leave the other columns Null
  LoadSettings();
  ASSERT_TRUE(ApplySettings("Twin", SettingDrawing));
  EXPECT_EQ(SnapTolerance, 0.5f);
  SnapTolerance = 0.7f;
  StoreSettings("Twin", SettingDrawing);
  EXPECT_EQ(SqlText("SELECT group_concat(SngSlot1, ' ') FROM Settings WHERE StrSlot1 = 'Twin'"),
            "0.699999988079071 0.9");
}

TEST_F(SetingsTest, ProfileAndSetNamesCountLetterCase) {
  LoadSettings();
  String profile = "defaults";
  EXPECT_FALSE(ApplySettings(profile, SettingProfile));
  InitSettings(profile);
  EXPECT_EQ(profile, "Defaults");
  EXPECT_EQ(CurrentSettingNames[SettingProfile], "Defaults");
}

TEST_F(SetingsTest, AProfileNamingAMissingOrNoSetGivesBuiltInDefaultsForThatTypeOnly) {
  SnapTolerance = 0.7f;
  StoreSettings("Mine", SettingDrawing);
  TextHeight = 5;
  StoreSettings("Big", SettingText);
  StoreProfile("Office", {"", "Mine", "Missing", "Big", "", "Nothing"});
  SnapTolerance = TextHeight = GridSize = DimLetterHeight = HatchScale = 9;

  String profile = "Office";
  InitSettings(profile);
  EXPECT_EQ(profile, "Office");
  EXPECT_EQ(SnapTolerance, 0.7f);
  EXPECT_EQ(TextHeight, 5.0f);
  EXPECT_EQ(GridSize, 0.25f);
  EXPECT_EQ(DimLetterHeight, 1.0f);
  EXPECT_EQ(HatchScale, 1.0f);
  EXPECT_EQ(CurrentSettingNames[SettingDisplay], "");
}

TEST_F(SetingsTest, TheBuiltInDimLetterWidthIsTheTextAspectJustApplied) {
  TextAspect = 1.5f;
  StoreSettings("Wide", SettingText);
  StoreProfile("Office", {"", "", "", "Wide", "", ""});
  TextAspect = 0.75f;
  String profile = "Office";
  InitSettings(profile);
  EXPECT_EQ(DimLetterWidth, 1.5f);
}

TEST_F(SetingsTest, WithNeitherProfileAllTypesGetDefaultsAndTheProfileNamesStay) {
  Sql("DELETE FROM Settings WHERE Stype = 6");
  LoadSettings();
  ProfileSettingNames[3] = "Kept";
  FractionDenom = ShowFills = ShowHatches = 0;
  String profile = "Office";
  InitSettings(profile);
  EXPECT_EQ(profile, "Defaults");
  EXPECT_EQ(ProfileSettingNames[3], "Kept");
  EXPECT_EQ(FractionDenom, 16);
  EXPECT_EQ(ShowFills, FlagTrue);
  EXPECT_EQ(ShowHatches, FlagTrue);  // hatches are shown, as at every start-up
}

// ---- Storing and defaults -------------------------------------------------------------------

TEST_F(SetingsTest, StoringANameKnownOnlyForAnotherTypeMakesANewSet) {
  LoadSettings();
  const Long before = SettingCount;
  StoreSettings("Defaults", SettingDrawing);
  EXPECT_EQ(SettingCount, before);
  StoreSettings("Mine", SettingText);
  StoreSettings("Mine", SettingDimension);
  EXPECT_EQ(SettingCount, before + 2);
  EXPECT_NE(FindSettingSet("Mine", SettingText), FindSettingSet("Mine", SettingDimension));
}

TEST_F(SetingsTest, MakeDefaultNamesTheSetInTheDefaultsProfileAndTheAppliedProfile) {
  Sql("DELETE FROM Settings");
  StoreProfile("Office", {"", "A", "B", "C", "D", "E"});
  MakeDefaultSettings("Mine", SettingText);
  EXPECT_EQ(ProfileSettingNames[4], "Mine");
  const Long defaults = FindSettingSet("Defaults", SettingProfile);
  ASSERT_GT(defaults, 0);
  EXPECT_EQ(SettingSets[defaults].StrSlot[4], "Mine");
  EXPECT_EQ(SqlText("SELECT StrSlot4 FROM Settings WHERE StrSlot1 = 'Defaults' AND Stype = 6"), "Mine");
  StoreSettings("Office", SettingProfile);
  EXPECT_EQ(SqlText("SELECT StrSlot4 FROM Settings WHERE StrSlot1 = 'Office'"), "Mine");
}

TEST_F(SetingsTest, MakeDefaultForTheProfileTypeChangesNothing) {
  LoadSettings();
  const std::vector<SettingRecord> before(SettingSets.begin(), SettingSets.end());
  const auto names = ProfileSettingNames;
  MakeDefaultSettings("Office", SettingProfile);
  EXPECT_EQ(SettingSets, before);
  EXPECT_EQ(ProfileSettingNames, names);
}

// ---- Display options in the main window -------------------------------------------------------

TEST_F(SetingsTest, DisplaySetWithRelativeAndPolarShowsRelativeOnly) {
  CoordRelative = CoordPolar = FlagTrue;
  CoordAbsolute = ShowStatusBar = ShowMessageBar = 0;
  OutlineEnabled = FlagTrue;
  StoreSettings("Both", SettingDisplay);
  CoordRelative = CoordPolar = OutlineEnabled = 0;
  CoordAbsolute = ShowStatusBar = ShowMessageBar = FlagTrue;
  frmMain main;
  MainForm = &main;
  main.StatusPanel(5)->setText("X = 1");
  ASSERT_TRUE(ApplySettings("Both", SettingDisplay));
  ApplyDisplaySettings();
  EXPECT_EQ(CoordRelative, FlagTrue);
  EXPECT_EQ(CoordPolar, FlagFalse);
  EXPECT_EQ(OutlineEnabled, FlagTrue);
  EXPECT_EQ(OutlineOn, FlagFalse);
  EXPECT_TRUE(main.StatusPanel(5)->text().isEmpty());
  EXPECT_FALSE(main.StatusBarVisible());
  EXPECT_FALSE(main.MessageBarVisible());
  MainForm = nullptr;
}

// ---- The sets the build writes ------------------------------------------------------------------

TEST_F(SetingsTest, TheBuiltDatabaseHoldsDefaultsSetsThatLoadAsTheBuiltInDefaults) {
  ASSERT_TRUE(LoadSettings());
  EXPECT_EQ(SettingCount, 6);
  for (Integer t = 1; t <= SettingTypeCount; ++t) EXPECT_GT(FindSettingSet("Defaults", t), 0) << t;
  String profile = "Defaults";
  InitSettings(profile);
  std::array<SettingRecord, 6> loaded, builtIn;
  for (Integer t = 1; t <= 5; ++t) CaptureSettings(loaded[t], t);
  const auto loadedFollowers = std::make_tuple(GridX, GridY, ChamferDist2, DoubleLineWidth2, BoundaryLayer);

  ResetProgramState();
  for (Integer t = 1; t <= 5; ++t) SetBuiltInDefaults(t);
  // The stored drawing set holds no paths; applied, they are the default database.
  EXPECT_EQ(SqlText("SELECT StrSlot2 || '|' || StrSlot3 FROM Settings WHERE Stype = 1"), "|");
  DwgDbPath = CompDbPath = AppFolder() + "/Drawings_dwg.mdb";
  for (Integer t = 1; t <= 5; ++t) {
    CaptureSettings(builtIn[t], t);
    EXPECT_EQ(loaded[t], builtIn[t]) << "type " << t;
  }
  EXPECT_EQ(loadedFollowers, std::make_tuple(GridX, GridY, ChamferDist2, DoubleLineWidth2, BoundaryLayer));
  EXPECT_EQ(builtIn[SettingDimension].SngSlot[2], 0.75f);  // DimLetterWidth from TextAspect
}

}  // namespace
}  // namespace lintavo
